#include "device/fleet/poller.h"

#include "device/jobs/printerworker.h"

#include <QDateTime>
#include <QPointer>

namespace fleet {

Poller::Poller(std::shared_ptr<Device> device, Gate &gate, jobs::WorkerPool &pool, QObject *parent)
    : QObject(parent), m_device(std::move(device)), m_gate(gate), m_pool(pool)
{
    qRegisterMetaType<fleet::Address>();
    qRegisterMetaType<fleet::Reading>();
    m_timer.setInterval(10000);
    connect(&m_timer, &QTimer::timeout, this, &Poller::pollNow);
}

Poller::~Poller()
{
    m_timer.stop();
    // The polls in flight stop at their next frame boundary and say nothing more.
    const QList<QPointer<jobs::Job>> polls = m_jobs.values();
    m_jobs.clear();
    for (const QPointer<jobs::Job> &job : polls) {
        if (!job)
            continue;
        disconnect(job, nullptr, this, nullptr);
        m_pool.cancel(job);
    }
    for (const QString &key : qAsConst(m_inFlight))
        m_gate.give(key);
}

void Poller::setAddresses(const QList<Address> &addresses)
{
    m_addresses = addresses;
}

void Poller::setIntervalMs(int ms)
{
    m_timer.setInterval(qMax(100, ms));
}

void Poller::start()
{
    m_timer.start();
    pollNow();
}

void Poller::stop()
{
    m_timer.stop();
}

void Poller::setExcluded(const QString &key, bool excluded)
{
    if (excluded)
        m_excluded.insert(key);
    else
        m_excluded.remove(key);
}

void Poller::pollNow()
{
    if (m_inFlight.isEmpty())
        m_roundStarted = QDateTime::currentMSecsSinceEpoch();
    for (const Address &address : qAsConst(m_addresses)) {
        const QString key = address.key();
        if (m_inFlight.contains(key) || m_excluded.contains(key))
            continue;
        // A printer busy with an operation is skipped, not waited for.
        if (!m_gate.tryTake(key))
            continue;
        m_inFlight.insert(key);
        const bool identify = !m_identified.contains(key);
        const std::shared_ptr<Device> device = m_device;
        const int limitMs = m_timeLimitMs;
        auto reading = std::make_shared<Reading>();
        jobs::Job *job = m_pool.submit(
            key, [device, address, identify, limitMs, reading](jobs::Context &context) {
                *reading = device->read(context.session(), address, identify,
                                        limitMs > 0 ? QDeadlineTimer(limitMs)
                                                    : QDeadlineTimer(QDeadlineTimer::Forever));
                ops::Outcome outcome;
                outcome.result = reading->result;
                return outcome;
            });
        m_jobs.insert(key, job);
        connect(job, &jobs::Job::finished, this,
                [this, address, reading] { finished(address, *reading); });
    }
    if (m_inFlight.isEmpty())
        emit roundFinished(0);
}

void Poller::finished(const Address &address, const Reading &reading)
{
    const QString key = address.key();
    m_inFlight.remove(key);
    m_jobs.remove(key);
    m_gate.give(key);
    if (reading.at.isValid()) {
        if (reading.identified) {
            m_identified.insert(key);
        } else if (!reading.reached) {
            m_identified.remove(key); // it may come back as another printer
        }
        emit polled(address, reading);
    }
    if (m_inFlight.isEmpty())
        emit roundFinished(double(QDateTime::currentMSecsSinceEpoch() - m_roundStarted) / 1000.0);
}

} // namespace fleet
