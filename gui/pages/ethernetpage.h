#pragma once

#include "gui/pages/pagebinding.h"

#include <QWidget>

class PageHost;
class PrinterSession;

namespace Ui {
class EthernetPage;
}

// The Ethernet port page: DHCP, addresses and the TCP and UDP ports the printer listens on.
class EthernetPage : public QWidget
{
    Q_OBJECT

public:
    EthernetPage(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~EthernetPage() override;

    // Another printer: nothing is written before the page is read.
    void printerChanged();
    // What the page shows, as a write sends it (an empty port box sends 0).
    // The port boxes as they read.
    QString tcpPort() const;
    QString udpPort() const;

signals:
    // After a write: the connection fields take the new ports (an empty text leaves its
    // field as it is).
    void connectionTargetChanged(const QString &address, const QString &tcpPort,
                                 const QString &udpPort);
    // The printer's addresses and ports are about to change.
    void restartPending();

private slots:
    void on_pushButton_NetportSettingRead_clicked();
    void on_pushButton_NetportSettingSet_clicked();

private:
    bool acceptFields();

    PrinterSession &m_session;
    PageHost &m_host;
    Ui::EthernetPage *ui;
    PageBinding m_binding;
};
