#include "transport/usbtransport.h"

#include "protocol/commandcodes.h"

// Placeholder until the libusb transport lands: nothing is found and every transfer
// reports that no printer is open.
UsbHandleRecord *CDeviceIOOpera::printer_handle_usb = nullptr;

CDeviceIOOpera::CDeviceIOOpera(MainWindow *window) : m_window(window) {}
CDeviceIOOpera::~CDeviceIOOpera() = default;

int CDeviceIOOpera::GetPrinterHandle(_PRINTER_ATTR *, Printer_Vector &) { return 0; }
int CDeviceIOOpera::GetPrinterHandle(int) { return -1; }
int CDeviceIOOpera::FindPrinterDevOrder(int, libusb_device **, int) { return -1; }
void CDeviceIOOpera::ClosePrinterHandle() {}
int CDeviceIOOpera::GetUSBDevEndPoint(libusb_device *, int, int &, unsigned char &,
                                      unsigned char &)
{
    return -5;
}
int CDeviceIOOpera::PrinterDataIOSwap(unsigned char *, int, unsigned char *, int &)
{
    return RESULT_USB_IO;
}
int CDeviceIOOpera::PrinterDataIOButton(unsigned char *, int, unsigned char *, int &)
{
    return RESULT_USB_IO;
}
QByteArray CDeviceIOOpera::readDebugData() { return QByteArray(); }
int CDeviceIOOpera::ReadFromControlEndpoint(unsigned char *, int &) { return -1; }
