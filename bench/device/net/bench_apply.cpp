// Applying a full settings profile to simulated network printers on 127.0.0.1, as
// `labelsetup-cli apply --verify` does it:
//   apply_profile_1_printer    seconds for one printer
//   apply_profile_20_printers  seconds for twenty printers in parallel (20 jobs)
// Each printer's settings differ from the profile's in every page, so that every page
// is read, written and read back.
#include "common/finishes.h"
#include "device/jobs/fleetrun.h"
#include "device/fleet/applyrun.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/commandcodes.h"
#include "device/settings/profileapply.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<SimPrinter> startPrinter()
{
    auto printer = std::make_unique<SimPrinter>(PrinterConfig::defaults());
    printer->setTcpPort(0);
    printer->setUdpEnabled(false);
    return printer->start() ? std::move(printer) : nullptr;
}

// Every page differs from the simulator's start values.
profile::Profile changes()
{
    profile::Profile p;
    p.dotsPerMm = 12;
    p.settings = QJsonDocument::fromJson(R"({
      "print": {"speed": 5, "density": 12, "labelGapMm": 2, "blackMarkGapMm": 5, "direction": 1,
                "method": 1, "widthMm": 80, "heightMm": 50, "printOffsetMm": 2, "paperType": 1,
                "codePage": 2, "menuLanguage": 2, "printMode": 1},
      "distance": {"gapSensorMm": 15, "blackSensorMm": 25, "outletDots": 96, "tearDots": 144},
      "stripper": {"takeAwaySeconds": 10},
      "wifi": {"dhcp": false, "ip": "10.0.0.5", "mask": "255.0.0.0", "gateway": "10.0.0.1",
               "port": 9200, "stationName": "Shop", "stationPassword": "secret99"},
      "ethernet": {"dhcp": false, "ip": "10.1.2.3", "tcpPort": 9101},
      "bluetooth": {"name": "Shop-SPP", "pairing": 1, "pin": "1234"},
      "serial": {"baud": 9600, "parity": 2}})")
                     .object();
    return p;
}

double applySeconds(const std::vector<std::unique_ptr<SimPrinter>> &printers, int count,
                    const profile::Profile &wanted, bool *ok)
{
    QList<PrinterAddress> addresses;
    for (int i = 0; i < count; ++i)
        addresses.append(PrinterAddress::forNetwork(QStringLiteral("127.0.0.1"),
                                                    printers[size_t(i)]->tcpPort()));
    QElapsedTimer timer;
    timer.start();
    jobs::WorkerPool pool(count);
    const std::unique_ptr<jobs::FleetRun> run(
        ops::applyToMany(pool, addresses, wanted, false, true, count));
    run->start();
    finishes(*run);
    QList<ops::PrinterRun> outcomes;
    for (int i = 0; i < run->total(); ++i)
        outcomes << ops::runOf(*run, i);
    const double seconds = timer.nsecsElapsed() / 1e9;
    for (const ops::PrinterRun &o : outcomes) {
        if (!o.outcome.ok() || o.details.written.isEmpty())
            *ok = false;
    }
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    // The profile comes from a printer whose settings were changed in every page.
    std::unique_ptr<SimPrinter> source = startPrinter();
    std::vector<std::unique_ptr<SimPrinter>> targets;
    for (int i = 0; i < 21 && source; ++i) {
        targets.push_back(startPrinter());
        if (!targets.back())
            source.reset();
    }
    if (!source) {
        std::fprintf(stderr, "cannot start the simulated printers\n");
        return 1;
    }
    profile::Profile wanted;
    {
        PrinterSession session;
        if (session.openNetwork(QStringLiteral("127.0.0.1"), source->tcpPort()) != RESULT_OK) {
            std::fprintf(stderr, "cannot open the source printer\n");
            return 1;
        }
        const PrinterSession::Operation operation(session);
        ops::identify(session);
        const profileapply::Outcome changed = profileapply::apply(session, changes(), false, true);
        if (!changed.refused.isEmpty() || changed.result != RESULT_OK) {
            std::fprintf(stderr, "cannot change the source printer (%s %s)\n",
                         qPrintable(changed.refused), qPrintable(changed.failedPage));
            return 1;
        }
        QString failed;
        if (profileapply::save(session, true, &wanted, &failed) != RESULT_OK) {
            std::fprintf(stderr, "cannot read the source printer (%s)\n", qPrintable(failed));
            return 1;
        }
    }
    bool ok = true;
    const double one = applySeconds(targets, 1, wanted, &ok);
    std::vector<std::unique_ptr<SimPrinter>> rest;
    for (size_t i = 1; i < targets.size(); ++i)
        rest.push_back(std::move(targets[i]));
    const double twenty = applySeconds(rest, 20, wanted, &ok);
    std::printf("BENCH apply_profile_1_printer %.3f s\n", one);
    std::printf("BENCH apply_profile_20_printers %.3f s\n", twenty);
    std::printf("BENCH apply_profile_20_vs_1 %.2f x\n", twenty / one);
    if (!ok) {
        std::fprintf(stderr, "an apply failed or wrote nothing\n");
        return 1;
    }
    return 0;
}
