// A day's work by keyboard alone, on the real windows: the demo printer found and
// opened, the print page read, the density changed and written, the fleet window opened,
// three printers added, all selected and a profile tried on them. Only key events reach
// the windows; each step's result is checked before the next.
#include "gui/shell/demomode.h"
#include "gui/fleet/fleetwindow.h"
#include "gui/shell/mainwindow.h"
#include "common/fleetprinters.h"
#include "device/fleet/fleetlist.h"
#include "device/fleet/fleetmodel.h"
#include "idlewait.h"
#include "messagerecorder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestWalkthrough : public QObject
{
    Q_OBJECT

    static void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                      : QApplication::activeWindow();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(k), modifiers);
        QVERIFY(waitAllIdle());
    }
    // Tab until `w` has the focus; false when a whole round did not reach it.
    static bool tabTo(QWidget *w)
    {
        for (int i = 0; i < 200 && QApplication::focusWidget() != w; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == w;
    }

private slots:
    void initTestCase()
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        QFile::remove(fleet::fleetlist::defaultPath());
    }
    // The loopback printers stay out of the list the tool remembers.
    void cleanupTestCase() { QFile::remove(fleet::fleetlist::defaultPath()); }

    void keyboardOnly()
    {
        QTemporaryDir dir;
        std::unique_ptr<SimPrinter> printers[3];
        QStringList addresses;
        for (auto &p : printers) {
            p = startFleetPrinter(QStringLiteral("127.0.0.1"), 0);
            QVERIFY(p);
            addresses << QStringLiteral("127.0.0.1:%1").arg(p->tcpPort());
        }
        MessageRecorder recorder;
        DemoPrinter demo;
        QVERIFY(demo.start());
        MainWindow window;
        demo.prepareWindow(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // Refresh the list (Alt+L) and open the printer (Alt+O).
        key(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(window.findChild<QComboBox *>("comboBox_ScanResult")->currentText(),
                 QStringLiteral("Simulated Label [K53TA Simulator] {127.0.0.1}"));
        key(Qt::Key_O, Qt::AltModifier);
        QVERIFY(window.isDeviceOpen());
        QCOMPARE(recorder.lastText(), QString::fromUtf8("连接成功！"));

        // Read the print page (Alt+R), the density one step up, write (Alt+S).
        auto *set = window.findChild<QPushButton *>("pushButton_PrintSettingSet");
        QVERIFY(!set->isEnabled());
        key(Qt::Key_R, Qt::AltModifier);
        QVERIFY(set->isEnabled());
        auto *density = window.findChild<QComboBox *>("comboBox_PrintDensty");
        QVERIFY(tabTo(density));
        const int before = density->currentIndex();
        key(Qt::Key_Down);
        QCOMPARE(density->currentIndex(), before + 1);
        recorder.clear();
        key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(recorder.lastText(), QString::fromUtf8("处理成功"));
        QCOMPARE(demo.storedValue(0x13), QByteArray(1, char(before + 1)));

        // The fleet window (Alt+F; a mnemonic clicks a moment later, as it shows the
        // button pressed): three printers typed, Enter adds them.
        key(Qt::Key_F, Qt::AltModifier);
        FleetWindow *fleet = nullptr;
        QTRY_VERIFY((fleet = window.findChild<FleetWindow *>()) && fleet->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(fleet));
        // The window is shown while the button's mnemonic click is still under way; the
        // keys go on once the focus has settled in it.
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == fleet);
        auto *address = fleet->findChild<QLineEdit *>("lineEdit_FleetAddress");
        QVERIFY(tabTo(address));
        QTest::keyClicks(address, addresses.join(QLatin1Char(' ')));
        key(Qt::Key_Return);
        QCOMPARE(fleet->model().rowCount(), 3);

        // All three selected in the table, and a profile tried on them (Alt+P).
        auto *table = fleet->findChild<QTableView *>("tableView_Fleet");
        QVERIFY(tabTo(table));
        key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 3);
        recorder.fileToOpen = dir.filePath("profile.json");
        QFile profile(recorder.fileToOpen);
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
                         "dotsPerMm": 12, "settings": {"print": {"density": 12}}})");
        profile.close();
        recorder.questionAnswer = false; // the dry run only
        QSignalSpy finished(fleet, &FleetWindow::workFinished);
        key(Qt::Key_P, Qt::AltModifier);
        QVERIFY(finished.wait(30000));
        QCOMPARE(recorder.questions.size(), 1);
        QVERIFY2(recorder.questions.first().contains(QString::fromUtf8("3 台打印机共 3 项")),
                 qPrintable(recorder.questions.first()));
        for (int row = 0; row < 3; ++row)
            QTRY_COMPARE(
                fleet->model().index(row, fleet::FleetModel::ResultColumn).data().toString(),
                QString::fromUtf8("1 项不同"));
        // Nothing was written: the dry run only read.
        for (const auto &p : printers)
            for (const ReceivedFrame &f : p->receivedFrames())
                QVERIFY(f.frameClass != 0x01);
        fleet->close();
    }
};

QTEST_MAIN(TestWalkthrough)
#include "tst_walkthrough.moc"
