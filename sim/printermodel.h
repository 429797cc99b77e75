#pragma once

#include "sim/printerconfig.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QMutex>
#include <memory>

namespace simframe {
class FrameSplitter;
}

// One frame as the printer received it.
struct ReceivedFrame
{
    quint8 frameClass = 0;
    quint8 item = 0;
    QByteArray data;

    bool operator==(const ReceivedFrame &o) const
    {
        return frameClass == o.frameClass && item == o.item && data == o.data;
    }
};

// What one feed produced.
struct FeedResult
{
    QList<QByteArray> replies;   // one entry per reply, in order (stray bytes included)
    QList<ReceivedFrame> frames; // the frames taken from this input
    qint64 rawBytes = 0;         // bytes of this input that went to the raw sink
    bool dropConnection = false; // restart or initialisation was received
};

// A printer without a transport: bytes in, reply bytes out. It keeps the settings,
// answers queries, records what it received and passes bytes outside frames to a raw
// sink (count, running SHA-256, optional copy in memory and in a file).
//
// Every public member is thread-safe (one internal mutex), so the TCP server thread,
// an emulated USB device and a test thread may use one model together.
//
// Replies:
//   class 0x02 query   -> the stored value of the item, same class and item
//   class 0x01 set     -> stored (item 0x28 turned into answer order), no reply;
//                         items 0x0C and 0x3C are read-only and ignore sets
//   class 0x00 code 3  -> 1B FF FE 00 03 04 <status word, 4 bytes LE> 1B FE FF
//   class 0x00 code 4  -> firmware version, NUL-terminated
//   class 0x00 code 11 -> dpi LE16, maximum width in dots LE16
//   class 0x00 other   -> recorded only; 2 (restart) and 5 (initialisation) also ask
//                         the transport to drop the connection
class PrinterModel
{
public:
    explicit PrinterModel(const PrinterConfig &config = PrinterConfig::defaults());
    ~PrinterModel();
    PrinterModel(const PrinterModel &) = delete;
    PrinterModel &operator=(const PrinterModel &) = delete;

    // --- Input ------------------------------------------------------------------
    // Consumes part of a byte stream and returns the reply bytes to send (replies
    // joined). `stream` keeps independent partial-frame state per connection.
    // A restart/initialisation also sets the flag that takeDropRequest() returns.
    QByteArray feed(const QByteArray &bytes, int stream = 0);
    // As feed(), with the replies kept apart and the drop request returned.
    FeedResult process(const QByteArray &bytes, int stream = 0);
    // The stream ended (connection closed): held-back bytes go to the raw sink.
    void endStream(int stream = 0);
    // True once after feed() saw a restart or initialisation.
    bool takeDropRequest();

    // --- Configuration and stored state -----------------------------------------
    void setConfig(const PrinterConfig &config); // replaces settings and switches
    PrinterConfig config() const;                // current state, settings included
    QJsonObject stateJson() const;               // config().toJson()

    // Stored answer bytes of an item. Item 0x0C answers identityData() unless a value
    // was stored for it with setValue() (a test's malformed identity, for example).
    QByteArray value(quint8 item) const;
    bool hasValue(quint8 item) const;
    void setValue(quint8 item, const QByteArray &answerBytes);
    QMap<quint8, QByteArray> settings() const;

    QStringList identity() const;
    QByteArray identityData() const; // answer bytes of item 0x0C
    QString firmwareVersion() const;
    quint16 dpi() const;
    quint16 maxWidthDots() const;
    quint32 statusWord() const;
    void setStatusWord(quint32 word);
    int dropDelayMs() const;
    // True while the printer restarts after a firmware stream (see
    // PrinterConfig::firmwareRestart): connections are refused meanwhile.
    bool restarting() const;

    PrinterFaults faults() const;
    void setFaults(const PrinterFaults &faults);

    // --- Records ------------------------------------------------------------------
    // The last 10000 frames and function codes are kept.
    QList<ReceivedFrame> receivedFrames() const;
    QList<quint8> functionCodes() const; // class 0x00 items, in order
    int frameCount() const;              // all frames ever received
    void clearRecords();                 // frames, function codes, raw sink

    // --- Raw sink -----------------------------------------------------------------
    qint64 rawByteCount() const;
    QByteArray rawSha256() const; // digest of all raw bytes so far
    QByteArray rawBytes() const;  // the first rawKeepLimit() raw bytes
    qint64 rawKeepLimit() const;
    bool setRawFile(const QString &path); // "" stops copying; appends otherwise
    bool rawEcho() const;
    void setRawEcho(bool on);

    // Test helper: how many bytes the splitters hold back in all streams.
    int pendingBytes() const;

private:
    void handleRawLocked(const QByteArray &bytes, FeedResult *result, int stream);
    void handleFrameLocked(quint8 frameClass, quint8 item, const QByteArray &data,
                           FeedResult *result);
    void addReplyLocked(quint8 frameClass, quint8 item, const QByteArray &data, FeedResult *result);
    void storeSetLocked(quint8 item, const QByteArray &data);

    mutable QMutex m_mutex;
    PrinterConfig m_config;
    QMap<int, std::shared_ptr<simframe::FrameSplitter>> m_splitters;
    QList<ReceivedFrame> m_frames;
    QList<quint8> m_functionCodes;
    int m_frameCount = 0;
    bool m_dropRequested = false;
    QMap<int, QByteArray> m_streamHeads; // streams that carried raw bytes: their start
    QDeadlineTimer m_restartUntil{0};

    qint64 m_rawCount = 0;
    QCryptographicHash m_rawHash{QCryptographicHash::Sha256};
    QByteArray m_rawKept;
    qint64 m_rawKeepLimit = 4 * 1024 * 1024;
    std::unique_ptr<QFile> m_rawFile;
};
