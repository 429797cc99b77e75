#pragma once

#include "device/operations/outcome.h"
#include "device/operations/printeraddress.h"
#include "device/settings/profileapply.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <atomic>

class PrinterSession;

namespace jobs {
class FleetRun;
class WorkerPool;
} // namespace jobs

// One profile to many printers at once, each in a job of its own on a worker pool.
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
};

// Opens the printer on `session`, identifies it (lengths go out in its own dots: nothing
// at a guess) and applies the profile; a page is written once the printer answered after
// its frames (PrinterSession::confirmWrites()), else its settings are listed as
// unconfirmed. `stop` ends it between two pages. The session is closed again.
PrinterRun applyToPrinter(PrinterSession &session, const PrinterAddress &address,
                          const profile::Profile &wanted, bool dryRun, bool verify,
                          const std::atomic<bool> *stop = nullptr, int timeoutMs = 0);
// The same in a session of its own (one printer, on the caller's thread).
PrinterRun applyToPrinter(const PrinterAddress &address, const profile::Profile &wanted,
                          bool dryRun, bool verify, const std::atomic<bool> *stop = nullptr,
                          int timeoutMs = 0);

// applyToPrinter() for each printer, up to `jobs` at once on `pool` (USB printers one
// after another: they share the bus), not started yet. One printer's failure does not
// stop the others. `timeoutMs` bounds each printer's whole run from its turn (0: none).
// Each printer's PrinterRun is run->record(index) once printerFinished(index) was said; a
// printer the cancel came before has none (runOf()).
jobs::FleetRun *applyToMany(jobs::WorkerPool &pool, const QList<PrinterAddress> &printers,
                            const profile::Profile &wanted, bool dryRun, bool verify, int jobs,
                            int timeoutMs = 0, QObject *parent = nullptr);
// A printer's run in a run applyToMany() started: NotStarted when it was not begun.
PrinterRun runOf(const jobs::FleetRun &run, int index);

} // namespace ops

Q_DECLARE_METATYPE(ops::PrinterRun)
