#include "platform/readfile.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

// Qt tells a regular file and a folder from the rest, not a pipe from a device: those
// are "other". The kind is looked at by name just before the open, not on the handle.
FileKind kindOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Folder;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
}

bool openRegular(const QString &path, QFile *file, FileKind *kind, qint64 *size, QString *error)
{
    *kind = kindOf(path);
    if (*kind == FileKind::Missing) {
        QFile missing(path);
        missing.open(QIODevice::ReadOnly);
        *error = missing.errorString();
        return false;
    }
    if (*kind != FileKind::Regular)
        return false;
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *error = file->errorString();
        *kind = FileKind::Missing;
        return false;
    }
    *size = file->size();
    return true;
}

bool syncToDisk(QFileDevice &file)
{
    return file.flush();
}

} // namespace platform
