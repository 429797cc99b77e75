#include "device/link/pause.h"

#include "device/link/printersession.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

namespace ops {

namespace {
// How soon a cancel is noticed during a pause.
constexpr qint64 kStepMs = 10;
} // namespace

bool pauseUnless(unsigned long ms, const std::function<bool()> &stop)
{
    const QDeadlineTimer until(qint64(ms), Qt::PreciseTimer);
    for (;;) {
        if (stop && stop())
            return false;
        const qint64 left = until.remainingTime();
        if (left <= 0)
            return true;
        QThread::msleep(ulong(std::min(left, kStepMs)));
    }
}

bool pause(const PrinterSession &session, unsigned long ms)
{
    return pauseUnless(ms, [&session] { return session.stopRequested(); });
}

bool pauseWithinDeadline(const PrinterSession &session, unsigned long ms)
{
    const QDeadlineTimer deadline = session.deadline();
    const qint64 left =
        deadline.isForever() ? qint64(ms) : std::max<qint64>(0, deadline.remainingTime());
    return pause(session, ulong(std::min<qint64>(qint64(ms), left)));
}

} // namespace ops
