// The network link and the printer session over it, against the simulated printer and
// a raw peer on 127.0.0.1: reply assembly, time-outs, reconnection, the status word,
// refusals while busy, the console reader and the probe of a typed address. Nothing
// here sends a broadcast.
#include "protocol/commandcodes.h"
#include "protocol/frame.h"
#include "protocol/printersession.h"
#include "sim/simprinter.h"
#include "transport/discovery.h"
#include "transport/networklink.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <cstring>
#include <memory>

namespace {

QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(QByteArray(hexText).replace(' ', ""));
}

QByteArray padded(const QByteArray &data, int size = frame::kQueryOutSize)
{
    return data + QByteArray(size - data.size(), '\0');
}

const QByteArray kIdentityQuery = bytes("1B FF FE 02 0C 00 1B FE FF");

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
                    if (!reply.isEmpty() && received.size() >= frame::kOverhead) {
                        socket->write(reply);
                        reply.clear();
                    }
                });
            }
        });
    }
    QTcpServer server;
    QByteArray received;
    QByteArray reply;
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
    void reconnectsAfterOperation();
    void statusWordAndQueryBytes_data();
    void statusWordAndQueryBytes();
    void writeOnlyFrames();
    void refusedWhileBusy_data();
    void refusedWhileBusy();
    void longestReplyStaysInReplyArea();
    void consoleReaderHandsBytesToExchange();
    void probe_data();
    void probe();
    void adoptModel_data();
    void adoptModel();

private:
    void startSim(const PrinterConfig &config = PrinterConfig::defaults());
    void openRawPeer();
    NetworkLink *link() const { return static_cast<NetworkLink *>(m_session->link()); }

    std::unique_ptr<SimPrinter> m_sim;
    std::unique_ptr<RawPeer> m_peer;
    std::unique_ptr<PrinterSession> m_session;
};

void TestNetTransport::init()
{
    m_session = std::make_unique<PrinterSession>();
}

void TestNetTransport::cleanup()
{
    m_session.reset();
    m_peer.reset();
    m_sim.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestNetTransport::startSim(const PrinterConfig &config)
{
    m_sim = std::make_unique<SimPrinter>(config);
    m_sim->setTcpPort(0);
    m_sim->setUdpEnabled(false);
    QString error;
    QVERIFY2(m_sim->start(&error), qPrintable(error));
    QCOMPARE(m_session->openNetwork(QStringLiteral("127.0.0.1"), m_sim->tcpPort()), 0);
}

void TestNetTransport::openRawPeer()
{
    m_peer = std::make_unique<RawPeer>();
    QVERIFY(m_peer->server.isListening());
    QCOMPARE(m_session->openNetwork(QStringLiteral("127.0.0.1"), m_peer->server.serverPort()), 0);
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

    PrinterSession::Operation operation(*m_session);
    unsigned char out[frame::kQueryOutSize];
    std::memset(out, 0xAA, sizeof(out));
    int length = -1;
    QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out, &length), int(RESULT_OK));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(data));
    QCOMPARE(length, data.size());

    // The link hands over the frame alone: the bytes before it are dropped.
    unsigned char reply[frame::kReplyAreaSize] = {};
    QCOMPARE(link()->exchange(kIdentityQuery, reply), int(RESULT_OK));
    const QByteArray expected = frame::build(0x02, 0x0C, data);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(reply), expected.size()), expected);
}

void TestNetTransport::noCompleteReply_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("waitsFullTimeout");
    QTest::newRow("never answered") << 0 << true;
    QTest::newRow("answered after 3.3 s") << 1 << true;
    // The reply marker includes the item, so over the network another item code is
    // never taken for the reply: the wait ends by time-out.
    QTest::newRow("other item code") << 2 << true;
    QTest::newRow("connection dropped") << 3 << true;
    // The window closes the printer while an exchange waits: the wait ends at once.
    QTest::newRow("closed while waiting") << 4 << false;
}

void TestNetTransport::noCompleteReply()
{
    QFETCH(int, fault);
    QFETCH(bool, waitsFullTimeout);
    startSim();
    if (fault == 1)
        m_sim->setReplyDelayMs(3300);
    else if (fault == 2)
        m_sim->setWrongItemItems({INFO_DEVICE_IDENTITY});
    else if (fault == 3)
        m_sim->setDropAfterBytes(4);
    else
        m_sim->setSilentItems({INFO_DEVICE_IDENTITY});
    if (fault == 4)
        QTimer::singleShot(100, m_session.get(), [this] { m_session->close(); });

    PrinterSession::Operation operation(*m_session);
    unsigned char out[frame::kQueryOutSize];
    std::memset(out, 0xAA, sizeof(out));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out), int(RESULT_NETWORK));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(QByteArray()));
    QVERIFY2(waitsFullTimeout ? elapsed >= 2990 && elapsed < 4500 : elapsed < 2500,
             qPrintable(QString::number(elapsed)));
}

