// The settings table as declared: every key once, and each row's frame bytes, answer
// reading, ranges, lists, flags and name exactly as they were before the rows were
// declared by name. And the per-model facts every face takes a printer's from.
#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/settings/modeltable.h"
#include "core/settings/settingtable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QtTest>

namespace {

// What a row does on the wire and in the checks, as one line of text.
QString fingerprint(const settingtable::Row &row)
{
    using settingtable::Unit;
    QJsonValue value;
    switch (row.unit) {
    case Unit::List:
        value =
            settingtable::listValue(row, row.codes ? row.codes[row.entries - 1] : row.entries - 1);
        break;
    case Unit::Millimetres:
        value = row.decimals > 0 ? 50.5 : 12;
        break;
    case Unit::Dots:
        value = -5;
        break;
    case Unit::Seconds:
        value = 3;
        break;
    case Unit::Port:
        value = 9100;
        break;
    case Unit::Address:
        value = QStringLiteral("192.168.1.20");
        break;
    case Unit::Flag:
        value = true;
        break;
    case Unit::Text:
        value = QStringLiteral("ab-12");
        break;
    }
    QStringList parts;
    parts << QStringLiteral("item %1").arg(row.item, 2, 16, QLatin1Char('0'));
    for (int dots : {8, 12}) {
        QByteArray bytes;
        parts << (settingtable::encode(row, value, dots, &bytes)
                      ? QString::fromLatin1(bytes.toHex(' '))
                      : QStringLiteral("none"));
    }
    QByteArray empty;
    settingtable::encode(row, settingtable::emptyValue(row), 8, &empty);
    parts << QStringLiteral("empty ") + QString::fromLatin1(empty.toHex(' '));
    uint8_t answer[frame::kQueryOutSize] = {};
    for (int i = 0; i < 48; ++i)
        answer[i] = i % 7 == 6 ? 0 : uint8_t(0x41 + i * 5 % 26);
    const QJsonValue decoded = settingtable::decode(row, answer, 48, 12);
    // Small bytes, so that lists read entries.
    uint8_t small[frame::kQueryOutSize] = {};
    for (int i = 0; i < 16; ++i)
        small[i] = uint8_t((i * 3 + 1) % 7);
    const QJsonArray read{decoded, settingtable::decode(row, small, 16, 8)};
    parts << QStringLiteral("reads ") +
                 QString::fromUtf8(QJsonDocument(read).toJson(QJsonDocument::Compact));
    double min = 0, max = 0, smin = 0, smax = 0;
    settingtable::range(row, 8, &min, &max);
    settingtable::range(row, 8, &smin, &smax, settingtable::Bounds::Stored);
    parts << QStringLiteral("range %1..%2 stored %3..%4").arg(min).arg(max).arg(smin).arg(smax);
    parts << QStringLiteral("entries %1/%2")
                 .arg(settingtable::entries(row, settingtable::ModelFacts{8, true}))
                 .arg(settingtable::entries(row, settingtable::ModelFacts{8, false}));
    parts << QStringLiteral("flags %1 models %2 unit %3 part %4")
                 .arg(row.flags)
                 .arg(int(row.models))
                 .arg(int(row.unit))
                 .arg(row.part);
    return parts.join(QStringLiteral(" | "));
}

} // namespace

class TestSettingRows : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void keysUnique();
    void modelFacts_data();
    void modelFacts();
    void modelRowsAgree();
    void textBounds_data();
    void textBounds();
    void valueBounds_data();
    void valueBounds();
    void unreachable_data();
    void unreachable();
};

