#pragma once

#include "core/protocol/commandcodes.h"
#include "device/link/printeraddress.h"
#include "device/link/streampiece.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>

class PrinterLink;

// The printer this tool talks to and every conversation with it. Pages, the window and
// the command-line tool share one session: it owns the open link, runs one exchange at
// a time with the link's pacing and time-outs, and keeps what is known of the open
// printer (medium, model, dots per millimetre, print-mode setting, WiFi mode).
//
// One conversation at a time: network replies are awaited with the event loop turning,
// so a click handled meanwhile, or a file stream, could otherwise put a second
// conversation on the same connection. Every exchange below holds the printer while it
// runs; one asked for while the printer is held or a file is streamed returns
// RESULT_BUSY before anything is sent. Stream pieces (writeRaw with a piece) are the
// stream itself and are not refused.
class PrinterSession : public QObject
{
    Q_OBJECT

public:
    explicit PrinterSession(QObject *parent = nullptr);
    ~PrinterSession() override;
    PrinterSession(const PrinterSession &) = delete;
    PrinterSession &operator=(const PrinterSession &) = delete;

    // --- Medium ---
    // The medium chosen on the connection panel: MEDIUM_USB, MEDIUM_NETWORK, ...
    int medium() const;
    void setMedium(int medium);
    // What a page reports for a failed read: RESULT_USB_OPEN on USB, RESULT_NETWORK on
    // the network, RESULT_NO_MEDIUM otherwise.
    int failureCode() const;

    // --- Opening and closing ---
    // Opens the printer at `address` with a link of its kind (device/link/linkregistry.h)
    // and sets the medium to the kind's; 0 on success, otherwise the link's failure
    // (RESULT_TIMED_OUT once the deadline has passed, RESULT_NO_MEDIUM for a kind nobody
    // registered). A network printer has accepted a connection, dropped again until an
    // operation needs it.
    int open(const PrinterAddress &address);
    // open() for the network printer at host:port; 1 when it accepted no connection.
    int openNetwork(const QString &host, quint16 port);
    // open() for the USB printer at port number `port`.
    int openUsb(int port);
    void close();
    // The open link, or none.
    PrinterLink *link() const { return m_link.get(); }
    // A fresh network connection for a file stream (nothing to do on USB); 0 when it
    // stands. `errorText` receives the socket's reason, when there is one.
    int connectForStream(QString *errorText = nullptr);

    // --- Deadline ---
    // A deadline for everything done with this printer from now on, e.g.
    // setDeadline(QDeadlineTimer(30000)) for 30 s; QDeadlineTimer::Forever (the default)
    // clears it. Once it has passed, every exchange, write, stream piece, open and stream
    // connection returns RESULT_TIMED_OUT at once and sends nothing (readPending() returns
    // nothing). One under way when it comes stops waiting then: the link's connect, reply,
    // write and USB transfer waits are cut to the time left, and a failure after the
    // deadline is RESULT_TIMED_OUT. It belongs to the session, not to the link: close() and
    // opening another printer keep it.
    void setDeadline(QDeadlineTimer deadline);
    QDeadlineTimer deadline() const { return m_deadline; }
    bool deadlinePassed() const { return m_deadline.hasExpired(); }

