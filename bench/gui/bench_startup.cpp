// Start-up time to the main window shown (offscreen), median of repeated starts in
// fresh processes, and the peak memory of such a process.
//
// Each child process runs the same start-up as the tool (language, translation,
// font, window) and reports the time since its own process start and its peak
// resident memory.
#include "gui/shell/mainwindow.h"
#include "gui/shell/startup.h"
#include "core/language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since this process was started, from the kernel's start time.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    const LanguageChoice choice = chooseLanguage({}, QLocale::system());
    installTranslations(app, choice);
    QFont font(QString::fromUtf8(kApplicationFontFamily));
    font.setPointSize(choice.fontPointSize);
    app.setFont(font);
    MainWindow window;
    window.setWindowTitle(applicationWindowTitle());
    window.show();
    QTimer::singleShot(0, &app, [&] {
        std::printf("%.2f %.1f\n", msSinceProcessStart(), peakResidentMb());
        app.quit();
    });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);

    QCoreApplication app(argc, argv);
    constexpr int kRuns = 11;
    QList<double> times;
    double peak = 0;
    for (int i = 0; i < kRuns; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(app.applicationFilePath(), {QStringLiteral("--child")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "child failed: %s\n", child.readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        times.append(figures.value(0).toDouble());
        peak = std::max(peak, figures.value(1).toDouble());
    }
    std::sort(times.begin(), times.end());
    std::printf("BENCH startup_to_window_shown_median %.1f ms\n", times.at(kRuns / 2));
    std::printf("BENCH startup_peak_memory %.1f MB\n", peak);
    return 0;
}
