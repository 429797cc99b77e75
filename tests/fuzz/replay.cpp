// Runs a fuzz target once over every file of its corpus directory.
#include "fuzzcheck.h"

#include <QDir>
#include <QFile>

#include <vector>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QFileInfoList files = QDir(QString::fromLocal8Bit(argv[1])).entryInfoList(QDir::Files);
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = file.readAll();
        // An exact-size copy, so that reading past the input is caught under ASan.
        const std::vector<uint8_t> input(bytes.begin(), bytes.end());
        std::fprintf(stderr, "%s\n", qPrintable(info.fileName()));
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%d inputs\n", int(files.size()));
    return files.isEmpty() ? 1 : 0; // no input at all means a wrong directory
}
