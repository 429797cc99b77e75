// The debug console over TCP to the simulated printer: what goes on the wire, the
// time-stamped message area, refused hex input, the hex toggle and file sending.
#include "download/workerthread.h"
#include "filesendhelpers.h"
#include "netprinterfixture.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct ConsoleLine
{
    QString tag;
    QString payload;
};

// The message area's lines split into tag and payload; each must carry a time stamp.
QList<ConsoleLine> consoleLines(const MainWindow &window, bool *stamped)
{
    static const QRegularExpression line(
        QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\](SEND->|RECV<-)(.*)$"));
    QList<ConsoleLine> out;
    *stamped = true;
    const QStringList texts = window.ui->textBrowser_Debug->toPlainText().split(QLatin1Char('\n'));
    for (const QString &text : texts) {
        if (text.isEmpty() && out.isEmpty())
            continue;
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch()) {
            // A payload with a line break continues on the next paragraph.
            if (out.isEmpty())
                *stamped = false;
            else
                out.last().payload += QLatin1Char('\n') + text;
            continue;
        }
        out.append({m.captured(1), m.captured(2)});
    }
    return out;
}

QStringList tags(const QList<ConsoleLine> &lines)
{
    QStringList out;
    for (const ConsoleLine &l : lines)
        out << l.tag;
    return out;
}

} // namespace

class TestConsoleNet : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void sendsExactBytes_data();
    void sendsExactBytes();
    void refusedHex_data();
    void refusedHex();
    void blocksOf1024EachReadBack();
    void receivedDisplay_data();
    void receivedDisplay();
    void sendFailure();
    void notOpen();
    void hexToggle_data();
    void hexToggle();
    void sendFileFromConsole();
};

void TestConsoleNet::cleanup()
{
    debugMode = false;
}

void TestConsoleNet::sendsExactBytes_data()
{
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QString>("echo");
    QTest::newRow("hex 1B 40") << true << "1B 40" << hexBytes("1B 40") << "1B 40";
    QTest::newRow("hex lower case") << true << "0a ff" << hexBytes("0A FF") << "0A FF";
    QTest::newRow("text A and a line break") << false << "A\n" << hexBytes("41 0D 0A") << "A\n";
    QTest::newRow("text UTF-8") << false << QString::fromUtf8("中") << hexBytes("E4 B8 AD")
                                << QString::fromUtf8("中");
}

void TestConsoleNet::sendsExactBytes()
{
    QFETCH(bool, hex);
    QFETCH(QString, input);
    QFETCH(QByteArray, wire);
    QFETCH(QString, echo);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->radioButton_hexSend->setChecked(hex);
    ui->textEdit_Send->setPlainText(input);
    QTest::mouseClick(ui->pushButton_Send, Qt::LeftButton);
    QVERIFY(f.recorder->messages.isEmpty());
    QTRY_COMPARE(f.printer->rawBytes().toHex(' '), wire.toHex(' '));
    bool stamped = false;
    const QList<ConsoleLine> lines = consoleLines(*f.window, &stamped);
    QVERIFY(stamped);
    // The printer echoes nothing: one sent line and no received one.
    QCOMPARE(tags(lines), QStringList{QStringLiteral("SEND->")});
    QCOMPARE(lines.at(0).payload, echo);
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestConsoleNet::refusedHex_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("two blanks") << "1B  40";
    QTest::newRow("two lines") << "1B 40\n1B 40";
    QTest::newRow("odd digit") << "1B 4";
    QTest::newRow("not hex") << "1B ZZ";
    QTest::newRow("empty") << "";
}

