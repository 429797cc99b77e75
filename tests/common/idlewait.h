#pragma once

#include <QApplication>
#include <QObject>
#include <QWidget>
#include <QVariant>
#include <QtTest>

// Waits until `owner` (a window, a worker) has no job queued or running, as its "busy"
// property tells; false when it was still busy after `timeoutMs`.
inline bool waitIdle(const QObject *owner, int timeoutMs = 30000)
{
    return QTest::qWaitFor([owner] { return !owner->property("busy").toBool(); }, timeoutMs);
}

// Waits until no window of the application has a job queued or running.
inline bool waitAllIdle(int timeoutMs = 30000)
{
    return QTest::qWaitFor(
        [] {
            const auto windows = QApplication::topLevelWidgets();
            for (const QWidget *w : windows) {
                if (w->property("busy").toBool())
                    return false;
            }
            return true;
        },
        timeoutMs);
}
