#pragma once

#include "device/fleet/device.h"

#include <QList>
#include <QString>

// The fleet window's printers between runs: a text file of one address a line (the form
// --targets reads), written whole or not at all. A file that cannot be read whole is
// told about line by line and never written over unasked.
namespace fleet::fleetlist {

struct Contents
{
    bool exists = false;
    QList<Address> addresses; // the lines that could be read
    int badLine = 0;          // the first line that could not (from 1); 0: read whole
    QString badText;          // that line as it stands, control characters escaped
    bool cut = false;         // that line is the last and lacks its line end
    QString error;            // why the file could not be opened at all
    bool whole() const { return badLine == 0 && error.isEmpty(); }
};

// Where the list is kept: beside the application's settings.
QString defaultPath();

// Reads the list. Blank lines and '#' comments are skipped; a line that is no address,
// or a last line cut off before its line end (a file truncated), makes it not whole.
Contents load(const QString &path);

// Writes the list atomically; false with the reason.
bool save(const QString &path, const QList<Address> &addresses, QString *error);

} // namespace fleet::fleetlist
