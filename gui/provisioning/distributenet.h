#pragma once

#include "core/hostwifi/wificred.h"
#include "core/hostwifi/wifiscan.h"

#include <QList>
#include <QMainWindow>

class QListWidgetItem;

namespace Ui {
class DistributeNet;
}

// The WiFi provisioning window: lists the networks this computer sees, lets the user
// pick one (or type a name) and a password, and hands them over as a WifiCred.
class DistributeNet : public QMainWindow
{
    Q_OBJECT

public:
    explicit DistributeNet(QWidget *parent = nullptr);
    ~DistributeNet() override;

    // Says which printer receives the credentials.
    void setPrinterName(const QString &name);

    // Starts a new scan of this computer's networks, ending one still running.
    void refreshWifiList();
    // Ends a running scan; no completion follows.
    void stopScan();

signals:
    void closed();
    void wifiCredReady(const WifiCred &cred);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void handleScanFinished(const QList<WifiInfo> &found);
    void on_checkManualMode_toggled(bool on);
    void on_lineSsidManual_textChanged(const QString &text);
    void on_listWifi_itemClicked(QListWidgetItem *item);
    void on_btnRefresh_clicked();
    void on_checkShowPassword_toggled(bool on);
    void on_btnSetNet_clicked();

private:
    void enableRefreshButton();
    // The password is typed once a network is chosen.
    void followSsid();

    Ui::DistributeNet *ui;
    WifiScan *m_scan;
    bool manualMode = false;
};
