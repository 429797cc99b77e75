// The print settings page against the simulated printer through a session: the frames of a write,
// and reads filling the page from the printer's answers. Also, through the window, the rules every
// settings page shares: values a printer cannot store, list answers without an entry, and failed
// reads.
#include "netprinterfixture.h"
#include "pagetest.h"
#include "sessionfixture.h"
#include "settings/printpage.h"
#include "settings/printsettingsio.h"

namespace {

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

// The items queried, in order: "00 13 ...".
QString queriedItems(const SimPrinter &printer)
{
    QStringList items;
    for (const ReceivedFrame &f : printer.receivedFrames()) {
        if (f.frameClass == 0x02)
            items << QStringLiteral("%1").arg(int(f.item), 2, 16, QLatin1Char('0')).toUpper();
    }
    return items.join(' ');
}

// Every widget of the page set to a known value.
void fillPage(QWidget &page)
{
    const std::pair<const char *, int> lists[] = {
        {"comboBox_DefaultCodePage", 5}, {"comboBox_PrintSpeed", 2},
        {"comboBox_PrintDensty", 9},     {"comboBox_PrintDirection", 1},
        {"comboBox_PrintMethod", 0},     {"comboBox_PrintMode", 1},
        {"comboBox_AutoPaper", 1},       {"comboBox_PaperType", 2},
        {"comboBox_OrderSet", 5},        {"comboBox", 3}};
    for (const auto &list : lists)
        page.findChild<QComboBox *>(list.first)->setCurrentIndex(list.second);
    const std::pair<const char *, const char *> boxes[] = {{"lineEdit_LabelGap", "3"},
                                                           {"lineEdit_BlackLabelGap", "4"},
                                                           {"lineEdit_VerticalShift", "-2"},
                                                           {"lineEdit_PrintShift", "7"},
                                                           {"lineEdit", "50.3"},
                                                           {"lineEdit_2", "100"}};
    for (const auto &box : boxes)
        page.findChild<QLineEdit *>(box.first)->setText(QLatin1String(box.second));
}

QString shown(QWidget *w)
{
    if (auto *box = qobject_cast<QComboBox *>(w))
        return QString::number(box->currentIndex());
    return qobject_cast<QLineEdit *>(w)->text();
}

// A page on a session open to the simulated printer of a model with `dots` per mm.
struct PageFixture : SessionFixture
{
    std::unique_ptr<PrintPage> page;
    bool start(int dots, bool printMode)
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        if (!SessionFixture::start(configFor(QStringLiteral("P1")), dots, printMode))
            return false;
        page = std::make_unique<PrintPage>(*session, *host);
        page->printerChanged();
        return true;
    }
    void click(const char *button) { clickEnabled(*page, button); }
};

} // namespace

class TestPrintSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void readThenWriteBatch_data();
    void readThenWriteBatch();
    void writeEdgePayloads_data();
    void writeEdgePayloads();
    void plainValuesSendOnlyWhatIsSet();
    void readFillsWidget_data();
    void readFillsWidget();
    void failedQueryIsReportedAndRestStillFilled();
    void refusedValueSendsNothing_data();
    void refusedValueSendsNothing();
    void unknownListAnswerIsLeftAsStored_data();
    void unknownListAnswerIsLeftAsStored();
    void failedReadKeepsSetDisabled_data();
    void failedReadKeepsSetDisabled();
};

