// Settings profiles against simulated printers on 127.0.0.1: save from one, apply to
// another across resolutions, dry runs, verify, refusals and many printers at once.
#include "protocol/commandcodes.h"
#include "protocol/printersession.h"
#include "settings/profileapply.h"
#include "sim/itemcatalog.h"
#include "sim/simprinter.h"

#include <QJsonDocument>
#include <QLoggingCategory>
#include <QtTest>
#include <memory>

namespace {

// "K53TA" counts 12 dots per millimetre, "P1" 8.
std::unique_ptr<SimPrinter> startPrinter(const QString &model)
{
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
    int result;
    explicit Open(SimPrinter &printer)
    {
        result = session.openNetwork(QStringLiteral("127.0.0.1"), printer.tcpPort());
        if (result == RESULT_OK) {
            operation = std::make_unique<PrinterSession::Operation>(session);
            profileapply::adoptModel(session);
        }
    }
};

// Settings that differ from the simulator's start values in every page.
profile::Profile changed(int dotsPerMm)
{
    profile::Profile p;
    p.dotsPerMm = dotsPerMm;
    p.settings = QJsonDocument::fromJson(R"({
      "print": {"speed": 5, "density": 12, "labelGapMm": 2, "blackMarkGapMm": 5,
                "direction": 1, "method": 1, "widthMm": 80, "heightMm": 50,
                "printOffsetMm": 2, "verticalOffsetMm": -1, "paperType": 1,
                "codePage": 2, "menuLanguage": 2, "printMode": 1, "autoPaper": 1},
      "distance": {"gapSensorMm": 15, "blackSensorMm": 25, "outletDots": 96, "tearDots": 144},
      "stripper": {"takeAwaySeconds": 10},
      "wifi": {"dhcp": false, "ip": "10.0.0.5", "mask": "255.0.0.0", "gateway": "10.0.0.1",
               "dns": "10.0.0.2", "port": 9200, "stationName": "Shop", "stationPassword": "secret99"},
      "ethernet": {"dhcp": false, "ip": "10.1.2.3", "mask": "255.255.0.0", "gateway": "10.1.2.1",
                   "tcpPort": 9101, "udpPort": 38401},
      "bluetooth": {"name": "Shop-SPP", "bleName": "Shop-BLE", "pairing": 1, "pin": "1234"},
      "serial": {"baud": 9600, "dataBits": 7, "parity": 2, "stopBits": 2}})")
                     .object();
    return p;
}

QList<ReceivedFrame> setFrames(const SimPrinter &printer)
{
    QList<ReceivedFrame> out;
    for (const ReceivedFrame &f : printer.receivedFrames()) {
        if (f.frameClass == 0x01)
            out << f;
    }
    return out;
}

QString modelFor(int dotsPerMm)
{
    return dotsPerMm == 12 ? QStringLiteral("K53TA") : QStringLiteral("P1");
}

} // namespace

class TestProfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The link traces every byte; here they would only hide the failures.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

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
        auto source = startPrinter(modelFor(fromDots));
        auto target = startPrinter(modelFor(toDots));
        QVERIFY(source && target);
        profile::Profile saved;
        {
            Open from(*source);
            QCOMPARE(from.session.dotsPerMm(), fromDots);
            const profileapply::Outcome set =
                profileapply::apply(from.session, changed(fromDots), false, true);
            QVERIFY2(set.refused.isEmpty(), qPrintable(set.refused));
            QCOMPARE(set.result, int(RESULT_OK));
            QVERIFY(set.notVerified.isEmpty());
            QString failed;
            QCOMPARE(profileapply::save(from.session, true, &saved, &failed), int(RESULT_OK));
        }
        // Through the file, as a user carries it.
        profile::Profile parsed;
        QString error;
        QVERIFY2(profile::parse(profile::serialize(saved), &parsed, &error), qPrintable(error));
        profile::Profile copied;
        {
            Open to(*target);
            QCOMPARE(to.session.dotsPerMm(), toDots);
            const profileapply::Outcome o = profileapply::apply(to.session, parsed, false, true);
            QVERIFY2(o.refused.isEmpty(), qPrintable(o.refused));
            QCOMPARE(o.result, int(RESULT_OK));
            QVERIFY(o.notVerified.isEmpty());
            QString failed;
            QCOMPARE(profileapply::save(to.session, true, &copied, &failed), int(RESULT_OK));
        }
        // Millimetres equal; dot counts scaled; what one model lacks left out.
        const QJsonObject want = profileapply::forResolution(saved, toDots);
        int compared = 0;
        for (const QString &page : profile::pages()) {
            const QJsonObject have = copied.settings.value(page).toObject();
            const QJsonObject expected = want.value(page).toObject();
            for (auto it = have.begin(); it != have.end(); ++it) {
                if (!expected.contains(it.key()))
                    continue;
                QVERIFY2(it.value() == expected.value(it.key()),
                         qPrintable(page + '.' + it.key() + ": " + profile::valueText(it.value()) +
                                    " != " + profile::valueText(expected.value(it.key()))));
                ++compared;
            }
        }
        QVERIFY(compared >= 40);
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

    void dryRunSendsNoSetFrame()
    {
        auto printer = startPrinter(QStringLiteral("K53TA"));
        QVERIFY(printer);
        Open open(*printer);
        printer->clearRecords();
        const profileapply::Outcome o = profileapply::apply(open.session, changed(12), true, true);
        QCOMPARE(o.result, int(RESULT_OK));
        QVERIFY(o.differences.size() >= 40);
        QVERIFY(o.written.isEmpty());
        QVERIFY(!printer->receivedFrames().isEmpty());
        QCOMPARE(setFrames(*printer).size(), 0);
    }

    void verifyNamesIgnoredSetting()
    {
        auto printer = startPrinter(QStringLiteral("K53TA"));
        QVERIFY(printer);
        printer->setIgnoredSetItems({INFO_PRINT_DENSITY});
        Open open(*printer);
        const profileapply::Outcome o = profileapply::apply(open.session, changed(12), false, true);
        QCOMPARE(o.result, int(RESULT_OK));
        QVERIFY(o.written.contains("print.density"));
        QCOMPARE(o.notVerified.size(), 1);
        QCOMPARE(o.notVerified.first().page + '.' + o.notVerified.first().setting,
                 QString("print.density"));
        QCOMPARE(o.notVerified.first().profile.toInt(), 12);
    }

    void refusesBadProfiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QString>("reason"); // part of the refusal
        const QByteArray head = R"({"format": "labelsetup-profile", "dotsPerMm": 12, )";
        QTest::newRow("malformed")
            << QByteArray(R"({"format": "labelsetup-profile", )") << false << "";
        QTest::newRow("future version") << head + R"("version": 2, "settings": {}})" << false << "";
        QTest::newRow("fractional millimetres")
            << head + R"("version": 1, "settings": {"print": {"labelGapMm": 2.5}}})" << true
            << "whole number";
        QTest::newRow("speed too high")
            << head + R"("version": 1, "settings": {"print": {"speed": 99}}})" << true << "speed";
        QTest::newRow("port too high")
            << head + R"("version": 1, "settings": {"ethernet": {"tcpPort": 70000}}})" << true
            << "tcpPort";
        QTest::newRow("bad address")
            << head + R"("version": 1, "settings": {"wifi": {"ip": "10.0.0.256"}}})" << true
            << "ip";
        QTest::newRow("unknown setting")
            << head + R"("version": 1, "settings": {"serial": {"flow": 1}}})" << true << "flow";
    }

    void refusesBadProfiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, parses);
        QFETCH(QString, reason);
        profile::Profile p;
        QString error;
        QCOMPARE(profile::parse(text, &p, &error), parses);
        if (!parses) {
            QVERIFY(!error.isEmpty());
            QVERIFY(error.contains(reason));
            return;
        }
        QVERIFY(!profileapply::check(p, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        auto printer = startPrinter(QStringLiteral("K53TA"));
        QVERIFY(printer);
        Open open(*printer);
        printer->clearRecords();
        const profileapply::Outcome o = profileapply::apply(open.session, p, false, true);
        QVERIFY(o.refused.contains(reason));
        QCOMPARE(printer->receivedFrames().size(), 0);
    }

    void applyToManyIsolatesFailure_data()
    {
        QTest::addColumn<int>("refuse");
        QTest::addColumn<int>("wrongItem"); // answered with another item; -1 none
        QTest::addColumn<QString>("failedPage");
        QTest::newRow("wrong answer mid-apply")
            << int(RefuseMode::None) << int(INFO_NET_ADDRESS) << "ethernet";
        QTest::newRow("refuses connections") << int(RefuseMode::NotListening) << -1 << "";
    }

    void applyToManyIsolatesFailure()
    {
        QFETCH(int, refuse);
        QFETCH(int, wrongItem);
        QFETCH(QString, failedPage);
        std::vector<std::unique_ptr<SimPrinter>> printers;
        QList<profileapply::PrinterAddress> addresses;
        for (int i = 0; i < 4; ++i) {
            printers.push_back(startPrinter(QStringLiteral("K53TA")));
            QVERIFY(printers.back());
            addresses.append({false, QStringLiteral("127.0.0.1"), printers.back()->tcpPort(), 0});
        }
        printers[2]->setRefuseMode(RefuseMode(refuse));
        if (wrongItem >= 0)
            printers[2]->setWrongItemItems({quint8(wrongItem)});
        const QList<profileapply::PrinterOutcome> outcomes =
            profileapply::applyToMany(addresses, changed(12), false, true, 4);
        QCOMPARE(outcomes.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const profileapply::PrinterOutcome &o = outcomes.at(i);
            if (i == 2) {
                QCOMPARE(o.connectResult == RESULT_OK, !failedPage.isEmpty());
                if (!failedPage.isEmpty()) {
                    QVERIFY(o.outcome.result != RESULT_OK);
                    QCOMPARE(o.outcome.failedPage, failedPage);
                    // The pages before it were written all the same.
                    QCOMPARE(printers[2]->value(INFO_PRINT_DENSITY), QByteArray(1, 12));
                }
                continue;
            }
            QCOMPARE(o.connectResult, int(RESULT_OK));
            QCOMPARE(o.outcome.result, int(RESULT_OK));
            QVERIFY(o.outcome.notVerified.isEmpty());
            QCOMPARE(printers[size_t(i)]->value(INFO_PRINT_DENSITY), QByteArray(1, 12));
        }
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
