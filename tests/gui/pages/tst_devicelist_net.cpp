// The window over TCP to the simulated printer: the device list, the window following the
// model, requests during a reply wait, restart, initialisation, profile and diagnostics;
// the function page's buttons on the wire.
#include "gui/shell/mainwindow.h"
#include "device/operations/functioncommands.h"
#include "idlewait.h"
#include "pagetest.h"
#include "sessionfixture.h"
#include "gui/pages/functionpage.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>

namespace {

// A window set to reach a simulated printer on 127.0.0.1 over the wireless medium; the
// device list is not searched yet.
struct NetPrinterFixture
{
    std::unique_ptr<SimPrinter> printer;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;

    bool start(const QString &model)
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        printer = std::make_unique<SimPrinter>(SessionFixture::configFor(model));
        printer->setTcpAddress(QHostAddress::LocalHost);
        printer->setTcpPort(0);
        printer->setUdpEnabled(false);
        if (!printer->start())
            return false;
        recorder = std::make_unique<MessageRecorder>();
        window = std::make_unique<MainWindow>();
        QTest::mouseClick(window->findChild<QCheckBox *>("checkBox_WIFI"), Qt::LeftButton);
        window->findChild<QLineEdit *>("lineEdit_ConnectAddr")->setText("127.0.0.1");
        window->findChild<QLineEdit *>("lineEdit_ConnectTCPPort")
            ->setText(QString::number(printer->tcpPort()));
        return true;
    }
    ~NetPrinterFixture()
    {
        window.reset();
        recorder.reset();
        if (printer)
            printer->stop();
        // Links retired on close are deleted by the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

class TestWindowNet : public QObject
{
    Q_OBJECT
private slots:
    void searchOpenClose_data();
    void searchOpenClose();
    void buttons_data();
    void buttons();
    void printerInformation();
};

void TestWindowNet::searchOpenClose_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<bool>("settingsTabs");
    QTest::addColumn<QString>("closing"); // the function button that closes, then the answer
    QTest::newRow("K53TA, initialisation declined") << "K53TA" << true << true << "PrinterInit";
    QTest::newRow("P1, initialisation, tools") << "P1" << false << true << "PrinterInit yes";
    QTest::newRow("P1, restart") << "P1" << false << true << "Reboot";
    QTest::newRow("WX-310") << "WX-310" << false << false << "";
}

void TestWindowNet::searchOpenClose()
{
    QFETCH(QString, model);
    QFETCH(bool, printMode);
    QFETCH(bool, settingsTabs);
    QFETCH(QString, closing);
    NetPrinterFixture f;
    QVERIFY(f.start(model));
    MainWindow &w = *f.window;
    const auto enabled = [&](const QString &names) {
        QString out;
        for (const QString &name : names.split(' '))
            out += QString::number(w.findChild<QWidget *>(name)->isEnabled());
        return out;
    };
    const auto click = [&](const QString &name) {
        QTest::mouseClick(w.findChild<QPushButton *>(name), Qt::LeftButton);
        QVERIFY(waitIdle(&w));
    };
    const QString panel = "pushButton_getList checkBox_USB checkBox_NET checkBox_WIFI "
                          "comboBox_ScanResult pushButton_open pushButton_close";
    w.findChild<QPushButton *>("pushButton_PrintSettingSet")->setEnabled(true);
    click("pushButton_getList");
    auto *list = w.findChild<QComboBox *>("comboBox_ScanResult");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->itemText(0), "Label [" + model + "] {127.0.0.1}");
    QVERIFY(f.recorder->messages.isEmpty());
    QCOMPARE(f.printer->udpRequestCount(), 0);

