#include "core/protocol/hexcodec.h"

#include "core/protocol/frame.h"

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
    // A plain scan: a regular expression over the whole text hits the match limits of
    // the regex engine on long input and would refuse valid hex.
    auto digit = [](QChar c) {
        const ushort u = c.unicode();
        return u >= '0' && u <= '9'   ? u - '0'
               : u >= 'a' && u <= 'f' ? u - 'a' + 10
               : u >= 'A' && u <= 'F' ? u - 'A' + 10
                                      : -1;
    };
    auto separator = [](QChar c) {
        const ushort u = c.unicode();
        return u == ' ' || (u >= '\t' && u <= '\r'); // tab, LF, VT, FF, CR
    };
    const int size = text.size();
    if (size < 2 || (size + 1) % 3 != 0)
        return false;
    QByteArray out((size + 1) / 3, '\0');
    for (int i = 0; i < size; i += 3) {
        const int high = digit(text.at(i));
        const int low = digit(text.at(i + 1));
        if (high < 0 || low < 0 || (i + 2 < size && !separator(text.at(i + 2))))
            return false;
        out[i / 3] = char(high << 4 | low);
    }
    *bytes = out;
    return true;
}

HexProblem hexProblem(const QString &text)
{
    const auto isDigit = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
    };
    const auto isSeparator = [](QChar c) {
        const ushort u = c.unicode();
        return u == ' ' || (u >= '\t' && u <= '\r');
    };
    if (text.isEmpty())
        return {HexProblem::Empty, 0, 0};
    for (int i = 0; i < text.size();) {
        if (isSeparator(text.at(i))) {
            int end = i;
            while (end < text.size() && isSeparator(text.at(end)))
                ++end;
            // A line break goes out as two characters.
            if (i == 0 || end == text.size() || end - i > 1 || text.at(i) == QLatin1Char('\n'))
                return {HexProblem::TwoSeparators, i, end - i};
            i = end;
            continue;
        }
        if (!isDigit(text.at(i)))
            return {HexProblem::NotADigit, i, 1};
        int end = i;
        while (end < text.size() && isDigit(text.at(end)))
            ++end;
        if (end < text.size() && !isSeparator(text.at(end)))
            return {HexProblem::NotADigit, end, 1};
        if ((end - i) % 2 != 0)
            return {HexProblem::OddDigits, i, end - i};
        if (end - i > 2)
            return {HexProblem::LongRun, i, end - i};
        i = end;
    }
    return {};
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
