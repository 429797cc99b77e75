#include "platform/process.h"

#include <algorithm>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace platform {

bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

bool stdoutIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

void preciseSleeps()
{
    // The default slack is 50 µs.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
}

QString userName()
{
    // The account, not $USER, which sudo and su may leave as another's.
    struct passwd entry;
    struct passwd *found = nullptr;
    char buffer[1024];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}

void raiseOpenFileLimit(int wanted)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= rlim_t(wanted))
        return;
    limit.rlim_cur =
        limit.rlim_max == RLIM_INFINITY ? rlim_t(wanted) : std::min(rlim_t(wanted), limit.rlim_max);
    setrlimit(RLIMIT_NOFILE, &limit);
}

} // namespace platform
