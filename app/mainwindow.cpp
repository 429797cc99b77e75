#include "app/mainwindow.h"

#include "app/globals.h"
#include "app/prompts.h"
#include "app/resultmessage.h"
#include "app/startup.h"
#include "console/consolepage.h"
#include "download/downloadpanel.h"
#include "download/filestream.h"
#include "protocol/exchange.h"
#include "protocol/printersession.h"
#include "provisioning/wifiprovisioning.h"
#include "settings/labelsizestore.h"
#include "transport/nettransport.h"
#include "transport/usbtransport.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QMessageBox>
#include <QAbstractItemView>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <libusb.h>
#include <openssl/crypto.h>

namespace {
// Beside the label-size keys of the same store.
const char kGeometryKey[] = "MainWindow/geometry";

// Shortens a device-list entry in its middle, so that the address at its end stays
// readable in the narrow connection panel; the entry's text itself is unchanged.
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
        shortened.currentText =
            combo->fontMetrics.elidedText(combo->currentText, Qt::ElideMiddle, room);
        QProxyStyle::drawControl(element, &shortened, painter, widget);
    }
};
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    m_messageBox = new QMessageBox();
    initTranslationResources(); // also the icons the form refers to
    ui = new Ui::MainWindow;
    ui->setupUi(this);
    // Connected by name, the close button would pass clicked()'s "false" as the
    // show-message flag; the button closes with the message.
    disconnect(ui->pushButton_close, &QAbstractButton::clicked, this, nullptr);
    connect(ui->pushButton_close, &QAbstractButton::clicked, this,
            [this] { on_pushButton_close_clicked(true); });

    m_messageTimer = new QTimer(this);
    connect(m_messageTimer, &QTimer::timeout, this, &MainWindow::CloseMessage);

    ui->label_42->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->label_42->setAlignment(Qt::AlignCenter);

    qRegisterMetaType<QByteArray>("QByteArray");
    m_session = new PrinterSession(this);
    connect(m_session, &PrinterSession::heldChanged, this, &MainWindow::followPrinterHeld);
    setUpFilePages();

    connect(ui->tabWidget_2, &QTabWidget::currentChanged, this, [this] { deleteTipLabel(); });

    restoreLabelSize();
    connectFieldFixUps();
    setInitialWidgetStates();
    setUpStatusBar();

    auto *elide = new MiddleElideComboStyle;
    elide->setParent(this);
    ui->comboBox_ScanResult->setStyle(elide);
    ui->comboBox_ScanResult->view()->setTextElideMode(Qt::ElideMiddle);
    connect(ui->comboBox_ScanResult, &QComboBox::currentTextChanged, ui->comboBox_ScanResult,
            &QWidget::setToolTip);

    const QByteArray geometry = QSettings(QStringLiteral("Company"), QStringLiteral("App"))
                                    .value(kGeometryKey)
                                    .toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        // First start: the form's size, but never larger than the screen.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            resize(size().boundedTo(screen->availableSize()));
    }
}

MainWindow::~MainWindow()
{
    // A running stream stops between two pieces, before the session it writes to goes.
    delete m_provisioning;
    delete m_fileStream;
    m_fileStream = nullptr;
    // The window owns the transports; earlier ones may still wait for deletion.
    delete contrlNet;
    contrlNet = nullptr;
    delete contrlUsb;
    contrlUsb = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete tipLabel;
    delete ui;
    delete m_messageBox;
}

void MainWindow::restoreLabelSize()
{
    const QSignalBlocker blockWidth(ui->lineEdit);
    const QSignalBlocker blockHeight(ui->lineEdit_2);
    ui->lineEdit->setText(QString::number(labelsize::storedWidth(), 'f', 1));
    ui->lineEdit_2->setText(QString::number(labelsize::storedHeight(), 'f', 1));
}

void MainWindow::connectFieldFixUps()
{
    connect(ui->lineEdit, &QLineEdit::editingFinished, this, [this] {
        fixLineEditWithTip(ui->lineEdit, tr("宽度范围20-108mm，请重新输入"), 20.0, 108.0);
    });
    connect(ui->lineEdit_2, &QLineEdit::editingFinished, this, [this] {
        fixLineEditWithTip(ui->lineEdit_2, tr("高度范围10-1778mm，请重新输入"), 10.0, 1778.0);
    });
    QLineEdit *const integerFields[] = {
        ui->lineEdit_LabelGap,       ui->lineEdit_BlackLabelGap, ui->lineEdit_VerticalShift,
        ui->lineEdit_PrintShift,     ui->lineEdit_DistanceO2PH,  ui->lineEdit_DistanceS2PH,
        ui->lineEdit_DistanceB2PH,   ui->lineEdit_DistancePH2T,  ui->lineEdit_NetportTCPPort,
        ui->lineEdit_NetportUDPPort, ui->lineEdit_PaperTime,
    };
    for (QLineEdit *edit : integerFields)
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { fixIntLineEdit(edit); });
}

