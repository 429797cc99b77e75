// The USB transport against printers emulated behind the real libusb.
#include "emulatedusbprinter.h"

#include "app/globals.h"
#include "protocol/frame.h"
#include "sim/printermodel.h"
#include "transport/usbtransport.h"

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
    static bool contains(const QString &line)
    {
        QMutexLocker lock(&logMutex);
        return logLines.contains(line);
    }
    static bool containsPart(const QString &part)
    {
        QMutexLocker lock(&logMutex);
        return !logLines.filter(part).isEmpty();
    }

private:
    QtMessageHandler m_previous = nullptr;
};

QByteArray queryFrame(quint8 item)
{
    return QByteArray::fromHex("1BFFFE0200").replace(4, 1, QByteArray(1, char(item))) +
           QByteArray::fromHex("001BFEFF");
}

// The frame with which the simulated printer answers a query for `item`.
QByteArray modelReply(EmulatedUsbPrinter *printer, quint8 item)
{
    const QByteArray value = printer->model().value(item);
    return QByteArray::fromHex("1BFFFE02") + char(item) + char(value.size()) + value +
           QByteArray::fromHex("1BFEFF");
}

const char *const kNoPrinterLog =
    "printer_handle_usb == NULL or  printer_handle_usb->pHandle == NULL";

} // namespace

class TestUsbTransport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EmulatedUsbBus> bus;
    std::unique_ptr<CDeviceIOOpera> usb;
    std::unique_ptr<LogCapture> log;

    EmulatedUsbPrinter *addPrinter(const EmulatedDeviceSpec &deviceSpec = EmulatedDeviceSpec())
    {
        EmulatedUsbPrinter *p = bus->addDevice(deviceSpec);
        if (!p)
            qFatal("the emulated device could not be added");
        return p;
    }

    static EmulatedDeviceSpec printerOn(int busNumber, int device, const QString &port,
                                        const QByteArray &product = "ABC")
    {
        EmulatedDeviceSpec deviceSpec;
        deviceSpec.bus = busNumber;
        deviceSpec.deviceNumber = device;
        deviceSpec.portPath = port;
        deviceSpec.product = product;
        return deviceSpec;
    }

    int swap(const QByteArray &frame, QByteArray *reply, int *replyLength)
    {
        QByteArray out = frame;
        unsigned char buffer[CDeviceIOOpera::kReplyBlockSize + 16];
        std::memset(buffer, 0xEE, sizeof(buffer));
        int length = *replyLength;
        const int code = usb->PrinterDataIOSwap(reinterpret_cast<unsigned char *>(out.data()),
                                                out.size(), reply ? buffer : nullptr, length);
        *replyLength = length;
        if (reply)
            *reply = QByteArray(reinterpret_cast<const char *>(buffer), sizeof(buffer));
        return code;
    }

    int button(const QByteArray &frame)
    {
        QByteArray out = frame;
        int length = 0;
        return usb->PrinterDataIOButton(reinterpret_cast<unsigned char *>(out.data()), out.size(),
                                        nullptr, length);
    }

