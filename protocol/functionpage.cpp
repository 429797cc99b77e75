// The function page: printer information, printer status and the one-click
// maintenance commands.
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/statusword.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QProgressBar>
#include <QThread>

namespace {

// The arrow turns into a wait cursor while the GUI thread is blocked in an exchange.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Text of a NUL-terminated answer in the local 8-bit encoding.
QString answerText(const unsigned char *data, int size)
{
    return QString::fromLocal8Bit(
        reinterpret_cast<const char *>(data),
        int(qstrnlen(reinterpret_cast<const char *>(data), size_t(size))));
}

} // namespace

int MainWindow::Message_Init()
{
    unsigned char out[frame::kQueryOutSize];

    if (GetPrinterStatusInfo(POWER_FIRMWARE_VERSION, out, ret_mode) == RESULT_OK)
        ui->textBrowser_Ver->setText(answerText(out, sizeof(out)));

    if (GetPrinterStatusInfo(POWER_RESOLUTION, out, ret_mode) == RESULT_OK) {
        ui->textBrowser_DPI->setText(QString::number(frame::u16(out)));
        ui->textBrowser_MaxPaperWidth->setText(QString::number(frame::u16(out + 2) / mmToDot));
    }

    int length = 0;
    const int ret = GetPrinterInfo(INFO_DEVICE_IDENTITY, out, ret_mode, &length);
    QList<QByteArray> strings;
    if (ret == RESULT_OK && identity::split(out, length, &strings)) {
        qDebug() << "vidSString:" << strings.at(0);
        qDebug() << "pidSString:" << strings.at(1);
        qDebug() << "vidPtring:" << strings.at(2);
        qDebug() << "pidPtring:" << strings.at(3);
        qDebug() << "messagetring:" << strings.at(4);
        ui->textBrowser_Model->setText(QString::fromLocal8Bit(strings.at(1)));
    }
    return ret;
}

void MainWindow::on_pushButton_getPrinterInfo_clicked()
{
    if (printerInUse())
        return;
    if (!isDeviceOpen()) {
        prompts::critical(this, tr("设置工具"), tr("设备未打开!"));
        return;
    }
    controlAllWidgets(false);
    int ret;
    {
        NetworkBracket bracket;
        ret = Message_Init();
    }
    controlAllWidgets(true);
    Ret_Handler(ret);
}

void MainWindow::on_pushButton_GetPrinterStatus_clicked()
{
    if (!requireOpenDevice())
        return;
    quint32 word = 0;
    int ret;
    {
        BusyCursor busy;
        NetworkBracket bracket;
        ret = readPrinterStatusWord(&word);
    }
    qDebug("%02X", word);
    qDebug("ret = %d", ret);
    if (ret != 0) {
        const QString failure = tr("请确保打印机已进行连接");
        ui->label_PrinterStatusText->setText(failure);
        showLastResult(failure);
        prompts::information(this, tr("设置工具"), failure);
        return;
    }
    QString text = checkPrinterStatus(word);
    if (text.isEmpty())
        text = tr("空闲中");
    ui->label_PrinterStatusText->setText(text.trimmed());
    showLastResult(text);
    prompts::information(this, tr("设置工具"), text);
}

int MainWindow::runFunctionCommand(POWER_InFo code)
{
    BusyCursor busy;
    NetworkBracket bracket;
    return SetPrinterStatusButton(code, ret_mode);
}

int MainWindow::runSetCommand(uint8_t item, uint8_t value)
{
    BusyCursor busy;
    NetworkBracket bracket;
    return sendSetFrame(item, QByteArray(1, char(value)));
}

void MainWindow::closeAfterRestart(int pauseMs)
{
    centralWidget()->setEnabled(false);
    if (ret_mode == MEDIUM_NETWORK) {
        if (contrlNet)
            contrlNet->Disconnect_Server();
        centralWidget()->setEnabled(true);
        QThread::msleep(pauseMs);
    } else if (ret_mode == MEDIUM_USB) {
        if (contrlUsb)
            contrlUsb->ClosePrinterHandle();
        centralWidget()->setEnabled(true);
    } else {
        centralWidget()->setEnabled(true);
    }
    resetConnectionPanel();
}

