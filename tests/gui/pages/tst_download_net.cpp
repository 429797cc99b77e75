// Download, console and WiFi provisioning over TCP to the simulated printer; the worker's
// piece loop driven directly; the provisioning window over a fake scan.
#include "device/operations/filestream.h"
#include "filesendhelpers.h"
#include "filesizelimit.h"
#include "core/protocol/frame.h"
#include "gui/provisioning/distributenet.h"
#include "gui/provisioning/wifiprovisioning.h"
#include "core/hostwifi/wifiscan.h"
#include "sessionfixture.h"
#include "platform/facilities.h"

#include <QtTest>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>

namespace {

const char *const kButtons[] = {"pushButton_DownloadFW", "pushButton_DownloadFL",
                                "pushButton_SendFile", "pushButton_Send"};

QList<int> numbers(const QString &text)
{
    QList<int> out;
    for (const QString &n : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << n.toInt();
    return out;
}

// What the debug log received while captured, from the window's thread and the worker's.
QStringList logged;
QMutex loggedMutex;

// The provisioning side of a session open to the simulated printer, and its window.
struct ProvisioningFixture : SessionFixture
{
    std::unique_ptr<FilePages> pages; // goes before the session
    std::unique_ptr<WifiProvisioning> provisioning;
    QPointer<DistributeNet> dialog;
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    // Opens the printer and the window over a fake scan program; a slow scan is not
    // waited for. Office is connected and listed twice; merged, it leads the list.
    bool start(bool slow = false)
    {
        WifiScanCommands commands;
        commands.source = WifiScanSource::NetworkManager;
        commands.powerProgram = QStringLiteral("echo");
        commands.powerArguments = QStringList{QStringLiteral("enabled")};
        commands.listProgram = QStringLiteral("sh");
        commands.listArguments = QStringList{
            "-c", "cd '" + dir.path() + "'; " +
                      (slow ? "touch started; sleep 1; touch finished; " : "") + "cat networks"};
        setWifiScanCommands(commands);
        if (!writePlainFile(path("networks"),
                            "*:80:Office\n:90:Cafe\n:40:Office\n:30:Guest\n:20:办公室\n") ||
            !SessionFixture::start())
            return false;
        pages = std::make_unique<FilePages>(*session, *host);
        provisioning = std::make_unique<WifiProvisioning>(*session, *host);
        provisioning->open();
        dialog = provisioning->window();
        return dialog && dialog->isVisible() &&
               (slow ||
                QTest::qWaitFor([this] { return list()->count() > 0 && refresh()->isEnabled(); },
                                10000));
    }
    template <typename T = QWidget> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QListWidget *list() const { return child<QListWidget>("listWifi"); }
    QLineEdit *name() const { return child<QLineEdit>("lineSsidManual"); }
    QLineEdit *password() const { return child<QLineEdit>("linePassword"); }
    QCheckBox *manual() const { return child<QCheckBox>("checkManualMode"); }
    QPushButton *refresh() const { return child<QPushButton>("btnRefresh"); }
    ~ProvisioningFixture()
    {
        provisioning.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetWifiScanCommands();
    }
    void clickRow(int row) const
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list()->visualItemRect(list()->item(row)).center());
    }
};

} // namespace

class TestDownloadNet : public QObject
{
    Q_OBJECT
private slots:
    void fileSend_data();
    void fileSend();
    void pieceLoop_data();
    void pieceLoop();
    void cancelBetweenPieces_data();
    void cancelBetweenPieces();
    void refusedWhileAJobRuns_data();
    void refusedWhileAJobRuns();
    void hexToggle();
    void windowAndList();
    void provisioningCancelled_data();
    void provisioningCancelled();
    void setNet_data();
    void setNet();
};

