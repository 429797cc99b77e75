#include "device/operations/applymany.h"

#include "device/link/printersession.h"
#include "device/operations/printeroperations.h"

#include <QDeadlineTimer>

namespace ops {

PrinterRun applyToPrinter(PrinterSession &session, const PrinterAddress &address,
                          const profile::Profile &wanted, bool dryRun, bool verify,
                          const std::atomic<bool> *stop, int timeoutMs)
{
    PrinterRun run;
    run.state = PrinterRun::State::Finished;
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
    session.setConfirming(false);
    session.setDeadline(QDeadlineTimer(QDeadlineTimer::Forever));
    return run;
}

PrinterRun applyToPrinter(const PrinterAddress &address, const profile::Profile &wanted,
                          bool dryRun, bool verify, const std::atomic<bool> *stop, int timeoutMs)
{
    PrinterSession session;
    return applyToPrinter(session, address, wanted, dryRun, verify, stop, timeoutMs);
}

} // namespace ops
