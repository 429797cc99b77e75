#pragma once

#include "device/operations/outcome.h"
#include "device/link/printeraddress.h"
#include "device/settings/profileapply.h"

#include <QMetaType>
#include <atomic>

class PrinterSession;

// One profile to a printer, as the fleet applies it to many (device/fleet/applyrun.h).
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

} // namespace ops

Q_DECLARE_METATYPE(ops::PrinterRun)
