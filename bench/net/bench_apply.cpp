// Applying a full settings profile to simulated network printers on 127.0.0.1, as
// `labelsetup-cli apply --verify` does it:
//   apply_profile_1_printer    seconds for one printer
//   apply_profile_20_printers  seconds for twenty printers in parallel (20 jobs)
// Each printer's settings differ from the profile's in every page, so that every page
// is read, written and read back.
#include "protocol/commandcodes.h"
#include "protocol/printersession.h"
#include "settings/profileapply.h"
#include "sim/simprinter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

double applySeconds(const std::vector<std::unique_ptr<SimPrinter>> &printers, int count,
                    const profile::Profile &wanted, bool *ok)
{
    QList<profileapply::PrinterAddress> addresses;
    for (int i = 0; i < count; ++i)
        addresses.append(profileapply::PrinterAddress{false, QStringLiteral("127.0.0.1"),
                                                      printers[size_t(i)]->tcpPort(), 0});
    QElapsedTimer timer;
    timer.start();
    const QList<profileapply::PrinterOutcome> outcomes =
        profileapply::applyToMany(addresses, wanted, false, true, count);
    const double seconds = timer.nsecsElapsed() / 1e9;
    for (const profileapply::PrinterOutcome &o : outcomes) {
        if (o.connectResult != RESULT_OK || o.outcome.result != RESULT_OK ||
            !o.outcome.notVerified.isEmpty() || o.outcome.written.isEmpty())
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
    for (const auto &[item, value] : std::initializer_list<std::pair<quint8, QByteArray>>{
             {INFO_PRINT_SPEED, QByteArray(1, 3)},
             {INFO_PRINT_DENSITY, QByteArray(1, 12)},
             {INFO_DISTANCE_GAP_SENSOR, QByteArray::fromHex("1800")},
             {INFO_STRIPPER_TIME, QByteArray(1, 10)},
             {INFO_WIFI_TCP_PORT, QByteArray::fromHex("2823")},
             {INFO_BT_SPP_NAME, QByteArray("BT-Label\0", 9)}})
        source->setValue(item, value);
    profile::Profile wanted;
    {
        PrinterSession session;
        if (session.openNetwork(QStringLiteral("127.0.0.1"), source->tcpPort()) != RESULT_OK) {
            std::fprintf(stderr, "cannot open the source printer\n");
            return 1;
        }
        const PrinterSession::Operation operation(session);
        profileapply::adoptModel(session);
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
