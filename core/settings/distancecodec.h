#pragma once

#include <QByteArray>
#include <cstdint>

// Payloads of the distance and stripper pages that go beyond the shared millimetre
// conversions of the print page.
namespace distancecodec {

// The stripper take-away time travels as 16-bit milliseconds, so 65 s is the longest
// time it can hold.
constexpr int kMaxStripperSeconds = 65;

// Seconds limited to 0..kMaxStripperSeconds, so that a large entry never wraps to a
// short time.
int limitStripperSeconds(int seconds);

// The set payload for whole seconds: limited seconds x 1000, low byte first.
QByteArray stripperTimePayload(int seconds);

// A reply in milliseconds (unsigned 16-bit) shown in whole seconds.
int stripperSecondsFromReply(const uint8_t *data);

} // namespace distancecodec
