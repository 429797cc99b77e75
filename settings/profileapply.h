#pragma once

#include "settings/profile.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

class PrinterSession;

// Saving a printer's settings to a profile and applying a profile to a printer, over
// the pages' plain-value reads and writes.
namespace profileapply {

// The settings of a page as profiles hold them: what the printer has, without read-only
// values and list answers no entry has. A result code.
int readPage(PrinterSession &session, const QString &page, QJsonObject *settings);

// Whether the open printer lacks the page, or one of its settings.
bool lacks(const PrinterSession &session, const QString &page, const QString &key = QString());

struct SaveOptions
{
    bool withSecrets = false;  // passwords and PINs
    bool withIdentity = false; // what identifies one printer: static addresses, names
    profile::Selection selection;
};

// Reads every selected page the printer has into a profile; the first failed read's
// result.
int save(PrinterSession &session, const SaveOptions &options, profile::Profile *out,
         QString *failedPage);
// Everything the printer has, secrets and identity too when `all`.
inline int save(PrinterSession &session, bool all, profile::Profile *out, QString *failedPage)
{
    return save(session, SaveOptions{all, all, {}}, out, failedPage);
}

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
    QStringList notAttempted; // pages left alone because the run was stopped
};

// Reads the printer, compares, and unless `dryRun` writes the settings that differ, page
// by page; with `verify` reads every written page back. Nothing is sent when the
// profile does not pass check(); `refused` says why. Once `stop` is set, no further page
// is begun; the pages left are listed in notAttempted.
Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify,
              const std::atomic<bool> *stop = nullptr);

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
    enum class State
    {
        NotStarted,  // the run was stopped before this printer's turn
        Finished,    // every page was done, or a failure ended it
        Interrupted, // stopped between two pages; outcome.written says what was done
    };
    State state = State::NotStarted;
    int connectResult = 0; // 0 when the printer was opened
    Outcome outcome;
};

// What the caller of a many-printer run sees while it goes.
struct RunControl
{
    // Set (also from a signal handler) to begin no new printer and to end each running
    // one after the page it is on.
    const std::atomic<bool> *stop = nullptr;
    // Each printer's outcome as soon as it is known, with its index in the list; called
    // from the thread that did the printer, one call at a time.
    std::function<void(int index, const PrinterOutcome &outcome)> finished;
};

// Opens the printer in `session`; a USB port of 0 means the first USB printer listed.
int openPrinter(PrinterSession &session, const PrinterAddress &address);

// Opens each printer in a session of its own, tells the session its model, and applies
// the profile. Network printers go in parallel on up to `jobs` threads; USB printers
// one after another on the calling thread. One printer's failure does not stop the
// others. The outcomes are in the order of `printers`.
QList<PrinterOutcome> applyToMany(const QList<PrinterAddress> &printers,
                                  const profile::Profile &wanted, bool dryRun, bool verify,
                                  int jobs, const RunControl &control = RunControl());

// The model named in the identity of the session's printer; empty when it does not
// answer.
QString modelOf(PrinterSession &session);
// Asks the printer for its identity and tells the session its model (dots per mm,
// print mode). A result code: RESULT_BAD_REPLY when the answer names no model. Nothing
// that depends on the model may be sent after a failure.
int identify(PrinterSession &session, QString *model = nullptr);

} // namespace profileapply
