#include "transport/nettransport.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "protocol/commandcodes.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "transport/netdiscovery.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QNetworkInterface>
#include <QPointer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cstring>

NetHandleRecord *DeviceIoContrl_Net::printer_handle_net = nullptr;
QMap<QString, QString> DeviceIoContrl_Net::m_NetData;

namespace {

constexpr int kConnectWaitMs = 3000;
constexpr int kReplyWaitMs = 3000;
constexpr int kWriteWaitMs = 1000;
constexpr int kButtonWriteWaitMs = 10000;
constexpr int kDebugReadWaitMs = 1000;
constexpr int kDisconnectWaitMs = 500;
constexpr int kDiscoveryWaitMs = 1500;
constexpr int kSendAttempts = 3;
// Stale bytes are dropped from rtBuf once it holds this many at the start of a wait
// step; readDebugData never lets it grow past kRtBufLimit between exchanges.
constexpr int kRtBufStale = 256;
constexpr int kRtBufLimit = 4 * frame::kReplyAreaSize;

// The waits hand control to the event loop until something happens (bytes, a
// datagram, a timer, user input) rather than spinning on an empty queue.
void waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool isLive(const QTcpSocket *socket)
{
    return socket && (socket->state() == QAbstractSocket::ConnectedState ||
                      socket->state() == QAbstractSocket::ConnectingState);
}

void appendBounded(QByteArray &buffer, const QByteArray &bytes, int limit)
{
    buffer.append(bytes);
    if (buffer.size() > limit)
        buffer.remove(0, buffer.size() - limit);
}

// The exchange functions route through contrlNet; the wireless probe must reach the
// transport that has just connected, whatever contrlNet holds.
class CurrentNetTransport
{
public:
    explicit CurrentNetTransport(DeviceIoContrl_Net *transport) : m_saved(contrlNet)
    {
        contrlNet = transport;
    }
    ~CurrentNetTransport() { contrlNet = m_saved; }
    CurrentNetTransport(const CurrentNetTransport &) = delete;
    CurrentNetTransport &operator=(const CurrentNetTransport &) = delete;

private:
    DeviceIoContrl_Net *m_saved;
};

} // namespace

DeviceIoContrl_Net::DeviceIoContrl_Net(MainWindow *window)
    : m_window(window), m_handle(new NetHandleRecord)
{
    printer_handle_net = m_handle;
    udpSocket = new QUdpSocket(this);
    udpSocket->setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    connect(udpSocket, &QUdpSocket::readyRead, this, &DeviceIoContrl_Net::readPendingDatagrams);
}

DeviceIoContrl_Net::~DeviceIoContrl_Net()
{
    delete udpSocket;
    udpSocket = nullptr;
    Disconnect_Server();
    // Sockets scheduled for deletion are children and go with this object.
    delete[] m_handle->hostName;
    if (printer_handle_net == m_handle)
        printer_handle_net = nullptr;
    delete m_handle;
    m_handle = nullptr;
}

int DeviceIoContrl_Net::Connect_Server(const QString &host, quint16 port)
{
    // A socket left from an earlier open is replaced, not leaked.
    dropSocket(m_handle);
    auto *socket = new QTcpSocket(this);
    m_handle->tcpSocket = socket;
    delete[] m_handle->hostName;
    m_handle->hostName = qstrdup(host.toUtf8().constData());
    m_handle->port = port;

    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        socket->abort();
        QThread::msleep(300);
    }
    socket->connectToHost(QString::fromUtf8(m_handle->hostName), m_handle->port,
                          QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (socket->waitForConnected(kConnectWaitMs)) {
        qDebug() << "Connect_Server的printer_handle_net" << static_cast<void *>(m_handle);
        socket->disconnectFromHost();
        return 0;
    }
    qDebug() << "连接失败: " << socket->errorString();
    Disconnect_Server();
    return 1;
}

void DeviceIoContrl_Net::Disconnect_Server()
{
    dropSocket(m_handle);
    qDebug() << "Disconnect_Server";
}

void DeviceIoContrl_Net::dropSocket(NetHandleRecord *record)
{
    if (!record || !record->tcpSocket)
        return;
    QTcpSocket *socket = record->tcpSocket;
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        qDebug() << "Disconnect_Server的tcpSocket->state：" << socket->state();
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
    record->tcpSocket = nullptr;
    socket->deleteLater(); // a child: it never outlives this object
}

