#include "fleet/device.h"

#include "download/filestream.h"
#include "protocol/frame.h"
#include "protocol/functioncommands.h"
#include "protocol/identity.h"
#include "protocol/printersession.h"
#include "protocol/statusword.h"
#include "settings/profileapply.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QRegularExpression>
#include <QThread>
#include <atomic>
#include <vector>

namespace fleet {

QString Address::key() const
{
    if (usb)
        return usbPort > 0 ? QStringLiteral("usb:%1").arg(usbPort) : QStringLiteral("usb");
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(host).arg(port)
                                           : QStringLiteral("%1:%2").arg(host).arg(port);
}

bool Address::parse(const QString &text, Address *out)
{
    const QString t = text.trimmed();
    Address a;
    if (t == QLatin1String("usb") || t.startsWith(QLatin1String("usb:"))) {
        a.usb = true;
        if (t.size() > 4) {
            bool ok = false;
            a.usbPort = t.mid(4).toInt(&ok);
            if (!ok || a.usbPort < 1 || a.usbPort > 255)
                return false;
        }
        *out = a;
        return true;
    }
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.]+)\\]|([^\\s:\\[\\]]+))(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return false;
    a.host = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
    if (!m.captured(1).isEmpty() &&
        QHostAddress(a.host).protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    if (!m.captured(3).isEmpty()) {
        const int port = m.captured(3).toInt();
        if (port < 1 || port > 65535)
            return false;
        a.port = quint16(port);
    }
    *out = a;
    return true;
}

bool parseTargets(const QString &text, QList<Address> *out, int *badLine)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        Address address;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!Address::parse(line, &address)) {
            *badLine = i + 1;
            return false;
        }
        out->append(address);
    }
    return true;
}

const QStringList &conditionNames()
{
    static const QStringList names{
        QStringLiteral("printing"),       QStringLiteral("paper_out"),
        QStringLiteral("paper_low"),      QStringLiteral("paper_jam"),
        QStringLiteral("ribbon_low"),     QStringLiteral("ribbon_out"),
        QStringLiteral("head_hot"),       QStringLiteral("cover_open"),
        QStringLiteral("position_error"), QStringLiteral("cutter_error"),
        QStringLiteral("updating"),       QStringLiteral("update_error"),
        QStringLiteral("command_error"),  QStringLiteral("paused"),
        QStringLiteral("cancelled"),
    };
    return names;
}

QStringList conditions(quint32 word)
{
    QStringList set;
    for (int bit = 0; bit < conditionNames().size(); ++bit) {
        if (word & (1u << bit))
            set << conditionNames().at(bit);
    }
    return set;
}

Severity severity(const Reading &reading)
{
    if (!reading.at.isValid())
        return Severity::Unknown;
    if (!reading.reached)
        return Severity::Unreachable;
    // Printing, updating, paused and cancelled pass by themselves; the rest wants a hand.
    constexpr quint32 kBusyBits = (1u << 0) | (1u << 10) | (1u << 13) | (1u << 14);
    constexpr quint32 kKnownBits = (1u << 15) - 1;
    const quint32 word = reading.statusWord & kKnownBits;
    if (word & ~kBusyBits)
        return Severity::Attention;
    return word ? Severity::Busy : Severity::Ready;
}

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Ready:
        return QStringLiteral("ready");
    case Severity::Busy:
        return QStringLiteral("busy");
    case Severity::Attention:
        return QStringLiteral("attention");
    case Severity::Unreachable:
        return QStringLiteral("unreachable");
    case Severity::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString statusText(const Reading &reading)
{
    if (!reading.at.isValid())
        return QString();
    if (!reading.reached)
        return QCoreApplication::translate("FleetModel", "无法连接");
    const QStringList lines =
        checkPrinterStatus(reading.statusWord).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QCoreApplication::translate("MainWindow", "空闲中")
                           : lines.join(QStringLiteral(", "));
}

