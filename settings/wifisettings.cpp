// The WiFi page: mode, station and access point credentials, service port, IP
// configuration and the module's MAC address.
#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "protocol/printersession.h"
#include "protocol/exchange.h"
#include "protocol/frame.h"
#include "settings/pagefields.h"
#include "settings/wificodec.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QThread>

namespace {

constexpr int kModePauseMs = 1000;
constexpr int kCredentialsPauseMs = 1000;
constexpr int kPortPauseMs = 500;
constexpr int kFinalPauseMs = 100;
constexpr int kMinApPasswordLength = 8;

QString utf8(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

} // namespace

int MainWindow::Wifi_Init()
{
    const int failure = mediumFailureCode();
    unsigned char out[frame::kQueryOutSize];

    if (GetPrinterInfo(INFO_WIFI_MODE, out, ret_mode) != RESULT_OK)
        return failure;

    int apResult = RESULT_OK;
    bool apUnreadable = false;
    if (out[0] == 1) {
        ui->comboBox_WifiMode->setCurrentIndex(0);
        if (GetPrinterInfo(INFO_WIFI_STATION, out, ret_mode) != RESULT_OK)
            return failure;
        // The buffer is zeroed past the answer, so both texts always end.
        QList<QByteArray> texts;
        wificodec::splitTexts(out, int(sizeof(out)), 1, &texts);
        qDebug() << "nameString:" << texts.at(0);
        qDebug() << "passwordString:" << QByteArray(texts.at(1).size(), '*');
        ui->lineEdit_WStaName->setText(utf8(texts.at(0)));
        ui->lineEdit_WStaPassword->setText(utf8(texts.at(1)));
        ui->lineEdit_WApName->clear();
        ui->lineEdit_WApPassword->clear();
        ui->lineEdit_WApIP->clear();
    } else {
        ui->comboBox_WifiMode->setCurrentIndex(1);
        int length = 0;
        apResult = GetPrinterInfo(INFO_WIFI_AP, out, ret_mode, &length);
        QList<QByteArray> texts;
        if (apResult == RESULT_OK) {
            // Name and password must both end inside the answer; the address may
            // run to its end.
            if (!wificodec::splitTexts(out, length, 2, &texts)) {
                qDebug() << "Error: Invalid data format!";
                apUnreadable = true;
            } else {
                qDebug() << "nameString:" << texts.at(0);
                qDebug() << "passwordString:" << QByteArray(texts.at(1).size(), '*');
                qDebug() << "ipString:" << texts.at(2);
                ui->lineEdit_WApName->setText(utf8(texts.at(0)));
                ui->lineEdit_WApPassword->setText(utf8(texts.at(1)));
                ui->lineEdit_WApIP->setText(utf8(texts.at(2)));
                ui->lineEdit_WStaName->clear();
                ui->lineEdit_WStaPassword->clear();
            }
        }
    }

    if (GetPrinterInfo(INFO_WIFI_TCP_PORT, out, ret_mode) != RESULT_OK)
        return failure;
    ui->lineEdit_WApPort->setText(QString::number(frame::u16(out)));

    if (GetPrinterInfo(INFO_MAC_ADDRESSES, out, ret_mode) != RESULT_OK)
        return failure;
    ui->lineEdit_WApMAC->setText(wificodec::macText(out));

    // Any part left unread keeps another printer's texts, which a write would take
    // for this printer's settings.
    const int ip = IP_Init();
    if (apResult != RESULT_OK)
        return failure;
    return apUnreadable ? int(RESULT_BAD_REPLY) : ip;
}

int MainWindow::IP_Init()
{
    unsigned char out[frame::kQueryOutSize];
    if (GetPrinterInfo(INFO_WIFI_IP, out, ret_mode) != RESULT_OK)
        return mediumFailureCode();
    const wificodec::IpSettings ip = wificodec::ipFromAnswer(out);
    const bool dhcp = ip.mode != 0;
    ui->comboBox_WifiSetIPMode->setCurrentIndex(dhcp ? 1 : 0);
    ui->lineEdit_WifiSetDNS->setEnabled(!dhcp);
    ui->lineEdit_WifiSetIP->setText(ip.ip);
    ui->lineEdit_WifiSetGateway->setText(ip.gateway);
    ui->lineEdit_WifiSetSubnetMask->setText(ip.mask);
    // Under DHCP the printer's DNS answer is not shown; the box keeps its text.
    if (!dhcp)
        ui->lineEdit_WifiSetDNS->setText(ip.dns);
    return RESULT_OK;
}

void MainWindow::saveWifiSnapshot()
{
    savedWifiMode = ui->comboBox_WifiMode->currentIndex();
    session().setWifiMode(savedWifiMode);
    savedStaName = ui->lineEdit_WStaName->text();
    savedStaPassword = ui->lineEdit_WStaPassword->text();
    savedApName = ui->lineEdit_WApName->text();
    savedApPassword = ui->lineEdit_WApPassword->text();
    savedApPort = ui->lineEdit_WApPort->text();
    savedIpMode = ui->comboBox_WifiSetIPMode->currentIndex();
    savedSubnetMask = ui->lineEdit_WifiSetSubnetMask->text();
    savedDns = ui->lineEdit_WifiSetDNS->text();
    savedIp = ui->lineEdit_WifiSetIP->text();
    savedGateway = ui->lineEdit_WifiSetGateway->text();
}

int MainWindow::Set_Send_WIFI_MODE_Instruction()
{
    return sendSetFrame(INFO_WIFI_MODE,
                        QByteArray(1, char(ui->comboBox_WifiMode->currentIndex() + 1)));
}

int MainWindow::Set_Send_CONNECT_AP_INFORMATION_Instruction()
{
    const QByteArray payload =
        wificodec::textFields({ui->lineEdit_WStaName->text(), ui->lineEdit_WStaPassword->text()});
    qDebug() << "byte = " << payload.size(); // the data holds the password
    return sendSetFrame(INFO_WIFI_STATION, payload);
}

int MainWindow::Set_Send_AP_MODE_Instruction()
{
    return sendSetFrame(
        INFO_WIFI_AP,
        wificodec::textFields({ui->lineEdit_WApName->text(), ui->lineEdit_WApPassword->text(),
                               wificodec::apAddressToSend(ui->lineEdit_WApIP->text())}));
}

int MainWindow::Set_Send_TCP_SERVICE_PORT_NUMBER_Instruction()
{
    const int port = ui->lineEdit_WApPort->text().toInt(nullptr, 10);
    return sendSetFrame(INFO_WIFI_TCP_PORT, frame::le16(uint16_t(port)));
}

int MainWindow::Set_Send_IP_MESSAGE_Instruction()
{
    wificodec::IpSettings ip;
    ip.mode = ui->comboBox_WifiSetIPMode->currentIndex();
    ip.ip = ui->lineEdit_WifiSetIP->text();
    ip.mask = ui->lineEdit_WifiSetSubnetMask->text();
    ip.gateway = ui->lineEdit_WifiSetGateway->text();
    ip.dns = ui->lineEdit_WifiSetDNS->text();
    return sendSetFrame(INFO_WIFI_IP, wificodec::ipFrameData(ip));
}

void MainWindow::on_pushButton_WifiSettingRead_clicked()
{
    controlAllWidgets(false);
    if (!requireOpenDevice()) {
        controlAllWidgets(true);
        return;
    }
    int ret;
    {
        NetworkBracket bracket;
        ret = Wifi_Init();
    }
    qDebug("wifi ret = %d", ret);
    controlAllWidgets(true);
    // Only a complete read gives the write something true to compare with.
    const bool complete = pagefields::reportRead(this, ret);
    if (complete)
        saveWifiSnapshot();
    ui->pushButton_WifiSettingSet->setEnabled(complete);
}

void MainWindow::on_pushButton_WifiSettingSet_clicked()
{
    if (!requireOpenDevice())
        return;

    const bool stationMode = ui->comboBox_WifiMode->currentIndex() == 0;
    const bool modeChanged = ui->comboBox_WifiMode->currentIndex() != savedWifiMode;
    const bool credentialsChanged = ui->lineEdit_WStaName->text() != savedStaName ||
                                    ui->lineEdit_WStaPassword->text() != savedStaPassword ||
                                    ui->lineEdit_WApName->text() != savedApName ||
                                    ui->lineEdit_WApPassword->text() != savedApPassword;
    const bool portChanged = ui->lineEdit_WApPort->text() != savedApPort;
    const bool ipChanged = ui->comboBox_WifiSetIPMode->currentIndex() != savedIpMode ||
                           ui->lineEdit_WifiSetSubnetMask->text() != savedSubnetMask ||
                           ui->lineEdit_WifiSetDNS->text() != savedDns ||
                           ui->lineEdit_WifiSetIP->text() != savedIp ||
                           ui->lineEdit_WifiSetGateway->text() != savedGateway;

    // Everything about to be sent is checked first: a refused field sends nothing, not
    // even the mode, so the printer never gets half of a change.
    using pagefields::fieldName;
    QList<fieldcheck::Field> fields;
    if (credentialsChanged && !stationMode)
        fields << fieldcheck::address(fieldName(ui->label_WApIP), ui->lineEdit_WApIP->text());
    if (portChanged)
        fields << fieldcheck::port(fieldName(ui->label_WApPort), ui->lineEdit_WApPort->text());
    if (ipChanged) {
        fields << fieldcheck::address(fieldName(ui->label_WifiSetIP),
                                      ui->lineEdit_WifiSetIP->text())
               << fieldcheck::address(fieldName(ui->label_WifiSetSubnetMask),
                                      ui->lineEdit_WifiSetSubnetMask->text())
               << fieldcheck::address(fieldName(ui->label_WifiSetGateway),
                                      ui->lineEdit_WifiSetGateway->text())
               << fieldcheck::address(fieldName(ui->label_WifiSetDNS),
                                      ui->lineEdit_WifiSetDNS->text());
    }
    if (credentialsChanged && !stationMode &&
        ui->lineEdit_WApPassword->text().size() < kMinApPasswordLength) {
        prompts::information(this, tr("设置工具"), tr("AP模式的wifi密码最少为8位"));
        return;
    }
    if (!pagefields::acceptAll(this, fields))
        return;

    // The pauses give the printer's WiFi module time to apply each group.
    int results[4] = {RESULT_OK, RESULT_OK, RESULT_OK, RESULT_OK};
    bool sent = false;
    NetworkBracket::connectSocket();

    if (modeChanged) {
        results[0] = Set_Send_WIFI_MODE_Instruction();
        QThread::msleep(kModePauseMs);
        sent = true;
    }

    if (credentialsChanged) {
        results[1] = stationMode ? Set_Send_CONNECT_AP_INFORMATION_Instruction()
                                 : Set_Send_AP_MODE_Instruction();
        QThread::msleep(kCredentialsPauseMs);
        sent = true;
    }

    if (portChanged) {
        results[2] = Set_Send_TCP_SERVICE_PORT_NUMBER_Instruction();
        QThread::msleep(kPortPauseMs);
        sent = true;
    }

    if (ipChanged) {
        results[3] = Set_Send_IP_MESSAGE_Instruction();
        sent = true;
    }

    QThread::msleep(kFinalPauseMs);
    NetworkBracket::disconnectSocket();

    for (int result : results) {
        if (result != RESULT_OK) {
            Ret_Handler(result);
            return;
        }
    }

    // The next connection goes to the printer's new address and port.
    const QString address =
        stationMode ? ui->lineEdit_WifiSetIP->text() : ui->lineEdit_WApIP->text();
    if (address != QLatin1String("...") && address != QLatin1String("0.0.0.0"))
        ui->lineEdit_ConnectAddr->setText(address);
    if (!ui->lineEdit_WApPort->text().isEmpty())
        ui->lineEdit_ConnectTCPPort->setText(ui->lineEdit_WApPort->text());
    prompts::information(this, tr("设置工具"), tr("处理成功，请重启打印机"));
    saveWifiSnapshot();
    // The printer restarts on its new settings: the current connection is dead.
    if (sent && ui->checkBox_WIFI->isChecked())
        on_pushButton_close_clicked(false);
}
