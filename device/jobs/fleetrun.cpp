#include "device/jobs/fleetrun.h"

#include "device/jobs/claims.h"
#include "device/jobs/printerworker.h"

#include <QCoreApplication>

namespace jobs {

FleetRun::FleetRun(WorkerPool &pool, const QStringList &keys, PrinterBody body, QObject *parent)
    : QObject(parent), m_pool(&pool), m_keys(keys), m_body(std::move(body)), m_limit(pool.size()),
      m_states(keys.size(), State::Waiting), m_reasons(keys.size(), StopReason::None),
      m_outcomes(size_t(keys.size())),
      m_records(std::make_shared<std::vector<QVariant>>(size_t(keys.size()))),
      m_jobs(size_t(keys.size()))
{
}

FleetRun::~FleetRun()
{
    // Nothing more is begun, whatever a claim given back below says.
    m_cancelled = true;
    m_finished = true;
    for (const QPointer<Job> &job : m_jobs) {
        if (!job || !m_pool)
            continue;
        disconnect(job, nullptr, this, nullptr);
        m_pool->cancel(job);
    }
    // Claims held for printers still in flight go back: their jobs stop at once.
    for (int i = 0; i < m_keys.size(); ++i) {
        if (m_states.at(i) == State::Running && m_claims)
            m_claims->give(m_keys.at(i));
    }
}

QString FleetRun::progressText(int done, int total)
{
    return QCoreApplication::translate("FleetRun", "%1/%2 台打印机").arg(done).arg(total);
}

void FleetRun::setStages(int canary, int maxFailures)
{
    m_canary = qBound(0, canary, int(m_keys.size()));
    m_maxFailures = qMax(0, maxFailures);
}

FleetRun::Stage FleetRun::stage(int index) const
{
    if (m_canary == 0)
        return Stage::None;
    return index < m_canary ? Stage::Canary : Stage::Rest;
}

QString FleetRun::stageName(Stage stage)
{
    switch (stage) {
    case Stage::Canary:
        return QStringLiteral("canary");
    case Stage::Rest:
        return QStringLiteral("rest");
    case Stage::None:
        break;
    }
    return QString();
}

QString FleetRun::reasonText(StopReason reason)
{
    switch (reason) {
    case StopReason::Cancelled:
        return QStringLiteral("cancelled");
    case StopReason::CanaryFailed:
        return QStringLiteral("canary failed");
    case StopReason::FailureLimit:
        return QStringLiteral("failure limit reached");
    case StopReason::None:
        break;
    }
    return QString();
}

void FleetRun::start()
{
    if (m_started)
        return;
    m_started = true;
    if (m_claims)
        connect(m_claims, &Claims::given, this, &FleetRun::startMore);
    emit progressed(0, total());
    startMore();
}

void FleetRun::cancel()
{
    if (!m_started || m_finished)
        return;
    cancelNotBegun();
    for (const QPointer<Job> &job : m_jobs) {
        if (job && m_pool)
            m_pool->cancel(job); // a queued one comes back at once, not started
    }
    finishIfOver();
}

void FleetRun::cancelNotBegun()
{
    if (!m_started || m_finished || m_cancelled)
        return;
    m_cancelled = true;
    stopBeginning(StopReason::Cancelled);
    finishIfOver();
}

void FleetRun::stopBeginning(StopReason reason)
{
    m_stopped = true;
    for (int i = 0; i < m_keys.size(); ++i) {
        if (m_states.at(i) == State::Waiting) {
            m_states[i] = State::NotAttempted;
            m_reasons[i] = reason;
            m_outcomes[size_t(i)] = notStarted(m_keys.at(i));
            emit printerFinished(i);
        }
    }
}

bool FleetRun::canaryPassed() const
{
    for (int i = 0; i < m_canary; ++i) {
        if (m_states.at(i) != State::Done || !m_outcomes.at(size_t(i)).ok())
            return false;
    }
    return true;
}

FleetRun::StopReason FleetRun::judgeStages(int index)
{
    if (m_stopped || m_finished)
        return StopReason::None;
    const bool failed = m_states.at(index) == State::Done && !m_outcomes.at(size_t(index)).ok();
    if (failed)
        ++m_failed;
    StopReason stop = StopReason::None;
    if (m_maxFailures > 0 && m_failed >= m_maxFailures) {
        stop = StopReason::FailureLimit;
    } else if (index < m_canary) {
        // Without a limit the first canary failure stops; with one the other canary
        // printers go on, and the rest wait for all of them.
        bool canaryOver = true;
        for (int i = 0; i < m_canary; ++i)
            canaryOver =
                canaryOver && m_states.at(i) != State::Waiting && m_states.at(i) != State::Running;
        if ((failed && m_maxFailures == 0) || (canaryOver && !canaryPassed()))
            stop = StopReason::CanaryFailed;
    }
    if (stop != StopReason::None)
        m_stopped = true; // a claim given back begins nothing more
    return stop;
}

void FleetRun::startMore()
{
    if (m_cancelled || m_stopped || m_finished)
        return;
    // The rest wait until the canary printers have all ended well.
    const int begun = m_canary > 0 && !canaryPassed() ? m_canary : int(m_keys.size());
    for (int i = 0; i < begun && m_inFlight < m_limit; ++i) {
        if (m_states.at(i) != State::Waiting)
            continue;
        const bool serial = m_oneAtATime.value(i, false);
        if (serial && m_oneAtATimeInFlight > 0)
            continue;
        if (m_claims && !m_claims->tryTake(m_keys.at(i)))
            continue; // begun once it is given back
        launch(i);
    }
    finishIfOver();
}

void FleetRun::launch(int index)
{
    m_states[index] = State::Running;
    ++m_inFlight;
    if (m_oneAtATime.value(index, false))
        ++m_oneAtATimeInFlight;
    if (!m_pool) {
        ended(index, notStarted(m_keys.at(index)), false);
        return;
    }
    const PrinterBody body = m_body;
    const std::shared_ptr<std::vector<QVariant>> records = m_records;
    Job *job = m_pool->submit(m_keys.at(index), [body, records, index](Context &context) {
        return body(index, context, &(*records)[size_t(index)]);
    });
    m_jobs[size_t(index)] = job;
    auto started = std::make_shared<bool>(false);
    connect(job, &Job::started, this, [this, index, started] {
        *started = true;
        emit printerStarted(index);
    });
    connect(job, &Job::progressed, this, [this, index](int done, int total, const QString &text) {
        emit printerProgressed(index, done, total, text);
    });
    connect(job, &Job::finished, this, [this, index, started](const ops::Outcome &outcome) {
        ended(index, outcome, *started);
    });
}

void FleetRun::ended(int index, const ops::Outcome &outcome, bool started)
{
    m_jobs[size_t(index)] = nullptr;
    --m_inFlight;
    if (m_oneAtATime.value(index, false))
        --m_oneAtATimeInFlight;
    m_outcomes[size_t(index)] = outcome;
    if (!started) {
        m_states[index] = State::NotAttempted;
        m_reasons[index] = StopReason::Cancelled;
    } else {
        m_states[index] = m_cancelled && outcome.code == ops::Code::Interrupted ? State::Interrupted
                                                                                : State::Done;
        ++m_done;
    }
    // Judged before the claim goes back, which may begin the next printer.
    const StopReason stop = started ? judgeStages(index) : StopReason::None;
    if (m_claims)
        m_claims->give(m_keys.at(index));
    emit printerFinished(index);
    if (started)
        emit progressed(m_done, total());
    if (stop != StopReason::None)
        stopBeginning(stop);
    startMore();
    finishIfOver();
}

void FleetRun::finishIfOver()
{
    if (m_finished || m_inFlight > 0)
        return;
    if (!m_cancelled && m_states.contains(State::Waiting))
        return;
    m_finished = true;
    emit finished();
}

} // namespace jobs
