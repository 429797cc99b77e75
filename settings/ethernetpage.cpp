#include "settings/ethernetpage.h"

#include "app/pagehost.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "settings/netportcodec.h"
#include "settings/fieldfixups.h"
#include "settings/pagefields.h"
#include "ui_ethernetpage.h"

EthernetPage::EthernetPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::EthernetPage)
{
    ui->setupUi(this);
    fieldfixups::attachInteger(ui->lineEdit_NetportTCPPort);
    fieldfixups::attachInteger(ui->lineEdit_NetportUDPPort);
}

EthernetPage::~EthernetPage()
{
    delete ui;
}

void EthernetPage::printerChanged()
{
    ui->pushButton_NetportSettingSet->setEnabled(false);
}

EthernetSettings EthernetPage::values() const
{
    EthernetSettings s;
    s.dhcp = ui->comboBox_NetportIPMode->currentIndex() == 0;
    s.ip = ui->lineEdit_NetportIP->text();
    s.mask = ui->lineEdit_NetportSubnetMask->text();
    s.gateway = ui->lineEdit_NetportGateway->text();
    s.tcpPort = netportcodec::portValue(tcpPort());
    s.udpPort = netportcodec::portValue(udpPort());
    return s;
}

QString EthernetPage::tcpPort() const
{
    return ui->lineEdit_NetportTCPPort->text();
}

QString EthernetPage::udpPort() const
{
    return ui->lineEdit_NetportUDPPort->text();
}

void EthernetPage::on_pushButton_NetportSettingRead_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    m_host.setControlsEnabled(false);
    EthernetSettings s;
    const int ret = readEthernetSettings(m_session, &s);
    if (s.tcpPort) {
        ui->lineEdit_NetportTCPPort->setText(QString::number(*s.tcpPort));
        ui->lineEdit_NetportUDPPort->setText(QString::number(s.udpPort.value_or(0)));
    }
    if (s.dhcp) {
        ui->comboBox_NetportIPMode->setCurrentIndex(*s.dhcp ? 0 : 1);
        ui->lineEdit_NetportIP->setText(s.ip.value_or(QString()));
        ui->lineEdit_NetportSubnetMask->setText(s.mask.value_or(QString()));
        ui->lineEdit_NetportGateway->setText(s.gateway.value_or(QString()));
    }
    m_host.setControlsEnabled(true);
    ui->pushButton_NetportSettingSet->setEnabled(pagefields::reportRead(m_host, ret));
}

bool EthernetPage::acceptFields()
{
    // The frame holds four bytes per address: a box of another shape is refused rather
    // than cut or padded.
    for (const QLineEdit *edit :
         {ui->lineEdit_NetportIP, ui->lineEdit_NetportSubnetMask, ui->lineEdit_NetportGateway}) {
        if (!netportcodec::hasFourParts(edit->text())) {
            prompts::information(m_host.dialogParent(), tr("设置工具"),
                                 tr("地址格式错误，请输入如192.168.1.100的四段地址"));
            return false;
        }
    }
    using pagefields::fieldName;
    return pagefields::acceptAll(
        m_host.dialogParent(),
        {fieldcheck::address(fieldName(ui->label_NetportIP), ui->lineEdit_NetportIP->text()),
         fieldcheck::address(fieldName(ui->label_NetportSubnetMask),
                             ui->lineEdit_NetportSubnetMask->text()),
         fieldcheck::address(fieldName(ui->label_NetportGateway),
                             ui->lineEdit_NetportGateway->text()),
         fieldcheck::port(fieldName(ui->label_NetportTCPPort), tcpPort()),
         fieldcheck::port(fieldName(ui->label_NetportUDPPort), udpPort())});
}

void EthernetPage::on_pushButton_NetportSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    // A wrong address or port would leave the printer unreachable after its restart.
    if (!acceptFields())
        return;
    const int ret = writeEthernetSettings(m_session, values());
    if (ret == RESULT_OK) {
        emit connectionTargetChanged(QString(), tcpPort(), udpPort());
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
        emit restartPending();
    }
    m_host.reportResult(ret);
}
