#include "gui/shell/connectionpanel.h"

#include "gui/shell/diagnosticsactions.h"
#include "gui/fleet/fleetwindow.h"
#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "device/diagnostics/connectiondoctor.h"
#include "device/jobs/job.h"
#include "device/operations/printeroperations.h"
#include "device/link/discovery.h"
#include "device/link/printersession.h"
#include "ui_connectionpanel.h"

#include <QAbstractItemView>
#include <memory>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleOptionComboBox>

namespace {

// A device-list entry shortened to `room`: the maker's name gives way first, so that the
// model in brackets and the address in braces stay readable in the narrow panel.
QString shortEntry(const QString &entry, const QFontMetrics &fm, int room)
{
    if (fm.horizontalAdvance(entry) <= room)
        return entry;
    const int model = entry.indexOf(QLatin1String(" ["));
    const int address = entry.lastIndexOf(QLatin1String(" {"));
    if (model <= 0 || address <= model)
        return fm.elidedText(entry, Qt::ElideMiddle, room);
    const QString tail = entry.mid(model);
    const int left = room - fm.horizontalAdvance(tail);
    if (left >= fm.horizontalAdvance(QStringLiteral("W…")))
        return fm.elidedText(entry.left(model), Qt::ElideRight, left) + tail;
    // Without the maker: the model as far as it goes, the address whole.
    const QString where = entry.mid(address);
    const QString name = entry.mid(model + 1, address - model - 1);
    return fm.elidedText(name, Qt::ElideRight, room - fm.horizontalAdvance(where)) + where;
}

// Shortens the shown device-list entry; the entry's text itself is unchanged.
class MiddleElideComboStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (element != CE_ComboBoxLabel || !combo)
            return QProxyStyle::drawControl(element, option, painter, widget);
        QStyleOptionComboBox shortened(*combo);
        const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
        const int room =
            field.width() - (combo->currentIcon.isNull() ? 4 : combo->iconSize.width() + 8);
        shortened.currentText = shortEntry(combo->currentText, combo->fontMetrics, room);
        QProxyStyle::drawControl(element, &shortened, painter, widget);
    }
};

// The USB port number of an entry such as "Label [P1] {USB005}"; 0 when absent.
int usbPortOfEntry(const QString &text)
{
    const int i = text.indexOf(QLatin1String("{USB"), 0, Qt::CaseSensitive);
    const int j = i >= 0 ? text.indexOf(QLatin1Char('}'), i + 4) : -1;
    if (i < 0 || j <= i + 4)
        return 0;
    return text.mid(i + 4, j - i - 4).rightJustified(3, QLatin1Char('0')).toInt();
}

// The address between the braces of a network entry; empty when there is none.
QString addressOfEntry(const QString &text)
{
    static const QRegularExpression braces(QStringLiteral("\\{([^{}]+)\\}"));
    return braces.match(text).captured(1);
}

} // namespace

ConnectionPanel::ConnectionPanel(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::ConnectionPanel), m_session(session), m_host(host)
{
    ui->setupUi(this);
    // Connected by name, the close button would pass clicked()'s "false" as the
    // show-message flag; the button closes with the message.
    connect(ui->pushButton_close, &QAbstractButton::clicked, this, [this] { closePrinter(true); });

    // Room for a whole port number beside its label.
    for (QLineEdit *port : {ui->lineEdit_ConnectTCPPort, ui->lineEdit_ConnectUDPPort})
        port->setMinimumWidth(port->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                              port->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * 2 + 6);

    ui->label_42->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->label_42->setAlignment(Qt::AlignCenter);

    // The medium boxes behave as one choice: exactly one is ticked at any time.
    auto *media = new QButtonGroup(this);
    media->setExclusive(true);
    for (QCheckBox *box : {ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI, ui->checkBox_BLE,
                           ui->checkBox_Serialport})
        media->addButton(box);
    ui->checkBox_USB->setChecked(m_session.medium() == MEDIUM_USB);
    m_appliedMedium = m_session.medium() == MEDIUM_USB ? MEDIUM_USB * 2 : 0;
    for (QWidget *w : std::initializer_list<QWidget *>{ui->checkBox_USB, ui->checkBox_NET,
                                                       ui->checkBox_WIFI, ui->pushButton_open})
        w->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->checkBox_BLE, ui->checkBox_Serialport, ui->pushButton_close,
             ui->pushButton_StopList, ui->lineEdit_ConnectAddr, ui->lineEdit_ConnectTCPPort,
             ui->lineEdit_ConnectUDPPort, ui->groupBox_SerialParam})
        w->setEnabled(false);
    ui->progressBar_Scan->setValue(0);

    auto *elide = new MiddleElideComboStyle;
    elide->setParent(this);
    ui->comboBox_ScanResult->setStyle(elide);
    ui->comboBox_ScanResult->view()->setTextElideMode(Qt::ElideMiddle);
    connect(ui->comboBox_ScanResult, &QComboBox::currentTextChanged, ui->comboBox_ScanResult,
            &QWidget::setToolTip);

    ui->pushButton_open->installEventFilter(this);
    ui->pushButton_StopList->installEventFilter(this);
}

