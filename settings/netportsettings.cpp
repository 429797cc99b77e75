// The Ethernet port page: DHCP, addresses and the TCP and UDP ports the printer
// listens on.
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "protocol/frame.h"
#include "settings/netportcodec.h"
#include "settings/pagefields.h"
#include "ui_mainwindow.h"

#include <QDebug>

int MainWindow::Net_Init()
{
    unsigned char out[frame::kQueryOutSize] = {};

    // Ports left from another printer would be written back with the addresses.
    const int ports = session().queryInfo(INFO_NET_PORTS, out);
    if (ports == RESULT_OK) {
        ui->lineEdit_NetportTCPPort->setText(QString::number(frame::u16(out)));
        ui->lineEdit_NetportUDPPort->setText(QString::number(frame::u16(out + 2)));
    }

    const int ret = session().queryInfo(INFO_NET_ADDRESS, out);
    if (ret == RESULT_OK) {
        ui->comboBox_NetportIPMode->setCurrentIndex(out[0] == 0 ? 0 : 1);
        ui->lineEdit_NetportIP->setText(netportcodec::dottedAddress(out + 1));
        ui->lineEdit_NetportSubnetMask->setText(netportcodec::dottedAddress(out + 5));
        ui->lineEdit_NetportGateway->setText(netportcodec::dottedAddress(out + 9));
    }
    return ports != RESULT_OK ? ports : ret;
}

int MainWindow::Net_Set()
{
    // Fields are normalised to four address bytes each, so the frame keeps its
    // fixed layout; the set button refuses malformed fields before this.
    return session().sendSet(
        INFO_NET_ADDRESS, netportcodec::addressFrameData(ui->comboBox_NetportIPMode->currentIndex(),
                                                         ui->lineEdit_NetportIP->text(),
                                                         ui->lineEdit_NetportSubnetMask->text(),
                                                         ui->lineEdit_NetportGateway->text()));
}

int MainWindow::Set_Send_PORT_MESSAGE_Instruction()
{
    return session().sendSet(INFO_NET_PORTS,
                             netportcodec::portFrameData(ui->lineEdit_NetportTCPPort->text(),
                                                         ui->lineEdit_NetportUDPPort->text()));
}

bool MainWindow::netportAddressesWellFormed()
{
    for (const QLineEdit *edit :
         {ui->lineEdit_NetportIP, ui->lineEdit_NetportSubnetMask, ui->lineEdit_NetportGateway}) {
        if (!netportcodec::hasFourParts(edit->text())) {
            prompts::information(this, tr("设置工具"),
                                 tr("地址格式错误，请输入如192.168.1.100的四段地址"));
            return false;
        }
    }
    using pagefields::fieldName;
    return pagefields::acceptAll(
        this,
        {fieldcheck::address(fieldName(ui->label_NetportIP), ui->lineEdit_NetportIP->text()),
         fieldcheck::address(fieldName(ui->label_NetportSubnetMask),
                             ui->lineEdit_NetportSubnetMask->text()),
         fieldcheck::address(fieldName(ui->label_NetportGateway),
                             ui->lineEdit_NetportGateway->text()),
         fieldcheck::port(fieldName(ui->label_NetportTCPPort), ui->lineEdit_NetportTCPPort->text()),
         fieldcheck::port(fieldName(ui->label_NetportUDPPort),
                          ui->lineEdit_NetportUDPPort->text())});
}

void MainWindow::on_pushButton_NetportSettingRead_clicked()
{
    if (!requireOpenDevice())
        return;
    controlAllWidgets(false);
    int ret;
    {
        PrinterSession::Operation bracket(session());
        ret = Net_Init();
    }
    controlAllWidgets(true);
    ui->pushButton_NetportSettingSet->setEnabled(pagefields::reportRead(this, ret));
}

void MainWindow::on_pushButton_NetportSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;
    // A wrong address or port would leave the printer unreachable after its restart.
    if (!netportAddressesWellFormed())
        return;
    int results[2] = {RESULT_OK, RESULT_OK};
    {
        PrinterSession::Operation bracket(session());
        results[0] = Net_Set();
        results[1] = Set_Send_PORT_MESSAGE_Instruction();
    }
    if (results[0] == RESULT_OK && results[1] == RESULT_OK) {
        if (!ui->lineEdit_NetportTCPPort->text().isEmpty())
            connectionPanel().setTcpPort(ui->lineEdit_NetportTCPPort->text());
        if (!ui->lineEdit_NetportUDPPort->text().isEmpty())
            connectionPanel().setUdpPort(ui->lineEdit_NetportUDPPort->text());
        prompts::information(this, tr("设置工具"), tr("处理成功，请重启打印机"));
        // The printer's addresses and ports are about to change.
        if (connectionPanel().ethernetChosen())
            on_pushButton_close_clicked(false);
    }
    Ret_Handler(results[0] != RESULT_OK ? results[0] : results[1]);
}
