// The USB link, USB discovery and the session over USB, against printers emulated
// behind the real libusb.
#include "emulatedusbprinter.h"
#include "settings/profileapply.h"

#include "protocol/frame.h"
#include "protocol/printersession.h"
#include "sim/printermodel.h"
#include "transport/discovery.h"
#include "transport/usblink.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QtTest>

#include <libusb.h>

#include <cstring>
#include <memory>

namespace {

// Collects the debug log while a test runs (libusb may log from its own threads).
QMutex logMutex;
QStringList logLines;

class LogCapture
{
public:
    LogCapture()
    {
        QMutexLocker lock(&logMutex);
        logLines.clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &message) {
                QMutexLocker lock(&logMutex);
                logLines.append(message);
            });
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    static bool contains(const QString &part)
    {
        QMutexLocker lock(&logMutex);
        return !logLines.filter(part).isEmpty();
    }

private:
    QtMessageHandler m_previous = nullptr;
};

QByteArray queryFrame(quint8 item)
{
    return QByteArray::fromHex("1BFFFE02") + char(item) + QByteArray::fromHex("001BFEFF");
}

// The frame with which the simulated printer answers a query for `item`.
QByteArray modelReply(EmulatedUsbPrinter *printer, quint8 item)
{
    const QByteArray value = printer->model().value(item);
    return QByteArray::fromHex("1BFFFE02") + char(item) + char(value.size()) + value +
           QByteArray::fromHex("1BFEFF");
}

EmulatedDeviceSpec printerOn(int busNumber, int device, const QString &port,
                             const QByteArray &product = "ABC")
{
    EmulatedDeviceSpec deviceSpec;
    deviceSpec.bus = busNumber;
    deviceSpec.deviceNumber = device;
    deviceSpec.portPath = port;
    deviceSpec.product = product;
    return deviceSpec;
}

} // namespace

class TestUsbTransport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EmulatedUsbBus> bus;
    std::unique_ptr<UsbLink> usb;
    std::unique_ptr<LogCapture> log;

    EmulatedUsbPrinter *addPrinter(const EmulatedDeviceSpec &deviceSpec = printerOn(1, 2, "3"))
    {
        EmulatedUsbPrinter *p = bus->addDevice(deviceSpec);
        if (!p)
            qFatal("the emulated device could not be added");
        return p;
    }

    // One exchange; the reply area has 16 guard bytes behind the block.
    int exchange(const QByteArray &frame, QByteArray *reply = nullptr)
    {
        unsigned char buffer[UsbLink::kReplyBlockSize + 16];
        std::memset(buffer, 0xEE, sizeof(buffer));
        const int code = usb->exchange(frame, reply ? buffer : nullptr);
        if (reply)
            *reply = QByteArray(reinterpret_cast<const char *>(buffer), sizeof(buffer));
        return code;
    }

    static int statusWord(UsbLink &link)
    {
        QByteArray data;
        return link.readStatusData(&data);
    }

