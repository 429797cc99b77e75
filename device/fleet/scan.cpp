#include "device/fleet/scan.h"

#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"
#include "platform/portscan.h"

#include <QRegularExpression>

namespace fleet::scan {

namespace {

constexpr quint32 kMaxHosts = 65536;

bool ipv4(const QString &text, quint32 *value)
{
    QHostAddress a;
    if (!a.setAddress(text.trimmed()) || a.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    *value = a.toIPv4Address();
    return true;
}

} // namespace

bool parseRange(const QString &text, QList<QHostAddress> *hosts, QString *error)
{
    const QString t = text.trimmed();
    quint32 first = 0;
    quint32 last = 0;
    static const QRegularExpression dash(QStringLiteral("^([0-9.]+)-([0-9.]+)$"));
    const QRegularExpressionMatch range = dash.match(t);
    if (t.contains(QLatin1Char('/'))) {
        bool ok = false;
        const int bits = t.section(QLatin1Char('/'), 1).toInt(&ok);
        if (!ipv4(t.section(QLatin1Char('/'), 0, 0), &first) || !ok || bits < 0 || bits > 32) {
            *error = QStringLiteral("not an IPv4 network: %1").arg(t);
            return false;
        }
        if (bits < 16) {
            *error = QStringLiteral("the range is too large (at most /16): %1").arg(t);
            return false;
        }
        const quint32 mask = bits == 0 ? 0 : ~quint32(0) << (32 - bits);
        first &= mask;
        last = first | ~mask;
        if (bits < 31) { // the network and broadcast addresses are nobody's
            ++first;
            --last;
        }
    } else if (range.hasMatch()) {
        if (!ipv4(range.captured(1), &first)) {
            *error = QStringLiteral("not an IPv4 address: %1").arg(range.captured(1));
            return false;
        }
        const QString end = range.captured(2);
        bool ok = false;
        const uint lastByte = end.toUInt(&ok);
        if (ok && !end.contains(QLatin1Char('.')) && lastByte <= 255)
            last = (first & 0xFFFFFF00u) | lastByte;
        else if (!ipv4(end, &last)) {
            *error = QStringLiteral("not an IPv4 address: %1").arg(end);
            return false;
        }
    } else if (ipv4(t, &first)) {
        last = first;
    } else {
        *error = QStringLiteral("not an address range: %1 (a.b.c.d/n or a.b.c.d-e)").arg(t);
        return false;
    }
    if (last < first || last - first >= kMaxHosts) {
        *error = QStringLiteral("the range is empty or larger than %1 addresses: %2")
                     .arg(kMaxHosts)
                     .arg(t);
        return false;
    }
    hosts->clear();
    for (quint64 a = first; a <= last; ++a) {
        const quint32 v = quint32(a);
        // Multicast, broadcast and "this network" are never connected to.
        if ((v >> 28) == 0xE || v == 0xFFFFFFFFu || (v >> 24) == 0)
            continue;
        hosts->append(QHostAddress(v));
    }
    return true;
}

QList<QHostAddress> accepting(const QList<QHostAddress> &hosts, const Options &options,
                              const std::atomic<bool> *stop)
{
    return platform::acceptingHosts(hosts, options.port, options.sockets,
                                    options.connectDeadlineMs, stop);
}

Scan::Scan(jobs::WorkerPool &pool, std::shared_ptr<Device> device,
           const QList<QHostAddress> &hosts, const Options &options, QObject *parent)
    : QObject(parent), m_pool(pool), m_device(std::move(device)), m_hosts(hosts),
      m_options(options)
{
}

Scan::~Scan()
{
    if (m_connects)
        m_pool.cancel(m_connects);
}

void Scan::start()
{
    auto open = std::make_shared<QList<QHostAddress>>();
    const QList<QHostAddress> hosts = m_hosts;
    const Options options = m_options;
    m_connects = m_pool.submit(QStringLiteral("scan"), [open, hosts, options](jobs::Context &c) {
        *open = accepting(hosts, options, &c.stopFlag());
        return ops::Outcome();
    });
    connect(m_connects, &jobs::Job::finished, this, [this, open] {
        if (m_cancelled)
            end();
        else
            identify(*open);
    });
}

void Scan::cancel()
{
    if (m_finished || m_cancelled)
        return;
    m_cancelled = true;
    if (m_connects)
        m_connects->cancel();
    if (m_run)
        m_run->cancel();
}

void Scan::identify(const QList<QHostAddress> &open)
{
    QStringList keys;
    QList<Address> addresses;
    for (const QHostAddress &host : open) {
        Address address;
        address.host = host.toString();
        address.port = m_options.port;
        addresses << address;
        keys << address.key();
    }
    const std::shared_ptr<Device> device = m_device;
    m_run = new jobs::FleetRun(
        m_pool, keys,
        [device, addresses](int index, jobs::Context &context, QVariant *record) {
            const Found found{addresses.at(index),
                              device->read(context.session(), addresses.at(index), true)};
            *record = QVariant::fromValue(found);
            return ops::Outcome();
        },
        this);
    m_run->setLimit(m_options.identifyJobs);
    connect(m_run, &jobs::FleetRun::progressed, this, &Scan::progressed);
    connect(m_run, &jobs::FleetRun::finished, this, &Scan::end);
    m_run->start();
}

void Scan::end()
{
    if (m_run) {
        for (int i = 0; i < m_run->total(); ++i) {
            const QVariant record = m_run->record(i);
            if (record.canConvert<Found>() && record.value<Found>().reading.identified)
                m_found.append(record.value<Found>());
        }
    }
    m_finished = true;
    emit finished();
}

} // namespace fleet::scan
