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
    void stream_data();
    void stream();
    void nothingSent_data();
    void nothingSent();
    void exchangesRefusedDuringStream_data();
    void exchangesRefusedDuringStream();

    void workerJob_data();
    void workerJob();
    void networkPiecesKeepThePause();
};

void TestDownloadNet::stream_data()
{
    QTest::addColumn<QString>("kind"); // firmware, font or console
    QTest::addColumn<int>("size");
    // The printer drops the connection after this many bytes (-1: never) and accepts a
    // new one at once; a file never continues on a new connection.
    QTest::addColumn<int>("dropAfter");
    // Chosen file | its decrypted copy (none for the console) | a file of the user's
    // with the copy's usual name | the message-area line.
    QTest::addColumn<QString>("names");
    QTest::newRow("firmware, user's own copy kept")
        << "firmware" << 40000 << -1
        << QString::fromUtf8("fw.r7.hex|fw.r7_decrypted-2.hex|fw.r7_decrypted.hex|"
                             "下载固件 fw.r7.hex，40000 字节");
    QTest::newRow("font without suffix")
        << "font" << 16000 << -1
        << QString::fromUtf8("fontA|fontA_decrypted.bin||下载字库 fontA，16000 字节");
    // The user's own file carries the marker of decrypted copies, yet survives.
    QTest::newRow("console file")
        << "console" << 5000 << -1
        << QString::fromUtf8("label_decrypted.prn|||发送文件 label_decrypted.prn，5000 字节");
    QTest::newRow("empty firmware completes at once")
        << "firmware" << 0 << -1
        << QString::fromUtf8("empty.hex|empty_decrypted.hex||下载固件 empty.hex，0 字节");
    const QString fw = QString::fromUtf8("fw.hex|fw_decrypted.hex||下载固件 fw.hex，64000 字节");
    QTest::newRow("broken inside a piece") << "firmware" << 64000 << 20000 << fw;
    QTest::newRow("broken at a piece boundary") << "firmware" << 64000 << 10 * 850 << fw;
    QTest::newRow("broken in the first piece") << "firmware" << 64000 << 300 << fw;
    QTest::newRow("console file broken")
        << "console" << 64000 << 20000 << QString::fromUtf8("fw.hex|||发送文件 fw.hex，64000 字节");
}

