#pragma once

#include "core/settings/profile.h"

#include <QList>
#include <QString>

struct CommandContext;
struct Options;

// --targets FILE as a table of per-printer values (core/settings/targetvalues.h) or as
// one address a line. The table's rows become the targets, each row's values stored
// beside its target. False with the reason.
bool readTargetsFile(const QString &path, Options *options, QString *error);

// The profile of each printer of an apply (`targetOfPrinter`: the target of each
// printer, in the order they are run), its "${column}" references filled from the
// printer's row and checked. Empty when the profile refers to no value. A profile that
// refers to a value a printer's row lacks, or to values when no table was given, is
// refused before anything is sent: the error is printed and ExitBadFile returned.
int profilesPerPrinter(CommandContext &c, const profile::Profile &wanted,
                       const QList<int> &targetOfPrinter, QList<profile::Profile> *out);
