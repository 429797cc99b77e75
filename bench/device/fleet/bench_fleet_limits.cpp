// The command line's fleet commands at scale, against simulated printers on 127.0.0.1
// (the command line runs as its own process, the printers in this one):
//   targets_100k_dry_run_s          seconds for `apply --dry-run` of a 100,000-line
//                                   target list naming 250 printers 400 times each, in
//                                   several spellings
//   exporter_scrape_250_idle10_ms   the slowest of 20 scrapes of the metrics of 250
//                                   printers while 10 connections that send nothing are
//                                   held open against the endpoint
// BENCH_CLI=path runs another build of the command line (to compare).
#include "common/metricsscrape.h"
#include "sim/simprinter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kPrinters = 250;
constexpr int kLines = 100000;

QString cliPath()
{
    const QString given = qEnvironmentVariable("BENCH_CLI");
    return given.isEmpty() ? QStringLiteral(LABELSETUP_CLI) : given;
}

double dryRun(const QTemporaryDir &dir, const QList<quint16> &ports)
{
    QFile targets(dir.filePath(QStringLiteral("targets")));
    if (!targets.open(QIODevice::WriteOnly))
        return -1;
    static const char *const spellings[] = {"127.0.0.1:%1\n", "  127.0.0.1:%1  \n",
                                            "[::ffff:127.0.0.1]:%1\n", "127.0.0.1:%1\r\n"};
    QByteArray text = "# a site's printers, listed again and again\n";
    for (int i = 0; i < kLines; ++i)
        text += QString::fromLatin1(spellings[(i / kPrinters) % 4])
                    .arg(ports.at(i % kPrinters))
                    .toLatin1();
    targets.write(text);
    targets.close();
    QFile profile(dir.filePath(QStringLiteral("profile.json")));
    if (!profile.open(QIODevice::WriteOnly))
        return -1;
    profile.write(R"({"format": "labelsetup-profile", "version": 1, "dotsPerMm": 12,
                     "settings": {"print": {"density": 12}}})");
    profile.close();
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    cli.start(cliPath(),
              {QStringLiteral("apply"), profile.fileName(), QStringLiteral("--targets"),
               targets.fileName(), QStringLiteral("--dry-run"), QStringLiteral("--jsonl")});
    if (!cli.waitForFinished(30 * 60 * 1000) || cli.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e9;
}

double slowestScrape(const QTemporaryDir &dir, const QList<quint16> &ports)
{
    QFile targets(dir.filePath(QStringLiteral("exported")));
    if (!targets.open(QIODevice::WriteOnly))
        return -1;
    for (quint16 port : ports)
        targets.write(QByteArray("127.0.0.1:") + QByteArray::number(port) + '\n');
    targets.close();
    QProcess exporter;
    exporter.start(cliPath(),
                   {QStringLiteral("exporter"), QStringLiteral("--targets"), targets.fileName(),
                    QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
    exporter.setReadChannel(QProcess::StandardError);
    QByteArray err;
    while (!err.contains("/metrics") && exporter.waitForReadyRead(10000))
        err += exporter.readAllStandardError();
    const quint16 port =
        quint16(QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/metrics"))
                    .match(QString::fromUtf8(err))
                    .captured(1)
                    .toUInt());
    if (port == 0)
        return -1;
    // The first round done: every printer is up.
    QElapsedTimer waited;
    waited.start();
    while (printersUp(scrapeMetrics(port, 10000)) < kPrinters) {
        if (waited.hasExpired(60000))
            return -1;
        QThread::msleep(200);
    }
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 10; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QStringLiteral("127.0.0.1"), port);
        idle.back()->waitForConnected(3000);
    }
    QThread::msleep(200);
    qint64 slowest = 0;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray reply = scrapeMetrics(port, 10000);
        slowest = qMax(slowest, timer.nsecsElapsed());
        if (!reply.contains("labelprinter_up{"))
            slowest = qMax<qint64>(slowest, 10'000'000'000LL); // no answer: the client's limit
    }
    exporter.terminate();
    exporter.waitForFinished(10000);
    return double(slowest) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    std::vector<std::unique_ptr<SimPrinter>> printers;
    QList<quint16> ports;
    for (int i = 0; i < kPrinters; ++i) {
        auto p = std::make_unique<SimPrinter>(PrinterConfig::defaults());
        p->setTcpPort(0);
        p->setUdpEnabled(false);
        if (!p->start()) {
            std::fprintf(stderr, "bench_fleet_limits: the simulated printers did not start\n");
            return 1;
        }
        ports << p->tcpPort();
        printers.push_back(std::move(p));
    }
    QTemporaryDir dir;
    const double seconds = dryRun(dir, ports);
    if (seconds < 0)
        std::printf("BENCH targets_100k_dry_run_s failed\n");
    else
        std::printf("BENCH targets_100k_dry_run_s %.2f s\n", seconds);
    std::fflush(stdout);
    const double ms = slowestScrape(dir, ports);
    if (ms < 0)
        std::printf("BENCH exporter_scrape_250_idle10_ms failed\n");
    else
        std::printf("BENCH exporter_scrape_250_idle10_ms %.1f ms\n", ms);
    return 0;
}