    click("pushButton_open");
    QCOMPARE(f.recorder->texts(), QStringList{"连接成功！"});
    QVERIFY(w.isDeviceOpen());
    QCOMPARE(w.session().dotsPerMm(), model == "K53TA" ? 12 : 8);
    QCOMPARE(enabled(panel) + enabled("checkBox_BLE checkBox_Serialport"), "000000100");
    // The window follows the model.
    QCOMPARE(w.findChild<QComboBox *>("comboBox_PrintSpeed")->count(), printMode ? 8 : 4);
    QCOMPARE(w.ui->toolBox_PrinterSetting->isItemEnabled(6), printMode);
    QCOMPARE(!w.findChild<QWidget *>("comboBox_PrintMode")->testAttribute(Qt::WA_ForceDisabled),
             printMode);
    QCOMPARE(w.ui->tabWidget_2->isTabEnabled(0), settingsTabs);
    QCOMPARE(w.ui->tabWidget_2->isTabEnabled(1), settingsTabs);
    QCOMPARE(enabled("pushButton_DownloadFL"), QString::number(settingsTabs));
    QVERIFY(!w.findChild<QPushButton *>("pushButton_PrintSettingSet")->isEnabled());

    // An exchange holds the printer: the panel rests, then gets its own states back.
    {
        const PrinterSession::Hold hold(w.session());
        QCOMPARE(enabled(panel + " groupBox_ConnectMode"), "00000000");
    }
    QCOMPARE(enabled(panel + " groupBox_ConnectMode"), "00000011");

    // A second request, clicked or its handler called by name, while the status read
    // waits for its reply: refused without a word.
    w.findChild<QTextEdit *>("textEdit_Send")->setPlainText(QStringLiteral("TEXT"));
    f.printer->setStatusWord(0x0A);
    f.printer->setReplyDelayMs(300);
    for (const QString &second :
         QStringLiteral(
             "pushButton_GetPrinterStatus pushButton_PrintSettingRead pushButton_Send "
             "pushButton_close on_pushButton_GetPrinterStatus_clicked "
             "on_pushButton_getPrinterInfo_clicked on_pushButton_DistanceSettingRead_clicked "
             "on_pushButton_Send_clicked")
             .split(' ')) {
        if (model != "K53TA")
            break;
        f.recorder->clear();
        f.printer->clearRecords();
        QTimer::singleShot(100, &w, [&] {
            if (w.findChild<QPushButton *>(second))
                return click(second);
            for (QWidget *page : w.findChildren<QWidget *>()) {
                if (page->metaObject()->indexOfMethod(qPrintable(second + "()")) >= 0)
                    QVERIFY(QMetaObject::invokeMethod(page, second.toLatin1().constData()));
            }
        });
        click("pushButton_GetPrinterStatus");
        QTest::qWait(400); // time for anything refused to show up after all
        QVERIFY2(f.recorder->texts() == QStringList{"缺纸\n卡纸\n"}, qPrintable(second));
        QCOMPARE(f.printer->receivedFrames().size(), 1);
        QCOMPARE(f.printer->rawByteCount(), qint64(0));
        QCOMPARE(enabled(panel + " tabWidget_2"), "00000011");
    }
    f.printer->setReplyDelayMs(0);

    if (closing == "PrinterInit yes") {
        // A profile saved from the printer (no WiFi password in it), then the printer's
        // density changed: declining the table of changes sends nothing, "写入" sends the
        // saved value back. Then the doctor and the report.
        QTemporaryDir dir;
        f.recorder->fileToOpen = dir.filePath(QStringLiteral("p.json"));
        // A label the print page takes at 8 dots/mm, 100 x 152 mm: a saved value the page
        // would refuse is refused when the profile is applied.
        f.printer->setValue(0x18, QByteArray::fromHex("C0042003"));
        click("pushButton_SaveProfile");
        // Suggested: the model and the day, in the documents folder.
        const QString day = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(f.recorder->fileDirectories.value(0),
                 prompts::inDocuments(model + '-' + day + ".json"));
        QFile file(f.recorder->fileToOpen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("stationPassword"));
        const int density = f.printer->value(0x13).at(0);
        f.printer->setValue(0x13, QByteArray(1, char((density + 1) % 16)));
        f.recorder->clear();
        f.printer->clearRecords();
        f.recorder->dialogResult = QDialog::Rejected;
        click("pushButton_ApplyProfile");
        QCOMPARE(f.recorder->dialogTitles, QStringList{"应用配置"});
        for (const ReceivedFrame &frame : f.printer->receivedFrames())
            QVERIFY2(frame.frameClass != 0x01, qPrintable(QString::number(frame.item)));
        f.recorder->dialogResult = QDialog::Accepted;
        click("pushButton_ApplyProfile");
        QCOMPARE(f.recorder->lastText(), "配置已应用。");
        QCOMPARE(int(f.printer->value(0x13).at(0)), density);
        click("pushButton_Doctor");
        QCOMPARE(f.recorder->dialogTitles.last(), "连接诊断结果");
        f.recorder->fileToOpen = dir.filePath(QStringLiteral("report.json"));
        click("pushButton_ExportReport");
        QVERIFY(QFile(f.recorder->fileToOpen).size() > 0);
        QCOMPARE(f.recorder->fileDirectories.last(),
                 prompts::inDocuments("labelsetup-report-" + day + ".json"));
    }

