// A query reply as it arrives: decoded from a USB block, searched for in a byte
// stream. The first two bytes pick the class and item expected.
#include "fuzzcheck.h"
#include "core/protocol/frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t frameClass = data[0];
    const uint8_t item = data[1];
    const int length = int(size - 2);
    QByteArray out(frame::kQueryOutSize, '\0');
    frame::decodeQueryReply(data + 2, length, item, reinterpret_cast<uint8_t *>(out.data()));

    const QByteArray stream(reinterpret_cast<const char *>(data + 2), length);
    int start = -1;
    int frameLength = -1;
    if (frame::findReply(stream, frameClass, item, &start, &frameLength)) {
        FUZZ_CHECK(start >= 0 && frameLength >= frame::kOverhead);
        FUZZ_CHECK(start + frameLength <= length);
    }
    return 0;
}