void MainWindow::setInitialWidgetStates()
{
    // The medium boxes behave as one choice: exactly one is ticked at any time.
    auto *media = new QButtonGroup(this);
    media->setExclusive(true);
    for (QCheckBox *box : {ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI, ui->checkBox_BLE,
                           ui->checkBox_Serialport})
        media->addButton(box);
    ui->checkBox_USB->setChecked(ret_mode == MEDIUM_USB);
    m_appliedMedium = ret_mode == MEDIUM_USB ? MEDIUM_USB * 2 : 0;

    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI, ui->pushButton_open,
             ui->textBrowser_Ver, ui->textBrowser_DPI,
             ui->textBrowser_MaxPaperWidth, ui->textBrowser_Model})
        w->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->checkBox_BLE, ui->checkBox_Serialport, ui->pushButton_close,
             ui->pushButton_PrintSettingSet, ui->pushButton_DistanceSettingSet,
             ui->pushButton_WifiSettingSet, ui->pushButton_BleSettingSet,
             ui->pushButton_NetportSettingSet, ui->pushButton_ComSettingSet,
             ui->pushButton_StripperSettingSet, ui->lineEdit_ComDeviceInfo,
             ui->lineEdit_ComSN, ui->lineEdit_SppMAC, ui->lineEdit_WApMAC, ui->pushButton_StopList})
        w->setEnabled(false);
    ui->tabWidget_2->setCurrentIndex(0);
    ui->toolBox_PrinterSetting->setCurrentIndex(0);
    ui->progressBar_Scan->setValue(0);

    // The connection fields follow the initial USB medium.
    ui->lineEdit_ConnectAddr->setEnabled(false);
    ui->lineEdit_ConnectTCPPort->setEnabled(false);
    ui->lineEdit_ConnectUDPPort->setEnabled(false);
    ui->groupBox_SerialParam->setEnabled(false);
}

void MainWindow::applyMediumSelection(int mode)
{
    const bool network = mode == MEDIUM_NETWORK;
    const bool wifi = network && ui->checkBox_WIFI->isChecked();
    // A click on the box that is already ticked changes nothing: the list stays.
    const int applied = mode * 2 + (wifi ? 1 : 0);
    if (applied == m_appliedMedium && ret_mode == mode)
        return;
    m_appliedMedium = applied;
    ret_mode = mode;
    ui->lineEdit_ConnectAddr->setEnabled(wifi);
    ui->lineEdit_ConnectTCPPort->setEnabled(network);
    ui->lineEdit_ConnectUDPPort->setEnabled(network);
    ui->groupBox_SerialParam->setEnabled(mode == MEDIUM_SERIAL);

    if (network && !wifi) {
        if (!ui->lineEdit_NetportTCPPort->text().isEmpty())
            ui->lineEdit_ConnectTCPPort->setText(ui->lineEdit_NetportTCPPort->text());
        if (!ui->lineEdit_NetportUDPPort->text().isEmpty())
            ui->lineEdit_ConnectUDPPort->setText(ui->lineEdit_NetportUDPPort->text());
    }
    if (wifi) {
        const QString address = ui->comboBox_WifiMode->currentIndex() == 1
                                    ? ui->lineEdit_WApIP->text()
                                    : ui->lineEdit_WifiSetIP->text();
        if (address != QLatin1String("...") && address != QLatin1String("0.0.0.0"))
            ui->lineEdit_ConnectAddr->setText(address);
        if (!ui->lineEdit_WApPort->text().isEmpty())
            ui->lineEdit_ConnectTCPPort->setText(ui->lineEdit_WApPort->text());
    }
    ui->progressBar_Scan->setValue(0);
    ui->comboBox_ScanResult->clear();
}

void MainWindow::on_checkBox_USB_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_USB);
}

void MainWindow::on_checkBox_NET_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_NETWORK);
}

void MainWindow::on_checkBox_WIFI_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_NETWORK);
}

void MainWindow::on_checkBox_BLE_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_BLUETOOTH);
}

void MainWindow::on_checkBox_Serialport_clicked(bool checked)
{
    if (checked)
        applyMediumSelection(MEDIUM_SERIAL);
}

void MainWindow::controlAllWidgets(bool on)
{
    qDebug() << "-------------cmd:" << (on ? "true" : "false");
    // Only a handler refused while the printer is in use gets here then; it must not
    // give back what the running exchange or file stream has taken.
    if (m_session->busy())
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_close, ui->tabWidget_2, ui->pushButton_getPrinterInfo,
             findChild<QWidget *>(QStringLiteral("pushButton_Send")),
             findChild<QWidget *>(QStringLiteral("pushButton_SendFile"))})
        w->setEnabled(on);
}

