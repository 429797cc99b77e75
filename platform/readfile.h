#pragma once

#include <QString>

class QFile;
class QFileDevice;

namespace platform {

enum class FileKind
{
    Missing,
    Regular, // or a symbolic link to one
    Pipe,
    Device,
    Folder,
    Socket,
    Other,
};

// What `path` leads to, following symbolic links.
FileKind kindOf(const QString &path);

// Opens `path` for reading without waiting on a pipe nobody writes and without taking a
// terminal. What is checked is the file opened: true with `file` open and its size when
// it is a regular file; otherwise false with its kind, and the system's reason in
// `error` when it could not be opened at all (kind Missing then).
bool openRegular(const QString &path, QFile *file, FileKind *kind, qint64 *size, QString *error);

// Until what `file` wrote is on the disk.
bool syncToDisk(QFileDevice &file);

} // namespace platform
