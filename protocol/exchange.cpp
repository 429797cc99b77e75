#include "protocol/exchange.h"

#include "app/globals.h"
#include "protocol/frame.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"

#include <QDebug>
#include <QTcpSocket>
#include <cstring>

namespace {

// Writes `request` and reads one reply into the zeroed `reply` area.
int swap(QByteArray request, uint8_t *reply, int mode)
{
    int replyLength = 0;
    auto *bytes = reinterpret_cast<unsigned char *>(request.data());
    if (mode == MEDIUM_NETWORK)
        return contrlNet ? contrlNet->PrinterDataIORead(bytes, request.size(), reply, replyLength)
                         : int(RESULT_NETWORK);
    if (mode == MEDIUM_USB)
        return contrlUsb ? contrlUsb->PrinterDataIOSwap(bytes, request.size(), reply, replyLength)
                         : int(RESULT_USB_IO);
    return RESULT_NO_MEDIUM;
}

int query(uint8_t frameClass, uint8_t item, unsigned char *out, int mode, const char *logText,
          int *dataLength)
{
    if (dataLength)
        *dataLength = 0;
    uint8_t reply[frame::kReplyAreaSize] = {};
    const int ret = swap(frame::build(frameClass, item), reply, mode);
    qDebug(logText, ret);
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

int writeOnly(QByteArray request, int mode)
{
    qDebug().noquote() << "send frame:" << frame::hexForLog(request);
    int replyLength = 0;
    // The write-only operations ignore the reply area; it is there for their signature.
    QByteArray scratch(request.size() + frame::kReplyAreaSize + 1, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(request.data());
    auto *reply = reinterpret_cast<unsigned char *>(scratch.data());
    if (mode == MEDIUM_NETWORK)
        return contrlNet ? contrlNet->PrinterDataIOButton(bytes, request.size(), reply, replyLength)
                         : int(RESULT_NETWORK);
    if (mode == MEDIUM_USB)
        return contrlUsb ? contrlUsb->PrinterDataIOButton(bytes, request.size(), reply, replyLength)
                         : int(RESULT_USB_IO);
    return RESULT_NO_MEDIUM;
}

} // namespace

int GetPrinterInfo(SetInfoType type, unsigned char *out, int mode, int *dataLength)
{
    return query(frame::ClassQuery, type, out, mode, "GetPrinterInfo ret:%d", dataLength);
}

int GetPrinterStatusInfo(POWER_InFo code, unsigned char *out, int mode, int *dataLength)
{
    const int ret =
        query(frame::ClassStatus, code, out, mode, "GetStatusPrinterInfo ret:%d", dataLength);
    if (ret == RESULT_OK && out) {
        for (int i = 0; i < frame::kQueryOutSize && out[i] != 0; ++i)
            qDebug("get mesage :%02X", out[i]);
    }
    return ret;
}

int SetPrinterStatusButton(POWER_InFo code, int mode)
{
    return writeOnly(frame::build(frame::ClassStatus, code), mode);
}

int sendFrameNoReply(const QByteArray &request)
{
    return writeOnly(request, ret_mode);
}

int sendSetFrame(uint8_t item, const QByteArray &data)
{
    return writeOnly(frame::build(frame::ClassSet, item, data), ret_mode);
}

int mediumFailureCode()
{
    if (ret_mode == MEDIUM_USB)
        return RESULT_USB_OPEN;
    if (ret_mode == MEDIUM_NETWORK)
        return RESULT_NETWORK;
    return RESULT_NO_MEDIUM;
}

int readPrinterStatusWord(quint32 *word)
{
    if (word)
        *word = 0;
    if (ret_mode == MEDIUM_USB) {
        if (!contrlUsb)
            return RESULT_USB_IO;
        unsigned char buffer[4] = {};
        int length = 0;
        const int ret = contrlUsb->ReadFromControlEndpoint(buffer, length);
        if (ret == 0 && word)
            *word = frame::u16(buffer) | (quint32(frame::u16(buffer + 2)) << 16);
        return ret;
    }
    if (ret_mode == MEDIUM_NETWORK) {
        if (!contrlNet)
            return RESULT_NETWORK;
        unsigned char reply[frame::kReplyAreaSize] = {};
        int length = 0;
        const int ret = contrlNet->ReadFromControlEndpoint(9, reply, length);
        if (ret == 0 && word)
            *word = frame::u16(reply + 6) | (quint32(frame::u16(reply + 8)) << 16);
        return ret;
    }
    return RESULT_NO_MEDIUM;
}

NetworkBracket::NetworkBracket()
{
    connectSocket();
}
NetworkBracket::~NetworkBracket()
{
    disconnectSocket();
}

void NetworkBracket::connectSocket()
{
    if (ret_mode != MEDIUM_NETWORK || !contrlNet)
        return;
    NetHandleRecord *handle = contrlNet->getHandle();
    if (!handle || !handle->tcpSocket || !handle->hostName)
        return;
    handle->tcpSocket->connectToHost(QString::fromUtf8(handle->hostName), handle->port,
                                     QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

void NetworkBracket::disconnectSocket()
{
    if (ret_mode != MEDIUM_NETWORK || !contrlNet)
        return;
    NetHandleRecord *handle = contrlNet->getHandle();
    if (handle && handle->tcpSocket)
        handle->tcpSocket->disconnectFromHost();
}
