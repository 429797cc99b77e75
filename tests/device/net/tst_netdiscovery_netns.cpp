// Broadcast discovery for real, between private network namespaces made by netns.sh: this
// process runs in lsnet-host, a simulated printer on its own thread in lsnet-d1 and lsnet-d2.
#include "device/diagnostics/connectiondoctor.h"
#include "sim/simprinter.h"
#include "device/link/discovery.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QProcess>
#include <QThread>
#include <QUdpSocket>
#include <QtTest>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <memory>
#include <unistd.h>
#include <utility>

namespace {
constexpr quint16 kUdpPort = 38400; // the window's defaults, free inside the namespaces
// A printer reply fault, no printer there, or a correct reply sent twice.
constexpr int kOk = int(UdpReplyFault::None), kOff = -1, kTwice = -2;

// Moves the calling thread into a test namespace; threads it starts afterwards inherit it.
bool enter(const QString &name, QString *error)
{
    const QString path = QStringLiteral("/run/netns/") + name;
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
    if (!ok)
        *error = path + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
    if (fd >= 0)
        close(fd);
    return ok;
}
} // namespace

class TestDiscoveryNetns : public QObject
{
    Q_OBJECT

    PrinterDiscovery m_discovery;
    int m_lastSequence = -1;

private slots:
    // In lsnet-host a documentation address lies on no subnet and has no route.
    void doctorAddressOnNoSubnet()
    {
        QStringList verdicts;
        QString port;
        for (const doctor::Finding &f : doctor::checkNetwork({"192.0.2.1", 9100, kUdpPort, 500})) {
            verdicts << doctor::verdictName(f.verdict);
            if (f.check == QLatin1String("net.port"))
                port = f.text;
        }
        QCOMPARE(verdicts.join(' '), QStringLiteral("warning failure failure skipped warning"));
        // Unreachable at once is not a printer that took too long to answer.
        QVERIFY2(port.contains(QStringLiteral("无法到达")), qPrintable(port));
    }

