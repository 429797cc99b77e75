// The Bluetooth page (names, pairing mode, PIN, MAC) and the serial page (line
// parameters, serial number, device information).
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "settings/wificodec.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

// The Bluetooth MAC follows the WiFi MAC in the answer to item 0x3C.
constexpr int kBluetoothMacOffset = 6;
constexpr int kDeviceInfoString = 2;

// Text of a NUL-terminated answer in the local 8-bit encoding.
QString answerText(const unsigned char *data, int size)
{
    return QString::fromLocal8Bit(
        reinterpret_cast<const char *>(data),
        int(qstrnlen(reinterpret_cast<const char *>(data), size_t(size))));
}

// An answer outside the list leaves the choice as it was, so that a later write
// never sends an index the list does not have.
void selectIndex(QComboBox *combo, int index)
{
    if (index < combo->count())
        combo->setCurrentIndex(index);
}

int firstFailure(std::initializer_list<int> results)
{
    for (int result : results) {
        if (result != RESULT_OK)
            return result;
    }
    return RESULT_OK;
}

} // namespace

int MainWindow::Blueteeth_Init()
{
    unsigned char out[frame::kQueryOutSize] = {};
    if (GetPrinterInfo(INFO_BT_SPP_NAME, out, ret_mode) != RESULT_OK)
        return mediumFailureCode();
    ui->lineEdit_SppName->setText(answerText(out, sizeof(out)));

    if (GetPrinterInfo(INFO_BT_BLE_NAME, out, ret_mode) != RESULT_OK)
        return mediumFailureCode();
    ui->lineEdit_SppBLE->setText(answerText(out, sizeof(out)));

    if (GetPrinterInfo(INFO_BT_PAIRING_MODE, out, ret_mode) != RESULT_OK)
        return mediumFailureCode();
    selectIndex(ui->comboBox_SppMode, out[0]);

    if (GetPrinterInfo(INFO_BT_PIN, out, ret_mode) != RESULT_OK)
        return mediumFailureCode();
    ui->lineEdit_SppPin->setText(answerText(out, sizeof(out)));

    if (GetPrinterInfo(INFO_MAC_ADDRESSES, out, ret_mode) != RESULT_OK)
        return mediumFailureCode();
    ui->lineEdit_SppMAC->setText(wificodec::macText(out + kBluetoothMacOffset));
    return RESULT_OK;
}

int MainWindow::USB_Init()
{
    unsigned char out[frame::kQueryOutSize] = {};
    if (GetPrinterInfo(INFO_SERIAL_PORT, out, ret_mode) == RESULT_OK) {
        selectIndex(ui->comboBox_ComBaud, out[0]);
        selectIndex(ui->comboBox_ComParityBit, out[1]);
        selectIndex(ui->comboBox_ComDataBit, out[2]);
        selectIndex(ui->comboBox_ComStopBit, out[3]);
    }

    int length = 0;
    QList<QByteArray> strings;
    if (GetPrinterInfo(INFO_DEVICE_IDENTITY, out, ret_mode, &length) == RESULT_OK &&
        identity::split(out, length, &strings)) {
        ui->lineEdit_ComDeviceInfo->setText(QString::fromLocal8Bit(strings.at(kDeviceInfoString)));
        ui->lineEdit_ComDeviceInfo->setEnabled(false);
    }

    const int ret = GetPrinterInfo(INFO_SERIAL_NUMBER, out, ret_mode);
    if (ret == RESULT_OK)
        ui->lineEdit_ComSN->setText(answerText(out, sizeof(out)));
    return ret;
}

int MainWindow::Set_Send_BR_EDR_NAME_Instruction()
{
    return sendSetFrame(INFO_BT_SPP_NAME, frame::textData(ui->lineEdit_SppName->text()));
}

int MainWindow::Set_Send_BLE_NAME_Instruction()
{
    return sendSetFrame(INFO_BT_BLE_NAME, frame::textData(ui->lineEdit_SppBLE->text()));
}

int MainWindow::Set_Send_SPP_MODE_Instruction()
{
    return sendSetFrame(INFO_BT_PAIRING_MODE,
                        QByteArray(1, char(ui->comboBox_SppMode->currentIndex())));
}

int MainWindow::Set_Send_PIN_Instruction()
{
    return sendSetFrame(INFO_BT_PIN, frame::textData(ui->lineEdit_SppPin->text()));
}

int MainWindow::Set_Send_SERIAL_PORT_Instruction()
{
    QByteArray data;
    data += char(ui->comboBox_ComBaud->currentIndex());
    data += char(ui->comboBox_ComParityBit->currentIndex());
    data += char(ui->comboBox_ComDataBit->currentIndex());
    data += char(ui->comboBox_ComStopBit->currentIndex());
    return sendSetFrame(INFO_SERIAL_PORT, data);
}

int MainWindow::Set_Send_SN_Instruction()
{
    return sendSetFrame(INFO_SERIAL_NUMBER, frame::textData(ui->lineEdit_ComSN->text()));
}

void MainWindow::on_pushButton_BleSettingRead_clicked()
{
    controlAllWidgets(false);
    if (!requireOpenDevice()) {
        controlAllWidgets(true);
        return;
    }
    QCoreApplication::processEvents();
    int ret;
    {
        NetworkBracket bracket;
        ret = Blueteeth_Init();
    }
    controlAllWidgets(true);
    if (Ret_Handler(ret) != 0 || ret != RESULT_OK)
        return;
    // A printer reached over Bluetooth cannot change its Bluetooth settings from here.
    if (!ui->checkBox_BLE->isChecked())
        ui->pushButton_BleSettingSet->setEnabled(true);
}

void MainWindow::on_pushButton_BleSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;
    int name, bleName, mode, pin;
    {
        NetworkBracket bracket;
        name = Set_Send_BR_EDR_NAME_Instruction();
        bleName = Set_Send_BLE_NAME_Instruction();
        mode = Set_Send_SPP_MODE_Instruction();
        pin = Set_Send_PIN_Instruction();
    }
    const int ret = firstFailure({name, bleName, mode, pin});
    if (ret == RESULT_OK)
        prompts::information(this, tr("设置工具"), tr("处理成功，请重启打印机"));
    Ret_Handler(ret);
}

void MainWindow::on_pushButton_ComSettingRead_clicked()
{
    if (!requireOpenDevice())
        return;
    controlAllWidgets(false);
    int ret;
    {
        NetworkBracket bracket;
        ret = USB_Init();
    }
    controlAllWidgets(true);
    if (Ret_Handler(ret) != 0 || ret != RESULT_OK)
        return;
    // Likewise the serial settings of a printer reached over its serial port.
    if (!ui->checkBox_Serialport->isChecked())
        ui->pushButton_ComSettingSet->setEnabled(true);
}

void MainWindow::on_pushButton_ComSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;
    int port, serialNumber;
    {
        NetworkBracket bracket;
        port = Set_Send_SERIAL_PORT_Instruction();
        serialNumber = Set_Send_SN_Instruction();
    }
    Ret_Handler(firstFailure({port, serialNumber}));
}
