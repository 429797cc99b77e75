// The fleet core against simulated printers on loopback addresses: addresses and ranges,
// the poller and the table model, the scan, the rollout with a printer that restarts
// with a new version, and the command line's fleet commands and metrics endpoint.
#include "common/encryptedfile.h"
#include "common/finishes.h"
#include "common/fleetprinters.h"
#include "common/metricsscrape.h"
#include "exporter/exporter.h"
#include "device/fleet/fleetmodel.h"
#include "device/fleet/inventory.h"
#include "device/fleet/poller.h"
#include "device/fleet/rollout.h"
#include "device/fleet/scan.h"
#include "device/jobs/fleetrun.h"
#include "device/link/printersession.h"
#include "device/operations/outcome.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/commandcodes.h"
#include "sim/simprinter.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<SimPrinter> startPrinter(const QString &address, quint16 port, quint32 word = 0,
                                         const QString &firmwareRestart = QString())
{
    return startFleetPrinter(address, port, word, firmwareRestart, 300);
}

fleet::Address at(const SimPrinter &p)
{
    fleet::Address a;
    a.host = p.tcpAddress().toString();
    a.port = p.tcpPort();
    return a;
}

// A port nobody listens on (the listener is closed again at once).
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

int identityQueries(const SimPrinter &p)
{
    int n = 0;
    for (const ReceivedFrame &f : p.receivedFrames())
        n += f.frameClass == 0x02 && f.item == INFO_DEVICE_IDENTITY ? 1 : 0;
    return n;
}

// "FWVER=<version>" and padding: one 16-byte block in front of the payload.
QByteArray firmwareImage(const QByteArray &version, int payloadSize = 32 * 1024)
{
    QByteArray head = "FWVER=" + version + "\n";
    head += QByteArray(16 - head.size() % 16, '\n');
    return head + rawPayload(payloadSize, 11);
}

} // namespace

class TestFleet : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    // One endpoint for every row of exporterSeries, a printer of its own each: stopping
    // the web server takes two seconds.
    std::unique_ptr<fleet::Exporter> seriesExporter;
    int seriesPrinters = 0;

    struct Run
    {
        int code = -1;
        QByteArray out, err;
    };
    Run cli(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), arguments);
        Run r;
        if (process.waitForFinished(60000))
            r = Run{process.exitCode(), process.readAllStandardOutput(),
                    process.readAllStandardError()};
        return r;
    }
    QString targetsFile(const QString &name, const QList<fleet::Address> &list)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("# the test's printers\n");
        for (const fleet::Address &a : list)
            file.write(a.key().toUtf8() + "\n");
        return file.fileName();
    }

