// Firmware and font download end to end over TCP to the simulated printer, and the
// download worker's piece loop driven directly.
#include "download/workerthread.h"
#include "filesendhelpers.h"
#include "filesizelimit.h"
#include "netprinterfixture.h"
#include "provisioning/wificred.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <chrono>
#include <functional>

namespace {

// Stands in for the window: takes each piece on the test's thread and answers with
// the next scripted result (0 once the script is used up) and the scripted number of
// bytes that left with a failed attempt (none when not given).
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
                sendFileRet = m_results.isEmpty() ? 0 : m_results.takeFirst();
                const qint64 out = m_bytesOut.isEmpty() ? 0 : m_bytesOut.takeFirst();
                worker->notePieceOutcome(sendFileRet == 0 ? piece.size() : out,
                                         sendFileRet == 0 ? now : 0);
            },
            Qt::BlockingQueuedConnection);
    }
    QList<QByteArray> pieces;
    QList<qint64> times; // steady clock, nanoseconds

private:
    QList<int> m_results;
    QList<int> m_bytesOut;
};

struct WorkerRun
{
    std::unique_ptr<WorkerThread> worker = std::make_unique<WorkerThread>();
    std::unique_ptr<QSignalSpy> progress;
    std::unique_ptr<QSignalSpy> errors;
    std::unique_ptr<QSignalSpy> finished;

    WorkerRun()
    {
        progress = std::make_unique<QSignalSpy>(worker.get(), &WorkerThread::progressUpdated);
        errors = std::make_unique<QSignalSpy>(worker.get(), &WorkerThread::errorOccurred);
        finished = std::make_unique<QSignalSpy>(worker.get(), &WorkerThread::finished);
    }
    bool runToEnd()
    {
        worker->start();
        return QTest::qWaitFor([this] { return worker->isFinished(); }, 20000) &&
               QTest::qWaitFor([this] { return !errors->isEmpty() || !finished->isEmpty(); }, 5000);
    }
};

QString lastError(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

class TestDownloadNet : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void downloadOverTcp_data();
    void downloadOverTcp();
    void emptyFileCompletesAtOnce();
    void noFileChosen();
    void connectionFailure_data();
    void connectionFailure();
    void decryptionFailureSendsNothing_data();
    void decryptionFailureSendsNothing();
    void exchangesRefusedDuringDownload_data();
    void exchangesRefusedDuringDownload();
    void brokenStreamFails_data();
    void brokenStreamFails();

    void pieceRetries_data();
    void pieceRetries();
    void progressIsTruncated();
    void networkPiecesKeepThePause();
    void unreadableFile();
    void onlyDecryptedCopiesAreDeleted_data();
    void onlyDecryptedCopiesAreDeleted();
};

void TestDownloadNet::cleanup()
{
    debugMode = false;
    sendFileRet = -1;
}

void TestDownloadNet::downloadOverTcp_data()
{
    QTest::addColumn<bool>("firmware");
    QTest::addColumn<int>("size");
    // Chosen file, its decrypted copy, the dialog's caption and filter, a file of the
    // user's that already has the copy's usual name, and the message-area line.
    QTest::addColumn<QStringList>("names");
    QTest::newRow("firmware, user's own copy kept")
        << true << 40000
        << QStringList{"fw.r7.hex",
                       "fw.r7_decrypted-2.hex",
                       "HEX File",
                       "HEX Files (*.hex);;All Files (*)",
                       "fw.r7_decrypted.hex",
                       QString::fromUtf8("下载固件 fw.r7.hex，40000 字节")};
    QTest::newRow("font without suffix")
        << false << 16 * 1000
        << QStringList{"fontA",    "fontA_decrypted.bin",
                       "BIN File", "BIN Files (*.bin);;All Files (*)",
                       "",         QString::fromUtf8("下载字库 fontA，16000 字节")};
}