ConnectionPanel::~ConnectionPanel()
{
    delete ui;
}

bool ConnectionPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        emit stateChanged();
    return QWidget::eventFilter(watched, event);
}

bool ConnectionPanel::isOpen() const
{
    return !ui->pushButton_open->isEnabled();
}

bool ConnectionPanel::openButtonDisabled() const
{
    return ui->pushButton_open->testAttribute(Qt::WA_ForceDisabled);
}

bool ConnectionPanel::searchRunning() const
{
    return !ui->pushButton_StopList->testAttribute(Qt::WA_ForceDisabled);
}

QString ConnectionPanel::mediumText() const
{
    static const QRegularExpression mnemonicSuffix(QStringLiteral("\\s*\\(&.\\)"));
    QString medium;
    for (const QCheckBox *box : {ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI,
                                 ui->checkBox_BLE, ui->checkBox_Serialport})
        if (box->isChecked())
            medium = box->text().remove(mnemonicSuffix).remove(QLatin1Char('&'));
    return medium;
}

QString ConnectionPanel::currentEntry() const
{
    return ui->comboBox_ScanResult->currentText();
}

QString ConnectionPanel::tcpPortText() const
{
    return ui->lineEdit_ConnectTCPPort->text();
}

bool ConnectionPanel::wifiChosen() const
{
    return ui->checkBox_WIFI->isChecked();
}

bool ConnectionPanel::ethernetChosen() const
{
    return ui->checkBox_NET->isChecked();
}

void ConnectionPanel::setConnectAddress(const QString &address)
{
    ui->lineEdit_ConnectAddr->setText(address);
}

void ConnectionPanel::setTcpPort(const QString &port)
{
    ui->lineEdit_ConnectTCPPort->setText(port);
}

void ConnectionPanel::setUdpPort(const QString &port)
{
    ui->lineEdit_ConnectUDPPort->setText(port);
}

void ConnectionPanel::applyMediumSelection(int medium)
{
    const bool network = medium == MEDIUM_NETWORK;
    const bool wifi = network && ui->checkBox_WIFI->isChecked();
    // A click on the box that is already ticked changes nothing: the list stays.
    const int applied = medium * 2 + (wifi ? 1 : 0);
    if (applied == m_appliedMedium && m_session.medium() == medium)
        return;
    m_appliedMedium = applied;
    m_session.setMedium(medium);
    ui->lineEdit_ConnectAddr->setEnabled(wifi);
    ui->lineEdit_ConnectTCPPort->setEnabled(network);
    ui->lineEdit_ConnectUDPPort->setEnabled(network);
    ui->groupBox_SerialParam->setEnabled(medium == MEDIUM_SERIAL);

    if (network && m_hints) {
        const NetworkHints hints = m_hints(wifi);
        if (!hints.address.isEmpty())
            ui->lineEdit_ConnectAddr->setText(hints.address);
        if (!hints.tcpPort.isEmpty())
            ui->lineEdit_ConnectTCPPort->setText(hints.tcpPort);
        if (!hints.udpPort.isEmpty())
            ui->lineEdit_ConnectUDPPort->setText(hints.udpPort);
    }
    ui->progressBar_Scan->setValue(0);
    ui->comboBox_ScanResult->clear();
}

