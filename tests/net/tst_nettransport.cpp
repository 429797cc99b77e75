// The network transport against the simulated printer and a raw peer on 127.0.0.1:
// reply assembly, time-outs, reconnection, the status word, the console reader and
// the wireless discovery by typed address. Nothing here sends a broadcast.
#include "app/globals.h"
#include "app/mainwindow.h"
#include "protocol/commandcodes.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "sim/simprinter.h"
#include "transport/nettransport.h"
#include "ui_mainwindow.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>
#include <cstring>
#include <memory>

namespace {

QtMessageHandler s_previousHandler = nullptr;

QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(QByteArray(hexText).replace(' ', ""));
}

QByteArray padded(const QByteArray &data, int size = frame::kQueryOutSize)
{
    return data + QByteArray(size - data.size(), '\0');
}

// A printer that is only a socket: records what arrives and answers with fixed bytes,
// for exact bytes on the wire and replies the simulator does not produce.
class RawPeer : public QObject
{
public:
    RawPeer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    received += socket->readAll();
                    if (!reply.isEmpty() && received.size() >= replyAfter) {
                        socket->write(reply);
                        reply.clear();
                    }
                });
            }
        });
    }
    quint16 port() const { return server.serverPort(); }

    QTcpServer server;
    QByteArray received;
    QByteArray reply;
    int replyAfter = frame::kOverhead;
};

PrinterConfig identityConfig(const QStringList &identity)
{
    PrinterConfig config = PrinterConfig::defaults();
    if (!identity.isEmpty())
        config.identity = identity;
    return config;
}

} // namespace

class TestNetTransport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void replyAssembly_data();
    void replyAssembly();
    void noCompleteReply_data();
    void noCompleteReply();
    void refusedConnection();
    void reconnectsAfterBracketDisconnected();
    void queryAndStatusBytesOnTheWire_data();
    void queryAndStatusBytesOnTheWire();
    void writeOnlyFrame();
    void longestReplyStaysInReplyArea();
    void consoleReaderHandsBytesToExchange();
    void wirelessDiscovery_data();
    void wirelessDiscovery();
    void olderTransportLeavesNewerOneAlone();
    void transportDeletedWhileWaiting();

private:
    void startSim(const PrinterConfig &config = PrinterConfig::defaults());
    void openRawPeer();

    std::unique_ptr<SimPrinter> m_sim;
    std::unique_ptr<RawPeer> m_peer;
    std::unique_ptr<DeviceIoContrl_Net> m_net;
};

void TestNetTransport::init()
{
    ret_mode = MEDIUM_NETWORK;
    rtBuf.clear();
    readReady_TCP = false;
    m_net = std::make_unique<DeviceIoContrl_Net>(nullptr);
    contrlNet = m_net.get();
}

void TestNetTransport::cleanup()
{
    contrlNet = nullptr;
    m_net.reset();
    m_peer.reset();
    m_sim.reset();
    ret_mode = MEDIUM_USB;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestNetTransport::startSim(const PrinterConfig &config)
{
    m_sim = std::make_unique<SimPrinter>(config);
    m_sim->setTcpPort(0);
    m_sim->setUdpEnabled(false);
    QString error;
    QVERIFY2(m_sim->start(&error), qPrintable(error));
    QCOMPARE(m_net->Connect_Server(QStringLiteral("127.0.0.1"), m_sim->tcpPort()), 0);
}

void TestNetTransport::openRawPeer()
{
    m_peer = std::make_unique<RawPeer>();
    QVERIFY(m_peer->server.isListening());
    QCOMPARE(m_net->Connect_Server(QStringLiteral("127.0.0.1"), m_peer->port()), 0);
}

void TestNetTransport::replyAssembly_data()
{
    QTest::addColumn<QStringList>("identity");
    QTest::addColumn<int>("segments");
    QTest::addColumn<QByteArray>("stray");
    QTest::addColumn<int>("delayMs");

    QTest::newRow("one segment") << QStringList() << 1 << QByteArray() << 0;
    QTest::newRow("three segments") << QStringList() << 3 << QByteArray() << 0;
    QTest::newRow("stray text before") << QStringList() << 1 << QByteArray("garbage\r\n") << 0;
    QTest::newRow("other item's frame before")
        << QStringList() << 1 << bytes("1B FF FE 02 0D 01 00 1B FE FF") << 0;
    QTest::newRow("late but in time") << QStringList() << 1 << QByteArray() << 400;
    // 200 data bytes: the length byte has bit 7 set and still counts 200.
    QTest::newRow("length byte over 127")
        << QStringList{"V", QString(100, 'M'), "MFG:Label;CMD:TSPL;", QString(80, 'x'), "y"} << 4
        << QByteArray() << 0;
}

void TestNetTransport::replyAssembly()
{
    QFETCH(QStringList, identity);
    QFETCH(int, segments);
    QFETCH(QByteArray, stray);
    QFETCH(int, delayMs);
    startSim(identityConfig(identity));
    m_sim->setReplySegments(segments, 2);
    m_sim->setStrayBytes(stray);
    m_sim->setReplyDelayMs(delayMs);
    const QByteArray data = m_sim->model().identityData();

    NetworkBracket bracket;
    unsigned char out[frame::kQueryOutSize];
    std::memset(out, 0xAA, sizeof(out));
    QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_OK));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(data));

    // The transport hands over the frame alone: the bytes before it are dropped.
    unsigned char request[] = {0x1B, 0xFF, 0xFE, 0x02, 0x0C, 0x00, 0x1B, 0xFE, 0xFF};
    unsigned char reply[frame::kReplyAreaSize] = {};
    int replyLength = -7;
    QCOMPARE(m_net->PrinterDataIORead(request, 9, reply, replyLength), int(RESULT_OK));
    QCOMPARE(replyLength, -7);
    const QByteArray expected = frame::build(0x02, 0x0C, data);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(reply), expected.size()), expected);
}

