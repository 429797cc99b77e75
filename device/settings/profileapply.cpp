#include "device/settings/profileapply.h"

#include "core/protocol/commandcodes.h"
#include "device/settings/settingsengine.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"

#include <QHash>
#include <atomic>

namespace profileapply {

namespace {

QString qualified(const QString &page, const QString &setting)
{
    return page + QLatin1Char('.') + setting;
}

int readOrFail(PrinterSession &session, const QString &page, QJsonObject *settings,
               Outcome *outcome)
{
    const int result = readPage(session, page, settings);
    if (result != RESULT_OK) {
        outcome->result = result;
        outcome->failedPage = page;
    }
    return result;
}

} // namespace

bool lacks(const PrinterSession &session, const QString &page, const QString &key)
{
    const settingtable::Page *p = settingtable::findPage(page);
    if (!p || !session.settingsAllowed() ||
        !settingtable::modelHas(p->models, session.hasPrintMode()))
        return true;
    if (key.isEmpty())
        return false;
    const settingtable::Row *row = settingtable::find(page, key);
    return !row || !settingtable::modelHas(row->models, session.hasPrintMode());
}

int readPage(PrinterSession &session, const QString &page, QJsonObject *settings)
{
    QJsonObject values;
    // A profile wants every setting the printer can still be asked for.
    const int result =
        settingsengine::read(session, page, &values, settingsengine::Scope::Whole).firstFailure;
    *settings = QJsonObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const settingtable::Row *row = settingtable::find(page, it.key());
        // An unlisted code is not a value a profile can carry to another printer.
        if (row && !settingtable::has(*row, settingtable::ReadOnly) &&
            !settingtable::isUnlisted(it.value()) && !lacks(session, page, it.key()))
            settings->insert(it.key(), it.value());
    }
    return result;
}

int save(PrinterSession &session, const SaveOptions &options, profile::Profile *out,
         QString *failedPage)
{
    out->dotsPerMm = session.dotsPerMm();
    out->settings = QJsonObject();
    for (const QString &page : settingtable::pageNames()) {
        if (lacks(session, page) || !profile::selected(options.selection, page))
            continue;
        QJsonObject settings;
        const int result = readPage(session, page, &settings);
        if (result != RESULT_OK) {
            if (failedPage)
                *failedPage = page;
            return result;
        }
        QJsonObject kept;
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            const settingtable::Row &row = *settingtable::find(page, it.key());
            if ((options.withSecrets || !settingtable::has(row, settingtable::Secret)) &&
                (options.withIdentity || !settingtable::has(row, settingtable::Identity)) &&
                profile::selected(options.selection, page, it.key()))
                kept.insert(it.key(), it.value());
        }
        out->settings.insert(page, kept);
    }
    return RESULT_OK;
}

bool check(const profile::Profile &wanted, QString *error, int dotsPerMm)
{
    return check(wanted, error, settingtable::ModelFacts{dotsPerMm, std::nullopt});
}

bool check(const profile::Profile &wanted, QString *error, settingtable::ModelFacts model)
{
    if (model.dotsPerMm == 0)
        model.dotsPerMm = wanted.dotsPerMm;
    const QJsonObject settings = forResolution(wanted, model.dotsPerMm);
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        QString why;
        // A value a person could not type may still be what a printer has; apply judges
        // those against the printer.
        if (!settingtable::checkPage(it.key(), it.value().toObject(), model, &why,
                                     settingtable::Bounds::Stored)) {
            *error = QStringLiteral("%1: %2").arg(it.key(), why);
            return false;
        }
    }
    return true;
}

QStringList outsideTypedRange(const profile::Profile &wanted)
{
    QStringList out;
    for (auto page = wanted.settings.begin(); page != wanted.settings.end(); ++page) {
        const QJsonObject settings = page.value().toObject();
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            const settingtable::Row *row = settingtable::find(page.key(), it.key());
            QString why;
            if (row && !settingtable::check(*row, it.value(), wanted.dotsPerMm, &why))
                out << QStringLiteral("%1: %2").arg(page.key(), why);
        }
    }
    return out;
}

