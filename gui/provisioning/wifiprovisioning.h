#pragma once

#include "core/hostwifi/wificred.h"
#include "device/jobs/job.h"

#include <QObject>
#include <QPointer>

class DistributeNet;
class PageHost;
class PrinterSession;

// WiFi provisioning: opens the provisioning window (one at a time) and hands the
// credentials chosen there to the open printer, which then joins that network as a
// station. The window is unavailable while the printer is in use. The hand-off runs as a
// job; closing the window or the job's Cancel stops it before its next frame.
class WifiProvisioning : public QObject
{
    Q_OBJECT

public:
    WifiProvisioning(PrinterSession &session, PageHost &host, QObject *parent = nullptr);
    ~WifiProvisioning() override;

    // Opens the window, or brings the open one to the front.
    void open();
    // The open window, or none.
    DistributeNet *window() const;

    // Sends the credentials: the station-mode frame first unless the printer is known to
    // be in station mode, then the network name and password.
    void sendCredentials(const WifiCred &cred);
    // The hand-off under way, or none.
    jobs::Job *job() const { return m_job; }

signals:
    // The credentials about to be sent, so that the WiFi page shows them (and can send
    // them again) whatever the printer answers.
    void credentialsTried(const WifiCred &cred);
    // The printer took the credentials and is in station mode now.
    void credentialsSent(const WifiCred &cred);

private:
    void handedOff(const WifiCred &cred, const ops::Outcome &sent);
    void closeWindow();
    void updateAvailability();

    PrinterSession &m_session;
    PageHost &m_host;
    QPointer<DistributeNet> m_window;
    QPointer<jobs::Job> m_job;
};