void TestNetTransport::noCompleteReply_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("waitsFullTimeout");
    enum
    {
        Silent,
        Late,
        WrongItem,
        Dropped,
        FlagReset
    };
    QTest::newRow("never answered") << int(Silent) << true;
    // Whatever runs from the event loop meanwhile may reset the shared time-out flag;
    // the wait keeps its own deadline.
    QTest::newRow("shared flag reset at the deadline") << int(FlagReset) << true;
    QTest::newRow("answered after 3.3 s") << int(Late) << true;
    // The reply marker includes the item, so over the network another item code is
    // never taken for the reply: the wait ends by time-out.
    QTest::newRow("other item code") << int(WrongItem) << true;
    QTest::newRow("connection dropped") << int(Dropped) << false;
}

void TestNetTransport::noCompleteReply()
{
    QFETCH(int, fault);
    QFETCH(bool, waitsFullTimeout);
    startSim();
    QTimer rescue;
    switch (fault) {
    case 0:
        m_sim->setSilentItems({INFO_DEVICE_IDENTITY});
        break;
    case 1:
        m_sim->setReplyDelayMs(3300);
        break;
    case 2:
        m_sim->setWrongItemItems({INFO_DEVICE_IDENTITY});
        break;
    case 3:
        m_sim->setDropAfterBytes(4);
        break;
    case 4:
        m_sim->setSilentItems({INFO_DEVICE_IDENTITY});
        s_previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                if (text == QLatin1String(" timeout "))
                    timeoutFlag_TCP = false;
                s_previousHandler(type, context, text);
            });
        // Ends a wait that trusted the flag after all, so that the test can report it.
        QObject::connect(&rescue, &QTimer::timeout, [] { timeoutFlag_TCP = true; });
        rescue.start(6000);
        break;
    }

    NetworkBracket bracket;
    unsigned char out[frame::kQueryOutSize];
    std::memset(out, 0xAA, sizeof(out));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_NETWORK));
    const qint64 elapsed = clock.elapsed();
    if (fault == 4)
        qInstallMessageHandler(s_previousHandler);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(QByteArray()));
    if (waitsFullTimeout) {
        QVERIFY2(elapsed >= 2990, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 4500, qPrintable(QString::number(elapsed)));
    }
    QVERIFY(timeoutFlag_TCP || !waitsFullTimeout || fault == 4);
}

void TestNetTransport::refusedConnection()
{
    startSim();
    const quint16 port = m_sim->tcpPort();
    m_sim->stop();
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_NETWORK));
    QCOMPARE(sendSetFrame(0x00, bytes("01")), int(RESULT_NETWORK));
    QCOMPARE(m_net->Connect_Server(QStringLiteral("127.0.0.1"), port), 1);
    QVERIFY(m_net->getHandle()->tcpSocket == nullptr);
}