void TestDownloadNet::downloadOverTcp()
{
    QFETCH(bool, firmware);
    QFETCH(int, size);
    QFETCH(QStringList, names);
    const QString &fileName = names.at(0);
    const QString &decryptedName = names.at(1);
    const QString &usersFile = names.at(4);
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(size, 7);
    QVERIFY(writeEncryptedFile(dir.filePath(fileName), plain));
    if (!usersFile.isEmpty())
        QVERIFY(writePlainFile(dir.filePath(usersFile), "user's"));

    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    Ui::MainWindow *ui = f.window->ui;
    ui->progressBar_Update->setValue(55);
    f.recorder->fileToOpen = dir.filePath(fileName);
    QTest::mouseClick(firmware ? ui->pushButton_DownloadFW : ui->pushButton_DownloadFL,
                      Qt::LeftButton);
    QCOMPARE(f.recorder->fileCaptions, QStringList{names.at(2)});
    QCOMPARE(f.recorder->fileFilters, QStringList{names.at(3)});
    // The pieces are written by this thread, so nothing has finished yet.
    QVERIFY(!ui->pushButton_DownloadFW->isEnabled());
    QVERIFY(!ui->tabWidget_2->isTabEnabled(0));
    QCOMPARE(ui->progressBar_Update->value(), 0);
    QVERIFY(QFile::exists(dir.filePath(decryptedName)));
    QVERIFY2(ui->textBrowser_Debug->toPlainText().endsWith(names.at(5)),
             qPrintable(ui->textBrowser_Debug->toPlainText()));

    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    const prompts::Message done = f.recorder->messages.at(0);
    QCOMPARE(done.title, QString::fromUtf8("下载成功"));
    QCOMPARE(done.text, QString::fromUtf8("等待打印机指示灯停止闪烁"));
    QCOMPARE(ui->progressBar_Update->value(), 100);
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(plain.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(plain).toHex());
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(decryptedName)));
    QVERIFY(QFile::exists(dir.filePath(fileName)));
    if (!usersFile.isEmpty()) {
        QFile own(dir.filePath(usersFile));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("user's"));
    }
    QVERIFY(ui->pushButton_DownloadFL->isEnabled() && ui->tabWidget_2->isTabEnabled(1));
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::emptyFileCompletesAtOnce()
{
    QTemporaryDir dir;
    QVERIFY(writePlainFile(dir.filePath(QStringLiteral("empty.hex")), QByteArray()));
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.recorder->fileToOpen = dir.filePath(QStringLiteral("empty.hex"));
    QTest::mouseClick(f.window->ui->pushButton_DownloadFW, Qt::LeftButton);
    QTRY_COMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("等待打印机指示灯停止闪烁")});
    QCOMPARE(f.window->ui->progressBar_Update->value(), 0);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("empty_decrypted.hex"))));
}

void TestDownloadNet::noFileChosen()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    QTest::mouseClick(f.window->ui->pushButton_DownloadFL, Qt::LeftButton);
    QCOMPARE(f.recorder->fileCaptions.size(), 1);
    QVERIFY(f.recorder->messages.isEmpty());
    QVERIFY(f.window->ui->pushButton_DownloadFL->isEnabled());
    QVERIFY(!workerThread->isRunning());
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
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->setRefuseMode(RefuseMode::NotListening);
    f.recorder->fileToOpen = chosen;
    Ui::MainWindow *ui = f.window->ui;
    QTest::mouseClick(firmware ? ui->pushButton_DownloadFW : ui->pushButton_DownloadFL,
                      Qt::LeftButton);
    QCOMPARE(f.recorder->messages.size(), 1);
    const prompts::Message m = f.recorder->messages.at(0);
    QCOMPARE(int(m.kind), int(prompts::Kind::Warning));
    QCOMPARE(m.title, title);
    QVERIFY2(m.text.startsWith(prefix) && m.text.size() > prefix.size(), qPrintable(m.text));
    QVERIFY(!ui->progressBar_Update->isEnabled());
    QVERIFY(ui->pushButton_DownloadFW->isEnabled() &&
            f.window->findChild<QWidget *>("pushButton_getPrinterInfo")->isEnabled());
    // No worker will remove the plain copy, so the command does.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(chosen).fileName()});
}

void TestDownloadNet::decryptionFailureSendsNothing_data()
{
    QTest::addColumn<QString>("chosen"); // relative to the temporary folder
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("fileSizeLimit"); // stands in for a full disk
    QTest::newRow("unreadable source")
        << "folder.hex" << QString::fromUtf8("无法读取所选文件：") << qint64(0);
    // Readable, in a folder where nobody, not even root, can create a file.
    QTest::newRow("unwritable folder")
        << "/proc/version" << QString::fromUtf8("无法在文件所在的文件夹中创建解密文件：/proc")
        << qint64(0);
    QTest::newRow("disk full") << "fw.hex" << QString::fromUtf8("解密失败，文件未发送。")
                               << qint64(32 * 1024);
}

