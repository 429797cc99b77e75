#include "device/jobs/job.h"

#include "device/link/pause.h"
#include "device/link/printersession.h"
#include "device/operations/sentences.h"

#include <QMetaObject>
#include <QPointer>
#include <QThread>

namespace jobs {

Context::Context(PrinterSession &session, const std::atomic<bool> &stop,
                 std::function<void(const Progress &)> report)
    : m_session(session), m_stop(stop), m_report(std::move(report))
{
}

void Context::progress(int done, int total, const QString &text) const
{
    if (m_report)
        m_report(Progress{done, total, text});
}

bool Context::pause(int ms, QDeadlineTimer notPast) const
{
    qint64 wait = qMax(0, ms);
    if (!notPast.isForever())
        wait = qMin(wait, qMax<qint64>(0, notPast.remainingTime()));
    return ops::pauseUnless(ulong(wait), [this] { return m_stop.load(); });
}

Job::Job(const QString &title, Body body, QObject *parent)
    : QObject(parent), m_title(title), m_body(std::move(body))
{
    static const int registered = qRegisterMetaType<ops::Outcome>();
    Q_UNUSED(registered)
}

Job::~Job() = default;

void Job::cancel()
{
    m_stop.store(true);
}

ops::Outcome Job::run(PrinterSession &session)
{
    if (m_stop.load())
        return notStarted(m_title);
    QPointer<Job> self(this);
    // Progress is posted to the job's thread; a job gone meanwhile is told nothing.
    const auto report = [self](const Progress &progress) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, progress] {
                if (self)
                    self->markProgress(progress);
            },
            Qt::QueuedConnection);
    };
    Context context(session, m_stop, report);
    session.setStopFlag(&m_stop);
    ops::Outcome outcome = m_body(context);
    session.setStopFlag(nullptr);
    // A body that ended on the refusal a cancel causes was interrupted, whatever it says.
    if (m_stop.load() && outcome.result == RESULT_CANCELLED)
        outcome.code = ops::Code::Interrupted;
    return outcome;
}

void Job::markStarted()
{
    m_state = State::Running;
    emit started();
}

void Job::markProgress(const Progress &progress)
{
    if (m_state == State::Finished)
        return;
    m_progress = progress;
    emit progressed(progress.done, progress.total, progress.text);
}

void Job::markFinished(const ops::Outcome &outcome)
{
    m_state = State::Finished;
    m_outcome = outcome;
    emit finished(m_outcome);
}

ops::Outcome notStarted(const QString &title)
{
    ops::Outcome outcome;
    outcome.code = ops::Code::Interrupted;
    outcome.result = RESULT_CANCELLED;
    outcome.step = title;
    outcome.sentence = Operations::tr("已取消：%1 尚未开始，什么也没有发送").arg(title);
    return outcome;
}

} // namespace jobs
