// What the debug console takes as hex to send, its hex view of the send area, and the
// answer in a USB read-back.
#include "console/hexcodec.h"

#include <QtTest>

class TestHexCodec : public QObject
{
    Q_OBJECT
private slots:
    void parseHexSend_data();
    void parseHexSend();
    void hexView_data();
    void hexView();
    void frameInReadBack_data();
    void frameInReadBack();
};

void TestHexCodec::parseHexSend_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes"); // null: refused
    QTest::newRow("two pairs") << "1B 40" << QByteArray("\x1B\x40");
    QTest::newRow("lower case, tab") << "1b\tff" << QByteArray("\x1B\xFF");
    for (const char *bad :
         {"1B  40", "1B 40\r\n1B 40", "1B 40\r\n", "1B 40 ", "1B40", "1B 4", "1B 4G", "G1 40", ""})
        QTest::newRow(QByteArray("refused ").append(QByteArray(bad).toPercentEncoding(" ")))
            << bad << QByteArray();
    // Beyond what a regular expression engine matches in one go.
    QTest::newRow("65536 pairs") << QString("AB ").repeated(65536).chopped(1)
                                 << QByteArray(65536, char(0xAB));
}

void TestHexCodec::parseHexSend()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QByteArray got("unchanged");
    QCOMPARE(hexcodec::parseHexSend(text, &got), !bytes.isNull());
    QCOMPARE(got.toHex(), bytes.isNull() ? QByteArray("unchanged").toHex() : bytes.toHex());
}

void TestHexCodec::hexView_data()
{
    // The send area's text, its hex view, an edited view and the text it turns back
    // into (null: refused).
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("line break becomes CR LF")
        << QStringList{"A\nB", "41 0D 0A 42", "41 0D 0A 42", "A\r\nB"};
    QTest::newRow("UTF-8, lower case typed") << QStringList{"中", "E4 B8 AD", "61 62", "ab"};
    QTest::newRow("blanks anywhere, stops at NUL") << QStringList{"", "", " 4 1 00 42 ", "A"};
    QTest::newRow("odd length") << QStringList{"A", "41", "41 4", QString()};
}

void TestHexCodec::hexView()
{
    QFETCH(QStringList, steps);
    QCOMPARE(hexcodec::toHexView(steps.at(0)), steps.at(1));
    QString back;
    QCOMPARE(hexcodec::fromHexView(steps.at(2), &back), !steps.at(3).isNull());
    QCOMPARE(back, steps.at(3));
}

void TestHexCodec::frameInReadBack_data()
{
    const QByteArray frame = QByteArray::fromHex("1BFFFE0204024F4B1BFEFF");
    const auto block = [](const QByteArray &start) {
        return start + QByteArray(264 - start.size(), '\0');
    };
    QTest::addColumn<QByteArray>("readBack");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("frame inside a block") << block("junk" + frame) << frame;
    QTest::newRow("no frame: whole block") << block("no frame here") << block("no frame here");
    const QByteArray tailFirst = block(QByteArray::fromHex("1BFEFF00001BFFFE0204"));
    QTest::newRow("trailer only before header") << tailFirst << tailFirst;
}

void TestHexCodec::frameInReadBack()
{
    QFETCH(QByteArray, readBack);
    QFETCH(QByteArray, shown);
    QCOMPARE(hexcodec::frameInReadBack(readBack).toHex(), shown.toHex());
}

QTEST_GUILESS_MAIN(TestHexCodec)
#include "tst_hexcodec.moc"
