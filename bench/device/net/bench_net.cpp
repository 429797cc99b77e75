// Network exchange timings against the simulated printer on 127.0.0.1:
//   net_query_median      one information query (it ends with a 10 ms pause)
//   net_query_overhead    the same above that pause
//   net_print_read_14     the fourteen queries of a print-settings read in one bracket
//   net_timeout_wait_cpu  process CPU while an exchange waits out its 3 s time-out
#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "sim/simprinter.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void report(const char *name, double value, const char *unit)
{
    std::printf("BENCH %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The transport logs every exchange at debug level; keep that out of the timings.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    SimPrinter printer;
    printer.setTcpPort(0);
    printer.setUdpEnabled(false);
    QString error;
    if (!printer.start(&error)) {
        std::fprintf(stderr, "simulated printer: %s\n", qPrintable(error));
        return 1;
    }
    PrinterSession session;
    if (session.openNetwork(QStringLiteral("127.0.0.1"), printer.tcpPort()) != 0) {
        std::fprintf(stderr, "cannot connect to the simulated printer\n");
        return 1;
    }

    unsigned char out[frame::kQueryOutSize];
    {
        PrinterSession::Operation operation(session);
        std::vector<double> samples;
        for (int i = 0; i < 60; ++i) {
            QElapsedTimer clock;
            clock.start();
            if (session.queryInfo(INFO_PRINT_SPEED, out) != 0) {
                std::fprintf(stderr, "query failed\n");
                return 1;
            }
            if (i >= 5) // the first ones include connecting
                samples.push_back(clock.nsecsElapsed() / 1e6);
        }
        const double m = median(samples);
        report("net_query_median", m, "ms");
        report("net_query_overhead", m - 10.0, "ms");
    }

    // The print page's read: the last item depends on the model (0x54 or 0x41).
    const SetInfoType items[] = {INFO_PRINT_SPEED,     INFO_PRINT_DENSITY,   INFO_LABEL_GAP,
                                 INFO_BLACK_MARK_GAP,  INFO_PRINT_DIRECTION, INFO_PRINT_OFFSET,
                                 INFO_VERTICAL_OFFSET, INFO_PRINT_MODE,      INFO_PAPER_TYPE,
                                 INFO_CODE_PAGE,       INFO_COMMAND_SET,     INFO_LABEL_SIZE,
                                 INFO_MENU_LANGUAGE,   INFO_AUTO_PAPER};
    static_assert(sizeof(items) / sizeof(items[0]) == 14, "fourteen queries");
    std::vector<double> reads;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer clock;
        clock.start();
        {
            PrinterSession::Operation operation(session);
            for (SetInfoType item : items) {
                if (session.queryInfo(item, out) != 0) {
                    std::fprintf(stderr, "query %02X failed\n", unsigned(item));
                    return 1;
                }
            }
        }
        reads.push_back(clock.nsecsElapsed() / 1e6);
    }
    report("net_print_read_14", median(reads), "ms");

    printer.setSilentItems({INFO_PRINT_SPEED});
    {
        PrinterSession::Operation operation(session);
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = cpuSeconds();
        const int ret = session.queryInfo(INFO_PRINT_SPEED, out);
        const double cpu = cpuSeconds() - cpuBefore;
        const double wall = clock.nsecsElapsed() / 1e9;
        if (ret != RESULT_NETWORK) {
            std::fprintf(stderr, "expected a time-out, got %d\n", ret);
            return 1;
        }
        report("net_timeout_wait_cpu", 100.0 * cpu / wall, "%");
    }
    return 0;
}
