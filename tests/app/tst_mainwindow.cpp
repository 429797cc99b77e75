// The window frame: initial states, medium choice, result messages, label-size
// restore, tip label and the guards of the printer commands.
#include "app/cutdialog.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "protocol/printersession.h"
#include "protocol/frame.h"
#include "settings/printpage.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QSettings>
#include <QDialogButtonBox>
#include <QLabel>
#include <QToolButton>
#include <QGroupBox>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void initialStates();
    void retHandler_data();
    void retHandler();
    void mediumSelection_data();
    void mediumSelection();
    void wifiPrefill_data();
    void wifiPrefill();
    void labelSizeRestore_data();
    void labelSizeRestore();
    void closeButtonShowsMessage();
    void closeFromCodeIsSilent();
    void noMediumSendsNothing_data();
    void noMediumSendsNothing();
    void commandsNeedAnOpenPrinter_data();
    void commandsNeedAnOpenPrinter();
    void openWithoutSelection();
    void controlAllWidgets();
    void tipLabelGoesWithTabChange();
    void statusBarAndGeometry();
    void cutDialog_data();
    void cutDialog();

private:
    MainWindow *window = nullptr;
    MessageRecorder *recorder = nullptr;
};

void TestMainWindow::init()
{
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    recorder = new MessageRecorder;
    window = new MainWindow;
}

void TestMainWindow::cleanup()
{
    delete window;
    window = nullptr;
    delete recorder;
    recorder = nullptr;
}

void TestMainWindow::initialStates()
{
    Ui::MainWindow *ui = window->ui;
    const QString enabled = QStringLiteral(
        "checkBox_USB checkBox_NET checkBox_WIFI pushButton_open pushButton_Send "
        "pushButton_SendFile textBrowser_Ver textBrowser_DPI textBrowser_MaxPaperWidth "
        "textBrowser_Model");
    const QString disabled = QStringLiteral(
        "checkBox_BLE checkBox_Serialport pushButton_close pushButton_PrintSettingSet "
        "pushButton_DistanceSettingSet pushButton_WifiSettingSet pushButton_BleSettingSet "
        "pushButton_NetportSettingSet pushButton_ComSettingSet pushButton_StripperSettingSet "
        "progressBar_Update lineEdit_ComDeviceInfo lineEdit_ComSN lineEdit_SppMAC lineEdit_WApMAC");
    const QStringList on = enabled.split(QLatin1Char(' '));
    for (const QString &name : on + disabled.split(QLatin1Char(' '))) {
        auto *w = window->findChild<QWidget *>(name);
        QVERIFY2(w && w->isEnabled() == on.contains(name), qPrintable(name));
    }
    QCOMPARE(ui->tabWidget_2->currentIndex(), 0);
    QCOMPARE(ui->toolBox_PrinterSetting->currentIndex(), 0);
    QCOMPARE(ui->centralwidget->findChild<QProgressBar *>(QStringLiteral("progressBar_Scan"))->value(), 0);
    QVERIFY(ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_USB"))->isChecked());
    QCOMPARE(window->session().medium(), 1);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(), QStringLiteral("9100"));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectUDPPort"))->text(), QStringLiteral("38400"));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->text(), QStringLiteral("192.168.1.1"));
    QVERIFY(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->inputMask().startsWith(QStringLiteral("000.000.000.000")));
    const auto *codePage = window->findChild<QComboBox *>("comboBox_DefaultCodePage");
    QCOMPARE(codePage->count(), 62);
    QCOMPARE(codePage->itemText(61), QStringLiteral("61 PC3041(Maltese)"));
    QCOMPARE(window->findChild<QComboBox *>("comboBox_ComBaud")->count(), 17);
    QCOMPARE(window->findChild<QComboBox *>("comboBox_ComBaud")->itemText(7),
             QStringLiteral("115200"));
    QVERIFY(recorder->messages.isEmpty());
}

void TestMainWindow::retHandler_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("returned");
    QTest::newRow("0") << 0 << QString::fromUtf8("处理成功") << 0;
    QTest::newRow("1 silent") << 1 << QString() << 0;
    QTest::newRow("2 silent") << 2 << QString() << 0;
    QTest::newRow("3") << 3 << QString::fromUtf8("请确保打印机已进行连接") << 1;
    QTest::newRow("4 silent") << 4 << QString() << 0;
    QTest::newRow("5") << 5 << QString::fromUtf8("USB通讯出错，请重试") << 1;
    QTest::newRow("6") << 6 << QString::fromUtf8("网络通讯出错，请重试") << 1;
    QTest::newRow("7") << 7 << QString::fromUtf8("蓝牙通讯出错，请重试") << 1;
    QTest::newRow("8") << 8 << QString::fromUtf8("串口通讯出错，请重试") << 1;
    QTest::newRow("9 silent") << 9 << QString() << 0;
    QTest::newRow("-1 silent") << -1 << QString() << 0;
}

