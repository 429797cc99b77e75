#include "gui/provisioning/wifiprovisioning.h"

#include "gui/widgets/pagehost.h"
#include "gui/widgets/prompts.h"
#include "device/operations/printeroperations.h"
#include "gui/provisioning/distributenet.h"
#include "gui/pages/pagefields.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"

#include <QCoreApplication>

#include <QDebug>
#include <QHash>
#include <QJsonValue>

WifiProvisioning::WifiProvisioning(PrinterSession &session, PageHost &host, QObject *parent)
    : QObject(parent), m_session(session), m_host(host)
{
    connect(&m_session, &PrinterSession::heldChanged, this, &WifiProvisioning::updateAvailability);
    connect(&m_session, &PrinterSession::streamingChanged, this,
            &WifiProvisioning::updateAvailability);
}

WifiProvisioning::~WifiProvisioning()
{
    // The window has no parent; it must not outlive its owner.
    delete m_window;
}

DistributeNet *WifiProvisioning::window() const
{
    return m_window;
}

void WifiProvisioning::open()
{
    if (!m_host.requireOpenDevice())
        return;
    if (m_window) {
        if (m_window->isMinimized())
            m_window->showNormal();
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new DistributeNet();
    connect(m_window, &DistributeNet::closed, this, &WifiProvisioning::closeWindow);
    connect(m_window, &DistributeNet::wifiCredReady, this, &WifiProvisioning::sendCredentials);
    m_window->show();
}

void WifiProvisioning::closeWindow()
{
    // A window closed during the hand-off takes it back before its next frame.
    if (m_job)
        m_job->cancel();
    if (QWidget *parent = m_host.dialogParent())
        parent->window()->show();
    if (!m_window)
        return;
    m_window->hide();
    m_window->deleteLater();
    m_window = nullptr;
}

void WifiProvisioning::updateAvailability()
{
    if (m_window)
        m_window->setEnabled(!m_session.busy() && !m_job);
}

void WifiProvisioning::sendCredentials(const WifiCred &cred)
{
    if (!cred.valid) {
        prompts::information(m_window, tr("错误"), cred.errorMessage);
        return;
    }
    qDebug().noquote() << "收到WiFi凭证 - SSID:" << cred.ssid
                       << "密码:" << QString(cred.password.size(), QLatin1Char('*'));
    // A name or password no network can have is refused before anything is sent, as the
    // WiFi page refuses it; the window stays for another try.
    QString refusedKey;
    if (!ops::checkCredentials(cred.ssid, cred.password, &refusedKey).ok()) {
        const settingtable::Row &row = *settingtable::find(QStringLiteral("wifi"), refusedKey);
        double min = 0;
        double max = 0;
        settingtable::range(row, 0, &min, &max);
        pagefields::refuse(m_window, settingtable::label(row), min, max,
                           QCoreApplication::translate("DistributeNet", "WIFI配网"));
        return;
    }
    // The printer may have been closed while the window stayed open.
    if (!m_host.requireOpenDevice())
        return;
    emit credentialsTried(cred);
    m_job = m_host.startJob(tr("WiFi配网"), [cred](jobs::Context &context) {
        return ops::provision(context.session(), cred.ssid, cred.password,
                              ops::ModeKnowledge::AsKnown);
    });
    connect(m_job, &jobs::Job::finished, this,
            [this, cred](const ops::Outcome &sent) { handedOff(cred, sent); });
    updateAvailability();
}

void WifiProvisioning::handedOff(const WifiCred &cred, const ops::Outcome &sent)
{
    // The password is a secret: the journal says only that it changed.
    const QHash<QString, QString> to{{QStringLiteral("wifi.mode"), QStringLiteral("station")},
                                     {QStringLiteral("wifi.stationName"), cred.ssid},
                                     {QStringLiteral("wifi.stationPassword"), cred.password}};
    journal::Entry entry;
    for (const QString &key : sent.written + sent.unconfirmed)
        entry.changes.append({key, QJsonValue(), to.value(key)});
    m_host.recordChange(entry, sent);
    m_job = nullptr;
    updateAvailability();
    if (sent.code == ops::Code::Interrupted) {
        // Said in the status line; the window stays for another try.
        m_host.showLastResult(
            sent.written.isEmpty()
                ? tr("WiFi配网已取消：什么也没有发送")
                : tr("WiFi配网已取消：已切换为站点模式，网络名称和密码未发送"));
        return;
    }
    // A refused mode change keeps the window for another try.
    if (sent.step == QLatin1String("wifi.mode")) {
        m_host.reportResult(sent.result);
        return;
    }
    if (sent.ok())
        emit credentialsSent(cred);
    m_host.reportResult(sent.result);
    closeWindow();
}
