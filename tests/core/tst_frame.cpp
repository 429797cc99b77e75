// Frame text data, reply parsing, log masking, identity strings, the status word, the
// console's hex forms and the start-up language, against the bytes printers exchange.
#include "app/language.h"
#include "console/hexcodec.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/statusword.h"

#include <QtTest>

namespace {
QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(hexText);
}

QByteArray block(const QByteArray &start) // one zero-filled USB reply block
{
    return start + QByteArray(frame::kReplyAreaSize - start.size(), '\0');
}

// Runs the function named `fn` on `in`; "!" leads what a refusal leaves behind.
QString convert(const QString &fn, const QByteArray &in)
{
    QByteArray out("unchanged");
    QString text;
    QList<QByteArray> list;
    if (fn == "log")
        return frame::hexForLog(in);
    if (fn == "readBack")
        return hexcodec::frameInReadBack(in).toHex(' ');
    if (fn == "send")
        return hexcodec::parseHexSend(QString::fromUtf8(in), &out) ? out.toHex(' ') : "!" + out;
    if (fn == "toView")
        return hexcodec::toHexView(QString::fromUtf8(in));
    if (fn == "fromView")
        return hexcodec::fromHexView(QString::fromUtf8(in), &text) ? text : "!" + text;
    if (fn == "maker")
        return identity::manufacturer(in, &out) ? out : "!" + out;
    if (fn == "status")
        return checkPrinterStatus(in.toUInt(nullptr, 16));
    if (fn == "font")
        return QString::number(reducedFontPointSize(in.toInt()));
    if (fn == "language") { // arguments, then the system locale
        QStringList args = QString::fromUtf8(in).split(' ');
        const LanguageChoice c = chooseLanguage(args.mid(0, args.size() - 1), QLocale(args.last()));
        return QStringLiteral("%1 %2 %3")
            .arg(c.forcedLanguage, c.translationFile)
            .arg(c.fontPointSize);
    }
    // The data sits in a larger zeroed area: NULs past its length must not count.
    const QByteArray area = in + QByteArray(64, '\0');
    return identity::split(reinterpret_cast<const uint8_t *>(area.constData()), in.size(), &list)
               ? list.join('|')
               : "!";
}
} // namespace

class TestFrame : public QObject
{
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
    void textDataFitsOneFrame_data();
    void textDataFitsOneFrame();
    void decodeQueryReply_data();
    void decodeQueryReply();
    void findReply_data();
    void findReply();
};

