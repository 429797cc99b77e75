// The distance and stripper pages against the simulated printer through a session: payloads, reads,
// which failures are reported, and the stripper question.
#include "pagetest.h"
#include "sessionfixture.h"
#include "settings/distancepage.h"
#include "settings/stripperpage.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const char *const kBoxes[] = {"lineEdit_DistanceO2PH", "lineEdit_DistanceS2PH",
                              "lineEdit_DistanceB2PH", "lineEdit_DistancePH2T"};

void setTexts(QWidget &page, const QStringList &texts)
{
    for (int i = 0; i < 4; ++i)
        page.findChild<QLineEdit *>(kBoxes[i])->setText(texts.at(i));
}

QStringList texts(QWidget &page)
{
    QStringList out;
    for (const char *name : kBoxes)
        out << page.findChild<QLineEdit *>(name)->text();
    return out;
}

} // namespace

class TestDistanceSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void distanceWriteAndRead_data();
    void distanceWriteAndRead();
    void everyDistanceQueryRunsAndFailureIsReported();
    void stripper_data();
    void stripper();
    void stripperQuestionOncePerOpenedPrinter();
    void nothingSent_data();
    void nothingSent();
};

void TestDistanceSettingsNet::distanceWriteAndRead_data()
{
    QTest::addColumn<int>("dots");
    QTest::addColumn<QStringList>("boxes"); // outlet, gap sensor, black mark, tear
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QByteArray>("answers"); // items 0x33 to 0x36, two bytes each
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("8 dots") << 8 << QStringList{"-1", "3", "4", "300"}
                            << QStringList{"01 33: FF FF", "01 34: 18 00", "01 35: 20 00",
                                           "01 36: 2C 01"}
                            << QByteArray::fromHex("FFFF 1F00 F9FF 2C01")
                            << QStringList{"-1", "3", "0", "300"};
    QTest::newRow("12 dots") << 12 << QStringList{"0", "10", "-2", "-300"}
                             << QStringList{"01 33: 00 00", "01 34: 78 00", "01 35: E8 FF",
                                            "01 36: D4 FE"}
                             << QByteArray::fromHex("0080 7700 E7FF FF7F")
                             << QStringList{"-32768", "9", "-2", "32767"};
}

void TestDistanceSettingsNet::distanceWriteAndRead()
{
    QFETCH(int, dots);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, frames);
    QFETCH(QByteArray, answers);
    QFETCH(QStringList, shown);
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("P1")), dots));
    DistancePage page(*f.session, *f.host);
    page.printerChanged();
    QCOMPARE(page.findChild<QLabel *>("label_17")->text(),
             dots == 12 ? QStringLiteral("注：1mm = 12dot") : QStringLiteral("注：1mm = 8dot"));
    setTexts(page, boxes);
    clickEnabled(page, "pushButton_DistanceSettingSet");
    QCOMPARE(f.recorder->texts(), kSuccess);
    QTRY_COMPARE(describeFrames(*f.printer), frames);

    f.printer->clearRecords();
    f.recorder->clear();
    for (int i = 0; i < 4; ++i)
        f.printer->setValue(quint8(0x33 + i), answers.mid(2 * i, 2));
    page.forgetRead();
    QTest::mouseClick(page.findChild<QPushButton *>("pushButton_DistanceSettingRead"),
                      Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), kSuccess);
    QCOMPARE(texts(page), shown);
    QCOMPARE(describeFrames(*f.printer), (QStringList{"02 33: ", "02 34: ", "02 35: ", "02 36: "}));
    QVERIFY(page.findChild<QPushButton *>("pushButton_DistanceSettingSet")->isEnabled());
    QVERIFY(f.host->controlsEnabled);
}

void TestDistanceSettingsNet::everyDistanceQueryRunsAndFailureIsReported()
{
    SessionFixture f;
    QVERIFY(f.start());
    DistancePage page(*f.session, *f.host);
    for (int i = 0; i < 4; ++i)
        f.printer->setValue(quint8(0x33 + i), QByteArray::fromHex("28 00"));
    setTexts(page, {"a", "b", "c", "d"});
    // The first query gets no answer: reported, and the later boxes still filled.
    f.printer->setSilentItems({0x33});
    clickEnabled(page, "pushButton_DistanceSettingRead");
    QCOMPARE(f.recorder->texts(), QStringList{QStringLiteral("网络通讯出错，请重试")});
    QCOMPARE(texts(page), (QStringList{"a", "5", "5", "40"}));
    QVERIFY(!page.findChild<QPushButton *>("pushButton_DistanceSettingSet")->isEnabled());
}

void TestDistanceSettingsNet::stripper_data()
{
    QTest::addColumn<QString>("seconds"); // typed, and shown again after the read
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("answer"); // null: no answer (a reply time-out)
    QTest::newRow("largest") << "65" << QByteArray::fromHex("E8FD") << QByteArray::fromHex("FFFF");
    QTest::newRow("none") << "0" << QByteArray::fromHex("0000") << QByteArray::fromHex("E703");
    QTest::newRow("read fails") << "7" << QByteArray::fromHex("581B") << QByteArray();
}

