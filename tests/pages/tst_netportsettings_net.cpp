// The Ethernet port page against the simulated printer: the read, the address and port
// frames on the wire, refused fields, and what a successful write hands on.
#include "netpagehelpers.h"
#include "settings/ethernetpage.h"

namespace {

const QString kOk = QString::fromUtf8("处理成功");
const QString kNetworkError = QString::fromUtf8("网络通讯出错，请重试");

} // namespace

class TestNetportSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void write_data();
    void write();
};

void TestNetportSettingsNet::read_data()
{
    QTest::addColumn<int>("silentItem"); // -1: both answered; else one reply time-out
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("both") << -1 << kOk
                          << QStringList{"comboBox_NetportIPMode=DHCP ON",
                                         "lineEdit_NetportIP=192.168.1.100",
                                         "lineEdit_NetportSubnetMask=255.255.255.0",
                                         "lineEdit_NetportGateway=192.168.1.1",
                                         "lineEdit_NetportTCPPort=9024",
                                         "lineEdit_NetportUDPPort=9025",
                                         "pushButton_NetportSettingSet"};
    QTest::newRow("port query fails, the addresses still read")
        << 0x0F << kNetworkError
        << QStringList{"lineEdit_NetportIP=192.168.1.100", "lineEdit_NetportTCPPort=old",
                       "!pushButton_NetportSettingSet"};
    QTest::newRow("address query fails")
        << 0x0D << kNetworkError
        << QStringList{"lineEdit_NetportIP=old", "comboBox_NetportIPMode=DHCP OFF",
                       "lineEdit_NetportTCPPort=9024", "!pushButton_NetportSettingSet"};
}

void TestNetportSettingsNet::read()
{
    QFETCH(int, silentItem);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    SessionFixture f;
    QVERIFY(f.start());
    EthernetPage page(*f.session, *f.host);
    fill(&page,
         {"comboBox_NetportIPMode=1", "lineEdit_NetportIP=old", "lineEdit_NetportTCPPort=old"});
    f.printer->setValue(0x0D, hexBytes("00 C0A80164 FFFFFF00 C0A80101"));
    f.printer->setValue(0x0F, hexBytes("4023 4123"));
    if (silentItem >= 0)
        f.printer->setSilentItems({quint8(silentItem)});
    click(&page, "pushButton_NetportSettingRead");
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QCOMPARE(shown(&page, expected), expected);
    QVERIFY(f.host->controlsEnabled);
}

void TestNetportSettingsNet::write_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("target"); // TCP and UDP port handed on; none: not written
    const QStringList done{QString::fromUtf8("处理成功，请重启打印机"), kOk};
    const auto refused = [](const char *text) { return QStringList{QString::fromUtf8(text)}; };
    const QString range = QString::fromUtf8("：输入无效，允许范围为 0 至 ");
    QTest::newRow("DHCP off, 9100 and 9101")
        << QStringList{"comboBox_NetportIPMode=1",
                       "lineEdit_NetportIP=192.168.1.100",
                       "lineEdit_NetportSubnetMask=255.255.255.0",
                       "lineEdit_NetportGateway=192.168.1.1",
                       "lineEdit_NetportTCPPort=9100",
                       "lineEdit_NetportUDPPort=9101"}
        << QByteArrayList{hexBytes("1BFFFE01 0D 0D 01 C0A80164 FFFFFF00 C0A80101 1BFEFF"),
                          hexBytes("1BFFFE01 0F 04 8C23 8D23 1BFEFF")}
        << done << QStringList{"9100", "9101"};
    QTest::newRow("empty TCP port sends 0 and hands on nothing for it")
        << QStringList{"comboBox_NetportIPMode=0",
                       "lineEdit_NetportIP=10.0.0.2",
                       "lineEdit_NetportSubnetMask=255.0.0.0",
                       "lineEdit_NetportGateway=10.0.0.1",
                       "lineEdit_NetportTCPPort=",
                       "lineEdit_NetportUDPPort=9101"}
        << QByteArrayList{hexBytes("1BFFFE01 0D 0D 00 0A000002 FF000000 0A000001 1BFEFF"),
                          hexBytes("1BFFFE01 0F 04 0000 8D23 1BFEFF")}
        << done << QStringList{"", "9101"};
    QTest::newRow("three parts") << QStringList{"lineEdit_NetportIP=192.168.1"} << QByteArrayList{}
                                 << refused("地址格式错误，请输入如192.168.1.100的四段地址")
                                 << QStringList{};
    QTest::newRow("UDP port 70000")
        << QStringList{"lineEdit_NetportUDPPort=70000"} << QByteArrayList{}
        << QStringList{QString::fromUtf8("UDP端口号") + range + "65535"} << QStringList{};
}

void TestNetportSettingsNet::write()
{
    QFETCH(QStringList, edits);
    QFETCH(QByteArrayList, frames);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, target);
    SessionFixture f;
    QVERIFY(f.start());
    EthernetPage page(*f.session, *f.host);
    click(&page, "pushButton_NetportSettingRead");
    f.recorder->clear();
    f.printer->clearRecords();
    fill(&page, edits);
    QSignalSpy moved(&page, &EthernetPage::connectionTargetChanged);
    QSignalSpy restarting(&page, &EthernetPage::restartPending);
    const qint64 before = f.printer->bytesReceived();
    click(&page, "pushButton_NetportSettingSet");
    QCOMPARE(settledFrames(*f.printer, frames.size(), before), frames);
    QCOMPARE(f.recorder->texts(), messages);
    QCOMPARE(firstArgs(moved, 1, 2), target);
    QCOMPARE(restarting.count(), target.isEmpty() ? 0 : 1);
}

QTEST_MAIN(TestNetportSettingsNet)
#include "tst_netportsettings_net.moc"
