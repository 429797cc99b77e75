// The diagnostics report and its masking, the debug log, and the connection doctor against the
// simulated printer on 127.0.0.1, with stand-in programs for lpstat, ip and udevadm, and inside the
// private namespace lsnet-host (made by netns.sh) for an address on no subnet of the machine.
#include "diagnostics/connectiondoctor.h"
#include "diagnostics/debuglog.h"
#include "diagnostics/diagnosticsreport.h"
#include "protocol/printersession.h"
#include "net/netnsutil.h"
#include "sim/simprinter.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>

namespace {

// Check identifier -> verdict name, in the order found.
QString verdicts(const QList<doctor::Finding> &findings)
{
    QStringList out;
    for (const doctor::Finding &f : findings)
        out << f.check + QLatin1Char('=') + doctor::verdictName(f.verdict);
    return out.join(QLatin1Char(' '));
}

// A folder of stand-in programs; each prints `output` and exits with `code`.
struct Programs
{
    QTemporaryDir dir;
    void add(const QString &name, const QString &output, int code = 0)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\nprintf '%s' '%1'\nexit %2\n")
                       .arg(output)
                       .arg(code)
                       .toUtf8());
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    doctor::Environment environment() const
    {
        doctor::Environment env;
        env.programDirs = QStringList{dir.path()};
        env.udevRuleDirs = QStringList{dir.path()};
        return env;
    }
};

} // namespace

class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void network_data();
    void network();
    void addressOnNoSubnet();
    void overallVerdict();
    void reportOfOpenPrinter();
    void debugLogKeepsTheEnd();
};

void TestDiagnostics::network_data()
{
    QTest::addColumn<int>("refuse");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("haveIp");
    QTest::addColumn<QString>("expected");
    QTest::newRow("answering") << int(RefuseMode::None) << false << true
                               << "net.subnet=pass net.route=pass net.port=pass net.answer=pass "
                                  "net.discovery=pass";
    QTest::newRow("port closed") << int(RefuseMode::NotListening) << false << true
                                 << "net.subnet=pass net.route=pass net.port=failure "
                                    "net.answer=skipped net.discovery=pass";
    QTest::newRow("not answering") << int(RefuseMode::None) << true << true
                                   << "net.subnet=pass net.route=pass net.port=pass "
                                      "net.answer=failure net.discovery=warning";
    QTest::newRow("no ip program") << int(RefuseMode::None) << false << false
                                   << "net.subnet=pass net.route=skipped net.port=pass "
                                      "net.answer=pass net.discovery=pass";
}

void TestDiagnostics::network()
{
    QFETCH(int, refuse);
    QFETCH(bool, silent);
    QFETCH(bool, haveIp);
    QFETCH(QString, expected);

    SimPrinter printer(PrinterConfig::defaults());
    printer.setTcpPort(0);
    printer.setUdpPort(0);
    QVERIFY(printer.start());
    printer.setRefuseMode(RefuseMode(refuse));
    if (silent) {
        printer.setSilentItems({0x0C});
        printer.setUdpFault(UdpReplyFault::NoReply);
    }
    Programs programs;
    if (haveIp)
        programs.add(QStringLiteral("ip"), QStringLiteral("local 127.0.0.1 dev lo src 127.0.0.1"));

    doctor::NetTarget target;
    target.host = QStringLiteral("127.0.0.1");
    target.tcpPort = printer.tcpPort();
    target.udpPort = printer.udpPort();
    target.timeoutMs = 500;
    const QList<doctor::Finding> findings = doctor::checkNetwork(target, programs.environment());
    printer.stop();

    QCOMPARE(verdicts(findings), expected);
    for (const doctor::Finding &f : findings) {
        QVERIFY2(!f.text.isEmpty(), qPrintable(f.check));
        // Every problem comes with one thing to do.
        if (f.verdict == doctor::Verdict::Failure || f.verdict == doctor::Verdict::Warning)
            QVERIFY2(!f.advice.isEmpty(), qPrintable(f.check));
    }
    if (refuse == int(RefuseMode::NotListening))
        QVERIFY(findings.at(2).text.contains(QString::number(target.tcpPort)));
    if (!silent && refuse == int(RefuseMode::None))
        QVERIFY(findings.at(3).text.endsWith(PrinterConfig::defaults().identity.value(1)));
}

