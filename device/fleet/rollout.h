#pragma once

#include "core/files/plaincopy.h"
#include "device/fleet/device.h"

#include <QList>
#include <QString>
#include <functional>

namespace fleet {
class Gate;
}

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
    QString expectVersion;   // empty: the version is only reported
    bool allowSameVersion = false; // the version before may come back (a re-flash)
    int settleMs = 1500;     // before the first look after the stream
    int comeBackMs = 120000; // how long a restart may take
    int retryMs = 500;       // between two looks while it restarts
    int timeoutMs = 0;       // one printer's whole turn, stream and restart included; 0: none
    // Once set (also from a signal handler): no printer is begun, running streams end
    // between two pieces and no restart is waited for.
    const std::atomic<bool> *stop = nullptr;
};

struct Result
{
    enum class State
    {
        Finished,
        Interrupted,  // stopped by `stop` while it ran
        NotAttempted, // `stop` came before its turn: nothing was sent to it
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

// Streams `plain` (which stays) to every printer (holding each one's key in `gate`). `progress`
// and `done` are called from worker threads with the index into `printers`.
QList<Result> run(Device &device, Gate &gate, const QList<Address> &printers,
                  const PlainCopy &plain, const Options &options,
                  const std::function<void(int index, int percent)> &progress = {},
                  const std::function<void(int index, const Result &result)> &done = {});

// The worst code of a run (NoPrinter before Failed before Mismatch before Unchanged).
Code worst(const QList<Result> &results);

} // namespace fleet::rollout
