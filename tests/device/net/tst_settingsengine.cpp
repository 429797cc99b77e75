// Every row of the settings table against the simulated printer on 127.0.0.1: the value
// read from an answer, the exact frame a write of one setting sends (the frame's other
// settings taken from what was read), and a value the check refuses with its reason.
#include "device/settings/settingsengine.h"
#include "core/settings/settingtable.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTextCodec>
#include <QtTest>
#include <atomic>
#include <memory>

namespace {

QJsonValue json(const QString &text)
{
    return QJsonDocument::fromJson(("[" + text + "]").toUtf8()).array().at(0);
}

// "26=41 42 00;30=01": answers by item, in hexadecimal.
QMap<int, QByteArray> answers(const QString &text)
{
    QMap<int, QByteArray> out;
    for (const QString &part : text.split(';', Qt::SkipEmptyParts)) {
        const QStringList kv = part.split('=');
        out.insert(kv.at(0).toInt(nullptr, 16),
                   QByteArray::fromHex(kv.at(1).toLatin1().replace(' ', "")));
    }
    return out;
}

QByteArray text(const char *s)
{
    return QByteArray(s).toHex(' ') + " 00";
}

const QString kWifi = "30=01;26=" + text("Shop") + ' ' + text("pw123456") + ";27=" + text("AP1") +
                      ' ' + text("password") + ' ' + text("192.168.4.1") +
                      ";29=8C 23;3C=00 1A 2B 3C 4D 5E A1 B2 C3 0D 0E 0F;"
                      "28=01 C0 A8 01 64 C0 A8 01 01 FF FF FF 00 08 08 08 08";
const QString kWifiAp = kWifi + ";30=02";
const QString kEthernet = "0D=00 C0 A8 01 64 FF FF FF 00 C0 A8 01 01;0F=40 23 41 23";
const QString kBluetooth = "2B=" + text("AB") + ";2C=" + text("AB-LE") +
                           ";2F=01;2E=" + text("1234") + ";3C=00 00 00 00 00 00 A1 B2 C3 0D 0E 0F";
const QString kSerial = "0E=07 02 01 01;0C=" + text("P") + ' ' + text("Q") + ' ' + text("R") + ' ' +
                        text("S") + ' ' + text("T") + ";10=" + text("SN9");

QSet<QString> g_covered;

} // namespace

class TestSettingsEngine : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimPrinter> m_printer;

    QString sentFrames() const
    {
        QStringList sent;
        for (const ReceivedFrame &f : m_printer->receivedFrames())
            sent << QStringLiteral("%1 %2: %3")
                        .arg(int(f.frameClass), 2, 16, QLatin1Char('0'))
                        .arg(int(f.item), 2, 16, QLatin1Char('0'))
                        .arg(QString::fromLatin1(f.data.toHex(' ')))
                        .toUpper();
        return sent.join(';');
    }

private slots:
    void initTestCase()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        m_printer = std::make_unique<SimPrinter>();
        m_printer->setTcpPort(0);
        m_printer->setUdpEnabled(false);
        QVERIFY(m_printer->start());
    }

    void everyRow_data();
    void everyRow();
    void everySettingHasARow();
    void refusals_data();
    void refusals();
    void accessPointTexts_data();
    void accessPointTexts();
    void unanswered_data();
    void unanswered();
    void cancelled_data();
    void cancelled();
};

