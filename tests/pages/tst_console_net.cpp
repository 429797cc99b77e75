// The debug console over TCP to the simulated printer: what goes on the wire, the
// time-stamped message area, refused input and the hex toggle.
#include "filesendhelpers.h"
#include "sessionfixture.h"

#include <QtTest>
#include <QRadioButton>
#include <QTextEdit>

class TestConsoleNet : public QObject
{
    Q_OBJECT
private slots:
    void sendAndShow_data();
    void sendAndShow();
    void refusedSendsNothing_data();
    void refusedSendsNothing();
    void hexToggle_data();
    void hexToggle();
};

void TestConsoleNet::sendAndShow_data()
{
    QTest::addColumn<bool>("hexSend");
    QTest::addColumn<bool>("hexRecv");
    QTest::addColumn<bool>("echo"); // the printer sends back what it takes
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QStringList>("lines"); // the message area, without time stamps
    QTest::newRow("hex 1B 40") << true << false << false << "1B 40" << QByteArray::fromHex("1B 40")
                               << QStringList{"SEND->1B 40"};
    QTest::newRow("text, line break as CR LF")
        << false << false << false << "A\nB" << QByteArray::fromHex("41 0D 0A 42")
        << QStringList{"SEND->A", "B"};
    QTest::newRow("text UTF-8") << false << false << false << QString::fromUtf8("中")
                                << QByteArray::fromHex("E4 B8 AD")
                                << QStringList{QString::fromUtf8("SEND->中")};
    QTest::newRow("hex in, hex out")
        << true << true << true << "41 00 42" << QByteArray::fromHex("41 00 42")
        << QStringList{"SEND->41 00 42", "RECV<-41 00 42"};
    QTest::newRow("hex in, text out stops at NUL")
        << true << false << true << "41 00 42" << QByteArray::fromHex("41 00 42")
        << QStringList{"SEND->41 00 42", "RECV<-A"};
    QTest::newRow("markup stays text")
        << false << false << true << "<b>bold</b>" << QByteArray("<b>bold</b>")
        << QStringList{"SEND-><b>bold</b>", "RECV<-<b>bold</b>"};
    QTest::newRow("one byte, no blank")
        << false << true << true << "A" << QByteArray("A") << QStringList{"SEND->A", "RECV<-41"};
    QByteArray text(2500, '\0');
    for (int i = 0; i < text.size(); ++i)
        text[i] = char('a' + i % 26);
    QTest::newRow("blocks of 1024")
        << false << false << false << QString::fromLatin1(text) << text
        << QStringList{"SEND->" + text.mid(0, 1024), "SEND->" + text.mid(1024, 1024),
                       "SEND->" + text.mid(2048)};
}

void TestConsoleNet::sendAndShow()
{
    QFETCH(bool, hexSend);
    QFETCH(bool, hexRecv);
    QFETCH(bool, echo);
    QFETCH(QString, input);
    QFETCH(QByteArray, wire);
    QFETCH(QStringList, lines);
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.printer->model().setRawEcho(echo);
    pages.widget<QRadioButton>("radioButton_hexSend")->setChecked(hexSend);
    pages.widget<QRadioButton>("radioButton_hexRecv")->setChecked(hexRecv);
    pages.widget<QTextEdit>("textEdit_Send")->setPlainText(input);
    pages.click("pushButton_Send");
    QVERIFY(f.recorder->messages.isEmpty());
    QTRY_COMPARE(f.printer->rawBytes().toHex(' '), wire.toHex(' '));
    QCOMPARE(pages.lines(), lines);
    // Every line carries its time stamp.
    const QString shown = pages.widget<QTextBrowser>("textBrowser_Debug")->toPlainText();
    QCOMPARE(shown.count(QRegularExpression(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\]"),
                                            QRegularExpression::MultilineOption)),
             lines.filter(QRegularExpression(QStringLiteral("^(SEND->|RECV<-)"))).size());
    QTRY_COMPARE(f.printer->openConnections(), 0);
    QVERIFY(!f.session->busy());
}

void TestConsoleNet::refusedSendsNothing_data()
{
    QTest::addColumn<QString>("input"); // hex
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString error = QString::fromUtf8("错误");
    const QString invalid = QString::fromUtf8("此十六进制字符串格式无效。");
    QTest::newRow("odd digit") << "1B 4" << true << true << error << invalid;
    QTest::newRow("printer not open") << "1B 40" << false << true << QString::fromUtf8("设置工具")
                                      << QString::fromUtf8("设备未打开!");
    QTest::newRow("printer not listening")
        << QString("41 ").repeated(3000).trimmed() << true << false << error
        << QString::fromUtf8("发送失败！请重试");
}

void TestConsoleNet::refusedSendsNothing()
{
    QFETCH(QString, input);
    QFETCH(bool, open);
    QFETCH(bool, listening);
    QFETCH(QString, title);
    QFETCH(QString, text);
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    // Let the connection of the open settle first.
    QTest::qWait(100);
    QTRY_COMPARE(f.printer->openConnections(), 0);
    const int connections = f.printer->connectionCount();
    f.host->open = open;
    if (!listening)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    pages.widget<QRadioButton>("radioButton_hexSend")->setChecked(true);
    pages.widget<QTextEdit>("textEdit_Send")->setPlainText(input);
    pages.click("pushButton_Send");
    QCOMPARE(f.recorder->messages.size(), 1);
    QCOMPARE(int(f.recorder->messages.at(0).kind), int(prompts::Kind::Critical));
    QCOMPARE(f.recorder->messages.at(0).title, title);
    QCOMPARE(f.recorder->messages.at(0).text, text);
    QVERIFY(pages.lines().isEmpty());
    QTest::qWait(50);
    QCOMPARE(f.printer->connectionCount(), connections);
    QCOMPARE(f.printer->bytesReceived(), qint64(0));
    QVERIFY(!f.session->busy());
}

void TestConsoleNet::hexToggle_data()
{
    // Text, its hex form, the hex as edited, and the text it turns back into.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("line break becomes CR LF")
        << QStringList{"A\nB", "41 0D 0A 42", "41 0D 0A 42", "A\nB"};
    QTest::newRow("lower case typed") << QStringList{"AB", "41 42", "61 62", "ab"};
    QTest::newRow("edited hex") << QStringList{"AB", "41 42", "43 44", "CD"};
    QTest::newRow("stops at NUL") << QStringList{"A", "41", "41 00 42", "A"};
    QTest::newRow("odd length") << QStringList{"A", "41", "41 4",
                                               QString::fromUtf8("此十六进制字符串格式无效。")};
}

void TestConsoleNet::hexToggle()
{
    QFETCH(QStringList, steps);
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    auto *edit = pages.widget<QTextEdit>("textEdit_Send");
    auto *hex = pages.widget<QRadioButton>("radioButton_hexSend");
    edit->setPlainText(steps.at(0));
    QTest::mouseClick(hex, Qt::LeftButton);
    QVERIFY(hex->isChecked());
    QCOMPARE(edit->toPlainText(), steps.at(1));
    edit->setPlainText(steps.at(2));
    QTest::mouseClick(hex, Qt::LeftButton);
    QVERIFY(!hex->isChecked());
    QCOMPARE(edit->toPlainText(), steps.at(3));
}

QTEST_MAIN(TestConsoleNet)
#include "tst_console_net.moc"
