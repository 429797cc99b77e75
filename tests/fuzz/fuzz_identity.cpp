// The identity answer (five NUL-terminated strings, a device ID among them) and the
// status word.
#include "fuzzcheck.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/protocol/statusword.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QByteArray> strings;
    if (identity::split(data, int(size), &strings)) {
        FUZZ_CHECK(strings.size() == identity::kStringCount);
        for (const QByteArray &s : strings) {
            QByteArray maker;
            identity::manufacturer(s, &maker);
        }
    }
    if (size >= 4) {
        const unsigned word = frame::u16(data) | unsigned(frame::u16(data + 2)) << 16;
        const QString lines = checkPrinterStatus(word);
        FUZZ_CHECK(lines.count(QLatin1Char('\n')) <= 15);
    }
    return 0;
}
