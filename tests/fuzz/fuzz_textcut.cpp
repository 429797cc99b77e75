// The cut of a typed text to fit a frame, against the plain cut that drops one
// character at a time, under the local encodings a computer may have.
#include "fuzzcheck.h"
#include "core/protocol/frame.h"

#include <QTextCodec>

namespace {
QByteArray plainCut(const QString &text, int maxBytes)
{
    QString cut = text;
    QByteArray encoded = cut.toLocal8Bit();
    while (encoded.size() > maxBytes && !cut.isEmpty()) {
        cut.chop(cut.size() >= 2 && cut.at(cut.size() - 1).isLowSurrogate() ? 2 : 1);
        encoded = cut.toLocal8Bit();
    }
    return encoded;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const char *const codecs[] = {"UTF-8", "GB18030", "Big5", "Shift_JIS", "ISO-8859-1"};
    if (size < 2 || size > 4096) // the plain cut is quadratic
        return 0;
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(codecs[data[0] % 5]));
    const int maxBytes = data[1];
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 2), int(size - 2) / 2);
    FUZZ_CHECK(frame::cutLocal8Bit(text, maxBytes) == plainCut(text, maxBytes));
    return 0;
}
