// The Bluetooth page (names, pairing mode, PIN, MAC) and the serial page (line
// parameters, serial number, device information).
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "settings/pagefields.h"
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
    if (session().queryInfo(INFO_BT_SPP_NAME, out) != RESULT_OK)
        return session().failureCode();
    ui->lineEdit_SppName->setText(answerText(out, sizeof(out)));

    if (session().queryInfo(INFO_BT_BLE_NAME, out) != RESULT_OK)
        return session().failureCode();
    ui->lineEdit_SppBLE->setText(answerText(out, sizeof(out)));

    if (session().queryInfo(INFO_BT_PAIRING_MODE, out) != RESULT_OK)
        return session().failureCode();
    pagefields::showListAnswer(ui->comboBox_SppMode, out[0]);

    if (session().queryInfo(INFO_BT_PIN, out) != RESULT_OK)
        return session().failureCode();
    ui->lineEdit_SppPin->setText(answerText(out, sizeof(out)));

    if (session().queryInfo(INFO_MAC_ADDRESSES, out) != RESULT_OK)
        return session().failureCode();
    ui->lineEdit_SppMAC->setText(wificodec::macText(out + kBluetoothMacOffset));
    return RESULT_OK;
}

int MainWindow::USB_Init()
{
    unsigned char out[frame::kQueryOutSize] = {};
    // Every query runs; the first failure is the result, so that no value left from
    // another printer is taken for this one's.
    const int port = session().queryInfo(INFO_SERIAL_PORT, out);
    if (port == RESULT_OK) {
        pagefields::showListAnswer(ui->comboBox_ComBaud, out[0]);
        pagefields::showListAnswer(ui->comboBox_ComParityBit, out[1]);
        pagefields::showListAnswer(ui->comboBox_ComDataBit, out[2]);
        pagefields::showListAnswer(ui->comboBox_ComStopBit, out[3]);
    }

    int length = 0;
    QList<QByteArray> strings;
    int info = session().queryInfo(INFO_DEVICE_IDENTITY, out, &length);
    if (info == RESULT_OK && !identity::split(out, length, &strings))
        info = RESULT_BAD_REPLY;
    if (info == RESULT_OK) {
        ui->lineEdit_ComDeviceInfo->setText(QString::fromLocal8Bit(strings.at(kDeviceInfoString)));
        ui->lineEdit_ComDeviceInfo->setEnabled(false);
    }

    const int ret = session().queryInfo(INFO_SERIAL_NUMBER, out);
    if (ret == RESULT_OK)
        ui->lineEdit_ComSN->setText(answerText(out, sizeof(out)));
    return firstFailure({port, info, ret});
}

int MainWindow::Set_Send_BR_EDR_NAME_Instruction()
{
    return session().sendSet(INFO_BT_SPP_NAME, frame::textData(ui->lineEdit_SppName->text()));
}

int MainWindow::Set_Send_BLE_NAME_Instruction()
{
    return session().sendSet(INFO_BT_BLE_NAME, frame::textData(ui->lineEdit_SppBLE->text()));
}

int MainWindow::Set_Send_SPP_MODE_Instruction()
{
    // A mode the printer has but the list lacks stays until the user picks one.
    if (ui->comboBox_SppMode->currentIndex() < 0)
        return RESULT_OK;
    return session().sendSet(INFO_BT_PAIRING_MODE,
                             QByteArray(1, char(ui->comboBox_SppMode->currentIndex())));
}

int MainWindow::Set_Send_PIN_Instruction()
{
    return session().sendSet(INFO_BT_PIN, frame::textData(ui->lineEdit_SppPin->text()));
}

int MainWindow::Set_Send_SERIAL_PORT_Instruction()
{
    // One frame carries all four: a value the list lacks goes back as the printer
    // gave it; a box with no value known at all keeps the whole frame back.
    QByteArray data;
    for (const QComboBox *box : {ui->comboBox_ComBaud, ui->comboBox_ComParityBit,
                                 ui->comboBox_ComDataBit, ui->comboBox_ComStopBit}) {
        const int value = pagefields::listByte(box);
        if (value < 0)
            return RESULT_OK;
        data += char(value);
    }
    return session().sendSet(INFO_SERIAL_PORT, data);
}

int MainWindow::Set_Send_SN_Instruction()
{
    return session().sendSet(INFO_SERIAL_NUMBER, frame::textData(ui->lineEdit_ComSN->text()));
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
        PrinterSession::Operation bracket(session());
        ret = Blueteeth_Init();
    }
    controlAllWidgets(true);
    // A printer reached over Bluetooth cannot change its Bluetooth settings from here.
    ui->pushButton_BleSettingSet->setEnabled(pagefields::reportRead(this, ret) &&
                                             !connectionPanel().bluetoothChosen());
}

void MainWindow::on_pushButton_BleSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;
    int name, bleName, mode, pin;
    {
        PrinterSession::Operation bracket(session());
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
        PrinterSession::Operation bracket(session());
        ret = USB_Init();
    }
    controlAllWidgets(true);
    // Likewise the serial settings of a printer reached over its serial port.
    ui->pushButton_ComSettingSet->setEnabled(pagefields::reportRead(this, ret) &&
                                             !connectionPanel().serialChosen());
}

void MainWindow::on_pushButton_ComSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;
    int port, serialNumber;
    {
        PrinterSession::Operation bracket(session());
        port = Set_Send_SERIAL_PORT_Instruction();
        serialNumber = Set_Send_SN_Instruction();
    }
    Ret_Handler(firstFailure({port, serialNumber}));
}