void MainWindow::resetConnectionPanel()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI,
             ui->comboBox_ScanResult, ui->pushButton_open})
        w->setEnabled(true);
    ui->pushButton_close->setEnabled(false);
}

void MainWindow::on_pushButton_Reboot_clicked()
{
    if (!requireOpenDevice())
        return;
    const int ret = runFunctionCommand(POWER_RESTART);
    if (ret == RESULT_OK) {
        closeAfterRestart(500);
        for (const char *name : {"progressBar_Update", "progressBar_Debug"})
            if (auto *bar = findChild<QProgressBar *>(QLatin1String(name)))
                bar->setValue(0);
    }
    Ret_Handler(ret);
}

void MainWindow::on_pushButton_PrinterInit_clicked()
{
    if (!requireOpenDevice())
        return;
    // Initialisation erases what the printer stores; nothing is sent without consent.
    if (!prompts::confirm(
            this, tr("打印机初始化"),
            tr("打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，"
               "之后连接会关闭。\n确定要初始化打印机吗？")))
        return;
    const int ret = runFunctionCommand(POWER_INITIALISE);
    if (Ret_Handler(ret) == 0 && ret == RESULT_OK)
        closeAfterRestart(10);
}

void MainWindow::runFunctionButton(POWER_InFo code)
{
    if (!requireOpenDevice())
        return;
    Ret_Handler(runFunctionCommand(code));
}

void MainWindow::runSetButton(uint8_t item, uint8_t value)
{
    if (!requireOpenDevice())
        return;
    Ret_Handler(runSetCommand(item, value));
}

void MainWindow::on_pushButton_SelfCheck_clicked()
{
    runFunctionButton(POWER_SELF_TEST);
}
void MainWindow::on_pushButton_SeamLrn_clicked()
{
    runFunctionButton(POWER_GAP_LEARN);
}
void MainWindow::on_pushButton_BlackLableLrn_clicked()
{
    runFunctionButton(POWER_BLACK_MARK_LEARN);
}
void MainWindow::on_pushButton_DACLrn_clicked()
{
    runFunctionButton(POWER_DAC_LEARN);
}
void MainWindow::on_pushButton_OutietLrn_clicked()
{
    runFunctionButton(POWER_OUTLET_LEARN);
}

void MainWindow::on_pushButton_NopaperLrn_clicked()
{
    if (!requireOpenDevice())
        return;
    int ret;
    {
        BusyCursor busy;
        NetworkBracket bracket;
        ret = sendFrameNoReply(frame::build(frame::ClassStatus, POWER_PAPER_OUT_LEARN));
    }
    Ret_Handler(ret);
}

void MainWindow::on_pushButton_AllCut_clicked()
{
    runSetButton(INFO_CUTTER_MODE, 1);
}
void MainWindow::on_pushButton_HalfCut_clicked()
{
    runSetButton(INFO_CUTTER_MODE, 0);
}
void MainWindow::on_pushButton_StripMode_clicked()
{
    runSetButton(INFO_CUTTER_MODE, 2);
}
void MainWindow::on_pushButton_TearMode_clicked()
{
    runSetButton(INFO_CUTTER_MODE, 3);
}
void MainWindow::on_pushButton_KeySettingOpen_clicked()
{
    runSetButton(INFO_KEY_SETTING, 0);
}
void MainWindow::on_pushButton_KeySettingClose_clicked()
{
    runSetButton(INFO_KEY_SETTING, 1);
}
void MainWindow::on_pushButton_BuzzerOpen_clicked()
{
    runSetButton(INFO_BUZZER, 0);
}
void MainWindow::on_pushButton_BuzzerClose_clicked()
{
    runSetButton(INFO_BUZZER, 1);
}
