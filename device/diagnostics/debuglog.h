#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <deque>

// Keeps the last lines of the tool's debug output in memory for the diagnostics report,
// and passes every message on to the handler that was installed before it. Qt has one
// message handler per process: the one object that is installed receives everything,
// from every thread, until it is destroyed.
class DebugLog
{
public:
    explicit DebugLog(int capacity = 500);
    ~DebugLog();
    DebugLog(const DebugLog &) = delete;
    DebugLog &operator=(const DebugLog &) = delete;

    // Starts receiving the messages; false when another DebugLog already does. With
    // `passOn` false the messages are only kept (a command-line tool keeps its output
    // clean).
    bool install(bool passOn = true);

    void append(const QString &line);
    // The kept lines, oldest first.
    QStringList lines() const;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    const int m_capacity;
    mutable QMutex m_mutex;
    std::deque<QString> m_lines;
    QtMessageHandler m_previous = nullptr;
    bool m_installed = false;
    bool m_passOn = true;
};
