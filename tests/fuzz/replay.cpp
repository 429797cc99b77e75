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
    if (files.isEmpty())
        return 1; // no input at all means a wrong directory
    std::vector<std::vector<uint8_t>> inputs;
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = file.readAll();
        // An exact-size copy, so that reading past the input is caught under ASan.
        inputs.emplace_back(bytes.begin(), bytes.end());
    }
    // libFuzzer runs a target thousands of times in one process: a target that leaves
    // something behind between runs (a file, a full table) fails here as it would there.
    constexpr size_t kMinimumRuns = 1100;
    size_t runs = 0;
    for (size_t round = 0; runs < kMinimumRuns; ++round) {
        for (size_t i = 0; i < inputs.size(); ++i, ++runs) {
            if (round == 0)
                std::fprintf(stderr, "%s\n", qPrintable(files.at(int(i)).fileName()));
            LLVMFuzzerTestOneInput(inputs[i].data(), inputs[i].size());
        }
    }
    std::printf("%d inputs, %d runs\n", int(files.size()), int(runs));
    return 0;
}
