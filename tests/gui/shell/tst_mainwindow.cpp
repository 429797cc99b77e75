// The assembled window: initial states and messages, medium choice with the pages'
// hints, the open-device guard of every printer button, the busy state, the tip label,
// and what the next start restores.
#include "gui/shell/demomode.h"
#include "gui/shell/mainwindow.h"
#include "gui/widgets/tabledialog.h"
#include "device/download/filestream.h"
#include "idlewait.h"
#include "messagerecorder.h"
#include "core/protocol/frame.h"
#include "gui/provisioning/distributenet.h"
#include "core/hostwifi/wificred.h"
#include "gui/provisioning/wifiprovisioning.h"
#include "core/hostwifi/wifiscan.h"
#include "gui/pages/printpage.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTextEdit>
#include <QTimer>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QToolBox>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        recorder = new MessageRecorder;
        window = new MainWindow;
    }
    void cleanup()
    {
        delete window;
        delete recorder;
    }
    void statesAndMessages();
    void mediumSelection_data();
    void mediumSelection();
    void commandsNeedAnOpenPrinter();
    void keyboardReachesEverySection();
    void confirmationNamesItsAction();
    void tableKeepsEveryColumnInView();
    void dhcpAndRefusedValues();
    void provisioningNamesItsPrinter();
    void notReadUntilRead_data();
    void notReadUntilRead();
    void wheelScrollsPastUnchosenBoxes_data();
    void wheelScrollsPastUnchosenBoxes();
    void writtenElsewhereMustBeRead_data();
    void writtenElsewhereMustBeRead();
    void provisioningAfterProfileSetsStation();
    void nextStartRestores();

private:
    template <typename T = QWidget> T *child(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    // Clicks, and waits for the work the click started.
    void click(const QString &name)
    {
        QTest::mouseClick(child(name), Qt::LeftButton);
        QVERIFY(waitIdle(window));
    }
    // Shows the window, active, with the demo printer open.
    void openDemo(DemoPrinter &demo)
    {
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(demo.start());
        demo.prepareWindow(*window);
        click("pushButton_getList");
        click("pushButton_open");
        QVERIFY(window->isDeviceOpen());
    }
    MainWindow *window = nullptr;
    MessageRecorder *recorder = nullptr;
};

