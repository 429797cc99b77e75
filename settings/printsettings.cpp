// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"

void MainWindow::on_pushButton_PrintSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_PrintSettingSet_clicked()
{
    requireOpenDevice();
}

