#include "app/demomode.h"

#include "app/mainwindow.h"
#include "sim/simprinter.h"
#include "ui_mainwindow.h"

namespace {
PrinterConfig demoConfig()
{
    PrinterConfig config = PrinterConfig::defaults();
    // The list entry reads "Simulated Label [K53TA Simulator] {127.0.0.1}".
    if (config.identity.size() >= 3) {
        config.identity[1] = QStringLiteral("K53TA Simulator");
        config.identity[2] = QStringLiteral(
            "MFG:Simulated Label;CMD:TSPL,ZPL,CPCL,EPL,DPL;MDL:K53TA Simulator;CLS:PRINTER;");
    }
    return config;
}
} // namespace

DemoPrinter::DemoPrinter() = default;
DemoPrinter::~DemoPrinter() = default;

bool DemoPrinter::requested(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--demo"));
}

bool DemoPrinter::start(QString *error)
{
    m_printer = std::make_unique<SimPrinter>(demoConfig());
    m_printer->setTcpAddress(QHostAddress::LocalHost);
    m_printer->setUdpEnabled(false);
    m_printer->setTcpPort(9100);
    if (m_printer->start())
        return true;
    m_printer->setTcpPort(0);
    return m_printer->start(error);
}

QString DemoPrinter::address() const
{
    return QStringLiteral("127.0.0.1");
}

quint16 DemoPrinter::port() const
{
    return m_printer ? m_printer->tcpPort() : 0;
}

void DemoPrinter::prepareWindow(MainWindow &window) const
{
    window.ui->checkBox_WIFI->click();
    window.ui->lineEdit_ConnectAddr->setText(address());
    window.ui->lineEdit_ConnectTCPPort->setText(QString::number(port()));
}
