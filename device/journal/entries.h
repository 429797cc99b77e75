#pragma once

#include "device/journal/journal.h"
#include "device/operations/outcome.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <cstdint>

namespace ops {
struct PrinterRun;
}
namespace fleet::rollout {
struct Result;
}

// The journal's entries as the window, the command line and the fleet make them, so that
// the three say the same thing of the same write.
namespace journal {

// An entry of `face` for the printer at `address` with the outcome's code and sentence.
Entry entryFor(const QString &face, const QString &address, const ops::Outcome &outcome);

// The settings of `page` carried by the frames `items` that went out: each with the
// value last read (`from`; null when it was not read) and the value sent (`to`). A
// setting sent with the value it had is no change; read-only ones are never sent.
QList<Change> settingChanges(const QString &page, const QList<uint8_t> &items,
                             const QJsonObject &from, const QJsonObject &to);

// A profile applied to one printer: the settings written or sent unconfirmed, from the
// printer's value to the profile's. False (nothing to record) for a printer not begun, or
// one that had nothing to change.
bool applied(const QString &face, const QString &address, const ops::PrinterRun &run, Entry *out);

// A file by its name and SHA-256 (empty when it cannot be read).
File fileOf(const QString &path);

// One printer of a firmware or font rollout: the file, and the rollout's code
// ("ok", "failed", ...) and message as the outcome. False for a printer not attempted.
bool rolledOut(const QString &face, const fleet::rollout::Result &result, const File &file,
               Entry *out);

} // namespace journal
