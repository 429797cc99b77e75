// WiFi provisioning: the window over a fake scan, and the credentials it hands to the
// simulated printer over TCP through the session.
#include "filesendhelpers.h"
#include "protocol/frame.h"
#include "provisioning/distributenet.h"
#include "provisioning/wifiprovisioning.h"
#include "provisioning/wifiscan.h"
#include "sessionfixture.h"

#include <QtTest>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

QList<DistributeNet *> visibleProvisioningWindows()
{
    QList<DistributeNet *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<DistributeNet *>(w); d && d->isVisible())
            out << d;
    return out;
}

template <typename T> T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QString::fromLatin1(name));
}

void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Everything the debug log receives while it lives.
struct LogCapture
{
    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }
    LogCapture()
    {
        lines().clear();
        previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { lines() << text; });
    }
    ~LogCapture() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
};

// The provisioning side of a session open to the simulated printer.
struct ProvisioningFixture : SessionFixture
{
    std::unique_ptr<WifiProvisioning> provisioning;
    std::unique_ptr<QSignalSpy> sent;
    bool start()
    {
        if (!SessionFixture::start())
            return false;
        provisioning = std::make_unique<WifiProvisioning>(*session, *host);
        sent = std::make_unique<QSignalSpy>(provisioning.get(), &WifiProvisioning::credentialsSent);
        return true;
    }
};

// Office is connected and listed twice; merged and ordered it leads the list.
const char kNetworks[] = "*:80:Office\n:90:Cafe\n:40:Office\n:30:Guest\n:20:办公室\n";

} // namespace

class TestProvisioningNet : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void secondPressKeepsOneWindowWithTheScan();
    void closingWaitsForTheScan();
    void provisioning_data();
    void provisioning();
    void refused_data();
    void refused();
    void unavailableWhileBusy_data();
    void unavailableWhileBusy();

    void choosingANetwork();
    void manualNameSurvivesARunningScan();

private:
    void setScan(const QString &powerBody, const QString &listBody);
    DistributeNet *openDialog(ProvisioningFixture &f);
    QString m_marker(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProvisioningNet::setScan(const QString &powerBody, const QString &listBody)
{
    WifiScanCommands commands;
    commands.source = WifiScanSource::NetworkManager;
    const QStringList bodies{powerBody, listBody};
    for (int i = 0; i < 2; ++i) {
        const QString path = m_dir->filePath(i == 0 ? "power" : "list");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\n" + bodies.at(i).toUtf8() + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        (i == 0 ? commands.powerProgram : commands.listProgram) = path;
    }
    setWifiScanCommands(commands);
}

void TestProvisioningNet::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QFile data(m_dir->filePath("networks"));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(kNetworks);
    data.close();
    // Never the real system commands.
    setScan("echo enabled", "cat '" + data.fileName() + "'");
}

void TestProvisioningNet::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetWifiScanCommands();
    m_dir.reset();
}

// Opens the printer and the window and waits for the first scan to be shown.
DistributeNet *TestProvisioningNet::openDialog(ProvisioningFixture &f)
{
    if (!f.start())
        return nullptr;
    f.provisioning->open();
    DistributeNet *dialog = f.provisioning->window();
    if (!dialog || !dialog->isVisible())
        return nullptr;
    auto *list = child<QListWidget>(dialog, "listWifi");
    auto *refresh = child<QPushButton>(dialog, "btnRefresh");
    if (!QTest::qWaitFor([&] { return list->count() > 0 && refresh->isEnabled(); }, 10000))
        return nullptr;
    return dialog;
}

void TestProvisioningNet::secondPressKeepsOneWindowWithTheScan()
{
    ProvisioningFixture f;
    DistributeNet *dialog = openDialog(f);
    QVERIFY(dialog);
    f.provisioning->open();
    QCOMPARE(f.provisioning->window(), dialog);
    QCOMPARE(visibleProvisioningWindows(), QList<DistributeNet *>{dialog});
    QVERIFY(f.recorder->messages.isEmpty());
    QCOMPARE(dialog->windowTitle(), QString::fromUtf8("WIFI配网"));
    auto *list = child<QListWidget>(dialog, "listWifi");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(0)->text(), QString::fromUtf8("Office   (当前连接)"));
    QCOMPARE(list->item(0)->background().color(), QColor(255, 234, 5));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Cafe"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("Guest"));
    QCOMPARE(list->item(3)->text(), QString::fromUtf8("办公室"));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(child<QLineEdit>(dialog, "lineSsidManual")->text(), QStringLiteral("Office"));
}

