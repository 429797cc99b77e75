#include "device/download/filestream.h"

#include "device/download/workerthread.h"
#include "core/protocol/commandcodes.h"
#include "device/link/printerlink.h"
#include "device/link/printersession.h"
#include "device/link/streampiece.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <chrono>

namespace {
// A worker that has just reported its end may still be returning from run().
constexpr unsigned long kWorkerTailWaitMs = 1000;
// The printer settles before the success message appears.
constexpr unsigned long kSettleAfterStreamMs = 1000;
// Once every piece is out, the printer must acknowledge the rest; a printer that takes
// nothing more for this long has failed the stream.
constexpr int kDeliveryStallMs = 10000;
constexpr unsigned long kDeliveryPollMs = 5;
} // namespace

FileStream::FileStream(PrinterSession &session, QObject *parent)
    : QObject(parent), m_session(session), m_worker(new WorkerThread)
{
    connect(m_worker, &WorkerThread::progressUpdated, this, &FileStream::progress);
    connect(m_worker, &WorkerThread::errorOccurred, this, &FileStream::onFailed);
    connect(m_worker, &WorkerThread::completed, this, &FileStream::onCompleted);
    // The worker waits until the GUI thread has written each piece.
    connect(m_worker, &WorkerThread::sendFileSignal, this, &FileStream::writePiece,
            Qt::BlockingQueuedConnection);
    connect(m_worker, &QThread::finished, this, &FileStream::onWorkerFinished);
}

FileStream::~FileStream()
{
    // A piece the worker is waiting to hand over is written first, so that it never
    // blocks on a receiver that no longer listens.
    m_worker->requestInterruption();
    while (!m_worker->wait(20))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    delete m_worker;
    m_session.setStreaming(false);
}

bool FileStream::waitUntilIdle()
{
    return !m_worker->isRunning() || m_worker->wait(kWorkerTailWaitMs);
}

bool FileStream::running() const
{
    return m_worker->isRunning();
}

void FileStream::requestStop()
{
    if (m_worker->isRunning())
        m_worker->requestInterruption();
}

void FileStream::start(const QString &path, Kind kind, bool decryptedCopy)
{
    m_worker->setJob(path, m_session.medium(), decryptedCopy);
    begin(kind);
}

void FileStream::start(const PlainCopy &copy, Kind kind, bool removeAfter)
{
    m_worker->setJob(copy, m_session.medium(), removeAfter);
    begin(kind);
}

void FileStream::begin(Kind kind)
{
    m_kind = kind;
    m_completed = false;
    m_workerFinished = false;
    m_network = m_session.medium() == MEDIUM_NETWORK;
    m_session.setStreaming(true);
    emit started(kind);
    m_worker->start(QThread::InheritPriority);
}

void FileStream::writePiece(const QByteArray &bytes)
{
    // A window that is closing writes nothing more.
    if (m_worker->isInterruptionRequested()) {
        m_worker->notePieceOutcome(RESULT_NO_MEDIUM, 0, 0);
        return;
    }
    StreamPiece piece;
    piece.firstPiece = !m_worker->streamStarted();
    // A stalled transfer keeps the window alive for a close, which stops it.
    WorkerThread *worker = m_worker;
    piece.stopRequested = [worker] {
        if (!worker->isInterruptionRequested())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return worker->isInterruptionRequested();
    };
    if (m_network)
        m_worker->keepPause();
    const int result = m_session.writeRaw(bytes, &piece);
    m_worker->notePieceOutcome(result, piece.bytesOut,
                               result == RESULT_OK
                                   ? std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count()
                                   : 0);
    qDebug() << "piece written:" << result;
}

void FileStream::onCompleted()
{
    // Every piece has left this computer; the stream has succeeded only once the
    // printer's side has acknowledged all of it.
    m_confirming = true;
    const bool delivered = waitUntilDelivered();
    m_confirming = false;
    if (!delivered) {
        onFailed(QCoreApplication::translate("WorkerThread", "向打印机发送数据失败。"));
        if (m_workerFinished)
            onWorkerFinished();
        return;
    }
    m_completed = true;
    QThread::msleep(kSettleAfterStreamMs);
    emit completed();
    emit ended();
    if (m_network && !m_keepConnection)
        m_session.endOperation();
    if (m_workerFinished)
        onWorkerFinished();
}

bool FileStream::waitUntilDelivered()
{
    PrinterLink *link = m_session.link();
    if (!link)
        return false;
    qint64 queued = 0;
    qint64 lastQueued = -1;
    QDeadlineTimer stalled(kDeliveryStallMs);
    for (;;) {
        const PrinterLink::Delivery delivery = link->delivery(&queued);
        if (delivery == PrinterLink::Delivery::Confirmed)
            return true;
        if (delivery == PrinterLink::Delivery::Broken) {
            qDebug("The connection ended before the printer took the whole file");
            return false;
        }
        if (m_session.deadlinePassed()) {
            qDebug("The deadline passed before the printer took the last %d bytes", int(queued));
            return false;
        }
        // A slow printer that keeps taking bytes is given the time it needs.
        if (queued != lastQueued) {
            lastQueued = queued;
            stalled.setRemainingTime(kDeliveryStallMs);
        } else if (stalled.hasExpired() || m_worker->isInterruptionRequested()) {
            qDebug("The printer did not take the last %d bytes", int(queued));
            return false;
        }
        // The window keeps painting; the socket is left alone, so that a printer that
        // closes its side after the last byte is not taken for a broken stream.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::ExcludeSocketNotifiers);
        QThread::msleep(kDeliveryPollMs);
    }
}

void FileStream::onFailed(const QString &text)
{
    emit failed(text);
    emit ended();
}

void FileStream::onWorkerFinished()
{
    // The worker's end arrives while the last bytes are still being confirmed: the
    // stream ends once that is decided.
    m_workerFinished = true;
    if (m_confirming)
        return;
    m_workerFinished = false;
    // A stream that failed or was stopped gives its connection back here.
    if (m_network && !m_completed)
        m_session.endOperation();
    m_session.setStreaming(false);
}
