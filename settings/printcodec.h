#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <cstdint>

// Payloads of the print settings page, free of widgets: millimetre boxes to dots and
// back, the label size, the command-set codes and the mapping of list answers.
namespace printcodec {

// Command-set code -> name, in code order: 1 ZPL, 2 TSPL, 3 CPCL, 4 EPL, 5 DPL, 0x20 AUTO.
const QMap<uint8_t, QString> &commandSetCodes();

// The code of a command-set name; 0 when the name is not a command set.
uint8_t commandSetCode(const QString &name);

// Whole millimetres as the printer stores them: the low 16 bits of mm x dotsPerMm
// (two's complement for negative values), low byte first.
QByteArray millimetresToDots(int mm, int dotsPerMm);

// A base-10 integer box text; an unparsable text counts as 0.
int boxInteger(const QString &text);

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

// The 4-byte label size payload: height dots, then width dots, each low byte first.
QByteArray labelSizePayload(double heightMm, double widthMm, int dotsPerMm);

// A label size dimension read back: dots / dotsPerMm truncated to one decimal, shown
// with exactly one decimal ("50.2", "100.0").
double labelSizeMm(int16_t dots, int dotsPerMm);

// List answers whose last entry stands for every value beyond the named ones.
int printModeIndex(uint8_t answer); // 0 thermal, 1 transfer, anything else 2 (adaptive)
int paperTypeIndex(uint8_t answer); // 0, 1, 2 as they are; anything else 3 (AUTO)

} // namespace printcodec