void TestPrintSettingsNet::readThenWriteBatch_data()
{
    QTest::addColumn<int>("dots");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<QString>("queried");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("8 dots, automatic paper feed")
        << 8 << false << "00 13 19 1A 1C 1D 1E 16 01 02 54 18 3E"
        << QStringList{"01 01: 05",    "01 00: 02",    "01 13: 09",    "01 19: 18 00",
                       "01 1A: 20 00", "01 1C: 01 00", "01 54: 01",    "01 16: 02",
                       "01 02: 20",    "01 1E: F0 FF", "01 1D: 38 00", "01 18: 20 03 92 01",
                       "01 3E: 03",    "00 06: "};
    QTest::newRow("12 dots, print mode")
        << 12 << true << "00 13 19 1A 1C 1D 1E 41 16 01 02 18 3E"
        << QStringList{"01 01: 05",    "01 00: 02",    "01 13: 09",    "01 19: 24 00",
                       "01 1A: 30 00", "01 1C: 01 00", "01 41: 01",    "01 16: 02",
                       "01 02: 20",    "01 1E: E8 FF", "01 1D: 54 00", "01 18: B0 04 5C 02",
                       "01 3E: 03",    "00 06: "};
}

void TestPrintSettingsNet::readThenWriteBatch()
{
    QFETCH(int, dots);
    QFETCH(bool, printMode);
    QFETCH(QString, queried);
    QFETCH(QStringList, frames);
    PageFixture f;
    QVERIFY(f.start(dots, printMode));
    auto *set = f.page->findChild<QPushButton *>("pushButton_PrintSettingSet");
    QVERIFY(!set->isEnabled());
    QTest::mouseClick(f.page->findChild<QPushButton *>("pushButton_PrintSettingRead"),
                      Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), kSuccess);
    QCOMPARE(queriedItems(*f.printer), queried);
    QVERIFY(set->isEnabled());
    QVERIFY(f.host->controlsEnabled);

    f.printer->clearRecords();
    f.recorder->clear();
    fillPage(*f.page);
    QTest::mouseClick(set, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), kSuccess);
    QTRY_COMPARE(describeFrames(*f.printer), frames);

    // The next start shows the size last written.
    QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    QCOMPARE(settings.value("lineEdit_text").toString(), QStringLiteral("50.3"));
    QCOMPARE(settings.value("lineEdit_2_text").toString(), QStringLiteral("100"));
    PrintPage next(*f.session, *f.host);
    QCOMPARE(next.findChild<QLineEdit *>("lineEdit")->text(), QStringLiteral("50.3"));
    QCOMPARE(next.findChild<QLineEdit *>("lineEdit_2")->text(), QStringLiteral("100.0"));
}

void TestPrintSettingsNet::writeEdgePayloads_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("value"); // text, or the index of a combo box
    QTest::addColumn<QByteArray>("data");
    // A list with no entry selected is left as the printer has it: no frame.
    QTest::newRow("code page none selected")
        << "comboBox_DefaultCodePage" << 0x01 << "-1" << QByteArray();
    QTest::newRow("command set none selected")
        << "comboBox_OrderSet" << 0x02 << "-1" << QByteArray();
    QTest::newRow("direction and method")
        << "comboBox_PrintMethod" << 0x1C << "1" << hexBytes("01 01");
    QTest::newRow("width decimal comma") << "lineEdit" << 0x18 << "50,3" << hexBytes("20 03 92 01");
    QTest::newRow("width full-width stop")
        << "lineEdit" << 0x18 << QString::fromUtf8("50．3") << hexBytes("20 03 92 01");
    QTest::newRow("width half dot rounds up")
        << "lineEdit" << 0x18 << "50.0625" << hexBytes("20 03 91 01");
    // The model has no print mode: its list is not sent, the paper feed is.
    QTest::newRow("print mode skipped") << "comboBox_PrintMode" << 0x41 << "2" << QByteArray();
}

void TestPrintSettingsNet::writeEdgePayloads()
{
    QFETCH(QString, widget);
    QFETCH(int, item);
    QFETCH(QString, value);
    QFETCH(QByteArray, data);
    PageFixture f;
    QVERIFY(f.start(8, false));
    fillPage(*f.page);
    QWidget *w = f.page->findChild<QWidget *>(widget);
    QVERIFY(w);
    if (auto *box = qobject_cast<QComboBox *>(w))
        box->setCurrentIndex(value.toInt());
    else
        qobject_cast<QLineEdit *>(w)->setText(value);
    f.click("pushButton_PrintSettingSet");
    QCOMPARE(f.recorder->texts(), kSuccess);
    QTRY_COMPARE(f.printer->functionCodes(), QList<quint8>{6});
    QCOMPARE(sentData(*f.printer, quint8(item)), data);
}

