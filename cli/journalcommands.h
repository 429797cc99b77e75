#pragma once

#include "device/journal/journal.h"
#include "device/operations/applymany.h"
#include "device/operations/outcome.h"

#include <QString>

struct CommandContext;
namespace fleet::rollout {
struct Result;
}

// The command line's side of the journal of changes: what its writes to printers leave
// in it, and the history command that reads it. Its lines say face "cli", whether the
// command had one printer or a targets file. Apply does not read the serial number, so
// its lines leave it empty.
namespace clijournal {

// One command's journal: a journal that cannot be written is said once, as a warning.
class Recorder
{
public:
    explicit Recorder(CommandContext &c);
    // A profile applied to one printer (nothing for a dry run, a printer not begun, or
    // one that had nothing to change).
    void applied(const QString &address, const ops::PrinterRun &run);
    // A function run on, or a file downloaded to, the printer: whatever the outcome.
    void function(const QString &address, const QString &name, const ops::Outcome &outcome);
    void downloaded(const QString &address, const QString &file, const ops::Outcome &outcome);
    // One printer of a `download --targets` rollout (nothing for one not attempted).
    void rolledOut(const fleet::rollout::Result &result, const journal::File &file);

private:
    CommandContext &m_c;
    journal::Writer m_writer;
};

// labelsetup-cli history [--printer ADDR] [--since DATE] [--json]
int runHistory(CommandContext &c);

} // namespace clijournal
