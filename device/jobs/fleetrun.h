#pragma once

#include "device/jobs/claims.h"
#include "device/jobs/job.h"
#include "device/jobs/printerworker.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace jobs {

// One piece of work for each printer of a list, on a worker pool: the window, the command
// line and the exporter start it, watch it and may cancel it the same way. At most
// limit() printers are in flight; a printer claimed elsewhere is begun once it is given
// back. A cancel begins no further printer and stops those in flight at their next frame
// boundary; every printer then says what became of it (done, interrupted, not attempted).
// In stages (setStages()) the first printers go alone until each has succeeded, and a
// number of failures begins no further printer.
class FleetRun : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Waiting,
        Running,
        Done,         // its body ended by itself (well or not)
        Interrupted,  // the cancel stopped it in flight
        NotAttempted, // the cancel came before its turn: nothing was sent to it
    };

    // Which part of a staged run a printer belongs to; None without a canary.
    enum class Stage
    {
        None,
        Canary,
        Rest,
    };
    // Why a printer was not attempted.
    enum class StopReason
    {
        None,
        Cancelled,
        CanaryFailed, // a canary printer failed: the rest are left alone
        FailureLimit, // as many printers failed as allowed
    };

    // Runs on a worker for printer `index`; what it keeps in `record` the owner reads
    // with record() once printerFinished(index) was said.
    using PrinterBody = std::function<ops::Outcome(int index, Context &context, QVariant *record)>;

    // `keys` name the printers (claims, job titles). The pool must outlive the run's jobs.
    FleetRun(WorkerPool &pool, const QStringList &keys, PrinterBody body,
             QObject *parent = nullptr);
    ~FleetRun() override; // cancels what is still in flight; waits for nothing

    void setLimit(int printers) { m_limit = qMax(1, printers); }
    int limit() const { return m_limit; }
    void setClaims(Claims *claims) { m_claims = claims; }
    // Printers marked so go one after another (USB printers share the bus).
    void setOneAtATime(const QVector<bool> &oneAtATime) { m_oneAtATime = oneAtATime; }

    // The first `canary` printers (in list order) go first, the rest only once every one
    // of them ended with an ok outcome; after `maxFailures` failed printers no further one
    // is begun. 0 turns either off. Without a limit, the first canary failure begins no
    // further printer. Before start().
    void setStages(int canary, int maxFailures);
    Stage stage(int index) const;
    StopReason stopReason(int index) const { return m_reasons.at(index); }
    // "canary", "rest"; empty for None.
    static QString stageName(Stage stage);
    // "canary failed", "failure limit reached", "cancelled"; empty for None.
    static QString reasonText(StopReason reason);

    void start();
    void cancel();
    // Begins no further printer and lets those in flight finish (a poll is one step).
    void cancelNotBegun();

    int total() const { return m_keys.size(); }
    // Printers that ended, well or not (the not attempted are not counted).
    int done() const { return m_done; }
    bool isFinished() const { return m_finished; }
    bool isCancelled() const { return m_cancelled; }
    int inFlight() const { return m_inFlight; }
    State state(int index) const { return m_states.at(index); }
    const ops::Outcome &outcome(int index) const { return m_outcomes.at(size_t(index)); }
    QVariant record(int index) const { return m_records->at(size_t(index)); }
    QString key(int index) const { return m_keys.at(index); }

    // "3/50 台打印机": how far a run is, the same words in every face.
    static QString progressText(int done, int total);

signals:
    void printerStarted(int index);
    // A printer's body reported how far it got.
    void printerProgressed(int index, int done, int total, const QString &text);
    void printerFinished(int index);
    void progressed(int done, int total);
    void finished();

private:
    void startMore();
    void launch(int index);
    void ended(int index, const ops::Outcome &outcome, bool started);
    void finishIfOver();
    // Marks every printer still waiting not attempted for `reason`; none is begun after.
    void stopBeginning(StopReason reason);
    // After a printer ended: the failure limit, or a canary that failed; None to go on.
    StopReason judgeStages(int index);
    // The rest may begin: every canary printer ended well.
    bool canaryPassed() const;

    QPointer<WorkerPool> m_pool;
    QStringList m_keys;
    PrinterBody m_body;
    QPointer<Claims> m_claims;
    QVector<bool> m_oneAtATime;
    int m_limit = 1;
    QVector<State> m_states;
    QVector<StopReason> m_reasons;
    int m_canary = 0;
    int m_maxFailures = 0;
    int m_failed = 0;
    bool m_stopped = false; // by a stage: nothing further is begun
    std::vector<ops::Outcome> m_outcomes;
    // Shared with the bodies, so a run deleted while they go leaves them somewhere to write.
    std::shared_ptr<std::vector<QVariant>> m_records;
    std::vector<QPointer<Job>> m_jobs;
    int m_inFlight = 0;
    int m_oneAtATimeInFlight = 0;
    int m_done = 0;
    bool m_started = false;
    bool m_cancelled = false;
    bool m_finished = false;
};

} // namespace jobs
