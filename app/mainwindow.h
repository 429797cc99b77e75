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
class QTimer;
class ConsolePage;
class DownloadPanel;
class FileStream;
class PrinterSession;
class WifiProvisioning;

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

    // --- WiFi page ---
    // Read the page; a failed query that ends the read gives the medium's failure
    // code (5 USB, 6 network, -1 otherwise).
    int Wifi_Init();
    int IP_Init();
    int Set_Send_WIFI_MODE_Instruction();
    int Set_Send_CONNECT_AP_INFORMATION_Instruction();
    int Set_Send_AP_MODE_Instruction();
    int Set_Send_TCP_SERVICE_PORT_NUMBER_Instruction();
    int Set_Send_IP_MESSAGE_Instruction();
    void saveWifiSnapshot();
    // What the page showed after the last good read or write (the provisioning dialog
    // updates mode and station credentials); a write sends only the groups that differ.
    int savedWifiMode = -1; // -1: not known yet
    QString savedStaName;
    QString savedStaPassword;
    QString savedApName;
    QString savedApPassword;
    QString savedApPort;
    int savedIpMode = 0;
    QString savedSubnetMask;
    QString savedDns;
    QString savedIp;
    QString savedGateway;

    // --- Ethernet port page ---
    int Net_Init();
    int Net_Set();
    int Set_Send_PORT_MESSAGE_Instruction();
    // Exactly four dot-separated parts of 0 to 255 in each address box and ports that
    // fit 16 bits; tells the user otherwise.
    bool netportAddressesWellFormed();

    // --- Bluetooth and serial pages ---
    // Stops at the first failed query with the medium's failure code.
    int Blueteeth_Init();
    // The code of the first failed or unreadable query, or 0.
    int USB_Init();
    int Set_Send_BR_EDR_NAME_Instruction();
    int Set_Send_BLE_NAME_Instruction();
    int Set_Send_SPP_MODE_Instruction();
    int Set_Send_PIN_Instruction();
    int Set_Send_SERIAL_PORT_Instruction();
    int Set_Send_SN_Instruction();

    // --- Download, debug console and WiFi provisioning ---
    FileStream *fileStream() const { return m_fileStream; }
    DownloadPanel *downloadPanel() const { return m_downloadPanel; }
    ConsolePage *consolePage() const { return m_consolePage; }
    WifiProvisioning *provisioning() const { return m_provisioning; }

    // --- Status bar ---
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Remembers the geometry and stops a file being sent.
    void closeEvent(QCloseEvent *event) override;

public slots:
    void on_pushButton_getPrinterInfo_clicked();
    void CloseMessage();
    void on_checkBox_USB_clicked(bool checked);
    void on_checkBox_NET_clicked(bool checked);
    void on_checkBox_BLE_clicked(bool checked);
    void on_checkBox_WIFI_clicked(bool checked);
    void on_checkBox_Serialport_clicked(bool checked);
    void on_pushButton_ComSettingRead_clicked();
    void on_pushButton_BleSettingRead_clicked();
    void on_pushButton_WifiSettingRead_clicked();
    void on_pushButton_PrintSettingRead_clicked();
    void on_pushButton_PrintSettingSet_clicked();
    void on_pushButton_WifiSettingSet_clicked();
    void on_pushButton_BleSettingSet_clicked();
    void on_pushButton_ComSettingSet_clicked();
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
    void on_pushButton_NetportSettingRead_clicked();
    void on_pushButton_NetportSettingSet_clicked();
    void on_pushButton_open_clicked();
    void on_pushButton_close_clicked(bool openDebug = true);
    void on_pushButton_StripperSettingRead_clicked();
    void on_pushButton_StripperSettingSet_clicked();

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

    void deleteTipLabel();
    void restoreLabelSize();
    void connectFieldFixUps();
    void setInitialWidgetStates();
    void applyMediumSelection(int mode);
    int m_appliedMedium = 0; // medium and WiFi box last applied, see applyMediumSelection
    void setUpStatusBar();
    void updateConnectionState();
    void updateBusyCursor();
    // The file pages and provisioning: built into their containers and wired.
    void setUpFilePages();
    // While a file is streamed the settings tabs rest (the console's own tab too for a
    // console file), and the printer information button.
    void followFileStream(bool running);

private:
    // Last accepted value of each numeric box, restored after an invalid entry.
    QHash<const QLineEdit *, double> lastValidDecimal;
    QHash<const QLineEdit *, int> lastValidInt;

    PrinterSession *m_session = nullptr;
    FileStream *m_fileStream = nullptr;
    DownloadPanel *m_downloadPanel = nullptr;
    ConsolePage *m_consolePage = nullptr;
    WifiProvisioning *m_provisioning = nullptr;
    bool m_tabEnabledBeforeStream[3] = {true, true, true};
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
