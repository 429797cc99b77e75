#pragma once

#include "device/operations/applymany.h"

#include <QList>
#include <QObject>

namespace jobs {
class FleetRun;
class WorkerPool;
} // namespace jobs

// One profile to many printers at once, each in a job of its own on a worker pool.
namespace ops {

// applyToPrinter() for each printer, up to `jobs` at once on `pool` (USB printers one
// after another: they share the bus), not started yet. One printer's failure does not
// stop the others. `timeoutMs` bounds each printer's whole run from its turn (0: none).
// Each printer's PrinterRun is run->record(index) once printerFinished(index) was said; a
// printer the cancel came before has none (runOf()). With `perPrinter` given, printer i
// gets profile i instead of `wanted` (per-printer values filled in).
jobs::FleetRun *applyToMany(jobs::WorkerPool &pool, const QList<PrinterAddress> &printers,
                            const profile::Profile &wanted, bool dryRun, bool verify, int jobs,
                            int timeoutMs = 0, QObject *parent = nullptr,
                            const QList<profile::Profile> &perPrinter = {});
// A printer's run in a run applyToMany() started: NotStarted when it was not begun.
PrinterRun runOf(const jobs::FleetRun &run, int index);

} // namespace ops