void ConnectionPanel::on_checkBox_USB_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_USB);
}

void ConnectionPanel::on_checkBox_NET_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_NETWORK);
}

void ConnectionPanel::chooseWirelessNetwork()
{
    ui->checkBox_WIFI->setChecked(true);
    on_checkBox_WIFI_clicked(true);
}

void ConnectionPanel::on_checkBox_WIFI_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_NETWORK);
}

void ConnectionPanel::on_checkBox_BLE_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_BLUETOOTH);
}

void ConnectionPanel::on_checkBox_Serialport_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_SERIAL);
}

void ConnectionPanel::on_pushButton_getList_clicked()
{
    ui->progressBar_Scan->setValue(0);
    ui->pushButton_getList->setEnabled(false);
    ui->comboBox_ScanResult->setEnabled(false);
    ui->pushButton_StopList->setEnabled(true);
    ui->comboBox_ScanResult->clear();

    // What to search is read here; the search waits for answers on the printer's worker
    // and the entries come to the list as they are found.
    const int medium = m_session.medium();
    const bool wifi = ui->checkBox_WIFI->isChecked();
    const QString host = ui->lineEdit_ConnectAddr->text();
    const quint16 tcpPort = ui->lineEdit_ConnectTCPPort->text().toUShort();
    const quint16 udpPort = ui->lineEdit_ConnectUDPPort->text().toUShort();
    auto result = std::make_shared<int>(-1);
    m_search = m_host.startJob(
        tr("搜索打印机"), [this, medium, wifi, host, tcpPort, udpPort, result](jobs::Context &context) {
            PrinterDiscovery discovery;
            discovery.setStopCheck([&context] { return context.cancelled(); });
            connect(&discovery, &PrinterDiscovery::entryFound, this,
                    [this](const QString &entry) { ui->comboBox_ScanResult->addItem(entry); });
            if (medium == MEDIUM_NETWORK && wifi)
                *result = discovery.probe(host, tcpPort);
            else if (medium == MEDIUM_NETWORK)
                *result = discovery.searchNetwork(udpPort);
            else if (medium == MEDIUM_USB)
                *result = discovery.listUsb();
            return ops::Outcome();
        });
    connect(m_search, &jobs::Job::finished, this, [this, result] {
        m_search = nullptr;
        ui->progressBar_Scan->setValue(100);
        ui->comboBox_ScanResult->setEnabled(true);
        ui->pushButton_getList->setEnabled(true);
        ui->pushButton_StopList->setEnabled(false);
        if (*result == 0)
            prompts::information(m_host.dialogParent(), tr("设置工具"), tr("请确保通讯设备已开启"));
    });
}

void ConnectionPanel::on_pushButton_StopList_clicked()
{
    if (m_search)
        m_search->cancel();
    ui->pushButton_getList->setEnabled(true);
    ui->comboBox_ScanResult->setEnabled(true);
    ui->pushButton_StopList->setEnabled(false);
}

void ConnectionPanel::on_pushButton_Doctor_clicked()
{
    // The typed address is checked when the network medium is chosen.
    doctor::NetTarget target;
    if (m_session.medium() == MEDIUM_NETWORK) {
        target.host =
            ui->lineEdit_ConnectAddr->isEnabled() ? ui->lineEdit_ConnectAddr->text() : QString();
        target.tcpPort = quint16(ui->lineEdit_ConnectTCPPort->text().toUInt());
        // The wireless medium finds its printer by address: no search port is used.
        target.udpPort = ui->checkBox_WIFI->isChecked()
                             ? 0
                             : quint16(ui->lineEdit_ConnectUDPPort->text().toUInt());
    }
    DiagnosticsActions(m_session, m_host).runDoctor(target);
}

void ConnectionPanel::on_pushButton_ExportReport_clicked()
{
    QStringList listed;
    for (int i = 0; i < ui->comboBox_ScanResult->count(); ++i)
        listed << ui->comboBox_ScanResult->itemText(i);
    DiagnosticsActions(m_session, m_host).exportReport(listed, m_debugLog);
}

