#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class QRandomGenerator;

// The UDP discovery exchange, free of sockets and widgets:
// request  = sequence byte + the identity query frame 1B FF FE 02 0C 00 1B FE FF;
// reply    = 6 bytes not examined, length byte L at offset 6, L identity bytes.
namespace netdiscovery {

constexpr int kRequestSize = 10;
constexpr int kReplyLengthOffset = 6;
constexpr int kReplyDataOffset = 7;
constexpr int kIdentityStrings = 5;

// A sequence byte in 0..99 drawn from `generator`, never equal to `previous`.
int nextSequenceByte(QRandomGenerator &generator, int previous);

QByteArray buildRequest(uint8_t sequence);

// The identity data of a discovery reply. A length byte of 0 or with bit 7 set, or a
// datagram shorter than 7 + L, gives false and nothing is read past the datagram.
bool replyData(const QByteArray &datagram, QByteArray *data);

// The first dotted IPv4 address inside an address text ("::ffff:10.0.0.2" gives
// "10.0.0.2"); empty when there is none.
QString ipv4Text(const QString &address);

// The device-list entry: "maker [model] {ip}".
QString entryText(const QString &maker, const QString &model, const QString &ip);

} // namespace netdiscovery