void TestConsoleNet::refusedHex()
{
    QFETCH(QString, input);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    // Let the connections of the search and the open settle first.
    QTRY_COMPARE(f.printer->openConnections(), 0);
    QTest::qWait(100);
    const int connections = f.printer->connectionCount();
    const qint64 received = f.printer->bytesReceived();
    f.window->ui->radioButton_hexSend->setChecked(true);
    f.window->ui->textEdit_Send->setPlainText(input);
    QTest::mouseClick(f.window->ui->pushButton_Send, Qt::LeftButton);
    QCOMPARE(f.recorder->messages.size(), 1);
    QCOMPARE(int(f.recorder->messages.at(0).kind), int(prompts::Kind::Critical));
    QCOMPARE(f.recorder->messages.at(0).title, QString::fromUtf8("错误"));
    QCOMPARE(f.recorder->messages.at(0).text, QString::fromUtf8("此十六进制字符串格式无效。"));
    QVERIFY(f.window->ui->textBrowser_Debug->toPlainText().isEmpty());
    QTest::qWait(50);
    QCOMPARE(f.printer->connectionCount(), connections);
    QCOMPARE(f.printer->bytesReceived(), received);
}

void TestConsoleNet::blocksOf1024EachReadBack()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->model().setRawEcho(true);
    QByteArray text(2500, '\0');
    for (int i = 0; i < text.size(); ++i)
        text[i] = char('a' + i % 26);
    f.window->ui->textEdit_Send->setPlainText(QString::fromLatin1(text));
    QTest::mouseClick(f.window->ui->pushButton_Send, Qt::LeftButton);
    QVERIFY(f.recorder->messages.isEmpty());
    QTRY_COMPARE(f.printer->rawBytes(), text);

    bool stamped = false;
    const QList<ConsoleLine> lines = consoleLines(*f.window, &stamped);
    QVERIFY(stamped);
    QCOMPARE(tags(lines),
             (QStringList{"SEND->", "RECV<-", "SEND->", "RECV<-", "SEND->", "RECV<-"}));
    QCOMPARE(lines.at(0).payload, QString::fromLatin1(text.mid(0, 1024)));
    QCOMPARE(lines.at(2).payload, QString::fromLatin1(text.mid(1024, 1024)));
    QCOMPARE(lines.at(4).payload, QString::fromLatin1(text.mid(2048)));
    // Each read-back shows what the printer sent back so far, in order.
    const QString received = lines.at(1).payload + lines.at(3).payload + lines.at(5).payload;
    QVERIFY(!received.isEmpty());
    QVERIFY(QString::fromLatin1(text).startsWith(received));
}

void TestConsoleNet::receivedDisplay_data()
{
    QTest::addColumn<bool>("hexSend");
    QTest::addColumn<bool>("hexRecv");
    QTest::addColumn<QStringList>("texts"); // typed, shown as sent, shown as received
    QTest::newRow("hex in, hex out")
        << true << true << QStringList{"41 00 42", "41 00 42", "41 00 42"};
    QTest::newRow("hex in, text out stops at NUL")
        << true << false << QStringList{"41 00 42", "41 00 42", "A"};
    QTest::newRow("markup stays text")
        << false << false << QStringList{"<b>bold</b>", "<b>bold</b>", "<b>bold</b>"};
    QTest::newRow("one byte, no blank") << false << true << QStringList{"A", "A", "41"};
}

void TestConsoleNet::receivedDisplay()
{
    QFETCH(bool, hexSend);
    QFETCH(bool, hexRecv);
    QFETCH(QStringList, texts);
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->model().setRawEcho(true);
    f.window->ui->radioButton_hexSend->setChecked(hexSend);
    f.window->ui->radioButton_hexRecv->setChecked(hexRecv);
    f.window->ui->textEdit_Send->setPlainText(texts.at(0));
    QTest::mouseClick(f.window->ui->pushButton_Send, Qt::LeftButton);
    bool stamped = false;
    const QList<ConsoleLine> lines = consoleLines(*f.window, &stamped);
    QVERIFY(stamped);
    QCOMPARE(tags(lines), (QStringList{"SEND->", "RECV<-"}));
    QCOMPARE(lines.at(0).payload, texts.at(1));
    QCOMPARE(lines.at(1).payload, texts.at(2));
}