QJsonObject forResolution(const profile::Profile &wanted, int dotsPerMm)
{
    QJsonObject out = wanted.settings;
    if (dotsPerMm == wanted.dotsPerMm || wanted.dotsPerMm <= 0)
        return out;
    for (auto page = out.begin(); page != out.end(); ++page) {
        QJsonObject settings = page.value().toObject();
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            const settingtable::Row *row = settingtable::find(page.key(), it.key());
            if (row && row->unit == settingtable::Unit::Dots && it.value().isDouble())
                it.value() = qRound(it.value().toDouble() * dotsPerMm / wanted.dotsPerMm);
        }
        page.value() = settings;
    }
    return out;
}

Outcome apply(PrinterSession &session, const profile::Profile &wanted, bool dryRun, bool verify,
              const std::atomic<bool> *stop)
{
    Outcome outcome;
    const int dots = session.dotsPerMm();
    // The open printer's model: a list it offers fewer entries of is checked as it has it.
    if (!check(wanted, &outcome.refused, settingtable::ModelFacts{dots, session.hasPrintMode()}))
        return outcome;
    const QJsonObject settings = forResolution(wanted, dots);
    // A value outside what a person may type is taken only where the printer already has
    // it: the pages carrying one are read first, so that one that differs refuses the
    // profile before anything is sent.
    QHash<QString, QJsonObject> readFirst;
    for (const QString &page : settingtable::pageNames()) {
        const QJsonObject want = settings.value(page).toObject();
        for (auto it = want.begin(); it != want.end(); ++it) {
            const settingtable::Row *row = settingtable::find(page, it.key());
            QString why;
            if (lacks(session, page, it.key()) || settingtable::check(*row, it.value(), dots, &why))
                continue;
            if (!readFirst.contains(page)) {
                QJsonObject current;
                if (readOrFail(session, page, &current, &outcome) != RESULT_OK)
                    return outcome;
                readFirst.insert(page, current);
            }
            const QJsonValue has = readFirst.value(page).value(it.key());
            if (has != it.value()) {
                outcome.refused =
                    QStringLiteral("%1: %2, and the printer has %3; leave it out of the profile "
                                   "(--exclude %4) to keep the printer's value")
                        .arg(page, why, profile::valueText(has), qualified(page, it.key()));
                return outcome;
            }
        }
    }
    for (const QString &page : settingtable::pageNames()) {
        const QJsonObject want = settings.value(page).toObject();
        // A page is written whole or not begun: the stop falls between two pages.
        if (stop && *stop) {
            if (!want.isEmpty())
                outcome.notAttempted << page;
            continue;
        }
        QJsonObject applicable;
        for (auto it = want.begin(); it != want.end(); ++it) {
            if (lacks(session, page, it.key()))
                outcome.skipped << qualified(page, it.key());
            else
                applicable.insert(it.key(), it.value());
        }
        if (applicable.isEmpty())
            continue;
        QJsonObject current = readFirst.take(page);
        if (current.isEmpty() && readOrFail(session, page, &current, &outcome) != RESULT_OK)
            return outcome;
        const QList<profile::Difference> differences =
            profile::diff(QJsonObject{{page, current}}, QJsonObject{{page, applicable}});
        outcome.differences += differences;
        if (dryRun || differences.isEmpty())
            continue;
        QJsonObject changes;
        for (const profile::Difference &d : differences)
            changes.insert(d.setting, d.profile);
        // A frame that carries several settings takes the others as the printer has them.
        QList<uint8_t> sent;
        int confirmation = RESULT_OK;
        const int result =
            settingsengine::write(session, page, changes, current, &sent, &confirmation);
        if (result != RESULT_OK || confirmation != RESULT_OK) {
            outcome.result = result != RESULT_OK ? result : confirmation;
            outcome.confirmFailed = result == RESULT_OK;
            outcome.failedPage = page;
            // Sent, but what the printer took of them nobody can say.
            for (const profile::Difference &d : differences) {
                if (!sent.isEmpty())
                    outcome.unconfirmed << qualified(page, d.setting);
            }
            return outcome;
        }
        for (const profile::Difference &d : differences) {
            outcome.written << qualified(page, d.setting);
            outcome.restartNeeded |=
                settingtable::has(*settingtable::find(page, d.setting), settingtable::Restart);
        }
        if (!verify)
            continue;
        QJsonObject after;
        if (readOrFail(session, page, &after, &outcome) != RESULT_OK)
            return outcome;
        outcome.notVerified +=
            profile::diff(QJsonObject{{page, after}}, QJsonObject{{page, changes}});
    }
    return outcome;
}

} // namespace profileapply
