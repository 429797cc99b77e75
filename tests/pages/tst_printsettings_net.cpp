// The print settings page over the network: the frames of a write checked at the
// simulated printer, and reads filling the page from its stored answers.
#include "netprinterfixture.h"

namespace {

// "CC II: DD DD" for each frame, so that a mismatch shows where the batch differs.
QStringList describe(const QList<ReceivedFrame> &frames)
{
    QStringList out;
    for (const ReceivedFrame &f : frames)
        out << QStringLiteral("%1 %2: %3")
                   .arg(int(f.frameClass), 2, 16, QLatin1Char('0'))
                   .arg(int(f.item), 2, 16, QLatin1Char('0'))
                   .arg(QString::fromLatin1(f.data.toHex(' ')))
                   .toUpper();
    return out;
}

// The data of the last set frame for `item`; a null array when none arrived.
QByteArray sentData(const SimPrinter &printer, quint8 item)
{
    QByteArray data;
    for (const ReceivedFrame &f : printer.receivedFrames()) {
        if (f.frameClass == 0x01 && f.item == item)
            data = f.data;
    }
    return data;
}

QList<int> queriedItems(const SimPrinter &printer)
{
    QList<int> items;
    for (const ReceivedFrame &f : printer.receivedFrames()) {
        if (f.frameClass == 0x02)
            items << f.item;
    }
    return items;
}

// Every widget of the page set to a known value, and the set button enabled as
// after a read.
void fillPage(Ui::MainWindow *ui)
{
    ui->pushButton_PrintSettingSet->setEnabled(true);
    ui->comboBox_DefaultCodePage->setCurrentIndex(5);
    ui->comboBox_PrintSpeed->setCurrentIndex(2);
    ui->comboBox_PrintDensty->setCurrentIndex(9);
    ui->lineEdit_LabelGap->setText(QStringLiteral("3"));
    ui->lineEdit_BlackLabelGap->setText(QStringLiteral("4"));
    ui->comboBox_PrintDirection->setCurrentIndex(1);
    ui->comboBox_PrintMethod->setCurrentIndex(0);
    ui->comboBox_PrintMode->setCurrentIndex(1);
    ui->comboBox_AutoPaper->setCurrentIndex(1);
    ui->comboBox_PaperType->setCurrentIndex(2);
    ui->comboBox_OrderSet->setCurrentText(QStringLiteral("AUTO"));
    ui->lineEdit_VerticalShift->setText(QStringLiteral("-2"));
    ui->lineEdit_PrintShift->setText(QStringLiteral("7"));
    ui->lineEdit->setText(QStringLiteral("50.3"));
    ui->lineEdit_2->setText(QStringLiteral("100"));
    ui->comboBox->setCurrentIndex(3);
}

QString shown(QWidget *w)
{
    if (auto *box = qobject_cast<QComboBox *>(w))
        return QString::number(box->currentIndex());
    return qobject_cast<QLineEdit *>(w)->text();
}

} // namespace

class TestPrintSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void writeSendsBatchInOrder_data();
    void writeSendsBatchInOrder();
    void writeEdgePayloads_data();
    void writeEdgePayloads();
    void unparsableLabelSizeSendsNoSizeAndNoMessage_data();
    void unparsableLabelSizeSendsNoSizeAndNoMessage();
    void readQueriesInOrder_data();
    void readQueriesInOrder();
    void readFillsWidget_data();
    void readFillsWidget();
    void failedQueryIsReportedAndRestStillFilled();
};

void TestPrintSettingsNet::writeSendsBatchInOrder_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("8 dots, automatic paper feed")
        << "P1" << QStringList{"01 01: 05",    "01 00: 02",    "01 13: 09",    "01 19: 18 00",
                               "01 1A: 20 00", "01 1C: 01 00", "01 54: 01",    "01 16: 02",
                               "01 02: 20",    "01 1E: F0 FF", "01 1D: 38 00", "01 18: 20 03 92 01",
                               "01 3E: 03",    "00 06: "};
    QTest::newRow("12 dots, print mode")
        << "K53TA"
        << QStringList{"01 01: 05",    "01 00: 02",    "01 13: 09",    "01 19: 24 00",
                       "01 1A: 30 00", "01 1C: 01 00", "01 41: 01",    "01 16: 02",
                       "01 02: 20",    "01 1E: E8 FF", "01 1D: 54 00", "01 18: B0 04 5C 02",
                       "01 3E: 03",    "00 06: "};
}