void TestDownloadNet::stream()
{
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(int, dropAfter);
    QFETCH(QString, names);
    const QStringList name = names.split(QLatin1Char('|'));
    const bool console = kind == QLatin1String("console");
    const bool broken = dropAfter >= 0;
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(size, 7);
    QVERIFY(console ? writePlainFile(dir.filePath(name.at(0)), plain)
                    : writeEncryptedFile(dir.filePath(name.at(0)), plain));
    if (!name.at(2).isEmpty())
        QVERIFY(writePlainFile(dir.filePath(name.at(2)), "user's"));

    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.printer->setDropAfterBytes(dropAfter);
    QTest::qWait(100); // the connection of the open settles first
    const int connections = f.printer->connectionCount();
    auto *bar = pages.widget<QProgressBar>(console ? "progressBar_Debug" : "progressBar_Update");
    auto *otherBar =
        pages.widget<QProgressBar>(console ? "progressBar_Update" : "progressBar_Debug");
    bar->setValue(55);
    otherBar->setValue(33);
    f.recorder->fileToOpen = dir.filePath(name.at(0));
    pages.click(buttonFor(kind));
    const QStringList dialog = kind == QLatin1String("firmware")
                                   ? QStringList{"HEX File", "HEX Files (*.hex);;All Files (*)"}
                               : kind == QLatin1String("font")
                                   ? QStringList{"BIN File", "BIN Files (*.bin);;All Files (*)"}
                                   : QStringList{"All Files (*)", ""};
    QCOMPARE(f.recorder->fileCaptions + f.recorder->fileFilters, dialog);
    // The pieces are written by this thread, so nothing has finished yet.
    QVERIFY(f.session->streaming());
    const char *const buttons[] = {"pushButton_DownloadFW", "pushButton_DownloadFL",
                                   "pushButton_Send", "pushButton_SendFile"};
    for (const char *button : buttons)
        QVERIFY2(!pages.widget(button)->isEnabled(), button);
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->isEnabled());
    if (!console)
        QVERIFY(QFile::exists(dir.filePath(name.at(1))));
    QCOMPARE(pages.lines(), QStringList{name.at(3)});

    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    const prompts::Message m = f.recorder->messages.at(0);
    const QString done =
        console ? QString::fromUtf8("下载成功") : QString::fromUtf8("等待打印机指示灯停止闪烁");
    QCOMPARE(int(m.kind), int(broken ? prompts::Kind::Critical : prompts::Kind::Information));
    QCOMPARE(m.title, QString::fromUtf8(broken ? "错误" : "下载成功"));
    QCOMPARE(m.text, broken ? QString::fromUtf8("向打印机发送数据失败。") : done);
    QCOMPARE(bar->isEnabled(), !broken);
    if (!broken)
        QCOMPARE(bar->value(), size ? 100 : 0);
    QCOMPARE(otherBar->value(), 33);
    // What arrived is the file or its start, nothing twice, on one connection.
    const QByteArray arrived = broken ? plain.left(dropAfter) : plain;
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(arrived.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(arrived).toHex());
    QCOMPARE(f.printer->connectionCount(), connections + 1);
    QVERIFY(f.printer->receivedFrames().isEmpty());
    if (!console)
        QVERIFY(!QFile::exists(dir.filePath(name.at(1))));
    QVERIFY(QFile::exists(dir.filePath(name.at(0))));
    if (!name.at(2).isEmpty()) {
        QFile own(dir.filePath(name.at(2)));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("user's"));
    }
    for (const char *button : buttons)
        QVERIFY2(pages.widget(button)->isEnabled(), button);
    QTRY_VERIFY(!f.session->busy());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::nothingSent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("chosen");       // relative to the temporary folder
    QTest::addColumn<int>("state");            // 0 printer open, 1 not open, 2 not listening
    QTest::addColumn<qint64>("fileSizeLimit"); // stands in for a full disk
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // what the message starts with; none when empty
    const QString error = QString::fromUtf8("错误");
    QTest::newRow("no file chosen") << "font"
                                    << "" << 0 << qint64(0) << ""
                                    << "";
    QTest::newRow("console, no file chosen") << "console"
                                             << "" << 0 << qint64(0) << ""
                                             << "";
    QTest::newRow("missing source")
        << "firmware"
        << "none.hex" << 0 << qint64(0) << error << QString::fromUtf8("无法读取所选文件：");
    QTest::newRow("folder as source")
        << "firmware"
        << "folder.hex" << 0 << qint64(0) << error << QString::fromUtf8("无法读取所选文件：");
    // Readable, in a folder where nobody, not even root, can create a file.
    QTest::newRow("unwritable folder")
        << "firmware"
        << "/proc/version" << 0 << qint64(0) << error
        << QString::fromUtf8("无法在文件所在的文件夹中创建解密文件：/proc");
    QTest::newRow("disk full") << "firmware"
                               << "fw.hex" << 0 << qint64(32 * 1024) << error
                               << QString::fromUtf8("解密失败，文件未发送。");
    QTest::newRow("download, printer not open")
        << "firmware"
        << "fw.hex" << 1 << qint64(0) << QString::fromUtf8("设置工具")
        << QString::fromUtf8("请先打开设备");
    QTest::newRow("console, printer not open")
        << "console"
        << "fw.hex" << 1 << qint64(0) << QString::fromUtf8("设置工具")
        << QString::fromUtf8("设备未打开!");
    // The line about the file is written before the connection is tried.
    QTest::newRow("firmware, no connection") << "firmware"
                                             << "fw.hex" << 2 << qint64(0) << "Error"
                                             << "Connection failed: ";
    QTest::newRow("font, no connection")
        << "font"
        << "fw.hex" << 2 << qint64(0) << error << QString::fromUtf8("连接失败: ");
}

void TestDownloadNet::nothingSent()
{
    QFETCH(QString, kind);
    QFETCH(QString, chosen);
    QFETCH(int, state);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.hex")));
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), rawPayload(16 * 5000, 2)));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.host->open = state != 1;
    if (state == 2)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    f.recorder->fileToOpen = chosen.isEmpty() ? QString() : QDir(dir.path()).filePath(chosen);

    FileSizeLimit limit(fileSizeLimit);
    QVERIFY(limit.holds(fileSizeLimit));
    pages.click(buttonFor(kind));
    limit.release();

    QCOMPARE(f.recorder->fileCaptions.size(), state == 1 ? 0 : 1);
    QCOMPARE(f.recorder->messages.size(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty()) {
        const prompts::Message m = f.recorder->messages.at(0);
        QVERIFY2(m.text.startsWith(text) && (state == 1 || m.text.size() > text.size()),
                 qPrintable(m.text));
        QCOMPARE(m.title, title);
    }
    QVERIFY(!f.session->busy());
    QVERIFY(pages.widget(buttonFor(kind))->isEnabled());
    QVERIFY(!pages.widget("progressBar_Update")->isEnabled());
    QTest::qWait(50);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(f.printer->receivedFrames().isEmpty());
    // A plain copy made before the failure is removed as well.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fw.hex"});
    QCOMPARE(pages.lines().size(), state == 2 ? 1 : 0);
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
