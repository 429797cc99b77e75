// The debug console over TCP to the simulated printer: the send area's modes <-> the
// bytes on the wire and the time-stamped message area, refused input, the hex toggle.
#include "filesendhelpers.h"
#include "sessionfixture.h"

#include <QtTest>
#include <QRadioButton>
#include <QTextEdit>

namespace {

using FileFixture = FilePagesOn<SessionFixture>;
enum Setup
{
    HexSend = 1,
    HexRecv = 2,
    Echo = 4,   // the printer sends back what it takes
    Closed = 8, // the printer is not open
    Deaf = 16   // the printer does not listen
};
} // namespace

class TestConsoleNet : public QObject
{
    Q_OBJECT
private slots:
    void send_data();
    void send();
    void hexToggle();
};

void TestConsoleNet::send_data()
{
    QTest::addColumn<int>("setup");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QStringList>("lines"); // the message area, without time stamps
    QTest::addColumn<QString>("message");   // "title|text" of a critical box
    const QByteArray a0b("A\0B", 3);
    QTest::newRow("hex") << int(HexSend) << "1B 40" << QByteArray::fromHex("1B40")
                         << QStringList{"SEND->1B 40"} << "";
    QTest::newRow("text: CR LF, UTF-8") << 0 << "A\n中" << QByteArray::fromHex("410D0AE4B8AD")
                                        << QStringList{"SEND->A", "中"} << "";
    QTest::newRow("hex in, hex out") << (HexSend | HexRecv | Echo) << "41 00 42" << a0b
                                     << QStringList{"SEND->41 00 42", "RECV<-41 00 42"} << "";
    QTest::newRow("hex in, text out up to NUL")
        << (HexSend | Echo) << "41 00 42" << a0b << QStringList{"SEND->41 00 42", "RECV<-A"} << "";
    QTest::newRow("markup stays text") << int(Echo) << "<b>x</b>" << QByteArray("<b>x</b>")
                                       << QStringList{"SEND-><b>x</b>", "RECV<-<b>x</b>"} << "";
    QByteArray text(2500, '\0');
    for (int i = 0; i < text.size(); ++i)
        text[i] = char('a' + i % 26);
    QTest::newRow("blocks of 1024, one connection")
        << 0 << QString::fromLatin1(text) << text
        << QStringList{"SEND->" + text.left(1024), "SEND->" + text.mid(1024, 1024),
                       "SEND->" + text.mid(2048)}
        << "";
    // Refused: nothing on the wire, not even a connection.
    QTest::newRow("odd digit") << int(HexSend) << "1B 4" << QByteArray() << QStringList()
                               << "错误|此十六进制字符串格式无效。";
    QTest::newRow("printer not open")
        << (HexSend | Closed) << "1B 40" << QByteArray() << QStringList() << "设置工具|设备未打开!";
    QTest::newRow("printer not listening")
        << (HexSend | Deaf) << QString("41 ").repeated(3000).trimmed() << QByteArray()
        << QStringList() << "错误|发送失败！请重试";
}

void TestConsoleNet::send()
{
    QFETCH(int, setup);
    QFETCH(QString, input);
    QFETCH(QByteArray, wire);
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    FileFixture f;
    QVERIFY(f.start());
    // Let the connection of the open settle first.
    QTest::qWait(100);
    QTRY_COMPARE(f.printer->openConnections(), 0);
    const int connections = f.printer->connectionCount();
    f.printer->model().setRawEcho(setup & Echo);
    f.host->open = !(setup & Closed);
    if (setup & Deaf)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    f.pages->widget<QRadioButton>("radioButton_hexSend")->setChecked(setup & HexSend);
    f.pages->widget<QRadioButton>("radioButton_hexRecv")->setChecked(setup & HexRecv);
    f.pages->widget<QTextEdit>("textEdit_Send")->setPlainText(input);
    f.pages->click("pushButton_Send");
    QStringList boxes;
    for (const prompts::Message &m : f.recorder->messages)
        boxes << QString::number(int(m.kind == prompts::Kind::Critical)) + m.title + '|' + m.text;
    QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{'1' + message});
    QTRY_COMPARE(f.printer->rawBytes().toHex(' '), wire.toHex(' '));
    QCOMPARE(f.pages->lines(), lines);
    // Every line carries its time stamp.
    const QString shown = f.pages->widget<QTextBrowser>("textBrowser_Debug")->toPlainText();
    QCOMPARE(
        shown.count(QRegularExpression(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\](SEND|RECV)"),
                                       QRegularExpression::MultilineOption)),
        lines.filter(QRegularExpression(QStringLiteral("^(SEND->|RECV<-)"))).size());
    QTRY_COMPARE(f.printer->openConnections(), 0);
    QCOMPARE(f.printer->connectionCount(), connections + (wire.isEmpty() ? 0 : 1));
    QCOMPARE(f.printer->bytesReceived(), qint64(wire.size()));
    QVERIFY(!f.session->busy());
}

void TestConsoleNet::hexToggle()
{
    // The codec's conversions are tested on their own; here the radio button drives
    // them both ways, and a bad edit shows the complaint in the send area.
    FileFixture f;
    QVERIFY(f.start());
    auto *edit = f.pages->widget<QTextEdit>("textEdit_Send");
    auto *hex = f.pages->widget<QRadioButton>("radioButton_hexSend");
    QStringList shown;
    for (const char *typed : {"A\nB", "43 44", "", "41 4"}) {
        if (*typed)
            edit->setPlainText(typed);
        QTest::mouseClick(hex, Qt::LeftButton);
        shown << QString::number(hex->isChecked()) + ' ' + edit->toPlainText();
    }
    QCOMPARE(shown,
             (QStringList{"1 41 0D 0A 42", "0 CD", "1 43 44", "0 此十六进制字符串格式无效。"}));
}

QTEST_MAIN(TestConsoleNet)
#include "tst_console_net.moc"
