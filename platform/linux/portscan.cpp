#include "platform/portscan.h"

#include <QDeadlineTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

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

QList<QHostAddress> acceptingHosts(const QList<QHostAddress> &hosts, quint16 port, int batch,
                                   int deadlineMs, const std::atomic<bool> *stop)
{
    std::vector<char> accepted(size_t(hosts.size()), 0);
    batch = qBound(1, batch, 1024);
    for (int start = 0; start < hosts.size(); start += batch) {
        if (stop && *stop)
            break;
        const int end = qMin(hosts.size(), start + batch);
        std::vector<pollfd> fds;
        std::vector<int> index;
        for (int i = start; i < end; ++i) {
            const int fd = startConnect(hosts.at(i).toIPv4Address(), port);
            if (fd < 0)
                continue;
            fds.push_back(pollfd{fd, POLLOUT, 0});
            index.push_back(i);
        }
        QDeadlineTimer deadline(deadlineMs);
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

} // namespace platform
