// The start-up language choice: command-line prefixes first, then the locale.
#include "app/language.h"

#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void reducedFont();
};

void TestLanguage::choose_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("forced");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pointSize");
    auto row = [](const char *name, const QStringList &arguments, const char *locale,
                  const char *forced, const char *file, int pointSize) {
        QTest::newRow(name) << arguments << QString::fromLatin1(locale)
                            << QString::fromLatin1(forced) << QString::fromLatin1(file)
                            << pointSize;
    };
    const char *en = "language_en.qm";
    const char *tw = "language_zh_TW.qm";
    const char *br = "language_pt_BR.qm";
    row("zh_MO forces traditional", {"zh_MO"}, "en_US", "zh_TW", tw, 13);
    row("en and anything", {"enXYZ"}, "zh_CN", "en", en, 12);
    row("upper case selects nothing", {"EN"}, "zh_CN", "", "", 13);
    row("first match counts", {"--x", "fr", "de"}, "zh_CN", "fr", "language_fr.qm", 12);
    row("pt means Brazil", {"pt_PT"}, "zh_CN", "pt_BR", br, 12);
    row("option is no language", {"--demo"}, "zh_CN", "", "", 13);
    row("simplified locale", {}, "zh_CN", "", "", 13);
    row("taiwan locale", {}, "zh_TW", "", tw, 13);
    row("traditional script locale", {}, "zh_Hant_SG", "", tw, 13);
    row("spanish gets english", {}, "es_ES", "", en, 12);
    row("portuguese locale", {}, "pt_PT", "", br, 12);
}

void TestLanguage::choose()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, systemLocale);
    QFETCH(QString, forced);
    QFETCH(QString, file);
    QFETCH(int, pointSize);
    const LanguageChoice choice = chooseLanguage(arguments, QLocale(systemLocale));
    QCOMPARE(choice.forcedLanguage, forced);
    QCOMPARE(choice.translationFile, file);
    QCOMPARE(choice.fontPointSize, pointSize);
}

void TestLanguage::reducedFont()
{
    QCOMPARE(reducedFontPointSize(13), 12);
    QCOMPARE(reducedFontPointSize(10), 11); // never below 11
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
