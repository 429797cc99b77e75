#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

// Streams a file to the printer in pieces. The worker never touches a transport:
// each piece crosses to the GUI thread through sendFileSignal (a blocking queued
// connection), which writes it and leaves the result in sendFileRet.
class WorkerThread : public QThread
{
    Q_OBJECT
public:
    using QThread::QThread;

    // `decryptedCopy` marks a file made for this job, deleted when the job ends; a
    // file the user chose is never deleted.
    void setJob(const QString &filePath, int medium, bool decryptedCopy);
    QString filePath() const { return m_filePath; }
    int medium() const { return m_medium; }
    bool decryptedCopy() const { return m_decryptedCopy; }

    // Piece size: 10240 bytes over USB, 850 bytes on any other medium.
    static int chunkSizeFor(int medium);

    // Sends the whole file; 1 when everything was sent, 0 on failure.
    int sendFileData();

    // Deletes the file being sent when it is a decrypted copy made for this job and
    // its path carries the "_decrypted" marker.
    void delDecryptedFile();

signals:
    void progressUpdated(int percent);
    void errorOccurred(const QString &text);
    void finished();
    void sendFileSignal(QByteArray data);

protected:
    void run() override;

private:
    QString m_filePath;
    int m_medium = 1;
    bool m_decryptedCopy = false;
};
