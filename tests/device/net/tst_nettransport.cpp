// The network link and session against the simulated printer and a raw peer on 127.0.0.1,
// the probe of a typed address, the discovery datagrams. Nothing here is broadcast.
#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "sim/simprinter.h"
#include "device/link/discovery.h"
#include "core/protocol/netdiscovery.h"
#include "device/link/networklink.h"
#include "device/link/printersession.h"
#include "platform/facilities.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <memory>
#include <utility>

namespace {

// Hex text to bytes; the blanks are skipped.
QByteArray (*const bytes)(const QByteArray &) = QByteArray::fromHex;

// A printer that is only a socket: records what arrives, answers once with fixed bytes.
struct RawPeer : QObject
{
    RawPeer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    received += socket->readAll();
                    if (!reply.isEmpty() && received.size() >= frame::kOverhead)
                        socket->write(std::exchange(reply, QByteArray()));
                });
            }
        });
    }
    QTcpServer server;
    QByteArray received, reply;
};

// A peer that misbehaves at the TCP level, on a thread of its own so that it acts while
// the link waits: it accepts and closes at once, or resets, or never accepts at all.
class BadPeer
{
public:
    enum Behaviour
    {
        CloseAtOnce, // accept, then close without reading
        ResetAtOnce, // accept, then reset
        NeverAccept, // a full backlog: connection attempts get no answer
    };

    explicit BadPeer(Behaviour behaviour) : m_behaviour(behaviour)
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (m_listener < 0 ||
            ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 ||
            ::listen(m_listener, 0) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        // Never accepting, the backlog of one is full after the first connection; later
        // handshakes are dropped unanswered.
        if (behaviour == NeverAccept)
            return;
        m_thread = std::thread([this] {
            for (;;) {
                const int peer = ::accept(m_listener, nullptr, nullptr);
                if (peer < 0)
                    return; // the listener was shut down
                // The open's own check is let through, or the open would be refused.
                if (m_behaviour == ResetAtOnce && accepted > 0) {
                    const linger reset{1, 0};
                    ::setsockopt(peer, SOL_SOCKET, SO_LINGER, &reset, sizeof(reset));
                }
                ::close(peer);
                ++accepted;
            }
        });
    }
    ~BadPeer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
    }
    BadPeer(const BadPeer &) = delete;
    BadPeer &operator=(const BadPeer &) = delete;
    quint16 port() const { return m_port; }
    std::atomic<int> accepted{0};

private:
    Behaviour m_behaviour;
    int m_listener = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

} // namespace

class TestNetTransport : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimPrinter> m_sim;
    std::unique_ptr<PrinterSession> m_session;

    NetworkLink *link() const { return static_cast<NetworkLink *>(m_session->link()); }
    void startSim(const QStringList &identity)
    {
        PrinterConfig config = PrinterConfig::defaults();
        config.identity = identity;
        m_sim = std::make_unique<SimPrinter>(config);
        m_sim->setTcpPort(0);
        m_sim->setUdpEnabled(false);
        QVERIFY(m_sim->start());
        QCOMPARE(m_session->openNetwork(QStringLiteral("127.0.0.1"), m_sim->tcpPort()), 0);
    }