void TestFrame::convert_data()
{
    QTest::addColumn<QString>("fn");
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QString>("out");
    auto row = [](const char *fn, const QByteArray &name, const QByteArray &in,
                  const QString &out) {
        QTest::addRow("%s: %s", fn, name.constData()) << QString(fn) << in << out;
    };
    row("log", "station credentials set", bytes("1BFFFE012605 41 00 7077 00 1BFEFF"),
        "1B FF FE 01 26 05 ** ** ** ** ** 1B FE FF");
    row("log", "PIN answer after a speed answer, the PIN cut short",
        bytes("1BFFFE02000103 1BFEFF 1BFFFE022E05 3132"),
        "1B FF FE 02 00 01 03 1B FE FF 1B FF FE 02 2E 05 ** **");
    row("log", "access point query: no data", bytes("1BFFFE022700 1BFEFF"),
        "1B FF FE 02 27 00 1B FE FF");
    const QByteArray reply = bytes("1BFFFE0204024F4B1BFEFF");
    row("readBack", "frame inside a block", block("junk" + reply), reply.toHex(' '));
    row("readBack", "no frame: whole block", block("no frame"), block("no frame").toHex(' '));
    row("readBack", "trailer only before header", block(bytes("1BFEFF00001BFFFE0204")),
        block(bytes("1BFEFF00001BFFFE0204")).toHex(' '));
    row("send", "two pairs", "1B 40", "1b 40");
    row("send", "lower case, tab", "1b\tff", "1b ff");
    for (const char *bad :
         {"1B  40", "1B 40\r\n1B 40", "1B 40\r\n", "1B 40 ", "1B40", "1B 4", "1B 4G", "G1 40", ""})
        row("send", QByteArray(bad).toPercentEncoding(" "), bad, "!unchanged");
    // Beyond what a regular expression engine matches in one go.
    row("send", "65536 pairs", QByteArray("AB ").repeated(65536).chopped(1),
        QByteArray(65536, char(0xAB)).toHex(' '));
    row("toView", "line break becomes CR LF", "A\nB", "41 0D 0A 42");
    row("toView", "UTF-8", "中", "E4 B8 AD");
    row("fromView", "CR LF", "41 0D 0A 42", "A\r\nB");
    row("fromView", "lower case", "61 62", "ab");
    row("fromView", "blanks anywhere, stops at NUL", " 4 1 00 42 ", "A");
    row("fromView", "odd length", "41 4", "!");
    row("split", "five strings", QByteArray("V\0K53TA\0MFG:Label;\0P\0S\0", 23),
        "V|K53TA|MFG:Label;|P|S");
    row("split", "fifth unterminated", QByteArray("V\0M\0D\0P\0last", 12), "V|M|D|P|last");
    row("split", "three NULs", QByteArray("V\0M\0D\0P", 7), "!");
    row("maker", "plain", "MFG:Label;CMD:ZPL;", "Label");
    row("maker", "blanks trimmed", "CMD:X;MFG:  Acme Co ;MDL:P1;", "Acme Co");
    row("maker", "no field", "CMD:ZPL;MDL:P1;", "!");
    row("maker", "empty field", "MFG:;MDL:P1;", "!");
    row("status", "high bits ignored", "FFFF8000", "");
    row("status", "paper out and jam", "0A", "缺纸\n卡纸\n");
    row("status", "all fifteen", "7FFF",
        "打印中\n缺纸\n纸将尽\n卡纸\n碳带将尽\n无碳带\n打印头过热\n开盖\n定位异常（黑标或缝隙）\n"
        "切刀异常\n升级中\n升级异常\n指令错误\n打印暂停\n打印删除\n");
    row("font", "reduced", "13", "12");
    row("font", "never below 11", "10", "11");
    // Command-line prefixes first (case matters, first match counts), then the locale.
    row("language", "zh_MO forces traditional", "zh_MO en_US", "zh_TW language_zh_TW.qm 13");
    row("language", "en and anything", "enXYZ zh_CN", "en language_en.qm 12");
    row("language", "upper case selects nothing", "EN zh_CN", "  13");
    row("language", "first match", "--x fr de zh_CN", "fr language_fr.qm 12");
    row("language", "pt means Brazil", "pt_PT zh_CN", "pt_BR language_pt_BR.qm 12");
    row("language", "simplified locale", "zh_CN", "  13");
    row("language", "taiwan locale", "zh_TW", " language_zh_TW.qm 13");
    row("language", "traditional script", "zh_Hant_SG", " language_zh_TW.qm 13");
    row("language", "spanish gets english", "es_ES", " language_en.qm 12");
    row("language", "portuguese locale", "pt_PT", " language_pt_BR.qm 12");
}

void TestFrame::convert()
{
    QFETCH(QString, fn);
    QFETCH(QByteArray, in);
    QFETCH(QString, out);
    QCOMPARE(::convert(fn, in), out);
}

void TestFrame::textDataFitsOneFrame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedTextBytes");
    QTest::newRow("AB") << "AB" << 2;
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
    QCOMPARE(data, text.left(QString::fromUtf8(data).size()).toUtf8() + '\0'); // whole characters
    QCOMPARE(frame::build(frame::ClassSet, 0x2B, data),
             bytes("1BFFFE012B") + char(expectedTextBytes + 1) + data + bytes("1BFEFF"));
}

