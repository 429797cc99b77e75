#include "platform/portscan.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <memory>
#include <vector>

namespace platform {

namespace {

constexpr int kLookMs = 100; // how often a wait looks at the stop flag

} // namespace

// A batch of sockets connect at once; they are then waited for one after the other
// against one deadline, so a batch takes no longer than the deadline.
QList<QHostAddress> acceptingHosts(const QList<QHostAddress> &hosts, quint16 port, int batch,
                                   int deadlineMs, const std::atomic<bool> *stop)
{
    QList<QHostAddress> out;
    batch = qBound(1, batch, 1024);
    for (int start = 0; start < hosts.size(); start += batch) {
        if (stop && *stop)
            break;
        const int end = qMin(hosts.size(), start + batch);
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        for (int i = start; i < end; ++i) {
            sockets.push_back(std::make_unique<QTcpSocket>());
            sockets.back()->connectToHost(hosts.at(i), port);
        }
        QDeadlineTimer deadline(deadlineMs);
        for (int i = start; i < end; ++i) {
            QTcpSocket &socket = *sockets[size_t(i - start)];
            while (socket.state() != QAbstractSocket::ConnectedState &&
                   socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired() &&
                   !(stop && *stop))
                socket.waitForConnected(int(qMin<qint64>(deadline.remainingTime(), kLookMs)));
            if (socket.state() == QAbstractSocket::ConnectedState)
                out.append(hosts.at(i));
            socket.abort();
        }
    }
    return out;
}

} // namespace platform
