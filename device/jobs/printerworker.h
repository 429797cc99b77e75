#pragma once

#include "device/jobs/job.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class PrinterSession;
class QThread;

namespace jobs {

class JobQueue;
class Worker;

// The thread that owns one printer's link, and the queue of jobs for it. Jobs run there
// one at a time in the order they were submitted, so two jobs never interleave frames.
// The session may be asked what is known of the printer from any thread; exchanges are
// made only by job bodies.
class PrinterWorker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit PrinterWorker(QObject *parent = nullptr);
    // Cancels what is queued and running and waits for the running job to reach its next
    // frame boundary.
    ~PrinterWorker() override;
    PrinterWorker(const PrinterWorker &) = delete;
    PrinterWorker &operator=(const PrinterWorker &) = delete;

    PrinterSession &session() const { return *m_session; }

    // Queues `body`; the job, owned by this worker, is deleted after it has said finished.
    Job *submit(const QString &title, Body body);

    // A job submitted here has not finished yet.
    bool busy() const { return m_unfinished > 0; }
    // The job running now, else the next queued one; none when idle.
    Job *currentJob() const;
    // Cancels every job not finished yet.
    void cancelAll();

signals:
    void busyChanged(bool busy);
    void jobStarted(jobs::Job *job);
    void jobFinished(jobs::Job *job);

private:
    friend class WorkerPool;
    PrinterWorker(std::shared_ptr<JobQueue> queue, bool pooled, QObject *parent);
    void track(Job *job);

    std::shared_ptr<JobQueue> m_queue;
    std::unique_ptr<PrinterSession> m_session;
    std::unique_ptr<QThread> m_thread;
    Worker *m_worker = nullptr; // lives on m_thread
    std::vector<Job *> m_jobs;  // submitted here, not finished
    int m_unfinished = 0;
};

// A bounded number of printer workers sharing one queue: fleet runs put one job per
// printer here, and at most `size` printers are talked to at once. A body opens its
// printer on the worker's session (open()) and the session is closed after each job.
class WorkerPool : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit WorkerPool(int size, QObject *parent = nullptr);
    ~WorkerPool() override;

    int size() const { return m_size; }
    Job *submit(const QString &title, Body body);
    bool busy() const { return m_unfinished > 0; }
    int unfinished() const { return m_unfinished; }
    void cancelAll();
    // Cancels one job of this pool: a queued one finishes at once, never started.
    void cancel(Job *job);
    // For an owner going away without waiting: cancels every job and deletes the pool
    // once those in flight have stopped at their next frame boundary (at once when idle).
    void retire();

signals:
    void busyChanged(bool busy);
    void jobFinished(jobs::Job *job);

private:
    int m_size;
    std::shared_ptr<JobQueue> m_queue;
    std::vector<std::unique_ptr<PrinterWorker>> m_workers;
    std::vector<Job *> m_jobs;
    int m_unfinished = 0;
};

} // namespace jobs
