#pragma once

#include "transport/printerlist.h"
#include "transport/streampiece.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <memory>

class MainWindow;
struct libusb_device;
struct libusb_context;
enum class UsbStep;

// The printer opened on USB, kept between "open" and "close".
struct UsbHandleRecord
{
    libusb_device *pHandle = nullptr;
    libusb_context *usbContext = nullptr;
    int vendorId = 0;
    int productId = 0;
};

// Time-outs of the USB transfers in milliseconds.
struct UsbTimeouts
{
    unsigned int exchangeMs = 3000;      // query write and every bulk read
    unsigned int buttonWriteMs = 300000; // write-only frames and file chunks
    unsigned int controlMs = 5000;       // status word control read
};

// USB side of the printer transport: discovery, open by port number and frame
// transfers over the bulk endpoints. Every transfer opens, claims, releases and
// closes the device again.
class CDeviceIOOpera : public QObject
{
    Q_OBJECT
public:
    static constexpr int kVendorId = 0x4B7E;
    static constexpr int kReplyBlockSize = 264;

    explicit CDeviceIOOpera(MainWindow *window);
    ~CDeviceIOOpera() override;

    // The record of the newest transport object. Each object owns its own record; an
    // older object that is destroyed later leaves the newer object's record alone.
    static UsbHandleRecord *printer_handle_usb;

    int GetPrinterHandle(_PRINTER_ATTR *attrs, Printer_Vector &list);
    int GetPrinterHandle(int portNumber);
    int FindPrinterDevOrder(int portNumber, libusb_device **devices, int count);
    void ClosePrinterHandle();
    int GetUSBDevEndPoint(libusb_device *device, int interfaceKey, int &interfaceNumber,
                          unsigned char &endpointIn, unsigned char &endpointOut);

    int PrinterDataIOSwap(unsigned char *frame, int length, unsigned char *reply, int &replyLength);
    // With `piece`, the frame is one piece of a stream (see StreamPiece).
    int PrinterDataIOButton(unsigned char *frame, int length, unsigned char *reply,
                            int &replyLength, StreamPiece *piece = nullptr);
    QByteArray readDebugData();
    int ReadFromControlEndpoint(unsigned char *buffer, int &length);

    QMap<QString, QString> getmData() const { return m_data; }

    // Brand word shown in the device list for a product id ("Unknown" when none).
    static const char *brandForProduct(int productId);

    // Tests shorten the transfer time-outs; production code never calls these.
    static void setTimeoutsForTesting(const UsbTimeouts &timeouts);
    static UsbTimeouts timeouts();

private:
    struct OpenedInterface;
    // The steps shared by the bulk operations: selected printer, endpoints, open,
    // claim. On failure `failedStep` names the step and `code` holds its libusb code;
    // after a failed claim the device stays open so that the caller can react.
    bool openAndClaim(OpenedInterface &io, UsbStep &failedStep, int &code);
    static void releaseAndClose(OpenedInterface &io);
    void addToListWidget(const _PRINTER_ATTR *attrs, int count);

    MainWindow *m_window;
    QMap<QString, QString> m_data;
    std::unique_ptr<UsbHandleRecord> m_record;
};