void TestSettingsEngine::everyRow_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("dots"); // negative: a model with the print-mode setting
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("read");   // JSON
    QTest::addColumn<QString>("write");  // JSON; empty for read-only settings
    QTest::addColumn<QString>("frames"); // the set and command frames the write sends
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("reason");

    const auto row = [](const char *page, const char *key, int dots, const QString &answers,
                        const char *read, const char *write, const char *frames,
                        const QString &refused, const char *reason) {
        g_covered.insert(QString(page) + '.' + key);
        QTest::newRow(qPrintable(QString(page) + '.' + key))
            << page << key << dots << answers << read << write << frames << refused << reason;
    };
    row("print", "speed", 8, "00=03", "3", "5", "01 00: 05;00 06: ", "8",
        "one of 0, 1, 2, 3, 4, 5, 6, 7");
    row("print", "density", 8, "13=09", "9", "12", "01 13: 0C;00 06: ", "16", "one of 0, 1");
    row("print", "labelGapMm", 8, "19=18 00", "3", "2", "01 19: 10 00;00 06: ", "-1",
        "between 0 and 8191");
    row("print", "blackMarkGapMm", 8, "1A=FF FF", "8191", "5", "01 1A: 28 00;00 06: ", "8192",
        "between 0 and 8191");
    row("print", "direction", 8, "1C=00 80", "0", "1", "01 1C: 01 01;00 06: ", "2", "one of 0, 1");
    row("print", "method", 8, "1C=05 00", "0", "1", "01 1C: 01 01;00 06: ", "-1", "one of 0, 1");
    row("print", "printOffsetMm", 8, "1D=F0 FF", "-2", "7", "01 1D: 38 00;00 06: ", "4096",
        "between -4096 and 4095");
    row("print", "verticalOffsetMm", 12, "1E=E7 FF", "-2", "-1", "01 1E: F4 FF;00 06: ", "-2731",
        "between -2730 and 2730");
    row("print", "printMode", -8, "41=07", "2", "1", "01 41: 01;00 06: ", "3", "one of 0, 1, 2");
    row("print", "autoPaper", 8, "54=01", "1", "0", "01 54: 00;00 06: ", "2", "one of 0, 1");
    row("print", "paperType", 8, "16=09", "3", "1", "01 16: 01;00 06: ", "4", "one of 0, 1, 2, 3");
    row("print", "codePage", 8, "01=46", "{\"code\": 70}", "2", "01 01: 02;00 06: ", "62",
        "one of 0, 1");
    row("print", "commandSet", 8, "02=20", "\"AUTO\"", "\"TSPL\"", "01 02: 02;00 06: ", "\"XYZ\"",
        "one of \"ZPL\", \"TSPL\", \"CPCL\", \"EPL\", \"DPL\", \"AUTO\"");
    // Height first: 100.0 and 50.2 mm (402 dots) read; 80 mm is 640 dots.
    row("print", "widthMm", 8, "18=20 03 92 01", "50.2", "80", "01 18: 20 03 80 02;00 06: ", "200",
        "between 20 and 108");
    row("print", "heightMm", 8, "18=20 03 92 01", "100", "50.5",
        "01 18: 94 01 92 01;00 06: ", "100.25", "more than 1 decimal");
    row("print", "menuLanguage", 8, "3E=09", "{\"code\": 9}", "2", "01 3E: 02;00 06: ", "7",
        "one of 0, 1, 2, 3, 4, 5, 6");

    row("distance", "outletDots", 8, "33=FF FF", "-1", "96", "01 33: 60 00", "40000",
        "between -32768 and 32767");
    row("distance", "gapSensorMm", 8, "34=1F 00", "3", "15", "01 34: 78 00", "4096",
        "between -4096 and 4095");
    row("distance", "blackSensorMm", 8, "35=F9 FF", "0", "-3", "01 35: E8 FF", "2.5",
        "whole number");
    row("distance", "tearDots", 8, "36=2C 01", "300", "-2", "01 36: FE FF", "\"x\"",
        "must be a number");

    row("stripper", "takeAwaySeconds", -8, "58=10 27", "10", "65", "01 58: E8 FD", "66",
        "between 0 and 65");

    row("wifi", "mode", 8, kWifi, "\"station\"", "\"accessPoint\"", "01 30: 02", "\"mesh\"",
        "one of \"station\", \"accessPoint\"");
    row("wifi", "stationName", 8, kWifi, "\"Shop\"", "\"Cafe\"",
        "01 26: 43 61 66 65 00 70 77 31 32 33 34 35 36 00", '"' + QString(33, 'a') + '"',
        "33 bytes long; the printer holds at most 32");
    row("wifi", "stationPassword", 8, kWifi, "\"pw123456\"", "\"\"", "01 26: 53 68 6F 70 00 00",
        '"' + QString(65, 'p') + '"', "at most 64");
    row("wifi", "apName", 8, kWifiAp, "\"AP1\"", "\"AP2\"",
        "01 27: 41 50 32 00 70 61 73 73 77 6F 72 64 00 31 39 32 2E 31 36 38 2E 34 2E 31 00",
        '"' + QString(33, 'a') + '"', "at most 32");
    row("wifi", "apPassword", 8, kWifiAp, "\"password\"", "\"longer99\"",
        "01 27: 41 50 31 00 6C 6F 6E 67 65 72 39 39 00 31 39 32 2E 31 36 38 2E 34 2E 31 00",
        "\"short\"", "at least 8 characters");
    // An empty address box reads "..."; the module then takes 192.168.1.1.
    row("wifi", "apAddress", 8, kWifiAp, "\"192.168.4.1\"", "\"...\"",
        "01 27: 41 50 31 00 70 61 73 73 77 6F 72 64 00 31 39 32 2E 31 36 38 2E 31 2E 31 00",
        "\"1.2.3\"", "four parts 0 to 255");
    row("wifi", "port", 8, kWifi, "9100", "9200", "01 29: F0 23", "70000", "between 0 and 65535");
    row("wifi", "mac", 8, kWifi, "\"00:1A:2B:3C:4D:5E\"", "", "", "\"x\"", "read only");
    // The answer has the gateway before the mask, the set frame the other way round.
    row("wifi", "dhcp", 8, kWifi, "true", "false",
        "01 28: 00 C0 A8 01 64 FF FF FF 00 C0 A8 01 01 08 08 08 08", "\"yes\"", "true or false");
    row("wifi", "ip", 8, kWifi, "\"192.168.1.100\"", "\"10.0.0.5\"",
        "01 28: 01 0A 00 00 05 FF FF FF 00 C0 A8 01 01 08 08 08 08", "\"300.1.1.1\"", "four parts");
    row("wifi", "mask", 8, kWifi, "\"255.255.255.0\"", "\"255.0.0.0\"",
        "01 28: 01 C0 A8 01 64 FF 00 00 00 C0 A8 01 01 08 08 08 08", "\"255.0.0\"", "four parts");
    row("wifi", "gateway", 8, kWifi, "\"192.168.1.1\"", "\"192.168.1.254\"",
        "01 28: 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 FE 08 08 08 08", "1", "four parts");
    row("wifi", "dns", 8, kWifi, "\"8.8.8.8\"", "\"1.1.1.1\"",
        "01 28: 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 01 01 01 01 01", "\"a.b.c.d\"", "four parts");

    row("ethernet", "dhcp", 8, kEthernet, "true", "false",
        "01 0D: 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 01", "0", "true or false");
    row("ethernet", "ip", 8, kEthernet, "\"192.168.1.100\"", "\"10.1.2.3\"",
        "01 0D: 00 0A 01 02 03 FF FF FF 00 C0 A8 01 01", "\"10.1.2.256\"", "four parts");
    row("ethernet", "mask", 8, kEthernet, "\"255.255.255.0\"", "\"255.255.0.0\"",
        "01 0D: 00 C0 A8 01 64 FF FF 00 00 C0 A8 01 01", "\"-1.0.0.0\"", "four parts");
    row("ethernet", "gateway", 8, kEthernet, "\"192.168.1.1\"", "\"192.168.1.2\"",
        "01 0D: 00 C0 A8 01 64 FF FF FF 00 C0 A8 01 02", "\"1.2.3.4.5\"", "four parts");
    row("ethernet", "tcpPort", 8, kEthernet, "9024", "9100", "01 0F: 8C 23 41 23", "65536",
        "between 0 and 65535");
    row("ethernet", "udpPort", 8, kEthernet, "9025", "9101", "01 0F: 40 23 8D 23", "-1",
        "between 0 and 65535");

    row("bluetooth", "name", 8, kBluetooth, "\"AB\"", "\"Shop\"", "01 2B: 53 68 6F 70 00",
        '"' + QString(255, 'a') + '"', "at most 254");
    row("bluetooth", "bleName", 8, kBluetooth, "\"AB-LE\"", "\"\"", "01 2C: 00", "[]",
        "must be a text");
    row("bluetooth", "pairing", 8, kBluetooth, "1", "0", "01 2F: 00", "2", "one of 0, 1");
    row("bluetooth", "pin", 8, kBluetooth, "\"1234\"", "\"0000\"", "01 2E: 30 30 30 30 00", "1234",
        "must be a text");
    row("bluetooth", "mac", 8, kBluetooth, "\"A1:B2:C3:0D:0E:0F\"", "", "", "\"x\"", "read only");

    row("serial", "baud", 8, kSerial, "115200", "9600", "01 0E: 01 02 01 01", "1234",
        "one of 4800, 9600");
    row("serial", "parity", 8, kSerial, "2", "1", "01 0E: 07 01 01 01", "3", "one of 0, 1, 2");
    row("serial", "dataBits", 8, kSerial, "7", "8", "01 0E: 07 02 00 01", "9", "one of 8, 7");
    row("serial", "stopBits", 8, kSerial, "2", "1", "01 0E: 07 02 01 00", "0", "one of 1, 2");
    row("serial", "deviceInfo", 8, kSerial, "\"R\"", "", "", "\"R\"", "read only");
    row("serial", "serialNumber", 8, kSerial, "\"SN9\"", "\"SN10\"", "01 10: 53 4E 31 30 00",
        '"' + QString(255, 'a') + '"', "at most 254");
}

