#pragma once

#include "device/operations/outcome.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

class PrinterSession;

// Printer work as jobs: the window, the command line and the fleet start a job, watch its
// progress, may cancel it, and are told its outcome. The body runs on the worker that
// owns the printer's link (PrinterWorker), one job at a time.
namespace jobs {

struct Progress
{
    int done = 0;
    int total = 0; // 0 while unknown
    QString text;  // a few words: "读取 5/14", "3/50 台打印机"
};

// What a body has on the worker: the printer, a way to say how far it got, and whether it
// was asked to stop. A cancelled job's session refuses every further exchange
// (RESULT_CANCELLED), so a body that checks nothing still stops at a frame boundary.
class Context
{
public:
    Context(PrinterSession &session, const std::atomic<bool> &stop,
            std::function<void(const Progress &)> report);

    PrinterSession &session() const { return m_session; }
    bool cancelled() const { return m_stop.load(); }
    // For the operations that take a stop flag of their own (between two pages, pieces).
    const std::atomic<bool> &stopFlag() const { return m_stop; }
    void progress(int done, int total, const QString &text = QString()) const;
    // Waits `ms` on the worker (a settle pause, a retry), ended early by a cancel or at
    // `notPast`; false when cancelled.
    bool pause(int ms, QDeadlineTimer notPast = QDeadlineTimer(QDeadlineTimer::Forever)) const;

private:
    PrinterSession &m_session;
    const std::atomic<bool> &m_stop;
    std::function<void(const Progress &)> m_report;
};

using Body = std::function<ops::Outcome(Context &)>;

class Job;
class JobQueue;
// Cancels `job`, which waits in `queue` or runs (printerworker.cpp).
void cancelJob(JobQueue &queue, Job *job);

// One piece of printer work. It lives on the thread that started it; its signals come
// there. cancel() may be called from any thread, at any time.
class Job : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Queued,
        Running,
        Finished
    };

    Job(const QString &title, Body body, QObject *parent = nullptr);
    ~Job() override;

    QString title() const { return m_title; }
    State state() const { return m_state; }
    bool isFinished() const { return m_state == State::Finished; }
    Progress lastProgress() const { return m_progress; }
    // Valid once finished.
    const ops::Outcome &outcome() const { return m_outcome; }
    bool cancelRequested() const { return m_stop.load(); }

public slots:
    // Asks the job to stop at the next frame boundary; a queued job never starts and
    // finishes Interrupted with nothing done.
    void cancel();

signals:
    void started();
    void progressed(int done, int total, const QString &text);
    void finished(const ops::Outcome &outcome);

private:
    friend class Worker;
    friend void cancelJob(JobQueue &queue, Job *job);
    friend class PrinterWorker;
    friend class WorkerPool;
    // On the worker.
    ops::Outcome run(PrinterSession &session);
    // On the job's own thread.
    void markStarted();
    void markProgress(const Progress &progress);
    void markFinished(const ops::Outcome &outcome);

    QString m_title;
    Body m_body;
    std::atomic<bool> m_stop{false};
    State m_state = State::Queued;
    Progress m_progress;
    ops::Outcome m_outcome;
};

// The outcome of a job that was cancelled before its body ran.
ops::Outcome notStarted(const QString &title);

} // namespace jobs

Q_DECLARE_METATYPE(ops::Outcome)
