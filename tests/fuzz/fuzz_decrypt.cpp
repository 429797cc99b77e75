// A firmware or font file of any length, its short last block included, decrypted
// file to file as the download page does.
#include "core/files/filedecrypt.h"
#include "fuzzcheck.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.bin"));
    const QString output = dir.filePath(QStringLiteral("output.bin"));
    QFile file(input);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    QString created;
    FUZZ_CHECK(filedecrypt::decryptFile(input, output, &created) == filedecrypt::Result::Ok);
    FUZZ_CHECK(QFileInfo(created).size() <= qint64(size));
    // Each run's copy goes, or the next run finds its name taken.
    FUZZ_CHECK(QFile::remove(created));
    return 0;
}
