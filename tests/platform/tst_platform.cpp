// The platform interfaces as the rest of the tool sees them, on the implementation this
// build has (Linux, or the portable one): files made new, files opened for reading, the
// range scan against the simulated printer, and the stop signals.
#include "platform/facilities.h"
#include "platform/ownfile.h"
#include "platform/portscan.h"
#include "platform/readfile.h"
#include "platform/sendqueue.h"
#include "platform/stopsignals.h"
#include "sim/printerconfig.h"
#include "sim/simprinter.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <mutex>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

Q_DECLARE_METATYPE(platform::FileKind)
Q_DECLARE_METATYPE(platform::StopSignal)

namespace {

constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::WriteOther | QFileDevice::ExeOther |
                                             QFileDevice::ExeOwner;

// A port on 127.0.0.1 that nobody listens on.
quint16 closedPort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

// What a StopSignals object passed on, from its own thread.
struct Received
{
    std::mutex mutex;
    QList<platform::StopSignal> got;
    int count()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return got.size();
    }
};

int g_earlierHandlerCalls = 0;
extern "C" void earlierHandler(int)
{
    ++g_earlierHandlerCalls;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void ownFileRefusesWhatIsThere_data()
    {
        QTest::addColumn<QString>("there"); // "", "file", "link to nothing", "folder"
        QTest::addColumn<bool>("created");
        QTest::newRow("new name") << "" << true;
        QTest::newRow("a file") << "file" << false;
        // O_EXCL never follows a link, not even one that leads nowhere yet.
        QTest::newRow("a link to nothing") << "link to nothing" << false;
        QTest::newRow("a folder") << "folder" << false;
    }
    void ownFileRefusesWhatIsThere()
    {
        QFETCH(QString, there);
        QFETCH(bool, created);
        QTemporaryDir dir;
        const QString path = dir.filePath("plain.bin");
        if (there == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("theirs") == 6);
        } else if (there == "link to nothing") {
            QVERIFY(QFile::link(dir.filePath("elsewhere"), path));
        } else if (there == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("plain.bin"));
        }
        platform::OwnFile file;
        QCOMPARE(file.create(path), created);
        QCOMPARE(file.exists(), !created);
        if (!created) {
            QVERIFY(!file.errorString().isEmpty());
            // What was there is untouched; nothing was made at the link's end.
            if (there == "file") {
                QFile theirs(path);
                QVERIFY(theirs.open(QIODevice::ReadOnly));
                QCOMPARE(theirs.readAll(), QByteArray("theirs"));
            }
            QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere")));
        }
    }

    // Readable and writable by the owner only, whatever the umask would have allowed;
    // read back at offsets through the same handle.
    void ownFileIsTheOwnersOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("plain.bin");
        const mode_t umaskBefore = ::umask(0);
        platform::OwnFile file;
        const bool created = file.create(path);
        ::umask(umaskBefore);
        QVERIFY(created);
        QVERIFY(file.write("0123456789", 10) && file.write("abc", 3) && file.sync());
        const QFileDevice::Permissions permissions = QFileInfo(path).permissions();
        QVERIFY(permissions & QFileDevice::ReadOwner);
        QVERIFY(permissions & QFileDevice::WriteOwner);
        QCOMPARE(permissions & kOthers, QFileDevice::Permissions());
        QCOMPARE(file.size(), qint64(13));
        char buffer[8] = {};
        QCOMPARE(file.readAt(8, buffer, 8), qint64(5));
        QCOMPARE(QByteArray(buffer, 5), QByteArray("89abc"));
        QCOMPARE(file.readAt(13, buffer, 8), qint64(0));
        QVERIFY(file.isNamedBy(path));
        // Another file put under the name is not this one.
        QVERIFY(QFile::rename(path, dir.filePath("moved.bin")));
        QFile other(path);
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("x") == 1);
        other.close();
        QVERIFY(!file.isNamedBy(path));
        QVERIFY(!file.isNamedBy(dir.filePath("missing.bin")));
    }

    void openRegular_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<platform::FileKind>("kind");
        QTest::newRow("regular") << "regular" << true << platform::FileKind::Regular;
        QTest::newRow("link to regular") << "link" << true << platform::FileKind::Regular;
        QTest::newRow("folder") << "folder" << false << platform::FileKind::Folder;
        // A pipe nobody writes: told at once, never waited on.
        QTest::newRow("pipe") << "pipe" << false << platform::FileKind::Pipe;
        QTest::newRow("device") << "/dev/null" << false << platform::FileKind::Device;
        QTest::newRow("missing") << "missing" << false << platform::FileKind::Missing;
    }
    void openRegular()
    {
        QFETCH(QString, what);
        QFETCH(bool, opened);
        QFETCH(platform::FileKind, kind);
        QTemporaryDir dir;
        const QString regular = dir.filePath("regular.bin");
        QFile make(regular);
        QVERIFY(make.open(QIODevice::WriteOnly) && make.write("12345") == 5);
        make.close();
        QString path = what.startsWith('/') ? what : dir.filePath(what);
        if (what == "regular")
            path = regular;
        else if (what == "link")
            QVERIFY(QFile::link(regular, path));
        else if (what == "folder")
            QVERIFY(QDir(dir.path()).mkdir(what));
        else if (what == "pipe")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        QCOMPARE(platform::kindOf(path), kind);
        QFile file;
        platform::FileKind found = platform::FileKind::Other;
        qint64 size = -1;
        QString error;
        QCOMPARE(platform::openRegular(path, &file, &found, &size, &error), opened);
        QCOMPARE(found, kind);
        QCOMPARE(file.isOpen(), opened);
        if (opened) {
            QCOMPARE(size, qint64(5));
            QCOMPARE(file.readAll(), QByteArray("12345"));
        }
        QCOMPARE(error.isEmpty(), kind != platform::FileKind::Missing);
    }

    // The simulated printer's port accepts; a closed port and an address nobody
    // listens on do not.
    void scanFindsTheListeningPrinter_data()
    {
        QTest::addColumn<QStringList>("hosts");
        QTest::addColumn<bool>("closed"); // scan a port nobody listens on
        QTest::addColumn<int>("batch");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("the printer")
            << QStringList{"127.0.0.1"} << false << 8 << QStringList{"127.0.0.1"};
        QTest::newRow("closed port") << QStringList{"127.0.0.1"} << true << 8 << QStringList{};
        QTest::newRow("among others, one at a time")
            << QStringList{"127.0.0.3", "127.0.0.1", "127.0.0.2"} << false << 1
            << QStringList{"127.0.0.1"};
        QTest::newRow("among others, all at once")
            << QStringList{"127.0.0.3", "127.0.0.1", "127.0.0.2"} << false << 8
            << QStringList{"127.0.0.1"};
    }
    void scanFindsTheListeningPrinter()
    {
        QFETCH(QStringList, hosts);
        QFETCH(bool, closed);
        QFETCH(int, batch);
        QFETCH(QStringList, expected);
        SimPrinter printer(PrinterConfig::defaults());
        printer.setTcpPort(0);
        printer.setUdpPort(0);
        QVERIFY(printer.start());
        const quint16 port = closed ? closedPort() : printer.tcpPort();
        QVERIFY(port != 0);
        QList<QHostAddress> addresses;
        for (const QString &host : hosts)
            addresses << QHostAddress(host);
        QStringList found;
        for (const QHostAddress &a :
             platform::acceptingHosts(addresses, port, batch, 2000, nullptr))
            found << a.toString();
        printer.stop();
        QCOMPARE(found, expected);
    }

    // A stop flag already set: nothing is tried.
    void scanStops()
    {
        SimPrinter printer(PrinterConfig::defaults());
        printer.setTcpPort(0);
        printer.setUdpPort(0);
        QVERIFY(printer.start());
        const std::atomic<bool> stop{true};
        QVERIFY(
            platform::acceptingHosts({QHostAddress::LocalHost}, printer.tcpPort(), 8, 2000, &stop)
                .isEmpty());
        printer.stop();
    }

    void stopSignals_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<platform::StopSignal>("expected");
        QTest::addColumn<int>("status");
        QTest::newRow("SIGINT") << int(SIGINT) << platform::StopSignal::Interrupt << 130;
        QTest::newRow("SIGTERM") << int(SIGTERM) << platform::StopSignal::Terminate << 143;
    }
    void stopSignals()
    {
        QFETCH(int, number);
        QFETCH(platform::StopSignal, expected);
        QFETCH(int, status);
        g_earlierHandlerCalls = 0;
        const auto before = std::signal(number, earlierHandler);
        Received received;
        {
            platform::StopSignals watch([&received](platform::StopSignal signal) {
                const std::lock_guard<std::mutex> lock(received.mutex);
                received.got << signal;
            });
            QCOMPARE(std::raise(number), 0);
            QTRY_COMPARE(received.count(), 1);
            QCOMPARE(std::raise(number), 0);
            QTRY_COMPARE(received.count(), 2);
            // Ignored from now on: the process goes on and nothing more is passed on.
            watch.ignore();
            QCOMPARE(std::raise(number), 0);
            QTest::qWait(100);
            QCOMPARE(received.count(), 2);
        }
        QCOMPARE(received.got, (QList<platform::StopSignal>{expected, expected}));
        QCOMPARE(platform::exitStatus(expected), status);
        // The handler before is back.
        QCOMPARE(g_earlierHandlerCalls, 0);
        QCOMPARE(std::raise(number), 0);
        QCOMPARE(g_earlierHandlerCalls, 1);
        std::signal(number, before);
    }

    // Without the send queue's depth a live connection counts as delivered; a closed
    // descriptor never does.
    void sendQueueOfAnIdleConnection()
    {
        SimPrinter printer(PrinterConfig::defaults());
        printer.setTcpPort(0);
        printer.setUdpPort(0);
        QVERIFY(printer.start());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, printer.tcpPort());
        QVERIFY(socket.waitForConnected(2000));
        qint64 queued = -1;
        QCOMPARE(platform::tcpsendqueue::probe(socket.socketDescriptor(), &queued),
                 platform::tcpsendqueue::State::Acknowledged);
        QCOMPARE(queued, qint64(0));
        QVERIFY(platform::tcpsendqueue::bothOpen(socket.socketDescriptor()));
        QCOMPARE(platform::tcpsendqueue::probe(-1), platform::tcpsendqueue::State::Broken);
        socket.abort();
        printer.stop();
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
