#pragma once

#include <QString>

namespace platform {

// Whether standard error is a terminal, where a progress line may be redrawn.
bool stderrIsTerminal();
// Whether standard output is a terminal (records there are read by a person).
bool stdoutIsTerminal();

// Short sleeps of the calling thread end when asked, not some tens of microseconds later.
void preciseSleeps();

// The name of the user the program runs as, for the journal of changes; empty when not
// known.
QString userName();

// Asks for at least `wanted` open files at once (the soft limit, up to the hard one); a
// program serving many connections needs more than the usual 1024. Does nothing where
// there is no such limit.
void raiseOpenFileLimit(int wanted);

} // namespace platform