bool DeviceIoContrl_Net::reconnect(bool writeOnly)
{
    QTcpSocket *socket = m_handle->tcpSocket;
    if (!socket || !m_handle->hostName) {
        qDebug() << "No command socket: open the printer first";
        return false;
    }
    if (isLive(socket))
        return true;
    qDebug("Socket is not connected! Current state: %d", int(socket->state()));
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        if (writeOnly)
            qDebug("-------------DeviceIoContrl_Net::PrinterDataIOButton:  socket->abort();");
        socket->abort();
        QThread::msleep(100);
    }
    socket->connectToHost(QString::fromUtf8(m_handle->hostName), m_handle->port,
                          QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (!socket->waitForConnected(kConnectWaitMs)) {
        qDebug("Connection failed: %s", qPrintable(socket->errorString()));
        return false;
    }
    return true;
}

int DeviceIoContrl_Net::PrinterDataIORead(unsigned char *frame, int length, unsigned char *reply,
                                          int &replyLength)
{
    Q_UNUSED(replyLength);
    if (!frame || length < frame::kHeaderSize - 1 || !reply)
        return RESULT_NETWORK;
    if (!reconnect(false))
        return RESULT_NETWORK;

    // The wait ends by its own deadline; the shared timeoutFlag_TCP only reports it,
    // since anything run from the event loop meanwhile may reset that flag.
    bool timedOut = false;
    const QDeadlineTimer deadline(kReplyWaitMs, Qt::PreciseTimer);
    QTimer timer; // wakes the event loop at the deadline
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kReplyWaitMs);
    QObject::connect(
        &timer, &QTimer::timeout, &timer,
        [&timer, &timedOut] {
            timer.stop();
            recvBuf_TCP.clear();
            resultBuf_TCP.clear();
            timedOut = true;
            timeoutFlag_TCP = true;
            qDebug(" timeout ");
        },
        Qt::DirectConnection);
    readReady_TCP = false;
    timeoutFlag_TCP = false;
    timer.start();

    QTcpSocket *socket = m_handle->tcpSocket;
    if (socket->write(reinterpret_cast<const char *>(frame), length) != length ||
        !socket->waitForBytesWritten(kWriteWaitMs)) {
        qDebug() << "Failed to write data:" << socket->errorString();
        return RESULT_NETWORK;
    }

    recvBuf_TCP.clear();
    const uint8_t frameClass = frame[3];
    const uint8_t item = frame[4];
    QPointer<DeviceIoContrl_Net> self(this);
    for (;;) {
        if (timedOut || deadline.hasExpired()) {
            QThread::msleep(10);
            return RESULT_NETWORK;
        }
        // Bytes just handed over by readDebugData are moved below, not dropped.
        if (rtBuf.size() >= kRtBufStale && !readReady_TCP)
            rtBuf.clear();

        socket = m_handle->tcpSocket;
        if (isLive(socket)) {
            const QByteArray bytes = socket->readAll();
            if (!bytes.isEmpty()) {
                rtBuf.append(bytes);
                readReady_TCP = true;
            }
        }
        if (readReady_TCP) {
            readReady_TCP = false;
            recvBuf_TCP.append(rtBuf);
            rtBuf.clear();
            qDebug().noquote() << "Received data:" << frame::hexForLog(recvBuf_TCP);
            int start = 0;
            int frameLength = 0;
            if (frame::findReply(recvBuf_TCP, frameClass, item, &start, &frameLength)) {
                resultBuf_TCP = recvBuf_TCP.mid(start, frameLength);
                recvBuf_TCP.clear();
                // Never more than the reply area the callers provide.
                const int copied = std::min(resultBuf_TCP.size(), frame::kReplyAreaSize);
                std::memcpy(reply, resultBuf_TCP.constData(), size_t(copied));
                QThread::msleep(10);
                return RESULT_OK;
            }
            // A complete reply is at most kReplyAreaSize bytes, so when none was found
            // only the last kReplyAreaSize bytes can still become one.
            if (recvBuf_TCP.size() > 2 * frame::kReplyAreaSize)
                recvBuf_TCP = recvBuf_TCP.right(frame::kReplyAreaSize);
        }
        waitForEvents();
        if (!self)
            return RESULT_NETWORK;
    }
}

