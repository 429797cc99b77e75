#pragma once

#include "settings/profile.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class PrinterSession;

// Saving a printer's settings to a profile and applying a profile to a printer, over
// the pages' plain-value reads and writes.
namespace profileapply {

// One settings page as profiles see it: its settings as JSON in the user's units.
struct PageAccess
{
    QString name; // as in profile::pages()
    // Reads every setting of the page the open printer has; a result code.
    std::function<int(PrinterSession &, QJsonObject *settings)> read;
    // Writes exactly the given settings, with the page's frames, order, grouping and
    // closing frame; a result code. `current` is what read() gave, for pages whose
    // frames carry several settings at once.
    std::function<int(PrinterSession &, const QJsonObject &current, const QJsonObject &changes)>
        write;
    // Checks a profile's settings for the page against a printer of `dotsPerMm`; false
    // with a sentence naming the setting.
    std::function<bool(const QJsonObject &settings, int dotsPerMm, QString *error)> check;
    // The settings of the page the open printer lacks (by name); the whole page when it
    // holds "*".
    std::function<QStringList(const PrinterSession &)> lacking;
    // Secrets (passwords, PINs): left out of a saved profile unless asked for.
    QStringList secrets;
    // Settings counted in dots: converted when the profile's resolution differs.
    QStringList dotSettings;
    // A change to this page takes effect after the printer restarts.
    bool needsRestart = false;
};

// Every page, in the order the window shows and applies them.
const QList<PageAccess> &pageAccess();

// Reads every page the printer has into a profile; the first failed read's result.
int save(PrinterSession &session, bool withSecrets, profile::Profile *out, QString *failedPage);

// Checks every page of a profile for a printer of `dotsPerMm` (the profile's own when
// 0) before anything is sent; false with the reason.
bool check(const profile::Profile &wanted, QString *error, int dotsPerMm = 0);

// The profile's settings for a printer of `dotsPerMm`: dot counts scaled and rounded.
QJsonObject forResolution(const profile::Profile &wanted, int dotsPerMm);

struct Outcome
{
    QString refused;                        // why the profile was refused before anything was sent
    int result = 0;                         // 0, or the first failed exchange's code
    QString failedPage;                     // where it failed
    QList<profile::Difference> differences; // what differed before anything was written
    QStringList skipped;                    // "page.setting" the model lacks
    QStringList written;                    // "page.setting" sent
    QList<profile::Difference> notVerified; // read back with another value (verify)
    bool restartNeeded = false;
};

// Reads the printer, compares, and unless `dryRun` writes the settings that differ, page
// by page; with `verify` reads every written page back. Nothing is sent when the
// profile does not pass check(); `refused` says why.
Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify);

// A printer to apply a profile to.
struct PrinterAddress
{
    bool usb = false;
    QString host; // network printers
    quint16 port = 9100;
    int usbPort = 0; // USB printers; 0: the first one
};

struct PrinterOutcome
{
    int connectResult = 0; // 0 when the printer was opened
    Outcome outcome;
};

// Opens the printer in `session`; a USB port of 0 means the first USB printer listed.
int openPrinter(PrinterSession &session, const PrinterAddress &address);

// Opens each printer in a session of its own, tells the session its model, and applies
// the profile. Network printers go in parallel on up to `jobs` threads; USB printers
// one after another on the calling thread. One printer's failure does not stop the
// others. The outcomes are in the order of `printers`.
QList<PrinterOutcome> applyToMany(const QList<PrinterAddress> &printers,
                                  const profile::Profile &wanted, bool dryRun, bool verify,
                                  int jobs);

// The model named in the identity of the session's printer; empty when it does not
// answer.
QString modelOf(PrinterSession &session);
// Asks the printer for its identity and tells the session its model (dots per mm,
// print mode). A result code: RESULT_BAD_REPLY when the answer names no model. Nothing
// that depends on the model may be sent after a failure.
int identify(PrinterSession &session, QString *model = nullptr);

} // namespace profileapply
