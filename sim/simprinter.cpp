#include "sim/simprinter.h"

#include "sim/framesplitter.h"
#include "sim/itemcatalog.h"

#include <QDebug>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {

const QByteArray &discoveryRequestTail()
{
    // Bytes 1-9 of a discovery request: identity query 1B FF FE 02 0C 00 1B FE FF.
    static const QByteArray t("\x1B\xFF\xFE\x02\x0C\x00\x1B\xFE\xFF", 9);
    return t;
}

QString hex(const QByteArray &b)
{
    return itemcatalog::toHex(b);
}

} // namespace

// One TCP connection: reads (perhaps slowly), feeds the model, sends the replies
// through a queue that applies the delay and segment faults.
class SimConnection : public QObject
{
public:
    SimConnection(SimPrinter *printer, QTcpSocket *socket, int id, QObject *parent)
        : QObject(parent), m_printer(printer), m_socket(socket), m_id(id)
    {
        m_socket->setParent(this);
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_sendTimer.setSingleShot(true);
        m_readTimer.setSingleShot(true);
        connect(&m_sendTimer, &QTimer::timeout, this, &SimConnection::pump);
        connect(&m_readTimer, &QTimer::timeout, this, [this] {
            m_readPaused = false;
            onReadyRead();
        });
        connect(m_socket, &QTcpSocket::readyRead, this, &SimConnection::onReadyRead);
        connect(m_socket, &QTcpSocket::disconnected, this, &SimConnection::onDisconnected);

        const PrinterFaults f = m_printer->m_model.faults();
        if (f.slowReadChunk > 0) {
            m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                                      qMax(f.slowReadChunk, 1024));
        }
        m_printer->log(QStringLiteral("[%1] connected from %2:%3")
                           .arg(m_id)
                           .arg(m_socket->peerAddress().toString())
                           .arg(m_socket->peerPort()));
        // Bytes may already be waiting.
        QTimer::singleShot(0, this, &SimConnection::onReadyRead);
    }

    ~SimConnection() override
    {
        m_socket->disconnect(this);
        finish();
        delete m_socket;
    }

    void shutdown()
    {
        if (m_closed)
            return;
        m_socket->disconnect(this);
        m_socket->abort();
        finish();
        deleteLater();
    }

