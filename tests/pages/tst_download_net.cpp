// Firmware and font download and the console's file send over TCP to the simulated
// printer, through the pages and the session; the worker's piece loop driven directly.
#include "download/workerthread.h"
#include "filesendhelpers.h"
#include "filesizelimit.h"
#include "protocol/frame.h"
#include "provisioning/wifiprovisioning.h"
#include "sessionfixture.h"

#include <QtTest>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <chrono>
#include <functional>

namespace {

// Stands in for the stream's writer: takes each piece on the test's thread and answers
// with the next scripted result (0 once the script is used up) and the scripted number
// of bytes that left with a failed attempt (none when not given).
class FakeSender : public QObject
{
public:
    FakeSender(WorkerThread *worker, QList<int> results, QList<int> bytesOut = {})
        : m_results(std::move(results)), m_bytesOut(std::move(bytesOut))
    {
        connect(
            worker, &WorkerThread::sendFileSignal, this,
            [this, worker](const QByteArray &piece) {
                worker->keepPause();
                const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                       std::chrono::steady_clock::now().time_since_epoch())
                                       .count();
                pieces.append(piece);
                times.append(now);
                const int result = m_results.isEmpty() ? 0 : m_results.takeFirst();
                const qint64 out = m_bytesOut.isEmpty() ? 0 : m_bytesOut.takeFirst();
                worker->notePieceOutcome(result, result == 0 ? piece.size() : out,
                                         result == 0 ? now : 0);
            },
            Qt::BlockingQueuedConnection);
    }
    QList<QByteArray> pieces;
    QList<qint64> times; // steady clock, nanoseconds

private:
    QList<int> m_results;
    QList<int> m_bytesOut;
};

// Runs one job on a worker of its own; the result is the signals it emitted.
struct WorkerRun
{
    WorkerThread worker;
    QSignalSpy progress{&worker, &WorkerThread::progressUpdated};
    QSignalSpy errors{&worker, &WorkerThread::errorOccurred};
    QSignalSpy completed{&worker, &WorkerThread::completed};

    bool run(const QString &path, int medium, bool decryptedCopy)
    {
        worker.setJob(path, medium, decryptedCopy);
        worker.start();
        return QTest::qWaitFor([this] { return worker.isFinished(); }, 20000) &&
               QTest::qWaitFor([this] { return !errors.isEmpty() || !completed.isEmpty(); }, 5000);
    }
    QString error() const { return errors.isEmpty() ? QString() : errors.last().at(0).toString(); }
};

const char *buttonFor(const QString &kind)
{
    return kind == QLatin1String("firmware") ? "pushButton_DownloadFW"
           : kind == QLatin1String("font")   ? "pushButton_DownloadFL"
                                             : "pushButton_SendFile";
}

} // namespace

class TestDownloadNet : public QObject
{
    Q_OBJECT
private slots:
    void streamOverTcp_data();
    void streamOverTcp();
    void nothingSent_data();
    void nothingSent();
    void connectionFailure_data();
    void connectionFailure();
    void brokenStreamFails_data();
    void brokenStreamFails();
    void exchangesRefusedDuringStream_data();
    void exchangesRefusedDuringStream();

    void workerJob_data();
    void workerJob();
    void networkPiecesKeepThePause();
};

