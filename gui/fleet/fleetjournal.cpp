#include "gui/fleet/fleetjournal.h"

#include "device/fleet/fleetmodel.h"
#include "device/fleet/rollout.h"
#include "device/journal/entries.h"
#include "device/operations/applymany.h"

#include <QPointer>

namespace {

const QString kFace = QStringLiteral("fleet");

} // namespace

FleetJournal::FleetJournal(const fleet::FleetModel &model,
                           std::function<void(const QString &)> warn, QObject *parent)
    : QObject(parent), m_model(model)
{
    QPointer<FleetJournal> self(this);
    const QString path = m_writer.path();
    m_writer.setWarning([self, path, warn = std::move(warn)](const QString &) {
        QMetaObject::invokeMethod(
            self,
            [self, path, warn] {
                if (self)
                    warn(tr("变更记录 %1 无法写入，更改未被记录").arg(path));
            },
            Qt::QueuedConnection);
    });
}

void FleetJournal::applied(const QString &key, const ops::PrinterRun &run)
{
    journal::Entry entry;
    if (journal::applied(kFace, key, run, &entry))
        append(entry);
}

void FleetJournal::rollingOut(const QString &path)
{
    m_file = std::async(std::launch::async, journal::fileOf, path).share();
}

void FleetJournal::rolledOut(const fleet::rollout::Result &result)
{
    journal::Entry entry;
    if (m_file.valid() && journal::rolledOut(kFace, result, m_file.get(), &entry))
        append(entry);
}

void FleetJournal::append(journal::Entry entry)
{
    const int row = m_model.rowOf(entry.address);
    if (row >= 0 && m_model.reading(row).identified) {
        const fleet::Reading reading = m_model.reading(row);
        if (entry.model.isEmpty())
            entry.model = reading.model;
        entry.serial = reading.serial;
    }
    m_writer.append(entry);
}
