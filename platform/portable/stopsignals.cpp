#include "platform/stopsignals.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace platform {

namespace {

// std::signal's handler may only touch lock-free atomics; the watcher looks at them a
// few times a second, since nothing the handler may call can wake a thread.
std::atomic<int> g_interrupts{0};
std::atomic<int> g_terminations{0};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr std::chrono::milliseconds kLookEvery{20};

extern "C" void onSignal(int number)
{
    if (number == SIGTERM)
        ++g_terminations;
    else
        ++g_interrupts;
    // Some systems put the default back before calling the handler.
    std::signal(number, onSignal);
}

} // namespace

struct StopSignals::Data
{
    std::function<void(StopSignal)> onSignal;
    std::mutex mutex;
    std::condition_variable wake;
    bool quit = false;
    std::thread watcher;
    void (*previousInt)(int) = SIG_DFL;
    void (*previousTerm)(int) = SIG_DFL;
    int interrupts = g_interrupts; // those seen so far
    int terminations = g_terminations;

    void watch()
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (!wake.wait_for(lock, kLookEvery, [this] { return quit; })) {
            for (; interrupts < g_interrupts; ++interrupts)
                onSignal(StopSignal::Interrupt);
            for (; terminations < g_terminations; ++terminations)
                onSignal(StopSignal::Terminate);
        }
    }
};

StopSignals::StopSignals(std::function<void(StopSignal)> onSignal) : d(std::make_unique<Data>())
{
    d->onSignal = std::move(onSignal);
    d->watcher = std::thread([data = d.get()] { data->watch(); });
    d->previousInt = std::signal(SIGINT, platform::onSignal);
    d->previousTerm = std::signal(SIGTERM, platform::onSignal);
}

StopSignals::~StopSignals()
{
    std::signal(SIGINT, d->previousInt == SIG_ERR ? SIG_DFL : d->previousInt);
    std::signal(SIGTERM, d->previousTerm == SIG_ERR ? SIG_DFL : d->previousTerm);
    {
        const std::lock_guard<std::mutex> lock(d->mutex);
        d->quit = true;
    }
    d->wake.notify_one();
    d->watcher.join();
}

void StopSignals::ignore()
{
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
}

int exitStatus(StopSignal signal)
{
    return 128 + (signal == StopSignal::Terminate ? SIGTERM : SIGINT);
}

void exitNow(int status)
{
    std::_Exit(status);
}

} // namespace platform