void TestPrintSettingsNet::plainValuesSendOnlyWhatIsSet()
{
    PageFixture f;
    QVERIFY(f.start(8, true));
    PrintSettings values;
    values.autoPaper = 1;  // the model has print mode instead
    values.direction = 1;  // travels only with the method
    values.widthMm = 50.3; // travels only with the height
    values.labelGapMm = 3;
    QCOMPARE(writePrintSettings(*f.session, values), 0);
    QTRY_COMPARE(describeFrames(*f.printer), (QStringList{"01 19: 18 00", "00 06: "}));
}

void TestPrintSettingsNet::readFillsWidget_data()
{
    QTest::addColumn<int>("dots");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("expected"); // text, or the index of a combo box
    const auto row = [](const char *name, int dots, int item, const char *widget,
                        const char *answer, const char *expected) {
        QTest::newRow(name) << (dots < 0 ? 12 : dots) << (dots < 0) << item << widget
                            << hexBytes(answer) << expected;
    };
    // dots -1: 12 dots per mm and the print-mode setting
    row("gap 24 dots", 8, 0x19, "lineEdit_LabelGap", "18 00", "3");
    row("black gap unsigned", 8, 0x1A, "lineEdit_BlackLabelGap", "FF FF", "8191");
    row("offset -16 dots", 8, 0x1D, "lineEdit_PrintShift", "F0 FF", "-2");
    row("offset -7 dots", 8, 0x1D, "lineEdit_PrintShift", "F9 FF", "0");
    row("vertical at 12", 12, 0x1E, "lineEdit_VerticalShift", "E7 FF", "-2");
    row("size height", 8, 0x18, "lineEdit_2", "20 03 92 01", "100.0");
    row("size width truncated", 8, 0x18, "lineEdit", "20 03 92 01", "50.2");
    row("size width at 12", 12, 0x18, "lineEdit", "20 03 92 01", "33.5");
    row("command set AUTO", 8, 0x02, "comboBox_OrderSet", "20", "5");
    row("speed 7 of 8", -1, 0x00, "comboBox_PrintSpeed", "07", "7");
    row("paper type other", 8, 0x16, "comboBox_PaperType", "09", "3");
    row("method non-zero", 8, 0x1C, "comboBox_PrintMethod", "00 80", "1");
    row("print mode other", -1, 0x41, "comboBox_PrintMode", "07", "2");
    row("print mode not read without it", 8, 0x41, "comboBox_PrintMode", "00", "1");
    row("paper feed from the first byte", 8, 0x54, "comboBox_AutoPaper", "00 01", "0");
    row("paper feed not read with print mode", -1, 0x54, "comboBox_AutoPaper", "00", "1");
}

void TestPrintSettingsNet::readFillsWidget()
{
    QFETCH(int, dots);
    QFETCH(bool, printMode);
    QFETCH(int, item);
    QFETCH(QString, widget);
    QFETCH(QByteArray, answer);
    QFETCH(QString, expected);
    PageFixture f;
    QVERIFY(f.start(dots, printMode));
    fillPage(*f.page);
    f.page->findChild<QComboBox *>("comboBox_OrderSet")->setCurrentIndex(2);
    f.printer->setValue(quint8(item), answer);
    f.click("pushButton_PrintSettingRead");
    QCOMPARE(f.recorder->texts(), kSuccess);
    QCOMPARE(shown(f.page->findChild<QWidget *>(widget)), expected);
}

