#pragma once

#include "device/fleet/device.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

namespace fleet {

// One exchange at a time per printer, across the poller and every operation: each
// conversation holds its printer's key here while it runs.
class Gate
{
public:
    bool tryTake(const QString &key);
    void take(const QString &key); // waits while another conversation has it
    void give(const QString &key);

private:
    QMutex m_mutex;
    QSet<QString> m_taken;
};

// Polls a list of printers in the background at an interval: a bounded pool of worker
// threads, never the owner's thread; a printer whose last poll still runs, or that
// is excluded (open elsewhere, or busy with an operation), is left out of a round.
class Poller : public QObject
{
    Q_OBJECT

public:
    Poller(Device &device, Gate &gate, int threads = 8, QObject *parent = nullptr);
    ~Poller() override; // waits for the polls that run

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
    // Waits until no poll runs (tests, benchmarks and one-shot commands).
    void waitForRound();

signals:
    void polled(const fleet::Address &address, const fleet::Reading &reading);
    // Every printer of a round has answered or failed; how long the round took.
    void roundFinished(double seconds);

private:
    void finished(const Address &address, const Reading &reading);

    Device &m_device;
    Gate &m_gate;
    QThreadPool m_pool;
    QTimer m_timer;
    QList<Address> m_addresses;
    QSet<QString> m_inFlight;
    QSet<QString> m_excluded;
    QSet<QString> m_identified; // printers whose identity is known
    qint64 m_roundStarted = 0;
    int m_timeLimitMs = 0;
};

} // namespace fleet