void forEachParallel(int count, int jobs, const std::function<void(int)> &fn)
{
    std::atomic<int> next{0};
    const auto worker = [&] {
        for (int i = next++; i < count; i = next++)
            fn(i);
    };
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 1; i < qMin(qMax(1, jobs), count); ++i) {
        threads.emplace_back(QThread::create(worker));
        threads.back()->start();
    }
    worker();
    for (auto &thread : threads)
        thread->wait();
}

namespace {

profileapply::PrinterAddress sessionAddress(const Address &a)
{
    return profileapply::PrinterAddress{a.usb, a.host, a.port, a.usbPort};
}

QString answerText(const unsigned char *data)
{
    return QString::fromLatin1(
        reinterpret_cast<const char *>(data),
        int(qstrnlen(reinterpret_cast<const char *>(data), frame::kQueryOutSize)));
}

class SessionDevice : public Device
{
public:
    Reading read(const Address &address, bool identify) override
    {
        QElapsedTimer timer;
        timer.start();
        Reading r;
        PrinterSession session;
        r.result = profileapply::openPrinter(session, sessionAddress(address));
        if (r.result == RESULT_OK) {
            const PrinterSession::Operation operation(session);
            unsigned char out[frame::kQueryOutSize];
            if (identify) {
                int length = 0;
                QList<QByteArray> strings;
                if (session.queryInfo(INFO_DEVICE_IDENTITY, out, &length) == RESULT_OK &&
                    identity::split(out, length, &strings)) {
                    QByteArray maker;
                    identity::manufacturer(strings.at(2), &maker);
                    r.model = QString::fromLatin1(strings.at(1));
                    r.maker = QString::fromLatin1(maker);
                    r.serial = QString::fromLatin1(strings.at(4));
                    r.identified = true;
                }
                if (session.queryStatus(POWER_RESOLUTION, out) == RESULT_OK)
                    r.dpi = frame::u16(out);
            }
            if (session.queryStatus(POWER_FIRMWARE_VERSION, out) == RESULT_OK)
                r.firmware = answerText(out);
            r.result = session.readStatusWord(&r.statusWord);
            r.reached = r.result == RESULT_OK;
        }
        session.close();
        r.at = QDateTime::currentDateTime();
        r.seconds = double(timer.nsecsElapsed()) / 1e9;
        return r;
    }

    int runFunction(const Address &address, const QString &name) override
    {
        PrinterSession session;
        int result = profileapply::openPrinter(session, sessionAddress(address));
        if (result == RESULT_OK)
            result = functioncommands::run(session, name);
        session.close();
        return result;
    }

    int stream(const Address &address, const QString &plainPath,
               const std::function<void(int)> &progress, QString *error) override
    {
        PrinterSession session;
        int result = profileapply::openPrinter(session, sessionAddress(address));
        if (result != RESULT_OK) {
            *error = QStringLiteral("cannot connect");
            return result;
        }
        if (session.connectForStream(error) != 0) {
            session.close();
            return RESULT_NOT_CONNECTED;
        }
        // The stream writes each piece from this thread's event loop.
        FileStream stream(session);
        QEventLoop loop;
        bool done = false;
        QString failure;
        QObject::connect(&stream, &FileStream::progress, &loop, [&progress](int percent) {
            if (progress)
                progress(percent);
        });
        QObject::connect(&stream, &FileStream::failed, &loop,
                         [&failure](const QString &text) { failure = text; });
        QObject::connect(&stream, &FileStream::ended, &loop, [&loop, &done] {
            done = true;
            loop.quit();
        });
        stream.start(plainPath, FileStream::Kind::Download, false);
        if (!done)
            loop.exec();
        stream.waitUntilIdle();
        session.close();
        if (!failure.isEmpty()) {
            *error = failure;
            return RESULT_NETWORK;
        }
        return RESULT_OK;
    }

    profileapply::PrinterOutcome applyProfile(const Address &address,
                                              const profile::Profile &wanted, bool dryRun,
                                              bool verify) override
    {
        return profileapply::applyToMany({sessionAddress(address)}, wanted, dryRun, verify, 1)
            .value(0);
    }
};

} // namespace

std::unique_ptr<Device> makeSessionDevice()
{
    return std::make_unique<SessionDevice>();
}

} // namespace fleet
