// The WiFi, Ethernet port, Bluetooth and serial pages against the simulated printer: each row reads
// the page over what an earlier printer left and, when it names a write, then writes its edits.
#include "pagetest.h"
#include "core/hostwifi/wificred.h"
#include "sessionfixture.h"
#include "gui/pages/bluetoothpage.h"
#include "gui/pages/ethernetpage.h"
#include "core/settings/settingtable.h"
#include "gui/pages/wifipage.h"

#include <QTextCodec>

namespace {

const QString kRestart = QString::fromUtf8("处理成功，请重启打印机");
const QString kReadFailed = QString::fromUtf8("读取失败，请重试");

} // namespace

class TestLinkSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    // Texts go out in the local 8-bit encoding.
    void initTestCase() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }
    void readThenWrite_data();
    void readThenWrite();
    void cancelledWifiWrite();
    void serialListsMatchTheTable_data();
    void serialListsMatchTheTable();
};

void TestLinkSettingsNet::readThenWrite_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QVariantMap>("answers");
    QTest::addColumn<int>("silentItem"); // -1: all answered; else one reply time-out
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("read");     // the message, then what the page shows
    QTest::addColumn<QString>("queried");  // checked when given
    QTest::addColumn<QString>("edits");    // "@taken"/"@offered": credentials provisioned
    QTest::addColumn<QString>("frames");   // "CC II: data"; "*" for a frame not the row's concern
    QTest::addColumn<QString>("messages"); // none: no write
    QTest::addColumn<QString>("target");   // address, TCP and UDP port handed on
    const QString wifiOld = "lineEdit_WApName=old;lineEdit_WApIP=10.0.0.1;lineEdit_WStaName=old;"
                            "lineEdit_WApMAC=before;lineEdit_WifiSetDNS=1.2.3.4";
    const QString netOld =
        "comboBox_NetportIPMode=1;lineEdit_NetportIP=old;lineEdit_NetportTCPPort=old";
    const QString bleOld = "lineEdit_SppPin=old;lineEdit_SppMAC=old";
    const QString comOld = "comboBox_ComBaud=3;lineEdit_ComDeviceInfo=old";
    const QString restart = kRestart + ";" + kOk;
    const auto hexOf = [](const QByteArray &data) { return QString(data.toHex().toUpper()); };
    const auto refused = [](const char *page, const QString &edits, const QString &message) {
        QTest::newRow(qPrintable(edits)) << page << QVariantMap{} << -1 << QString() << kOk
                                         << QString() << edits << QString() << message << QString();
    };
    const auto failed = [](const char *name, const char *page, const QVariantMap &answers,
                           int silent, const QString &before, const QString &read,
                           const char *queried = "") {
        QTest::newRow(name) << page << answers << silent << before << read << queried << QString()
                            << QString() << QString() << QString();
    };

    QTest::newRow("WiFi station, nothing changed sends nothing")
        << "Wifi" << QVariantMap{{"26", QByteArray("Office\0secret99\0", 16)}} << -1 << wifiOld
        << kOk + ";comboBox_WifiMode=STA;lineEdit_WStaName=Office;lineEdit_WStaPassword=secret99;"
                 "lineEdit_WApName=;lineEdit_WApIP=...;lineEdit_WApPort=9100;"
                 "lineEdit_WApMAC=00:1A:2B:3C:4D:5E"
        << QString() << QString() << QString() << kRestart << "127.0.0.1;9100;";
    // An empty access point address goes as 192.168.1.1.
    QTest::newRow("WiFi access point")
        << "Wifi"
        << QVariantMap{{"30", hexBytes("02")},
                       {"27", QByteArray("Label-AP\0"
                                         "12345678\0"
                                         "192.168.4.1\0",
                                         30)}}
        << -1 << wifiOld
        << kOk + ";comboBox_WifiMode=AP;lineEdit_WApName=Label-AP;lineEdit_WApPassword=12345678;"
                 "lineEdit_WApIP=192.168.4.1;lineEdit_WStaName="
        << QString() << "lineEdit_WApName=AP;lineEdit_WApPassword=12345678;lineEdit_WApIP="
        << "01 27: 415000 313233343536373800 3139322E3136382E312E3100" << kRestart << ";9100;";
    // The printer answers the gateway before the mask, and takes the mask first; under DHCP
    // the DNS box keeps its text.
    QTest::newRow("WiFi DHCP on, then off")
        << "Wifi" << QVariantMap{{"28", hexBytes("01 C0A80132 C0A80101 FFFFFF00 08080808")}} << -1
        << wifiOld
        << kOk + ";comboBox_WifiSetIPMode=DHCP ON;lineEdit_WifiSetIP=192.168.1.50;"
                 "lineEdit_WifiSetGateway=192.168.1.1;lineEdit_WifiSetSubnetMask=255.255.255.0;"
                 "lineEdit_WifiSetDNS=1.2.3.4;!lineEdit_WifiSetDNS"
        << QString() << "comboBox_WifiSetIPMode=0;lineEdit_WifiSetDNS="
        << "01 28: 00 C0A80132 FFFFFF00 C0A80101 00000000" << kRestart << "192.168.1.50;9100;";
    QTest::newRow("WiFi DHCP off, then every group in order")
        << "Wifi" << QVariantMap{{"28", hexBytes("00 0A000005 0A000001 FFFF0000 0A000002")}} << -1
        << wifiOld
        << kOk + ";comboBox_WifiSetIPMode=DHCP OFF;lineEdit_WifiSetGateway=10.0.0.1;"
                 "lineEdit_WifiSetSubnetMask=255.255.0.0;lineEdit_WifiSetDNS=10.0.0.2;"
                 "lineEdit_WifiSetDNS"
        << QString()
        << "comboBox_WifiMode=1;lineEdit_WApName=A;lineEdit_WApPassword=abcdefgh;"
           "lineEdit_WApIP=127.0.0.9;lineEdit_WApPort=9101;lineEdit_WifiSetDNS=9.1.2.3"
        << "01 30: 02;01 27: 4100 616263646566676800 3132372E302E302E3900;01 29: 8D23;01 28: 00 "
           "0A000005 FFFF0000 0A000001 09010203"
        << kRestart << "127.0.0.9;9101;";
    QTest::newRow("WiFi provisioned, taken by the printer")
        << "Wifi" << QVariantMap{} << -1 << QString() << kOk << QString() << "@taken" << QString()
        << kRestart << "127.0.0.1;9100;";
    QTest::newRow("WiFi provisioned, not taken")
        << "Wifi" << QVariantMap{} << -1 << QString() << kOk << QString() << "@offered"
        << "01 26: 486F6D6500 7077313233343500" << kRestart << "127.0.0.1;9100;";
    // Each silent row waits for one reply time-out.
    failed("WiFi port query ends the read", "Wifi", {{"30", hexBytes("02")}}, 0x29, wifiOld,
           kNetworkError + ";lineEdit_WApMAC=before;!pushButton_WifiSettingSet");
    // Only an access point answer that cannot be read is reported; an unanswered one lets
    // the read go on, and the boxes it left unread keep the set button off.
    failed("WiFi access point query unanswered, the read goes on", "Wifi",
           {{"30", hexBytes("02")}, {"3C", hexBytes("001A2B3C4D5E")}}, 0x27, wifiOld,
           kReadFailed + ";lineEdit_WApMAC=00:1A:2B:3C:4D:5E;lineEdit_WApName=old;"
                         "!pushButton_WifiSettingSet",
           "30 27 29 3C 28");
    failed("WiFi access point answer without its ends", "Wifi",
           {{"30", hexBytes("02")}, {"27", QByteArray("AP-without-end")}}, -1, wifiOld,
           kReadFailed +
               ";lineEdit_WApName=old;lineEdit_WApIP=10.0.0.1;!pushButton_WifiSettingSet");
    failed("WiFi IP query", "Wifi", {}, 0x28, wifiOld,
           kReadFailed + ";lineEdit_WApMAC=00:1A:2B:3C:4D:5E;lineEdit_WifiSetDNS=1.2.3.4;"
                         "!pushButton_WifiSettingSet");
    // The access point address goes out with its frame but does not make the frame changed.
    const QVariantMap accessPoint{{"30", hexBytes("02")},
                                  {"27", QByteArray("Label-AP\0"
                                                    "12345678\0"
                                                    "127.0.0.1\0",
                                                    28)}};
    QTest::newRow("WiFi access point address alone changed: nothing sent")
        << "Wifi" << accessPoint << -1 << wifiOld << kOk << QString() << "lineEdit_WApIP=127.0.0.9"
        << QString() << kRestart << "127.0.0.9;9100;";
    // Refused before anything goes out, the mode frame included.
    refused("Wifi",
            "comboBox_WifiMode=1;lineEdit_WApName=Label-AP;lineEdit_WApPort=9200;"
            "lineEdit_WApPassword=1234567",
            "AP模式的wifi密码最少为8位");
    refused("Wifi", "lineEdit_WifiSetDNS=999.1.2.3", refusal("DNS", "0 至 255"));

    QTest::newRow("Ethernet read, then DHCP off, 9100 and 9101")
        << "Netport" << QVariantMap{} << -1 << netOld
        << kOk + ";comboBox_NetportIPMode=DHCP ON;lineEdit_NetportIP=192.168.1.100;"
                 "lineEdit_NetportSubnetMask=255.255.255.0;lineEdit_NetportGateway=192.168.1.1;"
                 "lineEdit_NetportTCPPort=9024;lineEdit_NetportUDPPort=9025;"
                 "pushButton_NetportSettingSet"
        << QString()
        << "comboBox_NetportIPMode=1;lineEdit_NetportTCPPort=9100;lineEdit_NetportUDPPort=9101"
        << "01 0D: 01 C0A80164 FFFFFF00 C0A80101;01 0F: 8C23 8D23" << restart << ";9100;9101";
    QTest::newRow("Ethernet empty TCP port sends 0 and hands on nothing for it")
        << "Netport" << QVariantMap{} << -1 << QString() << kOk << QString()
        << "comboBox_NetportIPMode=0;lineEdit_NetportIP=10.0.0.2;"
           "lineEdit_NetportSubnetMask=255.0.0.0;lineEdit_NetportGateway=10.0.0.1;"
           "lineEdit_NetportTCPPort=;lineEdit_NetportUDPPort=9101"
        << "01 0D: 00 0A000002 FF000000 0A000001;01 0F: 0000 8D23" << restart << ";;9101";
    // The port query's result is not the page's; the ports it left unread keep the set
    // button off.
    failed("Ethernet port query unanswered, the address read all the same", "Netport", {}, 0x0F,
           netOld,
           kReadFailed + ";lineEdit_NetportIP=192.168.1.100;lineEdit_NetportTCPPort=old;"
                         "!pushButton_NetportSettingSet",
           "0F 0D");
    failed("Ethernet address query fails", "Netport", {}, 0x0D, netOld,
           kNetworkError + ";lineEdit_NetportIP=old;comboBox_NetportIPMode=DHCP OFF;"
                           "lineEdit_NetportTCPPort=9024;!pushButton_NetportSettingSet");
    refused("Netport", "lineEdit_NetportIP=192.168.1",
            "地址格式错误，请输入如192.168.1.100的四段地址");
    refused("Netport", "lineEdit_NetportTCPPort=-1", refusal("TCP端口号", "0 至 65535"));

    QTest::newRow("Bluetooth")
        << "Ble"
        << QVariantMap{{"2B", QByteArray("SPP-1\0", 6)},
                       {"2C", QByteArray("BLE-1\0", 6)},
                       {"2F", hexBytes("01")},
                       {"2E", QByteArray("4321\0", 5)},
                       {"3C", hexBytes("000000000000 A1B2C30D0E0F")}}
        << -1 << bleOld
        << kOk + ";lineEdit_SppName=SPP-1;lineEdit_SppBLE=BLE-1;comboBox_SppMode=配对码配对;"
                 "lineEdit_SppPin=4321;lineEdit_SppMAC=A1:B2:C3:0D:0E:0F;pushButton_BleSettingSet"
        << "2B 2C 2F 2E 3C"
        << "lineEdit_SppName=AB;lineEdit_SppBLE=;lineEdit_SppPin=0000;comboBox_SppMode=1"
        << "01 2B: 414200;01 2C: 00;01 2F: 01;01 2E: 3030303000" << restart << QString();
    failed("Bluetooth stops at the first failure", "Ble", {{"2B", QByteArray("SPP-2\0", 6)}}, 0x2F,
           bleOld,
           kNetworkError + ";lineEdit_SppName=SPP-2;lineEdit_SppPin=old;lineEdit_SppMAC=old;"
                           "!pushButton_BleSettingSet",
           "2B 2C 2F");
    // One frame carries the length byte: a text longer than it holds is refused, not cut.
    refused("Ble", "lineEdit_SppPin=" + QString(255, 'x'), refusal("SPP_PIN码", "0 至 254"));
    QTest::newRow("Bluetooth 254 ASCII characters")
        << "Ble" << QVariantMap{} << -1 << QString() << kOk << QString()
        << "lineEdit_SppPin=" + QString(254, 'x')
        << "*;*;*;01 2E: " + hexOf(QByteArray(254, 'x') + '\0') << restart << QString();
    QTest::newRow("serial, then 115200, 0, 8bit, 1bit")
        << "Com"
        << QVariantMap{{"0E", hexBytes("07 02 01 01")},
                       {"0C", QByteArray("P\0Q\0R\0S\0T\0", 10)},
                       {"10", QByteArray("SN-42\0", 6)}}
        << -1 << comOld
        << kOk + ";comboBox_ComBaud=115200;comboBox_ComParityBit=2;comboBox_ComDataBit=7bit;"
                 "comboBox_ComStopBit=2bit;lineEdit_ComDeviceInfo=R;!lineEdit_ComDeviceInfo;"
                 "lineEdit_ComSN=SN-42;pushButton_ComSettingSet"
        << "0E 0C 10"
        << "comboBox_ComParityBit=0;comboBox_ComDataBit=0;comboBox_ComStopBit=0;lineEdit_ComSN=S1"
        << "01 0E: 07000000;01 10: 533100" << kOk << QString();
    // Only the serial number's query is reported: the device information is shown, never
    // written, so its silence keeps the set button on.
    failed("serial device information unanswered", "Com", {{"0E", hexBytes("07 02 01 01")}}, 0x0C,
           comOld,
           kOk + ";comboBox_ComBaud=115200;lineEdit_ComDeviceInfo=old;pushButton_ComSettingSet",
           "0E 0C 10");
    failed("serial parameters unanswered", "Com", {}, 0x0E, comOld,
           kReadFailed + ";comboBox_ComBaud=#3;lineEdit_ComSN=K53TA2401000123;"
                         "!pushButton_ComSettingSet",
           "0E 0C 10");
    // The strings are looked for in the whole zeroed reply area: the zeros after the
    // answer end its last string.
    failed("serial device information of four strings, the last unended", "Com",
           {{"0C", QByteArray("P\0Q\0X\0S", 7)}}, -1, comOld,
           kOk + ";lineEdit_ComDeviceInfo=X;!lineEdit_ComDeviceInfo;pushButton_ComSettingSet",
           "0E 0C 10");
    failed("serial device information of two strings", "Com", {{"0C", QByteArray("P\0Q", 3)}}, -1,
           comOld, kOk + ";lineEdit_ComDeviceInfo=;!lineEdit_ComDeviceInfo", "0E 0C 10");
    // An answer the list lacks stays as the printer has it, until the user picks one (a list
    // of its own: the print page's rows). One frame holds four lists: the unknown one goes
    // back as the printer gave it.
    const QVariantMap baud20{{"0E", hexBytes("20 01 00 01")}, {"10", QByteArray("S1\0", 3)}};
    const QString serialNumber = ";01 10: 533100";
    QTest::newRow("serial baud 0x20 goes back as it came")
        << "Com" << baud20 << -1 << QString() << kOk + ";comboBox_ComBaud=?未知" << QString()
        << QString() << "01 0E: 20010001" + serialNumber << kOk << QString();
    QTest::newRow("serial baud 0x20, then 4800 picked")
        << "Com" << baud20 << -1 << QString() << kOk << QString() << "comboBox_ComBaud=0"
        << "01 0E: 00010001" + serialNumber << kOk << QString();
}

