// Staged fleet runs of labelsetup-cli against simulated printers on 127.0.0.1: a canary
// that fails leaves the rest untouched, a failure limit begins no further printer,
// --resume redoes only what an earlier run left undone, and a bad records file is
// refused before anything is sent.
#include "common/encryptedfile.h"
#include "common/fleetprinters.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

class TestCliStages : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString firmware; // an encrypted image naming V2.0.1
    std::vector<std::unique_ptr<SimPrinter>> printers;

    struct Run
    {
        int code = -1;
        QByteArray out, err;
        QList<QJsonObject> records; // --jsonl: one per printer, the summary left out
    };
    Run cli(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), arguments);
        process.closeWriteChannel();
        Run r;
        if (!process.waitForFinished(60000))
            return r;
        r = Run{process.exitCode(),
                process.readAllStandardOutput(),
                process.readAllStandardError(),
                {}};
        for (const QByteArray &line : r.out.split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (!o.isEmpty() && !o.value("summary").toBool())
                r.records << o;
        }
        return r;
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(bytes);
        return file.fileName();
    }
    // Printers, each "ok", "version" (back with another version) or "refuse"; their
    // targets file.
    QString startPrinters(const QStringList &kinds)
    {
        printers.clear();
        QByteArray targets;
        for (const QString &kind : kinds) {
            printers.push_back(startFleetPrinter("127.0.0.1", 0, 0,
                                                 kind == QLatin1String("version")
                                                     ? QStringLiteral("V9.9")
                                                     : QStringLiteral("stream"),
                                                 200));
            if (!printers.back())
                return QString();
            if (kind == QLatin1String("refuse"))
                printers.back()->setRefuseMode(RefuseMode::CloseAfterAccept);
            targets += key(int(printers.size()) - 1).toUtf8() + "\n";
        }
        return write(QStringLiteral("targets"), targets);
    }
    QString key(int i) const
    {
        return QStringLiteral("127.0.0.1:%1").arg(printers.at(size_t(i))->tcpPort());
    }
    QList<int> touched() const
    {
        QList<int> out;
        for (size_t i = 0; i < printers.size(); ++i) {
            if (printers[i]->connectionCount() > 0 || printers[i]->rawByteCount() > 0)
                out << int(i);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QByteArray image = "FWVER=V2.0.1\n";
        image += QByteArray(16 - image.size() % 16, '\n') + rawPayload(8 * 1024, 5);
        firmware = dir.filePath(QStringLiteral("fw.bin"));
        QVERIFY(writeEncryptedFile(firmware, image));
        write(QStringLiteral("profile.json"),
              R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA", "dotsPerMm": 8,
                  "settings": {"print": {"density": 9}}})");
    }

    // Which printers a staged run begins, and what the records say of the others.
    void stages_data()
    {
        QTest::addColumn<QString>("command"); // download or apply
        QTest::addColumn<QStringList>("printers");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QList<int>>("attempted");
        QTest::addColumn<QString>("reason"); // of those not attempted
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("stages");

        const QStringList two{"canary", "canary", "rest", "rest", "rest"};
        QTest::newRow("canary of 2, the second back with another version")
            << "download" << QStringList{"ok", "version", "ok", "ok", "ok"}
            << QStringList{"--canary", "2", "--jobs", "2"} << QList<int>{0, 1} << "canary failed"
            << 4 << two;
        QTest::newRow("canary of 2 passes")
            << "download" << QStringList{"ok", "ok", "ok", "ok"}
            << QStringList{"--canary", "2", "--jobs", "4"} << QList<int>{0, 1, 2, 3} << "" << 0
            << QStringList(two.mid(0, 4));
        QTest::newRow("limit of 2 failures, one at a time")
            << "download" << QStringList{"refuse", "ok", "refuse", "ok", "ok"}
            << QStringList{"--max-failures", "2", "--jobs", "1"} << QList<int>{0, 1, 2}
            << "failure limit reached" << 2 << QStringList();
        QTest::newRow("canary of 3 with a limit: the canary goes on, the rest do not")
            << "apply" << QStringList{"refuse", "ok", "ok", "ok"}
            << QStringList{"--canary", "3", "--max-failures", "2", "--jobs", "1"}
            << QList<int>{0, 1, 2} << "canary failed" << 3
            << QStringList{"canary", "canary", "canary", "rest"};
        QTest::newRow("apply, canary of 1 refuses")
            << "apply" << QStringList{"refuse", "ok", "ok"}
            << QStringList{"--canary", "1", "--jobs", "3"} << QList<int>{0} << "canary failed" << 3
            << QStringList{"canary", "rest", "rest"};
    }
    void stages()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, printers);
        QFETCH(QStringList, flags);
        QFETCH(QList<int>, attempted);
        QFETCH(QString, reason);
        QFETCH(int, exitCode);
        QFETCH(QStringList, stages);
        const QString targets = startPrinters(printers);
        QVERIFY(!targets.isEmpty());
        const QStringList what =
            command == QLatin1String("download")
                ? QStringList{"download", "firmware", firmware, "--expect-version", "V2.0.1"}
                : QStringList{"apply", dir.filePath("profile.json")};
        const Run r = cli(what + QStringList{"--targets", targets, "--jsonl"} + flags);
        QVERIFY2(r.code == exitCode, r.out + r.err);
        QVERIFY2(touched() == attempted, r.out);
        QCOMPARE(r.records.size(), printers.size());
        QHash<QString, int> indexOf;
        for (int i = 0; i < printers.size(); ++i)
            indexOf.insert(key(i), i);
        for (const QJsonObject &o : r.records) {
            const int i = indexOf.value(o.value("printer").toString(), -1);
            QVERIFY2(i >= 0, qPrintable(o.value("printer").toString()));
            QCOMPARE(o.value("stage").toString(), stages.value(i));
            QCOMPARE(o.value("stopReason").toString(), attempted.contains(i) ? "" : reason);
        }
    }

    // The failed canary's records resumed: the printer that succeeded is skipped, the
    // one that failed and those not attempted are done.
    void resumeDoesTheRest()
    {
        const QString targets = startPrinters({"ok", "version", "ok", "ok", "ok"});
        QVERIFY(!targets.isEmpty());
        const QStringList download{"download", "firmware", firmware, "--targets",        targets,
                                   "--jsonl",  "--jobs",   "2",      "--expect-version", "V2.0.1"};
        const Run first = cli(download + QStringList{"--canary", "2"});
        QCOMPARE(first.code, 4);
        QCOMPARE(touched(), (QList<int>{0, 1}));
        const QString records = write(QStringLiteral("records.jsonl"), first.out);
        const int firstConnections = printers[0]->connectionCount();

        const Run again = cli(download + QStringList{"--resume", records});
        QVERIFY2(again.code == 4, again.out + again.err); // the second is still wrong
        QCOMPARE(printers[0]->connectionCount(), firstConnections);
        QVERIFY(again.err.contains(key(0).toUtf8() + " succeeded in the earlier run: skipped"));
        QCOMPARE(again.records.size(), 4);
        for (int i = 2; i < 5; ++i)
            QCOMPARE(printers[size_t(i)]->model().firmwareVersion(), QStringLiteral("V2.0.1"));
    }

    // A records file that is not the --jsonl output of a run: refused before sending.
    void badRecordsRefused_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("{\"printer\":\"a\",\"state\":\"finished\","
                                                "\"exitCode\":0}\n\nnot json\n")
                                  << "records.jsonl:3: not a JSON record";
        QTest::newRow("no state") << QByteArray("{\"printer\":\"a\",\"exitCode\":0}\n")
                                  << "records.jsonl:1: a record needs printer, state and exitCode";
        QTest::newRow("only a summary")
            << QByteArray("{\"summary\":true,\"exitCode\":0}\n") << "no printer records";
    }
    void badRecordsRefused()
    {
        QFETCH(QByteArray, records);
        QFETCH(QString, error);
        const QString targets = startPrinters({"ok", "ok"});
        const QString file = write(QStringLiteral("records.jsonl"), records);
        for (const QStringList &what : {QStringList{"download", "firmware", firmware},
                                        QStringList{"apply", dir.filePath("profile.json")}}) {
            const Run r = cli(what + QStringList{"--targets", targets, "--resume", file});
            QCOMPARE(r.code, 5);
            QVERIFY2(r.err.contains(error.toUtf8()), r.err);
        }
        QCOMPARE(touched(), QList<int>());
    }
};

QTEST_GUILESS_MAIN(TestCliStages)
#include "tst_cli_stages.moc"
