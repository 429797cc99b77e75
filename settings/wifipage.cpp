#include "settings/wifipage.h"

#include "app/pagehost.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "provisioning/wificred.h"
#include "settings/netportcodec.h"
#include "settings/pagefields.h"
#include "ui_wifipage.h"

#include <QDebug>

namespace {

constexpr int kMinApPasswordLength = 8;

} // namespace

WifiPage::WifiPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::WifiPage)
{
    ui->setupUi(this);
    connect(ui->pushButton_NetSetup, &QAbstractButton::clicked, this,
            &WifiPage::provisioningRequested);
}

WifiPage::~WifiPage()
{
    delete ui;
}

void WifiPage::printerChanged()
{
    m_session.setWifiMode(-1);
    ui->pushButton_WifiSettingSet->setEnabled(false);
}

void WifiPage::noteProvisioned(const WifiCred &cred, bool taken)
{
    ui->comboBox_WifiMode->setCurrentIndex(int(WifiMode::Station));
    ui->lineEdit_WStaName->setText(cred.ssid);
    ui->lineEdit_WStaPassword->setText(cred.password);
    if (!taken)
        return;
    m_session.setWifiMode(int(WifiMode::Station));
    m_saved.stationName = ui->lineEdit_WStaName->text();
    m_saved.stationPassword = ui->lineEdit_WStaPassword->text();
}

WifiSettings WifiPage::values() const
{
    WifiSettings s;
    s.mode = ui->comboBox_WifiMode->currentIndex() == int(WifiMode::Station)
                 ? WifiMode::Station
                 : WifiMode::AccessPoint;
    s.stationName = ui->lineEdit_WStaName->text();
    s.stationPassword = ui->lineEdit_WStaPassword->text();
    s.apName = ui->lineEdit_WApName->text();
    s.apPassword = ui->lineEdit_WApPassword->text();
    s.apAddress = ui->lineEdit_WApIP->text();
    s.port = netportcodec::portValue(ui->lineEdit_WApPort->text());
    s.mac = ui->lineEdit_WApMAC->text();
    s.dhcp = ui->comboBox_WifiSetIPMode->currentIndex() != 0;
    s.ip = ui->lineEdit_WifiSetIP->text();
    s.mask = ui->lineEdit_WifiSetSubnetMask->text();
    s.gateway = ui->lineEdit_WifiSetGateway->text();
    s.dns = ui->lineEdit_WifiSetDNS->text();
    return s;
}

QString WifiPage::connectAddress() const
{
    QString address = ui->comboBox_WifiMode->currentIndex() == int(WifiMode::AccessPoint)
                                ? ui->lineEdit_WApIP->text()
                                : ui->lineEdit_WifiSetIP->text();
    if (address == QLatin1String("...") || address == QLatin1String("0.0.0.0"))
        return QString();
    return address;
}

QString WifiPage::servicePort() const
{
    return ui->lineEdit_WApPort->text();
}

void WifiPage::showValues(const WifiSettings &s)
{
    if (s.mode)
        ui->comboBox_WifiMode->setCurrentIndex(int(*s.mode));
    if (s.stationName) {
        ui->lineEdit_WStaName->setText(*s.stationName);
        ui->lineEdit_WStaPassword->setText(s.stationPassword.value_or(QString()));
        ui->lineEdit_WApName->clear();
        ui->lineEdit_WApPassword->clear();
        ui->lineEdit_WApIP->clear();
    } else if (s.apName) {
        ui->lineEdit_WApName->setText(*s.apName);
        ui->lineEdit_WApPassword->setText(s.apPassword.value_or(QString()));
        ui->lineEdit_WApIP->setText(s.apAddress.value_or(QString()));
        ui->lineEdit_WStaName->clear();
        ui->lineEdit_WStaPassword->clear();
    }
    if (s.port)
        ui->lineEdit_WApPort->setText(QString::number(*s.port));
    if (s.mac)
        ui->lineEdit_WApMAC->setText(*s.mac);
    if (s.dhcp) {
        ui->comboBox_WifiSetIPMode->setCurrentIndex(*s.dhcp ? 1 : 0);
        ui->lineEdit_WifiSetDNS->setEnabled(!*s.dhcp);
        ui->lineEdit_WifiSetIP->setText(s.ip.value_or(QString()));
        ui->lineEdit_WifiSetGateway->setText(s.gateway.value_or(QString()));
        ui->lineEdit_WifiSetSubnetMask->setText(s.mask.value_or(QString()));
        // Under DHCP the printer's DNS answer is not shown; the box keeps its text.
        if (!*s.dhcp)
            ui->lineEdit_WifiSetDNS->setText(s.dns.value_or(QString()));
    }
}

