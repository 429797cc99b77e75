// The settings pages as profiles see them: each page's plain values to and from JSON by
// readable names, the ranges a profile value must keep, and what a model lacks.
#include "settings/bluetoothsettingsio.h"
#include "settings/ethernetsettingsio.h"
#include "settings/fieldcheck.h"
#include "settings/printcodec.h"
#include "settings/printsettingsio.h"
#include "settings/profileapply.h"
#include "settings/wifisettingsio.h"
#include "protocol/printersession.h"

#include <QJsonArray>
#include <cmath>

namespace profileapply {
namespace {

const QString kAll = QStringLiteral("*");

// --- JSON <-> optional values ---

void put(QJsonObject *o, const char *key, const std::optional<int> &v)
{
    if (v)
        o->insert(QLatin1String(key), *v);
}
void put(QJsonObject *o, const char *key, const std::optional<double> &v)
{
    if (v)
        o->insert(QLatin1String(key), *v);
}
void put(QJsonObject *o, const char *key, const std::optional<QString> &v)
{
    if (v)
        o->insert(QLatin1String(key), *v);
}
void put(QJsonObject *o, const char *key, const std::optional<bool> &v)
{
    if (v)
        o->insert(QLatin1String(key), *v);
}
void put(QJsonObject *o, const char *key, const std::optional<quint16> &v)
{
    if (v)
        o->insert(QLatin1String(key), int(*v));
}
// A list setting the printer answered with an entry; an unlisted code is not a value a
// profile can carry to another printer.
void put(QJsonObject *o, const char *key, const std::optional<ListSetting> &v)
{
    if (v && !v->unlisted)
        o->insert(QLatin1String(key), v->value);
}
// A list index within the page's entries.
void putIndex(QJsonObject *o, const char *key, const std::optional<int> &v, int entries)
{
    if (v && *v >= 0 && *v < entries)
        o->insert(QLatin1String(key), *v);
}

template <typename T> void take(const QJsonObject &o, const char *key, std::optional<T> *v)
{
    const QJsonValue j = o.value(QLatin1String(key));
    if (j.isUndefined())
        return;
    if constexpr (std::is_same_v<T, QString>)
        *v = j.toString();
    else if constexpr (std::is_same_v<T, bool>)
        *v = j.toBool();
    else if constexpr (std::is_same_v<T, double>)
        *v = j.toDouble();
    else
        *v = T(qRound(j.toDouble()));
}
template <int N>
void takeList(const QJsonObject &o, const char *key, const int (&)[N], std::optional<ListSetting> *v)
{
    const QJsonValue j = o.value(QLatin1String(key));
    if (!j.isUndefined())
        *v = ListSetting{j.toInt(), false};
}

// --- checks, each naming the setting ---

struct Checker
{
    const QJsonObject &o;
    QString *error;
    bool ok = true;

