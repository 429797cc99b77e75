#include "gui/console/consolepage.h"

#include "gui/download/filesends.h"
#include "gui/widgets/pagehost.h"
#include "device/journal/entries.h"
#include "gui/widgets/prompts.h"
#include "core/protocol/hexcodec.h"
#include "core/protocol/commandcodes.h"
#include "device/operations/filestream.h"
#include "device/link/printersession.h"
#include "ui_consolepage.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTextCursor>
#include <QTime>
#include <memory>
#include <utility>

namespace {
constexpr int kBlockSize = 1024;

// The lines a send's job has for the message area, taken by the window as they come.
class PendingLines
{
public:
    void add(const QString &tag, const QString &payload)
    {
        const QMutexLocker lock(&m_mutex);
        m_lines.append({tag, payload});
    }
    QVector<std::pair<QString, QString>> take()
    {
        const QMutexLocker lock(&m_mutex);
        return std::exchange(m_lines, {});
    }

private:
    QMutex m_mutex;
    QVector<std::pair<QString, QString>> m_lines;
};

struct SendFormat
{
    bool hexSend = false;
    bool hexReceive = false;
};

// The typed bytes in blocks, each followed by one read-back; on the worker.
ops::Outcome sendBlocks(jobs::Context &context, const QByteArray &bytes, SendFormat format,
                        PendingLines &lines)
{
    PrinterSession &session = context.session();
    // The blocks and their read-backs are one conversation.
    const PrinterSession::Hold hold(session);
    if (!hold.held())
        return ops::sendFailed(RESULT_BUSY, QStringLiteral("console"), session.objectName());
    const PrinterSession::Operation operation(session);
    const int blocks = (bytes.size() + kBlockSize - 1) / kBlockSize;
    for (int sent = 0, block = 0; sent < bytes.size(); ++block) {
        const QByteArray piece = bytes.mid(sent, kBlockSize);
        const int result = session.writeRaw(piece);
        if (result != RESULT_OK) {
            ops::Outcome out =
                ops::sendFailed(result, QStringLiteral("console"), session.objectName());
            if (result == RESULT_CANCELLED)
                out.sentence = ConsolePage::tr("已取消：已发送 %1/%2 块").arg(block).arg(blocks);
            return out;
        }
        lines.add(QStringLiteral("SEND->"), format.hexSend ? hexcodec::spacedHex(piece)
                                                           : hexcodec::textUpToNul(piece));
        QByteArray received = session.readPending();
        if (!received.isEmpty()) {
            // A USB read-back is a whole reply block: only a frame in it is the answer.
            if (session.medium() == MEDIUM_USB)
                received = hexcodec::frameInReadBack(received);
            lines.add(QStringLiteral("RECV<-"), format.hexReceive
                                                    ? hexcodec::spacedHex(received)
                                                    : hexcodec::textUpToNul(received));
        }
        sent += piece.size();
        context.progress(block + 1, blocks,
                         ConsolePage::tr("发送 %1/%2 块").arg(block + 1).arg(blocks));
    }
    return ops::Outcome();
}
} // namespace

ConsolePage::ConsolePage(PrinterSession &session, PageHost &host, FileSends &sends,
                         QWidget *parent)
    : QWidget(parent), ui(new Ui::ConsolePage), m_session(session), m_host(host), m_sends(sends)
{
    ui->setupUi(this);
    ui->progressBar_Debug->setValue(0);
    connect(&m_sends, &FileSends::started, this, [this] { followStream(true); });
    connect(&m_sends, &FileSends::ended, this, [this] { followStream(false); });
    connect(&m_sends, &FileSends::progress, this, [this](int percent) {
        if (m_sends.kind() == FileSends::Kind::ConsoleFile)
            ui->progressBar_Debug->setValue(percent);
    });
}

ConsolePage::~ConsolePage()
{
    delete ui;
}

void ConsolePage::setSendEnabled(bool on)
{
    ui->pushButton_Send->setEnabled(on);
    ui->pushButton_SendFile->setEnabled(on);
}

void ConsolePage::resetProgress()
{
    ui->progressBar_Debug->setValue(0);
}

void ConsolePage::followStream(bool running)
{
    ui->pushButton_Send->setEnabled(!running);
    ui->pushButton_SendFile->setEnabled(!running);
}

bool ConsolePage::readyToSend()
{
    if (m_host.printerInUse())
        return false;
    if (m_host.isDeviceOpen())
        return true;
    prompts::critical(m_host.dialogParent(), tr("设置工具"), tr("设备未打开!"));
    return false;
}

void ConsolePage::on_pushButton_Send_clicked()
{
    if (!readyToSend())
        return;
    const QString text =
        ui->textEdit_Send->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QByteArray bytes;
    if (!ui->radioButton_hexSend->isChecked()) {
        bytes = text.toUtf8();
    } else if (!hexcodec::parseHexSend(text, &bytes)) {
        showHexProblem(ui->textEdit_Send->toPlainText());
        prompts::critical(m_host.dialogParent(), tr("错误"), tr("此十六进制字符串格式无效。"));
        return;
    }
    qDebug() << "send size:" << bytes.size();

    SendFormat format;
    format.hexSend = ui->radioButton_hexSend->isChecked();
    format.hexReceive = ui->radioButton_hexRecv->isChecked();
    auto lines = std::make_shared<PendingLines>();
    jobs::Job *job = m_host.startJob(tr("发送数据"), [bytes, format, lines](jobs::Context &context) {
        return sendBlocks(context, bytes, format, *lines);
    });
    const auto showLines = [this, lines] {
        for (const auto &[tag, payload] : lines->take())
            appendLine(tag, payload);
    };
    connect(job, &jobs::Job::progressed, this, showLines);
    connect(job, &jobs::Job::finished, this, [this, showLines, bytes](const ops::Outcome &outcome) {
        // The journal has the count of bytes, never the bytes: they may carry anything.
        journal::Entry entry;
        entry.consoleBytes = bytes.size();
        m_host.recordChange(entry, outcome);
        showLines();
        if (outcome.code == ops::Code::Interrupted)
            m_host.showLastResult(outcome.sentence);
        else if (!outcome.ok())
            prompts::critical(m_host.dialogParent(), tr("错误"), tr("发送失败！请重试"));
    });
}