void TestFrame::decodeQueryReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("expectedResult");
    QTest::addColumn<QByteArray>("expectedData");
    QTest::addColumn<int>("areaSize");
    QTest::addColumn<int>("outSize");
    auto row = [](const char *name, const char *reply, int item, int result, const char *data,
                  int areaSize = frame::kReplyAreaSize, int outSize = frame::kQueryOutSize) {
        QTest::newRow(name) << bytes(reply) << item << result << bytes(data) << areaSize << outSize;
    };
    row("speed 3", "1BFFFE020001 03 1BFEFF", 0x00, 0, "03");
    row("empty answer", "1BFFFE021300 1BFEFF", 0x13, 0, "");
    row("other item code", "1BFFFE021401 05 1BFEFF", 0x13, 1, "");
    row("other class accepted", "1BFFFE051301 05 1BFEFF", 0x13, 0, "05");
    row("bad header", "1BFFFF021301 05 1BFEFF", 0x13, 1, "");
    row("no trailer needed", "1BFFFE0B0B04 CB006003", 0x0B, 0, "CB006003");
    row("nothing received", "", 0x0C, 1, "");
    // A length byte of 255 in a reply held by only 10 bytes copies what is there, and
    // an output area smaller than the announced length is never overrun.
    row("length past the area", "1BFFFE020CFF 41424344", 0x0C, 0, "41424344", 10);
    row("length past the output", "1BFFFE020CFF 41424344", 0x0C, 0, "41424344", 10, 4);
}

void TestFrame::decodeQueryReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, item);
    QFETCH(int, expectedResult);
    QFETCH(QByteArray, expectedData);
    QFETCH(int, areaSize);
    QFETCH(int, outSize);
    QByteArray area(areaSize, '\0');
    area.replace(0, reply.size(), reply);
    // The output area is followed by guard bytes that must stay untouched.
    QByteArray out = QByteArray(outSize, char(0xAA)) + QByteArray(4, char(0x77));
    QCOMPARE(frame::decodeQueryReply(reinterpret_cast<const uint8_t *>(area.constData()),
                                     area.size(), uint8_t(item),
                                     reinterpret_cast<uint8_t *>(out.data()), outSize),
             expectedResult);
    QCOMPARE(out, expectedData + QByteArray(outSize - expectedData.size(), '\0') +
                      QByteArray(4, char(0x77)));
}

void TestFrame::findReply_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("start"); // -1: not found
    QTest::addColumn<int>("length");
    QTest::newRow("whole") << bytes("1BFFFE0229028C231BFEFF") << 0x29 << 0 << 11;
    QTest::newRow("stray bytes first")
        << bytes("0000AB1B1BFFFE0229028C231BFEFF") << 0x29 << 4 << 11;
    QTest::newRow("first segment only") << bytes("1BFFFE0229028C") << 0x29 << -1 << 0;
    QTest::newRow("trailer inside data, complete")
        << bytes("1BFFFE023C061BFEFF0102031BFEFF") << 0x3C << 0 << 15;
    QTest::newRow("merged with the next")
        << bytes("1BFFFE0229028C231BFEFF1BFFFE0200") << 0x29 << 0 << 11;
    QTest::newRow("other item only") << bytes("1BFFFE0228028C231BFEFF") << 0x29 << -1 << 0;
    QTest::newRow("length with bit 7 waits")
        << (bytes("1BFFFE020C80") + QByteArray(20, 'a') + bytes("1BFEFF")) << 0x0C << -1 << 0;
    QTest::newRow("length 200 complete")
        << (bytes("1BFFFE020CC8") + QByteArray(200, 'a') + bytes("1BFEFF")) << 0x0C << 0 << 209;
}

void TestFrame::findReply()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, item);
    QFETCH(int, start);
    QFETCH(int, length);
    int got[2] = {-1, 0};
    QCOMPARE(frame::findReply(stream, frame::ClassQuery, uint8_t(item), &got[0], &got[1]),
             start >= 0);
    if (start >= 0)
        QCOMPARE(QPair(got[0], got[1]), QPair(start, length));
}

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
