#pragma once

#include <QObject>
#include <QVariant>
#include <QtTest>

// Waits until `owner` (a window, a worker) has no job queued or running, as its "busy"
// property tells; false when it was still busy after `timeoutMs`.
inline bool waitIdle(const QObject *owner, int timeoutMs = 30000)
{
    return QTest::qWaitFor([owner] { return !owner->property("busy").toBool(); }, timeoutMs);
}
