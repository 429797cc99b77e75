// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"

void MainWindow::on_pushButton_NetportSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_NetportSettingSet_clicked()
{
    requireOpenDevice();
}

