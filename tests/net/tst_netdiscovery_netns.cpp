// Broadcast discovery for real, between private network namespaces made by netns.sh:
// this process runs in lsnet-host, one simulated printer runs in lsnet-d1 and one in
// lsnet-d2 (each on its own thread, moved into its namespace). Before every search
// the test checks that it is in lsnet-host and that every broadcast address lies in
// the test subnets, so nothing can be broadcast anywhere else.
#include "net/netnsutil.h"
#include "sim/simprinter.h"
#include "transport/discovery.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QThread>
#include <QUdpSocket>
#include <QtTest>
#include <functional>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr quint16 kUdpPort = 38400; // the window's defaults, free inside the namespaces
constexpr quint16 kTcpPort = 9100;

struct PrinterSetup
{
    bool running = false;
    UdpReplyFault fault = UdpReplyFault::None;
    bool duplicate = false;
};
PrinterSetup off()
{
    return PrinterSetup{};
}
PrinterSetup answering(UdpReplyFault fault = UdpReplyFault::None, bool duplicate = false)
{
    return PrinterSetup{true, fault, duplicate};
}

QString entryOf(int printer)
{
    return QStringLiteral("Maker%1 [P%1] {10.250.%1.2}").arg(printer);
}

// Holds the GUI thread once, at the first datagram on the discovery socket, until the
// printers have answered, so that all their replies are pending together behind the
// tool's own broadcast echoes, as they would be behind a busy window. Without it the
// search may end with the first reply before the second has arrived.
class BatchHold : public QObject
{
public:
    BatchHold(QObject *transport, std::function<bool()> answered)
        : m_transport(transport), m_answered(std::move(answered))
    {
    }
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (m_done || event->type() != QEvent::SockAct ||
            !qobject_cast<QSocketNotifier *>(receiver))
            return false;
        for (QObject *o = receiver; o; o = o->parent()) {
            if (qobject_cast<QUdpSocket *>(o) && o->parent() == m_transport) {
                m_done = true;
                QElapsedTimer clock;
                clock.start();
                while (!m_answered() && clock.elapsed() < 2000)
                    QThread::msleep(5);
                QThread::msleep(30); // the datagrams are counted just before they leave
                break;
            }
        }
        return false;
    }

private:
    QObject *m_transport;
    std::function<bool()> m_answered;
    bool m_done = false;
};

} // namespace

Q_DECLARE_METATYPE(PrinterSetup)

class TestDiscoveryNetns : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void broadcast_data();
    void broadcast();
    void sequenceBytesDifferBetweenRuns();

private:
    void startPrinter(int n, const PrinterSetup &setup);
    bool confined();
    int discover(bool hold, int stopAfterMs, qint64 *elapsed);
    // A second socket on the discovery port sees every request sent on the test links.
    void openCapture();
    QList<QByteArray> captured(QList<QHostAddress> *senders = nullptr);

    PrinterDiscovery m_discovery;
    std::unique_ptr<SimPrinter> m_printers[2];
    std::unique_ptr<QUdpSocket> m_capture;
};

void TestDiscoveryNetns::initTestCase()
{
    QVERIFY(netnsutil::isCurrent(QString::fromLatin1(netnsutil::kHost)));
}

void TestDiscoveryNetns::cleanup()
{
    m_capture.reset();
    for (auto &printer : m_printers)
        printer.reset();
}

