#pragma once

#include "sim/printermodel.h"

#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class QThread;
class SimServer;
class SimConnection;

// A simulated network printer: a TCP command server (default 127.0.0.1:9100) and a
// UDP discovery responder (default 127.0.0.1:38400) in front of a PrinterModel.
//
// It runs on its own thread with its own event loop, so it needs no event loop from
// the caller (a QCoreApplication must exist). start() returns once both sockets are
// bound; stop() closes them and joins the thread; the destructor stops. Every public
// member may be called from any thread at any time, including the fault setters while
// connections are open. Several TCP connections are served, one after another or at
// the same time; each has its own partial-frame state.
//
// Discovery: a datagram of exactly 10 bytes <seq> 1B FF FE 02 0C 00 1B FE FF is
// answered by unicast to its sender with <seq> followed by the identity frame
// 1B FF FE 02 0C L <identity> 1B FE FF. Anything else, and the responder's own
// datagrams, are ignored.
class SimPrinter
{
public:
    explicit SimPrinter(const PrinterConfig &config = PrinterConfig::defaults());
    ~SimPrinter();
    SimPrinter(const SimPrinter &) = delete;
    SimPrinter &operator=(const SimPrinter &) = delete;

    // --- Addresses (take effect at the next start()) --------------------------------
    void setTcpAddress(const QHostAddress &address); // default 127.0.0.1
    void setTcpPort(quint16 port);                   // default 9100; 0 picks a free port
    void setUdpAddress(const QHostAddress &address); // default 127.0.0.1
    void setUdpPort(quint16 port);                   // default 38400; 0 picks a free port
    void setUdpEnabled(bool on);                     // default on
    // Broadcast requests reach only a socket bound to the any-address
    // (QHostAddress::AnyIPv4); one bound to a unicast address sees unicast requests only.

    // Runs on the simulator's thread before its sockets are created, at every start().
    // A test can enter a network namespace there with setns(), which changes the
    // namespace of the calling thread only. Returning false aborts start() with the
    // message put in *error.
    void setThreadInit(std::function<bool(QString *error)> init);

    // --- Life cycle -------------------------------------------------------------------
    bool start(QString *error = nullptr);
    void stop();
    bool isRunning() const;

    QHostAddress tcpAddress() const;
    quint16 tcpPort() const; // the bound port once started (also when 0 was asked)
    QHostAddress udpAddress() const;
    quint16 udpPort() const; // the bound port once started; 0 when discovery is off

    // --- The printer --------------------------------------------------------------------
    PrinterModel &model(); // thread-safe itself
    void setConfig(const PrinterConfig &config);
    PrinterConfig config() const;

    QByteArray value(quint8 item) const;
    void setValue(quint8 item, const QByteArray &answerBytes);
    void setStatusWord(quint32 word);
    QList<ReceivedFrame> receivedFrames() const;
    QList<quint8> functionCodes() const;
    qint64 rawByteCount() const;
    QByteArray rawSha256() const;
    QByteArray rawBytes() const;
    void clearRecords();

    // --- Counters -------------------------------------------------------------------------
    int connectionCount() const;  // TCP connections accepted since start
    int openConnections() const;  // TCP connections open now
    qint64 bytesReceived() const; // over TCP since start
    int udpRequestCount() const;  // valid discovery requests seen since start
    int udpReplyCount() const;    // discovery datagrams sent since start

    // --- Fault switches (any time; see PrinterFaults) ------------------------------------
    // A switch is in effect when its setter returns (the listening state and the
    // receive buffer of new connections included).
    PrinterFaults faults() const;
    void setFaults(const PrinterFaults &faults);
    void setSilentItems(const QSet<quint8> &items);
    void setWrongItemItems(const QSet<quint8> &items);
    void setIgnoredSetItems(const QSet<quint8> &items); // a printer that ignores these settings
    void setStrayBytes(const QByteArray &bytes);
    void setReplyDelayMs(int ms);
    void setReplySegments(int segments, int pauseMs = 30);
    void setDropAfterBytes(qint64 bytes); // -1 never
    void setRefuseMode(RefuseMode mode);
    void setSlowRead(int chunkBytes, int pauseMs); // chunkBytes 0 turns it off
    // After this many frames in all (frameCount()), -1 never: stops reading, the
    // connections kept; or is killed, every connection closed and the port too.
    void setStopReadingAfterFrames(int frames);
    void setCloseAfterFrames(int frames);
    void setUdpFault(UdpReplyFault fault);
    void setUdpDuplicate(bool on);

    // --- Logging ----------------------------------------------------------------------------
    // With verbose on, every frame received and every reply sent is passed to the
    // handler in hexadecimal, with raw byte counts. The handler runs on the simulator's
    // thread. Without a handler, lines go to qDebug.
    void setVerbose(bool on);
    bool isVerbose() const;
    void setLogHandler(std::function<void(const QString &line)> handler);

private:
    friend class SimServer;
    friend class SimConnection;
    void log(const QString &line) const;
    void applyFaults();

    PrinterModel m_model;
    QMutex m_lifeMutex; // start, stop and applying switches; never taken by the server
    mutable QMutex m_mutex;
    QHostAddress m_tcpAddress{QHostAddress::LocalHost};
    quint16 m_tcpPort = 9100;
    QHostAddress m_udpAddress{QHostAddress::LocalHost};
    quint16 m_udpPort = 38400;
    bool m_udpEnabled = true;
    bool m_verbose = false;
    std::function<void(const QString &)> m_logHandler;
    std::function<bool(QString *)> m_threadInit;

    std::unique_ptr<QThread> m_thread;
    SimServer *m_server = nullptr; // lives on m_thread
    quint16 m_boundTcpPort = 0;
    quint16 m_boundUdpPort = 0;

    std::atomic<int> m_connectionCount{0};
    std::atomic<int> m_openConnections{0};
    std::atomic<qint64> m_bytesReceived{0};
    std::atomic<int> m_udpRequests{0};
    std::atomic<int> m_udpReplies{0};
};
