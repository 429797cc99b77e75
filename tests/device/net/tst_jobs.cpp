// Printer work as jobs against simulated printers on 127.0.0.1: one printer's jobs never
// interleave their frames, a cancel stops at a frame boundary and says what was done, and
// a pool never talks to more printers at once than it is allowed.
#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "device/jobs/printerworker.h"
#include "device/link/printersession.h"
#include "sim/simprinter.h"

#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <memory>

Q_DECLARE_METATYPE(QList<quint8>)

namespace {

std::unique_ptr<SimPrinter> startPrinter(int replyDelayMs = 0)
{
    auto printer = std::make_unique<SimPrinter>(PrinterConfig::defaults());
    printer->setTcpPort(0);
    printer->setUdpEnabled(false);
    PrinterFaults faults;
    faults.replyDelayMs = replyDelayMs;
    printer->setFaults(faults);
    return printer->start() ? std::move(printer) : nullptr;
}

// Opens the printer and asks `items` in turn, saying after each how far it got; the
// first failure ends it, with the items answered in `written`.
jobs::Body askInTurn(quint16 port, const QList<quint8> &items,
                     const std::function<void(int)> &afterEach = {})
{
    return [port, items, afterEach](jobs::Context &context) {
        PrinterSession &session = context.session();
        ops::Outcome outcome;
        outcome.result = session.openNetwork(QStringLiteral("127.0.0.1"), port);
        if (outcome.result != RESULT_OK) {
            outcome.code = ops::Code::NotConnected;
            return outcome;
        }
        const PrinterSession::Operation operation(session);
        for (int i = 0; i < items.size(); ++i) {
            unsigned char out[frame::kQueryOutSize];
            outcome.result = session.queryInfo(SetInfoType(items.at(i)), out);
            if (outcome.result != RESULT_OK) {
                outcome.code = ops::Code::NoAnswer;
                for (int j = i; j < items.size(); ++j)
                    outcome.notAttempted << QString::number(items.at(j));
                return outcome;
            }
            outcome.written << QString::number(items.at(i));
            context.progress(i + 1, items.size());
            if (afterEach)
                afterEach(i + 1);
        }
        return outcome;
    };
}

QList<quint8> itemsSeen(const SimPrinter &printer)
{
    QList<quint8> items;
    for (const ReceivedFrame &f : printer.receivedFrames())
        items << f.item;
    return items;
}

ops::Outcome waitFinished(jobs::Job *job)
{
    ops::Outcome outcome;
    bool done = false;
    QObject::connect(job, &jobs::Job::finished, [&](const ops::Outcome &o) {
        outcome = o;
        done = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 20000); }();
    return outcome;
}

const QList<quint8> kFirst{INFO_PRINT_SPEED, INFO_CODE_PAGE, INFO_COMMAND_SET};
const QList<quint8> kSecond{INFO_PRINT_DENSITY, INFO_PAPER_TYPE, INFO_LABEL_SIZE};

} // namespace

class TestJobs : public QObject
{
    Q_OBJECT

private slots:
    // Two jobs for one printer, submitted together: the second one's frames all follow the
    // first one's, and it starts only once the first has finished.
    void onePrintersJobsNeverInterleave()
    {
        const auto printer = startPrinter(30);
        QVERIFY(printer);
        jobs::PrinterWorker worker;
        QSignalSpy busy(&worker, &jobs::PrinterWorker::busyChanged);
        jobs::Job *first =
            worker.submit(QStringLiteral("first"), askInTurn(printer->tcpPort(), kFirst));
        jobs::Job *second =
            worker.submit(QStringLiteral("second"), askInTurn(printer->tcpPort(), kSecond));
        bool firstDone = false;
        bool secondStartedAfter = false;
        connect(first, &jobs::Job::finished, this, [&] { firstDone = true; });
        connect(second, &jobs::Job::started, this, [&] { secondStartedAfter = firstDone; });
        QVERIFY(worker.busy());
        QVERIFY(waitFinished(second).ok());
        QVERIFY(secondStartedAfter);
        QCOMPARE(itemsSeen(*printer), kFirst + kSecond);
        QTRY_VERIFY(!worker.busy());
        QCOMPARE(busy.count(), 2); // on once, off once
    }

