#pragma once

// What this system offers beyond Qt: the checks and features that need one of these say
// "not on this system" where it is missing, rather than failing.
namespace platform {

struct Facilities
{
    bool sendQueueDepth = false;      // bytes of a TCP connection the peer has not acknowledged
    bool udev = false;                // udev rules and udevadm give users the USB printers
    bool kernelPrinterDriver = false; // a kernel printer driver (usblp) may hold the interface
    bool printSpooler = false;        // print queues listed by lpstat
    bool routeQuery = false;          // "ip route get" tells the route to an address
    bool networkManager = false;      // nmcli lists the WiFi networks this computer sees
    bool stopSignals = false;         // SIGINT and SIGTERM with sigaction, a second one at once
};

// This build's facilities; every one false on the portable platform.
Facilities facilities();

} // namespace platform
