#include "device/journal/entries.h"

#include "core/settings/settingtable.h"
#include "device/fleet/rollout.h"
#include "device/operations/applymany.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace journal {

Entry entryFor(const QString &face, const QString &address, const ops::Outcome &outcome)
{
    Entry e;
    e.face = face;
    e.address = address;
    e.outcome = ops::codeName(outcome.code);
    e.sentence = outcome.sentence;
    return e;
}

QList<Change> settingChanges(const QString &page, const QList<uint8_t> &items,
                             const QJsonObject &from, const QJsonObject &to)
{
    QList<Change> changes;
    for (const uint8_t item : items) {
        for (const settingtable::Row *row : settingtable::rowsOf(page, item)) {
            const QString key = QLatin1String(row->key);
            if (settingtable::has(*row, settingtable::ReadOnly) || !to.contains(key) ||
                (from.contains(key) && from.value(key) == to.value(key)))
                continue;
            changes.append({page + QLatin1Char('.') + key, from.value(key), to.value(key)});
        }
    }
    return changes;
}

bool applied(const QString &face, const QString &address, const ops::PrinterRun &run, Entry *out)
{
    const profileapply::Outcome &d = run.details;
    if (run.state == ops::PrinterRun::State::NotStarted ||
        (d.written.isEmpty() && d.unconfirmed.isEmpty() && run.outcome.ok()))
        return false;
    *out = entryFor(face, address, run.outcome);
    out->model = run.model;
    for (const profile::Difference &diff : d.differences) {
        const QString key = diff.page + QLatin1Char('.') + diff.setting;
        if (d.written.contains(key) || d.unconfirmed.contains(key))
            out->changes.append({key, diff.printer, diff.profile});
    }
    return true;
}

File fileOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {QFileInfo(path).fileName(), QByteArray()};
    return {QFileInfo(path).fileName(), hash.result().toHex()};
}

bool rolledOut(const QString &face, const fleet::rollout::Result &result, const File &file,
               Entry *out)
{
    if (result.state == fleet::rollout::Result::State::NotAttempted)
        return false;
    *out = Entry();
    out->face = face;
    out->address = result.address.key();
    out->files.append(file);
    out->outcome = result.state == fleet::rollout::Result::State::Interrupted
                       ? ops::codeName(ops::Code::Interrupted)
                       : fleet::rollout::codeName(result.code);
    out->sentence = result.message;
    return true;
}

} // namespace journal
