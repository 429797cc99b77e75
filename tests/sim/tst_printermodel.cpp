// The simulated printer's model against literal frames: answers, decoding of set
// frames, framing of messy streams, the raw sink and the reply faults.

#include "sim/itemcatalog.h"
#include "sim/printermodel.h"

#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray hx(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

QString spaced(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex(' ').toUpper());
}

// The test printer: identity P, Q, R, S, T; fixed firmware and resolution.
PrinterConfig testConfig()
{
    PrinterConfig c = PrinterConfig::defaults();
    c.identity = QStringList{"P", "Q", "R", "S", "T"};
    c.firmwareVersion = "V1.2.7";
    c.dpi = 203;
    c.maxWidthDots = 864;
    c.statusWord = 0;
    return c;
}

} // namespace

class TestPrinterModel : public QObject
{
    Q_OBJECT

private slots:
    void setFrameThenQuery_data();
    void setFrameThenQuery();
    void macAnswerLayout();
    void functionAnswers_data();
    void functionAnswers();
    void framing_data();
    void framing();
    void garbageKeepsMemoryBounded();
    void rawSinkCountAndSha256();
    void replyFaults_data();
    void replyFaults();
};

// Set frames as the tool sends them, then the query answer the printer gives back.
void TestPrinterModel::setFrameThenQuery_data()
{
    QTest::addColumn<QByteArray>("setFrame");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("label size, height dots first")
        << hx("1B FF FE 01 18 04 20 03 92 01 1B FE FF") << hx("1B FF FE 02 18 00 1B FE FF")
        << hx("1B FF FE 02 18 04 20 03 92 01 1B FE FF");
    QTest::newRow("ethernet addresses")
        << hx("1B FF FE 01 0D 0D 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 01 1B FE FF")
        << hx("1B FF FE 02 0D 00 1B FE FF")
        << hx("1B FF FE 02 0D 0D 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 01 1B FE FF");
    QTest::newRow("ethernet ports")
        << hx("1B FF FE 01 0F 04 8C 23 8D 23 1B FE FF") << hx("1B FF FE 02 0F 00 1B FE FF")
        << hx("1B FF FE 02 0F 04 8C 23 8D 23 1B FE FF");
    QTest::newRow("wifi ip, mask and gateway swap places")
        << hx("1B FF FE 01 28 11 00 C0 A8 01 32 FF FF FF 00 C0 A8 01 01 00 00 00 00 1B FE FF")
        << hx("1B FF FE 02 28 00 1B FE FF")
        << hx("1B FF FE 02 28 11 00 C0 A8 01 32 C0 A8 01 01 FF FF FF 00 00 00 00 00 1B FE FF");
    QTest::newRow("spp name text")
        << hx("1B FF FE 01 2B 03 41 42 00 1B FE FF") << hx("1B FF FE 02 2B 00 1B FE FF")
        << hx("1B FF FE 02 2B 03 41 42 00 1B FE FF");
}

void TestPrinterModel::setFrameThenQuery()
{
    QFETCH(QByteArray, setFrame);
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, answer);

    PrinterModel model(testConfig());
    QCOMPARE(spaced(model.feed(setFrame)), QString()); // set frames are not answered
    QCOMPARE(spaced(model.feed(query)), spaced(answer));

    const QList<ReceivedFrame> frames = model.receivedFrames();
    QCOMPARE(frames.size(), 2);
    QCOMPARE(int(frames[0].frameClass), 0x01);
    QCOMPARE(int(frames[0].item), int(quint8(setFrame.at(4))));
    QCOMPARE(spaced(frames[0].data), spaced(setFrame.mid(6, setFrame.size() - 9)));
    QCOMPARE(int(frames[1].frameClass), 0x02);
}

void TestPrinterModel::macAnswerLayout()
{
    PrinterConfig c = testConfig();
    QString error;
    QVERIFY(itemcatalog::fromJson(
        0x3C, QJsonObject{{"wifi", "00:1A:2B:3C:4D:5E"}, {"bluetooth", "a1:b2:c3:0d:0e:0f"}},
        &c.settings[0x3C], &error));
    PrinterModel model(c);
    // WiFi MAC in bytes 0-5, Bluetooth MAC in bytes 6-11.
    QCOMPARE(spaced(model.feed(hx("1B FF FE 02 3C 00 1B FE FF"))),
             spaced(hx("1B FF FE 02 3C 0C 00 1A 2B 3C 4D 5E A1 B2 C3 0D 0E 0F 1B FE FF")));
    // The MAC addresses cannot be written.
    QCOMPARE(model.feed(hx("1B FF FE 01 3C 06 01 02 03 04 05 06 1B FE FF")), QByteArray());
    QCOMPARE(spaced(model.value(0x3C)), spaced(hx("00 1A 2B 3C 4D 5E A1 B2 C3 0D 0E 0F")));
    QCOMPARE(model.receivedFrames().size(), 2);
}

