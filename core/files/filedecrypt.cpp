#include "core/files/filedecrypt.h"

#include "core/files/plaincopy.h"
#include "core/files/regularfile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <openssl/evp.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

const uint8_t kKey[filedecrypt::kBlockSize] = {'7', '4', '0', '2', '6', '1', '9', '3',
                                               '8', 'z', 'k', 'v', 'b', 'm', 'w', 'a'};

// Large enough that system calls and cipher set-up vanish against the copying, small
// enough to keep memory flat whatever the file's size.
constexpr int kChunkSize = 1 << 18;
constexpr int kMaxSiblings = 1000;

struct CipherContextFree
{
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

// One key schedule for a whole file. ECB has no chaining, so decrypting many blocks
// in one call gives the same bytes as decrypting them one by one.
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

    // `size` is a multiple of the block size, at most kChunkSize.
    bool decrypt(const uint8_t *input, int size, uint8_t *output)
    {
        int produced = 0;
        return m_ok && EVP_DecryptUpdate(m_ctx.get(), output, &produced, input, size) == 1 &&
               produced == size;
    }

    // A short last block of `n` bytes (0 < n < 16): zero-extended, decrypted, and cut
    // to its first n bytes without their trailing zeros. Returns the bytes kept, or -1.
    int decryptTail(const uint8_t *input, int n, uint8_t *output)
    {
        uint8_t block[filedecrypt::kBlockSize] = {};
        std::memcpy(block, input, size_t(n));
        if (!decrypt(block, filedecrypt::kBlockSize, block))
            return -1;
        int keep = n;
        while (keep > 0 && block[keep - 1] == 0)
            --keep;
        std::memcpy(output, block, size_t(keep));
        return keep;
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

QString siblingPath(const QString &path, int number)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-') +
           QString::number(number) + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

// Creates a new file that only its owner may read; never opens an existing one. The
// descriptor stays open for reading: the copy is sent through it, not reopened by name.
int createNew(const QString &wanted, QFile *file, QString *created, int *lastErrno)
{
    for (int number = 1; number <= kMaxSiblings; ++number) {
        const QString path = number == 1 ? wanted : siblingPath(wanted, number);
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            *lastErrno = errno;
            if (errno == EEXIST)
                continue;
            return -1;
        }
        file->setFileName(path);
        if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle)) {
            ::close(fd);
            QFile::remove(path);
            return -1;
        }
        *created = path;
        return fd;
    }
    return -1;
}

// Reads until `size` bytes are in or the file ends; -1 on a read error.
qint64 readFully(QFile &file, char *buffer, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const qint64 n = file.read(buffer + total, size - total);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

} // namespace

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

bool decryptBytes(const QByteArray &cipher, QByteArray *plain)
{
    BlockDecryptor decryptor(kKey);
    const auto *in = reinterpret_cast<const uint8_t *>(cipher.constData());
    const int whole = cipher.size() - cipher.size() % kBlockSize;
    QByteArray out(cipher.size(), '\0');
    auto *outBytes = reinterpret_cast<uint8_t *>(out.data());
    for (int at = 0; at < whole; at += kChunkSize) {
        if (!decryptor.decrypt(in + at, std::min(kChunkSize, whole - at), outBytes + at))
            return false;
    }
    int size = whole;
    if (whole < cipher.size()) {
        const int kept = decryptor.decryptTail(in + whole, cipher.size() - whole, outBytes + whole);
        if (kept < 0)
            return false;
        size += kept;
    }
    out.truncate(size);
    if (plain)
        *plain = out;
    return true;
}

Result decryptFile(const QString &inputPath, const QString &outputPath, QString *createdPath,
                   QString *error)
{
    PlainCopy copy;
    const Result result = decryptFile(inputPath, outputPath, &copy, error);
    if (createdPath)
        *createdPath = copy.path();
    return result;
}

Result decryptFile(const QString &inputPath, const QString &outputPath, PlainCopy *copy,
                   QString *error)
{
    auto fail = [error](Result result, const QString &why) {
        if (error)
            *error = why;
        return result;
    };

    QFile input;
    QString refused;
    if (!regularfile::open(inputPath, &input, &refused)) {
        qDebug() << "Failed to open input file:" << inputPath;
        return fail(Result::InputOpenFailed, refused);
    }
    QFile output;
    QString created;
    int openErrno = 0;
    const int fd = createNew(outputPath, &output, &created, &openErrno);
    if (fd < 0) {
        qDebug() << "Failed to open decrypted file:" << outputPath;
        return fail(Result::OutputOpenFailed, QString::fromLocal8Bit(std::strerror(openErrno)));
    }
    // Whatever goes wrong below, no partial plain file stays behind to be sent later.
    auto discard = [&](Result result, const QString &why) {
        output.close();
        QFile::remove(created);
        ::close(fd);
        qDebug() << "Decryption failed:" << why;
        return fail(result, why);
    };
    uint8_t keyBuffer[kBlockSize];
    std::memcpy(keyBuffer, kKey, kBlockSize);
    BlockDecryptor decryptor(keyBuffer);
    const std::unique_ptr<uint8_t[]> in(new uint8_t[kChunkSize]);
    const std::unique_ptr<uint8_t[]> plain(new uint8_t[kChunkSize]);
    for (;;) {
        const qint64 n = readFully(input, reinterpret_cast<char *>(in.get()), kChunkSize);
        if (n < 0)
            return discard(Result::ReadFailed, input.errorString());
        const int whole = int(n - n % kBlockSize);
        int size = whole;
        if (whole > 0 && !decryptor.decrypt(in.get(), whole, plain.get()))
            return discard(Result::CipherFailed, QStringLiteral("AES-128"));
        // A chunk is a multiple of the block size, so only the file's end is short.
        if (whole < n) {
            const int kept =
                decryptor.decryptTail(in.get() + whole, int(n) - whole, plain.get() + whole);
            if (kept < 0)
                return discard(Result::CipherFailed, QStringLiteral("AES-128"));
            size += kept;
        }
        if (size > 0 && output.write(reinterpret_cast<const char *>(plain.get()), size) != size)
            return discard(Result::WriteFailed, QString::fromLocal8Bit(std::strerror(errno)));
        if (n < kChunkSize)
            break;
    }
    if (!output.flush() || ::fsync(output.handle()) != 0)
        return discard(Result::WriteFailed, QString::fromLocal8Bit(std::strerror(errno)));
    output.close();
    input.close();
    qDebug() << "completed successfully.";
    if (copy)
        *copy = PlainCopy(created, fd);
    else
        ::close(fd);
    return Result::Ok;
}

} // namespace filedecrypt
