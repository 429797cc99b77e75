// The function page over USB, through the real libusb code to
// a printer emulated with umockdev.
#include "emulatedusbprinter.h"

#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "protocol/printersession.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QSettings>
#include <QTextBrowser>
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
    void functionButtonFrameOnTheWire();
    void printerInformation();

private:
    bool openFirst();
    std::unique_ptr<EmulatedUsbBus> bus;
    EmulatedUsbPrinter *printer = nullptr;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;
};

void TestPagesUsb::init()
{
    if (!EmulatedUsbBus::available())
        QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    bus = std::make_unique<EmulatedUsbBus>();
    EmulatedDeviceSpec deviceSpec;
    deviceSpec.portPath = QStringLiteral("3");
    deviceSpec.productId = 1285;
    deviceSpec.product = "K53TA";
    printer = bus->addDevice(deviceSpec);
    printer->setResponder(fixedPrinterResponse);
    recorder = std::make_unique<MessageRecorder>();
    window = std::make_unique<MainWindow>();
    QCOMPARE(window->session().medium(), 1);
}

void TestPagesUsb::cleanup()
{
    window.reset();
    recorder.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    printer = nullptr;
    bus.reset();
}

bool TestPagesUsb::openFirst()
{
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
    const bool ok = recorder->lastText() == QString::fromUtf8("连接成功！");
    recorder->clear();
    return ok;
}

void TestPagesUsb::statusWordThroughControlRead_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QString>("text");
    QTest::newRow("idle") << QByteArray(4, '\0') << QString::fromUtf8("空闲中");
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
    QVERIFY(openFirst());
    printer->setStatusWord(word);
    QTest::mouseClick(window->findChild<QPushButton *>("pushButton_GetPrinterStatus"),
                      Qt::LeftButton);
    QCOMPARE(recorder->texts(), QStringList{text});
    QVERIFY(printer->writes().isEmpty());
}

void TestPagesUsb::functionButtonFrameOnTheWire()
{
    QVERIFY(openFirst());
    QTest::mouseClick(window->findChild<QPushButton *>("pushButton_StripMode"), Qt::LeftButton);
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QCOMPARE(printer->writes(), QList<QByteArray>{QByteArray::fromHex("1BFFFE012501021BFEFF")});
    QTest::mouseClick(window->findChild<QPushButton *>("pushButton_SelfCheck"), Qt::LeftButton);
    QCOMPARE(printer->writes().last(), QByteArray::fromHex("1BFFFE0000001BFEFF"));
}

void TestPagesUsb::printerInformation()
{
    QVERIFY(openFirst());
    QTest::mouseClick(window->findChild<QPushButton *>("pushButton_getPrinterInfo"),
                      Qt::LeftButton);
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QVERIFY(!window->findChild<QTextBrowser *>("textBrowser_Ver")->toPlainText().isEmpty());
    QVERIFY(!window->findChild<QTextBrowser *>("textBrowser_DPI")->toPlainText().isEmpty());
    QCOMPARE(printer->writes().size(), 3);
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestPagesUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pages_usb.moc"
