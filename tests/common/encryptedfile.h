#pragma once

#include "core/files/filedecrypt.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <openssl/evp.h>

// Plain file content that the simulated printer takes as raw data only: no byte is
// 0x1B, so nothing in it can look like a frame header.
inline QByteArray rawPayload(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = char(random.bounded(0x1C, 0x100));
    return bytes;
}

inline bool writePlainFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes `plain` (whole blocks) encrypted with the file key, as files are delivered.
inline bool writeEncryptedFile(const QString &path, const QByteArray &plain)
{
    QByteArray cipher(plain.size() + filedecrypt::kBlockSize, '\0');
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    int produced = 0;
    const bool ok =
        plain.size() % filedecrypt::kBlockSize == 0 &&
        EVP_EncryptInit_ex(ctx, EVP_aes_128_ecb(), nullptr, filedecrypt::key(), nullptr) == 1 &&
        EVP_CIPHER_CTX_set_padding(ctx, 0) == 1 &&
        EVP_EncryptUpdate(ctx, reinterpret_cast<unsigned char *>(cipher.data()), &produced,
                          reinterpret_cast<const unsigned char *>(plain.constData()),
                          plain.size()) == 1;
    EVP_CIPHER_CTX_free(ctx);
    return ok && writePlainFile(path, cipher.left(produced));
}