void TestPrintSettingsNet::failedQueryIsReportedAndRestStillFilled()
{
    PageFixture f;
    QVERIFY(f.start(8, false));
    auto *density = f.page->findChild<QComboBox *>("comboBox_PrintDensty");
    auto *language = f.page->findChild<QComboBox *>("comboBox");
    density->setCurrentIndex(4);
    language->setCurrentIndex(1);
    f.printer->setValue(0x13, hexBytes("09"));
    f.printer->setValue(0x3E, hexBytes("05"));
    f.printer->setValue(0x19, hexBytes("18 00"));
    // Density gets no answer: the transport gives up, the later queries still run.
    f.printer->setSilentItems({0x13});
    auto *set = f.page->findChild<QPushButton *>("pushButton_PrintSettingSet");
    set->setEnabled(true); // as an earlier printer's read left it
    f.click("pushButton_PrintSettingRead");
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("网络通讯出错，请重试")});
    QCOMPARE(density->currentIndex(), 4);
    QCOMPARE(f.page->findChild<QLineEdit *>("lineEdit_LabelGap")->text(), QStringLiteral("3"));
    QCOMPARE(language->currentIndex(), 5);
    QVERIFY(!set->isEnabled());
    QVERIFY(f.host->controlsEnabled);
}

void TestPrintSettingsNet::refusedValueSendsNothing_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // the field and its range, as the user is told
    const auto row = [](const char *name, const char *model, const char *page, const char *widget,
                        const char *text, const char *field, const char *range) {
        QTest::newRow(name) << model << page << widget << text
                            << QString::fromUtf8(field) +
                                   QString::fromUtf8("：输入无效，允许范围为 ") +
                                   QString::fromUtf8(range);
    };
    row("gap -3", "P1", "Print", "lineEdit_LabelGap", "-3", "标签间隙(单位mm)", "0 至 8191");
    row("black gap 65536 dots", "P1", "Print", "lineEdit_BlackLabelGap", "8192", "黑标间隙(单位mm)",
        "0 至 8191");
    row("offset at 12", "K53TA", "Print", "lineEdit_VerticalShift", "-2731", "垂直偏移(单位mm)",
        "-2730 至 2730");
    row("height above 16 bits", "P1", "Print", "lineEdit_2", "9000", "高度", "0 至 8191.8");
    row("height letters", "P1", "Print", "lineEdit_2", "abc", "高度", "0 至 8191.8");
    row("width nan", "P1", "Print", "lineEdit", "nan", "宽度", "0 至 8191.8");
    row("WiFi port letter", "P1", "Wifi", "lineEdit_WApPort", "9100a", "TCP端口号", "0 至 65535");
    row("WiFi port wraps", "P1", "Wifi", "lineEdit_WApPort", "65536", "TCP端口号", "0 至 65535");
    row("WiFi DNS 999", "P1", "Wifi", "lineEdit_WifiSetDNS", "999.1.2.3", "DNS", "0 至 255");
    row("Ethernet address", "P1", "Netport", "lineEdit_NetportIP", "192.168.1.256", "IP地址",
        "0 至 255");
    row("Ethernet UDP port", "P1", "Netport", "lineEdit_NetportUDPPort", "70000", "UDP端口号",
        "0 至 65535");
    row("Ethernet TCP port -1", "P1", "Netport", "lineEdit_NetportTCPPort", "-1", "TCP端口号",
        "0 至 65535");
}

void TestPrintSettingsNet::refusedValueSendsNothing()
{
    QFETCH(QString, model);
    QFETCH(QString, page);
    QFETCH(QString, widget);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    QVERIFY(f.open());
    QVERIFY(f.readPage(page));
    auto *edit = f.window->findChild<QLineEdit *>(widget);
    QVERIFY(edit);
    edit->setText(text);
    const qint64 before = f.printer->bytesReceived();
    QTest::mouseClick(f.pageButton(page, "Set"), Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{refusal});
    QTest::qWait(100);
    QCOMPARE(f.printer->bytesReceived(), before);
    QVERIFY(f.window->isDeviceOpen());
}

