// The fleet window's drift column, offscreen, against two simulated printers on
// 127.0.0.1: hidden until a profile is chosen, "—" until checked, then each printer's
// count of differing settings with them in the tool tip (a PIN without its values).
#include "gui/fleet/fleetwindow.h"
#include "common/fleetprinters.h"
#include "common/messagerecorder.h"
#include "device/fleet/fleetlist.h"
#include "device/fleet/fleetmodel.h"
#include "device/operations/applymany.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QString keyOf(const SimPrinter &p)
{
    return QStringLiteral("127.0.0.1:%1").arg(p.tcpPort());
}

profile::Profile bluetooth(const QJsonObject &settings)
{
    profile::Profile p;
    p.model = QStringLiteral("K53TA");
    p.settings = QJsonObject{{"bluetooth", settings}};
    return p;
}

} // namespace

class TestFleetDrift : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimPrinter> same, off;

private slots:
    void initTestCase()
    {
        QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
        QFile::remove(fleet::fleetlist::defaultPath());
        same = startFleetPrinter("127.0.0.1", 0);
        off = startFleetPrinter("127.0.0.1", 0);
        QVERIFY(same && off);
        const profile::Profile site =
            bluetooth({{"name", "Shop"}, {"bleName", "Shop"}, {"pin", "4711"}});
        for (const SimPrinter *p : {same.get(), off.get()}) {
            PrinterAddress a;
            QVERIFY(PrinterAddress::parse(keyOf(*p), &a));
            QVERIFY(ops::applyToPrinter(a, site, false, false).outcome.ok());
        }
        PrinterAddress a;
        QVERIFY(PrinterAddress::parse(keyOf(*off), &a));
        QVERIFY(
            ops::applyToPrinter(a, bluetooth({{"name", "Other"}, {"pin", "1234"}}), false, false)
                .outcome.ok());
        QFile file(dir.filePath("site.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(profile::serialize(site));
        same->clearRecords();
        off->clearRecords();
    }

    void driftColumn()
    {
        MessageRecorder recorder;
        FleetWindow w;
        w.findChild<QLineEdit *>("lineEdit_FleetAddress")
            ->setText(keyOf(*same) + " " + keyOf(*off));
        QTest::mouseClick(w.findChild<QPushButton *>("pushButton_FleetAdd"), Qt::LeftButton);
        auto *table = w.findChild<QTableView *>("tableView_Fleet");
        const int column = fleet::FleetModel::DriftColumn;
        QVERIFY(table->isColumnHidden(column));
        QCOMPARE(w.model().headerData(column, Qt::Horizontal).toString(), QStringLiteral("偏差"));
        const auto cell = [&w, column](const SimPrinter &p, int role = Qt::DisplayRole) {
            return w.model().index(w.model().rowOf(keyOf(p)), column).data(role).toString();
        };
        QCOMPARE(cell(*same), QStringLiteral("—"));

        // No profile chosen: nothing changes.
        auto *check = w.findChild<QPushButton *>("pushButton_FleetCheckDrift");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(table->isColumnHidden(column));

        recorder.fileToOpen = dir.filePath("site.json");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!table->isColumnHidden(column));
        QTRY_COMPARE_WITH_TIMEOUT(cell(*off), QStringLiteral("2"), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(cell(*same), QStringLiteral("0"), 20000);
        const QString tip = cell(*off, Qt::ToolTipRole);
        QVERIFY2(tip.contains("\"Other\"") && tip.contains("\"Shop\""), qPrintable(tip));
        QVERIFY2(!tip.contains("1234") && !tip.contains("4711"), qPrintable(tip));
        QCOMPARE(tip.split('\n').size(), 2);
        QVERIFY(recorder.messages.isEmpty());
        // Nothing was written.
        for (const SimPrinter *p : {same.get(), off.get()}) {
            for (const ReceivedFrame &f : p->receivedFrames())
                QVERIFY(f.frameClass != 0x01);
        }
    }
};

QTEST_MAIN(TestFleetDrift)
#include "tst_fleetdrift.moc"
