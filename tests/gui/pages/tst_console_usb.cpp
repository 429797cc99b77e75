// The console and the file stream over USB, through the session and the real libusb
// code to a printer emulated with umockdev: one read-back per sent block, the reply
// frame picked out of it, the USB piece size, and a stalled stream stopped.
#include "emulatedusbprinter.h"

#include "filesendhelpers.h"
#include "messagerecorder.h"
#include "testpagehost.h"
#include "device/link/printersession.h"
#include "device/link/usblink.h"

#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

// A session open to the emulated printer, the file pages on it. Built in this order and
// torn down the other way round, so that no libusb context outlives the emulated bus.
struct UsbFixture
{
    const UsbTimeouts saved = UsbLink::defaultTimeouts();
    EmulatedUsbBus bus;
    EmulatedUsbPrinter *printer = bus.addDevice(EmulatedDeviceSpec());
    MessageRecorder recorder;
    // The page's jobs run on the host's worker, whose session is opened there.
    TestPageHost host;
    PrinterSession &session = host.worker.session();
    std::unique_ptr<FilePages> pages;
    // A read-back that brings nothing ends after 300 ms, a stalled write after `writeMs`.
    bool open(unsigned int writeMs)
    {
        UsbTimeouts timeouts = saved;
        timeouts.exchangeMs = 300;
        timeouts.writeMs = writeMs;
        UsbLink::setDefaultTimeouts(timeouts);
        printer->setResponder([](const QByteArray &) { return QByteArray(); });
        const bool opened = host.runOnWorker([](PrinterSession &s) { return s.openUsb(3); }) == 0;
        pages = std::make_unique<FilePages>(session, host);
        return opened;
    }
    ~UsbFixture()
    {
        pages.reset();
        UsbLink::setDefaultTimeouts(saved);
    }
};

class TestConsoleUsb : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    }
    void consoleSend_data();
    void consoleSend();
    void fileGoesInUsbPieces_data();
    void fileGoesInUsbPieces();
};

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
    UsbFixture f;
    QVERIFY(f.open(UsbLink::defaultTimeouts().writeMs));
    int count = 0;
    f.printer->setResponder([&count, reply](const QByteArray &written) {
        return reply.isEmpty()
                   ? QByteArray::number(++count) + ':' + QByteArray::number(written.size())
                   : reply;
    });
    f.pages->widget<QRadioButton>("radioButton_hexRecv")->setChecked(!reply.isEmpty());
    f.pages->widget<QRadioButton>("radioButton_hexSend")->setChecked(true);
    f.pages->widget<QTextEdit>("textEdit_Send")->setPlainText(c.at(0));
    f.pages->click("pushButton_Send");
    QTRY_VERIFY_WITH_TIMEOUT(!f.host.worker.busy(), 20000);
    QVERIFY(f.recorder.messages.isEmpty());
    QCOMPARE(f.printer->writes().join(), QByteArray::fromHex(c.at(0).toLatin1()));
    QCOMPARE(f.pages->lines(), c.at(2).split(QLatin1Char(';'), Qt::SkipEmptyParts));
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
    UsbFixture f;
    QVERIFY(f.open(c.at(2).toUInt()));
    f.printer->setAcceptLimit(acceptLimit);
    QTemporaryDir dir;
    const QByteArray content = rawPayload(25000, 4);
    const QString path = dir.filePath(QStringLiteral("job.hex"));
    QVERIFY(download ? writeEncryptedFile(path, content.left(24992) /* whole blocks */)
                     : writePlainFile(path, content));
    f.recorder.fileToOpen = path;
    if (stopAfterMs >= 0)
        QTimer::singleShot(stopAfterMs, &f.pages->sends, [&f] { f.pages->sends.requestStop(); });
    f.pages->click(download ? "pushButton_DownloadFW" : "pushButton_SendFile");
    QTRY_VERIFY_WITH_TIMEOUT(!f.host.worker.busy(), 20000);
    QTRY_COMPARE(f.recorder.texts(), c.at(4).isEmpty() ? QStringList() : QStringList{c.at(4)});
    QCOMPARE(f.printer->openTransfers(), 0);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("job_decrypted.hex"))));
    const QByteArray taken = f.printer->writes().join();
    if (acceptLimit >= 0) {
        QVERIFY(stopAfterMs >= 0 ? content.startsWith(taken) : taken == content.left(acceptLimit));
        return;
    }
    QVERIFY(
        f.printer->writes() ==
        (QList<QByteArray>{content.left(10240), content.mid(10240, 10240), content.mid(20480)}));
    QCOMPARE(f.pages->widget<QProgressBar>("progressBar_Debug")->value(), 100);
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QApplication app(argc, argv);
    TestConsoleUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_console_usb.moc"
