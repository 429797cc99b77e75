#pragma once

#include "core/protocol/commandcodes.h"
#include "device/link/foundprinter.h"
#include "device/link/printerlink.h"

#include <QStringList>

struct libusb_device;
struct libusb_context;

// Time-outs of the USB transfers in milliseconds.
struct UsbTimeouts
{
    unsigned int exchangeMs = 3000; // query write and every bulk read
    unsigned int writeMs = 300000;  // write-only frames and file pieces
    unsigned int controlMs = 5000;  // status word control read
};

// The printer on USB, selected by its port number. Every transfer opens, claims,
// releases and closes the device again, so that other programs can reach it between
// two operations.
class UsbLink : public PrinterLink
{
    Q_OBJECT

public:
    static constexpr int kVendorId = 0x4B7E;
    static constexpr int kReplyBlockSize = 264;
    // The device list shows at most this many USB printers.
    static constexpr int kListLimit = 5;

    // Its entry in the link registry: "usb" (the first printer listed) or "usb:PORT".
    static constexpr const char *kScheme = "usb";
    static constexpr int kMedium = MEDIUM_USB;
    static constexpr bool kBare = false;
    // "" or a port number from 1 to 255.
    static bool parseTarget(const QString &rest, PrinterAddress *out);
    static QString targetText(const PrinterAddress &address);

    explicit UsbLink(QObject *parent = nullptr);
    ~UsbLink() override;

    // The attached printers in bus order, at most kListLimit; each one's device-list
    // entry reads "brand [product] {USBnnn}".
    static QList<FoundPrinter> listPrinters();
    // The brand word of an entry for a product id ("Unknown" when none).
    static const char *brandForProduct(int productId);

    // Selects the printer at `portNumber` (the last match in bus order); 0 on success.
    int open(int portNumber);
    int open(const PrinterAddress &address) override;
    bool isOpen() const { return m_device != nullptr; }
    int productId() const { return m_productId; }

    int medium() const override;
    int exchange(const QByteArray &request, unsigned char *reply) override;
    int write(const QByteArray &bytes, StreamPiece *piece = nullptr) override;
    int readStatusData(QByteArray *data) override;
    QByteArray readPending() override;
    void close() override;

    // The bulk endpoints of the interface whose iInterface is `interfaceKey`; 0 or a
    // libusb code.
    static int findEndpoints(libusb_device *device, int interfaceKey, int &interfaceNumber,
                             unsigned char &endpointIn, unsigned char &endpointOut);

    // Tests shorten the transfer time-outs (of the session's link too); production code
    // never calls this.
    static void setDefaultTimeouts(const UsbTimeouts &timeouts);
    static UsbTimeouts defaultTimeouts();

private:
    struct Claimed;
    // Opens the selected printer and claims its interface. A claim refused because a
    // kernel driver holds the interface detaches that driver; `retryAfterDetach` then
    // claims again at once. On failure the result code is in `result`.
    bool claim(Claimed &io, bool retryAfterDetach, int &result);
    static void release(Claimed &io);
    // One bulk IN block; 0 or a libusb code.
    int readBlock(Claimed &io, unsigned char *block);

    libusb_context *m_context = nullptr;
    libusb_device *m_device = nullptr;
    int m_productId = 0;
};
