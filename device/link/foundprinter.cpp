#include "device/link/foundprinter.h"

#include "core/protocol/netdiscovery.h"

namespace {
// The USB list kept each entry in a 256-byte record: longer texts were cut there.
constexpr int kEntryBytes = 255;
} // namespace

QString FoundPrinter::listText() const
{
    const QString text = netdiscovery::entryText(maker, model, place);
    const QByteArray bytes = text.toLocal8Bit();
    return bytes.size() > kEntryBytes ? QString::fromLocal8Bit(bytes.left(kEntryBytes)) : text;
}
