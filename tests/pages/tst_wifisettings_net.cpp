// The WiFi page over the network: reads filled from the simulated printer's stored
// answers, and writes that send only the changed groups, checked on the wire.
#include "netprinterfixture.h"

namespace {

const QString kRestartText = QString::fromUtf8("处理成功，请重启打印机");

// The frames the printer received, rebuilt byte for byte.
QList<QByteArray> wireFrames(const SimPrinter &printer)
{
    QList<QByteArray> out;
    for (const ReceivedFrame &f : printer.receivedFrames()) {
        QByteArray bytes = hexBytes("1BFFFE");
        bytes += char(f.frameClass);
        bytes += char(f.item);
        bytes += char(f.data.size());
        bytes += f.data + hexBytes("1BFEFF");
        out << bytes;
    }
    return out;
}

// Starts and opens; the stored IP answer points at loopback, so that the address a
// write copies into the connection box is loopback too.
bool startOpen(NetPrinterFixture &f)
{
    if (!f.start())
        return false;
    f.printer->setValue(0x28, hexBytes("01 7F000001 7F000001 FFFFFF00 7F000001"));
    return f.open();
}

// Clicks the set button and returns the frames the printer received, once it holds
// `expectedFrames` of them and nothing but whole frames arrived (every length byte
// matched its data).
QList<QByteArray> writePage(NetPrinterFixture &f, int expectedFrames)
{
    const qint64 before = f.printer->bytesReceived();
    QTest::mouseClick(f.window->ui->pushButton_WifiSettingSet, Qt::LeftButton);
    QList<QByteArray> frames;
    const auto settled = [&] {
        frames = wireFrames(*f.printer);
        qint64 total = 0;
        for (const QByteArray &b : frames)
            total += b.size();
        return frames.size() == expectedFrames && f.printer->bytesReceived() - before == total;
    };
    if (!QTest::qWaitFor(settled, 2000))
        return {QByteArray("not settled")};
    QTest::qWait(50);
    settled();
    return frames;
}

} // namespace

class TestWifiSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void stationRead();
    void accessPointRead();
    void ipAnswer_data();
    void ipAnswer();
    void queryFailure_data();
    void queryFailure();
    void writeAfterReadSendsNothing();
    void onlyPortChanged();
    void shortAccessPointPassword();
    void emptyAccessPointAddress();
    void ipPayloadHasMaskBeforeGateway();
    void everyGroupInOrder();
};

void TestWifiSettingsNet::stationRead()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_WApName->setText(QStringLiteral("old"));
    ui->lineEdit_WApIP->setText(QStringLiteral("10.0.0.1"));
    f.printer->setValue(0x26, QByteArray("Office\0secret99\0", 16));
    f.printer->setValue(0x29, hexBytes("8C23"));
    f.printer->setValue(0x3C, hexBytes("001A2B3C4D5E A1B2C30D0E0F"));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    QCOMPARE(ui->comboBox_WifiMode->currentIndex(), 0);
    QCOMPARE(ui->lineEdit_WStaName->text(), QStringLiteral("Office"));
    QCOMPARE(ui->lineEdit_WStaPassword->text(), QStringLiteral("secret99"));
    QCOMPARE(ui->lineEdit_WApName->text(), QString());
    QCOMPARE(ui->lineEdit_WApIP->text(), QStringLiteral("..."));
    QCOMPARE(ui->lineEdit_WApPort->text(), QStringLiteral("9100"));
    QCOMPARE(ui->lineEdit_WApMAC->text(), QStringLiteral("00:1A:2B:3C:4D:5E"));
    QCOMPARE(f.window->savedStaName, QStringLiteral("Office"));
    QCOMPARE(f.window->savedWifiMode, 0);
}

void TestWifiSettingsNet::accessPointRead()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_WStaName->setText(QStringLiteral("old"));
    f.printer->setValue(0x30, hexBytes("02"));
    f.printer->setValue(0x27, QByteArray("Label-AP\0"
                                         "12345678\0"
                                         "192.168.4.1\0",
                                         30));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    QCOMPARE(ui->comboBox_WifiMode->currentIndex(), 1);
    QCOMPARE(ui->lineEdit_WApName->text(), QStringLiteral("Label-AP"));
    QCOMPARE(ui->lineEdit_WApPassword->text(), QStringLiteral("12345678"));
    QCOMPARE(ui->lineEdit_WApIP->text(), QStringLiteral("192.168.4.1"));
    QCOMPARE(ui->lineEdit_WStaName->text(), QString());
}