void TestSettingsEngine::everyRow()
{
    QFETCH(QString, page);
    QFETCH(QString, key);
    QFETCH(int, dots);
    QFETCH(QString, answers);
    QFETCH(QString, read);
    QFETCH(QString, write);
    QFETCH(QString, frames);
    QFETCH(QString, refused);
    QFETCH(QString, reason);

    const QMap<int, QByteArray> preset = ::answers(answers);
    for (auto it = preset.begin(); it != preset.end(); ++it)
        m_printer->setValue(quint8(it.key()), it.value());
    PrinterSession session;
    QCOMPARE(session.openNetwork(QStringLiteral("127.0.0.1"), m_printer->tcpPort()), 0);
    session.setDotsPerMm(qAbs(dots));
    session.setHasPrintMode(dots < 0);

    QJsonObject values;
    QCOMPARE(settingsengine::read(session, page, &values).reported, 0);
    QCOMPARE(values.value(key), json(read));

    const settingtable::Row *row = settingtable::find(page, key);
    QVERIFY(row);
    if (!write.isEmpty()) {
        QVERIFY(settingtable::check(*row, json(write), qAbs(dots), nullptr));
        m_printer->clearRecords();
        QCOMPARE(settingsengine::write(session, page, {{key, json(write)}}, values), 0);
        // Set frames get no reply: they are counted as the simulator takes them in.
        QTRY_COMPARE(sentFrames(), frames);
    }
    QString why;
    QVERIFY(!settingtable::check(*row, json(refused), qAbs(dots), &why));
    QVERIFY2(why.contains(reason) && why.contains(key), qPrintable(why));
    session.close();
}