    // A broadcast the host's rules prohibit is tried three times, the other link once.
    void failedSendTriedThreeTimes()
    {
        const auto rules = [](const QStringList &commands) {
            for (const QString &c : commands)
                QProcess::execute(QStringLiteral("ip"), c.split(' '));
        };
        // The prohibiting rule must come before the local table, which routes broadcasts.
        rules({"rule add pref 100 lookup local", "rule del pref 0 lookup local",
               "rule add pref 10 to 10.250.2.255 prohibit"});
        static QStringList failures;
        failures.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
                if (m.startsWith(QLatin1String("Failed to send datagram")))
                    failures << m;
            });
        m_discovery.searchNetwork(kUdpPort);
        qInstallMessageHandler(previous);
        rules({"rule del pref 10", "rule add pref 0 lookup local", "rule del pref 100"});
        QCOMPARE(failures.size(), 3);
        for (const QString &f : failures)
            QVERIFY2(f.contains(QLatin1String("10.250.2.255")), qPrintable(f));
    }

    // Each printer's reply, and the printers listed; a search listing none lasts its 1.5 s.
    void broadcast_data()
    {
        QTest::addColumn<int>("printer1");
        QTest::addColumn<int>("printer2");
        QTest::addColumn<int>("stopAfterMs");
        QTest::addColumn<QString>("listed");
        const int silent = int(UdpReplyFault::NoReply);
        QTest::newRow("two printers") << kOk << kOk << -1 << "1 2";
        QTest::newRow("duplicate reply") << kTwice << kOff << -1 << "1";
        QTest::newRow("10-byte reply beside a printer")
            << int(UdpReplyFault::TenBytes) << kOk << -1 << "2";
        QTest::newRow("10-byte reply only") << int(UdpReplyFault::TenBytes) << kOff << -1 << "";
        QTest::newRow("reply without MFG only") << int(UdpReplyFault::NoMfg) << kOff << -1 << "";
        QTest::newRow("length byte 0 and bit 7")
            << int(UdpReplyFault::LengthZero) << int(UdpReplyFault::LengthBit7) << -1 << "";
        QTest::newRow("no printer") << kOff << kOff << -1 << "";
        // Two searches in a row, whose requests are captured: each run has its own sequence.
        QTest::newRow("stopped") << silent << silent << 300 << "";
        QTest::newRow("stopped again") << silent << silent << 300 << "";
    }
    void broadcast()
    {
        QFETCH(int, printer1);
        QFETCH(int, printer2);
        QFETCH(int, stopAfterMs);
        QFETCH(QString, listed);
        std::unique_ptr<SimPrinter> printers[2];
        const int faults[2] = {printer1, printer2};
        for (int n = 0; n < 2; ++n) {
            if (faults[n] == kOff)
                continue;
            PrinterConfig config = PrinterConfig::defaults();
            config.identity[1] = QStringLiteral("P%1").arg(n + 1);
            config.identity[2] = QStringLiteral("MFG:Maker%1;CMD:TSPL;MDL:P%1;").arg(n + 1);
            printers[n] = std::make_unique<SimPrinter>(config);
            // The simulator's thread moves into the printer's namespace before it opens sockets.
            const QString space = QStringLiteral("lsnet-d%1").arg(n + 1);
            printers[n]->setThreadInit([space](QString *error) { return enter(space, error); });
            // Answering a little later puts every reply behind the tool's own broadcast echoes.
            printers[n]->setReplyDelayMs(100);
            printers[n]->setUdpAddress(QHostAddress::AnyIPv4);
            printers[n]->setUdpPort(kUdpPort);
            printers[n]->setUdpFault(UdpReplyFault(faults[n] == kTwice ? kOk : faults[n]));
            printers[n]->setUdpDuplicate(faults[n] == kTwice);
            QVERIFY(printers[n]->start());
        }
        // Sees every request; only where no printer answers, as it may take a unicast reply.
        QUdpSocket capture;
        if (stopAfterMs >= 0)
            QVERIFY(capture.bind(QHostAddress::AnyIPv4, kUdpPort,
                                 QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        // Insurance: every broadcast address lies in the test subnets, only in lsnet-host.
        int inside = 0;
        for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
            if (iface.type() != QNetworkInterface::Ethernet ||
                (iface.flags() & QNetworkInterface::IsLoopBack))
                continue;
            for (const QNetworkAddressEntry &entry : iface.addressEntries()) {
                const QHostAddress to = entry.broadcast();
                QVERIFY2(to.isNull() || to.isInSubnet(QHostAddress("10.250.0.0"), 16),
                         qPrintable(to.toString()));
                inside += !to.isNull();
            }
        }
        QVERIFY(inside > 0);

        // Holds the loop after sending until all replies are pending, as behind a busy window.
        QTimer::singleShot(0, &m_discovery, [&] {
            QElapsedTimer clock;
            clock.start();
            for (int n = 0; n < 2 && clock.elapsed() < 2000; QThread::msleep(5)) {
                const int expected =
                    faults[n] == int(UdpReplyFault::NoReply) ? 0 : 1 + (faults[n] == kTwice);
                n += !printers[n] || printers[n]->udpReplyCount() >= expected;
            }
            QThread::msleep(30); // the datagrams are counted just before they leave
        });
        if (stopAfterMs >= 0)
            QTimer::singleShot(stopAfterMs, &m_discovery, [this] { m_discovery.stop(); });
        QElapsedTimer clock;
        clock.start();
        const int result = m_discovery.searchNetwork(kUdpPort);
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(result, int(!listed.isEmpty() || stopAfterMs >= 0));
        QStringList got = m_discovery.entries(), want;
        got.sort();
        for (const QString &n : listed.split(' ', Qt::SkipEmptyParts))
            want << QStringLiteral("Maker%1 [P%1] {10.250.%1.2}").arg(n);
        QCOMPARE(got, want);
        QVERIFY2(result ? stopAfterMs < 0 || elapsed < 1400 : elapsed >= 1490 && elapsed < 3500,
                 qPrintable(QString::number(elapsed)));
        for (const auto &printer : printers) { // one send per test link
            if (printer)
                QTRY_COMPARE(printer->udpRequestCount(), 1);
        }
        if (stopAfterMs < 0)
            return;
        QTest::qWait(50);
        QStringList requests; // one per test link, from the link's own address
        while (capture.hasPendingDatagrams()) {
            const QNetworkDatagram d = capture.receiveDatagram();
            requests << d.senderAddress().toString().remove("::ffff:") + ' ' + d.data().toHex(' ');
        }
        requests.sort();
        const int sequence = requests.value(0).section(' ', 1, 1).toInt(nullptr, 16);
        const QString request =
            QString(" %1 1b ff fe 02 0c 00 1b fe ff").arg(sequence, 2, 16, QChar('0'));
        QCOMPARE(requests, (QStringList{"10.250.1.1" + request, "10.250.2.1" + request}));
        QVERIFY(sequence <= 99 && sequence != std::exchange(m_lastSequence, sequence));
    }
};

int main(int argc, char **argv)
{
    // Before any socket or thread; not root, or no namespaces (a container): skipped.
    QString error;
    if (geteuid() != 0 || !enter(QStringLiteral("lsnet-host"), &error)) {
        std::printf("network namespaces cannot be used (%s): skipped\n",
                    error.isEmpty() ? "not root" : qPrintable(error));
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestDiscoveryNetns test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_netdiscovery_netns.moc"