    f.recorder->clear();
    click("pushButton_close");
    QCOMPARE(f.recorder->texts(), QStringList{"关闭成功！"});
    QVERIFY(!w.session().link());
    QCOMPARE(enabled(panel), "1111110");

    // The entry is still listed: opening it again connects without a new search.
    const int connections = f.printer->connectionCount();
    click("pushButton_open");
    QCOMPARE(f.recorder->texts(), (QStringList{"关闭成功！", "连接成功！"}));
    QTRY_COMPARE(f.printer->connectionCount(), connections + 1);

    // Restart and initialisation close the connection; the read values go with it.
    const bool restart = closing == "Reboot", agree = restart || closing.endsWith(" yes");
    if (!closing.isEmpty()) {
        w.findChild<QProgressBar *>("progressBar_Update")->setValue(40);
        w.findChild<QPushButton *>("pushButton_PrintSettingSet")
            ->setEnabled(true); // as after a read
        f.recorder->clear();
        f.printer->clearRecords();
        f.recorder->questionAnswer = agree;
        // A restart resets the panel before its success shows, an initialisation after.
        bool openWhileMessage = false;
        prompts::setMessageHandler([&](QWidget *, const prompts::Message &m) {
            f.recorder->messages.append(m);
            openWhileMessage = !w.findChild<QPushButton *>("pushButton_open")->isEnabled();
        });
        // Recording only again once the flag goes out of scope, early returns included.
        const auto recordOnly = qScopeGuard([&] {
            prompts::setMessageHandler(
                [&](QWidget *, const prompts::Message &m) { f.recorder->messages.append(m); });
        });
        click("pushButton_" + closing.section(' ', 0, 0));
        QCOMPARE(f.recorder->questionActions,
                 restart ? QStringList() : QStringList{QString::fromUtf8("初始化")});
        QTest::qWait(50);
        QTRY_COMPARE(f.printer->functionCodes(),
                     agree ? QList<quint8>{quint8(restart ? 2 : 5)} : QList<quint8>());
        QCOMPARE(f.recorder->texts(), agree ? kSuccess : QStringList());
        QCOMPARE(w.isDeviceOpen(), !agree);
        if (agree) {
            QCOMPARE(openWhileMessage, !restart);
            QCOMPARE(enabled(panel), "1111110");
            QCOMPARE(w.findChild<QProgressBar *>("progressBar_Update")->value(), restart ? 0 : 40);
            QVERIFY(!w.findChild<QPushButton *>("pushButton_PrintSettingSet")->isEnabled());
            QCOMPARE(w.findChild<QLabel *>("label_StatusConnection")->text(),
                     "连接已关闭：请重新打开打印机，再读取和设置。");
        }
    }
    if (w.isDeviceOpen())
        click("pushButton_close");

    // The printer gone between search and open, then from the search.
    f.printer->stop();
    f.recorder->clear();
    click("pushButton_open");
    click("pushButton_getList");
    QCOMPARE(f.recorder->texts(), (QStringList{"连接超时，请重试！", "请确保通讯设备已开启"}));
    QCOMPARE(list->count(), 0);
    QVERIFY(!w.session().link() && !w.isDeviceOpen());
    QCOMPARE(enabled(panel), "1111110");
}

