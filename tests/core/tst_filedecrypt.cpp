// Decryption of firmware and font files: a known answer for the fixed key, the cipher
// against OpenSSL, the block rule for a short last block, output naming, and a new
// owner-only output file beside an existing one.
#include "download/filedecrypt.h"
#include "encryptedfile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray decryptZeroExtended(const QByteArray &shortBlock)
{
    const QByteArray block =
        shortBlock + QByteArray(filedecrypt::kBlockSize - shortBlock.size(), 0);
    QByteArray plain(filedecrypt::kBlockSize, '\0');
    AES128_ECB_decrypt(reinterpret_cast<const uint8_t *>(block.constData()), filedecrypt::key(),
                       reinterpret_cast<uint8_t *>(plain.data()));
    return plain;
}

// A 4-byte tail whose zero-extended decryption has `zeros` zero bytes at the end of
// its first four bytes (and a non-zero byte before them).
QByteArray tailWithTrailingZeros(int zeros)
{
    for (quint32 i = 0;; ++i) {
        QByteArray tail(reinterpret_cast<const char *>(&i), 4);
        const QByteArray plain = decryptZeroExtended(tail);
        int trailing = 0;
        while (trailing < 4 && plain.at(3 - trailing) == 0)
            ++trailing;
        if (trailing == zeros)
            return tail;
    }
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFileDecrypt : public QObject
{
    Q_OBJECT
private slots:
    void decryptFile_data();
    void decryptFile();
};

void TestFileDecrypt::decryptFile_data()
{
    QTest::addColumn<QString>("name");     // of the input; "fw" ones are firmware, else font
    QTest::addColumn<QByteArray>("plain"); // whole blocks
    QTest::addColumn<int>("zeros");        // of a 4-byte tail's decryption; -1: no tail
    QTest::addColumn<QString>("output");
    const QByteArray first = QByteArray("firmware block 1");
    // Zeros at the end of a full block are data, not padding.
    const QByteArray second = QByteArray("ends in zero", 12) + QByteArray(4, '\0');
    QByteArray big(600 * 1024, '\0'); // several read chunks
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 + (i >> 9));
    QTest::newRow("two full blocks")
        << "fw.r7.hex" << first + second << -1 << "fw.r7_decrypted.hex";
    QTest::newRow("empty font without suffix")
        << "fontA" << QByteArray() << -1 << "fontA_decrypted.bin";
    QTest::newRow("20 bytes, no zero cut") << "fw.bin" << first << 0 << "fw_decrypted.hex";
    QTest::newRow("20 bytes, a zero cut") << "f.ttf" << first << 1 << "f_decrypted.ttf";
    QTest::newRow("600 KiB and a short block") << "fw" << big << 1 << "fw_decrypted.hex";
}

void TestFileDecrypt::decryptFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, plain);
    QFETCH(int, zeros);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString in = dir.filePath(name);
    QVERIFY(writeEncryptedFile(in, plain));
    if (zeros >= 0) {
        const QByteArray tail = tailWithTrailingZeros(zeros);
        QFile file(in);
        QVERIFY(file.open(QIODevice::Append) && file.write(tail) == 4);
        plain += decryptZeroExtended(tail).left(4 - zeros);
    }
    QByteArray fromBytes;
    QVERIFY(filedecrypt::decryptBytes(readAll(in), &fromBytes));
    QCOMPARE(fromBytes.toHex(), plain.toHex());

    const QString wanted = name.startsWith("fw") ? filedecrypt::firmwareOutputPath(in)
                                                 : filedecrypt::fontOutputPath(in);
    QCOMPARE(wanted, dir.filePath(output));
    QString created;
    QCOMPARE(filedecrypt::decryptFile(in, wanted, &created), filedecrypt::Result::Ok);
    QCOMPARE(created, wanted);
    QCOMPARE(readAll(created).toHex(), plain.toHex());
    QCOMPARE(QFile::permissions(created) & ~QFile::Permissions(QFile::ExeUser | QFile::ExeOwner),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    // The user's own files of those names are kept; the next free sibling is used.
    const QString base = wanted.chopped(4);
    QVERIFY(writePlainFile(base + "-2" + wanted.right(4), "mine"));
    QCOMPARE(filedecrypt::decryptFile(in, wanted, &created), filedecrypt::Result::Ok);
    QCOMPARE(created, base + "-3" + wanted.right(4));
    QCOMPARE(readAll(created).toHex(), plain.toHex());
    QCOMPARE(readAll(base + "-2" + wanted.right(4)), QByteArray("mine"));

    // A known answer pins the key; a missing input creates nothing.
    QVERIFY(filedecrypt::decryptBytes(QByteArray::fromHex("83199d4353f93a029ec96cf3b1eabec1"),
                                      &fromBytes));
    QCOMPARE(fromBytes, QByteArray("firmware block 1"));
    QCOMPARE(filedecrypt::decryptFile(in + "x", in + "y"), filedecrypt::Result::InputOpenFailed);
    QVERIFY(!QFile::exists(in + "y"));
}

QTEST_GUILESS_MAIN(TestFileDecrypt)
#include "tst_filedecrypt.moc"
