// Answer data as every settings page decodes it, row by row of the settings table: at
// most 255 bytes in the zeroed area the query exchange fills.
#include "fuzzcheck.h"
#include "core/protocol/frame.h"
#include "core/settings/settingtable.h"
#include "core/settings/wificodec.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint8_t out[frame::kQueryOutSize] = {};
    const int length = int(std::min<size_t>(size, frame::kMaxData));
    if (length > 0)
        std::memcpy(out, data, size_t(length));
    for (const settingtable::Row &row : settingtable::rows()) {
        for (int dotsPerMm : {8, 12}) {
            const QJsonValue v = settingtable::decode(row, out, length, dotsPerMm);
            // What a page shows of an answer is a value its own check takes, or a list
            // answer kept as the printer gave it.
            if (row.unit == settingtable::Unit::List && !v.isUndefined())
                FUZZ_CHECK(settingtable::isUnlisted(v) ||
                           settingtable::check(row, v, dotsPerMm, nullptr));
        }
    }
    for (int separators = 1; separators <= 2; ++separators) {
        QList<QByteArray> texts;
        if (wificodec::splitTexts(out, length, separators, &texts))
            FUZZ_CHECK(texts.size() == separators + 1);
    }
    return 0;
}