void TestDownloadNet::fileSend_data()
{
    // 0 firmware, 1 font, 2 console file, 3 console text | bytes (text: 1 hex send, 2 hex
    // receive, 4 echo) | the printer drops the connection after this many (-1 never, -2
    // nothing may go) | 0 printer open, 1 not open, 2 not listening, 3 disk full, 4 the
    // printer reads 50 kB/s | file made
    // (text typed) | file chosen (text: the wire in hex) | the user's own file | the
    // decrypted copy | message-area lines | box: I, W or C, title|text ("…": a reason follows)
    QTest::addColumn<QString>("row");
    const auto row = [](const char *name, const char *row) {
        QTest::newRow(name) << QString::fromUtf8(row);
    };
    row("firmware, user's own copy kept",
        "0|40000|-1|0|fw.r7.hex|fw.r7.hex|fw.r7_decrypted.hex|fw.r7_decrypted-2.hex|下载固件 "
        "fw.r7.hex，40000 字节|I下载成功|等待打印机指示灯停止闪烁");
    row("font without suffix", "1|16000|-1|0|fontA|fontA||fontA_decrypted.bin|下载字库 fontA，"
                               "16000 字节|I下载成功|等待打印机指示灯停止闪烁");
    // The user's own file carries the marker of decrypted copies, yet survives.
    row("console file", "2|5000|-1|0|label_decrypted.prn|label_decrypted.prn|||发送文件 "
                        "label_decrypted.prn，5000 字节|I下载成功|下载成功");
    row("empty firmware", "0|0|-2|0|empty.hex|empty.hex||||C错误|文件为空，没有可下载的内容：/…");
    // A file never continues on a new connection.
    const char *const broken = "|0|fw.hex|fw.hex||fw_decrypted.hex|下载固件 fw.hex，64000 "
                               "字节|C错误|向打印机发送数据失败。";
    row("broken inside a piece", qPrintable(QString("0|64000|20000") + broken));
    // A printer that reads 50 kB/s: success once it has every byte, failure when it
    // drops the connection with most of the file still on its way.
    row("slow printer takes it all", "0|300000|-1|4|fw.hex|fw.hex||fw_decrypted.hex|下载固件 "
                                     "fw.hex，300000 字节|I下载成功|等待打印机指示灯停止闪烁");
    row("slow printer drops mid-file", "0|150000|120000|4|fw.hex|fw.hex||fw_decrypted.hex|下载固件 "
                                       "fw.hex，150000 字节|C错误|向打印机发送数据失败。");
    // Dropped with the last pieces still on their way: only the final confirmation sees it.
    row("slow printer drops at the end", "0|60000|58000|4|fw.hex|fw.hex||fw_decrypted.hex|下载固件 "
                                         "fw.hex，60000 字节|C错误|向打印机发送数据失败。");
    row("console file broken",
        "2|64000|20000|0|fw.hex|fw.hex|||发送文件 fw.hex，64000 字节|C错误|向打印机发送数据失败。");
    row("no file chosen", "1|80000|-2|0|fw.hex|||||");
    row("console, no file chosen", "2|80000|-2|0|fw.hex|||||");
    row("missing source", "0|80000|-2|0|fw.hex|none.hex||||C错误|无法读取所选文件：/…");
    // Readable, in a folder where nobody, not even root, can create a file.
    row("unwritable folder", "0|80000|-2|0|fw.hex|/proc/version||||C错误|"
                             "无法在文件所在的文件夹中创建解密文件：/proc\n…");
    // A plain copy made before the failure is removed as well.
    row("disk full", "0|80000|-2|3|fw.hex|fw.hex||||C错误|解密失败，文件未发送。\n…");
    row("download, printer not open", "0|80000|-2|1|fw.hex|fw.hex||||I设置工具|请先打开设备");
    row("console, printer not open", "2|80000|-2|1|fw.hex|fw.hex||||C设置工具|设备未打开!");
    // The line about the file is written before the connection is tried.
    row("firmware, no connection", "0|80000|-2|2|fw.hex|fw.hex|||下载固件 fw.hex，80000 "
                                   "字节|WError|Connection failed: …");
    row("font, no connection",
        "1|80000|-2|2|fw.hex|fw.hex|||下载字库 fw.hex，80000 字节|W错误|连接失败: …");
    row("text: CR LF, UTF-8", "3|0|-1|0|A\n中|410D0AE4B8AD|||SEND->A;+中|");
    row("hex in, hex out", "3|7|-1|0|41 00 42|410042|||SEND->41 00 42;RECV<-41 00 42|");
    row("hex in, text out up to NUL", "3|5|-1|0|41 00 42|410042|||SEND->41 00 42;RECV<-A|");
    row("markup stays text", "3|4|-1|0|<b>x</b>|3C623E783C2F623E|||SEND-><b>x</b>;RECV<-<b>x</b>|");
    QString text;
    for (int i = 0; i < 2500; ++i)
        text += QChar('a' + i % 26);
    QTest::newRow("blocks of 1024, one connection")
        << "3|0|-1|0|" + text + '|' + text.toLatin1().toHex() + "|||SEND->" + text.left(1024) +
               ";SEND->" + text.mid(1024, 1024) + ";SEND->" + text.mid(2048) + '|';
    // Refused: nothing on the wire, not even a connection.
    row("odd digit", "3|1|-2|0|1B 4|||||C错误|此十六进制字符串格式无效。");
    row("text, printer not open", "3|1|-2|1|1B 40|||||C设置工具|设备未打开!");
    QTest::newRow("text, printer not listening")
        << "3|1|-2|2|" + QString("41 ").repeated(3000).trimmed() + "|||||C错误|发送失败！请重试";
}

