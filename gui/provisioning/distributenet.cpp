#include "gui/provisioning/distributenet.h"

#include "gui/widgets/accelerators.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/prompts.h"
#include "ui_distributenet.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>

namespace {
// The SSID of a list row; the display text may carry the connected suffix.
constexpr int kSsidRole = Qt::UserRole;
const QColor kConnectedBackground(255, 234, 5);
} // namespace

DistributeNet::DistributeNet(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::DistributeNet), m_scan(new WifiScan(this))
{
    ui->setupUi(this);
    connect(m_scan, &WifiScan::finished, this, &DistributeNet::handleScanFinished);
    setWindowTitle(tr("WIFI配网"));
    ui->linePassword->setEchoMode(QLineEdit::Password);
    ui->linePassword->setPlaceholderText(tr("请输入WiFi密码"));
    ui->lineSsidManual->setEnabled(false);
    ui->labelManualSsid->setEnabled(false);
    // A password belongs to a network: it is typed once one is chosen.
    connect(ui->lineSsidManual, &QLineEdit::textChanged, this, &DistributeNet::followSsid);
    followSsid();
    ui->labelPrinter->hide();
    // The scheme's note colours, readable in light and dark schemes alike (a fixed brown
    // was not on a dark window).
    ui->labelListEmpty->setAutoFillBackground(true);
    ui->labelListEmpty->setBackgroundRole(QPalette::ToolTipBase);
    ui->labelListEmpty->setForegroundRole(QPalette::ToolTipText);
    ui->labelListEmpty->setMargin(4);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    keyboard::nameUnlabelled(this);
    accelerators::giveFixedCaptionsKeys(this);
    // As a dialog does: Esc closes.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void DistributeNet::setPrinterName(const QString &name)
{
    ui->labelPrinter->setText(tr("打印机：%1").arg(name));
    ui->labelPrinter->setVisible(!name.isEmpty());
}

void DistributeNet::followSsid()
{
    const bool chosen = !ui->lineSsidManual->text().trimmed().isEmpty();
    ui->linePassword->setEnabled(chosen);
    ui->labelPassword->setEnabled(chosen);
    ui->checkShowPassword->setEnabled(chosen);
}

DistributeNet::~DistributeNet()
{
    stopScan();
    delete ui;
}

void DistributeNet::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(50, this, &DistributeNet::refreshWifiList);
}

void DistributeNet::closeEvent(QCloseEvent *event)
{
    stopScan();
    emit closed();
    event->accept();
}

void DistributeNet::stopScan()
{
    m_scan->cancel();
}

void DistributeNet::refreshWifiList()
{
    ui->btnRefresh->setEnabled(false);
    ui->btnRefresh->setText(tr("扫描中..."));
    ui->listWifi->clear();
    ui->labelListEmpty->hide();
    ui->linePassword->clear();
    m_scan->start(wifiScanCommands());
}

void DistributeNet::enableRefreshButton()
{
    // In manual mode the list and its button stay disabled until the mode ends.
    ui->btnRefresh->setEnabled(!manualMode);
    ui->btnRefresh->setText(tr("刷新列表"));
}

void DistributeNet::handleScanFinished(const QList<WifiInfo> &found)
{
    const QList<WifiInfo> wifis = mergeWifiList(found);

    ui->listWifi->clear();
    for (const WifiInfo &info : wifis) {
        auto *item = new QListWidgetItem(info.ssid);
        item->setData(kSsidRole, info.ssid);
        if (info.isCurrent) {
            item->setBackground(QBrush(kConnectedBackground));
            item->setText(info.ssid + QStringLiteral("   ") + tr("(当前连接)"));
        }
        ui->listWifi->addItem(item);
    }
    if (ui->listWifi->count() > 0) {
        ui->listWifi->setCurrentRow(0);
        // A name typed in manual mode while the scan ran is the user's choice; keep it.
        if (!manualMode)
            ui->lineSsidManual->setText(ui->listWifi->item(0)->data(kSsidRole).toString());
    }
    if (wifis.isEmpty()) {
        // Say why the list is empty; the name can always be typed by hand.
        const QString scanner = wifiScanCommands().listProgram;
        ui->labelListEmpty->setText(
            QStandardPaths::findExecutable(scanner).isEmpty()
                ? tr("找不到WiFi扫描程序“%1”：请勾选“选择手动输入”，手动输入WiFi名称。")
                      .arg(scanner)
                : tr("没有找到WiFi网络：请勾选“选择手动输入”，手动输入WiFi名称，或稍后刷新列表。"));
    }
    ui->labelListEmpty->setVisible(wifis.isEmpty());
    enableRefreshButton();
}

void DistributeNet::on_btnRefresh_clicked()
{
    ui->lineSsidManual->clear();
    refreshWifiList();
}

void DistributeNet::on_listWifi_itemClicked(QListWidgetItem *item)
{
    if (!item || manualMode)
        return;
    ui->lineSsidManual->setText(item->data(kSsidRole).toString());
    ui->linePassword->clear();
}

void DistributeNet::on_checkManualMode_toggled(bool on)
{
    manualMode = on;
    if (on) {
        ui->listWifi->setEnabled(false);
        ui->btnRefresh->setEnabled(false);
        ui->lineSsidManual->clear();
        ui->lineSsidManual->setEnabled(true);
        ui->labelManualSsid->setEnabled(true);
        ui->lineSsidManual->setFocus();
    } else {
        ui->listWifi->setEnabled(true);
        // A scan still running gives the button back when it ends.
        ui->btnRefresh->setEnabled(!m_scan->running());
        ui->lineSsidManual->setEnabled(false);
        ui->labelManualSsid->setEnabled(false);
        QListWidgetItem *current = ui->listWifi->currentItem();
        if (current)
            ui->lineSsidManual->setText(current->data(kSsidRole).toString());
        else
            ui->lineSsidManual->clear();
    }
    ui->linePassword->clear();
}

void DistributeNet::on_lineSsidManual_textChanged(const QString &)
{
    if (manualMode)
        ui->linePassword->clear();
}

void DistributeNet::on_checkShowPassword_toggled(bool on)
{
    ui->linePassword->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
}

void DistributeNet::on_btnSetNet_clicked()
{
    // Sent exactly as given: names and WPA passphrases may begin or end with spaces.
    // A name of nothing but spaces is taken for no name.
    const QString ssid = ui->lineSsidManual->text();
    const QString password = ui->linePassword->text();
    if (ssid.trimmed().isEmpty()) {
        if (manualMode) {
            prompts::warning(this, tr("WIFI配网"), tr("请输入WiFi名称"));
            ui->lineSsidManual->setFocus();
        } else if (ui->listWifi->count() == 0) {
            prompts::warning(this, tr("WIFI配网"), tr("请刷新列表，或选择手动输入WiFi名称"));
        } else {
            prompts::warning(this, tr("WIFI配网"), tr("请选择一个WiFi"));
        }
        return;
    }
    WifiCred cred;
    cred.valid = true;
    cred.ssid = ssid;
    cred.password = password;
    emit wifiCredReady(cred);
}
