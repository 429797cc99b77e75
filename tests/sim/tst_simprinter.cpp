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

// A printer on ephemeral loopback ports.
std::unique_ptr<SimPrinter> startPrinter()
{
    PrinterConfig c = PrinterConfig::defaults();
    c.identity = QStringList{"A", "K1", "MFG:L;MDL:K1;", "B", "C"};
    c.settings[0x19] = hx("18 00");
    c.dropDelayMs = 50;
    auto p = std::make_unique<SimPrinter>(c);
    p->setTcpPort(0);
    p->setUdpPort(0);
    QString error;
    if (!p->start(&error))
        qWarning("start failed: %s", qPrintable(error));
    return p;
}

// Writes `request` on a new connection; returns the pieces that arrive until `count`
// bytes are there or `ms` passed.
QList<QByteArray> exchange(QTcpSocket &s, const SimPrinter &p, const QByteArray &request, int count,
                           int ms = 3000)
{
    if (s.state() != QAbstractSocket::ConnectedState) {
        s.connectToHost(QHostAddress::LocalHost, p.tcpPort());
        if (!s.waitForConnected(3000))
            return {};
    }
    s.write(request);
    QList<QByteArray> pieces;
    int got = 0;
    QElapsedTimer t;
    t.start();
    while (got < count && t.elapsed() < ms && s.waitForReadyRead(int(ms - t.elapsed()))) {
        pieces << s.readAll();
        got += pieces.last().size();
    }
    return pieces;
}

} // namespace

class TestSimPrinter : public QObject
{
    Q_OBJECT

private slots:
    void replySplitIntoSegments();
    void silentItemLeavesConnectionUsable();
    void restartDropsConnection_data();
    void restartDropsConnection();
    void discovery_data();
    void discovery();
};

void TestSimPrinter::replySplitIntoSegments()
{
    auto p = startPrinter();
    p->setReplySegments(3, 150);
    QTcpSocket s;
    const QList<QByteArray> pieces = exchange(s, *p, hx("1B FF FE 02 19 00 1B FE FF"), 11);
    QCOMPARE(spaced(pieces.join()), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
    QCOMPARE(pieces.size(), 3);
    QCOMPARE(spaced(pieces.first()), spaced(hx("1B FF FE 02")));
    QCOMPARE(p->connectionCount(), 1);
}

void TestSimPrinter::silentItemLeavesConnectionUsable()
{
    auto p = startPrinter();
    p->setSilentItems({0x19});
    QTcpSocket s;
    QCOMPARE(exchange(s, *p, hx("1B FF FE 02 19 00 1B FE FF"), 1, 300), QList<QByteArray>());
    QCOMPARE(spaced(exchange(s, *p, hx("1B FF FE 00 03 04 1B FE FF"), 13).join()),
             spaced(hx("1B FF FE 00 03 04 00 00 00 00 1B FE FF")));
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
    exchange(s, *p, frame, 0);
    QVERIFY(s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(3000));
    QCOMPARE(p->functionCodes(), QList<quint8>{quint8(code)});
    // The printer is back for the next connection.
    QTcpSocket again;
    again.connectToHost(QHostAddress::LocalHost, p->tcpPort());
    QVERIFY(again.waitForConnected(3000));
}

// Datagrams sent to the discovery port (the request last), and the replies.
void TestSimPrinter::discovery_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("duplicate");
    QTest::addColumn<QList<QByteArray>>("noise");
    QTest::addColumn<QList<QByteArray>>("replies");
    const QByteArray full = hx("07 1B FF FE 02 0C 17 41 00 4B 31 00 4D 46 47 3A 4C 3B 4D 44 4C 3A "
                               "4B 31 3B 00 42 00 43 00 1B FE FF");
    auto row = [](const char *name, UdpReplyFault fault, const QList<QByteArray> &replies,
                  const QList<QByteArray> &noise = {}, bool duplicate = false) {
        QTest::newRow(name) << int(fault) << duplicate << noise << replies;
    };
    row("answered", UdpReplyFault::None, {full});
    row("other datagrams ignored", UdpReplyFault::None, {full},
        {"hello", hx("1B FF FE 02 0C 00 1B FE FF"),            // no sequence byte
         hx("01 1B FF FE 02 0C 00 1B FE FF 00"),               // 11 bytes
         hx("01 1B FF FE 02 0D 00 1B FE FF"),                  // another item
         hx("01 1B FF FE 02 0C 17 41 00 4B 31 00 1B FE FF")}); // somebody's reply
    row("duplicate", UdpReplyFault::None, {full, full}, {}, true);
    row("no reply", UdpReplyFault::NoReply, {});
    row("ten bytes", UdpReplyFault::TenBytes, {full.left(10)});
    row("no MFG", UdpReplyFault::NoMfg, {QByteArray(full).replace("MFG", "MFR")});
    row("length 0", UdpReplyFault::LengthZero, {QByteArray(full).replace(6, 1, hx("00"))});
    row("length bit 7", UdpReplyFault::LengthBit7, {QByteArray(full).replace(6, 1, hx("97"))});
    // 7 + 23 bytes announced, 18 sent.
    row("length beyond the datagram", UdpReplyFault::LengthTooLong, {full.left(18)});
}

void TestSimPrinter::discovery()
{
    QFETCH(int, fault);
    QFETCH(bool, duplicate);
    QFETCH(QList<QByteArray>, noise);
    QFETCH(QList<QByteArray>, replies);
    auto p = startPrinter();
    p->setUdpFault(UdpReplyFault(fault));
    p->setUdpDuplicate(duplicate);
    QUdpSocket u;
    QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
    for (const QByteArray &d : noise + QList<QByteArray>{hx("07 1B FF FE 02 0C 00 1B FE FF")})
        u.writeDatagram(d, QHostAddress::LocalHost, p->udpPort());
    // Wait for the replies expected, then a little longer for any extra one.
    QList<QByteArray> got;
    QElapsedTimer t;
    t.start();
    for (bool last = false; !last && t.elapsed() < 3000;) {
        last = got.size() >= replies.size();
        u.waitForReadyRead(last ? 200 : 100);
        while (u.hasPendingDatagrams()) {
            QByteArray d(int(u.pendingDatagramSize()), Qt::Uninitialized);
            u.readDatagram(d.data(), d.size());
            got << d;
        }
    }
    QCOMPARE(got, replies);
    QCOMPARE(p->udpRequestCount(), 1);
}

QTEST_GUILESS_MAIN(TestSimPrinter)
#include "tst_simprinter.moc"
