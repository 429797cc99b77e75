#pragma once

#include "app/pagehost.h"
#include "protocol/commandcodes.h"
#include "transport/printerlist.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QString>
#include <cstdint>

class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QTimer;
class DistributeNet;
class BluetoothPage;
class EthernetPage;
class SerialPage;
class WifiPage;
class PrinterSession;
struct WifiCred;

namespace Ui {
class MainWindow;
}

// The single top-level window: owner of every page, slot and transport object.
class MainWindow : public QMainWindow, public PageHost
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The printer session the pages share.
    PrinterSession &session() { return *m_session; }

    // PageHost
    QWidget *dialogParent() override { return this; }
    bool isDeviceOpen() const override;
    bool requireOpenDevice() override;
    bool printerInUse() const override;
    int reportResult(int code) override { return Ret_Handler(code); }
    void showLastResult(const QString &text) override;
    void setControlsEnabled(bool on) override { controlAllWidgets(on); }

    // The form; the transports reach the device list and connection fields here.
    Ui::MainWindow *ui;

    // Enables or disables together the widgets that must not be used during a
    // multi-frame exchange.
    void controlAllWidgets(bool on);

    // Shows the message for an exchange result code; returns 1 when an error box
    // was shown, else 0.
    int Ret_Handler(int code);

    // Adapts the pages to the opened printer model.
    void selectedItem();

    int Message_Init();

    // The label-size field fix-ups and their tip.
    void fixLineEditWithTip(QLineEdit *edit, const QString &tip, double min, double max);
    void fixIntLineEdit(QLineEdit *edit);
    void showInputTip(QLineEdit *edit, const QString &tip);
    QLabel *currentTipLabel() const { return tipLabel; }

    // --- Print settings page ---
    // Reads every print setting into the page; the code of the first failed query, or 0.
    int Print_Init();
    // One set frame each, built from the widget(s) at call time; the send's code.
    int Set_Send_DEFAULT_CODE_Instruction();
    int Set_Send_SPEED_Instruction();
    int Set_Send_Densty_SETTING_Instruction();
    int Set_Send_LABLE_CLEARANCE_Instruction();
    int Set_Send_BLACK_CLEARANCE_Instruction();
    int Set_Send_PRINT_DIRECTION_Instruction();
    int Set_PRINTER_MODE_Instruction();
    int Set_AUTO_PAPER_Instruction();
    int Set_Send_PAPER_TYPE_Instruction();
    int Set_Send_SIMULATION_Instruction();
    int Set_Send_VERTICAL_MIGRATION_Instruction();
    int Set_Send_PRINT_OFFSET_Instruction();
    // Also stores both box texts for the next start; -1 without sending for a text
    // that is no number.
    int Set_Send_LABEL_SIZE_Instruction();
    int Set_Send_LG_MODE_Instruction();

    // --- Distance and stripper pages ---
    // Reads the four distances; the code of the first failed query, or 0.
    int Distance_Init();
    int Set_Send_THE_DISTANCE_OF_THE_PAPER_EDGE_IS_OUT_Instruction();
    int Set_Send_SEAM_TO_PRINT_HRAD_DISTANCE_Instruction();
    int Set_Send_BLACK_TO_PRINT_HEAD_DISTANCE_Instruction();
    int Set_Send_PRINT_HEAD_TO_TEAR_DISTANCE_Instruction();
    int Set_Send_CUT_DIS_Instruction();
    // Asks the stripper question once per device selection; false when declined.
    bool confirmStripperFitted();

    // --- WiFi, Ethernet port, Bluetooth and serial pages ---
    WifiPage *m_wifiPage = nullptr;
    EthernetPage *m_ethernetPage = nullptr;
    BluetoothPage *m_bluetoothPage = nullptr;
    SerialPage *m_serialPage = nullptr;
    void addLinkPages();
    // --- end of WiFi, Ethernet port, Bluetooth and serial pages ---

    // --- WiFi provisioning ---
    // The open provisioning window, or none; at most one exists.
    DistributeNet *m_netSetupDialog = nullptr;
    // Opens the provisioning window (the WiFi page's button).
    void on_pushButton_NetSetup_clicked();

    // --- Download and debug console ---
    // Decrypts the chosen firmware (true) or font file and hands it to the worker.
    void downloadEncryptedFile(bool firmware);
    // Disables the widgets that must rest while a file is streamed: the five file and
    // console buttons and the settings tabs (the console's own tab too when asked).
    void disableForFileSend(bool consoleTabToo);
    // Writes one console block on the current medium; the transport's code.
    int writeDebugBlock(const QByteArray &block);
    // One read-back after a console block, shown as a "RECV<-" line when not empty.
    void readBackDebugData();
    // Appends one time-stamped line to the message area as plain text.
    void appendDebugLine(const QString &tag, const QString &payload);

    // --- Status bar ---
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Remembers the geometry and stops a file being sent.
    void closeEvent(QCloseEvent *event) override;

