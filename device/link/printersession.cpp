#include "device/link/printersession.h"

#include "core/protocol/frame.h"
#include "core/settings/modeltable.h"
#include "device/link/linkregistry.h"
#include "device/link/printerlink.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <algorithm>
#include <cstring>

namespace {

// A link may still be on the stack of a nested event loop (a wait for a reply): let
// the event loop delete it.
void retire(std::unique_ptr<PrinterLink> &link)
{
    if (!link)
        return;
    link->close();
    link.release()->deleteLater();
}

} // namespace

PrinterSession::PrinterSession(QObject *parent) : QObject(parent) {}

PrinterSession::~PrinterSession() = default;

int PrinterSession::medium() const
{
    return m_medium;
}

void PrinterSession::setMedium(int medium)
{
    m_medium = medium;
}

int PrinterSession::failureCode() const
{
    if (m_medium == MEDIUM_USB)
        return RESULT_USB_OPEN;
    if (m_medium == MEDIUM_NETWORK)
        return RESULT_NETWORK;
    return RESULT_NO_MEDIUM;
}

int PrinterSession::open(const PrinterAddress &address)
{
    m_medium = address.medium();
    retire(m_link);
    if (deadlinePassed())
        return RESULT_TIMED_OUT;
    m_address = address;
    std::unique_ptr<PrinterLink> link = links::create(address);
    if (!link)
        return RESULT_NO_MEDIUM;
    adopt(*link);
    const int ret = link->open(address);
    if (ret == 0)
        m_link = std::move(link);
    // A link's failure whatever the cause: after the deadline it is the deadline's.
    return ret != 0 && deadlinePassed() ? int(RESULT_TIMED_OUT) : ret;
}

int PrinterSession::openNetwork(const QString &host, quint16 port)
{
    return open(PrinterAddress::forNetwork(host, port));
}

int PrinterSession::openUsb(int port)
{
    return open(PrinterAddress::forUsb(port));
}

void PrinterSession::setDeadline(QDeadlineTimer deadline)
{
    m_deadline = deadline;
    if (m_link)
        adopt(*m_link);
}

void PrinterSession::adopt(PrinterLink &link) const
{
    link.setDeadline(m_deadline);
    link.setAcknowledgeWait(!m_confirming);
}

void PrinterSession::setConfirming(bool on)
{
    m_confirming = on;
    if (m_link)
        adopt(*m_link);
}

int PrinterSession::afterDeadline(int code) const
{
    return isUnanswered(code) && deadlinePassed() ? int(RESULT_TIMED_OUT) : code;
}

void PrinterSession::close()
{
    retire(m_link);
}

int PrinterSession::connectForStream(QString *errorText)
{
    if (errorText)
        errorText->clear();
    int code = 0;
    PrinterLink *link = linkFor(&code);
    return link ? afterDeadline(link->connectForStream(errorText)) : code;
}

void PrinterSession::adoptModel(const QString &model)
{
    const modeltable::Facts facts = modeltable::of(model);
    m_dotsPerMm = facts.dotsPerMm;
    m_hasPrintMode = facts.printMode;
    m_settingsAllowed = facts.settingsPages;
    // Another printer: nothing confirmed or read of the previous one holds for it.
    m_stripperConfirmed = false;
    m_wifiMode = -1;
}

int PrinterSession::dotsPerMm() const
{
    return m_dotsPerMm;
}

void PrinterSession::setDotsPerMm(int dots)
{
    m_dotsPerMm = dots;
}

bool PrinterSession::hasPrintMode() const
{
    return m_hasPrintMode;
}

void PrinterSession::setHasPrintMode(bool has)
{
    m_hasPrintMode = has;
}

bool PrinterSession::stripperConfirmed() const
{
    return m_stripperConfirmed;
}

void PrinterSession::setStripperConfirmed(bool confirmed)
{
    m_stripperConfirmed = confirmed;
}

int PrinterSession::wifiMode() const
{
    return m_wifiMode;
}

void PrinterSession::setWifiMode(int mode)
{
    m_wifiMode = mode;
}

