// The window's journal of changes, against the demo printer: the lines a settings write
// (a PIN among them), a function and a console send leave, with the printer's model,
// serial number and address and no secret anywhere in the file; a journal that cannot be
// written said once on the status line while the writes go on; and "变更记录" listing the
// open printer's entries only, newest first.
#include "gui/shell/demomode.h"
#include "gui/shell/mainwindow.h"
#include "gui/widgets/elidedlabel.h"
#include "device/journal/journal.h"
#include "idlewait.h"
#include "messagerecorder.h"

#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

class TestWindowJournal : public QObject
{
    Q_OBJECT

    // A window open to the demo printer, its journal in a folder of the test's own.
    struct Opened
    {
        QTemporaryDir state;
        MessageRecorder recorder;
        DemoPrinter demo;
        std::unique_ptr<MainWindow> window;
    };

    static std::unique_ptr<Opened> open(const QString &stateHome = QString())
    {
        auto o = std::make_unique<Opened>();
        qputenv("XDG_STATE_HOME", (stateHome.isEmpty() ? o->state.path() : stateHome).toUtf8());
        if (!o->demo.start())
            return nullptr;
        o->window = std::make_unique<MainWindow>();
        o->demo.prepareWindow(*o->window);
        click(*o->window, "pushButton_getList");
        click(*o->window, "pushButton_open");
        if (!o->window->isDeviceOpen())
            return nullptr;
        return o;
    }

    static void click(MainWindow &window, const char *button)
    {
        auto *b = window.findChild<QPushButton *>(QLatin1String(button));
        QVERIFY2(b && b->isEnabled(), button);
        b->click();
        QVERIFY(waitAllIdle());
    }

    // The Bluetooth page read, then written with `name` and the PIN `pin`.
    static void writeBluetooth(MainWindow &window, const QString &name, const QString &pin)
    {
        click(window, "pushButton_BleSettingRead");
        window.findChild<QLineEdit *>("lineEdit_SppName")->setText(name);
        window.findChild<QLineEdit *>("lineEdit_SppPin")->setText(pin);
        click(window, "pushButton_BleSettingSet");
    }

