#include "cli/fleetcommands.h"

#include "cli/interrupt.h"
#include "cli/journalcommands.h"
#include "cli/runloop.h"
#include "cli/stages.h"
#include "cli/targettable.h"

#include "exporter/exporter.h"
#include "device/fleet/drift.h"
#include "device/fleet/inventory.h"
#include "device/fleet/poller.h"
#include "device/fleet/rollout.h"
#include "device/fleet/scan.h"
#include "device/journal/entries.h"
#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"
#include "core/protocol/netdiscovery.h"
#include "core/protocol/ports.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QMutex>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>
#include <mutex>
#include <vector>

namespace fleetcommands {

namespace {

// For the commands that run until they are stopped (--watch, exporter): the first
// SIGINT or SIGTERM ends the run in order, and is its normal end.
void runUntilSignalled(CommandContext &c)
{
    c.runsUntilInterrupted = true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&loop, &c] {
        if (c.interrupt && c.interrupt->requested())
            loop.quit();
    });
    check.start(100);
    loop.exec();
}

void printNow(const QString &text)
{
    std::fprintf(stdout, "%s\n", printable(text).toUtf8().constData());
    std::fflush(stdout);
}

// Each printer once, in the order first named; the lines that name one again are told
// (on standard error, so that a record stays one per printer).
QList<fleet::Address> addressesOf(const Options &options)
{
    QList<fleet::Address> out;
    const QHash<int, int> duplicates = duplicateTargets(options.targets);
    for (int i = 0; i < options.targets.size(); ++i) {
        const fleet::Address &t = options.targets.at(i);
        if (const auto same = duplicates.find(i); same != duplicates.end()) {
            std::fprintf(stderr, "labelsetup-cli: %s is the same printer as %s: once only\n",
                         qPrintable(t.key()), qPrintable(options.targets.at(*same).key()));
            continue;
        }
        out.append(t);
    }
    return out;
}

bool needTargets(CommandContext &c)
{
    if (!c.options.targets.isEmpty())
        return true;
    c.out.error(
        QStringLiteral("%1 needs printers: --targets FILE, --net or --usb").arg(c.options.command));
    return false;
}

// A printer's record with how far its poll came once a signal stopped the run.
QJsonObject stoppedRecord(const fleet::inventory::Entry &e, const QString &state)
{
    QJsonObject o = state == QLatin1String("done")
                        ? fleet::inventory::record(e)
                        : QJsonObject{{QStringLiteral("printer"), e.address.key()}};
    o.insert(QStringLiteral("state"), state);
    return o;
}

// One poll of every printer, identity included, in parallel. After a signal no further
// printer is begun (its reading stays without a time) and the polls in flight finish; a
// second one prints every record known and ends the run at once.
QList<fleet::inventory::Entry> pollAll(CommandContext &c)
{
    const std::shared_ptr<fleet::Device> device = fleet::makeSessionDevice();
    const QList<fleet::Address> addresses = addressesOf(c.options);
    std::vector<fleet::inventory::Entry> entries(size_t(addresses.size()));
    std::vector<QString> states(entries.size(), QStringLiteral("notAttempted"));
    QStringList keys;
    for (int i = 0; i < addresses.size(); ++i) {
        entries[size_t(i)].address = addresses.at(i);
        keys << addresses.at(i).key();
    }
    std::mutex known;
    const InterruptRequest::Scope lastWords(c.interrupt, [&] {
        const std::lock_guard<std::mutex> lock(known);
        Output out(c.out.form());
        QJsonArray records;
        for (size_t i = 0; i < entries.size(); ++i) {
            records.append(stoppedRecord(entries[i], states[i]));
            out.line(QStringLiteral("%1 %2").arg(entries[i].address.key(), -24).arg(states[i]));
        }
        out.set(QStringLiteral("printers"), records);
        out.set(QStringLiteral("interrupted"), true);
        out.error(QStringLiteral("interrupted at once"));
        out.finish(c.interrupt->exitCode());
    });
    jobs::WorkerPool pool(c.options.jobs);
    const int limitMs = c.options.timeoutSeconds * 1000;
    jobs::FleetRun run(
        pool, keys, [device, addresses, limitMs](int i, jobs::Context &context, QVariant *record) {
            // --timeout from the printer's turn.
            const fleet::Reading reading = device->read(
                context.session(), addresses.at(i), true,
                limitMs > 0 ? QDeadlineTimer(limitMs) : QDeadlineTimer(QDeadlineTimer::Forever));
            *record = QVariant::fromValue(reading);
            ops::Outcome outcome;
            outcome.result = reading.result;
            return outcome;
        });
    run.setLimit(c.options.jobs);
    ProgressLine progress(c);
    QObject::connect(&run, &jobs::FleetRun::printerStarted, [&](int i) {
        const std::lock_guard<std::mutex> lock(known);
        states[size_t(i)] = QStringLiteral("interrupted");
    });
    QObject::connect(&run, &jobs::FleetRun::printerFinished, [&](int i) {
        if (run.state(i) == jobs::FleetRun::State::NotAttempted)
            return;
        const std::lock_guard<std::mutex> lock(known);
        entries[size_t(i)].reading = run.record(i).value<fleet::Reading>();
        states[size_t(i)] = QStringLiteral("done");
    });
    QObject::connect(&run, &jobs::FleetRun::progressed,
                     [&](int done, int total) { progress.show(done, total); });
    run.start();
    // A poll is one step: the first signal lets those in flight finish.
    runToEnd(
        c, &run, SIGNAL(finished()), [&run] { return run.isFinished(); },
        [&run] { run.cancelNotBegun(); });
    progress.clear();
    const std::lock_guard<std::mutex> lock(known);
    return QList<fleet::inventory::Entry>(entries.begin(), entries.end());
}

