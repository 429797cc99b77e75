#include "core/settings/printcodec.h"

#include "core/protocol/frame.h"

#include <QLocale>
#include <cmath>

namespace printcodec {

QByteArray millimetresToDots(int mm, int dotsPerMm)
{
    // Only the low 16 bits travel; the wider product keeps huge entries defined.
    const qint64 dots = qint64(mm) * dotsPerMm;
    return frame::le16(uint16_t(dots & 0xFFFF));
}

int unsignedDotsToMillimetres(const uint8_t *data, int dotsPerMm)
{
    return frame::u16(data) / dotsPerMm;
}

int signedDotsToMillimetres(const uint8_t *data, int dotsPerMm)
{
    return frame::s16(data) / dotsPerMm;
}

bool parseLocaleDouble(const QString &text, double *out)
{
    bool ok = false;
    double value = QLocale::system().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok) {
        QString s = text.trimmed();
        s.replace(QChar(0xFF0C), QLatin1Char(','));
        s.replace(QChar(0x3002), QLatin1Char('.'));
        s.replace(QChar(0xFF0E), QLatin1Char('.'));
        for (QChar c : {QChar(' '), QChar(0x00A0), QChar(0x202F), QChar('\''), QChar('_')})
            s.remove(c);
        const bool hasDot = s.contains(QLatin1Char('.'));
        const bool hasComma = s.contains(QLatin1Char(','));
        if (hasDot && hasComma)
            s.remove(QLatin1Char(','));
        else if (hasComma)
            s.replace(QLatin1Char(','), QLatin1Char('.'));
        value = s.toDouble(&ok);
    }
    // "inf" and "nan" parse in every locale but are no size.
    if (!ok || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}

uint16_t labelDots(double millimetres, int dotsPerMm)
{
    const double dots = std::floor(millimetres * dotsPerMm + 0.5);
    if (!(dots > 0.0))
        return 0;
    if (dots > 65535.0)
        return 65535;
    return uint16_t(dots);
}

double labelSizeMm(int16_t dots, int dotsPerMm)
{
    const float mm = float(dots) / float(dotsPerMm);
    const int tenths = int(mm * 10.0f);
    return tenths / 10.0;
}

} // namespace printcodec
