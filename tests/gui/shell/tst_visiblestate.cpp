// What the window shows of its state, and where the focus is left: the title names the
// open printer, "尚未读取" is a filled note in the scheme's note colours, the buttons
// that cannot act while the printer is held are disabled, the focus comes back to the
// button that started an operation, and the first start keeps the frame on screen.
#include "gui/shell/demomode.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/startup.h"
#include "idlewait.h"
#include "messagerecorder.h"
#include "device/link/printersession.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

Q_DECLARE_METATYPE(QMargins)

class TestVisibleState : public QObject
{
    Q_OBJECT

    template <typename T = QWidget> static T *child(MainWindow &w, const char *name)
    {
        return w.findChild<T *>(QLatin1String(name));
    }
    static void press(QWidget *w)
    {
        w->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w);
        QTest::keyClick(w, Qt::Key_Space);
        QVERIFY(waitIdle(w->window()));
    }

private slots:
    void init() { QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear(); }

    void titleNamesTheOpenPrinter()
    {
        MessageRecorder recorder;
        DemoPrinter demo;
        QVERIFY(demo.start());
        MainWindow window;
        window.setTitleBase(applicationWindowTitle());
        QCOMPARE(window.windowTitle(), applicationWindowTitle() + QString::fromUtf8(" - 未连接"));
        demo.prepareWindow(window);
        QTest::mouseClick(child(window, "pushButton_getList"), Qt::LeftButton);
        QVERIFY(waitIdle(&window));
        QTest::mouseClick(child(window, "pushButton_open"), Qt::LeftButton);
        QVERIFY(waitIdle(&window));
        QVERIFY(window.isDeviceOpen());
        QCOMPARE(window.windowTitle(),
                 applicationWindowTitle() +
                     QString::fromUtf8(" - K53TA Simulator · 127.0.0.1:%1").arg(demo.port()));
        QTest::mouseClick(child(window, "pushButton_close"), Qt::LeftButton);
        QVERIFY(waitIdle(&window));
        QVERIFY(window.windowTitle().endsWith(QString::fromUtf8(" - 未连接")));
    }

    // A filled note in the palette's pair of note colours, whatever the scheme.
    void notReadNoteStandsOut()
    {
        MainWindow window;
        auto *note = child<QLabel>(window, "label_NotRead_PrintSettingRead");
        QVERIFY(note);
        QCOMPARE(note->text(), QString::fromUtf8("尚未读取"));
        QVERIFY(note->autoFillBackground());
        QCOMPARE(note->backgroundRole(), QPalette::ToolTipBase);
        QCOMPARE(note->foregroundRole(), QPalette::ToolTipText);
    }

    // Diagnostics and the report cannot act while the printer is held (a download or
    // an exchange): they are disabled then, and get their state back after.
    void diagnosticsRestWhilePrinterHeld()
    {
        MainWindow window;
        QWidget *doctor = child(window, "pushButton_Doctor");
        QWidget *report = child(window, "pushButton_ExportReport");
        QVERIFY(doctor->isEnabled() && report->isEnabled());
        {
            const PrinterSession::Hold held(window.session());
            QVERIFY(held.held());
            QVERIFY(!doctor->isEnabled() && !report->isEnabled());
        }
        QVERIFY(doctor->isEnabled() && report->isEnabled());
    }

    // The button that started an operation has the focus again when it ends, not the
    // widget Qt moved it to while the button was disabled.
    void focusReturnsToTheButton()
    {
        MessageRecorder recorder;
        DemoPrinter demo;
        QVERIFY(demo.start());
        MainWindow window;
        demo.prepareWindow(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *getList = child(window, "pushButton_getList");
        press(getList);
        QCOMPARE(QApplication::focusWidget(), getList);
        QVERIFY(child<QComboBox>(window, "comboBox_ScanResult")->count() > 0);
        press(child(window, "pushButton_open"));
        QVERIFY(window.isDeviceOpen());
        QWidget *read = child(window, "pushButton_PrintSettingRead");
        press(read);
        QVERIFY(child(window, "pushButton_PrintSettingSet")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), read);
        QWidget *set = child(window, "pushButton_PrintSettingSet");
        press(set);
        QCOMPARE(recorder.lastText(), QString::fromUtf8("处理成功"));
        QCOMPARE(QApplication::focusWidget(), set);
    }

    // The demo printer is healthy: the doctor finds nothing to warn about.
    void doctorQuietOnTheDemoPrinter()
    {
        MessageRecorder recorder;
        QList<QStringList> rows;
        prompts::setDialogHandler([&rows](QDialog *dialog) {
            if (auto *table = dialog->findChild<QTableWidget *>())
                for (int r = 0; r < table->rowCount(); ++r) {
                    QStringList row;
                    for (int c = 0; c < table->columnCount(); ++c)
                        row << (table->item(r, c) ? table->item(r, c)->text() : QString());
                    rows << row;
                }
            return int(QDialog::Accepted);
        });
        DemoPrinter demo;
        QVERIFY(demo.start());
        MainWindow window;
        demo.prepareWindow(window);
        QTest::mouseClick(child(window, "pushButton_Doctor"), Qt::LeftButton);
        QVERIFY(waitIdle(&window));
        QVERIFY(!rows.isEmpty());
        for (const QStringList &row : rows)
            QVERIFY2(row.value(1) != QString::fromUtf8("警告") &&
                         row.value(1) != QString::fromUtf8("失败"),
                     qPrintable(row.join(QStringLiteral(" | "))));
    }

    // At the first start the window and its frame fit the screen's free area, status
    // bar included, whatever frame the window manager draws.
    void firstStartKeepsTheFrameOnScreen_data()
    {
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::newRow("title bar") << QMargins(1, 30, 1, 1) << QRect(0, 0, 1024, 700);
        QTest::newRow("thick frame, panel on top")
            << QMargins(6, 40, 6, 6) << QRect(0, 32, 1280, 768);
        QTest::newRow("no frame") << QMargins() << QRect(0, 0, 1280, 800);
    }
    void firstStartKeepsTheFrameOnScreen()
    {
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        MainWindow window;
        window.fitFirstStart(frame, available);
        const QRect outer = window.geometry().marginsAdded(frame);
        QVERIFY2(available.contains(outer), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                           .arg(outer.x())
                                                           .arg(outer.y())
                                                           .arg(outer.width())
                                                           .arg(outer.height())));
    }
};

QTEST_MAIN(TestVisibleState)
#include "tst_visiblestate.moc"
