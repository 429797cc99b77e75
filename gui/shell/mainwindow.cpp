#include "gui/shell/mainwindow.h"

#include "device/diagnostics/diagnosticsreport.h"

#include "gui/widgets/accelerators.h"
#include "gui/widgets/focusreturn.h"
#include "gui/widgets/jobprogress.h"
#include "device/jobs/printerworker.h"
#include "gui/shell/connectionpanel.h"
#include "gui/widgets/elidedlabel.h"
#include "gui/widgets/keyboard.h"
#include "gui/shell/profileactions.h"
#include "gui/widgets/prompts.h"
#include "gui/widgets/readstatenote.h"
#include "device/operations/resulttexts.h"
#include "gui/shell/startup.h"
#include "gui/shell/windowjournal.h"
#include "gui/widgets/verticalscrollarea.h"
#include "gui/widgets/wheelguard.h"
#include "gui/console/consolepage.h"
#include "gui/download/downloadpanel.h"
#include "gui/download/filesends.h"
#include "labelsetupversion.h"
#include "gui/provisioning/distributenet.h"
#include "gui/provisioning/wifiprovisioning.h"
#include "gui/pages/bluetoothpage.h"
#include "gui/pages/distancepage.h"
#include "gui/pages/ethernetpage.h"
#include "gui/pages/fieldfixups.h"
#include "gui/pages/functionpage.h"
#include "gui/pages/printpage.h"
#include "gui/pages/stripperpage.h"
#include "gui/pages/wifipage.h"
#include "device/link/printersession.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QAbstractItemView>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>

namespace {
// Beside the label-size keys of the same store.
const char kGeometryKey[] = "MainWindow/geometry";

// The settings pages as profiles name them, and the middle of their buttons' names
// ("pushButton_PrintSettingRead").
const std::pair<const char *, const char *> kSettingsPages[] = {
    {"print", "Print"},      {"distance", "Distance"}, {"wifi", "Wifi"},
    {"bluetooth", "Ble"},    {"ethernet", "Netport"},  {"serial", "Com"},
    {"stripper", "Stripper"}};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    initTranslationResources(); // also the icons the form refers to
    ui = new Ui::MainWindow;
    ui->setupUi(this);

    qRegisterMetaType<QByteArray>("QByteArray");
    m_worker = new jobs::PrinterWorker(this);
    m_session = &m_worker->session();
    connect(m_session, &PrinterSession::heldChanged, this, &MainWindow::followPrinterHeld);
    connect(m_worker, &jobs::PrinterWorker::busyChanged, this, [this](bool busy) {
        updateBusyCursor();
        emit busyChanged(busy);
    });
    setUpFilePages();

    addLinkPages();

    // --- Connection panel ---
    m_connectionPanel = new ConnectionPanel(*m_session, *this, ui->widget_ConnectPanel);
    ui->widget_ConnectPanel->layout()->addWidget(m_connectionPanel);
    m_connectionPanel->setHintSource([this](bool wifi) { return connectionHints(wifi); });
    connect(m_connectionPanel, &ConnectionPanel::printerOpened, this, &MainWindow::selectedItem);
    m_journal = new WindowJournal(
        *m_connectionPanel, [this](const QString &text) { showLastResult(text); }, this);
    connect(m_connectionPanel, &ConnectionPanel::printerOpened, m_journal,
            &WindowJournal::forgetSerial);
    connect(m_connectionPanel, &ConnectionPanel::blockWindow, this,
            [this](bool blocked) { centralWidget()->setEnabled(!blocked); });
    connect(m_connectionPanel, &ConnectionPanel::stateChanged, this, [this] {
        if (!m_connectionLabel)
            return; // still being built
        updateConnectionState();
        updateBusyCursor();
    });
    // --- end of the connection panel ---

