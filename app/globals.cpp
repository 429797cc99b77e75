#include "app/globals.h"

#include "protocol/frame.h"

int ret_mode = 1;
int mmToDot = 8;
int printModeFlag = 0;
int CHECK_STATUES = 0;
bool getListStatus = false;

bool timeoutFlag_TCP = false;
bool readReady_TCP = false;
bool scanFlag_TCP = false;
QByteArray rtBuf;
QByteArray recvBuf_TCP;
QByteArray resultBuf_TCP;
const QByteArray head = frame::head();
const QByteArray tail = frame::tail();
int randomInt = 0;
int lastNumber = -1;
QRandomGenerator generator(QRandomGenerator::securelySeeded());

CDeviceIOOpera *contrlUsb = nullptr;
DeviceIoContrl_Net *contrlNet = nullptr;