PrinterLink *PrinterSession::linkFor(int *code) const
{
    if (stopRequested()) {
        *code = RESULT_CANCELLED;
        return nullptr;
    }
    if (deadlinePassed()) {
        *code = RESULT_TIMED_OUT;
        return nullptr;
    }
    if (!links::served(m_medium)) {
        *code = RESULT_NO_MEDIUM;
        return nullptr;
    }
    if (!m_link || m_link->medium() != m_medium) {
        *code = m_medium == MEDIUM_USB ? RESULT_USB_IO : RESULT_NETWORK;
        return nullptr;
    }
    return m_link.get();
}

int PrinterSession::queryInfo(SetInfoType item, unsigned char *out, int *dataLength)
{
    if (dataLength)
        *dataLength = 0;
    const Hold hold(*this);
    int code = hold.held() ? 0 : int(RESULT_BUSY);
    PrinterLink *link = hold.held() ? linkFor(&code) : nullptr;
    if (!link) {
        if (out)
            std::memset(out, 0, frame::kQueryOutSize);
        return code;
    }
    const int ret = afterDeadline(queryOverLink(*link, frame::ClassQuery, item, out, dataLength));
    if (ret == RESULT_OK)
        noteAnswer(link->connectionId());
    return ret;
}

int PrinterSession::queryStatus(POWER_InFo code, unsigned char *out, int *dataLength)
{
    if (dataLength)
        *dataLength = 0;
    const Hold hold(*this);
    int failure = hold.held() ? 0 : int(RESULT_BUSY);
    PrinterLink *link = hold.held() ? linkFor(&failure) : nullptr;
    if (!link) {
        if (out)
            std::memset(out, 0, frame::kQueryOutSize);
        return failure;
    }
    int length = 0;
    const int ret = afterDeadline(queryOverLink(*link, frame::ClassStatus, code, out, &length));
    if (ret == RESULT_OK)
        noteAnswer(link->connectionId());
    if (dataLength)
        *dataLength = length;
    // Every byte the reply announced: binary answers such as the resolution hold zeros.
    for (int i = 0; ret == RESULT_OK && out && i < length; ++i)
        qDebug("get mesage :%02X", out[i]);
    return ret;
}

int PrinterSession::sendCommand(POWER_InFo code)
{
    return sendFrame(frame::build(frame::ClassStatus, code));
}

int PrinterSession::sendSet(uint8_t item, const QByteArray &data)
{
    return sendFrame(frame::build(frame::ClassSet, item, data));
}

int PrinterSession::sendFrame(const QByteArray &frame)
{
    const Hold hold(*this);
    if (!hold.held())
        return RESULT_BUSY;
    qDebug().noquote() << "send frame:" << frame::hexForLog(frame);
    int code = 0;
    PrinterLink *link = linkFor(&code);
    if (!link)
        return code;
    code = afterDeadline(link->write(frame));
    // Sent or not, from here on only an answer tells what the printer took.
    if (m_unconfirmed == 0 || m_unconfirmedOn != link->connectionId())
        m_unconfirmed = 0;
    m_unconfirmedOn = link->connectionId();
    ++m_unconfirmed;
    return code;
}

int PrinterSession::readStatusWord(quint32 *word)
{
    constexpr int kWordSize = 4;
    if (word)
        *word = 0;
    if (!links::served(m_medium))
        return RESULT_NO_MEDIUM;
    const Hold hold(*this);
    if (!hold.held())
        return RESULT_BUSY;
    int code = 0;
    PrinterLink *link = linkFor(&code);
    if (!link)
        return code;
    QByteArray data;
    code = link->readStatusData(&data);
    if (code != 0)
        return afterDeadline(code);
    noteAnswer(link->connectionId());
    if (data.size() < kWordSize) {
        qDebug("status word reply too short: %d bytes", int(data.size()));
        return RESULT_BAD_REPLY;
    }
    const auto *bytes = reinterpret_cast<const uint8_t *>(data.constData());
    if (word)
        *word = frame::u16(bytes) | (quint32(frame::u16(bytes + 2)) << 16);
    return RESULT_OK;
}

void PrinterSession::noteAnswer(quint64 connection)
{
    if (connection == m_unconfirmedOn)
        m_unconfirmed = 0;
}

