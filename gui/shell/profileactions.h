#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <functional>

class PageHost;
class PrinterSession;
namespace ops {
struct Outcome;
}
namespace profile {
struct Profile;
}
namespace profileapply {
struct Outcome;
}

// "保存配置…" and "应用配置…" of the printer-settings tab: the open printer's settings to
// a profile file, and a profile to the printer after the user saw what would change.
// The reads and writes run as jobs on the printer's worker; the boxes come once each has
// finished. It must outlive the jobs it starts: the window keeps one.
class ProfileActions
{
    Q_DECLARE_TR_FUNCTIONS(ProfileActions)

public:
    ProfileActions(PrinterSession &session, PageHost &host) : m_session(session), m_host(host) {}

    void save();
    // `written` is told, once the apply has ended, the pages it wrote to, wholly or in
    // part (a write that failed or was cancelled too), as profiles name them; it is not
    // told when nothing was sent.
    void apply(const std::function<void(const QStringList &written)> &written);

private:
    void saveFinished(const profile::Profile &saved, const ops::Outcome &outcome);
    // Shows what the preview found; true when the user chose to write it.
    bool previewAccepted(const profileapply::Outcome &preview);
    void applyPreviewed(const profile::Profile &wanted,
                        const std::function<void(const QStringList &written)> &written);
    // Reports the apply; the pages written to.
    QStringList applyFinished(const profileapply::Outcome &done, bool cancelled);
    // The settings written, or sent unconfirmed, go to the journal of changes.
    void record(const profileapply::Outcome &done, const ops::Outcome &job);

    PrinterSession &m_session;
    PageHost &m_host;
    QString m_skipped; // the preview's note on settings the model lacks, for the last box
};
