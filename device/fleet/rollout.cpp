#include "device/fleet/rollout.h"

#include "core/files/filedecrypt.h"
#include "device/fleet/poller.h"
#include "device/operations/outcome.h"

#include <QDeadlineTimer>
#include <QThread>
#include <vector>

namespace fleet::rollout {

bool decrypt(const QString &chosen, bool firmware, PlainCopy *plain, QString *why)
{
    return filedecrypt::decryptFile(chosen,
                                    firmware ? filedecrypt::firmwareOutputPath(chosen)
                                             : filedecrypt::fontOutputPath(chosen),
                                    plain, why) == filedecrypt::Result::Ok;
}

namespace {

// Sleeps `ms`, but not past `deadline`.
void sleepWithin(int ms, const QDeadlineTimer &deadline)
{
    const qint64 left = deadline.remainingTime(); // -1: no deadline
    QThread::msleep(ulong(left < 0 ? qMax(0, ms) : qBound<qint64>(0, ms, left)));
}

Result timedOut(Result r, int timeoutMs)
{
    r.code = Failed;
    r.timedOut = true;
    r.message = QStringLiteral("not done within the time limit (%1 s)").arg(timeoutMs / 1000.0);
    return r;
}

// A printer that did not answer: past the time limit, or for `why`.
Result unreached(Result r, const QDeadlineTimer &limit, int timeoutMs, const QString &why)
{
    if (limit.hasExpired())
        return timedOut(r, timeoutMs);
    r.code = NoPrinter;
    r.message = why;
    return r;
}

bool stopped(const Options &options)
{
    return options.stop && *options.stop;
}

Result one(Device &device, const Address &address, const PlainCopy &plain, const Options &options,
           const std::function<void(int)> &progress)
{
    Result r;
    r.address = address;
    const QDeadlineTimer limit = options.timeoutMs > 0 ? QDeadlineTimer(options.timeoutMs)
                                                       : QDeadlineTimer(QDeadlineTimer::Forever);
    const Reading before = device.read(address, false, limit);
    if (!before.reached)
        return unreached(r, limit, options.timeoutMs, QStringLiteral("cannot connect"));
    r.versionBefore = before.firmware;
    const ops::Outcome streamed = device.stream(address, plain, options.firmware, progress, options.stop, limit);
    if (streamed.code == ops::Code::Interrupted) {
        r.state = Result::State::Interrupted;
        r.code = Failed;
        r.message = QStringLiteral("interrupted: %1").arg(streamed.sentence);
        return r;
    }
    if (!streamed.ok()) {
        if (streamed.code == ops::Code::TimedOut || limit.hasExpired())
            return timedOut(r, options.timeoutMs);
        r.code = Failed;
        r.message = QStringLiteral("the download failed: %1").arg(streamed.sentence);
        return r;
    }
    if (!options.firmware) {
        r.message = QStringLiteral("sent");
        return r;
    }
    // The printer restarts after taking the firmware: it is looked for until it answers.
    sleepWithin(options.settleMs, limit);
    QDeadlineTimer deadline(options.comeBackMs);
    if (limit.deadlineNSecs() < deadline.deadlineNSecs())
        deadline = limit;
    Reading after;
    for (;;) {
        if (stopped(options)) {
            r.state = Result::State::Interrupted;
            r.message = QStringLiteral("sent; interrupted before it was back from its restart");
            return r;
        }
        after = device.read(address, false, deadline);
        // A printer still starting may take a connection and drop it: back means the
        // version was read.
        if ((after.reached && !after.firmware.isEmpty()) || deadline.hasExpired())
            break;
        sleepWithin(qMax(10, options.retryMs), deadline);
    }
    if (!after.reached)
        return unreached(r, limit, options.timeoutMs,
                         QStringLiteral("did not come back after the restart"));
    r.versionAfter = after.firmware;
    if (!options.expectVersion.isEmpty() && after.firmware != options.expectVersion) {
        r.code = Mismatch;
        r.message =
            QStringLiteral("came back with %1, not %2").arg(after.firmware, options.expectVersion);
        return r;
    }
    // The same version as before is a firmware the printer did not take, unless that
    // version was the one asked for.
    if (after.firmware == r.versionBefore && options.expectVersion.isEmpty() &&
        !options.allowSameVersion) {
        r.code = Unchanged;
        r.message = QStringLiteral("version unchanged: %1").arg(after.firmware);
        return r;
    }
    r.message = QStringLiteral("%1 -> %2").arg(r.versionBefore, r.versionAfter);
    return r;
}

} // namespace

QList<Result> run(Device &device, Gate &gate, const QList<Address> &printers,
                  const PlainCopy &plain, const Options &options,
                  const std::function<void(int, int)> &progress,
                  const std::function<void(int, const Result &)> &done)
{
    std::vector<Result> results(size_t(printers.size()));
    for (size_t i = 0; i < results.size(); ++i) {
        results[i].address = printers.at(int(i));
        results[i].state = Result::State::NotAttempted;
        results[i].message = QStringLiteral("not attempted");
    }
    forEachParallel(printers.size(), options.jobs, [&](int i) {
        if (stopped(options))
            return;
        const QString key = printers.at(i).key();
        gate.take(key);
        results[size_t(i)] = one(device, printers.at(i), plain, options, [&](int percent) {
            if (progress)
                progress(i, percent);
        });
        gate.give(key);
        if (done)
            done(i, results[size_t(i)]);
    });
    return QList<Result>(results.begin(), results.end());
}

QString codeName(Code code)
{
    switch (code) {
    case Ok:
        return QStringLiteral("ok");
    case NoPrinter:
        return QStringLiteral("no-printer");
    case Failed:
        return QStringLiteral("failed");
    case Mismatch:
        return QStringLiteral("mismatch");
    case Unchanged:
        return QStringLiteral("version-unchanged");
    }
    return QStringLiteral("failed");
}

Code worst(const QList<Result> &results)
{
    static const QList<Code> worstFirst{NoPrinter, Failed, Mismatch, Unchanged, Ok};
    Code code = Ok;
    for (const Result &r : results) {
        if (worstFirst.indexOf(r.code) < worstFirst.indexOf(code))
            code = r.code;
    }
    return code;
}

} // namespace fleet::rollout
