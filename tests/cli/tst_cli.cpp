// labelsetup-cli run as a process against simulated printers on 127.0.0.1: exit codes and
// output forms, bad input, and what the commands leave on the printer. The option parser
// is checked in-process.
#include "cli/commands.h"
#include "common/encryptedfile.h"
#include "core/protocol/commandcodes.h"
#include "sim/simprinter.h"

#include "core/settings/profile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>
#include <vector>

class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimPrinter> printer;
    std::unique_ptr<SimPrinter> mute; // a model that takes no settings, silent on the status word
    std::unique_ptr<SimPrinter> nameless;   // never answers the identity query
    std::unique_ptr<SimPrinter> fourSpeeds; // a model outside the print-mode group
    QTemporaryDir dir;
    QByteArray firmware = rawPayload(64 * 1024, 7);

    struct Run
    {
        int code = -1;
        QByteArray out, err;
    };
    // '|' separates arguments; %P, %M: --net for each printer, %p a port, %D the folder.
    Run run(QString arguments, const QByteArray &input = QByteArray())
    {
        arguments.replace("%P", "--net|127.0.0.1:%p")
            .replace("%M", "--net|127.0.0.1:" + QString::number(mute->tcpPort()))
            .replace("%N", "--net|127.0.0.1:" + QString::number(nameless->tcpPort()))
            .replace("%4", "--net|127.0.0.1:" + QString::number(fourSpeeds->tcpPort()))
            .replace("%p", QString::number(printer->tcpPort()))
            .replace("%D", dir.path());
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), arguments.split('|', Qt::SkipEmptyParts));
        process.write(input);
        process.closeWriteChannel();
        Run r;
        if (process.waitForFinished(30000))
            r = Run{process.exitCode(), process.readAllStandardOutput(),
                    process.readAllStandardError()};
        return r;
    }

