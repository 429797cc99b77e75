#include "protocol/printersession.h"

#include "app/globals.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"

#include <QTcpSocket>
#include <memory>

namespace {
constexpr int kStreamConnectWaitMs = 5000;
constexpr int kStreamSendBufferBytes = 1048576;
} // namespace

// Interim implementation over the process-wide link state; the session takes that
// state over as the links move into it.

PrinterSession::PrinterSession(QObject *parent) : QObject(parent)
{
    printerlink::setObserver(this, [this](bool held) { emit heldChanged(held); });
}

PrinterSession::~PrinterSession()
{
    printerlink::removeObserver(this);
    delete contrlNet;
    contrlNet = nullptr;
    delete contrlUsb;
    contrlUsb = nullptr;
    if (m_streaming)
        printerlink::setStreaming(false);
}

int PrinterSession::medium() const
{
    return ret_mode;
}

void PrinterSession::setMedium(int medium)
{
    ret_mode = medium;
}

int PrinterSession::openNetwork(const QString &host, quint16 port)
{
    ret_mode = MEDIUM_NETWORK;
    if (!contrlNet)
        contrlNet = new DeviceIoContrl_Net(nullptr);
    return contrlNet->Connect_Server(host, port);
}

int PrinterSession::openUsb(int port)
{
    ret_mode = MEDIUM_USB;
    if (!contrlUsb)
        contrlUsb = new CDeviceIOOpera(nullptr);
    std::unique_ptr<_PRINTER_ATTR[]> attrs(new _PRINTER_ATTR[kPrinterAttrCount]());
    Printer_Vector list;
    contrlUsb->GetPrinterHandle(attrs.get(), list);
    return contrlUsb->GetPrinterHandle(port);
}

void PrinterSession::close()
{
    if (ret_mode == MEDIUM_NETWORK && contrlNet)
        contrlNet->Disconnect_Server();
    else if (ret_mode == MEDIUM_USB && contrlUsb)
        contrlUsb->ClosePrinterHandle();
}

int PrinterSession::failureCode() const
{
    return mediumFailureCode();
}

int PrinterSession::dotsPerMm() const
{
    return mmToDot;
}

void PrinterSession::setDotsPerMm(int dots)
{
    mmToDot = dots;
}

bool PrinterSession::hasPrintMode() const
{
    return printModeFlag != 0;
}

void PrinterSession::setHasPrintMode(bool has)
{
    printModeFlag = has ? 1 : 0;
}

bool PrinterSession::stripperConfirmed() const
{
    return CHECK_STATUES != 0;
}

void PrinterSession::setStripperConfirmed(bool confirmed)
{
    CHECK_STATUES = confirmed ? 1 : 0;
}

int PrinterSession::wifiMode() const
{
    return m_wifiMode;
}

void PrinterSession::setWifiMode(int mode)
{
    m_wifiMode = mode;
}

int PrinterSession::queryInfo(SetInfoType item, unsigned char *out, int *dataLength)
{
    return GetPrinterInfo(item, out, ret_mode, dataLength);
}

int PrinterSession::queryStatus(POWER_InFo code, unsigned char *out, int *dataLength)
{
    return GetPrinterStatusInfo(code, out, ret_mode, dataLength);
}

int PrinterSession::sendCommand(POWER_InFo code)
{
    return SetPrinterStatusButton(code, ret_mode);
}

int PrinterSession::sendSet(uint8_t item, const QByteArray &data)
{
    return sendSetFrame(item, data);
}

int PrinterSession::sendFrame(const QByteArray &frame)
{
    return sendFrameNoReply(frame);
}

int PrinterSession::readStatusWord(quint32 *word)
{
    return readPrinterStatusWord(word);
}

int PrinterSession::writeRaw(const QByteArray &bytes, StreamPiece *piece)
{
    std::unique_ptr<Hold> hold;
    if (!piece && !exchanging()) {
        hold = std::make_unique<Hold>(*this);
        if (!hold->held())
            return RESULT_BUSY;
    }
    QByteArray copy = bytes;
    auto *data = reinterpret_cast<unsigned char *>(copy.data());
    QByteArray scratch(copy.size() + frame::kReplyAreaSize + 1, '\0');
    auto *reply = reinterpret_cast<unsigned char *>(scratch.data());
    int replyLength = 0;
    if (ret_mode == MEDIUM_NETWORK)
        return contrlNet
                   ? contrlNet->PrinterDataIOButton(data, copy.size(), reply, replyLength, piece)
                   : int(RESULT_NETWORK);
    if (ret_mode == MEDIUM_USB)
        return contrlUsb
                   ? contrlUsb->PrinterDataIOButton(data, copy.size(), reply, replyLength, piece)
                   : int(RESULT_USB_IO);
    return RESULT_NO_MEDIUM;
}

QByteArray PrinterSession::readPending()
{
    if (ret_mode == MEDIUM_NETWORK)
        return contrlNet ? contrlNet->readDebugData() : QByteArray();
    if (ret_mode == MEDIUM_USB)
        return contrlUsb ? contrlUsb->readDebugData() : QByteArray();
    return QByteArray();
}

bool PrinterSession::exchanging() const
{
    return printerlink::exchanging();
}

bool PrinterSession::streaming() const
{
    return printerlink::streaming();
}

void PrinterSession::setStreaming(bool streaming)
{
    if (m_streaming == streaming)
        return;
    m_streaming = streaming;
    printerlink::setStreaming(streaming);
    emit streamingChanged(streaming);
}

PrinterSession::Hold::Hold(PrinterSession &session) : m_session(session)
{
    m_held = printerlink::take();
}

PrinterSession::Hold::~Hold()
{
    if (m_held)
        printerlink::giveBack();
}

PrinterSession::Operation::Operation(PrinterSession &session) : m_session(session)
{
    m_session.beginOperation();
}

PrinterSession::Operation::~Operation()
{
    m_session.endOperation();
}

void PrinterSession::beginOperation()
{
    NetworkBracket::connectSocket();
}

void PrinterSession::endOperation()
{
    NetworkBracket::disconnectSocket();
}

int PrinterSession::connectForStream(QString *error)
{
    if (ret_mode != MEDIUM_NETWORK)
        return RESULT_OK;
    NetHandleRecord *handle = contrlNet ? contrlNet->getHandle() : nullptr;
    QTcpSocket *socket = handle ? handle->tcpSocket : nullptr;
    if (!socket || !handle->hostName) {
        if (error)
            *error = tr("Unknown error");
        return RESULT_NETWORK;
    }
    if (socket->state() == QAbstractSocket::ConnectedState ||
        socket->state() == QAbstractSocket::ConnectingState)
        socket->close();
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
    socket->connectToHost(QString::fromUtf8(handle->hostName), handle->port, QIODevice::ReadWrite,
                          QAbstractSocket::AnyIPProtocol);
    if (!socket->waitForConnected(kStreamConnectWaitMs)) {
        if (error)
            *error = socket->errorString();
        return RESULT_NETWORK;
    }
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kStreamSendBufferBytes);
    return RESULT_OK;
}