void TestConsoleNet::sendFailure()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->setRefuseMode(RefuseMode::NotListening);
    f.window->ui->textEdit_Send->setPlainText(QString(3000, QLatin1Char('x')));
    QTest::mouseClick(f.window->ui->pushButton_Send, Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("发送失败！请重试")});
    QVERIFY(f.window->ui->textBrowser_Debug->toPlainText().isEmpty());
}

void TestConsoleNet::notOpen()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    f.window->ui->textEdit_Send->setPlainText(QStringLiteral("A"));
    for (QPushButton *button : {f.window->ui->pushButton_Send, f.window->ui->pushButton_SendFile}) {
        f.recorder->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.recorder->messages.size(), 1);
        QCOMPARE(int(f.recorder->messages.at(0).kind), int(prompts::Kind::Critical));
        QCOMPARE(f.recorder->messages.at(0).text, QString::fromUtf8("设备未打开!"));
        QVERIFY(f.recorder->fileCaptions.isEmpty());
    }
    QCOMPARE(f.printer->connectionCount(), 0);
}

void TestConsoleNet::hexToggle_data()
{
    // Text, its hex form, the hex as edited, and the text it turns back into.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("line break becomes CR LF")
        << QStringList{"A\nB", "41 0D 0A 42", "41 0D 0A 42", "A\nB"};
    QTest::newRow("edited hex") << QStringList{"AB", "41 42", "43 44", "CD"};
    QTest::newRow("stops at NUL") << QStringList{"A", "41", "41 00 42", "A"};
    QTest::newRow("odd length") << QStringList{"A", "41", "41 4",
                                               QString::fromUtf8("此十六进制字符串格式无效。")};
}

void TestConsoleNet::hexToggle()
{
    QFETCH(QStringList, steps);
    NetPrinterFixture f;
    QVERIFY(f.start());
    Ui::MainWindow *ui = f.window->ui;
    ui->textEdit_Send->setPlainText(steps.at(0));
    QTest::mouseClick(ui->radioButton_hexSend, Qt::LeftButton);
    QVERIFY(ui->radioButton_hexSend->isChecked());
    QCOMPARE(ui->textEdit_Send->toPlainText(), steps.at(1));
    ui->textEdit_Send->setPlainText(steps.at(2));
    QTest::mouseClick(ui->radioButton_hexSend, Qt::LeftButton);
    QVERIFY(!ui->radioButton_hexSend->isChecked());
    QCOMPARE(ui->textEdit_Send->toPlainText(), steps.at(3));
}

void TestConsoleNet::sendFileFromConsole()
{
    QTemporaryDir dir;
    // The user's own file: its name carries the marker of decrypted copies, yet it
    // must survive the transfer.
    const QString path = dir.filePath(QStringLiteral("label_decrypted.prn"));
    const QByteArray content = rawPayload(5000, 11);
    QVERIFY(writePlainFile(path, content));
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->progressBar_Update->setValue(33);
    f.recorder->fileToOpen = path;
    QTest::mouseClick(ui->pushButton_SendFile, Qt::LeftButton);
    QCOMPARE(f.recorder->fileCaptions, QStringList{QStringLiteral("All Files (*)")});
    QCOMPARE(f.recorder->fileFilters, QStringList{QString()});
    QVERIFY(debugMode);
    QVERIFY(ui->textBrowser_Debug->toPlainText().endsWith(
        QString::fromUtf8("发送文件 label_decrypted.prn，5000 字节")));
    for (int tab = 0; tab < 3; ++tab)
        QVERIFY(!ui->tabWidget_2->isTabEnabled(tab));

    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    QCOMPARE(f.recorder->messages.at(0).text, QString::fromUtf8("下载成功"));
    QCOMPARE(ui->progressBar_Debug->value(), 100);
    QCOMPARE(ui->progressBar_Update->value(), 33);
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(content.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(content).toHex());
    QVERIFY(QFile::exists(path));
    QVERIFY(ui->tabWidget_2->isTabEnabled(0) && ui->pushButton_Send->isEnabled());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

QTEST_MAIN(TestConsoleNet)
#include "tst_console_net.moc"
