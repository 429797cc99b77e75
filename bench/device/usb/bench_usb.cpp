// Measures the USB transport against the emulated printer: file chunks written with
// the write-only operation (each with its full open, claim, transfer, release, close
// cycle) and query exchanges. Prints "BENCH <name> <value> <unit>" lines.
#include "emulatedusbprinter.h"

#include "device/link/usblink.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kChunkSize = 10240;
constexpr int kChunks = 400; // 4 MB
constexpr int kQueryCycles = 300;

} // namespace

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QCoreApplication app(argc, argv);
    if (!EmulatedUsbBus::available()) {
        std::printf("bench_usb: skipped, %s\n", qPrintable(EmulatedUsbBus::unavailableReason()));
        return 0;
    }

    EmulatedUsbBus bus;
    EmulatedUsbPrinter *printer = bus.addDevice(EmulatedDeviceSpec());
    if (!printer) {
        std::fprintf(stderr, "bench_usb: the emulated printer could not be added\n");
        return 1;
    }

    int result = 0;
    {
        UsbLink usb;
        if (usb.open(3) != 0) {
            std::fprintf(stderr, "bench_usb: opening the emulated printer failed\n");
            return 1;
        }
        // The transport logs every transfer; the log is not what is measured.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

        QByteArray chunk(kChunkSize, '\0');
        for (int i = 0; i < kChunkSize; ++i)
            chunk[i] = char(i * 31);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kChunks && result == 0; ++i)
            result = usb.write(chunk);
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (result != 0) {
            std::fprintf(stderr, "bench_usb: chunk write failed with %d\n", result);
            return 1;
        }
        std::printf("BENCH usb_chunk_throughput %.2f MB/s\n",
                    double(kChunks) * kChunkSize / 1e6 / seconds);

        const QByteArray query = QByteArray::fromHex("1BFFFE0213001BFEFF");
        unsigned char reply[UsbLink::kReplyBlockSize];
        timer.restart();
        for (int i = 0; i < kQueryCycles && result == 0; ++i) {
            result = usb.exchange(query, reply);
            if (result == 0 && reply[4] != 0x13)
                result = 1;
        }
        const double perCycleMs = timer.nsecsElapsed() / 1e6 / kQueryCycles;
        if (result != 0) {
            std::fprintf(stderr, "bench_usb: query exchange failed with %d\n", result);
            return 1;
        }
        std::printf("BENCH usb_query_cycle %.3f ms\n", perCycleMs);
        usb.close();
        qInstallMessageHandler(nullptr);
    }
    std::printf("bench_usb: %d writes reached the printer\n", printer->writes().size());
    return 0;
}
