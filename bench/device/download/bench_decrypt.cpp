// Decryption speed of a 16 MiB firmware file, from and to a memory-backed folder
// when one is available, best of several runs.
#include "core/files/filedecrypt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    constexpr qint64 kSize = 16 * 1024 * 1024 + 5; // with a short last block
    constexpr int kRuns = 5;
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/bench_decrypt-XXXXXX"));
    if (!dir.isValid())
        return 1;
    const QString input = dir.filePath(QStringLiteral("fw.hex"));
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray chunk(1 << 20, '\0');
        for (int i = 0; i < chunk.size(); ++i)
            chunk[i] = char((i * 131) ^ (i >> 7));
        for (qint64 written = 0; written < kSize;) {
            const qint64 n = std::min<qint64>(chunk.size(), kSize - written);
            if (file.write(chunk.constData(), n) != n)
                return 1;
            written += n;
        }
    }

    double bestMs = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        const QString output = dir.filePath(QStringLiteral("fw_decrypted.hex"));
        QFile::remove(output);
        QElapsedTimer timer;
        timer.start();
        if (filedecrypt::decryptFile(input, output) != filedecrypt::Result::Ok)
            return 1;
        bestMs = std::min(bestMs, timer.nsecsElapsed() / 1e6);
    }
    std::printf("BENCH decrypt_16MiB %.0f MB/s\n", kSize / 1e6 / (bestMs / 1e3));
    return 0;
}
