#pragma once

#include "core/files/plaincopy.h"
#include "device/fleet/device.h"

#include "device/jobs/claims.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <memory>

namespace jobs {
class FleetRun;
class WorkerPool;
} // namespace jobs

// A firmware or font file to many printers: one stream per printer, a few printers in
// parallel; after a firmware stream the printer restarts, and its version is read back
// and compared with the one expected.
namespace fleet::rollout {

// What became of one printer, with the command line's exit codes.
enum Code
{
    Ok = 0,
    NoPrinter = 2, // no connection, or it did not come back after the restart
    Failed = 3,    // the stream failed
    Mismatch = 4,  // it came back with another version than expected
    Unchanged = 6, // it came back with the version it had before
};

// "ok", "no-printer", "failed", "mismatch", "version-unchanged": for JSON and scripts.
QString codeName(Code code);

struct Options
{
    bool firmware = true;
    int jobs = 1;
    QString expectVersion;         // empty: the version is only reported
    bool allowSameVersion = false; // the version before may come back (a re-flash)
    int settleMs = 1500;           // before the first look after the stream
    int comeBackMs = 120000;       // how long a restart may take
    int retryMs = 500;             // between two looks while it restarts
    int timeoutMs = 0;             // one printer's whole turn, stream and restart included; 0: none
};

struct Result
{
    enum class State
    {
        Finished,
        Interrupted,  // the run's cancel stopped it while it ran
        NotAttempted, // the cancel came before its turn: nothing was sent to it
    };
    Address address;
    State state = State::Finished;
    Code code = Ok;
    QString message;
    QString versionBefore;
    QString versionAfter;
    bool timedOut = false; // the turn ended at Options::timeoutMs
};

// Decrypts the chosen file beside it for streaming; false with the reason.
bool decrypt(const QString &chosen, bool firmware, PlainCopy *plain, QString *why);

// A run streaming `plain` (which stays) to every printer, each once `gate` lets it (the
// gate may be null), up to options.jobs at once on `pool`; not started yet. A cancel
// begins no further printer, ends the streams running between two pieces and waits for
// no restart. printerProgressed() gives each printer's percentage; resultOf() its result.
jobs::FleetRun *start(jobs::WorkerPool &pool, const std::shared_ptr<Device> &device,
                      jobs::Claims *gate, const QList<Address> &printers, const PlainCopy &plain,
                      const Options &options, QObject *parent = nullptr);
// A printer's result once printerFinished(index) was said; "not attempted" when it was
// not begun.
Result resultOf(const jobs::FleetRun &run, int index, const Address &address);

// The worst code of a run (NoPrinter before Failed before Mismatch before Unchanged).
Code worst(const QList<Result> &results);

} // namespace fleet::rollout

Q_DECLARE_METATYPE(fleet::rollout::Result)
