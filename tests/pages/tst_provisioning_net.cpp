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

QStringList logged; // what the debug log received while captured

// The provisioning side of a session open to the simulated printer, and its window.
struct ProvisioningFixture : FilePagesOn<SessionFixture>
{
    std::unique_ptr<WifiProvisioning> provisioning;
    std::unique_ptr<QSignalSpy> sent;
    QPointer<DistributeNet> dialog;
    // Opens the printer and the window; `scanned` waits for the first scan to be shown.
    bool start(bool scanned = true)
    {
        if (!FilePagesOn<SessionFixture>::start())
            return false;
        provisioning = std::make_unique<WifiProvisioning>(*session, *host);
        sent = std::make_unique<QSignalSpy>(provisioning.get(), &WifiProvisioning::credentialsSent);
        provisioning->open();
        dialog = provisioning->window();
        return dialog && dialog->isVisible() &&
               (!scanned ||
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
    void clickRow(int row) const
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list()->visualItemRect(list()->item(row)).center());
    }
};

} // namespace

class TestProvisioningNet : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowAndList();
    void setNet_data();
    void setNet();

private:
    // A fake scan program in place of the system commands.
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
    // A slow scan: a name typed while it runs stays; closing the window waits for it.
    setScan("touch '" + path("started") + "'; sleep 1; touch '" + path("finished") + "'; cat '" +
            path("networks") + "'");
    ProvisioningFixture f;
    QVERIFY(f.start(false));
    const auto state = [&] {
        return f.name()->text() + '|' + f.password()->text() + '|' +
               QString::number(f.name()->isEnabled()) +
               QString::number(f.child("labelManualSsid")->isEnabled()) +
               QString::number(f.list()->isEnabled()) + QString::number(f.refresh()->isEnabled());
    };
    QTRY_COMPARE(f.refresh()->text(), "扫描中...");
    f.manual()->setChecked(true);
    QTest::keyClicks(f.name(), "Typed");
    QTRY_COMPARE(f.list()->count(), 4);
    QCOMPARE(state() + f.refresh()->text(), "Typed||1100刷新列表");
    // Manual mode off: the list's row back.
    f.manual()->setChecked(false);
    QCOMPARE(state(), "Office||0011");
    f.provisioning->open(); // a second press keeps the one window
    QCOMPARE(f.provisioning->window(), f.dialog.data());
    QCOMPARE(f.dialog->windowTitle(), "WIFI配网");
    QStringList rows;
    for (int i = 0; i < f.list()->count(); ++i)
        rows << f.list()->item(i)->text() +
                    (f.list()->item(i)->background().color() == QColor(255, 234, 5) ? "*" : "");
    QCOMPARE(rows, (QStringList{"Office   (当前连接)*", "Cafe", "Guest", "办公室"}));
    // A row puts its bare name and empties the password; show password switches the echo.
    f.clickRow(1);
    f.password()->setText("secret");
    QCOMPARE(state(), "Cafe|secret|0011");
    f.clickRow(0);
    QCOMPARE(state(), "Office||0011");
    auto *show = f.child<QCheckBox>("checkShowPassword");
    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(f.password()->echoMode(), QLineEdit::Normal);
    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(f.password()->echoMode(), QLineEdit::Password);
    // Manual mode on: name and password emptied, the list off; typing empties the password.
    f.clickRow(1);
    f.password()->setText("secret");
    f.manual()->setChecked(true);
    QCOMPARE(state(), "||1100");
    QTest::keyClicks(f.name(), "Typed");
    f.password()->setText("x");
    QTest::keyClicks(f.name(), "2");
    QCOMPARE(state(), "Typed2||1100");
    f.password()->setText("y");
    f.manual()->setChecked(false);
    QCOMPARE(state(), "Cafe||0011");
    // A refresh puts the first row's name back.
    QTest::mouseClick(f.refresh(), Qt::LeftButton);
    QTRY_COMPARE(state(), "Office||0011");

    QVERIFY(QFile::remove(path("started")) && QFile::remove(path("finished")));
    QTest::mouseClick(f.refresh(), Qt::LeftButton);
    QTRY_VERIFY(QFile::exists(path("started")));
    QVERIFY(f.dialog->close());
    QVERIFY(QFile::exists(path("finished")));
    QVERIFY(!f.provisioning->window());
    QVERIFY(f.host->parent.isVisible()); // the main window comes back
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.dialog);
}

