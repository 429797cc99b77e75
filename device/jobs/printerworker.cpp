#include "device/jobs/printerworker.h"

#include "device/link/printersession.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <deque>

namespace jobs {

// Jobs waiting for a worker, shared by the workers of one printer or one pool.
class JobQueue
{
public:
    void push(Job *job)
    {
        const QMutexLocker lock(&m_mutex);
        m_waiting.push_back(job);
    }
    bool empty()
    {
        const QMutexLocker lock(&m_mutex);
        return m_waiting.empty();
    }
    Job *take()
    {
        const QMutexLocker lock(&m_mutex);
        if (m_waiting.empty())
            return nullptr;
        Job *job = m_waiting.front();
        m_waiting.pop_front();
        return job;
    }
    // A job that will not be run: cancelled and finished by its owner.
    bool remove(Job *job)
    {
        const QMutexLocker lock(&m_mutex);
        const auto it = std::find(m_waiting.begin(), m_waiting.end(), job);
        if (it == m_waiting.end())
            return false;
        m_waiting.erase(it);
        return true;
    }

private:
    QMutex m_mutex;
    std::deque<Job *> m_waiting;
};

// The worker's side, living on its thread: runs queued jobs until none is left. A body
// waiting for a reply turns this thread's event loop, which may deliver another kick; it
// is ignored, so jobs never nest.
class Worker : public QObject
{
public:
    Worker(JobQueue &queue, PrinterSession &session, bool closeAfterEach)
        : m_queue(queue), m_session(session), m_closeAfterEach(closeAfterEach)
    {
    }

    // A pool wakes a worker only once while it sleeps: a round of a thousand polls posts
    // a wake-up per job to a sleeping worker, not one to every worker per job.
    bool wake() { return m_asleep.exchange(false); }

    void kick()
    {
        if (m_running)
            return;
        m_running = true;
        do {
            runQueued();
            m_asleep = true;
            // A job pushed before we said so finds no one woken for it: take it ourselves,
            // unless a wake-up is already on its way.
        } while (!m_queue.empty() && wake());
        m_running = false;
    }

private:
    void runQueued()
    {
        while (Job *job = m_queue.take()) {
            // One cancelled while it waited never says it started: nothing was sent.
            if (job->cancelRequested()) {
                const ops::Outcome outcome = notStarted(job->title());
                QMetaObject::invokeMethod(
                    job, [job, outcome] { job->markFinished(outcome); }, Qt::QueuedConnection);
                continue;
            }
            QMetaObject::invokeMethod(
                job, [job] { job->markStarted(); }, Qt::QueuedConnection);
            const ops::Outcome outcome = job->run(m_session);
            if (m_closeAfterEach) {
                m_session.close();
                m_session.setDeadline(QDeadlineTimer(QDeadlineTimer::Forever));
                m_session.setConfirming(false);
            }
            QMetaObject::invokeMethod(
                job, [job, outcome] { job->markFinished(outcome); }, Qt::QueuedConnection);
        }
    }

    JobQueue &m_queue;
    PrinterSession &m_session;
    bool m_closeAfterEach;
    bool m_running = false;
    std::atomic<bool> m_asleep{true};
};

namespace {

// Keeps `job` among the unfinished ones of `owner` (a worker or a pool) until it has said
// finished: the owner's busy state follows, and the job is deleted then.
template <typename Owner>
void track(Owner *owner, std::vector<Job *> &unfinished, int &count, Job *job)
{
    unfinished.push_back(job);
    if (count++ == 0)
        emit owner->busyChanged(true);
    QObject::connect(job, &Job::finished, owner, [owner, &unfinished, &count, job] {
        unfinished.erase(std::remove(unfinished.begin(), unfinished.end(), job), unfinished.end());
        emit owner->jobFinished(job);
        job->deleteLater();
        if (--count == 0)
            emit owner->busyChanged(false);
    });
}

} // namespace

void cancelJob(JobQueue &queue, Job *job)
{
    job->cancel();
    // One still waiting is finished here, so that its owner hears of it even when it is
    // going away.
    if (queue.remove(job))
        job->markFinished(notStarted(job->title()));
}

PrinterWorker::PrinterWorker(QObject *parent)
    : PrinterWorker(std::make_shared<JobQueue>(), false, parent)
{
}

PrinterWorker::PrinterWorker(std::shared_ptr<JobQueue> queue, bool pooled, QObject *parent)
    : QObject(parent), m_queue(std::move(queue)), m_session(std::make_unique<PrinterSession>()),
      m_thread(std::make_unique<QThread>())
{
    m_thread->setObjectName(QStringLiteral("printer worker"));
    // A pool's worker serves another printer with each job; a printer's own keeps its link.
    m_worker = new Worker(*m_queue, *m_session, pooled);
    m_session->moveToThread(m_thread.get());
    m_worker->moveToThread(m_thread.get());
    m_thread->start();
}

PrinterWorker::~PrinterWorker()
{
    cancelAll();
    m_thread->quit();
    m_thread->wait();
    // The thread has ended: its objects are touched by nobody else now.
    delete m_worker;
    m_session.reset();
}

Job *PrinterWorker::submit(const QString &title, Body body)
{
    auto *job = new Job(title, std::move(body), this);
    track(job);
    m_queue->push(job);
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->kick(); }, Qt::QueuedConnection);
    return job;
}

void PrinterWorker::track(Job *job)
{
    jobs::track(this, m_jobs, m_unfinished, job);
    connect(job, &Job::started, this, [this, job] { emit jobStarted(job); });
}

Job *PrinterWorker::currentJob() const
{
    for (Job *job : m_jobs) {
        if (job->state() == Job::State::Running)
            return job;
    }
    return m_jobs.empty() ? nullptr : m_jobs.front();
}

void PrinterWorker::cancelAll()
{
    const std::vector<Job *> jobs = m_jobs;
    for (Job *job : jobs)
        cancelJob(*m_queue, job);
}

WorkerPool::WorkerPool(int size, QObject *parent)
    : QObject(parent), m_size(std::max(1, size)), m_queue(std::make_shared<JobQueue>())
{
}

WorkerPool::~WorkerPool()
{
    cancelAll();
    m_workers.clear();
}

Job *WorkerPool::submit(const QString &title, Body body)
{
    auto *job = new Job(title, std::move(body), this);
    track(this, m_jobs, m_unfinished, job);
    m_queue->push(job);
    // Workers are started as work comes, up to the bound.
    if (int(m_workers.size()) < std::min(m_size, m_unfinished))
        m_workers.emplace_back(new PrinterWorker(m_queue, true, nullptr));
    for (const auto &worker : m_workers) {
        if (worker->m_worker->wake())
            QMetaObject::invokeMethod(
                worker->m_worker, [w = worker->m_worker] { w->kick(); }, Qt::QueuedConnection);
    }
    return job;
}

void WorkerPool::cancelAll()
{
    const std::vector<Job *> jobs = m_jobs;
    for (Job *job : jobs)
        cancel(job);
}

void WorkerPool::cancel(Job *job)
{
    if (std::find(m_jobs.begin(), m_jobs.end(), job) == m_jobs.end())
        return;
    cancelJob(*m_queue, job);
}

void WorkerPool::retire()
{
    cancelAll();
    setParent(nullptr);
    if (!busy()) {
        delete this;
        return;
    }
    // The workers are waited for only once they are idle, which takes no time then.
    connect(this, &WorkerPool::busyChanged, this, [this](bool busy) {
        if (!busy)
            deleteLater();
    });
}

} // namespace jobs
