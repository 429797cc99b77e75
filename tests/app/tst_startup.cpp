// Start-up: the embedded translations load and turn the window into the chosen
// language; the title carries the version.
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "messagerecorder.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void translationLoads_data();
    void translationLoads();
};

void TestStartup::cleanup()
{
    // Drop every translator installed by the row.
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

void TestStartup::translationLoads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("openButton"); // empty: any text but the Chinese one
    QTest::addColumn<QString>("title");      // empty: any title but the Chinese one
    QTest::newRow("en") << QStringList{"en"} << true << "Open device"
                        << "Label Printer Setup Tool V1.0.9";
    QTest::newRow("pt_BR") << QStringList{"pt"} << true << ""
                           << "";
    QTest::newRow("zh_TW") << QStringList{"zh_TW"} << true << QString::fromUtf8("開啟設備") << "";
    QTest::newRow("zh_CN loads nothing") << QStringList{} << false << QString::fromUtf8("打开设备")
                                         << QString::fromUtf8("标签机设置工具V1.0.9");
}

void TestStartup::translationLoads()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, loads);
    QFETCH(QString, openButton);
    QFETCH(QString, title);
    const LanguageChoice choice = chooseLanguage(arguments, QLocale(QStringLiteral("zh_CN")));
    QCOMPARE(installTranslations(*qApp, choice), loads);
    MessageRecorder recorder;
    MainWindow window;
    const QString open = window.findChild<QPushButton *>("pushButton_open")->text();
    const QString windowTitle = applicationWindowTitle();
    QVERIFY(windowTitle.endsWith(QStringLiteral("V1.0.9")));
    if (loads) {
        QVERIFY2(open != QString::fromUtf8("打开设备"), qPrintable(open));
        QVERIFY(!windowTitle.startsWith(QString::fromUtf8("标签机设置工具")));
    }
    if (!openButton.isEmpty())
        QCOMPARE(open, openButton);
    if (!title.isEmpty())
        QCOMPARE(windowTitle, title);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