void TestLinkSettingsNet::readThenWrite()
{
    QFETCH(QString, page);
    QFETCH(QVariantMap, answers);
    QFETCH(int, silentItem);
    QFETCH(QString, before);
    QFETCH(QString, read);
    QFETCH(QString, queried);
    QFETCH(QString, edits);
    QFETCH(QString, frames);
    QFETCH(QString, messages);
    QFETCH(QString, target);
    SessionFixture f;
    QVERIFY(f.start());
    WifiPage wifi(*f.session, *f.host);
    EthernetPage ethernet(*f.session, *f.host);
    BluetoothPage bluetooth(*f.session, *f.host);
    SerialPage serial(*f.session, *f.host);
    QWidget *w = page == "Wifi"      ? static_cast<QWidget *>(&wifi)
                 : page == "Netport" ? static_cast<QWidget *>(&ethernet)
                 : page == "Ble"     ? static_cast<QWidget *>(&bluetooth)
                                     : &serial;
    // Loopback, so that an address a WiFi write hands on is loopback too.
    f.printer->setValue(0x28, hexBytes("01 7F000001 7F000001 FFFFFF00 7F000001"));
    f.printer->setValue(0x0D, hexBytes("00 C0A80164 FFFFFF00 C0A80101"));
    f.printer->setValue(0x0F, hexBytes("4023 4123"));
    storeAnswers(*f.printer, answers);
    fill(w, fields(before));
    readPage(f, w, page, silentItem, read, queried);
    if (QTest::currentTestFailed() || messages.isEmpty())
        return;

    f.recorder->clear();
    f.printer->clearRecords();
    const int modeRead = f.session->wifiMode();
    if (edits.startsWith('@')) {
        wifi.noteProvisioned({true, "Home", "pw12345", {}}, edits == "@taken");
        edits.clear();
        QCOMPARE(shown(w, {"lineEdit_WStaName=Home", "comboBox_WifiMode=STA"}),
                 (QStringList{"lineEdit_WStaName=Home", "comboBox_WifiMode=STA"}));
    }
    fill(w, fields(edits));
    QStringList moved;
    int restarts = 0;
    const auto move = [&](const QString &address, const QString &tcp, const QString &udp) {
        moved = QStringList{address, tcp, udp};
    };
    QObject::connect(&wifi, &WifiPage::connectionTargetChanged, move);
    QObject::connect(&ethernet, &EthernetPage::connectionTargetChanged, move);
    QObject::connect(&wifi, &WifiPage::restartPending, [&] { ++restarts; });
    QObject::connect(&ethernet, &EthernetPage::restartPending, [&] { ++restarts; });
    click(w, "pushButton_" + page + "SettingSet");
    QVERIFY(f.settle());
    QStringList want = fields(frames).replaceInStrings(" ", "");
    const auto sent = [&] {
        QStringList out = describeFrames(*f.printer).replaceInStrings(" ", "");
        for (int i = 0; i < want.size() && i < out.size(); ++i)
            out[i] = want.at(i) == "*" ? "*" : out.at(i);
        return out;
    };
    if (want.isEmpty())
        QTest::qWait(100);
    QTRY_COMPARE(sent(), want);
    QCOMPARE(f.recorder->texts(), fields(messages));
    QCOMPARE(moved, fields(target));
    QCOMPARE(restarts, int(!target.isEmpty() && !want.isEmpty()));
    // The snapshot follows a full write only.
    QCOMPARE(f.session->wifiMode(),
             target.isEmpty() || page != "Wifi"
                 ? modeRead
                 : wifi.findChild<QComboBox *>("comboBox_WifiMode")->currentIndex());
}

