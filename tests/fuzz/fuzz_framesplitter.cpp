// A byte stream received by the simulated printer in pieces of a size the first byte
// picks: every byte comes out once, in order, and at most one frame is held back.
#include "fuzzcheck.h"
#include "sim/framesplitter.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t step = size_t(data[0]) + 1;
    simframe::FrameSplitter splitter;
    QByteArray out;
    auto take = [&](const QList<simframe::Piece> &pieces) {
        for (const simframe::Piece &piece : pieces)
            out += piece.isFrame ? piece.bytes : piece.data;
    };
    for (size_t at = 1; at < size; at += step) {
        take(splitter.push(
            QByteArray(reinterpret_cast<const char *>(data + at), int(std::min(step, size - at)))));
        FUZZ_CHECK(splitter.pendingBytes() <= simframe::kMaxFrame);
    }
    take(splitter.finish());
    FUZZ_CHECK(out == QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)));
    return 0;
}