void TestProvisioningNet::setNet_data()
{
    // Mode known (-1 not read yet, 0 station, 1 access point) | 0 fine, 1 not listening,
    // 2 printer closed meanwhile, 3 held by an exchange, 4 a file sent | -1 the named
    // network clicked, else manual mode's state | name | password | frames | message
    QTest::addColumn<QString>("row");
    const auto row = [](const char *name, const QString &row) { QTest::newRow(name) << row; };
    const QString mode = "1BFFFE 01 30 01 01 1BFEFF;";
    row("station already: credentials only",
        "0|0|-1|Cafe|pass word|1BFFFE 01 26 0F 43616665 00 7061737320776F7264 00 1BFEFF|处理成功");
    row("access point: mode first", "1|0|-1|Cafe|12345678|" + mode +
                                        "1BFFFE 01 26 0E 43616665 00 3132333435363738 00 "
                                        "1BFEFF|处理成功");
    row("mode never read: mode first",
        "-1|0|-1|Cafe|pw|" + mode + "1BFFFE 01 26 08 43616665 00 7077 00 1BFEFF|处理成功");
    row("manual name and password exact, spaces at both ends",
        "0|0|1| My Net | pw |1BFFFE 01 26 0E 204D79204E657420 00 20707720 00 1BFEFF|处理成功");
    const QByteArray office = QString("办公室").toLocal8Bit();
    row("Chinese name from the list",
        QStringLiteral("0|0|-1|办公室|pw|1BFFFE 01 26 %1 %2 00 7077 00 1BFEFF|处理成功")
            .arg(office.size() + 4, 2, 16, QLatin1Char('0'))
            .arg(QString::fromLatin1(office.toHex())));
    // Refused: nothing on the wire. A refused mode change keeps the window for another
    // try; refused credentials close it all the same.
    row("mode change fails", "1|1|-1|Cafe|kept||网络通讯出错，请重试");
    row("credentials fail", "0|1|-1|Cafe|kept||网络通讯出错，请重试");
    row("printer closed meanwhile", "0|2|-1|Cafe|kept||请先打开设备");
    row("manual name, spaces only", "0|0|1|   |kept||请输入WiFi名称");
    row("nothing chosen from the list", "0|0|0||kept||请选择一个WiFi");
    // While the printer is busy the window is off, and a press that gets through anyway
    // sends nothing.
    row("printer held", "0|3|-1|Cafe|kept||");
    row("file sent", "0|4|-1|Cafe|kept||下载成功");
}

void TestProvisioningNet::setNet()
{
    QFETCH(QString, row);
    const QStringList c = row.split(QLatin1Char('|'));
    const int knownMode = c.at(0).toInt(), state = c.at(1).toInt(), manual = c.at(2).toInt();
    const QString name = c.at(3), password = c.at(4);
    const QStringList frames = c.at(5).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QByteArray content = rawPayload(16 * 850, 4);
    QVERIFY(writePlainFile(path("file.bin"), content));
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
        f.manual()->setChecked(manual);
        f.name()->clear(); // typing reaches it in manual mode only
        QTest::keyClicks(f.name(), name);
    }
    f.password()->setText(password);
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &line) { logged << line; });
    QList<bool> enabledWhileBusy;
    const auto press = [&] {
        enabledWhileBusy << dialog->isEnabled();
        QMetaObject::invokeMethod(dialog, "on_btnSetNet_clicked");
    };
    if (state == 3) {
        const PrinterSession::Hold hold(*f.session);
        press();
    } else if (state == 4) {
        connect(&f.pages->stream, &FileStream::progress, dialog, press);
        f.recorder->fileToOpen = path("file.bin");
        f.pages->click("pushButton_SendFile");
        QTRY_VERIFY_WITH_TIMEOUT(!f.session->busy() && !f.recorder->messages.isEmpty(), 20000);
        QTRY_COMPARE(f.printer->rawByteCount(), qint64(content.size()));
    } else {
        QTest::mouseClick(f.child<QPushButton>("btnSetNet"), Qt::LeftButton);
    }
    qInstallMessageHandler(previous);
    QVERIFY(!enabledWhileBusy.contains(true));
    QCOMPARE(enabledWhileBusy.isEmpty(), state < 3);
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
    const bool windowStays = frames.isEmpty() && !(state == 1 && knownMode == 0);
    QCOMPARE(f.provisioning->window() == dialog, windowStays);
    QCOMPARE(!f.dialog.isNull() && f.dialog->isVisible(), windowStays);
    QCOMPARE(f.host->parent.isVisible(), !windowStays);
    QVERIFY(!windowStays || f.password()->text() == password);
    QCOMPARE(f.sent->size(), frames.isEmpty() ? 0 : 1);
    if (!frames.isEmpty()) {
        const auto cred = f.sent->at(0).at(0).value<WifiCred>();
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

QTEST_MAIN(TestProvisioningNet)
#include "tst_provisioning_net.moc"
