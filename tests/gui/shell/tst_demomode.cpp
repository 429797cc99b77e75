// The demo: a simulated printer on loopback, reached without typing anything, and
// whose network settings never lead the tool away from loopback.
#include "gui/shell/demomode.h"
#include "gui/shell/mainwindow.h"
#include "idlewait.h"
#include "messagerecorder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QtTest>

class TestDemoMode : public QObject
{
    Q_OBJECT
private slots:
    void demoPrinterIsReadyToOpen();
};

void TestDemoMode::demoPrinterIsReadyToOpen()
{
    QVERIFY(DemoPrinter::requested({"en", "--demo"}) && !DemoPrinter::requested({"demo"}));
    DemoPrinter demo;
    QString error;
    QVERIFY2(demo.start(&error), qPrintable(error));
    const QString port = QString::number(demo.port());
    // The printer's usual port 9100 whenever it is free, as the connection fields expect.
    if (demo.port() != 9100) {
        QTcpServer other;
        QVERIFY2(!other.listen(QHostAddress::LocalHost, 9100), qPrintable(port));
    }
    MessageRecorder recorder;
    MainWindow window;
    demo.prepareWindow(window);
    auto click = [&](const char *name) {
        QTest::mouseClick(window.findChild<QPushButton *>(name), Qt::LeftButton);
        QVERIFY(waitIdle(&window));
    };
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
    QStringList fields;
    for (const char *name : {"lineEdit_WifiSetIP", "lineEdit_NetportIP", "lineEdit_WApPort",
                             "lineEdit_NetportTCPPort", "lineEdit_NetportUDPPort"})
        fields << window.findChild<QLineEdit *>(name)->text();
    QCOMPARE(fields, QStringList({"127.0.0.1", "127.0.0.1", port, port, "38400"}));
    // The access point's address, as the WiFi page would read it in AP mode.
    QCOMPARE(demo.storedValue(0x27).split('\0').value(2), QByteArray("127.0.0.1"));
}

QTEST_MAIN(TestDemoMode)
#include "tst_demomode.moc"
