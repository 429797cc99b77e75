// Searching, opening and closing a network printer, and how the pages follow its
// model.
#include "netprinterfixture.h"

class TestDeviceListNet : public QObject
{
    Q_OBJECT
private slots:
    void refreshListsTypedAddress();
    void openAdaptsToModel_data();
    void openAdaptsToModel();
    void openLocksPanelAndCloseUnlocks();
    void failedOpenLocksNothing();
    void nothingFoundIsReported();
    void newSearchReplacesTransport();
};

void TestDeviceListNet::refreshListsTypedAddress()
{
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QTest::mouseClick(f.window->ui->pushButton_getList, Qt::LeftButton);
    QCOMPARE(f.window->ui->comboBox_ScanResult->count(), 1);
    QCOMPARE(f.window->ui->comboBox_ScanResult->itemText(0),
             QStringLiteral("Label [K53TA] {127.0.0.1}"));
    QVERIFY(f.recorder->messages.isEmpty());
    QVERIFY(!getListStatus);
    QCOMPARE(f.printer->udpRequestCount(), 0);
}

void TestDeviceListNet::openAdaptsToModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("dotsPerMm");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<bool>("settingsTabs");
    QTest::newRow("K53TA") << "K53TA" << 12 << true << true;
    QTest::newRow("M919") << "M919" << 12 << false << true;
    QTest::newRow("P1") << "P1" << 8 << false << true;
    QTest::newRow("WX-310") << "WX-310" << 8 << false << false;
}

// Enabled by its own state, whatever its tab is.
static bool enabledItself(const QWidget *w)
{
    return !w->testAttribute(Qt::WA_ForceDisabled);
}

void TestDeviceListNet::openAdaptsToModel()
{
    QFETCH(QString, model);
    QFETCH(int, dotsPerMm);
    QFETCH(bool, printMode);
    QFETCH(bool, settingsTabs);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    Ui::MainWindow *ui = f.window->ui;
    CHECK_STATUES = 1;
    ui->pushButton_PrintSettingSet->setEnabled(true);
    QVERIFY(f.open());
    QCOMPARE(mmToDot, dotsPerMm);
    QCOMPARE(printModeFlag, printMode ? 1 : 0);
    QCOMPARE(ui->comboBox_PrintSpeed->count(), printMode ? 8 : 4);
    QCOMPARE(ui->toolBox_PrinterSetting->isItemEnabled(6), printMode);
    QCOMPARE(enabledItself(ui->comboBox_PrintMode), printMode);
    QCOMPARE(enabledItself(ui->comboBox_AutoPaper), !printMode);
    QCOMPARE(ui->tabWidget_2->isTabEnabled(0), settingsTabs);
    QCOMPARE(ui->tabWidget_2->isTabEnabled(1), settingsTabs);
    QCOMPARE(f.window->findChild<QWidget *>("pushButton_DownloadFL")->isEnabled(), settingsTabs);
    QCOMPARE(CHECK_STATUES, 0);
    QVERIFY(!ui->pushButton_PrintSettingSet->isEnabled());
}

void TestDeviceListNet::openLocksPanelAndCloseUnlocks()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    Ui::MainWindow *ui = f.window->ui;
    QVERIFY(f.open());
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI,
             ui->checkBox_BLE, ui->checkBox_Serialport, ui->comboBox_ScanResult,
             ui->pushButton_open})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(ui->pushButton_close->isEnabled());
    QVERIFY(f.window->isDeviceOpen());

    QTest::mouseClick(ui->pushButton_close, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("关闭成功！")});
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI,
             ui->comboBox_ScanResult, ui->pushButton_open})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!ui->pushButton_close->isEnabled());
    QVERIFY(!contrlNet);

    // The entry is still listed: opening it again connects without a new search.
    f.recorder->clear();
    const int connections = f.printer->connectionCount();
    QTest::mouseClick(ui->pushButton_open, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("连接成功！")});
    QVERIFY(f.window->isDeviceOpen());
    QTRY_COMPARE(f.printer->connectionCount(), connections + 1);
}

void TestDeviceListNet::failedOpenLocksNothing()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    Ui::MainWindow *ui = f.window->ui;
    QTest::mouseClick(ui->pushButton_getList, Qt::LeftButton);
    QCOMPARE(ui->comboBox_ScanResult->count(), 1);
    f.printer->stop(); // the printer goes away between search and open
    QTest::mouseClick(ui->pushButton_open, Qt::LeftButton);
    QCOMPARE(f.recorder->messages.size(), 1);
    QCOMPARE(f.recorder->messages.at(0).text, QString::fromUtf8("连接超时，请重试！"));
    QVERIFY(ui->pushButton_open->isEnabled());
    QVERIFY(ui->checkBox_WIFI->isEnabled());
    QVERIFY(!ui->pushButton_close->isEnabled());
    QVERIFY(ui->centralwidget->isEnabled());
}

void TestDeviceListNet::nothingFoundIsReported()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    f.printer->stop();
    QTest::mouseClick(f.window->ui->pushButton_getList, Qt::LeftButton);
    QCOMPARE(f.window->ui->comboBox_ScanResult->count(), 0);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("请确保通讯设备已开启")});
    QVERIFY(f.window->ui->pushButton_getList->isEnabled());
}

void TestDeviceListNet::newSearchReplacesTransport()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QTest::mouseClick(f.window->ui->pushButton_getList, Qt::LeftButton);
    QPointer<DeviceIoContrl_Net> first = contrlNet;
    QVERIFY(first);
    QTest::mouseClick(f.window->ui->pushButton_getList, Qt::LeftButton);
    QVERIFY(contrlNet);
    QVERIFY(contrlNet != first.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    // The newest transport still works.
    QTest::mouseClick(f.window->ui->pushButton_open, Qt::LeftButton);
    QCOMPARE(f.recorder->lastText(), QString::fromUtf8("连接成功！"));
}

QTEST_MAIN(TestDeviceListNet)
#include "tst_devicelist_net.moc"
