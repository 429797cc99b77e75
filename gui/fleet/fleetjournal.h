#pragma once

#include "device/journal/journal.h"

#include <QObject>
#include <QString>
#include <functional>

namespace fleet {
class FleetModel;
namespace rollout {
struct Result;
}
} // namespace fleet
namespace ops {
struct PrinterRun;
}

// The fleet window's side of the journal of changes: its profile writes and file
// rollouts append lines with face "fleet", a printer's model and serial number as its
// last identity read in the list found them (empty when it was never identified). A
// journal that cannot be written is said once; the run goes on.
class FleetJournal : public QObject
{
    Q_OBJECT

public:
    // `warn` shows a text in the window, on the window's thread.
    FleetJournal(const fleet::FleetModel &model, std::function<void(const QString &)> warn,
                 QObject *parent = nullptr);

    void applied(const QString &key, const ops::PrinterRun &run);
    void rolledOut(const fleet::rollout::Result &result, const journal::File &file);

private:
    void append(journal::Entry entry);

    const fleet::FleetModel &m_model;
    journal::Writer m_writer;
};
