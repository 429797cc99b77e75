// The fleet window against simulated printers on loopback addresses, in-process and
// offscreen: typed addresses and the remembered list, live status, the printer open in
// the main window left alone, the scan dialog, firmware with the version checked, a
// profile with its diff first, the self-test and the inventory export.
#include "gui/fleet/fleetwindow.h"
#include "common/encryptedfile.h"
#include "common/fleetprinters.h"
#include "common/messagerecorder.h"
#include "core/files/filedecrypt.h"
#include "device/fleet/fleetlist.h"
#include "device/fleet/fleetmodel.h"
#include "device/fleet/poller.h"
#include "device/journal/journal.h"
#include "core/protocol/commandcodes.h"
#include "sim/simprinter.h"

#include <QDir>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<SimPrinter> startPrinter(const QString &address, quint16 port, quint32 word = 0,
                                         const QString &firmwareRestart = QString())
{
    return startFleetPrinter(address, port, word, firmwareRestart, 200);
}

QString keyOf(const SimPrinter &p)
{
    return QStringLiteral("%1:%2").arg(p.tcpAddress().toString()).arg(p.tcpPort());
}

} // namespace

class TestFleetWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimPrinter> ready, paperOut, restarting;

    template <typename T> static T *child(QWidget &w, const char *name)
    {
        return w.findChild<T *>(QLatin1String(name));
    }
    static QString cell(FleetWindow &w, const SimPrinter &p, int column)
    {
        const int row = w.model().rowOf(keyOf(p));
        return row < 0 ? QString() : w.model().index(row, column).data().toString();
    }
    static void select(FleetWindow &w, const QList<const SimPrinter *> &printers)
    {
        auto *table = child<QTableView>(w, "tableView_Fleet");
        table->clearSelection();
        for (const SimPrinter *p : printers)
            table->selectionModel()->select(table->model()->index(w.model().rowOf(keyOf(*p)), 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
    }
    static bool waitForWork(FleetWindow &w, int times = 1)
    {
        QSignalSpy spy(&w, &FleetWindow::workFinished);
        for (int i = 0; i < times; ++i) {
            if (spy.count() <= i && !spy.wait(30000))
                return false;
        }
        return true;
    }
    void addAll(FleetWindow &w)
    {
        child<QLineEdit>(w, "lineEdit_FleetAddress")
            ->setText(keyOf(*ready) + " " + keyOf(*paperOut) + ", " + keyOf(*restarting));
        QTest::mouseClick(child<QPushButton>(w, "pushButton_FleetAdd"), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8()); // the journal's folder
        ready = startPrinter("127.0.0.1", 0);
        paperOut = startPrinter("127.0.0.1", 0, 0x2);
        restarting = startPrinter("127.0.0.1", 0, 0, "stream");
        QVERIFY(ready && paperOut && restarting);
    }
    void init()
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        QFile::remove(fleet::fleetlist::defaultPath());
        QFile::remove(fleet::fleetlist::defaultPath() + ".bak");
    }
    static QByteArray listFile(const QString &suffix = QString())
    {
        QFile file(fleet::fleetlist::defaultPath() + suffix);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static void type(FleetWindow &w, const QString &text)
    {
        child<QLineEdit>(w, "lineEdit_FleetAddress")->setText(text);
        QTest::mouseClick(child<QPushButton>(w, "pushButton_FleetAdd"), Qt::LeftButton);
    }

    void typedPrintersArePolledAndRemembered()
    {
        MessageRecorder recorder;
        {
            FleetWindow window;
            addAll(window);
            QCOMPARE(window.model().rowCount(), 3);
            window.show();
            QTRY_COMPARE(cell(window, *paperOut, fleet::FleetModel::StatusColumn),
                         QStringLiteral("缺纸"));
            QTRY_COMPARE(cell(window, *ready, fleet::FleetModel::StatusColumn),
                         QStringLiteral("空闲中"));
            QCOMPARE(cell(window, *ready, fleet::FleetModel::ModelColumn), QStringLiteral("K53TA"));
            QCOMPARE(cell(window, *ready, fleet::FleetModel::ResolutionColumn),
                     QStringLiteral("300 dpi"));
            QTRY_VERIFY(child<QLabel>(window, "label_FleetSummary")->text().contains("3 台"));
            // A word that is no address is refused, and nothing is added.
            child<QLineEdit>(window, "lineEdit_FleetAddress")->setText("127.0.0.1:99999");
            QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetAdd"), Qt::LeftButton);
            QCOMPARE(window.model().rowCount(), 3);
            QVERIFY(recorder.lastText().contains("127.0.0.1:99999"));
        }
        FleetWindow again;
        QCOMPARE(again.model().rowCount(), 3);
        QCOMPARE(again.model().address(1).key(), keyOf(*paperOut));
    }

    // A list file that cannot be read whole (cut off, or edited by hand) is kept byte for
    // byte: the window names the line, shows what it could read, asks once the list
    // changes, and writes only when the user agrees (the old file kept beside it). The
    // window is never shown: nothing is polled.
    void brokenListFileIsKept_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("readable");
        QTest::newRow("cut off") << QByteArray("# site\n127.0.0.7:9100\n127.0.0.8:91")
                                 << "第 3 行不完整" << 1;
        QTest::newRow("edited by hand") << QByteArray("127.0.0.7:9100\n[::1:9100\n127.0.0.8\r\n")
                                        << "第 2 行不是地址：[::1:9100" << 2;
    }
    void brokenListFileIsKept()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, line);
        QFETCH(int, readable);
        const QString path = fleet::fleetlist::defaultPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();

        MessageRecorder recorder;
        recorder.questionAnswer = false;
        {
            FleetWindow window;
            QCOMPARE(window.model().rowCount(), readable);
            QCOMPARE(recorder.messages.size(), 1);
            QVERIFY2(recorder.lastText().contains(line) &&
                         recorder.lastText().contains(QDir::toNativeSeparators(path)),
                     qPrintable(recorder.lastText()));
            type(window, "127.0.0.9:9100");
            QCOMPARE(recorder.questions.size(), 1);
            QVERIFY2(recorder.questions.first().contains(line),
                     qPrintable(recorder.questions.first()));
            type(window, "127.0.0.10:9100"); // declined once: not asked again
            QCOMPARE(recorder.questions.size(), 1);
            QCOMPARE(window.model().rowCount(), readable + 2);
            QCOMPARE(listFile(), contents);
        }
        QCOMPARE(listFile(), contents);

        recorder.clear();
        recorder.questionAnswer = true;
        FleetWindow again;
        QCOMPARE(recorder.messages.size(), 1);
        type(again, "127.0.0.9:9100");
        QCOMPARE(recorder.questions.size(), 1);
        QCOMPARE(listFile(".bak"), contents);
        const fleet::fleetlist::Contents written = fleet::fleetlist::load(path);
        QVERIFY(written.whole());
        QCOMPARE(written.addresses.size(), readable + 1);
    }

    // The rollout names the file, the number of printers and the version expected before
    // anything is sent; declined, nothing is.
    void firmwareRolloutAsksFirst()
    {
        MessageRecorder recorder;
        recorder.fileToOpen = dir.filePath("fw-asked.bin");
        QVERIFY(
            writeEncryptedFile(recorder.fileToOpen, "FWVER=V2.0.2\n\n\n\n" + rawPayload(4096, 7)));
        FleetWindow window;
        addAll(window);
        select(window, {ready.get(), paperOut.get()});
        child<QLineEdit>(window, "lineEdit_FleetExpectVersion")->setText("V2.0.2");
        const qint64 before = ready->rawByteCount() + paperOut->rawByteCount();
        recorder.questionAnswer = false;
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetFirmware"), Qt::LeftButton);
        QCOMPARE(recorder.questions.size(), 1);
        const QString question = recorder.questions.first();
        QVERIFY2(question.contains(QDir::toNativeSeparators(recorder.fileToOpen)) &&
                     question.contains("2 台打印机") && question.contains("V2.0.2"),
                 qPrintable(question));
        QVERIFY(!window.working());
        QTest::qWait(300);
        QCOMPARE(ready->rawByteCount() + paperOut->rawByteCount(), before);
        QVERIFY(cell(window, *ready, fleet::FleetModel::ResultColumn).isEmpty());
    }

    void printerOpenInTheMainWindowIsLeftAlone()
    {
        FleetWindow window;
        addAll(window);
        window.setOpenPrinter([this] { return keyOf(*ready); });
        const int before = ready->connectionCount();
        window.show();
        QTRY_VERIFY(!cell(window, *paperOut, fleet::FleetModel::StatusColumn).isEmpty());
        QTRY_COMPARE(window.poller().inFlight(), 0);
        QCOMPARE(ready->connectionCount(), before);
        QVERIFY(cell(window, *ready, fleet::FleetModel::StatusColumn).isEmpty());
    }

    void scanDialogAddsThePrintersFound()
    {
        auto first = startPrinter("127.0.0.2", 0);
        QVERIFY(first);
        auto second = startPrinter("127.0.0.3", first->tcpPort(), 0x80);
        QVERIFY(second);
        MessageRecorder recorder;
        const QString range = QStringLiteral("127.0.0.0/29:%1").arg(first->tcpPort());
        prompts::setDialogHandler([&range](QDialog *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            if (!input)
                return int(QDialog::Rejected);
            input->setTextValue(range);
            return int(QDialog::Accepted);
        });
        FleetWindow window;
        window.show();
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetScan"), Qt::LeftButton);
        QVERIFY(waitForWork(window));
        QCOMPARE(window.model().rowCount(), 2);
        QCOMPARE(cell(window, *second, fleet::FleetModel::StatusColumn), QStringLiteral("开盖"));
        QVERIFY2(recorder.lastText().contains("找到 2 台打印机"), qPrintable(recorder.lastText()));
    }

    void firmwareWithTheVersionChecked()
    {
        MessageRecorder recorder;
        recorder.fileToOpen = dir.filePath("fw.bin");
        QByteArray image = "FWVER=V2.0.1\n\n\n\n" + rawPayload(16 * 1024, 5);
        QVERIFY(writeEncryptedFile(recorder.fileToOpen, image));
        FleetWindow window;
        addAll(window);
        window.show();
        select(window, {restarting.get()});
        child<QLineEdit>(window, "lineEdit_FleetExpectVersion")->setText("V2.0.1");
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetFirmware"), Qt::LeftButton);
        QVERIFY(!child<QPushButton>(window, "pushButton_FleetFirmware")->isEnabled());
        // Closing meanwhile asks first; kept, the rollout goes on and reports.
        recorder.questionAnswer = false;
        const int asked = recorder.questions.size();
        window.close();
        QVERIFY(window.isVisible());
        QCOMPARE(recorder.questions.size(), asked + 1);
        recorder.questionAnswer = true;
        QVERIFY(window.working());
        QVERIFY(waitForWork(window));
        QTRY_COMPARE(cell(window, *restarting, fleet::FleetModel::ResultColumn),
                     QStringLiteral("成功：V1.2.7 → V2.0.1"));
        QCOMPARE(restarting->model().firmwareVersion(), QStringLiteral("V2.0.1"));

        child<QLineEdit>(window, "lineEdit_FleetExpectVersion")->setText("V3.0");
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetFirmware"), Qt::LeftButton);
        QVERIFY(waitForWork(window));
        QTRY_COMPARE(cell(window, *restarting, fleet::FleetModel::ResultColumn),
                     QStringLiteral("版本不符：V2.0.1"));
        QVERIFY(!QFile::exists(dir.filePath("fw.bin") + ".hex")); // no plain copy stays
    }

    // "先试 N 台": a canary of 2 whose second comes back with another version leaves the
    // other two untouched; "继续未完成的" then does those and the failed one, not the first.
    void canaryThenResume()
    {
        MessageRecorder recorder;
        recorder.fileToOpen = dir.filePath("fw-canary.bin");
        const QByteArray image = "FWVER=V2.0.1\n\n\n\n" + rawPayload(8 * 1024, 9);
        QVERIFY(writeEncryptedFile(recorder.fileToOpen, image));
        std::vector<std::unique_ptr<SimPrinter>> four;
        for (const char *restart : {"stream", "V9.9", "stream", "stream"}) {
            four.push_back(startPrinter("127.0.0.1", 0, 0, restart));
            QVERIFY(four.back());
        }
        FleetWindow window;
        QString typed;
        for (const auto &p : four)
            typed += keyOf(*p) + " ";
        type(window, typed);
        window.show();
        select(window, {four[0].get(), four[1].get(), four[2].get(), four[3].get()});
        auto *resume = child<QPushButton>(window, "fleetResume");
        QCOMPARE(resume->text(), QStringLiteral("继续未完成的"));
        QVERIFY(!resume->isEnabled());
        child<QSpinBox>(window, "fleetCanary")->setValue(2);
        child<QLineEdit>(window, "lineEdit_FleetExpectVersion")->setText("V2.0.1");
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetFirmware"), Qt::LeftButton);
        QVERIFY(waitForWork(window));
        QCOMPARE(four[0]->rawByteCount(), qint64(image.size()));
        QCOMPARE(cell(window, *four[1], fleet::FleetModel::ResultColumn),
                 QStringLiteral("版本不符：V9.9"));
        for (int i : {2, 3}) {
            QCOMPARE(four[size_t(i)]->rawByteCount(), qint64(0));
            QCOMPARE(cell(window, *four[size_t(i)], fleet::FleetModel::ResultColumn),
                     QStringLiteral("未开始：先试的打印机失败"));
        }
        QVERIFY(resume->isEnabled());

        child<QSpinBox>(window, "fleetCanary")->setValue(0);
        QTest::mouseClick(resume, Qt::LeftButton);
        QVERIFY(waitForWork(window));
        QCOMPARE(four[0]->rawByteCount(), qint64(image.size())); // not sent again
        for (int i : {2, 3})
            QCOMPARE(four[size_t(i)]->model().firmwareVersion(), QStringLiteral("V2.0.1"));
        QVERIFY(resume->isEnabled()); // the one with the other version is left
    }

    // A firmware to two slow printers, one at a time, stopped while the first one's file
    // goes: by the Cancel button that shows once it takes a while, or by closing the window,
    // which asks first and then goes without waiting. The one begun is told it stopped
    // half-way, the other that it was never begun, and it received nothing; no plain copy
    // stays. (Which goes first depends on the poll that may hold one of them.)
    void cancelledRollout_data()
    {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("window closed") << true;
    }
    void cancelledRollout()
    {
        QFETCH(bool, closeWindow);
        MessageRecorder recorder;
        recorder.fileToOpen = dir.filePath("slow-fw.bin");
        const QByteArray image = "FWVER=V2.0.1\n\n\n\n" + rawPayload(256 * 1024, 7);
        QVERIFY(writeEncryptedFile(recorder.fileToOpen, image));
        auto first = startPrinter("127.0.0.1", 0, 0, "stream");
        auto second = startPrinter("127.0.0.1", 0, 0, "stream");
        QVERIFY(first && second);
        for (SimPrinter *p : {first.get(), second.get()})
            p->setSlowRead(1024, 10); // about 100 KB/s: seconds for the image
        QPointer<FleetWindow> window = new FleetWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        type(*window, keyOf(*first) + " " + keyOf(*second));
        window->show();
        child<QSpinBox>(*window, "spinBox_FleetJobs")->setValue(1);
        select(*window, {first.get(), second.get()});
        QTest::mouseClick(child<QPushButton>(*window, "pushButton_FleetFirmware"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(first->rawByteCount() + second->rawByteCount() > 0, 20000);
        SimPrinter &begun = first->rawByteCount() > 0 ? *first : *second;
        SimPrinter &other = &begun == first.get() ? *second : *first;
        auto *cancel = child<QPushButton>(*window, "fleetCancel");
        QTRY_VERIFY(cancel->isVisible());
        QCOMPARE(child<QLabel>(*window, "label_FleetProgress")->text(),
                 QStringLiteral("0/2 台打印机"));
        const int questions = recorder.questions.size();
        if (closeWindow) {
            window->close();
            QCOMPARE(recorder.questions.size(), questions + 1);
            QTRY_VERIFY(!window);
        } else {
            QTest::mouseClick(cancel, Qt::LeftButton);
            QVERIFY(waitForWork(*window));
            QVERIFY(!cancel->isVisible());
            QCOMPARE(cell(*window, begun, fleet::FleetModel::ResultColumn),
                     QStringLiteral("已取消：中途停止"));
            QCOMPARE(cell(*window, other, fleet::FleetModel::ResultColumn),
                     QStringLiteral("已取消：未开始"));
            delete window;
        }
        // The stream stopped between two pieces once the pool has let the file go.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(filedecrypt::firmwareOutputPath(recorder.fileToOpen)),
                                 20000);
        QVERIFY(begun.rawByteCount() < image.size());
        QCOMPARE(other.rawByteCount(), 0);
    }

    void profileDiffThenWrite()
    {
        MessageRecorder recorder;
        recorder.fileToOpen = dir.filePath("profile.json");
        QFile profile(recorder.fileToOpen);
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(R"({"format": "labelsetup-profile", "version": 1, "model": "K53TA",
                         "dotsPerMm": 12, "settings": {"print": {"density": 12}}})");
        profile.close();
        QFile::remove(journal::defaultPath());
        FleetWindow window;
        addAll(window);
        window.show();
        select(window, {ready.get(), paperOut.get()});
        recorder.questionAnswer = false;
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetApply"), Qt::LeftButton);
        QVERIFY(waitForWork(window));
        QCOMPARE(recorder.questions.size(), 1);
        // Per printer, which setting and from what to what.
        const QString question = recorder.questions.first();
        QVERIFY2(question.contains("2 台打印机共 2 项") &&
                     question.contains(keyOf(*ready) + "\n打印浓度：") &&
                     question.contains(keyOf(*paperOut) + "\n打印浓度：") &&
                     question.contains(" → 12"),
                 qPrintable(question));
        QTRY_COMPARE(cell(window, *ready, fleet::FleetModel::ResultColumn),
                     QStringLiteral("1 项不同"));
        const int row = window.model().rowOf(keyOf(*ready));
        QVERIFY(window.model()
                    .index(row, fleet::FleetModel::ResultColumn)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(" → 12"));

        recorder.questionAnswer = true;
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetApply"), Qt::LeftButton);
        QVERIFY(waitForWork(window, 2));
        QTRY_COMPARE(cell(window, *ready, fleet::FleetModel::ResultColumn),
                     QStringLiteral("已写入 1 项"));
        QTRY_COMPARE(cell(window, *paperOut, fleet::FleetModel::ResultColumn),
                     QStringLiteral("已写入 1 项"));
        // The printer not selected got no set frame.
        for (const ReceivedFrame &f : restarting->receivedFrames())
            QVERIFY(f.frameClass != 0x01);
        // The write, not the dry run, left a line a printer in the journal.
        QList<QJsonObject> lines;
        QString error;
        QVERIFY(journal::read(journal::defaultPath(), {}, &lines, &error));
        QStringList written;
        for (const QJsonObject &line : lines) {
            QCOMPARE(line.value("face").toString(), QStringLiteral("fleet"));
            QCOMPARE(line.value("changes").toObject().value("print.density").toObject().value("to"),
                     QJsonValue(12));
            written << line.value("printer").toObject().value("address").toString();
        }
        written.sort();
        QStringList selected{keyOf(*ready), keyOf(*paperOut)};
        selected.sort();
        QCOMPARE(written, selected);
    }

    // The table is one Tab stop: arrows move, Space, Shift+arrows and Ctrl+A select, the
    // menu key opens the row actions, and a selection survives Tab out and back.
    void tableWorksByKeyboard()
    {
        MessageRecorder recorder;
        FleetWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!child<QPushButton>(window, "pushButton_FleetExport")->isEnabled());
        addAll(window);
        // Printers in the list are enough to export them.
        QVERIFY(child<QPushButton>(window, "pushButton_FleetExport")->isEnabled());
        auto *table = child<QTableView>(window, "tableView_Fleet");
        const auto selectedRows = [table] {
            QList<int> rows;
            for (const QModelIndex &i : table->selectionModel()->selectedRows())
                rows << i.row();
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        const auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
        };
        child<QPushButton>(window, "pushButton_FleetDiscover")->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), table);
        key(Qt::Key_Space);
        QCOMPARE(selectedRows(), QList<int>({0}));
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(selectedRows(), QList<int>({0, 1}));
        key(Qt::Key_Down);
        QCOMPARE(selectedRows(), QList<int>({2}));
        key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selectedRows(), QList<int>({0, 1, 2}));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(window, "pushButton_FleetApply"));
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), table);
        QCOMPARE(selectedRows(), QList<int>({0, 1, 2}));

        key(Qt::Key_Menu);
        auto *menu = window.findChild<QMenu *>("menu_FleetRow");
        QVERIFY(menu && menu->isVisible());
        QStringList actions;
        for (QAction *a : menu->actions())
            if (a->isEnabled())
                actions << a->objectName();
        QCOMPARE(actions.size(), 6);
        QCOMPARE(menu->activeAction()->objectName(), QStringLiteral("action_pushButton_FleetApply"));
        menu->close();
        // Esc closes the window as it closes a dialog.
        key(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // Typed entries that are no single address say why and what was expected.
    void typedAddressRefusedWithReason_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("range") << "127.0.1.1-10" << "是网段";
        QTest::newRow("network") << "10.0.0.0/24" << "是网段";
        QTest::newRow("byte over 255") << "10.0.0.300" << "不是 IPv4 地址：应为四个 0 到 255 的数";
        QTest::newRow("three bytes") << "10.0.1" << "不是 IPv4 地址";
        QTest::newRow("port too large") << "127.0.0.1:99999" << "端口 1 到 65535";
        QTest::newRow("usb port") << "usb:300" << "usb:端口（1 到 255）";
    }
    void typedAddressRefusedWithReason()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        MessageRecorder recorder;
        FleetWindow window;
        type(window, "127.0.0.5:9100 " + typed);
        QCOMPARE(window.model().rowCount(), 0);
        QVERIFY2(recorder.lastText().contains(typed) && recorder.lastText().contains(reason),
                 qPrintable(recorder.lastText()));
    }

    // The window's size and its columns are those of the last time.
    void sizeAndColumnsRemembered()
    {
        QSize size;
        int width = 0;
        {
            FleetWindow window;
            window.show();
            window.resize(777, 555);
            auto *table = child<QTableView>(window, "tableView_Fleet");
            table->horizontalHeader()->resizeSection(fleet::FleetModel::ModelColumn, 211);
            size = window.size();
            width = table->horizontalHeader()->sectionSize(fleet::FleetModel::ModelColumn);
            window.close();
        }
        FleetWindow again;
        QCOMPARE(again.size(), size);
        QCOMPARE(child<QTableView>(again, "tableView_Fleet")
                     ->horizontalHeader()
                     ->sectionSize(fleet::FleetModel::ModelColumn),
                 width);
    }

    void selfTestAndInventory()
    {
        MessageRecorder recorder;
        FleetWindow window;
        addAll(window);
        window.show();
        QTRY_VERIFY(!cell(window, *paperOut, fleet::FleetModel::StatusColumn).isEmpty());
        select(window, {paperOut.get()});
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetSelfTest"), Qt::LeftButton);
        QVERIFY(waitForWork(window));
        QVERIFY(paperOut->functionCodes().contains(quint8(POWER_SELF_TEST)));
        QCOMPARE(cell(window, *paperOut, fleet::FleetModel::ResultColumn),
                 QStringLiteral("已发送自检"));

        recorder.fileToOpen = dir.filePath("printers.csv");
        QTest::mouseClick(child<QPushButton>(window, "pushButton_FleetExport"), Qt::LeftButton);
        QFile csv(recorder.fileToOpen);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 5); // header, three printers, the empty end
        QVERIFY(lines.at(2).startsWith(keyOf(*paperOut).toUtf8() + ",attention,K53TA,"));
    }
};

QTEST_MAIN(TestFleetWindow)
#include "tst_fleetwindow.moc"
