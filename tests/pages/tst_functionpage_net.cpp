// The function page over the network: status, information and every maintenance
// button, checked on the wire at the simulated printer.
#include "netprinterfixture.h"

class TestFunctionPageNet : public QObject
{
    Q_OBJECT
private slots:
    void statusWord_data();
    void statusWord();
    void statusReadFailure();
    void secondRequestDuringReplyWait_data();
    void secondRequestDuringReplyWait();
    void printerInformation();
    void modelNeedsFourSeparators();
    void functionButtonFrames_data();
    void functionButtonFrames();
    void closedPrinterSendsNothing();
    void restartResetsPanelThenReports();
    void initialisationReportsThenResets_data();
    void initialisationReportsThenResets();
};

void TestFunctionPageNet::statusWord_data()
{
    QTest::addColumn<uint>("word");
    QTest::addColumn<QString>("text");
    QTest::newRow("idle") << 0u << QString::fromUtf8("空闲中");
    QTest::newRow("bit 16 only") << 0x10000u << QString::fromUtf8("空闲中");
    QTest::newRow("paper out and jam") << 0x0Au << QString::fromUtf8("缺纸\n卡纸\n");
    QTest::newRow("cover open, cutter") << 0x0280u << QString::fromUtf8("开盖\n切刀异常\n");
}

void TestFunctionPageNet::statusWord()
{
    QFETCH(uint, word);
    QFETCH(QString, text);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->setStatusWord(word);
    QTest::mouseClick(f.window->ui->pushButton_GetPrinterStatus, Qt::LeftButton);
    QCOMPARE(f.recorder->messages.size(), 1);
    QCOMPARE(f.recorder->messages.at(0).text, text);
    QCOMPARE(f.window->findChild<QLabel *>("label_PrinterStatusText")->text(), text.trimmed());
    const QList<ReceivedFrame> frames = f.printer->receivedFrames();
    QCOMPARE(frames.size(), 1);
    QCOMPARE(int(frames.at(0).frameClass), 0x00);
    QCOMPARE(int(frames.at(0).item), 0x03);
}

void TestFunctionPageNet::statusReadFailure()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->setSilentItems({0x03});
    QTest::mouseClick(f.window->ui->pushButton_GetPrinterStatus, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("请确保打印机已进行连接")});
}

void TestFunctionPageNet::secondRequestDuringReplyWait_data()
{
    QTest::addColumn<QString>("second"); // a button clicked, or a handler called by name
    QTest::newRow("status clicked twice") << "pushButton_GetPrinterStatus";
    QTest::newRow("page read clicked") << "pushButton_PrintSettingRead";
    QTest::newRow("console send clicked") << "pushButton_Send";
    QTest::newRow("close clicked") << "pushButton_close";
    QTest::newRow("status handler") << "on_pushButton_GetPrinterStatus_clicked";
    QTest::newRow("information handler") << "on_pushButton_getPrinterInfo_clicked";
    QTest::newRow("page read handler") << "on_pushButton_DistanceSettingRead_clicked";
}

void TestFunctionPageNet::secondRequestDuringReplyWait()
{
    QFETCH(QString, second);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    f.window->findChild<QTextEdit *>("textEdit_Send")->setPlainText(QStringLiteral("TEXT"));
    f.printer->setStatusWord(0x0A);
    f.printer->setReplyDelayMs(300);
    // Arrives while the status read waits for its reply.
    QTimer::singleShot(100, f.window.get(), [&] {
        if (auto *button = f.window->findChild<QPushButton *>(second))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QVERIFY(QMetaObject::invokeMethod(f.window.get(), second.toLatin1().constData()));
    });
    QTest::mouseClick(ui->pushButton_GetPrinterStatus, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("缺纸\n卡纸\n")});
    QTest::qWait(400); // time for anything refused to show up after all
    QCOMPARE(f.recorder->messages.size(), 1);
    QCOMPARE(f.printer->receivedFrames().size(), 1);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(f.window->isDeviceOpen());
    QVERIFY(ui->tabWidget_2->isEnabled() && ui->pushButton_close->isEnabled());
}

