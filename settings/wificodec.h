#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// Payloads of the WiFi settings page.
namespace wificodec {

constexpr int kIpFrameData = 17;
constexpr int kMacBytes = 6;

// The access point address sent when the box is left empty (it then reads "...").
QString apAddressToSend(const QString &boxText);

// Texts in the local 8-bit encoding, each followed by one NUL, one after another.
// Each text is cut at a character boundary to an equal share of one frame's data,
// so the payload always fits and every text keeps its NUL.
QByteArray textFields(const QStringList &texts);

// The NUL-terminated texts at the start of `data` (`size` bytes). Fails when fewer
// than `separators` NULs lie inside the data; the text after the last required NUL
// ends at the next NUL or at the end of the data. Texts are not decoded.
bool splitTexts(const uint8_t *data, int size, int separators, QList<QByteArray> *texts);

// "00:1A:2B:3C:4D:5E" from six bytes.
QString macText(const uint8_t *bytes);

// The IP group. The set frame carries the mask before the gateway, the query answer
// the gateway before the mask.
struct IpSettings
{
    int mode = 0; // 0 DHCP off, anything else DHCP on
    QString ip;
    QString mask;
    QString gateway;
    QString dns;
};
QByteArray ipFrameData(const IpSettings &settings);
IpSettings ipFromAnswer(const uint8_t *data);

} // namespace wificodec
