// Settings profile files: what is refused, with the reason, and the comparison apply
// and diff are built on.
#include "settings/profile.h"

#include <QJsonArray>
#include <QtTest>

class TestProfile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void roundTrip();
    void diff();
};

void TestProfile::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error"); // empty: accepted
    const QByteArray head = R"({"format": "labelsetup-profile", )";
    QTest::newRow("accepted")
        << head + R"("version": 1, "dotsPerMm": 12, "settings": {"print": {"speed": 3}}})"
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
    profile::Profile p;
    QString why;
    QCOMPARE(profile::parse(text, &p, &why), error.isEmpty());
    QVERIFY2(why.contains(error), qPrintable(why));
}

void TestProfile::roundTrip()
{
    profile::Profile p;
    p.model = QStringLiteral("K53TA");
    p.dotsPerMm = 12;
    p.settings =
        QJsonObject{{QStringLiteral("print"), QJsonObject{{QStringLiteral("gapMm"), 2.5}}}};
    profile::Profile back;
    QString error;
    QVERIFY(profile::parse(profile::serialize(p), &back, &error));
    QCOMPARE(back.model, p.model);
    QCOMPARE(back.dotsPerMm, 12);
    QCOMPARE(back.settings, p.settings);
}

// Only the profile's settings count, page by page in the window's order; a setting the
// printer did not report differs.
void TestProfile::diff()
{
    const QJsonObject printer{
        {QStringLiteral("wifi"), QJsonObject{{QStringLiteral("ssid"), QStringLiteral("A")}}},
        {QStringLiteral("print"),
         QJsonObject{{QStringLiteral("speed"), 2}, {QStringLiteral("density"), 8}}}};
    const QJsonObject wanted{
        {QStringLiteral("wifi"), QJsonObject{{QStringLiteral("ssid"), QStringLiteral("B")}}},
        {QStringLiteral("print"),
         QJsonObject{{QStringLiteral("speed"), 2}, {QStringLiteral("direction"), 1}}}};
    const QList<profile::Difference> d = profile::diff(printer, wanted);
    QCOMPARE(d.size(), 2);
    QCOMPARE(d.at(0).page + '.' + d.at(0).setting, QStringLiteral("print.direction"));
    QVERIFY(d.at(0).printer.isUndefined());
    QCOMPARE(profile::valueText(d.at(0).printer), QStringLiteral("-"));
    QCOMPARE(d.at(1).page + '.' + d.at(1).setting, QStringLiteral("wifi.ssid"));
    QCOMPARE(profile::valueText(d.at(1).profile), QStringLiteral("\"B\""));
    QVERIFY(profile::diff(printer, printer).isEmpty());
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
