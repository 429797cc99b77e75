#include "gui/pages/wifipage.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "core/hostwifi/wificred.h"
#include "gui/pages/pagefields.h"
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
      m_binding(this, kPage)
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
    m_saved = m_binding.values();
    m_session.setWifiMode(ui->comboBox_WifiMode->currentIndex());
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
    m_host.setControlsEnabled(false);
    if (!m_host.requireOpenDevice()) {
        m_host.setControlsEnabled(true);
        return;
    }
    QJsonObject read;
    const settingsengine::ReadResult ret = settingsengine::read(m_session, kPage, &read);
    showRead(read);
    qDebug("wifi ret = %d", ret.reported);
    m_host.setControlsEnabled(true);
    // Only a complete read gives the write something true to compare with.
    const bool complete = pagefields::reportRead(m_host, ret);
    if (complete)
        takeSnapshot();
    ui->pushButton_WifiSettingSet->setEnabled(complete);
}

bool WifiPage::acceptFields(const QJsonObject &wanted, const QJsonObject &before)
{
    // Every setting of every frame about to go out, changed or not.
    QStringList keys;
    for (const settingtable::Frame *f :
         settingtable::framesToWrite(kPage, wanted, before, m_session.hasPrintMode())) {
        for (const settingtable::Row *row : settingtable::rowsOf(kPage, f->item))
            keys << QLatin1String(row->key);
    }
    if (keys.contains(QStringLiteral("apPassword")) &&
        ui->lineEdit_WApPassword->text().size() < kMinApPasswordLength) {
        prompts::information(m_host.dialogParent(), tr("设置工具"),
                             tr("AP模式的wifi密码最少为8位"));
        return false;
    }
    return m_binding.accept(m_host, wanted, keys, m_session.dotsPerMm());
}

void WifiPage::on_pushButton_WifiSettingSet_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const QJsonObject wanted = m_binding.values();
    QJsonObject before = known();
    // The access point address goes out with its frame, but a change of it alone does
    // not make the frame one to send.
    before.insert(QStringLiteral("apAddress"), wanted.value(QStringLiteral("apAddress")));
    // Everything about to be sent is checked first: a refused field sends nothing, not
    // even the mode, so the printer never gets half of a change.
    if (!acceptFields(wanted, before))
        return;

    QList<uint8_t> sent;
    const int ret = settingsengine::write(m_session, kPage, wanted, before, &sent);
    if (ret != RESULT_OK) {
        m_host.reportResult(ret);
        return;
    }
    // The next connection goes to the printer's new address and port.
    emit connectionTargetChanged(connectAddress(), servicePort(), QString());
    prompts::information(m_host.dialogParent(), tr("设置工具"), tr("处理成功，请重启打印机"));
    takeSnapshot();
    if (!sent.isEmpty())
        emit restartPending();
}