void TestDownloadNet::fileSend()
{
    QFETCH(QString, row);
    const QStringList c = row.split(QLatin1Char('|'));
    const int kind = c.at(0).toInt(), drop = c.at(2).toInt(), state = c.at(3).toInt();
    const bool console = kind >= 2, typed = kind == 3, streams = drop > -2 && !typed;
    const int setup = typed ? c.at(1).toInt() : 0;
    const QString message = c.mid(9).join(QLatin1Char('|'));
    // A printer that drops the connection with bytes unread: only the kernel's send queue
    // tells that the stream did not arrive. Mid-file too, once the kernel took the rest of
    // the file before the drop, which a loaded machine makes likely.
    if (!platform::facilities().sendQueueDepth &&
        QByteArray(QTest::currentDataTag()).startsWith("slow printer drops"))
        QSKIP("needs the TCP send queue's depth, which the portable platform cannot tell");
    QTemporaryDir dir;
    const QByteArray plain =
        typed ? QByteArray::fromHex(c.at(5).toLatin1()) : rawPayload(c.at(1).toInt(), 7);
    QVERIFY(typed || (console ? writePlainFile(dir.filePath(c.at(4)), plain)
                              : writeEncryptedFile(dir.filePath(c.at(4)), plain)));
    QVERIFY(c.at(6).isEmpty() || writePlainFile(dir.filePath(c.at(6)), "user's"));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    PrinterSession &s = *f.session;
    f.printer->setDropAfterBytes(qMax(drop, -1));
    f.host->open = state != 1;
    if (state == 2)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    if (state == 4)
        f.printer->setSlowRead(2500, 50);
    QTest::qWait(100); // the connection of the open settles first
    const int connections = f.printer->connectionCount();
    auto *bar = pages.widget<QProgressBar>(console ? "progressBar_Debug" : "progressBar_Update");
    bar->setValue(55);
    const auto enabledButtons = [&] {
        int on = 0;
        for (const char *b : kButtons)
            on += pages.widget(b)->isEnabled();
        return on;
    };
    // Everything else is refused while the pieces go, called by hand since the buttons
    // are off; none of it may reach the wire or show a box.
    QVector<int> codes;
    f.printer->model().setRawEcho(setup & 4);
    pages.widget<QRadioButton>("radioButton_hexSend")->setChecked(setup & 1);
    pages.widget<QRadioButton>("radioButton_hexRecv")->setChecked(setup & 2);
    pages.widget<QTextEdit>("textEdit_Send")->setPlainText(typed ? c.at(4) : "TEXT");
    connect(&pages.sends, &FileSends::progress, &pages.download, [&] {
        if (!codes.isEmpty())
            return;
        codes << s.sendFrame(frame::build(0, POWER_SELF_TEST)) << s.writeRaw("TEXT");
        QMetaObject::invokeMethod(&pages.console, "on_pushButton_Send_clicked");
        QMetaObject::invokeMethod(&pages.console, "on_pushButton_SendFile_clicked");
        pages.download.downloadEncryptedFile(false);
    });
    f.recorder->fileToOpen =
        typed || c.at(5).isEmpty() ? QString() : QDir(dir.path()).filePath(c.at(5));
    const qint64 limitBytes = state == 3 ? 32 * 1024 : 0; // stands in for a full disk
    FileSizeLimit limit(limitBytes);
    QVERIFY(limit.holds(limitBytes));
    pages.click(kButtons[kind]);
    limit.release();
    const QStringList dialogs[] = {{"HEX File", "HEX Files (*.hex);;All Files (*)"},
                                   {"BIN File", "BIN Files (*.bin);;All Files (*)"},
                                   {"All Files (*)", ""},
                                   {}};
    QCOMPARE(f.recorder->fileCaptions + f.recorder->fileFilters,
             state == 1 ? QStringList() : dialogs[kind]);
    // The pieces go on the worker, so nothing has finished yet.
    QVERIFY(!streams || f.host->printerInUse());
    // A download whose connection fails is tried on the worker, as a job.
    const bool tried = streams || (state == 2 && !typed);
    QCOMPARE(enabledButtons(), tried ? 0 : 4);
    QVERIFY(!streams || (bar->value() == 0 && bar->isEnabled()));
    // An empty file may be done and its decrypted copy deleted already.
    QVERIFY(!streams || console || plain.isEmpty() || QFile::exists(dir.filePath(c.at(7))));

    QTRY_VERIFY_WITH_TIMEOUT(!f.host->worker.busy(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(f.recorder->messages.size(), message.isEmpty() ? 0 : 1, 20000);
    const QStringList before = c.at(8).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QCOMPARE(pages.lines().mid(0, before.size()), before);
    // Success is told once the printer has the file, bar what its kernel still holds.
    const qint64 arrivedWhenTold = f.printer->rawByteCount();
    if (!message.isEmpty()) {
        const prompts::Message &m = f.recorder->messages.at(0);
        const QString shown = QString("IWC").at(int(m.kind)) + m.title + '|' + m.text;
        QVERIFY2(message.endsWith("…")
                     ? shown.startsWith(message.chopped(1)) && shown.size() >= message.size()
                     : shown == message,
                 qPrintable(shown));
    }
    const bool completed = message.startsWith('I') && streams;
    QVERIFY2(!completed || console || arrivedWhenTold >= plain.size() - 16384,
             qPrintable(QString::number(arrivedWhenTold)));
    if (streams && !console) {
        // How a download ended stays in the messages and the status bar.
        const QString outcome = c.at(4) + (completed ? QStringLiteral(" 下载完成")
                                                     : QStringLiteral(" 下载失败：") +
                                                           f.recorder->messages.value(0).text);
        QCOMPARE(pages.lines().mid(before.size()), QStringList{outcome});
        QCOMPARE(f.host->lastResult, outcome);
    }
    QCOMPARE(codes, plain.isEmpty() || !streams ? QVector<int>() : QVector<int>(2, RESULT_BUSY));
    QCOMPARE(f.recorder->fileCaptions.size(), state == 1 || typed ? 0 : 1);
    QVERIFY((console && !streams) || bar->isEnabled() == completed);
    QVERIFY(!completed || bar->value() == (plain.isEmpty() ? 0 : 100));
    // What arrived is the file or its start, nothing twice, on one connection.
    QTest::qWait(50);
    const QByteArray arrived = drop >= 0 ? plain.left(drop) : drop == -1 ? plain : QByteArray();
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(arrived.size()));
    QVERIFY(f.printer->rawBytes() == arrived);
    QCOMPARE(f.printer->connectionCount(), connections + (drop > -2 ? 1 : 0));
    QVERIFY(f.printer->receivedFrames().isEmpty());
    // The copy made for the stream goes; the chosen file and the user's own stay.
    QStringList left =
        typed ? QStringList() : QStringList{c.at(4), c.at(6)}.filter(QRegularExpression("."));
    left.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), left);
    QFile own(dir.filePath(c.at(6)));
    QVERIFY(c.at(6).isEmpty() || (own.open(QIODevice::ReadOnly) && own.readAll() == "user's"));
    QCOMPARE(enabledButtons(), 4);
    QTRY_VERIFY(!s.busy());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::pieceLoop_data()
{
    // Pieces (-1: no file) | answers (0 after) | bytes out with a failed answer | the piece
    // of each attempt | percents | error | a stop asked for after this many attempts (-1
    // never). Only a piece none of which left goes again, 3 times.
    QTest::addColumn<QString>("row");
    QTest::newRow("second piece fails twice") << "3|0 6 6 0||0 1 1 1 2|33 66 100||-1";
    QTest::newRow("second piece fails three times")
        << QString::fromUtf8("3|0 6 4 1||0 1 1 1|33|向打印机发送数据失败。|-1");
    QTest::newRow("second piece partly out")
        << QString::fromUtf8("3|0 4|0 512|0 1|33|向打印机发送数据失败。|-1");
    QTest::newRow("unreadable file") << QString::fromUtf8("-1|||||打开文件失败：|-1");
    // A stop ends the stream between two pieces, and a failed piece is not tried again.
    QTest::newRow("stopped after two pieces")
        << QString::fromUtf8("3|||0 1|33 66|已取消：已发送 2/3 块，共 2550 字节中的 1700 字节|2");
    QTest::newRow("stopped during a retry")
        << QString::fromUtf8("3|0 6||0 1|33|已取消：已发送 1/3 块|2");
}

