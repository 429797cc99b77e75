// The function page: status, information and every maintenance button checked on the wire at the
// simulated printer through a session; restart and initialisation, which close the connection, and
// requests during a reply wait through the window.
#include "app/functionpage.h"
#include "netprinterfixture.h"
#include "pagetest.h"
#include "protocol/functioncommands.h"
#include "sessionfixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QTextBrowser>
#include <QTextEdit>

namespace {

QString shownText(QWidget &page, const char *browser)
{
    return page.findChild<QTextBrowser *>(browser)->toPlainText();
}

} // namespace

class TestFunctionPageNet : public QObject
{
    Q_OBJECT
private slots:
    void statusWord_data();
    void statusWord();
    void secondRequestDuringReplyWait_data();
    void secondRequestDuringReplyWait();
    void printerInformation();
    void functionButtonFrames_data();
    void functionButtonFrames();
    void closedPrinterSendsNothing();
    void closingCommands_data();
    void closingCommands();
};

void TestFunctionPageNet::statusWord_data()
{
    QTest::addColumn<int>("word"); // -1: no answer
    QTest::addColumn<QString>("text");
    QTest::newRow("idle") << 0 << QString::fromUtf8("空闲中");
    QTest::newRow("bit 16 only") << 0x10000 << QString::fromUtf8("空闲中");
    QTest::newRow("paper out and jam") << 0x0A << QString::fromUtf8("缺纸\n卡纸\n");
    QTest::newRow("cover open, cutter") << 0x0280 << QString::fromUtf8("开盖\n切刀异常\n");
    QTest::newRow("no answer") << -1 << QString::fromUtf8("请确保打印机已进行连接");
}

void TestFunctionPageNet::statusWord()
{
    QFETCH(int, word);
    QFETCH(QString, text);
    SessionFixture f;
    QVERIFY(f.start());
    FunctionPage page(*f.session, *f.host);
    if (word < 0)
        f.printer->setSilentItems({0x03});
    else
        f.printer->setStatusWord(uint(word));
    clickEnabled(page, "pushButton_GetPrinterStatus");
    QCOMPARE(f.recorder->texts(), QStringList{text});
    QCOMPARE(page.findChild<QLabel *>("label_PrinterStatusText")->text(), text.trimmed());
    QCOMPARE(f.host->lastResult, text);
    QCOMPARE(describeFrames(*f.printer), QStringList{"00 03: "});
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
    QTest::newRow("console handler") << "on_pushButton_Send_clicked";
}

void TestFunctionPageNet::secondRequestDuringReplyWait()
{
    QFETCH(QString, second);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    auto *status = f.window->findChild<QPushButton *>("pushButton_GetPrinterStatus");
    f.window->findChild<QTextEdit *>("textEdit_Send")->setPlainText(QStringLiteral("TEXT"));
    f.printer->setStatusWord(0x0A);
    f.printer->setReplyDelayMs(300);
    // Arrives while the status read waits for its reply.
    QTimer::singleShot(100, f.window.get(), [&] {
        if (auto *button = f.window->findChild<QPushButton *>(second))
            return QTest::mouseClick(button, Qt::LeftButton);
        // A handler called by name, on whichever page has it.
        for (QWidget *w : f.window->findChildren<QWidget *>()) {
            if (w->metaObject()->indexOfMethod(qPrintable(second + QStringLiteral("()"))) >= 0)
                QVERIFY(QMetaObject::invokeMethod(w, second.toLatin1().constData()));
        }
    });
    QTest::mouseClick(status, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("缺纸\n卡纸\n")});
    QTest::qWait(400); // time for anything refused to show up after all
    QCOMPARE(f.recorder->messages.size(), 1);
    QCOMPARE(f.printer->receivedFrames().size(), 1);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(f.window->isDeviceOpen());
    QVERIFY(ui->tabWidget_2->isEnabled() && f.window->findChild<QPushButton *>("pushButton_close")->isEnabled());
}