private slots:
    void initTestCase()
    {
        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
        // Short waits keep the time-out cases quick; the relations between them stay.
        UsbTimeouts shortened;
        shortened.exchangeMs = 600;
        shortened.buttonWriteMs = 2500;
        shortened.controlMs = 600;
        CDeviceIOOpera::setTimeoutsForTesting(shortened);
    }

    void init()
    {
        bus = std::make_unique<EmulatedUsbBus>();
        usb = std::make_unique<CDeviceIOOpera>(nullptr);
        log = std::make_unique<LogCapture>();
        getListStatus = true;
    }

    void cleanup()
    {
        // No libusb context may outlive the emulated bus.
        usb.reset();
        bus.reset();
        log.reset();
    }

    void discoveryEntry_data()
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
        QTest::newRow("port 7") << 0x4B7E << 1285 << QByteArray("ABC") << "7"
                                << "Sable Kestrel [ABC] {USB007}";
        QTest::newRow("port 123 behind a hub") << 0x4B7E << 1285 << QByteArray("ABC") << "4.123"
                                               << "Sable Kestrel [ABC] {USB123}";
        QTest::newRow("other vendor, brand product id")
            << 0x4B7F << 1285 << QByteArray("ABC") << "3"
            << "";
    }

    void discoveryEntry()
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

        _PRINTER_ATTR attrs[kPrinterAttrCount];
        std::memset(attrs, 0, sizeof(attrs));
        Printer_Vector list;
        const int found = usb->GetPrinterHandle(attrs, list);

        if (entry.isEmpty()) {
            QCOMPARE(found, 0);
            QVERIFY(list.devices.isEmpty());
            QCOMPARE(attrs[0].modelname[0], '\0');
            return;
        }
        QCOMPARE(found, 1);
        QCOMPARE(QString::fromUtf8(attrs[0].modelname), entry);
        QCOMPARE(list.devices.size(), 1);
        const PrinterDevEntry &device = list.devices.first();
        QCOMPARE(QByteArray(device.productString),
                 productString.isEmpty() ? QByteArray("Unknown") : productString);
        QCOMPARE(QString::fromLatin1(device.portName), entry.mid(entry.indexOf("{") + 1, 6));
    }

    void discoveryNeverWritesPastFiveRecords()
    {
        for (int i = 0; i < 7; ++i)
            addPrinter(printerOn(1, 2 + i, QString::number(i + 1), "P" + QByteArray::number(i)));

        // Seven records, the last two must stay as they were.
        _PRINTER_ATTR attrs[7];
        std::memset(attrs, 0, sizeof(attrs));
        std::memset(&attrs[5], 0xA5, 2 * sizeof(_PRINTER_ATTR));
        Printer_Vector list;
        QCOMPARE(usb->GetPrinterHandle(attrs, list), 1);

        QCOMPARE(list.devices.size(), kPrinterAttrCount);
        for (int i = 0; i < kPrinterAttrCount; ++i)
            QVERIFY(QByteArray(attrs[i].modelname).startsWith("Sable Kestrel [P"));
        for (int i = 5; i < 7; ++i) {
            const QByteArray record(reinterpret_cast<const char *>(&attrs[i]),
                                    sizeof(_PRINTER_ATTR));
            QCOMPARE(record, QByteArray(sizeof(_PRINTER_ATTR), char(0xA5)));
        }
        QVERIFY(LogCapture::containsPart(QStringLiteral("More than 5 USB printers attached")));
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
        QCOMPARE(usb->GetPrinterHandle(requestedPort), result);
        UsbHandleRecord *record = CDeviceIOOpera::printer_handle_usb;
        QVERIFY(record);
        if (result != 0) {
            QVERIFY(!record->pHandle);
            QVERIFY(!record->usbContext);
            QVERIFY(LogCapture::contains(QStringLiteral("FindPrinterDevOrder失败")));
            return;
        }
        QVERIFY(record->pHandle);
        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 0);
        QCOMPARE(printer->writes(), QList<QByteArray>{queryFrame(0x13)});
    }

    void samePortOnTwoBusesOpensTheLaterOne()
    {
        EmulatedUsbPrinter *first = addPrinter(printerOn(1, 2, "3", "first"));
        EmulatedUsbPrinter *second = addPrinter(printerOn(2, 2, "3", "second"));

        // Which of them comes later in libusb's own device order.
        int laterBus = 0;
        {
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
        }
        QVERIFY(laterBus == 1 || laterBus == 2);

        _PRINTER_ATTR attrs[kPrinterAttrCount];
        std::memset(attrs, 0, sizeof(attrs));
        Printer_Vector list;
        QCOMPARE(usb->GetPrinterHandle(attrs, list), 1);
        QCOMPARE(list.devices.size(), 2);

        QCOMPARE(usb->GetPrinterHandle(3), 0);
        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x00), &reply, &replyLength), 0);
        EmulatedUsbPrinter *expected = laterBus == 1 ? first : second;
        EmulatedUsbPrinter *other = laterBus == 1 ? second : first;
        QCOMPARE(expected->writes().size(), 1);
        QCOMPARE(other->writes().size(), 0);
    }

    void swapWritesTheFrameAndReturnsTheWholeBlock()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        QByteArray answer = QByteArray::fromHex("1BFFFE021301021BFEFF");
        printer->setResponder([&answer](const QByteArray &) { return answer; });
        QCOMPARE(usb->GetPrinterHandle(3), 0);

        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 0);
        QCOMPARE(replyLength, 264);
        QCOMPARE(reply.left(answer.size()), answer);
        QCOMPARE(reply.mid(answer.size(), 264 - answer.size()),
                 QByteArray(264 - answer.size(), '\0'));
        QCOMPARE(reply.mid(264), QByteArray(16, char(0xEE))); // nothing past the block
        QCOMPARE(printer->writes(), QList<QByteArray>{queryFrame(0x13)});
        QVERIFY(LogCapture::contains(QStringLiteral("libusb_bulk_transfer write: 9 9\n")));
        // Nothing stays claimed between transfers.
        QCOMPARE(printer->claimCount(), 1);
        QCOMPARE(printer->releaseCount(), 1);
    }

    void swapReplyOfAFullBlock()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        QByteArray big = QByteArray::fromHex("1BFFFE0200FF");
        for (int i = 0; i < 255; ++i)
            big += char(i);
        big += QByteArray::fromHex("1BFEFF"); // 264 bytes
        printer->setResponder([big](const QByteArray &) { return big; });
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x00), &reply, &replyLength), 0);
        QCOMPARE(replyLength, 264);
        QCOMPARE(reply.left(264), big);
    }

    void swapWithoutReplyBufferOnlyWrites()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        int replyLength = 77;
        QCOMPARE(swap(queryFrame(0x13), nullptr, &replyLength), 0);
        QCOMPARE(replyLength, 77);
        QCOMPARE(printer->writes().size(), 1);
        // The reply was never read: it is still waiting on the IN endpoint.
        QCOMPARE(usb->readDebugData().left(modelReply(printer, 0x13).size()),
                 modelReply(printer, 0x13));
    }

    void statusWordThroughTheControlRequest()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->model().setStatusWord(0x04028001);
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        unsigned char word[8];
        std::memset(word, 0xEE, sizeof(word));
        int length = 0;
        QCOMPARE(usb->ReadFromControlEndpoint(word, length), 0);
        QCOMPARE(length, 4);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(word), 8),
                 QByteArray::fromHex("01800204EEEEEEEE"));
        QCOMPARE(printer->claimCount(), 0); // no interface is claimed for it
    }

    void debugReadReturnsAFullBlock()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        printer->queueInput("hello");
        const QByteArray data = usb->readDebugData();
        QCOMPARE(data.size(), 264);
        QCOMPARE(data, QByteArray("hello") + QByteArray(259, '\0'));
    }

    void operationsAfterCloseFail_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("exchange") << "swap";
        QTest::newRow("write only") << "button";
        QTest::newRow("debug read") << "debug";
        QTest::newRow("status word") << "status";
    }

    void operationsAfterCloseFail()
    {
        QFETCH(QString, operation);
        EmulatedUsbPrinter *printer = addPrinter();
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        usb->ClosePrinterHandle();
        QVERIFY(!CDeviceIOOpera::printer_handle_usb->pHandle);
        QVERIFY(!CDeviceIOOpera::printer_handle_usb->usbContext);

        if (operation == "swap") {
            QByteArray reply;
            int replyLength = 5;
            QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 4);
            QCOMPARE(replyLength, 5);
        } else if (operation == "button") {
            QCOMPARE(button(queryFrame(0x13)), 4);
        } else if (operation == "debug") {
            QVERIFY(usb->readDebugData().isEmpty());
        } else {
            unsigned char word[4] = {};
            int length = 9;
            QCOMPARE(usb->ReadFromControlEndpoint(word, length), -1);
            QCOMPARE(length, 9);
        }
        if (operation != "status")
            QVERIFY(LogCapture::contains(QString::fromLatin1(kNoPrinterLog)));
        QVERIFY(printer->writes().isEmpty());
    }

    void claimFailureDetachesTheKernelDriver()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setKernelDriverBound(true);
        QCOMPARE(usb->GetPrinterHandle(3), 0);

        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 5);
        QVERIFY(LogCapture::contains(QStringLiteral("libusb_claim_interface failed: ret = -6")));
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_claim_interface err is : LIBUSB_ERROR_BUSY")));
        QVERIFY(LogCapture::containsPart(QStringLiteral("held by another driver")));
        QCOMPARE(printer->detachCount(), 1);
        QVERIFY(printer->writes().isEmpty());

        // The next transfer can claim the interface.
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 0);
        QCOMPARE(printer->writes().size(), 1);
    }

    void silentPrinterTimesOut()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setSilent(true);
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        QByteArray reply;
        int replyLength = 3;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 4);
        QCOMPARE(replyLength, 3);
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_bulk_transfer read failed: LIBUSB_ERROR_TIMEOUT\n")));
        QCOMPARE(printer->releaseCount(), 1);
        QVERIFY(usb->readDebugData().isEmpty());
        QCOMPARE(printer->openTransfers(), 0);
    }

    void slowPrinter_data()
    {
        QTest::addColumn<int>("writeDelay");
        QTest::addColumn<int>("replyDelay");
        QTest::addColumn<int>("swapResult");
        QTest::addColumn<int>("buttonResult");
        // Shortened time-outs: 600 ms for the exchange, 2500 ms for write-only frames.
        QTest::newRow("slow reply within the time-out") << 0 << 150 << 0 << 0;
        QTest::newRow("slow acceptance: only the long write waits") << 1100 << 0 << 4 << 0;
        QTest::newRow("slower than every time-out") << 3000 << 0 << 4 << 4;
    }

    void slowPrinter()
    {
        QFETCH(int, writeDelay);
        QFETCH(int, replyDelay);
        QFETCH(int, swapResult);
        QFETCH(int, buttonResult);
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setWriteDelayMs(writeDelay);
        printer->setReplyDelayMs(replyDelay);
        QCOMPARE(usb->GetPrinterHandle(3), 0);

        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), swapResult);
        if (swapResult == 0)
            QCOMPARE(reply.left(modelReply(printer, 0x13).size()), modelReply(printer, 0x13));
        else
            QVERIFY(LogCapture::contains(
                QStringLiteral("libusb_bulk_transfer write failed: LIBUSB_ERROR_TIMEOUT\n")));
        QCOMPARE(button(queryFrame(0x13)), buttonResult);
    }

    void unplugDuringTransfer()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setReplyDelayMs(10000);
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        printer->unplugAfterMs(100);

        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 4);
        QVERIFY(printer->unplugged());
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_bulk_transfer read failed: LIBUSB_ERROR_NO_DEVICE\n")));
        QVERIFY(LogCapture::containsPart(QStringLiteral("unplugged")));

        // Later transfers fail at once, and the printer is gone from the bus.
        QVERIFY(swap(queryFrame(0x13), &reply, &replyLength) != 0);
        QVERIFY(button(queryFrame(0x13)) != 0);
        unsigned char word[4];
        int length = 0;
        QVERIFY(usb->ReadFromControlEndpoint(word, length) != 0);
        bus->removeDevice(printer);
        usb->ClosePrinterHandle();
        QCOMPARE(usb->GetPrinterHandle(3), -1);
    }
    void olderTransportDestroyedLaterKeepsTheNewerRecord()
    {
        addPrinter();
        auto older = std::make_unique<CDeviceIOOpera>(nullptr);
        auto newer = std::make_unique<CDeviceIOOpera>(nullptr);
        UsbHandleRecord *newerRecord = CDeviceIOOpera::printer_handle_usb;
        QVERIFY(newerRecord);
        QCOMPARE(newer->GetPrinterHandle(3), 0);
        older.reset();
        QCOMPARE(CDeviceIOOpera::printer_handle_usb, newerRecord);
        QVERIFY(newerRecord->pHandle);
        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x00), &reply, &replyLength), 0);
        newer.reset();
        QVERIFY(!CDeviceIOOpera::printer_handle_usb);
    }

    void buttonClaimFailureDetachesAndSends()
    {
        EmulatedUsbPrinter *printer = addPrinter();
        printer->setKernelDriverBound(true);
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        QCOMPARE(button(queryFrame(0x13)), 0);
        QVERIFY(LogCapture::contains(
            QStringLiteral("libusb_claim_interface err is : LIBUSB_ERROR_BUSY")));
        QCOMPARE(printer->detachCount(), 1);
        QCOMPARE(printer->writes(), QList<QByteArray>{queryFrame(0x13)});
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
        QCOMPARE(usb->GetPrinterHandle(3), 0);
        QByteArray data(300, 'p');
        int length = 0;
        int polls = 0;
        StreamPiece piece;
        piece.stopRequested = [&polls, stop] { return ++polls > 1 && stop; };
        QCOMPARE(usb->PrinterDataIOButton(reinterpret_cast<unsigned char *>(data.data()),
                                          data.size(), nullptr, length, &piece),
                 result);
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
        QCOMPARE(usb->GetPrinterHandle(3), 0);

        QByteArray reply;
        int replyLength = 0;
        QCOMPARE(swap(queryFrame(0x13), &reply, &replyLength), 4);
        QVERIFY(LogCapture::contains(QStringLiteral("Get Printer EndPoint falied")));
        QVERIFY(LogCapture::contains(QStringLiteral("iInterface: 4")));
        QVERIFY(printer->writes().isEmpty());

        int interfaceNumber = -1;
        unsigned char in = 0xEE, out = 0xEE;
        QCOMPARE(usb->GetUSBDevEndPoint(CDeviceIOOpera::printer_handle_usb->pHandle, 4,
                                        interfaceNumber, in, out),
                 0);
        QCOMPARE(interfaceNumber, 0);
        QCOMPARE(int(in), 0x81);
        QCOMPARE(int(out), 0x01);
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