private:
    struct Outgoing
    {
        int delayMs;
        QByteArray bytes;
    };

    void onReadyRead()
    {
        if (m_closed || m_readPaused)
            return;
        const PrinterFaults f = m_printer->m_model.faults();
        if (stopped(f)) {
            // Qt stops taking bytes from the kernel once its buffer holds one; the kernel's
            // window then fills as a hung printer's does.
            m_socket->setReadBufferSize(1);
            return;
        }
        QByteArray bytes;
        if (f.slowReadChunk > 0) {
            m_socket->setReadBufferSize(f.slowReadChunk);
            bytes = m_socket->read(f.slowReadChunk);
            if (!bytes.isEmpty() && f.slowReadPauseMs > 0) {
                m_readPaused = true;
                m_readTimer.start(f.slowReadPauseMs);
            } else if (m_socket->bytesAvailable() > 0) {
                QTimer::singleShot(0, this, &SimConnection::onReadyRead);
            }
        } else {
            m_socket->setReadBufferSize(0);
            bytes = m_socket->readAll();
        }
        take(bytes, f);
    }

    // The frame count at which the printer stops reading or is killed; -1: never.
    static int frameLimit(const PrinterFaults &f)
    {
        const int stop = f.stopReadingAfterFrames;
        const int close = f.closeAfterFrames;
        return stop < 0 ? close : close < 0 ? stop : qMin(stop, close);
    }
    bool stopped(const PrinterFaults &f) const
    {
        return f.stopReadingAfterFrames >= 0 &&
               m_printer->m_model.frameCount() >= f.stopReadingAfterFrames;
    }

    // Bytes up to the end of the frame that reaches the frame limit, fed one at a time:
    // the printer reads nothing past it. `reached` tells whether it was reached.
    FeedResult processUpToLimit(const QByteArray &bytes, int limit, bool *reached)
    {
        FeedResult all;
        *reached = m_printer->m_model.frameCount() >= limit;
        for (int i = 0; i < bytes.size() && !*reached; ++i) {
            const FeedResult r = m_printer->m_model.process(bytes.mid(i, 1), m_id);
            all.replies += r.replies;
            all.frames += r.frames;
            all.rawBytes += r.rawBytes;
            all.dropConnection = all.dropConnection || r.dropConnection;
            *reached = m_printer->m_model.frameCount() >= limit;
        }
        return all;
    }

    // Feeds bytes that arrived to the model and answers them.
    void take(QByteArray bytes, const PrinterFaults &f)
    {
        if (bytes.isEmpty())
            return;
        const int limit = frameLimit(f);
        if (limit >= 0) {
            takeUpToLimit(bytes, f, limit);
            return;
        }

        bool dropNow = false;
        if (f.dropAfterBytes >= 0 && m_received + bytes.size() >= f.dropAfterBytes) {
            bytes.truncate(int(qMax<qint64>(0, f.dropAfterBytes - m_received)));
            dropNow = true;
        }
        m_received += bytes.size();
        m_printer->m_bytesReceived += bytes.size();

        const FeedResult r = m_printer->m_model.process(bytes, m_id);
        if (m_printer->isVerbose()) {
            for (const ReceivedFrame &fr : r.frames) {
                m_printer->log(QStringLiteral("[%1] RX frame class %2 item %3 L %4: %5")
                                   .arg(m_id)
                                   .arg(fr.frameClass, 2, 16, QChar('0'))
                                   .arg(fr.item, 2, 16, QChar('0'))
                                   .arg(fr.data.size())
                                   .arg(hex(fr.data)));
            }
            if (r.rawBytes > 0) {
                m_printer->log(QStringLiteral("[%1] RX raw %2 bytes (raw total %3)")
                                   .arg(m_id)
                                   .arg(r.rawBytes)
                                   .arg(m_printer->m_model.rawByteCount()));
            }
        }
        if (dropNow) {
            m_printer->log(
                QStringLiteral("[%1] dropping after %2 bytes").arg(m_id).arg(m_received));
            shutdown();
            return;
        }
        // Bytes read after the peer closed get no answer.
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            return;
        for (const QByteArray &reply : r.replies)
            enqueue(reply, f);
        if (r.dropConnection) {
            m_closeWhenSent = true;
            m_closeDelayMs = m_printer->m_model.dropDelayMs();
        }
        pump();
    }

    void takeUpToLimit(const QByteArray &bytes, const PrinterFaults &f, int limit)
    {
        if (m_printer->m_model.frameCount() >= limit) {
            // A killed printer's connections are gone already; a stopped one reads no more.
            if (!stopped(f))
                kill();
            return;
        }
        bool reached = false;
        const FeedResult r = processUpToLimit(bytes, limit, &reached);
        m_received += bytes.size();
        m_printer->m_bytesReceived += bytes.size();
        if (m_printer->isVerbose() && reached)
            m_printer->log(QStringLiteral("[%1] frame limit %2 reached").arg(m_id).arg(limit));
        if (m_socket->state() == QAbstractSocket::ConnectedState) {
            for (const QByteArray &reply : r.replies)
                enqueue(reply, f);
            if (r.dropConnection && !reached) {
                m_closeWhenSent = true;
                m_closeDelayMs = m_printer->m_model.dropDelayMs();
            }
            pump();
        }
        if (reached && !stopped(f)) {
            m_socket->flush();
            kill();
        } else if (reached) {
            m_socket->setReadBufferSize(1);
        }
    }

    // The printer is killed: every connection closes and nobody listens any more.
    void kill();

    void enqueue(const QByteArray &reply, const PrinterFaults &f)
    {
        const int segments = qBound(1, f.replySegments, qMax(1, reply.size()));
        const int base = reply.size() / segments;
        int extra = reply.size() % segments;
        int pos = 0;
        for (int i = 0; i < segments; ++i) {
            const int len = base + (extra-- > 0 ? 1 : 0);
            m_queue.append({i == 0 ? f.replyDelayMs : f.segmentPauseMs, reply.mid(pos, len)});
            pos += len;
        }
    }

    void pump()
    {
        if (m_closed || m_sendTimer.isActive())
            return;
        while (!m_queue.isEmpty()) {
            if (const int d = m_queue.first().delayMs; d > 0) {
                m_queue.first().delayMs = 0;
                m_sendTimer.start(d);
                return;
            }
            // Off the queue before the write: a peer found gone closes this connection
            // inside flush(), and that empties the queue.
            const QByteArray bytes = m_queue.takeFirst().bytes;
            m_socket->write(bytes);
            m_socket->flush();
            if (m_closed)
                return;
            if (m_printer->isVerbose())
                m_printer->log(QStringLiteral("[%1] TX %2").arg(m_id).arg(hex(bytes)));
        }
        if (m_closeWhenSent) {
            m_closeWhenSent = false;
            QTimer::singleShot(m_closeDelayMs, this, [this] {
                if (m_closed)
                    return;
                m_printer->log(
                    QStringLiteral("[%1] closing after restart/initialisation").arg(m_id));
                m_socket->disconnectFromHost();
            });
        }
    }

    void onDisconnected()
    {
        // A peer that closes while a slow read pauses has still sent what is buffered
        // here: a printer reads all of it before it notices the close.
        if (!m_closed) {
            m_readPaused = false;
            const PrinterFaults f = m_printer->m_model.faults();
            take(m_socket->readAll(), f);
        }
        finish();
        deleteLater();
    }

    void finish()
    {
        if (m_closed)
            return;
        m_closed = true;
        m_sendTimer.stop();
        m_readTimer.stop();
        m_queue.clear();
        m_printer->m_model.endStream(m_id);
        --m_printer->m_openConnections;
        m_printer->log(QStringLiteral("[%1] closed after %2 bytes").arg(m_id).arg(m_received));
    }

    SimPrinter *m_printer;
    QTcpSocket *m_socket;
    const int m_id;
    qint64 m_received = 0;
    QList<Outgoing> m_queue;
    QTimer m_sendTimer;
    QTimer m_readTimer;
    bool m_readPaused = false;
    bool m_closeWhenSent = false;
    int m_closeDelayMs = 100;
    bool m_closed = false;
};

