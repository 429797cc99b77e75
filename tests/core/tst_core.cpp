// The core without widgets, one table row per case: frame text data, reply parsing, log
// masking, identity strings, the status word, the console's hex forms, the start-up
// language, settings profiles and the WiFi scan with fake programs in place of the
// system commands, and firmware and font file decryption.
#include "core/protocol/hexcodec.h"
#include "core/files/filedecrypt.h"
#include "encryptedfile.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/protocol/statusword.h"
#include "core/hostwifi/wifiscan.h"
#include "core/language.h"
#include "core/settings/printcodec.h"
#include "core/settings/profile.h"
#include "core/settings/wificodec.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const auto bytes = [](const char *hexText) { return QByteArray::fromHex(hexText); };

const auto block = [](const QByteArray &start) { // one zero-filled USB reply block
    return start + QByteArray(frame::kReplyAreaSize - start.size(), '\0');
};

// "ssid rssi" with " *" for the connected network, one entry after the other.
const auto describe = [](const QList<WifiInfo> &wifis) {
    QStringList out;
    for (const WifiInfo &w : wifis)
        out << QStringLiteral("%1 %2%3").arg(w.ssid).arg(w.rssi).arg(w.isCurrent ? " *" : "");
    return out.join(", ");
};

// A profiler dictionary from "key=value|key=value": RSSI an integer, the rest strings.
QString dict(const QString &pairs)
{
    QString out = "<dict>\n";
    for (const QString &pair : pairs.split('|', Qt::SkipEmptyParts)) {
        const QString key = pair.section('=', 0, 0);
        out += QString("<key>%1</key>\n<%2>%3</%2>\n")
                   .arg(key, key == "RSSI" ? "integer" : "string", pair.section('=', 1));
    }
    return out + "</dict>\n";
}

const auto named = [](const QString &name, const QString &noise) {
    return dict("_name=" + name + "|spairport_network_channel=36|spairport_signal_noise=" + noise);
};
const auto array = [](const QString &key, const QString &entries) {
    return QString("<key>spairport_%1</key>\n<array>\n%2</array>\n").arg(key, entries);
};
const auto current = [](const QString &name) {
    return "<key>spairport_current_network_information</key>\n" +
           dict("_name=" + name + "|spairport_signal_noise=-45 dBm / -93 dBm");
};

// The interface dictionary of a report, wrapped the way the profiler writes it.
QByteArray report(const QString &interfaceBody)
{
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n"
            "<key>_items</key>\n<array>\n<key>spairport_airport_interfaces</key>\n<array>\n"
            "<key>_name</key>\n<string>en0</string>\n" +
            interfaceBody +
            "<key>spairport_status_information</key>\n<string>spairport_status_connected</string>\n"
            "</array>\n</array>\n</array>\n</plist>\n")
        .toUtf8();
}

