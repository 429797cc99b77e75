// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"

void MainWindow::on_pushButton_WifiSettingRead_clicked()
{
    requireOpenDevice();
}

void MainWindow::on_pushButton_WifiSettingSet_clicked()
{
    requireOpenDevice();
}

