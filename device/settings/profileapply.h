#pragma once

#include "core/settings/profile.h"
#include "core/settings/settingtable.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

class PrinterSession;

// Saving a printer's settings to a profile and applying a profile to a printer, over
// the pages' plain-value reads and writes.
namespace profileapply {

// The settings of a page as profiles hold them: what the printer has, without read-only
// values and list answers no entry has. A result code.
int readPage(PrinterSession &session, const QString &page, QJsonObject *settings);

// Whether the open printer lacks the page, or one of its settings.
bool lacks(const PrinterSession &session, const QString &page, const QString &key = QString());

struct SaveOptions
{
    bool withSecrets = false;  // passwords and PINs
    bool withIdentity = false; // what identifies one printer: static addresses, names
    profile::Selection selection;
};

// Reads every selected page the printer has into a profile; the first failed read's
// result.
int save(PrinterSession &session, const SaveOptions &options, profile::Profile *out,
         QString *failedPage);
// Everything the printer has, secrets and identity too when `all`.
inline int save(PrinterSession &session, bool all, profile::Profile *out, QString *failedPage)
{
    return save(session, SaveOptions{all, all, {}}, out, failedPage);
}

// Checks every page of a profile for a printer of `dotsPerMm` (the profile's own when
// 0) before anything is sent: what each setting's field can store; false with the reason.
bool check(const profile::Profile &wanted, QString *error, int dotsPerMm = 0);
// The same for a printer of `model` (its resolution the profile's own when not known).
bool check(const profile::Profile &wanted, QString *error, settingtable::ModelFacts model);

// The settings of a profile outside the range a person may type (a label width a
// printer reported, say), each with the reason. apply() takes such a value only for a
// printer that already has it.
QStringList outsideTypedRange(const profile::Profile &wanted);

// The profile's settings for a printer of `dotsPerMm`: dot counts scaled and rounded.
QJsonObject forResolution(const profile::Profile &wanted, int dotsPerMm);

struct Outcome
{
    QString refused;                        // why the profile was refused before anything was sent
    int result = 0;                         // 0, or the first failed exchange's code
    QString failedPage;                     // where it failed
    QList<profile::Difference> differences; // what differed before anything was written
    QStringList skipped;                    // "page.setting" the model lacks
    QStringList written;                    // "page.setting" sent (and confirmed, when confirming)
    QStringList unconfirmed;                // "page.setting" sent, no answer after it
    bool confirmFailed = false;             // `result` is the confirming query's
    QList<profile::Difference> notVerified; // read back with another value (verify)
    bool restartNeeded = false;
    QStringList notAttempted; // pages left alone because the run was stopped
};

// Reads the printer, compares, and unless `dryRun` writes the settings that differ, page
// by page; with `verify` reads every written page back. Nothing is sent when the
// profile does not pass check(); `refused` says why. Once `stop` is set, no further page
// is begun; the pages left are listed in notAttempted.
Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify,
              const std::atomic<bool> *stop = nullptr);

} // namespace profileapply
