#include "device/download/workerthread.h"

#include "core/protocol/commandcodes.h"

#include <QDebug>
#include <QFile>
#include <chrono>
#include <thread>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {
constexpr int kAttempts = 3;
// The printer takes a network piece, then needs this pause before the next one.
constexpr std::chrono::milliseconds kNetworkPiecePause(2);
// How much earlier than the end of the pause a network piece is handed over.
constexpr std::chrono::microseconds kHandOverLead(300);

qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

void WorkerThread::notePieceOutcome(int result, qint64 bytesOut, qint64 leftAtNs)
{
    m_pieceResult = result;
    m_pieceBytesOut = bytesOut;
    m_pieceLeftAtNs = leftAtNs;
    if (leftAtNs > 0)
        m_lastLeftAtNs = leftAtNs;
    if (bytesOut > 0)
        m_streamStarted = true;
}

void WorkerThread::setJob(const QString &filePath, int medium, bool decryptedCopy)
{
    m_filePath = filePath;
    m_copy = PlainCopy();
    m_medium = medium;
    m_decryptedCopy = decryptedCopy;
}

void WorkerThread::setJob(const PlainCopy &copy, int medium, bool removeAfter)
{
    m_filePath = copy.path();
    m_copy = copy;
    m_medium = medium;
    m_decryptedCopy = removeAfter;
}

int WorkerThread::chunkSizeFor(int medium)
{
    return medium == MEDIUM_USB ? 10240 : 850;
}

void WorkerThread::run()
{
#ifdef Q_OS_LINUX
    // The network pause is short: its sleeps should end when asked, not up to the
    // default 50 µs later.
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    if (sendFileData() == 1)
        emit completed();
}

void WorkerThread::keepPause() const
{
    const qint64 last = m_lastLeftAtNs;
    if (last > 0)
        std::this_thread::sleep_until(std::chrono::steady_clock::time_point(
            std::chrono::nanoseconds(last) + kNetworkPiecePause));
}

int WorkerThread::sendFileData()
{
    m_streamStarted = false;
    m_lastLeftAtNs = 0;
    // A decrypted copy is read through the descriptor it was written through; a file the
    // user chose, by its name.
    QFile file(m_filePath);
    if (m_copy.isNull() && !file.open(QIODevice::ReadOnly)) {
        emit errorOccurred(tr("打开文件失败：%1").arg(file.errorString()));
        delDecryptedFile();
        return 0;
    }
    const qint64 size = m_copy.isNull() ? file.size() : m_copy.size();
    qint64 sent = 0;
    const int chunkSize = chunkSizeFor(m_medium);
    const auto stop = [this, &file] {
        file.close();
        delDecryptedFile();
        return 0;
    };
    const auto nextChunk = [&] {
        if (m_copy.isNull())
            return file.read(chunkSize);
        QByteArray chunk(int(qMin<qint64>(chunkSize, size - sent)), '\0');
        chunk.truncate(int(qMax<qint64>(0, m_copy.readAt(sent, chunk.data(), chunk.size()))));
        return chunk;
    };
    while (m_copy.isNull() ? !file.atEnd() : sent < size) {
        if (isInterruptionRequested())
            return stop();
        const QByteArray chunk = nextChunk();
        if (chunk.isEmpty())
            break;
        bool delivered = false;
        bool broken = false;
        qint64 leftAtNs = 0;
        for (int attempt = 1; attempt <= kAttempts && !broken; ++attempt) {
            notePieceOutcome(-1, 0, 0);
            emit sendFileSignal(chunk);
            leftAtNs = m_pieceLeftAtNs;
            if (m_pieceResult == 0) {
                delivered = true;
                break;
            }
            qDebug() << "Send failed, retry" << attempt << "/" << kAttempts
                     << ", ret = " << m_pieceResult.load();
            // Sending a piece again is safe only when none of it left; and a stop
            // request ends the job rather than waiting out more attempts.
            if (isInterruptionRequested())
                return stop();
            broken = m_pieceBytesOut > 0;
        }
        if (!delivered) {
            emit errorOccurred(tr("向打印机发送数据失败。"));
            return stop();
        }
        m_streamStarted = true;
        sent += chunk.size();
        qDebug() << "sendFile" << sent << "/" << size;
        emit progressUpdated(int(sent * 100 / size));
        if (m_medium == MEDIUM_NETWORK) {
            // The pause counts from the moment the piece left, so the time spent
            // handing the next one over is part of it rather than added to it; the
            // writer waits out the rest (keepPause).
            const qint64 from = leftAtNs > 0 ? leftAtNs : steadyNowNs();
            std::this_thread::sleep_until(std::chrono::steady_clock::time_point(
                std::chrono::nanoseconds(from) + kNetworkPiecePause - kHandOverLead));
        }
    }
    file.close();
    delDecryptedFile();
    return 1;
}

void WorkerThread::delDecryptedFile()
{
    if (!m_copy.isNull()) {
        if (m_decryptedCopy)
            m_copy.remove();
        // The descriptor goes with the job: a deleted file's space is given back.
        m_copy = PlainCopy();
        return;
    }
    // A console file whose name happens to carry the marker is the user's own.
    if (!m_decryptedCopy || !m_filePath.contains(QLatin1String("_decrypted"), Qt::CaseSensitive))
        return;
    QFile file(m_filePath);
    if (!file.exists())
        return;
    if (file.remove())
        qDebug() << "Successfully deleted decrypted file:" << m_filePath;
    else
        qDebug() << "Failed to delete decrypted file:" << m_filePath
                 << "Error:" << file.errorString();
}
