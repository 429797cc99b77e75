#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "download/filedecrypt.h"
#include "download/workerthread.h"
#include "protocol/printersession.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <chrono>

namespace {
constexpr int kDownloadConnectWaitMs = 5000;
constexpr int kDownloadSendBufferBytes = 1048576;
// A worker that has just reported its end may still be returning from run().
constexpr unsigned long kWorkerTailWaitMs = 1000;
} // namespace

void MainWindow::on_pushButton_DownloadFW_clicked()
{
    downloadEncryptedFile(true);
}

void MainWindow::on_pushButton_DownloadFL_clicked()
{
    downloadEncryptedFile(false);
}

void MainWindow::disableForFileSend(bool consoleTabToo)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_DownloadFW, ui->pushButton_DownloadFL, ui->pushButton_SendFile,
             ui->pushButton_Send, printerInfoButton()})
        w->setEnabled(false);
    const int current = ui->tabWidget_2->currentIndex();
    const int lastTab = consoleTabToo ? 2 : 1;
    for (int tab = 0; tab <= lastTab; ++tab)
        ui->tabWidget_2->setTabEnabled(tab, false);
    ui->tabWidget_2->setCurrentIndex(current);
}

void MainWindow::downloadEncryptedFile(bool firmware)
{
    // A file already on its way keeps the printer, and its own medium and progress bar.
    if (printerInUse())
        return;
    debugMode = false;
    if (!requireOpenDevice())
        return;
    const QString chosen = firmware ? prompts::openFileName(this, tr("HEX File"), QString(),
                                                            tr("HEX Files (*.hex);;All Files (*)"))
                                    : prompts::openFileName(this, tr("BIN File"), QString(),
                                                            tr("BIN Files (*.bin);;All Files (*)"));
    if (chosen.isEmpty()) {
        qDebug() << "No file selected!";
        return;
    }
    QString decrypted;
    QString why;
    const filedecrypt::Result decryptResult = filedecrypt::decryptFile(
        chosen,
        firmware ? filedecrypt::firmwareOutputPath(chosen) : filedecrypt::fontOutputPath(chosen),
        &decrypted, &why);
    if (decryptResult != filedecrypt::Result::Ok) {
        // Nothing is sent from a file that could not be decrypted whole.
        QString text;
        if (decryptResult == filedecrypt::Result::InputOpenFailed)
            text = tr("无法读取所选文件：%1").arg(QDir::toNativeSeparators(chosen));
        else if (decryptResult == filedecrypt::Result::OutputOpenFailed)
            text = tr("无法在文件所在的文件夹中创建解密文件：%1")
                       .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()));
        else
            text = tr("解密失败，文件未发送。");
        prompts::critical(this, tr("错误"), text + QLatin1Char('\n') + why);
        return;
    }
    if (workerThread->isRunning() && !workerThread->wait(kWorkerTailWaitMs)) {
        QFile::remove(decrypted);
        return;
    }

    disableForFileSend(false);
    ui->progressBar_Update->setEnabled(true);
    ui->progressBar_Update->setValue(0);
    qDebug() << decrypted;
    logFileSend(firmware ? tr("下载固件 %1，%2 字节") : tr("下载字库 %1，%2 字节"), chosen,
                QFileInfo(decrypted).size());
    workerThread->setJob(decrypted, session().medium(), true);

    if (session().medium() == MEDIUM_NETWORK) {
        QString error;
        if (session().connectForStream(&error) != RESULT_OK) {
            if (error.isEmpty())
                error = tr("Unknown error");
            if (firmware)
                prompts::warning(this, tr("Error"), tr("Connection failed: ") + error);
            else
                prompts::warning(this, tr("错误"), tr("连接失败: ") + error);
            // No worker runs, so nobody else removes the plain copy.
            QFile::remove(decrypted);
            enableAfterDownload();
            ui->progressBar_Update->setEnabled(false);
            return;
        }
    }
    session().setStreaming(true);
    workerThread->start(QThread::InheritPriority);
}

void MainWindow::sendFileProcess(QByteArray data)
{
    // A window that is closing writes nothing more.
    if (workerThread->isInterruptionRequested()) {
        sendFileRet = RESULT_NO_MEDIUM;
        return;
    }
    StreamPiece piece;
    piece.firstPiece = !workerThread->streamStarted();
    // A stalled transfer keeps the window alive for a close, which stops it.
    piece.stopRequested = [] {
        if (!workerThread->isInterruptionRequested())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return workerThread->isInterruptionRequested();
    };
    if (workerThread->medium() == MEDIUM_NETWORK)
        workerThread->keepPause();
    sendFileRet = session().writeRaw(data, &piece);
    workerThread->notePieceOutcome(piece.bytesOut,
                                   sendFileRet == RESULT_OK
                                       ? std::chrono::duration_cast<std::chrono::nanoseconds>(
                                             std::chrono::steady_clock::now().time_since_epoch())
                                             .count()
                                       : 0);
    qDebug() << "sendFileProcess的sendFileRet: " << sendFileRet.load();
}

QProgressBar *MainWindow::downloadProgressBar() const
{
    return debugMode ? ui->progressBar_Debug : ui->progressBar_Update;
}

void MainWindow::enableAfterDownload()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_SendFile, ui->pushButton_Send, ui->pushButton_DownloadFW,
             ui->pushButton_DownloadFL, printerInfoButton()})
        w->setEnabled(true);
    // Enabling a tab while the current one is disabled would switch to it.
    const int current = ui->tabWidget_2->currentIndex();
    for (int tab = 0; tab < 3; ++tab)
        ui->tabWidget_2->setTabEnabled(tab, true);
    ui->tabWidget_2->setCurrentIndex(current);
}

void MainWindow::onDownloadProgress(int percent)
{
    downloadProgressBar()->setValue(percent);
    QCoreApplication::processEvents();
}

void MainWindow::onDownloadError(const QString &text)
{
    downloadProgressBar()->setEnabled(false);
    prompts::critical(this, tr("错误"), text);
    enableAfterDownload();
}

void MainWindow::onDownloadFinished()
{
    QThread::msleep(1000);
    prompts::information(this, tr("下载成功"),
                         debugMode ? tr("下载成功") : tr("等待打印机指示灯停止闪烁"));
    enableAfterDownload();
    if (workerThread->medium() == MEDIUM_NETWORK)
        session().endOperation();
}

void MainWindow::logFileSend(const QString &text, const QString &path, qint64 size)
{
    appendDebugLine(QString(), text.arg(QFileInfo(path).fileName()).arg(size));
}