void TestWindowNet::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("word"); // the status word; -1: no answer
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("text");
    const auto status = [](const char *row, int word, const char *text) {
        QTest::newRow(row) << "GetPrinterStatus" << word << "00 03: " << text;
    };
    status("status idle", 0, "空闲中");
    status("status paper out and jam", 0x0A, "缺纸\n卡纸\n");
    status("status no answer", -1, "请确保打印机已进行连接");
    const char *const buttons[][2] = {
        {"SelfCheck", "00 00: "},        {"SeamLrn", "00 07: "},
        {"BlackLableLrn", "00 08: "},    {"DACLrn", "00 09: "},
        {"OutietLrn", "00 0A: "},        {"NopaperLrn", "00 0D: "},
        {"AllCut", "01 25: 01"},         {"HalfCut", "01 25: 00"},
        {"StripMode", "01 25: 02"},      {"TearMode", "01 25: 03"},
        {"KeySettingOpen", "01 22: 00"}, {"KeySettingClose", "01 22: 01"},
        {"BuzzerOpen", "01 23: 00"},     {"BuzzerClose", "01 23: 01"}};
    for (const auto &b : buttons)
        QTest::newRow(b[0]) << b[0] << 0 << b[1] << "处理成功";
}

void TestWindowNet::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, word);
    QFETCH(QString, frame);
    QFETCH(QString, text);
    SessionFixture f;
    QVERIFY(f.start());
    FunctionPage page(*f.session, *f.host);
    if (word < 0)
        f.printer->setSilentItems({0x03});
    else
        f.printer->setStatusWord(uint(word));
    clickEnabled(page, qPrintable("pushButton_" + button));
    QCOMPARE(f.recorder->texts(), QStringList{text});
    if (button == "GetPrinterStatus") {
        QCOMPARE(page.findChild<QLabel *>("label_PrinterStatusText")->text(), text.trimmed());
        QCOMPARE(f.host->lastResult, text);
    }
    QCOMPARE(functioncommands::run(*f.session, QStringLiteral("noSuchCommand")), -1);
    QTRY_COMPARE(describeFrames(*f.printer), QStringList{frame});
    // Nothing around the frame: header, length and trailer only.
    QCOMPARE(f.printer->bytesReceived(), qint64(9 + (frame.size() - 6) / 3));
}

void TestWindowNet::printerInformation()
{
    SessionFixture f;
    PrinterConfig config = SessionFixture::configFor(QStringLiteral("P1"));
    config.firmwareVersion = QStringLiteral("V2.0.1");
    QVERIFY(f.start(config));
    FunctionPage page(*f.session, *f.host);
    const auto shown = [&] {
        QStringList out;
        for (const char *name : {"Ver", "DPI", "MaxPaperWidth", "Model"})
            out << page.findChild<QTextBrowser *>(QString("textBrowser_") + name)->toPlainText();
        return out.join('|');
    };
    clickEnabled(page, "pushButton_getPrinterInfo");
    QCOMPARE(shown(), "V2.0.1|300|156|P1");
    QCOMPARE(f.recorder->texts(), kSuccess);
    QVERIFY(f.host->controlsEnabled);
    // The model is the second of five strings: a shorter answer leaves it as it was.
    f.printer->setValue(0x0C, QByteArray("V\0M\0D\0P", 7));
    clickEnabled(page, "pushButton_getPrinterInfo");
    QCOMPARE(shown(), "V2.0.1|300|156|P1");
    f.printer->setValue(0x0C, QByteArray("V\0M2\0D\0P\0S", 11));
    clickEnabled(page, "pushButton_getPrinterInfo");
    QCOMPARE(shown(), "V2.0.1|300|156|M2");
}

QTEST_MAIN(TestWindowNet)
#include "tst_devicelist_net.moc"
