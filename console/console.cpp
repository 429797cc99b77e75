// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_pushButton_Send_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_SendFile_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_ClearDebug_clicked()
{
    ui->textBrowser_Debug->clear();
}

void MainWindow::on_pushButton_ClearSend_clicked()
{
    ui->textEdit_Send->clear();
}

void MainWindow::on_radioButton_hexSend_toggled(bool) {}
void MainWindow::updateTextBrowser(QByteArray) {}
void MainWindow::mrecvDebugData(QByteArray) {}
