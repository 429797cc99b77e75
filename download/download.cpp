// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "download/workerthread.h"
#include "protocol/exchange.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

void MainWindow::on_pushButton_DownloadFW_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_DownloadFL_clicked()
{
    requireOpenDevice();
}

void MainWindow::sendFileProcess(QByteArray data)
{
    int replyLength = 0;
    QByteArray reply(data.size() + 265, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(data.data());
    auto *replyBytes = reinterpret_cast<unsigned char *>(reply.data());
    if (workerThread->medium() == MEDIUM_NETWORK) {
        if (!contrlNet || !contrlNet->getHandle() || !contrlNet->getHandle()->tcpSocket) {
            qDebug() << "sendFileProcess: tcpSocket is null";
            sendFileRet = RESULT_NETWORK;
            return;
        }
        sendFileRet = contrlNet->PrinterDataIOButton(bytes, data.size(), replyBytes, replyLength);
    } else if (workerThread->medium() == MEDIUM_USB) {
        sendFileRet = contrlUsb ? contrlUsb->PrinterDataIOButton(bytes, data.size(), replyBytes,
                                                                 replyLength)
                                : int(RESULT_USB_IO);
    }
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
             ui->pushButton_DownloadFL, ui->pushButton_getPrinterInfo})
        w->setEnabled(true);
    for (int tab = 0; tab < 3; ++tab)
        ui->tabWidget_2->setTabEnabled(tab, true);
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
        NetworkBracket::disconnectSocket();
}
