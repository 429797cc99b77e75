// The window over USB, through the real libusb code to a printer emulated with umockdev: the status
// word by control read, and a reply for another item.
#include "emulatedusbprinter.h"

#include "gui/shell/mainwindow.h"
#include "idlewait.h"
#include "messagerecorder.h"
#include "device/settings/settingsengine.h"
#include "sim/printermodel.h"
#include "device/link/printersession.h"

#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>

class TestPagesUsb : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void statusWordThroughControlRead_data();
    void statusWordThroughControlRead();
    void replyForAnotherItemFailsTheRead_data();
    void replyForAnotherItemFailsTheRead();

private:
    void click(const char *button)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(waitIdle(window.get()));
    }
    std::unique_ptr<EmulatedUsbBus> bus;
    EmulatedUsbPrinter *printer = nullptr;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;
};

// The window with the first USB printer listed open.
void TestPagesUsb::init()
{
    if (!EmulatedUsbBus::available())
        QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    bus = std::make_unique<EmulatedUsbBus>();
    EmulatedDeviceSpec deviceSpec; // on port 3
    deviceSpec.product = "K53TA";
    printer = bus->addDevice(deviceSpec);
    recorder = std::make_unique<MessageRecorder>();
    window = std::make_unique<MainWindow>();
    click("pushButton_getList");
    click("pushButton_open");
    QCOMPARE(recorder->lastText(), QString::fromUtf8("连接成功！"));
    recorder->clear();
}

void TestPagesUsb::cleanup()
{
    window.reset();
    recorder.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    printer = nullptr;
    bus.reset();
}

void TestPagesUsb::statusWordThroughControlRead_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QString>("text");
    QTest::newRow("paper out and jam")
        << QByteArray("\x0A\x00\x00\x00", 4) << QString::fromUtf8("缺纸\n卡纸\n");
    QTest::newRow("bit 16 only") << QByteArray("\x00\x00\x01\x00", 4)
                                 << QString::fromUtf8("空闲中");
    // A short control read carries no whole word.
    QTest::newRow("two bytes only")
        << QByteArray("\x0A\x00", 2) << QString::fromUtf8("请确保打印机已进行连接");
}

void TestPagesUsb::statusWordThroughControlRead()
{
    QFETCH(QByteArray, word);
    QFETCH(QString, text);
    printer->setStatusWord(word);
    const int writes = printer->writes().size();
    click("pushButton_GetPrinterStatus");
    QCOMPARE(recorder->texts(), QStringList{text});
    QCOMPARE(printer->writes().size(), writes);
}

void TestPagesUsb::replyForAnotherItemFailsTheRead_data()
{
    QTest::addColumn<int>("missing");
    QTest::newRow("first query") << 0x00;
    QTest::newRow("last query") << 0x3E;
}

// Over USB a reply for another item reaches the page as a malformed reply rather than as a
// time-out: the later queries still run, but the page holds a value the printer did not give.
void TestPagesUsb::replyForAnotherItemFailsTheRead()
{
    QFETCH(int, missing);
    PrinterFaults faults;
    faults.wrongItemItems = {quint8(missing)};
    printer->model().setFaults(faults);
    auto *set = window->findChild<QPushButton *>("pushButton_PrintSettingSet");
    set->setEnabled(true); // as an earlier printer's read left it
    const int writes = printer->writes().size();
    click("pushButton_PrintSettingRead");
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("读取失败，请重试")});
    QVERIFY(!set->isEnabled());
    QCOMPARE(printer->writes().size(), writes + 13);
    QJsonObject values;
    QCOMPARE(settingsengine::read(window->session(), "print", &values).reported, 1);
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestPagesUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pages_usb.moc"
