// Settings profiles against simulated printers on 127.0.0.1: save from one, apply to
// another across resolutions, dry runs, verify, refusals and many printers at once.
#include "common/finishes.h"
#include "device/jobs/fleetrun.h"
#include "device/fleet/applyrun.h"
#include "device/operations/printeroperations.h"
#include "core/protocol/commandcodes.h"
#include "device/settings/profileapply.h"
#include "sim/itemcatalog.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"

#include <QJsonDocument>
#include <QtTest>
#include <memory>

namespace {

// "K53TA" counts 12 dots per millimetre, "P1" 8.
std::unique_ptr<SimPrinter> startPrinter(int dotsPerMm = 12)
{
    const QString model = dotsPerMm == 12 ? QStringLiteral("K53TA") : QStringLiteral("P1");
    PrinterConfig config = PrinterConfig::defaults();
    config.identity[1] = model;
    config.identity[2] = QStringLiteral("MFG:Label;CMD:TSPL;MDL:%1;CLS:PRINTER;").arg(model);
    auto printer = std::make_unique<SimPrinter>(config);
    printer->setTcpPort(0);
    printer->setUdpEnabled(false);
    return printer->start() ? std::move(printer) : nullptr;
}

struct Open
{
    PrinterSession session;
    std::unique_ptr<PrinterSession::Operation> operation;
    explicit Open(SimPrinter &printer)
    {
        if (session.openNetwork(QStringLiteral("127.0.0.1"), printer.tcpPort()) == RESULT_OK) {
            operation = std::make_unique<PrinterSession::Operation>(session);
            ops::identify(session);
        }
    }
};

// Settings that differ from the simulator's start values in every page; a speed both
// models have (the 8-dot one has four).
profile::Profile changed(int dotsPerMm = 12)
{
    profile::Profile p;
    p.dotsPerMm = dotsPerMm;
    p.settings = QJsonDocument::fromJson(R"({
      "print": {"speed": 2, "density": 12, "labelGapMm": 2, "blackMarkGapMm": 5, "direction": 1,
        "method": 1, "widthMm": 80, "heightMm": 50, "printOffsetMm": 2, "verticalOffsetMm": -1,
        "paperType": 1, "codePage": 2, "menuLanguage": 2, "printMode": 1, "autoPaper": 1},
      "distance": {"gapSensorMm": 15, "blackSensorMm": 25, "outletDots": 96, "tearDots": 144},
      "stripper": {"takeAwaySeconds": 10},
      "wifi": {"dhcp": false, "ip": "10.0.0.5", "mask": "255.0.0.0", "gateway": "10.0.0.1",
        "dns": "10.0.0.2", "port": 9200, "stationName": "Shop", "stationPassword": "secret99"},
      "ethernet": {"dhcp": false, "ip": "10.1.2.3", "mask": "255.255.0.0",
        "gateway": "10.1.2.1", "tcpPort": 9101, "udpPort": 38401},
      "bluetooth": {"name": "Shop-SPP", "bleName": "Shop-BLE", "pairing": 1, "pin": "1234"},
      "serial": {"baud": 9600, "dataBits": 7, "parity": 2, "stopBits": 2}})")
                     .object();
    return p;
}

} // namespace

class TestProfiles : public QObject
{
    Q_OBJECT