private slots:
    void initTestCase()
    {
        PrinterConfig noSettings = PrinterConfig::defaults();
        noSettings.identity[1] = QStringLiteral("WX-310");
        printer = std::make_unique<SimPrinter>(PrinterConfig::defaults());
        mute = std::make_unique<SimPrinter>(noSettings);
        nameless = std::make_unique<SimPrinter>(PrinterConfig::defaults());
        PrinterConfig fourSpeedModel = PrinterConfig::defaults();
        fourSpeedModel.identity[1] = QStringLiteral("K51A");
        fourSpeeds = std::make_unique<SimPrinter>(fourSpeedModel);
        for (SimPrinter *p : {printer.get(), mute.get(), nameless.get(), fourSpeeds.get()}) {
            p->setTcpPort(0);
            p->setUdpEnabled(false);
            QVERIFY(p->start());
        }
        printer->setStatusWord(0x00000001);
        mute->setSilentItems({0x03});
        nameless->setSilentItems({INFO_DEVICE_IDENTITY});
        QFile targets(dir.filePath(QStringLiteral("bad-targets")));
        QVERIFY(targets.open(QIODevice::WriteOnly));
        targets.write("# printers\n127.0.0.1:9100\nusb:1\nnot a:port:x\n");
        QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), firmware));
        QFile empty(dir.filePath(QStringLiteral("empty.hex")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output"); // in stdout for 0, usage and JSON; else in stderr
        const auto row = [](const char *name, const QString &arguments, int code,
                            const char *output) {
            QTest::newRow(name) << arguments << code << output;
        };
        row("no command", "", 1, "Commands:");
        row("command help", "status|--help", 0, "Usage: labelsetup-cli status");
        row("unknown command", "frobnicate", 1, "unknown command frobnicate");
        row("unknown option", "info|--fast", 1, "unknown option --fast");
        row("two printers", "info|%P|--usb", 1, "one printer only");
        row("bad targets file", "info|--targets|%D/bad-targets", 5, "bad-targets:4");
        row("info, option first", "--net=127.0.0.1:%p|info", 0, "model:           K53TA");
        row("cannot connect", "info|--net|127.0.0.1:1", 2, "cannot connect to 127.0.0.1:1");
        row("send hex", "send|--hex|1B FF FE 02 0C 00 1B FE FF|%P", 0, "received: 1B FF FE 02 0C");
        row("send bad hex", "send|--hex|1B F|%P", 1, "not hex");
        row("report", "report|--out|%D/r.json|%P", 0, "report written");
        row("report unwritable", "report|--out|%D/no/dir/r.json", 5, "Cannot write file");
        row("list without search", "list", 0, "");
        row("unknown function", "function|selftest|%P", 1, "functions: selfTest, restart");
        row("download unreadable", "download|firmware|%D/none.hex|%P", 5, "cannot be read");
        row("font refused", "download|font|%D/fw.hex|%M", 3, "takes no font");
        row("provision without stdin", "provision|--ssid|home|%P", 1, "--password-stdin");
        row("provision, a name no network has",
            "provision|--ssid|" + QString(33, 'n') + "|--password-stdin|%P", 1,
            "is 33 bytes long; the printer holds at most 32");
        row("json status", "--json|status|%P", 0, R"("word": "0x00000001")");
        row("json status codes", "--json|status|%P", 0, R"("code": "printing")");
        row("json usage error", "status|--json|--net|a:b", 1, R"("code": "usage")");
        row("json, no status word", "status|--json|%M", 3, R"("reason": "no-answer")");
        row("download empty", "download|firmware|%D/empty.hex|%P", 5, "the file is empty");
        row("download to two, unreadable", "download|firmware|%D/none.hex|%P|%M", 5,
            "cannot decrypt");
        // Exit code 2 when no printer answered; the file's summary counts those that did.
        row("inventory, nobody answers", "--json|inventory|--net|127.0.0.1:1", 2,
            R"("state": "unreachable")");
        row("inventory to a file, one of two answered",
            "inventory|%P|--net|127.0.0.1:1|--out|%D/inventory.csv", 0,
            "2 printers (1 answered) written to");
        row("inventory in CSV", "inventory|%P|--csv", 0, "printer,state,model");
        // Without the model neither the units nor the pages it has are known.
        row("read, no identity", "read|stripper|%N", 3, "did not answer the identity query");
        // The time limit cuts the identity's 3 s wait short.
        row("time limit", "--json|info|--timeout|1|%N", 3, R"("reason": "timed-out")");
    }
    void exitCodes()
    {
        QFETCH(QString, arguments);
        QFETCH(int, code);
        QFETCH(QString, output);
        const Run r = run(arguments);
        QCOMPARE(r.code, code);
        const bool out = code == 0 || output.startsWith("Commands") || arguments.contains("--json");
        QVERIFY2((out ? r.out : r.err).contains(output.toUtf8()), (r.out + r.err).constData());
        // Nothing follows the last line.
        QVERIFY2(r.out.isEmpty() || r.out.endsWith('\n'), r.out.right(80).constData());
        QCOMPARE(mute->rawByteCount(), 0);
        for (const ReceivedFrame &f : nameless->receivedFrames())
            QCOMPARE(f.frameClass, quint8(0x02)); // queries only
    }

    // A command is done once the printer answered after it. `stop`: the printer stops
    // reading once it has answered every query before the command's first write (0: it
    // does not); %Q is a printer of its own for the row.
    void confirmation_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("hangs");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output"); // on stdout
        const auto row = [](const char *name, const char *arguments, bool hangs, int code,
                            const char *output) {
            QTest::newRow(name) << arguments << hangs << code << output;
        };
        row("self-test", "function|selfTest|%Q", false, 0, "selfTest sent and confirmed");
        row("self-test, printer hung", "--json|function|selfTest|%Q", true, 3,
            R"("reason": "no-answer")");
        row("a set frame, printer hung", "--json|function|buzzerOff|%Q", true, 3,
            R"("unconfirmed": [)");
        row("credentials, printer hung", "--json|provision|--ssid|home|--password-stdin|%Q", true,
            3, R"("reason": "no-answer")");
        row("profile, printer hung", "--json|apply|%D/site.json|%Q", true, 3,
            R"("reason": "no-answer")");
        row("restart", "function|restart|%Q", false, 0, "the printer answered again after it");
        row("restart, not waited for", "function|restart|--no-wait|%Q", false, 0,
            "restart sent, not confirmed");
        row("restart, printer hung", "--json|function|restart|--timeout|1|%Q", true, 3,
            R"("reason": "timed-out")");
        row("font", "download|font|%D/fw.hex|%Q", false, 0, "the printer answered after it");
        row("font, printer hung", "--json|download|font|%D/fw.hex|%Q", true, 3,
            R"("reason": "no-answer")");
        row("firmware", "download|firmware|%D/small.hex|%Q", false, 0,
            "the printer answered again after its restart");
        row("firmware, not waited for", "--json|download|firmware|%D/small.hex|--no-wait|%Q", false,
            0, R"("confirmed": false)");
        row("firmware, printer hung", "--json|download|firmware|%D/small.hex|--timeout|4|%Q", true,
            3, R"("reason": "timed-out")");
    }
    void confirmation()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, hangs);
        QFETCH(int, code);
        QFETCH(QString, output);
        profile::Profile site;
        site.dotsPerMm = 8;
        site.settings = QJsonDocument::fromJson(R"({
          "print": {"speed": 5, "density": 12, "labelGapMm": 2, "printOffsetMm": 2},
          "distance": {"gapSensorMm": 15, "tearDots": 144}})")
                            .object();
        // Small enough for a hung printer's kernel to take it whole.
        QVERIFY(writeEncryptedFile(dir.filePath("small.hex"), rawPayload(16 * 1024, 3)));
        QFile file(dir.filePath("site.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(profile::serialize(site));
        file.close();
        const auto start = [] {
            auto p = std::make_unique<SimPrinter>(PrinterConfig::defaults());
            p->setTcpPort(0);
            p->setUdpEnabled(false);
            return p->start() ? std::move(p) : nullptr;
        };
        const auto on = [&](const SimPrinter &p) {
            return run(
                QString(arguments).replace("%Q", "--net|127.0.0.1:" + QString::number(p.tcpPort())),
                "secret12\n");
        };
        // Where the printer stops: after the queries before the command's first write.
        int queries = 1;
        if (hangs) {
            const auto healthy = start();
            QVERIFY(healthy);
            QCOMPARE(on(*healthy).code, 0);
            const QList<ReceivedFrame> frames = healthy->receivedFrames();
            queries = 0;
            while (queries < frames.size() && frames.at(queries).frameClass == 0x02)
                ++queries;
        }
        const auto target = start();
        QVERIFY(target);
        if (hangs)
            target->setStopReadingAfterFrames(queries);
        const Run r = on(*target);
        QVERIFY2(r.code == code && r.out.contains(output.toUtf8()), (r.out + r.err).constData());
    }

    // A printer killed after 8 of 11 set frames: the print page it confirmed is written,
    // the distance page it died in (one frame of four stored) sent but unconfirmed.
    void killedPrinterRecord()
    {
        profile::Profile eleven;
        eleven.dotsPerMm = 12;
        eleven.settings = QJsonDocument::fromJson(R"({
          "print": {"speed": 5, "density": 12, "labelGapMm": 2, "blackMarkGapMm": 5,
            "printOffsetMm": 2, "verticalOffsetMm": -1, "paperType": 1},
          "distance": {"gapSensorMm": 15, "blackSensorMm": 25, "outletDots": 96,
            "tearDots": 144}})")
                              .object();
        QFile file(dir.filePath("eleven.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(profile::serialize(eleven));
        file.close();
        std::vector<std::unique_ptr<SimPrinter>> printers;
        for (int i = 0; i < 2; ++i) {
            printers.push_back(std::make_unique<SimPrinter>(PrinterConfig::defaults()));
            printers.back()->setTcpPort(0);
            printers.back()->setUdpEnabled(false);
            QVERIFY(printers.back()->start());
        }
        const auto apply = [&](const SimPrinter &p) {
            return run("--jsonl|apply|" + file.fileName() +
                       "|--net|127.0.0.1:" + QString::number(p.tcpPort()));
        };
        QCOMPARE(apply(*printers[0]).code, 0);
        int frames = 0;
        for (int sets = 0; sets < 8; ++frames)
            sets += printers[0]->receivedFrames().at(frames).frameClass == 0x01 ? 1 : 0;
        SimPrinter &killed = *printers[1];
        killed.setCloseAfterFrames(frames);
        const Run r = apply(killed);
        QVERIFY2(r.code != 0, r.out.constData());
        const QJsonObject record = QJsonDocument::fromJson(r.out.split('\n').first()).object();
        const auto list = [&record](const char *key) { // sorted
            QStringList out;
            for (const auto &v : record.value(key).toArray())
                out << v.toString();
            out.sort();
            return out;
        };
        QCOMPARE(list("written"),
                 QStringList({"print.blackMarkGapMm", "print.density", "print.labelGapMm",
                              "print.paperType", "print.printOffsetMm", "print.speed",
                              "print.verticalOffsetMm"}));
        QCOMPARE(list("unconfirmed"), QStringList({"distance.blackSensorMm", "distance.gapSensorMm",
                                                   "distance.outletDots", "distance.tearDots"}));
        // What it stored: the print page whole, the first distance frame and no other.
        QCOMPARE(killed.value(INFO_PRINT_DENSITY), QByteArray(1, 12));
        QCOMPARE(killed.value(0x33), QByteArray::fromHex("6000"));
        QVERIFY(killed.value(0x36) != QByteArray::fromHex("9000"));
    }

    // Arguments ('|' between them, %D the folder) -> what was parsed, or the refusal.
    void options_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("parsed");
        const auto row = [](const char *name, const char *arguments, const char *parsed) {
            QTest::newRow(name) << arguments << parsed;
        };
        row("defaults", "info|--net|printer", "info;;printer:9100;8;38400;;;;");
        row("options around the command",
            "--net=[::1]:9200|read|print|--json|--usb=3|--usb|--jobs=64|--udp-port|1|--file|f|"
            "--ssid=s|--out|o|--dry-run|--verify|--hex|--discover|--password-stdin|"
            "--with-secrets|-h",
            "read;print;[::1]:9200,usb:3,usb;64;1;f;s;o;json,help,dry,verify,hex,discover,stdin,"
            "secrets");
        row("after --", "send|--|--net|-x", "send;--net,-x;;8;38400;;;;");
        row("targets file", "--targets|%D/good-targets|status",
            "status;;usb,usb:2,[::1]:9300,host:9100;8;38400;;;;");
        row("targets unreadable", "--targets|%D/none", "!file cannot read %D/none");
        row("targets bad line", "--targets|%D/bad-targets", "!file %D/bad-targets:4");
        row("port 0", "--net|h:0", "!--net: not HOST or HOST:PORT: h:0");
        row("port too big", "--net=h:65536", "!--net: not HOST or HOST:PORT: h:65536");
        row("blank in host", "--net|a b", "!--net: not HOST or HOST:PORT: a b");
        row("colons, not IPv6", "--net|1:2:3", "!--net: not HOST or HOST:PORT: 1:2:3");
        row("unclosed bracket", "--net|[::1", "!--net: not HOST or HOST:PORT: [::1");
        row("junk after bracket", "--net|[::1]x", "!--net: not HOST or HOST:PORT: [::1]x");
        row("usb 0", "--usb=0", "!--usb: not a port number: 0");
        row("usb 256", "--usb=256", "!--usb: not a port number: 256");
        row("jobs 0", "--jobs|0", "!--jobs: a number from 1 to 64");
        row("one job", "apply|--jobs|1", "apply;;;1;38400;;;;");
        row("jobs 65", "--jobs=65", "!--jobs: a number from 1 to 64");
        row("no time at all", "--timeout|0", "!--timeout: seconds from 1 to 86400");
        row("udp port", "--udp-port|65536", "!--udp-port: not a port: 65536");
        row("value missing", "info|--file", "!--file needs a value");
        row("unknown option", "-x", "!unknown option -x");
    }
    void options()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, parsed);
        QFile good(dir.filePath(QStringLiteral("good-targets")));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write("# printers\n\nusb\nusb:2\n [::1]:9300\nhost\n");
        good.close();
        Options o;
        QString error;
        bool fileError = false;
        const QStringList args = arguments.replace("%D", dir.path()).split('|', Qt::SkipEmptyParts);
        QStringList got;
        if (parseOptions(args, &o, &error, &fileError)) {
            QStringList targets, flags;
            for (const PrinterAddress &t : o.targets)
                targets << t.key();
            const bool set[] = {o.json, o.help,     o.dryRun,        o.verify,
                                o.hex,  o.discover, o.passwordStdin, o.withSecrets};
            const char *names[] = {"json", "help",     "dry",   "verify",
                                   "hex",  "discover", "stdin", "secrets"};
            for (int i = 0; i < 8; ++i) {
                if (set[i])
                    flags << names[i];
            }
            got << o.command << o.arguments.join(',') << targets.join(',')
                << QString::number(o.jobs) << QString::number(o.udpPort) << o.file << o.ssid
                << o.out << flags.join(',');
        } else {
            got << '!' + QString(fileError ? "file " : "") + error;
        }
        const QString expected = parsed.replace("%D", dir.path());
        QVERIFY2(got.join(';').startsWith(expected), qPrintable(got.join(';')));
    }

    // Profiles checked as the pages check their fields, with --pages and --exclude:
    // the exit code, a text in the output and whether any set frame reached the printer.
    void profiles_data()
    {
        QTest::addColumn<QString>("file");      // the profile
        QTest::addColumn<QString>("arguments"); // %F: the profile's path
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("sent");
        const auto profile = [](const char *dots, const QString &settings) {
            return QStringLiteral(R"({"format": "labelsetup-profile", "version": 1, %1)"
                                  R"("settings": %2})")
                .arg(dots, settings);
        };
        const auto row = [&](const char *name, const QString &settings, const char *arguments,
                             int code, const QString &output, bool sent = false) {
            QTest::newRow(name) << profile(R"("dotsPerMm": 12, )", settings) << arguments << code
                                << output << sent;
        };
        // The printer's label is 150 mm wide, past the 20 to 108 a person may type: that value
        // goes to it, another one past the range does not.
        row("width beyond the page's range", R"({"print": {"widthMm": 200}})", "apply|%F|%P", 5,
            "\"widthMm\" (Breite) must lie between 20 and 108, and the printer has 150; leave "
            "it out of the profile (--exclude print.widthMm)");
        row("a width the printer has, past the page's range",
            R"({"print": {"widthMm": 150, "speed": 6}})", "apply|%F|%P", 0, "1 geschrieben", true);
        row("save warns of a width past the page's range", "{}", "--json|save|%S|%P", 0,
            "warning: print: \"widthMm\" (Breite) must lie between 20 and 108 (as this "
            "printer has it)");
        row("a name longer than its frame",
            QStringLiteral(R"({"wifi": {"stationName": "%1"}})").arg(QString(200, 'n')),
            "apply|%F|%P", 5, "is 200 bytes long; the printer holds at most 32");
        row("more decimals than kept", R"({"print": {"widthMm": 100.25}})", "diff|%F|%P", 5,
            "has more than 1 decimal(s)");
        row("a key twice", R"({"print": {"speed": 1, "speed": 2}})", "apply|%F|%P", 5,
            "the key \"speed\" is given twice");
        QTest::newRow("no resolution") << profile("", R"({"print": {"speed": 1}})") << "apply|%F|%P"
                                       << 5 << "\"dotsPerMm\" is missing" << false;
        // Fits 8 dots per millimetre, not the 12 of this printer.
        QTest::newRow("beyond this printer's resolution")
            << profile(R"("dotsPerMm": 8, )", R"({"print": {"labelGapMm": 6000}})") << "apply|%F|%P"
            << 5 << "abgelehnt, nichts gesendet" << false;
        row("the page's labels in text", R"({"print": {"speed": 6}})", "diff|%F|%P", 0,
            "Druckgeschwindigkeit 0 6");
        row("stable keys in JSON", R"({"print": {"speed": 6}, "distance": {"tearDots": 7}})",
            "diff|%F|%P|--json", 0, R"("setting": "print.speed")");
        row("only the pages given", R"({"print": {"speed": 6}, "distance": {"tearDots": 7}})",
            "diff|%F|%P|--pages|distance", 0,
            "Druckkopf bis Abreißkante (dot) 0 7|Druckgeschwindigkeit");
        row("a setting left out", R"({"print": {"speed": 6, "density": 3}})",
            "apply|%F|%P|--exclude|print.speed,tearDots", 0, "1 geschrieben|Druckgeschwindigkeit",
            true);
        row("profile from standard input", R"({"print": {"speed": 6}})", "apply|-|%P", 0,
            "1 geschrieben", true);
        row("an unknown page", "{}", "diff|%F|%P|--pages|print,colour", 1, "unknown page colour");
        // What identifies the printer is saved only when asked for; %S is the saved file.
        row("save leaves identity out", "{}", "save|%S|%P", 0,
            "\"mask\"|\"(ip|name|bleName|serialNumber|pin)\"");
        row("save with identity", "{}", "save|%S|%P|--with-identity", 0,
            "\"bleName\": \"|\"(pin|stationPassword)\"");
        row("save of some pages", "{}",
            "save|%S|%P|--pages|ethernet,serial|--exclude|baud,ethernet.mask", 0,
            "\"parity\"|\"(print|baud|mask)\"");
        row("an unknown setting", "{}", "apply|%F|%P|--exclude|speeed", 1,
            "no setting is called speeed");
    }
    void profiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, arguments);
        QFETCH(int, code);
        QFETCH(QString, output);
        QFETCH(bool, sent);
        QFile f(dir.filePath(QStringLiteral("p.json")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.toUtf8());
        f.close();
        printer->setValue(INFO_DISTANCE_TEAR, QByteArray(2, '\0'));
        printer->setValue(INFO_PRINT_SPEED, QByteArray(1, '\0'));
        // 152 mm high, 150 mm wide at 12 dots per millimetre.
        printer->setValue(INFO_LABEL_SIZE, QByteArray::fromHex("2007 0807"));
        const auto defaultSize = qScopeGuard(
            [this] { printer->setValue(INFO_LABEL_SIZE, QByteArray::fromHex("2007 C804")); });
        printer->clearRecords();
        // Settings are named as their page names them, in the user's language.
        qputenv("LC_ALL", "de_DE.UTF-8");
        const QString saved = dir.filePath(QStringLiteral("saved.json"));
        // "-": the profile comes on standard input.
        const Run r = run(arguments.replace("%F", f.fileName()).replace("%S", saved),
                          arguments.contains("|-|") ? file.toUtf8() : QByteArray());
        qunsetenv("LC_ALL");
        QCOMPARE(r.code, code);
        // "present|absent", the second a pattern; in the output or the saved file.
        QFile savedFile(saved);
        const QString all =
            QString::fromUtf8(arguments.startsWith("save") && savedFile.open(QIODevice::ReadOnly)
                                  ? savedFile.readAll()
                                  : (r.out + r.err).simplified());
        QVERIFY2(all.contains(output.section('|', 0, 0)), qPrintable(all));
        if (output.contains('|'))
            QVERIFY2(!all.contains(QRegularExpression(output.section('|', 1))), qPrintable(all));
        if (!arguments.contains("--json"))
            QVERIFY2(!r.out.contains("print.speed"), r.out.constData());
        bool anySet = false;
        for (const ReceivedFrame &frame : printer->receivedFrames())
            anySet = anySet || frame.frameClass == 0x01;
        QCOMPARE(anySet, sent);
    }

    // A query the printer leaves unanswered fails the read, and the rest of the page and
    // the pages after it are read and shown all the same.
    void readGoesOnPastASilentQuery()
    {
        printer->setSilentItems({INFO_PRINT_DENSITY});
        const Run r = run("read|print|distance|%P");
        printer->setSilentItems({});
        QCOMPARE(r.code, 3);
        QVERIFY2(r.out.contains("menuLanguage") && r.out.contains("[distance]") &&
                     !r.out.contains("density"),
                 r.out.constData());
        QVERIFY2(r.err.contains("print"), r.err.constData());
    }

    // A speed the model lacks is refused before anything is sent to that printer: four
    // speeds outside the print-mode group, eight in it (%4 and %P).
    void speedsOfTheModel_data()
    {
        QTest::addColumn<QString>("arguments"); // %F: the profile's path
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("written"); // the printers that got a set frame
        const auto row = [](const char *name, const char *arguments, int speed, int code,
                            const char *output, const char *written) {
            QTest::newRow(name) << arguments << speed << code << output << written;
        };
        const char *refused = "must be one of 0, 1, 2, 3 on this model";
        row("apply 4 to four speeds", "apply|%F|%4", 4, 5, refused, "");
        row("apply 7 to four speeds", "apply|%F|%4", 7, 5, refused, "");
        row("diff 5 with four speeds", "diff|%F|%4", 5, 5, refused, "");
        row("apply 3 to four speeds", "apply|%F|%4", 3, 0, "", "4");
        row("apply 7 to eight speeds", "apply|%F|%P", 7, 0, "", "P");
        row("apply 6 to both", "apply|%F|%P|%4", 6, 5, refused, "P");
    }
    void speedsOfTheModel()
    {
        QFETCH(QString, arguments);
        QFETCH(int, speed);
        QFETCH(int, code);
        QFETCH(QString, output);
        QFETCH(QString, written);
        profile::Profile wanted;
        wanted.dotsPerMm = 12;
        wanted.settings = QJsonObject{{"print", QJsonObject{{"speed", speed}}}};
        QFile file(dir.filePath("speed.json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(profile::serialize(wanted)) > 0);
        file.close();
        const std::pair<QString, SimPrinter *> printers[] = {{"P", printer.get()},
                                                             {"4", fourSpeeds.get()}};
        for (const auto &[name, p] : printers) {
            p->setValue(INFO_PRINT_SPEED, QByteArray(1, '\0'));
            p->clearRecords();
        }
        const Run r = run(arguments.replace("%F", file.fileName()));
        QCOMPARE(r.code, code);
        QVERIFY2((r.out + r.err).contains(output.toUtf8()), (r.out + r.err).constData());
        if (!output.isEmpty())
            QVERIFY2((r.out + r.err).contains("\"speed\" ("), (r.out + r.err).constData());
        QString got;
        for (const auto &[name, p] : printers) {
            for (const ReceivedFrame &frame : p->receivedFrames()) {
                if (frame.frameClass == 0x01 && !got.contains(name))
                    got += name;
            }
        }
        QCOMPARE(got, written);
    }

    // Every listed command answers --help with its own usage line.
    void commandHelp()
    {
        QVERIFY(commands().size() >= 13);
        for (const Command &c : commands()) {
            const Run r = run(QString::fromLatin1(c.name) + "|--help");
            QCOMPARE(r.code, 0);
            QVERIFY2(r.out.startsWith("Usage: labelsetup-cli " + QByteArray(c.usage)), c.name);
            QCOMPARE(findCommand(QString::fromLatin1(c.name)), &c);
        }
    }

    // A fleet apply stopped by a real SIGINT: each printer's record as it finishes, the
    // running one ends after its page, those not begun are told and left alone; a printer
    // named twice is applied once.
    void interruptedFleet()
    {
        profile::Profile wanted;
        wanted.dotsPerMm = 12;
        wanted.settings = QJsonObject{{"print", QJsonObject{{"density", 12}, {"speed", 5}}},
                                      {"distance", QJsonObject{{"tearDots", 144}}}};
        QFile file(dir.filePath("fleet.json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(profile::serialize(wanted)) > 0);
        file.close();
        std::vector<std::unique_ptr<SimPrinter>> fleet;
        QStringList arguments{"apply", dir.filePath("fleet.json"), "--jsonl", "--jobs", "1"};
        for (int i = 0; i < 4; ++i) {
            fleet.push_back(std::make_unique<SimPrinter>(PrinterConfig::defaults()));
            fleet.back()->setTcpPort(0);
            fleet.back()->setUdpEnabled(false);
            fleet.back()->setReplyDelayMs(40); // long enough to be stopped mid-run
            QVERIFY(fleet.back()->start());
            arguments << "--net" << QStringLiteral("127.0.0.1:%1").arg(fleet.back()->tcpPort());
        }
        arguments << "--net" << QStringLiteral("localhost:%1").arg(fleet.front()->tcpPort());
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), arguments);
        // The duplicate's record, then the first printer's.
        QTRY_VERIFY_WITH_TIMEOUT(process.peek(1 << 16).count('\n') >= 2, 20000);
        QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 130);
        QMap<QString, QString> states;
        QMap<QString, QJsonObject> records;
        const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
        for (const QByteArray &line : lines.mid(0, lines.size() - 1)) {
            const QJsonObject record = QJsonDocument::fromJson(line).object();
            states.insert(record.value("printer").toString(), record.value("state").toString());
            records.insert(record.value("printer").toString(), record);
        }
        QVERIFY(QJsonDocument::fromJson(lines.last()).object().value("interrupted").toBool());
        QCOMPARE(states.size(), 5);
        QCOMPARE(states.value(QStringLiteral("localhost:%1").arg(fleet.front()->tcpPort())),
                 "duplicate");
        QCOMPARE(states.value(QStringLiteral("127.0.0.1:%1").arg(fleet.front()->tcpPort())),
                 "finished");
        QVERIFY(states.values().contains("notStarted"));
        for (size_t i = 0; i < fleet.size(); ++i) {
            const QString name = QStringLiteral("127.0.0.1:%1").arg(fleet[i]->tcpPort());
            // The record says what the printer has; one not begun got nothing at all.
            QCOMPARE(fleet[i]->value(INFO_PRINT_DENSITY) == QByteArray(1, 12),
                     records.value(name).value("written").toArray().contains("print.density"));
            if (states.value(name) == "notStarted")
                QCOMPARE(fleet[i]->receivedFrames().size(), 0);
        }
    }

    // The function code, the decrypted firmware (its temporary copy removed), the station
    // credentials from the first input line.
    void printerEffects()
    {
        // The report holds the printer's settings, as the window's does.
        QCOMPARE(run("report|--out|%D/settings-report.json|%P").code, 0);
        QFile report(dir.filePath("settings-report.json"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(QJsonDocument::fromJson(report.readAll())
                    .object()
                    .value("printer")
                    .toObject()
                    .value("settings")
                    .toObject()
                    .value("print")
                    .toObject()
                    .contains("speed"));
        printer->clearRecords();
        QCOMPARE(run("function|selfTest|%P").code, 0);
        // The status word asked after it on the same connection is the printer's word.
        QTRY_COMPARE(printer->functionCodes(), (QList<quint8>{POWER_SELF_TEST, POWER_STATUS_WORD}));
        QCOMPARE(run("download|firmware|%D/fw.hex|%P").code, 0);
        QTRY_COMPARE(printer->rawBytes(), firmware);
        QVERIFY(!QFile::exists(filedecrypt::firmwareOutputPath(dir.filePath("fw.hex"))));
        printer->setValue(INFO_WIFI_MODE, QByteArray(1, '\2')); // access point mode
        const Run r = run("provision|--ssid|home net|--password-stdin|%P", "se cret\nnot this\n");
        QVERIFY(r.code == 0 && r.out.contains("restart"));
        QCOMPARE(printer->value(INFO_WIFI_STATION), QByteArray("home net\0se cret\0", 17));
        QCOMPARE(printer->value(INFO_WIFI_MODE), QByteArray(1, '\1'));
        // Already in station mode: the credentials alone.
        printer->clearRecords();
        QCOMPARE(run("provision|--ssid|cafe|--password-stdin|%P", "\n").code, 0);
        QTRY_COMPARE(printer->value(INFO_WIFI_STATION), QByteArray("cafe\0\0", 6));
        for (const ReceivedFrame &f : printer->receivedFrames())
            QVERIFY(f.frameClass != 0x01 || f.item == INFO_WIFI_STATION);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