void TestMainWindow::statesAndMessages()
{
    const QString names = QStringLiteral( // disabled ones start with "!"
        "checkBox_USB checkBox_NET checkBox_WIFI pushButton_open !checkBox_BLE "
        "!checkBox_Serialport !pushButton_close !pushButton_StopList !lineEdit_ConnectAddr "
        "!groupBox_SerialParam !progressBar_Update");
    for (const QString &entry : names.split(QLatin1Char(' '))) {
        const bool off = entry.startsWith(QLatin1Char('!'));
        QVERIFY2(child(entry.mid(off ? 1 : 0))->isEnabled() != off, qPrintable(entry));
    }
    QVERIFY(child<QCheckBox>("checkBox_USB")->isChecked());
    QCOMPARE(window->session().medium(), int(MEDIUM_USB));
    QCOMPARE(child<QLabel>("label_StatusConnection")->text(), QString::fromUtf8("未打开打印机"));

    // Result codes -1 to 9: which are errors, and the messages shown.
    QString errors;
    for (int code = -1; code <= 9; ++code)
        errors += QString::number(window->Ret_Handler(code));
    QCOMPARE(errors, QStringLiteral("00001011110"));
    QCOMPARE(recorder->texts().join('|'),
             QString::fromUtf8(
                 "处理成功|请确保打印机已进行连接|USB通讯出错，请重试|网络通讯出错，请重试|"
                 "蓝牙通讯出错，请重试|串口通讯出错，请重试"));
    QCOMPARE(recorder->messages.at(0).kind, prompts::Kind::Information);
    QCOMPARE(recorder->messages.at(0).title, QString::fromUtf8("设置工具"));
    QVERIFY(child<QLabel>("label_StatusResult")->text().endsWith(recorder->lastText()));
    click("toolButton_About");
    QVERIFY(recorder->lastText().contains("libusb 1.") && recorder->lastText().contains("OpenSSL"));

    // The controls that rest during an exchange.
    const QList<QWidget *> controls{child("pushButton_close"), window->ui->tabWidget_2,
                                    child("pushButton_getPrinterInfo"), child("pushButton_Send"),
                                    child("pushButton_SendFile")};
    for (bool on : {false, true}) {
        window->controlAllWidgets(on);
        for (QWidget *w : controls)
            QVERIFY2(w->isEnabled() == on, qPrintable(w->objectName()));
    }
    {
        // An exchange holds the printer: the tabs rest, the cursor waits, and only the
        // exchange gives the controls back.
        const PrinterSession::Hold hold(window->session());
        const QCursor *cursor = QApplication::overrideCursor();
        QCOMPARE(cursor ? cursor->shape() : Qt::ArrowCursor, Qt::BusyCursor);
        window->controlAllWidgets(true);
        QVERIFY(!window->ui->tabWidget_2->isEnabled());
    }
    QVERIFY(window->ui->tabWidget_2->isEnabled() && !QApplication::overrideCursor());
    // Nor may a running file stream be cut by closing the printer or changing the medium.
    auto *stream = window->findChild<FileStream *>();
    child("pushButton_close")->setEnabled(true); // as while a printer is open
    emit stream->started(FileStream::Kind::Download);
    QVERIFY(!child("pushButton_close")->isEnabled() &&
            !child("groupBox_ConnectMode")->isEnabled());
    emit stream->ended();
    QVERIFY(child("pushButton_close")->isEnabled() && child("groupBox_ConnectMode")->isEnabled());
    child("pushButton_close")->setEnabled(false);

    // A tip under a box goes with a change of tab.
    auto *page = window->findChild<PrintPage *>();
    page->showInputTip(child<QLineEdit>("lineEdit"), QStringLiteral("tip"));
    QVERIFY(page->currentTipLabel());
    window->ui->tabWidget_2->setCurrentIndex(2);
    QVERIFY(!page->currentTipLabel());
}

void TestMainWindow::mediumSelection_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("failure");   // of an exchange while nothing is open
    QTest::addColumn<QString>("typed"); // into the WiFi and Ethernet pages first
    // Address, TCP and UDP port, each after "+" when enabled; then the serial parameters.
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *box, int failure, const char *typed,
                        const char *shown) {
        QTest::newRow(name) << box << failure << typed << shown;
    };
    row("usb", "checkBox_USB", 4, "", "-192.168.1.1 -9100 -38400 -");
    row("wired", "checkBox_NET", 6, "NetportTCPPort=9101 NetportUDPPort=38401",
        "-192.168.1.1 +9101 +38401 -");
    row("access point", "checkBox_WIFI", 6,
        "WifiMode=1 WApIP=192.168.4.1 WifiSetIP=10.1.2.3 WApPort=9101",
        "+192.168.4.1 +9101 +38400 -");
    row("station", "checkBox_WIFI", 6,
        "WifiMode=0 WApIP=192.168.4.1 WifiSetIP=10.1.2.3 WApPort=", "+10.1.2.3 +9100 +38400 -");
    row("station all zero", "checkBox_WIFI", 6,
        "WifiMode=0 WifiSetIP=0.0.0.0 WApPort=", "+192.168.1.1 +9100 +38400 -");
    row("bluetooth", "checkBox_BLE", -1, "", "-192.168.1.1 -9100 -38400 -");
    row("serial", "checkBox_Serialport", -1, "", "-192.168.1.1 -9100 -38400 +");
}