    // A cancel at each stage: nothing of the job sent when it was still queued; after
    // that, the frames already answered stay done and nothing more is sent.
    void cancelStopsAtAFrameBoundary_data()
    {
        QTest::addColumn<int>("cancelAfter"); // items answered when cancel comes; -1 queued
        QTest::addColumn<int>("framesSent");
        QTest::newRow("while queued") << -1 << 0;
        QTest::newRow("after the first frame") << 1 << 1;
        QTest::newRow("after the second frame") << 2 << 2;
    }
    void cancelStopsAtAFrameBoundary()
    {
        QFETCH(int, cancelAfter);
        QFETCH(int, framesSent);
        const auto printer = startPrinter();
        QVERIFY(printer);
        jobs::PrinterWorker worker;
        std::atomic<jobs::Job *> self{nullptr};
        const QList<quint8> items = kFirst + kSecond;
        // The cancel comes from the worker's side, right after an answer: the next
        // exchange is the boundary it must stop at.
        jobs::Job *job = worker.submit(QStringLiteral("read"),
                                       askInTurn(printer->tcpPort(), items, [&](int answered) {
                                           if (answered == cancelAfter)
                                               self.load()->cancel();
                                       }));
        self = job;
        if (cancelAfter < 0)
            job->cancel();
        QSignalSpy progress(job, &jobs::Job::progressed);
        const ops::Outcome outcome = waitFinished(job);
        QCOMPARE(outcome.code, ops::Code::Interrupted);
        QCOMPARE(outcome.result, int(RESULT_CANCELLED));
        QCOMPARE(printer->receivedFrames().size(), framesSent);
        QCOMPARE(outcome.written.size(), framesSent);
        if (cancelAfter > 0) {
            QCOMPARE(outcome.notAttempted.size(), items.size() - framesSent);
            QCOMPARE(progress.count(), framesSent);
            // The job itself is gone once it said finished.
            QCOMPARE(progress.last().at(0).toInt(), framesSent);
        }
    }

    // The next job after a cancelled one runs normally on the same link.
    void aCancelledJobLeavesTheWorkerUsable()
    {
        const auto printer = startPrinter();
        QVERIFY(printer);
        jobs::PrinterWorker worker;
        jobs::Job *cancelled =
            worker.submit(QStringLiteral("a"), askInTurn(printer->tcpPort(), kFirst));
        cancelled->cancel();
        jobs::Job *next =
            worker.submit(QStringLiteral("b"), askInTurn(printer->tcpPort(), kSecond));
        QVERIFY(waitFinished(next).ok());
        QCOMPARE(itemsSeen(*printer), kSecond);
    }

    // Eight printers' jobs in a pool of three: never more than three at once, all done.
    void aPoolKeepsItsBound()
    {
        std::vector<std::unique_ptr<SimPrinter>> printers;
        for (int i = 0; i < 8; ++i) {
            printers.push_back(startPrinter(20));
            QVERIFY(printers.back());
        }
        jobs::WorkerPool pool(3);
        std::atomic<int> now{0};
        std::atomic<int> most{0};
        int finished = 0;
        for (const auto &printer : printers) {
            const jobs::Body ask = askInTurn(printer->tcpPort(), kFirst);
            jobs::Job *job = pool.submit(QStringLiteral("poll"), [&, ask](jobs::Context &context) {
                const int running = ++now;
                int seen = most.load();
                while (running > seen && !most.compare_exchange_weak(seen, running)) {
                }
                ops::Outcome outcome = ask(context);
                --now;
                return outcome;
            });
            connect(job, &jobs::Job::finished, this,
                    [&](const ops::Outcome &o) { finished += o.ok() ? 1 : 0; });
        }
        QTRY_COMPARE_WITH_TIMEOUT(finished, 8, 20000);
        QVERIFY(most.load() <= 3);
        QVERIFY(most.load() >= 2);
        for (const auto &printer : printers)
            QCOMPARE(itemsSeen(*printer), kFirst);
        QTRY_VERIFY(!pool.busy());
    }

    // Cancelling a pool's run starts no new printer; those queued finish as not started.
    void cancellingAPoolStartsNoNewPrinter()
    {
        std::vector<std::unique_ptr<SimPrinter>> printers;
        for (int i = 0; i < 6; ++i) {
            printers.push_back(startPrinter(50));
            QVERIFY(printers.back());
        }
        jobs::WorkerPool pool(2);
        int interrupted = 0;
        int done = 0;
        for (const auto &printer : printers) {
            jobs::Job *job =
                pool.submit(QStringLiteral("poll"), askInTurn(printer->tcpPort(), kFirst));
            connect(job, &jobs::Job::finished, this, [&](const ops::Outcome &o) {
                ++done;
                interrupted += o.code == ops::Code::Interrupted ? 1 : 0;
            });
        }
        QTRY_VERIFY(!printers.front()->receivedFrames().isEmpty());
        pool.cancelAll();
        QTRY_COMPARE_WITH_TIMEOUT(done, 6, 20000);
        int untouched = 0;
        for (const auto &printer : printers)
            untouched += printer->receivedFrames().isEmpty() ? 1 : 0;
        QVERIFY(untouched >= 4);
        QVERIFY(interrupted >= 4);
    }
};

QTEST_GUILESS_MAIN(TestJobs)
#include "tst_jobs.moc"
