#include "device/operations/download.h"

#include "core/files/filedecrypt.h"
#include "device/download/filestream.h"
#include "core/files/regularfile.h"
#include "device/download/workerthread.h"
#include "device/operations/sentences.h"
#include "core/protocol/commandcodes.h"
#include "device/link/printerlink.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace ops {

Outcome prepareDownload(const PrinterSession &session, FileKind kind, const QString &chosen,
                        PlainCopy *plain)
{
    const bool firmware = kind == FileKind::Firmware;
    if (!firmware && !session.settingsAllowed()) {
        Outcome out;
        out.code = Code::Unsupported;
        out.step = QStringLiteral("font");
        out.sentence = Operations::tr("此型号的打印机不接受字库下载");
        return out;
    }
    // An empty file would "succeed" without the printer getting anything. Read, not
    // stat'ed: some readable files tell a size of 0. A pipe or a device is refused here
    // at once: the one would block the read, the other never end.
    const QFileInfo info(chosen);
    QFile file;
    QString why;
    if (!regularfile::open(chosen, &file, &why))
        return badInput(
            Operations::tr("无法读取所选文件：%1").arg(QDir::toNativeSeparators(chosen)) +
            QLatin1Char('\n') + why);
    if (file.read(1).isEmpty())
        return badInput(Operations::tr("文件为空，没有可下载的内容：%1")
                            .arg(QDir::toNativeSeparators(chosen)));
    file.close();
    const filedecrypt::Result result = filedecrypt::decryptFile(
        chosen,
        firmware ? filedecrypt::firmwareOutputPath(chosen) : filedecrypt::fontOutputPath(chosen),
        plain, &why);
    switch (result) {
    case filedecrypt::Result::Ok:
        return Outcome();
    case filedecrypt::Result::InputOpenFailed:
        return badInput(Operations::tr("无法读取所选文件：%1").arg(QDir::toNativeSeparators(chosen)) +
                        QLatin1Char('\n') + why);
    case filedecrypt::Result::OutputOpenFailed:
        return badInput(Operations::tr("无法在文件所在的文件夹中创建解密文件：%1")
                            .arg(QDir::toNativeSeparators(info.absolutePath())) +
                        QLatin1Char('\n') + why);
    default:
        return badInput(Operations::tr("解密失败，文件未发送。") + QLatin1Char('\n') + why);
    }
}

Download::Download(PrinterSession &session, FileStream &stream, QObject *parent)
    : QObject(parent), m_session(session), m_stream(stream)
{
}

void Download::start(const PlainCopy &plain, bool removeAfter)
{
    m_fileName = QFileInfo(plain.path()).fileName();
    QString error;
    if (const int connected = m_session.connectForStream(&error); connected != 0) {
        // No stream runs, so nobody else removes the plain copy.
        if (removeAfter)
            plain.remove();
        Outcome out;
        out.code = connected == RESULT_TIMED_OUT ? Code::TimedOut : Code::NotConnected;
        out.result = connected;
        out.step = QStringLiteral("connect");
        out.sentence = error;
        finish(out);
        return;
    }
    // The shared stream also carries the console's files: listen only while this one runs.
    m_progress = connect(&m_stream, &FileStream::progress, this, &Download::progress);
    m_failed = connect(&m_stream, &FileStream::failed, this, [this](const QString &text) {
        Outcome out;
        // A stream cut short by the operation's time limit was not refused by the printer.
        const bool late = m_session.deadlinePassed();
        out.code = late ? Code::TimedOut : Code::Refused;
        out.result = late ? int(RESULT_TIMED_OUT) : 0;
        out.step = QStringLiteral("stream");
        out.sentence = text;
        finish(out);
    });
    m_completed = connect(&m_stream, &FileStream::completed, this, [this] {
        Outcome out;
        out.written << m_fileName;
        finish(out);
    });
    m_stream.start(plain, FileStream::Kind::Download, removeAfter);
}

void Download::finish(const Outcome &outcome)
{
    disconnect(m_progress);
    disconnect(m_failed);
    disconnect(m_completed);
    emit finished(outcome);
}

namespace {

// A printer that has taken a firmware writes it before it restarts: it is not looked for
// before this.
constexpr unsigned long kFirmwareSettleMs = 1500;
constexpr int kStreamEndWaitMs = 2000;

// What the printer said after the last byte of a file that left this computer whole.
Outcome confirmStream(PrinterSession &session, FileKind kind, int comeBackMs, Outcome sent)
{
    const QStringList file = sent.written;
    sent.written.clear();
    sent.unconfirmed = file;
    const QString step =
        kind == FileKind::Firmware ? QStringLiteral("firmware") : QStringLiteral("font");
    PrinterLink *link = session.link();
    int result = RESULT_NETWORK;
    if (kind == FileKind::Font) {
        // On the stream's connection (USB has but one): an answer there follows the file.
        quint32 word = 0;
        if (link && link->connectionStands())
            result = session.readStatusWord(&word);
        session.endOperation();
    } else {
        session.endOperation();
        if (comeBackMs <= 0) {
            sent.sentence = Operations::tr("已发送，未确认");
            return sent;
        }
        const QDeadlineTimer until(comeBackMs);
        QThread::msleep(ulong(qMin<qint64>(kFirmwareSettleMs, until.remainingTime())));
        result = session.awaitComeBack(until);
    }
    if (result != RESULT_OK) {
        Outcome out = notConfirmed(result, step, session.objectName());
        out.unconfirmed = file;
        if (kind == FileKind::Firmware && result == RESULT_TIMED_OUT)
            out.sentence = Operations::tr("打印机在限定时间内没有重新应答（%1）").arg(step);
        return out;
    }
    sent.unconfirmed.clear();
    sent.written = file;
    return sent;
}

} // namespace

Outcome downloadNow(PrinterSession &session, const PlainCopy &plain, bool removeAfter,
                    const std::function<void(int)> &progress, const std::atomic<bool> *stop,
                    FileKind kind, int comeBackMs)
{
    // The stream writes each piece from this thread's event loop.
    FileStream stream(session);
    const bool confirming = session.confirming();
    stream.setKeepConnection(confirming);
    Download download(session, stream);
    QEventLoop loop;
    Outcome outcome;
    bool done = false;
    QObject::connect(&download, &Download::progress, &loop, [&progress](int percent) {
        if (progress)
            progress(percent);
    });
    QObject::connect(&download, &Download::finished, &loop, [&](const Outcome &o) {
        outcome = o;
        done = true;
        loop.quit();
    });
    // A stop request ends the stream between two pieces; the worker then ends without a
    // word of its own. Its completion arrives before its end, so an end without either is
    // that stop.
    bool completed = false;
    QObject::connect(stream.worker(), &WorkerThread::completed, &loop, [&] { completed = true; });
    QObject::connect(stream.worker(), &QThread::finished, &loop, [&] {
        if (done || completed)
            return;
        outcome = Outcome();
        outcome.code = Code::Interrupted;
        outcome.step = QStringLiteral("stream");
        outcome.sentence = QStringLiteral("stopped between two pieces: the printer has only "
                                          "part of the file");
        done = true;
        loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (stop && *stop)
            stream.requestStop();
    });
    if (stop)
        poll.start(50);
    download.start(plain, removeAfter);
    if (!done)
        loop.exec();
    stream.waitUntilIdle();
    if (!confirming || !outcome.ok())
        return outcome;
    // The stream gives the printer back once its worker's end has been handled here.
    const QDeadlineTimer ending(kStreamEndWaitMs);
    while (session.streaming() && !ending.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return confirmStream(session, kind, comeBackMs, outcome);
}

} // namespace ops