void TestFunctionPageNet::printerInformation()
{
    SessionFixture f;
    PrinterConfig config = SessionFixture::configFor(QStringLiteral("P1"));
    config.dpi = 0x00CB;
    config.maxWidthDots = 0x0360;
    config.firmwareVersion = QStringLiteral("V2.0.1");
    QVERIFY(f.start(config));
    FunctionPage page(*f.session, *f.host);
    // Every byte of the resolution answer is logged, its zero too.
    for (const char *line :
         {"get mesage :CB", "get mesage :00", "get mesage :60", "get mesage :03"})
        QTest::ignoreMessage(QtDebugMsg, line);
    clickEnabled(page, "pushButton_getPrinterInfo");
    QCOMPARE(shownText(page, "textBrowser_Ver"), QStringLiteral("V2.0.1"));
    QCOMPARE(shownText(page, "textBrowser_DPI"), QStringLiteral("203"));
    QCOMPARE(shownText(page, "textBrowser_MaxPaperWidth"), QStringLiteral("108"));
    QCOMPARE(shownText(page, "textBrowser_Model"), QStringLiteral("P1"));
    QCOMPARE(f.recorder->texts(), kSuccess);
    QVERIFY(f.host->controlsEnabled);

    // The model is the second of five strings: a shorter answer leaves it as it was.
    f.printer->setValue(0x0C, QByteArray("V\0M\0D\0P", 7));
    clickEnabled(page, "pushButton_getPrinterInfo");
    QCOMPARE(shownText(page, "textBrowser_Model"), QStringLiteral("P1"));
    f.printer->setValue(0x0C, QByteArray("V\0M2\0D\0P\0S", 11));
    clickEnabled(page, "pushButton_getPrinterInfo");
    QCOMPARE(shownText(page, "textBrowser_Model"), QStringLiteral("M2"));
}

void TestFunctionPageNet::functionButtonFrames_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("frame");
    const auto row = [](const char *button, const char *command, const char *frame) {
        QTest::newRow(command) << button << command << hexBytes(frame);
    };
    row("pushButton_SelfCheck", "selfTest", "1BFFFE000000 1BFEFF");
    row("pushButton_SeamLrn", "gapLearn", "1BFFFE000700 1BFEFF");
    row("pushButton_BlackLableLrn", "blackMarkLearn", "1BFFFE000800 1BFEFF");
    row("pushButton_DACLrn", "dacLearn", "1BFFFE000900 1BFEFF");
    row("pushButton_OutietLrn", "outletLearn", "1BFFFE000A00 1BFEFF");
    row("pushButton_NopaperLrn", "paperOutLearn", "1BFFFE000D00 1BFEFF");
    row("pushButton_AllCut", "fullCut", "1BFFFE01250101 1BFEFF");
    row("pushButton_HalfCut", "cutterOff", "1BFFFE01250100 1BFEFF");
    row("pushButton_StripMode", "stripMode", "1BFFFE01250102 1BFEFF");
    row("pushButton_TearMode", "tearMode", "1BFFFE01250103 1BFEFF");
    row("pushButton_KeySettingOpen", "keysOn", "1BFFFE01220100 1BFEFF");
    row("pushButton_KeySettingClose", "keysOff", "1BFFFE01220101 1BFEFF");
    row("pushButton_BuzzerOpen", "buzzerOn", "1BFFFE01230100 1BFEFF");
    row("pushButton_BuzzerClose", "buzzerOff", "1BFFFE01230101 1BFEFF");
}

void TestFunctionPageNet::functionButtonFrames()
{
    QFETCH(QString, button);
    QFETCH(QString, command);
    QFETCH(QByteArray, frame);
    SessionFixture f;
    QVERIFY(f.start());
    FunctionPage page(*f.session, *f.host);
    QCOMPARE(functioncommands::frame(command), frame);
    clickEnabled(page, qPrintable(button));
    QCOMPARE(f.recorder->texts(), kSuccess);
    QTRY_COMPARE(f.printer->receivedFrames().size(), 1);
    const ReceivedFrame got = f.printer->receivedFrames().at(0);
    QCOMPARE(int(got.frameClass), int(uint8_t(frame.at(3))));
    QCOMPARE(int(got.item), int(uint8_t(frame.at(4))));
    QCOMPARE(got.data, frame.mid(6, frame.size() - 9));
    QCOMPARE(f.printer->bytesReceived(), qint64(frame.size()));
}

