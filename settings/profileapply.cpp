#include "settings/profileapply.h"

#include "protocol/commandcodes.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/printersession.h"
#include "settings/settingsengine.h"
#include "settings/settingtable.h"
#include "transport/usblink.h"

#include <QRegularExpression>

#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace profileapply {

namespace {

QString qualified(const QString &page, const QString &setting)
{
    return page + QLatin1Char('.') + setting;
}

int readOrFail(PrinterSession &session, const QString &page, QJsonObject *settings,
               Outcome *outcome)
{
    const int result = readPage(session, page, settings);
    if (result != RESULT_OK) {
        outcome->result = result;
        outcome->failedPage = page;
    }
    return result;
}

} // namespace

bool lacks(const PrinterSession &session, const QString &page, const QString &key)
{
    const settingtable::Page *p = settingtable::findPage(page);
    if (!p || !session.settingsAllowed() ||
        !settingtable::modelHas(p->models, session.hasPrintMode()))
        return true;
    if (key.isEmpty())
        return false;
    const settingtable::Row *row = settingtable::find(page, key);
    return !row || !settingtable::modelHas(row->models, session.hasPrintMode());
}

int readPage(PrinterSession &session, const QString &page, QJsonObject *settings)
{
    QJsonObject values;
    const int result = settingsengine::read(session, page, &values);
    *settings = QJsonObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const settingtable::Row *row = settingtable::find(page, it.key());
        // An unlisted code is not a value a profile can carry to another printer.
        if (row && !settingtable::has(*row, settingtable::ReadOnly) &&
            !settingtable::isUnlisted(it.value()) && !lacks(session, page, it.key()))
            settings->insert(it.key(), it.value());
    }
    return result;
}

int save(PrinterSession &session, const SaveOptions &options, profile::Profile *out,
         QString *failedPage)
{
    out->dotsPerMm = session.dotsPerMm();
    out->settings = QJsonObject();
    for (const QString &page : settingtable::pageNames()) {
        if (lacks(session, page) || !profile::selected(options.selection, page))
            continue;
        QJsonObject settings;
        const int result = readPage(session, page, &settings);
        if (result != RESULT_OK) {
            if (failedPage)
                *failedPage = page;
            return result;
        }
        QJsonObject kept;
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            const settingtable::Row &row = *settingtable::find(page, it.key());
            if ((options.withSecrets || !settingtable::has(row, settingtable::Secret)) &&
                (options.withIdentity || !settingtable::has(row, settingtable::Identity)) &&
                profile::selected(options.selection, page, it.key()))
                kept.insert(it.key(), it.value());
        }
        out->settings.insert(page, kept);
    }
    return RESULT_OK;
}

bool check(const profile::Profile &wanted, QString *error, int dotsPerMm)
{
    if (dotsPerMm == 0)
        dotsPerMm = wanted.dotsPerMm;
    const QJsonObject settings = forResolution(wanted, dotsPerMm);
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        QString why;
        if (!settingtable::checkPage(it.key(), it.value().toObject(), dotsPerMm, &why)) {
            *error = QStringLiteral("%1: %2").arg(it.key(), why);
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
    for (auto page = out.begin(); page != out.end(); ++page) {
        QJsonObject settings = page.value().toObject();
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            const settingtable::Row *row = settingtable::find(page.key(), it.key());
            if (row && row->unit == settingtable::Unit::Dots && it.value().isDouble())
                it.value() = qRound(it.value().toDouble() * dotsPerMm / wanted.dotsPerMm);
        }
        page.value() = settings;
    }
    return out;
}

Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify,
              const std::atomic<bool> *stop)
{
    Outcome outcome;
    if (!check(wanted, &outcome.refused, session.dotsPerMm()))
        return outcome;
    const QJsonObject settings = forResolution(wanted, session.dotsPerMm());
    for (const QString &page : settingtable::pageNames()) {
        const QJsonObject want = settings.value(page).toObject();
        // A page is written whole or not begun: the stop falls between two pages.
        if (stop && *stop) {
            if (!want.isEmpty())
                outcome.notAttempted << page;
            continue;
        }
        QJsonObject applicable;
        for (auto it = want.begin(); it != want.end(); ++it) {
            if (lacks(session, page, it.key()))
                outcome.skipped << qualified(page, it.key());
            else
                applicable.insert(it.key(), it.value());
        }
        if (applicable.isEmpty())
            continue;
        QJsonObject current;
        if (readOrFail(session, page, &current, &outcome) != RESULT_OK)
            return outcome;
        const QList<profile::Difference> differences =
            profile::diff(QJsonObject{{page, current}}, QJsonObject{{page, applicable}});
        outcome.differences += differences;
        if (dryRun || differences.isEmpty())
            continue;
        QJsonObject changes;
        for (const profile::Difference &d : differences)
            changes.insert(d.setting, d.profile);
        // A frame that carries several settings takes the others as the printer has them.
        const int result = settingsengine::write(session, page, changes, current);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page;
            return outcome;
        }
        for (const profile::Difference &d : differences) {
            outcome.written << qualified(page, d.setting);
            outcome.restartNeeded |=
                settingtable::has(*settingtable::find(page, d.setting), settingtable::Restart);
        }
        if (!verify)
            continue;
        QJsonObject after;
        if (readOrFail(session, page, &after, &outcome) != RESULT_OK)
            return outcome;
        outcome.notVerified +=
            profile::diff(QJsonObject{{page, after}}, QJsonObject{{page, changes}});
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
              bool verify, const std::atomic<bool> *stop, PrinterOutcome *out)
{
    PrinterSession session;
    out->connectResult = openPrinter(session, address);
    out->state = PrinterOutcome::State::Finished;
    if (out->connectResult != RESULT_OK)
        return;
    {
        const PrinterSession::Operation operation(session);
        // Lengths are written in the printer's own dots: nothing goes out at a guess.
        const int identified = identify(session);
        if (identified == RESULT_OK) {
            out->outcome = apply(session, wanted, dryRun, verify, stop);
            if (!out->outcome.notAttempted.isEmpty())
                out->state = PrinterOutcome::State::Interrupted;
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
                                  int jobs, const RunControl &control)
{
    std::vector<PrinterOutcome> outcomes(size_t(printers.size()));
    std::mutex reporting;
    const auto stopped = [&control] { return control.stop && *control.stop; };
    const auto doOne = [&](int i) {
        if (stopped())
            return;
        PrinterOutcome &out = outcomes[size_t(i)];
        applyOne(printers.at(i), wanted, dryRun, verify, control.stop, &out);
        if (control.finished) {
            const std::lock_guard<std::mutex> lock(reporting);
            control.finished(i, out);
        }
    };
    std::atomic<int> next{0};
    const auto networkWorker = [&] {
        for (int i = next++; i < printers.size(); i = next++) {
            if (!printers.at(i).usb)
                doOne(i);
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
            doOne(i);
    }
    for (auto &thread : threads)
        thread->wait();
    return QList<PrinterOutcome>(outcomes.begin(), outcomes.end());
}

} // namespace profileapply
