// WiFi provisioning: the window over a fake scan, and the credentials it hands to the
// simulated printer over TCP through the session.
#include "filesendhelpers.h"
#include "sessionfixture.h"
#include "protocol/frame.h"
#include "provisioning/distributenet.h"
#include "provisioning/wifiprovisioning.h"
#include "provisioning/wifiscan.h"

#include <QtTest>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

using FileFixture = FilePagesOn<SessionFixture>;

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

// The provisioning side of a session open to the simulated printer, and its window.
struct ProvisioningFixture : FileFixture
{
    std::unique_ptr<WifiProvisioning> provisioning;
    std::unique_ptr<QSignalSpy> sent;
    QPointer<DistributeNet> dialog;
    // Opens the printer and the window; `scanned` waits for the first scan to be shown.
    bool start(bool scanned = true)
    {
        if (!FileFixture::start())
            return false;
        provisioning = std::make_unique<WifiProvisioning>(*session, *host);
        sent = std::make_unique<QSignalSpy>(provisioning.get(), &WifiProvisioning::credentialsSent);
        provisioning->open();
        dialog = provisioning->window();
        return dialog && dialog->isVisible() &&
               (!scanned ||
                QTest::qWaitFor(
                    [this] { return list()->count() > 0 && button("btnRefresh")->isEnabled(); },
                    10000));
    }
    template <typename T> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QListWidget *list() const { return child<QListWidget>("listWifi"); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    void clickRow(int row) const
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list()->visualItemRect(list()->item(row)).center());
    }
};

QList<DistributeNet *> visibleProvisioningWindows()
{
    QList<DistributeNet *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<DistributeNet *>(w); d && d->isVisible())
            out << d;
    return out;
}

} // namespace

class TestProvisioningNet : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowAndList();
    void slowScan();
    void setNet_data();
    void setNet();
    void unavailableWhileBusy_data();
    void unavailableWhileBusy();

private:
    // Fake scan programs in place of the system commands.
    void setScan(const QString &listBody)
    {
        WifiScanCommands commands;
        commands.source = WifiScanSource::NetworkManager;
        commands.powerProgram = QStringLiteral("echo");
        commands.powerArguments = QStringList{QStringLiteral("enabled")};
        commands.listProgram = QStringLiteral("sh");
        commands.listArguments = QStringList{QStringLiteral("-c"), listBody};
        setWifiScanCommands(commands);
    }
    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProvisioningNet::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // Office is connected and listed twice; merged and ordered it leads the list.
    QVERIFY(writePlainFile(path("networks"),
                           "*:80:Office\n:90:Cafe\n:40:Office\n:30:Guest\n:20:办公室\n"));
    setScan("cat '" + path("networks") + "'");
}

void TestProvisioningNet::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetWifiScanCommands();
    m_dir.reset();
}

void TestProvisioningNet::windowAndList()
{
    ProvisioningFixture f;
    QVERIFY(f.start());
    // A second press keeps the one window.
    f.provisioning->open();
    QCOMPARE(visibleProvisioningWindows(), QList<DistributeNet *>{f.dialog.data()});
    QVERIFY(f.recorder->messages.isEmpty());
    QCOMPARE(f.dialog->windowTitle(), "WIFI配网");
    QStringList rows;
    for (int i = 0; i < f.list()->count(); ++i)
        rows << f.list()->item(i)->text() +
                    (f.list()->item(i)->background().color() == QColor(255, 234, 5) ? "*" : "");
    QCOMPARE(rows, (QStringList{"Office   (当前连接)*", "Cafe", "Guest", "办公室"}));
    QCOMPARE(f.list()->currentRow(), 0);
    QLineEdit *name = f.edit("lineSsidManual");
    QLineEdit *password = f.edit("linePassword");
    QCOMPARE(name->text(), "Office");

    // A row puts its bare name; another row empties the password.
    f.clickRow(1);
    QCOMPARE(name->text(), "Cafe");
    password->setText("secret");
    f.clickRow(0);
    QCOMPARE(name->text() + '|' + password->text(), "Office|");
    // Show password switches the echo both ways.
    QTest::mouseClick(f.box("checkShowPassword"), Qt::LeftButton);
    QCOMPARE(password->echoMode(), QLineEdit::Normal);
    QTest::mouseClick(f.box("checkShowPassword"), Qt::LeftButton);
    QCOMPARE(password->echoMode(), QLineEdit::Password);

    // Manual mode on: name and password emptied, the list off; typing empties the password.
    const auto enabled = [&] {
        return QString::number(name->isEnabled()) +
               QString::number(f.child<QLabel>("labelManualSsid")->isEnabled()) +
               QString::number(f.list()->isEnabled()) +
               QString::number(f.button("btnRefresh")->isEnabled());
    };
    f.clickRow(1);
    password->setText("secret");
    QCOMPARE(enabled(), "0011");
    f.box("checkManualMode")->setChecked(true);
    QCOMPARE(name->text() + '|' + password->text(), "|");
    QCOMPARE(enabled(), "1100");
    QTest::keyClicks(name, "Typed");
    password->setText("x");
    QTest::keyClicks(name, "2");
    QCOMPARE(password->text(), "");
    // Off again: the list's row back, the password emptied.
    password->setText("y");
    f.box("checkManualMode")->setChecked(false);
    QCOMPARE(name->text() + '|' + password->text(), "Cafe|");
    QCOMPARE(enabled(), "0011");
}

