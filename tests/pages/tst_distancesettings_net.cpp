// The distance and stripper pages over the network, checked at the simulated printer:
// payloads, reads, which failures are reported, and the stripper question.
#include "netprinterfixture.h"

namespace {

QStringList describeFrames(const SimPrinter &printer)
{
    QStringList out;
    for (const ReceivedFrame &f : printer.receivedFrames())
        out << QStringLiteral("%1: %2")
                   .arg(int(f.item), 2, 16, QLatin1Char('0'))
                   .arg(QString::fromLatin1(f.data.toHex(' ')))
                   .toUpper();
    return out;
}

void setDistances(Ui::MainWindow *ui, const QStringList &texts)
{
    QLineEdit *const boxes[] = {ui->lineEdit_DistanceO2PH, ui->lineEdit_DistanceS2PH,
                                ui->lineEdit_DistanceB2PH, ui->lineEdit_DistancePH2T};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(texts.at(i));
}

QStringList distances(Ui::MainWindow *ui)
{
    return {ui->lineEdit_DistanceO2PH->text(), ui->lineEdit_DistanceS2PH->text(),
            ui->lineEdit_DistanceB2PH->text(), ui->lineEdit_DistancePH2T->text()};
}

} // namespace

class TestDistanceSettingsNet : public QObject
{
    Q_OBJECT
private slots:
    void distanceWrite_data();
    void distanceWrite();
    void distanceRead_data();
    void distanceRead();
    void everyDistanceQueryRunsAndFailureIsReported();
    void stripperWrite_data();
    void stripperWrite();
    void stripperRead_data();
    void stripperRead();
    void stripperReadFailureKeepsSetDisabled();
    void stripperQuestionOncePerDeviceSelection();
    void rejectedStripperQuestionSendsNothing_data();
    void rejectedStripperQuestionSendsNothing();
    void closedPrinterSendsNothing();
};

void TestDistanceSettingsNet::distanceWrite_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("boxes"); // outlet, gap sensor, black mark, tear
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("8 dots") << "P1" << QStringList{"-1", "3", "4", "300"}
                            << QStringList{"33: FF FF", "34: 18 00", "35: 20 00", "36: 2C 01"};
    QTest::newRow("12 dots") << "K53TA" << QStringList{"0", "10", "-2", "-300"}
                             << QStringList{"33: 00 00", "34: 78 00", "35: E8 FF", "36: D4 FE"};
}

void TestDistanceSettingsNet::distanceWrite()
{
    QFETCH(QString, model);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, frames);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    QVERIFY(f.open());
    setDistances(f.window->ui, boxes);
    f.window->ui->pushButton_DistanceSettingSet->setEnabled(true);
    QTest::mouseClick(f.window->ui->pushButton_DistanceSettingSet, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(describeFrames(*f.printer), frames);
}

void TestDistanceSettingsNet::distanceRead_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArrayList>("answers"); // items 0x33 to 0x36
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("8 dots") << "P1"
                            << QByteArrayList{hexBytes("FF FF"), hexBytes("1F 00"),
                                              hexBytes("F9 FF"), hexBytes("2C 01")}
                            << QStringList{"-1", "3", "0", "300"};
    QTest::newRow("12 dots") << "K53TA"
                             << QByteArrayList{hexBytes("00 80"), hexBytes("77 00"),
                                               hexBytes("E7 FF"), hexBytes("FF 7F")}
                             << QStringList{"-32768", "9", "-2", "32767"};
}

void TestDistanceSettingsNet::distanceRead()
{
    QFETCH(QString, model);
    QFETCH(QByteArrayList, answers);
    QFETCH(QStringList, boxes);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    QVERIFY(f.open());
    for (int i = 0; i < 4; ++i)
        f.printer->setValue(quint8(0x33 + i), answers.at(i));
    QTest::mouseClick(f.window->ui->pushButton_DistanceSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QCOMPARE(distances(f.window->ui), boxes);
    QCOMPARE(describeFrames(*f.printer), (QStringList{"33: ", "34: ", "35: ", "36: "}));
    QVERIFY(f.window->ui->pushButton_DistanceSettingSet->isEnabled());
}

void TestDistanceSettingsNet::everyDistanceQueryRunsAndFailureIsReported()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    for (int i = 0; i < 4; ++i)
        f.printer->setValue(quint8(0x33 + i), hexBytes("28 00"));
    setDistances(ui, {"a", "b", "c", "d"});
    ui->pushButton_DistanceSettingSet->setEnabled(true);
    // The first query gets no answer: reported, and the later boxes still filled.
    f.printer->setSilentItems({0x33});
    QTest::mouseClick(ui->pushButton_DistanceSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("网络通讯出错，请重试")});
    QCOMPARE(distances(ui), (QStringList{"a", "5", "5", "40"}));
    QVERIFY(!ui->pushButton_DistanceSettingSet->isEnabled());
}