    addPrinterPages();
    m_profileActions = std::make_unique<ProfileActions>(*m_session, *this);
    addProfileButtons();
    addReadStateNotes();
    fitPagesToWidth();
    setInitialWidgetStates();
    setUpStatusBar();
    setUpKeyboard();
    m_wheelGuard = new WheelGuard(this);
    m_wheelGuard->protect(this);

    const QByteArray geometry = QSettings(QStringLiteral("Company"), QStringLiteral("App"))
                                    .value(kGeometryKey)
                                    .toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        // First start: the form's size, but never larger than the screen. The window
        // manager's frame is known only once shown; until then a title bar is assumed.
        const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            fitFirstStart(QMargins(border, title, border, border), screen->availableGeometry());
        m_firstStartSize = size();
    }
    new FocusReturn(this);
    m_titleBase = applicationWindowTitle();
    updateTitle();
}

void MainWindow::fitFirstStart(const QMargins &frame, const QRect &available)
{
    // The frame inside the screen, the status bar included.
    const QSize room = available.size().shrunkBy(frame);
    QRect outer = QRect(geometry().topLeft(), size().boundedTo(room)).marginsAdded(frame);
    outer.moveTop(qBound(available.top(), outer.top(), available.bottom() - outer.height() + 1));
    outer.moveLeft(qBound(available.left(), outer.left(), available.right() - outer.width() + 1));
    setGeometry(outer.marginsRemoved(frame));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    fitToRealFrame(10);
}

void MainWindow::fitToRealFrame(int triesLeft)
{
    if (m_firstStartSize.isEmpty() || size() != m_firstStartSize)
        return;
    // The window manager tells its frame a little after the window is shown.
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull() && triesLeft > 0) {
        QTimer::singleShot(100, this, [this, triesLeft] { fitToRealFrame(triesLeft - 1); });
        return;
    }
    m_firstStartSize = QSize();
    if (!frame.isNull() && screen())
        fitFirstStart(frame, screen()->availableGeometry());
}

void MainWindow::setTitleBase(const QString &base)
{
    m_titleBase = base;
    updateTitle();
}

void MainWindow::updateTitle()
{
    const QString key = m_connectionPanel->openedKey();
    QString printer = tr("未连接");
    if (!key.isEmpty()) {
        // The model as the search found it, then the address.
        const QString name = m_connectionPanel->openedPrinter().model;
        printer = name.isEmpty() ? key : tr("%1 · %2").arg(name, key);
    }
    setWindowTitle(m_titleBase + QStringLiteral(" - ") + printer);
}

MainWindow::~MainWindow()
{
    // A running file stops between two pieces; the worker, going first of the children,
    // waits for that before its session goes.
    delete m_provisioning;
    m_worker->cancelAll();
    // Links retired earlier may still wait for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete ui;
}

// --- WiFi, Ethernet port, Bluetooth and serial pages ---
void MainWindow::addLinkPages()
{
    m_wifiPage = new WifiPage(*m_session, *this);
    m_ethernetPage = new EthernetPage(*m_session, *this);
    m_bluetoothPage = new BluetoothPage(*m_session, *this);
    m_serialPage = new SerialPage(*m_session, *this);
    ui->page_WifiSetting->layout()->addWidget(m_wifiPage);
    ui->page_NetportSetting->layout()->addWidget(m_ethernetPage);
    ui->page_BleSetting->layout()->addWidget(m_bluetoothPage);
    ui->page_ComSetting->layout()->addWidget(m_serialPage);

    // A successful write points the connection fields at the printer's new address and
    // ports and, when the printer is reached over the page's own medium, drops the
    // connection, since the printer restarts on its new settings.
    const auto moveConnection = [this](const QString &address, const QString &tcpPort,
                                       const QString &udpPort) {
        if (!address.isEmpty())
            m_connectionPanel->setConnectAddress(address);
        if (!tcpPort.isEmpty())
            m_connectionPanel->setTcpPort(tcpPort);
        if (!udpPort.isEmpty())
            m_connectionPanel->setUdpPort(udpPort);
    };
    connect(m_wifiPage, &WifiPage::connectionTargetChanged, this, moveConnection);
    connect(m_ethernetPage, &EthernetPage::connectionTargetChanged, this, moveConnection);
    connect(m_wifiPage, &WifiPage::restartPending, this, [this] {
        if (m_connectionPanel->wifiChosen())
            on_pushButton_close_clicked(false);
    });
    connect(m_ethernetPage, &EthernetPage::restartPending, this, [this] {
        if (m_connectionPanel->ethernetChosen())
            on_pushButton_close_clicked(false);
    });
    connect(m_wifiPage, &WifiPage::provisioningRequested, this, [this] {
        m_provisioning->open();
        if (DistributeNet *provisioning = m_provisioning->window()) {
            provisioning->setPrinterName(m_connectionPanel->currentEntry());
            m_wheelGuard->protect(provisioning);
        }
    });
    followDhcp();
}