void TestDiscoveryNetns::cleanupTestCase()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestDiscoveryNetns::startPrinter(int n, const PrinterSetup &setup)
{
    if (!setup.running)
        return;
    PrinterConfig config = PrinterConfig::defaults();
    config.identity = QStringList{QStringLiteral("VID%1").arg(n), QStringLiteral("P%1").arg(n),
                                  QStringLiteral("MFG:Maker%1;CMD:TSPL;MDL:P%1;").arg(n),
                                  QStringLiteral("PID%1").arg(n), QStringLiteral("msg")};
    auto printer = std::make_unique<SimPrinter>(config);
    // The simulator's thread moves into the printer's namespace before it opens sockets.
    const QString space = QString::fromLatin1(n == 1 ? netnsutil::kPrinter1 : netnsutil::kPrinter2);
    printer->setThreadInit([space](QString *error) { return netnsutil::enter(space, error); });
    // Answering a little later puts every reply behind the tool's own broadcast echoes,
    // which come back at once and each end a batch.
    printer->setReplyDelayMs(100);
    printer->setTcpAddress(QHostAddress::AnyIPv4);
    printer->setTcpPort(kTcpPort);
    printer->setUdpAddress(QHostAddress::AnyIPv4);
    printer->setUdpPort(kUdpPort);
    printer->setUdpFault(setup.fault);
    printer->setUdpDuplicate(setup.duplicate);
    QString error;
    QVERIFY2(printer->start(&error), qPrintable(error));
    m_printers[n - 1] = std::move(printer);
}

bool TestDiscoveryNetns::confined()
{
    QString why;
    if (netnsutil::discoveryConfined(&why))
        return true;
    qWarning("refusing to search: %s", qPrintable(why));
    return false;
}

int TestDiscoveryNetns::discover(bool hold, int stopAfterMs, qint64 *elapsed)
{
    BatchHold batchHold(&m_discovery, [this] {
        for (const auto &printer : m_printers) {
            if (!printer)
                continue;
            const PrinterFaults f = printer->faults();
            int expected = f.udpDuplicate ? 2 : 1;
            if (f.udpFault == UdpReplyFault::NoReply)
                expected = 0;
            if (printer->udpReplyCount() < expected)
                return false;
        }
        return true;
    });
    if (hold)
        qApp->installEventFilter(&batchHold);
    if (stopAfterMs >= 0)
        QTimer::singleShot(stopAfterMs, &m_discovery, [this] { m_discovery.stop(); });
    QElapsedTimer clock;
    clock.start();
    const int result = m_discovery.searchNetwork(kUdpPort);
    *elapsed = clock.elapsed();
    qApp->removeEventFilter(&batchHold);
    return result;
}

