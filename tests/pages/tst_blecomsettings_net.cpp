// The Bluetooth and serial pages against the simulated printer: reads filled from its
// answers, the set frames on the wire, and list answers the pages have no entry for.
#include "netpagehelpers.h"
#include "settings/bluetoothpage.h"

#include <QTextCodec>

namespace {

const QString kOk = QString::fromUtf8("处理成功");
const QString kNetworkError = QString::fromUtf8("网络通讯出错，请重试");

QList<int> items(const SimPrinter &printer)
{
    QList<int> out;
    for (const ReceivedFrame &f : printer.receivedFrames())
        out << f.item;
    return out;
}

// Reads the page (`prefix` "Ble" or "Com"), writes it back and returns the frames sent.
QByteArrayList readThenWrite(SessionFixture &f, QWidget *page, const QString &prefix,
                             const QStringList &edits, int count)
{
    click(page, "pushButton_" + prefix + "SettingRead");
    f.printer->clearRecords();
    fill(page, edits);
    const qint64 before = f.printer->bytesReceived();
    click(page, "pushButton_" + prefix + "SettingSet");
    return settledFrames(*f.printer, count, before);
}

} // namespace

class TestBleComSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void read_data();
    void read();
    void write_data();
    void write();
};

void TestBleComSettingsNet::initTestCase()
{
    // Texts go out in the local 8-bit encoding.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

void TestBleComSettingsNet::read_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QVariantMap>("answers");
    QTest::addColumn<int>("silentItem"); // -1: all answered; else one reply time-out
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("queried");
    QTest::newRow("Bluetooth") << "Ble"
                               << QVariantMap{{"2B", QByteArray("SPP-1\0", 6)},
                                              {"2C", QByteArray("BLE-1\0", 6)},
                                              {"2F", hexBytes("01")},
                                              {"2E", QByteArray("4321\0", 5)},
                                              {"3C", hexBytes("000000000000 A1B2C30D0E0F")}}
                               << -1 << kOk
                               << QStringList{"lineEdit_SppName=SPP-1",
                                              "lineEdit_SppBLE=BLE-1",
                                              QString::fromUtf8("comboBox_SppMode=配对码配对"),
                                              "lineEdit_SppPin=4321",
                                              "lineEdit_SppMAC=A1:B2:C3:0D:0E:0F",
                                              "pushButton_BleSettingSet"}
                               << QList<int>{0x2B, 0x2C, 0x2F, 0x2E, 0x3C};
    QTest::newRow("Bluetooth stops at the first failure")
        << "Ble" << QVariantMap{{"2B", QByteArray("SPP-2\0", 6)}} << 0x2F << kNetworkError
        << QStringList{"lineEdit_SppName=SPP-2", "lineEdit_SppPin=old", "lineEdit_SppMAC=old",
                       "!pushButton_BleSettingSet"}
        << QList<int>{0x2B, 0x2C, 0x2F};
    QTest::newRow("serial") << "Com"
                            << QVariantMap{{"0E", hexBytes("07 02 01 01")},
                                           {"0C", QByteArray("P\0Q\0R\0S\0T\0", 10)},
                                           {"10", QByteArray("SN-42\0", 6)}}
                            << -1 << kOk
                            << QStringList{"comboBox_ComBaud=115200",  "comboBox_ComParityBit=2",
                                           "comboBox_ComDataBit=7bit", "comboBox_ComStopBit=2bit",
                                           "lineEdit_ComDeviceInfo=R", "!lineEdit_ComDeviceInfo",
                                           "lineEdit_ComSN=SN-42",     "pushButton_ComSettingSet"}
                            << QList<int>{0x0E, 0x0C, 0x10};
    QTest::newRow("serial fills the rest after a failure")
        << "Com" << QVariantMap{{"10", QByteArray("SN-7\0", 5)}} << 0x0E << kNetworkError
        << QStringList{"comboBox_ComBaud=19200", "lineEdit_ComSN=SN-7", "!pushButton_ComSettingSet"}
        << QList<int>{0x0E, 0x0C, 0x10};
    QTest::newRow("device information of three strings")
        << "Com" << QVariantMap{{"0C", QByteArray("P\0Q\0X\0S", 7)}} << -1
        << QString::fromUtf8("读取失败，请重试")
        << QStringList{"lineEdit_ComDeviceInfo=old", "!pushButton_ComSettingSet"}
        << QList<int>{0x0E, 0x0C, 0x10};
}

void TestBleComSettingsNet::read()
{
    QFETCH(QString, page);
    QFETCH(QVariantMap, answers);
    QFETCH(int, silentItem);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, queried);
    SessionFixture f;
    QVERIFY(f.start());
    BluetoothPage bluetooth(*f.session, *f.host);
    SerialPage serial(*f.session, *f.host);
    QWidget *w = page == QLatin1String("Ble") ? static_cast<QWidget *>(&bluetooth) : &serial;
    fill(w, page == QLatin1String("Ble")
                ? QStringList{"lineEdit_SppPin=old", "lineEdit_SppMAC=old"}
                : QStringList{"comboBox_ComBaud=3", "lineEdit_ComDeviceInfo=old"});
    w->findChild<QPushButton *>("pushButton_" + page + "SettingSet")->setEnabled(true);
    storeAnswers(*f.printer, answers);
    if (silentItem >= 0)
        f.printer->setSilentItems({quint8(silentItem)});
    click(w, "pushButton_" + page + "SettingRead");
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QCOMPARE(shown(w, expected), expected);
    QCOMPARE(items(*f.printer), queried);
    QVERIFY(f.host->controlsEnabled);
}