void MainWindow::followDhcp()
{
    // Under DHCP the printer takes the addresses it is given: the boxes rest, keeping
    // what they show, as long as DHCP is chosen.
    const auto follow = [this](QWidget *page, const char *mode, int dhcpOn,
                               const QStringList &boxes) {
        auto *box = page->findChild<QComboBox *>(QLatin1String(mode));
        QList<QWidget *> fields;
        for (const QString &name : boxes)
            fields << page->findChild<QWidget *>(name);
        if (!box || fields.contains(nullptr))
            return;
        const auto apply = [fields, dhcpOn](int index) {
            for (QWidget *field : fields)
                field->setEnabled(index != dhcpOn);
        };
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, apply);
        apply(box->currentIndex());
    };
    follow(m_ethernetPage, "comboBox_NetportIPMode", 0,
           {"lineEdit_NetportIP", "lineEdit_NetportSubnetMask", "lineEdit_NetportGateway"});
    follow(m_wifiPage, "comboBox_WifiSetIPMode", 1, {"lineEdit_WifiSetDNS"});
}
// --- end of WiFi, Ethernet port, Bluetooth and serial pages ---

// --- Print, distance, stripper and function pages ---
void MainWindow::addPrinterPages()
{
    m_printPage = new PrintPage(*m_session, *this, ui->page_PrintSetting);
    ui->page_PrintSetting->layout()->addWidget(m_printPage);
    m_distancePage = new DistancePage(*m_session, *this, ui->page_DistanceSetting);
    ui->page_DistanceSetting->layout()->addWidget(m_distancePage);
    m_stripperPage = new StripperPage(*m_session, *this, ui->page_StripperSetting);
    ui->page_StripperSetting->layout()->addWidget(m_stripperPage);
    m_functionPage = new FunctionPage(*m_session, *this, ui->tab_FunSetting);
    ui->tab_FunSetting->layout()->addWidget(m_functionPage);
    connect(m_functionPage, &FunctionPage::printerClosed, this, &MainWindow::onPrinterClosedByPage);
    connect(ui->tabWidget_2, &QTabWidget::currentChanged, m_printPage, &PrintPage::hideTip);
}

void MainWindow::printerPagesChanged()
{
    m_printPage->printerChanged();
    m_distancePage->printerChanged();
    m_stripperPage->printerChanged();
}

QWidget *MainWindow::printerInfoButton() const
{
    return m_functionPage->infoButton();
}

void MainWindow::onPrinterClosedByPage(bool restarted)
{
    resetConnectionPanel();
    if (restarted) {
        m_downloadPanel->resetProgress();
        m_consolePage->resetProgress();
    }
}

void MainWindow::resetConnectionPanel()
{
    m_connectionPanel->showClosed();
}
// --- end of the print, distance, stripper and function pages ---

void MainWindow::setDebugLog(const DebugLog *log)
{
    m_connectionPanel->setDebugLog(log);
}

void MainWindow::saveProfile()
{
    m_profileActions->save();
}

