// Settings profile files: what is refused, with the reason, what is written back, and
// the comparison apply and diff are built on.
#include "settings/profile.h"

#include <QtTest>

class TestProfile : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void diff();
};

void TestProfile::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error"); // empty: accepted
    const QByteArray head = R"({"format": "labelsetup-profile", )";
    QTest::newRow("accepted") << head + R"("version": 1, "model": "K53TA", "dotsPerMm": 12,
                                            "settings": {"print": {"gapMm": 2.5}}})"
                              << "";
    QTest::newRow("no dots given") << head + R"("version": 1, "settings": {}})"
                                   << "";
    QTest::newRow("malformed") << QByteArray(R"({"format": )") << "not a valid JSON file";
    QTest::newRow("array") << QByteArray("[1]") << "holds no JSON object";
    QTest::newRow("other format") << QByteArray(R"({"format": "x", "version": 1, "settings": {}})")
                                  << "\"format\" is not";
    QTest::newRow("newer version") << head + R"("version": 2, "settings": {}})"
                                   << "has version 2";
    QTest::newRow("fractional version") << head + R"("version": 1.5, "settings": {}})"
                                        << "whole number";
    QTest::newRow("version text") << head + R"("version": "1", "settings": {}})"
                                  << "whole number";
    QTest::newRow("dots") << head + R"("version": 1, "dotsPerMm": 10, "settings": {}})"
                          << "8 or 12";
    QTest::newRow("no settings") << head + R"("version": 1})"
                                 << "\"settings\" must be";
    QTest::newRow("unknown page") << head + R"("version": 1, "settings": {"colour": {}}})"
                                  << "unknown page \"colour\"";
    QTest::newRow("page not object") << head + R"("version": 1, "settings": {"wifi": 3}})"
                                     << "page \"wifi\" must be";
}

void TestProfile::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    profile::Profile p, back;
    QString why;
    QCOMPARE(profile::parse(text, &p, &why), error.isEmpty());
    QVERIFY2(why.contains(error), qPrintable(why));
    if (error.isEmpty()) { // what is written reads back the same
        QVERIFY(profile::parse(profile::serialize(p), &back, &why));
        QCOMPARE(QStringList({back.model, QString::number(back.dotsPerMm)}),
                 QStringList({p.model, QString::number(p.dotsPerMm)}));
        QCOMPARE(back.settings, p.settings);
    }
}

// Only the profile's settings count, page by page in the window's order; a setting the
// printer did not report differs.
void TestProfile::diff()
{
    const QJsonObject printer{{"wifi", QJsonObject{{"ssid", "A"}}},
                              {"print", QJsonObject{{"speed", 2}, {"density", 8}}}};
    const QJsonObject wanted{{"wifi", QJsonObject{{"ssid", "B"}}},
                             {"print", QJsonObject{{"speed", 2}, {"direction", 1}}}};
    QStringList got;
    for (const profile::Difference &d : profile::diff(printer, wanted))
        got << d.page + '.' + d.setting + ' ' + profile::valueText(d.printer) + ' ' +
                   profile::valueText(d.profile);
    QCOMPARE(got, QStringList({"print.direction - 1", "wifi.ssid \"A\" \"B\""}));
    QVERIFY(profile::diff(printer, printer).isEmpty());
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