void TestPrinterModel::functionAnswers_data()
{
    QTest::addColumn<quint32>("statusWord");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer");

    // The status-word query carries length byte 4 and no data.
    QTest::newRow("status word, all bytes") << 0x12345678u << hx("1B FF FE 00 03 04 1B FE FF")
                                            << hx("1B FF FE 00 03 04 78 56 34 12 1B FE FF");
    QTest::newRow("status word, length 0 asked") << 0x10000u << hx("1B FF FE 00 03 00 1B FE FF")
                                                 << hx("1B FF FE 00 03 04 00 00 01 00 1B FE FF");
    QTest::newRow("firmware version") << 0u << hx("1B FF FE 00 04 00 1B FE FF")
                                      << hx("1B FF FE 00 04 07 56 31 2E 32 2E 37 00 1B FE FF");
    QTest::newRow("resolution 203 dpi, 864 dots")
        << 0u << hx("1B FF FE 00 0B 00 1B FE FF") << hx("1B FF FE 00 0B 04 CB 00 60 03 1B FE FF");
    QTest::newRow("identity P Q R S T")
        << 0u << hx("1B FF FE 02 0C 00 1B FE FF")
        << hx("1B FF FE 02 0C 0A 50 00 51 00 52 00 53 00 54 00 1B FE FF");
}

void TestPrinterModel::functionAnswers()
{
    QFETCH(quint32, statusWord);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);

    PrinterModel model(testConfig());
    model.setStatusWord(statusWord);
    QCOMPARE(spaced(model.feed(request)), spaced(answer));
}

// Input chunks, the replies expected after all of them, and the raw byte count.
void TestPrinterModel::framing_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QByteArray>("replies");
    QTest::addColumn<int>("rawBytes");

    const QByteArray query = hx("1B FF FE 02 19 00 1B FE FF");
    const QByteArray answer = hx("1B FF FE 02 19 02 18 00 1B FE FF");
    const QByteArray speedQuery = hx("1B FF FE 02 00 00 1B FE FF");
    const QByteArray speedAnswer = hx("1B FF FE 02 00 01 03 1B FE FF");

    QList<QByteArray> bytewise;
    for (char c : query)
        bytewise << QByteArray(1, c);
    QTest::newRow("one byte at a time") << bytewise << answer << 0;
    QTest::newRow("header cut after 1B FF")
        << QList<QByteArray>{hx("1B FF"), hx("FE 02 19 00 1B FE FF")} << answer << 0;
    QTest::newRow("trailer cut") << QList<QByteArray>{hx("1B FF FE 02 19 00 1B FE"), hx("FF")}
                                 << answer << 0;
    QTest::newRow("set and query merged")
        << QList<QByteArray>{hx("1B FF FE 01 00 01 06 1B FE FF 1B FF FE 02 00 00 1B FE FF")}
        << hx("1B FF FE 02 00 01 06 1B FE FF") << 0;
    QTest::newRow("garbage before")
        << QList<QByteArray>{hx("00 11 22 1B 1B FF") + query} << answer << 6;
    QTest::newRow("garbage after, held back header bytes")
        << QList<QByteArray>{query + hx("41 1B FF")} << answer << 3;
    QTest::newRow("huge length byte, then a good frame")
        << QList<QByteArray>{hx("1B FF FE 01 19 FF 01 02"), query} << answer << 8;
    QTest::newRow("wrong trailer")
        << QList<QByteArray>{hx("1B FF FE 02 19 00 1B FE 00"), query} << answer << 9;
    QTest::newRow("status query with length 4, then another frame")
        << QList<QByteArray>{hx("1B FF FE 00 03 04 1B FE FF") + speedQuery}
        << hx("1B FF FE 00 03 04 00 00 00 00 1B FE FF") + speedAnswer << 0;
    QTest::newRow("header bytes inside text data")
        << QList<QByteArray>{hx("1B FF FE 01 2B 04 1B FF FE 00 1B FE FF"),
                             hx("1B FF FE 02 2B 00 1B FE FF")}
        << hx("1B FF FE 02 2B 04 1B FF FE 00 1B FE FF") << 0;
}