void TestDownloadNet::pieceLoop()
{
    QFETCH(QString, row);
    const QStringList c = row.split(QLatin1Char('|'));
    const int pieces = c.at(0).toInt(), stopAfter = c.at(6).toInt();
    const QString &error = c.at(5);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw.bin"));
    const int size = filestream::pieceSize(MEDIUM_NETWORK);
    const QByteArray content = rawPayload(qMax(pieces, 0) * size, 5);
    QVERIFY(pieces < 0 || writePlainFile(path, content));
    // The writer answers each piece as scripted.
    QList<int> script = numbers(c.at(1)), out = numbers(c.at(2));
    QList<QByteArray> sent;
    QList<qint64> times;
    QList<int> reported;
    filestream::Hooks hooks;
    hooks.write = [&](const QByteArray &piece, StreamPiece *written) {
        sent << piece;
        times << std::chrono::nanoseconds(std::chrono::steady_clock::now().time_since_epoch())
                     .count();
        const int result = script.isEmpty() ? 0 : script.takeFirst();
        const qint64 left = out.isEmpty() ? 0 : out.takeFirst();
        written->bytesOut = result ? left : piece.size();
        return result;
    };
    hooks.stopRequested = [&] { return stopAfter >= 0 && sent.size() >= stopAfter; };
    hooks.progress = [&](const filestream::Progress &p) {
        reported << int(p.bytes * 100 / p.size);
    };
    filestream::Source source;
    source.path = path;
    const ops::Outcome outcome = filestream::sendPieces(source, MEDIUM_NETWORK, hooks);
    QList<QByteArray> expected;
    for (int i : numbers(c.at(3)))
        expected << content.mid(i * size, size);
    QVERIFY(sent == expected);
    QCOMPARE(reported, numbers(c.at(4)));
    QVERIFY2(error.isEmpty() ? outcome.ok() : outcome.sentence.startsWith(error),
             qPrintable(outcome.sentence));
    QCOMPARE(outcome.code, error.isEmpty()      ? ops::Code::Ok
                           : stopAfter >= 0 ? ops::Code::Interrupted
                                            : ops::Code::Refused);
    // The user's own file is never deleted.
    QCOMPARE(QFile::exists(path), pieces >= 0);
    // A piece waits out the pause after the last one that left, counted from the
    // moment it left and never shortened to catch up.
    const QList<int> answers = numbers(c.at(1));
    for (int i = 1; i < times.size(); ++i)
        QVERIFY2(answers.value(i - 1) != 0 || times.at(i) - times.at(i - 1) >= 2000000,
                 qPrintable(QString::number(times.at(i) - times.at(i - 1))));
}

