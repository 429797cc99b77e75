// Frame layout, reply validation, stream reply assembly, identity strings and the
// status word, against the byte examples printers actually exchange.
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/statusword.h"

#include <QtTest>

namespace {
QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(QByteArray(hexText).replace(' ', ""));
}
} // namespace

class TestFrame : public QObject
{
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void textDataFitsOneFrame_data();
    void textDataFitsOneFrame();
    void decodeQueryReply_data();
    void decodeQueryReply();
    void findReply_data();
    void findReply();
    void hexForLog_data();
    void hexForLog();
    void identitySplit_data();
    void identitySplit();
    void manufacturer_data();
    void manufacturer();
    void statusWord_data();
    void statusWord();
};

void TestFrame::build_data()
{
    QTest::addColumn<int>("frameClass");
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("identity query") << 0x02 << 0x0C << QByteArray() << bytes("1BFFFE020C001BFEFF");
    QTest::newRow("label gap 24 dots")
        << 0x01 << 0x19 << frame::le16(24) << bytes("1BFFFE01190218001BFEFF");
    QTest::newRow("ports 9100 9101") << 0x01 << 0x0F << (frame::le16(9100) + frame::le16(9101))
                                     << bytes("1BFFFE010F048C238D231BFEFF");
    QTest::newRow("name AB") << 0x01 << 0x2B << frame::textData(QByteArray("AB"))
                             << bytes("1BFFFE012B034142001BFEFF");
}

void TestFrame::build()
{
    QFETCH(int, frameClass);
    QFETCH(int, item);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);
    QCOMPARE(frame::build(uint8_t(frameClass), uint8_t(item), data).toHex(' '),
             expected.toHex(' '));
}

void TestFrame::textDataFitsOneFrame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedTextBytes");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("254 ascii") << QString(254, QLatin1Char('a')) << 254;
    QTest::newRow("255 ascii is cut") << QString(255, QLatin1Char('a')) << 254;
    // 3 bytes each in UTF-8: 84 characters are 252 bytes, an 85th would not fit.
    QTest::newRow("cjk never split") << QString(100, QChar(0x4E2D)) << 252;
    QTest::newRow("cjk at the line edit limit") << QString(32767, QChar(0x4E2D)) << 252;
    // 4 bytes per surrogate pair: 63 fit, the 64th is dropped whole.
    QTest::newRow("pairs never split")
        << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(100) << 252;
}

void TestFrame::textDataFitsOneFrame()
{
    QFETCH(QString, text);
    QFETCH(int, expectedTextBytes);
    const QByteArray data = frame::textData(text);
    QCOMPARE(data.size(), expectedTextBytes + 1);
    QCOMPARE(data.at(data.size() - 1), '\0');
    const QByteArray sent = frame::build(frame::ClassSet, 0x2B, data);
    QCOMPARE(int(uint8_t(sent.at(5))), data.size());
    // A cut text still decodes as whole characters.
    const QString decoded = QString::fromUtf8(data.constData());
    QCOMPARE(text.left(decoded.size()), decoded);
}

void TestFrame::decodeQueryReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("expectedResult");
    QTest::addColumn<QByteArray>("expectedData");
    QTest::addColumn<int>("areaSize");
    QTest::addColumn<int>("outSize");
    auto row = [](const char *name, const QByteArray &reply, int item, int result,
                  const QByteArray &data, int areaSize = frame::kReplyAreaSize,
                  int outSize = frame::kQueryOutSize) {
        QTest::newRow(name) << reply << item << result << data << areaSize << outSize;
    };
    row("speed 3", bytes("1BFFFE020001 03 1BFEFF"), 0x00, 0, bytes("03"));
    row("empty answer", bytes("1BFFFE021300 1BFEFF"), 0x13, 0, QByteArray());
    row("other item code", bytes("1BFFFE021401 05 1BFEFF"), 0x13, 1, QByteArray());
    row("other class accepted", bytes("1BFFFE051301 05 1BFEFF"), 0x13, 0, bytes("05"));
    row("bad header", bytes("1BFFFF021301 05 1BFEFF"), 0x13, 1, QByteArray());
    row("no trailer needed", bytes("1BFFFE0B0B04 CB006003"), 0x0B, 0, bytes("CB006003"));
    row("nothing received", QByteArray(), 0x0C, 1, QByteArray());
    // A length byte of 255 in a reply held by only 10 bytes copies what is there, and
    // an output area smaller than the announced length is never overrun.
    row("length past the area", bytes("1BFFFE020CFF 41424344"), 0x0C, 0, bytes("41424344"), 10);
    row("length past the output", bytes("1BFFFE020CFF 41424344"), 0x0C, 0, bytes("41424344"), 10,
        4);
}

void TestFrame::decodeQueryReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, item);
    QFETCH(int, expectedResult);
    QFETCH(QByteArray, expectedData);
    QFETCH(int, areaSize);
    QFETCH(int, outSize);

    // Replies arrive in a zeroed area of one USB block.
    QByteArray area(areaSize, '\0');
    area.replace(0, reply.size(), reply);
    // The output area, followed by guard bytes that must stay untouched.
    QByteArray out = QByteArray(outSize, char(0xAA)) + QByteArray(4, char(0x77));
    const int result =
        frame::decodeQueryReply(reinterpret_cast<const uint8_t *>(area.constData()), area.size(),
                                uint8_t(item), reinterpret_cast<uint8_t *>(out.data()), outSize);
    QCOMPARE(result, expectedResult);
    QCOMPARE(out.left(expectedData.size()), expectedData);
    QCOMPARE(out.mid(expectedData.size(), outSize - expectedData.size()),
             QByteArray(outSize - expectedData.size(), '\0'));
    QCOMPARE(out.right(4), QByteArray(4, char(0x77)));
}

