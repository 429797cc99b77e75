#include "cli/driftcommand.h"

#include "cli/interrupt.h"
#include "cli/runloop.h"
#include "cli/targettable.h"
#include "device/fleet/drift.h"
#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"

#include <QJsonArray>
#include <memory>

namespace driftcommand {

namespace {

// The table's rows of one printer: a line for it, then a line per differing setting.
void printRecord(CommandContext &c, const QString &printer, const fleet::drift::Result &r)
{
    if (!r.checked) {
        c.out.line(QStringLiteral("%1 cannot read: %2").arg(printer, -24).arg(r.outcome.sentence));
        return;
    }
    if (r.differences.isEmpty()) {
        c.out.line(QStringLiteral("%1 no setting differs").arg(printer, -24));
        return;
    }
    for (const profile::Difference &d : r.differences) {
        const bool secret = fleet::drift::isSecret(d);
        c.out.line(QStringLiteral("%1 %2 %3 %4")
                       .arg(printer, -24)
                       .arg(fleet::drift::settingKey(d), -24)
                       .arg(secret ? QStringLiteral("differs") : profile::valueText(d.printer), -20)
                       .arg(secret ? QString() : profile::valueText(d.profile))
                       .trimmed());
    }
}

} // namespace

int run(CommandContext &c, const profile::Profile &wanted)
{
    // Each printer once.
    QList<fleet::Address> printers;
    QList<int> targetOfPrinter;
    const QHash<int, int> duplicates = duplicateTargets(c.options.targets);
    for (int i = 0; i < c.options.targets.size(); ++i) {
        if (!duplicates.contains(i)) {
            printers << c.options.targets.at(i);
            targetOfPrinter << i;
        }
    }
    QList<profile::Profile> perPrinter;
    if (const int filled = profilesPerPrinter(c, wanted, targetOfPrinter, &perPrinter);
        filled != ExitOk)
        return filled;

    c.out.line(QStringLiteral("%1 %2 %3 %4")
                   .arg(QStringLiteral("printer"), -24)
                   .arg(QStringLiteral("setting"), -24)
                   .arg(QStringLiteral("printer value"), -20)
                   .arg(QStringLiteral("profile value")));
    jobs::WorkerPool pool(c.options.jobs);
    const std::unique_ptr<jobs::FleetRun> run(fleet::drift::check(pool, fleet::makeSessionDevice(),
                                                                  printers, wanted, perPrinter,
                                                                  c.options.timeoutSeconds * 1000));
    run->setLimit(c.options.jobs);
    std::vector<fleet::drift::Result> results(size_t(printers.size()));
    ProgressLine progress(c);
    QObject::connect(run.get(), &jobs::FleetRun::printerFinished, [&](int i) {
        if (run->state(i) == jobs::FleetRun::State::NotAttempted)
            return;
        results[size_t(i)] = fleet::drift::resultOf(*run, i);
        progress.clear();
        printRecord(c, printers.at(i).key(), results[size_t(i)]);
        c.out.record(fleet::drift::record(printers.at(i).key(), results[size_t(i)]));
    });
    QObject::connect(run.get(), &jobs::FleetRun::progressed,
                     [&](int done, int total) { progress.show(done, total); });
    run->start();
    // Nothing is written: a signal lets the reads in flight finish.
    runToEnd(
        c, run.get(), SIGNAL(finished()), [&run] { return run->isFinished(); },
        [&run] { run->cancelNotBegun(); });
    progress.clear();

    QJsonArray records;
    int drifted = 0;
    int unreadable = 0;
    for (int i = 0; i < printers.size(); ++i) {
        const fleet::drift::Result &r = results[size_t(i)];
        drifted += r.checked && !r.differences.isEmpty() ? 1 : 0;
        unreadable += r.checked ? 0 : 1;
        if (c.out.form() == Output::Form::Json)
            records.append(fleet::drift::record(printers.at(i).key(), r));
    }
    if (c.out.form() == Output::Form::Json)
        c.out.set(QStringLiteral("printers"), records);
    c.out.set(QStringLiteral("drifted"), drifted);
    c.out.set(QStringLiteral("unreadable"), unreadable);
    if (c.interrupt && c.interrupt->requested()) {
        c.out.set(QStringLiteral("interrupted"), true);
        c.out.error(QStringLiteral("interrupted: printers not yet begun were not compared"));
        return c.interrupt->exitCode();
    }
    c.out.line(QStringLiteral("%1 of %2 printers differ from the profile, %3 could not be read")
                   .arg(drifted)
                   .arg(printers.size())
                   .arg(unreadable));
    return unreadable > 0 ? ExitNoPrinter : drifted > 0 ? ExitDifference : ExitOk;
}

} // namespace driftcommand
