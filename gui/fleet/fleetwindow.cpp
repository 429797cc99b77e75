#include "gui/fleet/fleetwindow.h"

#include "gui/fleet/fleetjournal.h"

#include "gui/widgets/accelerators.h"
#include "gui/widgets/prompts.h"
#include "device/fleet/fleetlist.h"
#include "device/fleet/drift.h"
#include "device/fleet/fleetmodel.h"
#include "device/fleet/inventory.h"
#include "device/fleet/poller.h"
#include "device/fleet/rollout.h"
#include "device/fleet/scan.h"
#include "device/jobs/claims.h"
#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"
#include "device/fleet/applyrun.h"
#include "core/settings/profile.h"
#include "core/settings/settingtable.h"
#include "device/settings/profileapply.h"
#include "core/protocol/ports.h"
#include "device/link/discovery.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>

namespace {

const QString kSettingsOrganisation = QStringLiteral("Company");
const QString kSettingsApplication = QStringLiteral("App");
// Printers talked to at once by the window: polls and operations together.
constexpr int kPoolSize = 16;

QColor severityColour(fleet::Severity severity)
{
    switch (severity) {
    case fleet::Severity::Ready:
        return QColor(0x2e, 0x9d, 0x3a);
    case fleet::Severity::Busy:
        return QColor(0x2a, 0x6f, 0xd6);
    case fleet::Severity::Attention:
        return QColor(0xe0, 0x8a, 0x00);
    case fleet::Severity::Unreachable:
        return QColor(0xc6, 0x28, 0x28);
    case fleet::Severity::Unknown:
        break;
    }
    return QColor(0x90, 0x90, 0x90);
}

QIcon severityIcon(fleet::Severity severity)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(severityColour(severity));
    if (severity == fleet::Severity::Attention) { // a triangle: not only colour tells
        const QPointF points[] = {{6, 0.5}, {11.5, 11.5}, {0.5, 11.5}};
        painter.drawPolygon(points, 3);
    } else if (severity == fleet::Severity::Unreachable) {
        painter.drawRect(QRectF(1, 1, 10, 10));
    } else {
        painter.drawEllipse(QRectF(1, 1, 10, 10));
    }
    return QIcon(pixmap);
}

