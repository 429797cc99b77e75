#include "transport/nettransport.h"

#include "protocol/commandcodes.h"

// Placeholder until the network transport lands: nothing is found and every
// exchange reports a network failure.
NetHandleRecord *DeviceIoContrl_Net::printer_handle_net = nullptr;
QMap<QString, QString> DeviceIoContrl_Net::m_NetData;

DeviceIoContrl_Net::DeviceIoContrl_Net(MainWindow *window) : m_window(window) {}
DeviceIoContrl_Net::~DeviceIoContrl_Net() = default;

int DeviceIoContrl_Net::Connect_Server(const QString &, quint16) { return 1; }
void DeviceIoContrl_Net::Disconnect_Server() {}
int DeviceIoContrl_Net::PrinterDataIORead(unsigned char *, int, unsigned char *, int &)
{
    return RESULT_NETWORK;
}
int DeviceIoContrl_Net::PrinterDataIOButton(unsigned char *, int, unsigned char *, int &)
{
    return RESULT_NETWORK;
}
int DeviceIoContrl_Net::ReadFromControlEndpoint(int, unsigned char *, int &)
{
    return RESULT_NETWORK;
}
QByteArray DeviceIoContrl_Net::readDebugData() { return QByteArray(); }
int DeviceIoContrl_Net::GetPrinterHandle(_PRINTER_ATTR *, Printer_Vector &) { return 0; }
void DeviceIoContrl_Net::readPendingDatagrams() {}