void TestFunctionPageNet::closedPrinterSendsNothing()
{
    SessionFixture f;
    QVERIFY(f.start());
    f.host->open = false;
    FunctionPage page(*f.session, *f.host);
    for (const char *name : {"pushButton_SelfCheck", "pushButton_AllCut", "pushButton_Reboot",
                             "pushButton_getPrinterInfo"})
        clickEnabled(page, name);
    const QString open = QString::fromUtf8("请先打开设备");
    QCOMPARE(f.recorder->texts(),
             (QStringList{open, open, open, QString::fromUtf8("设备未打开!")}));
    QCOMPARE(functioncommands::run(*f.session, QStringLiteral("noSuchCommand")), -1);
    QTest::qWait(50);
    QVERIFY(f.printer->receivedFrames().isEmpty());
}

void TestFunctionPageNet::closingCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("agree"); // to the initialisation question
    QTest::addColumn<QList<quint8>>("sent");
    QTest::newRow("restart") << "pushButton_Reboot" << true << QList<quint8>{2};
    QTest::newRow("initialisation") << "pushButton_PrinterInit" << true << QList<quint8>{5};
    QTest::newRow("initialisation declined")
        << "pushButton_PrinterInit" << false << QList<quint8>{};
}

void TestFunctionPageNet::closingCommands()
{
    QFETCH(QString, button);
    QFETCH(bool, agree);
    QFETCH(QList<quint8>, sent);
    const bool restart = button == QLatin1String("pushButton_Reboot");
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.window->findChild<QProgressBar *>("progressBar_Update")->setValue(40);
    f.window->findChild<QProgressBar *>("progressBar_Debug")->setValue(60);
    auto *printSet = f.window->findChild<QPushButton *>("pushButton_PrintSettingSet");
    printSet->setEnabled(true); // as after a read
    f.recorder->questionAnswer = agree;
    // A restart resets the panel before its success shows, an initialisation after.
    bool openWhileMessage = false;
    prompts::setMessageHandler([&](QWidget *, const prompts::Message &m) {
        f.recorder->messages.append(m);
        openWhileMessage = !f.window->findChild<QPushButton *>("pushButton_open")->isEnabled();
    });
    QTest::mouseClick(f.window->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(f.recorder->questions.size(), restart ? 0 : 1);
    QTest::qWait(50);
    QTRY_COMPARE(f.printer->functionCodes(), sent);
    if (!agree) {
        QVERIFY(f.recorder->messages.isEmpty());
        QVERIFY(f.window->isDeviceOpen());
        return;
    }
    QCOMPARE(f.recorder->texts(), kSuccess);
    QCOMPARE(openWhileMessage, !restart);
    QVERIFY(f.window->findChild<QPushButton *>("pushButton_open")->isEnabled() && !f.window->findChild<QPushButton *>("pushButton_close")->isEnabled());
    QCOMPARE(f.window->findChild<QProgressBar *>("progressBar_Update")->value(), restart ? 0 : 40);
    QCOMPARE(f.window->findChild<QProgressBar *>("progressBar_Debug")->value(), restart ? 0 : 60);
    // The values read belong to the closed connection: nothing may be written from them.
    QVERIFY(!printSet->isEnabled());
    QCOMPARE(f.window->findChild<QLabel *>("label_StatusConnection")->text(),
             QString::fromUtf8("连接已关闭：请重新打开打印机，再读取和设置。"));
}

QTEST_MAIN(TestFunctionPageNet)
#include "tst_functionpage_net.moc"
