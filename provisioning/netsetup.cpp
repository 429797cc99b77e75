// The main window's side of WiFi provisioning: opening the window and sending the
// chosen credentials to the open printer.
#include "app/mainwindow.h"

#include "app/prompts.h"
#include "provisioning/distributenet.h"
#include "provisioning/wificred.h"
#include "protocol/printersession.h"
#include "settings/wifipage.h"

#include <QDebug>
#include <QThread>

namespace {
constexpr int kModePauseMs = 1000;       // the module switches mode before it takes credentials
constexpr int kCredentialsPauseMs = 200; // lets the frame leave before the socket closes
} // namespace

void MainWindow::on_pushButton_NetSetup_clicked()
{
    if (!requireOpenDevice())
        return;
    if (m_netSetupDialog) {
        if (m_netSetupDialog->isMinimized())
            m_netSetupDialog->showNormal();
        m_netSetupDialog->raise();
        m_netSetupDialog->activateWindow();
        return;
    }
    auto *dialog = new DistributeNet();
    m_netSetupDialog = dialog;
    connect(dialog, &DistributeNet::closed, this, &MainWindow::wifiToNetClosed);
    connect(dialog, &DistributeNet::wifiCredReady, this, &MainWindow::onWifiCredReceived);
    // The window has no parent; it must not outlive the main window.
    connect(this, &QObject::destroyed, dialog, [dialog] { delete dialog; });
    dialog->show();
}

void MainWindow::wifiToNetClosed()
{
    show();
    if (!m_netSetupDialog)
        return;
    m_netSetupDialog->hide();
    m_netSetupDialog->deleteLater();
    m_netSetupDialog = nullptr;
}

void MainWindow::onWifiCredReceived(const WifiCred &cred)
{
    if (!cred.valid) {
        prompts::information(m_netSetupDialog, tr("错误"), cred.errorMessage);
        return;
    }
    qDebug().noquote() << "收到WiFi凭证 - SSID:" << cred.ssid
                       << "密码:" << QString(cred.password.size(), QLatin1Char('*'));
    // The printer may have been closed while the window stayed open.
    if (!requireOpenDevice())
        return;

    m_wifiPage->noteProvisioned(cred, false);
    int modeRet = 0;
    int credRet = 0;
    {
        PrinterSession::Operation operation(session());
        // The mode frame goes only when the printer is not known to be in station mode.
        if (session().wifiMode() != int(WifiMode::Station)) {
            modeRet = writeWifiMode(session(), WifiMode::Station);
            QThread::msleep(kModePauseMs);
        }
        if (modeRet == 0) {
            credRet = writeWifiStation(session(), cred.ssid, cred.password);
            QThread::msleep(kCredentialsPauseMs);
            if (credRet == 0)
                m_wifiPage->noteProvisioned(cred);
        }
    }
    if (modeRet != 0) {
        Ret_Handler(modeRet);
        return;
    }

    Ret_Handler(credRet);
    show();
    if (m_netSetupDialog) {
        m_netSetupDialog->hide();
        m_netSetupDialog->deleteLater();
        m_netSetupDialog = nullptr;
    }
}
