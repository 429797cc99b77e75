// labelsetup-cli against hostile input files and with secrets in its output: pipes and
// devices given as files, oversized profiles and target lists, control characters in
// names read from files, passwords and PINs in diff and apply, a saved file with secrets.
#include "common/encryptedfile.h"
#include "core/protocol/commandcodes.h"
#include "sim/simprinter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

class TestCliInputs : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimPrinter> printer;
    QTemporaryDir dir;

    struct Run
    {
        int code = -1; // -1: still running after `waitMs`
        QByteArray out, err;
    };
    // '|' separates arguments; %P: --net for the printer, %D the folder.
    Run run(QString arguments, int waitMs = 30000)
    {
        arguments.replace("%P", "--net|127.0.0.1:" + QString::number(printer->tcpPort()))
            .replace("%D", dir.path());
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), arguments.split('|', Qt::SkipEmptyParts));
        process.closeWriteChannel();
        Run r;
        if (process.waitForFinished(waitMs))
            r = Run{process.exitCode(), process.readAllStandardOutput(),
                    process.readAllStandardError()};
        else
            process.kill();
        return r;
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return QString();
        return f.fileName();
    }

    // The printer's settings as a profile with its secrets, then the password and the PIN
    // given new values.
    QString secretProfile()
    {
        const QString saved = dir.filePath("secrets-saved.json");
        if (run("save|" + saved + "|--with-secrets|--pages|wifi,bluetooth|%P").code != 0)
            return QString();
        QFile f(saved);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        QJsonObject profile = QJsonDocument::fromJson(f.readAll()).object();
        QJsonObject settings = profile.value("settings").toObject();
        QJsonObject wifi = settings.value("wifi").toObject();
        QJsonObject bluetooth = settings.value("bluetooth").toObject();
        if (!wifi.contains("stationPassword") || !bluetooth.contains("pin"))
            return QString();
        wifi.insert("stationPassword", "Nw-Secret-77");
        bluetooth.insert("pin", "4711");
        settings.insert("wifi", wifi);
        settings.insert("bluetooth", bluetooth);
        profile.insert("settings", settings);
        return writeFile("secrets.json", QJsonDocument(profile).toJson());
    }