void TestDownloadNet::cancelBetweenPieces_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("bar");
    QTest::newRow("firmware") << "pushButton_DownloadFW" << "progressBar_Update";
    QTest::newRow("console file") << "pushButton_SendFile" << "progressBar_Debug";
}

void TestDownloadNet::cancelBetweenPieces()
{
    // Cancelled once a fifth has gone: the printer has whole pieces only, the status line
    // says how many, no box, the decrypted copy is gone and the controls come back.
    QFETCH(QString, button);
    QFETCH(QString, bar);
    const bool download = button == "pushButton_DownloadFW";
    QTemporaryDir dir;
    const int pieceCount = 200;
    const QByteArray plain = rawPayload(pieceCount * 850, 9);
    const QString chosen = dir.filePath(QStringLiteral("fw.hex"));
    QVERIFY(download ? writeEncryptedFile(chosen, plain) : writePlainFile(chosen, plain));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.recorder->fileToOpen = chosen;
    connect(&pages.sends, &FileSends::progress, &pages.sends, [&](int percent) {
        if (percent >= 20)
            pages.sends.requestStop();
    });
    pages.click(qPrintable(button));
    QTRY_VERIFY_WITH_TIMEOUT(!f.host->worker.busy(), 20000);
    QVERIFY(f.recorder->messages.isEmpty());
    const QRegularExpression said(
        QStringLiteral("已取消：已发送 (\\d+)/200 块，共 170000 字节中的 (\\d+) 字节"));
    const QRegularExpressionMatch match = said.match(f.host->lastResult);
    QVERIFY2(match.hasMatch(), qPrintable(f.host->lastResult));
    const int pieces = match.captured(1).toInt();
    QVERIFY2(pieces >= 40 && pieces < pieceCount, qPrintable(f.host->lastResult));
    QCOMPARE(match.captured(2).toInt(), pieces * 850);
    QTRY_COMPARE(f.printer->rawByteCount(), qint64(pieces) * 850);
    QTest::qWait(50);
    QVERIFY(f.printer->rawBytes() == plain.left(pieces * 850));
    QVERIFY(!pages.widget(qPrintable(bar))->isEnabled());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fw.hex"});
    for (const char *b : kButtons)
        QVERIFY(pages.widget(b)->isEnabled());
    QVERIFY(!f.session->busy());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::refusedWhileAJobRuns_data()
{
    QTest::addColumn<QString>("button");
    for (const char *b : kButtons)
        QTest::newRow(b) << b;
}

void TestDownloadNet::refusedWhileAJobRuns()
{
    // While another job has the printer a click starts nothing: no second job, no file
    // dialog, no box, nothing on the wire. Afterwards the same click works.
    QFETCH(QString, button);
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("fw.hex"));
    QVERIFY(writeEncryptedFile(chosen, rawPayload(2000, 3)));
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    f.recorder->fileToOpen = chosen;
    pages.widget<QTextEdit>("textEdit_Send")->setPlainText("TEXT");
    auto release = std::make_shared<std::atomic<bool>>(false);
    f.host->startJob(QStringLiteral("hold"), [release](jobs::Context &) {
        while (!release->load())
            QThread::msleep(5);
        return ops::Outcome();
    });
    QTRY_VERIFY(f.host->worker.currentJob() &&
                f.host->worker.currentJob()->state() == jobs::Job::State::Running);
    pages.click(qPrintable(button));
    QTest::qWait(100);
    QCOMPARE(f.host->jobsStarted, 1);
    QVERIFY(f.recorder->messages.isEmpty() && f.recorder->fileCaptions.isEmpty());
    QCOMPARE(f.printer->rawByteCount(), qint64(0));
    release->store(true);
    QTRY_VERIFY(!f.host->worker.busy());
    pages.click(qPrintable(button));
    QCOMPARE(f.host->jobsStarted, 2);
    QTRY_VERIFY_WITH_TIMEOUT(!f.host->worker.busy(), 20000);
    QTRY_VERIFY(f.printer->rawByteCount() > 0);
}

