#include "device/fleet/device.h"

#include "device/operations/applymany.h"
#include "device/operations/download.h"
#include "device/operations/functioncommands.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/frame.h"
#include "core/protocol/statusword.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QRegularExpression>
#include <atomic>
#include <vector>

namespace fleet {

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

namespace {

// How long a printer may take to answer again after a restart.
constexpr int kComeBackMs = 60000;

// One call's conversation: a job may hold several on its session (a rollout reads, streams
// and reads again), each beginning as a fresh session would.
class Conversation
{
public:
    explicit Conversation(PrinterSession &session) : m_session(session) {}
    ~Conversation()
    {
        m_session.close();
        m_session.setDeadline(QDeadlineTimer(QDeadlineTimer::Forever));
        m_session.setConfirming(false);
    }
    Conversation(const Conversation &) = delete;
    Conversation &operator=(const Conversation &) = delete;

private:
    PrinterSession &m_session;
};

class SessionDevice : public Device
{
public:
    Reading read(PrinterSession &session, const Address &address, bool identify,
                 QDeadlineTimer deadline) override
    {
        QElapsedTimer timer;
        timer.start();
        Reading r;
        const Conversation conversation(session);
        session.setDeadline(deadline);
        const ops::Outcome opened = ops::open(session, address);
        r.result = opened.ok() ? int(RESULT_OK) : opened.result;
        if (opened.ok()) {
            const PrinterSession::Operation operation(session);
            if (identify) {
                ops::PrinterInfo info;
                r.identified = ops::readInfo(session, &info).ok();
                r.model = info.model;
                r.maker = info.maker;
                r.serial = info.serial;
                r.dpi = info.dpi;
                r.firmware = info.firmware;
            }
            if (!r.identified) {
                unsigned char out[frame::kQueryOutSize];
                if (session.queryStatus(POWER_FIRMWARE_VERSION, out) == RESULT_OK)
                    r.firmware = frame::answerText(out);
            }
            r.result = session.readStatusWord(&r.statusWord);
            r.reached = r.result == RESULT_OK;
        }
        r.at = QDateTime::currentDateTime();
        r.seconds = double(timer.nsecsElapsed()) / 1e9;
        return r;
    }

    ops::Outcome runFunction(PrinterSession &session, const Address &address,
                             const QString &name) override
    {
        const Conversation conversation(session);
        session.setConfirming(true);
        ops::Outcome outcome = ops::open(session, address);
        if (outcome.ok())
            outcome = ops::runFunction(session, name, kComeBackMs);
        return outcome;
    }

    ops::Outcome stream(PrinterSession &session, const Address &address, const PlainCopy &plain,
                        bool firmware, const std::function<void(int)> &progress,
                        const std::atomic<bool> *stop, QDeadlineTimer deadline) override
    {
        const Conversation conversation(session);
        session.setDeadline(deadline);
        session.setConfirming(true);
        ops::Outcome outcome = ops::open(session, address);
        if (outcome.ok())
            outcome = ops::downloadNow(session, plain, false, progress, stop,
                                       firmware ? ops::FileKind::Firmware : ops::FileKind::Font);
        return outcome;
    }

    ops::PrinterRun applyProfile(PrinterSession &session, const Address &address,
                                 const profile::Profile &wanted, bool dryRun, bool verify,
                                 const std::atomic<bool> *stop) override
    {
        return ops::applyToPrinter(session, address, wanted, dryRun, verify, stop);
    }
};

} // namespace

std::unique_ptr<Device> makeSessionDevice()
{
    return std::make_unique<SessionDevice>();
}

} // namespace fleet
