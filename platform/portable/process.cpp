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

// Neither Qt nor the standard library can raise it: the system's own limit stands.
void raiseOpenFileLimit(int /*wanted*/) {}

} // namespace platform