void TestPrintSettingsNet::unknownListAnswerIsLeftAsStored_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QByteArray>("sent");   // for the answer: null when no frame goes out
    QTest::addColumn<QByteArray>("picked"); // once the user picks the first entry
    QTest::newRow("code page 70") << "Print" << 0x01 << hexBytes("46") << "comboBox_DefaultCodePage"
                                  << QByteArray() << hexBytes("00");
    QTest::newRow("command set 7") << "Print" << 0x02 << hexBytes("07") << "comboBox_OrderSet"
                                   << QByteArray() << hexBytes("01");
    QTest::newRow("speed 7 of 4") << "Print" << 0x00 << hexBytes("07") << "comboBox_PrintSpeed"
                                  << QByteArray() << hexBytes("00");
    QTest::newRow("menu language 9")
        << "Print" << 0x3E << hexBytes("09") << "comboBox" << QByteArray() << hexBytes("00");
    QTest::newRow("pairing mode 5")
        << "Ble" << 0x2F << hexBytes("05") << "comboBox_SppMode" << QByteArray() << hexBytes("00");
    // One frame holds four lists: the unknown one goes back as the printer gave it.
    QTest::newRow("baud 0x20") << "Com" << 0x0E << hexBytes("20 01 00 01") << "comboBox_ComBaud"
                               << hexBytes("20 01 00 01") << hexBytes("00 01 00 01");
}

void TestPrintSettingsNet::unknownListAnswerIsLeftAsStored()
{
    QFETCH(QString, page);
    QFETCH(int, item);
    QFETCH(QByteArray, answer);
    QFETCH(QString, widget);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, picked);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    auto *box = f.window->findChild<QComboBox *>(widget);
    QVERIFY(box);
    box->setCurrentIndex(1); // what an earlier printer left
    f.printer->setValue(quint8(item), answer);
    QVERIFY(f.readPage(page));
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->placeholderText(), QString::fromUtf8("未知"));

    QPushButton *set = f.pageButton(page, "Set");
    QTest::mouseClick(set, Qt::LeftButton);
    QVERIFY(f.recorder->texts().endsWith(QString::fromUtf8("处理成功")));
    QTRY_VERIFY(!f.printer->receivedFrames().isEmpty());
    QTest::qWait(50);
    QCOMPARE(sentData(*f.printer, quint8(item)), sent);
    QCOMPARE(f.printer->value(quint8(item)), answer);

    f.printer->clearRecords();
    box->setCurrentIndex(0);
    QTest::mouseClick(set, Qt::LeftButton);
    QTRY_COMPARE(sentData(*f.printer, quint8(item)), picked);
}

void TestPrintSettingsNet::failedReadKeepsSetDisabled_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("answer"); // null: no answer (a reply time-out)
    QTest::addColumn<QString>("message");
    const QString failed = QString::fromUtf8("读取失败，请重试");
    const QString network = QString::fromUtf8("网络通讯出错，请重试");
    QTest::newRow("WiFi IP") << "Wifi" << 0x28 << QByteArray() << network;
    QTest::newRow("WiFi access point unreadable")
        << "Wifi" << 0x27 << QByteArray("AP-without-end") << failed;
    QTest::newRow("device information of three strings")
        << "Com" << 0x0C << QByteArray("P\0Q\0X\0S", 7) << failed;
}

void TestPrintSettingsNet::failedReadKeepsSetDisabled()
{
    QFETCH(QString, page);
    QFETCH(int, item);
    QFETCH(QByteArray, answer);
    QFETCH(QString, message);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->setValue(0x30, hexBytes("02")); // the WiFi page reads its access point
    if (answer.isNull())
        f.printer->setSilentItems({quint8(item)});
    else
        f.printer->setValue(quint8(item), answer);
    QPushButton *set = f.pageButton(page, "Set");
    set->setEnabled(true); // as an earlier printer's read left it
    QTest::mouseClick(f.pageButton(page, "Read"), Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{message});
    QVERIFY(!set->isEnabled());
}

QTEST_MAIN(TestPrintSettingsNet)
#include "tst_printsettings_net.moc"