void TestPrintSettingsNet::writeSendsBatchInOrder()
{
    QFETCH(QString, model);
    QFETCH(QStringList, frames);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    QVERIFY(f.open());
    fillPage(f.window->ui);
    QTest::mouseClick(f.window->ui->pushButton_PrintSettingSet, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(describe(f.printer->receivedFrames()), frames);

    // The next start shows the size last written.
    QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    QCOMPARE(settings.value("lineEdit_text").toString(), QStringLiteral("50.3"));
    QCOMPARE(settings.value("lineEdit_2_text").toString(), QStringLiteral("100"));
    f.window.reset(); // one window per process: they share the download worker
    MainWindow next;
    QCOMPARE(next.ui->lineEdit->text(), QStringLiteral("50.3"));
    QCOMPARE(next.ui->lineEdit_2->text(), QStringLiteral("100.0"));
}

void TestPrintSettingsNet::writeEdgePayloads_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("value"); // text, or the index of a combo box
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("offset -2") << "lineEdit_PrintShift" << 0x1D << "-2" << hexBytes("F0 FF");
    QTest::newRow("gap not a number") << "lineEdit_LabelGap" << 0x19 << "abc" << hexBytes("00 00");
    QTest::newRow("code page none selected")
        << "comboBox_DefaultCodePage" << 0x01 << "-1" << hexBytes("FF");
    QTest::newRow("command set not named") << "comboBox_OrderSet" << 0x02 << "-1" << hexBytes("00");
    QTest::newRow("direction and method")
        << "comboBox_PrintMethod" << 0x1C << "1" << hexBytes("00 01");
    QTest::newRow("width decimal comma") << "lineEdit" << 0x18 << "50,3" << hexBytes("20 03 92 01");
    QTest::newRow("width full-width stop")
        << "lineEdit" << 0x18 << QString::fromUtf8("50．3") << hexBytes("20 03 92 01");
    QTest::newRow("width half dot rounds up")
        << "lineEdit" << 0x18 << "50.0625" << hexBytes("20 03 91 01");
    QTest::newRow("height above 16 bits")
        << "lineEdit_2" << 0x18 << "9000" << hexBytes("FF FF 92 01");
    QTest::newRow("height negative") << "lineEdit_2" << 0x18 << "-5" << hexBytes("00 00 92 01");
}

void TestPrintSettingsNet::writeEdgePayloads()
{
    QFETCH(QString, widget);
    QFETCH(int, item);
    QFETCH(QString, value);
    QFETCH(QByteArray, data);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    fillPage(f.window->ui);
    f.window->ui->comboBox_PrintDirection->setCurrentIndex(0);
    QWidget *w = f.window->findChild<QWidget *>(widget);
    QVERIFY(w);
    if (auto *box = qobject_cast<QComboBox *>(w))
        box->setCurrentIndex(value.toInt());
    else
        qobject_cast<QLineEdit *>(w)->setText(value);
    QTest::mouseClick(f.window->ui->pushButton_PrintSettingSet, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(f.printer->functionCodes(), QList<quint8>{6});
    QCOMPARE(sentData(*f.printer, quint8(item)), data);
}

void TestPrintSettingsNet::unparsableLabelSizeSendsNoSizeAndNoMessage_data()
{
    QTest::addColumn<QString>("height");
    QTest::newRow("letters") << "abc";
    QTest::newRow("not a number") << "nan";
}

void TestPrintSettingsNet::unparsableLabelSizeSendsNoSizeAndNoMessage()
{
    QFETCH(QString, height);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    fillPage(f.window->ui);
    f.window->ui->lineEdit_2->setText(height);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString::fromUtf8("^尺寸输入非法:")));
    QTest::mouseClick(f.window->ui->pushButton_PrintSettingSet, Qt::LeftButton);
    // The batch still ends, the rest is sent, and the failure shows no box.
    QTRY_COMPARE(f.printer->functionCodes(), QList<quint8>{6});
    QCOMPARE(f.printer->receivedFrames().size(), 13);
    QVERIFY(sentData(*f.printer, 0x18).isNull());
    QVERIFY(!sentData(*f.printer, 0x3E).isNull());
    QVERIFY(f.recorder->messages.isEmpty());
    // Stored before the check, unchanged.
    QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    QCOMPARE(settings.value("lineEdit_2_text").toString(), height);
}

void TestPrintSettingsNet::readQueriesInOrder_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("items");
    QTest::newRow("automatic paper feed")
        << "P1"
        << QList<int>{0x00, 0x13, 0x19, 0x1A, 0x1C, 0x1D, 0x1E, 0x16, 0x01, 0x02, 0x54, 0x18, 0x3E};
    QTest::newRow("print mode") << "K53TA" << QList<int>{0x00, 0x13, 0x19, 0x1A, 0x1C, 0x1D, 0x1E,
                                                         0x41, 0x16, 0x01, 0x02, 0x18, 0x3E};
}

