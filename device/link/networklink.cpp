#include "device/link/networklink.h"

#include "device/link/printeraddress.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "platform/sendqueue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QPointer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kConnectWaitMs = 3000;
constexpr int kStreamConnectWaitMs = 5000;
// A few pieces: what a stream has handed over is then what is on its way to the printer,
// so progress and pacing follow the wire rather than this computer's memory.
constexpr int kStreamSendBufferBytes = 4096;
constexpr int kReplyWaitMs = 3000;
constexpr int kWriteWaitMs = 1000;
constexpr int kPieceWriteWaitMs = 10000;
constexpr int kPendingReadWaitMs = 1000;
constexpr int kDisconnectWaitMs = 500;
// A write-only frame waits this long without progress for the printer to acknowledge it.
constexpr int kAcknowledgeWaitMs = 1000;
// The first frame on a new connection also waits this long for a reset: a printer that
// accepts and closes at once acknowledges in its kernel what it never reads.
constexpr int kFirstFrameSettleMs = 20;
constexpr unsigned long kAcknowledgePollMs = 1;
// Stale handed-over bytes are dropped once this many wait at the start of a wait step;
// readPending never lets them grow past kHandedOverLimit between exchanges.
constexpr int kHandedOverStale = 256;
constexpr int kHandedOverLimit = 4 * frame::kReplyAreaSize;

// The waits hand control to the event loop until something happens (bytes, a timer,
// user input) rather than spinning on an empty queue.
void waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool isLive(const QTcpSocket *socket)
{
    return socket && (socket->state() == QAbstractSocket::ConnectedState ||
                      socket->state() == QAbstractSocket::ConnectingState);
}

} // namespace

NetworkLink::NetworkLink(QObject *parent) : PrinterLink(parent) {}

NetworkLink::~NetworkLink()
{
    // Sockets scheduled for deletion are children and go with this object.
    dropSocket();
}

int NetworkLink::medium() const
{
    return MEDIUM_NETWORK;
}

bool NetworkLink::parseTarget(const QString &rest, PrinterAddress *out)
{
    return parseHostPort(rest, &out->host, &out->port);
}

QString NetworkLink::targetText(const PrinterAddress &address)
{
    const QString host = address.host.contains(QLatin1Char(':'))
                             ? QStringLiteral("[%1]").arg(address.host)
                             : address.host;
    return QStringLiteral("%1:%2").arg(host).arg(address.port);
}

int NetworkLink::open(const PrinterAddress &address)
{
    return connectTo(address.host, address.port);
}

int NetworkLink::connectTo(const QString &host, quint16 port)
{
    // A socket left from an earlier open is replaced, not leaked.
    dropSocket();
    m_socket = new QTcpSocket(this);
    m_host = host;
    m_port = port;
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    ++m_connectionId;
    m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (m_socket->waitForConnected(waitMs(kConnectWaitMs))) {
        m_socket->disconnectFromHost();
        return 0;
    }
    qDebug() << "连接失败: " << m_socket->errorString();
    close();
    return 1;
}

void NetworkLink::close()
{
    dropSocket();
    qDebug() << "Disconnect_Server";
}

void NetworkLink::dropSocket()
{
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        socket->close();
        // close() completes at once when nothing is left to send; only a socket that
        // is still closing needs the wait.
        if (socket->state() != QAbstractSocket::UnconnectedState &&
            !socket->waitForDisconnected(kDisconnectWaitMs)) {
            qDebug() << "Disconnect timed out, forcing abort.";
            socket->abort();
            QThread::msleep(500);
        }
    }
    m_socket = nullptr;
    socket->deleteLater(); // a child: it never outlives this object
}

void NetworkLink::beginOperation()
{
    // A socket still closing from the open's check is left to the exchange's reconnect.
    if (m_socket && !m_host.isEmpty() && m_socket->state() == QAbstractSocket::UnconnectedState) {
        ++m_connectionId;
        m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite,
                                QAbstractSocket::AnyIPProtocol);
        m_printerHeard = false;
    }
}

void NetworkLink::endOperation()
{
    if (m_socket)
        m_socket->disconnectFromHost();
}

bool NetworkLink::connectionStands()
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return false;
    // The kernel knows of a reset or a close before Qt has seen it.
    return platform::tcpsendqueue::bothOpen(m_socket->socketDescriptor());
}

int NetworkLink::connectForStream(QString *errorText)
{
    if (errorText)
        errorText->clear();
    if (!m_socket || m_host.isEmpty())
        return RESULT_NETWORK;
    if (isLive(m_socket))
        m_socket->close();
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    ++m_connectionId;
    m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (!m_socket->waitForConnected(waitMs(kStreamConnectWaitMs))) {
        if (errorText)
            *errorText = m_socket->errorString();
        return RESULT_NETWORK;
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kStreamSendBufferBytes);
    m_printerHeard = false;
    return RESULT_OK;
}