void TestBleComSettingsNet::write_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QVariantMap>("answers");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<QStringList>("messages");
    const QStringList restart{QString::fromUtf8("处理成功，请重启打印机"), kOk};
    const QByteArray pinFrame = hexBytes("1BFFFE01 2E 05 3030303000 1BFEFF");
    const QByteArrayList names{hexBytes("1BFFFE01 2B 03 414200 1BFEFF"),
                               hexBytes("1BFFFE01 2C 01 00 1BFEFF")};
    const QStringList nameEdits{"lineEdit_SppName=AB", "lineEdit_SppBLE=", "lineEdit_SppPin=0000"};
    QTest::newRow("Bluetooth") << "Ble" << QVariantMap{}
                               << nameEdits + QStringList{"comboBox_SppMode=1"}
                               << names +
                                      QByteArrayList{hexBytes("1BFFFE01 2F 01 01 1BFEFF"), pinFrame}
                               << restart;
    // An answer the list lacks stays as the printer has it, until the user picks one.
    QTest::newRow("pairing mode 5 stays")
        << "Ble" << QVariantMap{{"2F", hexBytes("05")}} << nameEdits
        << names + QByteArrayList{pinFrame} << restart;
    QTest::newRow("pairing mode 5, then simple picked")
        << "Ble" << QVariantMap{{"2F", hexBytes("05")}}
        << nameEdits + QStringList{"comboBox_SppMode=0"}
        << names + QByteArrayList{hexBytes("1BFFFE01 2F 01 00 1BFEFF"), pinFrame} << restart;
    // One frame carries the length byte: a long text is cut at a character boundary.
    QTest::newRow("300 ASCII characters")
        << "Ble" << QVariantMap{} << QStringList{"lineEdit_SppPin=" + QString(300, 'x')}
        << QByteArrayList{QByteArray(), QByteArray(), QByteArray(),
                          hexBytes("1BFFFE01 2E FF") + QByteArray(254, 'x') + '\0' +
                              hexBytes("1BFEFF")}
        << restart;
    QTest::newRow("serial: 115200, 0, 8bit, 1bit")
        << "Com" << QVariantMap{}
        << QStringList{"comboBox_ComBaud=7", "comboBox_ComParityBit=0", "comboBox_ComDataBit=0",
                       "comboBox_ComStopBit=0", "lineEdit_ComSN=S1"}
        << QByteArrayList{hexBytes("1BFFFE01 0E 04 07000000 1BFEFF"),
                          hexBytes("1BFFFE01 10 03 533100 1BFEFF")}
        << QStringList{kOk};
    QTest::newRow("serial: baud 0x20 goes back as it came")
        << "Com" << QVariantMap{{"0E", hexBytes("20 01 00 01")}, {"10", QByteArray("S1\0", 3)}}
        << QStringList{}
        << QByteArrayList{hexBytes("1BFFFE01 0E 04 20010001 1BFEFF"),
                          hexBytes("1BFFFE01 10 03 533100 1BFEFF")}
        << QStringList{kOk};
    QTest::newRow("serial: baud 0x20, then 4800 picked")
        << "Com" << QVariantMap{{"0E", hexBytes("20 01 00 01")}, {"10", QByteArray("S1\0", 3)}}
        << QStringList{"comboBox_ComBaud=0"}
        << QByteArrayList{hexBytes("1BFFFE01 0E 04 00010001 1BFEFF"),
                          hexBytes("1BFFFE01 10 03 533100 1BFEFF")}
        << QStringList{kOk};
}

void TestBleComSettingsNet::write()
{
    QFETCH(QString, page);
    QFETCH(QVariantMap, answers);
    QFETCH(QStringList, edits);
    QFETCH(QByteArrayList, frames);
    QFETCH(QStringList, messages);
    SessionFixture f;
    QVERIFY(f.start());
    BluetoothPage bluetooth(*f.session, *f.host);
    SerialPage serial(*f.session, *f.host);
    QWidget *w = page == QLatin1String("Ble") ? static_cast<QWidget *>(&bluetooth) : &serial;
    storeAnswers(*f.printer, answers);
    QByteArrayList sent = readThenWrite(f, w, page, edits, frames.size());
    f.recorder->messages.removeFirst(); // the read's
    for (int i = 0; i < frames.size(); ++i) {
        if (frames.at(i).isNull())
            sent[i] = QByteArray(); // not this row's concern
    }
    QCOMPARE(sent, frames);
    QCOMPARE(f.recorder->texts(), messages);
}

QTEST_MAIN(TestBleComSettingsNet)
#include "tst_blecomsettings_net.moc"
