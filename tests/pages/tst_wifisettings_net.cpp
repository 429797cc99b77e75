// The WiFi page against the simulated printer: reads filled from its stored answers,
// writes that send only the changed groups, and the plain-value write on its own.
#include "netpagehelpers.h"
#include "provisioning/wificred.h"
#include "settings/wifipage.h"

namespace {

const QString kOk = QString::fromUtf8("处理成功");
const QString kRestart = QString::fromUtf8("处理成功，请重启打印机");
const QString kNetworkError = QString::fromUtf8("网络通讯出错，请重试");

struct WifiFixture : SessionFixture
{
    std::unique_ptr<WifiPage> page;

    // The stored IP answer points at loopback, so that an address a write hands to the
    // connection is loopback too.
    bool start(const QVariantMap &answers = {})
    {
        if (!SessionFixture::start())
            return false;
        printer->setValue(0x28, hexBytes("01 7F000001 7F000001 FFFFFF00 7F000001"));
        storeAnswers(*printer, answers);
        page = std::make_unique<WifiPage>(*session, *host);
        return true;
    }
    bool read()
    {
        click(page.get(), "pushButton_WifiSettingRead");
        const bool ok = recorder->texts() == QStringList{kOk};
        recorder->clear();
        printer->clearRecords();
        return ok;
    }
};

} // namespace

class TestWifiSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void provisioned_data();
    void provisioned();
    void unsetFieldsSendNothing();
};

void TestWifiSettingsNet::read_data()
{
    QTest::addColumn<QVariantMap>("answers");
    QTest::addColumn<int>("silentItem"); // -1: every query answered
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");
    const QStringList staAnswer{"comboBox_WifiMode=STA",
                                "lineEdit_WStaName=Office",
                                "lineEdit_WStaPassword=secret99",
                                "lineEdit_WApName=",
                                "lineEdit_WApIP=...",
                                "lineEdit_WApPort=9100",
                                "lineEdit_WApMAC=00:1A:2B:3C:4D:5E"};
    QTest::newRow("station") << QVariantMap{{"26", QByteArray("Office\0secret99\0", 16)}} << -1
                             << kOk << staAnswer;
    QTest::newRow("access point") << QVariantMap{{"30", hexBytes("02")},
                                                 {"27", QByteArray("Label-AP\0"
                                                                   "12345678\0"
                                                                   "192.168.4.1\0",
                                                                   30)}}
                                  << -1 << kOk
                                  << QStringList{
                                         "comboBox_WifiMode=AP", "lineEdit_WApName=Label-AP",
                                         "lineEdit_WApPassword=12345678",
                                         "lineEdit_WApIP=192.168.4.1", "lineEdit_WStaName="};
    // The printer answers the gateway before the mask; under DHCP the DNS box keeps its text.
    QTest::newRow("DHCP on") << QVariantMap{{"28",
                                             hexBytes("01 C0A80132 C0A80101 FFFFFF00 08080808")}}
                             << -1 << kOk << QStringList{"comboBox_WifiSetIPMode=DHCP ON",
                                                         "lineEdit_WifiSetIP=192.168.1.50",
                                                         "lineEdit_WifiSetGateway=192.168.1.1",
                                                         "lineEdit_WifiSetSubnetMask=255.255.255.0",
                                                         "lineEdit_WifiSetDNS=1.2.3.4",
                                                         "!lineEdit_WifiSetDNS"};
    QTest::newRow("DHCP off") << QVariantMap{{"28",
                                              hexBytes("00 0A000005 0A000001 FFFF0000 0A000002")}}
                              << -1 << kOk
                              << QStringList{"comboBox_WifiSetIPMode=DHCP OFF",
                                             "lineEdit_WifiSetGateway=10.0.0.1",
                                             "lineEdit_WifiSetSubnetMask=255.255.0.0",
                                             "lineEdit_WifiSetDNS=10.0.0.2", "lineEdit_WifiSetDNS"};
    // Each silent row waits for one reply time-out.
    QTest::newRow("port query ends the read")
        << QVariantMap{{"30", hexBytes("02")}} << 0x29 << kNetworkError
        << QStringList{"lineEdit_WApMAC=before", "!pushButton_WifiSettingSet"};
    QTest::newRow("access point query fails after the rest")
        << QVariantMap{{"30", hexBytes("02")}, {"3C", hexBytes("001A2B3C4D5E")}} << 0x27
        << kNetworkError
        << QStringList{"lineEdit_WApMAC=00:1A:2B:3C:4D:5E", "lineEdit_WApName=old",
                       "!pushButton_WifiSettingSet"};
    QTest::newRow("access point answer without its ends")
        << QVariantMap{{"30", hexBytes("02")}, {"27", QByteArray("AP-without-end")}} << -1
        << QString::fromUtf8("读取失败，请重试")
        << QStringList{"lineEdit_WApName=old", "lineEdit_WApIP=10.0.0.1",
                       "!pushButton_WifiSettingSet"};
    QTest::newRow("IP query") << QVariantMap{} << 0x28 << kNetworkError
                              << QStringList{"lineEdit_WApMAC=00:1A:2B:3C:4D:5E",
                                             "lineEdit_WifiSetDNS=1.2.3.4",
                                             "!pushButton_WifiSettingSet"};
}