const char kOther[] = "airport_other_local_wireless_networks";
const char kLocal[] = "airport_local_wireless_networks";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs the function named `fn` on `in`; "!" leads what a refusal leaves behind.
QString convert(const QString &fn, const QByteArray &in)
{
    QByteArray out("unchanged");
    QString text;
    QList<QByteArray> list;
    if (fn == "profiler" || fn == "nmcli") { // the merged list
        const QString t = QString::fromUtf8(in);
        return describe(
            mergeWifiList(fn == "nmcli" ? parseNmcliWifiList(t) : parseSystemProfilerOutput(t)));
    }
    if (fn.startsWith("scan")) { // the power check and list scripts ("": missing), NUL apart
        static QTemporaryDir dir;
        const QString marker = dir.filePath("list-ran");
        WifiScanCommands c;
        c.source =
            fn == "scan mac" ? WifiScanSource::SystemProfiler : WifiScanSource::NetworkManager;
        c.powerProgram = c.listProgram = QStringLiteral("sh");
        c.powerArguments = QStringList{"-c", QString::fromUtf8(in.left(in.indexOf('\0')))};
        text = QString::fromUtf8(in.mid(in.indexOf('\0') + 1));
        c.listArguments = QStringList{"-c", QString(text).replace("list-ran", "'" + marker + "'")};
        if (text.isEmpty())
            c.listProgram = dir.filePath("no-such-list");
        int calls = 0;
        text = describe(runWifiScan(c, [&] { ++calls; }));
        return text +
               QStringLiteral(" (%1 off%2)").arg(calls).arg(QFile::exists(marker) ? ", ran" : "");
    }
    if (fn.startsWith("decrypt")) { // "decrypt fw" or "decrypt font": a file name, NUL, its bytes
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8(in.left(in.indexOf('\0'))));
        const QByteArray cipher = in.mid(in.indexOf('\0') + 1);
        const QString wanted = fn.endsWith("fw") ? filedecrypt::firmwareOutputPath(path)
                                                 : filedecrypt::fontOutputPath(path);
        // The user's own file of the next name is kept; the next free sibling is used.
        const QString mine = wanted.chopped(4) + "-2" + wanted.right(4);
        QString first, second;
        if (!writePlainFile(path, cipher) || !filedecrypt::decryptBytes(cipher, &out) ||
            filedecrypt::decryptFile(path, wanted, &first) != filedecrypt::Result::Ok ||
            !writePlainFile(mine, "mine") ||
            filedecrypt::decryptFile(path, wanted, &second) != filedecrypt::Result::Ok ||
            readAll(first) != out || readAll(mine) != "mine" ||
            // A missing input creates nothing.
            filedecrypt::decryptFile(path + "x", path + "y") !=
                filedecrypt::Result::InputOpenFailed ||
            QFile::exists(path + "y"))
            return "failed";
        return QStringLiteral("%1 %2 %3 ")
                   .arg(QFileInfo(first).fileName(), QFileInfo(second).fileName())
                   .arg(int(QFile::permissions(first) & 0x6677), 0, 16) +
               out.toHex();
    }
    if (fn == "log")
        return frame::hexForLog(in);
    if (fn == "text") { // text bytes sent, if whole characters and NUL-terminated
        const QString t = QString::fromUtf8(in);
        const QByteArray d = frame::textData(t);
        const bool whole = d == t.left(QString::fromUtf8(d).size()).toUtf8() + '\0';
        return whole && frame::build(1, 0x2B, d).at(5) == char(d.size())
                   ? QString::number(d.size() - 1)
                   : "split";
    }
    if (fn == "find") { // item, then the stream: start and length found
        int start = -1, length = -1;
        return frame::findReply(in.mid(1), frame::ClassQuery, uint8_t(in[0]), &start, &length)
                   ? QStringLiteral("%1 %2").arg(start).arg(length)
                   : "!";
    }
    if (fn == "decode") { // item, area and output sizes (0: the usual), then the reply
        const int outSize = in[2] ? in[2] : frame::kQueryOutSize;
        QByteArray area(in[1] ? in[1] : frame::kReplyAreaSize, '\0');
        area.replace(0, in.size() - 3, in.mid(3));
        // The output area is followed by guard bytes that must stay untouched.
        out = QByteArray(outSize, char(0xAA)) + QByteArray(4, char(0x77));
        const int result = frame::decodeQueryReply(
            reinterpret_cast<const uint8_t *>(area.constData()), area.size(), uint8_t(in[0]),
            reinterpret_cast<uint8_t *>(out.data()), outSize);
        if (!out.endsWith(QByteArray(4, char(0x77))))
            return "overrun";
        out.chop(4);
        while (out.endsWith('\0'))
            out.chop(1);
        return QString::number(result) + ' ' + out.toHex(' ');
    }
    if (fn == "profile") { // the refusal, or what is written read back
        profile::Profile p, back;
        if (!profile::parse(in, &p, &text))
            return "!" + text;
        profile::parse(profile::serialize(p), &back, &text);
        return QStringLiteral("%1 %2 %3")
            .arg(back.model)
            .arg(back.dotsPerMm)
            .arg(QString(QJsonDocument(back.settings).toJson(QJsonDocument::Compact)));
    }
    if (fn == "diff") { // printer and profile settings, a line each
        const QList<QByteArray> o = in.split('\n');
        for (const profile::Difference &d : profile::diff(QJsonDocument::fromJson(o[0]).object(),
                                                          QJsonDocument::fromJson(o[1]).object()))
            text += d.page + '.' + d.setting + ' ' + profile::valueText(d.printer) + ' ' +
                    profile::valueText(d.profile) + ';';
        return text;
    }
    if (fn == "readBack")
        return hexcodec::frameInReadBack(in).toHex(' ');
    if (fn == "send")
        return hexcodec::parseHexSend(QString::fromUtf8(in), &out) ? out.toHex(' ') : "!" + out;
    if (fn == "hexProblem") { // what was wrong, where (from 0) and how long
        const hexcodec::HexProblem p = hexcodec::hexProblem(QString::fromUtf8(in));
        return QStringLiteral("%1@%2+%3").arg(int(p.kind)).arg(p.at).arg(p.length);
    }
    if (fn == "toView")
        return hexcodec::toHexView(QString::fromUtf8(in));
    if (fn == "fromView")
        return hexcodec::fromHexView(QString::fromUtf8(in), &text) ? text : "!" + text;
    if (fn == "maker")
        return identity::manufacturer(in, &out) ? out : "!" + out;
    if (fn == "status")
        return checkPrinterStatus(in.toUInt(nullptr, 16));
    if (fn == "labelDots") { // millimetres, then dots per millimetre
        const QList<QByteArray> args = in.split(' ');
        return QString::number(printcodec::labelDots(args[0].toDouble(), args[1].toInt()));
    }
    if (fn == "font")
        return QString::number(reducedFontPointSize(in.toInt()));
    if (fn == "language") { // arguments, then the system locale
        QStringList args = QString::fromUtf8(in).split(' ');
        const LanguageChoice c = chooseLanguage(args.mid(0, args.size() - 1), QLocale(args.last()));
        return QStringLiteral("%1 %2 %3")
            .arg(c.forcedLanguage, c.translationFile)
            .arg(c.fontPointSize);
    }
    if (fn == "texts") { // the NULs needed, then the data; no NUL follows it
        const QByteArray area = in.mid(1) + "xxxx";
        if (!wificodec::splitTexts(reinterpret_cast<const uint8_t *>(area.constData()),
                                   in.size() - 1, in[0] - '0', &list))
            return "!";
        return QString::fromLatin1(list.join('|').replace('\0', "<0>"));
    }
    // The data sits in a larger zeroed area: NULs past its length must not count.
    const QByteArray area = in + QByteArray(64, '\0');
    return identity::split(reinterpret_cast<const uint8_t *>(area.constData()), in.size(), &list)
               ? list.join('|')
               : "!";
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
};

