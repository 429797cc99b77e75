// Drift from a profile across three simulated printers on 127.0.0.1: one as the profile
// says, one differing in two settings, and a third whose PIN differs or that cannot be
// reached. diff --targets (its rows, --jsonl lines and exit codes, never a set frame) and
// the exporter's drift series.
#include "common/fleetprinters.h"
#include "common/metricsscrape.h"
#include "core/settings/targetvalues.h"
#include "device/fleet/drift.h"
#include "device/jobs/claims.h"
#include "device/jobs/printerworker.h"
#include "exporter/exporter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// A port nobody listens on (the listener is closed again at once).
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace

class TestDrift : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimPrinter> same, twoOff, pinOff;
    QString down; // an address nothing answers at

    struct Run
    {
        int code = -1;
        QByteArray out, err;
    };
    Run cli(const QString &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI),
                      expand(arguments).split('|', Qt::SkipEmptyParts));
        Run r;
        if (process.waitForFinished(60000))
            r = Run{process.exitCode(), process.readAllStandardOutput(),
                    process.readAllStandardError()};
        return r;
    }
    static QString key(const SimPrinter &p)
    {
        return QStringLiteral("127.0.0.1:%1").arg(p.tcpPort());
    }
    // %D the folder; %0, %1, %2 the printers (the third one's PIN differs), %X the one
    // that is down.
    QString expand(QString text) const
    {
        return text.replace("%D", dir.path())
            .replace("%0", key(*same))
            .replace("%1", key(*twoOff))
            .replace("%2", key(*pinOff))
            .replace("%X", down);
    }
    void write(const QString &name, const QString &text)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(expand(text).toUtf8());
    }
    int setFrames() const
    {
        int n = 0;
        for (const SimPrinter *p : {same.get(), twoOff.get(), pinOff.get()}) {
            for (const ReceivedFrame &f : p->receivedFrames())
                n += f.frameClass == 0x01 ? 1 : 0;
        }
        return n;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        same = startFleetPrinter("127.0.0.1", 0);
        twoOff = startFleetPrinter("127.0.0.1", 0);
        pinOff = startFleetPrinter("127.0.0.1", 0);
        QVERIFY(same && twoOff && pinOff);
        down = QStringLiteral("127.0.0.1:%1").arg(closedPort());
        // The site's profile, each printer's name from its row.
        write("site.json", R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
            "dotsPerMm": 8, "settings": {"bluetooth": {"name": "${name}", "bleName": "Shop",
            "pin": "4711"}}})");
        write("all.csv", "address,name\n%0,Till-1\n%1,Till-2\n%2,Till-3\n");
        write("down.csv", "address,name\n%0,Till-1\n%1,Till-2\n%X,Till-3\n");
        write("one.csv", "address,name\n%0,Till-1\n");
        write("off.json", R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
            "dotsPerMm": 8, "settings": {"bluetooth": {"name": "Other", "bleName": "Elsewhere"}}})");
        write("pin.json", R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
            "dotsPerMm": 8, "settings": {"bluetooth": {"pin": "1234"}}})");
        QCOMPARE(cli("apply|%D/site.json|--targets|%D/all.csv").code, 0);
        QCOMPARE(cli("apply|%D/off.json|--net|%1").code, 0);
        QCOMPARE(cli("apply|%D/pin.json|--net|%2").code, 0);
    }
    void init()
    {
        for (SimPrinter *p : {same.get(), twoOff.get(), pinOff.get()})
            p->clearRecords();
    }

    // --jobs 1: the printers in the file's order. Settings come page by page, by name.
    void report_data()
    {
        QTest::addColumn<QString>("targets");
        QTest::addColumn<int>("code");
        // The text table, its columns split at '|' (24, 24 and 20 wide); "…" ends a prefix.
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("states"); // of the --jsonl lines
        const QString header = "printer|setting|printer value|profile value";
        const QStringList sameAndTwo{header, "%0|no setting differs",
                                     "%1|bluetooth.bleName|\"Elsewhere\"|\"Shop\"",
                                     "%1|bluetooth.name|\"Other\"|\"Till-2\""};
        QTest::newRow("a PIN differs")
            << "all.csv" << 4
            << sameAndTwo + QStringList{"%2|bluetooth.pin|differs",
                                        "2 of 3 printers differ from the profile, 0 could not "
                                        "be read"}
            << QStringList{"same", "drift", "drift"};
        QTest::newRow("one cannot be read")
            << "down.csv" << 2
            << sameAndTwo + QStringList{"%X|cannot read: …",
                                        "1 of 3 printers differ from the profile, 1 could not "
                                        "be read"}
            << QStringList{"same", "drift", "unreadable"};
        QTest::newRow("none differs")
            << "one.csv" << 0
            << QStringList{header, "%0|no setting differs",
                           "0 of 1 printers differ from the profile, 0 could not be read"}
            << QStringList{"same"};
    }
    void report()
    {
        QFETCH(QString, targets);
        QFETCH(int, code);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, states);
        const QString command = "diff|%D/site.json|--jobs|1|--targets|%D/" + targets;
        const Run text = cli(command);
        QCOMPARE(text.code, code);
        const QStringList lines = QString::fromUtf8(text.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList fields = expand(rows.at(i)).split('|');
            QString want;
            for (int f = 0; f < fields.size(); ++f)
                want += f + 1 < fields.size()
                            ? fields.at(f).leftJustified(f < 2 ? 24 : 20) + QLatin1Char(' ')
                            : fields.at(f);
            if (want.endsWith(QStringLiteral("…")))
                QVERIFY2(lines.at(i).startsWith(want.chopped(1)), qPrintable(lines.at(i)));
            else
                QCOMPARE(lines.at(i), want);
        }

        const Run jsonl = cli(command + "|--jsonl");
        QCOMPARE(jsonl.code, code);
        QVERIFY2(!jsonl.out.contains("4711") && !jsonl.out.contains("1234"), jsonl.out.constData());
        const QList<QByteArray> records = jsonl.out.trimmed().split('\n');
        QCOMPARE(records.size(), states.size() + 1); // a summary last
        for (int i = 0; i < states.size(); ++i) {
            const QJsonObject o = QJsonDocument::fromJson(records.at(i)).object();
            QCOMPARE(o.value("state").toString(), states.at(i));
            QStringList settings;
            for (const QJsonValueRef d : o.value("differences").toArray())
                settings << d.toObject().value("setting").toString();
            QCOMPARE(o.value("differing").toInt(), settings.size());
            if (i == 1) {
                QCOMPARE(settings, (QStringList{"bluetooth.bleName", "bluetooth.name"}));
                const QJsonObject name = o.value("differences").toArray().at(1).toObject();
                QCOMPARE(name.value("printer").toString(), QStringLiteral("Other"));
                QCOMPARE(name.value("profile").toString(), QStringLiteral("Till-2"));
            }
            if (states.at(i) == "drift" && i == 2)
                QCOMPARE(o.value("differences").toArray().first().toObject(),
                         (QJsonObject{{"setting", "bluetooth.pin"},
                                      {"name", o.value("differences")[0]["name"]},
                                      {"secret", true},
                                      {"change", "differs"}}));
            if (states.at(i) == "unreadable")
                QCOMPARE(o.value("reason").toString(), QStringLiteral("not-connected"));
        }
        const QJsonObject summary = QJsonDocument::fromJson(records.last()).object();
        QCOMPARE(summary.value("exitCode").toInt(), code);
        // Nothing was ever written.
        QCOMPARE(setFrames(), 0);
    }

    // The exporter's series after one check: the count, NaN for a printer not read, and
    // the time of the check only for those compared.
    void exporterSeries()
    {
        fleet::Exporter exporter;
        QString error;
        QVERIFY2(exporter.listen("127.0.0.1:0", &error), qPrintable(error));
        QList<fleet::Address> addresses;
        for (const QString &a : {key(*same), key(*twoOff), down}) {
            fleet::Address parsed;
            QVERIFY(fleet::Address::parse(a, &parsed));
            addresses << parsed;
        }
        QFile file(dir.filePath("site.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        profile::Profile site;
        QVERIFY(profile::parse(file.readAll(), &site, &error));
        QList<profile::Profile> perPrinter;
        for (const char *name : {"Till-1", "Till-2", "Till-3"}) {
            profile::Profile filled;
            QVERIFY(targetvalues::fill(site, {{"name", name}}, name, &filled, &error));
            perPrinter << filled;
        }
        jobs::WorkerPool pool(4);
        jobs::Claims gate;
        fleet::drift::Checker checker(fleet::makeSessionDevice(), gate, pool);
        checker.setPrinters(addresses, site, perPrinter);
        QObject::connect(&checker, &fleet::drift::Checker::checked,
                         [&exporter](const fleet::Address &a, const fleet::drift::Result &r) {
                             exporter.setDrift(a, r);
                         });
        QSignalSpy finished(&checker, &fleet::drift::Checker::finished);
        QVERIFY(checker.checkNow());
        QVERIFY(!checker.checkNow()); // one at a time
        QVERIFY(finished.wait(30000));
        const QByteArray metrics = scrapeMetrics(exporter.port());
        const auto series = [](const char *name, const QString &printer) {
            return QStringLiteral("%1{printer=\"%2\"} ").arg(name, printer).toUtf8();
        };
        QVERIFY2(metrics.contains(series("labelprinter_profile_drift", key(*same)) + "0\n"),
                 metrics.constData());
        QVERIFY(metrics.contains(series("labelprinter_profile_drift", key(*twoOff)) + "2\n"));
        QVERIFY(metrics.contains(series("labelprinter_profile_drift", down) + "Nan\n"));
        const QByteArray checked =
            series("labelprinter_profile_checked_timestamp_seconds", key(*same));
        const int at = metrics.indexOf(checked);
        QVERIFY(at >= 0);
        const double seconds = metrics.mid(at + checked.size()).split('\n').first().toDouble();
        QVERIFY(qAbs(seconds - QDateTime::currentSecsSinceEpoch()) < 60);
        QVERIFY(!metrics.contains(series("labelprinter_profile_checked_timestamp_seconds", down)));
        QCOMPARE(setFrames(), 0);
    }

    // exporter --profile: per-printer values filled in, the checks beside the polls.
    void exporterProfileOption()
    {
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI),
                      expand("exporter|--targets|%D/down.csv|--profile|%D/site.json|--listen|"
                             "127.0.0.1:0|--interval|1|--profile-interval|1")
                          .split('|'));
        QByteArray err;
        const auto port = [&process, &err] {
            err += process.readAllStandardError();
            return QRegularExpression("127.0.0.1:(\\d+)/metrics").match(err).captured(1).toInt();
        };
        QTRY_VERIFY_WITH_TIMEOUT(port() > 0, 10000);
        const auto series = [this, &port](const QString &printer, const char *value) {
            return scrapeMetrics(port()).contains("labelprinter_profile_drift{printer=\"" +
                                                  printer.toUtf8() + "\"} " + value + "\n");
        };
        QTRY_VERIFY_WITH_TIMEOUT(series(down, "Nan"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(series(key(*twoOff), "2"), 20000);
        QVERIFY(series(key(*same), "0"));
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(setFrames(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDrift)
#include "tst_drift.moc"
