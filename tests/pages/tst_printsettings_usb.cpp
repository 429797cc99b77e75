// The print settings read over USB, where a reply for another item reaches the page
// as a malformed reply (code 1) rather than as a time-out: a failed read all the same.
#include "emulatedusbprinter.h"

#include "protocol/printersession.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "sim/printermodel.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QSettings>
#include <QtTest>
#include <memory>

class TestPrintSettingsUsb : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void printerLackingSettingFailsTheRead_data();
    void printerLackingSettingFailsTheRead();

private:
    std::unique_ptr<EmulatedUsbBus> bus;
    EmulatedUsbPrinter *printer = nullptr;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;
};

void TestPrintSettingsUsb::init()
{
    if (!EmulatedUsbBus::available())
        QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    bus = std::make_unique<EmulatedUsbBus>();
    EmulatedDeviceSpec device;
    device.product = "K53TA";
    printer = bus->addDevice(device);
    recorder = std::make_unique<MessageRecorder>();
    window = std::make_unique<MainWindow>();
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
    QCOMPARE(recorder->lastText(), QString::fromUtf8("连接成功！"));
    QCOMPARE(window->session().dotsPerMm(), 12);
    recorder->clear();
}

void TestPrintSettingsUsb::cleanup()
{
    window.reset();
    recorder.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    printer = nullptr;
    bus.reset();
}

void TestPrintSettingsUsb::printerLackingSettingFailsTheRead_data()
{
    QTest::addColumn<int>("missing");
    QTest::newRow("first query") << 0x00;
    QTest::newRow("last query") << 0x3E;
}

void TestPrintSettingsUsb::printerLackingSettingFailsTheRead()
{
    QFETCH(int, missing);
    Ui::MainWindow *ui = window->ui;
    ui->comboBox_PrintSpeed->setCurrentIndex(1);
    ui->comboBox_PrintDensty->setCurrentIndex(4);
    ui->comboBox->setCurrentIndex(1);
    PrinterModel &model = printer->model();
    model.setValue(0x00, QByteArray(1, 6));
    model.setValue(0x13, QByteArray(1, 9));
    model.setValue(0x3E, QByteArray(1, 5));
    model.setValue(0x19, QByteArray::fromHex("2400"));
    PrinterFaults faults;
    faults.wrongItemItems = {quint8(missing)};
    model.setFaults(faults);

    QTest::mouseClick(ui->pushButton_PrintSettingRead, Qt::LeftButton);
    // The rest is filled, but the page holds a value the printer did not give: no set.
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("读取失败，请重试")});
    QVERIFY(!ui->pushButton_PrintSettingSet->isEnabled());
    QCOMPARE(ui->comboBox_PrintSpeed->currentIndex(), missing == 0x00 ? 1 : 6);
    QCOMPARE(ui->comboBox_PrintDensty->currentIndex(), missing == 0x13 ? 4 : 9);
    QCOMPARE(ui->comboBox->currentIndex(), missing == 0x3E ? 1 : 5);
    QCOMPARE(ui->lineEdit_LabelGap->text(), QStringLiteral("3"));
    QCOMPARE(printer->writes().size(), 13);
    QCOMPARE(window->Print_Init(), 1);
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestPrintSettingsUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printsettings_usb.moc"
