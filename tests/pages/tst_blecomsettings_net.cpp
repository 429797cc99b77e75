// The Bluetooth and serial pages over the network: reads filled from the simulated
// printer's answers, the set frames on the wire, and the result rules of both pages.
#include "netprinterfixture.h"

#include <QTextCodec>

namespace {

const QString kOkText = QString::fromUtf8("处理成功");
const QString kNetworkErrorText = QString::fromUtf8("网络通讯出错，请重试");

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

bool startOpen(NetPrinterFixture &f)
{
    return f.start() && f.open();
}

} // namespace

class TestBleComSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bluetoothRead();
    void bluetoothReadStopsAtFirstFailure();
    void bluetoothSetFrames();
    void longTextIsCutToOneFrame_data();
    void longTextIsCutToOneFrame();
    void ownMediumKeepsSetDisabled_data();
    void ownMediumKeepsSetDisabled();
    void serialRead();
    void serialReadFillsRestAfterFailure();
    void serialSetFrames();
};

void TestBleComSettingsNet::initTestCase()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

void TestBleComSettingsNet::bluetoothRead()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    f.printer->setValue(0x2B, QByteArray("SPP-1\0", 6));
    f.printer->setValue(0x2C, QByteArray("BLE-1\0", 6));
    f.printer->setValue(0x2F, hexBytes("01"));
    f.printer->setValue(0x2E, QByteArray("4321\0", 5));
    f.printer->setValue(0x3C, hexBytes("000000000000 A1B2C30D0E0F"));
    QTest::mouseClick(ui->pushButton_BleSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{kOkText});
    QCOMPARE(ui->lineEdit_SppName->text(), QStringLiteral("SPP-1"));
    QCOMPARE(ui->lineEdit_SppBLE->text(), QStringLiteral("BLE-1"));
    QCOMPARE(ui->comboBox_SppMode->currentIndex(), 1);
    QCOMPARE(ui->lineEdit_SppPin->text(), QStringLiteral("4321"));
    QCOMPARE(ui->lineEdit_SppMAC->text(), QStringLiteral("A1:B2:C3:0D:0E:0F"));
    QVERIFY(ui->pushButton_BleSettingSet->isEnabled());
}

void TestBleComSettingsNet::bluetoothReadStopsAtFirstFailure()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_SppPin->setText(QStringLiteral("old"));
    ui->lineEdit_SppMAC->setText(QStringLiteral("old"));
    f.printer->setValue(0x2B, QByteArray("SPP-2\0", 6));
    f.printer->setSilentItems({0x2F});
    QTest::mouseClick(ui->pushButton_BleSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{kNetworkErrorText});
    QCOMPARE(ui->lineEdit_SppName->text(), QStringLiteral("SPP-2"));
    QCOMPARE(ui->lineEdit_SppPin->text(), QStringLiteral("old"));
    QCOMPARE(ui->lineEdit_SppMAC->text(), QStringLiteral("old"));
    QVERIFY(!ui->pushButton_BleSettingSet->isEnabled());
    QList<int> queried;
    for (const ReceivedFrame &fr : f.printer->receivedFrames())
        queried << fr.item;
    QCOMPARE(queried, (QList<int>{0x2B, 0x2C, 0x2F}));
}

void TestBleComSettingsNet::bluetoothSetFrames()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_SppName->setText(QStringLiteral("AB"));
    ui->lineEdit_SppBLE->clear();
    ui->comboBox_SppMode->setCurrentIndex(1);
    ui->lineEdit_SppPin->setText(QStringLiteral("0000"));
    ui->pushButton_BleSettingSet->setEnabled(true);
    QTest::mouseClick(ui->pushButton_BleSettingSet, Qt::LeftButton);
    QTRY_COMPARE(wireFrames(*f.printer),
                 (QList<QByteArray>{hexBytes("1BFFFE01 2B 03 414200 1BFEFF"),
                                    hexBytes("1BFFFE01 2C 01 00 1BFEFF"),
                                    hexBytes("1BFFFE01 2F 01 01 1BFEFF"),
                                    hexBytes("1BFFFE01 2E 05 3030303000 1BFEFF")}));
    QCOMPARE(f.recorder->texts(),
             (QStringList{QString::fromUtf8("处理成功，请重启打印机"), kOkText}));
}

void TestBleComSettingsNet::longTextIsCutToOneFrame_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("300 ASCII characters")
        << QString(300, QLatin1Char('x')) << QByteArray(254, 'x') + '\0';
    // 3-byte characters: 84 of them (252 bytes) fit, the 85th would not.
    QTest::newRow("100 three-byte characters")
        << QString(100, QChar(0x4E2D)) << QString(84, QChar(0x4E2D)).toUtf8() + '\0';
}

