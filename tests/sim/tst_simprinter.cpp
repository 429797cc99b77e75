// The simulated printer over real sockets on 127.0.0.1 (ephemeral ports only):
// queries, function answers, the delivery faults and the discovery responder.

#include "sim/simprinter.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {

QByteArray hx(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

QString spaced(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex(' ').toUpper());
}

PrinterConfig testConfig()
{
    PrinterConfig c = PrinterConfig::defaults();
    c.identity = QStringList{"A", "K1", "MFG:L;MDL:K1;", "B", "C"};
    c.settings[0x19] = hx("18 00");
    c.dropDelayMs = 50;
    return c;
}

// A printer on ephemeral loopback ports.
std::unique_ptr<SimPrinter> startPrinter(const PrinterConfig &config = testConfig())
{
    auto p = std::make_unique<SimPrinter>(config);
    p->setTcpPort(0);
    p->setUdpPort(0);
    QString error;
    if (!p->start(&error))
        qWarning("start failed: %s", qPrintable(error));
    return p;
}

bool connectTo(QTcpSocket &s, const SimPrinter &p)
{
    s.connectToHost(QHostAddress::LocalHost, p.tcpPort());
    return s.waitForConnected(3000);
}

// Reads until `count` bytes have arrived or `ms` passed; returns what arrived.
QByteArray readBytes(QTcpSocket &s, int count, int ms = 3000)
{
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (got.size() < count && t.elapsed() < ms) {
        if (s.bytesAvailable() == 0)
            s.waitForReadyRead(int(qMax<qint64>(1, ms - t.elapsed())));
        got += s.readAll();
    }
    return got;
}

QByteArray discoveryRequest(quint8 sequence)
{
    return QByteArray(1, char(sequence)) + hx("1B FF FE 02 0C 00 1B FE FF");
}

// Waits for datagrams to `socket` for `ms`; returns them in order.
QList<QByteArray> receiveDatagrams(QUdpSocket &socket, int ms, int stopAfter = 100)
{
    QList<QByteArray> got;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && got.size() < stopAfter) {
        if (!socket.hasPendingDatagrams())
            socket.waitForReadyRead(int(qMax<qint64>(1, ms - t.elapsed())));
        while (socket.hasPendingDatagrams()) {
            QByteArray d(int(socket.pendingDatagramSize()), Qt::Uninitialized);
            socket.readDatagram(d.data(), d.size());
            got << d;
        }
    }
    return got;
}

} // namespace

class TestSimPrinter : public QObject
{
    Q_OBJECT

private slots:
    void startReportsPorts();
    void portInUseFailsToStart();
    void threadInitRunsOnSimulatorThread();
    void queryAnswered();
    void statusWord();
    void setFramesStoredOverTcp();
    void severalConnectionsInTurn();
    void replySplitIntoSegments();
    void replyDelayed();
    void strayBytesBeforeReply();
    void wrongItemAndLengthBit7();
    void silentItemLeavesConnectionUsable();
    void dropAfterBytes();
    void refuseByClosingAfterAccept();
    void refuseByNotListening();
    void restartDropsConnection_data();
    void restartDropsConnection();
    void rawDataCountedAndHashed();
    void slowReadMakesWriterWait();
    void stopWithOpenConnection();
    void discoveryAnswered();
    void discoveryUsesStoredIdentity();
    void discoveryIgnoresOtherDatagrams();
    void discoveryFaults_data();
    void discoveryFaults();
    void discoveryDuplicate();
};

void TestSimPrinter::startReportsPorts()
{
    auto p = startPrinter();
    QVERIFY(p->isRunning());
    QVERIFY(p->tcpPort() != 0);
    QVERIFY(p->udpPort() != 0);
    QCOMPARE(p->tcpAddress(), QHostAddress(QHostAddress::LocalHost));
    p->stop();
    QVERIFY(!p->isRunning());
    p->stop(); // twice is harmless
}

void TestSimPrinter::portInUseFailsToStart()
{
    auto first = startPrinter();
    SimPrinter second(testConfig());
    second.setTcpPort(first->tcpPort());
    second.setUdpEnabled(false);
    QString error;
    QVERIFY(!second.start(&error));
    QVERIFY(error.contains("TCP"));
    QVERIFY(!second.isRunning());
}

