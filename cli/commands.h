#pragma once

#include "cli/commandtable.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/settings/profile.h"

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

// A command as declared in the command table, and what runs it.
struct Command
{
    const char *name;
    QByteArray usage; // after "labelsetup-cli "
    const commandtable::CommandDeclaration *declaration;
    std::function<int(CommandContext &)> run;
};

// Every command of the command table, in its order.
const QList<Command> &commands();
const Command *findCommand(const QString &name);

// Reads a profile file ("-": standard input): ExitOk, or ExitBadFile (told why).
int readProfileFile(CommandContext &c, const QString &path, profile::Profile *out);
