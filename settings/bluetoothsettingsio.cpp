#include "settings/bluetoothsettingsio.h"

#include "settings/settingsengine.h"
#include "settings/settingvalues.h"

using namespace settingvalues;

int readBluetoothSettings(PrinterSession &session, BluetoothSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, QStringLiteral("bluetooth"), &o);
    take(o, "name", &out->name);
    take(o, "bleName", &out->bleName);
    takeList(o, "pairing", &out->pairing);
    take(o, "pin", &out->pin);
    take(o, "mac", &out->mac);
    return result;
}

int writeBluetoothSettings(PrinterSession &session, const BluetoothSettings &s)
{
    QJsonObject o;
    put(&o, "name", s.name);
    put(&o, "bleName", s.bleName);
    putList(&o, "pairing", s.pairing);
    put(&o, "pin", s.pin);
    return settingsengine::write(session, QStringLiteral("bluetooth"), o, QJsonObject());
}

int readSerialSettings(PrinterSession &session, SerialSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, QStringLiteral("serial"), &o);
    takeList(o, "baud", &out->baud);
    takeList(o, "parity", &out->parity);
    takeList(o, "dataBits", &out->dataBits);
    takeList(o, "stopBits", &out->stopBits);
    take(o, "serialNumber", &out->serialNumber);
    take(o, "deviceInfo", &out->deviceInfo);
    return result;
}

int writeSerialSettings(PrinterSession &session, const SerialSettings &s)
{
    QJsonObject o;
    putList(&o, "baud", s.baud);
    putList(&o, "parity", s.parity);
    putList(&o, "dataBits", s.dataBits);
    putList(&o, "stopBits", s.stopBits);
    put(&o, "serialNumber", s.serialNumber);
    return settingsengine::write(session, QStringLiteral("serial"), o, QJsonObject());
}