void TestSimPrinter::threadInitRunsOnSimulatorThread()
{
    SimPrinter p(testConfig());
    p.setTcpPort(0);
    p.setUdpEnabled(false);
    QThread *initThread = nullptr;
    p.setThreadInit([&](QString *) {
        initThread = QThread::currentThread();
        return true;
    });
    QVERIFY(p.start());
    QVERIFY(initThread != nullptr);
    QVERIFY(initThread != QThread::currentThread());
    p.stop();

    p.setThreadInit([](QString *error) {
        *error = "no namespace";
        return false;
    });
    QString error;
    QVERIFY(!p.start(&error));
    QCOMPARE(error, QStringLiteral("no namespace"));
    QVERIFY(!p.isRunning());
}

void TestSimPrinter::queryAnswered()
{
    auto p = startPrinter();
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 11)), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
    QCOMPARE(p->receivedFrames().size(), 1);
    QCOMPARE(p->connectionCount(), 1);
}

void TestSimPrinter::statusWord()
{
    auto p = startPrinter();
    p->setStatusWord(0x0A);
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 00 03 04 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 13)), spaced(hx("1B FF FE 00 03 04 0A 00 00 00 1B FE FF")));
    QCOMPARE(p->functionCodes(), QList<quint8>{0x03});
}

void TestSimPrinter::setFramesStoredOverTcp()
{
    auto p = startPrinter();
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 01 0F 04 8C 23 8D 23 1B FE FF"));
    s.write(hx("1B FF FE 01 28 11 00 C0 A8 01 32 FF FF FF 00 C0 A8 01 01 00 00 00 00 1B FE FF"));
    s.write(hx("1B FF FE 02 28 00 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 26)),
             spaced(hx("1B FF FE 02 28 11 00 C0 A8 01 32 C0 A8 01 01 FF FF FF 00 00 00 00 00 "
                       "1B FE FF")));
    QCOMPARE(spaced(p->value(0x0F)), spaced(hx("8C 23 8D 23")));
}

void TestSimPrinter::severalConnectionsInTurn()
{
    auto p = startPrinter();
    for (int i = 0; i < 3; ++i) {
        QTcpSocket s;
        QVERIFY(connectTo(s, *p));
        // Half a frame left behind by the previous connection must not spoil this one.
        s.write(hx("1B FF FE 02 19 00 1B FE FF 1B FF FE 02"));
        QCOMPARE(spaced(readBytes(s, 11)), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
        s.disconnectFromHost();
        if (s.state() != QAbstractSocket::UnconnectedState)
            QVERIFY(s.waitForDisconnected(3000));
    }
    QCOMPARE(p->connectionCount(), 3);
    QTRY_COMPARE(p->openConnections(), 0);
    QTRY_COMPARE(p->rawByteCount(), 3 * 4);
}

void TestSimPrinter::replySplitIntoSegments()
{
    auto p = startPrinter();
    p->setReplySegments(3, 150);
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QList<QByteArray> arrivals;
    QByteArray all;
    while (all.size() < 11 && s.waitForReadyRead(3000)) {
        arrivals << s.readAll();
        all += arrivals.last();
    }
    QCOMPARE(spaced(all), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
    QCOMPARE(arrivals.size(), 3);
    QCOMPARE(spaced(arrivals.first()), spaced(hx("1B FF FE 02")));
}

void TestSimPrinter::replyDelayed()
{
    auto p = startPrinter();
    p->setReplyDelayMs(400);
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    // Nothing can arrive before the delay has passed, however slow this machine is.
    QVERIFY(!s.waitForReadyRead(100));
    QCOMPARE(spaced(readBytes(s, 11)), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
}

void TestSimPrinter::strayBytesBeforeReply()
{
    auto p = startPrinter();
    p->setStrayBytes(hx("00 AA 55"));
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 14)), spaced(hx("00 AA 55 1B FF FE 02 19 02 18 00 1B FE FF")));
}

void TestSimPrinter::wrongItemAndLengthBit7()
{
    auto p = startPrinter();
    p->setWrongItemItems({0x19});
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 11)), spaced(hx("1B FF FE 02 1A 02 18 00 1B FE FF")));
    p->setWrongItemItems({});
    p->setLengthBit7(true);
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 11)), spaced(hx("1B FF FE 02 19 82 18 00 1B FE FF")));
}

