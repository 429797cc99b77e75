// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"

void MainWindow::on_pushButton_DistanceSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_DistanceSettingSet_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_StripperSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_StripperSettingSet_clicked()
{
    requireOpenDevice();
}