void ConsolePage::appendLine(const QString &tag, const QString &payload)
{
    // Received bytes are never taken for markup.
    QTextCursor cursor(ui->textBrowser_Debug->document());
    cursor.movePosition(QTextCursor::End);
    if (!ui->textBrowser_Debug->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(hexcodec::consoleLine(QTime::currentTime(), tag, payload));
    ui->textBrowser_Debug->ensureCursorVisible();
}

void ConsolePage::showHexProblem(const QString &typed)
{
    // The box keeps its one sentence; what was expected goes to the status bar, and the
    // part that does not fit is selected in the send area.
    const hexcodec::HexProblem p = hexcodec::hexProblem(typed);
    QString why;
    switch (p.kind) {
    case hexcodec::HexProblem::Empty:
        why = tr("发送区为空：应为两位一组的十六进制数，以空格分开，如 1B 40");
        break;
    case hexcodec::HexProblem::NotADigit:
        why = tr("第 %1 个字符“%2”不是十六进制数字：应为 0-9 或 A-F")
                  .arg(p.at + 1)
                  .arg(typed.mid(p.at, 1));
        break;
    case hexcodec::HexProblem::OddDigits:
        why = tr("第 %1 个字符起有奇数个十六进制数字：每个字节要两位，如 0F").arg(p.at + 1);
        break;
    case hexcodec::HexProblem::LongRun:
        why = tr("第 %1 个字符起的数字超过两位：字节之间应有一个空格，如 1B 40").arg(p.at + 1);
        break;
    case hexcodec::HexProblem::TwoSeparators:
        why = tr("第 %1 个字符处的空白不对：字节之间正好一个空格，不能换行，开头结尾不留空格")
                  .arg(p.at + 1);
        break;
    case hexcodec::HexProblem::None:
        return;
    }
    m_host.showLastResult(why);
    QTextCursor cursor = ui->textEdit_Send->textCursor();
    cursor.setPosition(p.at);
    cursor.setPosition(qMin(p.at + qMax(p.length, 1), typed.size()), QTextCursor::KeepAnchor);
    ui->textEdit_Send->setTextCursor(cursor);
}

void ConsolePage::on_radioButton_hexSend_toggled(bool checked)
{
    const QString content = ui->textEdit_Send->toPlainText();
    if (checked) {
        ui->textEdit_Send->setPlainText(hexcodec::toHexView(content));
        return;
    }
    QString text;
    if (hexcodec::fromHexView(content, &text))
        ui->textEdit_Send->setPlainText(text);
    else
        ui->textEdit_Send->setPlainText(tr("此十六进制字符串格式无效。"));
}

void ConsolePage::on_pushButton_SendFile_clicked()
{
    // A file already on its way keeps the printer, and its own medium and progress bar.
    if (!readyToSend())
        return;
    const QString path =
        prompts::openFileName(m_host.dialogParent(), tr("All Files (*)"), QString(), QString());
    if (path.isEmpty()) {
        qDebug() << "No file selected!";
        return;
    }
    ui->progressBar_Debug->setEnabled(true);
    ui->progressBar_Debug->setValue(0);
    appendLine(
        QString(),
        tr("发送文件 %1，%2 字节").arg(QFileInfo(path).fileName()).arg(QFileInfo(path).size()));
    // The user's own file: the stream must never delete it.
    filestream::Source source;
    source.path = path;
    const auto file = std::make_shared<journal::File>();
    m_sends.start(
        FileSends::Kind::ConsoleFile, tr("发送文件"),
        [source, file](jobs::Context &context) {
            *file = journal::fileOf(source.path);
            PrinterSession &session = context.session();
            const PrinterSession::Operation operation(session);
            return filestream::send(session, source, FileSends::reportTo(context));
        },
        [this, file, size = QFileInfo(path).size()](const ops::Outcome &outcome) {
            journal::Entry entry;
            entry.files << *file;
            entry.consoleBytes = size;
            m_host.recordChange(entry, outcome);
            showFileOutcome(outcome);
        });
}

void ConsolePage::showFileOutcome(const ops::Outcome &outcome)
{
    if (outcome.ok()) {
        prompts::information(m_host.dialogParent(), tr("下载成功"), tr("下载成功"));
        return;
    }
    ui->progressBar_Debug->setEnabled(false);
    // A cancel says what went in the status line; a failure has its box.
    if (outcome.code == ops::Code::Interrupted)
        m_host.showLastResult(outcome.sentence);
    else
        prompts::critical(m_host.dialogParent(), tr("错误"), outcome.sentence);
}

void ConsolePage::on_pushButton_ClearDebug_clicked()
{
    ui->textBrowser_Debug->clear();
}

void ConsolePage::on_pushButton_ClearSend_clicked()
{
    ui->textEdit_Send->clear();
}
