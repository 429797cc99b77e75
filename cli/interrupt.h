#pragma once

#include "platform/stopsignals.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

// SIGINT (Ctrl-C) and SIGTERM alike, while a command runs. The first such signal only sets
// flag(): the command begins nothing new, stops what runs at a frame boundary and prints
// every printer's record. A second one ends the work in flight at once: the command's last
// words (the records known so far) are printed from a thread of its own, and the process
// exits with exitCode() without waiting for the work in flight.
class InterruptRequest
{
public:
    InterruptRequest();
    ~InterruptRequest();
    InterruptRequest(const InterruptRequest &) = delete;
    InterruptRequest &operator=(const InterruptRequest &) = delete;

    const std::atomic<bool> &flag() const;
    bool requested() const { return flag().load(); }
    // 130 after SIGINT, 143 after SIGTERM (the first signal decides), as shells report them.
    int exitCode() const;

    // What a second signal prints before the process ends; it runs on another thread while
    // the command's own go on, so it must lock what it reads. An empty function: only
    // "interrupted" is said. Returns the words before.
    std::function<void()> setLastWords(std::function<void()> lastWords);

    // From now on SIGINT and SIGTERM are ignored: the run is over and its records are
    // being printed, which a signal must not cut short.
    void ignoreFurther();

    // Last words for its lifetime, said before those of the scopes around it (a download
    // removes its copy, then the printer's record is printed). `request` may be null.
    class Scope
    {
    public:
        Scope(InterruptRequest *request, std::function<void()> words);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        InterruptRequest *m_request;
        std::function<void()> m_previous;
    };

private:
    void onSignal(platform::StopSignal signal);

    std::atomic<bool> m_requested{false};
    std::atomic<int> m_count{0};
    std::atomic<platform::StopSignal> m_first{platform::StopSignal::Interrupt};
    std::mutex m_mutex;
    std::function<void()> m_lastWords;
    std::unique_ptr<platform::StopSignals> m_signals; // last: it calls onSignal() until gone
};
