// The journal of changes: what a line holds (never a secret's value), a journal that
// cannot be written said once, lines of concurrent writers never mixed, and the reader's
// filters.
#include "device/journal/journal.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

class TestJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static journal::Entry entry(const QString &address, const QString &serial,
                                const QDateTime &time = QDateTime())
    {
        journal::Entry e;
        e.time = time;
        e.face = QStringLiteral("cli");
        e.model = QStringLiteral("K53TA");
        e.serial = serial;
        e.address = address;
        e.outcome = QStringLiteral("ok");
        return e;
    }

    static QList<QByteArray> lines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> out = file.readAll().split('\n');
        if (!out.isEmpty() && out.last().isEmpty())
            out.removeLast();
        return out;
    }

private slots:
    void line()
    {
        const QString path = dir.filePath(QStringLiteral("line/journal.jsonl"));
        journal::Writer writer(path);
        journal::Entry e = entry(QStringLiteral("127.0.0.1:9100"), QStringLiteral("A1"),
                                 QDateTime(QDate(2026, 12, 7), QTime(19, 0, 5, 120), Qt::UTC));
        e.changes = {
            {QStringLiteral("print.speed"), 2, 4},
            {QStringLiteral("wifi.stationPassword"), QStringLiteral("old-secret-1"),
             QStringLiteral("new-secret-2")},
            {QStringLiteral("bluetooth.pin"), QStringLiteral("4711"), QStringLiteral("0815")}};
        e.functions = QStringList{QStringLiteral("restart")};
        e.files = {{QStringLiteral("fw.bin"), QByteArray("ab12")}};
        e.sentence = QStringLiteral("2 settings written");
        QVERIFY(writer.append(e));
        const QList<QByteArray> got = lines(path);
        QCOMPARE(got.size(), 1);
        for (const char *secret : {"old-secret-1", "new-secret-2", "4711", "0815"})
            QVERIFY2(!got.first().contains(secret), secret);
        const QJsonObject o = QJsonDocument::fromJson(got.first()).object();
        QCOMPARE(o.value("time").toString(), QStringLiteral("2026-12-07T19:00:05.120Z"));
        QCOMPARE(o.value("face").toString(), QStringLiteral("cli"));
        QVERIFY(o.contains("user") && o.contains("host"));
        QCOMPARE(
            o.value("printer").toObject(),
            (QJsonObject{{"model", "K53TA"}, {"serial", "A1"}, {"address", "127.0.0.1:9100"}}));
        const QJsonObject changes = o.value("changes").toObject();
        QCOMPARE(changes.value("print.speed").toObject(), (QJsonObject{{"from", 2}, {"to", 4}}));
        QCOMPARE(changes.value("wifi.stationPassword").toObject(),
                 (QJsonObject{{"from", "changed"}, {"to", "changed"}}));
        QCOMPARE(changes.value("bluetooth.pin").toObject(),
                 (QJsonObject{{"from", "changed"}, {"to", "changed"}}));
        QCOMPARE(o.value("functions").toArray().first().toString(), QStringLiteral("restart"));
        QCOMPARE(o.value("files").toArray().first().toObject(),
                 (QJsonObject{{"name", "fw.bin"}, {"sha256", "ab12"}}));
        QCOMPARE(o.value("outcome").toObject(),
                 (QJsonObject{{"code", "ok"}, {"sentence", "2 settings written"}}));
        QCOMPARE(QFile(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
    }

    // A folder that cannot be made: each append fails, the warning comes once.
    void unwritableSaidOnce()
    {
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        journal::Writer writer(dir.filePath(QStringLiteral("blocker/labelsetup/journal.jsonl")));
        QStringList warnings;
        writer.setWarning([&warnings](const QString &w) { warnings << w; });
        QVERIFY(!writer.append(entry(QStringLiteral("127.0.0.1:9100"), QString())));
        QVERIFY(!writer.append(entry(QStringLiteral("127.0.0.1:9100"), QString())));
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QStringLiteral("blocker/labelsetup")),
                 qPrintable(warnings.first()));
    }

    // Two writers (as two programs would be) appending long lines at once.
    void concurrentAppends()
    {
        const QString path = dir.filePath(QStringLiteral("concurrent.jsonl"));
        const int perThread = 300;
        const auto writeMany = [&path](const QString &who) {
            journal::Writer writer(path);
            journal::Entry e = entry(who, who);
            e.changes = {{QStringLiteral("wifi.stationName"), QString(3000, QLatin1Char('a')),
                          QString(3000, QLatin1Char('b'))}};
            for (int i = 0; i < perThread; ++i)
                writer.append(e);
        };
        std::thread one(writeMany, QStringLiteral("10.0.0.1:9100"));
        std::thread two(writeMany, QStringLiteral("10.0.0.2:9100"));
        one.join();
        two.join();
        const QList<QByteArray> got = lines(path);
        QCOMPARE(got.size(), 2 * perThread);
        for (const QByteArray &l : got) {
            QJsonParseError error;
            QJsonDocument::fromJson(l, &error);
            QCOMPARE(error.error, QJsonParseError::NoError);
        }
    }

    void read_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("since");
        QTest::addColumn<QStringList>("serials");
        // The tail read: the file's last lines, and `cut` bytes of the line before them.
        QTest::addColumn<int>("lastLines");
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("skipped");
        QTest::newRow("all") << ""
                             << "" << QStringList{"A", "B", "A2"} << 0 << 0 << 2;
        QTest::newRow("address in another spelling") << "127.0.0.1"
                                                     << "" << QStringList{"A", "A2"} << 0 << 0 << 2;
        QTest::newRow("serial") << "B"
                                << "" << QStringList{"B"} << 0 << 0 << 2;
        QTest::newRow("since a day") << ""
                                     << "2026-12-02" << QStringList{"B", "A2"} << 0 << 0 << 2;
        QTest::newRow("since a time") << ""
                                      << "2026-12-03T10:00:00Z" << QStringList{"A2"} << 0 << 0 << 2;
        QTest::newRow("both") << "127.0.0.1:9100"
                              << "2026-12-02" << QStringList{"A2"} << 0 << 0 << 2;
        QTest::newRow("tail: the last line exactly") << ""
                                                     << "" << QStringList{"A2"} << 1 << 0 << 0;
        QTest::newRow("tail: a cut line is left out") << ""
                                                      << "" << QStringList{"A2"} << 2 << 3 << 1;
        QTest::newRow("tail: whole lines") << ""
                                           << "" << QStringList{"B", "A2"} << 4 << 0 << 2;
    }
    void read()
    {
        QFETCH(QString, printer);
        QFETCH(QString, since);
        QFETCH(QStringList, serials);
        QFETCH(int, lastLines);
        QFETCH(int, cut);
        QFETCH(int, skipped);
        const QString path = dir.filePath(QStringLiteral("read.jsonl"));
        if (!QFile::exists(path)) {
            journal::Writer writer(path);
            writer.append(
                entry("127.0.0.1:9100", "A", QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC)));
            writer.append(
                entry("10.0.0.9:9100", "B", QDateTime(QDate(2026, 12, 2), QTime(8, 0), Qt::UTC)));
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write("not json\n{\"time\": 5}\n");
            file.close();
            writer.append(entry("127.0.0.1:9100", "A2",
                                QDateTime(QDate(2026, 12, 3), QTime(12, 0), Qt::UTC)));
        }
        journal::Filter filter;
        filter.printer = printer;
        if (!since.isEmpty()) {
            filter.since = journal::parseSince(since);
            QVERIFY(filter.since.isValid());
        }
        const QList<QByteArray> all = lines(path);
        for (int i = all.size() - lastLines; lastLines > 0 && i < all.size(); ++i)
            filter.lastBytes += all.at(i).size() + 1;
        filter.lastBytes += cut;
        QList<QJsonObject> got;
        QString error;
        int skippedLines = 0;
        QVERIFY(journal::read(path, filter, &got, &error, &skippedLines));
        QCOMPARE(skippedLines, skipped);
        QStringList gotSerials;
        for (const QJsonObject &o : got)
            gotSerials << o.value("printer").toObject().value("serial").toString();
        QCOMPARE(gotSerials, serials);
    }

    void readMissingAndBadSince()
    {
        QList<QJsonObject> got;
        QString error;
        QVERIFY(journal::read(dir.filePath(QStringLiteral("none.jsonl")), {}, &got, &error));
        QVERIFY(got.isEmpty());
        QVERIFY(!journal::parseSince(QStringLiteral("yesterday")).isValid());
        QVERIFY(!journal::parseSince(QStringLiteral("2026-13-01")).isValid());
    }

    void defaultPath()
    {
        qputenv("XDG_STATE_HOME", dir.path().toUtf8());
        QCOMPARE(journal::defaultPath(), dir.path() + QStringLiteral("/labelsetup/journal.jsonl"));
        qputenv("XDG_STATE_HOME", "relative/state");
        QCOMPARE(journal::defaultPath(),
                 QDir::homePath() + QStringLiteral("/.local/state/labelsetup/journal.jsonl"));
        qunsetenv("XDG_STATE_HOME");
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
