#include "device/operations/applymany.h"

#include "device/operations/printeroperations.h"
#include "device/link/printersession.h"

#include <QDeadlineTimer>
#include <QThread>
#include <memory>
#include <mutex>
#include <vector>

namespace ops {

PrinterRun applyToPrinter(const PrinterAddress &address, const profile::Profile &wanted,
                          bool dryRun, bool verify, const std::atomic<bool> *stop, int timeoutMs)
{
    PrinterRun run;
    run.state = PrinterRun::State::Finished;
    PrinterSession session;
    // Each page's writes count once the printer has answered after them.
    session.setConfirming(!dryRun);
    if (timeoutMs > 0)
        session.setDeadline(QDeadlineTimer(timeoutMs));
    run.outcome = open(session, address);
    if (run.outcome.ok()) {
        const PrinterSession::Operation operation(session);
        run.outcome = identify(session, &run.model);
        if (run.outcome.ok()) {
            run.details = profileapply::apply(session, wanted, dryRun, verify, stop);
            run.outcome = judgeApply(run.details, dryRun, address.key());
            if (!run.details.notAttempted.isEmpty())
                run.state = PrinterRun::State::Interrupted;
        }
    }
    session.close();
    return run;
}

QList<PrinterRun> applyToMany(const QList<PrinterAddress> &printers,
                              const profile::Profile &wanted, bool dryRun, bool verify, int jobs,
                              const RunControl &control)
{
    std::vector<PrinterRun> runs(size_t(printers.size()));
    std::mutex reporting;
    const auto doOne = [&](int i) {
        if (control.stop && *control.stop)
            return;
        if (control.started)
            control.started(i);
        PrinterRun &run = runs[size_t(i)];
        const profile::Profile &profile = control.perPrinter ? control.perPrinter->at(i) : wanted;
        run = applyToPrinter(printers.at(i), profile, dryRun, verify, control.stop,
                             control.timeoutMs);
        if (control.finished) {
            const std::lock_guard<std::mutex> lock(reporting);
            control.finished(i, run);
        }
    };
    std::atomic<int> next{0};
    const auto networkWorker = [&] {
        for (int i = next++; i < printers.size(); i = next++) {
            if (!printers.at(i).isUsb())
                doOne(i);
        }
    };
    std::vector<std::unique_ptr<QThread>> threads;
    int networkCount = 0;
    for (const PrinterAddress &p : printers)
        networkCount += p.isUsb() ? 0 : 1;
    for (int i = 0; i < qMin(qMax(1, jobs), networkCount); ++i) {
        threads.emplace_back(QThread::create(networkWorker));
        threads.back()->start();
    }
    // USB printers share the bus: one after another, meanwhile the network goes on.
    for (int i = 0; i < printers.size(); ++i) {
        if (printers.at(i).isUsb())
            doOne(i);
    }
    for (auto &thread : threads)
        thread->wait();
    return QList<PrinterRun>(runs.begin(), runs.end());
}

} // namespace ops
