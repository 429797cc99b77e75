#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// Payloads of the WiFi settings page.
namespace wificodec {

constexpr int kMacBytes = 6;

// The access point address sent when the box is left empty (it then reads "...").
QString apAddressToSend(const QString &boxText);

// The NUL-terminated texts at the start of `data` (`size` bytes). Fails when fewer
// than `separators` NULs lie inside the data; the text after the last required NUL
// ends at the next NUL or at the end of the data. Texts are not decoded.
bool splitTexts(const uint8_t *data, int size, int separators, QList<QByteArray> *texts);

// "00:1A:2B:3C:4D:5E" from six bytes.
QString macText(const uint8_t *bytes);

} // namespace wificodec