void TestDownloadNet::streamOverTcp_data()
{
    QTest::addColumn<QString>("kind"); // firmware, font or console
    QTest::addColumn<int>("size");
    // Chosen file, its decrypted copy (none for the console), the dialog's caption and
    // filter, a file of the user's with the copy's usual name, the message-area line,
    // the final message and the progress bar.
    QTest::addColumn<QStringList>("names");
    QTest::newRow("firmware, user's own copy kept")
        << "firmware" << 40000
        << QStringList{"fw.r7.hex",
                       "fw.r7_decrypted-2.hex",
                       "HEX File",
                       "HEX Files (*.hex);;All Files (*)",
                       "fw.r7_decrypted.hex",
                       QString::fromUtf8("下载固件 fw.r7.hex，40000 字节"),
                       QString::fromUtf8("等待打印机指示灯停止闪烁"),
                       "progressBar_Update"};
    QTest::newRow("font without suffix")
        << "font" << 16 * 1000
        << QStringList{"fontA",
                       "fontA_decrypted.bin",
                       "BIN File",
                       "BIN Files (*.bin);;All Files (*)",
                       "",
                       QString::fromUtf8("下载字库 fontA，16000 字节"),
                       QString::fromUtf8("等待打印机指示灯停止闪烁"),
                       "progressBar_Update"};
    // The user's own file carries the marker of decrypted copies, yet survives.
    QTest::newRow("console file") << "console" << 5000
                                  << QStringList{"label_decrypted.prn",
                                                 "",
                                                 "All Files (*)",
                                                 "",
                                                 "",
                                                 QString::fromUtf8(
                                                     "发送文件 label_decrypted.prn，5000 字节"),
                                                 QString::fromUtf8("下载成功"),
                                                 "progressBar_Debug"};
    QTest::newRow("empty firmware completes at once")
        << "firmware" << 0
        << QStringList{"empty.hex",
                       "empty_decrypted.hex",
                       "HEX File",
                       "HEX Files (*.hex);;All Files (*)",
                       "",
                       QString::fromUtf8("下载固件 empty.hex，0 字节"),
                       QString::fromUtf8("等待打印机指示灯停止闪烁"),
                       "progressBar_Update"};
}

void TestDownloadNet::streamOverTcp()
{
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(QStringList, names);
    const bool console = kind == QLatin1String("console");
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(size, 7);
    QVERIFY(console ? writePlainFile(dir.filePath(names.at(0)), plain)
                    : writeEncryptedFile(dir.filePath(names.at(0)), plain));
    if (!names.at(4).isEmpty())
        QVERIFY(writePlainFile(dir.filePath(names.at(4)), "user's"));

    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    auto *bar = pages.widget<QProgressBar>(names.at(7).toLatin1().constData());
    auto *otherBar =
        pages.widget<QProgressBar>(console ? "progressBar_Update" : "progressBar_Debug");
    bar->setValue(55);
    otherBar->setValue(33);
    f.recorder->fileToOpen = dir.filePath(names.at(0));
    pages.click(buttonFor(kind));
    QCOMPARE(f.recorder->fileCaptions, QStringList{names.at(2)});
    QCOMPARE(f.recorder->fileFilters, QStringList{names.at(3)});
    // The pieces are written by this thread, so nothing has finished yet.
    QVERIFY(f.session->streaming());
    for (const char *name : {"pushButton_DownloadFW", "pushButton_DownloadFL", "pushButton_Send",
                             "pushButton_SendFile"})
        QVERIFY2(!pages.widget(name)->isEnabled(), name);
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->isEnabled());
    if (!console)
        QVERIFY(QFile::exists(dir.filePath(names.at(1))));
    QCOMPARE(pages.lines(), QStringList{names.at(5)});

    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    QCOMPARE(f.recorder->messages.at(0).title, QString::fromUtf8("下载成功"));
    QCOMPARE(f.recorder->messages.at(0).text, names.at(6));
    QCOMPARE(bar->value(), size ? 100 : 0);
    QCOMPARE(otherBar->value(), 33);
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(plain.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(plain).toHex());
    QVERIFY(f.printer->receivedFrames().isEmpty());
    if (!console)
        QVERIFY(!QFile::exists(dir.filePath(names.at(1))));
    QVERIFY(QFile::exists(dir.filePath(names.at(0))));
    if (!names.at(4).isEmpty()) {
        QFile own(dir.filePath(names.at(4)));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("user's"));
    }
    for (const char *name : {"pushButton_DownloadFW", "pushButton_DownloadFL", "pushButton_Send",
                             "pushButton_SendFile"})
        QVERIFY2(pages.widget(name)->isEnabled(), name);
    QTRY_VERIFY(!f.session->busy());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::nothingSent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("chosen"); // relative to the temporary folder
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("text");         // what the message starts with; none when empty
    QTest::addColumn<qint64>("fileSizeLimit"); // stands in for a full disk
    QTest::newRow("no file chosen") << "font"
                                    << "" << true << "" << qint64(0);
    QTest::newRow("console, no file chosen") << "console"
                                             << "" << true << "" << qint64(0);
    QTest::newRow("missing source")
        << "firmware"
        << "none.hex" << true << QString::fromUtf8("无法读取所选文件：") << qint64(0);
    QTest::newRow("folder as source")
        << "firmware"
        << "folder.hex" << true << QString::fromUtf8("无法读取所选文件：") << qint64(0);
    // Readable, in a folder where nobody, not even root, can create a file.
    QTest::newRow("unwritable folder")
        << "firmware"
        << "/proc/version" << true
        << QString::fromUtf8("无法在文件所在的文件夹中创建解密文件：/proc") << qint64(0);
    QTest::newRow("disk full") << "firmware"
                               << "fw.hex" << true << QString::fromUtf8("解密失败，文件未发送。")
                               << qint64(32 * 1024);
    QTest::newRow("download, printer not open")
        << "firmware"
        << "fw.hex" << false << QString::fromUtf8("请先打开设备") << qint64(0);
    QTest::newRow("console, printer not open")
        << "console"
        << "fw.hex" << false << QString::fromUtf8("设备未打开!") << qint64(0);
}

