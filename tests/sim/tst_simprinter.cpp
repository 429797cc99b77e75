// The simulated printer over real sockets on 127.0.0.1 (ephemeral ports only):
// queries, function answers, the delivery faults and the discovery responder.

#include "sim/simprinter.h"

#include <QElapsedTimer>
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
    void queryAnswered();
    void replySplitIntoSegments();
    void silentItemLeavesConnectionUsable();
    void restartDropsConnection_data();
    void restartDropsConnection();
    void discoveryAnswered();
    void discoveryIgnoresOtherDatagrams();
    void discoveryFaults_data();
    void discoveryFaults();
    void discoveryDuplicate();
};

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
