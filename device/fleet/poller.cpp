#include "device/fleet/poller.h"

#include <QDateTime>
#include <QEventLoop>
#include <QPointer>

namespace fleet {

bool Gate::tryTake(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    if (m_taken.contains(key))
        return false;
    m_taken.insert(key);
    return true;
}

void Gate::take(const QString &key)
{
    while (!tryTake(key))
        QThread::msleep(20);
}

void Gate::give(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    m_taken.remove(key);
}

Poller::Poller(Device &device, Gate &gate, int threads, QObject *parent)
    : QObject(parent), m_device(device), m_gate(gate)
{
    qRegisterMetaType<fleet::Address>();
    qRegisterMetaType<fleet::Reading>();
    m_pool.setMaxThreadCount(qMax(1, threads));
    m_timer.setInterval(10000);
    connect(&m_timer, &QTimer::timeout, this, &Poller::pollNow);
}

Poller::~Poller()
{
    m_timer.stop();
    m_pool.waitForDone();
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
    QPointer<Poller> self(this);
    for (const Address &address : qAsConst(m_addresses)) {
        const QString key = address.key();
        if (m_inFlight.contains(key) || m_excluded.contains(key))
            continue;
        m_inFlight.insert(key);
        const bool identify = !m_identified.contains(key);
        Device &device = m_device;
        Gate &gate = m_gate;
        const int limitMs = m_timeLimitMs;
        m_pool.start([self, address, key, identify, limitMs, &device, &gate] {
            Reading reading;
            // A printer busy with an operation is skipped, not waited for.
            if (gate.tryTake(key)) {
                reading = device.read(address, identify,
                                      limitMs > 0 ? QDeadlineTimer(limitMs)
                                                  : QDeadlineTimer(QDeadlineTimer::Forever));
                gate.give(key);
            }
            QMetaObject::invokeMethod(
                self,
                [self, address, reading] {
                    if (self)
                        self->finished(address, reading);
                },
                Qt::QueuedConnection);
        });
    }
}

void Poller::finished(const Address &address, const Reading &reading)
{
    const QString key = address.key();
    m_inFlight.remove(key);
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

void Poller::waitForRound()
{
    if (m_inFlight.isEmpty())
        return;
    QEventLoop loop;
    const QMetaObject::Connection c =
        connect(this, &Poller::roundFinished, &loop, &QEventLoop::quit);
    loop.exec();
    disconnect(c);
}

} // namespace fleet
