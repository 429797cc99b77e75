#include "settings/bluetoothpage.h"

#include "app/pagehost.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "settings/pagefields.h"
#include "ui_bluetoothpage.h"
#include "ui_serialpage.h"

#include <QCoreApplication>

BluetoothPage::BluetoothPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::BluetoothPage)
{
    ui->setupUi(this);
}

BluetoothPage::~BluetoothPage()
{
    delete ui;
}

void BluetoothPage::printerChanged()
{
    ui->pushButton_BleSettingSet->setEnabled(false);
}

BluetoothSettings BluetoothPage::values() const
{
    BluetoothSettings s;
    s.name = ui->lineEdit_SppName->text();
    s.bleName = ui->lineEdit_SppBLE->text();
    s.pairing = pagefields::listSetting(ui->comboBox_SppMode, kPairingModes);
    s.pin = ui->lineEdit_SppPin->text();
    s.mac = ui->lineEdit_SppMAC->text();
    return s;
}

void BluetoothPage::on_pushButton_BleSettingRead_clicked()
{
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    QCoreApplication::processEvents();
    BluetoothSettings s;
    const int ret = readBluetoothSettings(m_session, &s);
    // Filled up to the first failed query; the rest keep what they showed.
    if (s.name)
        ui->lineEdit_SppName->setText(*s.name);
    if (s.bleName)
        ui->lineEdit_SppBLE->setText(*s.bleName);
    if (s.pairing)
        pagefields::showListSetting(ui->comboBox_SppMode, kPairingModes, *s.pairing);
    if (s.pin)
        ui->lineEdit_SppPin->setText(*s.pin);
    if (s.mac)
        ui->lineEdit_SppMAC->setText(*s.mac);
    m_host.setControlsEnabled(true);
    // A printer reached over Bluetooth cannot change its Bluetooth settings from here.
    ui->pushButton_BleSettingSet->setEnabled(pagefields::reportRead(m_host, ret) &&
                                             m_session.medium() != MEDIUM_BLUETOOTH);
}

void BluetoothPage::on_pushButton_BleSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const int ret = writeBluetoothSettings(m_session, values());
    if (ret == RESULT_OK)
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
    m_host.reportResult(ret);
}

SerialPage::SerialPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::SerialPage)
{
    ui->setupUi(this);
}

SerialPage::~SerialPage()
{
    delete ui;
}

void SerialPage::printerChanged()
{
    ui->pushButton_ComSettingSet->setEnabled(false);
}

SerialSettings SerialPage::values() const
{
    SerialSettings s;
    s.baud = pagefields::listSetting(ui->comboBox_ComBaud, kBaudRates);
    s.parity = pagefields::listSetting(ui->comboBox_ComParityBit, kParities);
    s.dataBits = pagefields::listSetting(ui->comboBox_ComDataBit, kDataBits);
    s.stopBits = pagefields::listSetting(ui->comboBox_ComStopBit, kStopBits);
    s.serialNumber = ui->lineEdit_ComSN->text();
    s.deviceInfo = ui->lineEdit_ComDeviceInfo->text();
    return s;
}

void SerialPage::on_pushButton_ComSettingRead_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    m_host.setControlsEnabled(false);
    SerialSettings s;
    const int ret = readSerialSettings(m_session, &s);
    if (s.baud) {
        pagefields::showListSetting(ui->comboBox_ComBaud, kBaudRates, *s.baud);
        pagefields::showListSetting(ui->comboBox_ComParityBit, kParities, *s.parity);
        pagefields::showListSetting(ui->comboBox_ComDataBit, kDataBits, *s.dataBits);
        pagefields::showListSetting(ui->comboBox_ComStopBit, kStopBits, *s.stopBits);
    }
    if (s.deviceInfo) {
        ui->lineEdit_ComDeviceInfo->setText(*s.deviceInfo);
        ui->lineEdit_ComDeviceInfo->setEnabled(false);
    }
    if (s.serialNumber)
        ui->lineEdit_ComSN->setText(*s.serialNumber);
    m_host.setControlsEnabled(true);
    // Likewise the serial settings of a printer reached over its serial port.
    ui->pushButton_ComSettingSet->setEnabled(pagefields::reportRead(m_host, ret) &&
                                             m_session.medium() != MEDIUM_SERIAL);
}

void SerialPage::on_pushButton_ComSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    m_host.reportResult(writeSerialSettings(m_session, values()));
}
