// The simulated printer's JSON configuration.

#include "sim/itemcatalog.h"
#include "sim/printerconfig.h"

#include <QtTest>

namespace {

QByteArray hx(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

} // namespace

class TestPrinterConfig : public QObject
{
    Q_OBJECT

private slots:
    void defaultsCoverEveryItem();
    void examplesLoad_data();
    void examplesLoad();
    void settingsFromJson_data();
    void settingsFromJson();
    void badJsonRefused_data();
    void badJsonRefused();
    void dumpReloadsExactly();
};

void TestPrinterConfig::defaultsCoverEveryItem()
{
    const PrinterConfig c = PrinterConfig::defaults();
    for (const itemcatalog::Item &item : itemcatalog::items())
        QVERIFY2(c.settings.contains(item.code), item.name);
    QCOMPARE(c.identity.size(), 5);
    QVERIFY(c.identity.at(2).startsWith("MFG:"));
    QCOMPARE(c.identityData().count('\0'), 5);
}

void TestPrinterConfig::examplesLoad_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("maxWidthDots");
    QTest::newRow("12 dots/mm") << "example-printer.json"
                                << "K53TA" << 300 << 1248;
    QTest::newRow("8 dots/mm") << "example-printer-203dpi.json"
                               << "K52B" << 203 << 832;
}

void TestPrinterConfig::examplesLoad()
{
    QFETCH(QString, file);
    QFETCH(QString, model);
    QFETCH(int, dpi);
    QFETCH(int, maxWidthDots);

    PrinterConfig c;
    QString error;
    QVERIFY2(PrinterConfig::loadFile(QStringLiteral(SIM_SOURCE_DIR "/") + file, &c, &error),
             qPrintable(error));
    QCOMPARE(c.identity.value(1), model);
    QVERIFY(c.identity.value(2).startsWith("MFG:Label;"));
    QCOMPARE(int(c.dpi), dpi);
    QCOMPARE(int(c.maxWidthDots), maxWidthDots);
    QCOMPARE(c.settings.size(), PrinterConfig::defaults().settings.size());
}

// JSON setting values and the answer bytes they give.
void TestPrinterConfig::settingsFromJson_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<quint8>("item");
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("label size") << R"({"labelSize": {"heightDots": 800, "widthDots": 402}})"
                                << quint8(0x18) << hx("20 03 92 01");
    QTest::newRow("negative offset") << R"({"printOffset": -16})" << quint8(0x1D) << hx("F0 FF");
    QTest::newRow("hex form") << R"({"0x60": {"hex": "0A 0b"}})" << quint8(0x60) << hx("0A 0B");
    QTest::newRow("wifi ip in answer order")
        << R"({"wifiIp": {"mode": 1, "ip": "192.168.1.50", "gateway": "192.168.1.1",
                          "mask": "255.255.255.0", "dns": "8.8.8.8"}})"
        << quint8(0x28) << hx("01 C0 A8 01 32 C0 A8 01 01 FF FF FF 00 08 08 08 08");
    QTest::newRow("access point texts")
        << R"({"wifiAccessPoint": {"name": "AP", "password": "12345678", "address": "192.168.1.1"}})"
        << quint8(0x27)
        << QByteArray("AP\0"
                      "12345678\0"
                      "192.168.1.1\0",
                      24);
}

void TestPrinterConfig::settingsFromJson()
{
    QFETCH(QString, json);
    QFETCH(quint8, item);
    QFETCH(QByteArray, answer);

    PrinterConfig c;
    QString error;
    QVERIFY2(PrinterConfig::fromJson(("{\"settings\": " + json + "}").toUtf8(), &c, &error),
             qPrintable(error));
    QCOMPARE(c.settings.value(item).toHex(' '), answer.toHex(' '));
}

void TestPrinterConfig::badJsonRefused_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("mentions");
    auto row = [](const char *name, const char *json, const char *mentions) {
        QTest::newRow(name) << QString::fromUtf8(json) << QString::fromUtf8(mentions);
    };
    row("not JSON", "{", "JSON");
    row("four identity strings", R"({"identity": ["a","b","c","d"]})", "identity");
    row("unknown item name", R"({"settings": {"speed": 3}})", "speed");
    row("byte out of range", R"({"settings": {"printSpeed": 256}})", "printSpeed");
    row("bad address",
        R"({"settings": {"ethernet": {"mode": 0, "ip": "1.2.3", "mask": "255.255.255.0",
                                      "gateway": "1.1.1.1"}}})",
        "ip");
    row("identity as a setting", R"({"settings": {"0x0C": "K1"}})", "identity");
    row("bad fault name", R"({"faults": {"udpFault": "sometimes"}})", "udpFault");
    row("number beyond 64 bits", R"({"dpi": 1e300})", "dpi");
    row("fault beyond 64 bits", R"({"faults": {"dropAfterBytes": 1e19}})", "dropAfterBytes");
}

void TestPrinterConfig::badJsonRefused()
{
    QFETCH(QString, json);
    QFETCH(QString, mentions);

    PrinterConfig c = PrinterConfig::defaults();
    c.firmwareVersion = "untouched";
    QString error;
    QVERIFY(!PrinterConfig::fromJson(json.toUtf8(), &c, &error));
    QVERIFY2(error.contains(mentions), qPrintable(error));
    QCOMPARE(c.firmwareVersion, QStringLiteral("untouched"));
}

// What --dump-state writes loads back to the same printer, bytes the tool sent included.
void TestPrinterConfig::dumpReloadsExactly()
{
    PrinterConfig c = PrinterConfig::defaults();
    c.settings.insert(0x2B, QByteArray("\xD6\xD0\0", 3)); // a name in GBK, not UTF-8
    c.settings.insert(0x26, QByteArray("AP\0\xFF\0", 5));
    c.faults.dropAfterBytes = std::numeric_limits<qint64>::max();
    PrinterConfig back;
    QString error;
    QVERIFY2(PrinterConfig::fromJsonObject(c.toJson(), &back, &error), qPrintable(error));
    QCOMPARE(back.settings, c.settings);
    QVERIFY(back.faults == c.faults);
}

QTEST_GUILESS_MAIN(TestPrinterConfig)
#include "tst_printerconfig.moc"
