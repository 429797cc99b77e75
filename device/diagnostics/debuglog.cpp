#include "device/diagnostics/debuglog.h"

#include <QDateTime>
#include <QMutexLocker>
#include <atomic>

namespace {
// The installed log; Qt's handler is a plain function and carries no context.
std::atomic<DebugLog *> s_installed{nullptr};
} // namespace

DebugLog::DebugLog(int capacity) : m_capacity(qMax(1, capacity)) {}

DebugLog::~DebugLog()
{
    if (!m_installed)
        return;
    qInstallMessageHandler(m_previous);
    s_installed = nullptr;
}

bool DebugLog::install(bool passOn)
{
    m_passOn = passOn;
    DebugLog *expected = nullptr;
    if (!s_installed.compare_exchange_strong(expected, this))
        return expected == this;
    m_previous = qInstallMessageHandler(&DebugLog::handle);
    m_installed = true;
    return true;
}

void DebugLog::append(const QString &line)
{
    const QMutexLocker lock(&m_mutex);
    m_lines.push_back(line);
    while (int(m_lines.size()) > m_capacity)
        m_lines.pop_front();
}

QStringList DebugLog::lines() const
{
    const QMutexLocker lock(&m_mutex);
    return QStringList(m_lines.begin(), m_lines.end());
}

void DebugLog::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    DebugLog *log = s_installed.load();
    if (!log)
        return;
    static const char *const kinds[] = {"debug", "warning", "critical", "fatal", "info"};
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    const int kind = int(type);
    log->append(QStringLiteral("%1 %2 %3")
                    .arg(time, QLatin1String(kind >= 0 && kind < 5 ? kinds[kind] : "?"), message));
    if (!log->m_passOn)
        return;
    if (log->m_previous)
        log->m_previous(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}