// A WiFi write cancelled while the printer applies its first group: the pause is cut
// short, no further frame goes out and no box shows; the status line says what was sent.
void TestLinkSettingsNet::cancelledWifiWrite()
{
    SessionFixture f;
    QVERIFY(f.start());
    WifiPage wifi(*f.session, *f.host);
    f.printer->setValue(0x28, hexBytes("01 7F000001 7F000001 FFFFFF00 7F000001"));
    click(&wifi, "pushButton_WifiSettingRead");
    QVERIFY(f.settle());
    QVERIFY(wifi.findChild<QPushButton *>("pushButton_WifiSettingSet")->isEnabled());
    f.recorder->clear();
    f.printer->clearRecords();
    int signalled = 0;
    QObject::connect(&wifi, &WifiPage::connectionTargetChanged, [&] { ++signalled; });
    QObject::connect(&wifi, &WifiPage::restartPending, [&] { ++signalled; });
    fill(&wifi, {"lineEdit_WStaName=Shop", "lineEdit_WApPort=9101"});
    click(&wifi, "pushButton_WifiSettingSet");
    QTRY_VERIFY(!f.printer->receivedFrames().isEmpty());
    f.host->worker.currentJob()->cancel();
    QVERIFY(f.settle(900)); // well inside the second's pause after the frame
    QTest::qWait(200);
    QCOMPARE(describeFrames(*f.printer),
             QStringList{"01 26: 53 68 6F 70 00 6C 61 62 65 6C 31 32 33 34 00"});
    QVERIFY(f.recorder->texts().isEmpty());
    QCOMPARE(signalled, 0);
    QCOMPARE(f.host->lastResult, QString::fromUtf8("写入已取消：已发送 1 帧，其余未发送"));
}

