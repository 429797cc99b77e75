#include "protocol/exchange.h"

#include "app/globals.h"
#include "protocol/frame.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"

#include <QDebug>
#include <QTcpSocket>
#include <cstring>

namespace {

bool s_held = false;
bool s_streaming = false;
const QObject *s_observerOwner = nullptr;
std::function<void(bool)> s_observer;

void tellObserver(bool held)
{
    // A copy: the observer may replace itself while it runs.
    const std::function<void(bool)> observer = s_observer;
    if (observer)
        observer(held);
}

// Writes `request` and reads one reply into the zeroed `reply` area.
int swap(QByteArray request, uint8_t *reply, int mode)
{
    const PrinterClaim claim;
    if (!claim.held())
        return RESULT_BUSY;
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
    const PrinterClaim claim;
    if (!claim.held())
        return RESULT_BUSY;
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

namespace printerlink {

bool exchanging()
{
    return s_held;
}

bool streaming()
{
    return s_streaming;
}

void setStreaming(bool streaming)
{
    s_streaming = streaming;
}

bool take()
{
    if (busy()) {
        qDebug() << "Printer busy: exchange refused";
        return false;
    }
    s_held = true;
    tellObserver(true);
    return true;
}

void giveBack()
{
    s_held = false;
    tellObserver(false);
}

void setObserver(const QObject *owner, std::function<void(bool held)> observer)
{
    s_observerOwner = owner;
    s_observer = std::move(observer);
}

void removeObserver(const QObject *owner)
{
    if (s_observerOwner != owner)
        return;
    s_observerOwner = nullptr;
    s_observer = nullptr;
}

} // namespace printerlink

PrinterClaim::PrinterClaim() : m_held(printerlink::take()) {}

PrinterClaim::~PrinterClaim()
{
    if (m_held)
        printerlink::giveBack();
}

int GetPrinterInfo(SetInfoType type, unsigned char *out, int mode, int *dataLength)
{
    return query(frame::ClassQuery, type, out, mode, "GetPrinterInfo ret:%d", dataLength);
}

int GetPrinterStatusInfo(POWER_InFo code, unsigned char *out, int mode, int *dataLength)
{
    int length = 0;
    const int ret =
        query(frame::ClassStatus, code, out, mode, "GetStatusPrinterInfo ret:%d", &length);
    if (dataLength)
        *dataLength = length;
    // Every byte the reply announced: binary answers such as the resolution hold zeros.
    if (ret == RESULT_OK && out) {
        for (int i = 0; i < length; ++i)
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
    constexpr int kWordSize = 4;
    if (word)
        *word = 0;
    if (ret_mode != MEDIUM_USB && ret_mode != MEDIUM_NETWORK)
        return RESULT_NO_MEDIUM;
    const PrinterClaim claim;
    if (!claim.held())
        return RESULT_BUSY;
    unsigned char reply[frame::kReplyAreaSize] = {};
    const unsigned char *bytes = reply;
    int length = 0;
    int ret;
    if (ret_mode == MEDIUM_USB) {
        if (!contrlUsb)
            return RESULT_USB_IO;
        ret = contrlUsb->ReadFromControlEndpoint(reply, length);
    } else {
        if (!contrlNet)
            return RESULT_NETWORK;
        ret = contrlNet->ReadFromControlEndpoint(9, reply, length);
        // The transport hands over the whole reply frame; the word is its data.
        length = reply[5];
        bytes = reply + frame::kHeaderSize;
    }
    if (ret != 0)
        return ret;
    if (length < kWordSize) {
        qDebug("status word reply too short: %d bytes", length);
        return RESULT_BAD_REPLY;
    }
    if (word)
        *word = frame::u16(bytes) | (quint32(frame::u16(bytes + 2)) << 16);
    return RESULT_OK;
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
