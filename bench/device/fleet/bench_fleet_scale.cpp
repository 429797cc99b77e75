// A thousand printers, all simulated on loopback:
//   fleet_1000_first_round_s   the fleet window's first poll of 1,000 printers (with their
//                              identity), from show() until every one answered
//   fleet_1000_stall_max_ms    the largest gap between two ticks of a 5 ms timer on the
//                              window's thread, from show() until 20 s after that round
//   fleet_1000_poll_cpu        % of one core this process (the window and its pool) spends
//                              over 20 s of polling every 10 s after that round, the
//                              stall timer off (the window's thread's own share on
//                              standard error)
//   exporter_1000_scrape_median_ms / _worst_ms   20 scrapes of GET /metrics of an exporter
//                              polling 1,000 printers, once every one is up
//   scan_22_50_s               `scan` of a /22 (1,024 loopback addresses of 127.77.0.0/22)
//                              with 50 printers listening among them, wall time
// The 1,000 printers are one labelprinter-sim --count process, so that their work is not
// counted as the window's; the exporter and the scan run as labelsetup-cli processes.
// Every printer and connection takes descriptors: the soft limit is raised to the hard one
// when it is lower than a few per printer.
#include "device/fleet/poller.h"
#include "gui/fleet/fleetwindow.h"
#include "common/metricsscrape.h"
#include "sim/simprinter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kPrinters = 1000;
constexpr int kScanPrinters = 50;
constexpr int kScrapes = 20;
constexpr int kTickMs = 5;

int seconds()
{
    return qEnvironmentVariableIsSet("FLEET_BENCH_SECONDS")
               ? qEnvironmentVariableIntValue("FLEET_BENCH_SECONDS")
               : 20;
}

void raiseFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= rlim_t(kPrinters) * 4)
        return;
    limit.rlim_cur = limit.rlim_max;
    if (setrlimit(RLIMIT_NOFILE, &limit) == 0)
        std::fprintf(stderr, "bench_fleet_scale: open files raised to %llu\n",
                     static_cast<unsigned long long>(limit.rlim_cur));
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void turnEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void print(const char *name, double value, const char *unit)
{
    std::printf("BENCH %s %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

void failed(const char *name, const char *why)
{
    std::printf("BENCH %s failed\n", name);
    std::fprintf(stderr, "bench_fleet_scale: %s: %s\n", name, why);
    std::fflush(stdout);
}

// The simulator's printers: the port of each from the line it prints when it started.
QList<quint16> startSimulators(QProcess &sim)
{
    sim.start(QStringLiteral(LABELPRINTER_SIM),
              {QStringLiteral("--no-udp"), QStringLiteral("--tcp-port"), QStringLiteral("0"),
               QStringLiteral("--count"), QString::number(kPrinters)});
    const QRegularExpression started(QStringLiteral("on TCP 127\\.0\\.0\\.1:(\\d+)"));
    QList<quint16> ports;
    while (ports.size() < kPrinters && (sim.canReadLine() || sim.waitForReadyRead(60000))) {
        while (sim.canReadLine()) {
            const QRegularExpressionMatch m = started.match(QString::fromUtf8(sim.readLine()));
            if (m.hasMatch())
                ports << quint16(m.captured(1).toUInt());
        }
    }
    return ports;
}

QList<fleet::Address> addresses(const QList<quint16> &ports)
{
    QList<fleet::Address> out;
    for (quint16 port : ports) {
        fleet::Address a;
        a.host = QStringLiteral("127.0.0.1");
        a.port = port;
        out.append(a);
    }
    return out;
}

void fleetWindow(const QList<quint16> &ports)
{
    FleetWindow window;
    auto *poller = window.findChild<fleet::Poller *>();
    if (!poller)
        return failed("fleet_1000_poll_cpu", "the window has no poller");
    window.addPrinters(addresses(ports));
    window.resize(1024, 700);
    qint64 worst = 0;
    QElapsedTimer since;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer shown;
    qint64 worstAt = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (since.nsecsElapsed() > worst) {
            worst = since.nsecsElapsed();
            worstAt = shown.elapsed();
        }
        since.restart();
    });
    double firstRound = -1;
    QEventLoop firstRoundOver;
    const QMetaObject::Connection rounds =
        QObject::connect(poller, &fleet::Poller::roundFinished, [&](double) {
            if (firstRound < 0)
                firstRound = double(shown.elapsed()) / 1000.0;
            firstRoundOver.quit();
        });
    since.start();
    tick.start(kTickMs);
    shown.start();
    window.show();
    QTimer::singleShot(120000, &firstRoundOver, &QEventLoop::quit);
    if (firstRound < 0)
        firstRoundOver.exec();
    QObject::disconnect(rounds);
    if (firstRound < 0)
        return failed("fleet_1000_first_round_s", "no round within 2 minutes");
    print("fleet_1000_first_round_s", firstRound, "s");
    turnEventLoop(seconds() * 1000);
    tick.stop();
    print("fleet_1000_stall_max_ms", double(worst) / 1e6, "ms");
    // Which stall it was: show() with its first round, or a later poll.
    std::fprintf(stderr, "bench_fleet_scale: the longest stall ended %lld ms after show()\n",
                 static_cast<long long>(worstAt));

    const double cpuBefore = cpuSeconds();
    rusage mainBefore{};
    getrusage(RUSAGE_THREAD, &mainBefore);
    QElapsedTimer wall;
    wall.start();
    turnEventLoop(seconds() * 1000);
    const double cpu = cpuSeconds() - cpuBefore;
    rusage mainAfter{};
    getrusage(RUSAGE_THREAD, &mainAfter);
    const auto spent = [](const timeval &from, const timeval &to) {
        return double(to.tv_sec - from.tv_sec) + double(to.tv_usec - from.tv_usec) / 1e6;
    };
    // The window's own share of it, the rest being the pool's workers.
    std::fprintf(stderr, "bench_fleet_scale: the window's thread %.2f s user, %.2f s system\n",
                 spent(mainBefore.ru_utime, mainAfter.ru_utime),
                 spent(mainBefore.ru_stime, mainAfter.ru_stime));
    print("fleet_1000_poll_cpu", 100.0 * cpu / (double(wall.elapsed()) / 1000.0), "%");
    window.close();
}

