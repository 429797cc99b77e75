#include "core/protocol/frame.h"

#include "core/protocol/commandcodes.h"

#include <algorithm>
#include <cstring>

namespace frame {

const QByteArray &head()
{
    static const QByteArray bytes("\x1B\xFF\xFE", 3);
    return bytes;
}

const QByteArray &tail()
{
    static const QByteArray bytes("\x1B\xFE\xFF", 3);
    return bytes;
}

QByteArray build(uint8_t frameClass, uint8_t item, const QByteArray &data)
{
    const int length = std::min<int>(data.size(), kMaxData);
    QByteArray out;
    out.reserve(kOverhead + length);
    out.append(head());
    out.append(char(frameClass));
    out.append(char(item));
    out.append(char(uint8_t(length)));
    out.append(data.constData(), length);
    out.append(tail());
    return out;
}

QByteArray textData(const QByteArray &local8Bit)
{
    QByteArray out = local8Bit.left(kMaxText);
    out.append('\0');
    return out;
}

QString answerText(const uint8_t *data, int size)
{
    const auto *text = reinterpret_cast<const char *>(data);
    return QString::fromLocal8Bit(text, int(qstrnlen(text, size_t(qMax(0, size)))));
}

QByteArray cutLocal8Bit(const QString &text, int maxBytes)
{
    const int size = text.size();
    QByteArray encoded = text.toLocal8Bit();
    if (encoded.size() <= maxBytes)
        return encoded;
    // A longer prefix never encodes shorter, so the longest prefix that fits is found
    // by doubling and then halving: each step encodes only a prefix near that length.
    auto fits = [&](int length) { return text.left(length).toLocal8Bit().size() <= maxBytes; };
    int good = 0;   // fits
    int bad = size; // does not fit
    for (int probe = std::max(maxBytes, 1); probe < bad; probe *= 2) {
        if (!fits(probe)) {
            bad = probe;
            break;
        }
        good = probe;
    }
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        (fits(middle) ? good : bad) = middle;
    }
    // Whole characters only: a surrogate pair is dropped as one.
    int length = size;
    while (length > good)
        length -= length >= 2 && text.at(length - 1).isLowSurrogate() ? 2 : 1;
    return text.left(length).toLocal8Bit();
}

QByteArray textData(const QString &text)
{
    return textData(cutLocal8Bit(text, kMaxText));
}

QByteArray le16(uint16_t value)
{
    QByteArray out(2, '\0');
    out[0] = char(value & 0xFF);
    out[1] = char(value >> 8);
    return out;
}

int decodeQueryReply(const uint8_t *reply, int capacity, uint8_t item, uint8_t *out, int outSize)
{
    if (out && outSize > 0)
        std::memset(out, 0, size_t(outSize));
    if (!reply || capacity < kHeaderSize)
        return 1;
    if (reply[0] != 0x1B || reply[1] != 0xFF || reply[2] != 0xFE || reply[4] != item)
        return 1;
    const int length = std::min({int(reply[5]), capacity - kHeaderSize, outSize});
    if (out && length > 0)
        std::memcpy(out, reply + kHeaderSize, size_t(length));
    return 0;
}

bool findReply(const QByteArray &buffer, uint8_t frameClass, uint8_t item, int *start, int *length)
{
    QByteArray marker = head();
    marker.append(char(frameClass));
    marker.append(char(item));
    const int at = buffer.indexOf(marker);
    if (at < 0 || buffer.size() < at + kHeaderSize)
        return false;
    const int dataLength = uint8_t(buffer.at(at + 5));
    const int frameLength = dataLength + kOverhead;
    // Wait for the whole frame: a trailer-like byte run inside binary data (MAC
    // addresses, port numbers) must not end the reply early.
    if (buffer.size() - at < frameLength)
        return false;
    if (start)
        *start = at;
    if (length)
        *length = frameLength;
    return true;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

bool carriesSecret(uint8_t item)
{
    return item == INFO_WIFI_STATION || item == INFO_WIFI_AP || item == INFO_BT_PIN;
}

QString hexForLog(const QByteArray &bytes)
{
    QString out = hex(bytes);
    // Each byte is two digits and a space in hex(): byte i starts at 3 * i.
    int at = 0;
    while ((at = bytes.indexOf(head(), at)) >= 0 && at + kHeaderSize <= bytes.size()) {
        const int length = uint8_t(bytes.at(at + 5));
        const int first = at + kHeaderSize;
        const int end = std::min(first + length, int(bytes.size()));
        if (carriesSecret(uint8_t(bytes.at(at + 4)))) {
            for (int i = first; i < end; ++i)
                out.replace(3 * i, 2, QStringLiteral("**"));
            at = end;
        } else {
            at += head().size();
        }
    }
    return out;
}

} // namespace frame
