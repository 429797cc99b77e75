// The discovery datagrams: the request bytes on the wire, the sequence byte rule and
// the reply checks that keep a bad datagram from being read past its end.
#include "transport/netdiscovery.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(QByteArray(hexText).replace(' ', ""));
}
} // namespace

class TestNetDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void requestBytes_data();
    void requestBytes();
    void sequenceNeverRepeatsPrevious();
    void replyData_data();
    void replyData();
    void replyDataStaysInsideDatagram();
    void ipv4Text_data();
    void ipv4Text();
};

void TestNetDiscovery::requestBytes_data()
{
    QTest::addColumn<int>("sequence");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("0") << 0 << bytes("00 1B FF FE 02 0C 00 1B FE FF");
    QTest::newRow("99") << 99 << bytes("63 1B FF FE 02 0C 00 1B FE FF");
}

void TestNetDiscovery::requestBytes()
{
    QFETCH(int, sequence);
    QFETCH(QByteArray, expected);
    QCOMPARE(netdiscovery::buildRequest(uint8_t(sequence)), expected);
}

void TestNetDiscovery::sequenceNeverRepeatsPrevious()
{
    QRandomGenerator generator(12345);
    int previous = -1;
    QSet<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int value = netdiscovery::nextSequenceByte(generator, previous);
        QVERIFY(value >= 0 && value <= 99);
        QVERIFY(value != previous);
        seen.insert(value);
        previous = value;
    }
    QCOMPARE(seen.size(), 100);
}

void TestNetDiscovery::replyData_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("data");
    // seq, head, class, item, L, data, trailer
    QTest::newRow("whole reply") << bytes("07 1B FF FE 02 0C 03 41 00 42 1B FE FF") << true
                                 << bytes("41 00 42");
    QTest::newRow("no trailer, data complete")
        << bytes("07 1B FF FE 02 0C 02 41 00") << true << bytes("41 00");
    QTest::newRow("length 0") << bytes("07 1B FF FE 02 0C 00 1B FE FF") << false << QByteArray();
    QTest::newRow("length 0x80") << (bytes("07 1B FF FE 02 0C 80") + QByteArray(200, 'A')) << false
                                 << QByteArray();
    QTest::newRow("length past the end")
        << bytes("07 1B FF FE 02 0C 05 41 00 42 1B") << false << QByteArray();
    QTest::newRow("no length byte") << bytes("07 1B FF FE 02 0C") << false << QByteArray();
    QTest::newRow("length 127") << (bytes("07 1B FF FE 02 0C 7F") + QByteArray(127, 'B')) << true
                                << QByteArray(127, 'B');
}

void TestNetDiscovery::replyData()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, accepted);
    QFETCH(QByteArray, data);
    QByteArray out("untouched");
    QCOMPARE(netdiscovery::replyData(datagram, &out), accepted);
    QCOMPARE(out, accepted ? data : QByteArray("untouched"));
}

void TestNetDiscovery::replyDataStaysInsideDatagram()
{
    // A datagram that ends exactly where its data ends, in a buffer of its own size:
    // AddressSanitizer reports any read past it.
    const QByteArray head = bytes("07 1B FF FE 02 0C 10");
    for (int size = 0; size <= head.size() + 0x10; ++size) {
        QByteArray datagram = (head + QByteArray(0x10, 'x')).left(size);
        QByteArray data;
        const bool accepted =
            netdiscovery::replyData(QByteArray(datagram.constData(), datagram.size()), &data);
        QCOMPARE(accepted, size == head.size() + 0x10);
    }
}

void TestNetDiscovery::ipv4Text_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "10.250.1.2"
                           << "10.250.1.2";
    QTest::newRow("mapped") << "::ffff:10.250.2.2"
                            << "10.250.2.2";
    QTest::newRow("ipv6") << "fe80::1"
                          << "";
}

void TestNetDiscovery::ipv4Text()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(netdiscovery::ipv4Text(address), expected);
}

QTEST_GUILESS_MAIN(TestNetDiscovery)
#include "tst_netdiscovery.moc"