void TestDownloadNet::nothingSent()
{
    QFETCH(QString, kind);
    QFETCH(QString, chosen);
    QFETCH(bool, open);
    QFETCH(QString, text);
    QFETCH(qint64, fileSizeLimit);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.hex")));
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), rawPayload(16 * 5000, 2)));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.host->open = open;
    f.recorder->fileToOpen = chosen.isEmpty() ? QString() : QDir(dir.path()).filePath(chosen);

    FileSizeLimit limit(fileSizeLimit);
    QVERIFY(limit.holds(fileSizeLimit));
    pages.click(buttonFor(kind));
    limit.release();

    QCOMPARE(f.recorder->fileCaptions.size(), open ? 1 : 0);
    QCOMPARE(f.recorder->messages.size(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty()) {
        const prompts::Message m = f.recorder->messages.at(0);
        QVERIFY2(m.text.startsWith(text), qPrintable(m.text));
        if (open)
            QCOMPARE(m.title, QString::fromUtf8("错误"));
    }
    QVERIFY(!f.session->busy());
    QVERIFY(pages.widget(buttonFor(kind))->isEnabled());
    QTest::qWait(50);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fw.hex"});
    QVERIFY(pages.lines().isEmpty());
}

void TestDownloadNet::connectionFailure_data()
{
    QTest::addColumn<bool>("firmware");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("firmware") << true << "Error"
                              << "Connection failed: ";
    QTest::newRow("font") << false << QString::fromUtf8("错误") << QString::fromUtf8("连接失败: ");
}

void TestDownloadNet::connectionFailure()
{
    QFETCH(bool, firmware);
    QFETCH(QString, title);
    QFETCH(QString, prefix);
    QTemporaryDir dir;
    const QString chosen =
        dir.filePath(firmware ? QStringLiteral("fw.hex") : QStringLiteral("f.bin"));
    QVERIFY(writeEncryptedFile(chosen, rawPayload(160, 1)));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.printer->setRefuseMode(RefuseMode::NotListening);
    f.recorder->fileToOpen = chosen;
    pages.click(firmware ? "pushButton_DownloadFW" : "pushButton_DownloadFL");
    QCOMPARE(f.recorder->messages.size(), 1);
    const prompts::Message m = f.recorder->messages.at(0);
    QCOMPARE(int(m.kind), int(prompts::Kind::Warning));
    QCOMPARE(m.title, title);
    QVERIFY2(m.text.startsWith(prefix) && m.text.size() > prefix.size(), qPrintable(m.text));
    QVERIFY(!pages.widget("progressBar_Update")->isEnabled());
    QVERIFY(pages.widget("pushButton_DownloadFW")->isEnabled() && !f.session->busy());
    // No stream will remove the plain copy, so the panel does.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(chosen).fileName()});
}

void TestDownloadNet::brokenStreamFails_data()
{
    QTest::addColumn<bool>("console");
    QTest::addColumn<int>("dropAfter");
    // The printer drops the connection after this many bytes of a 64,000-byte file
    // and accepts a new one at once; a file never continues on a new connection.
    QTest::newRow("firmware, inside a piece") << false << 20000;
    QTest::newRow("firmware, at a piece boundary") << false << 10 * 850;
    QTest::newRow("firmware, in the first piece") << false << 300;
    QTest::newRow("console file") << true << 20000;
}