void TestSettingRows::rows_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("wire"); // item, bytes sent at 8 and 12 dots/mm, bytes read, checks
    QTest::addColumn<QString>("name"); // as people see it, untranslated
    const auto row = [](const char *key, const char *wire, const char *name) {
        QTest::newRow(key) << key << QString::fromUtf8(wire) << QString::fromUtf8(name);
    };
    // clang-format off
    row("print.speed", R"(item 00 | 07 | 07 | empty 00 | reads [{"code":65},1] | range 0..0 stored 0..0 | entries 8/4 | flags 0 models 0 unit 3 part 0)", "打印速度");
    row("print.density", R"(item 13 | 0f | 0f | empty 00 | reads [{"code":65},1] | range 0..0 stored 0..0 | entries 16/16 | flags 0 models 0 unit 3 part 0)", "打印浓度");
    row("print.labelGapMm", R"(item 19 | 60 00 | 90 00 | empty 00 00 | reads [1498,128] | range 0..8191 stored 0..8191 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "标签间隙(单位mm)");
    row("print.blackMarkGapMm", R"(item 1a | 60 00 | 90 00 | empty 00 00 | reads [1498,128] | range 0..8191 stored 0..8191 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "黑标间隙(单位mm)");
    row("print.direction", R"(item 1c | 01 | 01 | empty 00 | reads [1,1] | range 0..0 stored 0..0 | entries 2/2 | flags 0 models 0 unit 3 part 0)", "打印方向");
    row("print.method", R"(item 1c | 01 | 01 | empty 00 | reads [1,1] | range 0..0 stored 0..0 | entries 2/2 | flags 0 models 0 unit 3 part 1)", "打印方式");
    row("print.printOffsetMm", R"(item 1d | 60 00 | 90 00 | empty 00 00 | reads [1498,128] | range -4096..4095 stored -4096..4095 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "打印偏移(单位mm)");
    row("print.verticalOffsetMm", R"(item 1e | 60 00 | 90 00 | empty 00 00 | reads [1498,128] | range -4096..4095 stored -4096..4095 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "垂直偏移(单位mm)");
    row("print.printMode", R"(item 41 | 02 | 02 | empty 00 | reads [2,1] | range 0..0 stored 0..0 | entries 3/3 | flags 0 models 1 unit 3 part 0)", "打印模式");
    row("print.autoPaper", R"(item 54 | 01 | 01 | empty 00 | reads [{"code":65},1] | range 0..0 stored 0..0 | entries 2/2 | flags 0 models 2 unit 3 part 0)", "自动吸纸");
    row("print.paperType", R"(item 16 | 03 | 03 | empty 00 | reads [3,1] | range 0..0 stored 0..0 | entries 4/4 | flags 0 models 0 unit 3 part 0)", "纸张类型");
    row("print.codePage", R"(item 01 | 3d | 3d | empty 00 | reads [{"code":65},1] | range 0..0 stored 0..0 | entries 62/62 | flags 0 models 0 unit 3 part 0)", "默认代码页");
    row("print.commandSet", R"(item 02 | 20 | 20 | empty 01 | reads [{"code":65},"ZPL"] | range 0..0 stored 0..0 | entries 6/6 | flags 0 models 0 unit 3 part 0)", "指令集");
    row("print.widthMm", R"(item 18 | 94 01 | 5e 02 | empty 00 00 | reads [1712.9,96] | range 20..108 stored 0..8191.8 | entries 0/0 | flags 0 models 0 unit 0 part 1)", "宽度");
    row("print.heightMm", R"(item 18 | 94 01 | 5e 02 | empty 00 00 | reads [1498.7,128.1] | range 10..1778 stored 0..8191.8 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "高度");
    row("print.menuLanguage", R"(item 3e | 06 | 06 | empty 00 | reads [{"code":65},1] | range 0..0 stored 0..0 | entries 7/7 | flags 0 models 0 unit 3 part 0)", "语言切换");
    row("distance.outletDots", R"(item 33 | fb ff | fb ff | empty 00 00 | reads [17985,1025] | range -32768..32767 stored -32768..32767 | entries 0/0 | flags 0 models 0 unit 1 part 0)", "出纸口到打印头距离(单位dot)");
    row("distance.gapSensorMm", R"(item 34 | 60 00 | 90 00 | empty 00 00 | reads [1498,128] | range -4096..4095 stored -4096..4095 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "缝到打印头距离(单位mm)");
    row("distance.blackSensorMm", R"(item 35 | 60 00 | 90 00 | empty 00 00 | reads [1498,128] | range -4096..4095 stored -4096..4095 | entries 0/0 | flags 0 models 0 unit 0 part 0)", "黑标到打印头距离(单位mm)");
    row("distance.tearDots", R"(item 36 | fb ff | fb ff | empty 00 00 | reads [17985,1025] | range -32768..32767 stored -32768..32767 | entries 0/0 | flags 0 models 0 unit 1 part 0)", "打印头到撕纸位置距离(单位dot)");
    row("stripper.takeAwaySeconds", R"(item 58 | b8 0b | b8 0b | empty 00 00 | reads [17,1] | range 0..65 stored 0..65 | entries 0/0 | flags 0 models 1 unit 2 part 0)", "剥离器取纸时间设置（单位：s）");
    row("wifi.mode", R"(item 30 | 02 | 02 | empty 01 | reads ["accessPoint","station"] | range 0..0 stored 0..0 | entries 2/2 | flags 4 models 0 unit 3 part 0)", "wifi模式");
    row("wifi.stationName", R"(item 26 | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["AFKPUZ","\u0001\u0004"] | range 0..32 stored 0..32 | entries 0/0 | flags 4 models 0 unit 4 part 0)", "wifi名称");
    row("wifi.stationPassword", R"(item 26 | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["JOTYDI","\u0003\u0006\u0002\u0005\u0001\u0004"] | range 0..64 stored 0..64 | entries 0/0 | flags 5 models 0 unit 4 part 1)", "wifi密码");
    row("wifi.apName", R"(item 27 | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["AFKPUZ","\u0001\u0004"] | range 0..32 stored 0..32 | entries 0/0 | flags 4 models 0 unit 4 part 0)", "wifi名称");
    row("wifi.apPassword", R"(item 27 | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["JOTYDI","\u0003\u0006\u0002\u0005\u0001\u0004"] | range 8..64 stored 8..64 | entries 0/0 | flags 5 models 0 unit 4 part 1)", "wifi密码");
    row("wifi.apAddress", R"(item 27 | 31 39 32 2e 31 36 38 2e 31 2e 32 30 00 | 31 39 32 2e 31 36 38 2e 31 2e 32 30 00 | empty 00 | reads ["SXCHMR","\u0003\u0006\u0002\u0005\u0001\u0004"] | range 0..255 stored 0..255 | entries 0/0 | flags 4 models 0 unit 5 part 2)", "AP_IP");
    row("wifi.port", R"(item 29 | 8c 23 | 8c 23 | empty 00 00 | reads [17985,1025] | range 0..65535 stored 0..65535 | entries 0/0 | flags 4 models 0 unit 7 part 0)", "TCP端口号");
    row("wifi.mac", R"(item 3c | none | none | empty  | reads ["41:46:4B:50:55:5A","01:04:00:03:06:02"] | range 0..0 stored 0..0 | entries 0/0 | flags 8 models 0 unit 4 part 0)", "MAC");
    row("wifi.dhcp", R"(item 28 | 01 | 01 | empty 00 | reads [true,true] | range 0..0 stored 0..0 | entries 0/0 | flags 4 models 0 unit 6 part 0)", "IP模式");
    row("wifi.ip", R"(item 28 | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["70.75.80.85","4.0.3.6"] | range 0..255 stored 0..255 | entries 0/0 | flags 6 models 0 unit 5 part 1)", "IP");
    row("wifi.mask", R"(item 28 | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["84.89.68.73","0.3.6.2"] | range 0..255 stored 0..255 | entries 0/0 | flags 4 models 0 unit 5 part 2)", "子网掩码");
    row("wifi.gateway", R"(item 28 | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["90.0.74.79","2.5.1.4"] | range 0..255 stored 0..255 | entries 0/0 | flags 4 models 0 unit 5 part 3)", "网关地址");
    row("wifi.dns", R"(item 28 | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["0.83.88.67","5.1.4.0"] | range 0..255 stored 0..255 | entries 0/0 | flags 4 models 0 unit 5 part 4)", "DNS");
    row("ethernet.dhcp", R"(item 0d | 00 | 00 | empty 01 | reads [false,false] | range 0..0 stored 0..0 | entries 0/0 | flags 4 models 0 unit 6 part 0)", "IP模式");
    row("ethernet.ip", R"(item 0d | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["70.75.80.85","4.0.3.6"] | range 0..255 stored 0..255 | entries 0/0 | flags 6 models 0 unit 5 part 1)", "IP地址");
    row("ethernet.mask", R"(item 0d | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["90.0.74.79","2.5.1.4"] | range 0..255 stored 0..255 | entries 0/0 | flags 4 models 0 unit 5 part 2)", "子网掩码");
    row("ethernet.gateway", R"(item 0d | c0 a8 01 14 | c0 a8 01 14 | empty 00 00 00 00 | reads ["84.89.68.73","0.3.6.2"] | range 0..255 stored 0..255 | entries 0/0 | flags 4 models 0 unit 5 part 3)", "网关地址");
    row("ethernet.tcpPort", R"(item 0f | 8c 23 | 8c 23 | empty 00 00 | reads [17985,1025] | range 0..65535 stored 0..65535 | entries 0/0 | flags 4 models 0 unit 7 part 0)", "TCP端口号");
    row("ethernet.udpPort", R"(item 0f | 8c 23 | 8c 23 | empty 00 00 | reads [20555,768] | range 0..65535 stored 0..65535 | entries 0/0 | flags 4 models 0 unit 7 part 1)", "UDP端口号");
    row("bluetooth.name", R"(item 2b | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["AFKPUZ","\u0001\u0004"] | range 0..254 stored 0..254 | entries 0/0 | flags 2 models 0 unit 4 part 0)", "SPP名称");
    row("bluetooth.bleName", R"(item 2c | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["AFKPUZ","\u0001\u0004"] | range 0..254 stored 0..254 | entries 0/0 | flags 2 models 0 unit 4 part 0)", "BLE");
    row("bluetooth.pairing", R"(item 2f | 01 | 01 | empty 00 | reads [{"code":65},1] | range 0..0 stored 0..0 | entries 2/2 | flags 0 models 0 unit 3 part 0)", "SPP连接模式");
    row("bluetooth.pin", R"(item 2e | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["AFKPUZ","\u0001\u0004"] | range 0..254 stored 0..254 | entries 0/0 | flags 1 models 0 unit 4 part 0)", "SPP_PIN码");
    row("bluetooth.mac", R"(item 3c | none | none | empty  | reads ["00:4A:4F:54:59:44","05:01:04:00:03:06"] | range 0..0 stored 0..0 | entries 0/0 | flags 8 models 0 unit 4 part 0)", "MAC");
    row("serial.baud", R"(item 0e | 10 | 10 | empty 00 | reads [{"code":65},9600] | range 0..0 stored 0..0 | entries 17/17 | flags 0 models 0 unit 3 part 0)", "波特率");
    row("serial.parity", R"(item 0e | 02 | 02 | empty 00 | reads [{"code":70},{"code":4}] | range 0..0 stored 0..0 | entries 3/3 | flags 0 models 0 unit 3 part 1)", "校验位");
    row("serial.dataBits", R"(item 0e | 01 | 01 | empty 00 | reads [{"code":75},8] | range 0..0 stored 0..0 | entries 2/2 | flags 0 models 0 unit 3 part 2)", "数据位");
    row("serial.stopBits", R"(item 0e | 01 | 01 | empty 00 | reads [{"code":80},{"code":3}] | range 0..0 stored 0..0 | entries 2/2 | flags 0 models 0 unit 3 part 3)", "停止位");
    row("serial.deviceInfo", R"(item 0c | none | none | empty  | reads ["SXCHMR",null] | range 0..0 stored 0..0 | entries 0/0 | flags 8 models 0 unit 4 part 0)", "设备信息");
    row("serial.serialNumber", R"(item 10 | 61 62 2d 31 32 00 | 61 62 2d 31 32 00 | empty 00 | reads ["AFKPUZ","\u0001\u0004"] | range 0..254 stored 0..254 | entries 0/0 | flags 2 models 0 unit 4 part 0)", "设备SN号");
    // clang-format on
}

void TestSettingRows::rows()
{
    QFETCH(QString, key);
    QFETCH(QString, wire);
    QFETCH(QString, name);
    const settingtable::Row *row =
        settingtable::find(key.section(QLatin1Char('.'), 0, 0), key.section(QLatin1Char('.'), 1));
    QVERIFY(row);
    QCOMPARE(fingerprint(*row), wire);
    QCOMPARE(settingtable::label(*row), name);
    QCOMPARE(settingtable::label(key), name);
}

// Every key names one setting, every row has a frame on its page that reads or writes it,
// and the table above covers them all.
void TestSettingRows::keysUnique()
{
    QSet<QString> keys;
    for (const settingtable::Row &row : settingtable::rows()) {
        const QString key = settingtable::qualified(row);
        QVERIFY2(!keys.contains(key), qPrintable(key));
        keys.insert(key);
        bool framed = false;
        for (const settingtable::Frame &f : settingtable::frames())
            framed = framed || (f.item == row.item && qstrcmp(f.page, row.page) == 0);
        QVERIFY2(framed, qPrintable(key));
        QVERIFY2(settingtable::findPage(QLatin1String(row.page)), qPrintable(key));
    }
    QCOMPARE(keys.size(), 51);
}

void TestSettingRows::modelFacts_data()
{
    QTest::addColumn<QString>("entry"); // as the device list shows it, or a model name
    QTest::addColumn<int>("dotsPerMm");
    QTest::addColumn<bool>("printMode");
    QTest::addColumn<bool>("settingsPages");
    QTest::addColumn<int>("speeds"); // also what the speed row offers the model
    QTest::newRow("12 dots, print mode") << "Label [K53TA] {usb}" << 12 << true << true << 8;
    QTest::newRow("12 dots only") << "[K51A]" << 12 << false << true << 4;
    QTest::newRow("a name inside another") << "[ZC-M919]" << 12 << true << true << 8;
    QTest::newRow("the shorter name") << "[M919]" << 12 << false << true << 4;
    QTest::newRow("print mode only") << "[K60]" << 8 << true << true << 8;
    QTest::newRow("no settings pages") << "[WX-320] {10.0.0.9}" << 8 << false << false << 4;
    QTest::newRow("unknown model") << "[T80-DT]" << 8 << false << true << 4;
    QTest::newRow("names are case-sensitive") << "[k53ta]" << 8 << false << true << 4;
    QTest::newRow("nothing") << "" << 8 << false << true << 4;
}

void TestSettingRows::modelFacts()
{
    QFETCH(QString, entry);
    QFETCH(int, dotsPerMm);
    QFETCH(bool, printMode);
    QFETCH(bool, settingsPages);
    QFETCH(int, speeds);
    const modeltable::Facts facts = modeltable::of(entry);
    QCOMPARE(facts.dotsPerMm, dotsPerMm);
    QCOMPARE(facts.printMode, printMode);
    QCOMPARE(facts.settingsPages, settingsPages);
    QCOMPARE(facts.speeds, speeds);
    const settingtable::Row &speed =
        *settingtable::find(QStringLiteral("print"), QStringLiteral("speed"));
    QCOMPARE(settingtable::entries(speed, settingtable::ModelFacts{dotsPerMm, printMode}), speeds);
}

// Looked up by its own name, each model has exactly the facts its row gives: no other
// name it holds adds one it lacks, and its speeds are those of its group.
void TestSettingRows::modelRowsAgree()
{
    QSet<QString> names;
    for (const modeltable::Model &m : modeltable::models()) {
        const modeltable::Facts facts = modeltable::of(QLatin1String(m.name));
        QVERIFY2(!names.contains(QLatin1String(m.name)), m.name);
        names.insert(QLatin1String(m.name));
        QVERIFY2(facts.dotsPerMm == m.facts.dotsPerMm, m.name);
        QVERIFY2(facts.printMode == m.facts.printMode, m.name);
        QVERIFY2(facts.settingsPages == m.facts.settingsPages, m.name);
        QVERIFY2(facts.speeds == modeltable::speeds(m.facts.printMode), m.name);
    }
}

// A text row takes exactly its longest and shortest text, and refuses one byte more or
// one character less; an empty text always passes (nothing is set).
void TestSettingRows::textBounds_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("longest"); // bytes
    QTest::addColumn<int>("shortest"); // characters, 0: no least length
    QTest::newRow("station name") << "wifi.stationName" << 32 << 0;
    QTest::newRow("station password") << "wifi.stationPassword" << 64 << 0;
    QTest::newRow("access point name") << "wifi.apName" << 32 << 0;
    QTest::newRow("access point password") << "wifi.apPassword" << 64 << 8;
    QTest::newRow("bluetooth name") << "bluetooth.name" << frame::kMaxText << 0;
    QTest::newRow("serial number") << "serial.serialNumber" << frame::kMaxText << 0;
}

void TestSettingRows::textBounds()
{
    QFETCH(QString, key);
    QFETCH(int, longest);
    QFETCH(int, shortest);
    const settingtable::Row *row =
        settingtable::find(key.section(QLatin1Char('.'), 0, 0), key.section(QLatin1Char('.'), 1));
    QVERIFY(row);
    const auto passes = [row](int length, QString *why) {
        return settingtable::check(*row, QString(length, QLatin1Char('a')), 8, why);
    };
    QString why;
    QVERIFY2(passes(longest, &why), qPrintable(why));
    QVERIFY(!passes(longest + 1, &why));
    QVERIFY2(why.contains(QStringLiteral("is %1 bytes long; the printer holds at most %2")
                              .arg(longest + 1)
                              .arg(longest)),
             qPrintable(why));
    QVERIFY2(passes(0, &why), qPrintable(why));
    QVERIFY2(passes(qMax(1, shortest), &why), qPrintable(why));
    if (shortest > 1) {
        QVERIFY(!passes(shortest - 1, &why));
        QVERIFY2(why.contains(QStringLiteral("at least %1 characters").arg(shortest)),
                 qPrintable(why));
    }
}

// Values at the edge of what a row takes, for a printer with the print mode.
void TestSettingRows::valueBounds_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("refusal"); // empty: taken
    const QString parts = QStringLiteral("four parts 0 to 255");
    QTest::newRow("address, every part 255") << "ethernet.ip" << QJsonValue("255.255.255.255")
                                             << "";
    QTest::newRow("address, a part 256") << "ethernet.ip" << QJsonValue("192.168.1.256") << parts;
    QTest::newRow("address, three parts") << "wifi.gateway" << QJsonValue("192.168.1") << parts;
    QTest::newRow("baud listed") << "serial.baud" << QJsonValue(256000) << "";
    QTest::newRow("baud not listed") << "serial.baud" << QJsonValue(256001) << "must be one of";
    QTest::newRow("no seconds") << "stripper.takeAwaySeconds" << QJsonValue(0) << "";
    QTest::newRow("seconds below nothing")
        << "stripper.takeAwaySeconds" << QJsonValue(-1) << "between 0 and";
}

void TestSettingRows::valueBounds()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(QString, refusal);
    const settingtable::Row *row =
        settingtable::find(key.section(QLatin1Char('.'), 0, 0), key.section(QLatin1Char('.'), 1));
    QVERIFY(row);
    QString why;
    QCOMPARE(settingtable::check(*row, value, settingtable::ModelFacts{8, true}, &why),
             refusal.isEmpty());
    QVERIFY2(why.contains(refusal), qPrintable(why));
}

// The results after which the printer is taken as gone, not as refusing one setting.
void TestSettingRows::unreachable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("gone");
    QTest::newRow("not connected") << int(RESULT_NOT_CONNECTED) << true;
    QTest::newRow("usb open") << int(RESULT_USB_OPEN) << true;
    QTest::newRow("timed out") << int(RESULT_TIMED_OUT) << true;
    QTest::newRow("busy") << int(RESULT_BUSY) << true;
    QTest::newRow("no medium") << int(RESULT_NO_MEDIUM) << true;
    QTest::newRow("ok") << int(RESULT_OK) << false;
    QTest::newRow("cancelled") << int(RESULT_CANCELLED) << false;
}

void TestSettingRows::unreachable()
{
    QFETCH(int, code);
    QFETCH(bool, gone);
    QCOMPARE(settingtable::printerUnreachable(code), gone);
}

QTEST_GUILESS_MAIN(TestSettingRows)
#include "tst_settingrows.moc"
