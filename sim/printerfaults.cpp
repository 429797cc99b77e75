#include "sim/printerfaults.h"

bool PrinterFaults::operator==(const PrinterFaults &o) const
{
    return silentItems == o.silentItems && wrongItemItems == o.wrongItemItems &&
           ignoredSetItems == o.ignoredSetItems && strayBytes == o.strayBytes &&
           lengthBit7 == o.lengthBit7 && replyDelayMs == o.replyDelayMs &&
           replySegments == o.replySegments && segmentPauseMs == o.segmentPauseMs &&
           dropAfterBytes == o.dropAfterBytes && refuse == o.refuse &&
           slowReadChunk == o.slowReadChunk && slowReadPauseMs == o.slowReadPauseMs &&
           stopReadingAfterFrames == o.stopReadingAfterFrames &&
           closeAfterFrames == o.closeAfterFrames && udpFault == o.udpFault &&
           udpDuplicate == o.udpDuplicate;
}
