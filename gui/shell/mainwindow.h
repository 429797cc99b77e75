#pragma once

#include "gui/shell/connectionpanel.h"
#include "gui/widgets/pagehost.h"
#include "core/protocol/commandcodes.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QLabel;
class ElidedLabel;
class QLineEdit;
class DistributeNet;
class ConnectionPanel;
class ProfileActions;
class DistancePage;
class FunctionPage;
class PrintPage;
class StripperPage;
class BluetoothPage;
class EthernetPage;
class SerialPage;
class WifiPage;
class ConsolePage;
class DownloadPanel;
class FileSends;
class WifiProvisioning;
class DebugLog;
class PrinterSession;
class WheelGuard;
class JobProgress;
class WindowJournal;
namespace jobs {
class PrinterWorker;
}

namespace Ui {
class MainWindow;
}

// The single top-level window: owner of every page, slot and transport object.
class MainWindow : public QMainWindow, public PageHost
{
    Q_OBJECT
    // A job for the open printer is queued or running: tests and accessibility tools wait
    // on this instead of sleeping.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The debug output the diagnostics report ends with.
    void setDebugLog(const DebugLog *log);

    // The printer session the pages share.
    PrinterSession &session() { return *m_session; }
    ConnectionPanel &connectionPanel() { return *m_connectionPanel; }
    // Closes the open printer; "关闭成功！" when asked.
    void on_pushButton_close_clicked(bool openDebug = true);
    // Closes the open printer; "关闭成功！" when asked.

    // PageHost
    QWidget *dialogParent() override { return this; }
    bool isDeviceOpen() const override;
    bool requireOpenDevice() override;
    bool printerInUse() const override;

    void showLastResult(const QString &text) override;
    void setControlsEnabled(bool on) override { controlAllWidgets(on); }
    jobs::Job *startJob(const QString &title, jobs::Body body) override;
    void recordChange(journal::Entry entry, const ops::Outcome &outcome) override;
    void settingsRead(const QString &page, const QJsonObject &values) override;
    WindowJournal *windowJournal() const { return m_journal; }

    bool busy() const;
    // The worker that owns the open printer's link.
    jobs::PrinterWorker &worker() const { return *m_worker; }

    // The form; the transports reach the device list and connection fields here.
    Ui::MainWindow *ui;

    // Enables or disables together the widgets that must not be used during a
    // multi-frame exchange.
    void controlAllWidgets(bool on);

    // Shows the message for an exchange result code; returns 1 when an error box
    // was shown, else 0.
    int Ret_Handler(int code);

    // Adapts the window and the pages to the opened printer model.
    void selectedItem();

    // --- WiFi, Ethernet port, Bluetooth and serial pages ---
    WifiPage *m_wifiPage = nullptr;
    EthernetPage *m_ethernetPage = nullptr;
    BluetoothPage *m_bluetoothPage = nullptr;
    SerialPage *m_serialPage = nullptr;
    void addLinkPages();
    // The address boxes the printer takes from DHCP rest while DHCP is chosen.
    void followDhcp();
    // --- end of WiFi, Ethernet port, Bluetooth and serial pages ---

    // --- Download, debug console and WiFi provisioning ---
    FileSends *fileSends() const { return m_fileSends; }
    DownloadPanel *downloadPanel() const { return m_downloadPanel; }
    ConsolePage *consolePage() const { return m_consolePage; }
    WifiProvisioning *provisioning() const { return m_provisioning; }

    // --- Status bar ---
    void showAbout();

    // The title's fixed part; the open printer (or "未连接") follows it.
    void setTitleBase(const QString &base);
    // First start: the window's size made to fit `available` with a frame of `frame`
    // around it, so that the status bar stays on screen.
    void fitFirstStart(const QMargins &frame, const QRect &available);

signals:
    void busyChanged(bool busy);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Remembers the geometry and stops a file being sent.
    void closeEvent(QCloseEvent *event) override;
    int showResult(int code) override { return Ret_Handler(code); }

public slots:

private:
    void resetConnectionPanel();

    // --- Print, distance, stripper and function pages ---
    PrintPage *m_printPage = nullptr;
    DistancePage *m_distancePage = nullptr;
    StripperPage *m_stripperPage = nullptr;
    FunctionPage *m_functionPage = nullptr;
    void addPrinterPages();
    // "保存配置…" and "应用配置…" of the printer-settings tab.
    void addProfileButtons();
    void saveProfile();
    void applyProfile();
    // "尚未读取" beside each settings page's buttons until it is read.
    void addReadStateNotes();
    // The settings pages named as profiles name them ("print", "wifi", ...) were written
    // from elsewhere: what they show is older than the printer's settings, so their Set
    // buttons rest until they are read again, and their notes say `reason`.
    void markUnread(const QStringList &pages, const QString &reason);
    // Another printer or none: every page is merely unread.
    void forgetUnreadReasons();
    void fitPagesToWidth();
    // Adapts the pages to the printer just opened (model from the session).
    void printerPagesChanged();
    QWidget *printerInfoButton() const;
    // A restart or an initialisation closed the connection.
    void onPrinterClosedByPage(bool restarted);
    // --- end of the print, distance, stripper and function pages ---

    // While an exchange holds the printer the widgets that could start another one, or
    // close the connection under it, are disabled; each gets its own state back after.
    void followPrinterHeld(bool held);

    void setInitialWidgetStates();
    void setUpKeyboard();
    ConnectionPanel::NetworkHints connectionHints(bool wifi) const;
    void setUpStatusBar();
    void updateConnectionState();
    void updateTitle();
    void fitToRealFrame(int triesLeft);
    void updateBusyCursor();
    // The file pages and provisioning: built into their containers and wired.
    void setUpFilePages();
    // While a file is streamed the settings tabs rest (the console's own tab too for a
    // console file), and the printer information button.
    void followFileStream(bool running);

private:
    jobs::PrinterWorker *m_worker = nullptr;
    PrinterSession *m_session = nullptr; // the worker's
    JobProgress *m_jobProgress = nullptr;
    WindowJournal *m_journal = nullptr;
    std::unique_ptr<ProfileActions> m_profileActions;
    ConnectionPanel *m_connectionPanel = nullptr;
    FileSends *m_fileSends = nullptr;
    DownloadPanel *m_downloadPanel = nullptr;
    ConsolePage *m_consolePage = nullptr;
    WifiProvisioning *m_provisioning = nullptr;
    WheelGuard *m_wheelGuard = nullptr;
    bool m_tabEnabledBeforeStream[3] = {true, true, true};
    QList<QPair<QPointer<QWidget>, bool>> m_enabledBeforeHeld;

    ElidedLabel *m_connectionLabel = nullptr;
    ElidedLabel *m_resultLabel = nullptr;
    bool m_wasOpen = false;
    bool m_busyCursor = false;
    QString m_titleBase;
    // No geometry was kept: the size fitted to the screen, fitted again when shown unless
    // it was changed meanwhile.
    QSize m_firstStartSize;
};
