#include "platform/portscan.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <vector>

namespace platform {

namespace {

constexpr int kLookMs = 100; // how often the stop flag is looked at

// One batch, connecting at once; the calling thread's event loop tells which connected
// before the deadline. A blocking wait would not do: a wait that times out gives the
// connection up, and the sockets behind it would never be looked at.
void scanBatch(const QList<QHostAddress> &hosts, int start, int end, quint16 port, int deadlineMs,
               const std::atomic<bool> *stop, std::vector<char> *accepted)
{
    QEventLoop loop;
    int pending = end - start;
    std::vector<char> done(size_t(end - start), 0);
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    const auto finish = [&](int k) {
        if (done[size_t(k)])
            return;
        done[size_t(k)] = 1;
        if (--pending == 0)
            loop.quit();
    };
    for (int i = start; i < end; ++i) {
        const int k = i - start;
        sockets.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket *socket = sockets.back().get();
        QObject::connect(socket, &QTcpSocket::connected, &loop, [=, &finish] {
            (*accepted)[size_t(i)] = 1;
            finish(k);
        });
        QObject::connect(socket, &QTcpSocket::errorOccurred, &loop, [k, &finish] { finish(k); });
        socket->connectToHost(hosts.at(i), port);
    }
    QTimer::singleShot(deadlineMs, &loop, &QEventLoop::quit);
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (stop && *stop)
            loop.quit();
    });
    look.start(kLookMs);
    if (pending > 0)
        loop.exec();
    for (const auto &socket : sockets) {
        socket->disconnect(&loop);
        socket->abort();
    }
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
        scanBatch(hosts, start, qMin(hosts.size(), start + batch), port, deadlineMs, stop,
                  &accepted);
    }
    QList<QHostAddress> out;
    for (int i = 0; i < hosts.size(); ++i) {
        if (accepted[size_t(i)])
            out.append(hosts.at(i));
    }
    return out;
}

} // namespace platform