void ConnectionPanel::on_pushButton_Fleet_clicked()
{
    if (!m_fleet) {
        m_fleet = new FleetWindow(nullptr, window());
        m_fleet->setAttribute(Qt::WA_DeleteOnClose);
        // The printer open here is talked to by this window only.
        m_fleet->setOpenPrinter([this] { return isOpen() ? m_openedKey : QString(); });
    }
    m_fleet->show();
    m_fleet->raise();
    m_fleet->activateWindow();
}

void ConnectionPanel::on_pushButton_open_clicked()
{
    if (ui->comboBox_ScanResult->count() == 0 || ui->comboBox_ScanResult->currentIndex() < 0) {
        prompts::information(m_host.dialogParent(), tr("设置工具"),
                             tr("请先选中打印列表中的打印机"));
        return;
    }
    const QString text = ui->comboBox_ScanResult->currentText();
    PrinterAddress address;
    address.usb = m_session.medium() == MEDIUM_USB;
    address.host = addressOfEntry(text);
    address.port = ui->lineEdit_ConnectTCPPort->text().toUShort();
    address.usbPort = usbPortOfEntry(text);
    // Only the media this window can open; a USB entry without a port is none.
    if (m_session.medium() != MEDIUM_NETWORK && !(address.usb && address.usbPort > 0)) {
        prompts::critical(m_host.dialogParent(), tr("错误"), tr("连接超时，请重试！"));
        return;
    }
    emit blockWindow(true);
    jobs::Job *job = m_host.startJob(tr("打开打印机"), [address](jobs::Context &context) {
        return ops::open(context.session(), address);
    });
    connect(job, &jobs::Job::finished, this, [this, address, text](const ops::Outcome &opened) {
        emit blockWindow(false);
        if (opened.code == ops::Code::Interrupted) {
            m_host.showLastResult(opened.sentence);
            return;
        }
        if (!opened.ok()) {
            prompts::critical(m_host.dialogParent(), tr("错误"), tr("连接超时，请重试！"));
            return;
        }
        prompts::information(m_host.dialogParent(), tr("设置工具"), tr("连接成功！"));
        m_openedKey = address.key();
        m_session.adoptModel(text);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_BLE,
                 ui->checkBox_WIFI, ui->checkBox_Serialport, ui->comboBox_ScanResult,
                 ui->pushButton_open})
            w->setEnabled(false);
        ui->pushButton_close->setEnabled(true);
        emit printerOpened();
    });
}

void ConnectionPanel::closePrinter(bool showMessage)
{
    emit blockWindow(true);
    jobs::Job *job = m_host.startJob(tr("关闭打印机"), [](jobs::Context &context) {
        return ops::close(context.session());
    });
    connect(job, &jobs::Job::finished, this, [this, showMessage] {
        emit blockWindow(false);
        showClosed();
        emit printerClosed();
        if (showMessage)
            prompts::information(m_host.dialogParent(), tr("设置工具"), tr("关闭成功！"));
    });
}

void ConnectionPanel::showClosed()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI,
             ui->comboBox_ScanResult, ui->pushButton_open})
        w->setEnabled(true);
    ui->pushButton_close->setEnabled(false);
}

void ConnectionPanel::setCloseEnabled(bool on)
{
    ui->pushButton_close->setEnabled(on);
}

void ConnectionPanel::followPrinterHeld(bool held)
{
    if (held) {
        m_enabledBeforeHeld.clear();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 ui->groupBox_ConnectMode, ui->pushButton_getList, ui->pushButton_open,
                 ui->pushButton_close, ui->pushButton_Doctor, ui->pushButton_ExportReport}) {
            m_enabledBeforeHeld.append({w, !w->testAttribute(Qt::WA_ForceDisabled)});
            w->setEnabled(false);
        }
        return;
    }
    for (const auto &saved : qAsConst(m_enabledBeforeHeld)) {
        if (saved.first)
            saved.first->setEnabled(saved.second);
    }
    m_enabledBeforeHeld.clear();
}
