// Printer addresses as every face reads them, the link registry that turns them into
// links, and the discovered printer's record. Network traffic only to 127.0.0.1.
#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "device/link/discovery.h"
#include "device/link/foundprinter.h"
#include "device/link/linkregistry.h"
#include "device/link/printeraddress.h"
#include "device/link/printerlink.h"
#include "device/link/printersession.h"
#include "sim/simprinter.h"

#include <QtTest>

class AddressTest : public QObject
{
    Q_OBJECT

private slots:
    // Text -> the address's key (read back the same), its medium and port; "" refused.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("medium");
        QTest::addColumn<int>("port");
        const auto net = [](const char *name, const char *text, const char *key, int port) {
            QTest::newRow(name) << text << key << int(MEDIUM_NETWORK) << port;
        };
        const auto usb = [](const char *name, const char *text, const char *key, int usbPort) {
            QTest::newRow(name) << text << key << int(MEDIUM_USB) << usbPort;
        };
        const auto bad = [](const char *name, const char *text) {
            QTest::newRow(name) << text << "" << 0 << 0;
        };
        net("bare host", "printer", "printer:9100", 9100);
        net("host and port", "printer.local:9200", "printer.local:9200", 9200);
        net("IPv4", "10.0.0.7", "10.0.0.7:9100", 9100);
        net("IPv4 and port", " 10.0.0.7:1 ", "10.0.0.7:1", 1);
        net("highest port", "h:65535", "h:65535", 65535);
        net("IPv6 bare", "::1", "[::1]:9100", 9100);
        net("IPv6 bare, long", "fd00::1:2", "[fd00::1:2]:9100", 9100);
        net("IPv6 in brackets", "[::1]", "[::1]:9100", 9100);
        net("IPv6 and port", "[::1]:9101", "[::1]:9101", 9101);
        net("IPv4-mapped IPv6", "[::ffff:10.0.0.2]:80", "[::ffff:10.0.0.2]:80", 80);
        net("tcp scheme", "tcp://printer:9300", "printer:9300", 9300);
        net("tcp scheme, IPv6", "TCP://[::1]:9300", "[::1]:9300", 9300);
        net("tcp scheme, no slashes", "tcp:10.0.0.7", "10.0.0.7:9100", 9100);
        net("host named like no scheme", "printer:1", "printer:1", 1);
        usb("first USB printer", "usb", "usb", 0);
        usb("usb port", "usb:1", "usb:1", 1);
        usb("usb port 255", "usb:255", "usb:255", 255);
        usb("usb scheme", "usb://7", "usb:7", 7);
        bad("empty", "");
        bad("blank", "   ");
        bad("port 0", "h:0");
        bad("port 65536", "h:65536");
        bad("port letters", "h:91a0");
        bad("port signed", "h:+91");
        bad("port missing", "h:");
        bad("blank in host", "a b");
        bad("colons, not IPv6", "1:2:3");
        bad("IPv6 bare with port", "::1:9100:x");
        bad("unclosed bracket", "[::1");
        bad("junk after bracket", "[::1]x");
        bad("IPv4 in brackets", "[10.0.0.7]:9100");
        bad("IPv6 port 0", "[::1]:0");
        bad("IPv6 port letters", "[::1]:abc");
        bad("empty tcp", "tcp://");
        bad("path", "tcp://h:9100/x");
        bad("usb 0", "usb:0");
        bad("usb 256", "usb:256");
        bad("usb letters", "usb:a");
        bad("usb negative", "usb:-1");
        bad("usb empty port", "usb:");
        bad("unknown scheme", "serial://ttyS0");
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(int, medium);
        QFETCH(int, port);
        PrinterAddress address = PrinterAddress::forUsb(42);
        const bool ok = PrinterAddress::parse(text, &address);
        QCOMPARE(ok, !key.isEmpty());
        if (!ok) {
            QCOMPARE(address.key(), QStringLiteral("usb:42")); // untouched
            return;
        }
        QCOMPARE(address.key(), key);
        QCOMPARE(address.medium(), medium);
        QCOMPARE(medium == MEDIUM_USB ? address.usbPort : int(address.port), port);
        PrinterAddress again;
        QVERIFY(PrinterAddress::parse(key, &again));
        QCOMPARE(again.key(), key);
        QCOMPARE(again.host, address.host);
        QCOMPARE(again.scheme, address.scheme);
    }

    // A targets file: comments, blank lines and CRLF; the first bad line's number.
    void targets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("badLine");
        QTest::newRow("mixed") << "# site\n10.0.0.1\n\n  usb:2 \n[fd00::1]:9101\r\n::1\n"
                               << "10.0.0.1:9100 usb:2 [fd00::1]:9101 [::1]:9100" << 0;
        QTest::newRow("bad third line") << "usb\n# x\nh:0\nh\n"
                                        << "usb" << 3;
        QTest::newRow("nothing") << "\n# only a comment\n"
                                 << "" << 0;
    }
    void targets()
    {
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QFETCH(int, badLine);
        QList<PrinterAddress> list;
        int bad = 0;
        QCOMPARE(parseTargets(text, &list, &bad), badLine == 0);
        QCOMPARE(bad, badLine);
        QStringList got;
        for (const PrinterAddress &a : list)
            got << a.key();
        QCOMPARE(got.join(' '), keys);
    }

    // Host and port apart, as the exporter's listen address reads them.
    void hostPort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port"); // -1: none given; -2: refused
        QTest::newRow("v4 with port") << "127.0.0.1:9877"
                                      << "127.0.0.1" << 9877;
        QTest::newRow("v6 with port") << "[::1]:9877"
                                      << "::1" << 9877;
        QTest::newRow("any free port") << "127.0.0.1:0"
                                       << "127.0.0.1" << 0;
        QTest::newRow("name alone") << "localhost"
                                    << "localhost" << -1;
        QTest::newRow("v6 alone") << "::1"
                                  << "::1" << -1;
        QTest::newRow("bad port") << "127.0.0.1:99999"
                                  << "" << -2;
        QTest::newRow("empty") << ""
                               << "" << -2;
    }
    void hostPort()
    {
        QFETCH(QString, text);
        QFETCH(QString, host);
        QFETCH(int, port);
        QString gotHost;
        quint16 gotPort = 7;
        bool given = true;
        QCOMPARE(parseHostPort(text, &gotHost, &gotPort, &given, 0), port != -2);
        if (port == -2)
            return;
        QCOMPARE(gotHost, host);
        QCOMPARE(given, port >= 0);
        QCOMPARE(int(gotPort), port >= 0 ? port : 7);
    }

    // Each registered kind makes a link of its medium; the bare kind is the network.
    void registry()
    {
        QCOMPARE(QLatin1String(links::bareKind().scheme), QLatin1String("tcp"));
        QSet<QString> schemes;
        for (const links::Kind &kind : links::kinds()) {
            QVERIFY2(!schemes.contains(QLatin1String(kind.scheme)), kind.scheme);
            schemes << QLatin1String(kind.scheme);
            const std::unique_ptr<PrinterLink> link = kind.create();
            QVERIFY(link);
            QCOMPARE(link->medium(), kind.medium);
            QCOMPARE(links::find(QString::fromLatin1(kind.scheme).toUpper()), &kind);
        }
        QVERIFY(!links::find(QStringLiteral("serial")));
        PrinterAddress unknown;
        unknown.scheme = QStringLiteral("serial");
        QVERIFY(!links::create(unknown));
        QCOMPARE(unknown.medium(), 0);
    }

    // The session opens through the registry: the medium is the address's kind's, a
    // refused connection is 1, a kind nobody registered RESULT_NO_MEDIUM.
    void sessionOpens()
    {
        SimPrinter printer;
        printer.setTcpAddress(QHostAddress::LocalHost);
        printer.setTcpPort(0);
        printer.setUdpEnabled(false);
        QVERIFY(printer.start());
        PrinterSession session;
        session.setMedium(MEDIUM_USB);
        PrinterAddress address;
        QVERIFY(PrinterAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(printer.tcpPort()),
                                      &address));
        QCOMPARE(session.open(address), 0);
        QCOMPARE(session.medium(), int(MEDIUM_NETWORK));
        QVERIFY(session.link());
        unsigned char out[frame::kQueryOutSize] = {};
        QCOMPARE(session.queryInfo(INFO_DEVICE_IDENTITY, out), int(RESULT_OK));

        const quint16 closed = printer.tcpPort();
        printer.stop();
        QCOMPARE(session.openNetwork(QStringLiteral("127.0.0.1"), closed), 1);
        QVERIFY(!session.link());

        PrinterAddress unknown;
        unknown.scheme = QStringLiteral("serial");
        QCOMPARE(session.open(unknown), int(RESULT_NO_MEDIUM));
        QCOMPARE(session.failureCode(), int(RESULT_NO_MEDIUM));
    }

    // The device list's text is made from the record: the exact entry forms.
    void listText_data()
    {
        QTest::addColumn<QString>("maker");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("network") << "Label"
                                 << "K53TA"
                                 << "10.0.0.2"
                                 << "Label [K53TA] {10.0.0.2}";
        QTest::newRow("usb") << "VELDRA"
                             << "P3"
                             << "USB004"
                             << "VELDRA [P3] {USB004}";
        QTest::newRow("empty model") << "Unknown"
                                     << ""
                                     << "USB001"
                                     << "Unknown [] {USB001}";
        const QString longModel(300, QLatin1Char('M'));
        QTest::newRow("cut at 255 bytes")
            << "QMV" << longModel << "USB002" << QString("QMV [" + longModel).left(255);
    }
    void listText()
    {
        QFETCH(QString, maker);
        QFETCH(QString, model);
        QFETCH(QString, place);
        QFETCH(QString, text);
        FoundPrinter found;
        found.maker = maker;
        found.model = model;
        found.place = place;
        QCOMPARE(found.listText(), text);
    }

    // A printer found at a typed address travels as its record: model, address, port.
    void probeRecord()
    {
        SimPrinter printer;
        printer.setTcpAddress(QHostAddress::LocalHost);
        printer.setTcpPort(0);
        printer.setUdpEnabled(false);
        QVERIFY(printer.start());
        PrinterDiscovery discovery;
        QSignalSpy spy(&discovery, &PrinterDiscovery::printerFound);
        QCOMPARE(discovery.probe(QStringLiteral("127.0.0.1"), printer.tcpPort()), 1);
        QCOMPARE(spy.size(), 1);
        const FoundPrinter found = spy.at(0).at(0).value<FoundPrinter>();
        QCOMPARE(found.address.key(), QStringLiteral("127.0.0.1:%1").arg(printer.tcpPort()));
        QCOMPARE(found.medium(), int(MEDIUM_NETWORK));
        QCOMPARE(found.place, QStringLiteral("127.0.0.1"));
        QVERIFY(!found.model.isEmpty());
        QCOMPARE(discovery.entries(), QStringList{found.listText()});
        QCOMPARE(found.listText(),
                 QStringLiteral("%1 [%2] {127.0.0.1}").arg(found.maker, found.model));
    }
};

QTEST_GUILESS_MAIN(AddressTest)
#include "tst_addresses.moc"
