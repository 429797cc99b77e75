#pragma once

#include <QMetaType>
#include <QString>

// WiFi credentials chosen in the provisioning dialog.
struct WifiCred
{
    bool valid = false;
    QString ssid;
    QString password;
    QString errorMessage;
};
Q_DECLARE_METATYPE(WifiCred)