int DeviceIoContrl_Net::PrinterDataIOButton(unsigned char *frame, int length,
                                            const unsigned char *reply, int &replyLength,
                                            StreamPiece *piece)
{
    Q_UNUSED(reply);
    Q_UNUSED(replyLength);
    if (piece)
        piece->bytesOut = 0;
    if (!frame || length < 0)
        return RESULT_NETWORK;
    // A new connection in the middle of a stream would hand the printer a stream with
    // a hole in it, or a piece twice.
    if (piece && !piece->firstPiece &&
        (!m_handle->tcpSocket || m_handle->tcpSocket->state() != QAbstractSocket::ConnectedState)) {
        qDebug("Connection lost in the middle of a stream: not reconnecting");
        return RESULT_NETWORK;
    }
    if (!reconnect(true))
        return RESULT_NETWORK;
    QTcpSocket *socket = m_handle->tcpSocket;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);

    const qint64 written = socket->write(reinterpret_cast<const char *>(frame), length);
    qDebug("PrinterDataIOButton, written bytes: %d", int(written));
    if (written == -1) {
        qDebug("Write failed: %s", qPrintable(socket->errorString()));
        return RESULT_NETWORK;
    }
    if (piece)
        piece->bytesOut = written;
    bool flushed = written == length && socket->waitForBytesWritten(kButtonWriteWaitMs);
    while (flushed && piece && socket->bytesToWrite() > 0)
        flushed = socket->waitForBytesWritten(kButtonWriteWaitMs);
    // A stream must still have its connection once the piece is out: a reset seen by
    // now means the printer did not take everything.
    if (flushed && (!piece || socket->state() == QAbstractSocket::ConnectedState)) {
        socket->flush();
        return RESULT_OK;
    }
    qDebug("Wait for bytes written failed: %s", qPrintable(socket->errorString()));
    return RESULT_NETWORK;
}

int DeviceIoContrl_Net::ReadFromControlEndpoint(int frameLength, unsigned char *buffer, int &length)
{
    Q_UNUSED(frameLength);
    // Status-word query: class 0x00, item 0x03, length byte 4 with no data following.
    unsigned char query[9] = {0x1B, 0xFF, 0xFE, 0x00, 0x03, 0x04, 0x1B, 0xFE, 0xFF};
    return PrinterDataIORead(query, int(sizeof(query)), buffer, length);
}

QByteArray DeviceIoContrl_Net::readDebugData()
{
    QTcpSocket *socket = m_handle ? m_handle->tcpSocket : nullptr;
    if (!socket) {
        qDebug() << "Invalid socket or handle";
        return QByteArray();
    }
    if (!isLive(socket)) {
        qDebug() << "Socket not connected";
        return QByteArray();
    }
    if (socket->bytesAvailable() == 0 && !socket->waitForReadyRead(kDebugReadWaitMs)) {
        qDebug() << "No data received (timeout or error)";
        return QByteArray();
    }
    QByteArray bytes = socket->readAll();
    if (!bytes.isEmpty()) {
        appendBounded(rtBuf, bytes, kRtBufLimit);
        readReady_TCP = true;
    }
    return bytes;
}

int DeviceIoContrl_Net::GetPrinterHandle(_PRINTER_ATTR *attrs, Printer_Vector &list)
{
    Q_UNUSED(attrs);
    Q_UNUSED(list);
    m_NetData.clear();
    if (!m_window)
        return 0; // no connection fields to read and no list to fill
    if (m_window->ui->checkBox_WIFI->isChecked())
        return wirelessDiscovery();
    return broadcastDiscovery();
}

int DeviceIoContrl_Net::broadcastDiscovery()
{
    const int sequence = netdiscovery::nextSequenceByte(generator, lastNumber);
    lastNumber = sequence;
    randomInt = sequence;
    const QByteArray request = netdiscovery::buildRequest(uint8_t(sequence));
    timeoutFlag_TCP = false;
    scanFlag_TCP = false;

    bool ok = false;
    const quint16 udpPort = m_window->ui->lineEdit_ConnectUDPPort->text().toUShort(&ok, 10);
    qDebug() << "[GetPrinterHandle] udpPort: " << udpPort;
    qDebug() << "[GetPrinterHandle] message: " << request.toHex(' ');

    if (!getListStatus)
        return 1;
    if (!udpSocket->bind(QHostAddress::AnyIPv4, udpPort,
                         QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        qDebug() << "UDP bind failed:" << udpSocket->errorString();
        return 0;
    }

    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(kDiscoveryWaitMs);
    connect(
        timer, &QTimer::timeout, timer,
        [timer] {
            qDebug() << "超时！";
            timer->stop();
            recvBuf_TCP.clear();
            resultBuf_TCP.clear();
            timeoutFlag_TCP = true;
        },
        Qt::DirectConnection);
    timer->start();
    // Its own deadline too: an exchange run meanwhile resets timeoutFlag_TCP.
    const QDeadlineTimer deadline(kDiscoveryWaitMs, Qt::PreciseTimer);

    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        if (iface.type() != QNetworkInterface::Ethernet ||
            (iface.flags() & QNetworkInterface::IsLoopBack))
            continue;
        qDebug() << "[GetPrinterHandle] Found Ethernet interface:" << iface.name();
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QHostAddress broadcast = entry.broadcast();
            if (broadcast.isNull() || broadcast == QHostAddress(QHostAddress::AnyIPv4) ||
                broadcast == QHostAddress(QHostAddress::Any))
                continue;
            for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
                qDebug() << "[GetPrinterHandle] Sending broadcast via Ethernet:" << broadcast;
                const qint64 sent = udpSocket->writeDatagram(request, broadcast, udpPort);
                if (sent == request.size()) {
                    qDebug() << "Successfully sent datagram to" << broadcast;
                    break;
                }
                if (sent < 0)
                    qDebug() << "Failed to send datagram to" << broadcast
                             << "Error:" << udpSocket->errorString() << "error code"
                             << udpSocket->error();
                else
                    qDebug() << "Partial datagram sent to" << broadcast << "Sent:" << sent << "/"
                             << request.size();
            }
        }
    }

    QPointer<DeviceIoContrl_Net> self(this);
    for (;;) {
        waitForEvents();
        if (!self)
            return 1; // the transport went away with its socket and timer
        int result = -1;
        if (getListStatus && (timeoutFlag_TCP || deadline.hasExpired()))
            result = 0; // the search ran its time
        else if (!getListStatus || scanFlag_TCP)
            result = 1; // stopped by the user, or a printer answered
        if (result >= 0) {
            udpSocket->close();
            timer->stop();
            delete timer;
            return result;
        }
    }
}

