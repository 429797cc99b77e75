#include "core/settings/netportcodec.h"

#include "core/protocol/frame.h"

#include <QList>

namespace netportcodec {

bool hasFourParts(const QString &dotted)
{
    return dotted.count(QLatin1Char('.')) == kAddressBytes - 1;
}

QByteArray addressBytes(const QString &dotted)
{
    const QList<QByteArray> parts = dotted.toLocal8Bit().split('.');
    QByteArray out(kAddressBytes, '\0');
    for (int i = 0; i < kAddressBytes && i < parts.size(); ++i)
        out[i] = char(parts.at(i).toInt(nullptr, 10) & 0xFF);
    return out;
}

QString dottedAddress(const uint8_t *bytes)
{
    return QStringLiteral("%1.%2.%3.%4").arg(bytes[0]).arg(bytes[1]).arg(bytes[2]).arg(bytes[3]);
}
} // namespace netportcodec
