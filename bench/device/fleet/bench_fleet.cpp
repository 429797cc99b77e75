// The fleet at scale, against simulated printers on 127.0.0.1:
//   fleet_poll_250_cpu      % of one core the poller costs for 250 printers polled every 10 s
//   fleet_poll_250_rss      MB resident (peak) of the polling process
//   fleet_gui_block_max_ms  the longest the fleet window's GUI thread went without turning
//                           its event loop while it polled 250 printers
//   rollout_20_jobs4_vs_serial  how many times faster a 20-printer firmware rollout is with
//                           4 jobs than one printer at a time (printers that restart)
// The 250 printers live in a child process (this program with --serve), so that their
// work is not counted as the poller's.
#include "gui/fleet/fleetwindow.h"
#include "common/encryptedfile.h"
#include "device/fleet/fleetmodel.h"
#include "common/finishes.h"
#include "device/fleet/poller.h"
#include "device/jobs/fleetrun.h"
#include "device/fleet/rollout.h"
#include "platform/ownfile.h"
#include "sim/simprinter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kPrinters = 250;

std::unique_ptr<SimPrinter> startPrinter(quint32 word, const QString &firmwareRestart = QString())
{
    PrinterConfig config = PrinterConfig::defaults();
    config.statusWord = word;
    config.firmwareRestart = firmwareRestart;
    config.restartMs = 1500; // a restart takes a printer a while; real ones take longer
    auto p = std::make_unique<SimPrinter>(config);
    p->setTcpPort(0);
    p->setUdpEnabled(false);
    return p->start() ? std::move(p) : nullptr;
}

int serve(int count)
{
    std::vector<std::unique_ptr<SimPrinter>> printers;
    for (int i = 0; i < count; ++i) {
        printers.push_back(startPrinter(i % 7 == 0 ? 0x2u : 0u));
        if (!printers.back())
            return 1;
        std::printf("%d\n", printers.back()->tcpPort());
    }
    std::printf("ready\n");
    std::fflush(stdout);
    // Until the parent closes our standard input.
    char buffer[16];
    while (std::fread(buffer, 1, sizeof(buffer), stdin) > 0) {
    }
    return 0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakRssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

QList<fleet::Address> addresses(const QList<int> &ports)
{
    QList<fleet::Address> out;
    for (int port : ports) {
        fleet::Address a;
        a.host = QStringLiteral("127.0.0.1");
        a.port = quint16(port);
        out.append(a);
    }
    return out;
}

void pollCost(const QList<fleet::Address> &printers, int seconds)
{
    jobs::WorkerPool pool(8);
    fleet::Gate gate;
    fleet::Poller poller(fleet::makeSessionDevice(), gate, pool);
    fleet::FleetModel model;
    model.add(printers);
    QObject::connect(&poller, &fleet::Poller::polled, &model, &fleet::FleetModel::setReading);
    poller.setAddresses(printers);
    poller.setIntervalMs(10000);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    poller.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    poller.stop();
    finishes(poller, &fleet::Poller::roundFinished, [&poller] { return poller.inFlight() == 0; });
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("BENCH fleet_poll_250_cpu %.2f %%\n",
                100.0 * cpu / (double(wall.elapsed()) / 1000.0));
    std::printf("BENCH fleet_poll_250_rss %.1f MB\n", peakRssMb());
    std::fflush(stdout);
}

void guiBlock(const QList<fleet::Address> &printers, int seconds)
{
    FleetWindow window;
    window.addPrinters(printers);
    window.resize(1024, 700);
    window.show();
    QElapsedTimer since;
    since.start();
    qint64 worst = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { worst = qMax(worst, since.restart()); });
    tick.start(5);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    tick.stop();
    std::printf("BENCH fleet_gui_block_max_ms %lld ms\n", static_cast<long long>(worst));
    std::fflush(stdout);
}

double rolloutSeconds(const QList<fleet::Address> &printers, const PlainCopy &plain, int jobs)
{
    jobs::WorkerPool pool(jobs);
    fleet::rollout::Options options;
    options.jobs = jobs;
    options.expectVersion = QStringLiteral("V2.0");
    options.settleMs = 500;
    options.retryMs = 100;
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<jobs::FleetRun> run(
        fleet::rollout::start(pool, fleet::makeSessionDevice(), nullptr, printers, plain, options));
    run->start();
    finishes(*run);
    QList<fleet::rollout::Result> results;
    for (int i = 0; i < run->total(); ++i)
        results << fleet::rollout::resultOf(*run, i, printers.at(i));
    // The same image again next time: the printers report V2.0 once more.
    if (fleet::rollout::worst(results) != fleet::rollout::Ok)
        std::fprintf(stderr, "bench_fleet: a rollout failed\n");
    return double(timer.elapsed()) / 1000.0;
}

void rollout()
{
    std::vector<std::unique_ptr<SimPrinter>> printers;
    QList<int> ports;
    for (int i = 0; i < 20; ++i) {
        printers.push_back(startPrinter(0, QStringLiteral("V2.0")));
        ports << printers.back()->tcpPort();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw.bin"));
    const QByteArray payload = rawPayload(64 * 1024, 3);
    auto file = std::make_unique<platform::OwnFile>();
    if (!file->create(path) || !file->write(payload.constData(), payload.size()))
        std::fprintf(stderr, "bench_fleet: cannot write %s\n", qPrintable(path));
    const PlainCopy plain(path, std::move(file));
    const double serial = rolloutSeconds(addresses(ports), plain, 1);
    const double parallel = rolloutSeconds(addresses(ports), plain, 4);
    std::printf("BENCH rollout_20_jobs4_vs_serial %.2f x (serial %.1f s, 4 jobs %.1f s)\n",
                serial / parallel, serial, parallel);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--serve") == 0) {
        QCoreApplication app(argc, argv);
        return serve(QByteArray(argv[2]).toInt());
    }
    // The window remembers its list: not in the user's settings.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const int seconds = qEnvironmentVariableIsSet("FLEET_BENCH_SECONDS")
                            ? qEnvironmentVariableIntValue("FLEET_BENCH_SECONDS")
                            : 30;

    QProcess server;
    server.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--serve"), QString::number(kPrinters)});
    QList<int> ports;
    while (server.waitForReadyRead(30000) || server.canReadLine()) {
        bool ready = false;
        while (server.canReadLine()) {
            const QByteArray line = server.readLine().trimmed();
            if (line == "ready")
                ready = true;
            else
                ports << line.toInt();
        }
        if (ready)
            break;
    }
    if (ports.size() != kPrinters) {
        std::fprintf(stderr, "bench_fleet: the simulated printers did not start\n");
        return 1;
    }
    pollCost(addresses(ports), seconds);
    guiBlock(addresses(ports), qMax(12, seconds * 2 / 3));
    server.closeWriteChannel();
    server.waitForFinished(10000);
    rollout();
    return 0;
}
