#include "device/operations/download.h"

#include "core/files/filedecrypt.h"
#include "core/files/regularfile.h"
#include "core/protocol/commandcodes.h"
#include "device/link/printerlink.h"
#include "device/link/printersession.h"
#include "device/link/pause.h"
#include "device/operations/sentences.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

namespace {

// A printer that has taken a firmware writes it before it restarts: it is not looked for
// before this.
constexpr unsigned long kFirmwareSettleMs = 1500;

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
        pause(session,
              ulong(qMax<qint64>(0, qMin<qint64>(kFirmwareSettleMs, until.remainingTime()))));
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

Outcome download(PrinterSession &session, const PlainCopy &plain, const DownloadOptions &options)
{
    const QString fileName = QFileInfo(plain.path()).fileName();
    QString error;
    if (const int connected = session.connectForStream(&error); connected != 0) {
        // Nothing was streamed, so nobody else removes the plain copy.
        if (options.removeAfter)
            plain.remove();
        Outcome out;
        out.code = connected == RESULT_TIMED_OUT   ? Code::TimedOut
                   : connected == RESULT_CANCELLED ? Code::Interrupted
                                                   : Code::NotConnected;
        out.result = connected;
        out.step = QStringLiteral("connect");
        out.sentence = connected == RESULT_CANCELLED ? Operations::tr("已取消：文件尚未开始发送") : error;
        return out;
    }
    filestream::Source source;
    source.path = plain.path();
    source.copy = plain;
    source.removeAfter = options.removeAfter;
    Outcome outcome = filestream::send(session, source, options.progress, options.stop);
    if (outcome.ok())
        outcome.written << fileName;
    // A confirming session hears the printer on the stream's connection before it ends.
    if (!session.confirming() || !outcome.ok()) {
        session.endOperation();
        return outcome;
    }
    return confirmStream(session, options.kind, options.comeBackMs, outcome);
}

Outcome downloadNow(PrinterSession &session, const PlainCopy &plain, bool removeAfter,
                    const std::function<void(int)> &progress, const std::atomic<bool> *stop,
                    FileKind kind, int comeBackMs)
{
    DownloadOptions options;
    options.kind = kind;
    options.removeAfter = removeAfter;
    if (progress)
        options.progress = [&progress](const filestream::Progress &p) {
            progress(int(p.bytes * 100 / qMax<qint64>(p.size, 1)));
        };
    if (stop)
        options.stop = [stop] { return stop->load(); };
    options.comeBackMs = comeBackMs;
    return download(session, plain, options);
}

} // namespace ops
