// Decryption of firmware and font files: the cipher against the published vector,
// the block rule for a short last block, output naming and open failures.
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
        const QByteArray tail(reinterpret_cast<const char *>(&i), 4);
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
    void missingInputCreatesNothing();
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
}

void TestFileDecrypt::decryptFile()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("fw.hex"));
    const QString out = dir.filePath(QStringLiteral("fw_decrypted.hex"));
    QVERIFY(writeFile(in, input));
    QVERIFY(writeFile(out, QByteArray(100, 'x'))); // an old copy is replaced
    QCOMPARE(filedecrypt::decryptFile(in, out), filedecrypt::Result::Ok);
    QCOMPARE(readAll(out).toHex(), expected.toHex());
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

void TestFileDecrypt::missingInputCreatesNothing()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x_decrypted.hex"));
    QCOMPARE(filedecrypt::decryptFile(dir.filePath(QStringLiteral("none.hex")), out),
             filedecrypt::Result::InputOpenFailed);
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(TestFileDecrypt)
#include "tst_filedecrypt.moc"
