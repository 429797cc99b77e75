// The demo: a simulated printer on loopback, reached without typing anything, and
// whose network settings never lead the tool away from loopback.
#include "app/demomode.h"
#include "protocol/printersession.h"
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
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
    {
        MainWindow window;
        demo.prepareWindow(window);
        Ui::MainWindow *ui = window.ui;
        QVERIFY(ui->centralwidget->findChild<QCheckBox *>(QStringLiteral("checkBox_WIFI"))->isChecked());
        QCOMPARE(window.session().medium(), 2);
        QTest::mouseClick(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_getList")), Qt::LeftButton);
        QCOMPARE(ui->centralwidget->findChild<QComboBox *>(QStringLiteral("comboBox_ScanResult"))->currentText(),
                 QStringLiteral("Simulated Label [K53TA Simulator] {127.0.0.1}"));
        QTest::mouseClick(ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open")), Qt::LeftButton);
        QCOMPARE(recorder.lastText(), QString::fromUtf8("连接成功！"));

        // What the WiFi and Ethernet pages would copy into the connection fields.
        QTest::mouseClick(ui->pushButton_WifiSettingRead, Qt::LeftButton);
        QTest::mouseClick(ui->pushButton_NetportSettingRead, Qt::LeftButton);
        QCOMPARE(ui->lineEdit_WifiSetIP->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(ui->lineEdit_NetportIP->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(ui->lineEdit_WApPort->text(), QString::number(demo.port()));
        QCOMPARE(ui->lineEdit_NetportTCPPort->text(), QString::number(demo.port()));
        // The access point's address, as the WiFi page would read it in AP mode.
        const QByteArray ap = QByteArray("Demo-AP") + '\0' + "demo1234" + '\0' + "127.0.0.1" + '\0';
        QCOMPARE(demo.storedValue(0x27), ap);
    }
}

QTEST_MAIN(TestDemoMode)
#include "tst_demomode.moc"
