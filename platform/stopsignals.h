#pragma once

#include <functional>
#include <memory>

namespace platform {

enum class StopSignal
{
    Interrupt, // SIGINT, Ctrl-C
    Terminate, // SIGTERM
};

// Catches SIGINT and SIGTERM while it lives. The handler itself only notes the signal;
// `onSignal` is called for each one on a thread of this object's, in the order they came,
// where it may lock, print and end the process. One at a time in a process.
class StopSignals
{
public:
    explicit StopSignals(std::function<void(StopSignal)> onSignal);
    ~StopSignals(); // the handlers before come back
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // From now on both signals are ignored.
    void ignore();

private:
    struct Data;
    std::unique_ptr<Data> d;
};

// The exit status a shell reports for a process the signal ended (130, 143).
int exitStatus(StopSignal signal);

// Ends the process at once: no destructors, no waiting for other threads.
[[noreturn]] void exitNow(int status);

} // namespace platform