// Lives on the simulator's thread and owns every socket.
class SimServer : public QObject
{
public:
    explicit SimServer(SimPrinter *printer) : m_printer(printer) {}

    bool listen(QString *error)
    {
        QHostAddress tcpAddress, udpAddress;
        quint16 tcpPort, udpPort;
        bool udpEnabled;
        std::function<bool(QString *)> init;
        {
            QMutexLocker lock(&m_printer->m_mutex);
            init = m_printer->m_threadInit;
        }
        if (init && !init(error)) {
            if (error->isEmpty())
                *error = QStringLiteral("thread initialisation failed");
            return false;
        }
        {
            QMutexLocker lock(&m_printer->m_mutex);
            tcpAddress = m_printer->m_tcpAddress;
            tcpPort = m_printer->m_tcpPort;
            udpAddress = m_printer->m_udpAddress;
            udpPort = m_printer->m_udpPort;
            udpEnabled = m_printer->m_udpEnabled;
        }
        m_tcp = new QTcpServer(this);
        connect(m_tcp, &QTcpServer::newConnection, this, &SimServer::onNewConnection);
        if (!m_tcp->listen(tcpAddress, tcpPort)) {
            *error = QStringLiteral("TCP %1:%2: %3")
                         .arg(tcpAddress.toString())
                         .arg(tcpPort)
                         .arg(m_tcp->errorString());
            return false;
        }
        m_tcpAddress = tcpAddress;
        m_tcpPort = m_tcp->serverPort();

        quint16 boundUdp = 0;
        if (udpEnabled) {
            m_udp = new QUdpSocket(this);
            if (!m_udp->bind(udpAddress, udpPort,
                             QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
                *error = QStringLiteral("UDP %1:%2: %3")
                             .arg(udpAddress.toString())
                             .arg(udpPort)
                             .arg(m_udp->errorString());
                return false;
            }
            connect(m_udp, &QUdpSocket::readyRead, this, &SimServer::onDatagrams);
            boundUdp = m_udp->localPort();
        }
        {
            QMutexLocker lock(&m_printer->m_mutex);
            m_printer->m_boundTcpPort = m_tcpPort;
            m_printer->m_boundUdpPort = boundUdp;
        }
        m_printer->log(
            QStringLiteral("listening on TCP %1:%2, discovery %3")
                .arg(tcpAddress.toString())
                .arg(m_tcpPort)
                .arg(udpEnabled
                         ? QStringLiteral("UDP %1:%2").arg(udpAddress.toString()).arg(boundUdp)
                         : QStringLiteral("off")));
        applyFaults();
        return true;
    }

    // Follows the listening state of the refuse switch.
    void applyFaults()
    {
        if (!m_tcp)
            return;
        const PrinterFaults f = m_printer->m_model.faults();
        const bool wantListening = f.refuse != RefuseMode::NotListening;
        if (wantListening && !m_tcp->isListening()) {
            if (!m_tcp->listen(m_tcpAddress, m_tcpPort))
                m_printer->log("cannot listen again: " + m_tcp->errorString());
        } else if (!wantListening && m_tcp->isListening()) {
            m_tcp->close();
        }
        if (m_tcp->isListening())
            setListenerReceiveBuffer(f.slowReadChunk > 0 ? qMax(f.slowReadChunk, 2048) : 0);
    }

    // A slow printer also needs a small kernel receive buffer, or the kernel takes
    // megabytes for it and the sender never waits. Accepted sockets inherit the
    // listener's size, and the window is fixed at the handshake, so it is set here.
    void setListenerReceiveBuffer(int bytes)
    {
#ifdef Q_OS_UNIX
        const int fd = int(m_tcp->socketDescriptor());
        if (fd < 0)
            return;
        if (m_defaultReceiveBuffer < 0) {
            socklen_t len = sizeof(m_defaultReceiveBuffer);
            if (::getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &m_defaultReceiveBuffer, &len) != 0)
                m_defaultReceiveBuffer = -1;
        }
        const int size = bytes > 0 ? bytes : m_defaultReceiveBuffer;
        if (size > 0)
            ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size));