void TestFunctionPageNet::printerInformation()
{
    NetPrinterFixture f;
    PrinterConfig config = NetPrinterFixture::configFor(QStringLiteral("P1"));
    QVERIFY(f.start());
    config.dpi = 0x00CB;
    config.maxWidthDots = 0x0360;
    config.firmwareVersion = QStringLiteral("V2.0.1");
    f.printer->setConfig(config);
    QVERIFY(f.open());
    // Every byte of the resolution answer is logged, its zero too.
    for (const char *line :
         {"get mesage :CB", "get mesage :00", "get mesage :60", "get mesage :03"})
        QTest::ignoreMessage(QtDebugMsg, line);
    QTest::mouseClick(f.window->ui->pushButton_getPrinterInfo, Qt::LeftButton);
    Ui::MainWindow *ui = f.window->ui;
    QCOMPARE(ui->textBrowser_Ver->toPlainText(), QStringLiteral("V2.0.1"));
    QCOMPARE(ui->textBrowser_DPI->toPlainText(), QStringLiteral("203"));
    QCOMPARE(ui->textBrowser_MaxPaperWidth->toPlainText(), QStringLiteral("108"));
    QCOMPARE(ui->textBrowser_Model->toPlainText(), QStringLiteral("P1"));
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
}

void TestFunctionPageNet::modelNeedsFourSeparators()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.window->ui->textBrowser_Model->setText(QStringLiteral("before"));
    f.printer->setValue(0x0C, QByteArray("V\0M\0D\0P", 7));
    QTest::mouseClick(f.window->ui->pushButton_getPrinterInfo, Qt::LeftButton);
    QCOMPARE(f.window->ui->textBrowser_Model->toPlainText(), QStringLiteral("before"));

    f.printer->setValue(0x0C, QByteArray("V\0M2\0D\0P\0S", 11));
    QTest::mouseClick(f.window->ui->pushButton_getPrinterInfo, Qt::LeftButton);
    QCOMPARE(f.window->ui->textBrowser_Model->toPlainText(), QStringLiteral("M2"));
}

void TestFunctionPageNet::functionButtonFrames_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("self test") << "pushButton_SelfCheck" << hexBytes("1BFFFE000000 1BFEFF");
    QTest::newRow("gap learning") << "pushButton_SeamLrn" << hexBytes("1BFFFE000700 1BFEFF");
    QTest::newRow("black mark learning")
        << "pushButton_BlackLableLrn" << hexBytes("1BFFFE000800 1BFEFF");
    QTest::newRow("DAC learning") << "pushButton_DACLrn" << hexBytes("1BFFFE000900 1BFEFF");
    QTest::newRow("outlet learning") << "pushButton_OutietLrn" << hexBytes("1BFFFE000A00 1BFEFF");
    QTest::newRow("paper-out learning")
        << "pushButton_NopaperLrn" << hexBytes("1BFFFE000D00 1BFEFF");
    QTest::newRow("full cut") << "pushButton_AllCut" << hexBytes("1BFFFE01250101 1BFEFF");
    QTest::newRow("cutter off") << "pushButton_HalfCut" << hexBytes("1BFFFE01250100 1BFEFF");
    QTest::newRow("strip") << "pushButton_StripMode" << hexBytes("1BFFFE01250102 1BFEFF");
    QTest::newRow("tear") << "pushButton_TearMode" << hexBytes("1BFFFE01250103 1BFEFF");
    QTest::newRow("keys on") << "pushButton_KeySettingOpen" << hexBytes("1BFFFE01220100 1BFEFF");
    QTest::newRow("keys off") << "pushButton_KeySettingClose" << hexBytes("1BFFFE01220101 1BFEFF");
    QTest::newRow("buzzer on") << "pushButton_BuzzerOpen" << hexBytes("1BFFFE01230100 1BFEFF");
    QTest::newRow("buzzer off") << "pushButton_BuzzerClose" << hexBytes("1BFFFE01230101 1BFEFF");
}

