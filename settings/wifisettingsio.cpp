#include "settings/wifisettingsio.h"

#include "protocol/printersession.h"
#include "settings/settingsengine.h"
#include "settings/settingvalues.h"

#include <QDebug>

using namespace settingvalues;

namespace {

const QString kPage = QStringLiteral("wifi");

template <typename T> bool changed(const std::optional<T> &wanted, const std::optional<T> &known)
{
    return wanted && wanted != known;
}

QJsonObject wifiJson(const WifiSettings &s)
{
    QJsonObject o;
    if (s.mode)
        o.insert(QStringLiteral("mode"), *s.mode == WifiMode::AccessPoint
                                             ? QStringLiteral("accessPoint")
                                             : QStringLiteral("station"));
    put(&o, "stationName", s.stationName);
    put(&o, "stationPassword", s.stationPassword);
    put(&o, "apName", s.apName);
    put(&o, "apPassword", s.apPassword);
    put(&o, "apAddress", s.apAddress);
    put(&o, "port", s.port);
    put(&o, "mac", s.mac);
    put(&o, "dhcp", s.dhcp);
    put(&o, "ip", s.ip);
    put(&o, "mask", s.mask);
    put(&o, "gateway", s.gateway);
    put(&o, "dns", s.dns);
    return o;
}

int sendFrame(PrinterSession &session, uint8_t item, const QJsonObject &values)
{
    QByteArray payload;
    for (const settingtable::Row *row : settingtable::rowsOf(kPage, item))
        settingtable::encode(*row, values.value(QLatin1String(row->key)), session.dotsPerMm(),
                             &payload);
    return session.sendSet(item, payload);
}

} // namespace

int readWifiSettings(PrinterSession &session, WifiSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, kPage, &o);
    if (o.contains(QLatin1String("mode")))
        out->mode = o.value(QLatin1String("mode")).toString() == QLatin1String("station")
                        ? WifiMode::Station
                        : WifiMode::AccessPoint;
    take(o, "stationName", &out->stationName);
    take(o, "stationPassword", &out->stationPassword);
    take(o, "apName", &out->apName);
    take(o, "apPassword", &out->apPassword);
    take(o, "apAddress", &out->apAddress);
    take(o, "port", &out->port);
    take(o, "mac", &out->mac);
    take(o, "dhcp", &out->dhcp);
    take(o, "ip", &out->ip);
    take(o, "mask", &out->mask);
    take(o, "gateway", &out->gateway);
    take(o, "dns", &out->dns);
    return result;
}

WifiGroups changedWifiGroups(const WifiSettings &wanted, const WifiSettings &known)
{
    WifiGroups g;
    g.mode = changed(wanted.mode, known.mode);
    g.credentials = changed(wanted.stationName, known.stationName) ||
                    changed(wanted.stationPassword, known.stationPassword) ||
                    changed(wanted.apName, known.apName) ||
                    changed(wanted.apPassword, known.apPassword);
    g.port = changed(wanted.port, known.port);
    g.ip = changed(wanted.dhcp, known.dhcp) || changed(wanted.mask, known.mask) ||
           changed(wanted.dns, known.dns) || changed(wanted.ip, known.ip) ||
           changed(wanted.gateway, known.gateway);
    return g;
}

int writeWifiMode(PrinterSession &session, WifiMode mode)
{
    return sendFrame(session, INFO_WIFI_MODE,
                     {{QStringLiteral("mode"), mode == WifiMode::Station
                                                   ? QStringLiteral("station")
                                                   : QStringLiteral("accessPoint")}});
}

int writeWifiStation(PrinterSession &session, const QString &name, const QString &password)
{
    return sendFrame(session, INFO_WIFI_STATION,
                     {{QStringLiteral("stationName"), name},
                      {QStringLiteral("stationPassword"), password}});
}

int writeWifiSettings(PrinterSession &session, const WifiSettings &wanted,
                      const WifiSettings &known, WifiGroups *sent)
{
    QList<uint8_t> items;
    const int result = settingsengine::write(session, kPage, wifiJson(wanted), wifiJson(known), &items);
    if (sent) {
        sent->mode = items.contains(INFO_WIFI_MODE);
        sent->credentials = items.contains(INFO_WIFI_STATION) || items.contains(INFO_WIFI_AP);
        sent->port = items.contains(INFO_WIFI_TCP_PORT);
        sent->ip = items.contains(INFO_WIFI_IP);
    }
    return result;
}