#else
        Q_UNUSED(bytes);
#endif
    }

    // A killed printer: the port closes with every connection on it.
    void kill()
    {
        m_printer->log(QStringLiteral("killed: every connection closes, the port too"));
        shutdown();
    }

    void shutdown()
    {
        if (m_tcp)
            m_tcp->close();
        if (m_udp)
            m_udp->close();
        const auto connections = m_connections;
        for (const QPointer<SimConnection> &c : connections) {
            if (c)
                c->shutdown();
        }
        m_connections.clear();
    }

private:
    void onNewConnection()
    {
        while (QTcpSocket *s = m_tcp->nextPendingConnection()) {
            ++m_printer->m_connectionCount;
            if (m_printer->m_model.faults().refuse != RefuseMode::None ||
                m_printer->m_model.restarting()) {
                m_printer->log("connection refused: closed after accept");
                s->close();
                s->deleteLater();
                continue;
            }
            ++m_printer->m_openConnections;
            m_connections.removeAll(nullptr);
            m_connections.append(new SimConnection(m_printer, s, ++m_nextId, this));
        }
    }

    void onDatagrams()
    {
        while (m_udp->hasPendingDatagrams()) {
            QHostAddress from;
            quint16 fromPort = 0;
            QByteArray d(int(qMax<qint64>(0, m_udp->pendingDatagramSize())), Qt::Uninitialized);
            const qint64 n = m_udp->readDatagram(d.data(), d.size(), &from, &fromPort);
            if (n < 0)
                continue;
            d.truncate(int(n));
            if (fromPort == m_udp->localPort() && from.isEqual(m_udp->localAddress()))
                continue; // our own reply or broadcast echo
            if (d.size() != 10 || d.mid(1) != discoveryRequestTail()) {
                if (m_printer->isVerbose())
                    m_printer->log(QStringLiteral("UDP ignored %1 bytes from %2:%3")
                                       .arg(d.size())
                                       .arg(from.toString())
                                       .arg(fromPort));
                continue;
            }
            ++m_printer->m_udpRequests;
            answerDiscovery(d.at(0), from, fromPort);
        }
    }

    void answerDiscovery(char sequence, const QHostAddress &to, quint16 port)
    {
        const PrinterFaults f = m_printer->m_model.faults();
        if (f.udpFault == UdpReplyFault::NoReply) {
            m_printer->log("UDP request not answered (noReply)");
            return;
        }
        QByteArray identity = m_printer->m_model.value(0x0C);
        if (f.udpFault == UdpReplyFault::NoMfg)
            identity.replace("MFG:", "MFR:");
        QByteArray reply = QByteArray(1, sequence) + simframe::build(0x02, 0x0C, identity);
        switch (f.udpFault) {
        case UdpReplyFault::TenBytes:
            reply.truncate(10);
            break;
        case UdpReplyFault::LengthZero:
            reply[6] = 0;
            break;
        case UdpReplyFault::LengthBit7:
            reply[6] = char(quint8(reply.at(6)) | 0x80);
            break;
        case UdpReplyFault::LengthTooLong:
            // The datagram ends before the L data bytes that the length byte announces.
            reply.truncate(7 + quint8(reply.at(6)) / 2);
            break;
        default:
            break;
        }
        const int copies = f.udpDuplicate ? 2 : 1;
        auto send = [this, reply, to, port, copies] {
            if (!m_udp)
                return;
            for (int i = 0; i < copies; ++i) {
                ++m_printer->m_udpReplies; // counted first: a test may read it on arrival
                m_udp->writeDatagram(reply, to, port);
                if (m_printer->isVerbose())
                    m_printer->log(QStringLiteral("UDP TX to %1:%2 %3")
                                       .arg(to.toString())
                                       .arg(port)
                                       .arg(hex(reply)));
            }
        };
        // The reply delay applies to discovery replies too.
        if (f.replyDelayMs > 0)
            QTimer::singleShot(f.replyDelayMs, this, send);
        else
            send();
    }

    SimPrinter *m_printer;
    QTcpServer *m_tcp = nullptr;
    QUdpSocket *m_udp = nullptr;
    QHostAddress m_tcpAddress;
    quint16 m_tcpPort = 0;
    int m_nextId = 0;
    QList<QPointer<SimConnection>> m_connections;
    int m_defaultReceiveBuffer = -1;
};

