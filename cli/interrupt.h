#pragma once

#include <atomic>

// Ctrl-C (SIGINT) or SIGTERM during a long run. While an InterruptRequest lives, the
// first such signal only sets flag(), so that the run can stop where it is safe and say
// what it did; a second one ends the process at once, as the user then expects.
class InterruptRequest
{
public:
    InterruptRequest();
    ~InterruptRequest();
    InterruptRequest(const InterruptRequest &) = delete;
    InterruptRequest &operator=(const InterruptRequest &) = delete;

    const std::atomic<bool> &flag() const;
    bool requested() const { return flag().load(); }
};
