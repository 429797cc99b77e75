#include "core/settings/wificodec.h"

#include "core/protocol/frame.h"
#include "core/settings/netportcodec.h"

#include <cstring>

namespace wificodec {

QString apAddressToSend(const QString &boxText)
{
    return boxText == QLatin1String("...") ? QStringLiteral("192.168.1.1") : boxText;
}

bool splitTexts(const uint8_t *data, int size, int separators, QList<QByteArray> *texts)
{
    QList<QByteArray> found;
    const char *bytes = reinterpret_cast<const char *>(data);
    int start = 0;
    for (int i = 0; i < separators; ++i) {
        const void *nul =
            size > start ? std::memchr(bytes + start, 0, size_t(size - start)) : nullptr;
        if (!nul)
            return false;
        const int end = int(static_cast<const char *>(nul) - bytes);
        found.append(QByteArray(bytes + start, end - start));
        start = end + 1;
    }
    int end = start;
    while (end < size && bytes[end] != 0)
        ++end;
    found.append(QByteArray(bytes + start, end - start));
    if (texts)
        *texts = found;
    return true;
}

QString macText(const uint8_t *bytes)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(bytes), kMacBytes).toHex(':').toUpper());
}

} // namespace wificodec