void TestDownloadNet::hexToggle()
{
    // The radio button converts the send area; a bad edit shows the complaint there.
    SessionFixture f;
    QVERIFY(f.start());
    FilePages pages(*f.session, *f.host);
    auto *edit = pages.widget<QTextEdit>("textEdit_Send");
    QStringList shown;
    for (const char *typed : {"A\nB", "41 4"}) {
        edit->setPlainText(typed);
        pages.click("radioButton_hexSend");
        shown << edit->toPlainText();
    }
    QCOMPARE(shown, (QStringList{"41 0D 0A 42", "此十六进制字符串格式无效。"}));
}

void TestDownloadNet::windowAndList()
{
    // A slow scan: a name typed while it runs stays; closing the window ends it at once.
    ProvisioningFixture f;
    QVERIFY(f.start(true));
    const auto state = [&] {
        return f.name()->text() + '|' + f.password()->text() + '|' +
               QString::number(f.name()->isEnabled()) + QString::number(f.list()->isEnabled()) +
               QString::number(f.password()->isEnabled());
    };
    QTRY_COMPARE(f.refresh()->text(), "扫描中...");
    QCOMPARE(state(), "||010"); // nothing chosen yet
    f.manual()->setChecked(true);
    QTest::keyClicks(f.name(), "Typed");
    QTRY_COMPARE(f.list()->count(), 4);
    QCOMPARE(state() + f.refresh()->text(), "Typed||101刷新列表");
    f.provisioning->open(); // a second press keeps the one window
    QCOMPARE(f.provisioning->window(), f.dialog.data());
    QStringList rows;
    for (int i = 0; i < f.list()->count(); ++i)
        rows << f.list()->item(i)->text() +
                    (f.list()->item(i)->background().color() == QColor(255, 234, 5) ? "*" : "");
    QCOMPARE(rows, (QStringList{"Office   (当前连接)*", "Cafe", "Guest", "办公室"}));
    // A row puts its bare name and empties the password; manual mode empties both, and
    // typing there empties the password; off again, the list's row comes back.
    f.manual()->setChecked(false);
    QCOMPARE(state(), "Office||011");
    f.password()->setText("secret");
    f.clickRow(1);
    QCOMPARE(state(), "Cafe||011");
    f.manual()->setChecked(true);
    QCOMPARE(state(), "||100"); // no network, no password
    f.password()->setText("x");
    QTest::keyClicks(f.name(), "T");
    QCOMPARE(state(), "T||101");
    f.manual()->setChecked(false);
    QCOMPARE(state(), "Cafe||011");
    QTest::mouseClick(f.child<QCheckBox>("checkShowPassword"), Qt::LeftButton);
    QCOMPARE(f.password()->echoMode(), QLineEdit::Normal);
    // A refresh puts the first row's name back.
    QTest::mouseClick(f.refresh(), Qt::LeftButton);
    QTRY_COMPARE(state(), "Office||011");

    QVERIFY(QFile::remove(f.path("started")) && QFile::remove(f.path("finished")));
    QTest::mouseClick(f.refresh(), Qt::LeftButton);
    QTRY_VERIFY(QFile::exists(f.path("started")));
    QTest::mouseClick(f.child<QPushButton>("btnClose"), Qt::LeftButton);
    QVERIFY(!QFile::exists(f.path("finished")));
    QVERIFY(!f.provisioning->window());
    QVERIFY(f.host->parent.isVisible()); // the main window comes back
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.dialog);
}