private slots:
    void address_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("key");
        QTest::newRow("host") << "10.1.2.3" << true << "10.1.2.3:9100";
        QTest::newRow("host and the last port") << " 10.1.2.3:65535 " << true << "10.1.2.3:65535";
        QTest::newRow("name") << "printer-7.local:9100" << true << "printer-7.local:9100";
        QTest::newRow("v6") << "[fd00::7]:9100" << true << "[fd00::7]:9100";
        QTest::newRow("usb") << "usb" << true << "usb";
        QTest::newRow("usb port 1") << "usb:1" << true << "usb:1";
        QTest::newRow("usb port 0") << "usb:0" << false << "";
        QTest::newRow("port 0") << "10.1.2.3:0" << false << "";
        QTest::newRow("port too large") << "10.1.2.3:65536" << false << "";
        QTest::newRow("blank inside") << "10.1 .2.3" << false << "";
        QTest::newRow("bad v6") << "[fd00::zz]:9100" << false << "";
        QTest::newRow("empty") << "" << false << "";
    }
    void address()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, key);
        fleet::Address a;
        QCOMPARE(fleet::Address::parse(text, &a), ok);
        if (ok)
            QCOMPARE(a.key(), key);
    }

    void targets()
    {
        QList<fleet::Address> list;
        int bad = 0;
        QVERIFY(
            fleet::parseTargets("# site\n10.0.0.1\n\n  usb:2 \n[fd00::1]:9101\r\n", &list, &bad));
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(2).key(), QStringLiteral("[fd00::1]:9101"));
        QVERIFY(!fleet::parseTargets("10.0.0.1\n# fine\nnot an address\n", &list, &bad));
        QCOMPARE(bad, 3);
    }

    void range_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("hosts"); // first and last
        QTest::addColumn<int>("count");         // -1: refused
        QTest::addColumn<QString>("refusal");   // in the reason
        QTest::newRow("/30 without network and broadcast")
            << "10.0.0.0/30" << QStringList{"10.0.0.1", "10.0.0.2"} << 2 << "";
        QTest::newRow("/24 from any of its addresses")
            << "192.168.7.77/24" << QStringList{"192.168.7.1", "192.168.7.254"} << 254 << "";
        QTest::newRow("/16 is the largest")
            << "10.1.2.3/16" << QStringList{"10.1.0.1", "10.1.255.254"} << 65534 << "";
        QTest::newRow("/31 both") << "10.0.0.4/31" << QStringList{"10.0.0.4", "10.0.0.5"} << 2
                                  << "";
        QTest::newRow("/32") << "10.0.0.9/32" << QStringList{"10.0.0.9", "10.0.0.9"} << 1 << "";
        QTest::newRow("last byte range")
            << "10.0.0.5-7" << QStringList{"10.0.0.5", "10.0.0.7"} << 3 << "";
        QTest::newRow("last byte 255")
            << "10.0.0.250-255" << QStringList{"10.0.0.250", "10.0.0.255"} << 6 << "";
        QTest::newRow("address range")
            << "10.0.0.250-10.0.1.2" << QStringList{"10.0.0.250", "10.0.1.2"} << 9 << "";
        QTest::newRow("65536 addresses")
            << "10.0.0.0-10.0.255.255" << QStringList{"10.0.0.0", "10.0.255.255"} << 65536 << "";
        QTest::newRow("one") << "127.0.0.2" << QStringList{"127.0.0.2", "127.0.0.2"} << 1 << "";
        // Never connected to: multicast, broadcast and "this network".
        QTest::newRow("multicast left out") << "224.0.0.1/32" << QStringList{} << 0 << "";
        QTest::newRow("broadcast left out")
            << "255.255.255.254-255" << QStringList{"255.255.255.254", "255.255.255.254"} << 1
            << "";
        QTest::newRow("this network left out")
            << "0.255.255.254-1.0.0.1" << QStringList{"1.0.0.0", "1.0.0.1"} << 2 << "";
        QTest::newRow("65537 addresses")
            << "10.0.0.0-10.1.0.0" << QStringList{} << -1 << "larger than 65536";
        QTest::newRow("too large") << "10.0.0.0/15" << QStringList{} << -1 << "at most /16";
        QTest::newRow("/0") << "10.0.0.0/0" << QStringList{} << -1 << "at most /16";
        QTest::newRow("backwards") << "10.0.0.9-10.0.0.8" << QStringList{} << -1 << "empty";
        QTest::newRow("last byte past 255") << "10.0.0.5-256" << QStringList{} << -1 << "256";
        QTest::newRow("bad first address")
            << "10.0.0.300-7" << QStringList{} << -1 << "not an IPv4 address";
        QTest::newRow("v6") << "fd00::/120" << QStringList{} << -1 << "not an IPv4 network";
        QTest::newRow("bad prefix")
            << "10.0.0.0/33" << QStringList{} << -1 << "not an IPv4 network";
        QTest::newRow("prefix not a number")
            << "10.0.0.0/x" << QStringList{} << -1 << "not an IPv4 network";
        QTest::newRow("words") << "the office" << QStringList{} << -1 << "not an address range";
    }
    void range()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, hosts);
        QFETCH(int, count);
        QFETCH(QString, refusal);
        QList<QHostAddress> list;
        QString error;
        QCOMPARE(fleet::scan::parseRange(text, &list, &error), count >= 0);
        if (count < 0) {
            QVERIFY2(error.contains(refusal), qPrintable(error));
            return;
        }
        QCOMPARE(list.size(), count);
        if (count > 0) {
            QCOMPARE(list.first().toString(), hosts.at(0));
            QCOMPARE(list.last().toString(), hosts.at(1));
        }
    }

    // Listeners at chosen loopback addresses of one port; the addresses that accepted.
    void accepting_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<QStringList>("listening");
        QTest::addColumn<QStringList>("open");
        QTest::newRow("first and last of the range")
            << "127.0.0.9-12" << QStringList{"127.0.0.9", "127.0.0.12"}
            << QStringList{"127.0.0.9", "127.0.0.12"};
        QTest::newRow("one host") << "127.0.0.9" << QStringList{"127.0.0.9"}
                                  << QStringList{"127.0.0.9"};
        QTest::newRow("no hosts") << "224.0.0.1" << QStringList{} << QStringList{};
    }
    void accepting()
    {
        QFETCH(QString, range);
        QFETCH(QStringList, listening);
        QFETCH(QStringList, open);
        std::vector<std::unique_ptr<QTcpServer>> servers;
        fleet::scan::Options options;
        options.port = 0;
        for (const QString &address : listening) {
            servers.push_back(std::make_unique<QTcpServer>());
            QVERIFY(servers.back()->listen(QHostAddress(address), options.port));
            options.port = servers.back()->serverPort();
        }
        QList<QHostAddress> hosts;
        QString error;
        QVERIFY(fleet::scan::parseRange(range, &hosts, &error));
        QStringList found;
        for (const QHostAddress &a : fleet::scan::accepting(hosts, options))
            found << a.toString();
        QCOMPARE(found, open);
    }

    void severity_data()
    {
        QTest::addColumn<bool>("reached");
        QTest::addColumn<quint32>("word");
        QTest::addColumn<QString>("severity");
        QTest::addColumn<QString>("conditions");
        QTest::newRow("idle") << true << 0u << "ready"
                              << "";
        QTest::newRow("printing") << true << 0x1u << "busy"
                                  << "printing";
        QTest::newRow("paused") << true << 0x2000u << "busy"
                                << "paused";
        QTest::newRow("paper out") << true << 0x2u << "attention"
                                   << "paper_out";
        QTest::newRow("printing, cover open") << true << 0x81u << "attention"
                                              << "printing,cover_open";
        QTest::newRow("unknown high bits only") << true << 0x80000000u << "ready"
                                                << "";
        QTest::newRow("no answer") << false << 0x2u << "unreachable"
                                   << "paper_out";
    }
    void severity()
    {
        QFETCH(bool, reached);
        QFETCH(quint32, word);
        QFETCH(QString, severity);
        QFETCH(QString, conditions);
        fleet::Reading r;
        r.at = QDateTime::currentDateTime();
        r.reached = reached;
        r.statusWord = word;
        QCOMPARE(fleet::severityName(fleet::severity(r)), severity);
        QCOMPARE(fleet::conditions(word).join(','), conditions);
    }

    void inventoryCsv()
    {
        fleet::inventory::Entry a;
        a.address.host = QStringLiteral("10.0.0.7");
        a.reading.reached = true;
        a.reading.at = QDateTime(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
        a.reading.model = QStringLiteral("K53TA, \"wide\"");
        a.reading.maker = QStringLiteral("Label");
        a.reading.firmware = QStringLiteral("V1.2.7");
        a.reading.serial = QStringLiteral("SN1");
        a.reading.dpi = 300;
        a.reading.statusWord = 0x82;
        fleet::inventory::Entry b;
        b.address = PrinterAddress::forUsb(2);
        QCOMPARE(fleet::inventory::csv({a, b}),
                 QByteArray("printer,state,model,manufacturer,firmware,serial,dpi,conditions,at\r\n"
                            "10.0.0.7:9100,attention,\"K53TA, \"\"wide\"\"\",Label,V1.2.7,SN1,300,"
                            "paper_out cover_open,2026-03-01T08:30:00Z\r\n"
                            "usb:2,unknown,,,,,,,\r\n"));
        const QJsonObject record = fleet::inventory::record(a);
        QCOMPARE(record.value("word").toString(), QStringLiteral("0x00000082"));
        QCOMPARE(record.value("conditions").toArray().size(), 2);
    }

    // The model and the poller, as the window uses them, without the window.
    void pollerFillsTheModel()
    {
        auto ready = startPrinter("127.0.0.1", 0);
        auto paperOut = startPrinter("127.0.0.1", 0, 0x2);
        auto printing = startPrinter("127.0.0.1", 0, 0x1);
        QVERIFY(ready && paperOut && printing);
        fleet::Address gone;
        gone.host = QStringLiteral("127.0.0.1");
        gone.port = closedPort();

        jobs::WorkerPool pool(4);
        fleet::Gate gate;
        fleet::Poller poller(fleet::makeSessionDevice(), gate, pool);
        const auto round = [&poller] {
            return finishes(poller, &fleet::Poller::roundFinished,
                            [&poller] { return poller.inFlight() == 0; });
        };
        fleet::FleetModel model;
        QCOMPARE(model.add({at(*ready), at(*paperOut), at(*printing), gone, at(*ready)}), 4);
        QObject::connect(&poller, &fleet::Poller::polled, &model, &fleet::FleetModel::setReading);
        poller.setAddresses(model.addresses());
        poller.pollNow();
        QVERIFY(round());

        const QStringList expected{"ready", "attention", "busy", "unreachable"};
        for (int row = 0; row < 4; ++row) {
            const auto severity =
                fleet::Severity(model.index(row, 0).data(fleet::FleetModel::SeverityRole).toInt());
            QCOMPARE(fleet::severityName(severity), expected.at(row));
        }
        QCOMPARE(model.index(0, fleet::FleetModel::ModelColumn).data().toString(), "K53TA");
        QCOMPARE(model.index(0, fleet::FleetModel::SerialColumn).data().toString(),
                 "K53TA2401000123");
        QCOMPARE(model.index(0, fleet::FleetModel::FirmwareColumn).data().toString(), "V1.2.7");
        QVERIFY(!model.index(0, fleet::FleetModel::LastAnswerColumn).data().toString().isEmpty());
        QVERIFY(model.index(3, fleet::FleetModel::LastAnswerColumn).data().toString().isEmpty());

        // Later rounds ask for the status only; the identity stays in the table.
        poller.pollNow();
        QVERIFY(round());
        QCOMPARE(identityQueries(*ready), 1);
        QCOMPARE(model.index(0, fleet::FleetModel::ModelColumn).data().toString(), "K53TA");

        // A printer open elsewhere, or held by an operation, is not talked to.
        poller.setExcluded(at(*ready).key(), true);
        QVERIFY(gate.tryTake(at(*paperOut).key()));
        const int readyBefore = ready->connectionCount();
        const int paperOutBefore = paperOut->connectionCount();
        const int printingBefore = printing->connectionCount();
        poller.pollNow();
        QVERIFY(round());
        QCOMPARE(ready->connectionCount(), readyBefore);
        QCOMPARE(paperOut->connectionCount(), paperOutBefore);
        QVERIFY(printing->connectionCount() > printingBefore);
        gate.give(at(*paperOut).key());

        // The list remembered is the addresses, and it comes back the same.
        fleet::FleetModel again;
        again.fromJson(model.toJson());
        QCOMPARE(again.rowCount(), 4);
        QCOMPARE(again.address(3).key(), gone.key());
    }

    // Printers at chosen loopback addresses on one port; a listener that is no printer.
    void scanFindsThePrintersOnly()
    {
        auto first = startPrinter("127.0.0.2", 0);
        QVERIFY(first);
        const quint16 port = first->tcpPort();
        auto second = startPrinter("127.0.0.3", port, 0x2);
        auto third = startPrinter("127.0.0.6", port);
        QVERIFY(second && third);
        QTcpServer silent; // accepts and never answers
        QVERIFY(silent.listen(QHostAddress("127.0.0.4"), port));

        QList<QHostAddress> hosts;
        QString error;
        QVERIFY(fleet::scan::parseRange("127.0.0.0/29", &hosts, &error));
        fleet::scan::Options options;
        options.port = port;

        jobs::WorkerPool pool(16);
        fleet::scan::Scan scan(pool, fleet::makeSessionDevice(), hosts, options);
        QList<QPair<int, int>> progress; // done, total: from nothing to the four that accepted
        QObject::connect(&scan, &fleet::scan::Scan::progressed,
                         [&](int done, int total) { progress.append({done, total}); });
        scan.start();
        QVERIFY(finishes(scan));
        const QList<fleet::scan::Found> found = scan.found();
        QCOMPARE(progress, (QList<QPair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}));
        QStringList keys;
        for (const fleet::scan::Found &f : found)
            keys << f.address.key();
        const QString p = QString::number(port);
        QCOMPARE(keys, QStringList({"127.0.0.2:" + p, "127.0.0.3:" + p, "127.0.0.6:" + p}));
        QCOMPARE(found.at(1).reading.statusWord, 0x2u);
        QCOMPARE(found.at(0).reading.model, QStringLiteral("K53TA"));

        // The command line's records: the fields of list, plus the readings.
        const Run r = cli({"scan", "127.0.0.0/29", "--port", p, "--json"});
        QCOMPARE(r.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value("printers").toArray().size(), 3);
        QCOMPARE(o.value("printers").toArray().at(0).toString(), "Label [K53TA] {127.0.0.2} :" + p);
        QCOMPARE(o.value("found").toArray().at(1).toObject().value("state").toString(),
                 QStringLiteral("attention"));
        QCOMPARE(o.value("scanned").toInt(), 6);
    }

    // Six printers, each asked its status three times (each answer 60 ms late), `limit`
    // at once on a pool of `poolSize`, the run cancelled once `cancelAfter` are done: never
    // more printers talked to at once than both allow, nobody begun after the cancel, and
    // every printer told as done, interrupted (fewer answers) or not attempted (nothing
    // received).
    void runCancelledMidway_data()
    {
        QTest::addColumn<int>("poolSize");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("cancelAfter"); // -1: never
        QTest::newRow("one at a time, cancelled after one") << 4 << 1 << 1;
        QTest::newRow("two at a time, cancelled after two") << 4 << 2 << 2;
        QTest::newRow("a pool smaller than the limit") << 2 << 4 << 3;
        QTest::newRow("not cancelled") << 3 << 3 << -1;
    }
    void runCancelledMidway()
    {
        QFETCH(int, poolSize);
        QFETCH(int, limit);
        QFETCH(int, cancelAfter);
        constexpr int kPrinters = 6;
        constexpr int kAsks = 3;
        std::vector<std::unique_ptr<SimPrinter>> printers;
        QList<fleet::Address> addresses;
        QStringList keys;
        for (int i = 0; i < kPrinters; ++i) {
            printers.push_back(startPrinter("127.0.0.1", 0));
            QVERIFY(printers.back());
            printers.back()->setReplyDelayMs(60);
            addresses << at(*printers.back());
            keys << addresses.last().key();
        }
        std::atomic<int> talking{0};
        std::atomic<int> most{0};
        jobs::WorkerPool pool(poolSize);
        jobs::FleetRun run(pool, keys, [&](int i, jobs::Context &context, QVariant *) {
            const int now = ++talking;
            for (int seen = most.load(); now > seen && !most.compare_exchange_weak(seen, now);) {
            }
            ops::Outcome outcome = ops::open(context.session(), addresses.at(i));
            for (int ask = 0; ask < kAsks && outcome.ok(); ++ask) {
                quint32 word = 0;
                outcome.result = context.session().readStatusWord(&word);
                if (outcome.result != RESULT_OK)
                    outcome.code = outcome.result == RESULT_CANCELLED ? ops::Code::Interrupted
                                                                      : ops::Code::NoAnswer;
            }
            context.session().close();
            --talking;
            return outcome;
        });
        run.setLimit(limit);
        int done = 0;
        QObject::connect(&run, &jobs::FleetRun::printerFinished, [&](int i) {
            if (run.state(i) == jobs::FleetRun::State::Done && ++done == cancelAfter)
                run.cancel();
        });
        run.start();
        QVERIFY(finishes(run));

        QVERIFY2(most <= qMin(limit, poolSize), qPrintable(QString::number(most)));
        QCOMPARE(run.isCancelled(), cancelAfter >= 0);
        int begun = 0;
        for (int i = 0; i < kPrinters; ++i) {
            const SimPrinter &p = *printers[size_t(i)];
            const int asked = p.receivedFrames().size(); // the open sends none
            begun += p.connectionCount() > 0 ? 1 : 0;
            switch (run.state(i)) {
            case jobs::FleetRun::State::Done:
                QCOMPARE(asked, kAsks);
                QVERIFY(run.outcome(i).ok());
                break;
            case jobs::FleetRun::State::Interrupted:
                QVERIFY(cancelAfter >= 0);
                QVERIFY2(asked < kAsks, qPrintable(QString::number(asked)));
                QCOMPARE(int(run.outcome(i).code), int(ops::Code::Interrupted));
                break;
            case jobs::FleetRun::State::NotAttempted:
                QVERIFY(cancelAfter >= 0);
                QCOMPARE(p.connectionCount(), 0);
                QCOMPARE(asked, 0);
                break;
            default:
                QFAIL(qPrintable(QStringLiteral("printer %1 left running or waiting").arg(i)));
            }
        }
        if (cancelAfter < 0)
            QCOMPARE(run.done(), kPrinters);
        else // those done, and those in flight at the cancel: no printer begun after it. A
             // printer queued on the pool may begin on a freed worker before the cancel
             // reaches it, so the bound is the run's limit, not the pool's size.
            QVERIFY2(begun <= cancelAfter + limit, qPrintable(QString::number(begun)));
        QCOMPARE(pool.unfinished(), 0);
    }

    void rollout()
    {
        auto a = startPrinter("127.0.0.1", 0, 0, "stream");
        auto b = startPrinter("127.0.0.1", 0, 0, "stream");
        auto fixed = startPrinter("127.0.0.1", 0, 0, "V9.9");
        QVERIFY(a && b && fixed);
        fleet::Address gone;
        gone.host = QStringLiteral("127.0.0.1");
        gone.port = closedPort();
        const QByteArray image = firmwareImage("V2.0.1");
        const QString encrypted = dir.filePath("fw.bin");
        QVERIFY(writeEncryptedFile(encrypted, image));
        PlainCopy plain;
        QString why;
        QVERIFY2(fleet::rollout::decrypt(encrypted, true, &plain, &why), qPrintable(why));

        jobs::WorkerPool pool(3);
        fleet::Gate gate;
        fleet::rollout::Options options;
        options.jobs = 3;
        options.expectVersion = QStringLiteral("V2.0.1");
        options.settleMs = 100;
        options.comeBackMs = 10000;
        options.retryMs = 100;
        QMap<int, int> lastPercent;
        const QList<fleet::Address> printers{at(*a), at(*b), at(*fixed), gone};
        const std::unique_ptr<jobs::FleetRun> run(fleet::rollout::start(
            pool, fleet::makeSessionDevice(), &gate, printers, plain, options));
        QObject::connect(run.get(), &jobs::FleetRun::printerProgressed,
                         [&](int index, int percent) { lastPercent[index] = percent; });
        run->start();
        QVERIFY(finishes(*run));
        QList<fleet::rollout::Result> results;
        for (int i = 0; i < printers.size(); ++i)
            results << fleet::rollout::resultOf(*run, i, printers.at(i));
        plain.remove();
        QCOMPARE(results.size(), 4);
        QVERIFY2(results.at(0).code == fleet::rollout::Ok, qPrintable(results.at(0).message));
        QCOMPARE(results.at(0).versionBefore, QStringLiteral("V1.2.7"));
        QCOMPARE(results.at(0).versionAfter, QStringLiteral("V2.0.1"));
        QCOMPARE(int(results.at(1).code), int(fleet::rollout::Ok));
        QCOMPARE(int(results.at(2).code), int(fleet::rollout::Mismatch));
        QCOMPARE(results.at(2).versionAfter, QStringLiteral("V9.9"));
        QCOMPARE(int(results.at(3).code), int(fleet::rollout::NoPrinter));
        QCOMPARE(int(fleet::rollout::worst(results)), int(fleet::rollout::NoPrinter));
        QCOMPARE(lastPercent.value(0), 100);
        // Every byte of the image reached each printer as raw data.
        QCOMPARE(a->rawByteCount(), qint64(image.size()));
        QCOMPARE(a->rawSha256(), QCryptographicHash::hash(image, QCryptographicHash::Sha256));
        QCOMPARE(a->model().firmwareVersion(), QStringLiteral("V2.0.1"));

        // The command line: exit code 4 for a mismatch, 0 when every version is right.
        const QString both = targetsFile("ab", {at(*a), at(*b)});
        Run r = cli({"download", "firmware", encrypted, "--targets", both, "--jobs", "2",
                     "--expect-version", "V2.0.1", "--json"});
        QCOMPARE(r.code, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out)
                     .object()
                     .value("printers")
                     .toArray()
                     .at(1)
                     .toObject()
                     .value("versionAfter")
                     .toString(),
                 QStringLiteral("V2.0.1"));
        const QString withFixed = targetsFile("af", {at(*a), at(*fixed)});
        r = cli({"download", "firmware", encrypted, "--targets", withFixed, "--expect-version",
                 "V2.0.1"});
        QCOMPARE(r.code, 4);
        QVERIFY(r.out.contains("came back with V9.9, not V2.0.1"));
        QVERIFY(!QFile::exists(plain.path()));
    }

    // The same printer named several ways is run once: the image reaches it once, and
    // status and inventory give it one record.
    void duplicatesRunOnce_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("imagesReceived");
        QTest::newRow("rollout") << QStringList{"download", "firmware", "%F", "--targets",
                                                "%T",       "--jobs",   "3",  "--json"}
                                 << 1 << 1;
        QTest::newRow("status") << QStringList{"status", "--targets", "%T", "--json"} << 1 << 0;
        QTest::newRow("inventory")
            << QStringList{"inventory", "--targets", "%T", "--json"} << 1 << 0;
    }
    void duplicatesRunOnce()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, records);
        QFETCH(int, imagesReceived);
        auto printer = startPrinter("127.0.0.1", 0, 0, "stream");
        QVERIFY(printer);
        const QByteArray image = firmwareImage("V2.0.1");
        const QString encrypted = dir.filePath("dup-fw.bin");
        QVERIFY(writeEncryptedFile(encrypted, image));
        const QString port = QString::number(printer->tcpPort());
        QFile list(dir.filePath("dup"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QStringLiteral("127.0.0.1:%1\n  127.0.0.1:%1\n[::ffff:127.0.0.1]:%1\n"
                                  "127.0.0.1:%1\n")
                       .arg(port)
                       .toUtf8());
        list.close();
        arguments.replaceInStrings("%F", encrypted).replaceInStrings("%T", list.fileName());
        const Run r = cli(arguments);
        QCOMPARE(r.code, 0);
        // One record per printer.
        QCOMPARE(r.out.count("\"printer\":"), records);
        QVERIFY2(r.err.contains("the same printer as 127.0.0.1:" + port.toUtf8()), r.err);
        QCOMPARE(printer->rawByteCount(), qint64(image.size()) * imagesReceived);
    }

    // --timeout bounds every printer's turn: a host that takes the connection and never
    // answers, and a printer that takes a firmware too slowly, end timed-out. Today's
    // limits are far beyond the 60 s the run is waited for.
    void timeLimit_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("slowPrinter"); // else the silent host
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("rollout, silent host")
            << QStringList{"download", "firmware",  "%F", "--targets",
                           "%T",       "--timeout", "1",  "--jsonl"}
            << false << 3 << QByteArray("\"reason\":\"timed-out\"");
        QTest::newRow("rollout, slow stream")
            << QStringList{"download", "firmware",  "%F", "--targets",
                           "%T",       "--timeout", "1",  "--jsonl"}
            << true << 3 << QByteArray("\"reason\":\"timed-out\"");
        QTest::newRow("one download, slow stream")
            << QStringList{"download", "firmware", "%F", "--net", "%A", "--timeout", "1", "--json"}
            << true << 3 << QByteArray("\"reason\": \"timed-out\"");
        QTest::newRow("status, silent host")
            << QStringList{"status", "--targets", "%T", "--timeout", "1", "--jsonl"} << false << 2
            << QByteArray("\"reached\":false");
        QTest::newRow("inventory, silent host")
            << QStringList{"inventory", "--targets", "%T", "--timeout", "1", "--jsonl"} << false
            << 2 << QByteArray("\"reached\":false");
    }
    void timeLimit()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, slowPrinter);
        QFETCH(int, code);
        QFETCH(QByteArray, output);
        QTcpServer silent; // the kernel takes connections; nobody reads or answers
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        auto slow = startPrinter("127.0.0.1", 0, 0, "stream");
        QVERIFY(slow);
        slow->setSlowRead(64, 200); // 256 KiB would take about 800 s
        fleet::Address host;
        host.host = QStringLiteral("127.0.0.1");
        host.port = slowPrinter ? slow->tcpPort() : silent.serverPort();
        const QString encrypted = dir.filePath("limit-fw.bin");
        QVERIFY(writeEncryptedFile(encrypted, firmwareImage("V2.0.1", 256 * 1024)));
        arguments.replaceInStrings("%F", encrypted)
            .replaceInStrings("%T", targetsFile("limit", {host}))
            .replaceInStrings("%A", host.key());
        const Run r = cli(arguments);
        QCOMPARE(r.code, code);
        QVERIFY2(r.out.contains(output), r.out + r.err);
    }

    // The fleet's self-test and font rollout count once the printer answered after them;
    // a printer that stops reading after its first answers got nothing.
    void printerConfirms_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("hangs");
        QTest::addColumn<bool>("ok");
        QTest::newRow("self-test") << "selfTest" << false << true;
        QTest::newRow("self-test, printer hung") << "selfTest" << true << false;
        QTest::newRow("font") << "font" << false << true;
        QTest::newRow("font, printer hung") << "font" << true << false;
    }
    void printerConfirms()
    {
        QFETCH(QString, what);
        QFETCH(bool, hangs);
        QFETCH(bool, ok);
        auto printer = startPrinter("127.0.0.1", 0);
        QVERIFY(printer);
        const std::shared_ptr<fleet::Device> device = fleet::makeSessionDevice();
        if (what == "selfTest") {
            // The open's check carries no frame: the self-test is the first.
            if (hangs)
                printer->setStopReadingAfterFrames(0);
            PrinterSession session;
            const ops::Outcome o = device->runFunction(session, at(*printer), "selfTest");
            QCOMPARE(o.ok(), ok);
            QCOMPARE(o.written, ok ? QStringList{"selfTest"} : QStringList());
            return;
        }
        // The rollout reads the version first: the printer stops once it has answered.
        if (hangs)
            printer->setStopReadingAfterFrames(2);
        const QString encrypted = dir.filePath("font.bin");
        QVERIFY(writeEncryptedFile(encrypted, QByteArray(8000, 'f')));
        PlainCopy plain;
        QString why;
        QVERIFY2(fleet::rollout::decrypt(encrypted, false, &plain, &why), qPrintable(why));
        jobs::WorkerPool pool(1);
        fleet::rollout::Options options;
        options.firmware = false;
        const std::unique_ptr<jobs::FleetRun> run(
            fleet::rollout::start(pool, device, nullptr, {at(*printer)}, plain, options));
        run->start();
        QVERIFY(finishes(*run));
        const QList<fleet::rollout::Result> results{
            fleet::rollout::resultOf(*run, 0, at(*printer))};
        plain.remove();
        QCOMPARE(results.size(), 1);
        QVERIFY2((results.at(0).code == fleet::rollout::Ok) == ok,
                 qPrintable(results.at(0).message));
    }

    // A rollout whose printer comes back with the version it had: a firmware it did not
    // take, unless that version was asked for.
    void rolloutSameVersion_data()
    {
        QTest::addColumn<QString>("restartTo"); // the printer's version after the stream
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("status");
        const auto row = [](const char *name, const char *restartTo, const QStringList &options,
                            int code, const char *status) {
            QTest::newRow(name) << restartTo << options << code << status;
        };
        row("unchanged", "", {}, 6, "version-unchanged");
        row("unchanged, restarted", "V1.2.7", {}, 6, "version-unchanged");
        row("unchanged, allowed", "", {"--allow-same-version"}, 0, "ok");
        row("unchanged, the version expected", "", {"--expect-version", "V1.2.7"}, 0, "ok");
        row("changed", "V2.0.1", {}, 0, "ok");
        row("changed, another expected", "V2.0.1", {"--expect-version", "V3"}, 4, "mismatch");
    }
    void rolloutSameVersion()
    {
        QFETCH(QString, restartTo);
        QFETCH(QStringList, options);
        QFETCH(int, code);
        QFETCH(QString, status);
        auto printer = startPrinter("127.0.0.1", 0, 0, restartTo);
        QVERIFY(printer);
        const QString encrypted = dir.filePath("same.bin");
        QVERIFY(writeEncryptedFile(encrypted, firmwareImage("V2.0.1")));
        const Run r = cli(QStringList{"download", "firmware", encrypted, "--targets",
                                      targetsFile("same", {at(*printer)}), "--json"} +
                          options);
        QCOMPARE(r.code, code);
        const QJsonObject record =
            QJsonDocument::fromJson(r.out).object().value("printers").toArray().at(0).toObject();
        QCOMPARE(record.value("status").toString(), status);
        QCOMPARE(record.value("versionBefore").toString(), QStringLiteral("V1.2.7"));
        if (code == 6)
            QVERIFY2(record.value("message").toString().startsWith("version unchanged"),
                     r.out.constData());
    }

    void cliCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("output"); // in stdout, or stderr when the code is 1
        QTest::newRow("inventory csv")
            << QStringList{"inventory", "--targets", "%T", "--csv"} << 0
            << QByteArray("printer,state,model,manufacturer,firmware,serial,dpi,conditions,at\r\n"
                          "%A,attention,K53TA,Label,V1.2.7,K53TA2401000123,300,paper_out,");
        QTest::newRow("status of many, one gone")
            << QStringList{"status", "--targets", "%G"} << 2 << QByteArray("unreachable");
        QTest::newRow("inventory without printers")
            << QStringList{"inventory"} << 1 << QByteArray("needs printers");
        QTest::newRow("scan needs a range") << QStringList{"scan"} << 1 << QByteArray("one RANGE");
        QTest::newRow("scan of too much")
            << QStringList{"scan", "10.0.0.0/8"} << 1 << QByteArray("too large");
        QTest::newRow("font with a version")
            << QStringList{"download", "font", "x", "--targets", "%T", "--expect-version", "1"} << 1
            << QByteArray("--expect-version is for firmware");
        QTest::newRow("bad watch")
            << QStringList{"status", "--watch", "0"} << 1 << QByteArray("--watch: bad value 0");
        QTest::newRow("exporter on no address")
            << QStringList{"exporter", "--targets", "%T", "--listen", "nowhere"} << 1
            << QByteArray("not HOST:PORT");
    }
    void cliCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QByteArray, output);
        auto printer = startPrinter("127.0.0.1", 0, 0x2);
        QVERIFY(printer);
        fleet::Address gone;
        gone.host = QStringLiteral("127.0.0.1");
        gone.port = closedPort();
        const QString one = targetsFile("one", {at(*printer)});
        const QString withGone = targetsFile("gone", {at(*printer), gone});
        arguments.replaceInStrings("%T", one).replaceInStrings("%G", withGone);
        output.replace("%A", at(*printer).key().toUtf8());
        const Run r = cli(arguments);
        QCOMPARE(r.code, code);
        QVERIFY2((code == 1 ? r.err : r.out).contains(output), r.out + r.err);
    }

    // Ten connections that send nothing do not keep a scrape waiting (the client gives it
    // 5 s; the idle ones hold the server for much longer today).
    void exporterServesWhileConnectionsIdle()
    {
        auto ready = startPrinter("127.0.0.1", 0);
        QVERIFY(ready);
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI),
                      {"exporter", "--targets", targetsFile("idle", {at(*ready)}), "--listen",
                       "127.0.0.1:0", "--interval", "1"});
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("/metrics"),
                                 10000);
        QVERIFY2(!err.contains("warning"), err);
        const quint16 port = quint16(QRegularExpression("127\\.0\\.0\\.1:(\\d+)/metrics")
                                         .match(QString::fromUtf8(err))
                                         .captured(1)
                                         .toUInt());
        QVERIFY(port > 0);
        std::vector<std::unique_ptr<QTcpSocket>> idle;
        for (int i = 0; i < 10; ++i) {
            idle.push_back(std::make_unique<QTcpSocket>());
            idle.back()->connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(idle.back()->waitForConnected(3000));
        }
        QTest::qWait(200); // the server has taken them
        QTcpSocket scrape;
        scrape.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(scrape.waitForConnected(3000));
        scrape.write("GET /metrics HTTP/1.0\r\nHost: localhost\r\n\r\n");
        QByteArray reply;
        QDeadlineTimer patience(5000);
        while (!reply.contains("labelprinter_up") && !patience.hasExpired() &&
               scrape.waitForReadyRead(int(qMax<qint64>(1, patience.remainingTime()))))
            reply += scrape.readAll();
        QVERIFY2(reply.startsWith("HTTP/1.1 200"), reply.left(200));
        process.terminate();
        QVERIFY(process.waitForFinished(5000));
    }

    // Where the endpoint may listen: loopback quietly; an address others reach with a
    // warning (one that is not this machine's: nothing is bound); IPv6 loopback served,
    // or refused with a sentence where the web server has no IPv6.
    void exporterListen_data()
    {
        QTest::addColumn<QString>("listen");
        QTest::addColumn<QByteArray>("warning");
        QTest::newRow("loopback") << "127.0.0.1:0" << QByteArray();
        QTest::newRow("name of loopback") << "localhost:0" << QByteArray();
        QTest::newRow("others reach it")
            << "192.0.2.1:0" << QByteArray("anyone who can reach it reads the fleet's metrics");
        QTest::newRow("IPv6 loopback") << "[::1]:0" << QByteArray();
    }
    void exporterListen()
    {
        QFETCH(QString, listen);
        QFETCH(QByteArray, warning);
        auto ready = startPrinter("127.0.0.1", 0);
        QVERIFY(ready);
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI),
                      {"exporter", "--targets", targetsFile("listen", {at(*ready)}), "--listen",
                       listen, "--interval", "1"});
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("/metrics") ||
                                     process.state() == QProcess::NotRunning,
                                 10000);
        err += process.readAllStandardError();
        QVERIFY2(warning.isEmpty() ? !err.contains("warning") : err.contains(warning), err);
        if (listen.startsWith("[") && process.state() == QProcess::NotRunning) {
            QVERIFY2(err.contains("IPv4 only"), err);
            QCOMPARE(process.exitCode(), 1);
            return;
        }
        if (listen.startsWith("192.")) { // not this machine's: it cannot listen there
            QTRY_COMPARE(process.state(), QProcess::NotRunning);
            QCOMPARE(process.exitCode(), 1);
            return;
        }
        QVERIFY2(err.contains("/metrics"), err);
        process.terminate();
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 0);
    }

    // The series of one printer after its readings: the first poll reads the identity,
    // later ones the status and the firmware only.
    void exporterSeries_data()
    {
        QTest::addColumn<bool>("reached");
        QTest::addColumn<bool>("identified");
        QTest::addColumn<quint32>("word");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("later"); // a later poll: -1 none, 0 no answer, 1 answered
        QTest::addColumn<QString>("laterFirmware");
        QTest::addColumn<QStringList>("present"); // series, %P the printer's address
        QTest::addColumn<QStringList>("absent");
        const QString info = "labelprinter_info{firmware=\"%1\",model=\"K53TA\",printer=\"%P\","
                             "serial=\"SN1\"} 1";
        const auto condition = [](const char *name, int value) {
            return QStringLiteral("labelprinter_condition{condition=\"%1\",printer=\"%P\"} %2")
                .arg(name)
                .arg(value);
        };
        QTest::newRow("printing and paper out")
            << true << true << 0x3u << "V1.2.7" << -1 << ""
            << QStringList{"labelprinter_up{printer=\"%P\"} 1", condition("printing", 1),
                           condition("paper_out", 1), condition("cover_open", 0),
                           info.arg("V1.2.7")}
            << QStringList{};
        QTest::newRow("no answer shows no condition")
            << false << false << 0x3u << "" << -1 << ""
            << QStringList{"labelprinter_up{printer=\"%P\"} 0", condition("printing", 0),
                           condition("paper_out", 0)}
            << QStringList{"printer=\"%P\",serial="};
        QTest::newRow("answered without identity")
            << true << false << 0u << "V1.2.7" << -1 << ""
            << QStringList{"labelprinter_up{printer=\"%P\"} 1"}
            << QStringList{"printer=\"%P\",serial="};
        QTest::newRow("new firmware after a rollout")
            << true << true << 0u << "V1.2.7" << 1 << "V2.0.1" << QStringList{info.arg("V2.0.1")}
            << QStringList{info.arg("V1.2.7")};
        QTest::newRow("gone after it was identified")
            << true << true << 0x2u << "V1.2.7" << 0 << ""
            << QStringList{"labelprinter_up{printer=\"%P\"} 0", condition("paper_out", 0),
                           info.arg("V1.2.7")}
            << QStringList{"firmware=\"\""};
    }
    void exporterSeries()
    {
        QFETCH(bool, reached);
        QFETCH(bool, identified);
        QFETCH(quint32, word);
        QFETCH(QString, firmware);
        QFETCH(int, later);
        QFETCH(QString, laterFirmware);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        if (!seriesExporter) {
            seriesExporter = std::make_unique<fleet::Exporter>();
            QCOMPARE(seriesExporter->port(), 0);
            QString error;
            QVERIFY2(seriesExporter->listen("127.0.0.1:0", &error), qPrintable(error));
            QVERIFY(seriesExporter->port() > 0);
        }
        fleet::Exporter &exporter = *seriesExporter;
        fleet::Address printer;
        printer.host = QStringLiteral("10.0.0.%1").arg(++seriesPrinters);
        fleet::Reading r;
        r.at = QDateTime::fromSecsSinceEpoch(1767225600);
        r.seconds = 0.25;
        r.reached = reached;
        r.identified = identified;
        r.statusWord = word;
        r.firmware = firmware;
        if (identified) {
            r.model = QStringLiteral("K53TA");
            r.serial = QStringLiteral("SN1");
        }
        exporter.update(printer, r);
        if (later >= 0) {
            fleet::Reading next;
            next.at = r.at.addSecs(1);
            next.reached = later == 1;
            next.firmware = laterFirmware;
            exporter.update(printer, next);
        }
        exporter.roundFinished(1.5);
        const QByteArray metrics = scrapeMetrics(exporter.port());
        const QString key = printer.key();
        // The last answer stays that of the last poll answered; the durations are the last.
        present << QStringLiteral("labelprinter_last_answer_timestamp_seconds{printer=\"%P\"} %1")
                       .arg(later == 1 ? "1767225601" : reached ? "1767225600" : "0")
                << "labelprinter_poll_round_duration_seconds 1.5";
        if (later < 0)
            present << "labelprinter_poll_duration_seconds{printer=\"%P\"} 0.25";
        for (QString series : present)
            QVERIFY2(metrics.contains(series.replace("%P", key).toUtf8()), qPrintable(series));
        for (QString series : absent)
            QVERIFY2(!metrics.contains(series.replace("%P", key).toUtf8()), qPrintable(series));
    }

    void exporterBindRefusals_data()
    {
        QTest::addColumn<QString>("address"); // %U: a port in use
        QTest::addColumn<QString>("refusal"); // empty: it listens
        QTest::newRow("port 65536") << "127.0.0.1:65536"
                                    << "not HOST:PORT";
        QTest::newRow("port in use") << "127.0.0.1:%U"
                                     << "cannot listen on 127.0.0.1:";
    }
    void exporterBindRefusals()
    {
        QFETCH(QString, address);
        QFETCH(QString, refusal);
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost, 0));
        address.replace("%U", QString::number(holder.serverPort()));
        fleet::Exporter exporter;
        QString error;
        QCOMPARE(exporter.listen(address, &error), refusal.isEmpty());
        QVERIFY2(error.contains(refusal), qPrintable(error));
    }

    // The metrics endpoint as a scraper sees it; promtool checks the format.
    void exporter()
    {
        auto ready = startPrinter("127.0.0.1", 0);
        auto paperOut = startPrinter("127.0.0.1", 0, 0x82);
        QVERIFY(ready && paperOut);
        fleet::Address gone;
        gone.host = QStringLiteral("127.0.0.1");
        gone.port = closedPort();
        const QString targets = targetsFile("exported", {at(*ready), at(*paperOut), gone});
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), {"exporter", "--targets", targets, "--listen",
                                                       "127.0.0.1:0", "--interval", "1"});
        QVERIFY(process.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("/metrics"),
                                 10000);
        const int port = QRegularExpression("127\\.0\\.0\\.1:(\\d+)/metrics")
                             .match(QString::fromUtf8(err))
                             .captured(1)
                             .toInt();
        QVERIFY(port > 0);

        const QByteArray up = "labelprinter_up{printer=\"" + at(*ready).key().toUtf8() + "\"} 1";
        const QByteArray down = "labelprinter_up{printer=\"" + gone.key().toUtf8() + "\"} 0";
        const QByteArray noPaper = "labelprinter_condition{condition=\"paper_out\",printer=\"" +
                                   at(*paperOut).key().toUtf8() + "\"} 1";
        // The three printers are polled side by side; wait until each has been read once.
        QByteArray metrics;
        QTRY_VERIFY_WITH_TIMEOUT((metrics = scrapeMetrics(port)).contains(up) && metrics.contains(down) &&
                                     metrics.contains(noPaper),
                                 15000);
        QVERIFY(
            metrics.contains("labelprinter_info{firmware=\"V1.2.7\",model=\"K53TA\",printer=\"" +
                             at(*ready).key().toUtf8() + "\",serial=\"K53TA2401000123\"} 1"));
        // Scrapes read what the poller left; they never reach a printer.
        const int connections = ready->connectionCount();
        QTest::qWait(10);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!scrapeMetrics(port).isEmpty());
        QVERIFY(ready->connectionCount() <= connections + 2); // one poll a second at most

        process.terminate();
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 0);

        const QString promtool = QStandardPaths::findExecutable("promtool");
        if (promtool.isEmpty())
            QSKIP("promtool is not installed (Debian: prometheus); the format was not checked");
        QProcess check;
        check.start(promtool, {"check", "metrics"});
        check.write(metrics);
        check.closeWriteChannel();
        QVERIFY(check.waitForFinished(20000));
        QVERIFY2(check.exitCode() == 0,
                 check.readAllStandardOutput() + check.readAllStandardError());
    }
};

QTEST_GUILESS_MAIN(TestFleet)
#include "tst_fleet.moc"