// The records of a poll, each with its state when a signal stopped it.
QJsonArray pollRecords(const CommandContext &c, const QList<fleet::inventory::Entry> &entries)
{
    if (!c.interrupt || !c.interrupt->requested())
        return fleet::inventory::json(entries);
    QJsonArray records;
    for (const fleet::inventory::Entry &e : entries)
        records.append(stoppedRecord(e, e.reading.at.isValid() ? QStringLiteral("done")
                                                               : QStringLiteral("notAttempted")));
    return records;
}

QString statusLine(const fleet::inventory::Entry &e)
{
    return QStringLiteral("%1 %2 %3")
        .arg(e.address.key(), -24)
        .arg(fleet::severityName(fleet::severity(e.reading)), -12)
        .arg(fleet::statusText(e.reading));
}

int runWatch(CommandContext &c)
{
    jobs::WorkerPool pool(c.options.jobs);
    fleet::Gate gate;
    fleet::Poller poller(fleet::makeSessionDevice(), gate, pool);
    poller.setAddresses(addressesOf(c.options));
    poller.setIntervalMs(c.options.watchSeconds * 1000);
    poller.setTimeLimitMs(c.options.timeoutSeconds * 1000);
    QHash<QString, QString> last;
    QObject::connect(&poller, &fleet::Poller::polled,
                     [&c, &last](const fleet::Address &a, const fleet::Reading &r) {
                         // Only a change of state or conditions is news.
                         const QString now = fleet::severityName(fleet::severity(r)) +
                                             fleet::conditions(r.statusWord).join(QLatin1Char(','));
                         if (last.value(a.key()) == now)
                             return;
                         last.insert(a.key(), now);
                         const fleet::inventory::Entry e{a, r};
                         printNow(c.out.json()
                                      ? QString::fromUtf8(QJsonDocument(fleet::inventory::record(e))
                                                              .toJson(QJsonDocument::Compact))
                                      : r.at.toString(QStringLiteral("HH:mm:ss ")) + statusLine(e));
                     });
    poller.start();
    runUntilSignalled(c);
    poller.stop();
    return ExitOk;
}

} // namespace

int runStatusMany(CommandContext &c)
{
    if (!needTargets(c))
        return ExitUsage;
    if (c.options.watchSeconds > 0) {
        // Lines go out as they come; no closing JSON object follows them.
        const int code = runWatch(c);
        c.out = Output(Output::Form::Text);
        return code;
    }
    const QList<fleet::inventory::Entry> entries = pollAll(c);
    bool all = true;
    for (const fleet::inventory::Entry &e : entries) {
        all = all && e.reading.reached;
        c.out.line(e.reading.at.isValid()
                       ? statusLine(e)
                       : QStringLiteral("%1 not attempted").arg(e.address.key(), -24));
    }
    c.out.set(QStringLiteral("printers"), pollRecords(c, entries));
    return all ? ExitOk : ExitNoPrinter;
}