// Each number the serial page lists is the value profiles and the command line use for
// that entry's wire code, and that value maps back to the same code.
void TestLinkSettingsNet::serialListsMatchTheTable_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::newRow("baud") << "comboBox_ComBaud"
                          << "baud";
    QTest::newRow("parity") << "comboBox_ComParityBit"
                            << "parity";
    QTest::newRow("data bits") << "comboBox_ComDataBit"
                               << "dataBits";
    QTest::newRow("stop bits") << "comboBox_ComStopBit"
                               << "stopBits";
}

void TestLinkSettingsNet::serialListsMatchTheTable()
{
    QFETCH(QString, box);
    QFETCH(QString, key);
    PrinterSession session;
    TestPageHost host(&session);
    SerialPage page(session, host);
    const auto *list = page.findChild<QComboBox *>(box);
    const settingtable::Row *row = settingtable::find(QStringLiteral("serial"), key);
    QVERIFY(list && row);
    QCOMPARE(list->count(), row->entries);
    for (int code = 0; code < list->count(); ++code) {
        const int number = list->itemText(code).remove(QStringLiteral("bit")).toInt();
        QCOMPARE(settingtable::listValue(*row, code).toInt(-1), number);
        QCOMPARE(settingtable::listCode(*row, number), code);
    }
}

QTEST_MAIN(TestLinkSettingsNet)
#include "tst_linksettings_net.moc"
