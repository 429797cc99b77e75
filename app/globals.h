#pragma once

#include <QByteArray>
#include <QRandomGenerator>

class CDeviceIOOpera;
class DeviceIoContrl_Net;

// Process-wide state shared by the window, its pages and the transports. All of it is
// touched on the GUI thread only.
extern int ret_mode;       // 1 USB, 2 network, 3 Bluetooth, 4 serial
extern int mmToDot;        // dots per millimetre of the open printer: 8 or 12
extern int printModeFlag;  // 1 when the open model has the print-mode setting
extern int CHECK_STATUES;  // 1 once the stripper question was confirmed for this device
extern bool getListStatus; // a device-list search is running

extern bool timeoutFlag_TCP;
extern bool readReady_TCP;
extern bool scanFlag_TCP;
extern QByteArray rtBuf;
extern QByteArray recvBuf_TCP;
extern QByteArray resultBuf_TCP;
extern const QByteArray head; // 1B FF FE
extern const QByteArray tail; // 1B FE FF
extern int randomInt;
extern int lastNumber;
extern QRandomGenerator generator;

extern CDeviceIOOpera *contrlUsb;
extern DeviceIoContrl_Net *contrlNet;