void TestSettingsEngine::everySettingHasARow()
{
    for (const settingtable::Row &row : settingtable::rows())
        QVERIFY2(g_covered.contains(settingtable::qualified(row)),
                 qPrintable(settingtable::qualified(row)));
}

void TestSettingsEngine::refusals_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("reason"); // empty: accepted
    QTest::addColumn<int>("printMode");  // of the model: 1 in the group, 0 not, -1 not known
    const auto row = [](const char *name, const char *page, const QString &settings,
                        const char *reason, int printMode = -1) {
        QTest::newRow(name) << page << settings << reason << printMode;
    };
    row("unknown key", "print", R"({"speeed": 1})", "\"speeed\" is not a setting of this page");
    row("read-only key", "wifi", R"({"mac": "00:00:00:00:00:00"})", "\"mac\" is not a setting");
    row("one decimal kept", "print", R"({"widthMm": 100.2, "heightMm": 10})", "");
    row("an empty AP password", "wifi", R"({"apPassword": ""})", "");
    // The limit is in bytes as sent.
    row("a 32-byte network name", "wifi", "{\"stationName\": \"" + QString(32, 'n') + "\"}", "");
    row("eleven Chinese characters", "wifi", "{\"apName\": \"" + QString("中").repeated(11) + "\"}",
        "33 bytes long");
    row("an empty address box", "ethernet", R"({"ip": "..."})", "");
    row("an unlisted code", "serial", R"({"baud": {"code": 40}})", "one of 4800");
    // Four speeds outside the print-mode group, eight in it; any of eight while not known.
    row("speed 4, four speeds", "print", R"({"speed": 4})",
        "must be one of 0, 1, 2, 3 on this model", 0);
    row("speed 7, four speeds", "print", R"({"speed": 7})", "one of 0, 1, 2, 3 on this model", 0);
    row("speed 3, four speeds", "print", R"({"speed": 3})", "", 0);
    row("speed 7, eight speeds", "print", R"({"speed": 7})", "", 1);
    row("speed 8, eight speeds", "print", R"({"speed": 8})", "one of 0, 1, 2, 3, 4, 5, 6, 7", 1);
    row("speed 7, model not known", "print", R"({"speed": 7})", "", -1);
    row("density 15, four speeds", "print", R"({"density": 15})", "", 0);
}

