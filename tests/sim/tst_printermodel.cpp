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

// The test printer: identity P, Q, R, S, T; fixed firmware and resolution; a few
// stored settings.
PrinterConfig testConfig()
{
    PrinterConfig c = PrinterConfig::defaults();
    c.identity = QStringList{"P", "Q", "R", "S", "T"};
    c.firmwareVersion = "V1.2.7";
    c.dpi = 203;
    c.maxWidthDots = 864;
    c.statusWord = 0x12345678;
    c.settings[0x00] = hx("03");
    c.settings[0x19] = hx("18 00");
    c.settings[0x1A] = hx("30 00");
    QString error;
    itemcatalog::fromJson(
        0x3C, QJsonObject{{"wifi", "00:1A:2B:3C:4D:5E"}, {"bluetooth", "a1:b2:c3:0d:0e:0f"}},
        &c.settings[0x3C], &error);
    return c;
}

} // namespace

class TestPrinterModel : public QObject
{
    Q_OBJECT

private slots:
    void exchange_data();
    void exchange();
    void garbageKeepsMemoryBounded();
    void rawSinkCountAndSha256();
};

// Input chunks, the replies expected after all of them, the raw byte count and the
// number of frames received. `fault` names a reply fault switched on for the row.
void TestPrinterModel::exchange_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QByteArray>("replies");
    QTest::addColumn<int>("rawBytes");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QString>("fault");
    auto row = [](const char *name, const QList<QByteArray> &chunks, const QByteArray &replies,
                  int frames = 1, int rawBytes = 0, const QString &fault = QString()) {
        QTest::newRow(name) << chunks << replies << rawBytes << frames << fault;
    };
    const QByteArray query = hx("1B FF FE 02 19 00 1B FE FF");
    const QByteArray answer = hx("1B FF FE 02 19 02 18 00 1B FE FF");

    // Set frames are not answered; the query after one gives the stored data back.
    row("label size, height dots first",
        {hx("1B FF FE 01 18 04 20 03 92 01 1B FE FF"), hx("1B FF FE 02 18 00 1B FE FF")},
        hx("1B FF FE 02 18 04 20 03 92 01 1B FE FF"), 2);
    row("ethernet addresses",
        {hx("1B FF FE 01 0D 0D 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 01 1B FE FF"),
         hx("1B FF FE 02 0D 00 1B FE FF")},
        hx("1B FF FE 02 0D 0D 01 C0 A8 01 64 FF FF FF 00 C0 A8 01 01 1B FE FF"), 2);
    row("wifi ip, mask and gateway swap places",
        {hx("1B FF FE 01 28 11 00 C0 A8 01 32 FF FF FF 00 C0 A8 01 01 00 00 00 00 1B FE FF"),
         hx("1B FF FE 02 28 00 1B FE FF")},
        hx("1B FF FE 02 28 11 00 C0 A8 01 32 C0 A8 01 01 FF FF FF 00 00 00 00 00 1B FE FF"), 2);
    // WiFi MAC in bytes 0-5, Bluetooth MAC in bytes 6-11; they cannot be written.
    row("mac addresses read only",
        {hx("1B FF FE 01 3C 06 01 02 03 04 05 06 1B FE FF"), hx("1B FF FE 02 3C 00 1B FE FF")},
        hx("1B FF FE 02 3C 0C 00 1A 2B 3C 4D 5E A1 B2 C3 0D 0E 0F 1B FE FF"), 2);
    // The status-word query carries length byte 4 and no data.
    row("status word, low byte first", {hx("1B FF FE 00 03 04 1B FE FF")},
        hx("1B FF FE 00 03 04 78 56 34 12 1B FE FF"));
    row("status word, length 0 asked", {hx("1B FF FE 00 03 00 1B FE FF")},
        hx("1B FF FE 00 03 04 78 56 34 12 1B FE FF"));
    row("firmware version", {hx("1B FF FE 00 04 00 1B FE FF")},
        hx("1B FF FE 00 04 07 56 31 2E 32 2E 37 00 1B FE FF"));
    row("resolution 203 dpi, 864 dots", {hx("1B FF FE 00 0B 00 1B FE FF")},
        hx("1B FF FE 00 0B 04 CB 00 60 03 1B FE FF"));
    row("identity P Q R S T", {hx("1B FF FE 02 0C 00 1B FE FF")},
        hx("1B FF FE 02 0C 0A 50 00 51 00 52 00 53 00 54 00 1B FE FF"));

    QList<QByteArray> bytewise;
    for (char c : query)
        bytewise << QByteArray(1, c);
    row("one byte at a time", bytewise, answer);
    row("set and query merged", {hx("1B FF FE 01 00 01 06 1B FE FF 1B FF FE 02 00 00 1B FE FF")},
        hx("1B FF FE 02 00 01 06 1B FE FF"), 2);
    row("garbage before", {hx("00 11 22 1B 1B FF") + query}, answer, 1, 6);
    row("garbage after, held back header bytes", {query + hx("41 1B FF")}, answer, 1, 3);
    row("huge length byte, then a good frame", {hx("1B FF FE 01 19 FF 01 02"), query}, answer, 1,
        8);
    row("wrong trailer", {hx("1B FF FE 02 19 00 1B FE 00"), query}, answer, 1, 9);
    row("status query with length 4, then another frame",
        {hx("1B FF FE 00 03 04 1B FE FF 1B FF FE 02 00 00 1B FE FF")},
        hx("1B FF FE 00 03 04 78 56 34 12 1B FE FF 1B FF FE 02 00 01 03 1B FE FF"), 2);
    row("header bytes inside text data",
        {hx("1B FF FE 01 2B 04 1B FF FE 00 1B FE FF"), hx("1B FF FE 02 2B 00 1B FE FF")},
        hx("1B FF FE 02 2B 04 1B FF FE 00 1B FE FF"), 2);

    // The request is received all the same when a fault spoils the answer.
    row("silent item", {query}, QByteArray(), 1, 0, "silent");
    row("silent status word", {hx("1B FF FE 00 03 04 1B FE FF")}, QByteArray(), 1, 0,
        "silentStatus");
    row("other items still answered", {hx("1B FF FE 02 1A 00 1B FE FF")},
        hx("1B FF FE 02 1A 02 30 00 1B FE FF"), 1, 0, "silent");
    row("wrong item code", {query}, hx("1B FF FE 02 1A 02 18 00 1B FE FF"), 1, 0, "wrongItem");
    row("stray bytes", {query}, hx("00 AA 1B 55 1B FF FE 02 19 02 18 00 1B FE FF"), 1, 0, "stray");
    row("length bit 7", {query}, hx("1B FF FE 02 19 82 18 00 1B FE FF"), 1, 0, "bit7");
}

void TestPrinterModel::exchange()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QByteArray, replies);
    QFETCH(int, rawBytes);
    QFETCH(int, frames);
    QFETCH(QString, fault);

    PrinterModel model(testConfig());
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
    QByteArray got;
    for (const QByteArray &chunk : chunks)
        got += model.feed(chunk);
    QCOMPARE(spaced(got), spaced(replies));
    model.endStream();
    QCOMPARE(model.rawByteCount(), qint64(rawBytes));
    QCOMPARE(model.pendingBytes(), 0);
    QCOMPARE(model.frameCount(), frames);
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
    QCOMPARE(model.rawBytes(), QByteArray("abc"));
    QCOMPARE(QString::fromLatin1(model.rawSha256().toHex()),
             QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

QTEST_GUILESS_MAIN(TestPrinterModel)
#include "tst_printermodel.moc"