void TestDownloadNet::setNet_data()
{
    // Mode known (-1 unread, 0 station, 1 AP) | 0 fine, 1 deaf, 2 closed, 3 a file
    // going, 4 accepts and closes at once | -1 the name clicked, else manual mode | name | password
    // | frames | message
    QTest::addColumn<QString>("row");
    const auto row = [](const char *name, const QString &row) { QTest::newRow(name) << row; };
    const QString mode = "1BFFFE 01 30 01 01 1BFEFF;";
    row("access point: mode first", "1|0|-1|Cafe|12345678|" + mode +
                                        "1BFFFE 01 26 0E 43616665 00 3132333435363738 00 "
                                        "1BFEFF|处理成功");
    row("mode never read: mode first",
        "-1|0|-1|Cafe|pw|" + mode + "1BFFFE 01 26 08 43616665 00 7077 00 1BFEFF|处理成功");
    row("manual name and password exact, spaces at both ends",
        "0|0|1| My Net | pw |1BFFFE 01 26 0E 204D79204E657420 00 20707720 00 1BFEFF|处理成功");
    const QByteArray office = QString("办公室").toLocal8Bit();
    row("station already: credentials only, Chinese name from the list",
        QStringLiteral("0|0|-1|办公室|pass word|1BFFFE 01 26 %1 %2 00 7061737320776F7264 00 "
                       "1BFEFF|处理成功")
            .arg(office.size() + 11, 2, 16, QLatin1Char('0'))
            .arg(QString::fromLatin1(office.toHex())));
    // Refused: nothing on the wire, or nothing the printer read.
    // A connection that cannot be made is the network's failure, as a failed exchange is.
    row("mode change cannot connect", "1|1|-1|Cafe|kept||网络通讯出错，请重试");
    row("credentials cannot connect", "0|1|-1|Cafe|kept||网络通讯出错，请重试");
    row("mode change, printer closes at once", "1|4|-1|Cafe|kept||网络通讯出错，请重试");
    row("credentials, printer closes at once", "0|4|-1|Cafe|kept||网络通讯出错，请重试");
    row("printer closed meanwhile", "0|2|-1|Cafe|kept||请先打开设备");
    row("manual name, spaces only", "0|0|1|   |kept||请输入WiFi名称");
    row("manual name longer than a network has",
        "0|0|1|" + QString(33, 'n') + "|kept||wifi名称：输入无效，允许范围为 0 至 32");
    row("nothing chosen from the list", "0|0|0||kept||请选择一个WiFi");
    // The window is off while the printer is busy; a press that gets through sends nothing.
    row("file sent", "0|3|-1|Cafe|kept||下载成功");
}