int MainWindow::Ret_Handler(int code)
{
    const QString text = resultMessage(code);
    if (text.isEmpty())
        return 0;
    showLastResult(text);
    prompts::information(this, tr("设置工具"), text);
    return code == RESULT_OK ? 0 : 1;
}

void MainWindow::CloseMessage()
{
    qDebug() << "timeout close message";
    m_messageBox->hide();
    m_messageTimer->stop();
}

bool MainWindow::isDeviceOpen() const
{
    return !ui->pushButton_open->isEnabled();
}

bool MainWindow::printerInUse() const
{
    if (!m_session->busy())
        return false;
    qDebug() << "Printer in use: operation refused";
    return true;
}

bool MainWindow::requireOpenDevice()
{
    if (printerInUse())
        return false;
    if (isDeviceOpen())
        return true;
    prompts::information(this, tr("设置工具"), tr("请先打开设备"));
    return false;
}

void MainWindow::deleteTipLabel()
{
    if (tipLabel) {
        tipLabel->deleteLater();
        tipLabel = nullptr;
    }
}

void MainWindow::followPrinterHeld(bool held)
{
    if (held) {
        m_focusBeforeHeld = QApplication::focusWidget();
        m_enabledBeforeHeld.clear();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 ui->tabWidget_2, ui->groupBox_ConnectMode, ui->pushButton_getList,
                 ui->pushButton_open, ui->pushButton_close}) {
            m_enabledBeforeHeld.append({w, !w->testAttribute(Qt::WA_ForceDisabled)});
            w->setEnabled(false);
        }
    } else {
        for (const auto &saved : qAsConst(m_enabledBeforeHeld)) {
            if (saved.first)
                saved.first->setEnabled(saved.second);
        }
        m_enabledBeforeHeld.clear();
        if (m_focusBeforeHeld && m_focusBeforeHeld->isEnabled())
            m_focusBeforeHeld->setFocus(Qt::OtherFocusReason);
        m_focusBeforeHeld = nullptr;
    }
}

// --- Download, debug console and WiFi provisioning ---
void MainWindow::setUpFilePages()
{
    m_fileStream = new FileStream(*m_session, this);
    m_downloadPanel = new DownloadPanel(*m_session, *this, *m_fileStream, ui->tab_Update);
    m_consolePage = new ConsolePage(*m_session, *this, *m_fileStream, ui->tab_Update);
    ui->verticalLayout_Update->addWidget(m_downloadPanel, 0);
    ui->verticalLayout_Update->addWidget(m_consolePage, 1);
    connect(m_downloadPanel, &DownloadPanel::fileLogged, m_consolePage,
            [this](const QString &text) { m_consolePage->appendLine(QString(), text); });
    connect(m_fileStream, &FileStream::started, this, [this] { followFileStream(true); });
    connect(m_fileStream, &FileStream::ended, this, [this] { followFileStream(false); });

    m_provisioning = new WifiProvisioning(*m_session, *this, this);
    if (auto *button = findChild<QAbstractButton *>(QStringLiteral("pushButton_NetSetup")))
        connect(button, &QAbstractButton::clicked, m_provisioning, &WifiProvisioning::open);
    // The WiFi page shows, and later compares against, what the printer now has.
    connect(m_provisioning, &WifiProvisioning::credentialsSent, this, [this](const WifiCred &cred) {
        ui->comboBox_WifiMode->setCurrentIndex(0);
        ui->lineEdit_WStaName->setText(cred.ssid);
        ui->lineEdit_WStaPassword->setText(cred.password);
        savedWifiMode = 0;
        savedStaName = cred.ssid;
        savedStaPassword = cred.password;
    });
}

void MainWindow::followFileStream(bool running)
{
    ui->pushButton_getPrinterInfo->setEnabled(!running);
    // Changing a tab's state while it is the current one would switch to another. Tabs
    // off for the model before the stream stay off after it.
    const int current = ui->tabWidget_2->currentIndex();
    const bool consoleTabToo = m_fileStream->kind() == FileStream::Kind::ConsoleFile;
    for (int tab = 0; tab < 3; ++tab) {
        if (running) {
            m_tabEnabledBeforeStream[tab] = ui->tabWidget_2->isTabEnabled(tab);
            if (tab < 2 || consoleTabToo)
                ui->tabWidget_2->setTabEnabled(tab, false);
        } else {
            ui->tabWidget_2->setTabEnabled(tab, m_tabEnabledBeforeStream[tab]);
        }
    }
    ui->tabWidget_2->setCurrentIndex(current);
}

