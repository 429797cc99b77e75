#pragma once

#include <QString>
#include <optional>

class PrinterSession;

// The WiFi module's settings in the units its page shows, read from and written to the
// printer without widgets. An unset field was not read, or is not to be written.
enum class WifiMode
{
    Station = 0,
    AccessPoint = 1
};

struct WifiSettings
{
    std::optional<WifiMode> mode;
    std::optional<QString> stationName;
    std::optional<QString> stationPassword;
    std::optional<QString> apName;
    std::optional<QString> apPassword;
    std::optional<QString> apAddress; // dotted; "..." (an empty box) is sent as 192.168.1.1
    std::optional<quint16> port;      // the TCP service port
    std::optional<QString> mac;       // read only
    std::optional<bool> dhcp;
    std::optional<QString> ip; // dotted, like the mask, gateway and DNS
    std::optional<QString> mask;
    std::optional<QString> gateway;
    std::optional<QString> dns;
};

// The groups a write sends, each as one frame: mode, credentials (station, or access
// point in access point mode), service port, IP configuration.
struct WifiGroups
{
    bool mode = false;
    bool credentials = false;
    bool port = false;
    bool ip = false;
    bool any() const { return mode || credentials || port || ip; }
};

// Reads everything in one operation. A failed mode, station, port or MAC query ends the
// read with the session's failure code; a failed access point or IP query gives that code
// too, and an access point answer without its separators RESULT_BAD_REPLY, both after the
// rest is read. In station mode the access point fields stay unset, and the other way
// round.
int readWifiSettings(PrinterSession &session, WifiSettings *out);

// The groups holding a field set in `wanted` that differs from `known`.
WifiGroups changedWifiGroups(const WifiSettings &wanted, const WifiSettings &known);

// Sends, in one operation, the changed groups in the order above, pausing after each so
// that the module takes it in; every group is sent even after a failure. A group's frame
// takes the fields `wanted` leaves unset from `known`. `sent` receives the groups sent.
// Returns the first failure in group order, or 0.
int writeWifiSettings(PrinterSession &session, const WifiSettings &wanted,
                      const WifiSettings &known, WifiGroups *sent = nullptr);

// The single frames, also used by provisioning; no operation of their own.
int writeWifiMode(PrinterSession &session, WifiMode mode);
int writeWifiStation(PrinterSession &session, const QString &name, const QString &password);
