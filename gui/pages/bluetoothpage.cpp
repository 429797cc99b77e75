#include "gui/pages/bluetoothpage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/pages/pagefields.h"
#include "device/settings/settingsengine.h"
#include "device/link/printersession.h"
#include "ui_bluetoothpage.h"
#include "ui_serialpage.h"

#include <QCoreApplication>

BluetoothPage::BluetoothPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::BluetoothPage),
      m_binding(this, QStringLiteral("bluetooth"))
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
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    QCoreApplication::processEvents();
    QJsonObject read;
    const settingsengine::ReadResult ret =
        settingsengine::read(m_session, QStringLiteral("bluetooth"), &read);
    // Filled up to the first failed query; the rest keep what they showed.
    m_binding.show(read);
    m_host.setControlsEnabled(true);
    // A printer reached over Bluetooth cannot change its Bluetooth settings from here.
    ui->pushButton_BleSettingSet->setEnabled(pagefields::reportRead(m_host, ret) &&
                                             m_session.medium() != MEDIUM_BLUETOOTH);
}

void BluetoothPage::on_pushButton_BleSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject values = m_binding.values();
    if (!m_binding.accept(m_host, values, values.keys(), m_session.dotsPerMm()))
        return;
    const int ret =
        settingsengine::write(m_session, QStringLiteral("bluetooth"), values, QJsonObject());
    if (ret == RESULT_OK)
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
    m_host.reportResult(ret);
}

SerialPage::SerialPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::SerialPage),
      m_binding(this, QStringLiteral("serial"))
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
    if (!m_host.requireOpenDevice())
        return;
    m_host.setControlsEnabled(false);
    QJsonObject read;
    const settingsengine::ReadResult ret =
        settingsengine::read(m_session, QStringLiteral("serial"), &read);
    m_binding.show(read);
    if (read.contains(QLatin1String("deviceInfo")))
        ui->lineEdit_ComDeviceInfo->setEnabled(false);
    m_host.setControlsEnabled(true);
    // Likewise the serial settings of a printer reached over its serial port.
    ui->pushButton_ComSettingSet->setEnabled(pagefields::reportRead(m_host, ret) &&
                                             m_session.medium() != MEDIUM_SERIAL);
}

void SerialPage::on_pushButton_ComSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject values = m_binding.values();
    if (!m_binding.accept(m_host, values, values.keys(), m_session.dotsPerMm()))
        return;
    m_host.reportResult(
        settingsengine::write(m_session, QStringLiteral("serial"), values, QJsonObject()));
}
