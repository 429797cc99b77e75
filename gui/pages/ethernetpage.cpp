#include "gui/pages/ethernetpage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "gui/pages/fieldfixups.h"
#include "core/settings/netportcodec.h"
#include "device/link/printersession.h"
#include "ui_ethernetpage.h"

EthernetPage::EthernetPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::EthernetPage),
      m_binding(this, QStringLiteral("ethernet"), session, host)
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
    PageBinding::Read read;
    read.restFirst = false;
    m_binding.read(ui->pushButton_NetportSettingSet, read);
}

bool EthernetPage::acceptAddresses()
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
    return true;
}

void EthernetPage::on_pushButton_NetportSettingSet_clicked()
{
    PageBinding::Write write;
    // A wrong address or port would leave the printer unreachable after its restart.
    write.check = [this](const QStringList &) { return acceptAddresses(); };
    // The ports as sent: the boxes may be edited while the write runs.
    write.succeeded = [this, tcp = tcpPort(), udp = udpPort()](const QList<uint8_t> &) {
        emit connectionTargetChanged(QString(), tcp, udp);
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
        emit restartPending();
    };
    m_binding.write(write);
}