void TestProvisioningNet::slowScan()
{
    // A name typed while a scan runs stays; closing the window waits for the scan.
    setScan("touch '" + path("started") + "'; sleep 1; touch '" + path("finished") + "'; cat '" +
            path("networks") + "'");
    ProvisioningFixture f;
    QVERIFY(f.start(false));
    QTRY_COMPARE(f.button("btnRefresh")->text(), "扫描中...");
    f.box("checkManualMode")->setChecked(true);
    QTest::keyClicks(f.edit("lineSsidManual"), "Typed");
    QTRY_COMPARE(f.list()->count(), 4);
    QCOMPARE(f.edit("lineSsidManual")->text(), "Typed");
    QCOMPARE(f.button("btnRefresh")->text(), "刷新列表");
    QVERIFY(!f.button("btnRefresh")->isEnabled());
    QVERIFY(!f.list()->isEnabled());

    f.box("checkManualMode")->setChecked(false);
    QVERIFY(QFile::remove(path("started")) && QFile::remove(path("finished")));
    QTest::mouseClick(f.button("btnRefresh"), Qt::LeftButton);
    QTRY_VERIFY(QFile::exists(path("started")));
    QVERIFY(f.dialog->close());
    QVERIFY(QFile::exists(path("finished")));
    QVERIFY(!f.provisioning->window());
    QVERIFY(f.host->parent.isVisible()); // the main window comes back
    QVERIFY(visibleProvisioningWindows().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.dialog);
}

void TestProvisioningNet::setNet_data()
{
    QTest::addColumn<int>("knownMode"); // -1 not read yet, 0 station, 1 access point
    QTest::addColumn<int>("state");     // 0 fine, 1 not listening, 2 printer closed meanwhile
    QTest::addColumn<int>("manual");    // -1 the named network clicked, else the box's state
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QString>("text");
    const QString mode = "1BFFFE 01 30 01 01 1BFEFF";
    const QString done = "处理成功";
    QTest::newRow("station already: credentials only")
        << 0 << 0 << -1 << "Cafe"
        << "pass word" << QStringList{"1BFFFE 01 26 0F 43616665 00 7061737320776F7264 00 1BFEFF"}
        << done;
    QTest::newRow("access point: mode first")
        << 1 << 0 << -1 << "Cafe"
        << "12345678" << QStringList{mode, "1BFFFE 01 26 0E 43616665 00 3132333435363738 00 1BFEFF"}
        << done;
    QTest::newRow("mode never read: mode first")
        << -1 << 0 << -1 << "Cafe"
        << "pw" << QStringList{mode, "1BFFFE 01 26 08 43616665 00 7077 00 1BFEFF"} << done;
    QTest::newRow("manual name and password exact, spaces at both ends")
        << 0 << 0 << 1 << " My Net "
        << " pw " << QStringList{"1BFFFE 01 26 0E 204D79204E657420 00 20707720 00 1BFEFF"} << done;
    const QByteArray office = QString("办公室").toLocal8Bit();
    QTest::newRow("Chinese name from the list")
        << 0 << 0 << -1 << "办公室"
        << "pw"
        << QStringList{QStringLiteral("1BFFFE 01 26 %1 %2 00 7077 00 1BFEFF")
                           .arg(office.size() + 4, 2, 16, QLatin1Char('0'))
                           .arg(QString::fromLatin1(office.toHex()))}
        << done;
    // Refused: nothing on the wire. A refused mode change keeps the window for another
    // try; refused credentials close it all the same.
    const QString networkError = "网络通讯出错，请重试";
    QTest::newRow("mode change fails") << 1 << 1 << -1 << "Cafe"
                                       << "kept" << QStringList() << networkError;
    QTest::newRow("credentials fail") << 0 << 1 << -1 << "Cafe"
                                      << "kept" << QStringList() << networkError;
    QTest::newRow("printer closed meanwhile") << 0 << 2 << -1 << "Cafe"
                                              << "kept" << QStringList() << "请先打开设备";
    QTest::newRow("manual name, spaces only") << 0 << 0 << 1 << "   "
                                              << "kept" << QStringList() << "请输入WiFi名称";
    QTest::newRow("nothing chosen from the list") << 0 << 0 << 0 << ""
                                                  << "kept" << QStringList() << "请选择一个WiFi";
}

