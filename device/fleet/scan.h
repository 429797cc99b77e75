#pragma once

#include "core/protocol/ports.h"
#include "device/fleet/device.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>

namespace jobs {
class FleetRun;
class Job;
class WorkerPool;
} // namespace jobs

// Finding printers in an address range without broadcast: a TCP connect to every
// address in parallel with a short deadline, then the identity query to those that
// accepted.
namespace fleet::scan {

// The host addresses of "a.b.c.d/n" (n from 16 to 32; the network and broadcast
// addresses of n < 31 left out), "a.b.c.d-e" or "a.b.c.d-a.b.c.e" (at most 65536), or
// one address. False with the reason for anything else, IPv6 included.
bool parseRange(const QString &text, QList<QHostAddress> *hosts, QString *error);

struct Options
{
    quint16 port = ports::kCommand;
    int connectDeadlineMs = 500; // how long a connect may take
    int sockets = 256;           // connects in flight at once
    int identifyJobs = 16;       // identity queries in parallel
};

// The addresses that accepted a TCP connection on `port`, in the order given.
// `stop`, when set, ends the scan early.
QList<QHostAddress> accepting(const QList<QHostAddress> &hosts, const Options &options,
                              const std::atomic<bool> *stop = nullptr);

struct Found
{
    Address address;
    Reading reading;
};

// accepting() in one job, then a poll with identity of each in a job per address (up to
// identifyJobs at once); found() gives the printers that named a model, in address
// order. A cancel ends the connects early or begins no further poll.
class Scan : public QObject
{
    Q_OBJECT

public:
    Scan(jobs::WorkerPool &pool, std::shared_ptr<Device> device, const QList<QHostAddress> &hosts,
         const Options &options, QObject *parent = nullptr);
    ~Scan() override;

    void start();
    void cancel();
    bool isFinished() const { return m_finished; }
    bool isCancelled() const { return m_cancelled; }
    // Valid once finished.
    QList<Found> found() const { return m_found; }

signals:
    // The polls: from none of those that accepted to all of them.
    void progressed(int done, int total);
    void finished();

private:
    void identify(const QList<QHostAddress> &open);
    void end();

    jobs::WorkerPool &m_pool;
    std::shared_ptr<Device> m_device;
    QList<QHostAddress> m_hosts;
    Options m_options;
    QPointer<jobs::Job> m_connects;
    jobs::FleetRun *m_run = nullptr;
    QList<Found> m_found;
    bool m_cancelled = false;
    bool m_finished = false;
};

} // namespace fleet::scan

Q_DECLARE_METATYPE(fleet::scan::Found)
