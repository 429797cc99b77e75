// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"

void MainWindow::on_pushButton_BleSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_BleSettingSet_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_ComSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_ComSettingSet_clicked()
{
    requireOpenDevice();
}

