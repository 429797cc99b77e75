#pragma once

#include "cli/options.h"
#include "cli/output.h"

#include <functional>

class DebugLog;

// Everything a command needs.
struct CommandContext
{
    const Options &options;
    Output &out;
    DebugLog *log = nullptr;
};

struct Command
{
    const char *name;
    const char *usage;   // after "labelsetup-cli "
    const char *summary; // one line
    const char *help;    // what it does and its options, for --help
    std::function<int(CommandContext &)> run;
};

// Every command, in the order --help lists them.
const QList<Command> &commands();
const Command *findCommand(const QString &name);
