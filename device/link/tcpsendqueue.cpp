#include "device/link/tcpsendqueue.h"

#include <cerrno>
#include <sys/ioctl.h>
#include <sys/socket.h>

#if defined(Q_OS_LINUX)
#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#endif

namespace tcpsendqueue {

namespace {

// A pending error (a reset, a refused or unreachable peer) ends the connection.
bool hasSocketError(int fd)
{
    int error = 0;
    socklen_t length = sizeof(error);
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return true;
    // SO_ERROR clears what it reports; a reset also shows in the TCP state below.
    return error != 0;
}

} // namespace

State probe(qintptr descriptor, qint64 *queued)
{
    if (queued)
        *queued = 0;
    const int fd = int(descriptor);
    if (fd < 0 || hasSocketError(fd))
        return State::Broken;
#if defined(Q_OS_LINUX)
    tcp_info info{};
    socklen_t length = sizeof(info);
    if (::getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return State::Broken;
    // A reset connection is CLOSE, and its queue is emptied; CLOSE_WAIT (the peer closed
    // its side after taking what it wanted) may still have acknowledged everything.
    if (info.tcpi_state != TCP_ESTABLISHED && info.tcpi_state != TCP_CLOSE_WAIT)
        return State::Broken;
    int unacknowledged = 0;
    if (::ioctl(fd, SIOCOUTQ, &unacknowledged) != 0)
        return State::Broken;
#elif defined(Q_OS_MACOS)
    int unacknowledged = 0;
    socklen_t length = sizeof(unacknowledged);
    if (::getsockopt(fd, SOL_SOCKET, SO_NWRITE, &unacknowledged, &length) != 0)
        return State::Broken;
#else
    const int unacknowledged = 0;
#endif
    if (unacknowledged <= 0)
        return State::Acknowledged;
    if (queued)
        *queued = unacknowledged;
    return State::Pending;
}

bool bothOpen(qintptr descriptor)
{
    if (probe(descriptor) == State::Broken)
        return false;
#if defined(Q_OS_LINUX)
    tcp_info info{};
    socklen_t length = sizeof(info);
    return ::getsockopt(int(descriptor), IPPROTO_TCP, TCP_INFO, &info, &length) == 0 &&
           info.tcpi_state == TCP_ESTABLISHED;
#else
    return true;
#endif
}

} // namespace tcpsendqueue
