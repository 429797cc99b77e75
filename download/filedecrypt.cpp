#include "download/filedecrypt.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <openssl/evp.h>

#include <cstring>
#include <memory>

namespace {

const uint8_t kKey[filedecrypt::kBlockSize] = {'7', '4', '0', '2', '6', '1', '9', '3',
                                               '8', 'z', 'k', 'v', 'b', 'm', 'w', 'a'};

struct CipherContextFree
{
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

// One key schedule for a whole file; blocks are still decrypted one by one, without
// chaining, exactly as AES128_ECB_decrypt does.
class BlockDecryptor
{
public:
    explicit BlockDecryptor(const uint8_t *key) : m_ctx(EVP_CIPHER_CTX_new())
    {
        m_ok =
            m_ctx && EVP_DecryptInit_ex(m_ctx.get(), EVP_aes_128_ecb(), nullptr, key, nullptr) == 1;
        if (m_ok)
            EVP_CIPHER_CTX_set_padding(m_ctx.get(), 0);
    }

    bool decrypt(const uint8_t *input, uint8_t *output)
    {
        int produced = 0;
        return m_ok &&
               EVP_DecryptUpdate(m_ctx.get(), output, &produced, input, filedecrypt::kBlockSize) ==
                   1 &&
               produced == filedecrypt::kBlockSize;
    }

private:
    CipherContext m_ctx;
    bool m_ok = false;
};

QString outputPath(const QString &inputPath, const QString &suffix)
{
    const QFileInfo info(inputPath);
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
           QLatin1String("_decrypted.") + suffix;
}

} // namespace

void AES128_ECB_decrypt(const uint8_t *input, const uint8_t *key, uint8_t *output)
{
    BlockDecryptor decryptor(key);
    if (!decryptor.decrypt(input, output))
        std::memset(output, 0, filedecrypt::kBlockSize);
}

namespace filedecrypt {

const uint8_t *key()
{
    return kKey;
}

QString firmwareOutputPath(const QString &inputPath)
{
    return outputPath(inputPath, QStringLiteral("hex"));
}

QString fontOutputPath(const QString &inputPath)
{
    const QString suffix = QFileInfo(inputPath).suffix();
    return outputPath(inputPath, suffix.isEmpty() ? QStringLiteral("bin") : suffix);
}

Result decryptFile(const QString &inputPath, const QString &outputPath)
{
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        qDebug() << "Failed to open input file:" << inputPath;
        return Result::InputOpenFailed;
    }
    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug() << "Failed to open decrypted file:" << outputPath;
        input.close();
        return Result::OutputOpenFailed;
    }

    uint8_t keyBuffer[kBlockSize];
    std::memcpy(keyBuffer, kKey, kBlockSize);
    BlockDecryptor decryptor(keyBuffer);
    uint8_t block[kBlockSize];
    uint8_t plain[kBlockSize];
    while (!input.atEnd()) {
        std::memset(block, 0, kBlockSize);
        const qint64 n = input.read(reinterpret_cast<char *>(block), kBlockSize);
        // A read error would leave the file "not at its end" for ever.
        if (n <= 0)
            break;
        if (!decryptor.decrypt(block, plain))
            std::memset(plain, 0, kBlockSize);
        qint64 keep = n;
        // Only a short last block loses its trailing zeros.
        if (n < kBlockSize) {
            while (keep > 0 && plain[keep - 1] == 0)
                --keep;
        }
        if (keep > 0)
            output.write(reinterpret_cast<const char *>(plain), keep);
    }
    output.close();
    input.close();
    qDebug() << "completed successfully.";
    return Result::Ok;
}

} // namespace filedecrypt
