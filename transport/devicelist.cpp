// The device list: searching, opening and closing a printer, and adapting the
// pages to the opened model.
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <QThread>
#include <memory>
#include <new>

namespace {

// Models printed at 12 dots per millimetre; all others use 8.
const char *const kHighResolutionModels[] = {"K51A", "K53TA", "K54A", "RM872QV", "M919"};
// Models whose settings cannot be changed from this tool.
const char *const kNoSettingsModels[] = {"WX-310", "WX-320"};
// Models with the print-mode setting (and a stripper).
const char *const kPrintModeModels[] = {"K53",     "K60",     "QR470",    "PRO",      "K52B",
                                        "ZC-M300", "ZC-M919", "ZC-500RA", "ZC-501VRA"};

template <size_t N> bool containsAny(const QString &text, const char *const (&needles)[N])
{
    for (const char *needle : needles) {
        if (text.contains(QLatin1String(needle), Qt::CaseSensitive))
            return true;
    }
    return false;
}

// The USB port number of an entry such as "Label [P1] {USB005}"; 0 when absent.
int usbPortOfEntry(const QString &text)
{
    const int i = text.indexOf(QLatin1String("{USB"), 0, Qt::CaseSensitive);
    const int j = i >= 0 ? text.indexOf(QLatin1Char('}'), i + 4) : -1;
    if (i < 0 || j <= i + 4)
        return 0;
    return text.mid(i + 4, j - i - 4).rightJustified(3, QLatin1Char('0')).toInt();
}

// The address between the braces of a network entry; empty when there is none.
QString addressOfEntry(const QString &text)
{
    static const QRegularExpression braces(QStringLiteral("\\{([^{}]+)\\}"));
    return braces.match(text).captured(1);
}

// A transport object may still be on the stack of a nested event loop; let the
// event loop delete it.
template <typename T> void retire(T *&transport)
{
    if (transport)
        transport->deleteLater();
    transport = nullptr;
}

} // namespace

void MainWindow::on_pushButton_getList_clicked()
{
    getListStatus = true;
    ui->progressBar_Scan->setValue(0);
    ui->pushButton_getList->setEnabled(false);
    ui->comboBox_ScanResult->setEnabled(false);
    ui->pushButton_StopList->setEnabled(true);
    ui->comboBox_ScanResult->clear();
    QCoreApplication::processEvents();

    m_printerList = Printer_Vector();
    std::unique_ptr<_PRINTER_ATTR[]> attrs(new (std::nothrow) _PRINTER_ATTR[kPrinterAttrCount]());
    if (!attrs) {
        prompts::critical(this, tr("设置工具"), tr("内存分配失败"));
        ui->pushButton_getList->setEnabled(true);
        return;
    }

    int result = -1;
    if (ret_mode == MEDIUM_NETWORK) {
        retire(contrlNet);
        contrlNet = new DeviceIoContrl_Net(this);
        result = contrlNet->GetPrinterHandle(attrs.get(), m_printerList);
    } else if (ret_mode == MEDIUM_USB) {
        retire(contrlUsb);
        contrlUsb = new CDeviceIOOpera(this);
        result = contrlUsb->GetPrinterHandle(attrs.get(), m_printerList);
    }

    ui->progressBar_Scan->setValue(100);
    QCoreApplication::processEvents();
    getListStatus = false;
    ui->comboBox_ScanResult->setEnabled(true);
    ui->pushButton_getList->setEnabled(true);
    ui->pushButton_StopList->setEnabled(false);
    QCoreApplication::processEvents();

    if (result == 0)
        prompts::information(this, tr("设置工具"), tr("请确保通讯设备已开启"));
}

void MainWindow::on_pushButton_StopList_clicked()
{
    getListStatus = false;
    ui->pushButton_getList->setEnabled(true);
    ui->comboBox_ScanResult->setEnabled(true);
    ui->pushButton_StopList->setEnabled(false);
    QCoreApplication::processEvents();
}

