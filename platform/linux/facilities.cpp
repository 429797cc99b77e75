#include "platform/facilities.h"

namespace platform {

Facilities facilities()
{
    Facilities f;
    f.sendQueueDepth = true;
    f.udev = true;
    f.kernelPrinterDriver = true;
    f.printSpooler = true;
    f.routeQuery = true;
    f.networkManager = true;
    f.stopSignals = true;
    return f;
}

} // namespace platform
