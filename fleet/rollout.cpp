#include "fleet/rollout.h"

#include "download/filedecrypt.h"
#include "fleet/poller.h"
#include "operations/outcome.h"

#include <QDeadlineTimer>
#include <QThread>
#include <vector>

namespace fleet::rollout {

bool decrypt(const QString &chosen, bool firmware, QString *plainPath, QString *why)
{
    return filedecrypt::decryptFile(chosen,
                                    firmware ? filedecrypt::firmwareOutputPath(chosen)
                                             : filedecrypt::fontOutputPath(chosen),
                                    plainPath, why) == filedecrypt::Result::Ok;
}

namespace {

Result one(Device &device, const Address &address, const QString &plainPath, const Options &options,
           const std::function<void(int)> &progress)
{
    Result r;
    r.address = address;
    const Reading before = device.read(address, false);
    if (!before.reached) {
        r.code = NoPrinter;
        r.message = QStringLiteral("cannot connect");
        return r;
    }
    r.versionBefore = before.firmware;
    const ops::Outcome streamed = device.stream(address, plainPath, options.firmware, progress);
    if (!streamed.ok()) {
        r.code = Failed;
        r.message = QStringLiteral("the download failed: %1").arg(streamed.sentence);
        return r;
    }
    if (!options.firmware) {
        r.message = QStringLiteral("sent");
        return r;
    }
    // The printer restarts after taking the firmware: it is looked for until it answers.
    QThread::msleep(ulong(qMax(0, options.settleMs)));
    QDeadlineTimer deadline(options.comeBackMs);
    Reading after;
    for (;;) {
        after = device.read(address, false);
        // A printer still starting may take a connection and drop it: back means the
        // version was read.
        if ((after.reached && !after.firmware.isEmpty()) || deadline.hasExpired())
            break;
        QThread::msleep(ulong(qMax(10, options.retryMs)));
    }
    if (!after.reached) {
        r.code = NoPrinter;
        r.message = QStringLiteral("did not come back after the restart");
        return r;
    }
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
                  const QString &plainPath, const Options &options,
                  const std::function<void(int, int)> &progress,
                  const std::function<void(int, const Result &)> &done)
{
    std::vector<Result> results(size_t(printers.size()));
    forEachParallel(printers.size(), options.jobs, [&](int i) {
        const QString key = printers.at(i).key();
        gate.take(key);
        results[size_t(i)] = one(device, printers.at(i), plainPath, options, [&](int percent) {
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
