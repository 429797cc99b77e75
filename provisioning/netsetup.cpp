// Not available in this version yet: the buttons only check that a printer is open.
#include "app/mainwindow.h"
#include "provisioning/wificred.h"

void MainWindow::on_pushButton_NetSetup_clicked()
{
    requireOpenDevice();
}

void MainWindow::wifiToNetClosed()
{
    show();
}

void MainWindow::onWifiCredReceived(const WifiCred &) {}
