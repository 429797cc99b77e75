// The print settings read over USB, where a reply for another item reaches the page as a malformed
// reply (code 1) rather than as a time-out: a failed read all the same.
#include "emulatedusbprinter.h"

#include "messagerecorder.h"
#include "protocol/printersession.h"
#include "settings/printpage.h"
#include "settings/printsettingsio.h"
#include "sim/printermodel.h"
#include "testpagehost.h"

#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>

class TestPrintSettingsUsb : public QObject
{
    Q_OBJECT
private slots:
    void printerLackingSettingFailsTheRead_data();
    void printerLackingSettingFailsTheRead();
};

void TestPrintSettingsUsb::printerLackingSettingFailsTheRead_data()
{
    QTest::addColumn<int>("missing");
    QTest::newRow("first query") << 0x00;
    QTest::newRow("last query") << 0x3E;
}

void TestPrintSettingsUsb::printerLackingSettingFailsTheRead()
{
    QFETCH(int, missing);
    if (!EmulatedUsbBus::available())
        QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    EmulatedUsbBus bus;
    EmulatedDeviceSpec device;
    device.product = "K53TA";
    EmulatedUsbPrinter *printer = bus.addDevice(device);
    MessageRecorder recorder;
    {
        PrinterSession session;
        QCOMPARE(session.openUsb(device.portPath.toInt()), 0);
        session.setDotsPerMm(12);
        session.setHasPrintMode(true);
        TestPageHost host(&session);
        PrintPage page(session, host);
        page.printerChanged();
        PrinterFaults faults;
        faults.wrongItemItems = {quint8(missing)};
        printer->model().setFaults(faults);
        auto *set = page.findChild<QPushButton *>("pushButton_PrintSettingSet");
        set->setEnabled(true); // as an earlier printer's read left it

        QTest::mouseClick(page.findChild<QPushButton *>("pushButton_PrintSettingRead"),
                          Qt::LeftButton);
        // The later queries still run, but the page holds a value the printer did not give: no set.
        QCOMPARE(recorder.texts(), QStringList{QString::fromUtf8("读取失败，请重试")});
        QVERIFY(!set->isEnabled());
        QCOMPARE(printer->writes().size(), 13);
        PrintSettings values;
        QCOMPARE(readPrintSettings(session, &values), 1);
        session.close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestPrintSettingsUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printsettings_usb.moc"