void MainWindow::applyProfile()
{
    m_profileActions->apply(
        [this](const QStringList &written) { markUnread(written, tr("应用配置后尚未读取")); });
}

void MainWindow::addProfileButtons()
{
    // Below the sections, so that the tab bar keeps its room for the tab titles.
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    auto *save = new QPushButton(tr("保存配置(&A)…"), ui->tab_PrinterSetting);
    save->setObjectName(QStringLiteral("pushButton_SaveProfile"));
    auto *apply = new QPushButton(tr("应用配置(&Y)…"), ui->tab_PrinterSetting);
    apply->setObjectName(QStringLiteral("pushButton_ApplyProfile"));
    row->addWidget(save);
    row->addWidget(apply);
    ui->verticalLayout_10->addLayout(row);
    connect(save, &QPushButton::clicked, this, &MainWindow::saveProfile);
    connect(apply, &QPushButton::clicked, this, &MainWindow::applyProfile);
}

void MainWindow::addReadStateNotes()
{
    for (const auto &[name, page] : kSettingsPages) {
        const QString stem = QStringLiteral("pushButton_%1Setting").arg(QLatin1String(page));
        auto *read = ui->toolBox_PrinterSetting->findChild<QAbstractButton *>(stem + "Read");
        auto *set = ui->toolBox_PrinterSetting->findChild<QAbstractButton *>(stem + "Set");
        if (read && set)
            new ReadStateNote(read, set);
    }
}

void MainWindow::markUnread(const QStringList &pages, const QString &reason)
{
    for (const auto &[name, page] : kSettingsPages) {
        if (!pages.contains(QLatin1String(name)))
            continue;
        if (auto *set = ui->toolBox_PrinterSetting->findChild<QAbstractButton *>(
                QStringLiteral("pushButton_%1SettingSet").arg(QLatin1String(page))))
            set->setEnabled(false);
        if (auto *note = ui->toolBox_PrinterSetting->findChild<ReadStateNote *>(
                QStringLiteral("label_NotRead_%1SettingRead").arg(QLatin1String(page))))
            note->setReason(reason);
    }
}

void MainWindow::forgetUnreadReasons()
{
    for (ReadStateNote *note : ui->toolBox_PrinterSetting->findChildren<ReadStateNote *>())
        note->setReason(QString());
}

