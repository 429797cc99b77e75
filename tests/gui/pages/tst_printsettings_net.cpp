// The print, distance and stripper pages against the simulated printer through a session: each row
// reads the page over what was there before and, when it names a write, then writes its edits.
#include "pagetest.h"
#include "sessionfixture.h"
#include "gui/pages/distancepage.h"
#include "gui/pages/functionpage.h"
#include "gui/pages/printpage.h"
#include "device/settings/settingsengine.h"
#include "gui/pages/stripperpage.h"

#include <QSettings>

namespace {

// Every print setting set to a known value, before each read and each write.
const QString kPrintValues =
    "comboBox_DefaultCodePage=5;comboBox_PrintSpeed=2;comboBox_PrintDensty=9;"
    "comboBox_PrintDirection=1;comboBox_PrintMethod=0;comboBox_PrintMode=1;comboBox_AutoPaper=1;"
    "comboBox_PaperType=2;comboBox_OrderSet=5;comboBox=3;lineEdit_LabelGap=3;"
    "lineEdit_BlackLabelGap=4;lineEdit_VerticalShift=-2;lineEdit_PrintShift=7;lineEdit=50.3;"
    "lineEdit_2=100";

} // namespace

class TestPrintSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void readThenWrite_data();
    void readThenWrite();
    void plainValuesSendOnlyWhatIsSet();
    void printerValuesGoBackAsRead();
    void unreachablePrinter_data();
    void unreachablePrinter();
    void stripperQuestionOncePerOpenedPrinter();
    void cancelledRead_data();
    void cancelledRead();
    void secondClickWhileReading();
};

