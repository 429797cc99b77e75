// Start-up: the embedded translations load and turn the window into the chosen
// language; the title carries the version.
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "messagerecorder.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <QApplication>
#include <QSettings>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void translationLoads_data();
    void translationLoads();
    void simplifiedChineseLoadsNothing();
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
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("openButton");
    QTest::addColumn<QString>("title");
    QTest::newRow("en") << "en"
                        << "Open device"
                        << "Label Printer Setup Tool V1.0.9";
    QTest::newRow("pt_BR") << "pt"
                           << ""
                           << "";
    QTest::newRow("zh_TW") << "zh_TW" << QString::fromUtf8("開啟設備") << "";
}

void TestStartup::translationLoads()
{
    QFETCH(QString, argument);
    QFETCH(QString, openButton);
    QFETCH(QString, title);
    const LanguageChoice choice = chooseLanguage({argument}, QLocale(QStringLiteral("zh_CN")));
    QVERIFY(installTranslations(*qApp, choice));
    MessageRecorder recorder;
    MainWindow window;
    const QString open = window.ui->centralwidget->findChild<QPushButton *>(QStringLiteral("pushButton_open"))->text();
    QVERIFY2(open != QString::fromUtf8("打开设备"), qPrintable(open));
    if (!openButton.isEmpty())
        QCOMPARE(open, openButton);
    const QString windowTitle = applicationWindowTitle();
    QVERIFY(windowTitle.endsWith(QStringLiteral("V1.0.9")));
    QVERIFY(!windowTitle.startsWith(QString::fromUtf8("标签机设置工具")));
    if (!title.isEmpty())
        QCOMPARE(windowTitle, title);
}

void TestStartup::simplifiedChineseLoadsNothing()
{
    const LanguageChoice choice = chooseLanguage({}, QLocale(QStringLiteral("zh_CN")));
    QVERIFY(!installTranslations(*qApp, choice));
    QCOMPARE(applicationWindowTitle(), QString::fromUtf8("标签机设置工具V1.0.9"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