int PrinterSession::confirmWrites()
{
    if (!m_confirming || m_unconfirmed == 0)
        return RESULT_OK;
    int code = 0;
    PrinterLink *link = linkFor(&code);
    if (!link)
        return code;
    // An answer on another connection says nothing of what this one carried.
    if (link->connectionId() != m_unconfirmedOn || !link->connectionStands()) {
        qDebug("The connection that carried %d frames is gone: they stay unconfirmed",
               m_unconfirmed);
        return RESULT_NETWORK;
    }
    quint32 word = 0;
    code = readStatusWord(&word);
    // A reply only after the frames: the printer has read them.
    return code == RESULT_OK && m_unconfirmed == 0 ? int(RESULT_OK) : code;
}

int PrinterSession::awaitComeBack(QDeadlineTimer until)
{
    constexpr qint64 kRetryMs = 300;
    const QDeadlineTimer saved = m_deadline;
    // The wait ends by `until` or the session's own deadline, whichever comes first.
    if (until.deadlineNSecs() < m_deadline.deadlineNSecs())
        setDeadline(until);
    const bool network = m_medium == MEDIUM_NETWORK;
    int failure = 0;
    const PrinterLink *first = linkFor(&failure);
    // The connection that carried the restart: a printer that restarts drops it, and only
    // an answer on a new one made after that is the printer back. On USB an answer after
    // one that failed.
    const quint64 carried = first ? first->connectionId() : 0;
    int code = RESULT_TIMED_OUT;
    bool gone = false;
    while (!deadlinePassed() && !stopRequested() && links::served(m_medium)) {
        QCoreApplication::processEvents();
        // A restarted USB printer is a new device on the bus: it is looked up again (so
        // is any printer not on the network).
        if (!network && gone)
            open(m_address);
        PrinterLink *link = linkFor(&failure);
        if (link && network &&
            (!link->connectionStands() || (gone && link->connectionId() == carried))) {
            gone = true;
            link->endOperation();
            link->beginOperation();
        }
        quint32 word = 0;
        const int ret = link ? readStatusWord(&word) : failure;
        if (ret == RESULT_OK && (network ? link->connectionId() != carried : gone)) {
            code = RESULT_OK;
            break;
        }
        gone = gone || ret != RESULT_OK;
        QThread::msleep(ulong(std::min(kRetryMs, qMax<qint64>(0, m_deadline.remainingTime()))));
    }
    setDeadline(saved);
    return code != RESULT_OK && stopRequested() ? int(RESULT_CANCELLED) : code;
}

int PrinterSession::writeRaw(const QByteArray &bytes, StreamPiece *piece)
{
    std::unique_ptr<Hold> hold;
    if (!piece && !exchanging()) {
        hold = std::make_unique<Hold>(*this);
        if (!hold->held())
            return RESULT_BUSY;
    }
    int code = 0;
    PrinterLink *link = linkFor(&code);
    return link ? afterDeadline(link->write(bytes, piece)) : code;
}

QByteArray PrinterSession::readPending()
{
    int code = 0;
    PrinterLink *link = linkFor(&code);
    return link ? link->readPending() : QByteArray();
}

bool PrinterSession::exchanging() const
{
    return m_held;
}

bool PrinterSession::streaming() const
{
    return m_streaming;
}

void PrinterSession::setStreaming(bool streaming)
{
    if (m_streaming == streaming)
        return;
    m_streaming = streaming;
    emit streamingChanged(streaming);
}

bool PrinterSession::take()
{
    if (busy()) {
        qDebug() << "Printer busy: exchange refused";
        return false;
    }
    m_held = true;
    emit heldChanged(true);
    return true;
}

void PrinterSession::giveBack()
{
    m_held = false;
    emit heldChanged(false);
}

PrinterSession::Hold::Hold(PrinterSession &session) : m_session(session)
{
    m_held = m_session.take();
}

PrinterSession::Hold::~Hold()
{
    if (m_held)
        m_session.giveBack();
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
    // Past the deadline nothing is sent, and no connection is made for it either.
    if (m_medium == MEDIUM_NETWORK && m_link && !deadlinePassed())
        m_link->beginOperation();
}

void PrinterSession::endOperation()
{
    if (m_medium == MEDIUM_NETWORK && m_link)
        m_link->endOperation();
}