void TestBleComSettingsNet::longTextIsCutToOneFrame()
{
    QFETCH(QString, pin);
    QFETCH(QByteArray, sent);
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_SppPin->setMaxLength(1000);
    ui->lineEdit_SppPin->setText(pin);
    ui->pushButton_BleSettingSet->setEnabled(true);
    const qint64 before = f.printer->bytesReceived();
    QTest::mouseClick(ui->pushButton_BleSettingSet, Qt::LeftButton);
    QTRY_COMPARE(f.printer->receivedFrames().size(), 4);
    QCOMPARE(f.printer->receivedFrames().at(3).item, quint8(0x2E));
    QCOMPARE(f.printer->receivedFrames().at(3).data, sent);
    // Every byte sent belonged to a frame whose length byte matched its data.
    qint64 total = 0;
    for (const QByteArray &b : wireFrames(*f.printer))
        total += b.size();
    QTRY_COMPARE(f.printer->bytesReceived() - before, total);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
}

void TestBleComSettingsNet::ownMediumKeepsSetDisabled_data()
{
    QTest::addColumn<QString>("medium"); // the medium box and the page's buttons
    QTest::addColumn<QString>("page");
    QTest::newRow("Bluetooth") << "BLE"
                               << "Ble";
    QTest::newRow("serial") << "Serialport"
                            << "Com";
}

void TestBleComSettingsNet::ownMediumKeepsSetDisabled()
{
    QFETCH(QString, medium);
    QFETCH(QString, page);
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    // The box marks the medium; the exchange itself still runs over TCP.
    f.window->findChild<QCheckBox *>("checkBox_" + medium)->setChecked(true);
    QTest::mouseClick(f.window->findChild<QPushButton *>("pushButton_" + page + "SettingRead"),
                      Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{kOkText});
    QVERIFY(!f.window->findChild<QPushButton *>("pushButton_" + page + "SettingSet")->isEnabled());
}

void TestBleComSettingsNet::serialRead()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    f.printer->setValue(0x0E, hexBytes("07 02 01 01"));
    f.printer->setValue(0x0C, QByteArray("P\0Q\0R\0S\0T\0", 10));
    f.printer->setValue(0x10, QByteArray("SN-42\0", 6));
    QTest::mouseClick(ui->pushButton_ComSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{kOkText});
    QCOMPARE(ui->comboBox_ComBaud->currentText(), QStringLiteral("115200"));
    QCOMPARE(ui->comboBox_ComParityBit->currentText(), QStringLiteral("2"));
    QCOMPARE(ui->comboBox_ComDataBit->currentText(), QStringLiteral("7bit"));
    QCOMPARE(ui->comboBox_ComStopBit->currentText(), QStringLiteral("2bit"));
    QCOMPARE(ui->lineEdit_ComDeviceInfo->text(), QStringLiteral("R"));
    QVERIFY(!ui->lineEdit_ComDeviceInfo->isEnabled());
    QCOMPARE(ui->lineEdit_ComSN->text(), QStringLiteral("SN-42"));
    QVERIFY(ui->pushButton_ComSettingSet->isEnabled());

    // Three separators only: the device information keeps what it showed.
    f.recorder->clear();
    f.printer->setValue(0x0C, QByteArray("P\0Q\0X\0S", 7));
    QTest::mouseClick(ui->pushButton_ComSettingRead, Qt::LeftButton);
    QCOMPARE(ui->lineEdit_ComDeviceInfo->text(), QStringLiteral("R"));
}

void TestBleComSettingsNet::serialReadFillsRestAfterFailure()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->comboBox_ComBaud->setCurrentIndex(3);
    f.printer->setValue(0x10, QByteArray("SN-7\0", 5));
    f.printer->setSilentItems({0x0E});
    QTest::mouseClick(ui->pushButton_ComSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{kNetworkErrorText});
    QCOMPARE(ui->comboBox_ComBaud->currentIndex(), 3);
    QCOMPARE(ui->lineEdit_ComSN->text(), QStringLiteral("SN-7"));
    QVERIFY(!ui->pushButton_ComSettingSet->isEnabled());
}

void TestBleComSettingsNet::serialSetFrames()
{
    NetPrinterFixture f;
    QVERIFY(startOpen(f));
    Ui::MainWindow *ui = f.window->ui;
    ui->comboBox_ComBaud->setCurrentText(QStringLiteral("115200"));
    ui->comboBox_ComParityBit->setCurrentText(QStringLiteral("0"));
    ui->comboBox_ComDataBit->setCurrentText(QStringLiteral("8bit"));
    ui->comboBox_ComStopBit->setCurrentText(QStringLiteral("1bit"));
    ui->lineEdit_ComSN->setText(QStringLiteral("S1"));
    ui->pushButton_ComSettingSet->setEnabled(true);
    QTest::mouseClick(ui->pushButton_ComSettingSet, Qt::LeftButton);
    QTRY_COMPARE(wireFrames(*f.printer),
                 (QList<QByteArray>{hexBytes("1BFFFE01 0E 04 07000000 1BFEFF"),
                                    hexBytes("1BFFFE01 10 03 533100 1BFEFF")}));
    // No restart box on this page.
    QCOMPARE(f.recorder->texts(), QStringList{kOkText});
}

QTEST_MAIN(TestBleComSettingsNet)
#include "tst_blecomsettings_net.moc"
