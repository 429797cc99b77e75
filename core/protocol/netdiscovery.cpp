#include "core/protocol/netdiscovery.h"

#include "core/protocol/frame.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace netdiscovery {

int nextSequenceByte(QRandomGenerator &generator, int previous)
{
    int value;
    do {
        value = int((quint64(generator.generate()) * 100) >> 32);
    } while (value == previous);
    return value;
}

QByteArray buildRequest(uint8_t sequence)
{
    QByteArray request(1, char(sequence));
    request.append(frame::build(frame::ClassQuery, 0x0C));
    return request;
}

bool replyData(const QByteArray &datagram, QByteArray *data)
{
    if (datagram.size() <= kReplyLengthOffset)
        return false;
    // A length byte with bit 7 set is not a length this exchange uses.
    const int length = uint8_t(datagram.at(kReplyLengthOffset));
    if (length == 0 || length > 0x7F || datagram.size() < kReplyDataOffset + length)
        return false;
    if (data)
        *data = datagram.mid(kReplyDataOffset, length);
    return true;
}

QString ipv4Text(const QString &address)
{
    static const QRegularExpression pattern(
        QStringLiteral("(\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3})"));
    return pattern.match(address).captured(1);
}

QString entryText(const QString &maker, const QString &model, const QString &ip)
{
    return maker + QStringLiteral(" [") + model + QStringLiteral("] {") + ip + QStringLiteral("}");
}

} // namespace netdiscovery