void TestNetTransport::reconnectsAfterBracketDisconnected()
{
    startSim();
    const QByteArray data = m_sim->model().identityData();
    unsigned char out[frame::kQueryOutSize];
    {
        NetworkBracket bracket;
        QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_OK));
    }
    QTcpSocket *socket = m_net->getHandle()->tcpSocket;
    QVERIFY(socket);
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);

    QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_OK));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(data));
    QCOMPARE(sendSetFrame(0x00, bytes("01")), int(RESULT_OK));
}

void TestNetTransport::queryAndStatusBytesOnTheWire_data()
{
    QTest::addColumn<QByteArray>("statusReply");
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("word");
    QTest::newRow("status word") << bytes("1B FF FE 00 03 04 78 56 34 12 1B FE FF")
                                 << int(RESULT_OK) << 0x12345678u;
    // Too short for a word: the trailer is no status.
    QTest::newRow("no data") << bytes("1B FF FE 00 03 00 1B FE FF") << int(RESULT_BAD_REPLY) << 0u;
    QTest::newRow("two bytes") << bytes("1B FF FE 00 03 02 78 56 1B FE FF") << int(RESULT_BAD_REPLY)
                               << 0u;
}

void TestNetTransport::queryAndStatusBytesOnTheWire()
{
    QFETCH(QByteArray, statusReply);
    QFETCH(int, result);
    QFETCH(uint, word);
    openRawPeer();
    NetworkBracket bracket;
    m_peer->reply = statusReply;
    quint32 got = 0xFFFFFFFF;
    QCOMPARE(readPrinterStatusWord(&got), result);
    QCOMPARE(m_peer->received, bytes("1B FF FE 00 03 04 1B FE FF"));
    QCOMPARE(got, word);

    m_peer->received.clear();
    m_peer->reply = bytes("1B FF FE 02 13 01 05 1B FE FF");
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(GetPrinterInfo(INFO_PRINT_DENSITY, out, MEDIUM_NETWORK), int(RESULT_OK));
    QCOMPARE(m_peer->received, bytes("1B FF FE 02 13 00 1B FE FF"));
    QCOMPARE(int(out[0]), 5);
    QCOMPARE(int(out[1]), 0);
}

void TestNetTransport::writeOnlyFrame()
{
    openRawPeer();
    NetworkBracket bracket;
    QCOMPARE(sendSetFrame(0x00, bytes("02")), int(RESULT_OK));
    QTRY_COMPARE(m_peer->received, bytes("1B FF FE 01 00 01 02 1B FE FF"));
    QCOMPARE(SetPrinterStatusButton(POWER_SELF_TEST, MEDIUM_NETWORK), int(RESULT_OK));
    QTRY_COMPARE(m_peer->received,
                 bytes("1B FF FE 01 00 01 02 1B FE FF 1B FF FE 00 00 00 1B FE FF"));
}

void TestNetTransport::longestReplyStaysInReplyArea()
{
    openRawPeer();
    NetworkBracket bracket;
    // L = 0xFF: a 264-byte frame, followed by more bytes than the reply area holds.
    const QByteArray longest = frame::build(0x02, 0x3C, QByteArray(255, 'D'));
    QCOMPARE(longest.size(), frame::kReplyAreaSize);
    m_peer->reply = bytes("00 11 22") + longest + QByteArray(300, 'E');
    // Exactly the reply area on the heap, so that a copy past it is reported.
    std::unique_ptr<unsigned char[]> reply(new unsigned char[frame::kReplyAreaSize]);
    unsigned char request[] = {0x1B, 0xFF, 0xFE, 0x02, 0x3C, 0x00, 0x1B, 0xFE, 0xFF};
    int replyLength = 0;
    QCOMPARE(m_net->PrinterDataIORead(request, 9, reply.get(), replyLength), int(RESULT_OK));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(reply.get()), frame::kReplyAreaSize), longest);
}

void TestNetTransport::consoleReaderHandsBytesToExchange()
{
    startSim();
    m_sim->setReplyDelayMs(300);
    const QByteArray data = m_sim->model().identityData();
    NetworkBracket bracket;
    // The console reader runs inside the exchange's wait and takes the reply first.
    QByteArray taken;
    QTimer::singleShot(50, [&] {
        for (int i = 0; i < 5 && taken.isEmpty(); ++i)
            taken = m_net->readDebugData();
    });
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_OK));
    QVERIFY(taken.contains(frame::build(0x02, 0x0C, data)));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(data));
}

