// The connection doctor against the simulated printer on 127.0.0.1, with a stand-in `ip`
// program; the diagnostics report and its masking; the debug log.
#include "device/diagnostics/connectiondoctor.h"
#include "device/diagnostics/debuglog.h"
#include "device/diagnostics/diagnosticsreport.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    // Subnet, route, port, answer and discovery checks, then the overall verdict.
    void network_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<bool>("discovery"); // the discovery port replies
        QTest::addColumn<bool>("identity");  // the identity query is answered
        QTest::addColumn<QString>("ip");     // the stand-in's script; empty: not installed
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("routeQuery"); // the system can be asked for routes
        // Two lines, as `ip route get` prints them: the first names the route.
        const QString route =
            "printf 'local 127.0.0.1 dev lo src 127.0.0.1 uid 0 \\n    cache <local> \\n'";
        const auto row = [](const char *name, bool listening, bool discovery, bool identity,
                            const QString &ip, const char *expected, const char *host = "127.0.0.1",
                            bool routeQuery = true) {
            QTest::newRow(name) << host << listening << discovery << identity << ip << expected
                                << routeQuery;
        };
        row("answering", true, true, true, route, "pass pass pass pass pass = pass");
        row("port closed", false, true, true, route, "pass pass failure skipped pass = failure");
        row("no discovery reply", true, false, true, route,
            "pass pass pass pass warning = warning");
        row("not answering", true, false, false, route, "pass pass pass failure warning = failure");
        row("no ip program", true, true, true, "", "pass skipped pass pass pass = pass");
        row("no route", true, true, true,
            "echo 'RTNETLINK answers: Network is unreachable' >&2; exit 2",
            "pass failure pass pass pass = failure");
        // Given up after its time; a hanging program found nothing.
        row("ip hangs", true, true, true, "exec sleep 60", "pass failure pass pass pass = failure");
        row("over IPv6", true, true, true, route, "pass pass pass pass pass = pass", "::1");
        // Where routes cannot be asked for, the check is not on this system, not a failure.
        row("no route query here", true, true, true, "exit 2",
            "pass not on this system pass pass pass = pass", "127.0.0.1", false);
    }
    void network()
    {
        QFETCH(QString, host);
        QFETCH(bool, listening);
        QFETCH(bool, discovery);
        QFETCH(bool, identity);
        QFETCH(QString, ip);
        QFETCH(QString, expected);
        QFETCH(bool, routeQuery);
        SimPrinter printer(PrinterConfig::defaults());
        printer.setTcpAddress(QHostAddress(host));
        printer.setTcpPort(0);
        printer.setUdpAddress(QHostAddress(host));
        printer.setUdpPort(0);
        QVERIFY(printer.start());
        printer.setRefuseMode(listening ? RefuseMode::None : RefuseMode::NotListening);
        printer.setUdpFault(discovery ? UdpReplyFault::None : UdpReplyFault::NoReply);
        if (!identity)
            printer.setSilentItems({0x0C});
        // A folder of stand-in programs.
        QTemporaryDir dir;
        if (!ip.isEmpty()) {
            QFile program(dir.filePath(QStringLiteral("ip")));
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\n" + ip.toUtf8() + "\n");
            program.close();
            program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
        }
        doctor::Environment env;
        env.programDirs = env.udevRuleDirs = QStringList{dir.path()};
        // ip stands in on any build; whether routes can be asked for is the row's.
        env.facilities.routeQuery = routeQuery;

        doctor::NetTarget target{host, printer.tcpPort(), printer.udpPort(), 500};
        const QList<doctor::Finding> findings = doctor::checkNetwork(target, env);
        printer.stop();
        QStringList checks, verdicts;
        for (const doctor::Finding &f : findings) {
            checks << f.check;
            verdicts << doctor::verdictName(f.verdict);
            QVERIFY2(!f.text.isEmpty(), qPrintable(f.check));
            // Every problem comes with one thing to do.
            QVERIFY2(f.verdict == doctor::Verdict::Pass || f.verdict == doctor::Verdict::Skipped ||
                         f.verdict == doctor::Verdict::NotOnThisSystem || !f.advice.isEmpty(),
                     qPrintable(f.check));
        }
        QCOMPARE(verdicts.join(' ') + " = " + doctor::verdictName(doctor::overall(findings)),
                 expected);
        QCOMPARE(checks.join(' '),
                 QStringLiteral("net.subnet net.route net.port net.answer net.discovery"));
        if (findings.at(1).verdict == doctor::Verdict::Pass)
            QVERIFY2(findings.at(1).text.endsWith("local 127.0.0.1 dev lo src 127.0.0.1 uid 0"),
                     qPrintable(findings.at(1).text));
        // A refusal is told as such, with the port.
        if (!listening)
            QVERIFY2(findings.at(2).text.contains("拒绝") &&
                         findings.at(2).text.contains(QString::number(target.tcpPort)),
                     qPrintable(findings.at(2).text));
        if (listening && identity)
            QVERIFY(findings.at(3).text.endsWith(PrinterConfig::defaults().identity.value(1)));
    }

    // No address to go by ends the checks at once; without a discovery port that check is
    // skipped, and a skipped check leaves the verdict a pass.
    void networkShortCuts_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("expected"); // check:verdict, then the overall verdict
        QTest::newRow("no address") << "  " << "net.address:failure = failure";
        QTest::newRow("no discovery port")
            << "127.0.0.1"
            << "net.subnet:pass net.route:not on this system net.port:pass net.answer:pass "
               "net.discovery:skipped = pass";
    }
    void networkShortCuts()
    {
        QFETCH(QString, host);
        QFETCH(QString, expected);
        SimPrinter printer(PrinterConfig::defaults());
        printer.setTcpPort(0);
        printer.setUdpEnabled(false);
        QVERIFY(printer.start());
        doctor::Environment env;
        env.facilities.routeQuery = false;
        const QList<doctor::Finding> findings =
            doctor::checkNetwork(doctor::NetTarget{host, printer.tcpPort(), 0, 500}, env);
        QStringList seen;
        for (const doctor::Finding &f : findings)
            seen << f.check + ':' + doctor::verdictName(f.verdict);
        QCOMPARE(seen.join(' ') + " = " + doctor::verdictName(doctor::overall(findings)), expected);
    }

    // Identity and decoded status word read through a session; every secret masked.
    void reportOfOpenPrinter()
    {
        SimPrinter printer(PrinterConfig::defaults());
        printer.setTcpPort(0);
        printer.setUdpEnabled(false);
        QVERIFY(printer.start());
        printer.setStatusWord(0x00000005);
        diagnosticsreport::Inputs in;
        in.toolVersion = QStringLiteral("1.0.9");
        in.printersListed = QStringList{QStringLiteral("Label [P1] {127.0.0.1}")};
        PrinterSession session;
        QCOMPARE(session.openNetwork(QStringLiteral("127.0.0.1"), printer.tcpPort()), 0);
        diagnosticsreport::readPrinter(session, &in);
        in.settings = QJsonDocument::fromJson(R"({"wifi": {"staName": "Shop",
            "staPassword": "s3cret!", "apPassword": ""}, "bluetooth": {"pin": "4711", "name": "BT-1"}})")
                          .object();
        in.log = QStringList{"join Shop with s3cret!", "PIN: 4711 set",
                             "password=\"other one\" sent", "send frame: 1B FF FE 01 0C"};

        const QJsonObject r = diagnosticsreport::build(in);
        QCOMPARE(r.value("format").toString(), QStringLiteral("labelsetup-diagnostics"));
        QCOMPARE(r.value("tool").toString(), QStringLiteral("1.0.9"));
        for (const char *key : {"os", "qt", "libusb", "openssl"})
            QVERIFY2(!r.value("environment").toObject().value(key).toString().isEmpty(), key);
        QCOMPARE(r.value("printersListed").toArray().size(), 1);
        const QJsonObject p = r.value("printer").toObject();
        QCOMPARE(p.value("identity").toArray(),
                 QJsonArray::fromStringList(PrinterConfig::defaults().identity));
        QCOMPARE(p.value("status").toObject(), QJsonDocument::fromJson(R"({"result": 0,
            "word": "0x00000005", "conditions": ["打印中", "纸将尽"]})")
                                                   .object());
        QCOMPARE(p.value("settings").toObject(),
                 QJsonDocument::fromJson(R"({"wifi": {"staName": "Shop", "staPassword": "********",
                    "apPassword": "********"}, "bluetooth": {"pin": "********", "name": "BT-1"}})")
                     .object());
        QCOMPARE(r.value("log").toArray(),
                 QJsonArray({"join Shop with ********", "PIN: ******** set",
                             "password=******** sent", "send frame: 1B FF FE 01 0C"}));
        const QByteArray text = QJsonDocument(r).toJson();
        QVERIFY(!text.contains("s3cret") && !text.contains("4711") && !text.contains("other one"));
    }

    void debugLogKeepsTheEnd()
    {
        DebugLog log(3);
        QVERIFY(log.install());
        DebugLog second;
        QVERIFY(!second.install());
        for (int i = 1; i <= 5; ++i)
            qDebug("line %d", i);
        QCOMPARE(log.lines().size(), 3);
        QVERIFY(log.lines().first().endsWith("debug line 3") &&
                log.lines().last().endsWith("debug line 5"));
    }
};

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
