// The demo: a simulated printer on loopback, reached without typing anything, and
// whose network settings never lead the tool away from loopback.
#include "app/demomode.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "protocol/commandcodes.h"
#include "protocol/printersession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class TestDemoMode : public QObject
{
    Q_OBJECT
private slots:
    void requested_data();
    void requested();
    void demoPrinterIsReadyToOpen();
};

void TestDemoMode::requested_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("demo");
    QTest::newRow("demo") << QStringList{"--demo"} << true;
    QTest::newRow("with language") << QStringList{"en", "--demo"} << true;
    QTest::newRow("real printer") << QStringList{} << false;
    QTest::newRow("not an option") << QStringList{"demo"} << false;
}

void TestDemoMode::requested()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, demo);
    QCOMPARE(DemoPrinter::requested(arguments), demo);
}

void TestDemoMode::demoPrinterIsReadyToOpen()
{
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    DemoPrinter demo;
    QString error;
    QVERIFY2(demo.start(&error), qPrintable(error));
    QVERIFY(demo.port() != 0);
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
    QCOMPARE(window.findChild<QComboBox *>("comboBox_ScanResult")->currentText(),
             QStringLiteral("Simulated Label [K53TA Simulator] {127.0.0.1}"));
    click("pushButton_open");
    QCOMPARE(recorder.lastText(), QString::fromUtf8("连接成功！"));

    // What the WiFi and Ethernet pages would copy into the connection fields.
    click("pushButton_WifiSettingRead");
    click("pushButton_NetportSettingRead");
    QCOMPARE(text("lineEdit_WifiSetIP"), QStringLiteral("127.0.0.1"));
    QCOMPARE(text("lineEdit_NetportIP"), QStringLiteral("127.0.0.1"));
    QCOMPARE(text("lineEdit_WApPort"), QString::number(demo.port()));
    QCOMPARE(text("lineEdit_NetportTCPPort"), QString::number(demo.port()));
    // The access point's address, as the WiFi page would read it in AP mode.
    QCOMPARE(demo.storedValue(0x27), QByteArray("Demo-AP\0demo1234\0"
                                                "127.0.0.1\0",
                                                27));
}

QTEST_MAIN(TestDemoMode)
#include "tst_demomode.moc"
