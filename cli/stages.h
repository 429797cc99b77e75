#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>

struct CommandContext;
struct Options;

namespace jobs {
class FleetRun;
} // namespace jobs

// Staged fleet runs on the command line: --canary, --max-failures, and --resume with the
// --jsonl records of an earlier run.
namespace stages {

// The printers a --jsonl records file says succeeded (state finished, exit code 0).
// False, with the file and the line, for a file that is not such records.
bool readRecords(const QString &path, QSet<QString> *succeeded, QString *error);

// --resume: the options without the printers that succeeded before (each said on standard
// error), their per-printer values with them, and without --resume.
Options withoutSucceeded(const Options &options);

// --resume: runs `command` again over the printers that did not succeed before, or says
// that none is left and succeeds.
int runResumed(const CommandContext &context, int (*command)(CommandContext &));

// --canary and --max-failures on a run not started yet.
void apply(const Options &options, jobs::FleetRun *run);

// "stage" (when the run has stages) and "stopReason" (when not attempted) of a record.
void describe(const jobs::FleetRun &run, int index, QJsonObject *record);
// "canary " or "rest ", for a text line; empty without stages.
QString stageColumn(const jobs::FleetRun &run, int index);

} // namespace stages