private slots:
    void initTestCase()
    {
        printer = std::make_unique<SimPrinter>(PrinterConfig::defaults());
        printer->setTcpPort(0);
        printer->setUdpEnabled(false);
        QVERIFY(printer->start());
        // In station mode, so that the station's password is read.
        printer->setValue(INFO_WIFI_MODE, QByteArray(1, '\1'));
        printer->setValue(INFO_WIFI_STATION, QByteArray("shopnet\0OldPass-123\0", 20));
        printer->setValue(INFO_BT_PIN, QByteArray("8080\0", 5));
        QVERIFY(writeEncryptedFile(dir.filePath("fw.hex"), rawPayload(4096, 3)));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero")));
        QVERIFY(QFile::link(dir.filePath("fw.hex"), dir.filePath("link.hex")));
        // Sparse: the size is what counts, nothing of it is read.
        QFile big(dir.filePath("big.json"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize((1 << 20) + 1));
        QFile bigTargets(dir.filePath("big-targets"));
        QVERIFY(bigTargets.open(QIODevice::WriteOnly) && bigTargets.resize((16 << 20) + 1));
    }

    // Inputs that are not regular files, or too large, are refused at once with exit code 5
    // and a sentence; nothing reaches the printer and no plain copy is made.
    void badInputs_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("sentence");
        const auto row = [](const char *name, const char *arguments, const char *sentence) {
            QTest::newRow(name) << arguments << sentence;
        };
        row("firmware from a pipe", "download|firmware|%D/fifo|%P", "a pipe, not a regular file");
        row("firmware from /dev/zero", "download|firmware|%D/zero|%P", "a device, not a regular");
        row("font from a pipe", "download|font|%D/fifo|%P", "a pipe");
        // Before any printer is asked: not "cannot connect" (2).
        row("firmware from a pipe, no printer", "download|firmware|%D/fifo|--net|127.0.0.1:1",
            "a pipe");
        row("firmware is a folder", "download|firmware|%D|%P", "a folder");
        row("rollout from a pipe", "download|firmware|%D/fifo|%P|%P", "a pipe, not a regular");
        row("profile from a pipe", "apply|%D/fifo|%P", "a pipe");
        row("profile from /dev/zero", "diff|%D/zero|%P", "a device");
        row("profile too large", "apply|%D/big.json|%P", "larger than 1 MiB");
        row("targets from a pipe", "status|--targets|%D/fifo", "a pipe");
        row("targets from /dev/zero", "status|--targets|%D/zero", "a device");
        row("targets too large", "apply|--dry-run|%D/big.json|--targets|%D/big-targets",
            "larger than 16 MiB");
    }
    void badInputs()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, sentence);
        printer->clearRecords();
        // Today's refusals come at once; a read that blocks or never ends is cut off here.
        const Run r = run(arguments, 10000);
        QVERIFY2(r.code != -1, "still running");
        QCOMPARE(r.code, 5);
        QVERIFY2(r.err.contains(sentence.toUtf8()), r.err.constData());
        QCOMPARE(printer->rawByteCount(), 0);
        QCOMPARE(QDir(dir.path()).entryList({"*_decrypted*"}), QStringList());
    }

    // A symbolic link to a regular file is a regular file.
    void linkToRegularFile()
    {
        printer->clearRecords();
        const Run r = run("download|firmware|%D/link.hex|%P");
        QVERIFY2(r.code == 0, r.err.constData());
        QTRY_COMPARE(printer->rawByteCount(), 4096);
        QCOMPARE(QDir(dir.path()).entryList({"*_decrypted*"}), QStringList());
    }

    // Control characters from a file reach the terminal escaped. In the rows ^[ is ESC,
    // ^G BEL and ^M CR.
    void controlCharacters_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("arguments"); // %F: the file
        QTest::addColumn<QString>("shown");
        const QByteArray head =
            "{\"format\": \"labelsetup-profile\", \"version\": 1, \"dotsPerMm\": 12, ";
        QTest::newRow("a target line")
            << QByteArray("127.0.0.1:1\n^[]0;owned^G:x:^[[2J\n") << "status|--targets|%F"
            << "\\x1b]0;owned\\x07:x:\\x1b[2J";
        QTest::newRow("a profile's setting name")
            << head + "\"settings\": {\"print\": {\"sp^[[31med\": 1}}}"
            << "diff|%F|%P"
            << "sp\\x1b[31med";
        QTest::newRow("a profile's value, as text")
            << head + "\"settings\": {\"bluetooth\": {\"name\": \"shop\\u001b[8m\\r1\"}}}"
            << "diff|%F|%P"
            << "shop\\x1b[8m\\x0d1";
    }
    void controlCharacters()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, arguments);
        QFETCH(QString, shown);
        const QString file =
            writeFile("control", QByteArray(content).replace("^[", "\x1b").replace("^G", "\x07"));
        const Run r = run(arguments.replace("%F", file));
        const QByteArray all = r.out + r.err;
        QVERIFY2(!all.contains('\x1b') && !all.contains('\x07') && !all.contains('\r'),
                 all.toPercentEncoding(" :\n").constData());
        QVERIFY2(all.contains(shown.toUtf8()), all.constData());
    }

    // A password or a PIN shows as changed, never its value, unless --show-secrets.
    void secrets_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("changed"); // what says it differs, when not shown
        for (const bool show : {false, true}) {
            const QString flag = show ? "|--show-secrets" : "";
            const auto row = [&](const char *name, const QString &arguments, const char *changed) {
                QTest::addRow("%s%s", name, show ? ", shown" : "")
                    << arguments + flag << show << changed;
            };
            row("diff", "diff|%F|%P", "******** (changed)");
            row("diff, JSON", "diff|%F|%P|--json", R"("change": "changed")");
            row("dry run", "apply|--dry-run|%F|%P", "******** (changed)");
            row("dry run, JSON", "apply|--dry-run|%F|%P|--json", R"("change": "changed")");
            row("dry run, JSON lines", "apply|--dry-run|%F|%P|--jsonl", R"("change":"changed")");
            row("apply", "apply|%F|%P", "******** (changed)");
            row("apply, JSON", "apply|%F|%P|--json", R"("secret": true)");
        }
    }
    void secrets()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, shown);
        QFETCH(QString, changed);
        const QByteArray station = printer->value(INFO_WIFI_STATION);
        const QByteArray pin = printer->value(INFO_BT_PIN);
        const QString profile = secretProfile();
        QVERIFY(!profile.isEmpty());
        const QByteArray oldPassword = station.split('\0').value(1);
        QVERIFY(oldPassword.size() >= 8);
        const Run r = run(arguments.replace("%F", profile));
        printer->setValue(INFO_WIFI_STATION, station);
        printer->setValue(INFO_BT_PIN, pin);
        QVERIFY2(r.code == 0, r.err.constData());
        const QByteArray all = r.out + r.err;
        for (const QByteArray &secret : {QByteArray("Nw-Secret-77"), QByteArray("4711"),
                                         oldPassword, pin.left(pin.indexOf('\0'))})
            QVERIFY2(all.contains(secret) == shown, (secret + ": " + all).constData());
        if (!shown)
            QVERIFY2(all.contains(changed.toUtf8()), all.constData());
    }

    // Saved with its secrets, the file is its owner's alone whatever the umask.
    void savedSecretsPrivate_data()
    {
        QTest::addColumn<bool>("withSecrets");
        QTest::addColumn<bool>("existing"); // a readable file of that name was there before
        QTest::addColumn<int>("mode");
        QTest::newRow("with secrets") << true << false << 0600;
        QTest::newRow("with secrets, over a readable file") << true << true << 0600;
        QTest::newRow("without secrets") << false << false << 0644;
    }
    void savedSecretsPrivate()
    {
        QFETCH(bool, withSecrets);
        QFETCH(bool, existing);
        QFETCH(int, mode);
        const QString path =
            dir.filePath(QStringLiteral("saved-%1.json").arg(QTest::currentDataTag()));
        if (existing) {
            QVERIFY(!writeFile(QFileInfo(path).fileName(), "{}").isEmpty());
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        }
        const mode_t before = ::umask(022);
        const Run r = run("save|" + path + "|%P" + (withSecrets ? "|--with-secrets" : ""));
        ::umask(before);
        QVERIFY2(r.code == 0, r.err.constData());
        struct stat st = {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), mode);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().contains("stationPassword"), withSecrets);
        QCOMPARE(QDir(dir.path()).entryList({".saved-*"}, QDir::Hidden | QDir::Files),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCliInputs)
#include "tst_cli_inputs.moc"
