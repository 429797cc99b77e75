#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Payloads of the print settings page, free of widgets: millimetres to dots and back,
// and the label size.
namespace printcodec {

// Whole millimetres as the printer stores them: the low 16 bits of mm x dotsPerMm
// (two's complement for negative values), low byte first.
QByteArray millimetresToDots(int mm, int dotsPerMm);

// Reply of an unsigned 16-bit dot count shown in whole millimetres (label gaps).
int unsignedDotsToMillimetres(const uint8_t *data, int dotsPerMm);

// Reply of a signed 16-bit dot count shown in whole millimetres, truncated toward zero
// (offsets and sensor distances).
int signedDotsToMillimetres(const uint8_t *data, int dotsPerMm);

// Decimal text in the system locale, the C locale or a cleaned-up typed form
// (full-width punctuation, grouping characters, a decimal comma). Values that are not
// finite count as unparsable.
bool parseLocaleDouble(const QString &text, double *out);

// Millimetres to dots: rounded to the nearest dot (halves upward), limited to 0..65535.
uint16_t labelDots(double millimetres, int dotsPerMm);

// A label size dimension read back: dots / dotsPerMm truncated to one decimal, shown
// with exactly one decimal ("50.2", "100.0").
double labelSizeMm(int16_t dots, int dotsPerMm);

} // namespace printcodec