void TestProvisioningNet::closingWaitsForTheScan()
{
    const QString started = m_marker("started");
    const QString finished = m_marker("finished");
    setScan("echo enabled",
            "touch '" + started + "'\nsleep 1\ntouch '" + finished + "'\necho ':90:Cafe'");
    ProvisioningFixture f;
    QVERIFY(f.start());
    f.provisioning->open();
    QPointer<DistributeNet> dialog = f.provisioning->window();
    QVERIFY(dialog);
    QTRY_VERIFY(QFile::exists(started));
    QVERIFY(dialog->close());
    QVERIFY(QFile::exists(finished));
    QVERIFY(!f.provisioning->window());
    QVERIFY(f.host->parent.isVisible()); // the main window comes back
    QVERIFY(visibleProvisioningWindows().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
}

void TestProvisioningNet::provisioning_data()
{
    QTest::addColumn<int>("knownMode"); // -1 not read yet, 0 station, 1 access point
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("frames");
    const QString mode = QStringLiteral("1BFFFE 01 30 01 01 1BFEFF");
    QTest::newRow("station already: credentials only")
        << 0 << false << "Cafe"
        << "pass word" << QStringList{"1BFFFE 01 26 0F 43616665 00 7061737320776F7264 00 1BFEFF"};
    QTest::newRow("access point: mode first")
        << 1 << false << "Cafe"
        << "12345678"
        << QStringList{mode, "1BFFFE 01 26 0E 43616665 00 3132333435363738 00 1BFEFF"};
    QTest::newRow("mode never read: mode first")
        << -1 << false << "Cafe"
        << "pw" << QStringList{mode, "1BFFFE 01 26 08 43616665 00 7077 00 1BFEFF"};
    QTest::newRow("manual name and password exact, spaces at both ends")
        << 0 << true << QStringLiteral(" My Net ") << QStringLiteral(" pw ")
        << QStringList{"1BFFFE 01 26 0E 204D79204E657420 00 20707720 00 1BFEFF"};
    const QString office = QString::fromUtf8("办公室");
    QTest::newRow("Chinese name from the list")
        << 0 << false << office << QStringLiteral("pw")
        << QStringList{QStringLiteral("1BFFFE 01 26 %1 %2 00 7077 00 1BFEFF")
                           .arg(office.toLocal8Bit().size() + 4, 2, 16, QLatin1Char('0'))
                           .arg(QString::fromLatin1(office.toLocal8Bit().toHex()))};
}

void TestProvisioningNet::provisioning()
{
    QFETCH(int, knownMode);
    QFETCH(bool, manual);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QStringList, frames);
    ProvisioningFixture f;
    DistributeNet *dialog = openDialog(f);
    QVERIFY(dialog);
    f.session->setWifiMode(knownMode);
    if (manual) {
        child<QCheckBox>(dialog, "checkManualMode")->setChecked(true);
        QTest::keyClicks(child<QLineEdit>(dialog, "lineSsidManual"), name);
    } else {
        auto *list = child<QListWidget>(dialog, "listWifi");
        clickRow(list, list->row(list->findItems(name, Qt::MatchExactly).value(0)));
    }
    child<QLineEdit>(dialog, "linePassword")->setText(password);
    const qint64 before = f.printer->bytesReceived();

    {
        LogCapture log;
        QTest::mouseClick(child<QPushButton>(dialog, "btnSetNet"), Qt::LeftButton);
        // Neither the password nor its bytes in hex, however spaced.
        const QString all = log.lines().join(QLatin1Char('\n')).remove(QLatin1Char(' '));
        for (QString secret : {password, QString::fromLatin1(password.toLatin1().toHex())})
            QVERIFY2(!all.contains(secret.remove(QLatin1Char(' ')), Qt::CaseInsensitive),
                     qPrintable(all));
    }

    QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("处理成功")});
    QTRY_COMPARE(f.printer->receivedFrames().size(), frames.size());
    qint64 expectedBytes = 0;
    for (int i = 0; i < frames.size(); ++i) {
        const QByteArray expected = QByteArray::fromHex(frames.at(i).toLatin1());
        const ReceivedFrame got = f.printer->receivedFrames().at(i);
        QCOMPARE(frame::build(got.frameClass, got.item, got.data), expected);
        expectedBytes += expected.size();
    }
    QCOMPARE(f.printer->bytesReceived() - before, expectedBytes);

    QCOMPARE(f.sent->size(), 1);
    const auto cred = f.sent->at(0).at(0).value<WifiCred>();
    QCOMPARE(cred.ssid, name);
    QCOMPARE(cred.password, password);
    QCOMPARE(f.session->wifiMode(), 0);
    QVERIFY(!f.provisioning->window());
    QVERIFY(f.host->parent.isVisible());
    QTRY_COMPARE(f.printer->openConnections(), 0);
}