void SimConnection::kill()
{
    // Connections are children of the server.
    static_cast<SimServer *>(parent())->kill();
}

SimPrinter::SimPrinter(const PrinterConfig &config) : m_model(config) {}

SimPrinter::~SimPrinter()
{
    stop();
}

void SimPrinter::setTcpAddress(const QHostAddress &address)
{
    QMutexLocker lock(&m_mutex);
    m_tcpAddress = address;
}

void SimPrinter::setTcpPort(quint16 port)
{
    QMutexLocker lock(&m_mutex);
    m_tcpPort = port;
}

void SimPrinter::setUdpAddress(const QHostAddress &address)
{
    QMutexLocker lock(&m_mutex);
    m_udpAddress = address;
}

void SimPrinter::setUdpPort(quint16 port)
{
    QMutexLocker lock(&m_mutex);
    m_udpPort = port;
}

void SimPrinter::setUdpEnabled(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_udpEnabled = on;
}

void SimPrinter::setThreadInit(std::function<bool(QString *)> init)
{
    QMutexLocker lock(&m_mutex);
    m_threadInit = std::move(init);
}

bool SimPrinter::start(QString *error)
{
    QMutexLocker life(&m_lifeMutex);
    if (isRunning())
        return true;
    m_connectionCount = 0;
    m_openConnections = 0;
    m_bytesReceived = 0;
    m_udpRequests = 0;
    m_udpReplies = 0;

    auto thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("labelprinter-sim"));
    auto *server = new SimServer(this);
    server->moveToThread(thread.get());
    thread->start();

    bool ok = false;
    QString err;
    QMetaObject::invokeMethod(
        server, [&] { ok = server->listen(&err); }, Qt::BlockingQueuedConnection);
    if (!ok) {
        QMetaObject::invokeMethod(
            server, [server] { delete server; }, Qt::BlockingQueuedConnection);
        thread->quit();
        thread->wait();
        if (error)
            *error = err;
        log("start failed: " + err);
        return false;
    }
    QMutexLocker lock(&m_mutex);
    m_thread = std::move(thread);
    m_server = server;
    return true;
}