void TestDistanceSettingsNet::stripper()
{
    QFETCH(QString, seconds);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, answer);
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("K53TA")), 12, true));
    StripperPage page(*f.session, *f.host);
    auto *time = page.findChild<QLineEdit *>("lineEdit_PaperTime");
    time->setText(seconds);
    clickEnabled(page, "pushButton_StripperSettingSet");
    QCOMPARE(f.recorder->texts(), kSuccess);
    QTRY_COMPARE(describeFrames(*f.printer),
                 QStringList{"01 58: " + QString::fromLatin1(data.toHex(' ')).toUpper()});

    f.recorder->clear();
    if (answer.isNull())
        f.printer->setSilentItems({0x58});
    else
        f.printer->setValue(0x58, answer);
    page.forgetRead();
    QTest::mouseClick(page.findChild<QPushButton *>("pushButton_StripperSettingRead"),
                      Qt::LeftButton);
    QCOMPARE(f.recorder->texts(),
             answer.isNull() ? QStringList{QStringLiteral("网络通讯出错，请重试")} : kSuccess);
    QCOMPARE(time->text(), seconds);
    QCOMPARE(page.findChild<QPushButton *>("pushButton_StripperSettingSet")->isEnabled(),
             !answer.isNull());
    QVERIFY(f.host->controlsEnabled);
}

void TestDistanceSettingsNet::stripperQuestionOncePerOpenedPrinter()
{
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("K53TA")), 12, true));
    StripperPage page(*f.session, *f.host);
    page.printerChanged();
    clickEnabled(page, "pushButton_StripperSettingRead");
    clickEnabled(page, "pushButton_StripperSettingRead");
    clickEnabled(page, "pushButton_StripperSettingSet");
    QCOMPARE(f.recorder->dialogTitles, QStringList{QStringLiteral("设置工具")});
    QVERIFY(f.session->stripperConfirmed());

    page.printerChanged(); // another printer opened
    QVERIFY(!f.session->stripperConfirmed());
    f.recorder->clear();
    clickEnabled(page, "pushButton_StripperSettingRead");
    QCOMPARE(f.recorder->dialogTitles, QStringList{QStringLiteral("设置工具")});
    QCOMPARE(f.recorder->texts(), kSuccess);
}

void TestDistanceSettingsNet::nothingSent_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("declined"); // the stripper question
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, bool open, bool declined, const char *box,
                        const char *text, const char *button, const char *message) {
        QTest::newRow(name) << open << declined << box << text << button
                            << QString::fromUtf8(message);
    };
    for (const char *button : {"pushButton_DistanceSettingRead", "pushButton_DistanceSettingSet",
                               "pushButton_StripperSettingRead", "pushButton_StripperSettingSet"})
        row(button, false, false, "", "", button, "请先打开设备");
    row("outlet dots", true, false, "lineEdit_DistanceO2PH", "32768",
        "pushButton_DistanceSettingSet",
        "出纸口到打印头距离(单位dot)：输入无效，允许范围为 -32768 至 32767");
    row("sensor mm at 12", true, false, "lineEdit_DistanceS2PH", "2731",
        "pushButton_DistanceSettingSet",
        "缝到打印头距离(单位mm)：输入无效，允许范围为 -2730 至 2730");
    row("stripper 66 s", true, false, "lineEdit_PaperTime", "66", "pushButton_StripperSettingSet",
        "剥离器取纸时间设置（单位：s）：输入无效，允许范围为 0 至 65");
    // Declined: nothing is sent and the question comes again next time.
    row("stripper read declined", true, true, "", "", "pushButton_StripperSettingRead", "");
    row("stripper write declined", true, true, "", "", "pushButton_StripperSettingSet", "");
}

void TestDistanceSettingsNet::nothingSent()
{
    QFETCH(bool, open);
    QFETCH(bool, declined);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, message);
    SessionFixture f;
    QVERIFY(f.start(SessionFixture::configFor(QStringLiteral("K53TA")), 12, true));
    f.host->open = open;
    f.recorder->dialogResult = declined ? QDialog::Rejected : QDialog::Accepted;
    DistancePage distance(*f.session, *f.host);
    StripperPage stripper(*f.session, *f.host);
    stripper.printerChanged();
    setTexts(distance, {"0", "0", "0", "0"});
    stripper.findChild<QLineEdit *>("lineEdit_PaperTime")->setText(QStringLiteral("5"));
    QWidget &page =
        button.contains(QLatin1String("Stripper")) ? static_cast<QWidget &>(stripper) : distance;
    if (!box.isEmpty())
        page.findChild<QLineEdit *>(box)->setText(text);
    clickEnabled(page, qPrintable(button));
    QCOMPARE(f.recorder->texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.recorder->dialogTitles.size(), declined ? 1 : 0);
    QVERIFY(!f.session->stripperConfirmed());
    QVERIFY(f.host->controlsEnabled);
    QTest::qWait(50);
    QCOMPARE(f.printer->bytesReceived(), qint64(0));
}

QTEST_MAIN(TestDistanceSettingsNet)
#include "tst_distancesettings_net.moc"