void TestFrame::findReply_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::newRow("whole") << bytes("1BFFFE02290 28C231BFEFF") << 0x29 << true << 0 << 11;
    QTest::newRow("stray bytes first")
        << bytes("0000AB1B1BFFFE0229028C231BFEFF") << 0x29 << true << 4 << 11;
    QTest::newRow("first segment only") << bytes("1BFFFE0229028C") << 0x29 << false << 0 << 0;
    QTest::newRow("trailer inside data, complete")
        << bytes("1BFFFE023C061BFEFF0102031BFEFF") << 0x3C << true << 0 << 15;
    QTest::newRow("merged with the next")
        << bytes("1BFFFE0229028C231BFEFF1BFFFE0200") << 0x29 << true << 0 << 11;
    QTest::newRow("other item only") << bytes("1BFFFE0228028C231BFEFF") << 0x29 << false << 0 << 0;
    QTest::newRow("length with bit 7 waits")
        << (bytes("1BFFFE020C80") + QByteArray(20, 'a') + bytes("1BFEFF")) << 0x0C << false << 0
        << 0;
    QTest::newRow("length 200 complete")
        << (bytes("1BFFFE020CC8") + QByteArray(200, 'a') + bytes("1BFEFF")) << 0x0C << true << 0
        << 209;
}

void TestFrame::findReply()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, item);
    QFETCH(bool, found);
    QFETCH(int, start);
    QFETCH(int, length);
    int gotStart = -1;
    int gotLength = -1;
    QCOMPARE(frame::findReply(stream, frame::ClassQuery, uint8_t(item), &gotStart, &gotLength),
             found);
    if (found) {
        QCOMPARE(gotStart, start);
        QCOMPARE(gotLength, length);
        QVERIFY(gotLength <= frame::kReplyAreaSize);
        QVERIFY(gotStart + gotLength <= stream.size());
    }
}

void TestFrame::hexForLog_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logged");
    QTest::newRow("station credentials set") << bytes("1BFFFE012605 41 00 7077 00 1BFEFF")
                                             << "1B FF FE 01 26 05 ** ** ** ** ** 1B FE FF";
    QTest::newRow("PIN answer after a speed answer, the PIN cut short")
        << bytes("1BFFFE02000103 1BFEFF 1BFFFE022E05 3132")
        << "1B FF FE 02 00 01 03 1B FE FF 1B FF FE 02 2E 05 ** **";
    QTest::newRow("access point query: no data")
        << bytes("1BFFFE022700 1BFEFF") << "1B FF FE 02 27 00 1B FE FF";
}

void TestFrame::hexForLog()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logged);
    QCOMPARE(frame::hexForLog(bytes), logged);
}

void TestFrame::identitySplit_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("fifth");
    QTest::newRow("five strings") << QByteArray("V\0K53TA\0MFG:Label;\0P\0S\0", 23) << true
                                  << QByteArray("K53TA") << QByteArray("S");
    QTest::newRow("fifth unterminated")
        << QByteArray("V\0M\0D\0P\0last", 12) << true << QByteArray("M") << QByteArray("last");
    QTest::newRow("three NULs") << QByteArray("V\0M\0D\0P", 7) << false << QByteArray()
                                << QByteArray();
}

void TestFrame::identitySplit()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, ok);
    // The data sits in a larger zeroed area: NULs past its length must not count.
    QByteArray area = data + QByteArray(64, '\0');
    QList<QByteArray> strings;
    QCOMPARE(
        identity::split(reinterpret_cast<const uint8_t *>(area.constData()), data.size(), &strings),
        ok);
    if (ok) {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, fifth);
        QCOMPARE(strings.size(), 5);
        QCOMPARE(strings.at(1), model);
        QCOMPARE(strings.at(4), fifth);
    }
}

void TestFrame::manufacturer_data()
{
    QTest::addColumn<QByteArray>("deviceId");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("maker");
    QTest::newRow("plain") << QByteArray("MFG:Label;CMD:ZPL;") << true << QByteArray("Label");
    QTest::newRow("blanks trimmed")
        << QByteArray("CMD:X;MFG:  Acme Co ;MDL:P1;") << true << QByteArray("Acme Co");
    QTest::newRow("no field") << QByteArray("CMD:ZPL;MDL:P1;") << false << QByteArray();
    QTest::newRow("empty field") << QByteArray("MFG:;MDL:P1;") << false << QByteArray();
}

void TestFrame::manufacturer()
{
    QFETCH(QByteArray, deviceId);
    QFETCH(bool, ok);
    QFETCH(QByteArray, maker);
    QByteArray got;
    QCOMPARE(identity::manufacturer(deviceId, &got), ok);
    QCOMPARE(got, maker);
}

void TestFrame::statusWord_data()
{
    QTest::addColumn<uint>("word");
    QTest::addColumn<QString>("text");
    QTest::newRow("idle") << 0u << QString();
    QTest::newRow("high bits ignored") << 0xFFFF8000u << QString();
    QTest::newRow("paper out and jam") << 0x0Au << QString::fromUtf8("缺纸\n卡纸\n");
    QTest::newRow("printing") << 0x1u << QString::fromUtf8("打印中\n");
}

void TestFrame::statusWord()
{
    QFETCH(uint, word);
    QFETCH(QString, text);
    QCOMPARE(checkPrinterStatus(word), text);
    if (word == 0)
        QCOMPARE(checkPrinterStatus(0x7FFF).count(QLatin1Char('\n')), 15);
}

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
