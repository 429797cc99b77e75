#include "core/files/plaincopy.h"

#include "platform/ownfile.h"

#include <QDebug>
#include <QFile>

#include <atomic>

struct PlainCopy::Data
{
    QString path;
    std::unique_ptr<platform::OwnFile> file;
    std::atomic<bool> removed{false};
};

PlainCopy::PlainCopy(const QString &path, std::unique_ptr<platform::OwnFile> file)
    : d(std::make_shared<Data>())
{
    d->path = path;
    d->file = std::move(file);
}

QString PlainCopy::path() const
{
    return d ? d->path : QString();
}

qint64 PlainCopy::size() const
{
    return d ? d->file->size() : 0;
}

qint64 PlainCopy::readAt(qint64 offset, char *buffer, qint64 size) const
{
    return d ? d->file->readAt(offset, buffer, size) : -1;
}

void PlainCopy::remove() const
{
    if (!d || d->removed.exchange(true))
        return;
    // Only the file this copy wrote: a name that now leads elsewhere is left alone.
    if (!d->file->isNamedBy(d->path)) {
        qDebug() << "The decrypted copy's name no longer leads to it:" << d->path;
        return;
    }
    if (QFile::remove(d->path))
        qDebug() << "Successfully deleted decrypted file:" << d->path;
    else
        qDebug() << "Failed to delete decrypted file:" << d->path;
}