void TestDownloadNet::setNet()
{
    QFETCH(QString, row);
    const QStringList c = row.split(QLatin1Char('|'));
    const int knownMode = c.at(0).toInt(), state = c.at(1).toInt(), manual = c.at(2).toInt();
    const QString &name = c.at(3), &password = c.at(4);
    // A printer that closes at once without reading: only the kernel's send queue tells
    // that the frame was never taken.
    if (!platform::facilities().sendQueueDepth &&
        QByteArray(QTest::currentDataTag()).contains("closes at once"))
        QSKIP("needs the TCP send queue's depth, which the portable platform cannot tell");
    const QStringList frames = c.at(5).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    ProvisioningFixture f;
    QVERIFY(f.start());
    QSignalSpy sent(f.provisioning.get(), &WifiProvisioning::credentialsSent);
    QSignalSpy tried(f.provisioning.get(), &WifiProvisioning::credentialsTried);
    const QByteArray content = rawPayload(16 * 850, 4);
    QVERIFY(writePlainFile(f.path("file.bin"), content));
    DistributeNet *const dialog = f.dialog;
    f.session->setWifiMode(knownMode);
    f.host->open = state != 2;
    if (state == 1)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    if (state == 4)
        f.printer->setRefuseMode(RefuseMode::CloseAfterAccept);
    if (manual < 0) {
        f.clickRow(f.list()->row(f.list()->findItems(name, Qt::MatchExactly).value(0)));
    } else {
        f.manual()->setChecked(manual);
        f.name()->clear(); // typing reaches it in manual mode only
        QTest::keyClicks(f.name(), name);
    }
    f.password()->setText(password);
    logged.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &line) {
            const QMutexLocker lock(&loggedMutex);
            logged << line;
        });
    QList<bool> enabledWhileBusy;
    const auto press = [&] {
        enabledWhileBusy << dialog->isEnabled();
        QMetaObject::invokeMethod(dialog, "on_btnSetNet_clicked");
    };
    if (state == 3) {
        connect(&f.pages->sends, &FileSends::progress, dialog, press);
        f.recorder->fileToOpen = f.path("file.bin");
        f.pages->click("pushButton_SendFile");
        QTRY_VERIFY_WITH_TIMEOUT(!f.session->busy() && !f.recorder->messages.isEmpty(), 20000);
        QTRY_COMPARE(f.printer->rawByteCount(), qint64(content.size()));
    } else {
        QTest::mouseClick(f.child<QPushButton>("btnSetNet"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!f.host->worker.busy(), 20000);
    }
    qInstallMessageHandler(previous);
    QVERIFY(!enabledWhileBusy.contains(true));
    QCOMPARE(enabledWhileBusy.isEmpty(), state != 3);
    QVERIFY(f.dialog.isNull() || f.dialog->isEnabled());
    // Neither the password nor its bytes in hex, however spaced.
    const QString all = logged.join('\n').remove(' ');
    for (QString secret : {password, QString::fromLatin1(password.toLatin1().toHex())})
        QVERIFY2(!all.contains(secret.remove(' '), Qt::CaseInsensitive), qPrintable(all));
    QCOMPARE(f.recorder->texts(), c.at(6).isEmpty() ? QStringList() : QStringList{c.at(6)});
    if (manual >= 0 && frames.isEmpty())
        QCOMPARE(f.recorder->messages.at(0).title, "WIFI配网");
    // Refused credentials close the window all the same; other refusals keep it with
    // what was typed for another try.
    const bool windowStays = frames.isEmpty() && !((state == 1 || state == 4) && knownMode == 0);
    QCOMPARE(!f.dialog.isNull() && f.dialog->isVisible(), windowStays);
    QCOMPARE(f.host->parent.isVisible(), !windowStays);
    QVERIFY(!windowStays || f.password()->text() == password);
    QCOMPARE(sent.size(), frames.isEmpty() ? 0 : 1);
    // The WiFi page is given what was tried before anything is sent, taken or not.
    const bool wasTried = c.at(6) == "处理成功" || c.at(6) == "网络通讯出错，请重试";
    QCOMPARE(tried.size(), int(wasTried));
    if (wasTried)
        QCOMPARE(tried.at(0).at(0).value<WifiCred>().ssid, name);
    if (!frames.isEmpty()) {
        const auto cred = sent.at(0).at(0).value<WifiCred>();
        QCOMPARE(cred.ssid + '|' + cred.password, name + '|' + password);
    }
    QCOMPARE(f.session->wifiMode(), frames.isEmpty() ? knownMode : 0);
    QTest::qWait(50);
    QTRY_COMPARE(f.printer->receivedFrames().size(), frames.size());
    QByteArray expected, got;
    for (int i = 0; i < frames.size(); ++i) {
        const ReceivedFrame r = f.printer->receivedFrames().at(i);
        expected += QByteArray::fromHex(frames.at(i).toLatin1());
        got += frame::build(r.frameClass, r.item, r.data);
    }
    QCOMPARE(got.toHex(), expected.toHex());
    QCOMPARE(f.printer->bytesReceived() - f.printer->rawByteCount(), qint64(expected.size()));
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestDownloadNet::provisioningCancelled_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("the job's Cancel") << false;
    QTest::newRow("the window closed") << true;
}

void TestDownloadNet::provisioningCancelled()
{
    // Cancelled in the pause after the mode frame: the credentials never go, no box, the
    // status line says what went, and the printer is free again at once.
    QFETCH(bool, byClosing);
    ProvisioningFixture f;
    QVERIFY(f.start());
    QSignalSpy sent(f.provisioning.get(), &WifiProvisioning::credentialsSent);
    f.session->setWifiMode(1);
    f.clickRow(1);
    f.password()->setText("secret12");
    QTest::mouseClick(f.child<QPushButton>("btnSetNet"), Qt::LeftButton);
    QVERIFY(f.provisioning->job());
    QVERIFY(!f.dialog->isEnabled());
    QTRY_COMPARE(f.printer->receivedFrames().size(), 1);
    if (byClosing)
        f.dialog->close(); // its buttons rest meanwhile; the window manager's close is left
    else
        f.provisioning->job()->cancel();
    QTRY_VERIFY(!f.host->worker.busy());
    QTest::qWait(300);
    QCOMPARE(f.printer->receivedFrames().size(), 1);
    const ReceivedFrame mode = f.printer->receivedFrames().at(0);
    QCOMPARE(frame::build(mode.frameClass, mode.item, mode.data).toHex(),
             QByteArray("1bfffe013001011bfeff"));
    QVERIFY(f.recorder->messages.isEmpty());
    QCOMPARE(f.host->lastResult, "WiFi配网已取消：已切换为站点模式，网络名称和密码未发送");
    QCOMPARE(sent.size(), 0);
    QCOMPARE(f.session->wifiMode(), 1);
    QCOMPARE(!f.dialog.isNull() && f.dialog->isVisible() && f.dialog->isEnabled(), !byClosing);
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

QTEST_MAIN(TestDownloadNet)
#include "tst_download_net.moc"