// Inside lsnet-host, whose interfaces carry only the test subnets, an address of the
// documentation range lies on no subnet and has no route; nothing leaves the namespace.
void TestDiagnostics::addressOnNoSubnet()
{
    if (!netnsutil::exists(QString::fromLatin1(netnsutil::kHost)))
        QSKIP("the test namespaces are not set up (needs root)");
    QList<doctor::Finding> findings;
    QString error;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        if (!netnsutil::enter(QString::fromLatin1(netnsutil::kHost), &error))
            return;
        doctor::NetTarget target;
        target.host = QStringLiteral("192.0.2.1");
        target.timeoutMs = 500;
        findings = doctor::checkNetwork(target);
    }));
    thread->start();
    QVERIFY(thread->wait(30000));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(verdicts(findings),
             QStringLiteral("net.subnet=warning net.route=failure net.port=failure "
                            "net.answer=skipped net.discovery=warning"));
}

void TestDiagnostics::overallVerdict()
{
    using V = doctor::Verdict;
    const auto of = [](std::initializer_list<V> list) {
        QList<doctor::Finding> findings;
        for (V v : list)
            findings.append(doctor::Finding{QString(), v, QString(), QString()});
        return doctor::overall(findings);
    };
    QCOMPARE(of({V::Pass, V::Skipped}), V::Pass);
    QCOMPARE(of({V::Warning, V::Pass}), V::Warning);
    QCOMPARE(of({V::Warning, V::Failure, V::Pass}), V::Failure);
}

// The report of a printer read through a session: identity and decoded status word,
// settings and log with every secret masked, field by field.
void TestDiagnostics::reportOfOpenPrinter()
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
    session.close();
    printer.stop();
    in.settings =
        QJsonObject{{QStringLiteral("wifi"),
                     QJsonObject{{QStringLiteral("staName"), QStringLiteral("Shop")},
                                 {QStringLiteral("staPassword"), QStringLiteral("s3cret!")},
                                 {QStringLiteral("apPassword"), QString()}}},
                    {QStringLiteral("bluetooth"),
                     QJsonObject{{QStringLiteral("pin"), QStringLiteral("4711")},
                                 {QStringLiteral("name"), QStringLiteral("BT-1")}}}};
    in.log = QStringList{QStringLiteral("join Shop with s3cret!"), QStringLiteral("PIN: 4711 set"),
                         QStringLiteral("password=\"other one\" sent"),
                         QStringLiteral("send frame: 1B FF FE 01 0C")};

    const QJsonObject r = diagnosticsreport::build(in);
    QCOMPARE(r.value("format").toString(), QStringLiteral("labelsetup-diagnostics"));
    QCOMPARE(r.value("tool").toString(), QStringLiteral("1.0.9"));
    for (const char *key : {"os", "qt", "libusb", "openssl"})
        QVERIFY2(!r.value("environment").toObject().value(key).toString().isEmpty(), key);
    QCOMPARE(r.value("printersListed").toArray().size(), 1);
    const QJsonObject p = r.value("printer").toObject();
    QCOMPARE(p.value("identity").toArray().size(), 5);
    QCOMPARE(p.value("identity").toArray().at(1).toString(),
             PrinterConfig::defaults().identity.value(1));
    const QJsonObject status = p.value("status").toObject();
    QCOMPARE(status.value("result").toInt(), 0);
    QCOMPARE(status.value("word").toString(), QStringLiteral("0x00000005"));
    QCOMPARE(status.value("conditions").toArray().size(), 2);
    const QJsonObject wifi = p.value("settings").toObject().value("wifi").toObject();
    QCOMPARE(wifi.value("staName").toString(), QStringLiteral("Shop"));
    QCOMPARE(wifi.value("staPassword").toString(), QStringLiteral("********"));
    QCOMPARE(wifi.value("apPassword").toString(), QStringLiteral("********"));
    const QJsonObject bt = p.value("settings").toObject().value("bluetooth").toObject();
    QCOMPARE(bt.value("pin").toString(), QStringLiteral("********"));
    QCOMPARE(bt.value("name").toString(), QStringLiteral("BT-1"));
    const QJsonArray log = r.value("log").toArray();
    QCOMPARE(log.at(0).toString(), QStringLiteral("join Shop with ********"));
    QCOMPARE(log.at(1).toString(), QStringLiteral("PIN: ******** set"));
    QCOMPARE(log.at(2).toString(), QStringLiteral("password=******** sent"));
    QCOMPARE(log.at(3).toString(), QStringLiteral("send frame: 1B FF FE 01 0C"));
    const QByteArray text = QJsonDocument(r).toJson();
    QVERIFY(!text.contains("s3cret") && !text.contains("4711") && !text.contains("other one"));
}

void TestDiagnostics::debugLogKeepsTheEnd()
{
    DebugLog log(3);
    QVERIFY(log.install());
    DebugLog second;
    QVERIFY(!second.install());
    for (int i = 1; i <= 5; ++i)
        qDebug("line %d", i);
    const QStringList lines = log.lines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.first().endsWith(QLatin1String("debug line 3")));
    QVERIFY(lines.last().endsWith(QLatin1String("debug line 5")));
}

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
