#include "device/fleet/scan.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
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

// A non-blocking connect; -1 when the socket could not even be made.
int startConnect(quint32 address, quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(address);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof(to)) == 0 ||
        errno == EINPROGRESS)
        return fd;
    ::close(fd);
    return -1;
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
    std::vector<char> accepted(size_t(hosts.size()), 0);
    const int batch = qBound(1, options.sockets, 1024);
    for (int start = 0; start < hosts.size(); start += batch) {
        if (stop && *stop)
            break;
        const int end = qMin(hosts.size(), start + batch);
        std::vector<pollfd> fds;
        std::vector<int> index;
        for (int i = start; i < end; ++i) {
            const int fd = startConnect(hosts.at(i).toIPv4Address(), options.port);
            if (fd < 0)
                continue;
            fds.push_back(pollfd{fd, POLLOUT, 0});
            index.push_back(i);
        }
        QDeadlineTimer deadline(options.connectDeadlineMs);
        size_t open = fds.size();
        while (open > 0 && !deadline.hasExpired() && !(stop && *stop)) {
            const int ready =
                ::poll(fds.data(), fds.size(), int(qMin<qint64>(deadline.remainingTime(), 100)));
            if (ready < 0 && errno != EINTR)
                break;
            for (size_t k = 0; k < fds.size(); ++k) {
                if (fds[k].fd < 0 || fds[k].revents == 0)
                    continue;
                int soError = 0;
                socklen_t length = sizeof(soError);
                ::getsockopt(fds[k].fd, SOL_SOCKET, SO_ERROR, &soError, &length);
                accepted[size_t(index[k])] = soError == 0 && (fds[k].revents & POLLOUT);
                ::close(fds[k].fd);
                fds[k].fd = -1; // poll() skips negative descriptors
                --open;
            }
        }
        for (pollfd &p : fds) {
            if (p.fd >= 0)
                ::close(p.fd);
        }
    }
    QList<QHostAddress> out;
    for (int i = 0; i < hosts.size(); ++i) {
        if (accepted[size_t(i)])
            out.append(hosts.at(i));
    }
    return out;
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
