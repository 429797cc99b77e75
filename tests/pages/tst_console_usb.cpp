// The debug console and file sending over USB, through the real libusb code to a
// printer emulated with umockdev: one read-back block per sent block, the reply frame
// picked out of it, and the USB piece size.
#include "emulatedusbprinter.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "download/workerthread.h"
#include "filesendhelpers.h"
#include "messagerecorder.h"
#include "transport/usblink.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

class TestConsoleUsb : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eachBlockHasItsReadBack();
    void readBackDisplay_data();
    void readBackDisplay();
    void fileGoesInUsbPieces_data();
    void fileGoesInUsbPieces();
    void closeStopsAStalledDownload();

private:
    QStringList lines() const;
    std::unique_ptr<EmulatedUsbBus> bus;
    EmulatedUsbPrinter *printer = nullptr;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;
    UsbTimeouts savedTimeouts;
};

void TestConsoleUsb::init()
{
    if (!EmulatedUsbBus::available())
        QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    savedTimeouts = UsbLink::defaultTimeouts();
    UsbTimeouts shortened = savedTimeouts;
    shortened.exchangeMs = 300; // a read-back that brings nothing
    UsbLink::setDefaultTimeouts(shortened);
    bus = std::make_unique<EmulatedUsbBus>();
    printer = bus->addDevice(EmulatedDeviceSpec());
    printer->setResponder([](const QByteArray &) { return QByteArray(); });
    recorder = std::make_unique<MessageRecorder>();
    window = std::make_unique<MainWindow>();
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
    QTest::mouseClick(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
    QCOMPARE(recorder->lastText(), QString::fromUtf8("连接成功！"));
    recorder->clear();
}

void TestConsoleUsb::cleanup()
{
    window.reset();
    recorder.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    printer = nullptr;
    bus.reset();
    UsbLink::setDefaultTimeouts(savedTimeouts);
    debugMode = false;
}

QStringList TestConsoleUsb::lines() const
{
    static const QRegularExpression stamp(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\]"));
    QStringList out;
    for (const QString &line : window->ui->textBrowser_Debug->toPlainText().split('\n'))
        out << QString(line).remove(stamp);
    return out;
}

void TestConsoleUsb::eachBlockHasItsReadBack()
{
    int count = 0;
    printer->setResponder([&count](const QByteArray &written) {
        return QByteArray::number(++count) + ':' + QByteArray::number(written.size());
    });
    window->ui->textEdit_Send->setPlainText(QString(2500, QLatin1Char('z')));
    QTest::mouseClick(window->ui->pushButton_Send, Qt::LeftButton);
    QVERIFY(recorder->messages.isEmpty());
    QList<int> sizes;
    for (const QByteArray &w : printer->writes())
        sizes << w.size();
    QCOMPARE(sizes, (QList<int>{1024, 1024, 452}));
    const QStringList got = lines();
    QCOMPARE(got.size(), 6);
    QCOMPARE(got.at(1), QStringLiteral("RECV<-1:1024"));
    QCOMPARE(got.at(3), QStringLiteral("RECV<-2:1024"));
    QCOMPARE(got.at(4), QStringLiteral("SEND->") + QString(452, QLatin1Char('z')));
    QCOMPARE(got.at(5), QStringLiteral("RECV<-3:452"));
}

void TestConsoleUsb::readBackDisplay_data()
{
    const QByteArray frame = QByteArray::fromHex("1BFFFE0204034F4B001BFEFF");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("hexRecv");
    QTest::addColumn<QString>("shown");
    QTest::newRow("frame only, hex")
        << QByteArray("junk") + frame << true << "RECV<-1B FF FE 02 04 03 4F 4B 00 1B FE FF";
    QTest::newRow("no frame, text stops at NUL")
        << QByteArray("OK\0junk", 7) << false << QStringLiteral("RECV<-OK");
    QTest::newRow("no frame: the whole block")
        << QByteArray("OK") << true << "RECV<-4F 4B" + QString(" 00").repeated(262);
}

void TestConsoleUsb::readBackDisplay()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, hexRecv);
    QFETCH(QString, shown);
    printer->setResponder([reply](const QByteArray &) { return reply; });
    window->ui->radioButton_hexRecv->setChecked(hexRecv);
    window->ui->radioButton_hexSend->setChecked(true);
    window->ui->textEdit_Send->setPlainText(QStringLiteral("1B 40"));
    QTest::mouseClick(window->ui->pushButton_Send, Qt::LeftButton);
    QCOMPARE(printer->writes(), QList<QByteArray>{QByteArray("\x1B\x40")});
    QCOMPARE(lines(), (QStringList{QStringLiteral("SEND->1B 40"), shown}));
}

void TestConsoleUsb::fileGoesInUsbPieces_data()
{
    QTest::addColumn<int>("acceptLimit");
    // The printer takes this many bytes, stalls until that transfer times out, then
    // takes everything again: the piece it took part of is never sent again.
    QTest::newRow("whole file") << -1;
    QTest::newRow("piece partly taken") << 15000;
}

void TestConsoleUsb::fileGoesInUsbPieces()
{
    QFETCH(int, acceptLimit);
    UsbTimeouts timeouts = UsbLink::defaultTimeouts();
    timeouts.writeMs = 1000;
    UsbLink::setDefaultTimeouts(timeouts);
    printer->setAcceptLimit(acceptLimit);
    QTemporaryDir dir;
    const QByteArray content = rawPayload(25000, 4);
    QVERIFY(writePlainFile(dir.filePath(QStringLiteral("job.prn")), content));
    recorder->fileToOpen = dir.filePath(QStringLiteral("job.prn"));
    QTest::mouseClick(window->ui->pushButton_SendFile, Qt::LeftButton);
    QCOMPARE(lines().last(), QString::fromUtf8("发送文件 job.prn，25000 字节"));
    QTRY_COMPARE_WITH_TIMEOUT(recorder->messages.size(), 1, 20000);
    if (acceptLimit >= 0) {
        QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("向打印机发送数据失败。")});
        QCOMPARE(printer->writes().join(), content.left(acceptLimit));
        return;
    }
    QCOMPARE(recorder->texts(), QStringList{QString::fromUtf8("下载成功")});
    QList<int> sizes;
    for (const QByteArray &w : printer->writes())
        sizes << w.size();
    QCOMPARE(sizes, (QList<int>{10240, 10240, 4520}));
    QCOMPARE(printer->writes().join(), content);
    QCOMPARE(window->ui->progressBar_Debug->value(), 100);
}

void TestConsoleUsb::closeStopsAStalledDownload()
{
    // The printer stops taking data in the second piece and would wait out a whole
    // minute; closing the window stops the download at once and removes the plain copy.
    UsbTimeouts timeouts = UsbLink::defaultTimeouts();
    timeouts.writeMs = 60000;
    UsbLink::setDefaultTimeouts(timeouts);
    printer->setAcceptLimit(15000);
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(32000, 6);
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), plain));
    recorder->fileToOpen = dir.filePath(QStringLiteral("fw.hex"));
    QTimer::singleShot(400, window.get(), [this] { window->close(); });
    QTest::mouseClick(window->ui->pushButton_DownloadFW, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(workerThread->isFinished(), 5000);
    QCOMPARE(printer->openTransfers(), 0);
    QVERIFY(plain.startsWith(printer->writes().join()));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("fw_decrypted.hex"))));
    QVERIFY(recorder->messages.isEmpty());
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestConsoleUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_console_usb.moc"