void TestNetTransport::refusedConnection()
{
    startSim();
    const quint16 port = m_sim->tcpPort();
    m_sim->stop();
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out), int(RESULT_NETWORK));
    QCOMPARE(m_session->sendSet(0x00, bytes("01")), int(RESULT_NETWORK));
    QCOMPARE(m_session->openNetwork(QStringLiteral("127.0.0.1"), port), 1);
    QVERIFY(!m_session->link());
    QCOMPARE(m_session->sendSet(0x00, bytes("01")), int(RESULT_NETWORK));
}

void TestNetTransport::reconnectsAfterOperation()
{
    startSim();
    const QByteArray data = m_sim->model().identityData();
    unsigned char out[frame::kQueryOutSize];
    {
        PrinterSession::Operation operation(*m_session);
        QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out), int(RESULT_OK));
    }
    QTRY_COMPARE(link()->socket()->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out), int(RESULT_OK));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(data));
    QCOMPARE(m_session->sendSet(0x00, bytes("01")), int(RESULT_OK));
    // The open's check, the operation's connection, then one on demand.
    QCOMPARE(m_sim->connectionCount(), 3);
}

void TestNetTransport::statusWordAndQueryBytes_data()
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

void TestNetTransport::statusWordAndQueryBytes()
{
    QFETCH(QByteArray, statusReply);
    QFETCH(int, result);
    QFETCH(uint, word);
    openRawPeer();
    PrinterSession::Operation operation(*m_session);
    m_peer->reply = statusReply;
    quint32 got = 0xFFFFFFFF;
    QCOMPARE(m_session->readStatusWord(&got), result);
    QCOMPARE(m_peer->received, bytes("1B FF FE 00 03 04 1B FE FF"));
    QCOMPARE(got, word);

    m_peer->received.clear();
    m_peer->reply = bytes("1B FF FE 02 13 01 05 1B FE FF");
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(m_session->queryInfo(INFO_PRINT_DENSITY, out), int(RESULT_OK));
    QCOMPARE(m_peer->received, bytes("1B FF FE 02 13 00 1B FE FF"));
    QCOMPARE(int(out[0]), 5);
    QCOMPARE(int(out[1]), 0);
}

void TestNetTransport::writeOnlyFrames()
{
    openRawPeer();
    PrinterSession::Operation operation(*m_session);
    QCOMPARE(m_session->sendSet(0x00, bytes("02")), int(RESULT_OK));
    QCOMPARE(m_session->sendCommand(POWER_SELF_TEST), int(RESULT_OK));
    QCOMPARE(m_session->sendFrame(bytes("1B FF FE 01 05 00 1B FE FF")), int(RESULT_OK));
    QCOMPARE(m_session->writeRaw("TEXT\r\n"), int(RESULT_OK));
    QTRY_COMPARE(m_peer->received, bytes("1B FF FE 01 00 01 02 1B FE FF 1B FF FE 00 00 00 1B FE FF"
                                         "1B FF FE 01 05 00 1B FE FF") +
                                       "TEXT\r\n");
}

void TestNetTransport::refusedWhileBusy_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::newRow("an exchange holds the printer") << false;
    QTest::newRow("a file is streamed") << true;
}

void TestNetTransport::refusedWhileBusy()
{
    QFETCH(bool, streaming);
    openRawPeer();
    PrinterSession::Operation operation(*m_session);
    std::unique_ptr<PrinterSession::Hold> hold;
    if (streaming)
        m_session->setStreaming(true);
    else
        hold = std::make_unique<PrinterSession::Hold>(*m_session);
    QVERIFY(m_session->busy());
    QVERIFY(!PrinterSession::Hold(*m_session).held());
    unsigned char out[frame::kQueryOutSize];
    quint32 word = 0;
    QCOMPARE(m_session->queryInfo(INFO_PRINT_DENSITY, out), int(RESULT_BUSY));
    QCOMPARE(m_session->queryStatus(POWER_FIRMWARE_VERSION, out), int(RESULT_BUSY));
    QCOMPARE(m_session->readStatusWord(&word), int(RESULT_BUSY));
    QCOMPARE(m_session->sendSet(0x00, bytes("02")), int(RESULT_BUSY));
    QCOMPARE(m_session->sendCommand(POWER_SELF_TEST), int(RESULT_BUSY));
    // The holder's own raw writes and the stream's pieces go out.
    StreamPiece piece;
    QCOMPARE(m_session->writeRaw("AB", streaming ? &piece : nullptr), int(RESULT_OK));
    QTRY_COMPARE(m_peer->received, QByteArray("AB"));
    QTest::qWait(50);
    QCOMPARE(m_peer->received, QByteArray("AB"));
}