void TestFunctionPageNet::functionButtonFrames()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    const qint64 before = f.printer->bytesReceived();
    QTest::mouseClick(f.window->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(f.printer->receivedFrames().size(), 1);
    const ReceivedFrame got = f.printer->receivedFrames().at(0);
    QCOMPARE(int(got.frameClass), int(uint8_t(frame.at(3))));
    QCOMPARE(int(got.item), int(uint8_t(frame.at(4))));
    QCOMPARE(got.data, frame.mid(6, frame.size() - 9));
    QCOMPARE(f.printer->bytesReceived() - before, qint64(frame.size()));
    QVERIFY(f.window->isDeviceOpen());
}

void TestFunctionPageNet::closedPrinterSendsNothing()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QTest::mouseClick(f.window->ui->pushButton_getList, Qt::LeftButton);
    f.printer->clearRecords();
    for (const char *name : {"pushButton_SelfCheck", "pushButton_AllCut", "pushButton_Reboot"}) {
        f.recorder->clear();
        QTest::mouseClick(f.window->findChild<QPushButton *>(name), Qt::LeftButton);
        QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("请先打开设备")});
    }
    QTest::qWait(50);
    QVERIFY(f.printer->receivedFrames().isEmpty());
}

void TestFunctionPageNet::restartResetsPanelThenReports()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    auto *update = f.window->findChild<QProgressBar *>("progressBar_Update");
    auto *debug = f.window->findChild<QProgressBar *>("progressBar_Debug");
    update->setValue(40);
    debug->setValue(60);
    ui->pushButton_PrintSettingSet->setEnabled(true); // as after a read
    // The panel is already reset when the success message shows.
    bool resetBeforeMessage = false;
    prompts::setMessageHandler([&](QWidget *, const prompts::Message &m) {
        f.recorder->messages.append(m);
        resetBeforeMessage = ui->pushButton_open->isEnabled() && !ui->pushButton_close->isEnabled();
    });
    QTest::mouseClick(ui->pushButton_Reboot, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QVERIFY(resetBeforeMessage);
    QCOMPARE(update->value(), 0);
    QCOMPARE(debug->value(), 0);
    // The values read belong to the closed connection: nothing may be written from them.
    QVERIFY(!ui->pushButton_PrintSettingSet->isEnabled());
    QCOMPARE(f.window->findChild<QLabel *>("label_StatusConnection")->text(),
             QString::fromUtf8("连接已关闭：请重新打开打印机，再读取和设置。"));
    QVERIFY(f.window->findChild<QLabel *>("label_StatusResult")
                ->text()
                .endsWith(QString::fromUtf8("处理成功")));
    QTRY_COMPARE(f.printer->functionCodes(), QList<quint8>{2});
}

void TestFunctionPageNet::initialisationReportsThenResets_data()
{
    QTest::addColumn<bool>("agree");
    QTest::newRow("agreed") << true;
    QTest::newRow("declined") << false;
}

void TestFunctionPageNet::initialisationReportsThenResets()
{
    QFETCH(bool, agree);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    QVERIFY(f.window->findChild<QLabel *>("label_StatusConnection")
                ->text()
                .contains(QStringLiteral("{127.0.0.1}")));
    f.recorder->questionAnswer = agree;
    bool openWhileMessage = false;
    prompts::setMessageHandler([&](QWidget *, const prompts::Message &m) {
        f.recorder->messages.append(m);
        openWhileMessage = !ui->pushButton_open->isEnabled();
    });
    QTest::mouseClick(ui->pushButton_PrinterInit, Qt::LeftButton);
    QCOMPARE(f.recorder->questions.size(), 1);
    QVERIFY(f.recorder->questions.at(0).contains(QString::fromUtf8("清除")));
    if (!agree) {
        QVERIFY(f.recorder->messages.isEmpty());
        QVERIFY(!ui->pushButton_open->isEnabled());
        QTest::qWait(50);
        QVERIFY(f.printer->receivedFrames().isEmpty());
        return;
    }
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QVERIFY(openWhileMessage);
    QVERIFY(ui->pushButton_open->isEnabled());
    QVERIFY(!ui->pushButton_close->isEnabled());
    QTRY_COMPARE(f.printer->functionCodes(), QList<quint8>{5});
}

QTEST_MAIN(TestFunctionPageNet)
#include "tst_functionpage_net.moc"