int runInventory(CommandContext &c)
{
    if (!needTargets(c))
        return ExitUsage;
    const QList<fleet::inventory::Entry> entries = pollAll(c);
    const QByteArray bytes = c.options.csv
                                 ? fleet::inventory::csv(entries)
                                 : QJsonDocument(fleet::inventory::json(entries)).toJson();
    int reached = 0;
    for (const fleet::inventory::Entry &e : entries)
        reached += e.reading.reached ? 1 : 0;
    if (!c.options.out.isEmpty()) {
        QSaveFile file(c.options.out);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            c.out.error(
                QStringLiteral("cannot write %1: %2").arg(c.options.out, file.errorString()));
            return ExitBadFile;
        }
        c.out.line(QStringLiteral("%1 printers (%2 answered) written to %3")
                       .arg(entries.size())
                       .arg(reached)
                       .arg(c.options.out));
    } else if (!c.out.json()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
    c.out.set(QStringLiteral("printers"), pollRecords(c, entries));
    return reached > 0 ? ExitOk : ExitNoPrinter;
}

int runScan(CommandContext &c)
{
    if (c.options.arguments.size() != 1) {
        c.out.error(QStringLiteral("scan needs one RANGE (a.b.c.d/n or a.b.c.d-e)"));
        return ExitUsage;
    }
    QList<QHostAddress> hosts;
    QString error;
    if (!fleet::scan::parseRange(c.options.arguments.first(), &hosts, &error)) {
        c.out.error(error);
        return ExitUsage;
    }
    fleet::scan::Options options;
    options.port = c.options.port;
    options.identifyJobs = c.options.jobs;
    jobs::WorkerPool pool(c.options.jobs);
    fleet::scan::Scan scan(pool, fleet::makeSessionDevice(), hosts, options);
    {
        ProgressLine progress(c);
        QObject::connect(&scan, &fleet::scan::Scan::progressed,
                         [&progress](int done, int total) { progress.show(done, total); });
        scan.start();
        runToEnd(
            c, &scan, SIGNAL(finished()), [&scan] { return scan.isFinished(); },
            [&scan] { scan.cancel(); });
    }
    const QList<fleet::scan::Found> found = scan.found();
    QStringList entries;
    QList<fleet::inventory::Entry> records;
    for (const fleet::scan::Found &f : found) {
        // The device list's text, with the port when it is not the usual one.
        QString entry = netdiscovery::entryText(f.reading.maker, f.reading.model, f.address.host);
        if (f.address.port != ports::kCommand)
            entry += QStringLiteral(" :%1").arg(f.address.port);
        entries << entry;
        records.append({f.address, f.reading});
        c.out.line(entry);
    }
    c.out.set(QStringLiteral("printers"), QJsonArray::fromStringList(entries));
    c.out.set(QStringLiteral("found"), fleet::inventory::json(records));
    c.out.set(QStringLiteral("scanned"), hosts.size());
    return ExitOk;
}

namespace {

// --profile: every printer to be compared with it now and then, beside the polls.
int startDriftChecks(CommandContext &c, const QList<fleet::Address> &addresses,
                     fleet::drift::Checker *drift, fleet::Exporter *exporter)
{
    if (c.options.profile.isEmpty())
        return ExitOk;
    profile::Profile wanted;
    if (const int read = readProfileFile(c, c.options.profile, &wanted); read != ExitOk)
        return read;
    QList<int> targetOfPrinter;
    for (const fleet::Address &a : addresses)
        targetOfPrinter << int(c.options.targets.indexOf(a));
    QList<profile::Profile> perPrinter;
    if (const int filled = profilesPerPrinter(c, wanted, targetOfPrinter, &perPrinter);
        filled != ExitOk)
        return filled;
    drift->setPrinters(addresses, wanted, perPrinter);
    drift->setIntervalMs(c.options.profileIntervalSeconds * 1000);
    drift->setLimit(c.options.jobs);
    drift->setTimeLimitMs(c.options.timeoutSeconds * 1000);
    QObject::connect(drift, &fleet::drift::Checker::checked,
                     [exporter](const fleet::Address &a, const fleet::drift::Result &r) {
                         exporter->setDrift(a, r);
                     });
    return ExitOk;
}

} // namespace