void WifiPage::takeSnapshot()
{
    m_saved = values();
    m_session.setWifiMode(ui->comboBox_WifiMode->currentIndex());
}

WifiSettings WifiPage::known() const
{
    WifiSettings k = m_saved;
    k.mode.reset();
    if (m_session.wifiMode() >= 0)
        k.mode = WifiMode(m_session.wifiMode());
    return k;
}

void WifiPage::on_pushButton_WifiSettingRead_clicked()
{
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    WifiSettings read;
    const int ret = readWifiSettings(m_session, &read);
    showValues(read);
    qDebug("wifi ret = %d", ret);
    m_host.setControlsEnabled(true);
    // Only a complete read gives the write something true to compare with.
    const bool complete = pagefields::reportRead(m_host, ret);
    if (complete)
        takeSnapshot();
    ui->pushButton_WifiSettingSet->setEnabled(complete);
}

bool WifiPage::acceptFields(const WifiGroups &groups)
{
    using pagefields::fieldName;
    const bool stationMode = ui->comboBox_WifiMode->currentIndex() == int(WifiMode::Station);
    QList<fieldcheck::Field> fields;
    if (groups.credentials && !stationMode)
        fields << fieldcheck::address(fieldName(ui->label_WApIP), ui->lineEdit_WApIP->text());
    if (groups.port)
        fields << fieldcheck::port(fieldName(ui->label_WApPort), ui->lineEdit_WApPort->text());
    if (groups.ip) {
        fields << fieldcheck::address(fieldName(ui->label_WifiSetIP),
                                      ui->lineEdit_WifiSetIP->text())
               << fieldcheck::address(fieldName(ui->label_WifiSetSubnetMask),
                                      ui->lineEdit_WifiSetSubnetMask->text())
               << fieldcheck::address(fieldName(ui->label_WifiSetGateway),
                                      ui->lineEdit_WifiSetGateway->text())
               << fieldcheck::address(fieldName(ui->label_WifiSetDNS),
                                      ui->lineEdit_WifiSetDNS->text());
    }
    if (groups.credentials && !stationMode &&
        ui->lineEdit_WApPassword->text().size() < kMinApPasswordLength) {
        prompts::information(m_host.dialogParent(), tr("设置工具"),
                             tr("AP模式的wifi密码最少为8位"));
        return false;
    }
    return pagefields::acceptAll(m_host.dialogParent(), fields);
}

void WifiPage::on_pushButton_WifiSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const WifiSettings wanted = values();
    const WifiSettings before = known();
    // Everything about to be sent is checked first: a refused field sends nothing, not
    // even the mode, so the printer never gets half of a change.
    if (!acceptFields(changedWifiGroups(wanted, before)))
        return;

    WifiGroups sent;
    const int ret = writeWifiSettings(m_session, wanted, before, &sent);
    if (ret != RESULT_OK) {
        m_host.reportResult(ret);
        return;
    }
    // The next connection goes to the printer's new address and port.
    emit connectionTargetChanged(connectAddress(), servicePort(), QString());
    prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
    takeSnapshot();
    if (sent.any())
        emit restartPending();
}