int NetworkLink::reconnect(bool writeOnly)
{
    if (!m_socket || m_host.isEmpty()) {
        qDebug() << "No command socket: open the printer first";
        return RESULT_NETWORK;
    }
    // A connection still being made gets the whole connect wait of its own, so that a
    // slow set-up is never taken for a printer that does not answer.
    if (m_socket->state() == QAbstractSocket::ConnectingState ||
        m_socket->state() == QAbstractSocket::HostLookupState) {
        if (m_socket->waitForConnected(waitMs(kConnectWaitMs)))
            return RESULT_OK;
        qDebug("Connection failed: %s", qPrintable(m_socket->errorString()));
        m_socket->abort();
        return RESULT_NOT_CONNECTED;
    }
    if (isLive(m_socket))
        return RESULT_OK;
    qDebug("Socket is not connected! Current state: %d", int(m_socket->state()));
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        if (writeOnly)
            qDebug("write: socket->abort()");
        m_socket->abort();
        QThread::msleep(100);
    }
    ++m_connectionId;
    m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    m_printerHeard = false;
    if (!m_socket->waitForConnected(waitMs(kConnectWaitMs))) {
        qDebug("Connection failed: %s", qPrintable(m_socket->errorString()));
        m_socket->abort();
        return RESULT_NOT_CONNECTED;
    }
    return RESULT_OK;
}

int NetworkLink::exchange(const QByteArray &request, unsigned char *reply)
{
    if (request.size() < frame::kHeaderSize - 1 || !reply)
        return RESULT_NETWORK;
    const int connected = reconnect(false);
    if (connected != RESULT_OK)
        return connected;

    // The wait ends by its own deadline; the timer only wakes the event loop then.
    const int replyWaitMs = waitMs(kReplyWaitMs);
    const QDeadlineTimer deadline(replyWaitMs, Qt::PreciseTimer);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(replyWaitMs);
    QObject::connect(&timer, &QTimer::timeout, &timer, [] { qDebug(" timeout "); });
    m_handedOverFresh = false;
    timer.start();

    if (m_socket->write(request) != request.size() ||
        !m_socket->waitForBytesWritten(waitMs(kWriteWaitMs))) {
        qDebug() << "Failed to write data:" << m_socket->errorString();
        return RESULT_NETWORK;
    }

    QByteArray received;
    const uint8_t frameClass = uint8_t(request.at(3));
    const uint8_t item = uint8_t(request.at(4));
    QPointer<NetworkLink> self(this);
    for (;;) {
        if (deadline.hasExpired()) {
            QThread::msleep(10);
            return RESULT_NETWORK;
        }
        // Bytes just handed over by readPending are moved below, not dropped.
        if (m_handedOver.size() >= kHandedOverStale && !m_handedOverFresh)
            m_handedOver.clear();
        if (isLive(m_socket)) {
            const QByteArray bytes = m_socket->readAll();
            if (!bytes.isEmpty()) {
                m_handedOver.append(bytes);
                m_handedOverFresh = true;
            }
        }
        if (m_handedOverFresh) {
            m_handedOverFresh = false;
            received.append(m_handedOver);
            m_handedOver.clear();
            qDebug().noquote() << "Received data:" << frame::hexForLog(received);
            int start = 0;
            int frameLength = 0;
            if (frame::findReply(received, frameClass, item, &start, &frameLength)) {
                // Never more than the reply area the callers provide.
                const int copied = std::min(frameLength, frame::kReplyAreaSize);
                std::memcpy(reply, received.constData() + start, size_t(copied));
                m_printerHeard = true;
                QThread::msleep(10);
                return RESULT_OK;
            }
            // A complete reply is at most kReplyAreaSize bytes, so when none was found
            // only the last kReplyAreaSize bytes can still become one.
            if (received.size() > 2 * frame::kReplyAreaSize)
                received = received.right(frame::kReplyAreaSize);
        }
        waitForEvents();
        // Closed or deleted meanwhile (the printer was closed): nothing more to wait for.
        if (!self || !m_socket)
            return RESULT_NETWORK;
    }
}