void TestMainWindow::retHandler()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, returned);
    QCOMPARE(window->Ret_Handler(code), returned);
    if (text.isEmpty()) {
        QVERIFY(recorder->messages.isEmpty());
        return;
    }
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(recorder->messages.at(0).kind, prompts::Kind::Information);
    QCOMPARE(recorder->messages.at(0).title, QString::fromUtf8("设置工具"));
    QCOMPARE(recorder->messages.at(0).text, text);
}

void TestMainWindow::mediumSelection_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("address");
    QTest::addColumn<bool>("ports");
    QTest::addColumn<bool>("serial");
    QTest::newRow("usb") << "checkBox_USB" << 1 << false << false << false;
    QTest::newRow("wired") << "checkBox_NET" << 2 << false << true << false;
    QTest::newRow("wireless") << "checkBox_WIFI" << 2 << true << true << false;
    QTest::newRow("bluetooth") << "checkBox_BLE" << 3 << false << false << false;
    QTest::newRow("serial") << "checkBox_Serialport" << 4 << false << false << true;
}

void TestMainWindow::mediumSelection()
{
    QFETCH(QString, box);
    QFETCH(int, mode);
    QFETCH(bool, address);
    QFETCH(bool, ports);
    QFETCH(bool, serial);
    Ui::MainWindow *ui = window->ui;
    // Start from another medium so that every row changes something.
    QTest::mouseClick(mode == 2 ? ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_USB")) : ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_WIFI")), Qt::LeftButton);
    ui->centralwidget->findChild<QComboBox *>(QStringLiteral("comboBox_ScanResult"))->addItem(QStringLiteral("Label [P1] {USB001}"));
    ui->centralwidget->findChild<QProgressBar *>(QStringLiteral("progressBar_Scan"))->setValue(100);

    auto *checkBox = window->findChild<QCheckBox *>(box);
    QVERIFY(checkBox);
    checkBox->setEnabled(true); // Bluetooth and serial are disabled in the form
    QTest::mouseClick(checkBox, Qt::LeftButton);
    QVERIFY(checkBox->isChecked());
    QCOMPARE(window->session().medium(), mode);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->isEnabled(), address);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->isEnabled(), ports);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectUDPPort"))->isEnabled(), ports);
    QCOMPARE(ui->centralwidget->findChild<QGroupBox *>(QStringLiteral("groupBox_SerialParam"))->isEnabled(), serial);
    QCOMPARE(ui->centralwidget->findChild<QProgressBar *>(QStringLiteral("progressBar_Scan"))->value(), 0);
    QCOMPARE(ui->centralwidget->findChild<QComboBox *>(QStringLiteral("comboBox_ScanResult"))->count(), 0);
    QVERIFY(!(mode == 2 ? ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_USB")) : ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_WIFI")))->isChecked());

    // Clicking the ticked box again keeps it ticked and the list as it is.
    ui->centralwidget->findChild<QComboBox *>(QStringLiteral("comboBox_ScanResult"))->addItem(QStringLiteral("Label [P1] {USB001}"));
    ui->centralwidget->findChild<QProgressBar *>(QStringLiteral("progressBar_Scan"))->setValue(100);
    QTest::mouseClick(checkBox, Qt::LeftButton);
    QVERIFY(checkBox->isChecked());
    QCOMPARE(window->session().medium(), mode);
    QCOMPARE(ui->centralwidget->findChild<QComboBox *>(QStringLiteral("comboBox_ScanResult"))->count(), 1);
    QCOMPARE(ui->centralwidget->findChild<QProgressBar *>(QStringLiteral("progressBar_Scan"))->value(), 100);
}