void TestDistanceSettingsNet::stripperWrite_data()
{
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("largest") << "65" << hexBytes("E8 FD");
    QTest::newRow("none") << "0" << hexBytes("00 00");
}

void TestDistanceSettingsNet::stripperWrite()
{
    QFETCH(QString, seconds);
    QFETCH(QByteArray, data);
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_PaperTime->setText(seconds);
    ui->pushButton_StripperSettingSet->setEnabled(true);
    QTest::mouseClick(ui->pushButton_StripperSettingSet, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(f.printer->receivedFrames().size(), 1);
    const ReceivedFrame got = f.printer->receivedFrames().at(0);
    QCOMPARE(int(got.item), 0x58);
    QCOMPARE(got.data, data);
}

void TestDistanceSettingsNet::stripperRead_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("65535 ms") << hexBytes("FF FF") << "65";
    QTest::newRow("999 ms") << hexBytes("E7 03") << "0";
}

void TestDistanceSettingsNet::stripperRead()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, shown);
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QVERIFY(f.open());
    f.printer->setValue(0x58, answer);
    QTest::mouseClick(f.window->ui->pushButton_StripperSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QCOMPARE(f.window->ui->lineEdit_PaperTime->text(), shown);
    QVERIFY(f.window->ui->pushButton_StripperSettingSet->isEnabled());
}

void TestDistanceSettingsNet::stripperReadFailureKeepsSetDisabled()
{
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->lineEdit_PaperTime->setText(QStringLiteral("7"));
    f.printer->setSilentItems({0x58});
    QTest::mouseClick(ui->pushButton_StripperSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("网络通讯出错，请重试")});
    QCOMPARE(ui->lineEdit_PaperTime->text(), QStringLiteral("7"));
    QVERIFY(!ui->pushButton_StripperSettingSet->isEnabled());
    QVERIFY(ui->tabWidget_2->isEnabled());
}

void TestDistanceSettingsNet::stripperQuestionOncePerDeviceSelection()
{
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    QTest::mouseClick(ui->pushButton_StripperSettingRead, Qt::LeftButton);
    QTest::mouseClick(ui->pushButton_StripperSettingRead, Qt::LeftButton);
    QTest::mouseClick(ui->pushButton_StripperSettingSet, Qt::LeftButton);
    QCOMPARE(f.recorder->dialogTitles, QStringList{QString::fromUtf8("设置工具")});
    QVERIFY(f.window->session().stripperConfirmed());

    QTest::mouseClick(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_close")), Qt::LeftButton);
    QVERIFY(f.open());
    QVERIFY(!f.window->session().stripperConfirmed());
    QTest::mouseClick(ui->pushButton_StripperSettingRead, Qt::LeftButton);
    QCOMPARE(f.recorder->dialogTitles, QStringList{QString::fromUtf8("设置工具")});
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
}

void TestDistanceSettingsNet::rejectedStripperQuestionSendsNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("read") << "pushButton_StripperSettingRead";
    QTest::newRow("write") << "pushButton_StripperSettingSet";
}

void TestDistanceSettingsNet::rejectedStripperQuestionSendsNothing()
{
    QFETCH(QString, button);
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QVERIFY(f.open());
    auto *b = f.window->findChild<QPushButton *>(button);
    b->setEnabled(true);
    f.window->ui->lineEdit_PaperTime->setText(QStringLiteral("5"));
    f.recorder->dialogResult = QDialog::Rejected;
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(f.recorder->messages.isEmpty());
    QVERIFY(!f.window->session().stripperConfirmed());
    QTest::qWait(50);
    QVERIFY(f.printer->receivedFrames().isEmpty());

    // Still unconfirmed: asked again, and this time the exchange happens.
    f.recorder->dialogResult = QDialog::Accepted;
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(f.recorder->dialogTitles.size(), 2);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(f.printer->receivedFrames().size(), 1);
}

void TestDistanceSettingsNet::closedPrinterSendsNothing()
{
    NetPrinterFixture f;
    QVERIFY(f.start(QStringLiteral("K53TA")));
    QTest::mouseClick(f.window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
    f.printer->clearRecords();
    Ui::MainWindow *ui = f.window->ui;
    for (QPushButton *button :
         {ui->pushButton_DistanceSettingRead, ui->pushButton_DistanceSettingSet,
          ui->pushButton_StripperSettingRead, ui->pushButton_StripperSettingSet}) {
        button->setEnabled(true);
        f.recorder->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("请先打开设备")});
        QVERIFY(f.recorder->dialogTitles.isEmpty());
    }
    QVERIFY(ui->tabWidget_2->isEnabled());
    QTest::qWait(50);
    QVERIFY(f.printer->receivedFrames().isEmpty());
}

QTEST_MAIN(TestDistanceSettingsNet)
#include "tst_distancesettings_net.moc"