int NetworkLink::write(const QByteArray &bytes, StreamPiece *piece)
{
    if (piece)
        piece->bytesOut = 0;
    // A new connection in the middle of a stream would hand the printer a stream with
    // a hole in it, or a piece twice.
    if (piece && !piece->firstPiece &&
        (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)) {
        qDebug("Connection lost in the middle of a stream: not reconnecting");
        return RESULT_NETWORK;
    }
    const int connected = reconnect(true);
    if (connected != RESULT_OK)
        return connected;
    QTcpSocket *socket = m_socket;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);

    const qint64 written = socket->write(bytes);
    qDebug("write, written bytes: %d", int(written));
    if (written == -1) {
        qDebug("Write failed: %s", qPrintable(socket->errorString()));
        return RESULT_NETWORK;
    }
    if (piece)
        piece->bytesOut = written;
    // Hands the bytes to the kernel now; the waits below are only for what it could not
    // take yet (a stream whose printer reads slowly).
    socket->flush();
    bool flushed = written == bytes.size();
    // A printer still taking bytes keeps the write going, but never past the deadline.
    while (flushed && socket->bytesToWrite() > 0)
        flushed =
            !deadline().hasExpired() && socket->waitForBytesWritten(waitMs(kPieceWriteWaitMs));
    // A stream must still have its connection once the piece is out: a reset seen by
    // now means the printer did not take everything. Its pieces are confirmed together
    // at its end (waitUntilDelivered); a single frame is confirmed here, unless the
    // session hears the printer after its frames.
    if (flushed && socket->state() == QAbstractSocket::ConnectedState &&
        (piece || !acknowledgeWait() || confirmFrame()))
        return RESULT_OK;
    qDebug("Wait for bytes written failed: %s", qPrintable(socket->errorString()));
    return RESULT_NETWORK;
}

PrinterLink::Delivery NetworkLink::delivery(qint64 *queued)
{
    if (queued)
        *queued = 0;
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return Delivery::Broken;
    switch (platform::tcpsendqueue::probe(m_socket->socketDescriptor(), queued)) {
    case platform::tcpsendqueue::State::Acknowledged:
        return Delivery::Confirmed;
    case platform::tcpsendqueue::State::Pending:
        return Delivery::Pending;
    case platform::tcpsendqueue::State::Broken:
        break;
    }
    return Delivery::Broken;
}

bool NetworkLink::confirmFrame()
{
    // Blocking and brief: Qt must not see the socket meanwhile, or a printer that closes
    // its side after taking the frame would hide the answer along with the descriptor.
    const qintptr fd = m_socket->socketDescriptor();
    qint64 queued = 0;
    qint64 lastQueued = -1;
    QDeadlineTimer stalled(kAcknowledgeWaitMs);
    for (;;) {
        const platform::tcpsendqueue::State state = platform::tcpsendqueue::probe(fd, &queued);
        if (state == platform::tcpsendqueue::State::Broken) {
            qDebug("The printer reset or closed the connection before taking the frame");
            return false;
        }
        if (state == platform::tcpsendqueue::State::Acknowledged)
            break;
        if (queued != lastQueued) {
            lastQueued = queued;
            stalled.setRemainingTime(kAcknowledgeWaitMs);
        } else if (stalled.hasExpired() || deadline().hasExpired()) {
            qDebug("The printer did not acknowledge %d bytes", int(queued));
            return false;
        }
        QThread::msleep(kAcknowledgePollMs);
    }
    if (!m_printerHeard) {
        QDeadlineTimer settle(kFirstFrameSettleMs);
        while (!settle.hasExpired()) {
            if (deadline().hasExpired())
                return false;
            QThread::msleep(kAcknowledgePollMs);
            if (platform::tcpsendqueue::probe(fd) == platform::tcpsendqueue::State::Broken) {
                qDebug("The printer reset the connection without reading the frame");
                return false;
            }
        }
        m_printerHeard = true;
    }
    return true;
}

int NetworkLink::readStatusData(QByteArray *data)
{
    // Status-word query: class 0x00, item 0x03, length byte 4 with no data following.
    static const QByteArray query = QByteArray::fromHex("1BFFFE0003041BFEFF");
    unsigned char reply[frame::kReplyAreaSize] = {};
    const int ret = exchange(query, reply);
    if (ret == RESULT_OK && data)
        *data = QByteArray(reinterpret_cast<const char *>(reply) + frame::kHeaderSize,
                           std::min<int>(reply[5], frame::kReplyAreaSize - frame::kHeaderSize));
    return ret;
}

QByteArray NetworkLink::readPending()
{
    if (!m_socket) {
        qDebug() << "Invalid socket or handle";
        return QByteArray();
    }
    if (!isLive(m_socket)) {
        qDebug() << "Socket not connected";
        return QByteArray();
    }
    if (m_socket->bytesAvailable() == 0 &&
        !m_socket->waitForReadyRead(waitMs(kPendingReadWaitMs))) {
        qDebug() << "No data received (timeout or error)";
        return QByteArray();
    }
    QByteArray bytes = m_socket->readAll();
    if (!bytes.isEmpty()) {
        m_handedOver.append(bytes);
        if (m_handedOver.size() > kHandedOverLimit)
            m_handedOver.remove(0, m_handedOver.size() - kHandedOverLimit);
        m_handedOverFresh = true;
    }
    return bytes;
}