void TestPrintSettingsNet::readThenWrite_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("dots"); // negative: with the print-mode setting
    QTest::addColumn<QVariantMap>("answers");
    QTest::addColumn<int>("silentItem"); // -1: all answered; else one reply time-out
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("read");    // the message, then what the page shows
    QTest::addColumn<QString>("queried"); // checked when given
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("messages"); // none: no write
    const auto refused = [](const char *page, int dots, const char *edit, const QString &message) {
        QTest::newRow(edit) << page << dots << QVariantMap{} << -1 << QString() << kOk << QString()
                            << edit << QString() << message;
    };
    const auto failed = [](const char *page, int dots, const QVariantMap &answers, int silent,
                           const char *before, const char *read, const char *queried = "") {
        QTest::newRow(qPrintable(page + QString(" read fails")))
            << page << dots << answers << silent << before << kNetworkError + ";" + read
            << QString(queried) << QString() << QString() << QString();
    };

    QTest::newRow("print, 8 dots, automatic paper feed")
        << "Print" << 8 << QVariantMap{{"19", hexBytes("18 00")}, {"1A", hexBytes("FF FF")},
                                       {"1D", hexBytes("F0 FF")}, {"18", hexBytes("20 03 92 01")},
                                       {"02", hexBytes("20")},    {"16", hexBytes("09")},
                                       {"1C", hexBytes("00 80")}, {"41", hexBytes("00")},
                                       {"54", hexBytes("00 01")}}
        << -1 << "comboBox_OrderSet=2"
        << kOk + ";lineEdit_LabelGap=3;lineEdit_BlackLabelGap=8191;lineEdit_PrintShift=-2;"
                 "lineEdit_2=100.0;lineEdit=50.2;comboBox_OrderSet=#5;comboBox_PaperType=#3;"
                 "comboBox_PrintMethod=#1;comboBox_PrintMode=#1;!comboBox_PrintMode;"
                 "comboBox_AutoPaper=#0"
        << "00 13 19 1A 1C 1D 1E 16 01 02 54 18 3E" << QString()
        << "01 01: 05;01 00: 02;01 13: 09;01 19: 18 00;01 1A: 20 00;01 1C: 01 00;01 54: 01;"
           "01 16: 02;01 02: 20;01 1E: F0 FF;01 1D: 38 00;01 18: 20 03 92 01;01 3E: 03;00 06: "
        << kOk;
    // A full-width stop; 50.1 mm is 601.2 dots.
    QTest::newRow("print, 12 dots, print mode")
        << "Print" << -12 << QVariantMap{{"1E", hexBytes("E7 FF")}, {"18", hexBytes("20 03 92 01")},
                                         {"00", hexBytes("07")},    {"41", hexBytes("07")},
                                         {"54", hexBytes("00")},    {"1D", hexBytes("F9 FF")}}
        << -1 << QString()
        << kOk + ";lineEdit_VerticalShift=-2;lineEdit=33.5;comboBox_PrintSpeed=#7;"
                 "comboBox_PrintMode=#2;comboBox_AutoPaper=#1;!comboBox_AutoPaper;"
                 "lineEdit_PrintShift=0"
        << "00 13 19 1A 1C 1D 1E 41 16 01 02 18 3E"
        << "lineEdit=50．1"
        << "01 01: 05;01 00: 02;01 13: 09;01 19: 24 00;01 1A: 30 00;01 1C: 01 00;01 41: 01;"
           "01 16: 02;01 02: 20;01 1E: E8 FF;01 1D: 54 00;01 18: B0 04 59 02;01 3E: 03;00 06: "
        << kOk;
    // A list answer without an entry is left as the printer has it: no frame for it.
    QTest::newRow("print, unknown list answers")
        << "Print" << 8
        << QVariantMap{{"01", hexBytes("46")},
                       {"02", hexBytes("07")},
                       {"00", hexBytes("07")},
                       {"3E", hexBytes("09")}}
        << -1 << QString()
        << kOk + ";comboBox_DefaultCodePage=?未知;comboBox_OrderSet=?未知;"
                 "comboBox_PrintSpeed=?未知;comboBox=?未知"
        << QString()
        << "comboBox_DefaultCodePage=-1;comboBox_PrintSpeed=-1;comboBox_OrderSet=0;comboBox=0;"
           "comboBox_PrintMethod=1;lineEdit=50,3"
        << "01 13: 09;01 19: 18 00;01 1A: 20 00;01 1C: 01 01;01 54: 01;01 16: 02;01 02: 01;"
           "01 1E: F0 FF;01 1D: 38 00;01 18: 20 03 92 01;01 3E: 00;00 06: "
        << kOk;
    // Density gets no answer: its box keeps what it showed, the read goes on to the end.
    failed("Print", 8, {{"13", hexBytes("09")}, {"3E", hexBytes("05")}, {"19", hexBytes("18 00")}},
           0x13, "comboBox_PrintDensty=4;comboBox=1;lineEdit_LabelGap=9",
           "comboBox_PrintDensty=#4;comboBox=#5;lineEdit_LabelGap=3;!pushButton_PrintSettingSet",
           "00 13 19 1A 1C 1D 1E 16 01 02 54 18 3E");
    refused("Print", 8, "lineEdit_LabelGap=-3", refusal("标签间隙(单位mm)", "0 至 8191"));
    refused("Print", -12, "lineEdit_VerticalShift=-2731",
            refusal("垂直偏移(单位mm)", "-2730 至 2730"));
    // The label size keeps the range the page's fix-ups hold it to.
    refused("Print", 8, "lineEdit_2=abc", refusal("高度", "10 至 1778"));
    refused("Print", 8, "lineEdit=50.25", refusal("宽度", "20 至 108"));

    // Outlet, gap sensor, black mark, tear; each setting's 8-dot frame is in the settings table
    // test.
    QTest::newRow("distance, 12 dots")
        << "Distance" << 12
        << QVariantMap{{"33", hexBytes("0080")},
                       {"34", hexBytes("7700")},
                       {"35", hexBytes("E7FF")},
                       {"36", hexBytes("FF7F")}}
        << -1 << QString()
        << kOk + ";lineEdit_DistanceO2PH=-32768;lineEdit_DistanceS2PH=9;"
                 "lineEdit_DistanceB2PH=-2;lineEdit_DistancePH2T=32767;label_17=注：1mm = 12dot"
        << "33 34 35 36"
        << "lineEdit_DistanceO2PH=0;lineEdit_DistanceS2PH=10;lineEdit_DistanceB2PH=-2;"
           "lineEdit_DistancePH2T=-300"
        << "01 33: 00 00;01 34: 78 00;01 35: E8 FF;01 36: D4 FE" << kOk;
    // The distances report the last query alone: an earlier silent one leaves its box and
    // the set button as they were, and says the read failed; the others are filled.
    const QByteArray forty = hexBytes("2800");
    const char *distances = "lineEdit_DistanceO2PH=a;lineEdit_DistanceS2PH=b;"
                            "lineEdit_DistanceB2PH=c;lineEdit_DistancePH2T=d";
    QTest::newRow("Distance: an earlier query silent")
        << "Distance" << 8
        << QVariantMap{{"33", forty}, {"34", forty}, {"35", forty}, {"36", forty}} << 0x35
        << distances
        << "读取失败，请重试;lineEdit_DistanceO2PH=40;lineEdit_DistanceS2PH=5;"
           "lineEdit_DistanceB2PH=c;lineEdit_DistancePH2T=40;!pushButton_DistanceSettingSet"
        << "33 34 35 36" << QString() << QString() << QString();
    failed("Distance", 8, {{"33", forty}, {"34", forty}, {"35", forty}, {"36", forty}}, 0x36,
           distances,
           "lineEdit_DistanceO2PH=40;lineEdit_DistanceS2PH=5;lineEdit_DistanceB2PH=5;"
           "lineEdit_DistancePH2T=d;!pushButton_DistanceSettingSet",
           "33 34 35 36");
    refused("Distance", 12, "lineEdit_DistanceO2PH=32768",
            refusal("出纸口到打印头距离(单位dot)", "-32768 至 32767"));

    QTest::newRow("stripper, under a second")
        << "Stripper" << -12 << QVariantMap{{"58", hexBytes("E703")}} << -1 << QString()
        << kOk + ";lineEdit_PaperTime=0" << QString() << "lineEdit_PaperTime=7"
        << "01 58: 58 1B" << kOk;
    failed("Stripper", -12, {}, 0x58, "lineEdit_PaperTime=7",
           "lineEdit_PaperTime=7;!pushButton_StripperSettingSet");
    refused("Stripper", -12, "lineEdit_PaperTime=66",
            refusal("剥离器取纸时间设置（单位：s）", "0 至 65"));
}

