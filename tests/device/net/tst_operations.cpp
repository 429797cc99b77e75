// The operations layer against simulated printers on 127.0.0.1: what each operation puts on
// the wire, what it refuses to send, and the typed outcome the window and the command line
// render.
#include "common/encryptedfile.h"
#include "device/operations/applymany.h"
#include "device/operations/download.h"
#include "device/operations/outcome.h"
#include "device/operations/resulttexts.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/commandcodes.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(ops::Code)

namespace {

std::unique_ptr<SimPrinter> startPrinter(const QString &model)
{
    PrinterConfig config = PrinterConfig::defaults();
    config.identity[1] = model;
    auto printer = std::make_unique<SimPrinter>(config);
    printer->setTcpPort(0);
    printer->setUdpEnabled(false);
    return printer->start() ? std::move(printer) : nullptr;
}

// Every frame but the queries, "class.item" in hex: what the operation changed or ran.
QString commandsSeen(const SimPrinter &printer)
{
    QStringList seen;
    for (const ReceivedFrame &f : printer.receivedFrames()) {
        if (f.frameClass != 0x02)
            seen << QStringLiteral("%1.%2").arg(f.frameClass, 2, 16, QLatin1Char('0')).arg(
                        f.item, 2, 16, QLatin1Char('0'));
    }
    return seen.join(QLatin1Char(' '));
}

// Frames the printer received before the first one that is not a query, or before the
// n-th set frame when `setFrames` is given (that one included).
int framesBefore(const SimPrinter &printer, int setFrames = 0)
{
    const QList<ReceivedFrame> frames = printer.receivedFrames();
    int sets = 0;
    for (int i = 0; i < frames.size(); ++i) {
        if (setFrames == 0 && frames.at(i).frameClass != 0x02)
            return i;
        sets += frames.at(i).frameClass == 0x01 ? 1 : 0;
        if (setFrames > 0 && sets == setFrames)
            return i + 1;
    }
    return -1;
}

// Eleven set frames: seven of the print page, then the four of the distance page.
profile::Profile elevenFrames()
{
    profile::Profile p;
    p.dotsPerMm = 12;
    p.settings = QJsonDocument::fromJson(R"({
      "print": {"speed": 5, "density": 12, "labelGapMm": 2, "blackMarkGapMm": 5,
        "printOffsetMm": 2, "verticalOffsetMm": -1, "paperType": 1},
      "distance": {"gapSensorMm": 15, "blackSensorMm": 25, "outletDots": 96, "tearDots": 144}})")
                     .object();
    return p;
}

} // namespace

