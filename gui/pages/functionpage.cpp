#include "gui/pages/functionpage.h"

#include "gui/widgets/busycursor.h"
#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "device/operations/functioncommands.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/statusword.h"
#include "device/link/printersession.h"
#include "ui_functionpage.h"

#include <QApplication>
#include <QDebug>
#include <memory>

FunctionPage::FunctionPage(PrinterSession &session, PageHost &host, QWidget *parent)
    : QWidget(parent), ui(new Ui::FunctionPage), m_session(session), m_host(host)
{
    ui->setupUi(this);
    // Buttons that send one command and report it.
    const std::pair<QAbstractButton *, const char *> commands[] = {
        {ui->pushButton_SelfCheck, "selfTest"},
        {ui->pushButton_SeamLrn, "gapLearn"},
        {ui->pushButton_BlackLableLrn, "blackMarkLearn"},
        {ui->pushButton_DACLrn, "dacLearn"},
        {ui->pushButton_OutietLrn, "outletLearn"},
        {ui->pushButton_NopaperLrn, "paperOutLearn"},
        {ui->pushButton_AllCut, "fullCut"},
        {ui->pushButton_HalfCut, "cutterOff"},
        {ui->pushButton_StripMode, "stripMode"},
        {ui->pushButton_TearMode, "tearMode"},
        {ui->pushButton_KeySettingOpen, "keysOn"},
        {ui->pushButton_KeySettingClose, "keysOff"},
        {ui->pushButton_BuzzerOpen, "buzzerOn"},
        {ui->pushButton_BuzzerClose, "buzzerOff"},
    };
    for (const auto &command : commands) {
        const QString name = QLatin1String(command.second);
        connect(command.first, &QAbstractButton::clicked, this, [this, name] {
            if (m_host.requireOpenDevice())
                runCommand(name, [this](int ret) { m_host.reportResult(ret); });
        });
    }
}

FunctionPage::~FunctionPage()
{
    delete ui;
}

QWidget *FunctionPage::infoButton() const
{
    return ui->pushButton_getPrinterInfo;
}

void FunctionPage::runJob(const QString &title, jobs::Body body,
                          std::function<void(const ops::Outcome &)> after)
{
    auto busy = std::make_shared<BusyCursor>();
    jobs::Job *job = m_host.startJob(title, std::move(body));
    connect(job, &jobs::Job::finished, this,
            [busy, after = std::move(after)](const ops::Outcome &outcome) mutable {
                busy.reset();
                after(outcome);
            });
}

void FunctionPage::runCommand(const QString &name, std::function<void(int result)> after,
                              bool closeAfter, bool restarted)
{
    runJob(
        name,
        [name, closeAfter, restarted](jobs::Context &context) {
            PrinterSession &session = context.session();
            ops::Outcome outcome = ops::runFunction(session, name);
            if (closeAfter && outcome.result == RESULT_OK)
                functioncommands::closeAfterRestart(session, restarted);
            return outcome;
        },
        [this, name, after = std::move(after)](const ops::Outcome &outcome) {
            journal::Entry entry;
            entry.functions << name;
            m_host.recordChange(entry, outcome);
            after(outcome.result);
        });
}

void FunctionPage::on_pushButton_getPrinterInfo_clicked()
{
    if (m_host.printerInUse())
        return;
    if (!m_host.isDeviceOpen()) {
        prompts::critical(m_host.dialogParent(), tr("设置工具"), tr("设备未打开!"));
        return;
    }
    m_host.setControlsEnabled(false);
    const auto info = std::make_shared<functioncommands::PrinterInformation>();
    jobs::Job *job = m_host.startJob(tr("读取打印机信息"), [info](jobs::Context &context) {
        ops::Outcome outcome;
        outcome.result = functioncommands::readInformation(context.session(), info.get());
        return outcome;
    });
    connect(job, &jobs::Job::finished, this, [this, info](const ops::Outcome &outcome) {
        if (info->firmware)
            ui->textBrowser_Ver->setText(*info->firmware);
        if (info->dotsPerInch)
            ui->textBrowser_DPI->setText(QString::number(*info->dotsPerInch));
        if (info->maxWidthMm)
            ui->textBrowser_MaxPaperWidth->setText(QString::number(*info->maxWidthMm));
        if (info->model)
            ui->textBrowser_Model->setText(*info->model);
        m_host.setControlsEnabled(true);
        m_host.reportResult(outcome.result);
    });
}

void FunctionPage::on_pushButton_GetPrinterStatus_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const auto word = std::make_shared<quint32>(0);
    runJob(
        tr("读取打印机状态"),
        [word](jobs::Context &context) {
            const PrinterSession::Operation operation(context.session());
            ops::Outcome outcome;
            outcome.result = context.session().readStatusWord(word.get());
            return outcome;
        },
        [this, word](const ops::Outcome &outcome) {
            const int ret = outcome.result;
            qDebug("%02X", *word);
            qDebug("ret = %d", ret);
            QString text;
            if (ret != 0) {
                text = tr("请确保打印机已进行连接");
            } else {
                text = checkPrinterStatus(*word);
                if (text.isEmpty())
                    text = tr("空闲中");
            }
            ui->label_PrinterStatusText->setText(text.trimmed());
            m_host.showLastResult(text);
            prompts::information(m_host.dialogParent(), tr("设置工具"), text);
        });
}

void FunctionPage::on_pushButton_Reboot_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    runCommand(
        QStringLiteral("restart"),
        [this](int ret) {
            if (ret == RESULT_OK)
                emit printerClosed(true);
            m_host.reportResult(ret);
        },
        true, true);
}

void FunctionPage::on_pushButton_PrinterInit_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    // Initialisation erases what the printer stores; nothing is sent without consent.
    if (!prompts::confirm(
            m_host.dialogParent(), tr("打印机初始化"),
            tr("打印机将恢复出厂设置：已保存的打印、距离、网络、蓝牙和串口设置都会被清除，"
               "之后连接会关闭。\n确定要初始化打印机吗？"),
            tr("初始化")))
        return;
    // The connection is closed on the worker once the command went out; the window
    // follows after the result's box.
    runCommand(
        QStringLiteral("initialise"),
        [this](int ret) {
            if (m_host.reportResult(ret) == 0 && ret == RESULT_OK)
                emit printerClosed(false);
        },
        true, false);
}
