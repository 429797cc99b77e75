#pragma once

#include "cli/commands.h"
#include "core/settings/profile.h"

// diff over a targets file: which printers drifted from a profile.
namespace driftcommand {

// Compares every printer of the targets with `wanted` (its per-printer values filled in);
// a record per printer as it finishes. Exit code 0 when none differs, 4 when one does, 2
// when one could not be read (that takes precedence: its drift is not known).
int run(CommandContext &c, const profile::Profile &wanted);

} // namespace driftcommand
