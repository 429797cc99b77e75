// The Ethernet port page over the network: the read filling the page from the
// simulated printer's answers, the address and port frames on the wire, and what a
// successful write does to the connection.
#include "netprinterfixture.h"

namespace {

const QString kRestartText = QString::fromUtf8("处理成功，请重启打印机");
const QString kOkText = QString::fromUtf8("处理成功");

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

// Fills the page as the user would and enables the set button as a read does.
void fillPage(Ui::MainWindow *ui, int mode, const QStringList &boxes)
{
    ui->comboBox_NetportIPMode->setCurrentIndex(mode);
    QLineEdit *const edits[] = {ui->lineEdit_NetportIP, ui->lineEdit_NetportSubnetMask,
                                ui->lineEdit_NetportGateway, ui->lineEdit_NetportTCPPort,
                                ui->lineEdit_NetportUDPPort};
    for (int i = 0; i < 5; ++i)
        edits[i]->setText(boxes.at(i));
    ui->pushButton_NetportSettingSet->setEnabled(true);
}

} // namespace

class TestNetportSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void readFillsPage();
    void queryFailure_data();
    void queryFailure();
    void setFrames_data();
    void setFrames();
    void malformedAddressIsRefused_data();
    void malformedAddressIsRefused();
    void closesOnEthernetMedium();
};

void TestNetportSettingsNet::readFillsPage()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->comboBox_NetportIPMode->setCurrentIndex(1);
    f.printer->setValue(0x0D, hexBytes("00 C0A80164 FFFFFF00 C0A80101"));
    f.printer->setValue(0x0F, hexBytes("4023 4123"));
    QTest::mouseClick(ui->pushButton_NetportSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{kOkText});
    QCOMPARE(ui->comboBox_NetportIPMode->currentText(), QStringLiteral("DHCP ON"));
    QCOMPARE(ui->lineEdit_NetportIP->text(), QStringLiteral("192.168.1.100"));
    QCOMPARE(ui->lineEdit_NetportSubnetMask->text(), QStringLiteral("255.255.255.0"));
    QCOMPARE(ui->lineEdit_NetportGateway->text(), QStringLiteral("192.168.1.1"));
    QCOMPARE(ui->lineEdit_NetportTCPPort->text(), QStringLiteral("9024"));
    QCOMPARE(ui->lineEdit_NetportUDPPort->text(), QStringLiteral("9025"));
    QVERIFY(ui->pushButton_NetportSettingSet->isEnabled());
}

void TestNetportSettingsNet::queryFailure_data()
{
    QTest::addColumn<int>("silentItem");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("tcp");
    // Each row waits for one reply time-out.
    QTest::newRow("port query, the addresses still read")
        << 0x0F << QString::fromUtf8("网络通讯出错，请重试") << "192.168.1.100"
        << "old";
    QTest::newRow("address query is") << 0x0D << QString::fromUtf8("网络通讯出错，请重试") << "old"
                                      << "9100";
}

void TestNetportSettingsNet::queryFailure()
{
    QFETCH(int, silentItem);
    QFETCH(QString, message);
    QFETCH(QString, ip);
    QFETCH(QString, tcp);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_NetportIP->setText(QStringLiteral("old"));
    ui->lineEdit_NetportTCPPort->setText(QStringLiteral("old"));
    f.printer->setSilentItems({quint8(silentItem)});
    QTest::mouseClick(ui->pushButton_NetportSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QCOMPARE(ui->lineEdit_NetportIP->text(), ip);
    QCOMPARE(ui->lineEdit_NetportTCPPort->text(), tcp);
    QVERIFY(!ui->pushButton_NetportSettingSet->isEnabled());
}

void TestNetportSettingsNet::setFrames_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("boxes"); // address, mask, gateway, TCP port, UDP port
    QTest::addColumn<QByteArray>("addressFrame");
    QTest::addColumn<QByteArray>("portFrame");
    QTest::addColumn<QString>("connectTcp");
    QTest::newRow("DHCP off, 9100 and 9101")
        << 1 << QStringList{"192.168.1.100", "255.255.255.0", "192.168.1.1", "9100", "9101"}
        << hexBytes("1BFFFE01 0D 0D 01 C0A80164 FFFFFF00 C0A80101 1BFEFF")
        << hexBytes("1BFFFE01 0F 04 8C23 8D23 1BFEFF") << "9100";
    QTest::newRow("empty TCP port sends 0, keeps the connection port")
        << 1 << QStringList{"10.0.0.2", "255.0.0.0", "10.0.0.1", "", "9101"}
        << hexBytes("1BFFFE01 0D 0D 01 0A000002 FF000000 0A000001 1BFEFF")
        << hexBytes("1BFFFE01 0F 04 0000 8D23 1BFEFF") << "";
}

void TestNetportSettingsNet::setFrames()
{
    QFETCH(int, mode);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, addressFrame);
    QFETCH(QByteArray, portFrame);
    QFETCH(QString, connectTcp);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    const QString connectTcpBefore = ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text();
    fillPage(ui, mode, boxes);
    const qint64 before = f.printer->bytesReceived();
    QTest::mouseClick(ui->pushButton_NetportSettingSet, Qt::LeftButton);
    QTRY_COMPARE(wireFrames(*f.printer), (QList<QByteArray>{addressFrame, portFrame}));
    QTRY_COMPARE(f.printer->bytesReceived() - before, qint64(22 + 13));
    // The restart box comes first, then the result handler's own success message.
    QCOMPARE(f.recorder->texts(), (QStringList{kRestartText, kOkText}));
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(),
             connectTcp.isEmpty() ? connectTcpBefore : connectTcp);
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectUDPPort"))->text(), boxes.at(4));
    // Connected over the WiFi medium: the connection stays.
    QVERIFY(f.window->isDeviceOpen());
}

void TestNetportSettingsNet::malformedAddressIsRefused_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("three parts") << QStringList{"192.168.1", "255.255.255.0", "192.168.1.1", "9200",
                                                "9201"};
    QTest::newRow("empty gateway")
        << QStringList{"192.168.1.100", "255.255.255.0", "", "9200", "9201"};
}

void TestNetportSettingsNet::malformedAddressIsRefused()
{
    QFETCH(QStringList, boxes);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    const QString connectTcp = ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text();
    fillPage(ui, 1, boxes);
    QTest::mouseClick(ui->pushButton_NetportSettingSet, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(),
             QStringList{QString::fromUtf8("地址格式错误，请输入如192.168.1.100的四段地址")});
    QTest::qWait(100);
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QCOMPARE(ui->centralwidget->findChild<QLineEdit *>(QStringLiteral("lineEdit_ConnectTCPPort"))->text(), connectTcp);
}

void TestNetportSettingsNet::closesOnEthernetMedium()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    // Opened over TCP as an Ethernet printer would be; the box only marks the medium.
    ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_NET"))->setChecked(true);
    fillPage(ui, 0, {"127.0.0.1", "255.0.0.0", "127.0.0.1", "9100", "38400"});
    QTest::mouseClick(ui->pushButton_NetportSettingSet, Qt::LeftButton);
    QTRY_COMPARE(f.printer->receivedFrames().size(), 2);
    QCOMPARE(f.recorder->texts(), (QStringList{kRestartText, kOkText}));
    QVERIFY(!f.window->isDeviceOpen());
    QVERIFY(!ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_close"))->isEnabled());
}

QTEST_MAIN(TestNetportSettingsNet)
#include "tst_netportsettings_net.moc"
