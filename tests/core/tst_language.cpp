// The start-up language choice: command-line prefixes first, then the locale.
#include "app/language.h"

#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void reducedFont_data();
    void reducedFont();
};

void TestLanguage::choose_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("forced");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pointSize");

    const QString en = QStringLiteral("language_en.qm");
    const QString tw = QStringLiteral("language_zh_TW.qm");
    QTest::newRow("zh_MO forces traditional") << QStringList{"zh_MO"} << "en_US"
                                              << "zh_TW" << tw << 13;
    QTest::newRow("en and anything") << QStringList{"enXYZ"} << "zh_CN"
                                     << "en" << en << 12;
    QTest::newRow("upper case selects nothing") << QStringList{"EN"} << "zh_CN"
                                                << ""
                                                << "" << 13;
    QTest::newRow("first match counts") << QStringList{"--x", "fr", "de"} << "zh_CN"
                                        << "fr"
                                        << "language_fr.qm" << 12;
    QTest::newRow("pt means Brazil") << QStringList{"pt_PT"} << "zh_CN"
                                     << "pt_BR"
                                     << "language_pt_BR.qm" << 12;
    QTest::newRow("option is no language") << QStringList{"--demo"} << "zh_CN"
                                           << ""
                                           << "" << 13;
    QTest::newRow("simplified locale") << QStringList{} << "zh_CN"
                                       << ""
                                       << "" << 13;
    QTest::newRow("taiwan locale") << QStringList{} << "zh_TW"
                                   << "" << tw << 13;
    QTest::newRow("traditional script locale") << QStringList{} << "zh_Hant_SG"
                                               << "" << tw << 13;
    QTest::newRow("spanish gets english") << QStringList{} << "es_ES"
                                          << "" << en << 12;
    QTest::newRow("portuguese locale") << QStringList{} << "pt_PT"
                                       << ""
                                       << "language_pt_BR.qm" << 12;
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

void TestLanguage::reducedFont_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("reduced");
    QTest::newRow("13") << 13 << 12;
    QTest::newRow("10 stays at least 11") << 10 << 11;
}

void TestLanguage::reducedFont()
{
    QFETCH(int, base);
    QFETCH(int, reduced);
    QCOMPARE(reducedFontPointSize(base), reduced);
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
