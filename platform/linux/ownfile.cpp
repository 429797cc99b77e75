#include "platform/ownfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

struct OwnFile::Data
{
    int fd = -1;
    int error = 0;
};

OwnFile::OwnFile() : d(std::make_unique<Data>()) {}

OwnFile::~OwnFile()
{
    if (d->fd >= 0)
        ::close(d->fd);
}

bool OwnFile::create(const QString &path)
{
    // O_EXCL: an existing name, a symbolic link included, is never opened; 0600 from the
    // first moment, whatever the umask leaves.
    d->fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    d->error = d->fd < 0 ? errno : 0;
    return d->fd >= 0;
}

bool OwnFile::exists() const
{
    return d->error == EEXIST;
}

QString OwnFile::errorString() const
{
    return QString::fromLocal8Bit(std::strerror(d->error));
}

bool OwnFile::write(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(d->fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            d->error = n < 0 ? errno : EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool OwnFile::sync()
{
    if (::fsync(d->fd) == 0)
        return true;
    d->error = errno;
    return false;
}

qint64 OwnFile::size() const
{
    struct stat st = {};
    return ::fstat(d->fd, &st) == 0 ? qint64(st.st_size) : 0;
}

qint64 OwnFile::readAt(qint64 offset, char *buffer, qint64 size) const
{
    qint64 total = 0;
    while (total < size) {
        const ssize_t n =
            ::pread(d->fd, buffer + total, size_t(size - total), off_t(offset + total));
        if (n < 0 && errno == EINTR)
            continue;
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
    struct stat byName = {};
    struct stat byHandle = {};
    return ::lstat(QFile::encodeName(path).constData(), &byName) == 0 &&
           ::fstat(d->fd, &byHandle) == 0 && byName.st_dev == byHandle.st_dev &&
           byName.st_ino == byHandle.st_ino;
}

} // namespace platform