void TestCore::convert_data()
{
    QTest::addColumn<QString>("fn");
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QString>("out");
    auto row = [](const char *fn, const QByteArray &name, const QByteArray &in,
                  const QString &out) {
        QTest::addRow("%s: %s", fn, name.constData()) << QString(fn) << in << out;
    };
    row("text", "254 ascii", QByteArray(254, 'a'), "254");
    row("text", "255 ascii is cut", QByteArray(255, 'a'), "254");
    // 3 bytes each in UTF-8: 84 characters are 252 bytes, an 85th would not fit.
    row("text", "cjk never split", QByteArray("中").repeated(100), "252");
    // 4 bytes per surrogate pair: 63 fit, the 64th is dropped whole.
    row("text", "pairs never split", QByteArray("\xF0\x9F\x98\x80").repeated(100), "252");
    row("find", "stray bytes first", bytes("29 0000AB1B1BFFFE0229028C231BFEFF"), "4 11");
    row("find", "trailer inside data, complete", bytes("3C 1BFFFE023C061BFEFF0102031BFEFF"),
        "0 15");
    row("find", "merged with the next", bytes("29 1BFFFE0229028C231BFEFF1BFFFE0200"), "0 11");
    row("find", "other item only", bytes("29 1BFFFE0228028C231BFEFF"), "!");
    row("find", "length with bit 7 waits",
        bytes("0C 1BFFFE020C80") + QByteArray(20, 'a') + bytes("1BFEFF"), "!");
    row("find", "length 200 complete",
        bytes("0C 1BFFFE020CC8") + QByteArray(200, 'a') + bytes("1BFEFF"), "0 209");
    row("decode", "speed 3", bytes("00 00 00 1BFFFE020001 03 1BFEFF"), "0 03");
    row("decode", "empty answer", bytes("13 00 00 1BFFFE021300 1BFEFF"), "0 ");
    row("decode", "other item code", bytes("13 00 00 1BFFFE021401 05 1BFEFF"), "1 ");
    row("decode", "other class accepted", bytes("13 00 00 1BFFFE051301 05 1BFEFF"), "0 05");
    row("decode", "bad header", bytes("13 00 00 1BFFFF021301 05 1BFEFF"), "1 ");
    row("decode", "no trailer needed", bytes("0B 00 00 1BFFFE0B0B04 CB006003"), "0 cb 00 60 03");
    row("decode", "nothing received", bytes("0C 00 00"), "1 ");
    // A length byte of 255 in a reply held by only 10 bytes copies what is there, and
    // an output area smaller than the announced length is never overrun.
    row("decode", "length past the area", bytes("0C 0A 00 1BFFFE020CFF 41424344"), "0 41 42 43 44");
    row("decode", "length past the output", bytes("0C 0A 04 1BFFFE020CFF 41424344"),
        "0 41 42 43 44");
    const QString cafe = named("Cafe", "-70 dBm / -90 dBm");
    const QString office = named("Office", "-52 dBm / -91 dBm");
    const QString home = named("Home", "-60 dBm / -92 dBm");
    row("profiler", "connected network in the other-networks array",
        report(current("Office") + array(kOther, cafe + office) + array(kLocal, home)),
        "Office -52 *, Cafe -70");
    row("profiler", "connected network missing from the array is appended",
        report(current("Office") + array(kOther, cafe + home)), "Office 1 *, Home -60, Cafe -70");
    row("profiler", "no connected network: other array skipped, local array used",
        report(array(kOther, cafe) + array(kLocal, home + office)), "Office -52, Home -60");
    row("profiler", "empty other array falls through to the local array",
        report(current("Office") + QString("<key>spairport_%1</key><array></array>\n").arg(kOther) +
               array(kLocal, home + office)),
        "Office -52 *, Home -60");
    row("profiler", "third array name", report(array("wireless_networks", cafe)), "Cafe -70");
    // SSID_STR when _name is missing (neither: skipped); a signal text without dBm wins
    // over RSSI; RSSI alone, a bad number, nothing.
    row("profiler", "names and signals",
        report(array(kLocal, dict("SSID_STR= Lab 5G |RSSI=-61") + dict("RSSI=-40") +
                                 dict("_name=Quiet|spairport_signal_noise=n/a|RSSI=-33") +
                                 dict("_name=R|RSSI=-67") + dict("_name=Bad|RSSI=x7") +
                                 dict("_name=None"))),
        "Bad 0,  Lab 5G  -61, R -67, None -100, Quiet -100");
    row("profiler", "names exact, Chinese, escaped characters",
        report(current("办公室") +
               array(kOther,
                     named("办公室", "-50 dBm") + named("A&amp;B &lt;5G&gt; &#x263A;", "-60 dBm"))),
        "办公室 -50 *, A&B <5G> ☺ -60");
    // The last code point there is, and just past it; NUL is no character either.
    row("profiler", "character references at their bounds",
        report(current("X") +
               array(kOther, named("&#x10FFFF;&#1114112;&#0;&#65;&#x110000;", "-60 dBm"))),
        "X 1 *, \xF4\x8F\xBF\xBF&#1114112;&#0;A&#x110000; -60");
    row("profiler", "no array: flat search by SSID key, nothing appended",
        report(current("Office") + dict("SSID=Office|RSSI=-48") + dict("SSID=Guest") +
               dict("_name=Ignored") + dict("SSID=Odd|RSSI=?")),
        "Office -48 *, Odd 0, Guest -100");
    row("nmcli", "terse: escaped colon and backslash", ":50:My\\:Net\n:50:A\\\\B\n",
        "A\\B -75, My:Net -75");
    row("nmcli", "terse: hidden network, bad signal, zero", ":70:\n:--:Foo\n:0:Weak\n:101:Odd",
        "Foo -100, Odd -100, Weak -100");
    row("nmcli", "terse: line ends, blank lines, spaces at both ends, Chinese",
        "\r\n * :64: Lab \r\n\r\nshort\n:45:咖啡\\:二楼\n", " Lab  -68 *, 咖啡:二楼 -78");
    row("nmcli", "merge: duplicates, the stronger kept, case matters",
        ":60:A\n:80:A\n:70:A\n:80:net\n:100:Net\n", "Net -50, A -60, net -60");
    row("nmcli", "merge: connected wins over stronger", ":90:A\n*:30:A\n:100:A\n:100:B",
        "A -85 *, B -50");
    auto scripts = [](const char *power, const char *list) {
        return QByteArray(power) + '\0' + list;
    };
    // Power off: the list program never runs, and the caller is told once.
    row("scan mac", "Off", scripts("echo 'Wi-Fi Power (en0): Off'", "touch list-ran"), " (1 off)");
    row("scan nmcli", "disabled", scripts("echo disabled", "touch list-ran"), " (1 off)");
    row("scan mac", "empty output", scripts("echo On", "echo '  '"), " (0 off)");
    row("scan nmcli", "error on stderr only",
        scripts("echo On", "echo 'Error: NetworkManager is not running.' >&2\nexit 8"), " (0 off)");
    row("scan nmcli", "list program missing", scripts("echo On", ""), " (0 off)");
    // Like nmcli: names in UTF-8 only under a UTF-8 locale, '?' for each byte otherwise.
    // A hanging power check is given up and the list runs all the same.
    row("scan nmcli", "Chinese names, spaces kept on the last line; power check hangs",
        scripts("exec sleep 300",
                "case \"$LC_ALL\" in\n*.UTF-8|*.utf8) printf '*:70:办公室\\n:50: 二楼 ' ;;\n"
                "*) printf '*:70:?????????\\n:50: ?????? ' ;;\nesac"),
        "办公室 -65 *,  二楼  -75 (0 off)");
    // Waiting for ever would outlast the test's own time limit.
    row("scan nmcli", "list program hangs", scripts("echo On", "exec sleep 300"), " (0 off)");
    const QByteArray first = QByteArray("firmware block 1");
    // Zeros at the end of a full block are data, not padding.
    const QByteArray second = QByteArray("ends in zero", 12) + QByteArray(4, '\0');
    QByteArray big(600 * 1024, '\0'); // several read chunks
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 + (i >> 9));
    auto file = [](const char *name, const QByteArray &plain, const char *tail) {
        QTemporaryDir dir;
        writeEncryptedFile(dir.filePath("e"), plain);
        return QByteArray(name) + '\0' + readAll(dir.filePath("e")) + bytes(tail);
    };
    // Output names, an owner-only file, and the plain bytes. A short block is
    // zero-extended, decrypted, and its trailing zeros cut; these known answers also
    // pin the key.
    row("decrypt fw", "two full blocks", file("fw.r7.hex", first + second, ""),
        "fw.r7_decrypted.hex fw.r7_decrypted-3.hex 6600 " + (first + second).toHex());
    row("decrypt font", "empty, no suffix", file("fontA", "", ""),
        "fontA_decrypted.bin fontA_decrypted-3.bin 6600 ");
    row("decrypt fw", "20 bytes, no zero cut", file("fw.bin", first, "00000000"),
        "fw_decrypted.hex fw_decrypted-3.hex 6600 " + first.toHex() + "b36b847c");
    row("decrypt font", "600 KiB and a short block, a zero cut", file("f.ttf", big, "bd000000"),
        "f_decrypted.ttf f_decrypted-3.ttf 6600 " + big.toHex() + "3ee95a");
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
    row("send", "lower case, tab", "1b\tff", "1b ff");
    row("send", "every digit's bounds", "a0 AF 9f", "a0 af 9f");
    for (const char *bad : {"1B  40", "1B 40\r\n1B 40", "1B 40\r\n", "1B 40 ", "1B40", "1B 4",
                            "1B 4G", "G1 40", "", "1g", "`1", "@1", "1/", ":1"})
        row("send", QByteArray(bad).toPercentEncoding(" "), bad, "!unchanged");
    // Each refusal of the rows above has its reason and place; accepted text has none.
    using P = hexcodec::HexProblem;
    const auto problem = [](P::Kind kind, int at, int length) {
        return QStringLiteral("%1@%2+%3").arg(int(kind)).arg(at).arg(length);
    };
    row("hexProblem", "accepted", "1b\tff 00", problem(P::None, 0, 0));
    row("hexProblem", "odd digits at the end", "1B 40 4", problem(P::OddDigits, 6, 1));
    row("hexProblem", "odd run in the middle", "1B 404 40", problem(P::OddDigits, 3, 3));
    row("hexProblem", "pairs run together", "1B40", problem(P::LongRun, 0, 4));
    row("hexProblem", "not a digit", "1B 4G", problem(P::NotADigit, 4, 1));
    row("hexProblem", "two blanks", "1B  40", problem(P::TwoSeparators, 2, 2));
    row("hexProblem", "line break", "1B\n40", problem(P::TwoSeparators, 2, 1));
    row("hexProblem", "blank at the end", "1B ", problem(P::TwoSeparators, 2, 1));
    row("hexProblem", "empty", "", problem(P::Empty, 0, 0));
    // Beyond what a regular expression engine matches in one go.
    row("send", "65536 pairs", QByteArray("AB ").repeated(65536).chopped(1),
        QByteArray(65536, char(0xAB)).toHex(' '));
    row("toView", "UTF-8, line break becomes CR LF", "中\nB", "E4 B8 AD 0D 0A 42");
    row("fromView", "CR LF", "41 0D 0A 42", "A\r\nB");
    row("fromView", "blanks anywhere, stops at NUL", " 4 1 00 42 ", "A");
    row("fromView", "odd length", "41 4", "!");
    row("split", "five strings", QByteArray("V\0K53TA\0MFG:Label;\0P\0S\0", 23),
        "V|K53TA|MFG:Label;|P|S");
    row("split", "fifth unterminated", QByteArray("V\0M\0D\0P\0last", 12), "V|M|D|P|last");
    row("split", "three NULs", QByteArray("V\0M\0D\0P", 7), "!");
    row("texts", "the last ends with the data", QByteArray("2AP1\0pw\0addr", 12), "AP1|pw|addr");
    row("texts", "the last ends at a NUL", QByteArray("2A\0\0B\0tail", 10), "A||B");
    row("texts", "a NUL short", QByteArray("2AP1\0pw", 7), "!");
    row("maker", "plain", "MFG:Label;CMD:ZPL;", "Label");
    row("maker", "blanks trimmed", "CMD:X;MFG:  Acme Co ;MDL:P1;", "Acme Co");
    row("maker", "no field", "CMD:ZPL;MDL:P1;", "!");
    row("maker", "empty field", "MFG:;MDL:P1;", "!");
    row("status", "high bits ignored", "FFFF8000", "");
    row("status", "all fifteen", "7FFF",
        "打印中\n缺纸\n纸将尽\n卡纸\n碳带将尽\n无碳带\n打印头过热\n开盖\n定位异常（黑标或缝隙）\n"
        "切刀异常\n升级中\n升级异常\n指令错误\n打印暂停\n打印删除\n");
    const QByteArray head = R"({"format": "labelsetup-profile", )";
    row("profile", "accepted",
        head +
            R"("version": 1, "model": "K53TA", "dotsPerMm": 12, "settings": {"print": {"gapMm": 2.5}}})",
        R"(K53TA 12 {"print":{"gapMm":2.5}})");
    // Keys compare as decoded.
    row("profile", "a key twice",
        head +
            R"("version": 1, "dotsPerMm": 8, "settings": {"print": {"speed": 1, "sp\u0065ed": 2}}})",
        "!the key \"speed\" is given twice in one object; which one is meant is unclear");
    row("profile", "equal keys in two objects",
        head +
            R"("version": 1, "dotsPerMm": 8, "settings": {"wifi": {"ip": "1.2.3.4"}, "ethernet": {"ip": "1.2.3.5"}}})",
        R"( 8 {"ethernet":{"ip":"1.2.3.5"},"wifi":{"ip":"1.2.3.4"}})");
    row("profile", "malformed", R"({"format": )",
        "!not a valid JSON file: unterminated object at offset 11");
    row("profile", "array", "[1]", "!not a settings profile: the file holds no JSON object");
    row("profile", "other format", R"({"format": "x", "version": 1, "settings": {}})",
        "!not a settings profile: \"format\" is not \"labelsetup-profile\"");
    row("profile", "newer version", head + R"("version": 2, "settings": {}})",
        "!the profile has version 2; this tool reads version 1 and older");
    row("profile", "fractional version", head + R"("version": 1.5, "settings": {}})",
        "!\"version\" must be a whole number from 1");
    row("profile", "dots", head + R"("version": 1, "dotsPerMm": 10, "settings": {}})",
        "!\"dotsPerMm\" must be 8 or 12");
    row("profile", "no settings", head + R"("version": 1, "dotsPerMm": 8})",
        "!\"settings\" must be an object of pages");
    row("profile", "unknown page",
        head + R"("version": 1, "dotsPerMm": 12, "settings": {"colour": {}}})",
        "!unknown page \"colour\" (known: print, distance, stripper, wifi, ethernet, bluetooth, "
        "serial)");
    row("profile", "page not object",
        head + R"("version": 1, "dotsPerMm": 8, "settings": {"wifi": 3}})",
        "!page \"wifi\" must be an object of settings");
    // Only the profile's settings count, page by page in the window's order; a setting
    // the printer did not report differs.
    row("diff", "two differences",
        R"({"wifi": {"ssid": "A"}, "print": {"speed": 2, "density": 8}})"
        "\n"
        R"({"wifi": {"ssid": "B"}, "print": {"speed": 2, "direction": 1}})",
        "print.direction - 1;wifi.ssid \"A\" \"B\";");
    // A label size the printer reported as nothing goes back as nothing; 0..65535 dots.
    row("labelDots", "zero", "0 8", "0");
    row("labelDots", "below zero", "-3 12", "0");
    row("labelDots", "beyond 16 bits", "9000 8", "65535");
    row("font", "never below 11", "10", "11");
    // Command-line prefixes first (case matters, first match counts), then the locale.
    row("language", "zh_MO forces traditional", "zh_MO en_US", "zh_TW language_zh_TW.qm 13");
    row("language", "en and anything", "enXYZ zh_CN", "en language_en.qm 12");
    row("language", "upper case selects nothing", "EN zh_CN", "  13");
    row("language", "first match", "--x fr de zh_CN", "fr language_fr.qm 12");
    row("language", "pt means Brazil", "pt_PT zh_CN", "pt_BR language_pt_BR.qm 12");
    row("language", "taiwan locale", "zh_TW", " language_zh_TW.qm 13");
    row("language", "traditional script", "zh_Hant_SG", " language_zh_TW.qm 13");
    row("language", "hong kong, simplified script", "zh_Hans_HK", " language_zh_TW.qm 13");
    row("language", "spanish gets english", "es_ES", " language_en.qm 12");
}

void TestCore::convert()
{
    QFETCH(QString, fn);
    QFETCH(QByteArray, in);
    QFETCH(QString, out);
    QCOMPARE(::convert(fn, in), out);
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
