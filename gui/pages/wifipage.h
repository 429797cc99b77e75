#pragma once

#include "gui/pages/pagebinding.h"

#include <QJsonObject>

#include <QWidget>

class PageHost;
class PrinterSession;
struct WifiCred;

namespace Ui {
class WifiPage;
}

// The WiFi page: mode, station and access point credentials, service port, IP
// configuration and the module's MAC address. A write sends only the groups that differ
// from what the page last read or wrote (its snapshot; the mode is the session's).
class WifiPage : public QWidget
{
    Q_OBJECT

public:
    WifiPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~WifiPage() override;

    // Another printer: its settings are not known until the page is read.
    void printerChanged();
    // Credentials that provisioning hands to the printer, shown in station mode; once the
    // printer has taken them (`taken`) they are also what it is known to have.
    void noteProvisioned(const WifiCred &cred, bool taken = true);

    // Where the tool reaches the printer over WiFi: the IP box in station mode, the
    // access point's box otherwise (empty while the box holds no address), and the port.
    QString connectAddress() const;
    QString servicePort() const;

signals:
    void provisioningRequested();
    // After a write: the connection fields take the printer's new address and ports
    // (an empty text leaves its field as it is).
    void connectionTargetChanged(const QString &address, const QString &tcpPort,
                                 const QString &udpPort);
    // A write sent something: the printer restarts on its new settings.
    void restartPending();

private slots:
    void on_pushButton_WifiSettingRead_clicked();
    void on_pushButton_WifiSettingSet_clicked();

private:
    void showRead(QJsonObject read);
    void takeSnapshot();
    void takeSnapshot(const QJsonObject &values, int mode);
    QJsonObject known() const;
    bool acceptApPassword(const QStringList &keys);

    PrinterSession &m_session;
    PageHost &m_host;
    Ui::WifiPage *ui;
    PageBinding m_binding;
    QJsonObject m_saved;
};
