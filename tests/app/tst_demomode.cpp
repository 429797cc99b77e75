// The demo: a simulated printer on loopback, reached without typing anything, and
// whose network settings never lead the tool away from loopback.
#include "app/demomode.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "protocol/printersession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class TestDemoMode : public QObject
{
    Q_OBJECT
private slots:
    void demoPrinterIsReadyToOpen();
};

void TestDemoMode::demoPrinterIsReadyToOpen()
{
    QVERIFY(DemoPrinter::requested({"en", "--demo"}));
    QVERIFY(!DemoPrinter::requested({"demo"}));
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    DemoPrinter demo;
    QString error;
    QVERIFY2(demo.start(&error), qPrintable(error));
    const QString port = QString::number(demo.port());
    MessageRecorder recorder;
    MainWindow window;
    demo.prepareWindow(window);
    auto click = [&](const char *name) {
        QTest::mouseClick(window.findChild<QPushButton *>(name), Qt::LeftButton);
    };
    auto text = [&](const char *name) { return window.findChild<QLineEdit *>(name)->text(); };
    QVERIFY(window.findChild<QCheckBox *>("checkBox_WIFI")->isChecked());
    QCOMPARE(window.session().medium(), int(MEDIUM_NETWORK));
    click("pushButton_getList");
    const QString entry = QStringLiteral("Simulated Label [K53TA Simulator] {127.0.0.1}");
    QCOMPARE(window.findChild<QComboBox *>("comboBox_ScanResult")->currentText(), entry);
    click("pushButton_open");
    QCOMPARE(recorder.lastText(), QString::fromUtf8("连接成功！"));
    QCOMPARE(window.findChild<QLabel *>("label_StatusConnection")->text(),
             QString::fromUtf8("已连接：无线网络 · %1，TCP端口 %2").arg(entry, port));

    // What the WiFi and Ethernet pages would copy into the connection fields.
    click("pushButton_WifiSettingRead");
    click("pushButton_NetportSettingRead");
    QCOMPARE(text("lineEdit_WifiSetIP") + text("lineEdit_NetportIP"),
             QStringLiteral("127.0.0.1127.0.0.1"));
    QCOMPARE(text("lineEdit_WApPort") + text("lineEdit_NetportTCPPort"), port + port);
    // The access point's address, as the WiFi page would read it in AP mode.
    QCOMPARE(demo.storedValue(0x27), QByteArray("Demo-AP\0demo1234\0"
                                                "127.0.0.1\0",
                                                27));
}

QTEST_MAIN(TestDemoMode)
#include "tst_demomode.moc"