void TestWifiSettingsNet::ipAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("modeIndex");
    QTest::addColumn<bool>("dnsEnabled");
    QTest::addColumn<QStringList>("boxes"); // address, gateway, mask, DNS
    QTest::newRow("DHCP on keeps the DNS box")
        << hexBytes("01 C0A80132 C0A80101 FFFFFF00 08080808") << 1 << false
        << QStringList{"192.168.1.50", "192.168.1.1", "255.255.255.0", "1.2.3.4"};
    QTest::newRow("DHCP off fills DNS")
        << hexBytes("00 0A000005 0A000001 FFFF0000 0A000002") << 0 << true
        << QStringList{"10.0.0.5", "10.0.0.1", "255.255.0.0", "10.0.0.2"};
}

void TestWifiSettingsNet::ipAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, modeIndex);
    QFETCH(bool, dnsEnabled);
    QFETCH(QStringList, boxes);
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_WifiSetDNS->setText(QStringLiteral("1.2.3.4"));
    f.printer->setValue(0x28, answer);
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    QCOMPARE(ui->comboBox_WifiSetIPMode->currentIndex(), modeIndex);
    QCOMPARE(ui->lineEdit_WifiSetDNS->isEnabled(), dnsEnabled);
    QCOMPARE((QStringList{ui->lineEdit_WifiSetIP->text(), ui->lineEdit_WifiSetGateway->text(),
                          ui->lineEdit_WifiSetSubnetMask->text(), ui->lineEdit_WifiSetDNS->text()}),
             boxes);
}

void TestWifiSettingsNet::queryFailure_data()
{
    QTest::addColumn<int>("silentItem");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("mac");
    // Each row waits for one reply time-out.
    QTest::newRow("port query ends the read")
        << 0x29 << QString::fromUtf8("网络通讯出错，请重试") << "before";
    QTest::newRow("access point query too, after the rest is read")
        << 0x27 << QString::fromUtf8("网络通讯出错，请重试") << "00:1A:2B:3C:4D:5E";
}

void TestWifiSettingsNet::queryFailure()
{
    QFETCH(int, silentItem);
    QFETCH(QString, message);
    QFETCH(QString, mac);
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_WApMAC->setText(QStringLiteral("before"));
    f.printer->setValue(0x30, hexBytes("02"));
    f.printer->setSilentItems({quint8(silentItem)});
    QTest::mouseClick(ui->pushButton_WifiSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QCOMPARE(ui->lineEdit_WApMAC->text(), mac);
    QVERIFY(!ui->pushButton_WifiSettingSet->isEnabled());
    QVERIFY(ui->tabWidget_2->isEnabled());
}

void TestWifiSettingsNet::writeAfterReadSendsNothing()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    QCOMPARE(writePage(f, 0), QList<QByteArray>{});
    QCOMPARE(f.recorder->texts(), QStringList{kRestartText});
    QVERIFY(f.window->isDeviceOpen());
}

void TestWifiSettingsNet::onlyPortChanged()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    f.printer->setValue(0x29, hexBytes("2823"));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    Ui::MainWindow *ui = f.window->ui;
    QCOMPARE(ui->lineEdit_WApPort->text(), QStringLiteral("9000"));
    ui->lineEdit_WApPort->setText(QStringLiteral("9100"));
    QCOMPARE(writePage(f, 1), QList<QByteArray>{hexBytes("1BFFFE01 29 02 8C23 1BFEFF")});
    // Something was sent over the WiFi medium: the device is closed without a message.
    QCOMPARE(f.recorder->texts(), QStringList{kRestartText});
    QVERIFY(!f.window->isDeviceOpen());
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(), QStringLiteral("9100"));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(f.window->savedApPort, QStringLiteral("9100"));
}

