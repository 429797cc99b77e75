#pragma once

#include "cli/options.h"
#include "cli/output.h"

#include <functional>

class DebugLog;
class InterruptRequest;

// Everything a command needs.
struct CommandContext
{
    const Options &options;
    Output &out;
    DebugLog *log = nullptr;
    InterruptRequest *interrupt = nullptr; // SIGINT and SIGTERM while it runs
    // Set by a command that runs until it is signalled: the signal is its normal end.
    bool runsUntilInterrupted = false;
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