void TestPrintSettingsNet::readThenWrite()
{
    QFETCH(QString, page);
    QFETCH(int, dots);
    QFETCH(QVariantMap, answers);
    QFETCH(int, silentItem);
    QFETCH(QString, before);
    QFETCH(QString, read);
    QFETCH(QString, queried);
    QFETCH(QString, edits);
    QFETCH(QString, frames);
    QFETCH(QString, messages);
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("P1")), qAbs(dots), dots < 0));
    PrintPage print(*f.session, *f.host);
    DistancePage distance(*f.session, *f.host);
    StripperPage stripper(*f.session, *f.host);
    QWidget *w = page == "Print"      ? static_cast<QWidget *>(&print)
                 : page == "Distance" ? static_cast<QWidget *>(&distance)
                                      : &stripper;
    print.printerChanged();
    distance.printerChanged();
    stripper.printerChanged();
    auto *set = w->findChild<QPushButton *>("pushButton_" + page + "SettingSet");
    QVERIFY(!set->isEnabled());
    storeAnswers(*f.printer, answers);
    if (page == "Print")
        fill(w, fields(kPrintValues));
    fill(w, fields(before));
    readPage(f, w, page, silentItem, read, queried);
    if (QTest::currentTestFailed() || messages.isEmpty())
        return;

    f.recorder->clear();
    f.printer->clearRecords();
    if (page == "Print")
        fill(w, fields(kPrintValues));
    fill(w, fields(edits));
    click(w, "pushButton_" + page + "SettingSet");
    QVERIFY(f.settle());
    QCOMPARE(f.recorder->texts(), fields(messages));
    if (frames.isEmpty())
        QTest::qWait(100);
    QTRY_COMPARE(describeFrames(*f.printer), fields(frames));
    QVERIFY(f.host->controlsEnabled);
    if (page == "Print" && edits.isEmpty()) {
        // The next start shows the size last written.
        PrintPage next(*f.session, *f.host);
        QCOMPARE(shown(&next, {"lineEdit=50.3", "lineEdit_2=100.0"}),
                 (QStringList{"lineEdit=50.3", "lineEdit_2=100.0"}));
    }
}

void TestPrintSettingsNet::plainValuesSendOnlyWhatIsSet()
{
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("P1")), 8, true));
    const QJsonObject values{{"autoPaper", 1},  // the model has print mode instead
                             {"direction", 1},  // travels only with the method
                             {"widthMm", 50.3}, // travels only with the height
                             {"labelGapMm", 3}};
    int written = -1;
    QVERIFY(f.onWorker([&](PrinterSession &session) {
        written = settingsengine::write(session, "print", values, QJsonObject());
    }));
    QCOMPARE(written, 0);
    QTRY_COMPARE(describeFrames(*f.printer), (QStringList{"01 19: 18 00", "00 06: "}));
}

