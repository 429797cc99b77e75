#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

// Turns the event loop until `work` (a fleet run, a scan, a poller's round) has said
// `finished`, at most `timeoutMs`; whether it did. For tests and benchmarks only: the
// window's thread never waits.
template <typename Work, typename Signal>
bool finishes(Work &work, Signal finished, const std::function<bool()> &over,
              int timeoutMs = 120000)
{
    QEventLoop loop;
    QObject::connect(&work, finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    while (!over() && limit.isActive())
        loop.exec();
    return over();
}

template <typename Work> bool finishes(Work &work, int timeoutMs = 120000)
{
    return finishes(
        work, &Work::finished, [&work] { return work.isFinished(); }, timeoutMs);
}
