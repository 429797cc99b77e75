#pragma once

#include <QList>
#include <QString>

// Checks of the numeric page fields against what the printer can store, done before
// a set sends anything. Free of widgets: a field is its shown name, its text and the
// range the user is told when it is refused.
namespace fieldcheck {

enum class Kind
{
    Integer, // a whole number within min..max
    Decimal, // a decimal number within min..max (the label size)
    Port,    // empty (sent as 0) or a whole number 0..65535
    Address  // empty ("...") or four dotted parts 0..255
};

struct Field
{
    QString name;
    QString text;
    Kind kind = Kind::Integer;
    double min = 0;
    double max = 0;
};

// Whole millimetres whose dot count fits the 16-bit field: an unsigned field (a gap)
// holds 0..65535 dots, a signed one (an offset, a sensor distance) -32768..32767.
Field millimetres(const QString &name, const QString &text, int dotsPerMm, bool signedField);
// A signed 16-bit dot count.
Field dots(const QString &name, const QString &text);
// Millimetres with a decimal whose rounded dot count fits 0..65535.
Field labelSize(const QString &name, const QString &text, int dotsPerMm);
Field integer(const QString &name, const QString &text, int min, int max);
Field port(const QString &name, const QString &text);
Field address(const QString &name, const QString &text);

bool accepts(const Field &field);

// The index of the first field refused; -1 when all are accepted.
int firstRefused(const QList<Field> &fields);

} // namespace fieldcheck
