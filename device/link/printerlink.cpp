#include "device/link/printerlink.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"

#include <QDebug>
#include <cstring>

int queryOverLink(PrinterLink &link, uint8_t frameClass, uint8_t item, unsigned char *out,
                  int *dataLength)
{
    if (dataLength)
        *dataLength = 0;
    uint8_t reply[frame::kReplyAreaSize] = {};
    const int ret = link.exchange(frame::build(frameClass, item), reply);
    qDebug("query %02X %02X ret:%d", frameClass, item, ret);
    if (out)
        std::memset(out, 0, frame::kQueryOutSize);
    if (ret != 0)
        return ret;
    if (frame::decodeQueryReply(reply, int(sizeof(reply)), item, out) != 0) {
        qDebug("get frame err");
        return RESULT_BAD_REPLY;
    }
    if (dataLength)
        *dataLength = qMin(int(reply[5]), frame::kReplyAreaSize - frame::kHeaderSize);
    return RESULT_OK;
}