void TestMainWindow::wifiPrefill_data()
{
    QTest::addColumn<int>("wifiMode");
    // Access point address, station address, access point port; then what the
    // connection boxes show.
    QTest::addColumn<QStringList>("page");
    QTest::addColumn<QStringList>("connection");
    QTest::newRow("access point") << 1 << QStringList{"192.168.4.1", "10.1.2.3", "9101"}
                                  << QStringList{"192.168.4.1", "9101"};
    QTest::newRow("station") << 0 << QStringList{"192.168.4.1", "10.1.2.3", ""}
                             << QStringList{"10.1.2.3", "9100"};
    QTest::newRow("station all zero")
        << 0 << QStringList{"192.168.4.1", "0.0.0.0", ""} << QStringList{"192.168.1.1", "9100"};
}

void TestMainWindow::wifiPrefill()
{
    QFETCH(int, wifiMode);
    QFETCH(QStringList, page);
    QFETCH(QStringList, connection);
    Ui::MainWindow *ui = window->ui;
    window->findChild<QComboBox *>("comboBox_WifiMode")->setCurrentIndex(wifiMode);
    window->findChild<QLineEdit *>("lineEdit_WApIP")->setText(page.at(0));
    window->findChild<QLineEdit *>("lineEdit_WifiSetIP")->setText(page.at(1));
    window->findChild<QLineEdit *>("lineEdit_WApPort")->setText(page.at(2));
    QTest::mouseClick(ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_WIFI")), Qt::LeftButton);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->text(), connection.at(0));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(), connection.at(1));
}

void TestMainWindow::labelSizeRestore_data()
{
    QTest::addColumn<QVariant>("storedWidth");
    QTest::addColumn<QVariant>("storedHeight");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("defaults") << QVariant() << QVariant() << "102.0"
                              << "152.0";
    QTest::newRow("stored texts") << QVariant("50.3") << QVariant("100") << "50.3"
                                  << "100.0";
    QTest::newRow("not a number") << QVariant("abc") << QVariant("12,5x") << "102.0"
                                  << "152.0";
}

void TestMainWindow::labelSizeRestore()
{
    QFETCH(QVariant, storedWidth);
    QFETCH(QVariant, storedHeight);
    QFETCH(QString, width);
    QFETCH(QString, height);
    delete window;
    {
        QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
        if (storedWidth.isValid())
            settings.setValue(QStringLiteral("lineEdit_text"), storedWidth);
        if (storedHeight.isValid())
            settings.setValue(QStringLiteral("lineEdit_2_text"), storedHeight);
    }
    window = new MainWindow;
    QCOMPARE(window->findChild<QLineEdit *>("lineEdit")->text(), width);
    QCOMPARE(window->findChild<QLineEdit *>("lineEdit_2")->text(), height);
    QVERIFY(recorder->messages.isEmpty());
}

void TestMainWindow::closeButtonShowsMessage()
{
    Ui::MainWindow *ui = window->ui;
    ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_close"))->setEnabled(true);
    ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->setEnabled(false);
    QTest::mouseClick(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_close")), Qt::LeftButton);
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("关闭成功！")});
    QVERIFY(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->isEnabled());
    QVERIFY(!ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_close"))->isEnabled());
    QVERIFY(!window->session().link());
}

void TestMainWindow::closeFromCodeIsSilent()
{
    window->on_pushButton_close_clicked(false);
    QVERIFY(recorder->messages.isEmpty());
    QVERIFY(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->isEnabled());
}

void TestMainWindow::noMediumSendsNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("bluetooth") << 3;
    QTest::newRow("serial") << 4;
}

void TestMainWindow::noMediumSendsNothing()
{
    QFETCH(int, mode);
    PrinterSession &session = window->session();
    session.setMedium(mode);
    unsigned char out[frame::kQueryOutSize];
    memset(out, 0xAA, sizeof(out));
    QCOMPARE(session.queryInfo(INFO_PRINT_SPEED, out), -1);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(out), sizeof(out)), QByteArray(sizeof(out), '\0'));
    QCOMPARE(session.queryStatus(POWER_FIRMWARE_VERSION, out), -1);
    QCOMPARE(session.sendCommand(POWER_SELF_TEST), -1);
    QCOMPARE(session.sendSet(INFO_PRINT_SPEED, QByteArray(1, '\1')), -1);
    quint32 word = 1;
    QCOMPARE(session.readStatusWord(&word), -1);
    QCOMPARE(window->Ret_Handler(-1), 0);
    QVERIFY(recorder->messages.isEmpty());
}