void TestDownloadNet::decryptionFailureSendsNothing()
{
    QFETCH(QString, chosen);
    QFETCH(QString, text);
    QFETCH(qint64, fileSizeLimit);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.hex")));
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), rawPayload(16 * 5000, 2)));
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.recorder->fileToOpen = QDir(dir.path()).filePath(chosen);

    FileSizeLimit limit(fileSizeLimit);
    QVERIFY(limit.holds(fileSizeLimit));
    QTest::mouseClick(f.window->ui->pushButton_DownloadFW, Qt::LeftButton);
    limit.release();

    QCOMPARE(f.recorder->messages.size(), 1);
    const prompts::Message m = f.recorder->messages.at(0);
    QCOMPARE(int(m.kind), int(prompts::Kind::Critical));
    QCOMPARE(m.title, QString::fromUtf8("错误"));
    QVERIFY2(m.text.startsWith(text), qPrintable(m.text));
    QVERIFY(!workerThread->isRunning());
    QVERIFY(f.window->ui->pushButton_DownloadFW->isEnabled());
    QTest::qWait(50);
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fw.hex"});
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
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    f.printer->setDropAfterBytes(dropAfter);
    const int connections = f.printer->connectionCount();
    f.recorder->fileToOpen = chosen;
    Ui::MainWindow *ui = f.window->ui;
    QTest::mouseClick(console ? ui->pushButton_SendFile : ui->pushButton_DownloadFW,
                      Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), 1, 20000);
    const prompts::Message m = f.recorder->messages.at(0);
    QCOMPARE(int(m.kind), int(prompts::Kind::Critical));
    QCOMPARE(m.title, QString::fromUtf8("错误"));
    QCOMPARE(m.text, QString::fromUtf8("向打印机发送数据失败。"));
    // What arrived is the start of the file, nothing twice, on one connection.
    QCOMPARE(f.printer->connectionCount(), connections + 1);
    QCOMPARE(f.printer->rawBytes(), plain.left(dropAfter));
    QVERIFY(!(console ? ui->progressBar_Debug : ui->progressBar_Update)->isEnabled());
    QVERIFY(ui->pushButton_DownloadFW->isEnabled() && ui->pushButton_Send->isEnabled());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("fw_decrypted.hex"))));
    QCOMPARE(QFile::exists(chosen), true);
}

void TestDownloadNet::exchangesRefusedDuringDownload_data()
{
    QTest::addColumn<QString>("handler");
    QTest::newRow("provisioning") << "onWifiCredReceived";
    QTest::newRow("page read") << "on_pushButton_PrintSettingRead_clicked";
    QTest::newRow("page write") << "on_pushButton_DistanceSettingSet_clicked";
    QTest::newRow("function") << "on_pushButton_Reboot_clicked";
    QTest::newRow("status") << "on_pushButton_GetPrinterStatus_clicked";
    QTest::newRow("information") << "on_pushButton_getPrinterInfo_clicked";
    QTest::newRow("console") << "on_pushButton_Send_clicked";
    QTest::newRow("console file") << "on_pushButton_SendFile_clicked";
    QTest::newRow("second download") << "on_pushButton_DownloadFL_clicked";
}

// Calls a handler of the window or of the page that has it.
static bool invokeOnWindowOrPage(QWidget *window, const QString &handler)
{
    const QByteArray signature = handler.toLatin1() + "()";
    for (QObject *o : QList<QObject *>{window} + window->findChildren<QObject *>()) {
        if (o->metaObject()->indexOfMethod(signature.constData()) >= 0)
            return QMetaObject::invokeMethod(o, handler.toLatin1().constData());
    }
    return false;
}

void TestDownloadNet::exchangesRefusedDuringDownload()
{
    QFETCH(QString, handler);
    QTemporaryDir dir;
    const QByteArray plain = rawPayload(16 * 1000, 11);
    QVERIFY(writeEncryptedFile(dir.filePath(QStringLiteral("fw.hex")), plain));
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    MainWindow *window = f.window.get();
    window->ui->textEdit_Send->setPlainText(QStringLiteral("TEXT"));
    // Called by hand: their buttons are disabled during a download.
    bool called = false;
    connect(workerThread, &WorkerThread::progressUpdated, window, [&] {
        if (called)
            return;
        called = true;
        WifiCred cred;
        cred.valid = true;
        cred.ssid = QStringLiteral("Office");
        cred.password = QStringLiteral("secret12");
        if (handler == QLatin1String("onWifiCredReceived"))
            window->onWifiCredReceived(cred);
        else
            QVERIFY(invokeOnWindowOrPage(window, handler));
    });
    f.recorder->fileToOpen = dir.filePath(QStringLiteral("fw.hex"));
    QTest::mouseClick(window->ui->pushButton_DownloadFW, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!workerThread->isRunning() && !f.recorder->messages.isEmpty(), 20000);
    QTest::qWait(100);
    QVERIFY(called);
    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("等待打印机指示灯停止闪烁")});
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(plain.size()));
    QCOMPARE(f.printer->rawSha256().toHex(), sha256(plain).toHex());
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QVERIFY(window->ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_close"))->isEnabled() && window->ui->pushButton_Send->isEnabled());
}

