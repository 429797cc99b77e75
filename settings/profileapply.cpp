#include "settings/profileapply.h"

#include "protocol/commandcodes.h"
#include "protocol/printersession.h"

namespace profileapply {

namespace {

QString qualified(const QString &page, const QString &setting)
{
    return page + QLatin1Char('.') + setting;
}

} // namespace

const QList<PageAccess> &pageAccess()
{
    static const QList<PageAccess> list;
    return list;
}

int save(PrinterSession &session, bool withSecrets, profile::Profile *out, QString *failedPage)
{
    out->dotsPerMm = session.dotsPerMm();
    out->settings = QJsonObject();
    for (const PageAccess &page : pageAccess()) {
        const QStringList lacking = page.lacking(session);
        if (lacking.contains(QStringLiteral("*")))
            continue;
        QJsonObject settings;
        const int result = page.read(session, &settings);
        if (result != RESULT_OK) {
            if (failedPage)
                *failedPage = page.name;
            return result;
        }
        for (const QString &name : lacking)
            settings.remove(name);
        if (!withSecrets) {
            for (const QString &name : page.secrets)
                settings.remove(name);
        }
        out->settings.insert(page.name, settings);
    }
    return RESULT_OK;
}

bool check(const profile::Profile &wanted, QString *error)
{
    for (const PageAccess &page : pageAccess()) {
        const QJsonValue settings = wanted.settings.value(page.name);
        if (settings.isUndefined())
            continue;
        QString why;
        if (!page.check(settings.toObject(), &why)) {
            *error = QStringLiteral("%1: %2").arg(page.name, why);
            return false;
        }
    }
    return true;
}

Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify)
{
    Outcome outcome;
    if (!check(wanted, &outcome.refused))
        return outcome;
    for (const PageAccess &page : pageAccess()) {
        const QJsonObject want = wanted.settings.value(page.name).toObject();
        if (want.isEmpty())
            continue;
        const QStringList lacking = page.lacking(session);
        QJsonObject applicable;
        for (auto it = want.begin(); it != want.end(); ++it) {
            if (lacking.contains(QStringLiteral("*")) || lacking.contains(it.key()))
                outcome.skipped << qualified(page.name, it.key());
            else
                applicable.insert(it.key(), it.value());
        }
        if (applicable.isEmpty())
            continue;
        QJsonObject current;
        int result = page.read(session, &current);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page.name;
            return outcome;
        }
        const QList<profile::Difference> differences =
            profile::diff(QJsonObject{{page.name, current}}, QJsonObject{{page.name, applicable}});
        outcome.differences += differences;
        if (dryRun || differences.isEmpty())
            continue;
        QJsonObject changes;
        for (const profile::Difference &d : differences)
            changes.insert(d.setting, d.profile);
        result = page.write(session, current, changes);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page.name;
            return outcome;
        }
        for (const profile::Difference &d : differences)
            outcome.written << qualified(page.name, d.setting);
        outcome.restartNeeded |= page.needsRestart;
        if (!verify)
            continue;
        QJsonObject after;
        result = page.read(session, &after);
        if (result != RESULT_OK) {
            outcome.result = result;
            outcome.failedPage = page.name;
            return outcome;
        }
        outcome.notVerified +=
            profile::diff(QJsonObject{{page.name, after}}, QJsonObject{{page.name, changes}});
    }
    return outcome;
}

} // namespace profileapply
