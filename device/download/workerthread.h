#pragma once

#include "core/files/plaincopy.h"

#include <QByteArray>
#include <QString>
#include <QThread>
#include <atomic>

// Streams a file to the printer in pieces. The worker never touches a transport:
// each piece crosses to the GUI thread through sendFileSignal (a blocking queued
// connection), whose receiver writes it and reports with notePieceOutcome().
class WorkerThread : public QThread
{
    Q_OBJECT
public:
    using QThread::QThread;

    // `decryptedCopy` marks a file made for this job, deleted when the job ends; a
    // file the user chose is never deleted.
    void setJob(const QString &filePath, int medium, bool decryptedCopy);
    // A decrypted copy: read through its descriptor, deleted at the end when `removeAfter`
    // (several printers may share one).
    void setJob(const PlainCopy &copy, int medium, bool removeAfter);
    QString filePath() const { return m_filePath; }
    int medium() const { return m_medium; }
    bool decryptedCopy() const { return m_decryptedCopy; }

    // Piece size: 10240 bytes over USB, 850 bytes on any other medium.
    static int chunkSizeFor(int medium);

    // Sends the whole file; 1 when everything was sent, 0 on failure.
    int sendFileData();

    // Called by the side that writes the pieces, after each attempt: the write's result
    // code, how many bytes of the piece may have reached the printer, and when the
    // piece left (steady clock, nanoseconds; 0 when it did not). A piece of which some
    // bytes went out is never sent again, and the pause before the next network piece
    // counts from this time.
    void notePieceOutcome(int result, qint64 bytesOut, qint64 leftAtNs);
    // Called by the writer right before it writes a network piece: waits out what is
    // left of the pause after the previous piece. The worker hands a piece over a
    // little before the pause ends, so that the hand-over does not lengthen it.
    void keepPause() const;
    // True once any byte of the current file may have reached the printer.
    bool streamStarted() const { return m_streamStarted; }

    // Deletes the file being sent when it is a decrypted copy made for this job and
    // its path carries the "_decrypted" marker.
    void delDecryptedFile();

signals:
    void progressUpdated(int percent);
    void errorOccurred(const QString &text);
    void completed(); // every piece was delivered
    void sendFileSignal(QByteArray data);

protected:
    void run() override;

private:
    QString m_filePath;
    PlainCopy m_copy;
    int m_medium = 1;
    bool m_decryptedCopy = false;
    std::atomic<bool> m_streamStarted{false};
    std::atomic<int> m_pieceResult{-1};
    std::atomic<qint64> m_pieceBytesOut{0};
    std::atomic<qint64> m_pieceLeftAtNs{0};
    std::atomic<qint64> m_lastLeftAtNs{0};
};
