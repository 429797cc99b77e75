#include "platform/readfile.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace platform {

// The kind is looked at by name just before the open, not on the handle opened: a name
// changed in between goes unseen, which only the system's own calls could prevent.
FileKind kindOf(const QString &path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(
        std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    switch (status.type()) {
    case std::filesystem::file_type::regular:
        return FileKind::Regular;
    case std::filesystem::file_type::fifo:
        return FileKind::Pipe;
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return FileKind::Device;
    case std::filesystem::file_type::directory:
        return FileKind::Folder;
    case std::filesystem::file_type::socket:
        return FileKind::Socket;
    case std::filesystem::file_type::none:
    case std::filesystem::file_type::not_found:
        return FileKind::Missing;
    default:
        return FileKind::Other;
    }
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
    // Qt 5 has no call that waits for the disk.
    return file.flush();
}

} // namespace platform