void SimPrinter::stop()
{
    QMutexLocker life(&m_lifeMutex);
    std::unique_ptr<QThread> thread;
    SimServer *server = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        thread = std::move(m_thread);
        server = m_server;
        m_server = nullptr;
        m_boundTcpPort = 0;
        m_boundUdpPort = 0;
    }
    if (!thread)
        return;
    QMetaObject::invokeMethod(
        server,
        [server] {
            server->shutdown();
            delete server;
        },
        Qt::BlockingQueuedConnection);
    thread->quit();
    thread->wait();
}

bool SimPrinter::isRunning() const
{
    QMutexLocker lock(&m_mutex);
    return m_thread != nullptr;
}

QHostAddress SimPrinter::tcpAddress() const
{
    QMutexLocker lock(&m_mutex);
    return m_tcpAddress;
}

quint16 SimPrinter::tcpPort() const
{
    QMutexLocker lock(&m_mutex);
    return m_thread ? m_boundTcpPort : m_tcpPort;
}

QHostAddress SimPrinter::udpAddress() const
{
    QMutexLocker lock(&m_mutex);
    return m_udpAddress;
}

quint16 SimPrinter::udpPort() const
{
    QMutexLocker lock(&m_mutex);
    if (m_thread)
        return m_boundUdpPort;
    return m_udpEnabled ? m_udpPort : 0;
}

PrinterModel &SimPrinter::model()
{
    return m_model;
}

void SimPrinter::setConfig(const PrinterConfig &config)
{
    m_model.setConfig(config);
    applyFaults();
}

PrinterConfig SimPrinter::config() const
{
    return m_model.config();
}

QByteArray SimPrinter::value(quint8 item) const
{
    return m_model.value(item);
}

void SimPrinter::setValue(quint8 item, const QByteArray &answerBytes)
{
    m_model.setValue(item, answerBytes);
}

void SimPrinter::setStatusWord(quint32 word)
{
    m_model.setStatusWord(word);
}

QList<ReceivedFrame> SimPrinter::receivedFrames() const
{
    return m_model.receivedFrames();
}

QList<quint8> SimPrinter::functionCodes() const
{
    return m_model.functionCodes();
}

qint64 SimPrinter::rawByteCount() const
{
    return m_model.rawByteCount();
}

QByteArray SimPrinter::rawSha256() const
{
    return m_model.rawSha256();
}

QByteArray SimPrinter::rawBytes() const
{
    return m_model.rawBytes();
}

void SimPrinter::clearRecords()
{
    m_model.clearRecords();
}

int SimPrinter::connectionCount() const
{
    return m_connectionCount;
}

int SimPrinter::openConnections() const
{
    return m_openConnections;
}

qint64 SimPrinter::bytesReceived() const
{
    return m_bytesReceived;
}

int SimPrinter::udpRequestCount() const
{
    return m_udpRequests;
}

int SimPrinter::udpReplyCount() const
{
    return m_udpReplies;
}

