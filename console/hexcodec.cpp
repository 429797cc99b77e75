#include "console/hexcodec.h"

#include "protocol/frame.h"

#include <QRegularExpression>

namespace hexcodec {

namespace {

QString withoutWhiteSpace(const QString &text)
{
    static const QRegularExpression whiteSpace(QStringLiteral("\\s"));
    return QString(text).remove(whiteSpace);
}

QString crlf(const QString &text)
{
    return QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

QByteArray textModeBytes(const QString &text)
{
    return crlf(text).toUtf8();
}

bool parseHexSend(const QString &text, QByteArray *bytes)
{
    static const QRegularExpression pairs(QStringLiteral("^[0-9A-Fa-f]{2}(\\s[0-9A-Fa-f]{2})*$"),
                                          QRegularExpression::DontCaptureOption);
    // "$" would also match before a final "\n"; the whole text must be pairs.
    if (text.endsWith(QLatin1Char('\n')) || !pairs.match(text).hasMatch())
        return false;
    // The pattern allows any white-space character as separator, so all of them go.
    const QString digits = withoutWhiteSpace(text.toUpper());
    if (digits.size() % 2 != 0)
        return false;
    *bytes = QByteArray::fromHex(digits.toLatin1());
    return true;
}

QString spacedHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString textUpToNul(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

QString toHexView(const QString &text)
{
    return spacedHex(textModeBytes(text));
}

bool fromHexView(const QString &hex, QString *text)
{
    const QString digits = withoutWhiteSpace(hex.toUpper());
    if (digits.size() % 2 != 0)
        return false;
    *text = textUpToNul(QByteArray::fromHex(digits.toLatin1()));
    return true;
}

QByteArray frameInReadBack(const QByteArray &readBack)
{
    const int start = readBack.indexOf(frame::head());
    if (start < 0)
        return readBack;
    const int end = readBack.indexOf(frame::tail(), start + 1);
    if (end < 0)
        return readBack;
    return readBack.mid(start, end + frame::kTrailerSize - start);
}

QString consoleLine(const QTime &time, const QString &tag, const QString &payload)
{
    return QLatin1Char('[') + time.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(']') + tag +
           payload;
}

} // namespace hexcodec
