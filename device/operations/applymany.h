#pragma once

#include "device/operations/outcome.h"
#include "device/link/printeraddress.h"
#include "device/settings/profileapply.h"

#include <QList>
#include <atomic>
#include <functional>

// One profile to many printers at once, each in a session of its own.
namespace ops {

struct PrinterRun
{
    enum class State
    {
        NotStarted,  // the run was stopped before this printer's turn
        Finished,    // every page was done, or a failure ended it
        Interrupted, // stopped between two pages; details.written says what was done
    };
    State state = State::NotStarted;
    Outcome outcome;               // the verdict
    profileapply::Outcome details; // differences, what was written, skipped, not verified
    QString model;                 // as the printer told it, for the journal
};

// What the caller of a many-printer run sees while it goes.
struct RunControl
{
    // Set (also from a signal handler) to begin no new printer and to end each running
    // one after the page it is on.
    const std::atomic<bool> *stop = nullptr;
    // The longest one printer's whole run may take, from its turn; 0: no limit.
    int timeoutMs = 0;
    // Each printer's run as soon as it is known, with its index in the list; called from
    // the thread that did the printer, one call at a time.
    std::function<void(int index, const PrinterRun &run)> finished;
    // A printer's run begins (from the thread that does it).
    std::function<void(int index)> started;
    // When set, printer i gets profile i instead of the one given (per-printer values).
    const QList<profile::Profile> *perPrinter = nullptr;
};

// Opens the printer, identifies it (lengths go out in its own dots: nothing at a guess)
// and applies the profile; a page is written once the printer answered after its frames
// (PrinterSession::confirmWrites()), else its settings are listed as unconfirmed.
PrinterRun applyToPrinter(const PrinterAddress &address, const profile::Profile &wanted,
                          bool dryRun, bool verify, const std::atomic<bool> *stop = nullptr,
                          int timeoutMs = 0);

// applyToPrinter() for each printer. Network printers go in parallel on up to `jobs`
// threads; USB printers one after another on the calling thread. One printer's failure
// does not stop the others. The runs are in the order of `printers`.
QList<PrinterRun> applyToMany(const QList<PrinterAddress> &printers,
                              const profile::Profile &wanted, bool dryRun, bool verify, int jobs,
                              const RunControl &control = RunControl());

} // namespace ops
