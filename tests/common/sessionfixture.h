#pragma once

#include "idlewait.h"
#include "messagerecorder.h"
#include "sim/simprinter.h"
#include "testpagehost.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHostAddress>
#include <QStringList>
#include <functional>
#include <memory>

// A printer session open over TCP to a simulated printer on 127.0.0.1, a stand-in
// host for the page under test and a recorder for its message boxes. The session is the
// host's worker's, so that the page's jobs talk to the printer; the simulated printer
// answers on the test's own thread.
struct SessionFixture
{
    std::unique_ptr<SimPrinter> printer;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TestPageHost> host;
    PrinterSession *session = nullptr; // the host's worker's

    // Runs `work` on the session's worker and waits for it; false when it did not end
    // within `ms`.
    bool onWorker(const std::function<void(PrinterSession &)> &work, int ms = 20000)
    {
        jobs::Job *job = host->worker.submit(QStringLiteral("test"), [work](jobs::Context &c) {
            work(c.session());
            return ops::Outcome();
        });
        bool done = false;
        QObject::connect(job, &jobs::Job::finished, [&done] { done = true; });
        return QTest::qWaitFor([&done] { return done; }, ms);
    }

    // Waits until the host's jobs have finished.
    bool settle(int ms = 20000) { return waitIdle(&host->worker, ms); }

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
        host = std::make_unique<TestPageHost>();
        session = host->session;
        // The link is made on the worker, whose thread then turns its socket.
        const quint16 port = printer->tcpPort();
        if (host->runOnWorker([port](PrinterSession &s) {
                return s.openNetwork(QStringLiteral("127.0.0.1"), port);
            }) != 0)
            return false;
        session->setDotsPerMm(dotsPerMm);
        session->setHasPrintMode(printMode);
        printer->clearRecords();
        return true;
    }

    ~SessionFixture()
    {
        session = nullptr;
        host.reset();
        recorder.reset();
        if (printer)
            printer->stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