void TestDownloadNet::pieceRetries_data()
{
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<QList<int>>("bytesOut");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("progressReports");
    // Three pieces of 850 bytes; the script answers the attempts in order. A piece
    // is sent again only when none of it left.
    const QString failed = QString::fromUtf8("向打印机发送数据失败。");
    QTest::newRow("second piece fails twice")
        << QList<int>{0, 6, 6, 0} << QList<int>{} << 5 << QString() << 3;
    QTest::newRow("second piece fails three times")
        << QList<int>{0, 6, 4, 1} << QList<int>{} << 4 << failed << 1;
    QTest::newRow("second piece partly out")
        << QList<int>{0, 4} << QList<int>{0, 512} << 2 << failed << 1;
}

void TestDownloadNet::pieceRetries()
{
    QFETCH(QList<int>, results);
    QFETCH(QList<int>, bytesOut);
    QFETCH(int, attempts);
    QFETCH(QString, error);
    QFETCH(int, progressReports);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    const QByteArray content = rawPayload(3 * 850, 5);
    QVERIFY(writePlainFile(path, content));
    WorkerRun run;
    FakeSender sender(run.worker.get(), results, bytesOut);
    run.worker->setJob(path, MEDIUM_NETWORK, true);
    QVERIFY(run.runToEnd());
    QCOMPARE(sender.pieces.size(), attempts);
    for (int i = 1; i < attempts && i < 3; ++i)
        QCOMPARE(sender.pieces.at(i), content.mid(850, 850)); // the same piece again
    QCOMPARE(lastError(*run.errors), error);
    QCOMPARE(run.finished->size(), error.isEmpty() ? 1 : 0);
    QCOMPARE(run.progress->size(), progressReports);
    QVERIFY(!QFile::exists(path));
}

void TestDownloadNet::progressIsTruncated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    QVERIFY(writePlainFile(path, rawPayload(12 * 10240, 9)));
    WorkerRun run;
    FakeSender sender(run.worker.get(), {});
    run.worker->setJob(path, MEDIUM_USB, true);
    QVERIFY(run.runToEnd());
    QCOMPARE(sender.pieces.size(), 12);
    QList<int> percents;
    for (const QList<QVariant> &args : *run.progress)
        percents << args.at(0).toInt();
    QCOMPARE(percents, (QList<int>{8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}));
}

void TestDownloadNet::networkPiecesKeepThePause()
{
    // The pause runs from the moment a piece left, and is never shortened to catch up.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    QVERIFY(writePlainFile(path, rawPayload(200 * 850, 8)));
    WorkerRun run;
    FakeSender sender(run.worker.get(), {});
    run.worker->setJob(path, MEDIUM_NETWORK, true);
    QVERIFY(run.runToEnd());
    QCOMPARE(sender.times.size(), 200);
    for (int i = 1; i < sender.times.size(); ++i)
        QVERIFY2(sender.times.at(i) - sender.times.at(i - 1) >= 2000000,
                 qPrintable(QString::number(sender.times.at(i) - sender.times.at(i - 1))));
}

void TestDownloadNet::unreadableFile()
{
    QTemporaryDir dir;
    WorkerRun run;
    FakeSender sender(run.worker.get(), {});
    run.worker->setJob(dir.filePath(QStringLiteral("gone_decrypted.hex")), MEDIUM_USB, true);
    QVERIFY(run.runToEnd());
    QVERIFY(sender.pieces.isEmpty());
    QVERIFY2(lastError(*run.errors).startsWith(QString::fromUtf8("打开文件失败：")) &&
                 lastError(*run.errors).size() > 7,
             qPrintable(lastError(*run.errors)));
    QVERIFY(run.finished->isEmpty());
}

void TestDownloadNet::onlyDecryptedCopiesAreDeleted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("decryptedCopy");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("copy made for the job") << "a_decrypted.bin" << true << true;
    QTest::newRow("user's own file with the marker") << "a_decrypted.bin" << false << false;
}

void TestDownloadNet::onlyDecryptedCopiesAreDeleted()
{
    QFETCH(QString, name);
    QFETCH(bool, decryptedCopy);
    QFETCH(bool, deleted);
    QTemporaryDir dir;
    QVERIFY(writePlainFile(dir.filePath(name), QByteArray("data")));
    WorkerRun run;
    FakeSender sender(run.worker.get(), {});
    run.worker->setJob(dir.filePath(name), MEDIUM_USB, decryptedCopy);
    QVERIFY(run.runToEnd());
    QCOMPARE(run.finished->size(), 1);
    QCOMPARE(QFile::exists(dir.filePath(name)), !deleted);
}

QTEST_MAIN(TestDownloadNet)
#include "tst_download_net.moc"
