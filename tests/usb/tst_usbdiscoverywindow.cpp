// USB discovery filling the real main window's device list.
#include "emulatedusbprinter.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "transport/usbtransport.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QtTest>

#include <cstring>
#include <memory>

class TestUsbDiscoveryWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EmulatedUsbBus> bus;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;

    void addPrinter(int device, const QString &port, quint16 vendor, quint16 product,
                    const QByteArray &productString)
    {
        EmulatedDeviceSpec deviceSpec;
        deviceSpec.deviceNumber = device;
        deviceSpec.portPath = port;
        deviceSpec.vendorId = vendor;
        deviceSpec.productId = product;
        deviceSpec.product = productString;
        QVERIFY(bus->addDevice(deviceSpec));
    }

    int discover(_PRINTER_ATTR *attrs)
    {
        CDeviceIOOpera usb(window.get());
        Printer_Vector list;
        return usb.GetPrinterHandle(attrs, list);
    }

private slots:
    void init()
    {
        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
        bus = std::make_unique<EmulatedUsbBus>();
        recorder = std::make_unique<MessageRecorder>();
        window = std::make_unique<MainWindow>();
        window->ui->comboBox_ScanResult->clear();
        window->ui->progressBar_Scan->setValue(0);
    }

    void cleanup()
    {
        window.reset();
        recorder.reset();
        bus.reset();
        getListStatus = false;
    }

    void listFilledInEnumerationOrder()
    {
        addPrinter(2, QStringLiteral("3"), 0x4B7E, 1285, "ABC");
        addPrinter(3, QStringLiteral("7"), 0x4B7E, 4660, QByteArray());
        addPrinter(4, QStringLiteral("9"), 0x1234, 1285, "foreign");
        getListStatus = true;
        _PRINTER_ATTR attrs[kPrinterAttrCount];
        std::memset(attrs, 0, sizeof(attrs));
        QCOMPARE(discover(attrs), 1);

        QComboBox *list = window->ui->comboBox_ScanResult;
        QCOMPARE(list->count(), 2);
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) {
            QCOMPARE(list->itemText(i), QString::fromLocal8Bit(attrs[i].modelname));
            texts << list->itemText(i);
        }
        texts.sort();
        QCOMPARE(texts, (QStringList{QStringLiteral("Sable Kestrel [ABC] {USB003}"),
                                     QStringLiteral("Unknown [Unknown] {USB007}")}));
        QCOMPARE(window->ui->progressBar_Scan->value(), 100);
    }

    void stoppedSearchLeavesTheListAlone()
    {
        addPrinter(2, QStringLiteral("3"), 0x4B7E, 1285, "ABC");
        getListStatus = false;
        _PRINTER_ATTR attrs[kPrinterAttrCount];
        std::memset(attrs, 0, sizeof(attrs));
        QCOMPARE(discover(attrs), 0);
        QCOMPARE(window->ui->comboBox_ScanResult->count(), 0);
        QCOMPARE(window->ui->progressBar_Scan->value(), 0);
    }
};

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestUsbDiscoveryWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_usbdiscoverywindow.moc"
