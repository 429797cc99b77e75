#include "gui/shell/demomode.h"

#include "gui/shell/mainwindow.h"
#include "core/protocol/frame.h"
#include "core/protocol/ports.h"
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
    m_printer->setTcpPort(ports::kCommand);
    if (!m_printer->start()) {
        m_printer->setTcpPort(0);
        if (!m_printer->start(error))
            return false;
    }
    keepSettingsOnLoopback();
    return true;
}

void DemoPrinter::keepSettingsOnLoopback()
{
    // The WiFi and Ethernet pages copy the printer's own address and port into the
    // connection fields after a write; in the demo they must lead back to loopback.
    const QByteArray loopback = QByteArray::fromHex("7F000001");
    const QByteArray mask = QByteArray::fromHex("FF000000");
    const QByteArray port = frame::le16(this->port());
    // Mode, address, gateway, mask, DNS (answer order).
    m_printer->setValue(0x28, QByteArray(1, '\0') + loopback + loopback + mask + loopback);
    // Access point name, password and address.
    const char nul = '\0';
    m_printer->setValue(0x27, QByteArray("Demo-AP") + nul + "demo1234" + nul + "127.0.0.1" + nul);
    m_printer->setValue(0x29, port);
    // Ethernet: mode, address, mask, gateway; then the TCP and UDP ports.
    m_printer->setValue(0x0D, QByteArray(1, '\0') + loopback + mask + loopback);
    m_printer->setValue(0x0F, port + frame::le16(ports::kDiscovery));
}

QByteArray DemoPrinter::storedValue(quint8 item) const
{
    return m_printer ? m_printer->value(item) : QByteArray();
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
    window.connectionPanel().chooseWirelessNetwork();
    window.connectionPanel().setConnectAddress(address());
    window.connectionPanel().setTcpPort(QString::number(port()));
}
