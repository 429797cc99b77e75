// Firmware and font download and the console's file send over TCP to the simulated
// printer, through the pages and the session; the worker's piece loop driven directly.
#include "download/workerthread.h"
#include "filesendhelpers.h"
#include "sessionfixture.h"
#include "filesizelimit.h"
#include "protocol/frame.h"
#include "provisioning/wifiprovisioning.h"

#include <QtTest>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <chrono>
#include <functional>

namespace {

using FileFixture = FilePagesOn<SessionFixture>;

enum Kind
{
    Firmware,
    Font,
    Console
};
const char *const kButtons[] = {"pushButton_DownloadFW", "pushButton_DownloadFL",
                                "pushButton_SendFile"};

QList<int> numbers(const QString &text)
{
    QList<int> out;
    for (const QString &n : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << n.toInt();
    return out;
}

// One job on a worker of its own. This thread stands in for the stream's writer: it
// takes each piece and answers with the next scripted result (0 once the script is
// used up) and the bytes that left with a failed attempt (none when not given).
struct WorkerRun
{
    WorkerThread worker;
    QSignalSpy progress{&worker, &WorkerThread::progressUpdated};
    QSignalSpy errors{&worker, &WorkerThread::errorOccurred};
    QSignalSpy completed{&worker, &WorkerThread::completed};
    QList<int> results, bytesOut;
    QList<QByteArray> pieces;
    QList<qint64> times; // steady clock, nanoseconds

    bool run(const QString &path, int medium, bool decryptedCopy)
    {
        QObject writer;
        QObject::connect(
            &worker, &WorkerThread::sendFileSignal, &writer,
            [this](const QByteArray &piece) {
                worker.keepPause();
                const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                       std::chrono::steady_clock::now().time_since_epoch())
                                       .count();
                pieces << piece;
                times << now;
                const int result = results.isEmpty() ? 0 : results.takeFirst();
                const qint64 out = bytesOut.isEmpty() ? 0 : bytesOut.takeFirst();
                worker.notePieceOutcome(result, result == 0 ? piece.size() : out,
                                        result == 0 ? now : 0);
            },
            Qt::BlockingQueuedConnection);
        worker.setJob(path, medium, decryptedCopy);
        worker.start();
        return QTest::qWaitFor([this] { return worker.isFinished(); }, 20000) &&
               QTest::qWaitFor([this] { return !errors.isEmpty() || !completed.isEmpty(); }, 5000);
    }
};

} // namespace

class TestDownloadNet : public QObject
{
    Q_OBJECT
private slots:
    void stream_data();
    void stream();
    void nothingSent_data();
    void nothingSent();
    void exchangesRefusedDuringStream();
    void workerJob_data();
    void workerJob();
};

void TestDownloadNet::stream_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    // The printer drops the connection after this many bytes (-1: never) and accepts a
    // new one at once; a file never continues on a new connection.
    QTest::addColumn<int>("dropAfter");
    // Chosen file | its decrypted copy (none for the console) | a file of the user's
    // with the copy's usual name | the message-area line.
    QTest::addColumn<QString>("names");
    QTest::newRow("firmware, user's own copy kept")
        << int(Firmware) << 40000 << -1
        << "fw.r7.hex|fw.r7_decrypted-2.hex|fw.r7_decrypted.hex|下载固件 fw.r7.hex，40000 字节";
    QTest::newRow("font without suffix")
        << int(Font) << 16000 << -1 << "fontA|fontA_decrypted.bin||下载字库 fontA，16000 字节";
    // The user's own file carries the marker of decrypted copies, yet survives.
    QTest::newRow("console file")
        << int(Console) << 5000 << -1
        << "label_decrypted.prn|||发送文件 label_decrypted.prn，5000 字节";
    QTest::newRow("empty firmware completes at once")
        << int(Firmware) << 0 << -1 << "empty.hex|empty_decrypted.hex||下载固件 empty.hex，0 字节";
    const QString fw = "fw.hex|fw_decrypted.hex||下载固件 fw.hex，64000 字节";
    QTest::newRow("broken inside a piece") << int(Firmware) << 64000 << 20000 << fw;
    QTest::newRow("broken at a piece boundary") << int(Firmware) << 64000 << 10 * 850 << fw;
    QTest::newRow("broken in the first piece") << int(Firmware) << 64000 << 300 << fw;
    QTest::newRow("console file broken")
        << int(Console) << 64000 << 20000 << "fw.hex|||发送文件 fw.hex，64000 字节";
}