void TestWifiSettingsNet::shortAccessPointPassword()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    Ui::MainWindow *ui = f.window->ui;
    const QString connectPort = ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text();
    ui->comboBox_WifiMode->setCurrentIndex(1);
    ui->lineEdit_WApName->setText(QStringLiteral("Label-AP"));
    ui->lineEdit_WApPassword->setText(QStringLiteral("1234567"));
    ui->lineEdit_WApPort->setText(QStringLiteral("9200"));
    // Refused before anything goes out, the mode frame included.
    QCOMPARE(writePage(f, 0), QList<QByteArray>{});
    QTest::qWait(100);
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("AP模式的wifi密码最少为8位")});
    QVERIFY(f.window->isDeviceOpen());
    QCOMPARE(f.window->savedWifiMode, 0);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(), connectPort);
}

void TestWifiSettingsNet::emptyAccessPointAddress()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    f.printer->setValue(0x30, hexBytes("02"));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_WApName->setText(QStringLiteral("AP"));
    ui->lineEdit_WApPassword->setText(QStringLiteral("12345678"));
    ui->lineEdit_WApIP->clear();
    QCOMPARE(ui->lineEdit_WApIP->text(), QStringLiteral("..."));
    const QList<QByteArray> frames = writePage(f, 1);
    QCOMPARE(frames, QList<QByteArray>{hexBytes("1BFFFE01 27 18") +
                                       QByteArray("AP\0"
                                                  "12345678\0"
                                                  "192.168.1.1\0",
                                                  24) +
                                       hexBytes("1BFEFF")});
    // An empty box is not an address to connect to.
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(f.recorder->texts(), QStringList{kRestartText});
}

void TestWifiSettingsNet::ipPayloadHasMaskBeforeGateway()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    Ui::MainWindow *ui = f.window->ui;
    ui->comboBox_WifiSetIPMode->setCurrentIndex(0);
    ui->lineEdit_WifiSetIP->setText(QStringLiteral("192.168.1.50"));
    ui->lineEdit_WifiSetSubnetMask->setText(QStringLiteral("255.255.255.0"));
    ui->lineEdit_WifiSetGateway->setText(QStringLiteral("192.168.1.1"));
    ui->lineEdit_WifiSetDNS->clear();
    QCOMPARE(writePage(f, 1),
             QList<QByteArray>{hexBytes("1BFFFE01 28 11 00 C0A80132 FFFFFF00 C0A80101 00000000 "
                                        "1BFEFF")});
    // The printer answers in its own order: gateway before mask.
    QCOMPARE(f.printer->value(0x28), hexBytes("00 C0A80132 C0A80101 FFFFFF00 00000000"));
    // Only copied into the box: the device is closed and nothing connects to it here.
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->text(), QStringLiteral("192.168.1.50"));
}

void TestWifiSettingsNet::everyGroupInOrder()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    QVERIFY(f.readPage(QStringLiteral("Wifi")));
    Ui::MainWindow *ui = f.window->ui;
    ui->comboBox_WifiMode->setCurrentIndex(1);
    ui->lineEdit_WApName->setText(QStringLiteral("A"));
    ui->lineEdit_WApPassword->setText(QStringLiteral("abcdefgh"));
    ui->lineEdit_WApIP->setText(QStringLiteral("127.0.0.9"));
    ui->lineEdit_WApPort->setText(QStringLiteral("9101"));
    ui->lineEdit_WifiSetDNS->setText(QStringLiteral("9.1.2.3"));
    const QList<QByteArray> frames = writePage(f, 4);
    QCOMPARE(frames.at(0), hexBytes("1BFFFE01 30 01 02 1BFEFF"));
    QCOMPARE(frames.at(1), hexBytes("1BFFFE01 27 15") +
                               QByteArray("A\0abcdefgh\0"
                                          "127.0.0.9\0",
                                          21) +
                               hexBytes("1BFEFF"));
    QCOMPARE(frames.at(2), hexBytes("1BFFFE01 29 02 8D23 1BFEFF"));
    QCOMPARE(frames.at(3), hexBytes("1BFFFE01 28 11 01 7F000001 FFFFFF00 7F000001 09010203 "
                                    "1BFEFF"));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectAddr"))->text(), QStringLiteral("127.0.0.9"));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(), QStringLiteral("9101"));
    QVERIFY(!f.window->isDeviceOpen());
}

QTEST_MAIN(TestWifiSettingsNet)
#include "tst_wifisettings_net.moc"