void TestPrinterModel::framing()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QByteArray, replies);
    QFETCH(int, rawBytes);

    PrinterConfig c = testConfig();
    c.settings[0x19] = hx("18 00");
    c.settings[0x00] = hx("03");
    PrinterModel model(c);
    QByteArray got;
    for (const QByteArray &chunk : chunks)
        got += model.feed(chunk);
    QCOMPARE(spaced(got), spaced(replies));
    model.endStream();
    QCOMPARE(model.rawByteCount(), qint64(rawBytes));
    QCOMPARE(model.pendingBytes(), 0);
}

void TestPrinterModel::garbageKeepsMemoryBounded()
{
    PrinterModel model(testConfig());
    model.setRawKeepLimit(64 * 1024);
    QRandomGenerator rng(1234);
    qint64 total = 0;
    // 8 MiB of noise full of headers that promise long frames which never complete.
    for (int chunk = 0; chunk < 128; ++chunk) {
        QByteArray noise;
        noise.reserve(64 * 1024);
        while (noise.size() < 64 * 1024) {
            if (rng.bounded(4) == 0)
                noise += hx("1B FF FE 01 19 FF");
            noise += char(0x20 + rng.bounded(0x5F));
        }
        total += noise.size();
        QCOMPARE(model.feed(noise), QByteArray());
        QVERIFY(model.pendingBytes() <= 264);
        QVERIFY(model.rawBytes().size() <= 64 * 1024);
    }
    // A good frame still gets its answer after all that.
    model.setValue(0x19, hx("18 00"));
    QCOMPARE(spaced(model.feed(hx("1B FF FE 02 19 00 1B FE FF"))),
             spaced(hx("1B FF FE 02 19 02 18 00 1B FE FF")));
    model.endStream();
    QCOMPARE(model.rawByteCount(), total);
    QCOMPARE(model.frameCount(), 1);
}

void TestPrinterModel::rawSinkCountAndSha256()
{
    PrinterModel model(testConfig());
    // "abc" around a frame: only the three letters are raw data.
    model.feed("a");
    model.feed(hx("1B FF FE 00 00 00 1B FE FF") + "b");
    model.feed("c");
    QCOMPARE(model.rawByteCount(), 3);
    QCOMPARE(model.rawBytes(), QByteArray("abc"));
    QCOMPARE(QString::fromLatin1(model.rawSha256().toHex()),
             QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

void TestPrinterModel::replyFaults_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("fault");

    QTest::newRow("silent item") << hx("1B FF FE 02 19 00 1B FE FF") << QByteArray() << "silent";
    QTest::newRow("silent status word")
        << hx("1B FF FE 00 03 04 1B FE FF") << QByteArray() << "silentStatus";
    QTest::newRow("other items still answered")
        << hx("1B FF FE 02 1A 00 1B FE FF") << hx("1B FF FE 02 1A 02 30 00 1B FE FF") << "silent";
    QTest::newRow("wrong item code") << hx("1B FF FE 02 19 00 1B FE FF")
                                     << hx("1B FF FE 02 1A 02 18 00 1B FE FF") << "wrongItem";
    QTest::newRow("stray bytes") << hx("1B FF FE 02 19 00 1B FE FF")
                                 << hx("00 AA 1B 55 1B FF FE 02 19 02 18 00 1B FE FF") << "stray";
    QTest::newRow("length bit 7") << hx("1B FF FE 02 19 00 1B FE FF")
                                  << hx("1B FF FE 02 19 82 18 00 1B FE FF") << "bit7";
}

void TestPrinterModel::replyFaults()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QFETCH(QString, fault);

    PrinterModel model(testConfig());
    model.setValue(0x19, hx("18 00"));
    model.setValue(0x1A, hx("30 00"));
    PrinterFaults f;
    if (fault == "silent")
        f.silentItems = {0x19};
    else if (fault == "silentStatus")
        f.silentItems = {0x03};
    else if (fault == "wrongItem")
        f.wrongItemItems = {0x19};
    else if (fault == "stray")
        f.strayBytes = hx("00 AA 1B 55");
    else if (fault == "bit7")
        f.lengthBit7 = true;
    model.setFaults(f);
    QCOMPARE(spaced(model.feed(request)), spaced(reply));
    QCOMPARE(model.frameCount(), 1); // the request was received all the same
}

QTEST_GUILESS_MAIN(TestPrinterModel)
#include "tst_printermodel.moc"
