// The USB link and USB discovery against printers emulated behind the real libusb.
#include "emulatedusbprinter.h"
#include "device/operations/printeroperations.h"
#include "sim/printermodel.h"
#include "device/link/discovery.h"
#include "device/link/printersession.h"
#include "device/link/usblink.h"

#include <QCoreApplication>
#include <QtTest>
#include <memory>

namespace {

// The debug log of the running test (libusb may log from its own threads).
QMutex logMutex;
QStringList logLines;

bool logged(const QString &part)
{
    QMutexLocker lock(&logMutex);
    return !logLines.filter(part).isEmpty();
}

const QByteArray kQuery = QByteArray::fromHex("1BFFFE0213001BFEFF");

} // namespace

class TestUsbTransport : public QObject
{
    Q_OBJECT

    std::unique_ptr<EmulatedUsbBus> bus;
    std::unique_ptr<UsbLink> usb;

    EmulatedUsbPrinter *add(const EmulatedDeviceSpec &deviceSpec)
    {
        EmulatedUsbPrinter *p = bus->addDevice(deviceSpec);
        return p ? p : (qFatal("the emulated device could not be added"), nullptr);
    }

private slots:
    void initTestCase()
    {
        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
        // Short waits keep the time-out cases quick; the relations between them stay.
        UsbLink::setDefaultTimeouts(UsbTimeouts{600, 2500, 600});
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
            QMutexLocker lock(&logMutex);
            logLines.append(message);
        });
    }

    void init()
    {
        bus = std::make_unique<EmulatedUsbBus>();
        usb = std::make_unique<UsbLink>();
        QMutexLocker lock(&logMutex);
        logLines.clear();
    }

    void cleanup()
    {
        // No libusb context may outlive the emulated bus.
        usb.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bus.reset();
    }

    void listAndOpen()
    {
        // {bus, device number, port, vendor, product id, product}
        add({1, 9, "9", 0x4B7F, 1285, "ABC"});
        // Another vendor's device is neither listed nor opened, not even as the first one.
        QCOMPARE(PrinterDiscovery().listUsb(), 0);
        QCOMPARE(usb->open(9), -1);
        QVERIFY(!usb->isOpen() && logged("FindPrinterDevOrder失败"));
        QCOMPARE(usb->exchange(kQuery, nullptr), 4);
        PrinterSession session;
        const PrinterAddress first = PrinterAddress::forUsb();
        QCOMPARE(ops::open(session, first).code, ops::Code::NotConnected);

        EmulatedUsbPrinter *onBus1 = add({1, 3, "3", 0x4B7E, 1285, "ABC"});
        EmulatedUsbPrinter *onBus2 = add({2, 3, "3", 0x4B7E, 1285, ""});
        add({1, 4, "4", 0x4B7E, 1558, "P3"}); // the last id of its row
        add({1, 5, "5", 0x4B7E, 4660, "P6"}); // an id in no row
        EmulatedUsbPrinter *behindHub = add({1, 7, "2.123", 0x4B7E, 1285, "ABC"});
        PrinterDiscovery discovery;
        QSignalSpy found(&discovery, &PrinterDiscovery::printerFound);
        QCOMPARE(discovery.listUsb(), 1);
        QStringList entries = discovery.entries();
        entries.sort();
        QCOMPARE(entries,
                 QStringList({"Sable Kestrel [ABC] {USB003}", "Sable Kestrel [ABC] {USB123}",
                              "Sable Kestrel [Unknown] {USB003}", "Unknown [P6] {USB005}",
                              "VELDRA [P3] {USB004}"}));
        QCOMPARE(found.size(), 5);
        QVERIFY(!logged("More than 5 USB printers attached"));

        // The command-line tool's --usb without a port: the first printer listed.
        QVERIFY(ops::open(session, first).ok());
        QCOMPARE(session.medium(), int(MEDIUM_USB));
        QCOMPARE(usb->open(123), 0);
        QVERIFY(usb->isOpen());
        QCOMPARE(usb->exchange(kQuery, nullptr), 0);
        QCOMPARE(behindHub->writes().size(), 1);
        QCOMPARE(usb->open(0), -1); // an entry without {USB
        // The same port on two buses: the later one in libusb's order (as listed) is opened.
        const bool bus2Later = discovery.entries().filter("{USB003}").last().contains("Unknown");
        QCOMPARE(usb->open(3), 0);
        QCOMPARE(usb->exchange(kQuery, nullptr), 0);
        QCOMPARE(onBus1->writes().size(), bus2Later ? 0 : 1);
        QCOMPARE(onBus2->writes().size(), bus2Later ? 1 : 0);

        add({1, 8, "8", 0x4B7E, 1285, "P8"});
        QCOMPARE(UsbLink::listPrinters().size(), UsbLink::kListLimit);
        QVERIFY(logged("More than 5 USB printers attached"));
    }

    // Switches ("name:value") for the printer at port 3, then steps "step=result": exchange,
    // send (exchange without a reply area), write, stream (300 bytes), stop (a stream stopped
    // at the second poll), pending (result: bytes read), status, close.
    void transfer_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("taken");   // bytes that reached the printer
        QTest::addColumn<QString>("log"); // parts of the debug log, split at '|'
        // Shortened time-outs: 600 ms for the exchange and status, 2500 ms for writes.
        QTest::newRow("model reply, status word without a claim")
            << "exchange=0 status=0" << 9 << "libusb_bulk_transfer write: 9 9\n";
        QTest::newRow("a full block") << "full exchange=0" << 9 << "";
        QTest::newRow("unread reply is pending") << "send=0 pending=264" << 9 << "";
        QTest::newRow("after close") << "close=0 exchange=4 write=4 pending=0 status=-1" << 0 << "";
        // An exchange gives up (the next one can claim); a write claims again at once.
        QTest::newRow("kernel driver, exchange")
            << "driver exchange=5 exchange=0" << 9
            << "libusb_claim_interface err is : LIBUSB_ERROR_BUSY|held by another driver";
        QTest::newRow("kernel driver, write") << "driver write=0 exchange=0" << 18 << "";
        QTest::newRow("silent") << "reply:100000 exchange=4 pending=0" << 9
                                << "read failed: LIBUSB_ERROR_TIMEOUT\n";
        QTest::newRow("slow reply within the time-out") << "reply:150 exchange=0" << 9 << "";
        QTest::newRow("slow acceptance: only the long write waits")
            << "accept:1100 exchange=4 write=0" << 9 << "write failed: LIBUSB_ERROR_TIMEOUT\n";
        QTest::newRow("unplugged during the read")
            << "reply:10000 unplug:100 exchange=4 send=5 write=5 status=-4" << 9
            << "read failed: LIBUSB_ERROR_NO_DEVICE\n|unplugged";
        QTest::newRow("whole piece") << "stream=0" << 300 << "";
        QTest::newRow("part taken, then the time-out") << "limit:100 stream=4" << 100 << "";
        QTest::newRow("stalled, stopped") << "limit:0 stop=4" << 0 << "";
        QTest::newRow("part taken, stopped") << "limit:120 stop=4" << 120 << "";
        QTest::newRow("no interface with string index 0")
            << "interface:4 exchange=4" << 0 << "Get Printer EndPoint falied";
    }

    void transfer()
    {
        QFETCH(QString, script);
        QFETCH(int, taken);
        QFETCH(QString, log);
        QMap<QString, int> set;
        QStringList steps;
        for (const QString &s : script.split(' ')) {
            if (s.contains('='))
                steps << s;
            else
                set.insert(s.section(':', 0, 0), s.section(':', 1).toInt());
        }
        EmulatedDeviceSpec deviceSpec;
        deviceSpec.interfaceStringIndex = quint8(set.value("interface"));
        EmulatedUsbPrinter *printer = add(deviceSpec);
        // The model's reply, or a full block from a responder.
        const QByteArray value =
            set.contains("full") ? QByteArray(255, 'r') : printer->model().value(0x13);
        const QByteArray frame = QByteArray::fromHex("1BFFFE0213") + char(value.size()) + value +
                                 QByteArray::fromHex("1BFEFF");
        if (set.contains("full"))
            printer->setResponder([frame](const QByteArray &) { return QByteArray(frame); });
        const QByteArray answer = frame.leftJustified(264, '\0', true);
        const QByteArray word = QByteArray::fromHex("01800204");
        printer->setStatusWord(word);
        printer->setKernelDriverBound(set.contains("driver"));
        printer->setReplyDelayMs(set.value("reply"));
        printer->setWriteDelayMs(set.value("accept"));
        printer->setAcceptLimit(set.value("limit", -1));
        QCOMPARE(usb->open(3), 0);
        if (set.contains("unplug"))
            printer->unplugAfterMs(set.value("unplug"));

        QByteArray sent;
        for (const QString &step : steps) {
            const QString op = step.section('=', 0, 0);
            const int expected = step.section('=', 1).toInt();
            const int claims = printer->claimCount();
            int result = expected;
            sent += op == "stream" || op == "stop" ? QByteArray(300, 'p') : kQuery;
            if (op == "exchange") {
                // The reply area has 16 guard bytes behind the block.
                QByteArray reply(264 + 16, char(0xEE));
                result = usb->exchange(kQuery, reinterpret_cast<unsigned char *>(reply.data()));
                QCOMPARE(reply.left(264), result == 0 ? answer : QByteArray(264, char(0xEE)));
                QCOMPARE(reply.mid(264), QByteArray(16, char(0xEE)));
            } else if (op == "send" || op == "write") {
                result = op == "send" ? usb->exchange(kQuery, nullptr) : usb->write(kQuery);
            } else if (op == "stream" || op == "stop") {
                int polls = 0;
                StreamPiece piece;
                piece.stopRequested = [&polls, op] { return ++polls > 1 && op == "stop"; };
                result = usb->write(QByteArray(300, 'p'), &piece);
                QCOMPARE(piece.bytesOut, qint64(printer->writes().join().size()));
                // A stopped transfer ends at the next poll, long before the time-out.
                QVERIFY(op == "stream" || polls == 2);
            } else if (op == "pending") {
                const QByteArray pending = usb->readPending();
                QCOMPARE(pending, expected ? answer : QByteArray());
                result = pending.size();
            } else if (op == "status") {
                QByteArray data;
                result = usb->readStatusData(&data);
                QCOMPARE(data, result == 0 ? word : QByteArray());
                QCOMPARE(printer->claimCount(), claims); // the control read claims nothing
            } else {
                usb->close();
            }
            QVERIFY2(result == expected, qPrintable(step + " gave " + QString::number(result)));
        }
        QCOMPARE(printer->writes().join(), sent.left(taken));
        for (const QString &line : log.split('|', Qt::SkipEmptyParts))
            QVERIFY2(logged(line), qPrintable(line));
        // Nothing stays claimed or in flight between operations.
        if (!set.contains("unplug"))
            QCOMPARE(printer->releaseCount(), printer->claimCount());
        QCOMPARE(printer->openTransfers(), 0);
    }
};

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QCoreApplication app(argc, argv);
    TestUsbTransport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_usbtransport.moc"