void TestDownloadNet::brokenStreamFails()
{
    QFETCH(bool, console);
    QFETCH(int, dropAfter);
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(64000, 3);
    const QString chosen = dir.filePath(QStringLiteral("fw.hex"));
    QVERIFY(console ? writePlainFile(chosen, plain) : writeEncryptedFile(chosen, plain));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.printer->setDropAfterBytes(dropAfter);
    const int connections = f.printer->connectionCount();
    f.recorder->fileToOpen = chosen;
    pages.click(console ? "pushButton_SendFile" : "pushButton_DownloadFW");
    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    const prompts::Message m = f.recorder->messages.at(0);
    QCOMPARE(int(m.kind), int(prompts::Kind::Critical));
    QCOMPARE(m.title, QString::fromUtf8("错误"));
    QCOMPARE(m.text, QString::fromUtf8("向打印机发送数据失败。"));
    // What arrived is the start of the file, nothing twice, on one connection.
    QCOMPARE(f.printer->connectionCount(), connections + 1);
    QCOMPARE(f.printer->rawBytes(), plain.left(dropAfter));
    QVERIFY(!pages.widget(console ? "progressBar_Debug" : "progressBar_Update")->isEnabled());
    QVERIFY(pages.widget("pushButton_DownloadFW")->isEnabled() &&
            pages.widget("pushButton_Send")->isEnabled());
    QTRY_VERIFY(!f.session->busy());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("fw_decrypted.hex"))));
    QVERIFY(QFile::exists(chosen));
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::exchangesRefusedDuringStream_data()
{
    QTest::addColumn<int>("row");
    const QStringList rows{"information query", "status query", "function command",
                           "set frame",         "whole frame",  "status word",
                           "console bytes",     "console send", "console file",
                           "second download",   "provisioning"};
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows.at(i))) << i;
}

void TestDownloadNet::exchangesRefusedDuringStream()
{
    QFETCH(int, row);
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(16 * 1000, 11);
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), plain));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    WifiProvisioning provisioning(*f.session, *f.host);
    pages.widget<QTextEdit>("textEdit_Send")->setPlainText(QStringLiteral("TEXT"));
    PrinterSession &s = *f.session;
    unsigned char out[frame::kQueryOutSize];
    quint32 word = 0;
    WifiCred cred;
    cred.valid = true;
    cred.ssid = QStringLiteral("Office");
    cred.password = QStringLiteral("secret12");
    // Called by hand: the buttons are disabled during a stream. -1: no code to compare.
    const std::function<int()> attempts[] = {
        [&] { return s.queryInfo(INFO_PRINT_SPEED, out); },
        [&] { return s.queryStatus(POWER_FIRMWARE_VERSION, out); },
        [&] { return s.sendCommand(POWER_SELF_TEST); },
        [&] { return s.sendSet(INFO_PRINT_SPEED, QByteArray(1, '\1')); },
        [&] { return s.sendFrame(frame::build(0, POWER_SELF_TEST)); },
        [&] { return s.readStatusWord(&word); },
        [&] { return s.writeRaw("TEXT"); },
        [&] { return QMetaObject::invokeMethod(&pages.console, "on_pushButton_Send_clicked"), -1; },
        [&] {
            return QMetaObject::invokeMethod(&pages.console, "on_pushButton_SendFile_clicked"), -1;
        },
        [&] { return pages.download.downloadEncryptedFile(false), -1; },
        [&] { return provisioning.sendCredentials(cred), -1; },
    };
    QList<int> codes;
    connect(&pages.stream, &FileStream::progress, &pages.download, [&] {
        if (codes.isEmpty())
            codes << attempts[row]();
    });
    f.recorder->fileToOpen = dir.filePath(QStringLiteral("fw.hex"));
    pages.click("pushButton_DownloadFW");
    QTRY_VERIFY_WITH_TIMEOUT(!f.session->busy() && !f.recorder->messages.isEmpty(), 20000);
    QTest::qWait(100);
    QCOMPARE(codes.size(), 1);
    if (codes.at(0) != -1)
        QCOMPARE(codes.at(0), int(RESULT_BUSY));
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("等待打印机指示灯停止闪烁")});
    QCOMPARE(f.recorder->fileCaptions.size(), 1);
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(plain.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(plain).toHex());
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QVERIFY(pages.widget("pushButton_Send")->isEnabled());
}