void TestProvisioningNet::setNet()
{
    QFETCH(int, knownMode);
    QFETCH(int, state);
    QFETCH(int, manual);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QStringList, frames);
    QFETCH(QString, text);
    ProvisioningFixture f;
    QVERIFY(f.start());
    DistributeNet *const dialog = f.dialog;
    f.session->setWifiMode(knownMode);
    f.host->open = state != 2;
    if (state == 1)
        f.printer->setRefuseMode(RefuseMode::NotListening);
    if (manual < 0) {
        f.clickRow(f.list()->row(f.list()->findItems(name, Qt::MatchExactly).value(0)));
    } else {
        f.box("checkManualMode")->setChecked(manual);
        f.edit("lineSsidManual")->clear(); // typing reaches it in manual mode only
        QTest::keyClicks(f.edit("lineSsidManual"), name);
    }
    f.edit("linePassword")->setText(password);
    const qint64 before = f.printer->bytesReceived();
    {
        LogCapture log;
        QTest::mouseClick(f.button("btnSetNet"), Qt::LeftButton);
        // Neither the password nor its bytes in hex, however spaced.
        const QString all = log.lines().join('\n').remove(' ');
        for (QString secret : {password, QString::fromLatin1(password.toLatin1().toHex())})
            QVERIFY2(!all.contains(secret.remove(' '), Qt::CaseInsensitive), qPrintable(all));
    }
    QCOMPARE(f.recorder->texts(), QStringList{text});
    if (manual >= 0 && frames.isEmpty())
        QCOMPARE(f.recorder->messages.at(0).title, "WIFI配网");
    // Refused credentials close the window all the same; other refusals keep it with
    // what was typed for another try.
    const bool windowStays = frames.isEmpty() && !(state == 1 && knownMode == 0);
    QCOMPARE(f.provisioning->window() == dialog, windowStays);
    QCOMPARE(!f.dialog.isNull() && f.dialog->isVisible(), windowStays);
    QCOMPARE(f.host->parent.isVisible(), !windowStays);
    QVERIFY(!windowStays || f.edit("linePassword")->text() == password);
    QCOMPARE(f.sent->size(), frames.isEmpty() ? 0 : 1);
    if (!frames.isEmpty()) {
        const auto cred = f.sent->at(0).at(0).value<WifiCred>();
        QCOMPARE(cred.ssid + '|' + cred.password, name + '|' + password);
    }
    QCOMPARE(f.session->wifiMode(), frames.isEmpty() ? knownMode : 0);
    QTest::qWait(50);
    QTRY_COMPARE(f.printer->receivedFrames().size(), frames.size());
    qint64 expectedBytes = 0;
    for (int i = 0; i < frames.size(); ++i) {
        const QByteArray expected = QByteArray::fromHex(frames.at(i).toLatin1());
        const ReceivedFrame got = f.printer->receivedFrames().at(i);
        QCOMPARE(frame::build(got.frameClass, got.item, got.data), expected);
        expectedBytes += expected.size();
    }
    QCOMPARE(f.printer->bytesReceived() - before, expectedBytes);
    QTRY_COMPARE(f.printer->openConnections(), 0);
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
    QVERIFY(writePlainFile(path("file.bin"), content));
    ProvisioningFixture f;
    QVERIFY(f.start());
    bool enabledWhileBusy = true;
    const auto tryIt = [&] {
        enabledWhileBusy = enabledWhileBusy && f.dialog->isEnabled();
        QTest::mouseClick(f.button("btnSetNet"), Qt::LeftButton);
    };
    if (stream) {
        connect(&f.pages->stream, &FileStream::progress, f.dialog.data(), tryIt);
        f.recorder->fileToOpen = path("file.bin");
        f.pages->click("pushButton_SendFile");
        QTRY_VERIFY_WITH_TIMEOUT(!f.session->busy() && !f.recorder->messages.isEmpty(), 20000);
        QCOMPARE(f.recorder->texts(), QStringList{"下载成功"});
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
    QCOMPARE(f.provisioning->window(), f.dialog.data());
    QVERIFY(f.dialog->isEnabled());
}

QTEST_MAIN(TestProvisioningNet)
#include "tst_provisioning_net.moc"