void TestMainWindow::mediumSelection()
{
    QFETCH(QString, box);
    QFETCH(int, failure);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    // Start from another medium, so that every row changes something.
    auto *other = child<QCheckBox>(box == "checkBox_USB" ? "checkBox_WIFI" : "checkBox_USB");
    QTest::mouseClick(other, Qt::LeftButton);
    for (const QString &entry : typed.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = entry.section('=', 0, 0), value = entry.section('=', 1);
        if (name == QLatin1String("WifiMode"))
            child<QComboBox>("comboBox_WifiMode")->setCurrentIndex(value.toInt());
        else
            child<QLineEdit>("lineEdit_" + name)->setText(value);
    }
    auto *list = child<QComboBox>("comboBox_ScanResult");
    auto *progress = child<QProgressBar>("progressBar_Scan");
    auto *checkBox = child<QCheckBox>(box);
    checkBox->setEnabled(true);               // Bluetooth and serial are disabled in the form
    for (int again = 0; again < 2; ++again) { // a click on the ticked box keeps the list
        list->addItem(QStringLiteral("Label [P1] {USB001}"));
        progress->setValue(100);
        QTest::mouseClick(checkBox, Qt::LeftButton);
        QVERIFY(checkBox->isChecked() && !other->isChecked());
        QCOMPARE(list->count() * 100 + progress->value(), again * 200);
    }
    QStringList state;
    for (const char *name : {"lineEdit_ConnectAddr", "lineEdit_ConnectTCPPort",
                             "lineEdit_ConnectUDPPort", "groupBox_SerialParam"}) {
        const auto *edit = child<QLineEdit>(name);
        state << (child(name)->isEnabled() ? "+" : "-") + (edit ? edit->text() : QString());
    }
    QCOMPARE(state.join(QLatin1Char(' ')), shown);

    // Every exchange fails before anything is sent, with the output zeroed.
    PrinterSession &session = window->session();
    unsigned char out[2 * frame::kQueryOutSize];
    memset(out, 0xAA, sizeof(out));
    quint32 word = 1;
    const QVector<int> results{session.queryInfo(INFO_PRINT_SPEED, out),
                               session.queryStatus(POWER_FIRMWARE_VERSION,
                                                   out + frame::kQueryOutSize),
                               session.sendSet(INFO_PRINT_SPEED, QByteArray(1, '\1')),
                               session.readStatusWord(&word)};
    QCOMPARE(results, QVector<int>(4, failure));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)) + char(word),
             QByteArray(sizeof(out) + 1, '\0'));
}

void TestMainWindow::commandsNeedAnOpenPrinter()
{
    // Every button that talks to the printer, by the name after "pushButton_".
    const QString names = QStringLiteral(
        "GetPrinterStatus SelfCheck Reboot PrinterInit SeamLrn BlackLableLrn DACLrn OutietLrn "
        "NopaperLrn AllCut HalfCut StripMode TearMode KeySettingOpen KeySettingClose BuzzerOpen "
        "BuzzerClose PrintSettingRead DistanceSettingRead WifiSettingRead BleSettingRead "
        "NetportSettingRead ComSettingRead StripperSettingRead DownloadFW DownloadFL NetSetup");
    QStringList expected;
    for (const QString &name : names.split(QLatin1Char(' '))) {
        click("pushButton_" + name);
        expected << QString::fromUtf8("请先打开设备");
    }
    click("pushButton_getPrinterInfo");
    click("pushButton_open");
    window->on_pushButton_close_clicked(false); // as after a restart: silent
    expected << QString::fromUtf8("设备未打开!") << QString::fromUtf8("请先选中打印列表中的打印机");
    QCOMPARE(recorder->texts(), expected);
    QCOMPARE(recorder->messages.at(27).kind, prompts::Kind::Critical);
}

