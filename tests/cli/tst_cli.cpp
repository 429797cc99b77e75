// labelsetup-cli run as a process against the simulated printer on 127.0.0.1: options
// before and after the command, exit codes, JSON output, bad input.
#include "common/encryptedfile.h"
#include "protocol/commandcodes.h"
#include "sim/simprinter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestCli : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimPrinter> printer;
    QTemporaryDir dir;

    struct Run
    {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    // %P is the simulated printer's TCP port, %D the temporary folder.
    Run run(const QString &arguments, const QByteArray &input = QByteArray())
    {
        QStringList args = arguments.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (QString &a : args)
            a.replace(QLatin1String("%P"), QString::number(printer->tcpPort()))
                .replace(QLatin1String("%D"), dir.path());
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), args);
        process.write(input);
        process.closeWriteChannel();
        Run r;
        if (!process.waitForFinished(30000))
            return r;
        r.code = process.exitCode();
        r.out = process.readAllStandardOutput();
        r.err = process.readAllStandardError();
        return r;
    }

private slots:
    void initTestCase()
    {
        printer = std::make_unique<SimPrinter>(PrinterConfig::defaults());
        printer->setTcpPort(0);
        printer->setUdpEnabled(false);
        QVERIFY(printer->start());
        QFile targets(dir.filePath(QStringLiteral("bad-targets")));
        QVERIFY(targets.open(QIODevice::WriteOnly));
        targets.write("# printers\n127.0.0.1:9100\nusb:1\nnot a:port:x\n");
    }
    void cleanupTestCase() { printer->stop(); }

    void exitCodes_data();
    void exitCodes();
    void jsonStatus();
    void printerEffects();
};

void TestCli::exitCodes_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("output"); // expected in stdout (stderr for failures)
    QTest::newRow("no command") << "" << 1 << "Commands:";
    QTest::newRow("help") << "--help" << 0 << "Exit codes";
    QTest::newRow("command help") << "status|--help" << 0 << "Usage: labelsetup-cli status";
    QTest::newRow("unknown command") << "frobnicate" << 1 << "unknown command frobnicate";
    QTest::newRow("unknown option") << "info|--fast" << 1 << "unknown option --fast";
    QTest::newRow("bad port") << "info|--net|127.0.0.1:70000" << 1 << "--net";
    QTest::newRow("no printer named") << "info" << 1 << "needs a printer";
    QTest::newRow("two printers") << "info|--net|127.0.0.1:%P|--usb" << 1 << "one printer only";
    QTest::newRow("bad targets file") << "info|--targets|%D/bad-targets" << 5 << "bad-targets:4";
    QTest::newRow("missing targets file") << "info|--targets|%D/none" << 5 << "cannot read";
    QTest::newRow("info") << "info|--net|127.0.0.1:%P" << 0 << "model:           K53TA";
    QTest::newRow("option after command")
        << "--net=127.0.0.1:%P|info" << 0 << "firmware:        V1.2.7";
    QTest::newRow("cannot connect")
        << "info|--net|127.0.0.1:1" << 2 << "cannot connect to 127.0.0.1:1";
    QTest::newRow("send hex") << "send|--hex|1B FF FE 02 0C 00 1B FE FF|--net|127.0.0.1:%P" << 0
                              << "received: 1B FF FE 02 0C";
    QTest::newRow("send bad hex") << "send|--hex|1B F|--net|127.0.0.1:%P" << 1 << "not hex";
    QTest::newRow("send missing file")
        << "send|--file|%D/none|--net|127.0.0.1:%P" << 5 << "cannot read";
    QTest::newRow("report needs out") << "report" << 1 << "--out";
    QTest::newRow("report") << "report|--out|%D/report.json|--net|127.0.0.1:%P" << 0
                            << "report written";
    QTest::newRow("list without search") << "list" << 0 << "";
    QTest::newRow("function names") << "function|--help" << 0 << "keysOff, buzzerOn, buzzerOff";
    QTest::newRow("unknown function")
        << "function|selftest|--net|127.0.0.1:%P" << 1 << "functions: selfTest, restart";
    QTest::newRow("download what") << "download|manual|%D/f.bin" << 1 << "firmware|font FILE";
    QTest::newRow("download unreadable")
        << "download|firmware|%D/none.hex|--net|127.0.0.1:%P" << 5 << "cannot decrypt";
    QTest::newRow("provision without stdin")
        << "provision|--ssid|home|--net|127.0.0.1:%P" << 1 << "--password-stdin";
    QTest::newRow("report unwritable")
        << "report|--out|%D/no/such/dir/r.json" << 5 << "cannot write";
}

