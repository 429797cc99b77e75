#include "device/operations/pause.h"

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

} // namespace ops
