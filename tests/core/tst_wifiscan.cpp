// The WiFi scanner: the report parsers, the merge and order of the list, and the
// scan itself with fake programs in place of the system commands.
#include "provisioning/wifiscan.h"

#include <QElapsedTimer>
#include <QFile>
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

QString entry(const QString &body)
{
    return QStringLiteral("<dict>\n%1\n</dict>\n").arg(body);
}

QString named(const QString &name, const QString &signalNoise)
{
    return entry(QStringLiteral("<key>_name</key>\n<string>%1</string>\n"
                                "<key>spairport_network_channel</key>\n<string>36</string>\n"
                                "<key>spairport_signal_noise</key>\n<string>%2</string>")
                     .arg(name, signalNoise));
}

QString array(const QString &key, const QString &entries)
{
    return QStringLiteral("<key>%1</key>\n<array>\n%2</array>\n").arg(key, entries);
}

QString current(const QString &name)
{
    return QStringLiteral("<key>spairport_current_network_information</key>\n"
                          "<dict>\n<key>_name</key>\n<string>%1</string>\n"
                          "<key>spairport_signal_noise</key>\n<string>-45 dBm / -93 dBm</string>\n"
                          "</dict>\n")
        .arg(name);
}

// The interface dictionary of a report, wrapped the way the profiler writes it.
QString report(const QString &interfaceBody)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n"
                          "<array>\n<key>_items</key>\n<array>\n"
                          "<key>spairport_airport_interfaces</key>\n<array>\n"
                          "<key>_name</key>\n<string>en0</string>\n%1"
                          "<key>spairport_status_information</"
                          "key>\n<string>spairport_status_connected</string>\n"
                          "</array>\n</array>\n</array>\n</plist>\n")
        .arg(interfaceBody);
}

const char kOther[] = "spairport_airport_other_local_wireless_networks";
const char kLocal[] = "spairport_airport_local_wireless_networks";
const char kWireless[] = "spairport_wireless_networks";

} // namespace

class TestWifiScan : public QObject
{
    Q_OBJECT
private slots:
    void systemProfiler_data();
    void systemProfiler();
    void nmcli_data();
    void nmcli();
    void mergeAndOrder_data();
    void mergeAndOrder();

    void scan_data();
    void scan();
    void hangingProgramsAreAbandoned();

private:
    QString script(const QString &name, const QString &body);
    WifiScanCommands fakeCommands(WifiScanSource source, const QString &powerBody,
                                  const QString &listBody);
    QTemporaryDir m_dir;
};

