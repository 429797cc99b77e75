#pragma once

#include "device/fleet/device.h"
#include "device/jobs/claims.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <memory>

namespace jobs {
class Job;
class WorkerPool;
} // namespace jobs

namespace fleet {

// One conversation at a time per printer, across the poller and every operation.
using Gate = jobs::Claims;

// Polls a list of printers in the background at an interval: one job per printer on a
// worker pool, never the owner's thread; a printer whose last poll still runs, or that
// is excluded (open elsewhere, or held by an operation), is left out of a round.
class Poller : public QObject
{
    Q_OBJECT

public:
    // The pool and the gate must outlive the poller; the device is kept by the polls in
    // flight.
    Poller(std::shared_ptr<Device> device, Gate &gate, jobs::WorkerPool &pool,
           QObject *parent = nullptr);
    ~Poller() override; // cancels the polls in flight; waits for none

    void setAddresses(const QList<Address> &addresses);
    QList<Address> addresses() const { return m_addresses; }
    void setIntervalMs(int ms);
    int intervalMs() const { return m_timer.interval(); }
    // The longest one printer's poll may take; 0 (the default): the exchanges' own limits.
    void setTimeLimitMs(int ms) { m_timeLimitMs = ms; }
    void start(); // a round now, then one every interval
    void stop();
    void pollNow();
    void setExcluded(const QString &key, bool excluded);
    bool excluded(const QString &key) const { return m_excluded.contains(key); }
    int inFlight() const { return m_inFlight.size(); }

signals:
    void polled(const fleet::Address &address, const fleet::Reading &reading);
    // Every printer of a round has answered or failed; how long the round took.
    void roundFinished(double seconds);

private:
    void finished(const Address &address, const Reading &reading);

    std::shared_ptr<Device> m_device;
    Gate &m_gate;
    jobs::WorkerPool &m_pool;
    QTimer m_timer;
    QList<Address> m_addresses;
    QSet<QString> m_inFlight;
    QHash<QString, QPointer<jobs::Job>> m_jobs; // the polls in flight
    QSet<QString> m_excluded;
    QSet<QString> m_identified; // printers whose identity is known
    qint64 m_roundStarted = 0;
    int m_timeLimitMs = 0;
};

} // namespace fleet
