#pragma once

#include "device/fleet/device.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

// The fleet as a list to keep: one record per printer, as JSON or CSV.
namespace fleet::inventory {

struct Entry
{
    Address address;
    Reading reading;
};

// The JSON record of one printer (also each line of status --watch --json).
QJsonObject record(const Entry &entry);
QJsonArray json(const QList<Entry> &entries);
// RFC 4180 CSV with a header line; CRLF line ends.
QByteArray csv(const QList<Entry> &entries);

} // namespace fleet::inventory