void TestProvisioningNet::refused_data()
{
    QTest::addColumn<int>("knownMode");
    QTest::addColumn<int>("state");    // 0 not listening, 1 printer closed meanwhile, 2 fine
    QTest::addColumn<int>("manual");   // -1 a network from the list, else the box's state
    QTest::addColumn<QString>("name"); // typed
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("windowStays");
    const QString networkError = QString::fromUtf8("网络通讯出错，请重试");
    // A refused mode change keeps the window for another try; refused credentials
    // close it all the same.
    QTest::newRow("mode change fails") << 1 << 0 << -1 << "" << networkError << true;
    QTest::newRow("credentials fail") << 0 << 0 << -1 << "" << networkError << false;
    QTest::newRow("printer closed meanwhile")
        << 0 << 1 << -1 << "" << QString::fromUtf8("请先打开设备") << true;
    QTest::newRow("manual name, spaces only")
        << 0 << 2 << 1 << "   " << QString::fromUtf8("请输入WiFi名称") << true;
    QTest::newRow("nothing chosen from the list")
        << 0 << 2 << 0 << "" << QString::fromUtf8("请选择一个WiFi") << true;
}

void TestProvisioningNet::refused()
{
    QFETCH(int, knownMode);
    QFETCH(int, state);
    QFETCH(int, manual);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, windowStays);
    ProvisioningFixture f;
    DistributeNet *dialog = openDialog(f);
    QVERIFY(dialog);
    f.session->setWifiMode(knownMode);
    f.host->open = state != 1;
    if (state == 0)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    if (manual >= 0) {
        child<QCheckBox>(dialog, "checkManualMode")->setChecked(manual);
        child<QLineEdit>(dialog, "lineSsidManual")->setText(name);
    }
    child<QLineEdit>(dialog, "linePassword")->setText(QStringLiteral("kept"));
    QTest::mouseClick(child<QPushButton>(dialog, "btnSetNet"), Qt::LeftButton);
    QCOMPARE(f.recorder->texts(), QStringList{text});
    if (state == 2)
        QCOMPARE(f.recorder->messages.at(0).title, QString::fromUtf8("WIFI配网"));
    if (windowStays)
        QCOMPARE(child<QLineEdit>(dialog, "linePassword")->text(), QStringLiteral("kept"));
    QCOMPARE(f.provisioning->window() == dialog, windowStays);
    QCOMPARE(dialog->isVisible(), windowStays);
    QCOMPARE(f.host->parent.isVisible(), !windowStays);
    QCOMPARE(f.sent->size(), 0);
    QCOMPARE(f.session->wifiMode(), knownMode);
    QTest::qWait(50);
    QVERIFY(f.printer->receivedFrames().isEmpty());
}

void TestProvisioningNet::unavailableWhileBusy_data()
{
    QTest::addColumn<bool>("stream"); // a console file is sent, else an exchange holds
    QTest::newRow("file sent") << true;
    QTest::newRow("printer held") << false;
}

void TestProvisioningNet::unavailableWhileBusy()
{
    QFETCH(bool, stream);
    const QByteArray content = rawPayload(16 * 850, 4);
    QVERIFY(writePlainFile(m_marker("file.bin"), content));
    ProvisioningFixture f;
    DistributeNet *dialog = openDialog(f);
    QVERIFY(dialog);
    FilePages pages(*f.session, *f.host);
    bool enabledWhileBusy = true;
    const auto tryIt = [&] {
        enabledWhileBusy = enabledWhileBusy && dialog->isEnabled();
        QTest::mouseClick(child<QPushButton>(dialog, "btnSetNet"), Qt::LeftButton);
    };
    if (stream) {
        connect(&pages.stream, &FileStream::progress, dialog, tryIt);
        f.recorder->fileToOpen = m_marker("file.bin");
        pages.click("pushButton_SendFile");
        QTRY_VERIFY_WITH_TIMEOUT(!f.session->busy() && !f.recorder->messages.isEmpty(), 20000);
        QCOMPARE(f.recorder->texts(), QStringList{QString::fromUtf8("下载成功")});
        QTRY_COMPARE(f.printer->rawByteCount(), qint64(content.size()));
    } else {
        const PrinterSession::Hold hold(*f.session);
        QVERIFY(hold.held());
        tryIt();
        QVERIFY(f.recorder->messages.isEmpty());
    }
    QVERIFY(!enabledWhileBusy);
    QTest::qWait(50);
    QVERIFY(f.printer->receivedFrames().isEmpty());
    QCOMPARE(f.provisioning->window(), dialog);
    QVERIFY(dialog->isEnabled());
}

