// A profile applied to a fleet of simulated network printers on 127.0.0.1, at the
// command line's default parallelism:
//   apply_profile_100_printers  seconds for 100 printers that each answer at once
//   apply_silent_hosts          seconds for 100 targets of which 16 accept a connection
//                               and never answer
// The profile changes the print and distance pages, as a site's common profile does.
#include "cli/options.h"
#include "common/finishes.h"
#include "device/jobs/fleetrun.h"
#include "device/fleet/applyrun.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/commandcodes.h"
#include "device/settings/profileapply.h"
#include "sim/simprinter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

profile::Profile siteProfile()
{
    profile::Profile p;
    p.dotsPerMm = 8;
    p.settings = QJsonDocument::fromJson(R"({
      "print": {"speed": 5, "density": 12, "labelGapMm": 2, "widthMm": 80, "heightMm": 50},
      "distance": {"gapSensorMm": 15, "tearDots": 144}})")
                     .object();
    return p;
}

// Hosts that take connections in the kernel's backlog and never read or answer.
struct SilentHosts
{
    std::vector<std::unique_ptr<QTcpServer>> servers;
    explicit SilentHosts(int count)
    {
        for (int i = 0; i < count; ++i) {
            servers.push_back(std::make_unique<QTcpServer>());
            servers.back()->setMaxPendingConnections(1000);
            servers.back()->listen(QHostAddress::LocalHost, 0);
            servers.back()->pauseAccepting();
        }
    }
};

double applySeconds(const QList<PrinterAddress> &addresses, int *failed)
{
    QElapsedTimer timer;
    timer.start();
    jobs::WorkerPool pool(Options().jobs);
    const std::unique_ptr<jobs::FleetRun> run(
        ops::applyToMany(pool, addresses, siteProfile(), false, false, Options().jobs));
    run->start();
    finishes(*run);
    QList<ops::PrinterRun> outcomes;
    for (int i = 0; i < run->total(); ++i)
        outcomes << ops::runOf(*run, i);
    const double seconds = timer.nsecsElapsed() / 1e9;
    *failed = 0;
    for (const ops::PrinterRun &o : outcomes)
        *failed += o.outcome.ok() ? 0 : 1;
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    std::vector<std::unique_ptr<SimPrinter>> printers;
    QList<PrinterAddress> addresses;
    for (int i = 0; i < 100; ++i) {
        printers.push_back(std::make_unique<SimPrinter>(PrinterConfig::defaults()));
        printers.back()->setTcpPort(0);
        printers.back()->setUdpEnabled(false);
        if (!printers.back()->start()) {
            std::fprintf(stderr, "cannot start the simulated printers\n");
            return 1;
        }
        addresses.append(
            PrinterAddress::forNetwork(QStringLiteral("127.0.0.1"), printers.back()->tcpPort()));
    }
    int failed = 0;
    const double fleet = applySeconds(addresses, &failed);
    std::printf("BENCH apply_profile_100_printers %.3f s\n", fleet);
    if (failed != 0) {
        std::fprintf(stderr, "%d printers failed\n", failed);
        return 1;
    }
    // 16 of the 100 replaced by hosts that never answer, spread over the list.
    const SilentHosts silent(16);
    for (int i = 0; i < 16; ++i)
        addresses[i * 6].port = silent.servers[size_t(i)]->serverPort();
    const double withSilent = applySeconds(addresses, &failed);
    std::printf("BENCH apply_silent_hosts %.3f s\n", withSilent);
    if (failed != 16) {
        std::fprintf(stderr, "%d failed, not the 16 silent hosts\n", failed);
        return 1;
    }
    return 0;
}
