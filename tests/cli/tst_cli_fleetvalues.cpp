// labelsetup-cli against simulated printers on 127.0.0.1: per-printer values from a
// targets table (each printer its own name; a value missing refused before anything is
// sent), the journal lines an apply and a function leave (no secret in them), a journal
// that cannot be written, and the history command reading it.
#include "sim/simprinter.h"
#include "common/encryptedfile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

class TestCliFleetValues : public QObject
{
    Q_OBJECT

    std::vector<std::unique_ptr<SimPrinter>> printers;
    QTemporaryDir dir;

    struct Run
    {
        int code = -1;
        QByteArray out, err;
    };
    // '|' separates arguments; %D is the folder, %0.. %2 the printers' addresses.
    Run run(QString arguments, const QString &stateHome)
    {
        for (size_t i = 0; i < printers.size(); ++i)
            arguments.replace(QStringLiteral("%%1").arg(i), address(int(i)));
        arguments.replace("%D", dir.path());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(LABELSETUP_CLI), arguments.split('|', Qt::SkipEmptyParts));
        process.closeWriteChannel();
        Run r;
        if (process.waitForFinished(30000))
            r = Run{process.exitCode(), process.readAllStandardOutput(),
                    process.readAllStandardError()};
        return r;
    }
    QString address(int i) const
    {
        return QStringLiteral("127.0.0.1:%1").arg(printers.at(size_t(i))->tcpPort());
    }
    QString write(const QString &name, const QString &text)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(text.toUtf8());
        return file.fileName();
    }
    // The bluetooth name the printer stores (item 0x2B, a NUL-ended text).
    QByteArray bluetoothName(int i) const
    {
        const QByteArray value = printers.at(size_t(i))->value(0x2B);
        return value.left(value.indexOf('\0'));
    }
    static QList<QJsonObject> journalLines(const QString &stateHome)
    {
        QFile file(stateHome + QStringLiteral("/labelsetup/journal.jsonl"));
        QList<QJsonObject> out;
        if (!file.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                out << QJsonDocument::fromJson(line).object();
        }
        return out;
    }
    int framesReceived() const
    {
        int n = 0;
        for (const auto &p : printers)
            n += p->receivedFrames().size() + p->connectionCount();
        return n;
    }
    QString table(const QString &lastName)
    {
        return write(QStringLiteral("printers.csv"),
                     QStringLiteral("# the shop's printers\naddress,name,site\n"
                                    "%1,Till-1,HH\n%2,\"Till, 2\",HH\n%3,%4,HH\n")
                         .arg(address(0), address(1), address(2), lastName));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (int i = 0; i < 3; ++i) {
            printers.push_back(std::make_unique<SimPrinter>(PrinterConfig::defaults()));
            printers.back()->setTcpPort(0);
            printers.back()->setUdpEnabled(false);
            QVERIFY(printers.back()->start());
        }
        write(QStringLiteral("names.json"),
              R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA", "dotsPerMm": 8,
                  "settings": {"bluetooth": {"name": "${name}", "bleName": "${site}-${name}",
                                             "pin": "4711"}}})");
    }

    // A value missing in one row, no table at all, a bad row: refused, nothing sent to
    // any printer.
    void refusedBeforeSending_data()
    {
        QTest::addColumn<QString>("lastName"); // the third row's name
        QTest::addColumn<QString>("targets");  // instead of the table
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("a row lacks the value")
            << ""
            << "" << 5
            << "printer %2: bluetooth.bleName refers to ${name}, which its row lacks: nothing "
               "was sent to any printer";
        QTest::newRow("no table")
            << "Till-3"
            << "--net|%0" << 5
            << "printer %0: bluetooth.bleName refers to ${site}, which its row lacks";
        QTest::newRow("a row with a field too many")
            << "Till-3,extra"
            << "" << 5 << "printers.csv: line 5: 4 fields, the header has 3";
        QTest::newRow("a bad address in a row")
            << "Till-3"
            << "--targets|%D/bad.csv" << 5 << "bad.csv:2: not an address or usb:PORT: no:port:x";
    }
    void refusedBeforeSending()
    {
        QFETCH(QString, lastName);
        QFETCH(QString, targets);
        QFETCH(int, code);
        QFETCH(QString, error);
        table(lastName);
        write(QStringLiteral("bad.csv"), QStringLiteral("address,name,site\nno:port:x,a,b\n"));
        for (const auto &p : printers)
            p->clearRecords();
        const int before = framesReceived();
        const QString state = dir.filePath(QStringLiteral("refused"));
        const Run r =
            run(QStringLiteral("apply|%D/names.json|") +
                    (targets.isEmpty() ? QStringLiteral("--targets|%D/printers.csv") : targets),
                state);
        QCOMPARE(r.code, code);
        QString expected = error;
        for (int i = 0; i < 3; ++i)
            expected.replace(QStringLiteral("%%1").arg(i), address(i));
        QVERIFY2(QString::fromUtf8(r.err).contains(expected), r.err.constData());
        QCOMPARE(framesReceived(), before);
        QVERIFY(journalLines(state).isEmpty());
    }

    // Each printer gets its own name; the journal has a line per printer with what
    // changed, the PIN only as "changed"; history reads it back.
    void filledPerPrinterAndJournalled()
    {
        table(QStringLiteral("Till-3"));
        const QString state = dir.filePath(QStringLiteral("state"));
        const Run r = run(QStringLiteral("apply|%D/names.json|--targets|%D/printers.csv"), state);
        QCOMPARE(r.code, 0);
        QCOMPARE(bluetoothName(0), QByteArray("Till-1"));
        QCOMPARE(bluetoothName(1), QByteArray("Till, 2"));
        QCOMPARE(bluetoothName(2), QByteArray("Till-3"));

        const QList<QJsonObject> lines = journalLines(state);
        QCOMPARE(lines.size(), 3);
        QStringList addresses;
        for (const QJsonObject &line : lines) {
            const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact);
            QVERIFY2(!text.contains("4711"), text.constData());
            QCOMPARE(line.value("face").toString(), QStringLiteral("cli"));
            QCOMPARE(line.value("outcome").toObject().value("code").toString(),
                     QStringLiteral("ok"));
            const QJsonObject printer = line.value("printer").toObject();
            QCOMPARE(printer.value("model").toString(), QStringLiteral("K53TA"));
            addresses << printer.value("address").toString();
            const QJsonObject changes = line.value("changes").toObject();
            QCOMPARE(changes.value("bluetooth.pin").toObject(),
                     (QJsonObject{{"from", "changed"}, {"to", "changed"}}));
            QVERIFY(changes.value("bluetooth.name")
                        .toObject()
                        .value("to")
                        .toString()
                        .startsWith("Till"));
            QVERIFY(
                QDateTime::fromString(line.value("time").toString(), Qt::ISODateWithMs).isValid());
        }
        addresses.sort();
        QStringList expected{address(0), address(1), address(2)};
        expected.sort();
        QCOMPARE(addresses, expected);

        // The same again changes nothing and leaves no line; a function leaves one.
        QCOMPARE(run(QStringLiteral("apply|%D/names.json|--targets|%D/printers.csv"), state).code,
                 0);
        QCOMPARE(journalLines(state).size(), 3);
        QCOMPARE(run(QStringLiteral("function|restart|--net|%1"), state).code, 0);
        QCOMPARE(journalLines(state).size(), 4);
        QCOMPARE(journalLines(state).last().value("functions").toArray(), QJsonArray{"restart"});

        const Run all = run(QStringLiteral("history"), state);
        QCOMPARE(all.code, 0);
        QCOMPARE(all.out.count('\n'), 4);
        const Run one = run(QStringLiteral("history|--printer|%1|--json"), state);
        QCOMPARE(one.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(one.out).object();
        QCOMPARE(o.value("count").toInt(), 2);
        for (const auto &e : o.value("entries").toArray())
            QCOMPARE(e.toObject().value("printer").toObject().value("address").toString(),
                     address(1));
        const Run later = run(QStringLiteral("history|--since|2999-01-01|--jsonl"), state);
        QCOMPARE(later.code, 0);
        QCOMPARE(later.out.count('\n'), 1); // the summary alone
        QCOMPARE(run(QStringLiteral("history|--since|last week"), state).code, 1);
    }

    // A font rolled out to two printers: a line each, the file by name and SHA-256.
    void rolloutJournalled()
    {
        QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("font.bin")), rawPayload(4096, 7)));
        QFile font(dir.filePath(QStringLiteral("font.bin")));
        QVERIFY(font.open(QIODevice::ReadOnly));
        const QString sha256 = QString::fromLatin1(
            QCryptographicHash::hash(font.readAll(), QCryptographicHash::Sha256).toHex());
        const QString state = dir.filePath(QStringLiteral("rollout-state"));
        const Run r = run(QStringLiteral("download|font|%D/font.bin|--net|%0|--net|%1"), state);
        QCOMPARE(r.code, 0);
        const QList<QJsonObject> lines = journalLines(state);
        QCOMPARE(lines.size(), 2);
        QStringList addresses;
        for (const QJsonObject &line : lines) {
            QCOMPARE(line.value("face").toString(), QStringLiteral("cli"));
            QCOMPARE(line.value("files").toArray(),
                     (QJsonArray{QJsonObject{{"name", "font.bin"}, {"sha256", sha256}}}));
            QCOMPARE(line.value("outcome").toObject().value("code").toString(),
                     QStringLiteral("ok"));
            addresses << line.value("printer").toObject().value("address").toString();
        }
        addresses.sort();
        QStringList expected{address(0), address(1)};
        expected.sort();
        QCOMPARE(addresses, expected);
    }

    // A journal that cannot be written: the apply succeeds, the warning comes once.
    void unwritableJournal()
    {
        write(QStringLiteral("speed.json"),
              R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA", "dotsPerMm": 8,
                  "settings": {"print": {"speed": 1}}})");
        const QString blocker = write(QStringLiteral("blocker"), QStringLiteral("a file"));
        const Run r =
            run(QStringLiteral("apply|%D/speed.json|--net|%0|--net|%1|--net|%2"), blocker);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.count(" 1 written"), 3);
        QCOMPARE(r.err.count("cannot be written"), 1);
        QVERIFY2(r.err.contains("blocker/labelsetup/journal.jsonl"), r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliFleetValues)
#include "tst_cli_fleetvalues.moc"