void TestCli::exitCodes()
{
    QFETCH(QString, arguments);
    QFETCH(int, code);
    QFETCH(QString, output);
    const Run r = run(arguments);
    QCOMPARE(r.code, code);
    const QByteArray text =
        code == 0 || output.startsWith(QLatin1String("Commands")) ? r.out : r.err;
    QVERIFY2(text.contains(output.toUtf8()), text.constData());
}

// With --json the answer is one object; a printer that does not answer the status word
// gives exit code 3.
void TestCli::jsonStatus()
{
    printer->setStatusWord(0x00000001);
    Run r = run(QStringLiteral("--json|status|--net|127.0.0.1:%P"));
    QCOMPARE(r.code, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value("word").toString(), QStringLiteral("0x00000001"));
    QCOMPARE(o.value("idle").toBool(), false);
    QCOMPARE(o.value("conditions").toArray().size(), 1);

    printer->setSilentItems({0x03});
    r = run(QStringLiteral("status|--json|--net|127.0.0.1:%P"));
    printer->setSilentItems({});
    QCOMPARE(r.code, 3);
    QCOMPARE(QJsonDocument::fromJson(r.out).object().value("exitCode").toInt(), 3);
}

// What the commands leave on the printer: the function code, the decrypted firmware,
// the station credentials; a font is refused for a model that takes no settings.
void TestCli::printerEffects()
{
    printer->clearRecords();
    QCOMPARE(run(QStringLiteral("function|selfTest|--net|127.0.0.1:%P")).code, 0);
    QCOMPARE(printer->functionCodes(), QList<quint8>{POWER_SELF_TEST});

    const QByteArray plain = rawPayload(64 * 1024, 7);
    const QString encrypted = dir.filePath(QStringLiteral("fw.hex"));
    QVERIFY(writeEncryptedFile(encrypted, plain));
    Run r = run(QStringLiteral("download|firmware|%D/fw.hex|--net|127.0.0.1:%P"));
    QCOMPARE(r.code, 0);
    QTRY_COMPARE(printer->rawBytes(), plain);
    QVERIFY(!QFile::exists(filedecrypt::firmwareOutputPath(encrypted)));

    printer->setValue(INFO_WIFI_MODE, QByteArray(1, '\2')); // access point mode
    r = run(QStringLiteral("provision|--ssid|home net|--password-stdin|--net|127.0.0.1:%P"),
            "se cret\nnot this\n");
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains("restart"));
    QCOMPARE(printer->value(INFO_WIFI_STATION), QByteArray("home net\0se cret\0", 17));
    QCOMPARE(printer->value(INFO_WIFI_MODE), QByteArray(1, '\1'));

    PrinterConfig noSettings = PrinterConfig::defaults();
    noSettings.identity[1] = QStringLiteral("WX-310");
    const QByteArray identity = printer->value(INFO_DEVICE_IDENTITY);
    printer->setValue(INFO_DEVICE_IDENTITY, noSettings.identityData());
    printer->clearRecords();
    r = run(QStringLiteral("download|font|%D/fw.hex|--net|127.0.0.1:%P"));
    printer->setValue(INFO_DEVICE_IDENTITY, identity);
    QCOMPARE(r.code, 3);
    QVERIFY(r.err.contains("takes no font"));
    QCOMPARE(printer->rawByteCount(), 0);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
