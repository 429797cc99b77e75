#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Address and port payloads of the network settings pages (Ethernet port and WiFi IP).
namespace netportcodec {

constexpr int kAddressBytes = 4;

// True when the text has exactly four parts separated by ".".
bool hasFourParts(const QString &dotted);

// The four bytes of a dotted address: each part as a decimal number (a part that is
// not a number counts 0), low 8 bits. Missing parts are 0 and parts after the fourth
// are dropped, so the result is always four bytes.
QByteArray addressBytes(const QString &dotted);

// "192.168.1.100" from four bytes, most significant first, without padding.
QString dottedAddress(const uint8_t *bytes);

} // namespace netportcodec