void exporter(const QTemporaryDir &dir, const QList<quint16> &ports)
{
    QFile targets(dir.filePath(QStringLiteral("targets")));
    if (!targets.open(QIODevice::WriteOnly))
        return failed("exporter_1000_scrape_worst_ms", "cannot write the targets");
    for (quint16 port : ports)
        targets.write(QByteArray("127.0.0.1:") + QByteArray::number(port) + '\n');
    targets.close();
    QProcess exporter;
    exporter.setReadChannel(QProcess::StandardError);
    exporter.start(QStringLiteral(LABELSETUP_CLI),
                   {QStringLiteral("exporter"), QStringLiteral("--targets"), targets.fileName(),
                    QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
    QByteArray err;
    while (!err.contains("/metrics") && exporter.waitForReadyRead(10000))
        err += exporter.readAllStandardError();
    const quint16 port =
        quint16(QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/metrics"))
                    .match(QString::fromUtf8(err))
                    .captured(1)
                    .toUInt());
    if (port == 0)
        return failed("exporter_1000_scrape_worst_ms", "the exporter did not start");
    QElapsedTimer waited;
    waited.start();
    int up = 0;
    while ((up = printersUp(scrapeMetrics(port, 10000))) < kPrinters && !waited.hasExpired(120000))
        QThread::msleep(500);
    if (up < kPrinters) {
        exporter.terminate();
        exporter.waitForFinished(10000);
        return failed("exporter_1000_scrape_worst_ms", "not every printer up within 2 minutes");
    }
    std::vector<double> times;
    for (int i = 0; i < kScrapes; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray reply = scrapeMetrics(port, 10000);
        times.push_back(reply.contains("labelprinter_up{") ? double(timer.nsecsElapsed()) / 1e6
                                                           : 10000.0);
        QThread::msleep(100);
    }
    exporter.terminate();
    exporter.waitForFinished(10000);
    std::sort(times.begin(), times.end());
    print("exporter_1000_scrape_median_ms", times.at(times.size() / 2), "ms");
    print("exporter_1000_scrape_worst_ms", times.back(), "ms");
}

// A port free on the scan's first address, for its printers to listen on.
quint16 freePort(const QHostAddress &address)
{
    QTcpServer probe;
    return probe.listen(address, 0) ? probe.serverPort() : 0;
}

void scan()
{
    // 127.77.0.0/22: 127.77.0.1 to 127.77.3.254; a printer every 20 addresses.
    const quint32 network = QHostAddress(QStringLiteral("127.77.0.0")).toIPv4Address();
    const quint16 port = freePort(QHostAddress(network + 1));
    if (port == 0)
        return failed("scan_22_50_s", "no free port on 127.77.0.1");
    std::vector<std::unique_ptr<SimPrinter>> printers;
    PrinterConfig base = PrinterConfig::defaults();
    for (int i = 0; i < kScanPrinters; ++i) {
        auto p = std::make_unique<SimPrinter>(base.numbered(i));
        p->setTcpAddress(QHostAddress(network + 1 + quint32(i) * 20));
        p->setTcpPort(port);
        p->setUdpEnabled(false);
        if (!p->start())
            return failed("scan_22_50_s", "a simulated printer did not start");
        printers.push_back(std::move(p));
    }
    QProcess cli;
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(LABELSETUP_CLI),
              {QStringLiteral("scan"), QStringLiteral("127.77.0.0/22"), QStringLiteral("--port"),
               QString::number(port), QStringLiteral("--json")});
    if (!cli.waitForFinished(120000))
        return failed("scan_22_50_s", "the scan did not end within 2 minutes");
    const double took = double(timer.nsecsElapsed()) / 1e9;
    const QJsonObject result = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    const int found = result.value(QStringLiteral("printers")).toArray().size();
    if (cli.exitCode() != 0 || found != kScanPrinters) {
        std::fprintf(stderr, "bench_fleet_scale: the scan found %d printers (exit %d)\n", found,
                     cli.exitCode());
        return failed("scan_22_50_s", "not every printer found");
    }
    print("scan_22_50_s", took, "s");
}

} // namespace

int main(int argc, char **argv)
{
    raiseFileLimit();
    // The window remembers its list: not in the user's settings.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home.filePath(QStringLiteral("state"))));
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const QStringList only =
        qEnvironmentVariable("FLEET_BENCH_ONLY").split(',', Qt::SkipEmptyParts);
    const auto wanted = [&only](const char *name) {
        return only.isEmpty() || only.contains(QLatin1String(name));
    };
    if (wanted("poll") || wanted("exporter")) {
        QProcess sim;
        const QList<quint16> ports = startSimulators(sim);
        if (ports.size() != kPrinters) {
            std::fprintf(stderr, "bench_fleet_scale: %d of %d simulated printers started\n",
                         int(ports.size()), kPrinters);
            return 1;
        }
        if (wanted("poll"))
            fleetWindow(ports);
        if (wanted("exporter"))
            exporter(home, ports);
        sim.terminate();
        sim.waitForFinished(30000);
    }
    if (wanted("scan"))
        scan();
    return 0;
}