int runExporter(CommandContext &c)
{
    if (!needTargets(c))
        return ExitUsage;
    fleet::Exporter exporter;
    QString error;
    QString warning;
    const bool listening = exporter.listen(c.options.listen, &error, &warning);
    if (!warning.isEmpty())
        std::fprintf(stderr, "labelsetup-cli: warning: %s\n", qPrintable(warning));
    if (!listening) {
        c.out.error(error);
        return ExitUsage;
    }
    jobs::WorkerPool pool(c.options.jobs);
    fleet::Gate gate;
    fleet::Poller poller(fleet::makeSessionDevice(), gate, pool);
    const QList<fleet::Address> addresses = addressesOf(c.options);
    for (const fleet::Address &a : addresses)
        exporter.addPrinter(a);
    fleet::drift::Checker drift(fleet::makeSessionDevice(), gate, pool);
    if (const int read = startDriftChecks(c, addresses, &drift, &exporter); read != ExitOk)
        return read;
    poller.setAddresses(addresses);
    poller.setIntervalMs(c.options.intervalSeconds * 1000);
    poller.setTimeLimitMs(c.options.timeoutSeconds * 1000);
    QObject::connect(
        &poller, &fleet::Poller::polled,
        [&exporter](const fleet::Address &a, const fleet::Reading &r) { exporter.update(a, r); });
    QObject::connect(&poller, &fleet::Poller::roundFinished,
                     [&exporter](double seconds) { exporter.roundFinished(seconds); });
    std::fprintf(stderr, "labelsetup-cli: metrics of %d printers on http://%s/metrics\n",
                 int(addresses.size()),
                 qPrintable(c.options.listen.section(QLatin1Char(':'), 0, -2) + QLatin1Char(':') +
                            QString::number(exporter.port())));
    std::fflush(stderr);
    poller.start();
    // After the first polls took their printers: a check waits for them, not they for it.
    if (!c.options.profile.isEmpty())
        drift.start();
    runUntilSignalled(c);
    poller.stop();
    drift.stop();
    return ExitOk;
}

namespace {

QString stateName(fleet::rollout::Result::State state)
{
    switch (state) {
    case fleet::rollout::Result::State::Interrupted:
        return QStringLiteral("interrupted");
    case fleet::rollout::Result::State::NotAttempted:
        return QStringLiteral("notAttempted");
    case fleet::rollout::Result::State::Finished:
        break;
    }
    return QStringLiteral("finished");
}

QJsonObject resultJson(const fleet::rollout::Result &r)
{
    QJsonObject o{{QStringLiteral("printer"), r.address.key()},
                  {QStringLiteral("state"), stateName(r.state)},
                  {QStringLiteral("status"), fleet::rollout::codeName(r.code)},
                  {QStringLiteral("exitCode"), int(r.code)},
                  {QStringLiteral("message"), r.message}};
    if (r.timedOut)
        o.insert(QStringLiteral("reason"), QStringLiteral("timed-out"));
    if (!r.versionBefore.isEmpty())
        o.insert(QStringLiteral("versionBefore"), r.versionBefore);
    if (!r.versionAfter.isEmpty())
        o.insert(QStringLiteral("versionAfter"), r.versionAfter);
    return o;
}

} // namespace

