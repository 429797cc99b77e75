// The simulated printer, test equipment for the rest of the suite: its JSON
// configuration, its answers and framing against literal frames, the reply faults,
// and the same over real sockets on 127.0.0.1 (ephemeral ports only) with the
// delivery faults and the discovery responder.
#include "sim/printermodel.h"
#include "sim/simprinter.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <atomic>
#include <memory>
#include <sys/socket.h>

namespace {

const auto hx = [](const char *text) { return QByteArray::fromHex(text); };
const auto spaced = [](const QByteArray &b) { return QString(b.toHex(' ').toUpper()); };

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
    if (!p->start())
        qFatal("the simulated printer did not start");
    return p;
}

// The first of `count` consecutive ports on 127.0.0.1 that are free now; 0 when none was
// found.
quint16 freePortRow(int count)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        QTcpServer first;
        if (!first.listen(QHostAddress::LocalHost, 0))
            return 0;
        const quint16 base = first.serverPort();
        first.close();
        bool free = base + count <= 65535;
        for (int i = 0; free && i < count; ++i) {
            QTcpServer probe;
            free = probe.listen(QHostAddress::LocalHost, quint16(base + i));
        }
        if (free)
            return base;
    }
    return 0;
}

} // namespace

class TestSimPrinter : public QObject
{
    Q_OBJECT
private slots:
    // The JSON configuration: a named item, the hex form, and a refusal that leaves the
    // configuration untouched.
    void config()
    {
        PrinterConfig c = PrinterConfig::defaults();
        QVERIFY(PrinterConfig::fromJson(R"({"settings": {"labelSize": {"heightDots": 800,
            "widthDots": 402}, "0x2B": {"hex": "D6 d0 00"}}})",
                                        &c));
        QCOMPARE(spaced(c.settings.value(0x18) + c.settings.value(0x2B)), "20 03 92 01 D6 D0 00");
        QString error;
        QVERIFY(!PrinterConfig::fromJson(R"({"settings": {"speed": 3}})", &c, &error));
        QVERIFY2(error.contains("speed") && c.settings.value(0x18) == hx("20039201"),
                 qPrintable(error));
    }

    // Input chunks, the replies after all of them, the raw data and the number of frames
    // received. `fault` names a reply fault switched on for the row.
    void modelExchange_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QByteArray>("replies");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("fault");
        auto row = [](const char *name, const QList<QByteArray> &chunks, const QByteArray &replies,
                      int frames = 1, const QByteArray &raw = {}, const QString &fault = {}) {
            QTest::newRow(name) << chunks << replies << frames << raw << fault;
        };
        const QByteArray query = hx("1B FF FE 02 19 00 1B FE FF");
        const QByteArray answer = hx("1B FF FE 02 19 02 18 00 1B FE FF");
        // Set frames are not answered; the query after one gives the stored data back.
        row("wifi ip, mask and gateway swap places",
            {hx("1B FF FE 01 28 11 00 C0 A8 01 32 FF FF FF 00 C0 A8 01 01 00 00 00 00 1B FE FF"),
             hx("1B FF FE 02 28 00 1B FE FF")},
            hx("1B FF FE 02 28 11 00 C0 A8 01 32 C0 A8 01 01 FF FF FF 00 00 00 00 00 1B FE FF"), 2);
        QList<QByteArray> bytewise;
        for (char c : query)
            bytewise << QByteArray(1, c);
        row("one byte at a time", bytewise, answer);
        row("raw data around frames, held back header bytes",
            {"a", hx("00 1B 1B FF") + query + "b", "c" + hx("1B FF")}, answer, 1,
            "a" + hx("00 1B 1B FF") + "bc" + hx("1B FF"));
        row("header bytes inside text data",
            {hx("1B FF FE 01 2B 04 1B FF FE 00 1B FE FF"), hx("1B FF FE 02 2B 00 1B FE FF")},
            hx("1B FF FE 02 2B 04 1B FF FE 00 1B FE FF"), 2);
        // The request is received all the same when a fault spoils the answer.
        row("silent item, others still answered", {query, hx("1B FF FE 02 1A 00 1B FE FF")},
            hx("1B FF FE 02 1A 02 30 00 1B FE FF"), 2, {}, "silent");
        row("wrong item code", {query}, hx("1B FF FE 02 1A 02 18 00 1B FE FF"), 1, {}, "wrongItem");
        row("stray bytes", {query}, hx("00 AA 1B 55 1B FF FE 02 19 02 18 00 1B FE FF"), 1, {},
            "stray");
    }

    void modelExchange()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QByteArray, replies);
        QFETCH(int, frames);
        QFETCH(QByteArray, raw);
        QFETCH(QString, fault);
        PrinterConfig c = PrinterConfig::defaults();
        c.settings[0x19] = hx("18 00");
        c.settings[0x1A] = hx("30 00");
        PrinterModel model(c);
        PrinterFaults f;
        f.silentItems = fault == "silent" ? QSet<quint8>{0x19} : QSet<quint8>{};
        f.wrongItemItems = fault == "wrongItem" ? QSet<quint8>{0x19} : QSet<quint8>{};
        f.strayBytes = fault == "stray" ? hx("00 AA 1B 55") : QByteArray();
        model.setFaults(f);
        QByteArray got;
        for (const QByteArray &chunk : chunks)
            got += model.feed(chunk);
        QCOMPARE(spaced(got), spaced(replies));
        model.endStream();
        QCOMPARE(spaced(model.rawBytes()), spaced(raw));
        QCOMPARE(model.rawByteCount(), qint64(raw.size()));
        QCOMPARE(model.pendingBytes(), 0);
        QCOMPARE(model.frameCount(), frames);
    }

    // A reply split into delayed segments, a silent item that leaves the connection
    // usable, and the two functions that drop it, the printer back afterwards.
    void tcp()
    {
        auto p = startPrinter();
        p->setReplySegments(3, 150);
        p->setSilentItems({0x1A});
        QTcpSocket s;
        QList<QByteArray> pieces;
        connect(&s, &QTcpSocket::readyRead, this, [&] { pieces << s.readAll(); });
        const auto send = [&](const char *frame) { // connecting first if need be
            if (s.state() != QAbstractSocket::ConnectedState) {
                s.connectToHost(QHostAddress::LocalHost, p->tcpPort());
                QVERIFY(s.waitForConnected(3000));
            }
            s.write(hx(frame));
        };
        send("1B FF FE 02 1A 00 1B FE FF");
        QTest::qWait(300);
        send("1B FF FE 02 19 00 1B FE FF");
        QTRY_COMPARE(spaced(pieces.join()), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
        QCOMPARE(pieces.size(), 3);
        QCOMPARE(spaced(pieces.first()), spaced(hx("1B FF FE 02")));
        QCOMPARE(p->receivedFrames().size(), 2);
        for (const char *frame : {"1B FF FE 00 02 00 1B FE FF", "1B FF FE 00 05 00 1B FE FF"}) {
            send(frame);
            QTRY_COMPARE(s.state(), QAbstractSocket::UnconnectedState);
        }
        QCOMPARE(p->functionCodes(), (QList<quint8>{2, 5}));
        QCOMPARE(p->connectionCount(), 2);
        s.connectToHost(QHostAddress::LocalHost, p->tcpPort());
        QVERIFY(s.waitForConnected(3000));
    }

    // A slow printer reads all that a peer sent before the peer closed: frames and raw
    // bytes alike, however the close falls between its reads.
    void slowReadKeepsAll()
    {
        auto p = startPrinter();
        p->setSlowRead(1000, 40);
        const QByteArray raw(20000, 'r');
        for (int i = 0; i < 5; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, p->tcpPort());
            QVERIFY(s.waitForConnected(3000));
            s.write(hx("1B FF FE 01 00 01 03 1B FE FF") + raw);
            s.disconnectFromHost(); // once everything is handed to the kernel
            QVERIFY(s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(5000));
        }
        QTRY_COMPARE_WITH_TIMEOUT(p->rawByteCount(), 5 * qint64(raw.size()), 10000);
        QCOMPARE(p->receivedFrames().size(), 5);
        QTRY_COMPARE(p->openConnections(), 0);
    }

    // A printer that stops reading after N frames and one killed there: the frames in
    // one write past N are not taken, the replies due are sent; the stopped one keeps
    // its connection and takes new ones without reading them, the killed one closes
    // everything.
    void frameLimit_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("stops reading") << false;
        QTest::newRow("killed") << true;
    }
    void frameLimit()
    {
        QFETCH(bool, killed);
        auto p = startPrinter();
        if (killed)
            p->setCloseAfterFrames(2);
        else
            p->setStopReadingAfterFrames(2);
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, p->tcpPort());
        QVERIFY(s.waitForConnected(3000));
        // A set frame, a query (the second frame: answered), another set frame.
        s.write(hx("1B FF FE 01 00 01 03 1B FE FF 1B FF FE 02 19 00 1B FE FF"
                   "1B FF FE 01 13 01 05 1B FE FF"));
        QTRY_VERIFY(s.bytesAvailable() >= 11);
        QCOMPARE(spaced(s.readAll()), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
        QTRY_COMPARE(p->receivedFrames().size(), 2);
        s.write(hx("1B FF FE 02 19 00 1B FE FF"));
        QTest::qWait(200);
        QCOMPARE(p->receivedFrames().size(), 2);
        QVERIFY(p->value(0x13) != hx("05")); // the third frame was not stored
        if (killed) {
            QTRY_COMPARE(s.state(), QAbstractSocket::UnconnectedState);
            QTcpSocket again;
            again.connectToHost(QHostAddress::LocalHost, p->tcpPort());
            QVERIFY(!again.waitForConnected(1000));
            return;
        }
        QCOMPARE(s.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(s.bytesAvailable(), 0);
        QTcpSocket other;
        other.connectToHost(QHostAddress::LocalHost, p->tcpPort());
        QVERIFY(other.waitForConnected(3000));
        other.write(hx("1B FF FE 02 19 00 1B FE FF"));
        QVERIFY(!other.waitForReadyRead(300));
        QCOMPARE(p->receivedFrames().size(), 2);
        QTRY_COMPARE(p->openConnections(), 2);
    }

    // Datagrams sent to the discovery port (the request last), and the replies.
    void discovery_data()
    {
        QTest::addColumn<int>("fault"); // -1: every reply sent twice
        QTest::addColumn<QList<QByteArray>>("noise");
        QTest::addColumn<QList<QByteArray>>("replies");
        const QByteArray full =
            hx("07 1B FF FE 02 0C 17 41 00 4B 31 00 4D 46 47 3A 4C 3B 4D 44 4C 3A "
               "4B 31 3B 00 42 00 43 00 1B FE FF");
        auto row = [](const char *name, int fault, const QList<QByteArray> &replies,
                      const QList<QByteArray> &noise = {}) {
            QTest::newRow(name) << fault << noise << replies;
        };
        row("other datagrams ignored", int(UdpReplyFault::None), {full},
            {"hello", hx("01 1B FF FE 02 0D 00 1B FE FF"),         // another item
             hx("01 1B FF FE 02 0C 17 41 00 4B 31 00 1B FE FF")}); // somebody's reply
        row("duplicate", -1, {full, full});
        row("ten bytes", int(UdpReplyFault::TenBytes), {full.left(10)});
        row("no MFG", int(UdpReplyFault::NoMfg), {QByteArray(full).replace("MFG", "MFR")});
    }

    void discovery()
    {
        QFETCH(int, fault);
        QFETCH(QList<QByteArray>, noise);
        QFETCH(QList<QByteArray>, replies);
        auto p = startPrinter();
        p->setUdpFault(UdpReplyFault(qMax(fault, 0)));
        p->setUdpDuplicate(fault < 0);
        QUdpSocket u;
        QVERIFY(u.bind(QHostAddress(QHostAddress::LocalHost), 0));
        for (const QByteArray &d : noise + QList<QByteArray>{hx("07 1B FF FE 02 0C 00 1B FE FF")})
            u.writeDatagram(d, QHostAddress::LocalHost, p->udpPort());
        // Wait for the replies expected, then a little longer for any extra one.
        QList<QByteArray> got;
        const auto receive = [&] {
            while (u.hasPendingDatagrams())
                got << u.receiveDatagram().data();
            return got.size();
        };
        QTRY_COMPARE(receive(), replies.size());
        QTest::qWait(200);
        receive();
        QCOMPARE(got, replies);
        QCOMPARE(p->udpRequestCount(), 1);
    }

    // Frozen while it reads a query (its thread held in the log), the printer finds the
    // poller gone (reset) when it answers after the thaw: it closes that connection and
    // goes on serving.
    void frozenWhilePolledThenThawed()
    {
        auto p = startPrinter();
        QSemaphore frozen, thaw;
        std::atomic<bool> freezeNext{true};
        p->setLogHandler([&](const QString &line) {
            if (line.contains("RX frame") && freezeNext.exchange(false)) {
                frozen.release();
                thaw.acquire();
            }
        });
        p->setVerbose(true);
        const QByteArray query = hx("1B FF FE 02 19 00 1B FE FF");
        {
            QTcpSocket poller;
            poller.connectToHost(QHostAddress::LocalHost, p->tcpPort());
            QVERIFY(poller.waitForConnected(3000));
            poller.write(query);
            QVERIFY(poller.waitForBytesWritten(3000));
            QVERIFY(frozen.tryAcquire(1, 5000));
            // The poller gives up and resets the connection while the printer is frozen.
            const linger reset{1, 0};
            QCOMPARE(::setsockopt(int(poller.socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset,
                                  sizeof reset),
                     0);
            poller.abort();
            QTest::qWait(100);
            thaw.release();
        }
        QTRY_COMPARE(p->openConnections(), 0);
        QTcpSocket again;
        again.connectToHost(QHostAddress::LocalHost, p->tcpPort());
        QVERIFY(again.waitForConnected(3000));
        again.write(query);
        QByteArray answer;
        QTRY_VERIFY((answer += again.readAll()).size() >= 11);
        QCOMPARE(spaced(answer), spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
    }

    // A row of printers alike: the serial's trailing digits counted up, their width kept.
    void numbered_data()
    {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("the first unchanged")
            << QByteArray("K53TA2401000123") << 0 << QByteArray("K53TA2401000123");
        QTest::newRow("counted up")
            << QByteArray("K53TA2401000123") << 877 << QByteArray("K53TA2401001000");
        QTest::newRow("leading zeros kept") << QByteArray("SN0009") << 1 << QByteArray("SN0010");
        QTest::newRow("digits run over") << QByteArray("A99") << 1 << QByteArray("A100");
        QTest::newRow("no digits") << QByteArray("ABC") << 3 << QByteArray("ABC3");
        QTest::newRow("empty") << QByteArray() << 2 << QByteArray("2");
        QTest::newRow("terminated text") << QByteArray("SN7\0", 4) << 2 << QByteArray("SN9\0", 4);
    }
    void numbered()
    {
        QFETCH(QByteArray, serial);
        QFETCH(int, index);
        QFETCH(QByteArray, expected);
        PrinterConfig c = PrinterConfig::defaults();
        c.settings[0x10] = serial;
        const PrinterConfig n = c.numbered(index);
        QCOMPARE(n.settings.value(0x10), expected);
        QCOMPARE(n.identity, c.identity);
    }

    // The simulator program serving several printers: each on its port, consecutive from
    // --tcp-port or free ones with 0, each answering with its own serial number.
    void countOption_data()
    {
        QTest::addColumn<bool>("consecutive");
        QTest::newRow("free ports") << false;
        QTest::newRow("consecutive ports") << true;
    }
    void countOption()
    {
        QFETCH(bool, consecutive);
        constexpr int kCount = 3;
        const quint16 base = consecutive ? freePortRow(kCount) : 0;
        QVERIFY(!consecutive || base != 0);
        QProcess sim;
        sim.start(
            QStringLiteral(LABELPRINTER_SIM),
            {"--no-udp", "--tcp-port", QString::number(base), "--count", QString::number(kCount)});
        QList<quint16> ports;
        const QRegularExpression started(QStringLiteral("on TCP 127\\.0\\.0\\.1:(\\d+)"));
        while (ports.size() < kCount && (sim.canReadLine() || sim.waitForReadyRead(10000))) {
            while (sim.canReadLine())
                ports << quint16(
                    started.match(QString::fromUtf8(sim.readLine())).captured(1).toUInt());
        }
        QCOMPARE(ports.size(), kCount);
        QStringList serials;
        for (int i = 0; i < kCount; ++i) {
            if (consecutive)
                QCOMPARE(ports.at(i), quint16(base + i));
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, ports.at(i));
            QVERIFY(s.waitForConnected(5000));
            s.write(hx("1B FF FE 02 10 00 1B FE FF"));
            QByteArray reply;
            while (!reply.endsWith(hx("1B FE FF")) && s.waitForReadyRead(5000))
                reply += s.readAll();
            serials << spaced(reply);
        }
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        const QString frame = QStringLiteral("1B FF FE 02 10 10 %1 00 1B FE FF");
        QCOMPARE(serials, QStringList({frame.arg(spaced("K53TA2401000123")),
                                       frame.arg(spaced("K53TA2401000124")),
                                       frame.arg(spaced("K53TA2401000125"))}));
    }
};

QTEST_GUILESS_MAIN(TestSimPrinter)
#include "tst_simprinter.moc"
