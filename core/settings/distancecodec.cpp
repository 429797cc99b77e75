#include "core/settings/distancecodec.h"

#include "core/protocol/frame.h"

#include <QtGlobal>

namespace distancecodec {

int limitStripperSeconds(int seconds)
{
    return qBound(0, seconds, kMaxStripperSeconds);
}

QByteArray stripperTimePayload(int seconds)
{
    return frame::le16(uint16_t(limitStripperSeconds(seconds) * 1000));
}

int stripperSecondsFromReply(const uint8_t *data)
{
    return frame::u16(data) / 1000;
}

} // namespace distancecodec
