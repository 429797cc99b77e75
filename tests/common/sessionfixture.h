#pragma once

#include "messagerecorder.h"
#include "sim/simprinter.h"
#include "testpagehost.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHostAddress>
#include <QStringList>
#include <memory>

// A printer session open over TCP to a simulated printer on 127.0.0.1, a stand-in
// host for the page under test and a recorder for its message boxes.
struct SessionFixture
{
    std::unique_ptr<SimPrinter> printer;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<PrinterSession> session;
    std::unique_ptr<TestPageHost> host;

    static PrinterConfig configFor(const QString &model)
    {
        PrinterConfig config = PrinterConfig::defaults();
        config.identity =
            QStringList{"V1", model, "MFG:Label;CMD:TSPL;MDL:" + model + ';', "P", "SN1"};
        return config;
    }

    // Starts the printer and opens the session to it; `dotsPerMm` and `printMode` are
    // what the connection panel would have set for the model.
    bool start(const PrinterConfig &config = configFor(QStringLiteral("P1")), int dotsPerMm = 8,
               bool printMode = false)
    {
        printer = std::make_unique<SimPrinter>(config);
        printer->setTcpAddress(QHostAddress::LocalHost);
        printer->setTcpPort(0);
        printer->setUdpEnabled(false);
        if (!printer->start())
            return false;
        recorder = std::make_unique<MessageRecorder>();
        session = std::make_unique<PrinterSession>();
        host = std::make_unique<TestPageHost>(session.get());
        if (session->openNetwork(QStringLiteral("127.0.0.1"), printer->tcpPort()) != 0)
            return false;
        session->setDotsPerMm(dotsPerMm);
        session->setHasPrintMode(printMode);
        printer->clearRecords();
        return true;
    }

    ~SessionFixture()
    {
        session.reset();
        host.reset();
        recorder.reset();
        if (printer)
            printer->stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