void TestNetTransport::longestReplyStaysInReplyArea()
{
    openRawPeer();
    PrinterSession::Operation operation(*m_session);
    // L = 0xFF: a 264-byte frame, followed by more bytes than the reply area holds.
    const QByteArray longest = frame::build(0x02, 0x3C, QByteArray(255, 'D'));
    QCOMPARE(longest.size(), frame::kReplyAreaSize);
    m_peer->reply = bytes("00 11 22") + longest + QByteArray(300, 'E');
    // Exactly the reply area on the heap, so that a copy past it is reported.
    std::unique_ptr<unsigned char[]> reply(new unsigned char[frame::kReplyAreaSize]);
    QCOMPARE(link()->exchange(bytes("1B FF FE 02 3C 00 1B FE FF"), reply.get()), int(RESULT_OK));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(reply.get()), frame::kReplyAreaSize), longest);
}

void TestNetTransport::consoleReaderHandsBytesToExchange()
{
    startSim();
    m_sim->setReplyDelayMs(300);
    const QByteArray data = m_sim->model().identityData();
    PrinterSession::Operation operation(*m_session);
    // The console reader runs inside the exchange's wait and takes the reply first.
    QByteArray taken;
    QTimer::singleShot(50, [&] {
        for (int i = 0; i < 5 && taken.isEmpty(); ++i)
            taken = m_session->readPending();
    });
    unsigned char out[frame::kQueryOutSize];
    QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out), int(RESULT_OK));
    QVERIFY(taken.contains(frame::build(0x02, 0x0C, data)));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), padded(data));
}

void TestNetTransport::probe_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("printer at the typed address")
        << true << 1 << QStringList{QStringLiteral("Label [P1] {127.0.0.1}")};
    QTest::newRow("nobody at the typed address") << false << 0 << QStringList();
}

void TestNetTransport::probe()
{
    QFETCH(bool, listening);
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

    PrinterDiscovery discovery;
    QSignalSpy found(&discovery, &PrinterDiscovery::entryFound);
    QSignalSpy progress(&discovery, &PrinterDiscovery::progressChanged);
    QCOMPARE(discovery.probe(QStringLiteral("127.0.0.1"), port), result);
    QCOMPARE(discovery.entries(), entries);
    QCOMPARE(found.size(), entries.size());
    QCOMPARE(progress.size(), 2);
    QCOMPARE(progress.last().first().toInt(), 100);
    QVERIFY(!discovery.running());
    if (listening) // the open's check, then the identity query
        QCOMPARE(m_sim->receivedFrames().size(), 1);
}

void TestNetTransport::adoptModel_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("dots");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<bool>("settings");
    QTest::newRow("plain") << "Label [P1] {127.0.0.1}" << 8 << false << true;
    QTest::newRow("12 dots with print mode") << "Label [K53TA] {USB003}" << 12 << true << true;
    QTest::newRow("print mode") << "QMV [ZC-501VRA] {10.0.0.2}" << 8 << true << true;
    QTest::newRow("12 dots") << "VELDRA [RM872QV] {USB001}" << 12 << false << true;
    QTest::newRow("settings locked") << "Label [WX-320] {USB002}" << 8 << false << false;
}

void TestNetTransport::adoptModel()
{
    QFETCH(QString, entry);
    QFETCH(int, dots);
    QFETCH(bool, printMode);
    QFETCH(bool, settings);
    m_session->adoptModel(QStringLiteral("Label [WX-310 K54A K60] {USB009}"));
    m_session->setStripperConfirmed(true);
    m_session->setWifiMode(1);
    m_session->adoptModel(entry);
    QCOMPARE(m_session->dotsPerMm(), dots);
    QCOMPARE(m_session->hasPrintMode(), printMode);
    QCOMPARE(m_session->settingsAllowed(), settings);
    QVERIFY(!m_session->stripperConfirmed());
    QCOMPARE(m_session->wifiMode(), -1);
}

QTEST_MAIN(TestNetTransport)
#include "tst_nettransport.moc"
