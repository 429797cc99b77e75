// The console and the file stream over USB, through the session and the real libusb
// code to a printer emulated with umockdev: one read-back per sent block, the reply
// frame picked out of it, the USB piece size, and a stalled stream stopped.
#include "emulatedusbprinter.h"

#include "console/hexcodec.h"
#include "filesendhelpers.h"
#include "messagerecorder.h"
#include "protocol/printersession.h"
#include "testpagehost.h"
#include "transport/usbtransport.h"

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
    void stopEndsAStalledDownload();

private:
    void setButtonWriteMs(int ms);
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
    savedTimeouts = CDeviceIOOpera::timeouts();
    setButtonWriteMs(savedTimeouts.buttonWriteMs);
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
    // No libusb context may outlive the emulated bus.
    pages.reset();
    session.reset();
    host.reset();
    recorder.reset();
    printer = nullptr;
    bus.reset();
    CDeviceIOOpera::setTimeoutsForTesting(savedTimeouts);
}

void TestConsoleUsb::setButtonWriteMs(int ms)
{
    UsbTimeouts timeouts = savedTimeouts;
    timeouts.exchangeMs = 300; // a read-back that brings nothing
    timeouts.buttonWriteMs = ms;
    CDeviceIOOpera::setTimeoutsForTesting(timeouts);
}

void TestConsoleUsb::consoleSend_data()
{
    const QByteArray frame = QByteArray::fromHex("1BFFFE0204034F4B001BFEFF");
    QTest::addColumn<QString>("input"); // hex
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("hexRecv");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("frame only, hex")
        << "1B 40" << QByteArray("junk") + frame << true
        << QStringList{"SEND->1B 40", "RECV<-1B FF FE 02 04 03 4F 4B 00 1B FE FF"};
    QTest::newRow("no frame, text stops at NUL")
        << "1B 40" << QByteArray("OK\0junk", 7) << false << QStringList{"SEND->1B 40", "RECV<-OK"};
    QTest::newRow("no frame: the whole block")
        << "1B 40" << QByteArray("OK") << true
        << QStringList{"SEND->1B 40", "RECV<-4F 4B" + QString(" 00").repeated(262)};
    // Each block has its own read-back: the responder numbers them.
    const QString z = QString("7A ").repeated(1024);
    QTest::newRow("blocks of 1024")
        << QString("7A ").repeated(2500).trimmed() << QByteArray() << false
        << QStringList{"SEND->" + z.trimmed(),
                       "RECV<-1:1024",
                       "SEND->" + z.trimmed(),
                       "RECV<-2:1024",
                       "SEND->" + QString("7A ").repeated(452).trimmed(),
                       "RECV<-3:452"};
}

void TestConsoleUsb::consoleSend()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, reply);
    QFETCH(bool, hexRecv);
    QFETCH(QStringList, lines);
    int count = 0;
    printer->setResponder([&count, reply](const QByteArray &written) {
        return reply.isNull()
                   ? QByteArray::number(++count) + ':' + QByteArray::number(written.size())
                   : reply;
    });
    pages->widget<QRadioButton>("radioButton_hexRecv")->setChecked(hexRecv);
    pages->widget<QRadioButton>("radioButton_hexSend")->setChecked(true);
    pages->widget<QTextEdit>("textEdit_Send")->setPlainText(input);
    pages->click("pushButton_Send");
    QVERIFY(recorder->messages.isEmpty());
    QByteArray sent;
    QVERIFY(hexcodec::parseHexSend(input, &sent));
    QCOMPARE(printer->writes().join(), sent);
    QCOMPARE(printer->writes().size(), (sent.size() + 1023) / 1024);
    QCOMPARE(pages->lines(), lines);
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
    setButtonWriteMs(1000);
    printer->setAcceptLimit(acceptLimit);
    QTemporaryDir dir;
    const QByteArray content = rawPayload(25000, 4);
    QVERIFY(writePlainFile(dir.filePath(QStringLiteral("job.prn")), content));
    recorder->fileToOpen = dir.filePath(QStringLiteral("job.prn"));
    pages->click("pushButton_SendFile");
    QCOMPARE(pages->lines(), QStringList{QString::fromUtf8("发送文件 job.prn，25000 字节")});
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
    QCOMPARE(pages->widget<QProgressBar>("progressBar_Debug")->value(), 100);
}

void TestConsoleUsb::stopEndsAStalledDownload()
{
    // The printer stops taking data in the second piece and would wait out a whole
    // minute; a stop (the window closing) ends the download at once and removes the
    // plain copy.
    setButtonWriteMs(60000);
    printer->setAcceptLimit(15000);
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(32000, 6);
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), plain));
    recorder->fileToOpen = dir.filePath(QStringLiteral("fw.hex"));
    QTimer::singleShot(400, &pages->stream, [this] { pages->stream.requestStop(); });
    pages->click("pushButton_DownloadFW");
    QTRY_VERIFY_WITH_TIMEOUT(!pages->stream.running(), 5000);
    QTRY_VERIFY(!session->busy());
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
