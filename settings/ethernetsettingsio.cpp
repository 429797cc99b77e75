#include "settings/ethernetsettingsio.h"

#include "settings/settingsengine.h"
#include "settings/settingvalues.h"

using namespace settingvalues;

int readEthernetSettings(PrinterSession &session, EthernetSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, QStringLiteral("ethernet"), &o);
    take(o, "dhcp", &out->dhcp);
    take(o, "ip", &out->ip);
    take(o, "mask", &out->mask);
    take(o, "gateway", &out->gateway);
    take(o, "tcpPort", &out->tcpPort);
    take(o, "udpPort", &out->udpPort);
    return result;
}

int writeEthernetSettings(PrinterSession &session, const EthernetSettings &s)
{
    QJsonObject o;
    put(&o, "dhcp", s.dhcp);
    put(&o, "ip", s.ip);
    put(&o, "mask", s.mask);
    put(&o, "gateway", s.gateway);
    put(&o, "tcpPort", s.tcpPort);
    put(&o, "udpPort", s.udpPort);
    return settingsengine::write(session, QStringLiteral("ethernet"), o, QJsonObject());
}