void TestMainWindow::keyboardReachesEverySection()
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QToolBox *sections = window->ui->toolBox_PrinterSetting;
    QWidget *first = child("checkBox_USB");
    first->setFocus();
    // Tab once around the window, in reading order.
    QStringList order;
    for (int i = 0; i < 300 && (i == 0 || QApplication::focusWidget() != first); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        const auto *header = qobject_cast<QAbstractButton *>(focus);
        order << (focus->parentWidget() == sections && header ? "header " + header->text()
                                                              : focus->objectName());
    }
    QStringList expected{"pushButton_getList", "pushButton_ExportReport", "qt_tabwidget_tabbar"};
    for (int i = 0; i < sections->count(); ++i)
        expected << "header " + sections->itemText(i);
    expected << "pushButton_ApplyProfile"
             << "toolButton_About";
    int at = -1;
    for (const QString &stop : qAsConst(expected)) {
        const int next = order.indexOf(stop);
        QVERIFY2(next > at, qPrintable(stop + " in " + order.join(' ')));
        at = next;
    }
    // The open section's fields and buttons come right after its header.
    const int header = order.indexOf("header " + sections->itemText(0));
    QCOMPARE(order.mid(header + 1, 1), QStringList{"comboBox_PrintSpeed"});
    QVERIFY(order.indexOf("pushButton_PrintSettingRead") <
            order.indexOf("header " + sections->itemText(1)));

    // Arrow keys among the headers; Space and Enter open a section.
    QList<QAbstractButton *> headers;
    for (QAbstractButton *b :
         sections->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        headers << b;
    QCOMPARE(headers.size(), sections->count());
    headers.first()->setFocus();
    const QList<QPair<Qt::Key, int>> moves{{Qt::Key_Down, 1}, {Qt::Key_End, 6},  {Qt::Key_Down, 0},
                                           {Qt::Key_Up, 6},   {Qt::Key_Home, 0}, {Qt::Key_Right, 1},
                                           {Qt::Key_Down, 2}};
    for (const auto &move : moves) {
        QTest::keyClick(QApplication::focusWidget(), move.first);
        QCOMPARE(QApplication::focusWidget(), headers.at(move.second));
    }
    QTest::keyClick(headers.at(2), Qt::Key_Space);
    QCOMPARE(sections->currentIndex(), 2);
    QTest::keyClick(headers.at(2), Qt::Key_Down);
    QTest::keyClick(headers.at(3), Qt::Key_Return);
    QCOMPARE(sections->currentIndex(), 3);

    // Every input has a name a screen reader can say: its label's, or its own.
    QCOMPARE(child("comboBox_ScanResult")->accessibleName(), QString::fromUtf8("设备列表"));
    QList<QWidget *> labelled;
    for (const QLabel *label : window->findChildren<QLabel *>())
        labelled << label->buddy();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool input = qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
                           qobject_cast<QTextEdit *>(w) || qobject_cast<QProgressBar *>(w);
        if (input && !qobject_cast<QComboBox *>(w->parentWidget()))
            QVERIFY2(labelled.contains(w) || !w->accessibleName().isEmpty(),
                     qPrintable(w->objectName()));
    }
}

void TestMainWindow::confirmationNamesItsAction()
{
    // The real box: its buttons say what they do, and cancelling is the default.
    prompts::setQuestionHandler(nullptr);
    QStringList buttons;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box || !box->defaultButton()) {
            if (modal)
                modal->close(); // never left waiting for a box it does not know
            return;
        }
        for (const QAbstractButton *b : box->buttons())
            buttons << b->text();
        buttons << "default " + box->defaultButton()->text();
        box->defaultButton()->click();
    });
    watch.start(10);
    const bool agreed = prompts::confirm(window, "t", "x", QString::fromUtf8("初始化"));
    watch.stop();
    QVERIFY(!agreed);
    buttons.sort();
    QCOMPARE(buttons.join('|'), QString::fromUtf8("default 取消|初始化|取消"));
}

void TestMainWindow::tableKeepsEveryColumnInView()
{
    const QString advice =
        QStringLiteral("Check the cable, then the printer's address. ").repeated(8);
    TableDialog dialog(window, QStringLiteral("t"), QString(),
                       {"check", "result", "text", "advice"},
                       {{"USB", "ok", "found", "none"}, {"TCP", "failed", advice, advice}});
    dialog.resize(1000, 400);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget *table = dialog.table();
    int width = 0;
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    QVERIFY(width <= table->viewport()->width());
    const QAbstractItemView *view = table;                        // the column hint is public here
    QVERIFY(table->columnWidth(0) >= view->sizeHintForColumn(0)); // short ones whole
    QVERIFY(table->rowHeight(1) > 2 * table->rowHeight(0));       // long ones wrap
}