    static QByteArray journalText(const QString &stateHome)
    {
        QFile file(stateHome + QStringLiteral("/labelsetup/journal.jsonl"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QList<QJsonObject> journalLines(const QString &stateHome)
    {
        QList<QJsonObject> out;
        for (const QByteArray &line : journalText(stateHome).split('\n')) {
            if (!line.isEmpty())
                out << QJsonDocument::fromJson(line).object();
        }
        return out;
    }

    static QString statusLine(MainWindow &window)
    {
        return window.findChild<ElidedLabel *>("label_StatusResult")->fullText();
    }

private slots:
    void initTestCase() { QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear(); }
    void cleanupTestCase() { qunsetenv("XDG_STATE_HOME"); }

    void writes_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QJsonObject>("changes");
        QTest::addColumn<QJsonArray>("functions");
        QTest::addColumn<QJsonObject>("console");
        const QJsonObject changed{{"from", "changed"}, {"to", "changed"}};
        // The name's "from" is filled in from what the page read.
        QTest::newRow("settings") << "settings"
                                  << QJsonObject{{"bluetooth.name", QJsonObject{{"to", "Lab-7"}}},
                                                 {"bluetooth.pin", changed}}
                                  << QJsonArray() << QJsonObject();
        QTest::newRow("function") << "function" << QJsonObject() << QJsonArray{"selfTest"}
                                  << QJsonObject();
        QTest::newRow("console") << "console" << QJsonObject() << QJsonArray()
                                 << QJsonObject{{"bytes", 5}};
        QTest::newRow("profile") << "profile" << QJsonObject{{"bluetooth.pin", changed}}
                                 << QJsonArray() << QJsonObject();
    }
    void writes()
    {
        QFETCH(QString, what);
        QFETCH(QJsonObject, changes);
        QFETCH(QJsonArray, functions);
        QFETCH(QJsonObject, console);
        const std::unique_ptr<Opened> o = open();
        QVERIFY(o);
        MainWindow &window = *o->window;
        // The serial number the journal names the printer by comes from the serial page.
        click(window, "pushButton_ComSettingRead");
        const QString serial = window.findChild<QLineEdit *>("lineEdit_ComSN")->text();
        QVERIFY(!serial.isEmpty());
        QVERIFY(journalLines(o->state.path()).isEmpty()); // reads leave nothing
        const QByteArray pinBefore = o->demo.storedValue(0x2E);
        if (what == QLatin1String("settings")) {
            click(window, "pushButton_BleSettingRead");
            const QString nameBefore = window.findChild<QLineEdit *>("lineEdit_SppName")->text();
            QJsonObject name = changes.value("bluetooth.name").toObject();
            name.insert("from", nameBefore);
            changes.insert("bluetooth.name", name);
            writeBluetooth(window, QStringLiteral("Lab-7"), QStringLiteral("9731"));
            QCOMPARE(o->demo.storedValue(0x2E), QByteArray("9731\0", 5));
        } else if (what == QLatin1String("profile")) {
            o->recorder.fileToOpen = o->state.filePath(QStringLiteral("pin.json"));
            QFile profile(o->recorder.fileToOpen);
            QVERIFY(profile.open(QIODevice::WriteOnly));
            profile.write(R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
                             "dotsPerMm": 12, "settings": {"bluetooth": {"pin": "9731"}}})");
            profile.close();
            click(window, "pushButton_ApplyProfile");
            QCOMPARE(o->demo.storedValue(0x2E), QByteArray("9731\0", 5));
        } else if (what == QLatin1String("function")) {
            click(window, "pushButton_SelfCheck");
        } else {
            window.findChild<QTextEdit *>("textEdit_Send")->setPlainText(QStringLiteral("HELLO"));
            click(window, "pushButton_Send");
        }
        const QList<QJsonObject> lines = journalLines(o->state.path());
        QCOMPARE(lines.size(), 1);
        const QJsonObject &line = lines.first();
        QStringList keys{"time",    "user",      "host",  "face",   "printer",
                         "changes", "functions", "files", "outcome"};
        if (!console.isEmpty())
            keys << "console";
        keys.sort();
        QCOMPARE(line.keys(), keys);
        QCOMPARE(line.value("face").toString(), QStringLiteral("window"));
        const QJsonObject printer = line.value("printer").toObject();
        QCOMPARE(printer.value("address").toString(), window.connectionPanel().openedKey());
        QCOMPARE(printer.value("model").toString(), window.connectionPanel().openedPrinter().model);
        QCOMPARE(printer.value("serial").toString(), serial);
        QCOMPARE(line.value("changes").toObject(), changes);
        QCOMPARE(line.value("functions").toArray(), functions);
        QCOMPARE(line.value("console").toObject(), console);
        QCOMPARE(line.value("outcome").toObject().value("code").toString(), QStringLiteral("ok"));
        const QByteArray text = journalText(o->state.path());
        QVERIFY2(!text.contains("9731") && (pinBefore.isEmpty() || !text.contains(pinBefore)),
                 text.constData());
        QVERIFY(!text.contains("HELLO"));
    }

    // A journal that cannot be written: said once on the status line; the writes succeed.
    void unwritableSaidOnce()
    {
        QTemporaryDir blocked;
        QFile blocker(blocked.filePath(QStringLiteral("labelsetup")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
        blocker.close();
        const std::unique_ptr<Opened> o = open(blocked.path());
        QVERIFY(o);
        MainWindow &window = *o->window;
        writeBluetooth(window, QStringLiteral("Lab-8"), QStringLiteral("1234"));
        QCOMPARE(o->demo.storedValue(0x2B), QByteArray("Lab-8\0", 6));
        QTRY_VERIFY2(statusLine(window).contains(blocked.path() + "/labelsetup/journal.jsonl"),
                     qPrintable(statusLine(window)));
        writeBluetooth(window, QStringLiteral("Lab-9"), QStringLiteral("1234"));
        QCOMPARE(o->demo.storedValue(0x2B), QByteArray("Lab-9\0", 6));
        QTest::qWait(50); // a second warning would be queued by now
        QVERIFY2(!statusLine(window).contains(QStringLiteral("journal.jsonl")),
                 qPrintable(statusLine(window)));
    }

    // "变更记录": the open printer's entries only, newest first.
    void history()
    {
        const std::unique_ptr<Opened> o = open();
        QVERIFY(o);
        MainWindow &window = *o->window;
        const QString here = window.connectionPanel().openedKey();
        journal::Writer writer;
        const auto add = [&writer](const QString &address, const QString &function, int day) {
            journal::Entry e;
            e.time = QDateTime(QDate(2026, 12, day), QTime(9, 0), Qt::UTC);
            e.face = QStringLiteral("cli");
            e.address = address;
            e.functions << function;
            e.outcome = QStringLiteral("ok");
            writer.append(e);
        };
        add(here, QStringLiteral("selfTest"), 1);
        add(QStringLiteral("127.0.0.2:9100"), QStringLiteral("restart"), 2);
        add(here, QStringLiteral("gapLearn"), 3);
        writeBluetooth(window, QStringLiteral("Lab-10"), QStringLiteral("5555"));

        QList<QStringList> rows;
        prompts::setDialogHandler([&rows](QDialog *dialog) {
            auto *table = dialog->findChild<QTableWidget *>("historyTable");
            for (int r = 0; table && r < table->rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < table->columnCount(); ++c)
                    row << table->item(r, c)->text();
                rows << row;
            }
            return int(QDialog::Accepted);
        });
        window.findChild<QAction *>("actionHistory")->trigger();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).at(2), QStringLiteral("window"));
        QVERIFY2(rows.at(0).at(3).contains(QStringLiteral("bluetooth.pin：changed → changed")),
                 qPrintable(rows.at(0).at(3)));
        QVERIFY(!rows.at(0).join(' ').contains(QStringLiteral("5555")));
        QVERIFY(rows.at(1).at(3).contains(QStringLiteral("gapLearn")));
        QVERIFY(rows.at(2).at(3).contains(QStringLiteral("selfTest")));
        QVERIFY(rows.at(0).at(1).contains(QLatin1Char('@')));
    }
};

QTEST_MAIN(TestWindowJournal)
#include "tst_windowjournal.moc"
