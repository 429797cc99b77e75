#include "platform/ownfile.h"

#include <QFile>
#include <QFileInfo>

#include <mutex>

namespace platform {

struct OwnFile::Data
{
    QFile file;
    bool exists = false;
    mutable std::mutex mutex; // a read is a seek and a read
};

OwnFile::OwnFile() : d(std::make_unique<Data>()) {}

OwnFile::~OwnFile() = default;

bool OwnFile::create(const QString &path)
{
    // NewOnly is an exclusive create: a name that is there, a link included, is refused.
    // Qt 5 cannot give the mode at creation, so it is narrowed at once; until then the
    // file is empty.
    d->file.setFileName(path);
    d->exists = QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    if (d->exists ||
        !d->file.open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        d->exists = d->exists || QFileInfo(path).exists();
        return false;
    }
    if (!d->file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        d->file.remove();
        return false;
    }
    return true;
}

bool OwnFile::exists() const
{
    return d->exists;
}

QString OwnFile::errorString() const
{
    return d->exists ? QStringLiteral("File exists") : d->file.errorString();
}

bool OwnFile::write(const char *data, qint64 size)
{
    const std::lock_guard<std::mutex> lock(d->mutex);
    return d->file.seek(d->file.size()) && d->file.write(data, size) == size;
}

bool OwnFile::sync()
{
    // Qt 5 has no call that waits for the disk; what was written is with the system.
    const std::lock_guard<std::mutex> lock(d->mutex);
    return d->file.flush();
}

qint64 OwnFile::size() const
{
    const std::lock_guard<std::mutex> lock(d->mutex);
    return d->file.size();
}

qint64 OwnFile::readAt(qint64 offset, char *buffer, qint64 size) const
{
    const std::lock_guard<std::mutex> lock(d->mutex);
    if (!d->file.seek(offset))
        return -1;
    qint64 total = 0;
    while (total < size) {
        const qint64 n = d->file.read(buffer + total, size - total);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

bool OwnFile::isNamedBy(const QString &path) const
{
    // Without the file's identity, the name must still lead to a regular file of this
    // size, not through a link.
    const QFileInfo info(path);
    return !info.isSymLink() && info.isFile() && info.size() == size();
}

} // namespace platform
