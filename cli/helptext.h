#pragma once

#include "cli/commandtable.h"

#include <QString>

// The --help texts, made from the command table.
namespace helptext {

// labelsetup-cli --help: the global flags, every command with its summary, the exit codes.
QString program();
// labelsetup-cli COMMAND --help: its usage, what it does and the flags it takes.
QString command(const commandtable::CommandDeclaration &command);

} // namespace helptext
