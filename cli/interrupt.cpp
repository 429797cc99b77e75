#include "cli/interrupt.h"

#include <cstdio>

namespace {

constexpr char kStopping[] =
    "labelsetup-cli: stopping after the step in flight (a second signal stops at once)\n";

} // namespace

InterruptRequest::InterruptRequest()
    : m_signals(std::make_unique<platform::StopSignals>(
          [this](platform::StopSignal signal) { onSignal(signal); }))
{
}

InterruptRequest::~InterruptRequest() = default;

const std::atomic<bool> &InterruptRequest::flag() const
{
    return m_requested;
}

int InterruptRequest::exitCode() const
{
    return platform::exitStatus(m_first);
}

void InterruptRequest::ignoreFurther()
{
    m_signals->ignore();
}

std::function<void()> InterruptRequest::setLastWords(std::function<void()> lastWords)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::swap(m_lastWords, lastWords);
    return lastWords;
}

InterruptRequest::Scope::Scope(InterruptRequest *request, std::function<void()> words)
    : m_request(request)
{
    if (!m_request)
        return;
    const std::lock_guard<std::mutex> lock(m_request->m_mutex);
    m_previous = m_request->m_lastWords;
    m_request->m_lastWords = [words = std::move(words), previous = m_previous] {
        words();
        if (previous)
            previous();
    };
}

InterruptRequest::Scope::~Scope()
{
    if (m_request)
        m_request->setLastWords(m_previous);
}

// On the signal watcher's thread. The first signal asks the command to stop; the second
// says the last words and ends the process without waiting for the work in flight.
void InterruptRequest::onSignal(platform::StopSignal signal)
{
    if (m_count.fetch_add(1) == 0) {
        m_first = signal;
        m_requested = true;
        std::fputs(kStopping, stderr);
        std::fflush(stderr);
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_lastWords)
            m_lastWords();
        else
            std::fputs("labelsetup-cli: interrupted\n", stderr);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // At once: the threads still at work are not waited for, nor are objects torn down
    // under them.
    platform::exitNow(exitCode());
}
