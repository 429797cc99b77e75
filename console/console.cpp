#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "console/hexcodec.h"
#include "download/workerthread.h"
#include "protocol/printersession.h"
#include "protocol/frame.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QThread>
#include <cstring>

namespace {
constexpr int kDebugBlockSize = 1024;
constexpr unsigned long kWorkerTailWaitMs = 1000;
} // namespace

void MainWindow::on_pushButton_Send_clicked()
{
    if (printerInUse())
        return;
    if (!isDeviceOpen()) {
        prompts::critical(this, tr("设置工具"), tr("设备未打开!"));
        return;
    }
    const QString text =
        ui->textEdit_Send->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QByteArray bytes;
    if (!ui->radioButton_hexSend->isChecked()) {
        bytes = text.toUtf8();
    } else if (!hexcodec::parseHexSend(text, &bytes)) {
        prompts::critical(this, tr("错误"), tr("此十六进制字符串格式无效。"));
        return;
    }
    qDebug() << "send size:" << bytes.size();

    // The blocks go to the transport directly; the claim keeps the events processed
    // between them from starting another conversation.
    const PrinterSession::Hold claim(session());
    if (!claim.held())
        return;
    session().beginOperation();
    int sent = 0;
    while (sent < bytes.size()) {
        const QByteArray block = bytes.mid(sent, kDebugBlockSize);
        if (writeDebugBlock(block) != RESULT_OK) {
            prompts::critical(this, tr("错误"), tr("发送失败！请重试"));
            break;
        }
        updateTextBrowser(block);
        readBackDebugData();
        sent += block.size();
        qDebug() << "sent" << sent;
        QCoreApplication::processEvents();
    }
    session().endOperation();
}

int MainWindow::writeDebugBlock(const QByteArray &block)
{
    // Only the block's own bytes go out, at most one block.
    return session().writeRaw(block.left(kDebugBlockSize));
}

void MainWindow::readBackDebugData()
{
    QByteArray received = session().readPending();
    if (session().medium() == MEDIUM_NETWORK) {
        if (received.isEmpty())
            qDebug() << "recvDebugBuf.size() <= 0";
        else
            mrecvDebugData(received);
    } else if (session().medium() == MEDIUM_USB) {
        if (received.isEmpty())
            return;
        const QByteArray framed = hexcodec::frameInReadBack(received);
        if (framed.size() != received.size()) {
            received = framed;
            qDebug() << "取recvDebugBuf:" << received.toHex(' ');
        }
        mrecvDebugData(received);
    }
}

void MainWindow::appendDebugLine(const QString &tag, const QString &payload)
{
    // Received bytes are never taken for markup.
    QTextCursor cursor(ui->textBrowser_Debug->document());
    cursor.movePosition(QTextCursor::End);
    if (!ui->textBrowser_Debug->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(hexcodec::consoleLine(QTime::currentTime(), tag, payload));
    ui->textBrowser_Debug->ensureCursorVisible();
}

void MainWindow::updateTextBrowser(const QByteArray &data)
{
    const QString payload = ui->radioButton_hexSend->isChecked() ? hexcodec::spacedHex(data)
                                                                 : hexcodec::textUpToNul(data);
    appendDebugLine(QStringLiteral("SEND->"), payload);
}

void MainWindow::mrecvDebugData(const QByteArray &data_B)
{
    const QString payload = ui->radioButton_hexRecv->isChecked() ? hexcodec::spacedHex(data_B)
                                                                 : hexcodec::textUpToNul(data_B);
    appendDebugLine(QStringLiteral("RECV<-"), payload);
}

void MainWindow::on_radioButton_hexSend_toggled(bool checked)
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

void MainWindow::on_pushButton_SendFile_clicked()
{
    // A file already on its way keeps the printer, and its own medium and progress bar.
    if (printerInUse())
        return;
    if (!isDeviceOpen()) {
        prompts::critical(this, tr("设置工具"), tr("设备未打开!"));
        return;
    }
    debugMode = true;
    const QString path = prompts::openFileName(this, tr("All Files (*)"), QString(), QString());
    if (path.isEmpty()) {
        qDebug() << "No file selected!";
        return;
    }
    qDebug() << path;
    if (workerThread->isRunning() && !workerThread->wait(kWorkerTailWaitMs))
        return;
    disableForFileSend(true);
    ui->progressBar_Debug->setEnabled(true);
    ui->progressBar_Debug->setValue(0);
    logFileSend(tr("发送文件 %1，%2 字节"), path, QFileInfo(path).size());
    // The user's own file: the worker must never delete it.
    workerThread->setJob(path, session().medium(), false);
    session().beginOperation();
    session().setStreaming(true);
    workerThread->start(QThread::InheritPriority);
}

void MainWindow::on_pushButton_ClearDebug_clicked()
{
    ui->textBrowser_Debug->clear();
}

void MainWindow::on_pushButton_ClearSend_clicked()
{
    ui->textEdit_Send->clear();
}
