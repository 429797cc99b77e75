// What "变更记录" costs the window's thread with a large journal: the rows of one
// printer from the journal's last 2 MiB, against reading the whole file, for a journal
// of 100,000 lines (about 30 MiB) of ten printers. Each the median of five reads.
//   history_tail_2MiB   the dialog's rows, as the window reads them
//   history_whole_file  every line of the printer, as labelsetup-cli history reads them
#include "gui/shell/windowjournal.h"
#include "device/journal/journal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(const std::function<void()> &work)
{
    std::vector<double> ms;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.jsonl"));
    {
        journal::Writer writer(path);
        const QDateTime start(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
        for (int i = 0; i < 100000; ++i) {
            journal::Entry e;
            e.time = start.addSecs(i * 60);
            e.face = QStringLiteral("cli");
            e.model = QStringLiteral("K53TA");
            e.serial = QStringLiteral("SN%1").arg(i % 10);
            e.address = QStringLiteral("127.0.0.%1:9100").arg(i % 10 + 1);
            e.changes = {{QStringLiteral("print.density"), i % 15, (i + 1) % 15},
                         {QStringLiteral("bluetooth.pin"), QStringLiteral("a"), QStringLiteral("b")}};
            e.outcome = QStringLiteral("ok");
            writer.append(e);
        }
    }
    const QString printer = QStringLiteral("127.0.0.3:9100");
    int tailRows = 0;
    const double tail = medianMs([&] {
        tailRows = WindowJournal::historyRows(path, printer, 2 * 1024 * 1024).size();
    });
    int wholeRows = 0;
    const double whole = medianMs([&] {
        wholeRows = WindowJournal::historyRows(path, printer, 0).size();
    });
    std::printf("journal: %.1f MiB, rows of one printer: %d in the tail, %d in all\n",
                double(QFileInfo(path).size()) / 1048576.0, tailRows, wholeRows);
    std::printf("BENCH history_tail_2MiB %.1f ms\n", tail);
    std::printf("BENCH history_whole_file %.1f ms\n", whole);
    return 0;
}