void TestMainWindow::dhcpAndRefusedValues()
{
    // The addresses the printer takes from DHCP rest while DHCP is chosen.
    QStringList rest;
    for (const char *mode :
         {"NetportIPMode=0", "NetportIPMode=1", "WifiSetIPMode=1", "WifiSetIPMode=0"}) {
        const QString name = QString::fromLatin1(mode);
        child<QComboBox>("comboBox_" + name.section('=', 0, 0))
            ->setCurrentIndex(name.section('=', 1).toInt());
        for (const char *box : {"NetportIP", "NetportGateway", "WifiSetDNS"})
            rest << QString::number(child(QStringLiteral("lineEdit_") + box)->isEnabled());
    }
    QCOMPARE(rest.join(""), QStringLiteral("001111110111"));

    // A value the printer cannot store is refused with a warning; the field is marked.
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    DemoPrinter demo;
    QVERIFY(demo.start());
    demo.prepareWindow(*window);
    click("pushButton_getList");
    click("pushButton_open");
    click("pushButton_PrintSettingRead");
    auto *gap = child<QLineEdit>("lineEdit_BlackLabelGap");
    gap->setText(QStringLiteral("99999"));
    recorder->clear();
    click("pushButton_PrintSettingSet");
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(recorder->messages.at(0).kind, prompts::Kind::Warning);
    QCOMPARE(QApplication::focusWidget(), gap);
    QCOMPARE(gap->selectedText(), QStringLiteral("99999"));
}

void TestMainWindow::provisioningNamesItsPrinter()
{
    WifiScanCommands scan; // nothing of this computer's is asked
    scan.source = WifiScanSource::NetworkManager;
    scan.powerProgram = scan.listProgram = QStringLiteral("/bin/true");
    setWifiScanCommands(scan);
    const auto restore = qScopeGuard([] { resetWifiScanCommands(); });
    DemoPrinter demo;
    QVERIFY(demo.start());
    demo.prepareWindow(*window);
    click("pushButton_getList");
    click("pushButton_open");
    click("pushButton_NetSetup");
    DistributeNet *dialog = window->provisioning()->window();
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QLabel *>("labelPrinter")->text(),
             QString::fromUtf8("打印机：Simulated Label [K53TA Simulator] {127.0.0.1}"));
    dialog->close();
}

void TestMainWindow::notReadUntilRead_data()
{
    QTest::addColumn<QString>("page"); // the buttons' names are pushButton_<page>SettingRead/Set
    for (const char *page : {"Print", "Distance", "Wifi", "Ble", "Netport", "Com", "Stripper"})
        QTest::newRow(page) << QString::fromLatin1(page);
}

void TestMainWindow::notReadUntilRead()
{
    QFETCH(QString, page);
    DemoPrinter demo;
    QVERIFY(demo.start());
    demo.prepareWindow(*window);
    auto *note = child<QLabel>("label_NotRead_" + page + "SettingRead");
    QVERIFY(note && !note->isHidden());
    QCOMPARE(note->text(), QString::fromUtf8("尚未读取"));
    click("pushButton_getList");
    click("pushButton_open");
    QVERIFY(window->isDeviceOpen() && !note->isHidden());
    // A read that fails leaves the note; one that succeeds removes it.
    const quint16 port = demo.port();
    demo.printer()->stop();
    click("pushButton_" + page + "SettingRead");
    QVERIFY(!note->isHidden());
    demo.printer()->setTcpPort(port);
    QVERIFY(demo.printer()->start());
    click("pushButton_" + page + "SettingRead");
    QVERIFY2(note->isHidden(), qPrintable(recorder->texts().join('|')));
    click("pushButton_close");
    QVERIFY(!note->isHidden());
}