    // --- Cancelling ---
    // The running job's stop flag (none: never stops). Once it is set every exchange,
    // write, stream piece and wait returns RESULT_CANCELLED before anything more is sent,
    // so a job stops at the next frame boundary; a frame already on its way is finished.
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }
    bool stopRequested() const { return m_stop && m_stop->load(); }

    // --- What is known of the open printer ---
    // Takes over what the opened printer's model (its name, or any text naming it, as
    // modeltable::of reads it) tells: dots per millimetre, print-mode setting, whether
    // its settings may be changed; and forgets what was confirmed or read of the
    // printer before.
    void adoptModel(const QString &model);
    bool settingsAllowed() const { return m_settingsAllowed.load(); }
    int dotsPerMm() const; // 8 or 12
    void setDotsPerMm(int dots);
    bool hasPrintMode() const; // the model has the print-mode setting and a stripper
    void setHasPrintMode(bool has);
    bool stripperConfirmed() const; // the user confirmed a stripper for this printer
    void setStripperConfirmed(bool confirmed);
    int wifiMode() const; // as last read or set; -1 while unknown
    void setWifiMode(int mode);

    // --- Exchanges ---
    // Information query (class 0x02). `out` must hold frame::kQueryOutSize bytes; it is
    // zeroed in every case and receives the reply data on success. `dataLength`, when
    // given, receives the number of data bytes the reply announced (0 on failure).
    int queryInfo(SetInfoType item, unsigned char *out, int *dataLength = nullptr);
    // Status query (class 0x00) whose reply is read, e.g. firmware version.
    int queryStatus(POWER_InFo code, unsigned char *out, int *dataLength = nullptr);
    // Function command (class 0x00); no reply is read.
    int sendCommand(POWER_InFo code);
    // Set frame (class 0x01) for `item` with `data`; no reply is read.
    int sendSet(uint8_t item, const QByteArray &data);
    // A complete frame, written without reading a reply.
    int sendFrame(const QByteArray &frame);
    // The printer's 4-byte status word; a shorter reply is RESULT_BAD_REPLY.
    int readStatusWord(quint32 *word);
    // Raw bytes for the console and file streams, no reply read. Without a piece the
    // write is an exchange of its own (refused while busy) unless the caller holds the
    // printer; with a piece it is one piece of a running stream.
    int writeRaw(const QByteArray &bytes, StreamPiece *piece = nullptr);
    // Whatever the printer sent that nobody asked for (console read-back).
    QByteArray readPending();

    // --- The printer's word ---
    // A kernel that acknowledged bytes is not a printer that read them. With confirming
    // on (the command line and the fleet), operations that end in write-only frames ask
    // the status word on the connection that carried them before it closes, and count as
    // done only once it is answered. The window sends its frames as they are.
    void setConfirming(bool on);
    bool confirming() const { return m_confirming; }
    // Write-only frames sent since the printer last answered on their connection.
    int unconfirmedFrames() const { return m_unconfirmed; }
    // With confirming on and frames unconfirmed: the status word asked on their
    // connection; RESULT_NETWORK when that connection is gone. RESULT_OK otherwise.
    int confirmWrites();
    // After a restart or an initialisation: waits until `until` for the printer to drop
    // the connection and answer the status word again on a new one; RESULT_OK then,
    // RESULT_TIMED_OUT when it did not.
    int awaitComeBack(QDeadlineTimer until);

    // --- Busy state ---
    bool exchanging() const; // an exchange or Hold has the printer
    bool streaming() const;  // a file stream is running
    bool busy() const { return exchanging() || streaming(); }
    void setStreaming(bool streaming);

    // Holds the printer for its lifetime when it was free; held() tells whether it was.
    // Writes made through writeRaw() while held are part of the holder's operation.
    class Hold
    {
    public:
        explicit Hold(PrinterSession &session);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;
        bool held() const { return m_held; }

    private:
        PrinterSession &m_session;
        bool m_held = false;
    };

    // One user operation. On the network the TCP connection is made for each operation:
    // the printer's address is connected on construction and disconnected when it goes
    // out of scope. Nothing happens on USB.
    class Operation
    {
    public:
        explicit Operation(PrinterSession &session);
        ~Operation();
        Operation(const Operation &) = delete;
        Operation &operator=(const Operation &) = delete;

    private:
        PrinterSession &m_session;
    };
    void beginOperation();
    void endOperation();

signals:
    // The printer was taken by an exchange (true) or given back (false).
    void heldChanged(bool held);
    void streamingChanged(bool streaming);

private:
    bool take();
    void giveBack();
    // The link for an exchange on the current medium, or none with the failure in `code`
    // (RESULT_TIMED_OUT once the deadline has passed).
    PrinterLink *linkFor(int *code) const;
    // A link's failure that came once the deadline had passed is the deadline's.
    int afterDeadline(int code) const;
    // Hands the session's deadline (and whether frames wait for their acknowledgement)
    // to a new link.
    void adopt(PrinterLink &link) const;
    // An answer on `connection` confirms the frames written on it before.
    void noteAnswer(quint64 connection);

    std::unique_ptr<PrinterLink> m_link;
    // What is known of the printer, and whether it is held, is read by the window while
    // the printer's worker runs a job: these are atomic.
    std::atomic<int> m_medium{MEDIUM_USB};
    std::atomic<int> m_dotsPerMm{8};
    std::atomic<bool> m_hasPrintMode{false};
    std::atomic<bool> m_stripperConfirmed{false};
    std::atomic<bool> m_settingsAllowed{true};
    std::atomic<bool> m_held{false};
    std::atomic<bool> m_streaming{false};
    std::atomic<int> m_wifiMode{-1};
    const std::atomic<bool> *m_stop = nullptr;
    QDeadlineTimer m_deadline{QDeadlineTimer::Forever};
    PrinterAddress m_address; // the printer open() opened last, to reach it again
    bool m_confirming = false;
    int m_unconfirmed = 0;
    quint64 m_unconfirmedOn = 0; // the connection the unconfirmed frames went on
};