void DeviceIoContrl_Net::readPendingDatagrams()
{
    qDebug() << "[DeviceIoContrl_Net]readPendingDatagrams";
    while (udpSocket && udpSocket->hasPendingDatagrams()) {
        const qint64 size = udpSocket->pendingDatagramSize();
        if (size <= netdiscovery::kRequestSize) {
            // Too short for a reply; this is also our own request coming back.
            qDebug() << size;
            char scratch[netdiscovery::kRequestSize];
            udpSocket->readDatagram(scratch, sizeof(scratch));
            break;
        }
        QByteArray datagram(int(size), '\0');
        QHostAddress sender;
        quint16 senderPort = 0;
        const qint64 read = udpSocket->readDatagram(datagram.data(), size, &sender, &senderPort);
        if (read < 0)
            break;
        datagram.truncate(int(read));

        QByteArray data;
        QList<QByteArray> strings;
        if (!netdiscovery::replyData(datagram, &data) ||
            !identity::split(reinterpret_cast<const uint8_t *>(data.constData()), data.size(),
                             &strings)) {
            qDebug() << "DeviceIoContrl_Net::readPendingDatagrams";
            continue;
        }

        const QString host = sender.toString();
        const QString address = netdiscovery::ipv4Text(host);
        qDebug() << "host: " << host;
        qDebug() << "Extracted IP Address (captured(1)):" << address;
        qDebug() << "Entire Match (captured(0)):" << address;
        qDebug() << "vidPtring:" << strings.at(2);
        qDebug() << "Receiveed message from:" << sender << ":" << senderPort;
        if (m_NetData.contains(address))
            break;
        listPrinter(strings, address);
        qDebug() << "DeviceIoContrl_Net::readPendingDatagrams";
    }
}

bool DeviceIoContrl_Net::listPrinter(const QList<QByteArray> &strings, const QString &address)
{
    QByteArray maker;
    if (!identity::manufacturer(strings.at(2), &maker))
        return false;
    const QString model = QString::fromLatin1(strings.at(1));
    m_NetData[address] = model;
    if (m_window)
        m_window->ui->comboBox_ScanResult->addItem(
            netdiscovery::entryText(QString::fromLatin1(maker), model, address));
    scanFlag_TCP = true;
    return true;
}

int DeviceIoContrl_Net::wirelessDiscovery()
{
    unsigned char buffer[frame::kQueryOutSize] = {};
    if (!getListStatus)
        return 1;
    bool ok = false;
    const QString address = m_window->ui->lineEdit_ConnectAddr->text();
    const quint16 port = m_window->ui->lineEdit_ConnectTCPPort->text().toUShort(&ok, 10);
    if (Connect_Server(address, port) != 0) {
        qDebug() << "[GetPrinterHandle] connect fail";
        return 0;
    }
    if (!getListStatus) {
        Disconnect_Server();
        return 1;
    }
    int ret;
    {
        CurrentNetTransport current(this);
        ret = GetPrinterInfo(INFO_DEVICE_IDENTITY, buffer, MEDIUM_NETWORK);
    }
    if (ret != 0) {
        Disconnect_Server();
        return 0;
    }
    QList<QByteArray> strings;
    if (!identity::split(buffer, int(sizeof(buffer)), &strings)) {
        Disconnect_Server();
        return 1;
    }
    qDebug() << "vidSString:" << strings.at(0);
    qDebug() << "pidSString:" << strings.at(1);
    qDebug() << "vidPtring:" << strings.at(2);
    qDebug() << "pidPtring:" << strings.at(3);
    qDebug() << "messagetring:" << strings.at(4);
    listPrinter(strings, address);
    Disconnect_Server();
    return 1;
}
