// Answer data as every settings page decodes it: at most 255 bytes in the zeroed
// area the query exchange fills.
#include "fuzzcheck.h"
#include "protocol/frame.h"
#include "settings/distancecodec.h"
#include "settings/netportcodec.h"
#include "settings/printcodec.h"
#include "settings/wificodec.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint8_t out[frame::kQueryOutSize] = {};
    const int length = int(std::min<size_t>(size, frame::kMaxData));
    if (length > 0)
        std::memcpy(out, data, size_t(length));
    for (int dotsPerMm : {8, 12}) {
        printcodec::unsignedDotsToMillimetres(out, dotsPerMm);
        printcodec::signedDotsToMillimetres(out, dotsPerMm);
        printcodec::labelSizeMm(frame::s16(out), dotsPerMm);
    }
    printcodec::printModeIndex(out[0]);
    printcodec::paperTypeIndex(out[0]);
    printcodec::commandSetCodes().value(out[0]);
    distancecodec::stripperSecondsFromReply(out);
    netportcodec::dottedAddress(out + 1);
    wificodec::macText(out + wificodec::kMacBytes);
    wificodec::ipFromAnswer(out);
    for (int separators = 1; separators <= 2; ++separators) {
        QList<QByteArray> texts;
        if (wificodec::splitTexts(out, length, separators, &texts))
            FUZZ_CHECK(texts.size() == separators + 1);
    }
    return 0;
}
