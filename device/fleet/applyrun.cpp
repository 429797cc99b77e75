#include "device/fleet/applyrun.h"

#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"

namespace ops {

jobs::FleetRun *applyToMany(jobs::WorkerPool &pool, const QList<PrinterAddress> &printers,
                            const profile::Profile &wanted, bool dryRun, bool verify, int jobs,
                            int timeoutMs, QObject *parent,
                            const QList<profile::Profile> &perPrinter)
{
    QStringList keys;
    QVector<bool> usb;
    for (const PrinterAddress &p : printers) {
        keys << p.key();
        usb << p.isUsb();
    }
    auto *run = new jobs::FleetRun(
        pool, keys,
        [printers, wanted, perPrinter, dryRun, verify, timeoutMs](int index, jobs::Context &context,
                                                                  QVariant *record) {
            const profile::Profile &profile = perPrinter.isEmpty() ? wanted : perPrinter.at(index);
            const PrinterRun one = applyToPrinter(context.session(), printers.at(index), profile,
                                                  dryRun, verify, &context.stopFlag(), timeoutMs);
            *record = QVariant::fromValue(one);
            return one.outcome;
        },
        parent);
    run->setLimit(jobs);
    run->setOneAtATime(usb);
    return run;
}

PrinterRun runOf(const jobs::FleetRun &run, int index)
{
    const QVariant record = run.record(index);
    if (record.canConvert<PrinterRun>())
        return record.value<PrinterRun>();
    PrinterRun notStarted;
    notStarted.outcome = run.outcome(index);
    return notStarted;
}

} // namespace ops
