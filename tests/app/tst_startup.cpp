// Start-up: the embedded translations load and turn the window into the chosen
// language; the title carries the version.
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void translationLoads();
};

void TestStartup::translationLoads()
{
    // Argument, loads, open button, title; the translation installed last is asked first.
    const QStringList rows[] = {
        {"", "0", "打开设备", "标签机设置工具V1.0.9"}, // the system's zh_CN needs none
        {"en", "1", "Open device", "Label Printer Setup Tool V1.0.9"},
        {"zh_TW", "1", "開啟設備", "標籤機設定工具V1.0.9"},
    };
    for (const QStringList &row : rows) {
        const LanguageChoice choice = chooseLanguage({row.at(0)}, QLocale(QStringLiteral("zh_CN")));
        QCOMPARE(installTranslations(*qApp, choice), row.at(1) == QLatin1String("1"));
        MainWindow window;
        QCOMPARE(window.findChild<QPushButton *>("pushButton_open")->text(), row.at(2));
        QCOMPARE(applicationWindowTitle(), row.at(3));
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
