#include "device/fleet/scan.h"

#include "platform/portscan.h"

#include <QRegularExpression>
#include <vector>

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

QList<Found> run(Device &device, const QList<QHostAddress> &hosts, const Options &options,
                 const std::function<void(int, int)> &progress, const std::atomic<bool> *stop)
{
    const QList<QHostAddress> open = accepting(hosts, options, stop);
    std::vector<Found> found(size_t(open.size()));
    std::atomic<int> done{0};
    if (progress)
        progress(0, open.size());
    forEachParallel(open.size(), options.identifyJobs, [&](int i) {
        if (stop && *stop)
            return;
        Address address;
        address.host = open.at(i).toString();
        address.port = options.port;
        found[size_t(i)] = Found{address, device.read(address, true)};
        if (progress)
            progress(++done, open.size());
    });
    QList<Found> out;
    for (const Found &f : found) {
        if (f.reading.identified)
            out.append(f);
    }
    return out;
}

} // namespace fleet::scan
