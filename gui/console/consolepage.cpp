#include "gui/console/consolepage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "core/protocol/hexcodec.h"
#include "core/protocol/commandcodes.h"
#include "device/link/printersession.h"
#include "ui_consolepage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QTextCursor>
#include <QTime>

namespace {
constexpr int kBlockSize = 1024;
} // namespace

ConsolePage::ConsolePage(PrinterSession &session, PageHost &host, FileStream &stream,
                         QWidget *parent)
    : QWidget(parent), ui(new Ui::ConsolePage), m_session(session), m_host(host), m_stream(stream)
{
    ui->setupUi(this);
    ui->progressBar_Debug->setValue(0);
    connect(&m_stream, &FileStream::started, this, [this] { followStream(true); });
    connect(&m_stream, &FileStream::ended, this, [this] { followStream(false); });
    connect(&m_stream, &FileStream::progress, this, [this](int percent) {
        if (m_stream.kind() != FileStream::Kind::ConsoleFile)
            return;
        ui->progressBar_Debug->setValue(percent);
        QCoreApplication::processEvents();
    });
    connect(&m_stream, &FileStream::failed, this, [this](const QString &text) {
        if (m_stream.kind() != FileStream::Kind::ConsoleFile)
            return;
        ui->progressBar_Debug->setEnabled(false);
        prompts::critical(m_host.dialogParent(), tr("错误"), text);
    });
    connect(&m_stream, &FileStream::completed, this, [this] {
        if (m_stream.kind() == FileStream::Kind::ConsoleFile)
            prompts::information(m_host.dialogParent(), tr("下载成功"), tr("下载成功"));
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

    // The hold keeps the events processed between the blocks from starting another
    // conversation; the blocks are part of this one.
    const PrinterSession::Hold hold(m_session);
    if (!hold.held())
        return;
    const PrinterSession::Operation operation(m_session);
    for (int sent = 0; sent < bytes.size();) {
        const QByteArray block = bytes.mid(sent, kBlockSize);
        if (m_session.writeRaw(block) != RESULT_OK) {
            prompts::critical(m_host.dialogParent(), tr("错误"), tr("发送失败！请重试"));
            break;
        }
        appendLine(QStringLiteral("SEND->"), ui->radioButton_hexSend->isChecked()
                                                 ? hexcodec::spacedHex(block)
                                                 : hexcodec::textUpToNul(block));
        readBack();
        sent += block.size();
        QCoreApplication::processEvents();
    }
}

void ConsolePage::readBack()
{
    QByteArray received = m_session.readPending();
    if (received.isEmpty())
        return;
    // A USB read-back is a whole reply block: only a frame in it is the answer.
    if (m_session.medium() == MEDIUM_USB)
        received = hexcodec::frameInReadBack(received);
    appendLine(QStringLiteral("RECV<-"), ui->radioButton_hexRecv->isChecked()
                                             ? hexcodec::spacedHex(received)
                                             : hexcodec::textUpToNul(received));
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
    if (!m_stream.waitUntilIdle())
        return;
    ui->progressBar_Debug->setEnabled(true);
    ui->progressBar_Debug->setValue(0);
    appendLine(
        QString(),
        tr("发送文件 %1，%2 字节").arg(QFileInfo(path).fileName()).arg(QFileInfo(path).size()));
    m_session.beginOperation();
    // The user's own file: the stream must never delete it.
    m_stream.start(path, FileStream::Kind::ConsoleFile, false);
}

void ConsolePage::on_pushButton_ClearDebug_clicked()
{
    ui->textBrowser_Debug->clear();
}

void ConsolePage::on_pushButton_ClearSend_clicked()
{
    ui->textEdit_Send->clear();
}