void TestPrintSettingsNet::readQueriesInOrder()
{
    QFETCH(QString, model);
    QFETCH(QList<int>, items);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    QVERIFY(f.open());
    QVERIFY(!f.window->ui->pushButton_PrintSettingSet->isEnabled());
    QTest::mouseClick(f.window->ui->pushButton_PrintSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QCOMPARE(queriedItems(*f.printer), items);
    QVERIFY(f.window->ui->pushButton_PrintSettingSet->isEnabled());
    QVERIFY(f.window->ui->tabWidget_2->isEnabled());
}

void TestPrintSettingsNet::readFillsWidget_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("expected"); // text, or the index of a combo box

    QTest::newRow("gap 24 dots") << "P1" << 0x19 << "lineEdit_LabelGap" << hexBytes("18 00") << "3";
    QTest::newRow("black gap unsigned")
        << "P1" << 0x1A << "lineEdit_BlackLabelGap" << hexBytes("FF FF") << "8191";
    QTest::newRow("offset -16 dots")
        << "P1" << 0x1D << "lineEdit_PrintShift" << hexBytes("F0 FF") << "-2";
    QTest::newRow("offset -7 dots")
        << "P1" << 0x1D << "lineEdit_PrintShift" << hexBytes("F9 FF") << "0";
    QTest::newRow("vertical at 12")
        << "K53TA" << 0x1E << "lineEdit_VerticalShift" << hexBytes("E7 FF") << "-2";
    QTest::newRow("size height") << "P1" << 0x18 << "lineEdit_2" << hexBytes("20 03 92 01")
                                 << "100.0";
    QTest::newRow("size width truncated")
        << "P1" << 0x18 << "lineEdit" << hexBytes("20 03 92 01") << "50.2";
    QTest::newRow("size width at 12")
        << "K53TA" << 0x18 << "lineEdit" << hexBytes("20 03 92 01") << "33.5";
    QTest::newRow("command set AUTO")
        << "P1" << 0x02 << "comboBox_OrderSet" << hexBytes("20") << "5";
    QTest::newRow("command set unknown")
        << "P1" << 0x02 << "comboBox_OrderSet" << hexBytes("07") << "2";
    QTest::newRow("code page 70") << "P1" << 0x01 << "comboBox_DefaultCodePage" << hexBytes("46")
                                  << "-1";
    QTest::newRow("speed beyond 4 entries")
        << "P1" << 0x00 << "comboBox_PrintSpeed" << hexBytes("07") << "-1";
    QTest::newRow("paper type other")
        << "P1" << 0x16 << "comboBox_PaperType" << hexBytes("09") << "3";
    QTest::newRow("method non-zero")
        << "P1" << 0x1C << "comboBox_PrintMethod" << hexBytes("00 80") << "1";
    QTest::newRow("print mode other")
        << "K53TA" << 0x41 << "comboBox_PrintMode" << hexBytes("07") << "2";
    QTest::newRow("print mode not read without it")
        << "P1" << 0x41 << "comboBox_PrintMode" << hexBytes("00") << "1";
    QTest::newRow("paper feed not read with print mode")
        << "K53TA" << 0x54 << "comboBox_AutoPaper" << hexBytes("00") << "1";
}

void TestPrintSettingsNet::readFillsWidget()
{
    QFETCH(QString, model);
    QFETCH(int, item);
    QFETCH(QString, widget);
    QFETCH(QByteArray, answer);
    QFETCH(QString, expected);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    QVERIFY(f.open());
    fillPage(f.window->ui);
    f.window->ui->comboBox_OrderSet->setCurrentIndex(2);
    f.printer->setValue(quint8(item), answer);
    QTest::mouseClick(f.window->ui->pushButton_PrintSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QWidget *w = f.window->findChild<QWidget *>(widget);
    QVERIFY(w);
    QCOMPARE(shown(w), expected);
}

void TestPrintSettingsNet::failedQueryIsReportedAndRestStillFilled()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->comboBox_PrintDensty->setCurrentIndex(4);
    ui->comboBox->setCurrentIndex(1);
    f.printer->setValue(0x13, hexBytes("09"));
    f.printer->setValue(0x3E, hexBytes("05"));
    f.printer->setValue(0x19, hexBytes("18 00"));
    // Density gets no answer: the transport gives up, the later queries still run.
    f.printer->setSilentItems({0x13});
    QTest::mouseClick(ui->pushButton_PrintSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("网络通讯出错，请重试")});
    QCOMPARE(ui->comboBox_PrintDensty->currentIndex(), 4);
    QCOMPARE(ui->lineEdit_LabelGap->text(), QStringLiteral("3"));
    QCOMPARE(ui->comboBox->currentIndex(), 5);
    QVERIFY(!ui->pushButton_PrintSettingSet->isEnabled());
    QVERIFY(ui->tabWidget_2->isEnabled());
}

QTEST_MAIN(TestPrintSettingsNet)
#include "tst_printsettings_net.moc"