void TestSettingsEngine::refusals()
{
    QFETCH(QString, page);
    QFETCH(QString, settings);
    QFETCH(QString, reason);
    QFETCH(int, printMode);
    settingtable::ModelFacts model{8, std::nullopt};
    if (printMode >= 0)
        model.printMode = printMode == 1;
    QString why;
    const bool ok = settingtable::checkPage(
        page, QJsonDocument::fromJson(settings.toUtf8()).object(), model, &why);
    QCOMPARE(ok, reason.isEmpty());
    QVERIFY2(why.contains(reason), qPrintable(why));
}

// The access point's texts must each end inside the answer, the address at its end at
// the latest; a text cut off leaves the frame's settings unread, which the page's result
// does not count but the read's completeness does.
void TestSettingsEngine::accessPointTexts_data()
{
    QTest::addColumn<QString>("answer"); // item 27
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("read"); // the access point's settings read
    QTest::newRow("address ends the answer")
        << QString(text("AP1") + ' ' + text("password") + ' ' + QByteArray("10.0.0.1").toHex(' '))
        << true << R"({"apAddress":"10.0.0.1","apName":"AP1","apPassword":"password"})";
    QTest::newRow("password cut off") << QString(text("AP1") + ' ' + QByteArray("pass").toHex(' '))
                                      << false << "{}";
}

void TestSettingsEngine::accessPointTexts()
{
    QFETCH(QString, answer);
    QFETCH(bool, complete);
    QFETCH(QString, read);
    const QMap<int, QByteArray> preset = ::answers(kWifiAp + ";27=" + answer);
    for (auto it = preset.begin(); it != preset.end(); ++it)
        m_printer->setValue(quint8(it.key()), it.value());
    PrinterSession session;
    QCOMPARE(session.openNetwork(QStringLiteral("127.0.0.1"), m_printer->tcpPort()), 0);
    QJsonObject values;
    const settingsengine::ReadResult result = settingsengine::read(session, "wifi", &values);
    QCOMPARE(result.reported, 0);
    QCOMPARE(result.complete, complete);
    QJsonObject ap;
    for (const char *key : {"apName", "apPassword", "apAddress"}) {
        if (values.contains(key))
            ap.insert(key, values.value(key));
    }
    QCOMPARE(QString(QJsonDocument(ap).toJson(QJsonDocument::Compact)), read);
    QCOMPARE(values.value("mode").toString(), QStringLiteral("accessPoint"));
    session.close();
}

