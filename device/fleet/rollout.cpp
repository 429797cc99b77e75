#include "device/fleet/rollout.h"

#include "core/files/filedecrypt.h"
#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"
#include "device/link/printersession.h"
#include "device/operations/outcome.h"

#include <QDeadlineTimer>

namespace fleet::rollout {

bool decrypt(const QString &chosen, bool firmware, PlainCopy *plain, QString *why)
{
    return filedecrypt::decryptFile(chosen,
                                    firmware ? filedecrypt::firmwareOutputPath(chosen)
                                             : filedecrypt::fontOutputPath(chosen),
                                    plain, why) == filedecrypt::Result::Ok;
}

namespace {

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

Result one(Device &device, jobs::Context &context, const Address &address, const PlainCopy &plain,
           const Options &options)
{
    PrinterSession &session = context.session();
    Result r;
    r.address = address;
    const QDeadlineTimer limit = options.timeoutMs > 0 ? QDeadlineTimer(options.timeoutMs)
                                                       : QDeadlineTimer(QDeadlineTimer::Forever);
    const Reading before = device.read(session, address, false, limit);
    if (!before.reached && context.cancelled()) {
        r.state = Result::State::Interrupted;
        r.code = Failed;
        r.message = QStringLiteral("interrupted before the file was sent");
        return r;
    }
    if (!before.reached)
        return unreached(r, limit, options.timeoutMs, QStringLiteral("cannot connect"));
    r.versionBefore = before.firmware;
    const ops::Outcome streamed = device.stream(
        session, address, plain, options.firmware,
        [&context](int percent) { context.progress(percent, 100); }, &context.stopFlag(), limit);
    // A cancel may also show as the refusal of the exchange after it.
    if (streamed.code == ops::Code::Interrupted || (!streamed.ok() && context.cancelled())) {
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
    context.pause(options.settleMs, limit);
    QDeadlineTimer deadline(options.comeBackMs);
    if (limit.deadlineNSecs() < deadline.deadlineNSecs())
        deadline = limit;
    Reading after;
    for (;;) {
        if (context.cancelled()) {
            r.state = Result::State::Interrupted;
            r.message = QStringLiteral("sent; interrupted before it was back from its restart");
            return r;
        }
        after = device.read(session, address, false, deadline);
        // A printer still starting may take a connection and drop it: back means the
        // version was read.
        if ((after.reached && !after.firmware.isEmpty()) || deadline.hasExpired())
            break;
        context.pause(qMax(10, options.retryMs), deadline);
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

jobs::FleetRun *start(jobs::WorkerPool &pool, const std::shared_ptr<Device> &device,
                      jobs::Claims *gate, const QList<Address> &printers, const PlainCopy &plain,
                      const Options &options, QObject *parent)
{
    QStringList keys;
    for (const Address &a : printers)
        keys << a.key();
    auto *run = new jobs::FleetRun(
        pool, keys,
        [device, printers, plain, options](int index, jobs::Context &context, QVariant *record) {
            const Result r = one(*device, context, printers.at(index), plain, options);
            *record = QVariant::fromValue(r);
            ops::Outcome outcome;
            outcome.code = r.state == Result::State::Interrupted ? ops::Code::Interrupted
                           : r.code == Ok                        ? ops::Code::Ok
                                                                 : ops::Code::Refused;
            outcome.sentence = r.message;
            return outcome;
        },
        parent);
    run->setLimit(options.jobs);
    run->setClaims(gate);
    return run;
}

Result resultOf(const jobs::FleetRun &run, int index, const Address &address)
{
    const QVariant record = run.record(index);
    if (record.canConvert<Result>())
        return record.value<Result>();
    Result r;
    r.address = address;
    r.state = Result::State::NotAttempted;
    r.message = QStringLiteral("not attempted");
    return r;
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
