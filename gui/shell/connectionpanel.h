#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class PageHost;
namespace jobs {
class Job;
}
class DebugLog;
class PrinterSession;
class FleetWindow;

namespace Ui {
class ConnectionPanel;
}

// The connection panel: the medium, the address and ports, the device-list search and
// opening and closing the chosen printer through the session.
class ConnectionPanel : public QWidget
{
    Q_OBJECT

public:
    // What the pages last read of the printer's network side, used to fill the fields
    // when a network medium is chosen; an empty text leaves its field as it is.
    struct NetworkHints
    {
        QString address;
        QString tcpPort;
        QString udpPort;
    };
    using HintSource = std::function<NetworkHints(bool wifi)>;

    ConnectionPanel(PrinterSession &session, PageHost &host, QWidget *parent = nullptr);
    ~ConnectionPanel() override;

    void setHintSource(HintSource source) { m_hints = std::move(source); }
    // The debug output the diagnostics report ends with; none when not kept.
    void setDebugLog(const DebugLog *log) { m_debugLog = log; }

    // A printer is open: the open button rests until it is closed.
    bool isOpen() const;
    // The open button is disabled by its own state (not by a disabled parent).
    bool openButtonDisabled() const;
    // A search runs: the stop button is enabled by its own state.
    bool searchRunning() const;
    // The caption of the ticked medium box, the chosen entry and the TCP port field.
    QString mediumText() const;
    QString currentEntry() const;
    // The address of the printer open now ("127.0.0.1:9100", "usb:5"), else empty.
    QString openedKey() const { return isOpen() ? m_openedKey : QString(); }
    QString tcpPortText() const;
    bool wifiChosen() const;
    bool ethernetChosen() const;

    // Chooses the wireless network medium, as ticking its box does.
    void chooseWirelessNetwork();
    // The printer's address and ports after a page changed them.
    void setConnectAddress(const QString &address);
    void setTcpPort(const QString &port);
    void setUdpPort(const QString &port);

    // Closes the open printer; "关闭成功！" when asked.
    void closePrinter(bool showMessage);
    // The panel as after a close: search and open available again.
    void showClosed();
    void setCloseEnabled(bool on);
    // While an exchange holds the printer the widgets that could start another one, or
    // close the connection under it, rest; each gets its own state back after.
    void followPrinterHeld(bool held);

signals:
    void printerOpened();
    void printerClosed();
    // The window is blocked while a connection is made or dropped.
    void blockWindow(bool blocked);
    // The open or stop button changed its enabled state.
    void stateChanged();

private slots:
    void on_checkBox_USB_clicked(bool checked);
    void on_checkBox_NET_clicked(bool checked);
    void on_checkBox_BLE_clicked(bool checked);
    void on_checkBox_WIFI_clicked(bool checked);
    void on_checkBox_Serialport_clicked(bool checked);
    void on_pushButton_getList_clicked();
    void on_pushButton_StopList_clicked();
    void on_pushButton_open_clicked();
    void on_pushButton_Doctor_clicked();
    void on_pushButton_ExportReport_clicked();
    void on_pushButton_Fleet_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyMediumSelection(int medium);

    Ui::ConnectionPanel *ui;
    PrinterSession &m_session;
    PageHost &m_host;
    QPointer<jobs::Job> m_search; // the running search, for its stop button
    HintSource m_hints;
    int m_appliedMedium = 0; // medium and WiFi box last applied
    QList<QPair<QPointer<QWidget>, bool>> m_enabledBeforeHeld;
    const DebugLog *m_debugLog = nullptr;
    QPointer<FleetWindow> m_fleet;
    QString m_openedKey; // the fleet's key of the printer opened last
};