// A page's read against a printer that leaves queries unanswered, with and without a
// deadline on the session (one reply wait is 3 s): the read goes on past a silent query,
// and each page reports by its own rules.
void TestSettingsEngine::unanswered_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("silent"); // items whose queries get no reply
    QTest::addColumn<bool>("whole");     // Scope::Whole instead of the page's own stops
    QTest::addColumn<int>("deadlineMs"); // -1: none
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("first");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("queried");
    QTest::addColumn<QString>("unread"); // the page's keys left out of the values
    QTest::addColumn<int>("withinMs");   // the read ends within this
    const auto row = [](const char *name, const char *page, const char *silent, bool whole,
                        int deadlineMs, int reported, int first, bool complete, const char *queried,
                        const char *unread, int withinMs) {
        QTest::newRow(name) << page << silent << whole << deadlineMs << reported << first
                            << complete << queried << unread << withinMs;
    };
    const int net = RESULT_NETWORK;
    const char *print = "00 13 19 1A 1C 1D 1E 16 01 02 54 18 3E";
    // One reply wait, and the rest of the page still read.
    row("print: first query silent", "print", "00", false, -1, net, net, false, print, "speed",
        4500);
    row("print: later query silent", "print", "1A", false, -1, net, net, false, print,
        "blackMarkGapMm", 4500);
    // The distances report the last query alone; the others only leave their box unread.
    row("distance: earlier query silent", "distance", "34", false, -1, 0, net, false, "33 34 35 36",
        "gapSensorMm", 4500);
    row("distance: last query silent", "distance", "36", false, -1, net, net, false, "33 34 35 36",
        "tearDots", 4500);
    row("ethernet: ports silent", "ethernet", "0F", false, -1, 0, net, false, "0F 0D",
        "tcpPort udpPort", 4500);
    row("serial: parameters silent", "serial", "0E", false, -1, 0, net, false, "0E 0C 10",
        "baud dataBits parity stopBits", 4500);
    row("serial: device information silent, read only", "serial", "0C", false, -1, 0, net, true,
        "0E 0C 10", "deviceInfo", 4500);
    row("serial: serial number silent", "serial", "10", false, -1, net, net, false, "0E 0C 10",
        "serialNumber", 4500);
    // WiFi stops at its port query; the addresses' query does not count.
    row("wifi: port silent stops the page", "wifi", "29", false, -1, net, net, false, "30 26 29",
        "apAddress apName apPassword dhcp dns gateway ip mac mask port", 4500);
    row("wifi: port silent, a whole read goes on", "wifi", "29", true, -1, net, net, false,
        "30 26 29 3C 28", "apAddress apName apPassword port", 4500);
    row("wifi: addresses silent", "wifi", "28", false, -1, 0, net, false, "30 26 29 3C 28",
        "apAddress apName apPassword dhcp dns gateway ip mask", 4500);
    row("bluetooth: stops at the first failure", "bluetooth", "2C", false, -1, net, net, false,
        "2B 2C", "bleName mac pairing pin", 4500);
    // A page that reports the medium's failure reports the deadline as it is; after the
    // deadline nothing more is sent.
    row("deadline during the first query", "wifi", "30", false, 300, RESULT_TIMED_OUT,
        RESULT_TIMED_OUT, false, "30",
        "apAddress apName apPassword dhcp dns gateway ip mac mask mode port stationName "
        "stationPassword",
        1500);
    row("deadline during a later query", "print", "13", false, 400, RESULT_TIMED_OUT,
        RESULT_TIMED_OUT, false, "00 13",
        "autoPaper blackMarkGapMm codePage commandSet density direction heightMm labelGapMm "
        "menuLanguage method paperType printOffsetMm verticalOffsetMm widthMm",
        1500);
    row("deadline already passed", "print", "", false, 0, RESULT_TIMED_OUT, RESULT_TIMED_OUT, false,
        "", "", 1000);
}

