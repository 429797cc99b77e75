#pragma once

#include "cli/commands.h"

// The commands for many printers at once: scan, inventory, exporter, and status and
// download over a targets file.
namespace fleetcommands {

// More than one printer, or a targets file: status and download work on the fleet.
bool manyPrinters(const Options &options);

int runStatusMany(CommandContext &c);
int runRollout(CommandContext &c);
int runScan(CommandContext &c);
int runInventory(CommandContext &c);
int runExporter(CommandContext &c);

} // namespace fleetcommands