private slots:
    void init() { m_session = std::make_unique<PrinterSession>(); }
    void cleanup()
    {
        m_session.reset();
        m_sim.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // 200 data bytes in the identity: the length byte has bit 7 set and still counts 200.
    void replyAssembly_data()
    {
        QTest::addColumn<int>("segments");
        QTest::addColumn<QByteArray>("stray");
        QTest::addColumn<int>("delayMs"); // late: the console reader takes the reply first
        QTest::newRow("another item's frame, then four segments")
            << 4 << bytes("1B FF FE 02 0D 01 00 1B FE FF") << 0;
        QTest::newRow("late but in time") << 1 << QByteArray() << 400;
    }
    void replyAssembly()
    {
        QFETCH(int, segments);
        QFETCH(QByteArray, stray);
        QFETCH(int, delayMs);
        startSim({"V", QString(100, 'M'), "MFG:Label;CMD:TSPL;", QString(80, 'x'), "y"});
        m_sim->setReplySegments(segments, 2);
        m_sim->setStrayBytes(stray);
        m_sim->setReplyDelayMs(delayMs);
        const QByteArray data = m_sim->model().identityData();
        const QByteArray reply = frame::build(0x02, 0x0C, data);
        QByteArray taken;
        if (delayMs) { // the reader runs inside the exchange's wait
            QTimer::singleShot(50, m_session.get(), [&] {
                for (int i = 0; i < 5 && taken.isEmpty(); ++i)
                    taken = m_session->readPending();
            });
        }
        unsigned char out[frame::kQueryOutSize];
        std::memset(out, 0xAA, sizeof(out));
        int length = -1;
        {
            PrinterSession::Operation operation(*m_session);
            QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out, &length), int(RESULT_OK));
        }
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)),
                 data + QByteArray(int(sizeof(out)) - data.size(), '\0'));
        QCOMPARE(length, data.size());
        QVERIFY(!delayMs || taken.contains(reply));

        // The operation's end disconnects; the next exchange connects on demand.
        QTRY_COMPARE(link()->socket()->state(), QAbstractSocket::UnconnectedState);
        unsigned char area[frame::kReplyAreaSize] = {};
        QCOMPARE(link()->exchange(bytes("1B FF FE 02 0C 00 1B FE FF"), area), int(RESULT_OK));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(area), reply.size()), reply);
        QCOMPARE(m_sim->connectionCount(), 3); // the open's check, the operation, on demand
    }

    // Each ends with nothing handed over: by time-out, or at once for the last two.
    void noCompleteReply_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("result");
        QTest::newRow("never answered") << 0 << int(RESULT_NETWORK);
        // The reply marker includes the item: another item code is never the reply.
        QTest::newRow("other item code") << 2 << int(RESULT_NETWORK);
        QTest::newRow("connection dropped") << 3 << int(RESULT_NETWORK);
        QTest::newRow("closed while waiting") << 4 << int(RESULT_NETWORK);
        // Nobody to connect to is not a printer that did not answer.
        QTest::newRow("printer gone") << 5 << int(RESULT_NOT_CONNECTED);
    }
    void noCompleteReply()
    {
        QFETCH(int, fault);
        QFETCH(int, result);
        startSim(PrinterConfig::defaults().identity);
        const quint16 port = m_sim->tcpPort();
        if (fault == 2)
            m_sim->setWrongItemItems({INFO_DEVICE_IDENTITY});
        if (fault == 3)
            m_sim->setDropAfterBytes(4);
        if (fault == 0 || fault == 4)
            m_sim->setSilentItems({INFO_DEVICE_IDENTITY});
        if (fault == 4)
            QTimer::singleShot(100, m_session.get(), [this] { m_session->close(); });
        if (fault == 5)
            m_sim->stop();

        unsigned char out[frame::kQueryOutSize];
        std::memset(out, 0xAA, sizeof(out));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_session->queryInfo(INFO_DEVICE_IDENTITY, out), result);
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)),
                 QByteArray(int(sizeof(out)), '\0'));
        QVERIFY2(fault < 4 ? elapsed >= 2990 && elapsed < 4500 : elapsed < 2500,
                 qPrintable(QString::number(elapsed)));
        if (fault != 5)
            return;
        QCOMPARE(m_session->sendSet(0x00, bytes("01")), int(RESULT_NOT_CONNECTED));
        QVERIFY(m_session->openNetwork(QStringLiteral("127.0.0.1"), port) == 1 &&
                !m_session->link());
        QCOMPARE(m_session->sendSet(0x00, bytes("01")), int(RESULT_NETWORK));
    }

    // Exact bytes on the wire; while busy only the holder's and the stream's writes go out.
    void rawPeer_data()
    {
        QTest::addColumn<int>("busy"); // 1: an exchange holds the printer, 2: a file streams
        QTest::addColumn<QByteArray>("statusReply");
        QTest::addColumn<int>("result");
        QTest::addColumn<uint>("word");
        QTest::newRow("status word") << 0 << bytes("1B FF FE 00 03 04 78 56 34 12 1B FE FF")
                                     << int(RESULT_OK) << 0x12345678u;
        // Too short for a word: the trailer is no status.
        QTest::newRow("no data") << 0 << bytes("1B FF FE 00 03 00 1B FE FF")
                                 << int(RESULT_BAD_REPLY) << 0u;
        QTest::newRow("held") << 1 << QByteArray() << int(RESULT_BUSY) << 0u;
        QTest::newRow("streaming") << 2 << QByteArray() << int(RESULT_BUSY) << 0u;
    }
    void rawPeer()
    {
        QFETCH(int, busy);
        QFETCH(QByteArray, statusReply);
        QFETCH(int, result);
        QFETCH(uint, word);
        RawPeer peer;
        QCOMPARE(m_session->openNetwork("127.0.0.1", peer.server.serverPort()), 0);
        PrinterSession::Operation operation(*m_session);
        std::unique_ptr<PrinterSession::Hold> hold;
        if (busy == 1)
            hold = std::make_unique<PrinterSession::Hold>(*m_session);
        m_session->setStreaming(busy == 2);
        QCOMPARE(m_session->busy(), busy != 0);
        QCOMPARE(PrinterSession::Hold(*m_session).held(), busy == 0);

        peer.reply = statusReply;
        quint32 got = 0xFFFFFFFF;
        QCOMPARE(m_session->readStatusWord(&got), result);
        QCOMPARE(got, word);
        QByteArray wire;
        unsigned char out[frame::kQueryOutSize];
        if (busy) {
            QCOMPARE(m_session->queryInfo(INFO_PRINT_DENSITY, out), int(RESULT_BUSY));
            QCOMPARE(m_session->queryStatus(POWER_FIRMWARE_VERSION, out), int(RESULT_BUSY));
        } else {
            // L = 0xFF: a 264-byte frame after stray bytes, then more than the reply area.
            const QByteArray longest = frame::build(0x02, 0x3C, QByteArray(255, 'D'));
            peer.reply = bytes("00 11 22") + longest + QByteArray(300, 'E');
            // Exactly the reply area on the heap, so that a copy past it is reported.
            std::unique_ptr<unsigned char[]> area(new unsigned char[frame::kReplyAreaSize]);
            QCOMPARE(link()->exchange(bytes("1B FF FE 02 3C 00 1B FE FF"), area.get()), 0);
            QCOMPARE(QByteArray(reinterpret_cast<char *>(area.get()), longest.size()), longest);
            wire = bytes("1B FF FE 00 03 04 1B FE FF 1B FF FE 02 3C 00 1B FE FF"
                         "1B FF FE 01 00 01 02 1B FE FF 1B FF FE 00 00 00 1B FE FF"
                         "1B FF FE 01 05 00 1B FE FF");
        }
        const int sent = busy ? int(RESULT_BUSY) : int(RESULT_OK);
        QCOMPARE(m_session->sendSet(0x00, bytes("02")), sent);
        QCOMPARE(m_session->sendCommand(POWER_SELF_TEST), sent);
        QCOMPARE(m_session->sendFrame(bytes("1B FF FE 01 05 00 1B FE FF")), sent);
        StreamPiece piece;
        QCOMPARE(m_session->writeRaw("TEXT\r\n", busy == 2 ? &piece : nullptr), int(RESULT_OK));
        QTRY_COMPARE(peer.received, wire + "TEXT\r\n");
    }

    // A write-only frame counts as taken only once the printer's side acknowledged it
    // before closing; a connection that never opens is told apart from a silent printer,
    // and waited for only until the session's deadline.
    void badPeer_data()
    {
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("deadlineMs"); // -1: none
        QTest::newRow("accepts and closes")
            << int(BadPeer::CloseAtOnce) << int(RESULT_NETWORK) << -1;
        QTest::newRow("accepts and resets")
            << int(BadPeer::ResetAtOnce) << int(RESULT_NETWORK) << -1;
        QTest::newRow("never accepts")
            << int(BadPeer::NeverAccept) << int(RESULT_NOT_CONNECTED) << -1;
        QTest::newRow("never accepts, deadline")
            << int(BadPeer::NeverAccept) << int(RESULT_TIMED_OUT) << 300;
    }
    void badPeer()
    {
        QFETCH(int, behaviour);
        QFETCH(int, result);
        QFETCH(int, deadlineMs);
        // That the printer's side closed before acknowledging only the kernel tells.
        if (!platform::facilities().sendQueueDepth && behaviour != BadPeer::NeverAccept)
            QSKIP("needs the TCP send queue's depth, which the portable platform cannot tell");
        BadPeer peer{BadPeer::Behaviour(behaviour)};
        QVERIFY(peer.port() != 0);
        if (behaviour == BadPeer::NeverAccept) {
            // The open's own check is what fills the backlog for good.
            QCOMPARE(m_session->openNetwork("127.0.0.1", peer.port()), 0);
            if (deadlineMs >= 0)
                m_session->setDeadline(QDeadlineTimer(deadlineMs));
            QElapsedTimer clock;
            clock.start();
            quint32 word = 0;
            QCOMPARE(m_session->readStatusWord(&word), result);
            // The connection had its own wait, not the query's one-second write wait; a
            // deadline cuts it.
            QVERIFY2(deadlineMs < 0 ? clock.elapsed() >= 2900 : clock.elapsed() < 1500,
                     qPrintable(QString::number(clock.elapsed())));
            return;
        }
        QCOMPARE(m_session->openNetwork("127.0.0.1", peer.port()), 0);
        // Every frame of every attempt, each on its own operation and connection.
        for (int i = 0; i < 10; ++i) {
            PrinterSession::Operation operation(*m_session);
            const int got = i % 2 ? m_session->sendCommand(POWER_SELF_TEST)
                                  : m_session->sendSet(INFO_PRINT_SPEED, bytes("03"));
            // A reset that overtakes the handshake's end is a refused connection.
            QVERIFY2(got == result || (behaviour == BadPeer::ResetAtOnce &&
                                       got == RESULT_NOT_CONNECTED),
                     qPrintable(QString::number(got)));
        }
        QVERIFY(peer.accepted >= 10);
    }

    // A printer at the typed address, then nobody there.
    void probe()
    {
        startSim({"VID", "P1", "MFG: Label ;CMD:TSPL;MDL:P1;", "PID", "message"});
        for (const bool listening : {true, false}) {
            if (!listening)
                m_sim->stop();
            const QStringList entries = QStringList{"Label [P1] {127.0.0.1}"}.mid(!listening);
            PrinterDiscovery discovery;
            QSignalSpy found(&discovery, &PrinterDiscovery::printerFound);
            QSignalSpy progress(&discovery, &PrinterDiscovery::progressChanged);
            QCOMPARE(discovery.probe("127.0.0.1", m_sim->tcpPort()), int(listening));
            QVERIFY(discovery.entries() == entries && found.size() == entries.size());
            QVERIFY(progress.size() == 2 && progress.last().first().toInt() == 100);
            QVERIFY(!discovery.running());
            QCOMPARE(m_sim->receivedFrames().size(), 1); // the identity query
        }
    }

    // Dots per mm, print mode, settings allowed; nothing known of the previous printer holds.
    void adoptModel()
    {
        for (const QString &row :
             QStringList{"QMV [ZC-501VRA] {10.0.0.2}=8 1 1", "VELDRA [RM872QV] {USB001}=12 0 1",
                         "Label [WX-320] {USB2}=8 0 0"}) {
            m_session->adoptModel(QStringLiteral("Label [WX-310 K54A K60] {USB009}"));
            m_session->setStripperConfirmed(true);
            m_session->setWifiMode(1);
            m_session->adoptModel(row.section('=', 0, 0));
            QCOMPARE(QString("%1 %2 %3")
                         .arg(m_session->dotsPerMm())
                         .arg(m_session->hasPrintMode())
                         .arg(m_session->settingsAllowed()),
                     row.section('=', 1));
            QVERIFY(!m_session->stripperConfirmed() && m_session->wifiMode() == -1);
        }
    }

    // Request bytes, the sequence byte rule, and the checks on a reply datagram.
    void discoveryDatagrams()
    {
        QCOMPARE(netdiscovery::buildRequest(99), bytes("63 1B FF FE 02 0C 00 1B FE FF"));
        QCOMPARE(netdiscovery::ipv4Text("10.250.1.2"), QStringLiteral("10.250.1.2"));
        QCOMPARE(netdiscovery::ipv4Text("::ffff:10.250.2.2"), QStringLiteral("10.250.2.2"));
        QCOMPARE(netdiscovery::ipv4Text("fe80::1"), QString());
        QRandomGenerator generator(12345);
        QSet<int> seen;
        for (int i = 0, previous = -1; i < 20000; ++i) {
            const int value = netdiscovery::nextSequenceByte(generator, previous);
            QVERIFY(value >= 0 && value <= 99 && value != previous);
            seen.insert(previous = value);
        }
        QCOMPARE(seen.size(), 100);
        // seq, head, class, item, L, data, trailer = the data; none when refused
        for (const QString &row :
             QStringList{"07 1B FF FE 02 0C 03 41 00 42 1B FE FF=41 00 42",
                         "07 1B FF FE 02 0C 02 41 00=41 00",
                         "07 1B FF FE 02 0C 00 1B FE FF=", "07 1B FF FE 02 0C 05 41 00 42 1B=",
                         "07 1B FF FE 02 0C=", "07 1B FF FE 02 0C 80" + QString(400, 'A') + "=",
                         "07 1B FF FE 02 0C 7F" + QString(254, 'B') + "=" + QString(254, 'B')}) {
            QByteArray out("untouched");
            const QByteArray data = bytes(row.section('=', 1).toLatin1());
            QCOMPARE(netdiscovery::replyData(bytes(row.section('=', 0, 0).toLatin1()), &out),
                     !data.isEmpty());
            QCOMPARE(out, data.isEmpty() ? QByteArray("untouched") : data);
        }
    }
};

QTEST_MAIN(TestNetTransport)
#include "tst_nettransport.moc"
