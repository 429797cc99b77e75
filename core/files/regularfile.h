#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Input files (firmware, fonts, profiles, target lists) are taken only when they are
// regular files: a pipe blocks a read for ever and a device such as /dev/zero never ends.
// The check is made on the descriptor that is then read, so what was checked is what is
// read. A symbolic link to a regular file is a regular file.
namespace regularfile {

// Opens `path` for reading when it is a regular file of at most `maxBytes` bytes (-1:
// any size); false with the reason for the user ("a pipe, not a regular file; ..."),
// nothing read.
bool open(const QString &path, QFile *file, QString *why, qint64 maxBytes = -1);

// True when `path` leads to something that is there but is no regular file (a pipe, a
// device, a folder), with the reason: a quick look before anything else is done. What is
// read is still checked on its descriptor by open().
bool isSpecial(const QString &path, QString *why);

// The whole of `file` (already open, e.g. standard input), at most `maxBytes`: false with
// the reason when there is more, so that a huge input is never held in memory.
bool readAll(QFile &file, qint64 maxBytes, QByteArray *bytes, QString *why);

// "1 MiB", "64 KiB", "100 bytes": a bound in a sentence.
QString sizeText(qint64 bytes);

} // namespace regularfile
