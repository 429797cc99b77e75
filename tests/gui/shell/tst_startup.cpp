// Start-up: the embedded translations load and turn the window into the chosen
// language; the title carries the version.
#include "gui/shell/mainwindow.h"
#include "gui/shell/startup.h"
#include "device/diagnostics/connectiondoctor.h"
#include "core/language.h"
#include "core/settings/settingtable.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void translationLoads();
    void tableWordsTranslated_data();
    void tableWordsTranslated();
};

void TestStartup::translationLoads()
{
    // Argument, loads, open button, title; the translation installed last is asked first.
    const QStringList rows[] = {
        {"", "0", "打开设备", "标签机设置工具V1.0.9"}, // the system's zh_CN needs none
        {"en", "1", "&Open device", "Label Printer Setup Tool V1.0.9"},
        {"zh_TW", "1", "開啟設備(&O)", "標籤機設定工具V1.0.9"},
    };
    for (const QStringList &row : rows) {
        const LanguageChoice choice = chooseLanguage({row.at(0)}, QLocale(QStringLiteral("zh_CN")));
        QCOMPARE(installTranslations(*qApp, choice), row.at(1) == QLatin1String("1"));
        MainWindow window;
        QCOMPARE(window.findChild<QPushButton *>("pushButton_open")->text(), row.at(2));
        QCOMPARE(applicationWindowTitle(), row.at(3));
    }
}

// The result tables' words in each language: the header of the settings column is a
// noun, settings carry their page's label, checks their name.
void TestStartup::tableWordsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("setting"); // print.density
    QTest::addColumn<QString>("check");   // usb.access
    const auto row = [](const char *language, const char *header, const char *setting,
                        const char *check) {
        QTest::newRow(language) << language << header << setting << check;
    };
    row("en", "Setting", "Print density", "USB access");
    row("de", "Einstellung", "Druckdichte", "USB-Zugriff");
    row("fr", "Paramètre", "Densité d'impression", "Accès USB");
    row("nl", "Instelling", "Afdrukdichtheid", "USB-toegang");
    row("pt_BR", "Configuração", "Densidade de impressão", "Acesso USB");
    row("zh_TW", "設定", "列印濃度", "USB 存取權限");
}

void TestStartup::tableWordsTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, header);
    QFETCH(QString, setting);
    QFETCH(QString, check);
    installTranslations(*qApp, chooseLanguage({language}, QLocale(QStringLiteral("zh_CN"))));
    QCOMPARE(QCoreApplication::translate("ProfileActions", "设置"), header);
    QCOMPARE(settingtable::label(QStringLiteral("print.density")), setting);
    QCOMPARE(doctor::checkLabel(QStringLiteral("usb.access")), check);
    QCOMPARE(doctor::checkLabel(QStringLiteral("usb.unknown")), QStringLiteral("usb.unknown"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
