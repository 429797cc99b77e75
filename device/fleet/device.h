#pragma once

#include "core/files/plaincopy.h"
#include "device/link/printeraddress.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

class PrinterSession;

namespace profile {
struct Profile;
}
namespace ops {
struct Outcome;
struct PrinterRun;
}

// What the fleet tools need of a printer, behind one small interface, so that the
// window, the command line and the exporter do not care how a conversation is held.
namespace fleet {

// A printer of the fleet.
using Address = PrinterAddress;
using ::parseTargets;

// How a printer looks after one poll.
enum class Severity
{
    Unknown,     // not polled yet
    Ready,       // answered, no condition
    Busy,        // printing, paused or updating
    Attention,   // needs a person: paper, ribbon, head, cover, cutter, errors
    Unreachable, // no connection or no answer
};

struct Reading
{
    bool reached = false; // the printer answered the status query
    int result = 0;       // the failed exchange's result code otherwise
    QString model;
    QString maker;
    QString firmware;
    QString serial;
    int dpi = 0;
    quint32 statusWord = 0;
    QDateTime at;            // when it was taken
    double seconds = 0;      // how long the poll took
    bool identified = false; // model, maker, serial and resolution were read
};

// The status bits by name (bit 0 first), as metrics and JSON records carry them.
const QStringList &conditionNames();
// The names of the bits set in `word`.
QStringList conditions(quint32 word);
Severity severity(const Reading &reading);
QString severityName(Severity severity);

// One line for people (translated): the decoded conditions, "空闲中" or why it failed.
QString statusText(const Reading &reading);

// Each call holds one conversation on `session` (a pooled worker's, in a job body) and
// closes it again; a cancelled job's session refuses what would come next.
class Device
{
public:
    virtual ~Device() = default;
    // Polls the printer: firmware version and status word, and when `identify` (or the
    // model is unknown) also identity and resolution; given up at `deadline`.
    virtual Reading read(PrinterSession &session, const Address &address, bool identify,
                         QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever)) = 0;
    // A maintenance function by name (functioncommands).
    virtual ops::Outcome runFunction(PrinterSession &session, const Address &address,
                                     const QString &name) = 0;
    // Streams a plain (decrypted) firmware or font file, which stays; `progress` gets
    // percentages. A font is done once the printer answered after it; a firmware is left
    // to restart. Once `stop` is set the stream ends between two pieces; past `deadline`
    // it ends timed-out.
    virtual ops::Outcome
    stream(PrinterSession &session, const Address &address, const PlainCopy &plain,
           bool firmware, const std::function<void(int)> &progress, const std::atomic<bool> *stop,
           QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever)) = 0;
    // Applies a profile (differences first; with `verify` read back); `stop` ends it
    // between two pages.
    virtual ops::PrinterRun applyProfile(PrinterSession &session, const Address &address,
                                         const profile::Profile &wanted, bool dryRun, bool verify,
                                         const std::atomic<bool> *stop = nullptr) = 0;
};

// The device that talks through today's printer sessions.
std::unique_ptr<Device> makeSessionDevice();

} // namespace fleet

Q_DECLARE_METATYPE(fleet::Reading)