class TestOperations : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // A failed exchange's result -> the stable code scripts see.
    void failureCodes_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("query");
        QTest::addColumn<ops::Code>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("no connection") << int(RESULT_NOT_CONNECTED) << true
                                       << ops::Code::NotConnected << "not-connected";
        QTest::newRow("USB device not opened") << int(RESULT_USB_OPEN) << false
                                               << ops::Code::NotConnected << "not-connected";
        QTest::newRow("busy") << int(RESULT_BUSY) << false << ops::Code::Busy << "busy";
        QTest::newRow("query unanswered") << int(RESULT_NETWORK) << true << ops::Code::NoAnswer
                                          << "no-answer";
        QTest::newRow("query answered wrongly") << int(RESULT_BAD_REPLY) << true
                                                << ops::Code::Refused << "refused";
        QTest::newRow("send failed") << int(RESULT_NETWORK) << false << ops::Code::Refused
                                     << "refused";
        QTest::newRow("USB transfer failed") << int(RESULT_USB_IO) << false << ops::Code::Refused
                                             << "refused";
    }
    void failureCodes()
    {
        QFETCH(int, result);
        QFETCH(bool, query);
        QFETCH(ops::Code, code);
        QFETCH(QString, name);
        const ops::Outcome o = query ? ops::queryFailed(result, "status", "10.0.0.9:9100")
                                     : ops::sendFailed(result, "status", "10.0.0.9:9100");
        QCOMPARE(o.code, code);
        QCOMPARE(ops::codeName(o.code), name);
        QCOMPARE(o.result, result);
        QCOMPARE(o.step, QStringLiteral("status"));
        QVERIFY(!o.ok());
        // Who could not be reached, or what went unanswered, and why in words.
        QVERIFY2(o.sentence.contains(code == ops::Code::NotConnected ? "10.0.0.9:9100"
                                     : code == ops::Code::Busy ? "" : "status"),
                 qPrintable(o.sentence));
        QVERIFY(code == ops::Code::NotConnected || code == ops::Code::Busy ||
                o.sentence.contains(resultMeaning(result)));
    }

    // Each operation against a printer: its verdict, where it ended, and every frame it sent
    // that is not a query.
    void againstPrinter_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("wifiModeCode"); // 0: as the printer starts
        QTest::addColumn<bool>("silentIdentity");
        QTest::addColumn<ops::Code>("code");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("commands");
        const auto row = [](const char *name, const char *operation, const char *model,
                            int wifiModeCode, bool silent, ops::Code code, const char *step,
                            const char *commands) {
            QTest::newRow(name) << operation << model << wifiModeCode << silent << code << step
                                << commands;
        };
        row("self-test", "function", "K53TA", 0, false, ops::Code::Ok, "", "00.00");
        row("self-test, no identity", "function", "K53TA", 0, true, ops::Code::NoAnswer,
            "identity", "");
        row("credentials, printer in station mode", "provision", "K53TA", 1, false,
            ops::Code::Ok, "", "01.26");
        row("credentials, printer an access point", "provision", "K53TA", 2, false,
            ops::Code::Ok, "", "01.30 01.26");
        row("credentials, no identity", "provision", "K53TA", 2, true, ops::Code::NoAnswer,
            "identity", "");
        row("firmware", "firmware", "K53TA", 0, false, ops::Code::Ok, "", "");
        row("font to a model that takes none", "font", "WX-310", 0, false,
            ops::Code::Unsupported, "font", "");
        row("status", "status", "K53TA", 0, false, ops::Code::Ok, "", "00.03");
    }
    void againstPrinter()
    {
        QFETCH(QString, operation);
        QFETCH(QString, model);
        QFETCH(int, wifiModeCode);
        QFETCH(bool, silentIdentity);
        QFETCH(ops::Code, code);
        QFETCH(QString, step);
        QFETCH(QString, commands);
        const std::unique_ptr<SimPrinter> printer = startPrinter(model);
        QVERIFY(printer);
        if (wifiModeCode)
            printer->setValue(INFO_WIFI_MODE, QByteArray(1, char(wifiModeCode)));
        if (silentIdentity)
            printer->setSilentItems({INFO_DEVICE_IDENTITY});
        const QByteArray plain = rawPayload(20000, 3);
        const QString file = dir.filePath(operation + ".hex");
        QVERIFY(writeEncryptedFile(file, plain));

        PrinterSession session;
        QVERIFY(
            ops::open(session, PrinterAddress::forNetwork("127.0.0.1", printer->tcpPort())).ok());
        ops::Outcome o = ops::identify(session);
        if (o.ok() && operation == "function")
            o = ops::runFunction(session, "selfTest");
        if (o.ok() && operation == "provision")
            o = ops::provision(session, "home", "secret12", ops::ModeKnowledge::AskFirst);
        if (o.ok() && operation == "status") {
            printer->setStatusWord(0x3); // printing, no paper
            ops::StatusReading status;
            o = ops::readStatus(session, &status);
            QCOMPARE(status.codes, QStringList({"printing", "paper_out"}));
            QCOMPARE(status.texts.size(), 2);
        }
        if (o.ok() && (operation == "firmware" || operation == "font")) {
            PlainCopy plainCopy;
            o = ops::prepareDownload(session,
                                     operation == "font" ? ops::FileKind::Font
                                                         : ops::FileKind::Firmware,
                                     file, &plainCopy);
            if (o.ok())
                o = ops::downloadNow(session, plainCopy, true);
            QCOMPARE(printer->rawBytes(), o.ok() ? plain : QByteArray());
            QVERIFY(plainCopy.isNull() || !QFile::exists(plainCopy.path())); // the copy goes
        }
        session.close();
        QCOMPARE(o.code, code);
        QCOMPARE(o.step, step);
        QCOMPARE(commandsSeen(*printer), commands);
        if (operation == "provision" && o.ok())
            QCOMPARE(printer->value(INFO_WIFI_STATION), QByteArray("home\0secret12\0", 14));
    }

    // Files refused before the printer is asked anything.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("missing") << QByteArray("-") << "";
    }
    void badFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = dir.filePath(QTest::currentDataTag() + QStringLiteral(".hex"));
        if (content != "-") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        }
        PrinterSession session;
        PlainCopy plain;
        const ops::Outcome o = ops::prepareDownload(session, ops::FileKind::Firmware, path, &plain);
        QCOMPARE(o.code, ops::Code::BadInput);
        QVERIFY(o.sentence.contains(QDir::toNativeSeparators(path)));
        QVERIFY(plain.isNull());
        QCOMPARE(QDir(dir.path()).entryList({"*_decrypted*"}), QStringList());
    }

    // The decrypted copy is sent through the descriptor it was written through: a file put
    // in its place meanwhile (in a folder others may write) is neither sent nor deleted.
    void swappedCopy_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("another file in its place") << false;
        QTest::newRow("a link to another file in its place") << true;
    }
    void swappedCopy()
    {
        QFETCH(bool, link);
        const auto printer = startPrinter(QStringLiteral("K53TA"));
        QVERIFY(printer);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        const QByteArray firmware = rawPayload(8 * 1024, 5);
        const QString file = dir.filePath(tag + QStringLiteral(".hex"));
        QVERIFY(writeEncryptedFile(file, firmware));
        PrinterSession session;
        ops::Outcome o = ops::openAndIdentify(
            session, PrinterAddress::forNetwork("127.0.0.1", printer->tcpPort()));
        QVERIFY2(o.ok(), qPrintable(o.sentence));
        PlainCopy copy;
        o = ops::prepareDownload(session, ops::FileKind::Firmware, file, &copy);
        QVERIFY2(o.ok(), qPrintable(o.sentence));
        const QString other = dir.filePath(tag + QStringLiteral("-other"));
        QVERIFY(writePlainFile(other, "not the firmware"));
        QVERIFY(QFile::remove(copy.path()));
        QVERIFY(link ? QFile::link(other, copy.path()) : QFile::copy(other, copy.path()));
        o = ops::downloadNow(session, copy, true);
        session.close();
        QVERIFY2(o.ok(), qPrintable(o.sentence));
        QTRY_COMPARE(printer->rawBytes(), firmware);
        QVERIFY(QFileInfo(copy.path()).isSymLink() == link && QFile::exists(copy.path()));
        QVERIFY(QFile::remove(copy.path()));
    }

    // The command line's and the fleet's operations count only what the printer answered
    // after: a printer that stops reading once its queries are answered has its kernel
    // acknowledge the frames, but did not read them.
    void confirmedByTheAnswer_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("hangs");
        QTest::addColumn<ops::Code>("code");
        const auto row = [](const char *name, const char *operation, bool hangs, ops::Code code) {
            QTest::newRow(name) << operation << hangs << code;
        };
        row("self-test", "selfTest", false, ops::Code::Ok);
        row("self-test, printer hung", "selfTest", true, ops::Code::NoAnswer);
        row("a set frame", "buzzerOff", false, ops::Code::Ok);
        row("a set frame, printer hung", "buzzerOff", true, ops::Code::NoAnswer);
        row("credentials", "provision", false, ops::Code::Ok);
        row("credentials, printer hung", "provision", true, ops::Code::NoAnswer);
        row("profile", "apply", false, ops::Code::Ok);
        row("profile, printer hung", "apply", true, ops::Code::NoAnswer);
        row("font", "font", false, ops::Code::Ok);
        row("font, printer hung", "font", true, ops::Code::NoAnswer);
    }
    void confirmedByTheAnswer()
    {
        QFETCH(QString, operation);
        QFETCH(bool, hangs);
        QFETCH(ops::Code, code);
        const QString file = dir.filePath("font.hex");
        QVERIFY(writeEncryptedFile(file, rawPayload(20000, 5)));
        const auto runOn = [&](SimPrinter &printer) {
            const PrinterAddress address =
                PrinterAddress::forNetwork("127.0.0.1", printer.tcpPort());
            if (operation == "apply")
                return ops::applyToPrinter(address, elevenFrames(), false, false).outcome;
            PrinterSession session;
            session.setConfirming(true);
            ops::Outcome o = ops::openAndIdentify(session, address);
            if (o.ok() && operation == "provision")
                o = ops::provision(session, "home", "secret12", ops::ModeKnowledge::AsKnown);
            if (o.ok() && operation == "font") {
                PlainCopy plain;
                o = ops::prepareDownload(session, ops::FileKind::Font, file, &plain);
                if (o.ok())
                    o = ops::downloadNow(session, plain, true, {}, nullptr, ops::FileKind::Font);
            }
            if (o.ok() && operation != "provision" && operation != "font")
                o = ops::runFunction(session, operation);
            session.close();
            return o;
        };
        // Where the printer stops: once every query before the first write is answered.
        const std::unique_ptr<SimPrinter> healthy = startPrinter("K53TA");
        QVERIFY(healthy);
        QVERIFY(runOn(*healthy).ok());
        const int queries = framesBefore(*healthy);
        QVERIFY(queries > 0 || operation == "font");

        const std::unique_ptr<SimPrinter> printer = startPrinter("K53TA");
        QVERIFY(printer);
        if (hangs)
            printer->setStopReadingAfterFrames(operation == "font" ? 1 : queries);
        const ops::Outcome o = runOn(*printer);
        QVERIFY2(o.code == code, qPrintable(ops::codeName(o.code) + ": " + o.sentence));
        if (o.ok()) {
            QVERIFY(!o.written.isEmpty());
            QVERIFY(o.unconfirmed.isEmpty());
            return;
        }
        // What was sent is told, but not as written.
        QVERIFY(o.written.isEmpty());
        QVERIFY(!o.unconfirmed.isEmpty());
        QCOMPARE(printer->receivedFrames().size(), operation == "font" ? 1 : queries);
    }

    // A printer killed after 8 of 11 set frames: the record says written for what it
    // stored and confirmed, and lists the rest that was sent as unconfirmed.
    void killedMidway()
    {
        const std::unique_ptr<SimPrinter> healthy = startPrinter("K53TA");
        QVERIFY(healthy);
        const PrinterAddress healthyAddress =
            PrinterAddress::forNetwork("127.0.0.1", healthy->tcpPort());
        const ops::PrinterRun full =
            ops::applyToPrinter(healthyAddress, elevenFrames(), false, false);
        QVERIFY2(full.outcome.ok(), qPrintable(full.outcome.sentence));
        QCOMPARE(full.details.written.size(), 11);
        int setFrames = 0;
        for (const ReceivedFrame &f : healthy->receivedFrames())
            setFrames += f.frameClass == 0x01 ? 1 : 0;
        QCOMPARE(setFrames, 11);

        const std::unique_ptr<SimPrinter> printer = startPrinter("K53TA");
        QVERIFY(printer);
        PrinterSession before;
        QVERIFY(ops::openAndIdentify(before,
                                     PrinterAddress::forNetwork("127.0.0.1", printer->tcpPort()))
                    .ok());
        QJsonObject old;
        QVERIFY(ops::readSettings(before, {"print", "distance"}, true, &old).ok());
        before.close();
        printer->clearRecords();
        printer->setCloseAfterFrames(framesBefore(*healthy, 8));
        const ops::PrinterRun run =
            ops::applyToPrinter(PrinterAddress::forNetwork("127.0.0.1", printer->tcpPort()),
                                elevenFrames(), false, false);
        QVERIFY(!run.outcome.ok());
        int stored = 0;
        for (const ReceivedFrame &f : printer->receivedFrames())
            stored += f.frameClass == 0x01 ? 1 : 0;
        QCOMPARE(stored, 8);

        // What the printer kept, read once it is up again.
        printer->stop();
        printer->setCloseAfterFrames(-1);
        QVERIFY(printer->start());
        PrinterSession after;
        QVERIFY(
            ops::openAndIdentify(after, PrinterAddress::forNetwork("127.0.0.1", printer->tcpPort()))
                .ok());
        QJsonObject now;
        QVERIFY(ops::readSettings(after, {"print", "distance"}, true, &now).ok());
        after.close();
        const QJsonObject wanted = elevenFrames().settings;
        QStringList changed;
        for (const QString &page : wanted.keys()) {
            const QJsonObject settings = wanted.value(page).toObject();
            for (const QString &key : settings.keys()) {
                const QJsonValue value = now.value(page).toObject().value(key);
                if (value != old.value(page).toObject().value(key))
                    changed << page + "." + key;
            }
        }
        QCOMPARE(changed.size(), 8);
        for (const QString &setting : run.outcome.written)
            QVERIFY2(changed.contains(setting), qPrintable(setting + " written, not stored"));
        for (const QString &setting : changed)
            QVERIFY2(run.outcome.written.contains(setting) ||
                         run.outcome.unconfirmed.contains(setting),
                     qPrintable(setting + " stored, not in the record"));
        QCOMPARE(run.outcome.written.size() + run.outcome.unconfirmed.size(), 11);
    }

    // A restart is done when the printer answers again on a new connection after dropping
    // the old one.
    void restartConfirmed_data()
    {
        QTest::addColumn<QString>("printerDoes"); // after the restart frame
        QTest::addColumn<int>("comeBackMs");
        QTest::addColumn<ops::Code>("code");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("restarts") << "restart" << 5000 << ops::Code::Ok << true;
        QTest::newRow("not waited for") << "restart" << 0 << ops::Code::Ok << false;
        QTest::newRow("killed") << "die" << 1500 << ops::Code::TimedOut << false;
        QTest::newRow("hung") << "hang" << 1500 << ops::Code::TimedOut << false;
    }
    void restartConfirmed()
    {
        QFETCH(QString, printerDoes);
        QFETCH(int, comeBackMs);
        QFETCH(ops::Code, code);
        QFETCH(bool, confirmed);
        const std::unique_ptr<SimPrinter> printer = startPrinter("K53TA");
        QVERIFY(printer);
        // The identity query and the restart.
        if (printerDoes == "die")
            printer->setCloseAfterFrames(2);
        if (printerDoes == "hang")
            printer->setStopReadingAfterFrames(1);
        PrinterSession session;
        session.setConfirming(true);
        QVERIFY(ops::openAndIdentify(session,
                                     PrinterAddress::forNetwork("127.0.0.1", printer->tcpPort()))
                    .ok());
        const int connections = printer->connectionCount();
        const ops::Outcome o = ops::runFunction(session, "restart", comeBackMs);
        session.close();
        QCOMPARE(o.code, code);
        QCOMPARE(o.written, confirmed ? QStringList{"restart"} : QStringList());
        QCOMPARE(o.unconfirmed, confirmed ? QStringList() : QStringList{"restart"});
        if (confirmed)
            QVERIFY(printer->connectionCount() > connections);
    }

    // A firmware is done when the printer answers again after its restart.
    void firmwareConfirmed_data()
    {
        QTest::addColumn<bool>("hangs");
        QTest::addColumn<ops::Code>("code");
        QTest::newRow("restarts with the new version") << false << ops::Code::Ok;
        QTest::newRow("hung after its identity") << true << ops::Code::TimedOut;
    }
    void firmwareConfirmed()
    {
        QFETCH(bool, hangs);
        QFETCH(ops::Code, code);
        PrinterConfig config = PrinterConfig::defaults();
        config.firmwareRestart = "V2.0.0";
        config.restartMs = 500;
        SimPrinter printer(config);
        printer.setTcpPort(0);
        printer.setUdpEnabled(false);
        QVERIFY(printer.start());
        if (hangs)
            printer.setStopReadingAfterFrames(1);
        const QString file = dir.filePath("firmware.hex");
        QVERIFY(writeEncryptedFile(file, rawPayload(64 * 1024, 9)));
        PrinterSession session;
        session.setConfirming(true);
        ops::Outcome o = ops::openAndIdentify(
            session, PrinterAddress::forNetwork("127.0.0.1", printer.tcpPort()));
        PlainCopy plain;
        if (o.ok())
            o = ops::prepareDownload(session, ops::FileKind::Firmware, file, &plain);
        if (o.ok())
            o = ops::downloadNow(session, plain, true, {}, nullptr, ops::FileKind::Firmware, 4000);
        session.close();
        QCOMPARE(o.code, code);
        QCOMPARE(o.written.isEmpty(), hangs);
        QCOMPARE(o.unconfirmed.isEmpty(), !hangs);
        if (!hangs)
            QCOMPARE(printer.model().firmwareVersion(), QStringLiteral("V2.0.0"));
    }

    // A printer nobody listens for: named in the sentence, nothing else tried.
    void cannotConnect()
    {
        PrinterSession session;
        const ops::Outcome o =
            ops::openAndIdentify(session, PrinterAddress::forNetwork("127.0.0.1", 1));
        QCOMPARE(o.code, ops::Code::NotConnected);
        QVERIFY2(o.sentence.contains("127.0.0.1:1"), qPrintable(o.sentence));
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
