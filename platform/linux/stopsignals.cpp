#include "platform/stopsignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

// A signal handler can reach nothing but static storage; a lock-free atomic is safe to
// read from it, and write() is safe to call.
std::atomic<int> g_wakeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr char kInterrupt = 'i';
constexpr char kTerminate = 't';
constexpr char kQuit = 'q';

void onSignal(int number)
{
    const char byte = number == SIGTERM ? kTerminate : kInterrupt;
    const int fd = g_wakeFd;
    if (fd >= 0)
        (void)!::write(fd, &byte, 1);
}

} // namespace

struct StopSignals::Data
{
    int pipe[2] = {-1, -1};
    std::thread watcher;
    std::function<void(StopSignal)> onSignal;
    struct sigaction previousInt = {};
    struct sigaction previousTerm = {};

    void watch()
    {
        for (;;) {
            char byte = 0;
            const ssize_t n = ::read(pipe[0], &byte, 1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0 || byte == kQuit)
                return;
            onSignal(byte == kTerminate ? StopSignal::Terminate : StopSignal::Interrupt);
        }
    }
};

StopSignals::StopSignals(std::function<void(StopSignal)> onSignal) : d(std::make_unique<Data>())
{
    d->onSignal = std::move(onSignal);
    if (::pipe2(d->pipe, O_CLOEXEC) == 0) {
        g_wakeFd = d->pipe[1];
        d->watcher = std::thread([data = d.get()] { data->watch(); });
    }
    struct sigaction action = {};
    action.sa_handler = platform::onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on: the program decides where it stops.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &d->previousInt);
    sigaction(SIGTERM, &action, &d->previousTerm);
}

StopSignals::~StopSignals()
{
    sigaction(SIGINT, &d->previousInt, nullptr);
    sigaction(SIGTERM, &d->previousTerm, nullptr);
    g_wakeFd = -1;
    if (d->watcher.joinable()) {
        (void)!::write(d->pipe[1], &kQuit, 1);
        d->watcher.join();
    }
    for (int fd : d->pipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

void StopSignals::ignore()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGINT, &ignore, nullptr);
    sigaction(SIGTERM, &ignore, nullptr);
}

int exitStatus(StopSignal signal)
{
    return 128 + (signal == StopSignal::Terminate ? SIGTERM : SIGINT);
}

void exitNow(int status)
{
    ::_exit(status);
}

} // namespace platform