    bool fail(const QString &key, const QString &why)
    {
        if (ok)
            *error = QStringLiteral("\"%1\" %2").arg(key, why);
        ok = false;
        return false;
    }
    // Only the keys the page knows.
    void known(const QStringList &keys)
    {
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!keys.contains(it.key()))
                fail(it.key(), QStringLiteral("is not a setting of this page (settings: %1)")
                                   .arg(keys.join(QLatin1String(", "))));
        }
    }
    void number(const char *key, double min, double max, bool whole = true)
    {
        const QJsonValue j = o.value(QLatin1String(key));
        if (j.isUndefined())
            return;
        const double v = j.toDouble();
        if (!j.isDouble() || (whole && v != std::floor(v)))
            fail(QLatin1String(key), whole ? QStringLiteral("must be a whole number")
                                           : QStringLiteral("must be a number"));
        else if (v < min || v > max)
            fail(QLatin1String(key), QStringLiteral("must lie between %1 and %2")
                                         .arg(QString::number(min), QString::number(max)));
    }
    // A field check of the window, on the value's text.
    void field(const char *key, const fieldcheck::Field &f)
    {
        const QJsonValue j = o.value(QLatin1String(key));
        if (j.isUndefined())
            return;
        if (!j.isDouble() && !j.isString())
            fail(QLatin1String(key), QStringLiteral("must be a number"));
        // 2.5 mm is no range fault: say what is wrong with it.
        else if (f.kind == fieldcheck::Kind::Integer && j.isDouble() &&
                 j.toDouble() != std::floor(j.toDouble()))
            fail(QLatin1String(key), QStringLiteral("must be a whole number"));
        else if (!fieldcheck::accepts(f))
            fail(QLatin1String(key), QStringLiteral("must lie between %1 and %2")
                                         .arg(QString::number(f.min), QString::number(f.max)));
    }
    void text(const char *key)
    {
        const QJsonValue j = o.value(QLatin1String(key));
        if (!j.isUndefined() && !j.isString())
            fail(QLatin1String(key), QStringLiteral("must be a text"));
    }
    void address(const char *key)
    {
        const QJsonValue j = o.value(QLatin1String(key));
        if (j.isUndefined())
            return;
        if (!j.isString() || !fieldcheck::accepts(fieldcheck::address(QLatin1String(key), j.toString())))
            fail(QLatin1String(key), QStringLiteral("must be an address of four parts 0 to 255"));
    }
    void flag(const char *key)
    {
        const QJsonValue j = o.value(QLatin1String(key));
        if (!j.isUndefined() && !j.isBool())
            fail(QLatin1String(key), QStringLiteral("must be true or false"));
    }
    template <int N> void oneOf(const char *key, const int (&values)[N])
    {
        const QJsonValue j = o.value(QLatin1String(key));
        if (j.isUndefined())
            return;
        QStringList allowed;
        for (int v : values)
            allowed << QString::number(v);
        if (!j.isDouble() || !allowed.contains(QString::number(j.toDouble())))
            fail(QLatin1String(key), QStringLiteral("must be one of %1").arg(allowed.join(QLatin1String(", "))));
    }
};

QString numberText(const QJsonObject &o, const char *key)
{
    const QJsonValue j = o.value(QLatin1String(key));
    return j.isString() ? j.toString() : QString::number(j.toDouble());
}

// --- print ---

const QStringList kPrintKeys{"speed",         "density",          "labelGapMm", "blackMarkGapMm",
                             "direction",     "method",           "printOffsetMm",
                             "verticalOffsetMm", "printMode",     "autoPaper",  "paperType",
                             "codePage",      "commandSet",       "widthMm",    "heightMm",
                             "menuLanguage"};

QJsonObject printJson(const PrintSettings &s)
{
    QJsonObject o;
    putIndex(&o, "speed", s.speed, 8);
    putIndex(&o, "density", s.density, 16);
    put(&o, "labelGapMm", s.labelGapMm);
    put(&o, "blackMarkGapMm", s.blackMarkGapMm);
    putIndex(&o, "direction", s.direction, 2);
    putIndex(&o, "method", s.method, 2);
    put(&o, "printOffsetMm", s.printOffsetMm);
    put(&o, "verticalOffsetMm", s.verticalOffsetMm);
    putIndex(&o, "printMode", s.printMode, 3);
    putIndex(&o, "autoPaper", s.autoPaper, 2);
    putIndex(&o, "paperType", s.paperType, 4);
    putIndex(&o, "codePage", s.codePage, 62);
    if (s.commandSet && printcodec::commandSetCodes().contains(uint8_t(*s.commandSet)))
        o.insert(QStringLiteral("commandSet"), printcodec::commandSetCodes().value(uint8_t(*s.commandSet)));
    put(&o, "widthMm", s.widthMm);
    put(&o, "heightMm", s.heightMm);
    putIndex(&o, "menuLanguage", s.menuLanguage, 7);
    return o;
}

