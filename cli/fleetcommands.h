#pragma once

#include "cli/commands.h"

// The commands for many printers at once: scan, inventory, exporter, and status and
// download over a targets file.
namespace fleetcommands {

// The command table with the fleet commands added and status and download extended.
QList<Command> extend(QList<Command> commands);

// The fleet options that take a value (--watch, --expect-version, --listen, --port,
// --interval).
bool takesValue(const QString &name);
// Stores one of them; false with the reason for a bad value.
bool setOption(const QString &name, const QString &value, Options *options, QString *error);

} // namespace fleetcommands
