// The connection panel on its own over TCP to the simulated printer: searching,
// opening and closing; and how the window follows the opened model.
#include "app/connectionpanel.h"
#include "netprinterfixture.h"
#include "sessionfixture.h"

#include <QComboBox>

namespace {

// A panel on a session, with the WiFi medium chosen and the printer's address typed.
struct PanelFixture
{
    SessionFixture base;
    std::unique_ptr<ConnectionPanel> panel;
    QSignalSpy *opened = nullptr;

    bool start(const QString &model = QStringLiteral("P1"))
    {
        if (!base.start(SessionFixture::configFor(model)))
            return false;
        base.session->close();
        panel = std::make_unique<ConnectionPanel>(*base.session, *base.host);
        opened = new QSignalSpy(panel.get(), &ConnectionPanel::printerOpened);
        QTest::mouseClick(child<QCheckBox>("checkBox_WIFI"), Qt::LeftButton);
        panel->setConnectAddress(QStringLiteral("127.0.0.1"));
        panel->setTcpPort(QString::number(base.printer->tcpPort()));
        return base.session->medium() == MEDIUM_NETWORK;
    }
    ~PanelFixture()
    {
        delete opened;
        panel.reset();
    }
    template <typename T> T *child(const char *name) const
    {
        return panel->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QStringList texts() const { return base.recorder->texts(); }
};

} // namespace

class TestDeviceListNet : public QObject
{
    Q_OBJECT
private slots:
    void searchOpenClose();
    void failures_data();
    void failures();
    void openAdaptsTheWindow_data();
    void openAdaptsTheWindow();
};

void TestDeviceListNet::searchOpenClose()
{
    PanelFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    f.click("pushButton_getList");
    auto *list = f.child<QComboBox>("comboBox_ScanResult");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->itemText(0), QStringLiteral("Label [K53TA] {127.0.0.1}"));
    QVERIFY(f.texts().isEmpty());
    QCOMPARE(f.base.printer->udpRequestCount(), 0);
    QVERIFY(!f.panel->searchRunning());

    f.base.session->setStripperConfirmed(true);
    f.click("pushButton_open");
    QCOMPARE(f.texts(), QStringList{QString::fromUtf8("连接成功！")});
    QCOMPARE(f.opened->size(), 1);
    QVERIFY(f.panel->isOpen());
    QCOMPARE(f.base.session->dotsPerMm(), 12);
    QVERIFY(!f.base.session->stripperConfirmed());
    const char *const locked[] = {"pushButton_getList",  "checkBox_USB",   "checkBox_NET",
                                  "checkBox_WIFI",       "checkBox_BLE",   "checkBox_Serialport",
                                  "comboBox_ScanResult", "pushButton_open"};
    for (const char *name : locked)
        QVERIFY2(!f.child<QWidget>(name)->isEnabled(), name);
    QVERIFY(f.child<QWidget>("pushButton_close")->isEnabled());

    // An exchange holds the printer: the panel rests, then gets its own states back.
    f.panel->followPrinterHeld(true);
    QVERIFY(!f.child<QWidget>("pushButton_close")->isEnabled());
    QVERIFY(!f.child<QWidget>("groupBox_ConnectMode")->isEnabled());
    f.panel->followPrinterHeld(false);
    QVERIFY(f.child<QWidget>("pushButton_close")->isEnabled());
    QVERIFY(!f.child<QWidget>("pushButton_open")->isEnabled());

    f.base.recorder->clear();
    QSignalSpy closed(f.panel.get(), &ConnectionPanel::printerClosed);
    f.click("pushButton_close");
    QCOMPARE(f.texts(), QStringList{QString::fromUtf8("关闭成功！")});
    QCOMPARE(closed.size(), 1);
    QVERIFY(!f.base.session->link());
    for (const char *name : {"pushButton_getList", "checkBox_USB", "checkBox_NET", "checkBox_WIFI",
                             "comboBox_ScanResult", "pushButton_open"})
        QVERIFY2(f.child<QWidget>(name)->isEnabled(), name);
    QVERIFY(!f.child<QWidget>("pushButton_close")->isEnabled());

    // The entry is still listed: opening it again connects without a new search.
    f.base.recorder->clear();
    const int connections = f.base.printer->connectionCount();
    f.click("pushButton_open");
    QCOMPARE(f.texts(), QStringList{QString::fromUtf8("连接成功！")});
    QTRY_COMPARE(f.base.printer->connectionCount(), connections + 1);
}

void TestDeviceListNet::failures_data()
{
    QTest::addColumn<bool>("search");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing found")
        << true << QString() << QString::fromUtf8("请确保通讯设备已开启");
    QTest::newRow("printer gone between search and open")
        << false << "Label [P1] {127.0.0.1}" << QString::fromUtf8("连接超时，请重试！");
    QTest::newRow("open without an entry")
        << false << QString() << QString::fromUtf8("请先选中打印列表中的打印机");
}

void TestDeviceListNet::failures()
{
    QFETCH(bool, search);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    PanelFixture f;
    QVERIFY(f.start());
    f.base.printer->stop();
    if (!entry.isEmpty())
        f.child<QComboBox>("comboBox_ScanResult")->addItem(entry);
    f.click(search ? "pushButton_getList" : "pushButton_open");
    QCOMPARE(f.texts(), QStringList{message});
    QCOMPARE(f.child<QComboBox>("comboBox_ScanResult")->count(), entry.isEmpty() ? 0 : 1);
    QCOMPARE(f.opened->size(), 0);
    QVERIFY(!f.panel->isOpen());
    QVERIFY(f.child<QWidget>("pushButton_getList")->isEnabled());
    QVERIFY(f.child<QWidget>("checkBox_WIFI")->isEnabled());
    QVERIFY(!f.child<QWidget>("pushButton_close")->isEnabled());
    QVERIFY(!f.base.session->link());
}

void TestDeviceListNet::openAdaptsTheWindow_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<bool>("settingsTabs");
    QTest::newRow("K53TA") << "K53TA" << true << true;
    QTest::newRow("P1") << "P1" << false << true;
    QTest::newRow("WX-310") << "WX-310" << false << false;
}

void TestDeviceListNet::openAdaptsTheWindow()
{
    QFETCH(QString, model);
    QFETCH(bool, printMode);
    QFETCH(bool, settingsTabs);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    Ui::MainWindow *ui = f.window->ui;
    f.window->findChild<QPushButton *>("pushButton_PrintSettingSet")->setEnabled(true);
    QVERIFY(f.open());
    QCOMPARE(f.window->findChild<QComboBox *>("comboBox_PrintSpeed")->count(), printMode ? 8 : 4);
    QCOMPARE(ui->toolBox_PrinterSetting->isItemEnabled(6), printMode);
    QCOMPARE(!f.window->findChild<QWidget *>("comboBox_PrintMode")->testAttribute(Qt::WA_ForceDisabled), printMode);
    QCOMPARE(ui->tabWidget_2->isTabEnabled(0), settingsTabs);
    QCOMPARE(ui->tabWidget_2->isTabEnabled(1), settingsTabs);
    QCOMPARE(f.window->findChild<QWidget *>("pushButton_DownloadFL")->isEnabled(), settingsTabs);
    QVERIFY(!f.window->findChild<QPushButton *>("pushButton_PrintSettingSet")->isEnabled());
    QVERIFY(f.window->isDeviceOpen());
}

QTEST_MAIN(TestDeviceListNet)
#include "tst_devicelist_net.moc"