void TestProvisioningNet::choosingANetwork()
{
    ProvisioningFixture f;
    DistributeNet *dialog = openDialog(f);
    QVERIFY(dialog);
    auto *list = child<QListWidget>(dialog, "listWifi");
    auto *name = child<QLineEdit>(dialog, "lineSsidManual");
    auto *password = child<QLineEdit>(dialog, "linePassword");
    clickRow(list, 1);
    QCOMPARE(name->text(), QStringLiteral("Cafe"));
    password->setText(QStringLiteral("secret"));
    clickRow(list, 0);
    QCOMPARE(name->text(), QStringLiteral("Office"));
    QCOMPARE(password->text(), QString());

    // A row puts its bare name; another row empties the password. Show password
    // switches the echo both ways.
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QTest::mouseClick(child<QCheckBox>(dialog, "checkShowPassword"), Qt::LeftButton);
    QCOMPARE(password->echoMode(), QLineEdit::Normal);
    QTest::mouseClick(child<QCheckBox>(dialog, "checkShowPassword"), Qt::LeftButton);
    QCOMPARE(password->echoMode(), QLineEdit::Password);

    // Manual mode on and off.
    auto *manual = child<QCheckBox>(dialog, "checkManualMode");
    clickRow(list, 1);
    password->setText(QStringLiteral("secret"));
    QVERIFY(!name->isEnabled());

    manual->setChecked(true);
    QCOMPARE(name->text(), QString());
    QCOMPARE(password->text(), QString());
    QVERIFY(name->isEnabled());
    QVERIFY(child<QLabel>(dialog, "labelManualSsid")->isEnabled());
    QVERIFY(!list->isEnabled());
    QVERIFY(!child<QPushButton>(dialog, "btnRefresh")->isEnabled());
    // Clicks on the list do nothing now; typing a name empties the password.
    QTest::keyClicks(name, QStringLiteral("Typed"));
    password->setText(QStringLiteral("x"));
    QTest::keyClicks(name, QStringLiteral("2"));
    QCOMPARE(password->text(), QString());

    password->setText(QStringLiteral("y"));
    manual->setChecked(false);
    QCOMPARE(name->text(), QStringLiteral("Cafe"));
    QCOMPARE(password->text(), QString());
    QVERIFY(!name->isEnabled());
    QVERIFY(list->isEnabled());
    QVERIFY(child<QPushButton>(dialog, "btnRefresh")->isEnabled());
}

void TestProvisioningNet::manualNameSurvivesARunningScan()
{
    const QString networks = m_dir->filePath("networks");
    setScan("echo enabled", "sleep 1\ncat '" + networks + "'");
    ProvisioningFixture f;
    QVERIFY(f.start());
    f.provisioning->open();
    DistributeNet *dialog = f.provisioning->window();
    QVERIFY(dialog);
    auto *refresh = child<QPushButton>(dialog, "btnRefresh");
    auto *list = child<QListWidget>(dialog, "listWifi");
    QTRY_COMPARE(refresh->text(), QString::fromUtf8("扫描中..."));
    child<QCheckBox>(dialog, "checkManualMode")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>(dialog, "lineSsidManual"), QStringLiteral("Typed"));
    QTRY_COMPARE(list->count(), 4);
    QCOMPARE(child<QLineEdit>(dialog, "lineSsidManual")->text(), QStringLiteral("Typed"));
    QCOMPARE(refresh->text(), QString::fromUtf8("刷新列表"));
    QVERIFY(!refresh->isEnabled());
    QVERIFY(!list->isEnabled());
}

QTEST_MAIN(TestProvisioningNet)
#include "tst_provisioning_net.moc"
