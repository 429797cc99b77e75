#pragma once

#include "transport/printerlist.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class MainWindow;
struct libusb_device;
struct libusb_context;

// The printer opened on USB, kept between "open" and "close".
struct UsbHandleRecord
{
    libusb_device *pHandle = nullptr;
    libusb_context *usbContext = nullptr;
    int vendorId = 0;
    int productId = 0;
};

// USB side of the printer transport: discovery, open by port number and frame
// transfers over the bulk endpoints. Every transfer opens, claims, releases and
// closes the device again.
class CDeviceIOOpera : public QObject
{
    Q_OBJECT
public:
    explicit CDeviceIOOpera(MainWindow *window);
    ~CDeviceIOOpera() override;

    static UsbHandleRecord *printer_handle_usb;

    int GetPrinterHandle(_PRINTER_ATTR *attrs, Printer_Vector &list);
    int GetPrinterHandle(int portNumber);
    int FindPrinterDevOrder(int portNumber, libusb_device **devices, int count);
    void ClosePrinterHandle();
    int GetUSBDevEndPoint(libusb_device *device, int interfaceKey, int &interfaceNumber,
                          unsigned char &endpointIn, unsigned char &endpointOut);

    int PrinterDataIOSwap(unsigned char *frame, int length, unsigned char *reply,
                          int &replyLength);
    int PrinterDataIOButton(unsigned char *frame, int length, unsigned char *reply,
                            int &replyLength);
    QByteArray readDebugData();
    int ReadFromControlEndpoint(unsigned char *buffer, int &length);

    QMap<QString, QString> getmData() const { return m_data; }

private:
    MainWindow *m_window;
    QMap<QString, QString> m_data;
};