void TestSimPrinter::silentItemLeavesConnectionUsable()
{
    auto p = startPrinter();
    p->setSilentItems({0x19});
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QVERIFY(!s.waitForReadyRead(300));
    s.write(hx("1B FF FE 00 03 04 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 13)), spaced(hx("1B FF FE 00 03 04 00 00 00 00 1B FE FF")));
    QCOMPARE(p->receivedFrames().size(), 2);
}

void TestSimPrinter::dropAfterBytes()
{
    auto p = startPrinter();
    p->setDropAfterBytes(5);
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QVERIFY(s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(3000));
    QCOMPARE(s.readAll(), QByteArray());
    QCOMPARE(p->bytesReceived(), 5);
    QCOMPARE(p->receivedFrames().size(), 0);
    QTRY_COMPARE(p->rawByteCount(), 5); // the cut frame is raw data
}

void TestSimPrinter::refuseByClosingAfterAccept()
{
    auto p = startPrinter();
    p->setRefuseMode(RefuseMode::CloseAfterAccept);
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QVERIFY(s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(3000));
    QCOMPARE(s.readAll(), QByteArray());
    QCOMPARE(p->connectionCount(), 1);
    QCOMPARE(p->receivedFrames().size(), 0);
}

void TestSimPrinter::refuseByNotListening()
{
    auto p = startPrinter();
    const quint16 port = p->tcpPort();
    p->setRefuseMode(RefuseMode::NotListening);
    // The switch reaches the server thread shortly after the call.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            s.waitForConnected(1000);
            return s.error() == QAbstractSocket::ConnectionRefusedError;
        }(),
        3000);
    p->setRefuseMode(RefuseMode::None);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            return s.waitForConnected(1000);
        }(),
        3000);
    QCOMPARE(p->tcpPort(), port);
}

void TestSimPrinter::restartDropsConnection_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("code");
    QTest::newRow("restart") << hx("1B FF FE 00 02 00 1B FE FF") << 2;
    QTest::newRow("initialisation") << hx("1B FF FE 00 05 00 1B FE FF") << 5;
}

void TestSimPrinter::restartDropsConnection()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, code);
    auto p = startPrinter();
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(frame);
    QVERIFY(s.waitForDisconnected(3000));
    QCOMPARE(p->functionCodes(), QList<quint8>{quint8(code)});
    // The printer is back for the next connection.
    QTcpSocket again;
    QVERIFY(connectTo(again, *p));
}