void TestDownloadNet::workerJob_data()
{
    QTest::addColumn<int>("medium");
    QTest::addColumn<int>("pieces"); // of the medium's size; -1: no file at all
    QTest::addColumn<bool>("decryptedCopy");
    QTest::addColumn<QList<int>>("results");         // scripted answers to the attempts
    QTest::addColumn<QList<int>>("bytesOut");        // bytes that left with a failed attempt
    QTest::addColumn<QList<int>>("attemptedPieces"); // index of the piece of each attempt
    QTest::addColumn<QList<int>>("percents");
    QTest::addColumn<QString>("error"); // what it starts with
    const int net = MEDIUM_NETWORK;
    const int usb = MEDIUM_USB;
    const QString failed = QString::fromUtf8("向打印机发送数据失败。");
    // A piece is sent again only when none of it left, at most three times.
    QTest::newRow("second piece fails twice")
        << net << 3 << true << QList<int>{0, 6, 6, 0} << QList<int>{} << QList<int>{0, 1, 1, 1, 2}
        << QList<int>{33, 66, 100} << QString();
    QTest::newRow("second piece fails three times")
        << net << 3 << true << QList<int>{0, 6, 4, 1} << QList<int>{} << QList<int>{0, 1, 1, 1}
        << QList<int>{33} << failed;
    QTest::newRow("second piece partly out")
        << net << 3 << true << QList<int>{0, 4} << QList<int>{0, 512} << QList<int>{0, 1}
        << QList<int>{33} << failed;
    QTest::newRow("progress truncated, USB pieces")
        << usb << 12 << true << QList<int>{} << QList<int>{}
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
        << QList<int>{8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100} << QString();
    QTest::newRow("unreadable file")
        << usb << -1 << true << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{}
        << QString::fromUtf8("打开文件失败：");
    QTest::newRow("user's own file with the marker is kept")
        << usb << 1 << false << QList<int>{} << QList<int>{} << QList<int>{0} << QList<int>{100}
        << QString();
}

void TestDownloadNet::workerJob()
{
    QFETCH(int, medium);
    QFETCH(int, pieces);
    QFETCH(bool, decryptedCopy);
    QFETCH(QList<int>, results);
    QFETCH(QList<int>, bytesOut);
    QFETCH(QList<int>, attemptedPieces);
    QFETCH(QList<int>, percents);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    const int size = WorkerThread::chunkSizeFor(medium);
    const QByteArray content = rawPayload(qMax(pieces, 0) * size, 5);
    if (pieces >= 0)
        QVERIFY(writePlainFile(path, content));
    WorkerRun run;
    FakeSender sender(&run.worker, results, bytesOut);
    QVERIFY(run.run(path, medium, decryptedCopy));
    QCOMPARE(sender.pieces.size(), attemptedPieces.size());
    for (int i = 0; i < attemptedPieces.size(); ++i)
        QCOMPARE(sender.pieces.at(i), content.mid(attemptedPieces.at(i) * size, size));
    QList<int> reported;
    for (const QList<QVariant> &args : qAsConst(run.progress))
        reported << args.at(0).toInt();
    QCOMPARE(reported, percents);
    QVERIFY2(run.error().startsWith(error) && run.error().isEmpty() == error.isEmpty(),
             qPrintable(run.error()));
    QCOMPARE(run.completed.size(), error.isEmpty() ? 1 : 0);
    QCOMPARE(QFile::exists(path), !decryptedCopy);
}

void TestDownloadNet::networkPiecesKeepThePause()
{
    // The pause runs from the moment a piece left, and is never shortened to catch up.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    QVERIFY(writePlainFile(path, rawPayload(200 * 850, 8)));
    WorkerRun run;
    FakeSender sender(&run.worker, {});
    QVERIFY(run.run(path, MEDIUM_NETWORK, true));
    QCOMPARE(sender.times.size(), 200);
    for (int i = 1; i < sender.times.size(); ++i)
        QVERIFY2(sender.times.at(i) - sender.times.at(i - 1) >= 2000000,
                 qPrintable(QString::number(sender.times.at(i) - sender.times.at(i - 1))));
}

QTEST_MAIN(TestDownloadNet)
#include "tst_download_net.moc"