void MainWindow::on_pushButton_open_clicked()
{
    if (ui->comboBox_ScanResult->count() == 0 || ui->comboBox_ScanResult->currentIndex() < 0) {
        prompts::information(this, tr("设置工具"), tr("请先选中打印列表中的打印机"));
        return;
    }
    const QString text = ui->comboBox_ScanResult->currentText();

    int ret = -1;
    centralWidget()->setEnabled(false);
    if (ret_mode == MEDIUM_NETWORK) {
        // Closing forgets the transport, yet the entry still names a printer: connect
        // to it with a new one.
        if (!contrlNet)
            contrlNet = new DeviceIoContrl_Net(this);
        const quint16 port = ui->lineEdit_ConnectTCPPort->text().toUShort();
        ret = contrlNet->Connect_Server(addressOfEntry(text), port);
    } else if (ret_mode == MEDIUM_USB) {
        ret = contrlUsb ? contrlUsb->GetPrinterHandle(usbPortOfEntry(text)) : -1;
    }
    centralWidget()->setEnabled(true);
    if (ret != 0) {
        prompts::critical(this, tr("错误"), tr("连接超时，请重试！"));
        return;
    }

    prompts::information(this, tr("设置工具"), tr("连接成功！"));
    if (containsAny(text, kHighResolutionModels)) {
        mmToDot = 12;
        ui->label_17->setText(tr("注：1mm = 12dot"));
    } else {
        mmToDot = 8;
        ui->label_17->setText(tr("注：1mm = 8dot"));
    }
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_BLE,
             ui->checkBox_WIFI, ui->checkBox_Serialport, ui->comboBox_ScanResult,
             ui->pushButton_open})
        w->setEnabled(false);
    ui->pushButton_close->setEnabled(true);
    selectedItem();
}

void MainWindow::selectedItem()
{
    const QString text = ui->comboBox_ScanResult->currentText();
    CHECK_STATUES = 0;
    // Another printer: its WiFi mode is not known until it is read or set.
    savedWifiMode = -1;
    session().setWifiMode(-1);

    const bool settingsAllowed = !containsAny(text, kNoSettingsModels);
    ui->tabWidget_2->setTabEnabled(1, settingsAllowed);
    ui->tabWidget_2->setTabEnabled(0, settingsAllowed);
    if (auto *font = findChild<QWidget *>(QStringLiteral("pushButton_DownloadFL")))
        font->setEnabled(settingsAllowed);

    const bool printMode = containsAny(text, kPrintModeModels);
    if (printMode)
        qDebug() << "select";
    ui->toolBox_PrinterSetting->setItemEnabled(6, printMode);
    ui->comboBox_PrintSpeed->clear();
    ui->comboBox_PrintMode->setEnabled(printMode);
    ui->label_41->setEnabled(printMode);
    ui->comboBox_AutoPaper->setEnabled(!printMode);
    ui->label_28->setEnabled(!printMode);
    printModeFlag = printMode ? 1 : 0;
    const int speeds = printMode ? 8 : 4;
    for (int i = 0; i < speeds; ++i)
        ui->comboBox_PrintSpeed->addItem(QString::number(i));

    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_WifiSettingSet, ui->pushButton_PrintSettingSet,
             ui->pushButton_BleSettingSet, ui->pushButton_NetportSettingSet,
             ui->pushButton_ComSettingSet, ui->pushButton_DistanceSettingSet,
             ui->pushButton_StripperSettingSet})
        w->setEnabled(false);
}

void MainWindow::on_pushButton_close_clicked(bool openDebug)
{
    centralWidget()->setEnabled(false);
    if (ret_mode == MEDIUM_USB) {
        if (contrlUsb)
            contrlUsb->ClosePrinterHandle();
        centralWidget()->setEnabled(true);
    } else if (ret_mode == MEDIUM_NETWORK) {
        if (contrlNet)
            contrlNet->Disconnect_Server();
        centralWidget()->setEnabled(true);
        QThread::msleep(10);
    } else {
        centralWidget()->setEnabled(true);
    }
    resetConnectionPanel();
    if (openDebug)
        prompts::information(this, tr("设置工具"), tr("关闭成功！"));
    retire(contrlNet);
}