// A label size the printer reports past what may be typed is written back as it is;
// typed, the same value is refused and nothing is sent.
void TestPrintSettingsNet::printerValuesGoBackAsRead()
{
    SessionFixture f;
    QVERIFY(f.start());
    PrintPage print(*f.session, *f.host);
    print.printerChanged();
    // 100 mm high, 150 mm wide at 8 dots per millimetre.
    storeAnswers(*f.printer, {{"18", hexBytes("20 03 B0 04")}});
    click(&print, "pushButton_PrintSettingRead");
    QVERIFY(f.settle());
    QCOMPARE(shown(&print, {"lineEdit=150.0", "pushButton_PrintSettingSet"}),
             (QStringList{"lineEdit=150.0", "pushButton_PrintSettingSet"}));
    f.recorder->clear();
    f.printer->clearRecords();
    click(&print, "pushButton_PrintSettingSet");
    QVERIFY(f.settle());
    QCOMPARE(f.recorder->texts(), kSuccess);
    QTRY_VERIFY(describeFrames(*f.printer).contains("01 18: 20 03 B0 04"));

    f.recorder->clear();
    f.printer->clearRecords();
    fill(&print, {"lineEdit=150"});
    click(&print, "pushButton_PrintSettingSet");
    QCOMPARE(f.recorder->texts(), QStringList{refusal("宽度", "20 至 108")});
    QTest::qWait(100);
    QCOMPARE(describeFrames(*f.printer), QStringList());
}

// A printer that takes no connection: each exchange of a page, a function command and a
// read or write of settings, reports the network's failure, not the status read's text.
void TestPrintSettingsNet::unreachablePrinter_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::newRow("print read") << "Print"
                                << "pushButton_PrintSettingRead";
    QTest::newRow("print write") << "Print"
                                 << "pushButton_PrintSettingSet";
    QTest::newRow("distance read") << "Distance"
                                   << "pushButton_DistanceSettingRead";
    QTest::newRow("self-test") << "Function"
                               << "pushButton_SelfCheck";
}

void TestPrintSettingsNet::unreachablePrinter()
{
    QFETCH(QString, page);
    QFETCH(QString, button);
    SessionFixture f;
    QVERIFY(f.start());
    PrintPage print(*f.session, *f.host);
    DistancePage distance(*f.session, *f.host);
    FunctionPage function(*f.session, *f.host);
    QWidget *w = page == "Print"      ? static_cast<QWidget *>(&print)
                 : page == "Distance" ? static_cast<QWidget *>(&distance)
                                      : &function;
    print.printerChanged();
    fill(&print, fields(kPrintValues));
    // As a read before the printer went away left it.
    print.findChild<QPushButton *>("pushButton_PrintSettingSet")->setEnabled(true);
    f.printer->setRefuseMode(RefuseMode::NotListening);
    click(w, button);
    QVERIFY(f.settle());
    QCOMPARE(f.recorder->texts(), QStringList{kNetworkError});
}

// Nothing goes out while the printer is closed or the stripper question is declined; the question
// comes once per opened printer.
void TestPrintSettingsNet::stripperQuestionOncePerOpenedPrinter()
{
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("K53TA")), 12, true));
    DistancePage distance(*f.session, *f.host);
    StripperPage page(*f.session, *f.host);
    page.printerChanged();
    fill(&distance, fields("lineEdit_DistanceO2PH=0;lineEdit_DistanceS2PH=0;"
                           "lineEdit_DistanceB2PH=0;lineEdit_DistancePH2T=0"));
    fill(&page, {"lineEdit_PaperTime=5"});
    f.host->open = false;
    for (const char *button : {"pushButton_DistanceSettingRead", "pushButton_DistanceSettingSet"})
        clickEnabled(distance, button);
    for (const char *button : {"pushButton_StripperSettingRead", "pushButton_StripperSettingSet"})
        clickEnabled(page, button);
    QCOMPARE(f.recorder->texts(), fields("请先打开设备;请先打开设备;请先打开设备;请先打开设备"));
    f.host->open = true;
    f.recorder->clear();
    f.recorder->dialogResult = QDialog::Rejected;
    clickEnabled(page, "pushButton_StripperSettingRead");
    clickEnabled(page, "pushButton_StripperSettingSet");
    QCOMPARE(f.recorder->dialogTitles.size(), 2);
    QVERIFY(f.recorder->texts().isEmpty());
    QVERIFY(!f.session->stripperConfirmed());
    QVERIFY(f.host->controlsEnabled);
    QTest::qWait(50);
    QCOMPARE(f.printer->bytesReceived(), qint64(0));

    f.recorder->clear();
    f.recorder->dialogResult = QDialog::Accepted;
    for (const char *button : {"pushButton_StripperSettingRead", "pushButton_StripperSettingRead",
                               "pushButton_StripperSettingSet"}) {
        clickEnabled(page, button);
        QVERIFY(f.settle());
    }
    QCOMPARE(f.recorder->dialogTitles, QStringList{QStringLiteral("设置工具")});
    QVERIFY(f.session->stripperConfirmed());
    page.printerChanged(); // another printer opened
    QVERIFY(!f.session->stripperConfirmed());
    f.recorder->clear();
    clickEnabled(page, "pushButton_StripperSettingRead");
    QVERIFY(f.settle());
    QCOMPARE(f.recorder->dialogTitles, QStringList{QStringLiteral("设置工具")});
    QCOMPARE(f.recorder->texts(), kSuccess);
}