    // Applies `p` with verify, then saves the printer's settings into `saved`.
    void applyAndSave(SimPrinter &printer, int dots, const profile::Profile &p,
                      profile::Profile *saved)
    {
        Open open(printer);
        QCOMPARE(open.session.dotsPerMm(), dots);
        const profileapply::Outcome o = profileapply::apply(open.session, p, false, true);
        QVERIFY2(o.refused.isEmpty() && o.result == RESULT_OK && o.notVerified.isEmpty(),
                 qPrintable(o.refused));
        QString failed;
        QCOMPARE(profileapply::save(open.session, true, saved, &failed), int(RESULT_OK));
    }

private slots:
    void copiesSettingsAcrossResolutions_data()
    {
        QTest::addColumn<int>("fromDots");
        QTest::addColumn<int>("toDots");
        QTest::newRow("8 to 8") << 8 << 8;
        QTest::newRow("8 to 12") << 8 << 12;
        QTest::newRow("12 to 8") << 12 << 8;
    }
    void copiesSettingsAcrossResolutions()
    {
        QFETCH(int, fromDots);
        QFETCH(int, toDots);
        auto source = startPrinter(fromDots);
        auto target = startPrinter(toDots);
        QVERIFY(source && target);
        profile::Profile saved, parsed, copied;
        applyAndSave(*source, fromDots, changed(fromDots), &saved);
        // Through the file, as a user carries it.
        QString error;
        QVERIFY2(profile::parse(profile::serialize(saved), &parsed, &error), qPrintable(error));
        {
            // A dry run reads and compares, and sends no set frame.
            Open to(*target);
            target->clearRecords();
            const profileapply::Outcome dry =
                profileapply::apply(to.session, changed(toDots), true, true);
            QCOMPARE(dry.result, int(RESULT_OK));
            QVERIFY(dry.differences.size() >= 40 && dry.written.isEmpty() &&
                    !target->receivedFrames().isEmpty());
            for (const ReceivedFrame &f : target->receivedFrames())
                QVERIFY(f.frameClass != 0x01);
        }
        applyAndSave(*target, toDots, parsed, &copied);
        QVERIFY(!QTest::currentTestFailed());

        // Millimetres equal; dot counts scaled; only what one model lacks left out.
        const QList<profile::Difference> lacking =
            profile::diff(copied.settings, profileapply::forResolution(saved, toDots));
        for (const profile::Difference &d : lacking)
            QVERIFY2(d.printer.isUndefined(), qPrintable(d.page + '.' + d.setting));
        QVERIFY(lacking.size() <= (fromDots == toDots ? 0 : 2) &&
                copied.settings.value("print").toObject().size() >= 14);
        QCOMPARE(copied.settings.value("distance")["outletDots"].toInt(), 96 * toDots / fromDots);
        QCOMPARE(copied.settings.value("distance")["tearDots"].toInt(), 144 * toDots / fromDots);
        if (fromDots != toDots)
            return;
        // Same resolution: the stored bytes match item by item (the fixed ones aside).
        const QMap<quint8, QByteArray> a = source->model().settings();
        const QMap<quint8, QByteArray> b = target->model().settings();
        for (auto it = a.begin(); it != a.end(); ++it) {
            const itemcatalog::Item *item = itemcatalog::find(it.key());
            if (it.key() == INFO_DEVICE_IDENTITY || it.key() == INFO_SERIAL_NUMBER ||
                (item && item->readOnly))
                continue;
            QVERIFY2(b.value(it.key()) == it.value(), qPrintable(itemcatalog::keyFor(it.key())));
        }
    }

    // 1 refuses connections, 2 answers with another item mid-apply (earlier pages written),
    // 3 ignores the density, which verify names, 4 never tells its model, so nothing is
    // written at a guessed resolution; the others are unaffected.
    void applyToManyIsolatesFailure()
    {
        std::vector<std::unique_ptr<SimPrinter>> printers;
        QList<PrinterAddress> addresses;
        for (int i = 0; i < 5; ++i) {
            printers.push_back(startPrinter());
            QVERIFY(printers.back());
            addresses.append(PrinterAddress::forNetwork(QStringLiteral("127.0.0.1"),
                                                        printers.back()->tcpPort()));
        }
        printers[1]->setRefuseMode(RefuseMode::NotListening);
        printers[2]->setWrongItemItems({INFO_NET_ADDRESS});
        printers[3]->setIgnoredSetItems({INFO_PRINT_DENSITY});
        printers[4]->setSilentItems({INFO_DEVICE_IDENTITY});
        jobs::WorkerPool pool(5);
        const std::unique_ptr<jobs::FleetRun> run(
            ops::applyToMany(pool, addresses, changed(), false, true, 5));
        run->start();
        QVERIFY(finishes(*run));
        QList<ops::PrinterRun> o;
        for (int i = 0; i < run->total(); ++i)
            o << ops::runOf(*run, i);
        QCOMPARE(o.size(), 5);
        const ops::Code verdicts[] = {ops::Code::Ok, ops::Code::NotConnected, ops::Code::Refused,
                                      ops::Code::Differs, ops::Code::NoAnswer};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(o[i].outcome.code, verdicts[i]);
            QCOMPARE(printers[size_t(i)]->value(INFO_PRINT_DENSITY) == QByteArray(1, 12),
                     i == 0 || i == 2);
        }
        QCOMPARE(o[4].outcome.step, QStringLiteral("identity"));
        QCOMPARE(printers[4]->receivedFrames().size(), 1); // the identity query only
        QVERIFY(o[0].details.notVerified.isEmpty());
        QCOMPARE(o[2].outcome.step, QStringLiteral("ethernet"));
        QVERIFY(o[3].details.written.contains("print.density"));
        QCOMPARE(o[3].details.notVerified.size(), 1);
        const profile::Difference ignored = o[3].details.notVerified.first();
        QCOMPARE(ignored.page + '.' + ignored.setting, QStringLiteral("print.density"));
        QCOMPARE(ignored.profile.toInt(), 12);
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