PrintSettings printValues(const QJsonObject &o)
{
    PrintSettings s;
    take(o, "speed", &s.speed);
    take(o, "density", &s.density);
    take(o, "labelGapMm", &s.labelGapMm);
    take(o, "blackMarkGapMm", &s.blackMarkGapMm);
    take(o, "direction", &s.direction);
    take(o, "method", &s.method);
    take(o, "printOffsetMm", &s.printOffsetMm);
    take(o, "verticalOffsetMm", &s.verticalOffsetMm);
    take(o, "printMode", &s.printMode);
    take(o, "autoPaper", &s.autoPaper);
    take(o, "paperType", &s.paperType);
    take(o, "codePage", &s.codePage);
    if (o.contains(QLatin1String("commandSet")))
        s.commandSet = printcodec::commandSetCode(o.value(QLatin1String("commandSet")).toString());
    take(o, "widthMm", &s.widthMm);
    take(o, "heightMm", &s.heightMm);
    take(o, "menuLanguage", &s.menuLanguage);
    return s;
}

bool checkPrint(const QJsonObject &o, int dots, QString *error)
{
    Checker c{o, error};
    c.known(kPrintKeys);
    c.number("speed", 0, 7);
    c.number("density", 0, 15);
    c.field("labelGapMm", fieldcheck::millimetres(QStringLiteral("labelGapMm"), numberText(o, "labelGapMm"), dots, false));
    c.field("blackMarkGapMm",
            fieldcheck::millimetres(QStringLiteral("blackMarkGapMm"), numberText(o, "blackMarkGapMm"), dots, false));
    c.number("direction", 0, 1);
    c.number("method", 0, 1);
    c.field("printOffsetMm",
            fieldcheck::millimetres(QStringLiteral("printOffsetMm"), numberText(o, "printOffsetMm"), dots, true));
    c.field("verticalOffsetMm",
            fieldcheck::millimetres(QStringLiteral("verticalOffsetMm"), numberText(o, "verticalOffsetMm"), dots, true));
    c.number("printMode", 0, 2);
    c.number("autoPaper", 0, 1);
    c.number("paperType", 0, 3);
    c.number("codePage", 0, 61);
    c.field("widthMm", fieldcheck::labelSize(QStringLiteral("widthMm"), numberText(o, "widthMm"), dots));
    c.field("heightMm", fieldcheck::labelSize(QStringLiteral("heightMm"), numberText(o, "heightMm"), dots));
    c.number("menuLanguage", 0, 6);
    const QJsonValue set = o.value(QLatin1String("commandSet"));
    if (!set.isUndefined() && printcodec::commandSetCode(set.toString()) == 0)
        c.fail(QStringLiteral("commandSet"),
               QStringLiteral("must be one of %1").arg(printcodec::commandSetCodes().values().join(QLatin1String(", "))));
    return c.ok;
}

// --- distance and stripper ---

QJsonObject distanceJson(const DistanceSettings &s)
{
    QJsonObject o;
    put(&o, "outletDots", s.outletDots);
    put(&o, "gapSensorMm", s.gapSensorMm);
    put(&o, "blackSensorMm", s.blackSensorMm);
    put(&o, "tearDots", s.tearDots);
    return o;
}

DistanceSettings distanceValues(const QJsonObject &o)
{
    DistanceSettings s;
    take(o, "outletDots", &s.outletDots);
    take(o, "gapSensorMm", &s.gapSensorMm);
    take(o, "blackSensorMm", &s.blackSensorMm);
    take(o, "tearDots", &s.tearDots);
    return s;
}

