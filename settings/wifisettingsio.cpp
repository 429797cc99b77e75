#include "settings/wifisettingsio.h"

#include "protocol/frame.h"
#include "protocol/printersession.h"
#include "settings/wificodec.h"

#include <QDebug>
#include <QList>
#include <QThread>

namespace {

// The WiFi module needs time to apply each group before the next frame.
constexpr int kModePauseMs = 1000;
constexpr int kCredentialsPauseMs = 1000;
constexpr int kPortPauseMs = 500;
constexpr int kFinalPauseMs = 100;

template <typename T> T valueOf(const std::optional<T> &wanted, const std::optional<T> &known)
{
    return wanted ? *wanted : known.value_or(T());
}

template <typename T> bool changed(const std::optional<T> &wanted, const std::optional<T> &known)
{
    return wanted && wanted != known;
}

int readIp(PrinterSession &session, WifiSettings *out)
{
    unsigned char answer[frame::kQueryOutSize];
    if (session.queryInfo(INFO_WIFI_IP, answer) != RESULT_OK)
        return session.failureCode();
    const wificodec::IpSettings ip = wificodec::ipFromAnswer(answer);
    out->dhcp = ip.mode != 0;
    out->ip = ip.ip;
    out->gateway = ip.gateway;
    out->mask = ip.mask;
    out->dns = ip.dns;
    return RESULT_OK;
}

} // namespace

int readWifiSettings(PrinterSession &session, WifiSettings *out)
{
    PrinterSession::Operation operation(session);
    const int failure = session.failureCode();
    unsigned char answer[frame::kQueryOutSize];

    if (session.queryInfo(INFO_WIFI_MODE, answer) != RESULT_OK)
        return failure;

    int apResult = RESULT_OK;
    bool apUnreadable = false;
    QList<QByteArray> texts;
    if (answer[0] == 1) {
        out->mode = WifiMode::Station;
        if (session.queryInfo(INFO_WIFI_STATION, answer) != RESULT_OK)
            return failure;
        // The answer is zeroed past its end, so both texts always end.
        wificodec::splitTexts(answer, int(sizeof(answer)), 1, &texts);
        qDebug() << "nameString:" << texts.at(0);
        qDebug() << "passwordString:" << QByteArray(texts.at(1).size(), '*');
        out->stationName = QString::fromUtf8(texts.at(0));
        out->stationPassword = QString::fromUtf8(texts.at(1));
    } else {
        out->mode = WifiMode::AccessPoint;
        int length = 0;
        apResult = session.queryInfo(INFO_WIFI_AP, answer, &length);
        // Name and password must both end inside the answer; the address may run to its end.
        if (apResult == RESULT_OK && !wificodec::splitTexts(answer, length, 2, &texts)) {
            qDebug() << "Error: Invalid data format!";
            apUnreadable = true;
        } else if (apResult == RESULT_OK) {
            qDebug() << "nameString:" << texts.at(0);
            qDebug() << "passwordString:" << QByteArray(texts.at(1).size(), '*');
            qDebug() << "ipString:" << texts.at(2);
            out->apName = QString::fromUtf8(texts.at(0));
            out->apPassword = QString::fromUtf8(texts.at(1));
            out->apAddress = QString::fromUtf8(texts.at(2));
        }
    }

    if (session.queryInfo(INFO_WIFI_TCP_PORT, answer) != RESULT_OK)
        return failure;
    out->port = frame::u16(answer);

    if (session.queryInfo(INFO_MAC_ADDRESSES, answer) != RESULT_OK)
        return failure;
    out->mac = wificodec::macText(answer);

    // Any part left unread keeps another printer's values, which a write would take for
    // this printer's settings.
    const int ip = readIp(session, out);
    if (apResult != RESULT_OK)
        return failure;
    return apUnreadable ? int(RESULT_BAD_REPLY) : ip;
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
    return session.sendSet(INFO_WIFI_MODE, QByteArray(1, char(int(mode) + 1)));
}

int writeWifiStation(PrinterSession &session, const QString &name, const QString &password)
{
    const QByteArray payload = wificodec::textFields({name, password});
    qDebug() << "byte = " << payload.size(); // the data holds the password
    return session.sendSet(INFO_WIFI_STATION, payload);
}

int writeWifiSettings(PrinterSession &session, const WifiSettings &wanted,
                      const WifiSettings &known, WifiGroups *sent)
{
    const WifiGroups groups = changedWifiGroups(wanted, known);
    const auto text = [](const std::optional<QString> &w, const std::optional<QString> &k) {
        return valueOf(w, k);
    };
    int results[4] = {RESULT_OK, RESULT_OK, RESULT_OK, RESULT_OK};
    PrinterSession::Operation operation(session);
    const WifiMode mode = wanted.mode ? *wanted.mode : known.mode.value_or(WifiMode::Station);

    if (groups.mode) {
        results[0] = writeWifiMode(session, mode);
        QThread::msleep(kModePauseMs);
    }
    if (groups.credentials) {
        if (mode == WifiMode::Station) {
            results[1] = writeWifiStation(session, text(wanted.stationName, known.stationName),
                                          text(wanted.stationPassword, known.stationPassword));
        } else {
            results[1] = session.sendSet(
                INFO_WIFI_AP,
                wificodec::textFields(
                    {text(wanted.apName, known.apName), text(wanted.apPassword, known.apPassword),
                     wificodec::apAddressToSend(text(wanted.apAddress, known.apAddress))}));
        }
        QThread::msleep(kCredentialsPauseMs);
    }
    if (groups.port) {
        results[2] =
            session.sendSet(INFO_WIFI_TCP_PORT, frame::le16(valueOf(wanted.port, known.port)));
        QThread::msleep(kPortPauseMs);
    }
    if (groups.ip) {
        wificodec::IpSettings ip;
        ip.mode = valueOf(wanted.dhcp, known.dhcp) ? 1 : 0;
        ip.ip = text(wanted.ip, known.ip);
        ip.mask = text(wanted.mask, known.mask);
        ip.gateway = text(wanted.gateway, known.gateway);
        ip.dns = text(wanted.dns, known.dns);
        results[3] = session.sendSet(INFO_WIFI_IP, wificodec::ipFrameData(ip));
    }
    QThread::msleep(kFinalPauseMs);
    if (sent)
        *sent = groups;
    for (int result : results) {
        if (result != RESULT_OK)
            return result;
    }
    return RESULT_OK;
}
