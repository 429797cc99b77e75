#include "cli/interrupt.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler can reach nothing but static storage; lock-free atomics are safe to
// set from it, and write() is safe to call.
std::atomic<bool> g_requested{false};
std::atomic<int> g_signal{0};
std::atomic<int> g_count{0};
std::atomic<int> g_wakeFd{-1};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);

struct sigaction g_previousInt;
struct sigaction g_previousTerm;

constexpr char kSecondSignal = 's';
constexpr char kQuit = 'q';
constexpr char kStopping[] =
    "labelsetup-cli: stopping after the step in flight (a second signal stops at once)\n";

void onSignal(int number)
{
    int none = 0;
    g_signal.compare_exchange_strong(none, number);
    g_requested = true;
    // The second signal wakes the watcher, which cannot be done from here.
    if (g_count.fetch_add(1) >= 1) {
        const int fd = g_wakeFd;
        if (fd >= 0)
            (void)!::write(fd, &kSecondSignal, 1);
    } else {
        (void)!::write(STDERR_FILENO, kStopping, sizeof kStopping - 1);
    }
}

} // namespace

InterruptRequest::InterruptRequest()
{
    g_requested = false;
    g_signal = 0;
    g_count = 0;
    if (::pipe2(m_pipe, O_CLOEXEC) == 0) {
        g_wakeFd = m_pipe[1];
        m_watcher = std::thread([this] { watch(); });
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on: the run decides where it stops.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &g_previousInt);
    sigaction(SIGTERM, &action, &g_previousTerm);
}

InterruptRequest::~InterruptRequest()
{
    sigaction(SIGINT, &g_previousInt, nullptr);
    sigaction(SIGTERM, &g_previousTerm, nullptr);
    g_wakeFd = -1;
    if (m_watcher.joinable()) {
        (void)!::write(m_pipe[1], &kQuit, 1);
        m_watcher.join();
    }
    for (int fd : m_pipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

const std::atomic<bool> &InterruptRequest::flag() const
{
    return g_requested;
}

int InterruptRequest::exitCode() const
{
    return 128 + (g_signal == SIGTERM ? SIGTERM : SIGINT);
}

void InterruptRequest::ignoreFurther()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGINT, &ignore, nullptr);
    sigaction(SIGTERM, &ignore, nullptr);
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

void InterruptRequest::watch()
{
    char byte = 0;
    for (;;) {
        const ssize_t n = ::read(m_pipe[0], &byte, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || byte == kQuit)
            return;
        break;
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
    ::_exit(exitCode());
}