public slots:
    void sendFileProcess(QByteArray data);
    void updateTextBrowser(const QByteArray &data);
    void on_pushButton_getPrinterInfo_clicked();
    void CloseMessage();
    void on_checkBox_USB_clicked(bool checked);
    void on_checkBox_NET_clicked(bool checked);
    void on_checkBox_BLE_clicked(bool checked);
    void on_checkBox_WIFI_clicked(bool checked);
    void on_checkBox_Serialport_clicked(bool checked);
    void on_pushButton_PrintSettingRead_clicked();
    void on_pushButton_PrintSettingSet_clicked();
    void on_pushButton_PrinterInit_clicked();
    void on_pushButton_Reboot_clicked();
    void on_pushButton_SelfCheck_clicked();
    void on_pushButton_BlackLableLrn_clicked();
    void on_pushButton_SeamLrn_clicked();
    void on_pushButton_OutietLrn_clicked();
    void on_pushButton_DACLrn_clicked();
    void on_pushButton_AllCut_clicked();
    void on_pushButton_HalfCut_clicked();
    void on_pushButton_StripMode_clicked();
    void on_pushButton_TearMode_clicked();
    void on_pushButton_KeySettingOpen_clicked();
    void on_pushButton_KeySettingClose_clicked();
    void on_pushButton_BuzzerOpen_clicked();
    void on_pushButton_BuzzerClose_clicked();
    void on_pushButton_GetPrinterStatus_clicked();
    void on_pushButton_getList_clicked();
    void on_pushButton_StopList_clicked();
    void on_pushButton_NopaperLrn_clicked();
    void on_pushButton_DistanceSettingRead_clicked();
    void on_pushButton_DistanceSettingSet_clicked();
    void on_pushButton_DownloadFW_clicked();
    void on_pushButton_DownloadFL_clicked();
    void on_pushButton_open_clicked();
    void on_pushButton_close_clicked(bool openDebug = true);
    void on_pushButton_ClearDebug_clicked();
    void on_pushButton_ClearSend_clicked();
    void on_pushButton_Send_clicked();
    void on_pushButton_SendFile_clicked();
    void on_radioButton_hexSend_toggled(bool checked);
    void mrecvDebugData(const QByteArray &data_B);
    void on_pushButton_StripperSettingRead_clicked();
    void on_pushButton_StripperSettingSet_clicked();
    void wifiToNetClosed();
    void onWifiCredReceived(const WifiCred &cred);

private:
    // Function page helpers: send one command inside the network bracket.
    int runFunctionCommand(POWER_InFo code);
    int runSetCommand(uint8_t item, uint8_t value);
    void runFunctionButton(POWER_InFo code);
    void runSetButton(uint8_t item, uint8_t value);
    void closeAfterRestart(int pauseMs);
    void resetConnectionPanel();

    // While an exchange holds the printer the widgets that could start another one, or
    // close the connection under it, are disabled; each gets its own state back after.
    void followPrinterHeld(bool held);
    // The provisioning window is unavailable while the printer is in use.
    void updateNetSetupAvailability();

    void deleteTipLabel();
    void restoreLabelSize();
    void connectFieldFixUps();
    void setInitialWidgetStates();
    void applyMediumSelection(int mode);
    int m_appliedMedium = 0; // medium and WiFi box last applied, see applyMediumSelection
    QProgressBar *downloadProgressBar() const;
    void enableAfterDownload();
    void setUpStatusBar();
    void updateConnectionState();
    void updateBusyCursor();
    void onDownloadProgress(int percent);
    void onDownloadError(const QString &text);
    void onDownloadFinished();
    // Logs a file about to be streamed in the message area: its name and size.
    void logFileSend(const QString &text, const QString &path, qint64 size);

private:
    // Last accepted value of each numeric box, restored after an invalid entry.
    QHash<const QLineEdit *, double> lastValidDecimal;

    PrinterSession *m_session = nullptr;
    QList<QPair<QPointer<QWidget>, bool>> m_enabledBeforeHeld;
    QPointer<QWidget> m_focusBeforeHeld;

    Printer_Vector m_printerList;
    QMessageBox *m_messageBox = nullptr;
    QTimer *m_messageTimer = nullptr;
    QLabel *tipLabel = nullptr;
    QLabel *m_connectionLabel = nullptr;
    QLabel *m_resultLabel = nullptr;
    bool m_wasOpen = false;
    bool m_busyCursor = false;
};