void TestWifiSettingsNet::read()
{
    QFETCH(QVariantMap, answers);
    QFETCH(int, silentItem);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    WifiFixture f;
    QVERIFY(f.start(answers));
    // What an earlier printer left.
    fill(f.page.get(), {"lineEdit_WApName=old", "lineEdit_WApIP=10.0.0.1", "lineEdit_WStaName=old",
                        "lineEdit_WApMAC=before", "lineEdit_WifiSetDNS=1.2.3.4"});
    f.page->findChild<QPushButton *>("pushButton_WifiSettingSet")->setEnabled(true);
    if (silentItem >= 0)
        f.printer->setSilentItems({quint8(silentItem)});
    click(f.page.get(), "pushButton_WifiSettingRead");
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QCOMPARE(shown(f.page.get(), expected), expected);
    QVERIFY(f.host->controlsEnabled);
}

void TestWifiSettingsNet::write_data()
{
    QTest::addColumn<QVariantMap>("answers");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("target"); // address and TCP port handed on; none: refused
    QTest::addColumn<bool>("restart");
    QTest::newRow("nothing changed sends nothing")
        << QVariantMap{} << QStringList{} << QByteArrayList{} << kRestart
        << QStringList{"127.0.0.1", "9100"} << false;
    QTest::newRow("only the port")
        << QVariantMap{{"29", hexBytes("2823")}} << QStringList{"lineEdit_WApPort=9100"}
        << QByteArrayList{hexBytes("1BFFFE01 29 02 8C23 1BFEFF")} << kRestart
        << QStringList{"127.0.0.1", "9100"} << true;
    QTest::newRow("empty access point address goes as 192.168.1.1")
        << QVariantMap{{"30", hexBytes("02")}}
        << QStringList{"lineEdit_WApName=AP", "lineEdit_WApPassword=12345678", "lineEdit_WApIP="}
        << QByteArrayList{hexBytes("1BFFFE01 27 18") +
                          QByteArray("AP\0"
                                     "12345678\0"
                                     "192.168.1.1\0",
                                     24) +
                          hexBytes("1BFEFF")}
        << kRestart << QStringList{"", "9100"} << true;
    QTest::newRow("IP frame has the mask before the gateway")
        << QVariantMap{}
        << QStringList{"comboBox_WifiSetIPMode=0", "lineEdit_WifiSetIP=192.168.1.50",
                       "lineEdit_WifiSetSubnetMask=255.255.255.0",
                       "lineEdit_WifiSetGateway=192.168.1.1", "lineEdit_WifiSetDNS="}
        << QByteArrayList{hexBytes("1BFFFE01 28 11 00 C0A80132 FFFFFF00 C0A80101 00000000 1BFEFF")}
        << kRestart << QStringList{"192.168.1.50", "9100"} << true;
    QTest::newRow("every group in order")
        << QVariantMap{}
        << QStringList{"comboBox_WifiMode=1",           "lineEdit_WApName=A",
                       "lineEdit_WApPassword=abcdefgh", "lineEdit_WApIP=127.0.0.9",
                       "lineEdit_WApPort=9101",         "lineEdit_WifiSetDNS=9.1.2.3"}
        << QByteArrayList{hexBytes("1BFFFE01 30 01 02 1BFEFF"),
                          hexBytes("1BFFFE01 27 15") +
                              QByteArray("A\0abcdefgh\0"
                                         "127.0.0.9\0",
                                         21) +
                              hexBytes("1BFEFF"),
                          hexBytes("1BFFFE01 29 02 8D23 1BFEFF"),
                          hexBytes("1BFFFE01 28 11 01 7F000001 FFFFFF00 7F000001 09010203 1BFEFF")}
        << kRestart << QStringList{"127.0.0.9", "9101"} << true;
    // Refused before anything goes out, the mode frame included.
    QTest::newRow("short access point password")
        << QVariantMap{}
        << QStringList{"comboBox_WifiMode=1", "lineEdit_WApName=Label-AP",
                       "lineEdit_WApPassword=1234567", "lineEdit_WApPort=9200"}
        << QByteArrayList{} << QString::fromUtf8("AP模式的wifi密码最少为8位") << QStringList{}
        << false;
    QTest::newRow("port with a letter")
        << QVariantMap{} << QStringList{"comboBox_WifiMode=1", "lineEdit_WApPort=9100a"}
        << QByteArrayList{} << QString::fromUtf8("TCP端口号：输入无效，允许范围为 0 至 65535")
        << QStringList{} << false;
    QTest::newRow("DNS 999") << QVariantMap{} << QStringList{"lineEdit_WifiSetDNS=999.1.2.3"}
                             << QByteArrayList{}
                             << QString::fromUtf8("DNS：输入无效，允许范围为 0 至 255")
                             << QStringList{} << false;
}

