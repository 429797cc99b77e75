#pragma once

#include "device/link/streampiece.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <cstdint>

struct PrinterAddress;

// One open way to the printer (USB or network). A link knows nothing of the printer's
// model or of other exchanges: the session runs one exchange at a time over it. Links
// are made from an address by the registry (device/link/linkregistry.h).
class PrinterLink : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // MEDIUM_USB or MEDIUM_NETWORK.
    virtual int medium() const = 0;
    // Reaches the printer at `address` (of this link's kind); 0 on success, otherwise a
    // code of the link's own (the session reports it as it comes).
    virtual int open(const PrinterAddress &address) = 0;

    // Writes one request frame and reads one reply into `reply`, which holds
    // frame::kReplyAreaSize bytes; an exchange result code.
    virtual int exchange(const QByteArray &request, unsigned char *reply) = 0;
    // Writes without reading a reply; with `piece`, the bytes are one piece of a stream.
    virtual int write(const QByteArray &bytes, StreamPiece *piece = nullptr) = 0;
    // The data of the printer's status word reply (four bytes when well-formed).
    virtual int readStatusData(QByteArray *data) = 0;
    // Whatever the printer sent that nobody asked for.
    virtual QByteArray readPending() = 0;

    // One user operation: a network link connects for it and disconnects after it.
    virtual void beginOperation() {}
    virtual void endOperation() {}
    // A fresh connection for a file stream; `errorText` tells why it failed, when known.
    virtual int connectForStream(QString *errorText)
    {
        Q_UNUSED(errorText);
        return 0;
    }

    // Whether the printer's side has acknowledged everything written so far. `queued`
    // receives what it has not yet acknowledged. A USB transfer ends only when the
    // printer took it, so there nothing is ever pending.
    enum class Delivery
    {
        Confirmed,
        Pending,
        Broken, // the connection is gone: what is pending never arrives
    };
    virtual Delivery delivery(qint64 *queued)
    {
        if (queued)
            *queued = 0;
        return Delivery::Confirmed;
    }

    virtual void close() = 0;

    // Which connection the link is on: it changes whenever a new one is made (network).
    // An answer confirms only what was written on the same connection.
    virtual quint64 connectionId() const { return 0; }
    // Whether the connection of connectionId() still stands (USB: always).
    virtual bool connectionStands() { return true; }

    // The deadline of what the session is doing (QDeadlineTimer::Forever: none). Every
    // wait of the link (connect, reply, write confirmation, transfer) ends by it at the
    // latest; the failure is then the link's usual one, which the session reports as
    // RESULT_TIMED_OUT.
    void setDeadline(QDeadlineTimer deadline) { m_deadline = deadline; }
    QDeadlineTimer deadline() const { return m_deadline; }

    // Whether a single frame waits until the printer's side has acknowledged it (the
    // default). A session that asks the printer after its writes needs no such wait:
    // the answer says more than the acknowledgement.
    void setAcknowledgeWait(bool wait) { m_acknowledgeWait = wait; }
    bool acknowledgeWait() const { return m_acknowledgeWait; }

protected:
    // `ms` cut to the time left before the deadline, and never below 1 ms: to libusb a
    // time-out of 0 means none.
    int waitMs(qint64 ms) const
    {
        const qint64 left = m_deadline.isForever() ? ms : m_deadline.remainingTime();
        return int(qMax<qint64>(1, qMin(ms, left)));
    }

private:
    QDeadlineTimer m_deadline{QDeadlineTimer::Forever};
    bool m_acknowledgeWait = true;
};

// One query exchange over `link`: the frame for `item` of `frameClass` out, the reply's
// data into `out` (frame::kQueryOutSize bytes, zeroed in every case). `dataLength`, when
// given, receives the number of data bytes the reply announced (0 on failure).
int queryOverLink(PrinterLink &link, uint8_t frameClass, uint8_t item, unsigned char *out,
                  int *dataLength = nullptr);
