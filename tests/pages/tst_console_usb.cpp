// The console and the file stream over USB, through the session and the real libusb
// code to a printer emulated with umockdev: one read-back per sent block, the reply
// frame picked out of it, the USB piece size, and a stalled stream stopped.
#include "emulatedusbprinter.h"

#include "filesendhelpers.h"
#include "messagerecorder.h"
#include "protocol/printersession.h"
#include "testpagehost.h"
#include "transport/usblink.h"

#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

class TestConsoleUsb : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void consoleSend_data();
    void consoleSend();
    void fileGoesInUsbPieces_data();
    void fileGoesInUsbPieces();

private:
    // Built in this order and torn down the other way round, so that no libusb context
    // outlives the emulated bus.
    std::unique_ptr<EmulatedUsbBus> bus;
    EmulatedUsbPrinter *printer = nullptr;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<PrinterSession> session;
    std::unique_ptr<TestPageHost> host;
    std::unique_ptr<FilePages> pages;
    UsbTimeouts savedTimeouts;
};

void TestConsoleUsb::init()
{
    if (!EmulatedUsbBus::available())
        QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    savedTimeouts = UsbLink::defaultTimeouts();
    UsbTimeouts timeouts = savedTimeouts;
    timeouts.exchangeMs = 300; // a read-back that brings nothing
    UsbLink::setDefaultTimeouts(timeouts);
    bus = std::make_unique<EmulatedUsbBus>();
    printer = bus->addDevice(EmulatedDeviceSpec());
    printer->setResponder([](const QByteArray &) { return QByteArray(); });
    recorder = std::make_unique<MessageRecorder>();
    session = std::make_unique<PrinterSession>();
    host = std::make_unique<TestPageHost>(session.get());
    QCOMPARE(session->openUsb(3), 0);
    pages = std::make_unique<FilePages>(*session, *host);
}

void TestConsoleUsb::cleanup()
{
    pages.reset();
    session.reset();
    host.reset();
    recorder.reset();
    bus.reset();
    UsbLink::setDefaultTimeouts(savedTimeouts);
}

void TestConsoleUsb::consoleSend_data()
{
    // Typed (hex) | the printer's reply, hex (none: "<block number>:<bytes written>" as
    // text) | message-area lines
    QTest::addColumn<QString>("row");
    QTest::newRow("frame only") << "1B 40|6A756E6B1BFFFE0204034F4B001BFEFF|SEND->1B 40;RECV<-1B FF "
                                   "FE 02 04 03 4F 4B 00 1B FE FF";
    QTest::newRow("no frame: the whole block")
        << "1B 40|4F4B|SEND->1B 40;RECV<-4F 4B" + QString(" 00").repeated(262);
    const QString z = ";SEND->" + QString("7A ").repeated(1024).trimmed();
    QTest::newRow("blocks of 1024, a read-back each")
        << QString("7A ").repeated(2500).trimmed() + "||" + z + ";RECV<-1:1024" + z +
               ";RECV<-2:1024;SEND->" + QString("7A ").repeated(452).trimmed() + ";RECV<-3:452";
}

void TestConsoleUsb::consoleSend()
{
    QFETCH(QString, row);
    const QStringList c = row.split(QLatin1Char('|'));
    const QByteArray reply = QByteArray::fromHex(c.at(1).toLatin1());
    int count = 0;
    printer->setResponder([&count, reply](const QByteArray &written) {
        return reply.isEmpty()
                   ? QByteArray::number(++count) + ':' + QByteArray::number(written.size())
                   : reply;
    });
    pages->widget<QRadioButton>("radioButton_hexRecv")->setChecked(!reply.isEmpty());
    pages->widget<QRadioButton>("radioButton_hexSend")->setChecked(true);
    pages->widget<QTextEdit>("textEdit_Send")->setPlainText(c.at(0));
    pages->click("pushButton_Send");
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(printer->writes().join(), QByteArray::fromHex(c.at(0).toLatin1()));
    QCOMPARE(pages->lines(), c.at(2).split(QLatin1Char(';'), Qt::SkipEmptyParts));
}

void TestConsoleUsb::fileGoesInUsbPieces_data()
{
    // An encrypted firmware, else a console file | the printer takes this many bytes,
    // stalls until that transfer times out (after writeMs), then takes everything again:
    // the piece it took part of is never sent again | writeMs | a stop after this many
    // ms (the window closing) | the final message
    QTest::addColumn<QString>("row");
    QTest::newRow("whole file") << QString::fromUtf8("0|-1|1000|-1|下载成功");
    QTest::newRow("piece partly taken")
        << QString::fromUtf8("0|15000|1000|-1|向打印机发送数据失败。");
    // A stall that would last a minute ends at once and the plain copy goes.
    QTest::newRow("stalled download stopped") << "1|15000|60000|400|";
}

void TestConsoleUsb::fileGoesInUsbPieces()
{
    QFETCH(QString, row);
    const QStringList c = row.split(QLatin1Char('|'));
    const bool download = c.at(0) == "1";
    const int acceptLimit = c.at(1).toInt(), stopAfterMs = c.at(3).toInt();
    UsbTimeouts timeouts = UsbLink::defaultTimeouts();
    timeouts.writeMs = c.at(2).toInt();
    UsbLink::setDefaultTimeouts(timeouts);
    printer->setAcceptLimit(acceptLimit);
    QTemporaryDir dir;
    const QByteArray content = rawPayload(25000, 4);
    const QString path = dir.filePath(QStringLiteral("job.hex"));
    QVERIFY(download ? writeEncryptedFile(path, content.left(24992) /* whole blocks */)
                     : writePlainFile(path, content));
    recorder->fileToOpen = path;
    if (stopAfterMs >= 0)
        QTimer::singleShot(stopAfterMs, &pages->stream, [this] { pages->stream.requestStop(); });
    pages->click(download ? "pushButton_DownloadFW" : "pushButton_SendFile");
    QTRY_VERIFY_WITH_TIMEOUT(!session->busy(), 20000);
    QTRY_COMPARE(recorder->texts(), c.at(4).isEmpty() ? QStringList() : QStringList{c.at(4)});
    QCOMPARE(printer->openTransfers(), 0);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("job_decrypted.hex"))));
    const QByteArray taken = printer->writes().join();
    if (acceptLimit >= 0) {
        QVERIFY(stopAfterMs >= 0 ? content.startsWith(taken) : taken == content.left(acceptLimit));
        return;
    }
    QList<int> sizes;
    for (const QByteArray &w : printer->writes())
        sizes << w.size();
    QCOMPARE(sizes, (QList<int>{10240, 10240, 4520}));
    QCOMPARE(taken, content);
    QCOMPARE(pages->widget<QProgressBar>("progressBar_Debug")->value(), 100);
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestConsoleUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_console_usb.moc"
