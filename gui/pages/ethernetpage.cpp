#include "gui/pages/ethernetpage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/pages/fieldfixups.h"
#include "core/settings/netportcodec.h"
#include "gui/pages/pagefields.h"
#include "device/settings/settingsengine.h"
#include "device/link/printersession.h"
#include "ui_ethernetpage.h"

EthernetPage::EthernetPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::EthernetPage),
      m_binding(this, QStringLiteral("ethernet"))
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
    QJsonObject read;
    const settingsengine::ReadResult ret =
        settingsengine::read(m_session, QStringLiteral("ethernet"), &read);
    m_binding.show(read);
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
    const QJsonObject values = m_binding.values();
    return m_binding.accept(m_host, values, values.keys(), m_session.dotsPerMm());
}

void EthernetPage::on_pushButton_NetportSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    // A wrong address or port would leave the printer unreachable after its restart.
    if (!acceptFields())
        return;
    const int ret = settingsengine::write(m_session, QStringLiteral("ethernet"), m_binding.values(),
                                          QJsonObject());
    if (ret == RESULT_OK) {
        emit connectionTargetChanged(QString(), tcpPort(), udpPort());
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
        emit restartPending();
    }
    m_host.reportResult(ret);
}