// A read cancelled while a query waits for its slow reply: that frame's reply is taken, no
// further frame goes out, nothing read is shown and the page stays unread; the status
// line says how far it came. Cancelled while the last reply is awaited, the read is whole.
void TestPrintSettingsNet::cancelledRead_data()
{
    QTest::addColumn<int>("cancelAt"); // frames the printer received when cancelled
    QTest::addColumn<QString>("result");
    QTest::newRow("before the second frame") << 1 << "读取已取消：已读取 1/13 项，页面未读取";
    QTest::newRow("half way") << 6 << "读取已取消：已读取 6/13 项，页面未读取";
    QTest::newRow("during the last reply") << 13 << kOk;
}

void TestPrintSettingsNet::cancelledRead()
{
    QFETCH(int, cancelAt);
    QFETCH(QString, result);
    SessionFixture f;
    QVERIFY(f.start());
    PrintPage print(*f.session, *f.host);
    print.printerChanged();
    fill(&print, fields(kPrintValues));
    const QStringList before = shown(&print, fields(kPrintValues));
    auto *set = print.findChild<QPushButton *>("pushButton_PrintSettingSet");
    set->setEnabled(true); // as an earlier read left it
    f.printer->setReplyDelayMs(300);
    click(&print, "pushButton_PrintSettingRead");
    QVERIFY(!f.host->controlsEnabled);
    QTRY_VERIFY_WITH_TIMEOUT(f.printer->receivedFrames().size() >= cancelAt, 20000);
    QCOMPARE(f.printer->receivedFrames().size(), cancelAt);
    f.host->worker.currentJob()->cancel();
    QVERIFY(f.settle());
    QTest::qWait(400); // time for a frame sent after all to arrive
    QCOMPARE(f.printer->receivedFrames().size(), cancelAt);
    QVERIFY(f.host->controlsEnabled);
    const bool whole = cancelAt == 13;
    QCOMPARE(f.recorder->texts(), whole ? kSuccess : QStringList());
    QCOMPARE(f.host->lastResult, result);
    QCOMPARE(set->isEnabled(), whole);
    if (!whole)
        QCOMPARE(shown(&print, fields(kPrintValues)), before);
}

// Clicks while a read runs start nothing: one job, one read's frames, one box.
void TestPrintSettingsNet::secondClickWhileReading()
{
    SessionFixture f;
    QVERIFY(f.start());
    PrintPage print(*f.session, *f.host);
    DistancePage distance(*f.session, *f.host);
    print.printerChanged();
    fill(&print, fields(kPrintValues));
    f.printer->setReplyDelayMs(50);
    click(&print, "pushButton_PrintSettingRead");
    QTRY_VERIFY(!f.printer->receivedFrames().isEmpty());
    click(&print, "pushButton_PrintSettingRead");
    clickEnabled(print, "pushButton_PrintSettingSet");
    clickEnabled(distance, "pushButton_DistanceSettingRead");
    QCOMPARE(f.host->jobsStarted, 1);
    QVERIFY(f.settle());
    QTest::qWait(100);
    QCOMPARE(itemsReceived(*f.printer), QStringLiteral("00 13 19 1A 1C 1D 1E 16 01 02 54 18 3E"));
    QCOMPARE(f.recorder->texts(), kSuccess);
}

QTEST_MAIN(TestPrintSettingsNet)
#include "tst_printsettings_net.moc"
