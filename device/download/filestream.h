#pragma once

#include <QObject>
#include <QString>

class PlainCopy;
class PrinterSession;
class WorkerThread;

// One file on its way to the printer: the worker reads the pieces, this object writes
// each through the session on the GUI thread. While a stream runs the session is
// marked streaming, so every other exchange is refused. The firmware and font
// download and the console's file send share one stream: only one file goes at a time.
class FileStream : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Download,
        ConsoleFile
    };

    explicit FileStream(PrinterSession &session, QObject *parent = nullptr);
    // Stops a running stream between two pieces and waits for its worker.
    ~FileStream() override;
    FileStream(const FileStream &) = delete;
    FileStream &operator=(const FileStream &) = delete;

    // True when no stream runs; a worker that has just reported its end is given a
    // moment to return.
    bool waitUntilIdle();
    // Streams `path` on the session's medium. `decryptedCopy` marks a file made for
    // this stream, deleted when it ends; a file the user chose is never deleted.
    void start(const QString &path, Kind kind, bool decryptedCopy);
    // Streams a decrypted copy through its descriptor; deleted when the stream ends if
    // `removeAfter`.
    void start(const PlainCopy &copy, Kind kind, bool removeAfter);
    bool running() const;
    Kind kind() const { return m_kind; }
    // Asks the stream to stop between two pieces (or to give up a stalled one).
    void requestStop();

    WorkerThread *worker() const { return m_worker; }
    // A stream that completes leaves its connection open for the caller to hear the
    // printer on it and end the operation itself.
    void setKeepConnection(bool keep) { m_keepConnection = keep; }

signals:
    void started(FileStream::Kind kind);
    void progress(int percent);
    void failed(const QString &text);
    void completed();
    // After failed() or completed() was handled: the controls may come back.
    void ended();

private:
    void begin(Kind kind);
    void writePiece(const QByteArray &bytes);
    void onCompleted();
    // Waits until the printer's side has acknowledged the whole stream; false when the
    // connection broke first, the printer stopped taking bytes or the session's deadline
    // passed.
    bool waitUntilDelivered();
    void onFailed(const QString &text);
    void onWorkerFinished();

    PrinterSession &m_session;
    WorkerThread *m_worker = nullptr;
    Kind m_kind = Kind::Download;
    bool m_network = false;
    bool m_completed = false;
    bool m_confirming = false;     // the end of the stream is being confirmed
    bool m_workerFinished = false; // the worker ended meanwhile
    bool m_keepConnection = false;
};
