#pragma once

#include "core/settings/profile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Per-printer values: a targets table, one printer a row, whose columns a profile refers
// to as "${column}" in a text setting, so that one profile gives each printer its own
// name and addresses.
//
//   address,name,wifi_address
//   10.0.0.5:9100,Shop-1,10.0.1.5
//   usb:1,Shop-2,10.0.1.6
//
// The first line that is neither blank nor a '#' comment is the header; it starts with
// the column "address" (a printer as a plain targets file names it). Other columns are
// names of letters, digits and '_'. Fields are separated by commas; a field in double
// quotes may hold commas and "" for a quote.
namespace targetvalues {

struct Row
{
    int line = 0;    // in the file, from 1
    QString address; // as written
    QHash<QString, QString> values;
};

struct Table
{
    QStringList columns; // without "address"
    QList<Row> rows;
};

// Whether a targets file's text is a table (its first line in use starts "address,")
// rather than one address a line.
bool isTable(const QString &text);

// Reads a table; false with the reason, and the line, for a bad header, a row with
// another number of fields than the header, or a row without an address.
bool parse(const QString &text, Table *out, QString *error);

// The settings ("page.key") of a profile that refer to a value, each with the columns it
// names. False with the reason for a reference that is not "${name}".
bool references(const profile::Profile &wanted, QHash<QString, QStringList> *out, QString *error);

// The profile without the settings that refer to a value: what can be checked before the
// values are known.
profile::Profile withoutReferences(const profile::Profile &wanted);

// The profile for one printer: each "${column}" replaced by the row's value. False with
// a sentence naming the printer, the setting and the column for a value the row lacks
// (no such column, or empty in this row). `printer` names the printer in that sentence.
bool fill(const profile::Profile &wanted, const QHash<QString, QString> &values,
          const QString &printer, profile::Profile *out, QString *error);

} // namespace targetvalues
