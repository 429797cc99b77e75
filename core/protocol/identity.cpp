#include "core/protocol/identity.h"

#include <QRegularExpression>

namespace identity {

bool split(const uint8_t *data, int length, QList<QByteArray> *strings)
{
    QList<QByteArray> parts;
    int begin = 0;
    for (int i = 0; i < length && parts.size() < kStringCount - 1; ++i) {
        if (data[i] == 0) {
            parts.append(QByteArray(reinterpret_cast<const char *>(data) + begin, i - begin));
            begin = i + 1;
        }
    }
    if (parts.size() < kStringCount - 1)
        return false;
    int end = begin;
    while (end < length && data[end] != 0)
        ++end;
    parts.append(QByteArray(reinterpret_cast<const char *>(data) + begin, end - begin));
    if (strings)
        *strings = parts;
    return true;
}

bool manufacturer(const QByteArray &deviceId, QByteArray *maker)
{
    static const QRegularExpression pattern(QStringLiteral("MFG:(\\s*[^;]+)"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(deviceId));
    if (!match.hasMatch()) {
        if (maker)
            maker->clear();
        return false;
    }
    if (maker)
        *maker = match.captured(1).trimmed().toLatin1();
    return true;
}

} // namespace identity