bool checkDistance(const QJsonObject &o, int dots, QString *error)
{
    Checker c{o, error};
    c.known({"outletDots", "gapSensorMm", "blackSensorMm", "tearDots"});
    c.number("outletDots", -32768, 32767);
    c.number("tearDots", -32768, 32767);
    c.field("gapSensorMm", fieldcheck::millimetres(QStringLiteral("gapSensorMm"), numberText(o, "gapSensorMm"), dots, true));
    c.field("blackSensorMm",
            fieldcheck::millimetres(QStringLiteral("blackSensorMm"), numberText(o, "blackSensorMm"), dots, true));
    return c.ok;
}

// --- WiFi ---

QJsonObject wifiJson(const WifiSettings &s)
{
    QJsonObject o;
    if (s.mode)
        o.insert(QStringLiteral("mode"), *s.mode == WifiMode::AccessPoint ? QStringLiteral("accessPoint")
                                                                          : QStringLiteral("station"));
    put(&o, "stationName", s.stationName);
    put(&o, "stationPassword", s.stationPassword);
    put(&o, "apName", s.apName);
    put(&o, "apPassword", s.apPassword);
    put(&o, "apAddress", s.apAddress);
    put(&o, "port", s.port);
    put(&o, "dhcp", s.dhcp);
    put(&o, "ip", s.ip);
    put(&o, "mask", s.mask);
    put(&o, "gateway", s.gateway);
    put(&o, "dns", s.dns);
    return o;
}

WifiSettings wifiValues(const QJsonObject &o)
{
    WifiSettings s;
    if (o.contains(QLatin1String("mode")))
        s.mode = o.value(QLatin1String("mode")).toString() == QLatin1String("accessPoint") ? WifiMode::AccessPoint
                                                                                           : WifiMode::Station;
    take(o, "stationName", &s.stationName);
    take(o, "stationPassword", &s.stationPassword);
    take(o, "apName", &s.apName);
    take(o, "apPassword", &s.apPassword);
    take(o, "apAddress", &s.apAddress);
    take(o, "port", &s.port);
    take(o, "dhcp", &s.dhcp);
    take(o, "ip", &s.ip);
    take(o, "mask", &s.mask);
    take(o, "gateway", &s.gateway);
    take(o, "dns", &s.dns);
    return s;
}

bool checkWifi(const QJsonObject &o, int, QString *error)
{
    Checker c{o, error};
    c.known({"mode", "stationName", "stationPassword", "apName", "apPassword", "apAddress", "port", "dhcp",
             "ip", "mask", "gateway", "dns"});
    const QJsonValue mode = o.value(QLatin1String("mode"));
    if (!mode.isUndefined() && mode != QJsonValue(QStringLiteral("station")) &&
        mode != QJsonValue(QStringLiteral("accessPoint")))
        c.fail(QStringLiteral("mode"), QStringLiteral("must be \"station\" or \"accessPoint\""));
    for (const char *key : {"stationName", "stationPassword", "apName", "apPassword"})
        c.text(key);
    const QString apPassword = o.value(QLatin1String("apPassword")).toString();
    if (!apPassword.isEmpty() && apPassword.size() < 8)
        c.fail(QStringLiteral("apPassword"), QStringLiteral("must have at least 8 characters"));
    c.number("port", 0, 65535);
    c.flag("dhcp");
    for (const char *key : {"apAddress", "ip", "mask", "gateway", "dns"})
        c.address(key);
    return c.ok;
}

// --- Ethernet ---

QJsonObject ethernetJson(const EthernetSettings &s)
{
    QJsonObject o;
    put(&o, "dhcp", s.dhcp);
    put(&o, "ip", s.ip);
    put(&o, "mask", s.mask);
    put(&o, "gateway", s.gateway);
    put(&o, "tcpPort", s.tcpPort);
    put(&o, "udpPort", s.udpPort);
    return o;
}

EthernetSettings ethernetValues(const QJsonObject &o)
{
    EthernetSettings s;
    take(o, "dhcp", &s.dhcp);
    take(o, "ip", &s.ip);
    take(o, "mask", &s.mask);
    take(o, "gateway", &s.gateway);
    take(o, "tcpPort", &s.tcpPort);
    take(o, "udpPort", &s.udpPort);
    return s;
}

