#include "settings/fieldcheck.h"

#include "settings/printcodec.h"

#include <QStringList>
#include <cmath>

namespace fieldcheck {

namespace {

constexpr int kPortMax = 65535;
constexpr int kAddressPartMax = 255;

Field make(const QString &name, const QString &text, Kind kind, double min, double max)
{
    Field f;
    f.name = name;
    f.text = text;
    f.kind = kind;
    f.min = min;
    f.max = max;
    return f;
}

bool allDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Digits only (no sign, no spaces inside) and at most `max`.
bool unsignedUpTo(const QString &s, int max)
{
    if (!allDigits(s))
        return false;
    bool ok = false;
    const qlonglong value = s.toLongLong(&ok, 10);
    return ok && value <= max;
}

bool addressAccepted(const QString &text)
{
    // The masked boxes read "..." when empty; that is sent as the default.
    if (text.isEmpty() || text == QLatin1String("..."))
        return true;
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (!unsignedUpTo(part.trimmed(), kAddressPartMax))
            return false;
    }
    return true;
}

} // namespace

Field millimetres(const QString &name, const QString &text, int dotsPerMm, bool signedField)
{
    const double low = signedField ? std::ceil(-32768.0 / dotsPerMm) : 0.0;
    const double high = std::floor((signedField ? 32767.0 : 65535.0) / dotsPerMm);
    return make(name, text, Kind::Integer, low, high);
}

Field dots(const QString &name, const QString &text)
{
    return make(name, text, Kind::Integer, -32768, 32767);
}

Field labelSize(const QString &name, const QString &text, int dotsPerMm)
{
    // Whole tenths, so that the range shown is one that is accepted.
    return make(name, text, Kind::Decimal, 0.0, std::floor(65535.0 * 10 / dotsPerMm) / 10);
}

Field integer(const QString &name, const QString &text, int min, int max)
{
    return make(name, text, Kind::Integer, min, max);
}

Field port(const QString &name, const QString &text)
{
    return make(name, text, Kind::Port, 0, kPortMax);
}

Field address(const QString &name, const QString &text)
{
    return make(name, text, Kind::Address, 0, kAddressPartMax);
}

bool accepts(const Field &field)
{
    const QString text = field.text.trimmed();
    switch (field.kind) {
    case Kind::Integer: {
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok, 10);
        return ok && value >= field.min && value <= field.max;
    }
    case Kind::Decimal: {
        double value = 0.0;
        return printcodec::parseLocaleDouble(text, &value) && value >= field.min &&
               value <= field.max;
    }
    case Kind::Port:
        // An empty box is sent as port 0 and leaves the connection's port alone.
        return text.isEmpty() || unsignedUpTo(text, kPortMax);
    case Kind::Address:
        return addressAccepted(text);
    }
    return false;
}

int firstRefused(const QList<Field> &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (!accepts(fields.at(i)))
            return i;
    }
    return -1;
}

} // namespace fieldcheck