void TestDiscoveryNetns::openCapture()
{
    m_capture = std::make_unique<QUdpSocket>();
    QVERIFY(m_capture->bind(QHostAddress::AnyIPv4, kUdpPort,
                            QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
}

QList<QByteArray> TestDiscoveryNetns::captured(QList<QHostAddress> *senders)
{
    QList<QByteArray> out;
    QTest::qWait(50);
    while (m_capture->hasPendingDatagrams()) {
        QByteArray datagram(int(m_capture->pendingDatagramSize()), '\0');
        QHostAddress sender;
        const qint64 n = m_capture->readDatagram(datagram.data(), datagram.size(), &sender);
        if (n < 0)
            break;
        datagram.truncate(int(n));
        out << datagram;
        if (senders)
            *senders << sender;
    }
    return out;
}

void TestDiscoveryNetns::broadcast_data()
{
    QTest::addColumn<PrinterSetup>("printer1");
    QTest::addColumn<PrinterSetup>("printer2");
    QTest::addColumn<bool>("hold");
    QTest::addColumn<int>("stopAfterMs");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("entries");

    const QStringList none;
    QTest::newRow("two printers") << answering() << answering() << true << -1 << 1
                                  << QStringList{entryOf(1), entryOf(2)};
    QTest::newRow("duplicate reply") << answering(UdpReplyFault::None, true) << off() << true << -1
                                     << 1 << QStringList{entryOf(1)};
    QTest::newRow("10-byte reply beside a printer")
        << answering(UdpReplyFault::TenBytes) << answering() << true << -1 << 1
        << QStringList{entryOf(2)};
    QTest::newRow("10-byte reply only")
        << answering(UdpReplyFault::TenBytes) << off() << false << -1 << 0 << none;
    QTest::newRow("reply without MFG only")
        << answering(UdpReplyFault::NoMfg) << off() << false << -1 << 0 << none;
    QTest::newRow("length byte 0 and bit 7")
        << answering(UdpReplyFault::LengthZero) << answering(UdpReplyFault::LengthBit7) << true
        << -1 << 0 << none;
    QTest::newRow("no printer") << off() << off() << false << -1 << 0 << none;
    QTest::newRow("stopped") << answering(UdpReplyFault::NoReply)
                             << answering(UdpReplyFault::NoReply) << false << 300 << 1 << none;
}

void TestDiscoveryNetns::broadcast()
{
    QFETCH(PrinterSetup, printer1);
    QFETCH(PrinterSetup, printer2);
    QFETCH(bool, hold);
    QFETCH(int, stopAfterMs);
    QFETCH(int, result);
    QFETCH(QStringList, entries);
    startPrinter(1, printer1);
    startPrinter(2, printer2);
    QVERIFY(confined());

    qint64 elapsed = 0;
    QCOMPARE(discover(hold, stopAfterMs, &elapsed), result);
    QStringList got = m_discovery.entries();
    got.sort();
    QCOMPARE(got, entries);
    if (result == 0) {
        // Nothing listed: the search lasts its 1.5 s.
        QVERIFY2(elapsed >= 1490, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 3500, qPrintable(QString::number(elapsed)));
    }
    if (stopAfterMs >= 0)
        QVERIFY2(elapsed < 1400, qPrintable(QString::number(elapsed)));
    // One request reached each running printer: one send per test link.
    for (const auto &printer : m_printers) {
        if (printer)
            QTRY_COMPARE(printer->udpRequestCount(), 1);
    }
}

void TestDiscoveryNetns::sequenceBytesDifferBetweenRuns()
{
    startPrinter(1, answering(UdpReplyFault::NoReply));
    startPrinter(2, answering(UdpReplyFault::NoReply));
    openCapture();
    QVERIFY(confined());

    int previous = -1;
    for (int run = 0; run < 2; ++run) {
        qint64 elapsed = 0;
        QCOMPARE(discover(false, 200, &elapsed), 1);
        QList<QHostAddress> senders;
        const QList<QByteArray> requests = captured(&senders);
        // One request per test link, sent from the link's own address.
        QCOMPARE(requests.size(), 2);
        QStringList from;
        for (const QHostAddress &sender : senders)
            from << sender.toString().remove(QStringLiteral("::ffff:"));
        from.sort();
        QCOMPARE(from, (QStringList{"10.250.1.1", "10.250.2.1"}));
        const int sequence = quint8(requests.first().at(0));
        for (const QByteArray &request : requests) {
            QCOMPARE(request.size(), 10);
            QCOMPARE(int(quint8(request.at(0))), sequence);
            QCOMPARE(request.mid(1), QByteArray::fromHex("1BFFFE020C001BFEFF"));
        }
        QVERIFY(sequence <= 99);
        QVERIFY(sequence != previous);
        previous = sequence;
    }
}

int main(int argc, char **argv)
{
    if (geteuid() != 0) {
        std::puts("network namespace tests need root: skipped");
        return 77;
    }
    // Enter the host namespace before anything opens a socket or starts a thread.
    QString error;
    if (!netnsutil::enter(QString::fromLatin1(netnsutil::kHost), &error)) {
        // A root user in a container or chroot may lack what namespaces need.
        const QString why = netnsutil::unavailable();
        if (!why.isEmpty()) {
            std::printf("network namespaces cannot be used (%s): skipped\n", qPrintable(why));
            return 77;
        }
        std::fprintf(stderr, "%s (run through ctest, or tests/net/netns.sh setup first)\n",
                     qPrintable(error));
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestDiscoveryNetns test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_netdiscovery_netns.moc"
