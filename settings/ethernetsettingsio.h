#pragma once

#include <QString>
#include <optional>

class PrinterSession;

// The wired port's settings in the units its page shows. An unset field was not read, or
// is not to be written.
struct EthernetSettings
{
    std::optional<bool> dhcp;
    std::optional<QString> ip; // dotted, like the mask and gateway
    std::optional<QString> mask;
    std::optional<QString> gateway;
    std::optional<quint16> tcpPort;
    std::optional<quint16> udpPort;
};

// Reads the ports, then the addresses, in one operation; both queries run. The first
// failure, or 0.
int readEthernetSettings(PrinterSession &session, EthernetSettings *out);

// Sends, in one operation, the address frame (when mode and all three addresses are set)
// and then the port frame (when both ports are set), the second even after the first
// failed. The first failure, or 0.
int writeEthernetSettings(PrinterSession &session, const EthernetSettings &settings);
