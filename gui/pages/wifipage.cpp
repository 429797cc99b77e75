#include "gui/pages/wifipage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "core/hostwifi/wificred.h"
#include "device/settings/settingsengine.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"
#include "ui_wifipage.h"

#include <QDebug>

namespace {

constexpr int kMinApPasswordLength = 8;
constexpr int kStationMode = 0; // the mode list's entries: station, access point
const QString kPage = QStringLiteral("wifi");

} // namespace

WifiPage::WifiPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), m_session(session), m_host(host), ui(new Ui::WifiPage),
      m_binding(this, kPage, session, host)
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
    ui->comboBox_WifiMode->setCurrentIndex(kStationMode);
    ui->lineEdit_WStaName->setText(cred.ssid);
    ui->lineEdit_WStaPassword->setText(cred.password);
    if (!taken)
        return;
    m_session.setWifiMode(kStationMode);
    m_saved.insert(QStringLiteral("stationName"), ui->lineEdit_WStaName->text());
    m_saved.insert(QStringLiteral("stationPassword"), ui->lineEdit_WStaPassword->text());
}

QString WifiPage::connectAddress() const
{
    QString address = ui->comboBox_WifiMode->currentIndex() != kStationMode
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

void WifiPage::showRead(QJsonObject read)
{
    // The mode read shows its own credentials; the other mode's boxes are emptied.
    const bool station = read.contains(QLatin1String("stationName"));
    const bool accessPoint = read.contains(QLatin1String("apName"));
    for (QLineEdit *edit : {ui->lineEdit_WApName, ui->lineEdit_WApPassword, ui->lineEdit_WApIP}) {
        if (station)
            edit->clear();
    }
    for (QLineEdit *edit : {ui->lineEdit_WStaName, ui->lineEdit_WStaPassword}) {
        if (accessPoint)
            edit->clear();
    }
    // Under DHCP the printer's DNS answer is not shown; the box keeps its text.
    if (read.contains(QLatin1String("dhcp"))) {
        const bool dhcp = read.value(QLatin1String("dhcp")).toBool();
        ui->lineEdit_WifiSetDNS->setEnabled(!dhcp);
        if (dhcp)
            read.remove(QStringLiteral("dns"));
    }
    m_binding.show(read);
}

void WifiPage::takeSnapshot()
{
    takeSnapshot(m_binding.values(), ui->comboBox_WifiMode->currentIndex());
}

void WifiPage::takeSnapshot(const QJsonObject &values, int mode)
{
    m_saved = values;
    m_session.setWifiMode(mode);
}

QJsonObject WifiPage::known() const
{
    QJsonObject k = m_saved;
    k.remove(QStringLiteral("mode"));
    if (m_session.wifiMode() >= 0)
        k.insert(QStringLiteral("mode"),
                 settingtable::listValue(*settingtable::find(kPage, QStringLiteral("mode")),
                                         m_session.wifiMode() + 1));
    return k;
}

void WifiPage::on_pushButton_WifiSettingRead_clicked()
{
    PageBinding::Read read;
    read.show = [this](const QJsonObject &values, const settingsengine::ReadResult &ret) {
        showRead(values);
        qDebug("wifi ret = %d", ret.reported);
    };
    // Only a complete read gives the write something true to compare with.
    read.completed = [this] {
        takeSnapshot();
        return true;
    };
    m_binding.read(ui->pushButton_WifiSettingSet, read);
}

bool WifiPage::acceptApPassword(const QStringList &keys)
{
    if (keys.contains(QStringLiteral("apPassword")) &&
        ui->lineEdit_WApPassword->text().size() < kMinApPasswordLength) {
        prompts::information(m_host.dialogParent(), tr("设置工具"),
                             tr("AP模式的wifi密码最少为8位"));
        return false;
    }
    return true;
}

void WifiPage::on_pushButton_WifiSettingSet_clicked()
{
    PageBinding::Write write;
    write.known = [this](const QJsonObject &wanted) {
        QJsonObject before = known();
        // The access point address goes out with its frame, but a change of it alone
        // does not make the frame one to send.
        before.insert(QStringLiteral("apAddress"), wanted.value(QStringLiteral("apAddress")));
        return before;
    };
    write.check = [this](const QStringList &keys) { return acceptApPassword(keys); };
    // What was sent, as the boxes showed it when the write began: they may be edited
    // while it runs.
    const QString address = connectAddress();
    const QString port = servicePort();
    const QJsonObject values = m_binding.values();
    const int mode = ui->comboBox_WifiMode->currentIndex();
    write.succeeded = [this, address, port, values, mode](const QList<uint8_t> &sent) {
        // The next connection goes to the printer's new address and port.
        emit connectionTargetChanged(address, port, QString());
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
        takeSnapshot(values, mode);
        if (!sent.isEmpty())
            emit restartPending();
    };
    // The restart box stands for the result.
    write.reportSuccess = false;
    m_binding.write(write);
}