void TestMainWindow::wheelScrollsPastUnchosenBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("section"); // the tool box section's page
    QTest::addColumn<bool>("chosen");     // the box has focus
    const auto row = [](const char *name, const char *box, const char *section, bool chosen) {
        QTest::newRow(name) << box << section << chosen;
    };
    row("print mode, scrolled over", "comboBox_PrintMode", "page_PrintSetting", false);
    row("print mode, chosen", "comboBox_PrintMode", "page_PrintSetting", true);
    row("code page, scrolled over", "comboBox_DefaultCodePage", "page_PrintSetting", false);
    row("WiFi mode, scrolled over", "comboBox_WifiMode", "page_WifiSetting", false);
    row("WiFi mode, chosen", "comboBox_WifiMode", "page_WifiSetting", true);
}

void TestMainWindow::wheelScrollsPastUnchosenBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, section);
    QFETCH(bool, chosen);
    DemoPrinter demo;
    openDemo(demo);
    window->resize(window->minimumSizeHint().width(), 420); // the section must scroll
    window->ui->toolBox_PrinterSetting->setCurrentWidget(child(section));
    QApplication::processEvents();
    auto *list = child<QComboBox>(box);
    QVERIFY(list->isEnabled());
    // Only a click or the tab key chooses a box, never the wheel.
    QCOMPARE(list->focusPolicy(), Qt::StrongFocus);
    list->setCurrentIndex(0);
    if (chosen)
        list->setFocus();
    else
        window->ui->tabWidget_2->setFocus();
    QCOMPARE(list->hasFocus(), chosen);
    const auto scrolled = [list] {
        int sum = 0;
        for (QWidget *w = list; w; w = w->parentWidget()) {
            if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
                sum += area->verticalScrollBar()->value();
        }
        return sum;
    };
    QVERIFY(scrolled() == 0);
    // The application hands a wheel event from the mouse on to the parents until one
    // takes it; a sent one stays with its receiver, so it is handed on here the same way.
    QPoint at(4, 4);
    bool taken = false;
    for (QWidget *w = list; w && !taken; w = w->parentWidget()) {
        QWheelEvent down(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        down.ignore();
        QApplication::sendEvent(w, &down);
        taken = down.isAccepted();
        if (w == list)
            QCOMPARE(taken, chosen);
        at += w->pos();
    }
    QCOMPARE(list->currentIndex(), chosen ? 1 : 0);
    QCOMPARE(scrolled() > 0, !chosen);
}

void TestMainWindow::writtenElsewhereMustBeRead_data()
{
    QTest::addColumn<QString>("write");  // a profile's settings, or "provision"
    QTest::addColumn<QString>("unread"); // the pages whose Set button rests after it
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("fourSpeeds"); // the printer is of a model with four speeds
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *write, const char *unread, const char *reason,
                        const char *message, bool fourSpeeds = false) {
        QTest::newRow(name) << write << unread << QString::fromUtf8(reason) << fourSpeeds
                            << QString::fromUtf8(message);
    };
    row("profile of one page", R"({"print": {"density": 9}})", "Print", "应用配置后尚未读取",
        "配置已应用。");
    row("profile of two pages", R"({"print": {"density": 9}, "distance": {"tearDots": 7}})",
        "Print Distance", "应用配置后尚未读取", "配置已应用。");
    row("profile of a speed the model lacks", R"({"print": {"density": 9, "speed": 6}})", "", "",
        "配置文件无效：print: \"speed\" (打印速度) must be one of 0, 1, 2, 3 on this model", true);
    row("provisioning", "provision", "Wifi", "配网后尚未读取", "处理成功");
}