void MainWindow::setUpStatusBar()
{
    m_connectionLabel = new QLabel(this);
    m_connectionLabel->setObjectName(QStringLiteral("label_StatusConnection"));
    m_resultLabel = new QLabel(this);
    m_resultLabel->setObjectName(QStringLiteral("label_StatusResult"));
    m_resultLabel->setStyleSheet(
        QStringLiteral("QLabel { padding-left: 8px; border-left: 1px solid palette(mid); }"));
    auto *about = new QToolButton(this);
    about->setObjectName(QStringLiteral("toolButton_About"));
    about->setText(tr("关于"));
    about->setIcon(windowIcon());
    about->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    about->setAutoRaise(true);
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QToolButton::clicked, this, [this] { showAbout(); });
    // Long texts must not widen the window; the full text is in the tool tip.
    for (QLabel *label : {m_connectionLabel, m_resultLabel}) {
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setMinimumWidth(80);
    }
    statusBar()->addWidget(m_connectionLabel, 3);
    statusBar()->addWidget(m_resultLabel, 2);
    statusBar()->addPermanentWidget(about);
    updateConnectionState();

    // The open button is disabled exactly while a printer is open; the stop button is
    // enabled while a search runs; the central widget and the tabs are disabled while
    // an exchange blocks the window. Watching them covers every page and medium.
    for (QWidget *w : std::initializer_list<QWidget *>{ui->pushButton_open, ui->pushButton_StopList,
                                                       ui->centralwidget, ui->tabWidget_2})
        w->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (watched == ui->pushButton_open)
            updateConnectionState();
        updateBusyCursor();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::updateConnectionState()
{
    // Only the button's own state counts, not a disabled parent during an exchange.
    const bool open = ui->pushButton_open->testAttribute(Qt::WA_ForceDisabled);
    if (!open) {
        if (!m_wasOpen)
            return m_connectionLabel->setText(tr("未打开打印机"));
        // What was read belongs to a connection that is gone: nothing is written
        // from it until a printer is opened and its page read again.
        for (QWidget *w : std::initializer_list<QWidget *>{
                 ui->pushButton_PrintSettingSet, ui->pushButton_DistanceSettingSet,
                 ui->pushButton_WifiSettingSet, ui->pushButton_BleSettingSet,
                 ui->pushButton_NetportSettingSet, ui->pushButton_ComSettingSet,
                 ui->pushButton_StripperSettingSet})
            w->setEnabled(false);
        m_connectionLabel->setText(tr("连接已关闭：请重新打开打印机，再读取和设置。"));
        m_connectionLabel->setToolTip(m_connectionLabel->text());
        m_wasOpen = false;
        return;
    }
    QString medium;
    for (const QCheckBox *box : {ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_WIFI,
                                 ui->checkBox_BLE, ui->checkBox_Serialport})
        if (box->isChecked())
            medium = box->text().remove(QLatin1Char('&'));
    QString text = tr("已连接：%1 · %2").arg(medium, ui->comboBox_ScanResult->currentText());
    if (ret_mode == MEDIUM_NETWORK)
        text += tr("，TCP端口 %1").arg(ui->lineEdit_ConnectTCPPort->text());
    m_connectionLabel->setText(text);
    m_connectionLabel->setToolTip(text);
    m_wasOpen = true;
}

void MainWindow::updateBusyCursor()
{
    const bool busy = ui->centralwidget->testAttribute(Qt::WA_ForceDisabled) ||
                      ui->tabWidget_2->testAttribute(Qt::WA_ForceDisabled) ||
                      !ui->pushButton_StopList->testAttribute(Qt::WA_ForceDisabled);
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainWindow::showLastResult(const QString &text)
{
    m_resultLabel->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) +
                           QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed());
    m_resultLabel->setToolTip(text.trimmed());
}

void MainWindow::showAbout()
{
    const libusb_version *usb = libusb_get_version();
    const QString text =
        QStringLiteral("<h3>%1 V1.0.9</h3><p>%2</p><p>Qt %3<br>libusb %4.%5.%6<br>%7</p><p>%8</p>")
            .arg(tr("标签机设置工具").trimmed().toHtmlEscaped(),
                 tr("读取和设置标签打印机、下载固件与字库、WiFi配网。").toHtmlEscaped(),
                 QString::fromLatin1(qVersion()))
            .arg(usb->major)
            .arg(usb->minor)
            .arg(usb->micro)
            .arg(QString::fromLatin1(OpenSSL_version(OPENSSL_VERSION)).toHtmlEscaped(),
                 tr("许可证：MIT（随附 LICENSE 文件）").toHtmlEscaped());
    prompts::information(this, tr("关于"), text);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings(QStringLiteral("Company"), QStringLiteral("App"))
        .setValue(kGeometryKey, saveGeometry());
    // The worker deletes the plain copy when it stops; a stalled piece is cancelled.
    if (m_fileStream)
        m_fileStream->requestStop();
    QMainWindow::closeEvent(event);
}
