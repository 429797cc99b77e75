#include "cli/interrupt.h"

#include <csignal>

namespace {

// A signal handler can reach nothing but static storage; a lock-free atomic is safe
// to set from it.
std::atomic<bool> g_requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

struct sigaction g_previousInt;
struct sigaction g_previousTerm;

void onSignal(int)
{
    g_requested = true;
}

} // namespace

InterruptRequest::InterruptRequest()
{
    g_requested = false;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The handler goes after its first call, so that a second signal ends the process.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &g_previousInt);
    sigaction(SIGTERM, &action, &g_previousTerm);
}

InterruptRequest::~InterruptRequest()
{
    sigaction(SIGINT, &g_previousInt, nullptr);
    sigaction(SIGTERM, &g_previousTerm, nullptr);
}

const std::atomic<bool> &InterruptRequest::flag() const
{
    return g_requested;
}