void TestWifiSettingsNet::write()
{
    QFETCH(QVariantMap, answers);
    QFETCH(QStringList, edits);
    QFETCH(QByteArrayList, frames);
    QFETCH(QString, message);
    QFETCH(QStringList, target);
    QFETCH(bool, restart);
    WifiFixture f;
    QVERIFY(f.start(answers));
    QVERIFY(f.read());
    const int modeRead = f.session->wifiMode();
    fill(f.page.get(), edits);
    QSignalSpy moved(f.page.get(), &WifiPage::connectionTargetChanged);
    QSignalSpy restarting(f.page.get(), &WifiPage::restartPending);
    const qint64 before = f.printer->bytesReceived();
    click(f.page.get(), "pushButton_WifiSettingSet");
    QCOMPARE(settledFrames(*f.printer, frames.size(), before), frames);
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QCOMPARE(firstArgs(moved, 0, 1), target);
    QCOMPARE(restarting.count(), restart ? 1 : 0);
    // The snapshot follows a full write only.
    if (target.isEmpty())
        QCOMPARE(f.session->wifiMode(), modeRead);
    else
        QCOMPARE(f.session->wifiMode(),
                 f.page->findChild<QComboBox *>("comboBox_WifiMode")->currentIndex());
}

void TestWifiSettingsNet::provisioned_data()
{
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QByteArrayList>("frames"); // of a write right after
    QTest::newRow("taken by the printer") << true << QByteArrayList{};
    QTest::newRow("not taken") << false
                               << QByteArrayList{hexBytes("1BFFFE01 26 0D") +
                                                 QByteArray("Home\0pw12345\0", 13) +
                                                 hexBytes("1BFEFF")};
}

void TestWifiSettingsNet::provisioned()
{
    QFETCH(bool, taken);
    QFETCH(QByteArrayList, frames);
    WifiFixture f;
    QVERIFY(f.start());
    QVERIFY(f.read());
    WifiCred cred;
    cred.valid = true;
    cred.ssid = QStringLiteral("Home");
    cred.password = QStringLiteral("pw12345");
    f.page->noteProvisioned(cred, taken);
    QCOMPARE(shown(f.page.get(), {"lineEdit_WStaName=Home", "comboBox_WifiMode=STA"}),
             (QStringList{"lineEdit_WStaName=Home", "comboBox_WifiMode=STA"}));
    const qint64 before = f.printer->bytesReceived();
    click(f.page.get(), "pushButton_WifiSettingSet");
    QCOMPARE(settledFrames(*f.printer, frames.size(), before), frames);
}

void TestWifiSettingsNet::unsetFieldsSendNothing()
{
    SessionFixture f;
    QVERIFY(f.start());
    WifiSettings wanted;
    wanted.port = 9100;
    WifiGroups sent;
    QCOMPARE(writeWifiSettings(*f.session, WifiSettings(), WifiSettings(), &sent), 0);
    QVERIFY(!sent.any());
    const qint64 before = f.printer->bytesReceived();
    QCOMPARE(writeWifiSettings(*f.session, wanted, WifiSettings(), &sent), 0);
    QVERIFY(sent.port && !sent.mode && !sent.credentials && !sent.ip);
    QCOMPARE(settledFrames(*f.printer, 1, before),
             QByteArrayList{hexBytes("1BFFFE01 29 02 8C23 1BFEFF")});
}

QTEST_MAIN(TestWifiSettingsNet)
#include "tst_wifisettings_net.moc"
