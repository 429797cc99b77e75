#include "platform/process.h"

namespace platform {

// Neither Qt nor the standard library can tell a terminal: no progress line is drawn.
bool stderrIsTerminal()
{
    return false;
}

bool stdoutIsTerminal()
{
    return false;
}

void preciseSleeps() {}

QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

} // namespace platform
