// Text typed into the console's send area in hex mode and the hex view toggle, and a
// USB read-back shown in the message area.
#include "core/protocol/hexcodec.h"
#include "fuzzcheck.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw(reinterpret_cast<const char *>(data), int(size));
    const QString text = QString::fromUtf8(raw);
    QByteArray bytes;
    const bool valid = hexcodec::parseHexSend(text, &bytes);
    if (valid) {
        FUZZ_CHECK(bytes.size() * 3 - 1 == text.size());
        QByteArray back;
        FUZZ_CHECK(hexcodec::parseHexSend(hexcodec::spacedHex(bytes), &back) && back == bytes);
    }
    // Same verdict as the pattern it replaced, where that pattern still works.
    static const QRegularExpression pairs(QStringLiteral("^[0-9A-Fa-f]{2}(\\s[0-9A-Fa-f]{2})*$"));
    if (text.size() < 3000)
        FUZZ_CHECK(valid == (!text.endsWith(QLatin1Char('\n')) && pairs.match(text).hasMatch()));
    QString shown;
    hexcodec::fromHexView(text, &shown);
    hexcodec::textUpToNul(hexcodec::frameInReadBack(raw));
    return 0;
}
