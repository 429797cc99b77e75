#pragma once

#include "sim/simprinter.h"

#include <memory>

// A simulated network printer for the fleet tests at a chosen loopback address and port
// (0: a free one), with a status word and the firmware-restart switch; none when it could
// not start.
inline std::unique_ptr<SimPrinter> startFleetPrinter(const QString &address, quint16 port,
                                                     quint32 word = 0,
                                                     const QString &firmwareRestart = QString(),
                                                     int restartMs = 300)
{
    PrinterConfig config = PrinterConfig::defaults();
    config.statusWord = word;
    config.firmwareRestart = firmwareRestart;
    config.restartMs = restartMs;
    auto p = std::make_unique<SimPrinter>(config);
    p->setTcpAddress(QHostAddress(address));
    p->setTcpPort(port);
    p->setUdpEnabled(false);
    return p->start() ? std::move(p) : nullptr;
}
