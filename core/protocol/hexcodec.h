#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>

// What the debug console sends and shows, without widgets.
namespace hexcodec {

// The send area's text as it goes out in text mode: every "\n" becomes "\r\n",
// encoded as UTF-8.
QByteArray textModeBytes(const QString &text);

// Hex mode: `text` (after the "\n" -> "\r\n" replacement) must be pairs of hex digits
// separated by single white-space characters. Returns false for anything else.
bool parseHexSend(const QString &text, QByteArray *bytes);

// Why parseHexSend() refused `text`, and where (the index of the first character that
// does not fit), so that the person can be shown what was expected.
struct HexProblem
{
    enum Kind
    {
        None,
        Empty,
        NotADigit,    // a character that is neither a hex digit nor white space
        OddDigits,    // a run of hex digits of odd length (a byte is two digits)
        LongRun,      // more than two digits without white space between the bytes
        TwoSeparators // more than one white-space character (a line break is two) between
                      // two bytes, or white space at either end
    } kind = None;
    int at = 0;
    int length = 0; // of the part that does not fit
};
HexProblem hexProblem(const QString &text);

// "1B 40": upper-case pairs separated by single blanks, none after the last.
QString spacedHex(const QByteArray &bytes);

// The bytes before the first NUL, decoded as UTF-8.
QString textUpToNul(const QByteArray &bytes);

// Hex toggle of the send area, on: "\n" -> "\r\n", UTF-8, spaced hex.
QString toHexView(const QString &text);
// Hex toggle, off: blanks removed, hex digits decoded (other characters skipped) and
// shown as UTF-8 up to the first NUL. False when an odd number of characters remain.
bool fromHexView(const QString &hex, QString *text);

// A USB read-back is a whole reply block; when it holds a frame (header before a
// trailer) only that frame is kept, else everything.
QByteArray frameInReadBack(const QByteArray &readBack);

// A message-area line: "[HH:mm:ss]" + tag + payload.
QString consoleLine(const QTime &time, const QString &tag, const QString &payload);

} // namespace hexcodec
