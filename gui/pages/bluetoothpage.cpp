#include "gui/pages/bluetoothpage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "device/settings/settingsengine.h"
#include "device/link/printersession.h"
#include "ui_bluetoothpage.h"
#include "ui_serialpage.h"

BluetoothPage::BluetoothPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::BluetoothPage),
      m_binding(this, QStringLiteral("bluetooth"), session, host)
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

void BluetoothPage::on_pushButton_BleSettingRead_clicked()
{
    PageBinding::Read read;
    // A printer reached over Bluetooth cannot change its Bluetooth settings from here.
    read.completed = [this] { return m_session.medium() != MEDIUM_BLUETOOTH; };
    m_binding.read(ui->pushButton_BleSettingSet, read);
}

void BluetoothPage::on_pushButton_BleSettingSet_clicked()
{
    PageBinding::Write write;
    write.succeeded = [this](const QList<uint8_t> &) {
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
    };
    m_binding.write(write);
}

SerialPage::SerialPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::SerialPage),
      m_binding(this, QStringLiteral("serial"), session, host)
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

void SerialPage::on_pushButton_ComSettingRead_clicked()
{
    PageBinding::Read read;
    read.restFirst = false;
    read.show = [this](const QJsonObject &values, const settingsengine::ReadResult &) {
        m_binding.show(values);
        if (values.contains(QLatin1String("deviceInfo")))
            ui->lineEdit_ComDeviceInfo->setEnabled(false);
    };
    // Likewise the serial settings of a printer reached over its serial port.
    read.completed = [this] { return m_session.medium() != MEDIUM_SERIAL; };
    m_binding.read(ui->pushButton_ComSettingSet, read);
}

void SerialPage::on_pushButton_ComSettingSet_clicked()
{
    m_binding.write();
}