void TestMainWindow::commandsNeedAnOpenPrinter_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const QString closed = QString::fromUtf8("请先打开设备");
    const int info = int(prompts::Kind::Information);
    QTest::newRow("information") << "pushButton_getPrinterInfo" << int(prompts::Kind::Critical)
                                 << QString::fromUtf8("设备未打开!");
    // Every button that talks to the printer, by the name after "pushButton_".
    const QString names = QStringLiteral(
        "GetPrinterStatus SelfCheck Reboot PrinterInit SeamLrn BlackLableLrn DACLrn OutietLrn "
        "NopaperLrn AllCut HalfCut StripMode TearMode KeySettingOpen KeySettingClose BuzzerOpen "
        "BuzzerClose PrintSettingRead DistanceSettingRead WifiSettingRead BleSettingRead "
        "NetportSettingRead ComSettingRead StripperSettingRead DownloadFW DownloadFL NetSetup");
    for (const QString &name : names.split(QLatin1Char(' ')))
        QTest::newRow(qPrintable(name)) << "pushButton_" + name << info << closed;
}

void TestMainWindow::commandsNeedAnOpenPrinter()
{
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(QString, text);
    auto *pushButton = window->findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(int(recorder->messages.at(0).kind), kind);
    QCOMPARE(recorder->messages.at(0).title, QString::fromUtf8("设置工具"));
    QCOMPARE(recorder->messages.at(0).text, text);
    QVERIFY(recorder->fileCaptions.isEmpty());
}

void TestMainWindow::openWithoutSelection()
{
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("请先选中打印列表中的打印机")});
    QVERIFY(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->isEnabled());
}

void TestMainWindow::controlAllWidgets()
{
    Ui::MainWindow *ui = window->ui;
    const QList<QWidget *> group{window->findChild<QPushButton *>(QStringLiteral("pushButton_close")), ui->tabWidget_2,
                                 window->findChild<QWidget *>("pushButton_getPrinterInfo"),
                                 window->findChild<QWidget *>("pushButton_Send"),
                                 window->findChild<QWidget *>("pushButton_SendFile")};
    window->controlAllWidgets(false);
    for (QWidget *w : group)
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->isEnabled());
    window->controlAllWidgets(true);
    for (QWidget *w : group)
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
}

void TestMainWindow::tipLabelGoesWithTabChange()
{
    window->show();
    auto *page = window->findChild<PrintPage *>();
    page->showInputTip(window->findChild<QLineEdit *>("lineEdit"), QStringLiteral("tip"));
    QPointer<QLabel> tip = page->currentTipLabel();
    QVERIFY(tip);
    QVERIFY(tip->isVisible());
    window->ui->tabWidget_2->setCurrentIndex(2);
    QVERIFY(!page->currentTipLabel());
    QTRY_VERIFY(tip.isNull());
}

void TestMainWindow::statusBarAndGeometry()
{
    QCOMPARE(window->findChild<QLabel *>("label_StatusConnection")->text(),
             QString::fromUtf8("未打开打印机"));
    window->Ret_Handler(6);
    QVERIFY(window->findChild<QLabel *>("label_StatusResult")
                ->text()
                .endsWith(QString::fromUtf8("网络通讯出错，请重试")));
    recorder->clear();
    window->findChild<QToolButton *>("toolButton_About")->click();
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY(recorder->messages.at(0).text.contains(QStringLiteral("libusb 1.")));
    QVERIFY(recorder->messages.at(0).text.contains(QStringLiteral("OpenSSL")));

    // Size and position come back at the next start; the label-size keys stay as they were.
    window->show();
    window->setGeometry(120, 80, 1000, 690);
    const QRect placed = window->geometry();
    window->close();
    delete window; // one window at a time: they share the download worker
    window = new MainWindow;
    QCOMPARE(window->geometry(), placed);
    const QStringList keys = QSettings(QStringLiteral("Company"), QStringLiteral("App")).allKeys();
    QVERIFY(!keys.contains(QStringLiteral("lineEdit_text")));
}

void TestMainWindow::cutDialog_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("ok") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
}

void TestMainWindow::cutDialog()
{
    QFETCH(int, button);
    QFETCH(int, result);
    CutDialog dialog(window);
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("设置工具"));
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), QString::fromUtf8("确定"));
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("取消"));
    QStringList labels;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QVERIFY(labels.contains(QString::fromUtf8("请确保打印机是否已经安装/连接对应剥离器")));
    dialog.show();
    QTest::mouseClick(box->button(QDialogButtonBox::StandardButton(button)), Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