void TestDownloadNet::stream()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(int, dropAfter);
    QFETCH(QString, names);
    const QStringList name = names.split(QLatin1Char('|'));
    const bool console = kind == Console;
    const bool broken = dropAfter >= 0;
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(size, 7);
    QVERIFY(console ? writePlainFile(dir.filePath(name.at(0)), plain)
                    : writeEncryptedFile(dir.filePath(name.at(0)), plain));
    if (!name.at(2).isEmpty())
        QVERIFY(writePlainFile(dir.filePath(name.at(2)), "user's"));
    FileFixture f;
    QVERIFY(f.start());
    FilePages &pages = *f.pages;
    f.printer->setDropAfterBytes(dropAfter);
    QTest::qWait(100); // the connection of the open settles first
    const int connections = f.printer->connectionCount();
    auto *bar = pages.widget<QProgressBar>(console ? "progressBar_Debug" : "progressBar_Update");
    auto *otherBar =
        pages.widget<QProgressBar>(console ? "progressBar_Update" : "progressBar_Debug");
    bar->setValue(55);
    otherBar->setValue(33);
    const auto enabledButtons = [&] {
        int on = 0;
        for (const char *b : {"pushButton_DownloadFW", "pushButton_DownloadFL", "pushButton_Send",
                              "pushButton_SendFile"})
            on += pages.widget(b)->isEnabled();
        return on;
    };
    f.recorder->fileToOpen = dir.filePath(name.at(0));
    pages.click(kButtons[kind]);
    const QStringList dialogs[] = {{"HEX File", "HEX Files (*.hex);;All Files (*)"},
                                   {"BIN File", "BIN Files (*.bin);;All Files (*)"},
                                   {"All Files (*)", ""}};
    QCOMPARE(f.recorder->fileCaptions + f.recorder->fileFilters, dialogs[kind]);
    // The pieces are written by this thread, so nothing has finished yet.
    QVERIFY(f.session->streaming());
    QCOMPARE(enabledButtons(), 0);
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->isEnabled());
    QVERIFY(console || QFile::exists(dir.filePath(name.at(1))));
    QCOMPARE(pages.lines(), QStringList{name.at(3)});

    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    const prompts::Message m = f.recorder->messages.at(0);
    QCOMPARE(int(m.kind), int(broken ? prompts::Kind::Critical : prompts::Kind::Information));
    QCOMPARE(m.title + '|' + m.text, broken    ? "错误|向打印机发送数据失败。"
                                     : console ? "下载成功|下载成功"
                                               : "下载成功|等待打印机指示灯停止闪烁");
    QCOMPARE(bar->isEnabled(), !broken);
    QCOMPARE(bar->value(), broken ? bar->value() : size ? 100 : 0);
    QCOMPARE(otherBar->value(), 33);
    // What arrived is the file or its start, nothing twice, on one connection.
    const QByteArray arrived = broken ? plain.left(dropAfter) : plain;
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(arrived.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(arrived).toHex());
    QCOMPARE(f.printer->connectionCount(), connections + 1);
    QVERIFY(f.printer->receivedFrames().isEmpty());
    // The copy made for the stream goes; the chosen file and the user's own stay.
    QVERIFY(console || !QFile::exists(dir.filePath(name.at(1))));
    QVERIFY(QFile::exists(dir.filePath(name.at(0))));
    QFile own(dir.filePath(name.at(2)));
    QVERIFY(name.at(2).isEmpty() || (own.open(QIODevice::ReadOnly) && own.readAll() == "user's"));
    QCOMPARE(enabledButtons(), 4);
    QTRY_VERIFY(!f.session->busy());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::nothingSent_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("chosen");       // relative to the temporary folder
    QTest::addColumn<int>("state");            // 0 printer open, 1 not open, 2 not listening
    QTest::addColumn<qint64>("fileSizeLimit"); // stands in for a full disk
    QTest::addColumn<QString>("message");      // "title|" and the start of the text
    const qint64 none = 0;
    QTest::newRow("no file chosen") << int(Font) << "" << 0 << none << "";
    QTest::newRow("console, no file chosen") << int(Console) << "" << 0 << none << "";
    QTest::newRow("missing source")
        << int(Firmware) << "none.hex" << 0 << none << "错误|无法读取所选文件：/";
    QTest::newRow("folder as source")
        << int(Firmware) << "folder.hex" << 0 << none << "错误|无法读取所选文件：/";
    // Readable, in a folder where nobody, not even root, can create a file.
    QTest::newRow("unwritable folder") << int(Firmware) << "/proc/version" << 0 << none
                                       << "错误|无法在文件所在的文件夹中创建解密文件：/proc\n";
    QTest::newRow("disk full") << int(Firmware) << "fw.hex" << 0 << qint64(32 * 1024)
                               << "错误|解密失败，文件未发送。\n";
    QTest::newRow("download, printer not open")
        << int(Firmware) << "fw.hex" << 1 << none << "设置工具|请先打开设备";
    QTest::newRow("console, printer not open")
        << int(Console) << "fw.hex" << 1 << none << "设置工具|设备未打开!";
    // The line about the file is written before the connection is tried.
    QTest::newRow("firmware, no connection")
        << int(Firmware) << "fw.hex" << 2 << none << "Error|Connection failed: ";
    QTest::newRow("font, no connection") << int(Font) << "fw.hex" << 2 << none << "错误|连接失败: ";
}