void TestWifiScan::systemProfiler_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QString cafe = named("Cafe", "-70 dBm / -90 dBm");
    const QString office = named("Office", "-52 dBm / -91 dBm");
    const QString home = named("Home", "-60 dBm / -92 dBm");

    QTest::newRow("connected network in the other-networks array")
        << report(current("Office") + array(kOther, cafe + office) + array(kLocal, home))
        << QStringList{"Cafe -70", "Office -52 *"};
    QTest::newRow("connected network missing from the array is appended")
        << report(current("Office") + array(kOther, cafe + home))
        << QStringList{"Cafe -70", "Home -60", "Office 1 *"};
    QTest::newRow("no connected network: other array skipped, local array used")
        << report(array(kOther, cafe) + array(kLocal, home + office))
        << QStringList{"Home -60", "Office -52"};
    QTest::newRow("empty other array falls through to the local array")
        << report(current("Office") + QStringLiteral("<key>%1</key><array></array>\n").arg(kOther) +
                  array(kLocal, home + office))
        << QStringList{"Home -60", "Office -52 *"};
    QTest::newRow("third array name") << report(array(kWireless, cafe)) << QStringList{"Cafe -70"};
    QTest::newRow("SSID_STR when _name is missing; neither: skipped")
        << report(array(kLocal, entry("<key>SSID_STR</key><string> Lab 5G </string>"
                                      "<key>RSSI</key><integer>-61</integer>") +
                                    entry("<key>RSSI</key><integer>-40</integer>") + cafe))
        << QStringList{" Lab 5G  -61", "Cafe -70"};
    QTest::newRow("names exact, Chinese, escaped characters")
        << report(current(QString::fromUtf8("办公室")) +
                  array(kOther, named(QString::fromUtf8("办公室"), "-50 dBm") +
                                    named("A&amp;B &lt;5G&gt; &#x263A;", "-60 dBm")))
        << QStringList{QString::fromUtf8("办公室 -50 *"), QString::fromUtf8("A&B <5G> ☺ -60")};
    QTest::newRow("signal text without dBm wins over RSSI")
        << report(array(kLocal, entry("<key>_name</key><string>Quiet</string>"
                                      "<key>spairport_signal_noise</key><string>n/a</string>"
                                      "<key>RSSI</key><integer>-33</integer>")))
        << QStringList{"Quiet -100"};
    QTest::newRow("RSSI fallback, bad number, nothing")
        << report(array(kLocal, entry("<key>_name</key><string>R</string>"
                                      "<key>RSSI</key><integer>-67</integer>") +
                                    entry("<key>_name</key><string>Bad</string>"
                                          "<key>RSSI</key><integer>x7</integer>") +
                                    entry("<key>_name</key><string>None</string>")))
        << QStringList{"R -67", "Bad 0", "None -100"};
    QTest::newRow("no array: flat search by SSID key, nothing appended")
        << report(
               current("Office") +
               entry(
                   "<key>SSID</key><string>Office</string><key>RSSI</key><integer>-48</integer>") +
               entry("<key>SSID</key><string>Guest</string>") +
               entry("<key>_name</key><string>Ignored</string>") +
               entry("<key>SSID</key><string>Odd</string><key>RSSI</key><integer>?</integer>"))
        << QStringList{"Office -48 *", "Guest -100", "Odd 0"};
}

void TestWifiScan::systemProfiler()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(parseSystemProfilerOutput(text)), expected);
}

void TestWifiScan::nmcli_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("in use, plain, full signal")
        << QStringLiteral("*:80:Office\n:45:Cafe\n:100:Strong\n")
        << QStringList{"Office -60 *", "Cafe -78", "Strong -50"};
    QTest::newRow("escaped colon and backslash")
        << QStringLiteral(":50:My\\:Net\n:50:A\\\\B\n") << QStringList{"My:Net -75", "A\\B -75"};
    QTest::newRow("hidden network, bad signal, zero")
        << QStringLiteral(":70:\n:--:Foo\n:0:Weak\n:101:Odd")
        << QStringList{"Foo -100", "Weak -100", "Odd -100"};
    QTest::newRow("line ends, blank lines, names with spaces at both ends")
        << QStringLiteral("\r\n * :64: Lab \r\n\r\nshort\n") << QStringList{" Lab  -68 *"};
    QTest::newRow("Chinese") << QString::fromUtf8("*:70:办公室\n:50:咖啡\\:二楼\n")
                             << QStringList{QString::fromUtf8("办公室 -65 *"),
                                            QString::fromUtf8("咖啡:二楼 -75")};
}

void TestWifiScan::nmcli()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(parseNmcliWifiList(text)), expected);
}

void TestWifiScan::mergeAndOrder_data()
{
    QTest::addColumn<QList<WifiInfo>>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("connected first, then strongest")
        << QList<WifiInfo>{{"B", -80, false},
                           {"A", -50, false},
                           {"C", -90, true},
                           {"D", -60, false}}
        << QStringList{"C -90 *", "A -50", "D -60", "B -80"};
    QTest::newRow("duplicate: stronger kept")
        << QList<WifiInfo>{{"A", -70, false}, {"A", -60, false}, {"A", -65, false}}
        << QStringList{"A -60"};
    QTest::newRow("duplicate: connected wins over stronger")
        << QList<WifiInfo>{{"A", -40, false}, {"A", -85, true}, {"A", -30, false}}
        << QStringList{"A -85 *"};
    QTest::newRow("case matters") << QList<WifiInfo>{{"net", -60, false}, {"Net", -50, false}}
                                  << QStringList{"Net -50", "net -60"};
}