int runRollout(CommandContext &c)
{
    const QStringList &args = c.options.arguments;
    if (args.size() != 2 ||
        (args.first() != QLatin1String("firmware") && args.first() != QLatin1String("font"))) {
        c.out.error(QStringLiteral("download needs firmware|font FILE"));
        return ExitUsage;
    }
    if (!needTargets(c))
        return ExitUsage;
    if (!c.options.resumeFile.isEmpty())
        return stages::runResumed(c, runRollout);
    fleet::rollout::Options options;
    options.firmware = args.first() == QLatin1String("firmware");
    options.jobs = c.options.jobs;
    options.expectVersion = c.options.expectVersion;
    options.timeoutMs = c.options.timeoutSeconds * 1000;
    options.allowSameVersion = c.options.allowSameVersion;
    if (!options.firmware && (!options.expectVersion.isEmpty() || options.allowSameVersion)) {
        c.out.error(QStringLiteral("%1 is for firmware")
                        .arg(options.allowSameVersion ? QStringLiteral("--allow-same-version")
                                                      : QStringLiteral("--expect-version")));
        return ExitUsage;
    }
    PlainCopy plain;
    QString why;
    if (!fleet::rollout::decrypt(args.at(1), options.firmware, &plain, &why)) {
        c.out.error(QStringLiteral("cannot decrypt %1: %2").arg(args.at(1), why));
        return ExitBadFile;
    }
    // Printed on the main thread as each printer finishes, and by a second signal from a
    // thread of its own.
    QMutex printing;
    const QList<fleet::Address> addresses = addressesOf(c.options);
    std::vector<fleet::rollout::Result> known(size_t(addresses.size()));
    std::vector<bool> printed(known.size(), false);
    std::vector<bool> streaming(known.size(), false);
    std::vector<QJsonObject> stageOf(known.size()); // a record's stage and stop reason
    QStringList stageColumn;                        // the same in the text table
    ProgressLine progress(c);
    const auto json = [&](int i) {
        QJsonObject o = resultJson(known[size_t(i)]);
        for (auto it = stageOf[size_t(i)].begin(); it != stageOf[size_t(i)].end(); ++it)
            o.insert(it.key(), it.value());
        return o;
    };
    const auto print = [&](int i, const fleet::rollout::Result &r) {
        known[size_t(i)] = r;
        printed[size_t(i)] = true;
        progress.clear();
        c.out.record(json(i));
        if (!c.out.json())
            printNow(QStringLiteral("%1 %2%3 %4")
                         .arg(r.address.key(), -24)
                         .arg(stageColumn.value(i))
                         .arg(r.state == fleet::rollout::Result::State::NotAttempted
                                  ? QStringLiteral("not attempted")
                              : r.state == fleet::rollout::Result::State::Interrupted
                                  ? QStringLiteral("interrupted")
                              : r.code == fleet::rollout::Ok        ? QStringLiteral("ok")
                              : r.code == fleet::rollout::Unchanged ? QStringLiteral("UNCHANGED")
                                                                    : QStringLiteral("FAILED"),
                              -9)
                         .arg(r.message));
    };
    const InterruptRequest::Scope lastWords(c.interrupt, [&] {
        const QMutexLocker lock(&printing);
        plain.remove();
        QJsonArray table;
        for (int i = 0; i < addresses.size(); ++i) {
            if (!printed[size_t(i)]) {
                fleet::rollout::Result r;
                r.address = addresses.at(i);
                r.state = streaming[size_t(i)] ? fleet::rollout::Result::State::Interrupted
                                               : fleet::rollout::Result::State::NotAttempted;
                r.code = streaming[size_t(i)] ? fleet::rollout::Failed : fleet::rollout::Ok;
                r.message = streaming[size_t(i)]
                                ? QStringLiteral("stopped at once in the middle of the file")
                                : QStringLiteral("not attempted");
                print(i, r);
            }
            table.append(json(i));
        }
        Output out(c.out.form());
        out.set(QStringLiteral("printers"), table);
        out.set(QStringLiteral("interrupted"), true);
        out.error(QStringLiteral("interrupted at once: the streams running were cut, the "
                                 "printers not yet begun were left alone"));
        out.finish(c.interrupt->exitCode());
    });
    jobs::WorkerPool pool(c.options.jobs);
    fleet::Gate gate;
    const std::unique_ptr<jobs::FleetRun> run(
        fleet::rollout::start(pool, fleet::makeSessionDevice(), &gate, addresses, plain, options));
    stages::apply(c.options, run.get());
    for (int i = 0; i < addresses.size(); ++i) {
        stages::describe(*run, i, &stageOf[size_t(i)]);
        stageColumn << stages::stageColumn(*run, i);
    }
    QObject::connect(run.get(), &jobs::FleetRun::printerProgressed, [&](int i) {
        const QMutexLocker lock(&printing);
        streaming[size_t(i)] = true;
    });
    clijournal::Recorder record(c);
    const journal::File file = journal::fileOf(args.at(1));
    QObject::connect(run.get(), &jobs::FleetRun::printerFinished, [&](int i) {
        const QMutexLocker lock(&printing);
        fleet::rollout::Result r = fleet::rollout::resultOf(*run, i, addresses.at(i));
        stages::describe(*run, i, &stageOf[size_t(i)]);
        if (r.state == fleet::rollout::Result::State::NotAttempted)
            r.message = jobs::FleetRun::reasonText(run->stopReason(i));
        print(i, r);
        record.rolledOut(known[size_t(i)], file);
    });
    QObject::connect(run.get(), &jobs::FleetRun::progressed,
                     [&](int done, int total) { progress.show(done, total); });
    run->start();
    runToEnd(
        c, run.get(), SIGNAL(finished()), [&run] { return run->isFinished(); },
        [&run] { run->cancel(); });
    progress.clear();
    plain.remove();
    QList<fleet::rollout::Result> results;
    QJsonArray table;
    {
        const QMutexLocker lock(&printing);
        for (int i = 0; i < addresses.size(); ++i) {
            results.append(known[size_t(i)]);
            table.append(json(i));
        }
    }
    c.out.set(QStringLiteral("printers"), table);
    return int(fleet::rollout::worst(results));
}

bool manyPrinters(const Options &o)
{
    return o.targets.size() > 1 || !o.targetsFile.isEmpty();
}

} // namespace fleetcommands
