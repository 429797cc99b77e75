#pragma once

#include "device/journal/journal.h"

#include <QObject>
#include <QString>
#include <functional>
#include <future>

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
    // The file a rollout is about to send, then each printer's result. The SHA-256 is
    // taken on a thread of its own: a firmware file must not hold up the window.
    void rollingOut(const QString &path);
    void rolledOut(const fleet::rollout::Result &result);

private:
    void append(journal::Entry entry);

    const fleet::FleetModel &m_model;
    journal::Writer m_writer;
    std::shared_future<journal::File> m_file;
};
