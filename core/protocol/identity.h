#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>

// The printer identity answer (item 0x0C): five NUL-terminated ASCII strings one
// after another; string 1 is the model name and string 2 an IEEE-1284-style
// device ID with a "MFG:" field.
namespace identity {

constexpr int kStringCount = 5;

// Splits `length` bytes of answer data. Succeeds only when the four separating
// NULs all lie inside the data; the fifth string ends at the next NUL or at the
// end of the data.
bool split(const uint8_t *data, int length, QList<QByteArray> *strings);

// The manufacturer taken from the "MFG:" field of a device ID, trimmed; empty and
// false when there is no such field.
bool manufacturer(const QByteArray &deviceId, QByteArray *maker);

} // namespace identity
