#include "platform/process.h"

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

} // namespace platform