void MainWindow::fitPagesToWidth()
{
    // The pages with two columns give one up on narrow screens.
    if (auto *area =
            m_printPage->findChild<VerticalScrollArea *>(QStringLiteral("scrollArea_Print")))
        area->flowPairs(m_printPage->findChild<QGridLayout *>(QStringLiteral("gridLayout_1")));
    if (auto *area =
            m_functionPage->findChild<VerticalScrollArea *>(QStringLiteral("scrollArea_Fun")))
        area->stackWhenNarrow(
            m_functionPage->findChild<QBoxLayout *>(QStringLiteral("horizontalLayout_18")));
    if (auto *area = m_wifiPage->findChild<VerticalScrollArea *>(QStringLiteral("scrollArea_Wifi")))
        area->stackWhenNarrow(
            m_wifiPage->findChild<QBoxLayout *>(QStringLiteral("horizontalLayout_6")));
    ui->scrollArea_ConnectPanel->stackWhenNarrow(
        m_connectionPanel->findChild<QBoxLayout *>(QStringLiteral("horizontalLayout_Diagnostics")));
    // A list narrower than its entries shows the whole entry as its tool tip.
    for (QComboBox *list : ui->tabWidget_2->findChildren<QComboBox *>()) {
        if (list->sizeAdjustPolicy() != QComboBox::AdjustToMinimumContentsLengthWithIcon)
            continue;
        connect(list, &QComboBox::currentTextChanged, list, &QWidget::setToolTip);
        list->setToolTip(list->currentText());
    }
    // The tool box scrolls its sections itself but does not ask for their width.
    int sectionWidth = 0;
    for (int i = 0; i < ui->toolBox_PrinterSetting->count(); ++i)
        sectionWidth =
            qMax(sectionWidth, ui->toolBox_PrinterSetting->widget(i)->minimumSizeHint().width());
    ui->toolBox_PrinterSetting->setMinimumWidth(sectionWidth +
                                                style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // Every tab title in full, without scroll buttons.
    ui->tabWidget_2->setMinimumWidth(ui->tabWidget_2->tabBar()->sizeHint().width() +
                                     2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
}

void MainWindow::setUpKeyboard()
{
    // Reading order: the connection panel, the tabs, then the open tab's content; in the
    // settings tab each section's header is followed by its fields and buttons.
    QList<QWidget *> stops = keyboard::tabStops(m_connectionPanel);
    stops << ui->tabWidget_2;
    const QList<QAbstractButton *> headers =
        keyboard::reachableSections(ui->toolBox_PrinterSetting);
    for (int i = 0; i < headers.size(); ++i)
        stops << headers.at(i) << keyboard::tabStops(ui->toolBox_PrinterSetting->widget(i));
    stops << findChild<QWidget *>(QStringLiteral("pushButton_SaveProfile"))
          << findChild<QWidget *>(QStringLiteral("pushButton_ApplyProfile"));
    stops << keyboard::tabStops(ui->tab_FunSetting) << keyboard::tabStops(ui->tab_Update);
    stops << findChild<QWidget *>(QStringLiteral("toolButton_About"));
    stops.removeAll(nullptr);
    keyboard::chain(stops);
    keyboard::nameUnlabelled(this);
    accelerators::giveFixedCaptionsKeys(this);
}

void MainWindow::setInitialWidgetStates()
{
    ui->tabWidget_2->setCurrentIndex(0);
    ui->toolBox_PrinterSetting->setCurrentIndex(0);
}

ConnectionPanel::NetworkHints MainWindow::connectionHints(bool wifi) const
{
    // What the Ethernet and WiFi pages last read of the printer.
    ConnectionPanel::NetworkHints hints;
    if (!wifi) {
        hints.tcpPort = m_ethernetPage->tcpPort();
        hints.udpPort = m_ethernetPage->udpPort();
        return hints;
    }
    hints.address = m_wifiPage->connectAddress();
    hints.tcpPort = m_wifiPage->servicePort();
    return hints;
}

void MainWindow::on_pushButton_close_clicked(bool openDebug)
{
    m_connectionPanel->closePrinter(openDebug);
}

void MainWindow::selectedItem()
{
    const bool settingsAllowed = m_session->settingsAllowed();
    ui->tabWidget_2->setTabEnabled(1, settingsAllowed);
    ui->tabWidget_2->setTabEnabled(0, settingsAllowed);
    m_downloadPanel->printerChanged();

    const bool printMode = m_session->hasPrintMode();
    ui->toolBox_PrinterSetting->setItemEnabled(6, printMode);
    printerPagesChanged();
    m_wifiPage->printerChanged();
    m_ethernetPage->printerChanged();
    m_bluetoothPage->printerChanged();
    m_serialPage->printerChanged();
    forgetUnreadReasons();
}

void MainWindow::controlAllWidgets(bool on)
{
    qDebug() << "-------------cmd:" << (on ? "true" : "false");
    // Only a handler refused while the printer is in use gets here then; it must not
    // give back what the running job, exchange or file stream has taken.
    if (m_session->busy() || m_worker->busy())
        return;
    m_connectionPanel->setCloseEnabled(on);
    ui->tabWidget_2->setEnabled(on);
    printerInfoButton()->setEnabled(on);
    m_consolePage->setSendEnabled(on);
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

bool MainWindow::isDeviceOpen() const
{
    return m_connectionPanel->isOpen();
}

jobs::Job *MainWindow::startJob(const QString &title, jobs::Body body)
{
    jobs::Job *job = m_worker->submit(title, std::move(body));
    m_jobProgress->follow(job);
    return job;
}

bool MainWindow::busy() const
{
    return m_worker->busy();
}

bool MainWindow::printerInUse() const
{
    if (!m_session->busy() && !m_worker->busy())
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

void MainWindow::followPrinterHeld(bool held)
{
    if (held) {
        m_enabledBeforeHeld.clear();
        m_enabledBeforeHeld.append(
            {ui->tabWidget_2, !ui->tabWidget_2->testAttribute(Qt::WA_ForceDisabled)});
        ui->tabWidget_2->setEnabled(false);
        m_connectionPanel->followPrinterHeld(true);
    } else {
        m_connectionPanel->followPrinterHeld(false);
        for (const auto &saved : qAsConst(m_enabledBeforeHeld)) {
            if (saved.first)
                saved.first->setEnabled(saved.second);
        }
        m_enabledBeforeHeld.clear();
    }
}

// --- Download, debug console and WiFi provisioning ---
void MainWindow::setUpFilePages()
{
    m_fileSends = new FileSends(*this, this);
    m_downloadPanel = new DownloadPanel(*m_session, *this, *m_fileSends, ui->tab_Update);
    m_consolePage = new ConsolePage(*m_session, *this, *m_fileSends, ui->tab_Update);
    ui->verticalLayout_Update->addWidget(m_downloadPanel, 0);
    ui->verticalLayout_Update->addWidget(m_consolePage, 1);
    connect(m_downloadPanel, &DownloadPanel::fileLogged, m_consolePage,
            [this](const QString &text) { m_consolePage->appendLine(QString(), text); });
    connect(m_fileSends, &FileSends::started, this, [this] { followFileStream(true); });
    connect(m_fileSends, &FileSends::ended, this, [this] { followFileStream(false); });

    m_provisioning = new WifiProvisioning(*m_session, *this, this);
    // The WiFi page shows what is being sent, and once it is taken, compares against it.
    connect(m_provisioning, &WifiProvisioning::credentialsTried, this,
            [this](const WifiCred &cred) { m_wifiPage->noteProvisioned(cred, false); });
    // The printer took them: its other WiFi settings may no longer be those shown.
    connect(m_provisioning, &WifiProvisioning::credentialsSent, this, [this](const WifiCred &cred) {
        m_wifiPage->noteProvisioned(cred);
        markUnread({QStringLiteral("wifi")}, tr("配网后尚未读取"));
    });
}

void MainWindow::followFileStream(bool running)
{
    printerInfoButton()->setEnabled(!running);
    // Closing the printer or changing the medium mid-file would cut the stream.
    m_connectionPanel->followPrinterHeld(running);
    // Changing a tab's state while it is the current one would switch to another. Tabs
    // off for the model before the stream stay off after it.
    const int current = ui->tabWidget_2->currentIndex();
    const bool consoleTabToo = m_fileSends->kind() == FileSends::Kind::ConsoleFile;
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
    m_connectionLabel = new ElidedLabel(this);
    m_connectionLabel->setObjectName(QStringLiteral("label_StatusConnection"));
    m_connectionLabel->setElideMode(Qt::ElideMiddle);
    m_resultLabel = new ElidedLabel(this);
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
    // The open printer's journal of changes.
    auto *history = new QAction(tr("变更记录"), this);
    history->setObjectName(QStringLiteral("actionHistory"));
    connect(history, &QAction::triggered, this, [this] {
        if (requireOpenDevice())
            m_journal->showHistory(this);
    });
    auto *historyButton = new QToolButton(this);
    historyButton->setObjectName(QStringLiteral("toolButton_History"));
    historyButton->setDefaultAction(history);
    historyButton->setAutoRaise(true);
    historyButton->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
    // Long texts must not widen the window: they are shortened, and whole in the tool tip.
    statusBar()->addWidget(m_connectionLabel, 3);
    statusBar()->addWidget(m_resultLabel, 2);
    m_jobProgress = new JobProgress(this);
    statusBar()->addPermanentWidget(m_jobProgress);
    statusBar()->addPermanentWidget(historyButton);
    statusBar()->addPermanentWidget(about);
    updateConnectionState();

    // The panel's open button is disabled exactly while a printer is open and its stop
    // button enabled while a search runs (the panel tells); the central widget and the
    // tabs are disabled while an exchange blocks the window. Watching them covers every
    // page and medium.
    for (QWidget *w : std::initializer_list<QWidget *>{ui->centralwidget, ui->tabWidget_2})
        w->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        updateBusyCursor();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::updateConnectionState()
{
    // Only the button's own state counts, not a disabled parent during an exchange.
    const bool open = m_connectionPanel->openButtonDisabled();
    updateTitle();
    if (!open) {
        if (!m_wasOpen)
            return m_connectionLabel->setFullText(tr("未打开打印机"));
        // What was read belongs to a connection that is gone: nothing is written
        // from it until a printer is opened and its page read again.
        m_printPage->forgetRead();
        m_distancePage->forgetRead();
        m_stripperPage->forgetRead();
        m_wifiPage->printerChanged();
        m_ethernetPage->printerChanged();
        m_bluetoothPage->printerChanged();
        m_serialPage->printerChanged();
        forgetUnreadReasons();
        m_connectionLabel->setFullText(tr("连接已关闭：请重新打开打印机，再读取和设置。"));
        m_wasOpen = false;
        return;
    }
    QString text = tr("已连接：%1 · %2")
                       .arg(m_connectionPanel->mediumText(), m_connectionPanel->currentEntry());
    if (m_session->medium() == MEDIUM_NETWORK)
        text += tr("，TCP端口 %1").arg(m_connectionPanel->tcpPortText());
    m_connectionLabel->setFullText(text);
    m_wasOpen = true;
}

void MainWindow::updateBusyCursor()
{
    const bool busy = ui->centralwidget->testAttribute(Qt::WA_ForceDisabled) ||
                      ui->tabWidget_2->testAttribute(Qt::WA_ForceDisabled) ||
                      m_connectionPanel->searchRunning() || m_worker->busy();
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        // The window still answers (its Cancel button among others): the arrow stays, with
        // the sign of work going on.
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainWindow::showLastResult(const QString &text)
{
    m_resultLabel->setFullText(
        QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) +
        QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed());
}

void MainWindow::recordChange(journal::Entry entry, const ops::Outcome &outcome)
{
    m_journal->record(std::move(entry), outcome);
}

void MainWindow::settingsRead(const QString &page, const QJsonObject &values)
{
    m_journal->settingsRead(page, values);
}

void MainWindow::showAbout()
{
    // The same versions the diagnostics report records.
    const QJsonObject versions = diagnosticsreport::environment();
    const QString usb = versions.value(QStringLiteral("libusb")).toString();
    const QString text =
        QStringLiteral("<h3>%1 V" LABELSETUP_VERSION
                       "</h3><p>%2</p><p>Qt %3<br>libusb %4<br>%5</p><p>%6</p>")
            .arg(tr("标签机设置工具").trimmed().toHtmlEscaped(),
                 tr("读取和设置标签打印机、下载固件与字库、WiFi配网。").toHtmlEscaped(),
                 QString::fromLatin1(qVersion()),
                 usb.section(QLatin1Char('.'), 0, 2).toHtmlEscaped(),
                 versions.value(QStringLiteral("openssl")).toString().toHtmlEscaped(),
                 tr("许可证：MIT（随附 LICENSE 文件）").toHtmlEscaped());
    prompts::information(this, tr("关于"), text);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings(QStringLiteral("Company"), QStringLiteral("App"))
        .setValue(kGeometryKey, saveGeometry());
    // The stream deletes the plain copy when it stops; a stalled piece is cancelled.
    if (m_fileSends)
        m_fileSends->requestStop();
    QMainWindow::closeEvent(event);
}
