#include "cli/runloop.h"

#include "cli/interrupt.h"
#include "device/jobs/fleetrun.h"
#include "platform/process.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdio>

void runToEnd(CommandContext &c, const QObject *sender, const char *signal,
              const std::function<bool()> &over, const std::function<void()> &cancel)
{
    QEventLoop loop;
    bool cancelled = false;
    const auto check = [&] {
        if (!cancelled && c.interrupt && c.interrupt->requested()) {
            cancelled = true;
            cancel();
        }
        if (over())
            loop.quit();
    };
    QObject::connect(sender, signal, &loop, SLOT(quit()), Qt::QueuedConnection);
    // The signal is taken on a thread of its own, which only sets a flag: looked at here.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, check);
    watch.start(50);
    while (!over()) {
        loop.exec();
        check();
    }
}

ProgressLine::ProgressLine(const CommandContext &c)
    : m_shown(!c.out.json() && platform::stderrIsTerminal() && platform::stdoutIsTerminal())
{
}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::show(int done, int total)
{
    if (!m_shown || total < 2)
        return;
    const QByteArray text = jobs::FleetRun::progressText(done, total).toLocal8Bit();
    clear();
    std::fprintf(stderr, "\r%s", text.constData());
    std::fflush(stderr);
    m_width = jobs::FleetRun::progressText(done, total).size() * 2; // wide characters
}

void ProgressLine::clear()
{
    if (!m_shown || m_width == 0)
        return;
    std::fprintf(stderr, "\r%*s\r", m_width, "");
    std::fflush(stderr);
    m_width = 0;
}
