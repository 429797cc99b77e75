// The WiFi scanner: the report parsers with the merge and order of the list, and the
// scan itself with fake programs in place of the system commands.
#include "provisioning/wifiscan.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// "ssid rssi" with " *" for the connected network, one string per entry.
QStringList describe(const QList<WifiInfo> &wifis)
{
    QStringList out;
    for (const WifiInfo &w : wifis)
        out << QStringLiteral("%1 %2%3").arg(w.ssid).arg(w.rssi).arg(w.isCurrent ? " *" : "");
    return out;
}

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

QString named(const QString &name, const QString &signalNoise)
{
    return dict("_name=" + name +
                "|spairport_network_channel=36|spairport_signal_noise=" + signalNoise);
}

QString array(const QString &key, const QString &entries)
{
    return QString("<key>spairport_%1</key>\n<array>\n%2</array>\n").arg(key, entries);
}

QString current(const QString &name)
{
    return "<key>spairport_current_network_information</key>\n" +
           dict("_name=" + name + "|spairport_signal_noise=-45 dBm / -93 dBm");
}

// The interface dictionary of a report, wrapped the way the profiler writes it.
QString report(const QString &interfaceBody)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n"
           "<key>_items</key>\n<array>\n<key>spairport_airport_interfaces</key>\n<array>\n"
           "<key>_name</key>\n<string>en0</string>\n" +
           interfaceBody +
           "<key>spairport_status_information</key>\n<string>spairport_status_connected</string>\n"
           "</array>\n</array>\n</array>\n</plist>\n";
}

const char kOther[] = "airport_other_local_wireless_networks";
const char kLocal[] = "airport_local_wireless_networks";

} // namespace

class TestWifiScan : public QObject
{
    Q_OBJECT
private slots:
    void parseAndMerge_data();
    void parseAndMerge();
    void scan_data();
    void scan();

private:
    QTemporaryDir m_dir;
};

// The merged list: connected first, then the stronger; equals in name order.
void TestWifiScan::parseAndMerge_data()
{
    QTest::addColumn<bool>("profiler"); // else the network manager's terse list
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QString cafe = named("Cafe", "-70 dBm / -90 dBm");
    const QString office = named("Office", "-52 dBm / -91 dBm");
    const QString home = named("Home", "-60 dBm / -92 dBm");
    QTest::newRow("connected network in the other-networks array")
        << true << report(current("Office") + array(kOther, cafe + office) + array(kLocal, home))
        << QStringList{"Office -52 *", "Cafe -70"};
    QTest::newRow("connected network missing from the array is appended")
        << true << report(current("Office") + array(kOther, cafe + home))
        << QStringList{"Office 1 *", "Home -60", "Cafe -70"};
    QTest::newRow("no connected network: other array skipped, local array used")
        << true << report(array(kOther, cafe) + array(kLocal, home + office))
        << QStringList{"Office -52", "Home -60"};
    QTest::newRow("empty other array falls through to the local array")
        << true
        << report(current("Office") +
                  QString("<key>spairport_%1</key><array></array>\n").arg(kOther) +
                  array(kLocal, home + office))
        << QStringList{"Office -52 *", "Home -60"};
    QTest::newRow("third array name")
        << true << report(array("wireless_networks", cafe)) << QStringList{"Cafe -70"};
    // SSID_STR when _name is missing (neither: skipped); a signal text without dBm wins
    // over RSSI; RSSI alone, a bad number, nothing.
    QTest::newRow("names and signals")
        << true
        << report(array(kLocal, dict("SSID_STR= Lab 5G |RSSI=-61") + dict("RSSI=-40") +
                                    dict("_name=Quiet|spairport_signal_noise=n/a|RSSI=-33") +
                                    dict("_name=R|RSSI=-67") + dict("_name=Bad|RSSI=x7") +
                                    dict("_name=None")))
        << QStringList{"Bad 0", " Lab 5G  -61", "R -67", "None -100", "Quiet -100"};
    QTest::newRow("names exact, Chinese, escaped characters")
        << true
        << report(current("办公室") +
                  array(kOther, named("办公室", "-50 dBm") +
                                    named("A&amp;B &lt;5G&gt; &#x263A;", "-60 dBm")))
        << QStringList{"办公室 -50 *", "A&B <5G> ☺ -60"};
    QTest::newRow("no array: flat search by SSID key, nothing appended")
        << true
        << report(current("Office") + dict("SSID=Office|RSSI=-48") + dict("SSID=Guest") +
                  dict("_name=Ignored") + dict("SSID=Odd|RSSI=?"))
        << QStringList{"Office -48 *", "Odd 0", "Guest -100"};
    QTest::newRow("terse: in use, plain, full signal")
        << false << "*:80:Office\n:45:Cafe\n:100:Strong\n"
        << QStringList{"Office -60 *", "Strong -50", "Cafe -78"};
    QTest::newRow("terse: escaped colon and backslash") << false << ":50:My\\:Net\n:50:A\\\\B\n"
                                                        << QStringList{"A\\B -75", "My:Net -75"};
    QTest::newRow("terse: hidden network, bad signal, zero")
        << false << ":70:\n:--:Foo\n:0:Weak\n:101:Odd"
        << QStringList{"Foo -100", "Odd -100", "Weak -100"};
    QTest::newRow("terse: line ends, blank lines, spaces at both ends, Chinese")
        << false << "\r\n * :64: Lab \r\n\r\nshort\n:50:咖啡\\:二楼\n"
        << QStringList{" Lab  -68 *", "咖啡:二楼 -75"};
    QTest::newRow("merge: duplicates, the stronger kept, case matters")
        << false << ":60:A\n:80:A\n:70:A\n:80:net\n:100:Net\n"
        << QStringList{"Net -50", "A -60", "net -60"};
    QTest::newRow("merge: connected wins over stronger")
        << false << ":90:A\n*:30:A\n:100:A\n:100:B" << QStringList{"A -85 *", "B -50"};
}

