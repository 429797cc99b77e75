#include "settings/profileapply.h"

#include "protocol/commandcodes.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/printersession.h"
#include "transport/usblink.h"

#include <QRegularExpression>

#include <QThread>
#include <atomic>
#include <memory>
#include <vector>

namespace profileapply {

namespace {

QString qualified(const QString &page, const QString &setting)
{
    return page + QLatin1Char('.') + setting;
}

} // namespace

int save(PrinterSession &session, bool withSecrets, profile::Profile *out, QString *failedPage)
{
    out->dotsPerMm = session.dotsPerMm();
    out->settings = QJsonObject();
    for (const PageAccess &page : pageAccess()) {
        const QStringList lacking = page.lacking(session);
        if (lacking.contains(QStringLiteral("*")))
            continue;
        QJsonObject settings;
        const int result = page.read(session, &settings);
        if (result != RESULT_OK) {
            if (failedPage)
                *failedPage = page.name;
            return result;
        }
        for (const QString &name : lacking)
            settings.remove(name);
        if (!withSecrets) {
            for (const QString &name : page.secrets)
                settings.remove(name);
        }
        out->settings.insert(page.name, settings);
    }
    return RESULT_OK;
}

bool check(const profile::Profile &wanted, QString *error, int dotsPerMm)
{
    if (dotsPerMm == 0)
        dotsPerMm = wanted.dotsPerMm;
    const QJsonObject settings = forResolution(wanted, dotsPerMm);
    for (const PageAccess &page : pageAccess()) {
        const QJsonValue pageSettings = settings.value(page.name);
        if (pageSettings.isUndefined())
            continue;
        QString why;
        if (!page.check(pageSettings.toObject(), dotsPerMm, &why)) {
            *error = QStringLiteral("%1: %2").arg(page.name, why);
            return false;
        }
    }
    return true;
}

QJsonObject forResolution(const profile::Profile &wanted, int dotsPerMm)
{
    QJsonObject out = wanted.settings;
    if (dotsPerMm == wanted.dotsPerMm || wanted.dotsPerMm <= 0)
        return out;
    for (const PageAccess &page : pageAccess()) {
        QJsonObject settings = out.value(page.name).toObject();
        for (const QString &name : page.dotSettings) {
            const QJsonValue value = settings.value(name);
            if (value.isDouble())
                settings.insert(name, qRound(value.toDouble() * dotsPerMm / wanted.dotsPerMm));
        }
        if (out.contains(page.name))
            out.insert(page.name, settings);
    }
    return out;
}

Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify)
{
    Outcome outcome;
    if (!check(wanted, &outcome.refused, session.dotsPerMm()))
        return outcome;
    const QJsonObject settings = forResolution(wanted, session.dotsPerMm());
    for (const PageAccess &page : pageAccess()) {
        const QJsonObject want = settings.value(page.name).toObject();
        if (want.isEmpty())
            continue;
        const QStringList lacking = page.lacking(session);
        QJsonObject applicable;
        for (auto it = want.begin(); it != want.end(); ++it) {
            if (lacking.contains(QStringLiteral("*")) || lacking.contains(it.key()))
                outcome.skipped << qualified(page.name, it.key());
            else
                applicable.insert(it.key(), it.value());
        }
        if (applicable.isEmpty())
            continue;
        QJsonObject current;
        int result = page.read(session, &current);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page.name;
            return outcome;
        }
        const QList<profile::Difference> differences =
            profile::diff(QJsonObject{{page.name, current}}, QJsonObject{{page.name, applicable}});
        outcome.differences += differences;
        if (dryRun || differences.isEmpty())
            continue;
        QJsonObject changes;
        for (const profile::Difference &d : differences)
            changes.insert(d.setting, d.profile);
        result = page.write(session, current, changes);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page.name;
            return outcome;
        }
        for (const profile::Difference &d : differences)
            outcome.written << qualified(page.name, d.setting);
        outcome.restartNeeded |= page.needsRestart;
        if (!verify)
            continue;
        QJsonObject after;
        result = page.read(session, &after);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page.name;
            return outcome;
        }
        outcome.notVerified +=
            profile::diff(QJsonObject{{page.name, after}}, QJsonObject{{page.name, changes}});
    }
    return outcome;
}

QString modelOf(PrinterSession &session)
{
    QString model;
    identify(session, &model);
    return model;
}

int identify(PrinterSession &session, QString *model)
{
    unsigned char out[frame::kQueryOutSize];
    int length = 0;
    QList<QByteArray> strings;
    const int result = session.queryInfo(INFO_DEVICE_IDENTITY, out, &length);
    if (result != RESULT_OK)
        return result;
    if (!identity::split(out, length, &strings) || strings.at(1).isEmpty())
        return RESULT_BAD_REPLY;
    const QString name = QString::fromLocal8Bit(strings.at(1));
    session.adoptModel(QStringLiteral("[%1]").arg(name));
    if (model)
        *model = name;
    return RESULT_OK;
}

int openPrinter(PrinterSession &session, const PrinterAddress &address)
{
    if (!address.usb)
        return session.openNetwork(address.host, address.port);
    int port = address.usbPort;
    if (port == 0) {
        // "Label [P1] {USB005}": the port number of the first printer listed.
        static const QRegularExpression usbPort(QStringLiteral("\\{USB(\\d+)\\}"));
        const QStringList listed = UsbLink::listPrinters();
        const QRegularExpressionMatch match = usbPort.match(listed.value(0));
        if (!match.hasMatch())
            return RESULT_USB_OPEN;
        port = match.captured(1).toInt();
    }
    return session.openUsb(port);
}

namespace {

void applyOne(const PrinterAddress &address, const profile::Profile &wanted, bool dryRun,
              bool verify, PrinterOutcome *out)
{
    PrinterSession session;
    out->connectResult = openPrinter(session, address);
    if (out->connectResult != RESULT_OK)
        return;
    {
        const PrinterSession::Operation operation(session);
        // Lengths are written in the printer's own dots: nothing goes out at a guess.
        const int identified = identify(session);
        if (identified == RESULT_OK) {
            out->outcome = apply(session, wanted, dryRun, verify);
        } else {
            out->outcome.result = identified;
            out->outcome.failedPage = QStringLiteral("identity");
        }
    }
    session.close();
}

} // namespace

QList<PrinterOutcome> applyToMany(const QList<PrinterAddress> &printers,
                                  const profile::Profile &wanted, bool dryRun, bool verify,
                                  int jobs)
{
    std::vector<PrinterOutcome> outcomes(size_t(printers.size()));
    std::atomic<int> next{0};
    const auto networkWorker = [&] {
        for (int i = next++; i < printers.size(); i = next++) {
            if (!printers.at(i).usb)
                applyOne(printers.at(i), wanted, dryRun, verify, &outcomes[size_t(i)]);
        }
    };
    std::vector<std::unique_ptr<QThread>> threads;
    int networkCount = 0;
    for (const PrinterAddress &p : printers)
        networkCount += p.usb ? 0 : 1;
    for (int i = 0; i < qMin(qMax(1, jobs), networkCount); ++i) {
        threads.emplace_back(QThread::create(networkWorker));
        threads.back()->start();
    }
    // USB printers share the bus: one after another, meanwhile the network goes on.
    for (int i = 0; i < printers.size(); ++i) {
        if (printers.at(i).usb)
            applyOne(printers.at(i), wanted, dryRun, verify, &outcomes[size_t(i)]);
    }
    for (auto &thread : threads)
        thread->wait();
    return QList<PrinterOutcome>(outcomes.begin(), outcomes.end());
}

} // namespace profileapply
