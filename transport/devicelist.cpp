// The device list: searching, opening and closing a printer, and adapting the
// pages to the opened model.
#include "app/mainwindow.h"

#include "app/prompts.h"
#include "protocol/printersession.h"
#include "transport/discovery.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <QThread>

namespace {

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

void MainWindow::on_pushButton_getList_clicked()
{
    ui->progressBar_Scan->setValue(0);
    ui->pushButton_getList->setEnabled(false);
    ui->comboBox_ScanResult->setEnabled(false);
    ui->pushButton_StopList->setEnabled(true);
    ui->comboBox_ScanResult->clear();
    QCoreApplication::processEvents();

    int result = -1;
    if (m_session->medium() == MEDIUM_NETWORK && ui->checkBox_WIFI->isChecked())
        result = m_discovery->probe(ui->lineEdit_ConnectAddr->text(),
                                    ui->lineEdit_ConnectTCPPort->text().toUShort());
    else if (m_session->medium() == MEDIUM_NETWORK)
        result = m_discovery->searchNetwork(ui->lineEdit_ConnectUDPPort->text().toUShort());
    else if (m_session->medium() == MEDIUM_USB)
        result = m_discovery->listUsb();

    ui->progressBar_Scan->setValue(100);
    QCoreApplication::processEvents();
    m_discovery->stop();
    ui->comboBox_ScanResult->setEnabled(true);
    ui->pushButton_getList->setEnabled(true);
    ui->pushButton_StopList->setEnabled(false);
    QCoreApplication::processEvents();

    if (result == 0)
        prompts::information(this, tr("设置工具"), tr("请确保通讯设备已开启"));
}

void MainWindow::on_pushButton_StopList_clicked()
{
    m_discovery->stop();
    ui->pushButton_getList->setEnabled(true);
    ui->comboBox_ScanResult->setEnabled(true);
    ui->pushButton_StopList->setEnabled(false);
    QCoreApplication::processEvents();
}

void MainWindow::on_pushButton_open_clicked()
{
    if (ui->comboBox_ScanResult->count() == 0 || ui->comboBox_ScanResult->currentIndex() < 0) {
        prompts::information(this, tr("设置工具"), tr("请先选中打印列表中的打印机"));
        return;
    }
    const QString text = ui->comboBox_ScanResult->currentText();

    int ret = -1;
    centralWidget()->setEnabled(false);
    if (m_session->medium() == MEDIUM_NETWORK)
        ret = m_session->openNetwork(addressOfEntry(text),
                                     ui->lineEdit_ConnectTCPPort->text().toUShort());
    else if (m_session->medium() == MEDIUM_USB)
        ret = m_session->openUsb(usbPortOfEntry(text));
    centralWidget()->setEnabled(true);
    if (ret != 0) {
        prompts::critical(this, tr("错误"), tr("连接超时，请重试！"));
        return;
    }

    prompts::information(this, tr("设置工具"), tr("连接成功！"));
    m_session->adoptModel(text);
    ui->label_17->setText(m_session->dotsPerMm() == 12 ? tr("注：1mm = 12dot")
                                                       : tr("注：1mm = 8dot"));
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_getList, ui->checkBox_USB, ui->checkBox_NET, ui->checkBox_BLE,
             ui->checkBox_WIFI, ui->checkBox_Serialport, ui->comboBox_ScanResult,
             ui->pushButton_open})
        w->setEnabled(false);
    ui->pushButton_close->setEnabled(true);
    selectedItem();
}

void MainWindow::selectedItem()
{
    // Another printer: its WiFi mode is not known until it is read or set.
    savedWifiMode = -1;

    const bool settingsAllowed = m_session->settingsAllowed();
    ui->tabWidget_2->setTabEnabled(1, settingsAllowed);
    ui->tabWidget_2->setTabEnabled(0, settingsAllowed);
    ui->pushButton_DownloadFL->setEnabled(settingsAllowed);

    const bool printMode = m_session->hasPrintMode();
    ui->toolBox_PrinterSetting->setItemEnabled(6, printMode);
    // moves to the pages
    ui->comboBox_PrintSpeed->clear();
    ui->comboBox_PrintMode->setEnabled(printMode);
    ui->label_41->setEnabled(printMode);
    ui->comboBox_AutoPaper->setEnabled(!printMode);
    ui->label_28->setEnabled(!printMode);
    const int speeds = printMode ? 8 : 4;
    for (int i = 0; i < speeds; ++i)
        ui->comboBox_PrintSpeed->addItem(QString::number(i));

    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushButton_WifiSettingSet, ui->pushButton_PrintSettingSet,
             ui->pushButton_BleSettingSet, ui->pushButton_NetportSettingSet,
             ui->pushButton_ComSettingSet, ui->pushButton_DistanceSettingSet,
             ui->pushButton_StripperSettingSet})
        w->setEnabled(false);
}

void MainWindow::on_pushButton_close_clicked(bool openDebug)
{
    const bool network = m_session->medium() == MEDIUM_NETWORK;
    centralWidget()->setEnabled(false);
    m_session->close();
    centralWidget()->setEnabled(true);
    if (network)
        QThread::msleep(10);
    resetConnectionPanel();
    if (openDebug)
        prompts::information(this, tr("设置工具"), tr("关闭成功！"));
}
