#pragma once

#include <QCoreApplication>
#include <QStringList>

class PageHost;
class PrinterSession;

// "保存配置…" and "应用配置…" of the printer-settings tab: the open printer's settings to
// a profile file, and a profile to the printer after the user saw what would change.
class ProfileActions
{
    Q_DECLARE_TR_FUNCTIONS(ProfileActions)

public:
    ProfileActions(PrinterSession &session, PageHost &host) : m_session(session), m_host(host) {}

    void save();
    // The pages it wrote to, wholly or in part (a write that failed too), as profiles
    // name them.
    QStringList apply();

private:
    PrinterSession &m_session;
    PageHost &m_host;
};
