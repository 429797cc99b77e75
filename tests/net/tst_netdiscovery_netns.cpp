// Broadcast discovery for real, between private network namespaces made by netns.sh:
// this process runs in lsnet-host, one simulated printer runs in lsnet-d1 and one in
// lsnet-d2 (each on its own thread, moved into its namespace). Before every search
// the test checks that it is in lsnet-host and that every broadcast address lies in
// the test subnets, so nothing can be broadcast anywhere else.
#include "net/netnsutil.h"
#include "sim/simprinter.h"
#include "transport/discovery.h"

#include <QElapsedTimer>
#include <QThread>
#include <QUdpSocket>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <utility>
#include <unistd.h>

namespace {
constexpr quint16 kUdpPort = 38400; // the window's defaults, free inside the namespaces
constexpr int kOff = -1;            // no printer in that namespace
QString entryOf(int printer)
{
    return QStringLiteral("Maker%1 [P%1] {10.250.%1.2}").arg(printer);
}
} // namespace

class TestDiscoveryNetns : public QObject
{
    Q_OBJECT

    PrinterDiscovery m_discovery;
    std::unique_ptr<SimPrinter> m_printers[2];
    int m_lastSequence = -1;

    void startPrinter(int n, int fault, bool duplicate)
    {
        if (fault == kOff)
            return;
        PrinterConfig config = PrinterConfig::defaults();
        config.identity =
            QStringList{"VID", QStringLiteral("P%1").arg(n),
                        QStringLiteral("MFG:Maker%1;CMD:TSPL;MDL:P%1;").arg(n), "PID", "msg"};
        auto printer = std::make_unique<SimPrinter>(config);
        // The simulator's thread moves into the printer's namespace before it opens sockets.
        const QString space =
            QString::fromLatin1(n == 1 ? netnsutil::kPrinter1 : netnsutil::kPrinter2);
        printer->setThreadInit([space](QString *error) { return netnsutil::enter(space, error); });
        // Answering a little later puts every reply behind the tool's own broadcast echoes.
        printer->setReplyDelayMs(100);
        printer->setTcpAddress(QHostAddress::AnyIPv4);
        printer->setTcpPort(9100);
        printer->setUdpAddress(QHostAddress::AnyIPv4);
        printer->setUdpPort(kUdpPort);
        printer->setUdpFault(UdpReplyFault(fault));
        printer->setUdpDuplicate(duplicate);
        QString error;
        QVERIFY2(printer->start(&error), qPrintable(error));
        m_printers[n - 1] = std::move(printer);
    }
    bool answered() const
    {
        for (const auto &printer : m_printers) {
            if (printer &&
                printer->udpReplyCount() < (printer->faults().udpFault == UdpReplyFault::NoReply ? 0
                                            : printer->faults().udpDuplicate                     ? 2
                                                                             : 1))
                return false;
        }
        return true;
    }

private slots:
    void cleanup()
    {
        for (auto &printer : m_printers)
            printer.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void broadcast_data()
    {
        QTest::addColumn<int>("printer1"); // UdpReplyFault, or kOff
        QTest::addColumn<int>("printer2");
        QTest::addColumn<bool>("duplicate"); // printer 1 answers twice
        QTest::addColumn<int>("stopAfterMs");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("entries");
        const int ok = int(UdpReplyFault::None);
        const int silent = int(UdpReplyFault::NoReply);
        QTest::newRow("two printers")
            << ok << ok << false << -1 << 1 << QStringList{entryOf(1), entryOf(2)};
        QTest::newRow("duplicate reply")
            << ok << kOff << true << -1 << 1 << QStringList{entryOf(1)};
        QTest::newRow("10-byte reply beside a printer")
            << int(UdpReplyFault::TenBytes) << ok << false << -1 << 1 << QStringList{entryOf(2)};
        QTest::newRow("10-byte reply only")
            << int(UdpReplyFault::TenBytes) << kOff << false << -1 << 0 << QStringList();
        QTest::newRow("reply without MFG only")
            << int(UdpReplyFault::NoMfg) << kOff << false << -1 << 0 << QStringList();
        QTest::newRow("length byte 0 and bit 7")
            << int(UdpReplyFault::LengthZero) << int(UdpReplyFault::LengthBit7) << false << -1 << 0
            << QStringList();
        QTest::newRow("no printer") << kOff << kOff << false << -1 << 0 << QStringList();
        // Two searches in a row, whose requests are captured: each run has its own sequence.
        QTest::newRow("stopped") << silent << silent << false << 300 << 1 << QStringList();
        QTest::newRow("stopped again") << silent << silent << false << 300 << 1 << QStringList();
    }
    void broadcast()
    {
        QFETCH(int, printer1);
        QFETCH(int, printer2);
        QFETCH(bool, duplicate);
        QFETCH(int, stopAfterMs);
        QFETCH(int, result);
        QFETCH(QStringList, entries);
        startPrinter(1, printer1, duplicate);
        startPrinter(2, printer2, false);
        // A second socket on the discovery port sees every request sent on the test links;
        // only where no printer answers, since it may take a unicast reply.
        QUdpSocket capture;
        if (stopAfterMs >= 0)
            QVERIFY(capture.bind(QHostAddress::AnyIPv4, kUdpPort,
                                 QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QString why;
        QVERIFY2(netnsutil::discoveryConfined(&why), qPrintable(why));

        // Holds the event loop once, right after the requests went out, until the printers
        // have answered, so that all replies are pending together, as behind a busy window.
        QTimer::singleShot(0, &m_discovery, [this] {
            QElapsedTimer clock;
            clock.start();
            while (!answered() && clock.elapsed() < 2000)
                QThread::msleep(5);
            QThread::msleep(30); // the datagrams are counted just before they leave
        });
        if (stopAfterMs >= 0)
            QTimer::singleShot(stopAfterMs, &m_discovery, [this] { m_discovery.stop(); });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_discovery.searchNetwork(kUdpPort), result);
        const qint64 elapsed = clock.elapsed();
        QStringList got = m_discovery.entries();
        got.sort();
        QCOMPARE(got, entries);
        // Nothing listed: the search lasts its 1.5 s; stopped, it ends at once.
        QVERIFY2(result ? stopAfterMs < 0 || elapsed < 1400 : elapsed >= 1490 && elapsed < 3500,
                 qPrintable(QString::number(elapsed)));
        for (const auto &printer : m_printers) { // one send per test link
            if (printer)
                QTRY_COMPARE(printer->udpRequestCount(), 1);
        }
        if (stopAfterMs < 0)
            return;
        QTest::qWait(50);
        QStringList from;
        QList<int> sequences;
        QByteArray request;
        while (capture.hasPendingDatagrams()) {
            QHostAddress sender;
            request.resize(int(capture.pendingDatagramSize()));
            request.resize(int(capture.readDatagram(request.data(), request.size(), &sender)));
            from << sender.toString().remove(QStringLiteral("::ffff:"));
            sequences << quint8(request.at(0));
            QCOMPARE(request.mid(1), QByteArray::fromHex("1BFFFE020C001BFEFF"));
        }
        from.sort();
        QCOMPARE(from, (QStringList{"10.250.1.1", "10.250.2.1"})); // each link's own address
        QVERIFY(sequences.first() == sequences.last() && sequences.first() <= 99);
        QVERIFY(sequences.first() != std::exchange(m_lastSequence, sequences.first()));
    }
};

int main(int argc, char **argv)
{
    // Enter the host namespace before anything opens a socket or starts a thread. Not
    // root, or a container or chroot without what namespaces need: skipped.
    QString error;
    if (geteuid() != 0 || !netnsutil::enter(QString::fromLatin1(netnsutil::kHost), &error)) {
        std::printf("network namespaces cannot be used (%s): skipped\n",
                    error.isEmpty() ? "not root" : qPrintable(error));
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestDiscoveryNetns test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_netdiscovery_netns.moc"