void TestWifiScan::mergeAndOrder()
{
    QFETCH(QList<WifiInfo>, input);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(mergeWifiList(input)), expected);
}

QString TestWifiScan::script(const QString &name, const QString &body)
{
    QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write("#!/bin/sh\n" + body.toUtf8() + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

WifiScanCommands TestWifiScan::fakeCommands(WifiScanSource source, const QString &powerBody,
                                            const QString &listBody)
{
    WifiScanCommands commands;
    commands.source = source;
    commands.powerProgram = script("power", powerBody);
    commands.listProgram = script("list", listBody);
    return commands;
}

void TestWifiScan::scan_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("power"); // what the power check prints
    QTest::addColumn<QString>("listBody");
    QTest::addColumn<bool>("listMissing");
    QTest::addColumn<QStringList>("expected");
    // Power off: the list program never runs, and the caller is told once.
    QTest::newRow("macOS Off") << int(WifiScanSource::SystemProfiler) << "Wi-Fi Power (en0): Off"
                               << "touch list-ran" << false << QStringList();
    QTest::newRow("nmcli disabled") << int(WifiScanSource::NetworkManager) << "disabled"
                                    << "touch list-ran" << false << QStringList();
    QTest::newRow("macOS: empty output") << int(WifiScanSource::SystemProfiler) << "On"
                                         << "echo '  '" << false << QStringList();
    QTest::newRow("nmcli: error on stderr only")
        << int(WifiScanSource::NetworkManager) << "On"
        << "echo 'Error: NetworkManager is not running.' >&2\nexit 8" << false << QStringList();
    QTest::newRow("list program missing") << int(WifiScanSource::NetworkManager) << "On"
                                          << "" << true << QStringList();
    // Like nmcli: names in UTF-8 only under a UTF-8 locale, '?' for each byte otherwise.
    QTest::newRow("nmcli: Chinese names, spaces kept on the last line")
        << int(WifiScanSource::NetworkManager) << "On"
        << QString::fromUtf8("case \"$LC_ALL\" in\n"
                             "*.UTF-8|*.utf8) printf '*:70:办公室\\n:50: 二楼 ' ;;\n"
                             "*) printf '*:70:?????????\\n:50: ?????? ' ;;\nesac")
        << false << QStringList{QString::fromUtf8("办公室 -65 *"), QString::fromUtf8(" 二楼  -75")};
}

void TestWifiScan::scan()
{
    QFETCH(int, source);
    QFETCH(QString, power);
    QFETCH(QString, listBody);
    QFETCH(bool, listMissing);
    QFETCH(QStringList, expected);
    const QString marker = m_dir.filePath("list-ran");
    QFile::remove(marker);
    WifiScanCommands commands =
        fakeCommands(WifiScanSource(source), "echo '" + power + "'",
                     QString(listBody).replace("list-ran", "'" + marker + "'"));
    if (listMissing)
        commands.listProgram = m_dir.filePath("no-such-list");
    int powerOffCalls = 0;
    QCOMPARE(describe(runWifiScan(commands, [&] { ++powerOffCalls; })), expected);
    QCOMPARE(powerOffCalls, power == QLatin1String("On") ? 0 : 1);
    QVERIFY(!QFile::exists(marker));
}

void TestWifiScan::hangingProgramsAreAbandoned()
{
    // Both programs outlast their limits: the check is skipped, the list abandoned.
    const WifiScanCommands commands =
        fakeCommands(WifiScanSource::NetworkManager, "exec sleep 30", "exec sleep 30");
    QElapsedTimer timer;
    timer.start();
    QVERIFY(runWifiScan(commands).isEmpty());
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestWifiScan)
#include "tst_wifiscan.moc"