void TestDownloadNet::nothingSent()
{
    QFETCH(int, kind);
    QFETCH(QString, chosen);
    QFETCH(int, state);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.hex")));
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), rawPayload(16 * 5000, 2)));
    FileFixture f;
    QVERIFY(f.start());
    f.host->open = state != 1;
    if (state == 2)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    f.recorder->fileToOpen = chosen.isEmpty() ? QString() : QDir(dir.path()).filePath(chosen);

    FileSizeLimit limit(fileSizeLimit);
    QVERIFY(limit.holds(fileSizeLimit));
    f.pages->click(kButtons[kind]);
    limit.release();

    QCOMPARE(f.recorder->fileCaptions.size(), state == 1 ? 0 : 1);
    QCOMPARE(f.recorder->messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        // A reason follows the text, except for the closed printer.
        const QString shown =
            f.recorder->messages.at(0).title + '|' + f.recorder->messages.at(0).text;
        QVERIFY2(shown.startsWith(message) && (state == 1) == (shown == message),
                 qPrintable(shown));
    }
    QVERIFY(!f.session->busy());
    QVERIFY(f.pages->widget(kButtons[kind])->isEnabled());
    QVERIFY(!f.pages->widget("progressBar_Update")->isEnabled());
    QTest::qWait(50);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(f.printer->receivedFrames().isEmpty());
    // A plain copy made before the failure is removed as well.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fw.hex"});
    QCOMPARE(f.pages->lines().size(), state == 2 ? 1 : 0);
}