private slots:
    void initTestCase()
    {
        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
        // Short waits keep the time-out cases quick; the relations between them stay.
        UsbTimeouts shortened;
        shortened.exchangeMs = 600;
        shortened.writeMs = 2500;
        shortened.controlMs = 600;
        UsbLink::setDefaultTimeouts(shortened);
    }

    void init()
    {
        bus = std::make_unique<EmulatedUsbBus>();
        usb = std::make_unique<UsbLink>();
        log = std::make_unique<LogCapture>();
    }

    void cleanup()
    {
        // No libusb context may outlive the emulated bus.
        usb.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bus.reset();
        log.reset();
    }

    void listEntry_data()
    {
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<QByteArray>("productString");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("entry"); // empty: not listed

        QTest::newRow("example") << 0x4B7E << 1285 << QByteArray("ABC") << "3"
                                 << "Sable Kestrel [ABC] {USB003}";
        QTest::newRow("VELDRA last id") << 0x4B7E << 1558 << QByteArray("P3") << "3"
                                        << "VELDRA [P3] {USB003}";
        QTest::newRow("id in no row") << 0x4B7E << 4660 << QByteArray("P6") << "3"
                                      << "Unknown [P6] {USB003}";
        QTest::newRow("no product string") << 0x4B7E << 1285 << QByteArray() << "3"
                                           << "Sable Kestrel [Unknown] {USB003}";
        QTest::newRow("port 123 behind a hub") << 0x4B7E << 1285 << QByteArray("ABC") << "4.123"
                                               << "Sable Kestrel [ABC] {USB123}";
        QTest::newRow("other vendor, brand product id")
            << 0x4B7F << 1285 << QByteArray("ABC") << "3"
            << "";
    }

    void listEntry()
    {
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(QByteArray, productString);
        QFETCH(QString, port);
        QFETCH(QString, entry);
        EmulatedDeviceSpec deviceSpec = printerOn(1, 2, port, productString);
        deviceSpec.vendorId = quint16(vendor);
        deviceSpec.productId = quint16(product);
        addPrinter(deviceSpec);

        PrinterDiscovery discovery;
        QSignalSpy found(&discovery, &PrinterDiscovery::entryFound);
        QCOMPARE(discovery.listUsb(), entry.isEmpty() ? 0 : 1);
        const QStringList expected = entry.isEmpty() ? QStringList() : QStringList{entry};
        QCOMPARE(discovery.entries(), expected);
        QCOMPARE(found.size(), expected.size());
    }

    void listStopsAtFivePrinters()
    {
        EmulatedDeviceSpec foreign = printerOn(1, 2, "9", "foreign");
        foreign.vendorId = 0x1234;
        addPrinter(foreign);
        for (int i = 0; i < 7; ++i)
            addPrinter(printerOn(1, 3 + i, QString::number(i + 1), "P" + QByteArray::number(i)));
        const QStringList entries = UsbLink::listPrinters();
        QCOMPARE(entries.size(), UsbLink::kListLimit);
        for (const QString &entry : entries)
            QVERIFY2(entry.startsWith(QStringLiteral("Sable Kestrel [P")), qPrintable(entry));
        QVERIFY(LogCapture::contains(QStringLiteral("More than 5 USB printers attached")));
    }

    void openByPortNumber_data()
    {
        QTest::addColumn<QString>("attachedPort");
        QTest::addColumn<int>("requestedPort");
        QTest::addColumn<int>("result");
        QTest::newRow("USB007") << "7" << 7 << 0;
        QTest::newRow("USB123 behind a hub") << "2.123" << 123 << 0;
        QTest::newRow("no printer on that port") << "7" << 8 << -1;
        QTest::newRow("port 0 of an entry without {USB") << "7" << 0 << -1;
    }

    void openByPortNumber()
    {
        QFETCH(QString, attachedPort);
        QFETCH(int, requestedPort);
        QFETCH(int, result);
        EmulatedUsbPrinter *printer = addPrinter(printerOn(1, 2, attachedPort));
        QCOMPARE(usb->open(requestedPort), result);
        QCOMPARE(usb->isOpen(), result == 0);
        if (result != 0) {
            QVERIFY(LogCapture::contains(QStringLiteral("FindPrinterDevOrder失败")));
            QCOMPARE(exchange(queryFrame(0x13)), 4);
            QVERIFY(printer->writes().isEmpty());
            return;
        }
        QCOMPARE(exchange(queryFrame(0x13)), 0);
        QCOMPARE(printer->writes(), QList<QByteArray>{queryFrame(0x13)});
    }

    void samePortOnTwoBusesOpensTheLaterOne()
    {
        EmulatedUsbPrinter *first = addPrinter(printerOn(1, 2, "3", "first"));
        EmulatedUsbPrinter *second = addPrinter(printerOn(2, 2, "3", "second"));
        // Which of them comes later in libusb's own device order.
        int laterBus = 0;
        libusb_context *context = nullptr;
        QCOMPARE(libusb_init(&context), 0);
        libusb_device **devices = nullptr;
        const ssize_t count = libusb_get_device_list(context, &devices);
        for (ssize_t i = 0; i < count; ++i) {
            libusb_device_descriptor d;
            libusb_get_device_descriptor(devices[i], &d);
            if (d.idVendor == 0x4B7E && libusb_get_port_number(devices[i]) == 3)
                laterBus = libusb_get_bus_number(devices[i]);
        }
        libusb_free_device_list(devices, 1);
        libusb_exit(context);
        QVERIFY(laterBus == 1 || laterBus == 2);

        QCOMPARE(usb->open(3), 0);
        QCOMPARE(exchange(queryFrame(0x00)), 0);
        QCOMPARE((laterBus == 1 ? first : second)->writes().size(), 1);
        QCOMPARE((laterBus == 1 ? second : first)->writes().size(), 0);
    }

    // The command-line tool's --usb without a port: the first printer listed.
    void firstPrinterForPortZero()
    {
        PrinterSession session;
        const profileapply::PrinterAddress first{true, QString(), 0, 0};
        QVERIFY(profileapply::openPrinter(session, first) != 0);
        addPrinter(printerOn(1, 2, "2.123"));
        QCOMPARE(profileapply::openPrinter(session, first), 0);
        QCOMPARE(session.medium(), int(MEDIUM_USB));
    }

    void exchangeHandsOverTheWholeBlock_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("short reply") << QByteArray::fromHex("1BFFFE021301021BFEFF");
        QByteArray big = QByteArray::fromHex("1BFFFE0200FF");
        for (int i = 0; i < 255; ++i)
            big += char(i);
        QTest::newRow("a full block") << big + QByteArray::fromHex("1BFEFF");
    }

    void exchangeHandsOverTheWholeBlock()
    {
        QFETCH(QByteArray, answer);
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setResponder([answer](const QByteArray &) { return answer; });
        QCOMPARE(usb->open(3), 0);
        QByteArray reply;
        QCOMPARE(exchange(queryFrame(0x13), &reply), 0);
        QCOMPARE(reply.left(264), answer + QByteArray(264 - answer.size(), '\0'));
        QCOMPARE(reply.mid(264), QByteArray(16, char(0xEE))); // nothing past the block
        QCOMPARE(printer->writes(), QList<QByteArray>{queryFrame(0x13)});
        QVERIFY(LogCapture::contains(QStringLiteral("libusb_bulk_transfer write: 9 9\n")));
        // Nothing stays claimed between transfers.
        QCOMPARE(printer->claimCount(), 1);
        QCOMPARE(printer->releaseCount(), 1);
    }

    void exchangeWithoutReplyAreaOnlyWrites()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        QCOMPARE(usb->open(3), 0);
        QCOMPARE(exchange(queryFrame(0x13)), 0);
        QCOMPARE(printer->writes().size(), 1);
        // The reply was never read: it is still waiting on the IN endpoint, and the
        // console reader takes it as one whole block.
        const QByteArray pending = usb->readPending();
        QCOMPARE(pending.size(), 264);
        const QByteArray expected = modelReply(printer, 0x13);
        QCOMPARE(pending, expected + QByteArray(264 - expected.size(), '\0'));
    }

    void sessionOverUsb()
    {
        EmulatedUsbPrinter *printer = addPrinter(printerOn(1, 2, "5"));
        printer->model().setStatusWord(0x04028001);
        PrinterSession session;
        QCOMPARE(session.openUsb(5), 0);
        QCOMPARE(session.medium(), int(MEDIUM_USB));
        quint32 word = 0;
        QCOMPARE(session.readStatusWord(&word), 0);
        QCOMPARE(word, 0x04028001u);
        QCOMPARE(printer->claimCount(), 0); // no interface is claimed for the word
        unsigned char out[frame::kQueryOutSize];
        QCOMPARE(session.queryInfo(INFO_PRINT_SPEED, out), 0);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out),
                            printer->model().value(INFO_PRINT_SPEED).size()),
                 printer->model().value(INFO_PRINT_SPEED));
        QCOMPARE(session.sendSet(INFO_PRINT_SPEED, QByteArray(1, '\2')), 0);
        QCOMPARE(printer->writes().last(), QByteArray::fromHex("1BFFFE010001021BFEFF"));
        session.close();
        QCOMPARE(session.queryInfo(INFO_PRINT_SPEED, out), int(RESULT_USB_IO));
        QCOMPARE(printer->writes().size(), 2);
    }

    void operationsAfterCloseFail_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("exchange") << 0;
        QTest::newRow("write only") << 1;
        QTest::newRow("pending read") << 2;
        QTest::newRow("status word") << 3;
    }

    void operationsAfterCloseFail()
    {
        QFETCH(int, operation);
        EmulatedUsbPrinter *printer = addPrinter();
        QCOMPARE(usb->open(3), 0);
        usb->close();
        if (operation == 0)
            QCOMPARE(exchange(queryFrame(0x13)), 4);
        else if (operation == 1)
            QCOMPARE(usb->write(queryFrame(0x13)), 4);
        else if (operation == 2)
            QVERIFY(usb->readPending().isEmpty());
        else
            QCOMPARE(statusWord(*usb), -1);
        QVERIFY(printer->writes().isEmpty());
    }

    void claimRefusedByKernelDriver_data()
    {
        QTest::addColumn<bool>("writeOnly");
        // An exchange gives up (the next one can claim); a write claims again at once.
        QTest::newRow("exchange") << false;
        QTest::newRow("write only") << true;
    }

    void claimRefusedByKernelDriver()
    {
        QFETCH(bool, writeOnly);
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setKernelDriverBound(true);
        QCOMPARE(usb->open(3), 0);
        QCOMPARE(writeOnly ? usb->write(queryFrame(0x13)) : exchange(queryFrame(0x13)),
                 writeOnly ? 0 : 5);
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_claim_interface err is : LIBUSB_ERROR_BUSY")));
        QVERIFY(LogCapture::contains(QStringLiteral("held by another driver")));
        QCOMPARE(printer->detachCount(), 1);
        QCOMPARE(printer->writes().size(), writeOnly ? 1 : 0);
        QCOMPARE(exchange(queryFrame(0x13)), 0);
        QCOMPARE(printer->writes().size(), writeOnly ? 2 : 1);
    }

    void silentPrinterTimesOut()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setSilent(true);
        QCOMPARE(usb->open(3), 0);
        QByteArray reply;
        QCOMPARE(exchange(queryFrame(0x13), &reply), 4);
        QCOMPARE(reply, QByteArray(264 + 16, char(0xEE))); // the reply area untouched
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_bulk_transfer read failed: LIBUSB_ERROR_TIMEOUT\n")));
        QCOMPARE(printer->releaseCount(), 1);
        QVERIFY(usb->readPending().isEmpty());
        QCOMPARE(printer->openTransfers(), 0);
    }

    void slowPrinter_data()
    {
        QTest::addColumn<int>("writeDelay");
        QTest::addColumn<int>("replyDelay");
        QTest::addColumn<int>("exchangeResult");
        QTest::addColumn<int>("writeResult");
        // Shortened time-outs: 600 ms for the exchange, 2500 ms for write-only frames.
        QTest::newRow("slow reply within the time-out") << 0 << 150 << 0 << 0;
        QTest::newRow("slow acceptance: only the long write waits") << 1100 << 0 << 4 << 0;
        QTest::newRow("slower than every time-out") << 3000 << 0 << 4 << 4;
    }

    void slowPrinter()
    {
        QFETCH(int, writeDelay);
        QFETCH(int, replyDelay);
        QFETCH(int, exchangeResult);
        QFETCH(int, writeResult);
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setWriteDelayMs(writeDelay);
        printer->setReplyDelayMs(replyDelay);
        QCOMPARE(usb->open(3), 0);
        QByteArray reply;
        QCOMPARE(exchange(queryFrame(0x13), &reply), exchangeResult);
        if (exchangeResult == 0)
            QCOMPARE(reply.left(modelReply(printer, 0x13).size()), modelReply(printer, 0x13));
        else
            QVERIFY(LogCapture::contains(
                QStringLiteral("libusb_bulk_transfer write failed: LIBUSB_ERROR_TIMEOUT\n")));
        QCOMPARE(usb->write(queryFrame(0x13)), writeResult);
    }

    void unplugDuringTransfer()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setReplyDelayMs(10000);
        QCOMPARE(usb->open(3), 0);
        printer->unplugAfterMs(100);
        QByteArray reply;
        QCOMPARE(exchange(queryFrame(0x13), &reply), 4);
        QVERIFY(printer->unplugged());
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_bulk_transfer read failed: LIBUSB_ERROR_NO_DEVICE\n")));
        QVERIFY(LogCapture::contains(QStringLiteral("unplugged")));
        // Later transfers fail at once, and the printer is gone from the bus.
        QVERIFY(exchange(queryFrame(0x13), &reply) != 0);
        QVERIFY(usb->write(queryFrame(0x13)) != 0);
        QVERIFY(statusWord(*usb) != 0);
        bus->removeDevice(printer);
        QCOMPARE(usb->open(3), -1);
    }

    void streamPiece_data()
    {
        QTest::addColumn<int>("acceptLimit");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("bytesOut");
        // A 300-byte piece; the write-only time-out is shortened to 2500 ms.
        QTest::newRow("whole piece") << -1 << false << 0 << 300;
        QTest::newRow("part taken, then the time-out") << 100 << false << 4 << 100;
        QTest::newRow("stalled, stopped") << 0 << true << 4 << 0;
        QTest::newRow("part taken, stopped") << 120 << true << 4 << 120;
    }

    void streamPiece()
    {
        QFETCH(int, acceptLimit);
        QFETCH(bool, stop);
        QFETCH(int, result);
        QFETCH(int, bytesOut);
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setAcceptLimit(acceptLimit);
        QCOMPARE(usb->open(3), 0);
        const QByteArray data(300, 'p');
        int polls = 0;
        StreamPiece piece;
        piece.stopRequested = [&polls, stop] { return ++polls > 1 && stop; };
        QCOMPARE(usb->write(data, &piece), result);
        QCOMPARE(piece.bytesOut, qint64(bytesOut));
        QCOMPARE(printer->writes().join(), data.left(bytesOut));
        // A stopped transfer ends at the next poll, long before the time-out.
        if (stop)
            QCOMPARE(polls, 2);
        QCOMPARE(printer->openTransfers(), 0);
        QCOMPARE(printer->releaseCount(), 1);
    }

    void endpointLookupUsesTheInterfaceStringIndex()
    {
        EmulatedDeviceSpec deviceSpec = printerOn(1, 2, "3");
        deviceSpec.interfaceStringIndex = 4;
        EmulatedUsbPrinter *printer = addPrinter(deviceSpec);
        QCOMPARE(usb->open(3), 0);
        QCOMPARE(exchange(queryFrame(0x13)), 4);
        QVERIFY(LogCapture::contains(QStringLiteral("Get Printer EndPoint falied")));
        QVERIFY(printer->writes().isEmpty());
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
