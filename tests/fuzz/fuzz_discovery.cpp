// A discovery datagram, decoded into the device list entry as discovery does.
#include "fuzzcheck.h"
#include "core/protocol/identity.h"
#include "core/protocol/netdiscovery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), int(size));
    QByteArray reply;
    if (!netdiscovery::replyData(datagram, &reply))
        return 0;
    FUZZ_CHECK(!reply.isEmpty() &&
               netdiscovery::kReplyDataOffset + reply.size() <= datagram.size());
    QList<QByteArray> strings;
    QByteArray maker;
    if (identity::split(reinterpret_cast<const uint8_t *>(reply.constData()), reply.size(),
                        &strings))
        identity::manufacturer(strings.at(2), &maker);
    netdiscovery::entryText(QString::fromLatin1(maker), QString::fromLatin1(strings.value(1)),
                            netdiscovery::ipv4Text(QString::fromLatin1(datagram)));
    return 0;
}
