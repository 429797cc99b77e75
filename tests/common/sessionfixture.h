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
    std::unique_ptr<PrinterSession> ownSession;
    std::unique_ptr<TestPageHost> host;
    // With `jobs` set before start(), the host's worker's session, opened on the worker,
    // for pages that start jobs; else one of the fixture's own.
    PrinterSession *session = nullptr;
    bool jobs = false;

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
        if (jobs) {
            host = std::make_unique<TestPageHost>();
            session = host->session;
        } else {
            ownSession = std::make_unique<PrinterSession>();
            session = ownSession.get();
            host = std::make_unique<TestPageHost>(session);
        }
        const quint16 port = printer->tcpPort();
        const auto open = [port](PrinterSession &s) {
            return s.openNetwork(QStringLiteral("127.0.0.1"), port);
        };
        if ((jobs ? host->runOnWorker(open) : open(*session)) != 0)
            return false;
        session->setDotsPerMm(dotsPerMm);
        session->setHasPrintMode(printMode);
        printer->clearRecords();
        return true;
    }

    ~SessionFixture()
    {
        ownSession.reset();
        host.reset();
        recorder.reset();
        if (printer)
            printer->stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
