#include "settings/wificodec.h"

#include "protocol/frame.h"
#include "settings/netportcodec.h"

#include <cstring>

namespace wificodec {

QString apAddressToSend(const QString &boxText)
{
    return boxText == QLatin1String("...") ? QStringLiteral("192.168.1.1") : boxText;
}

QByteArray textFields(const QStringList &texts)
{
    if (texts.isEmpty())
        return QByteArray();
    const int share = (frame::kMaxData - texts.size()) / texts.size();
    QByteArray out;
    for (const QString &text : texts) {
        out += frame::cutLocal8Bit(text, share);
        out += '\0';
    }
    return out;
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

QByteArray ipFrameData(const IpSettings &settings)
{
    QByteArray out(1, char(settings.mode & 0xFF));
    out += netportcodec::addressBytes(settings.ip);
    out += netportcodec::addressBytes(settings.mask);
    out += netportcodec::addressBytes(settings.gateway);
    out += netportcodec::addressBytes(settings.dns);
    return out;
}

IpSettings ipFromAnswer(const uint8_t *data)
{
    IpSettings s;
    s.mode = data[0];
    s.ip = netportcodec::dottedAddress(data + 1);
    s.gateway = netportcodec::dottedAddress(data + 5);
    s.mask = netportcodec::dottedAddress(data + 9);
    s.dns = netportcodec::dottedAddress(data + 13);
    return s;
}

} // namespace wificodec
