// Per-printer values: the targets table's format, and filling a profile in for one row,
// refused with the printer, the setting and the column named when a value is missing.
#include "core/settings/targetvalues.h"

#include <QtTest>

class TestTargetValues : public QObject
{
    Q_OBJECT

    static profile::Profile profileWith(const QJsonObject &settings)
    {
        profile::Profile p;
        p.model = QStringLiteral("K53TA");
        p.settings = settings;
        return p;
    }

private slots:
    void isTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("table");
        QTest::newRow("plain addresses") << "10.0.0.5\nusb:1\n" << false;
        QTest::newRow("header") << "address,name\n10.0.0.5,A\n" << true;
        QTest::newRow("header after comments") << "# shop\n\n  address,name\n" << true;
        QTest::newRow("a host called address") << "address\n" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isTable()
    {
        QFETCH(QString, text);
        QFETCH(bool, table);
        QCOMPARE(targetvalues::isTable(text), table);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error"); // empty: read
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("secondName"); // the second row's "name"
        QTest::newRow("rows, comments and CRLF")
            << "address,name,wifi_address\r\n# "
               "a\r\n10.0.0.5,Shop-1,10.0.1.5\r\n\r\nusb:1,Shop-2,10.0.1.6\r\n"
            << "" << 2 << "Shop-2";
        QTest::newRow("quoted comma and quote")
            << "address,name\n10.0.0.5,a\n10.0.0.6,\"Shop, \"\"2\"\"\"\n"
            << "" << 2 << "Shop, \"2\"";
        QTest::newRow("empty value kept") << "address,name\n10.0.0.5,a\n10.0.0.6,\n"
                                          << "" << 2 << "";
        QTest::newRow("too few fields") << "address,name,x\n10.0.0.5,a\n"
                                        << "line 2: 2 fields, the header has 3" << 0 << "";
        QTest::newRow("too many fields") << "address,name\n\n10.0.0.5,a,b\n"
                                         << "line 3: 3 fields, the header has 2" << 0 << "";
        QTest::newRow("no address") << "address,name\n,a\n"
                                    << "line 2: no address" << 0 << "";
        QTest::newRow("quote open") << "address,name\n10.0.0.5,\"a\n"
                                    << "line 2: a quote is not closed" << 0 << "";
        QTest::newRow("bad column") << "address,na-me\n"
                                    << "line 1: bad or repeated column name \"na-me\"" << 0 << "";
        QTest::newRow("column twice") << "address,a,a\n"
                                      << "line 1: bad or repeated column name \"a\"" << 0 << "";
        QTest::newRow("header not address")
            << "name,address\n"
            << "line 1: the header must start with \"address\"" << 0 << "";
        QTest::newRow("no header") << "# nothing\n"
                                   << "no header line \"address,...\"" << 0 << "";
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(int, rows);
        QFETCH(QString, secondName);
        targetvalues::Table table;
        QString why;
        QCOMPARE(targetvalues::parse(text, &table, &why), error.isEmpty());
        QCOMPARE(why, error);
        if (!error.isEmpty())
            return;
        QCOMPARE(table.rows.size(), rows);
        QCOMPARE(table.rows.at(1).values.value(QStringLiteral("name")), secondName);
        QVERIFY(table.rows.at(0).line > 1);
    }

    void fill_data()
    {
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<QString>("row"); // "column=value;..."
        QTest::addColumn<QString>("error");
        QTest::addColumn<QJsonObject>("filled");
        const QJsonObject plain{{"print", QJsonObject{{"speed", 3}}}};
        QTest::newRow("no reference: unchanged") << plain << ""
                                                 << "" << plain;
        QTest::newRow("name and address")
            << QJsonObject{{"bluetooth", QJsonObject{{"name", "${name}"}}},
                           {"wifi", QJsonObject{{"ip", "${wifi_address}"}, {"ssid", "Shop"}}}}
            << "name=Till-4;wifi_address=10.0.1.5"
            << ""
            << QJsonObject{{"bluetooth", QJsonObject{{"name", "Till-4"}}},
                           {"wifi", QJsonObject{{"ip", "10.0.1.5"}, {"ssid", "Shop"}}}};
        QTest::newRow("in a longer text, twice")
            << QJsonObject{{"bluetooth", QJsonObject{{"bleName", "${site}-${n}-${n}"}}}}
            << "site=HH;n=7"
            << "" << QJsonObject{{"bluetooth", QJsonObject{{"bleName", "HH-7-7"}}}};
        QTest::newRow("column missing")
            << QJsonObject{{"bluetooth", QJsonObject{{"name", "${name}"}}}} << "other=x"
            << "printer 10.0.0.5:9100: bluetooth.name refers to ${name}, which its row lacks"
            << QJsonObject();
        QTest::newRow("value empty")
            << QJsonObject{{"serial", QJsonObject{{"serialNumber", "S-${serial}"}}}} << "serial="
            << "printer 10.0.0.5:9100: serial.serialNumber refers to ${serial}, which its row lacks"
            << QJsonObject();
        QTest::newRow("not a name")
            << QJsonObject{{"bluetooth", QJsonObject{{"name", "${na me}"}}}} << "name=x"
            << "bluetooth.name: \"${na me}\" refers to a value other than as ${name}"
            << QJsonObject();
    }
    void fill()
    {
        QFETCH(QJsonObject, settings);
        QFETCH(QString, row);
        QFETCH(QString, error);
        QFETCH(QJsonObject, filled);
        QHash<QString, QString> values;
        for (const QString &pair : row.split(';', Qt::SkipEmptyParts))
            values.insert(pair.section('=', 0, 0), pair.section('=', 1));
        profile::Profile out;
        QString why;
        QCOMPARE(targetvalues::fill(profileWith(settings), values, QStringLiteral("10.0.0.5:9100"),
                                    &out, &why),
                 error.isEmpty());
        QCOMPARE(why, error);
        if (error.isEmpty()) {
            QCOMPARE(out.settings, filled);
            QCOMPARE(out.model, QStringLiteral("K53TA"));
        }
    }

    void withoutReferences()
    {
        const profile::Profile p =
            profileWith({{"bluetooth", QJsonObject{{"name", "${name}"}, {"pairing", 0}}},
                         {"print", QJsonObject{{"speed", 3}}}});
        QCOMPARE(targetvalues::withoutReferences(p).settings,
                 (QJsonObject{{"bluetooth", QJsonObject{{"pairing", 0}}},
                              {"print", QJsonObject{{"speed", 3}}}}));
    }
};

QTEST_GUILESS_MAIN(TestTargetValues)
#include "tst_targetvalues.moc"