// Icons and colours of the status column, by the severity the core model tells.
class SeverityProxy : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.column() == fleet::FleetModel::StatusColumn &&
            (role == Qt::DecorationRole || role == Qt::ForegroundRole)) {
            const auto severity = fleet::Severity(
                QIdentityProxyModel::data(index, fleet::FleetModel::SeverityRole).toInt());
            if (severity == fleet::Severity::Unknown)
                return QVariant();
            if (role == Qt::DecorationRole)
                return severityIcon(severity);
            return severity == fleet::Severity::Ready ? QVariant()
                                                      : QVariant(severityColour(severity));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// Why `text` is not a printer address, or empty when it is one. Ranges and impossible
// IPv4 addresses would pass as host names; they are refused with what was expected.
QString addressProblem(const QString &text)
{
    static const QRegularExpression dottedNumbers(QStringLiteral("^([0-9.]+)(?::\\d+)?$"));
    static const QRegularExpression range(QStringLiteral("^[0-9.]+(?:-[0-9.]+|/\\d+)$"));
    if (range.match(text).hasMatch())
        return FleetWindow::tr("%1 是网段，不是一个地址：网段请用“扫描网段…”。").arg(text);
    const QRegularExpressionMatch numbers = dottedNumbers.match(text);
    if (numbers.hasMatch()) {
        const QString host = numbers.captured(1);
        if (host.count(QLatin1Char('.')) != 3 ||
            QHostAddress(host).protocol() != QAbstractSocket::IPv4Protocol)
            return FleetWindow::tr("%1 不是 IPv4 地址：应为四个 0 到 255 的数，如 192.168.1.20。")
                .arg(text);
    }
    fleet::Address a;
    if (!fleet::Address::parse(text, &a))
        return FleetWindow::tr(
                   "不是地址：%1。应为 地址[:端口]（端口 1 到 65535）或 usb:端口（1 到 255）。")
            .arg(text);
    return QString();
}

// "打印浓度", without the label's colon.
QString settingName(const profile::Difference &d)
{
    QString name = settingtable::label(d.page + QLatin1Char('.') + d.setting);
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    return name;
}

// "打印浓度：8 → 12", one line per setting that differs.
QString differenceLines(const QList<profile::Difference> &differences)
{
    QStringList lines;
    for (const profile::Difference &d : differences) {
        lines << QStringLiteral("%1：%2 → %3")
                     .arg(settingName(d),
                          d.printer.isUndefined() ? FleetWindow::tr("（未知）")
                                                  : profile::valueText(d.printer),
                          profile::valueText(d.profile));
    }
    return lines.join(QLatin1Char('\n'));
}

QPushButton *button(const char *name, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

FleetWindow::FleetWindow(std::unique_ptr<fleet::Device> device, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_device(device ? std::move(device) : fleet::makeSessionDevice()),
      m_pool(new jobs::WorkerPool(kPoolSize))
{
    setObjectName(QStringLiteral("FleetWindow"));
    m_gate = new jobs::Claims(this);
    m_model = new fleet::FleetModel(this);
    m_journal = new FleetJournal(
        *m_model, [this](const QString &text) { m_note->setText(text); }, this);
    m_poller = new fleet::Poller(m_device, *m_gate, *m_pool, this);
    m_drift = new fleet::drift::Checker(m_device, *m_gate, *m_pool, this);
    // Work that ends within this shows no progress, no Cancel: nothing flickers.
    m_progressDelay.setSingleShot(true);
    m_progressDelay.setInterval(500);
    connect(&m_progressDelay, &QTimer::timeout, this, [this] {
        m_progress->setVisible(working());
        m_cancelButton->setVisible(working());
    });
    buildUi();
    retranslate();
    accelerators::giveFixedCaptionsKeys(this);

    const QSettings settings(kSettingsOrganisation, kSettingsApplication);
    m_interval->setValue(settings.value(QStringLiteral("fleet/intervalSeconds"), 10).toInt());
    m_poller->setIntervalMs(m_interval->value() * 1000);
    loadList(settings);
    restoreLayout(settings);
    m_table->setColumnHidden(fleet::FleetModel::DriftColumn, true);
    m_poller->setAddresses(m_model->addresses());

    connect(m_poller, &fleet::Poller::polled, this,
            [this](const fleet::Address &address, const fleet::Reading &reading) {
                m_model->setReading(address, reading);
            });
    connect(m_poller, &fleet::Poller::roundFinished, this, &FleetWindow::updateSummary);
    connect(m_poller, &fleet::Poller::roundFinished, this, &FleetWindow::followOpenPrinter);
    connect(m_interval, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int seconds) {
        m_poller->setIntervalMs(seconds * 1000);
        remember();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FleetWindow::updateButtons);
    updateButtons();
    updateSummary();
}

FleetWindow::~FleetWindow()
{
    delete m_poller;
    m_poller = nullptr;
    delete m_drift;
    m_drift = nullptr;
    cancelWork();
    // A rollout's decrypted file goes once the streams in flight have let go of it.
    if (!m_plain.isNull())
        connect(m_pool, &QObject::destroyed, [plain = m_plain] { plain.remove(); });
    // Nobody waits: the pool goes once its jobs in flight have reached a frame boundary.
    m_pool->retire();
}

void FleetWindow::buildUi()
{
    auto *layout = new QVBoxLayout(this);
    auto *sources = new QHBoxLayout;
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("lineEdit_FleetAddress"));
    m_add = button("pushButton_FleetAdd", this);
    m_scan = button("pushButton_FleetScan", this);
    m_import = button("pushButton_FleetImport", this);
    m_discover = button("pushButton_FleetDiscover", this);
    sources->addWidget(m_address, 1);
    for (QPushButton *b : {m_add, m_scan, m_import, m_discover})
        sources->addWidget(b);
    layout->addLayout(sources);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tableView_Fleet"));
    auto *proxy = new SeverityProxy(this);
    proxy->setSourceModel(m_model);
    m_table->setModel(proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    // One stop for Tab: the arrows move inside, Tab and Shift+Tab leave.
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(fleet::FleetModel::AddressColumn,
                                                      QHeaderView::ResizeToContents);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->installEventFilter(this);
    connect(m_table, &QWidget::customContextMenuRequested, this, &FleetWindow::showRowMenu);
    layout->addWidget(m_table, 1);

    auto *actions = new QHBoxLayout;
    m_apply = button("pushButton_FleetApply", this);
    m_checkDrift = button("pushButton_FleetCheckDrift", this);
    actions->addWidget(m_checkDrift);
    m_firmware = button("pushButton_FleetFirmware", this);
    m_font = button("pushButton_FleetFont", this);
    m_selfTest = button("pushButton_FleetSelfTest", this);
    m_export = button("pushButton_FleetExport", this);
    m_remove = button("pushButton_FleetRemove", this);
    for (QPushButton *b : {m_apply, m_firmware, m_font, m_selfTest, m_export, m_remove})
        actions->addWidget(b);
    actions->addStretch(1);
    layout->addLayout(actions);

    auto *options = new QHBoxLayout;
    m_intervalLabel = new QLabel(this);
    m_interval = new QSpinBox(this);
    m_interval->setObjectName(QStringLiteral("spinBox_FleetInterval"));
    m_interval->setRange(2, 3600);
    m_jobsLabel = new QLabel(this);
    m_jobs = new QSpinBox(this);
    m_jobs->setObjectName(QStringLiteral("spinBox_FleetJobs"));
    m_jobs->setRange(1, 16);
    m_jobs->setValue(4);
    m_expectLabel = new QLabel(this);
    m_expect = new QLineEdit(this);
    m_expect->setObjectName(QStringLiteral("lineEdit_FleetExpectVersion"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("label_FleetSummary"));
    options->addWidget(m_intervalLabel);
    options->addWidget(m_interval);
    options->addWidget(m_jobsLabel);
    options->addWidget(m_jobs);
    options->addWidget(m_expectLabel);
    options->addWidget(m_expect);
    options->addStretch(1);
    layout->addLayout(options);
    buildStages(layout);
    m_summary->setWordWrap(true);
    layout->insertWidget(1, m_summary);
    // What the last search or check said, until the next one.
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("label_FleetNote"));
    m_note->setWordWrap(true);
    layout->insertWidget(2, m_note);
    // How far a run is ("3/50 台打印机") and its Cancel, shown once it takes a while.
    auto *running = new QHBoxLayout;
    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("label_FleetProgress"));
    m_cancelButton = button("fleetCancel", this);
    running->addWidget(m_progress, 1);
    running->addWidget(m_cancelButton);
    layout->insertLayout(3, running);
    m_progress->hide();
    m_cancelButton->hide();
    connect(m_cancelButton, &QPushButton::clicked, this, &FleetWindow::cancelWork);

    connect(m_add, &QPushButton::clicked, this, &FleetWindow::addTyped);
    connect(m_address, &QLineEdit::returnPressed, this, &FleetWindow::addTyped);
    connect(m_scan, &QPushButton::clicked, this, &FleetWindow::scanRange);
    connect(m_import, &QPushButton::clicked, this, &FleetWindow::importTargets);
    connect(m_discover, &QPushButton::clicked, this, &FleetWindow::discover);
    connect(m_apply, &QPushButton::clicked, this, &FleetWindow::applyProfile);
    connect(m_checkDrift, &QPushButton::clicked, this, &FleetWindow::checkDrift);
    connect(m_drift, &fleet::drift::Checker::checked, this, &FleetWindow::showDrift);
    connect(m_firmware, &QPushButton::clicked, this, [this] { download(true); });
    connect(m_font, &QPushButton::clicked, this, [this] { download(false); });
    connect(m_selfTest, &QPushButton::clicked, this, &FleetWindow::selfTest);
    connect(m_export, &QPushButton::clicked, this, &FleetWindow::exportInventory);
    connect(m_remove, &QPushButton::clicked, this, &FleetWindow::removeSelected);
    // As a dialog does: Esc closes (an operation still running keeps it, hidden).
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(1000, 640);
}

bool FleetWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The menu key (and Shift+F10) opens the row actions where the current row is.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            const QModelIndex current = m_table->currentIndex();
            const QRect cell = current.isValid() ? m_table->visualRect(current) : QRect();
            showRowMenu(cell.isValid() ? cell.center() : QPoint(0, 0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FleetWindow::showRowMenu(const QPoint &at)
{
    if (!m_rowMenu) {
        m_rowMenu = new QMenu(this);
        m_rowMenu->setObjectName(QStringLiteral("menu_FleetRow"));
    }
    m_rowMenu->clear();
    // The same actions as the buttons below the table, in their order and state.
    for (QPushButton *b : {m_apply, m_firmware, m_font, m_selfTest, m_export, m_remove}) {
        QString text = b->text();
        // A caption kept as written has its key beside it (see accelerators).
        const QList<QShortcut *> keys = b->findChildren<QShortcut *>();
        if (QKeySequence::mnemonic(text).isEmpty() && !keys.isEmpty()) {
            const QString letter = keys.first()->key().toString().section(QLatin1Char('+'), -1);
            text += QStringLiteral("(&%1)").arg(letter);
        }
        QAction *action = m_rowMenu->addAction(text);
        action->setObjectName(QStringLiteral("action_") + b->objectName());
        action->setEnabled(b->isEnabled());
        connect(action, &QAction::triggered, b, &QAbstractButton::click, Qt::QueuedConnection);
    }
    m_rowMenu->popup(m_table->viewport()->mapToGlobal(at));
    for (QAction *action : m_rowMenu->actions()) {
        if (action->isEnabled()) {
            m_rowMenu->setActiveAction(action);
            break;
        }
    }
}

void FleetWindow::retranslate()
{
    setWindowTitle(tr("打印机群"));
    m_address->setPlaceholderText(tr("地址[:端口]，或 usb:端口"));
    m_add->setText(tr("添加(&A)"));
    m_scan->setText(tr("扫描网段(&R)…"));
    m_import->setText(tr("导入目标文件(&I)…"));
    m_discover->setText(tr("搜索(&C)"));
    m_apply->setText(tr("应用配置(&P)…"));
    m_checkDrift->setText(tr("检查偏差(&D)…"));
    m_firmware->setText(tr("下载固件(&F)…"));
    m_font->setText(tr("下载字库(&O)…"));
    m_selfTest->setText(tr("打印自检页"));
    m_export->setText(tr("导出清单(&E)…"));
    m_remove->setText(tr("移除(&M)"));
    m_cancelButton->setText(tr("取消"));
    m_intervalLabel->setText(tr("轮询间隔"));
    m_interval->setSuffix(tr(" 秒"));
    m_jobsLabel->setText(tr("并行"));
    m_expectLabel->setText(tr("期望固件版本"));
    m_expect->setPlaceholderText(tr("不检查"));
    retranslateStages();
    updateSummary();
}

void FleetWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FleetWindow::closeEvent(QCloseEvent *event)
{
    // A run still going is cancelled first, if the user agrees; the window then goes
    // without waiting: the printers in flight stop at their next frame boundary.
    if (working() && !prompts::confirm(this, tr("打印机群"),
                                       tr("操作仍在进行。取消它并关闭窗口？已完成的打印机保持原样，"
                                          "进行中的在下一帧处停止，其余的不再开始。"),
                                       tr("取消并关闭"))) {
        event->ignore();
        return;
    }
    cancelWork();
    QWidget::closeEvent(event);
}

void FleetWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    followOpenPrinter();
    m_poller->start();
}

void FleetWindow::hideEvent(QHideEvent *event)
{
    rememberLayout();
    // Nobody looks: the printers are left alone.
    if (m_poller)
        m_poller->stop();
    QWidget::hideEvent(event);
}

void FleetWindow::setOpenPrinter(std::function<QString()> openKey)
{
    m_openKey = std::move(openKey);
    followOpenPrinter();
}

void FleetWindow::followOpenPrinter()
{
    const QString key = m_openKey ? m_openKey() : QString();
    if (key == m_excludedKey)
        return;
    if (!m_excludedKey.isEmpty())
        m_poller->setExcluded(m_excludedKey, false);
    m_excludedKey = key;
    if (!key.isEmpty())
        m_poller->setExcluded(key, true);
}

int FleetWindow::jobs() const
{
    return m_jobs->value();
}

int FleetWindow::addPrinters(const QList<fleet::Address> &addresses)
{
    const int added = m_model->add(addresses);
    m_poller->setAddresses(m_model->addresses());
    if (added > 0)
        rememberList();
    updateSummary();
    updateButtons();
    if (added > 0 && isVisible())
        m_poller->pollNow();
    return added;
}

void FleetWindow::remember() const
{
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue(QStringLiteral("fleet/intervalSeconds"), m_interval->value());
}

void FleetWindow::rememberLayout() const
{
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue(QStringLiteral("fleet/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("fleet/columns"), m_table->horizontalHeader()->saveState());
}

void FleetWindow::restoreLayout(const QSettings &settings)
{
    restoreGeometry(settings.value(QStringLiteral("fleet/geometry")).toByteArray());
    m_table->horizontalHeader()->restoreState(
        settings.value(QStringLiteral("fleet/columns")).toByteArray());
}

void FleetWindow::loadList(const QSettings &settings)
{
    m_listPath = fleet::fleetlist::defaultPath();
    const fleet::fleetlist::Contents list = fleet::fleetlist::load(m_listPath);
    if (!list.exists) { // an earlier version kept the list among the settings
        m_model->fromJson(
            QJsonDocument::fromJson(settings.value(QStringLiteral("fleet/printers")).toByteArray())
                .array());
        return;
    }
    m_model->add(list.addresses);
    if (list.whole())
        return;
    // What can be read is shown; the file is kept until the user says otherwise.
    m_listHeld = true;
    if (!list.error.isEmpty())
        m_listProblem = tr("无法读取：%1").arg(list.error);
    else if (list.cut)
        m_listProblem =
            tr("第 %1 行不完整（文件在此中断）：%2").arg(list.badLine).arg(list.badText);
    else
        m_listProblem = tr("第 %1 行不是地址：%2").arg(list.badLine).arg(list.badText);
    prompts::warning(
        this, tr("打印机群"),
        tr("打印机清单 %1 无法完整读取，%2。\n文件保持原样；列表改动后先询问是否覆盖它。")
            .arg(QDir::toNativeSeparators(m_listPath), m_listProblem));
}

void FleetWindow::rememberList()
{
    if (m_listHeld) {
        if (m_listDeclined)
            return;
        const QString backup = m_listPath + QStringLiteral(".bak");
        if (!prompts::confirm(this, tr("打印机群"),
                              tr("打印机清单 %1 无法完整读取（%2）。用现在的 %3 台打印机覆盖它？"
                                 "原文件另存为 %4。")
                                  .arg(QDir::toNativeSeparators(m_listPath), m_listProblem)
                                  .arg(m_model->rowCount())
                                  .arg(QDir::toNativeSeparators(backup)),
                              tr("覆盖"))) {
            m_listDeclined = true; // asked once; the file stays as it is
            return;
        }
        QFile::remove(backup);
        if (!QFile::copy(m_listPath, backup)) {
            prompts::warning(this, tr("打印机群"),
                             tr("无法另存 %1，清单未写入。").arg(QDir::toNativeSeparators(backup)));
            return;
        }
        m_listHeld = false;
    }
    QString error;
    if (!fleet::fleetlist::save(m_listPath, m_model->addresses(), &error)) {
        prompts::warning(this, tr("打印机群"),
                         tr("无法写入 %1：%2").arg(QDir::toNativeSeparators(m_listPath), error));
        return;
    }
    QSettings(kSettingsOrganisation, kSettingsApplication).remove(QStringLiteral("fleet/printers"));
}

void FleetWindow::addTyped()
{
    QList<fleet::Address> list;
    for (const QString &part : m_address->text().split(
             QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts)) {
        const QString problem = addressProblem(part);
        if (!problem.isEmpty()) {
            prompts::warning(this, tr("打印机群"), problem);
            m_address->setFocus(Qt::OtherFocusReason);
            return;
        }
        fleet::Address a;
        fleet::Address::parse(part, &a);
        list.append(a);
    }
    addPrinters(list);
    m_address->clear();
}

void FleetWindow::beginWork(std::function<void()> cancel)
{
    ++m_working;
    m_cancel = std::move(cancel);
    m_progress->clear();
    m_cancelButton->setEnabled(true);
    m_progressDelay.start();
    updateButtons();
}

void FleetWindow::endWork()
{
    --m_working;
    m_cancel = nullptr;
    m_progressDelay.stop();
    m_progress->hide();
    m_cancelButton->hide();
    updateButtons();
    emit workFinished();
}

void FleetWindow::cancelWork()
{
    if (!m_cancel)
        return;
    m_cancelButton->setEnabled(false);
    m_progress->setText(tr("正在取消…"));
    // Once: the work ends when those in flight have stopped.
    const std::function<void()> cancel = std::move(m_cancel);
    m_cancel = nullptr;
    cancel();
}

void FleetWindow::showProgress(int done, int total)
{
    if (m_cancelButton->isEnabled())
        m_progress->setText(jobs::FleetRun::progressText(done, total));
}

jobs::FleetRun *FleetWindow::startRun(
    const QList<fleet::Address> &printers,
    std::function<ops::Outcome(int, PrinterSession &, const std::atomic<bool> &, QVariant *)> body)
{
    QStringList keys;
    for (const fleet::Address &a : printers)
        keys << a.key();
    auto *run = new jobs::FleetRun(
        *m_pool, keys,
        [body = std::move(body)](int index, jobs::Context &context, QVariant *record) {
            return body(index, context.session(), context.stopFlag(), record);
        },
        this);
    run->setLimit(m_jobs->value());
    run->setClaims(m_gate);
    connect(run, &jobs::FleetRun::progressed, this, &FleetWindow::showProgress);
    return run;
}

bool FleetWindow::resultOfCancelled(const jobs::FleetRun &run, int index)
{
    switch (run.state(index)) {
    case jobs::FleetRun::State::NotAttempted:
        m_model->setResult(run.key(index),
                           run.stopReason(index) == jobs::FleetRun::StopReason::CanaryFailed
                               ? tr("未开始：先试的打印机失败")
                               : tr("已取消：未开始"),
                           true);
        return true;
    case jobs::FleetRun::State::Interrupted:
        m_model->setResult(run.key(index), tr("已取消：中途停止"), true,
                           run.outcome(index).sentence);
        return true;
    default:
        return false;
    }
}

void FleetWindow::scanRange()
{
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("FleetScanDialog"));
    dialog.setWindowTitle(tr("扫描网段"));
    dialog.setLabelText(tr("网段（如 192.168.1.0/24 或 192.168.1.10-60），可加 :端口。一次最多 "
                           "65536 个地址（/16）。"));
    if (prompts::exec(&dialog) != QDialog::Accepted)
        return;
    QString text = dialog.textValue().trimmed();
    fleet::scan::Options options;
    static const QRegularExpression withPort(QStringLiteral("^(.*):(\\d{1,5})$"));
    const QRegularExpressionMatch m = withPort.match(text);
    if (m.hasMatch()) {
        text = m.captured(1);
        options.port = quint16(qBound(1, m.captured(2).toInt(), 65535));
    }
    QList<QHostAddress> hosts;
    QString error;
    if (!fleet::scan::parseRange(text, &hosts, &error)) {
        prompts::warning(this, tr("扫描网段"),
                         tr("不是可扫描的网段：%1。应为 a.b.c.d/n（n 不小于 16）或 a.b.c.d-e，"
                            "一次最多 65536 个地址。")
                             .arg(dialog.textValue()));
        return;
    }
    auto *scan = new fleet::scan::Scan(*m_pool, m_device, hosts, options, this);
    m_summary->setText(tr("正在扫描 %1 个地址…").arg(hosts.size()));
    connect(scan, &fleet::scan::Scan::progressed, this, &FleetWindow::showProgress);
    connect(scan, &fleet::scan::Scan::finished, this, [this, scan] {
        scan->deleteLater();
        const QList<fleet::scan::Found> found = scan->found();
        QList<fleet::Address> list;
        for (const fleet::scan::Found &f : found)
            list.append(f.address);
        const int added = addPrinters(list);
        for (const fleet::scan::Found &f : found)
            m_model->setReading(f.address, f.reading);
        updateSummary();
        prompts::information(
            this, tr("扫描网段"),
            (scan->isCancelled() ? tr("扫描已取消。") : QString()) +
                tr("找到 %1 台打印机，新加入 %2 台。").arg(found.size()).arg(added));
        endWork();
    });
    beginWork([scan] { scan->cancel(); });
    scan->start();
}

void FleetWindow::importTargets()
{
    const QString path = prompts::openFileName(this, tr("导入目标文件"), QString(),
                                               tr("目标文件 (*.txt *.list);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        prompts::warning(this, tr("导入目标文件"), tr("无法读取 %1").arg(path));
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    QList<fleet::Address> list;
    int bad = 0;
    if (!fleet::parseTargets(text, &list, &bad)) {
        prompts::warning(this, tr("导入目标文件"),
                         tr("第 %1 行不是地址：%2").arg(bad).arg(text.split('\n').value(bad - 1)));
        return;
    }
    addPrinters(list);
}

void FleetWindow::discover()
{
    // The search waits for answers on a worker of the pool; the button says so meanwhile.
    const QString idle = m_discover->text();
    m_discover->setText(tr("正在搜索…"));
    m_note->setText(tr("正在搜索打印机…"));
    auto found = std::make_shared<QList<FoundPrinter>>();
    QPointer<jobs::Job> search = m_pool->submit(tr("搜索打印机"), [found](jobs::Context &context) {
        PrinterDiscovery discovery;
        discovery.setStopCheck([&context] { return context.cancelled(); });
        discovery.searchNetwork(ports::kDiscovery);
        *found = discovery.found();
        return ops::Outcome();
    });
    beginWork([this, search] {
        if (search)
            m_pool->cancel(search);
    });
    connect(search, &jobs::Job::finished, this, [this, idle, found] {
        m_discover->setText(idle);
        QList<fleet::Address> list;
        for (const FoundPrinter &printer : qAsConst(*found))
            list.append(printer.address);
        const int added = addPrinters(list);
        m_note->setText(tr("搜索到 %1 台打印机，新加入 %2 台。").arg(list.size()).arg(added));
        endWork();
    });
}

QList<fleet::Address> FleetWindow::selected() const
{
    QList<fleet::Address> out;
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    QList<int> numbers;
    for (const QModelIndex &index : rows)
        numbers.append(index.row());
    std::sort(numbers.begin(), numbers.end());
    for (int row : numbers)
        out.append(m_model->address(row));
    return out;
}

void FleetWindow::updateButtons()
{
    const bool any = m_table->selectionModel()->hasSelection();
    const bool idle = m_working == 0;
    for (QPushButton *b : {m_apply, m_firmware, m_font, m_selfTest, m_remove})
        b->setEnabled(any && idle);
    m_scan->setEnabled(idle);
    m_discover->setEnabled(idle);
    m_export->setEnabled(m_model->rowCount() > 0);
    m_resume->setEnabled(idle && !m_unfinished.isEmpty() && m_rerun);
    m_checkDrift->setEnabled(m_model->rowCount() > 0);
}

void FleetWindow::updateSummary()
{
    int counts[5] = {0, 0, 0, 0, 0};
    for (int row = 0; row < m_model->rowCount(); ++row)
        ++counts[int(fleet::severity(m_model->reading(row)))];
    m_summary->setText(tr("%1 台：就绪 %2，忙 %3，需处理 %4，无法连接 %5")
                           .arg(m_model->rowCount())
                           .arg(counts[int(fleet::Severity::Ready)])
                           .arg(counts[int(fleet::Severity::Busy)])
                           .arg(counts[int(fleet::Severity::Attention)])
                           .arg(counts[int(fleet::Severity::Unreachable)]));
}

void FleetWindow::removeSelected()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.append(index.row());
    m_model->remove(rows);
    m_poller->setAddresses(m_model->addresses());
    rememberList();
    updateSummary();
    updateButtons();
}

void FleetWindow::applyProfile()
{
    const QList<fleet::Address> printers = selected();
    const QString path = prompts::openFileName(this, tr("应用配置"), QString(),
                                               tr("配置文件 (*.json);;所有文件 (*)"));
    if (!path.isEmpty())
        applyProfileTo(printers, path);
}

void FleetWindow::applyProfileTo(const QList<fleet::Address> &printers, const QString &path)
{
    auto wanted = std::make_shared<profile::Profile>();
    QFile file(path);
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !profile::parse(file.readAll(), wanted.get(), &error) ||
        !profileapply::check(*wanted, &error)) {
        prompts::warning(this, tr("应用配置"), tr("无法使用 %1：%2").arg(path, error));
        return;
    }
    const std::shared_ptr<fleet::Device> device = m_device;
    const auto start = [this, printers, wanted, device, path](bool dryRun) {
        jobs::FleetRun *run =
            startRun(printers, [printers, wanted, device, dryRun](int i, PrinterSession &session,
                                                                  const std::atomic<bool> &stop,
                                                                  QVariant *record) {
                const ops::PrinterRun one =
                    device->applyProfile(session, printers.at(i), *wanted, dryRun, !dryRun, &stop);
                *record = QVariant::fromValue(one);
                return one.outcome;
            });
        connect(run, &jobs::FleetRun::printerFinished, this, [this, run, dryRun](int i) {
            if (resultOfCancelled(*run, i))
                return;
            const ops::PrinterRun o = ops::runOf(*run, i);
            if (!dryRun)
                m_journal->applied(run->key(i), o);
            QString text;
            if (o.outcome.code == ops::Code::Differs)
                text = tr("校验不符 %1 项").arg(o.details.notVerified.size());
            else if (!o.outcome.ok())
                text = tr("失败：%1").arg(o.outcome.sentence);
            else if (dryRun)
                text = tr("%1 项不同").arg(o.details.differences.size());
            else
                text = tr("已写入 %1 项").arg(o.details.written.size());
            m_model->setResult(run->key(i), text, !o.outcome.ok(),
                               dryRun && o.outcome.ok() ? differenceLines(o.details.differences)
                                                        : QString());
        });
        if (!dryRun) // the dry run sends nothing: the stages are the writes'
            stage(run, printers, [this, path](const QList<fleet::Address> &again) {
                applyProfileTo(again, path);
            });
        beginWork([run] { run->cancel(); });
        return run;
    };
    jobs::FleetRun *dry = start(true);
    connect(dry, &jobs::FleetRun::finished, this, [this, dry, printers, start] {
        dry->deleteLater();
        if (dry->isCancelled()) {
            endWork();
            return;
        }
        int differing = 0;
        int settings = 0;
        QString perPrinter;
        for (int i = 0; i < dry->total(); ++i) {
            const ops::PrinterRun o = ops::runOf(*dry, i);
            const bool ok = o.outcome.ok();
            differing += ok && !o.details.differences.isEmpty() ? 1 : 0;
            settings += ok ? o.details.differences.size() : 0;
            if (ok && !o.details.differences.isEmpty())
                perPrinter +=
                    QStringLiteral("\n\n%1\n%2")
                        .arg(printers.at(i).key(), differenceLines(o.details.differences));
        }
        endWork();
        if (differing == 0) {
            prompts::information(this, tr("应用配置"), tr("没有需要写入的设置。"));
            return;
        }
        if (!prompts::confirm(
                this, tr("应用配置"),
                tr("%1 台打印机共 %2 项设置与配置不同：").arg(differing).arg(settings) +
                    perPrinter + QStringLiteral("\n\n") + tr("写入并校验？"),
                tr("写入")))
            return;
        jobs::FleetRun *write = start(false);
        connect(write, &jobs::FleetRun::finished, this, [this, write] {
            write->deleteLater();
            endWork();
        });
        write->start();
    });
    dry->start();
}

void FleetWindow::checkDrift()
{
    const QString path = prompts::openFileName(this, tr("检查偏差"), m_driftProfile,
                                               tr("配置文件 (*.json);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    profile::Profile wanted;
    QFile file(path);
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !profile::parse(file.readAll(), &wanted, &error) ||
        !profileapply::check(wanted, &error)) {
        prompts::warning(this, tr("检查偏差"), tr("无法使用 %1：%2").arg(path, error));
        return;
    }
    m_driftProfile = path;
    m_table->setColumnHidden(fleet::FleetModel::DriftColumn, false);
    // Read in the background beside the polls, each printer when no one else talks to it.
    m_drift->setPrinters(m_model->addresses(), wanted);
    m_drift->setLimit(m_jobs->value());
    m_drift->checkNow();
}

void FleetWindow::showDrift(const fleet::Address &address, const fleet::drift::Result &r)
{
    QStringList lines;
    for (const profile::Difference &d : r.differences)
        lines << (fleet::drift::isSecret(d) ? tr("%1：不同").arg(settingName(d))
                                            : differenceLines({d}));
    m_model->setDrift(address.key(),
                      r.checked ? QString::number(r.differences.size()) : tr("无法读取"),
                      r.checked ? lines.join(QLatin1Char('\n')) : r.outcome.sentence);
}

void FleetWindow::download(bool firmware)
{
    const QList<fleet::Address> printers = selected();
    const QString path = prompts::openFileName(this, firmware ? tr("下载固件") : tr("下载字库"),
                                               QString(), tr("所有文件 (*)"));
    if (!path.isEmpty())
        downloadTo(firmware, printers, path);
}

void FleetWindow::downloadTo(bool firmware, const QList<fleet::Address> &printers,
                             const QString &path)
{
    fleet::rollout::Options options;
    options.firmware = firmware;
    options.jobs = m_jobs->value();
    options.expectVersion = firmware ? m_expect->text().trimmed() : QString();
    // A firmware restarts every printer and cannot be taken back: asked first, with what
    // is sent, to how many and what should come back.
    const QString file = QDir::toNativeSeparators(path);
    const QString question =
        !firmware ? tr("把字库 %1 下载到 %2 台打印机？").arg(file).arg(printers.size())
        : options.expectVersion.isEmpty()
            ? tr("把固件 %1 下载到 %2 台打印机？打印机将重新启动；未填写期望版本，不核对版本。")
                  .arg(file)
                  .arg(printers.size())
            : tr("把固件 %1 下载到 %2 台打印机？打印机将重新启动，之后应为版本 %3。")
                  .arg(file)
                  .arg(printers.size())
                  .arg(options.expectVersion);
    if (!prompts::confirm(this, firmware ? tr("下载固件") : tr("下载字库"), question, tr("下载")))
        return;
    for (const fleet::Address &a : printers)
        m_model->setResult(a.key(), tr("等待中"));
    // The file is decrypted on a worker too: a firmware takes a moment.
    auto plain = std::make_shared<PlainCopy>();
    auto decrypted = std::make_shared<bool>(false);
    auto cancelled = std::make_shared<bool>(false);
    QPointer<jobs::Job> decrypting =
        m_pool->submit(tr("解密"), [path, firmware, plain, decrypted](jobs::Context &) {
            QString why;
            *decrypted = fleet::rollout::decrypt(path, firmware, plain.get(), &why);
            return ops::Outcome();
        });
    beginWork([this, decrypting, cancelled] {
        *cancelled = true;
        if (decrypting)
            m_pool->cancel(decrypting);
    });
    connect(
        decrypting, &jobs::Job::finished, this,
        [this, printers, options, plain, decrypted, cancelled, firmware, path] {
            if (*cancelled || !*decrypted) {
                plain->remove();
                for (const fleet::Address &a : printers)
                    m_model->setResult(
                        a.key(), *cancelled ? tr("已取消：未开始") : tr("无法解密文件"), true);
                endWork();
                return;
            }
            m_plain = *plain;
            m_journal->rollingOut(path);
            jobs::FleetRun *run =
                fleet::rollout::start(*m_pool, m_device, m_gate, printers, m_plain, options, this);
            m_cancel = [run] { run->cancel(); };
            stage(run, printers, [this, firmware, path](const QList<fleet::Address> &again) {
                downloadTo(firmware, again, path);
            });
            connect(run, &jobs::FleetRun::progressed, this, &FleetWindow::showProgress);
            connect(run, &jobs::FleetRun::printerProgressed, this, [this, run](int i, int percent) {
                m_model->setResult(run->key(i), tr("%1 %").arg(percent));
            });
            connect(run, &jobs::FleetRun::printerFinished, this, [this, run, printers](int i) {
                const fleet::rollout::Result r = fleet::rollout::resultOf(*run, i, printers.at(i));
                m_journal->rolledOut(r);
                if (r.state != fleet::rollout::Result::State::Finished &&
                    resultOfCancelled(*run, i))
                    return;
                QString text;
                switch (r.code) {
                case fleet::rollout::Ok:
                    text = r.versionAfter.isEmpty()
                               ? tr("成功")
                               : tr("成功：%1 → %2").arg(r.versionBefore, r.versionAfter);
                    break;
                case fleet::rollout::Mismatch:
                    text = tr("版本不符：%1").arg(r.versionAfter);
                    break;
                case fleet::rollout::Unchanged:
                    text = tr("版本未变：%1").arg(r.versionAfter);
                    break;
                case fleet::rollout::NoPrinter:
                    text = tr("失败：无法连接");
                    break;
                case fleet::rollout::Failed:
                    text = tr("失败：传输中断");
                    break;
                }
                m_model->setResult(r.address.key(), text, r.code != fleet::rollout::Ok);
            });
            connect(run, &jobs::FleetRun::finished, this, [this, run] {
                run->deleteLater();
                m_plain.remove();
                m_plain = PlainCopy();
                endWork();
            });
            run->start();
        });
}

void FleetWindow::selfTest()
{
    const QList<fleet::Address> printers = selected();
    const std::shared_ptr<fleet::Device> device = m_device;
    jobs::FleetRun *run =
        startRun(printers, [printers, device](int i, PrinterSession &session,
                                              const std::atomic<bool> &, QVariant *) {
            return device->runFunction(session, printers.at(i), QStringLiteral("selfTest"));
        });
    connect(run, &jobs::FleetRun::printerFinished, this, [this, run](int i) {
        if (resultOfCancelled(*run, i))
            return;
        const ops::Outcome &sent = run->outcome(i);
        m_model->setResult(run->key(i),
                           sent.ok() ? tr("已发送自检") : tr("失败：%1").arg(sent.sentence),
                           !sent.ok());
    });
    connect(run, &jobs::FleetRun::finished, this, [this, run] {
        run->deleteLater();
        endWork();
    });
    beginWork([run] { run->cancel(); });
    run->start();
}

void FleetWindow::exportInventory()
{
    const QString path = prompts::saveFileName(this, tr("导出清单"),
                                               prompts::inDocuments(QStringLiteral("printers.csv")),
                                               tr("CSV 文件 (*.csv);;JSON 文件 (*.json)"));
    if (path.isEmpty())
        return;
    QList<fleet::inventory::Entry> entries;
    for (int row = 0; row < m_model->rowCount(); ++row)
        entries.append({m_model->address(row), m_model->reading(row)});
    const QByteArray bytes = path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                                 ? QJsonDocument(fleet::inventory::json(entries)).toJson()
                                 : fleet::inventory::csv(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        prompts::warning(this, tr("导出清单"), tr("无法写入 %1").arg(path));
}

void FleetWindow::buildStages(QBoxLayout *layout)
{
    // A row of its own: the options row is as wide as the smallest screen allows.
    auto *options = new QHBoxLayout;
    layout->addLayout(options);
    m_canaryLabel = new QLabel(this);
    m_canary = new QSpinBox(this);
    m_canary->setObjectName(QStringLiteral("fleetCanary"));
    m_canary->setRange(0, 999);
    m_canaryLabel->setBuddy(m_canary);
    m_resume = button("fleetResume", this);
    options->addWidget(m_canaryLabel);
    options->addWidget(m_canary);
    options->addWidget(m_resume);
    options->addStretch(1);
    connect(m_resume, &QPushButton::clicked, this, &FleetWindow::resume);
}

void FleetWindow::retranslateStages()
{
    m_canaryLabel->setText(tr("先试 N 台"));
    m_canary->setSpecialValueText(tr("关"));
    m_resume->setText(tr("继续未完成的"));
}

void FleetWindow::stage(jobs::FleetRun *run, const QList<fleet::Address> &printers,
                        const std::function<void(const QList<fleet::Address> &)> &rerun)
{
    run->setStages(m_canary->value(), 0);
    m_unfinished.clear();
    m_rerun = nullptr;
    // Connected first: the list is known when the window's own end of the run is told.
    connect(run, &jobs::FleetRun::finished, this, [this, run, printers, rerun] {
        QList<fleet::Address> unfinished;
        for (int i = 0; i < run->total(); ++i) {
            if (run->state(i) != jobs::FleetRun::State::Done || !run->outcome(i).ok())
                unfinished << printers.at(i);
        }
        m_unfinished = unfinished;
        m_rerun = rerun;
        updateButtons();
    });
}

void FleetWindow::resume()
{
    if (!m_rerun || m_unfinished.isEmpty())
        return;
    const auto rerun = m_rerun;
    rerun(m_unfinished);
}
