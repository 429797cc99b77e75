#pragma once

#include <QCoreApplication>
#include <QStringList>

class DebugLog;
class PageHost;
class PrinterSession;
namespace doctor {
struct NetTarget;
}

// "连接诊断" and "导出诊断报告…" of the connection panel.
class DiagnosticsActions
{
    Q_DECLARE_TR_FUNCTIONS(DiagnosticsActions)

public:
    DiagnosticsActions(PrinterSession &session, PageHost &host) : m_session(session), m_host(host)
    {
    }

    // Checks the USB printers and, when `target` has a host, that address; shows the
    // findings in a table.
    void runDoctor(const doctor::NetTarget &target);

    // Writes the diagnostics report to a file the user chooses. `listed` is what the
    // device list shows; the open printer is read when there is one.
    void exportReport(const QStringList &listed, const DebugLog *log);

private:
    PrinterSession &m_session;
    PageHost &m_host;
};
