#include "device/operations/filestream.h"

#include "core/protocol/commandcodes.h"
#include "device/link/printerlink.h"
#include "device/link/printersession.h"
#include "device/link/pause.h"
#include "device/operations/sentences.h"
#include "platform/process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QThread>
#include <chrono>
#include <thread>

namespace filestream {

namespace {
constexpr int kAttempts = 3;
// The printer takes a network piece, then needs this pause before the next one.
constexpr std::chrono::milliseconds kNetworkPiecePause(2);
// The printer settles before the success message appears.
constexpr unsigned long kSettleAfterStreamMs = 1000;
// Once every piece is out, the printer must acknowledge the rest; a printer that takes
// nothing more for this long has failed the stream.
constexpr int kDeliveryStallMs = 10000;
constexpr unsigned long kDeliveryPollMs = 5;

// The texts of the stream's failures keep the context they have always been translated in.
QString failedText()
{
    return QCoreApplication::translate("WorkerThread", "向打印机发送数据失败。");
}

ops::Outcome refused(const QString &sentence)
{
    ops::Outcome out;
    out.code = ops::Code::Refused;
    out.step = QStringLiteral("stream");
    out.sentence = sentence;
    return out;
}

ops::Outcome stopped(const Progress &progress)
{
    ops::Outcome out;
    out.code = ops::Code::Interrupted;
    out.result = RESULT_CANCELLED;
    out.step = QStringLiteral("stream");
    out.sentence =
        Operations::tr("已取消：%1，共 %2 字节中的 %3 字节；打印机只收到文件的一部分")
            .arg(sentSoFar(progress))
            .arg(progress.size)
            .arg(progress.bytes);
    return out;
}

// Waits until the printer's side has acknowledged the whole stream; false when the
// connection broke first, the printer stopped taking bytes, the session's deadline passed
// or a stop was asked for.
bool waitUntilDelivered(const PrinterSession &session, const std::function<bool()> &stop)
{
    PrinterLink *link = session.link();
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
        if (session.deadlinePassed()) {
            qDebug("The deadline passed before the printer took the last %d bytes", int(queued));
            return false;
        }
        // A slow printer that keeps taking bytes is given the time it needs.
        if (queued != lastQueued) {
            lastQueued = queued;
            stalled.setRemainingTime(kDeliveryStallMs);
        } else if (stalled.hasExpired() || stop()) {
            qDebug("The printer did not take the last %d bytes", int(queued));
            return false;
        }
        QThread::msleep(kDeliveryPollMs);
    }
}

} // namespace

int pieceSize(int medium)
{
    return medium == MEDIUM_USB ? 10240 : 850;
}

QString sentSoFar(const Progress &progress)
{
    return Operations::tr("已发送 %1/%2 块").arg(progress.pieces).arg(progress.pieceCount);
}

ops::Outcome sendPieces(const Source &source, int medium, const Hooks &hooks)
{
    const bool byName = source.copy.isNull();
    // A decrypted copy is read through the descriptor it was written through; a file the
    // user chose, by its name.
    QFile file(source.path);
    const auto finish = [&](const ops::Outcome &out) {
        file.close();
        if (!byName && source.removeAfter)
            source.copy.remove();
        return out;
    };
    if (byName && !file.open(QIODevice::ReadOnly))
        return finish(refused(QCoreApplication::translate("WorkerThread", "打开文件失败：%1")
                                  .arg(file.errorString())));
    const auto stopRequested = [&hooks] { return hooks.stopRequested && hooks.stopRequested(); };
    const int chunkSize = pieceSize(medium);
    Progress progress;
    progress.size = byName ? file.size() : source.copy.size();
    progress.pieceCount = int((progress.size + chunkSize - 1) / chunkSize);
    const auto nextChunk = [&] {
        if (byName)
            return file.read(chunkSize);
        QByteArray chunk(int(qMin<qint64>(chunkSize, progress.size - progress.bytes)), '\0');
        chunk.truncate(
            int(qMax<qint64>(0, source.copy.readAt(progress.bytes, chunk.data(), chunk.size()))));
        return chunk;
    };
    const bool network = medium == MEDIUM_NETWORK;
    bool streamStarted = false; // a byte of the file may have reached the printer
    std::chrono::steady_clock::time_point lastLeft;
    while (byName ? !file.atEnd() : progress.bytes < progress.size) {
        if (stopRequested())
            return finish(stopped(progress));
        const QByteArray chunk = nextChunk();
        if (chunk.isEmpty())
            break;
        bool delivered = false;
        bool broken = false;
        for (int attempt = 1; attempt <= kAttempts && !broken; ++attempt) {
            // The pause counts from the moment the previous piece left.
            if (network && streamStarted)
                std::this_thread::sleep_until(lastLeft + kNetworkPiecePause);
            StreamPiece piece;
            piece.firstPiece = !streamStarted;
            // A stalled transfer is given up when the stream is stopped.
            piece.stopRequested = stopRequested;
            const int result = hooks.write(chunk, &piece);
            if (piece.bytesOut > 0)
                streamStarted = true;
            if (result == RESULT_OK) {
                lastLeft = std::chrono::steady_clock::now();
                delivered = true;
                break;
            }
            qDebug() << "Send failed, retry" << attempt << "/" << kAttempts << ", ret = " << result;
            // A stop request ends the stream rather than waiting out more attempts.
            if (stopRequested()) {
                progress.bytes += piece.bytesOut;
                return finish(stopped(progress));
            }
            // Sending a piece again is safe only when none of it left.
            broken = piece.bytesOut > 0;
        }
        if (!delivered)
            return finish(refused(failedText()));
        streamStarted = true;
        progress.bytes += chunk.size();
        ++progress.pieces;
        qDebug() << "sendFile" << progress.bytes << "/" << progress.size;
        if (hooks.progress)
            hooks.progress(progress);
    }
    return finish(ops::Outcome());
}

ops::Outcome send(PrinterSession &session, const Source &source,
                  const std::function<void(const Progress &)> &progress,
                  const std::function<bool()> &stop)
{
    // The network pause is short: its sleeps should end when asked.
    platform::preciseSleeps();
    const auto stopRequested = [&session, &stop] {
        return session.stopRequested() || (stop && stop());
    };
    Hooks hooks;
    hooks.write = [&session](const QByteArray &bytes, StreamPiece *piece) {
        return session.writeRaw(bytes, piece);
    };
    hooks.stopRequested = stopRequested;
    Progress last;
    hooks.progress = [&progress, &last](const Progress &p) {
        last = p;
        if (progress)
            progress(p);
    };
    session.setStreaming(true);
    ops::Outcome out = sendPieces(source, session.medium(), hooks);
    // Every piece has left this computer; the stream has succeeded only once the
    // printer's side has acknowledged all of it.
    if (out.ok() && !waitUntilDelivered(session, stopRequested))
        out = stopRequested() && !session.deadlinePassed() ? stopped(last) : refused(failedText());
    if (out.ok())
        ops::pauseUnless(kSettleAfterStreamMs, stopRequested);
    session.setStreaming(false);
    // A stream cut short by the operation's time limit was not refused by the printer.
    if (out.code == ops::Code::Refused && session.deadlinePassed()) {
        out.code = ops::Code::TimedOut;
        out.result = RESULT_TIMED_OUT;
    }
    return out;
}

} // namespace filestream