PrinterFaults SimPrinter::faults() const
{
    return m_model.faults();
}

void SimPrinter::setFaults(const PrinterFaults &faults)
{
    m_model.setFaults(faults);
    applyFaults();
}

void SimPrinter::applyFaults()
{
    QMutexLocker life(&m_lifeMutex);
    SimServer *server = nullptr;
    QThread *thread = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        server = m_server;
        thread = m_thread.get();
    }
    if (!server)
        return;
    // Blocking, so that a switch is in effect when its setter returns.
    if (QThread::currentThread() == thread)
        server->applyFaults();
    else
        QMetaObject::invokeMethod(
            server, [server] { server->applyFaults(); }, Qt::BlockingQueuedConnection);
}

template <typename Change> static void changeFaults(SimPrinter *p, Change change)
{
    PrinterFaults f = p->faults();
    change(f);
    p->setFaults(f);
}

void SimPrinter::setSilentItems(const QSet<quint8> &items)
{
    changeFaults(this, [&](PrinterFaults &f) { f.silentItems = items; });
}

void SimPrinter::setWrongItemItems(const QSet<quint8> &items)
{
    changeFaults(this, [&](PrinterFaults &f) { f.wrongItemItems = items; });
}

void SimPrinter::setIgnoredSetItems(const QSet<quint8> &items)
{
    changeFaults(this, [&](PrinterFaults &f) { f.ignoredSetItems = items; });
}

void SimPrinter::setStrayBytes(const QByteArray &bytes)
{
    changeFaults(this, [&](PrinterFaults &f) { f.strayBytes = bytes; });
}

void SimPrinter::setReplyDelayMs(int ms)
{
    changeFaults(this, [&](PrinterFaults &f) { f.replyDelayMs = qMax(0, ms); });
}

void SimPrinter::setReplySegments(int segments, int pauseMs)
{
    changeFaults(this, [&](PrinterFaults &f) {
        f.replySegments = qMax(1, segments);
        f.segmentPauseMs = qMax(0, pauseMs);
    });
}

void SimPrinter::setDropAfterBytes(qint64 bytes)
{
    changeFaults(this, [&](PrinterFaults &f) { f.dropAfterBytes = bytes < 0 ? -1 : bytes; });
}

void SimPrinter::setRefuseMode(RefuseMode mode)
{
    changeFaults(this, [&](PrinterFaults &f) { f.refuse = mode; });
}

void SimPrinter::setSlowRead(int chunkBytes, int pauseMs)
{
    changeFaults(this, [&](PrinterFaults &f) {
        f.slowReadChunk = qMax(0, chunkBytes);
        f.slowReadPauseMs = qMax(0, pauseMs);
    });
}

void SimPrinter::setStopReadingAfterFrames(int frames)
{
    changeFaults(this, [&](PrinterFaults &f) { f.stopReadingAfterFrames = qMax(-1, frames); });
}

void SimPrinter::setCloseAfterFrames(int frames)
{
    changeFaults(this, [&](PrinterFaults &f) { f.closeAfterFrames = qMax(-1, frames); });
}

void SimPrinter::setUdpFault(UdpReplyFault fault)
{
    changeFaults(this, [&](PrinterFaults &f) { f.udpFault = fault; });
}

void SimPrinter::setUdpDuplicate(bool on)
{
    changeFaults(this, [&](PrinterFaults &f) { f.udpDuplicate = on; });
}

void SimPrinter::setVerbose(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_verbose = on;
}

void SimPrinter::setLogHandler(std::function<void(const QString &)> handler)
{
    QMutexLocker lock(&m_mutex);
    m_logHandler = std::move(handler);
}

bool SimPrinter::isVerbose() const
{
    QMutexLocker lock(&m_mutex);
    return m_verbose;
}

void SimPrinter::log(const QString &line) const
{
    std::function<void(const QString &)> handler;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_verbose)
            return;
        handler = m_logHandler;
    }
    if (handler)
        handler(line);
    else
        qDebug().noquote() << "labelprinter-sim:" << line;
}
