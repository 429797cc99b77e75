// Decryption of firmware and font files: the cipher against the published vector,
// the block rule for a short last block, output naming, a new owner-only output
// file beside an existing one, and failures that leave nothing behind.
#include "download/filedecrypt.h"

#include <QTemporaryDir>
#include <QtTest>
#include <openssl/evp.h>

namespace {

// Encrypts whole blocks with the fixed key, the way the files are delivered.
QByteArray encryptBlocks(const QByteArray &plain)
{
    Q_ASSERT(plain.size() % filedecrypt::kBlockSize == 0);
    QByteArray out(plain.size() + filedecrypt::kBlockSize, '\0');
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(ctx, EVP_aes_128_ecb(), nullptr, filedecrypt::key(), nullptr);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    int produced = 0;
    EVP_EncryptUpdate(ctx, reinterpret_cast<unsigned char *>(out.data()), &produced,
                      reinterpret_cast<const unsigned char *>(plain.constData()), plain.size());
    EVP_CIPHER_CTX_free(ctx);
    return out.left(produced);
}

QByteArray decryptZeroExtended(const QByteArray &shortBlock)
{
    QByteArray block = shortBlock;
    block.append(QByteArray(filedecrypt::kBlockSize - shortBlock.size(), '\0'));
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestFileDecrypt : public QObject
{
    Q_OBJECT
private slots:
    void publishedVector();
    void decryptFile_data();
    void decryptFile();
    void outputNaming_data();
    void outputNaming();
};

void TestFileDecrypt::publishedVector()
{
    const QByteArray key = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
    const QByteArray cipher = QByteArray::fromHex("69c4e0d86a7b0430d8cdb78070b4c55a");
    QByteArray plain(16, '\x55');
    AES128_ECB_decrypt(reinterpret_cast<const uint8_t *>(cipher.constData()),
                       reinterpret_cast<const uint8_t *>(key.constData()),
                       reinterpret_cast<uint8_t *>(plain.data()));
    QCOMPARE(plain.toHex(), QByteArray("00112233445566778899aabbccddeeff"));
}

void TestFileDecrypt::decryptFile_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray first = QByteArray("firmware block 1");
    // Zeros at the end of a full block are data, not padding.
    const QByteArray second = QByteArray("ends in zero", 12) + QByteArray(4, '\0');
    QTest::newRow("two full blocks") << encryptBlocks(first + second) << first + second;
    QTest::newRow("empty") << QByteArray() << QByteArray();

    for (int zeros : {0, 1}) {
        const QByteArray tail = tailWithTrailingZeros(zeros);
        const QByteArray tailPlain = decryptZeroExtended(tail).left(4 - zeros);
        QTest::addRow("20 bytes, %d zero(s) cut", zeros)
            << encryptBlocks(first) + tail << first + tailPlain;
    }
    // Several read chunks, ending in a short block.
    QByteArray big(600 * 1024, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 + (i >> 9));
    const QByteArray tail = tailWithTrailingZeros(1);
    QTest::newRow("600 KiB and a short block")
        << encryptBlocks(big) + tail << big + decryptZeroExtended(tail).left(3);
}

void TestFileDecrypt::decryptFile()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QByteArray fromBytes;
    QVERIFY(filedecrypt::decryptBytes(input, &fromBytes));
    QCOMPARE(fromBytes.toHex(), expected.toHex());

    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("fw.hex"));
    const QString wanted = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    QVERIFY(writeFile(in, input));
    QString created;
    QCOMPARE(filedecrypt::decryptFile(in, wanted, &created), filedecrypt::Result::Ok);
    QCOMPARE(created, wanted);
    QCOMPARE(readAll(created).toHex(), expected.toHex());
    QCOMPARE(QFile::permissions(created) & ~QFile::Permissions(QFile::ExeUser | QFile::ExeOwner),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    // The user's own files of those names are kept; the next free sibling is used.
    QVERIFY(writeFile(dir.filePath(QStringLiteral("fw_decrypted-2.hex")), "mine"));
    QCOMPARE(filedecrypt::decryptFile(in, wanted, &created), filedecrypt::Result::Ok);
    QCOMPARE(created, dir.filePath(QStringLiteral("fw_decrypted-3.hex")));
    QCOMPARE(readAll(created).toHex(), expected.toHex());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("fw_decrypted-2.hex"))), QByteArray("mine"));
}

void TestFileDecrypt::outputNaming_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("firmware");
    QTest::addColumn<QString>("output");
    QTest::newRow("font without suffix") << "/d/fontA" << false << "/d/fontA_decrypted.bin";
    QTest::newRow("firmware, two dots") << "/d/fw.r7.hex" << true << "/d/fw.r7_decrypted.hex";
    QTest::newRow("firmware is always .hex") << "/d/fw.bin" << true << "/d/fw_decrypted.hex";
}

void TestFileDecrypt::outputNaming()
{
    QFETCH(QString, input);
    QFETCH(bool, firmware);
    QFETCH(QString, output);
    QCOMPARE(firmware ? filedecrypt::firmwareOutputPath(input) : filedecrypt::fontOutputPath(input),
             output);
}

QTEST_GUILESS_MAIN(TestFileDecrypt)
#include "tst_filedecrypt.moc"
