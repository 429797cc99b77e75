#include "device/link/discovery.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/protocol/netdiscovery.h"
#include "device/link/networklink.h"
#include "device/link/usblink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QNetworkInterface>
#include <QPointer>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>

namespace {
constexpr int kSearchWaitMs = 1500;
constexpr int kSendAttempts = 3;
constexpr int kStopCheckMs = 50;
} // namespace

PrinterDiscovery::PrinterDiscovery(QObject *parent)
    : QObject(parent), m_generator(QRandomGenerator::securelySeeded())
{
}

PrinterDiscovery::~PrinterDiscovery() = default;

void PrinterDiscovery::begin()
{
    m_running = true;
    m_answered = false;
    m_entries.clear();
    m_models.clear();
    emit progressChanged(0);
}

int PrinterDiscovery::finish(int result)
{
    m_running = false;
    emit progressChanged(100);
    return result;
}

void PrinterDiscovery::stop()
{
    m_running = false;
}

int PrinterDiscovery::listUsb()
{
    begin();
    const QStringList found = UsbLink::listPrinters();
    for (const QString &entry : found) {
        if (stopped())
            break;
        m_entries << entry;
        emit entryFound(entry);
    }
    const int result = found.isEmpty() ? 0 : 1;
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    return finish(result);
}

int PrinterDiscovery::searchNetwork(quint16 udpPort)
{
    begin();
    const int sequence = netdiscovery::nextSequenceByte(m_generator, m_lastSequence);
    m_lastSequence = sequence;
    const QByteArray request = netdiscovery::buildRequest(uint8_t(sequence));
    qDebug() << "[search] udpPort: " << udpPort << "message:" << request.toHex(' ');

    // A child, so that a discovery deleted during the wait takes it along.
    m_udp = new QUdpSocket(this);
    QUdpSocket &udp = *m_udp;
    udp.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    if (!udp.bind(QHostAddress::AnyIPv4, udpPort,
                  QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        qDebug() << "UDP bind failed:" << udp.errorString();
        delete m_udp;
        m_udp = nullptr;
        return finish(0);
    }
    connect(&udp, &QUdpSocket::readyRead, this, &PrinterDiscovery::readDatagrams);
    const QDeadlineTimer deadline(kSearchWaitMs, Qt::PreciseTimer);
    // Wakes the event loop's wait at the deadline, and often enough before it to see a
    // stop asked from another thread.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(std::min(kSearchWaitMs, kStopCheckMs));

    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        if (iface.type() != QNetworkInterface::Ethernet ||
            (iface.flags() & QNetworkInterface::IsLoopBack))
            continue;
        const auto addresses = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : addresses) {
            const QHostAddress broadcast = entry.broadcast();
            if (broadcast.isNull() || broadcast == QHostAddress(QHostAddress::AnyIPv4) ||
                broadcast == QHostAddress(QHostAddress::Any))
                continue;
            for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
                const qint64 sent = udp.writeDatagram(request, broadcast, udpPort);
                if (sent == request.size())
                    break;
                qDebug() << "Failed to send datagram to" << broadcast << sent << udp.errorString();
            }
        }
    }

    QPointer<PrinterDiscovery> self(this);
    int result = -1;
    while (result < 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!self)
            return 1; // the discovery went away with its socket
        if (!stopped() && deadline.hasExpired())
            result = 0; // the search ran its time
        else if (stopped() || m_answered)
            result = 1; // stopped by the user, or a printer answered
    }
    delete m_udp;
    m_udp = nullptr;
    return finish(result);
}

void PrinterDiscovery::readDatagrams()
{
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const qint64 size = m_udp->pendingDatagramSize();
        if (size <= netdiscovery::kRequestSize) {
            // Too short for a reply; this is also our own request coming back.
            char scratch[netdiscovery::kRequestSize];
            m_udp->readDatagram(scratch, sizeof(scratch));
            break;
        }
        QByteArray datagram(int(size), '\0');
        QHostAddress sender;
        const qint64 read = m_udp->readDatagram(datagram.data(), size, &sender);
        if (read < 0)
            break;
        datagram.truncate(int(read));
        QByteArray data;
        QList<QByteArray> strings;
        if (!netdiscovery::replyData(datagram, &data) ||
            !identity::split(reinterpret_cast<const uint8_t *>(data.constData()), data.size(),
                             &strings))
            continue;
        const QString address = netdiscovery::ipv4Text(sender.toString());
        if (m_models.contains(address))
            break;
        listPrinter(strings, address);
    }
}

bool PrinterDiscovery::listPrinter(const QList<QByteArray> &strings, const QString &address)
{
    QByteArray maker;
    if (!identity::manufacturer(strings.at(2), &maker))
        return false;
    const QString model = QString::fromLatin1(strings.at(1));
    m_models[address] = model;
    const QString entry = netdiscovery::entryText(QString::fromLatin1(maker), model, address);
    m_entries << entry;
    emit entryFound(entry);
    m_answered = true;
    return true;
}

int PrinterDiscovery::probe(const QString &host, quint16 port)
{
    begin();
    NetworkLink link;
    if (link.connectTo(host, port) != 0) {
        qDebug() << "[probe] connect fail";
        return finish(0);
    }
    if (stopped())
        return finish(1);
    unsigned char buffer[frame::kQueryOutSize] = {};
    if (queryOverLink(link, frame::ClassQuery, INFO_DEVICE_IDENTITY, buffer) != RESULT_OK)
        return finish(0);
    QList<QByteArray> strings;
    if (identity::split(buffer, int(sizeof(buffer)), &strings))
        listPrinter(strings, host);
    return finish(1);
}