void TestNetTransport::wirelessDiscovery_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("searching");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("printer at the typed address")
        << true << true << 1 << QStringList{QStringLiteral("Label [P1] {127.0.0.1}")};
    QTest::newRow("nobody at the typed address") << false << true << 0 << QStringList();
    QTest::newRow("search already stopped") << true << false << 1 << QStringList();
}

void TestNetTransport::wirelessDiscovery()
{
    QFETCH(bool, listening);
    QFETCH(bool, searching);
    QFETCH(int, result);
    QFETCH(QStringList, entries);

    m_sim = std::make_unique<SimPrinter>(
        identityConfig({"VID", "P1", "MFG: Label ;CMD:TSPL;MDL:P1;", "PID", "message"}));
    m_sim->setTcpPort(0);
    m_sim->setUdpEnabled(false);
    QVERIFY(m_sim->start());
    const quint16 port = m_sim->tcpPort();
    if (!listening)
        m_sim->stop();

    MainWindow window;
    window.ui->checkBox_WIFI->setChecked(true);
    window.ui->lineEdit_ConnectAddr->setText(QStringLiteral("127.0.0.1"));
    window.ui->lineEdit_ConnectTCPPort->setText(QString::number(port));
    window.ui->comboBox_ScanResult->clear();
    DeviceIoContrl_Net net(&window);
    contrlNet = &net;
    getListStatus = searching;
    _PRINTER_ATTR attrs[kPrinterAttrCount] = {};
    Printer_Vector list;
    QCOMPARE(net.GetPrinterHandle(attrs, list), result);
    getListStatus = false;
    contrlNet = nullptr; // the window deletes the current transport when it goes

    QStringList listed;
    for (int i = 0; i < window.ui->comboBox_ScanResult->count(); ++i)
        listed << window.ui->comboBox_ScanResult->itemText(i);
    QCOMPARE(listed, entries);
    if (!searching)
        QCOMPARE(m_sim->connectionCount(), 0);
    // No datagram: the discovery socket was never bound.
    const auto udp = net.findChildren<QUdpSocket *>();
    QCOMPARE(udp.size(), 1);
    QCOMPARE(udp.first()->state(), QAbstractSocket::UnconnectedState);
}

void TestNetTransport::olderTransportLeavesNewerOneAlone()
{
    startSim();
    auto newer = std::make_unique<DeviceIoContrl_Net>(nullptr);
    QCOMPARE(DeviceIoContrl_Net::printer_handle_net, newer->getHandle());
    QCOMPARE(newer->Connect_Server(QStringLiteral("127.0.0.1"), m_sim->tcpPort()), 0);
    contrlNet = newer.get();
    NetworkBracket bracket;
    QTcpSocket *socket = newer->getHandle()->tcpSocket;
    QVERIFY(socket->waitForConnected(3000));

    // The first search's transport goes away after the second one was made.
    m_net.reset();
    QCOMPARE(DeviceIoContrl_Net::printer_handle_net, newer->getHandle());
    QCOMPARE(newer->getHandle()->tcpSocket, socket);
    QCOMPARE(socket->state(), QAbstractSocket::ConnectedState);
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(GetPrinterInfo(INFO_DEVICE_IDENTITY, out, MEDIUM_NETWORK), int(RESULT_OK));
    bracket.disconnectSocket();
    contrlNet = nullptr;
    newer.reset();
    QVERIFY(DeviceIoContrl_Net::printer_handle_net == nullptr);
}

void TestNetTransport::transportDeletedWhileWaiting()
{
    startSim();
    m_sim->setSilentItems({INFO_DEVICE_IDENTITY});
    NetworkBracket::connectSocket();
    // The window closes while an exchange waits for its reply: the wait ends at once
    // and nothing of the transport (socket, timer, record) is touched afterwards.
    QTimer::singleShot(100, [this] {
        contrlNet = nullptr;
        m_net.reset();
    });
    unsigned char request[] = {0x1B, 0xFF, 0xFE, 0x02, 0x0C, 0x00, 0x1B, 0xFE, 0xFF};
    unsigned char reply[frame::kReplyAreaSize] = {};
    int replyLength = 0;
    DeviceIoContrl_Net *net = m_net.get();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(net->PrinterDataIORead(request, 9, reply, replyLength), int(RESULT_NETWORK));
    QVERIFY(clock.elapsed() < 2500);
    QVERIFY(!m_net);
}

QTEST_MAIN(TestNetTransport)
#include "tst_nettransport.moc"
