// The demo: a simulated printer on loopback, reached without typing anything, and
// whose network settings never lead the tool away from loopback.
#include "app/demomode.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "ui_mainwindow.h"

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
    {
        MainWindow window;
        demo.prepareWindow(window);
        Ui::MainWindow *ui = window.ui;
        QVERIFY(ui->checkBox_WIFI->isChecked());
        QCOMPARE(ret_mode, 2);
        QTest::mouseClick(ui->pushButton_getList, Qt::LeftButton);
        QCOMPARE(ui->comboBox_ScanResult->currentText(),
                 QStringLiteral("Simulated Label [K53TA Simulator] {127.0.0.1}"));
        QTest::mouseClick(ui->pushButton_open, Qt::LeftButton);
        QCOMPARE(recorder.lastText(), QString::fromUtf8("连接成功！"));

        // What the WiFi and Ethernet pages would copy into the connection fields.
        QTest::mouseClick(window.findChild<QPushButton *>("pushButton_WifiSettingRead"),
                          Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>("pushButton_NetportSettingRead"),
                          Qt::LeftButton);
        QCOMPARE(window.findChild<QLineEdit *>("lineEdit_WifiSetIP")->text(),
                 QStringLiteral("127.0.0.1"));
        QCOMPARE(window.findChild<QLineEdit *>("lineEdit_NetportIP")->text(),
                 QStringLiteral("127.0.0.1"));
        QCOMPARE(window.findChild<QLineEdit *>("lineEdit_WApPort")->text(),
                 QString::number(demo.port()));
        QCOMPARE(window.findChild<QLineEdit *>("lineEdit_NetportTCPPort")->text(),
                 QString::number(demo.port()));
        // The access point's address, as the WiFi page would read it in AP mode.
        const QByteArray ap = QByteArray("Demo-AP") + '\0' + "demo1234" + '\0' + "127.0.0.1" + '\0';
        QCOMPARE(demo.storedValue(0x27), ap);
    }
    ret_mode = 1;
}

QTEST_MAIN(TestDemoMode)
#include "tst_demomode.moc"