void TestSettingsEngine::unanswered()
{
    QFETCH(QString, page);
    QFETCH(QString, silent);
    QFETCH(bool, whole);
    QFETCH(int, deadlineMs);
    QFETCH(int, reported);
    QFETCH(int, first);
    QFETCH(bool, complete);
    QFETCH(QString, queried);
    QFETCH(QString, unread);
    QFETCH(int, withinMs);

    // Station mode, whatever an earlier test left.
    m_printer->setValue(0x30, QByteArray(1, '\x01'));
    PrinterSession session;
    QCOMPARE(session.openNetwork(QStringLiteral("127.0.0.1"), m_printer->tcpPort()), 0);
    QSet<quint8> silentItems;
    for (const QString &item : silent.split(' ', Qt::SkipEmptyParts))
        silentItems.insert(quint8(item.toUInt(nullptr, 16)));
    m_printer->setSilentItems(silentItems);
    m_printer->clearRecords();
    const int connections = m_printer->connectionCount();
    if (deadlineMs >= 0)
        session.setDeadline(QDeadlineTimer(deadlineMs));

    QElapsedTimer elapsed;
    elapsed.start();
    QJsonObject values;
    const settingsengine::ReadResult result = settingsengine::read(
        session, page, &values, whole ? settingsengine::Scope::Whole : settingsengine::Scope::Page);
    const qint64 took = elapsed.elapsed();
    m_printer->setSilentItems({});
    QCOMPARE(result.reported, reported);
    QCOMPARE(result.firstFailure, first);
    QCOMPARE(result.complete, complete);
    QVERIFY2(took < withinMs, qPrintable(QString::number(took)));
    QStringList items;
    for (const ReceivedFrame &f : m_printer->receivedFrames())
        items << QStringLiteral("%1").arg(int(f.item), 2, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(items.join(' '), queried);
    // The values read are the page's settings but those left unread.
    if (!queried.isEmpty()) {
        QStringList left;
        for (const settingtable::Row *row : settingtable::rowsOf(page)) {
            if (settingtable::modelHas(row->models, session.hasPrintMode()) &&
                !values.contains(QLatin1String(row->key)))
                left << QLatin1String(row->key);
        }
        left.sort();
        QCOMPARE(left.join(' '), unread);
    } else {
        QVERIFY(values.isEmpty());
    }
    // Past the deadline not even a connection is made.
    if (queried.isEmpty())
        QCOMPARE(m_printer->connectionCount(), connections);
    session.close();
}

// A cancel (the job's stop flag) set once `after` frames are done: nothing more is sent,
// and a cut read never passes for a whole one, whichever scope and result rules it has.
void TestSettingsEngine::cancelled_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("sent"); // items, in order
    QTest::newRow("print read, after one") << "print" << false << 1 << "00";
    QTest::newRow("distance read, reporting its last query only")
        << "distance" << false << 2 << "33 34";
    QTest::newRow("wifi write, in the pause after its first frame") << "wifi" << true << 1 << "30";
    QTest::newRow("print write, before its batch end") << "print" << true << 2 << "01 00";
}

void TestSettingsEngine::cancelled()
{
    QFETCH(QString, page);
    QFETCH(bool, write);
    QFETCH(int, after);
    QFETCH(QString, sent);
    m_printer->setValue(0x30, QByteArray(1, '\x01'));
    PrinterSession session;
    QCOMPARE(session.openNetwork(QStringLiteral("127.0.0.1"), m_printer->tcpPort()), 0);
    std::atomic<bool> stop{false};
    session.setStopFlag(&stop);
    m_printer->clearRecords();
    const auto progress = [&](int done, int) {
        if (done == after)
            stop = true;
    };
    if (write) {
        QJsonObject values;
        settingsengine::read(session, page, &values, settingsengine::Scope::Whole);
        m_printer->clearRecords();
        // Every setting changed, so that every frame goes.
        QJsonObject wanted = values;
        wanted.insert(QStringLiteral("mode"), QStringLiteral("accessPoint"));
        QList<uint8_t> items;
        const int result =
            settingsengine::write(session, page, wanted, QJsonObject(), &items, nullptr, progress);
        QCOMPARE(result, int(RESULT_CANCELLED));
        QCOMPARE(items.size(), after);
    } else {
        QJsonObject values;
        const settingsengine::ReadResult result =
            settingsengine::read(session, page, &values, settingsengine::Scope::Whole, progress);
        QVERIFY(result.cancelled);
        QVERIFY(!result.complete);
        QCOMPARE(result.firstFailure, int(RESULT_CANCELLED));
        QCOMPARE(result.reported, int(RESULT_CANCELLED));
    }
    QTest::qWait(200);
    QStringList items;
    for (const ReceivedFrame &f : m_printer->receivedFrames())
        items << QStringLiteral("%1").arg(int(f.item), 2, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(items.join(' '), sent);
    session.setStopFlag(nullptr);
}

QTEST_GUILESS_MAIN(TestSettingsEngine)
#include "tst_settingsengine.moc"
