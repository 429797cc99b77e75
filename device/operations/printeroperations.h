#pragma once

#include "device/operations/outcome.h"
#include "device/operations/printeraddress.h"
#include "device/settings/profileapply.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

class DebugLog;
class PrinterSession;
namespace diagnosticsreport {
struct Inputs;
}

// The operations on one printer that the window, the command line and the fleet share:
// each runs the exchanges in the printer's order and pauses and says what came of it.
// Callers only render the outcome. A session opened by open() names its printer in the
// sentences of later outcomes.
namespace ops {

// Opens the printer at `address` (a USB port of 0: the first one listed); nothing is
// asked of it yet.
Outcome open(PrinterSession &session, const PrinterAddress &address);

// Asks for the identity and tells the session the model (units, pages, print mode).
// Nothing that depends on the model may be sent after a failure; a command that sends
// anything asks this first, so a host that never answers gets nothing.
Outcome identify(PrinterSession &session, QString *model = nullptr);

// Closes the open printer; a network printer is given a moment to see its connection go.
Outcome close(PrinterSession &session);

// open() and identify().
Outcome openAndIdentify(PrinterSession &session, const PrinterAddress &address,
                        QString *model = nullptr);

struct PrinterInfo
{
    QStringList identity; // the five texts
    QString model;
    QString maker;
    QString serial;
    QString firmware; // empty when not answered
    int dpi = 0;      // 0 when not answered
    int maxWidthDots = 0;
};

// The identity (which must answer), the firmware version and the resolution.
Outcome readInfo(PrinterSession &session, PrinterInfo *out);

struct StatusReading
{
    quint32 word = 0;
    QStringList codes; // stable names of the conditions, in bit order
    QStringList texts; // the same conditions for people; both empty when idle
};

Outcome readStatus(PrinterSession &session, StatusReading *out);

// The settings of `pages` (every page the model has when empty) as profiles hold them,
// page -> key -> value; secrets masked unless `withSecrets`. The first failed page ends it.
Outcome readSettings(PrinterSession &session, const QStringList &pages, bool withSecrets,
                     QJsonObject *out);

// Every selected setting the printer has, as a profile of its model.
Outcome save(PrinterSession &session, const profileapply::SaveOptions &options,
             profile::Profile *out);

// What applying `wanted` would change; `details` gets the differences and the skipped.
Outcome diff(PrinterSession &session, const profile::Profile &wanted,
             profileapply::Outcome *details);

// The typed outcome of one printer's apply.
Outcome judgeApply(const profileapply::Outcome &details, bool dryRun,
                   const QString &printer = QString());

// A maintenance function by name (see functioncommands); no reply is read. A confirming
// session asks the status word after it, and after a restart or an initialisation waits
// up to `comeBackMs` for the printer to answer again; with 0 it does not wait, and the
// function is listed as unconfirmed.
Outcome runFunction(PrinterSession &session, const QString &name, int comeBackMs = 0);

// Whether the named function restarts the printer (restart, initialise).
bool restarts(const QString &function);

// Raw bytes, and whatever the printer sent back meanwhile.
Outcome sendRaw(PrinterSession &session, const QByteArray &bytes, QByteArray *received);

// Checks a WiFi network name and password as the WiFi page would; on a refusal `refusedKey`
// names the setting ("stationName", "stationPassword").
Outcome checkCredentials(const QString &ssid, const QString &password,
                         QString *refusedKey = nullptr);

enum class ModeKnowledge
{
    AsKnown, // trust what the session knows of the WiFi mode (the window reads the page)
    AskFirst // read the WiFi page when the mode is not known
};

// Hands WiFi station credentials to the printer: the station-mode frame first unless the
// printer is known to be in station mode, a pause for the module to switch, the name and
// password, and a pause for the frame to leave. The printer takes them after a restart.
Outcome provision(PrinterSession &session, const QString &ssid, const QString &password,
                  ModeKnowledge knowledge);

// The diagnostics report to `path`: the printer's identity, status word and every readable
// setting (when `session` is open), the end of `log` (after the reads, which it shows), the
// rest of `inputs` as the caller gathered it.
Outcome writeReport(PrinterSession *session, diagnosticsreport::Inputs inputs,
                    const DebugLog *log, const QString &path);

} // namespace ops
