// What the debug console takes as hex to send, and the answer in a USB read-back.
#include "console/hexcodec.h"

#include <QtTest>

class TestHexCodec : public QObject
{
    Q_OBJECT
private slots:
    void parseHexSend_data();
    void parseHexSend();
    void frameInReadBack_data();
    void frameInReadBack();
};

void TestHexCodec::parseHexSend_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two pairs") << "1B 40" << true << QByteArray("\x1B\x40");
    QTest::newRow("lower case") << "1b ff" << true << QByteArray("\x1B\xFF");
    QTest::newRow("tab separator") << "1B\t40" << true << QByteArray("\x1B\x40");
    QTest::newRow("two blanks") << "1B  40" << false << QByteArray();
    QTest::newRow("two lines") << "1B 40\r\n1B 40" << false << QByteArray();
    QTest::newRow("line break at the end") << "1B 40\r\n" << false << QByteArray();
    QTest::newRow("trailing blank") << "1B 40 " << false << QByteArray();
    QTest::newRow("no separator") << "1B40" << false << QByteArray();
    QTest::newRow("odd digit") << "1B 4" << false << QByteArray();
    QTest::newRow("not hex") << "1B 4G" << false << QByteArray();
    QTest::newRow("empty") << "" << false << QByteArray();
    // Beyond what a regular expression engine matches in one go.
    QTest::newRow("65536 pairs") << QString("AB ").repeated(65536).chopped(1) << true
                                 << QByteArray(65536, char(0xAB));
}

void TestHexCodec::parseHexSend()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QByteArray, bytes);
    QByteArray got("unchanged");
    QCOMPARE(hexcodec::parseHexSend(text, &got), valid);
    if (valid)
        QCOMPARE(got.toHex(), bytes.toHex());
}

void TestHexCodec::frameInReadBack_data()
{
    const QByteArray frame = QByteArray::fromHex("1BFFFE0204024F4B1BFEFF");
    QByteArray block = QByteArray("junk") + frame;
    block.append(QByteArray(264 - block.size(), '\0'));
    QByteArray noFrame("no frame here");
    noFrame.append(QByteArray(264 - noFrame.size(), '\0'));
    QByteArray tailFirst = QByteArray::fromHex("1BFEFF00001BFFFE0204");
    tailFirst.append(QByteArray(264 - tailFirst.size(), '\0'));

    QTest::addColumn<QByteArray>("readBack");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("frame inside a block") << block << frame;
    QTest::newRow("no frame: whole block") << noFrame << noFrame;
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