void TestDownloadNet::exchangesRefusedDuringStream()
{
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(16 * 1000, 11);
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), plain));
    FileFixture f;
    QVERIFY(f.start());
    FilePages &pages = *f.pages;
    WifiProvisioning provisioning(*f.session, *f.host);
    pages.widget<QTextEdit>("textEdit_Send")->setPlainText(QStringLiteral("TEXT"));
    PrinterSession &s = *f.session;
    unsigned char out[frame::kQueryOutSize];
    quint32 word = 0;
    WifiCred cred;
    cred.valid = true;
    cred.ssid = QStringLiteral("Office");
    cred.password = QStringLiteral("secret12");
    // One after the other while the pieces go, called by hand: the buttons are disabled
    // during a stream. -1: no code to compare.
    const QList<std::function<int()>> attempts = {
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
        if (codes.size() < attempts.size())
            codes << attempts.at(codes.size())();
    });
    f.recorder->fileToOpen = dir.filePath(QStringLiteral("fw.hex"));
    pages.click("pushButton_DownloadFW");
    QTRY_VERIFY_WITH_TIMEOUT(!f.session->busy() && !f.recorder->messages.isEmpty(), 20000);
    QTest::qWait(100);
    const int busy = RESULT_BUSY;
    QCOMPARE(codes, (QList<int>{busy, busy, busy, busy, busy, busy, busy, -1, -1, -1, -1}));
    QCOMPARE(f.recorder->texts(), QStringList{"等待打印机指示灯停止闪烁"});
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
    QTest::addColumn<QString>("results");         // scripted answers to the attempts
    QTest::addColumn<QString>("bytesOut");        // bytes that left with a failed attempt
    QTest::addColumn<QString>("attemptedPieces"); // index of the piece of each attempt
    QTest::addColumn<QString>("percents");
    QTest::addColumn<QString>("error"); // what it starts with
    const int net = MEDIUM_NETWORK, usb = MEDIUM_USB;
    // A piece is sent again only when none of it left, at most three times.
    QTest::newRow("second piece fails twice") << net << 3 << true << "0 6 6 0"
                                              << ""
                                              << "0 1 1 1 2"
                                              << "33 66 100"
                                              << "";
    QTest::newRow("second piece fails three times") << net << 3 << true << "0 6 4 1"
                                                    << ""
                                                    << "0 1 1 1"
                                                    << "33"
                                                    << "向打印机发送数据失败。";
    QTest::newRow("second piece partly out") << net << 3 << true << "0 4"
                                             << "0 512"
                                             << "0 1"
                                             << "33"
                                             << "向打印机发送数据失败。";
    QTest::newRow("progress truncated, USB pieces") << usb << 12 << true << ""
                                                    << ""
                                                    << "0 1 2 3 4 5 6 7 8 9 10 11"
                                                    << "8 16 25 33 41 50 58 66 75 83 91 100"
                                                    << "";
    QTest::newRow("unreadable file") << usb << -1 << true << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "打开文件失败：";
    QTest::newRow("user's own file with the marker is kept") << usb << 1 << false << ""
                                                             << ""
                                                             << "0"
                                                             << "100"
                                                             << "";
    QString all, percents;
    for (int i = 0; i < 200; ++i)
        all += QString::number(i) + ' ', percents += QString::number((i + 1) / 2) + ' ';
    QTest::newRow("200 network pieces") << net << 200 << true << ""
                                        << "" << all << percents << "";
}

void TestDownloadNet::workerJob()
{
    QFETCH(int, medium);
    QFETCH(int, pieces);
    QFETCH(bool, decryptedCopy);
    QFETCH(QString, results);
    QFETCH(QString, bytesOut);
    QFETCH(QString, attemptedPieces);
    QFETCH(QString, percents);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    const int size = WorkerThread::chunkSizeFor(medium);
    const QByteArray content = rawPayload(qMax(pieces, 0) * size, 5);
    QVERIFY(pieces < 0 || writePlainFile(path, content));
    WorkerRun run;
    run.results = numbers(results);
    run.bytesOut = numbers(bytesOut);
    QVERIFY(run.run(path, medium, decryptedCopy));
    QList<QByteArray> expected;
    for (int i : numbers(attemptedPieces))
        expected << content.mid(i * size, size);
    QVERIFY(run.pieces == expected);
    QList<int> reported;
    for (const QList<QVariant> &args : qAsConst(run.progress))
        reported << args.at(0).toInt();
    QCOMPARE(reported, numbers(percents));
    const QString got = run.errors.isEmpty() ? QString() : run.errors.last().at(0).toString();
    QVERIFY2(error.isEmpty() ? got.isEmpty() : got.startsWith(error), qPrintable(got));
    QCOMPARE(run.completed.size(), error.isEmpty() ? 1 : 0);
    QCOMPARE(QFile::exists(path), !decryptedCopy);
    // A network piece waits out the pause after the last one that left, counted from
    // the moment it left and never shortened to catch up.
    const QList<int> answers = numbers(results);
    for (int i = 1; medium == MEDIUM_NETWORK && i < run.times.size(); ++i)
        QVERIFY2(answers.value(i - 1) != 0 || run.times.at(i) - run.times.at(i - 1) >= 2000000,
                 qPrintable(QString::number(run.times.at(i) - run.times.at(i - 1))));
}

QTEST_MAIN(TestDownloadNet)
#include "tst_download_net.moc"