bool checkEthernet(const QJsonObject &o, int, QString *error)
{
    Checker c{o, error};
    c.known({"dhcp", "ip", "mask", "gateway", "tcpPort", "udpPort"});
    c.flag("dhcp");
    for (const char *key : {"ip", "mask", "gateway"})
        c.address(key);
    c.number("tcpPort", 0, 65535);
    c.number("udpPort", 0, 65535);
    return c.ok;
}

// --- Bluetooth and serial ---

QJsonObject bluetoothJson(const BluetoothSettings &s)
{
    QJsonObject o;
    put(&o, "name", s.name);
    put(&o, "bleName", s.bleName);
    put(&o, "pairing", s.pairing);
    put(&o, "pin", s.pin);
    return o;
}

BluetoothSettings bluetoothValues(const QJsonObject &o)
{
    BluetoothSettings s;
    take(o, "name", &s.name);
    take(o, "bleName", &s.bleName);
    takeList(o, "pairing", kPairingModes, &s.pairing);
    take(o, "pin", &s.pin);
    return s;
}

bool checkBluetooth(const QJsonObject &o, int, QString *error)
{
    Checker c{o, error};
    c.known({"name", "bleName", "pairing", "pin"});
    for (const char *key : {"name", "bleName", "pin"})
        c.text(key);
    c.oneOf("pairing", kPairingModes);
    return c.ok;
}

QJsonObject serialJson(const SerialSettings &s)
{
    QJsonObject o;
    put(&o, "baud", s.baud);
    put(&o, "parity", s.parity);
    put(&o, "dataBits", s.dataBits);
    put(&o, "stopBits", s.stopBits);
    return o;
}

SerialSettings serialValues(const QJsonObject &o)
{
    SerialSettings s;
    takeList(o, "baud", kBaudRates, &s.baud);
    takeList(o, "parity", kParities, &s.parity);
    takeList(o, "dataBits", kDataBits, &s.dataBits);
    takeList(o, "stopBits", kStopBits, &s.stopBits);
    return s;
}

bool checkSerial(const QJsonObject &o, int, QString *error)
{
    Checker c{o, error};
    c.known({"baud", "parity", "dataBits", "stopBits"});
    c.oneOf("baud", kBaudRates);
    c.oneOf("parity", kParities);
    c.oneOf("dataBits", kDataBits);
    c.oneOf("stopBits", kStopBits);
    return c.ok;
}

// `changes` over `current`: frames that carry several settings get all of them.
QJsonObject merged(const QJsonObject &current, const QJsonObject &changes)
{
    QJsonObject out = current;
    for (auto it = changes.begin(); it != changes.end(); ++it)
        out.insert(it.key(), it.value());
    return out;
}

QStringList noneLacking(const PrinterSession &session)
{
    return session.settingsAllowed() ? QStringList() : QStringList{kAll};
}

} // namespace

