#include "core/files/plaincopy.h"

#include <QDebug>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

struct PlainCopy::Data
{
    QString path;
    int fd = -1;
    std::atomic<bool> removed{false};
    ~Data()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

PlainCopy::PlainCopy(const QString &path, int fd) : d(std::make_shared<Data>())
{
    d->path = path;
    d->fd = fd;
}

QString PlainCopy::path() const
{
    return d ? d->path : QString();
}

int PlainCopy::handle() const
{
    return d ? d->fd : -1;
}

qint64 PlainCopy::size() const
{
    struct stat st = {};
    return d && ::fstat(d->fd, &st) == 0 ? qint64(st.st_size) : 0;
}

qint64 PlainCopy::readAt(qint64 offset, char *buffer, qint64 size) const
{
    if (!d)
        return -1;
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

void PlainCopy::remove() const
{
    if (!d || d->removed.exchange(true))
        return;
    // Only the file this copy wrote: a name that now leads elsewhere is left alone.
    struct stat byName = {};
    struct stat byHandle = {};
    const QByteArray name = QFile::encodeName(d->path);
    if (::lstat(name.constData(), &byName) != 0 || ::fstat(d->fd, &byHandle) != 0 ||
        byName.st_dev != byHandle.st_dev || byName.st_ino != byHandle.st_ino) {
        qDebug() << "The decrypted copy's name no longer leads to it:" << d->path;
        return;
    }
    if (::unlink(name.constData()) == 0)
        qDebug() << "Successfully deleted decrypted file:" << d->path;
    else
        qDebug() << "Failed to delete decrypted file:" << d->path;
}