void TestSimPrinter::rawDataCountedAndHashed()
{
    auto p = startPrinter();
    QByteArray data(1 << 20, Qt::Uninitialized);
    QRandomGenerator rng(99);
    for (char &c : data)
        c = char(rng.bounded(0x1B)); // no header or trailer can appear
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    for (int pos = 0; pos < data.size(); pos += 850)
        s.write(data.mid(pos, 850));
    while (s.bytesToWrite() > 0 && s.waitForBytesWritten(3000)) {
    }
    QTRY_COMPARE_WITH_TIMEOUT(p->rawByteCount(), qint64(data.size()), 10000);
    QCOMPARE(p->rawSha256().toHex(),
             QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

void TestSimPrinter::slowReadMakesWriterWait()
{
    auto p = startPrinter();
    p->setSlowRead(4096, 20);
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, 64 * 1024);
    const QByteArray data(1 << 20, 'x');
    s.write(data);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 200)
        s.waitForBytesWritten(20);
    // A printer reading 200 KB/s cannot have taken 1 MiB yet: the writer waits.
    QVERIFY(s.bytesToWrite() > 0);
    QVERIFY(p->rawByteCount() < data.size());

    p->setSlowRead(0, 0);
    s.write(hx("1B FF FE 02 19 00 1B FE FF"));
    QCOMPARE(spaced(readBytes(s, 11, 10000)), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
    QCOMPARE(p->rawByteCount(), qint64(data.size()));
}

void TestSimPrinter::stopWithOpenConnection()
{
    auto p = startPrinter();
    QTcpSocket s;
    QVERIFY(connectTo(s, *p));
    s.write(hx("1B FF FE 02 19"));
    QTRY_COMPARE(p->bytesReceived(), 5);
    p->stop();
    QVERIFY(s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(3000));
    QCOMPARE(p->rawByteCount(), 5); // the half frame was flushed to the raw sink
}

void TestSimPrinter::discoveryAnswered()
{
    auto p = startPrinter();
    QUdpSocket u;
    QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
    u.writeDatagram(discoveryRequest(0x07), QHostAddress::LocalHost, p->udpPort());
    const QList<QByteArray> got = receiveDatagrams(u, 3000, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(spaced(got.first()),
             spaced(hx("07 1B FF FE 02 0C 17 41 00 4B 31 00 4D 46 47 3A 4C 3B 4D 44 4C 3A 4B 31 "
                       "3B 00 42 00 43 00 1B FE FF")));
    QCOMPARE(p->udpRequestCount(), 1);
}

void TestSimPrinter::discoveryUsesStoredIdentity()
{
    auto p = startPrinter();
    p->setValue(0x0C, QByteArray("V\0M\0D", 5));
    QUdpSocket u;
    QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
    u.writeDatagram(discoveryRequest(0x01), QHostAddress::LocalHost, p->udpPort());
    const QList<QByteArray> got = receiveDatagrams(u, 3000, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(spaced(got.first()), spaced(hx("01 1B FF FE 02 0C 05 56 00 4D 00 44 1B FE FF")));
}

void TestSimPrinter::discoveryIgnoresOtherDatagrams()
{
    auto p = startPrinter();
    QUdpSocket u;
    QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
    const QList<QByteArray> noise{
        "hello",
        hx("1B FF FE 02 0C 00 1B FE FF"),                   // no sequence byte
        hx("01 1B FF FE 02 0C 00 1B FE FF 00"),             // 11 bytes
        hx("01 1B FF FE 02 0D 00 1B FE FF"),                // another item
        hx("01 1B FF FE 02 0C 17 41 00 4B 31 00 1B FE FF"), // somebody's reply
    };
    for (const QByteArray &d : noise)
        u.writeDatagram(d, QHostAddress::LocalHost, p->udpPort());
    u.writeDatagram(discoveryRequest(0x42), QHostAddress::LocalHost, p->udpPort());
    const QList<QByteArray> got = receiveDatagrams(u, 500);
    QCOMPARE(got.size(), 1);
    QCOMPARE(int(quint8(got.first().at(0))), 0x42);
    QCOMPARE(p->udpRequestCount(), 1);
}

void TestSimPrinter::discoveryFaults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("ten bytes") << int(UdpReplyFault::TenBytes)
                               << hx("07 1B FF FE 02 0C 17 41 00 4B");
    QTest::newRow("no MFG") << int(UdpReplyFault::NoMfg)
                            << hx("07 1B FF FE 02 0C 17 41 00 4B 31 00 4D 46 52 3A 4C 3B 4D 44 4C "
                                  "3A 4B 31 3B 00 42 00 43 00 1B FE FF");
    QTest::newRow("length 0") << int(UdpReplyFault::LengthZero)
                              << hx("07 1B FF FE 02 0C 00 41 00 4B 31 00 4D 46 47 3A 4C 3B 4D 44 "
                                    "4C 3A 4B 31 3B 00 42 00 43 00 1B FE FF");
    QTest::newRow("length bit 7") << int(UdpReplyFault::LengthBit7)
                                  << hx("07 1B FF FE 02 0C 97 41 00 4B 31 00 4D 46 47 3A 4C 3B 4D "
                                        "44 4C 3A 4B 31 3B 00 42 00 43 00 1B FE FF");
    // 7 + 23 bytes announced, 18 sent.
    QTest::newRow("length beyond the datagram")
        << int(UdpReplyFault::LengthTooLong)
        << hx("07 1B FF FE 02 0C 17 41 00 4B 31 00 4D 46 47 3A 4C 3B");
}

void TestSimPrinter::discoveryFaults()
{
    QFETCH(int, fault);
    QFETCH(QByteArray, reply);
    auto p = startPrinter();
    p->setUdpFault(UdpReplyFault(fault));
    QUdpSocket u;
    QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
    u.writeDatagram(discoveryRequest(0x07), QHostAddress::LocalHost, p->udpPort());
    const QList<QByteArray> got = receiveDatagrams(u, 3000, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(spaced(got.first()), spaced(reply));
}

void TestSimPrinter::discoveryDuplicate()
{
    auto p = startPrinter();
    p->setUdpDuplicate(true);
    QUdpSocket u;
    QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
    u.writeDatagram(discoveryRequest(0x09), QHostAddress::LocalHost, p->udpPort());
    const QList<QByteArray> got = receiveDatagrams(u, 3000, 2);
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(0), got.at(1));
    QCOMPARE(p->udpReplyCount(), 2);

    // Silence is a fault too.
    p->setUdpDuplicate(false);
    p->setUdpFault(UdpReplyFault::NoReply);
    u.writeDatagram(discoveryRequest(0x0A), QHostAddress::LocalHost, p->udpPort());
    QCOMPARE(receiveDatagrams(u, 300).size(), 0);
    QCOMPARE(p->udpRequestCount(), 2);
}

QTEST_GUILESS_MAIN(TestSimPrinter)
#include "tst_simprinter.moc"