void TestWifiScan::parseAndMerge()
{
    QFETCH(bool, profiler);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(mergeWifiList(profiler ? parseSystemProfilerOutput(text)
                                             : parseNmcliWifiList(text))),
             expected);
}

void TestWifiScan::scan_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("power"); // the power check's script
    QTest::addColumn<QString>("list");  // the list program's script; none: missing
    QTest::addColumn<int>("powerOffCalls");
    QTest::addColumn<QStringList>("expected");
    const int profiler = int(WifiScanSource::SystemProfiler);
    const int nmcli = int(WifiScanSource::NetworkManager);
    // Power off: the list program never runs, and the caller is told once.
    QTest::newRow("macOS Off") << profiler << "echo 'Wi-Fi Power (en0): Off'"
                               << "touch list-ran" << 1 << QStringList();
    QTest::newRow("nmcli disabled") << nmcli << "echo disabled"
                                    << "touch list-ran" << 1 << QStringList();
    QTest::newRow("macOS: empty output") << profiler << "echo On"
                                         << "echo '  '" << 0 << QStringList();
    QTest::newRow("nmcli: error on stderr only")
        << nmcli << "echo On"
        << "echo 'Error: NetworkManager is not running.' >&2\nexit 8" << 0 << QStringList();
    QTest::newRow("list program missing") << nmcli << "echo On"
                                          << "" << 0 << QStringList();
    // Like nmcli: names in UTF-8 only under a UTF-8 locale, '?' for each byte otherwise.
    // A hanging power check is given up and the list runs all the same.
    QTest::newRow("nmcli: Chinese names, spaces kept on the last line; power check hangs")
        << nmcli << "exec sleep 300"
        << "case \"$LC_ALL\" in\n*.UTF-8|*.utf8) printf '*:70:办公室\\n:50: 二楼 ' ;;\n"
           "*) printf '*:70:?????????\\n:50: ?????? ' ;;\nesac"
        << 0 << QStringList{"办公室 -65 *", " 二楼  -75"};
    // Waiting for ever would outlast the test's own time limit.
    QTest::newRow("list program hangs") << nmcli << "echo On"
                                        << "exec sleep 300" << 0 << QStringList();
}

void TestWifiScan::scan()
{
    QFETCH(int, source);
    QFETCH(QString, power);
    QFETCH(QString, list);
    QFETCH(int, powerOffCalls);
    QFETCH(QStringList, expected);
    const QString marker = m_dir.filePath("list-ran");
    WifiScanCommands commands;
    commands.source = WifiScanSource(source);
    commands.powerProgram = commands.listProgram = QStringLiteral("sh");
    commands.powerArguments = QStringList{"-c", power};
    commands.listArguments =
        QStringList{"-c", QString(list).replace("list-ran", "'" + marker + "'")};
    if (list.isEmpty())
        commands.listProgram = m_dir.filePath("no-such-list");
    int calls = 0;
    QCOMPARE(describe(runWifiScan(commands, [&] { ++calls; })), expected);
    QCOMPARE(calls, powerOffCalls);
    QVERIFY(!QFile::exists(marker));
}

QTEST_GUILESS_MAIN(TestWifiScan)
#include "tst_wifiscan.moc"