const QList<PageAccess> &pageAccess()
{
    static const QList<PageAccess> list{
        {QStringLiteral("print"),
         [](PrinterSession &s, QJsonObject *o) {
             PrintSettings v;
             const int r = readPrintSettings(s, &v);
             *o = printJson(v);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &current, const QJsonObject &changes) {
             // Direction travels with method, width with height: the frame takes both.
             PrintSettings v = printValues(changes);
             const PrintSettings all = printValues(merged(current, changes));
             if (v.direction || v.method) {
                 v.direction = all.direction;
                 v.method = all.method;
             }
             if (v.widthMm || v.heightMm) {
                 v.widthMm = all.widthMm;
                 v.heightMm = all.heightMm;
             }
             return writePrintSettings(s, v);
         },
         checkPrint,
         [](const PrinterSession &s) {
             if (!s.settingsAllowed())
                 return QStringList{kAll};
             return s.hasPrintMode() ? QStringList{QStringLiteral("autoPaper")}
                                     : QStringList{QStringLiteral("printMode")};
         },
         {},
         {},
         false},
        {QStringLiteral("distance"),
         [](PrinterSession &s, QJsonObject *o) {
             DistanceSettings v;
             const int r = readDistanceSettings(s, &v);
             *o = distanceJson(v);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &, const QJsonObject &changes) {
             return writeDistanceSettings(s, distanceValues(changes));
         },
         checkDistance, noneLacking, {}, {QStringLiteral("outletDots"), QStringLiteral("tearDots")}, false},
        {QStringLiteral("stripper"),
         [](PrinterSession &s, QJsonObject *o) {
             StripperSettings v;
             const int r = readStripperSettings(s, &v);
             *o = QJsonObject();
             put(o, "takeAwaySeconds", v.takeAwaySeconds);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &, const QJsonObject &changes) {
             StripperSettings v;
             take(changes, "takeAwaySeconds", &v.takeAwaySeconds);
             return writeStripperSettings(s, v);
         },
         [](const QJsonObject &o, int, QString *error) {
             Checker c{o, error};
             c.known({"takeAwaySeconds"});
             c.number("takeAwaySeconds", 0, 65);
             return c.ok;
         },
         // The stripper comes with the models that have the print-mode setting.
         [](const PrinterSession &s) {
             return s.settingsAllowed() && s.hasPrintMode() ? QStringList() : QStringList{kAll};
         },
         {},
         {},
         false},
        {QStringLiteral("wifi"),
         [](PrinterSession &s, QJsonObject *o) {
             WifiSettings v;
             const int r = readWifiSettings(s, &v);
             *o = wifiJson(v);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &current, const QJsonObject &changes) {
             return writeWifiSettings(s, wifiValues(changes), wifiValues(current));
         },
         checkWifi, noneLacking, {QStringLiteral("stationPassword"), QStringLiteral("apPassword")}, {}, true},
        {QStringLiteral("ethernet"),
         [](PrinterSession &s, QJsonObject *o) {
             EthernetSettings v;
             const int r = readEthernetSettings(s, &v);
             *o = ethernetJson(v);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &current, const QJsonObject &changes) {
             // The addresses go in one frame, the ports in another: each takes its group whole.
             const EthernetSettings all = ethernetValues(merged(current, changes));
             EthernetSettings v = ethernetValues(changes);
             if (v.dhcp || v.ip || v.mask || v.gateway) {
                 v.dhcp = all.dhcp;
                 v.ip = all.ip;
                 v.mask = all.mask;
                 v.gateway = all.gateway;
             }
             if (v.tcpPort || v.udpPort) {
                 v.tcpPort = all.tcpPort;
                 v.udpPort = all.udpPort;
             }
             return writeEthernetSettings(s, v);
         },
         checkEthernet, noneLacking, {}, {}, true},
        {QStringLiteral("bluetooth"),
         [](PrinterSession &s, QJsonObject *o) {
             BluetoothSettings v;
             const int r = readBluetoothSettings(s, &v);
             *o = bluetoothJson(v);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &, const QJsonObject &changes) {
             return writeBluetoothSettings(s, bluetoothValues(changes));
         },
         checkBluetooth, noneLacking, {QStringLiteral("pin")}, {}, false},
        {QStringLiteral("serial"),
         [](PrinterSession &s, QJsonObject *o) {
             SerialSettings v;
             const int r = readSerialSettings(s, &v);
             *o = serialJson(v);
             return r;
         },
         [](PrinterSession &s, const QJsonObject &current, const QJsonObject &changes) {
             // The four line parameters travel in one frame.
             SerialSettings v = serialValues(merged(current, changes));
             v.serialNumber.reset();
             return writeSerialSettings(s, v);
         },
         checkSerial, noneLacking, {}, {}, false},
    };
    return list;
}

} // namespace profileapply