void TestMainWindow::writtenElsewhereMustBeRead()
{
    QFETCH(QString, write);
    QFETCH(QString, unread);
    QFETCH(QString, reason);
    QFETCH(bool, fourSpeeds);
    QFETCH(QString, message);
    DemoPrinter demo;
    openDemo(demo);
    window->session().setHasPrintMode(!fourSpeeds);
    demo.printer()->setValue(0x13, QByteArray(1, '\3'));
    demo.printer()->setValue(0x36, QByteArray(2, '\0'));
    const QStringList pages{"Print", "Distance", "Wifi", "Com"};
    for (const QString &page : pages)
        click("pushButton_" + page + "SettingRead");
    recorder->clear();
    demo.printer()->clearRecords();
    if (write == QLatin1String("provision")) {
        WifiCred cred;
        cred.valid = true;
        cred.ssid = QStringLiteral("Shop");
        cred.password = QStringLiteral("pw123456");
        window->provisioning()->sendCredentials(cred);
    } else {
        QTemporaryDir dir;
        QFile file(dir.filePath("p.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "labelsetup-profile", "version": 1, "dotsPerMm": 12, )"
                   R"("settings": )" +
                   write.toUtf8() + "}");
        file.close();
        recorder->fileToOpen = file.fileName();
        click("pushButton_ApplyProfile");
    }
    QCOMPARE(recorder->texts(), QStringList{message});
    QCOMPARE(recorder->dialogTitles.size(), int(write != "provision" && unread != ""));
    QStringList states;
    for (const QString &page : pages) {
        const auto *note = child<QLabel>("label_NotRead_" + page + "SettingRead");
        const bool rests = !child("pushButton_" + page + "SettingSet")->isEnabled();
        QCOMPARE(note->isHidden(), !rests);
        if (rests) {
            states << page;
            QCOMPARE(note->text(), reason);
        }
    }
    QCOMPARE(states.join(' '), unread);
    if (unread.isEmpty()) { // refused: nothing was sent
        for (const ReceivedFrame &f : demo.printer()->receivedFrames())
            QVERIFY(f.frameClass != 0x01);
        return;
    }
    // Read again, the page may be written; the next time it is not read it merely says so.
    const QString first = unread.section(' ', 0, 0);
    click("pushButton_" + first + "SettingRead");
    QVERIFY(child("pushButton_" + first + "SettingSet")->isEnabled());
    click("pushButton_close");
    QCOMPARE(child<QLabel>("label_NotRead_" + first + "SettingRead")->text(),
             QString::fromUtf8("尚未读取"));
}

void TestMainWindow::provisioningAfterProfileSetsStation()
{
    // Read in station mode, then switched to access point by a profile: provisioning
    // must not take the printer for a station any more.
    DemoPrinter demo;
    openDemo(demo);
    demo.printer()->setValue(0x30, QByteArray(1, '\1'));
    click("pushButton_WifiSettingRead");
    QTemporaryDir dir;
    QFile file(dir.filePath("p.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "labelsetup-profile", "version": 1, "dotsPerMm": 12, )"
               R"("settings": {"wifi": {"mode": "accessPoint"}}})");
    file.close();
    recorder->fileToOpen = file.fileName();
    click("pushButton_ApplyProfile");
    QCOMPARE(demo.storedValue(0x30), QByteArray(1, '\2'));
    demo.printer()->clearRecords();
    WifiCred cred;
    cred.valid = true;
    cred.ssid = QStringLiteral("Shop");
    cred.password = QStringLiteral("pw123456");
    window->provisioning()->sendCredentials(cred);
    QStringList sent;
    for (const ReceivedFrame &f : demo.printer()->receivedFrames()) {
        if (f.frameClass == 0x01)
            sent << QString::number(f.item, 16) + ':' + QString::fromLatin1(f.data.toHex());
    }
    QCOMPARE(sent.value(0), QStringLiteral("30:01"));
    QCOMPARE(demo.storedValue(0x30), QByteArray(1, '\1'));
}

void TestMainWindow::nextStartRestores()
{
    // Size and position come back; a stored label size that is no number does not.
    window->show();
    window->setGeometry(120, 80, 1000, 690);
    const QRect placed = window->geometry();
    window->close();
    delete window; // one window at a time: they share the download worker
    QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    settings.setValue(QStringLiteral("lineEdit_text"), QStringLiteral("abc"));
    settings.setValue(QStringLiteral("lineEdit_2_text"), QStringLiteral("12,5x"));
    window = new MainWindow;
    QCOMPARE(window->geometry(), placed);
    QCOMPARE(child<QLineEdit>("lineEdit")->text() + ' ' + child<QLineEdit>("lineEdit_2")->text(),
             QStringLiteral("102.0 152.0"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
