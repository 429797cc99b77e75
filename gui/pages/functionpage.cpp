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
#include <QThread>

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
                m_host.reportResult(runCommand(name));
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

int FunctionPage::runCommand(const QString &name)
{
    const BusyCursor busy;
    return ops::runFunction(m_session, name).result;
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
    functioncommands::PrinterInformation info;
    const int ret = functioncommands::readInformation(m_session, &info);
    if (info.firmware)
        ui->textBrowser_Ver->setText(*info.firmware);
    if (info.dotsPerInch)
        ui->textBrowser_DPI->setText(QString::number(*info.dotsPerInch));
    if (info.maxWidthMm)
        ui->textBrowser_MaxPaperWidth->setText(QString::number(*info.maxWidthMm));
    if (info.model)
        ui->textBrowser_Model->setText(*info.model);
    m_host.setControlsEnabled(true);
    m_host.reportResult(ret);
}

void FunctionPage::on_pushButton_GetPrinterStatus_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    quint32 word = 0;
    int ret;
    {
        const BusyCursor busy;
        const PrinterSession::Operation operation(m_session);
        ret = m_session.readStatusWord(&word);
    }
    qDebug("%02X", word);
    qDebug("ret = %d", ret);
    QString text;
    if (ret != 0) {
        text = tr("请确保打印机已进行连接");
    } else {
        text = checkPrinterStatus(word);
        if (text.isEmpty())
            text = tr("空闲中");
    }
    ui->label_PrinterStatusText->setText(text.trimmed());
    m_host.showLastResult(text);
    prompts::information(m_host.dialogParent(), tr("设置工具"), text);
}

void FunctionPage::closeAfterRestart(bool restarted)
{
    const bool network = m_session.medium() == MEDIUM_NETWORK;
    m_session.close();
    // The printer drops its side meanwhile; a restart takes longer.
    if (network)
        QThread::msleep(restarted ? 500 : 10);
    emit printerClosed(restarted);
}

void FunctionPage::on_pushButton_Reboot_clicked()
{
    if (!m_host.requireOpenDevice())
        return;
    const int ret = runCommand(QStringLiteral("restart"));
    if (ret == RESULT_OK)
        closeAfterRestart(true);
    m_host.reportResult(ret);
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
    const int ret = runCommand(QStringLiteral("initialise"));
    if (m_host.reportResult(ret) == 0 && ret == RESULT_OK)
        closeAfterRestart(false);
}
