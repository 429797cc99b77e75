#pragma once

#include <QString>
#include <memory>

namespace platform {

// A file this process made new, readable and writable by its owner only. It is written
// and read through the handle it was created with, never reopened by name: in a folder
// others may write, the name could meanwhile lead to another file. Reads at an offset
// need no seek, so that several threads may read at once.
class OwnFile
{
public:
    OwnFile();
    ~OwnFile();
    OwnFile(const OwnFile &) = delete;
    OwnFile &operator=(const OwnFile &) = delete;

    // Creates `path`; never opens a file that is already there (false, exists() true).
    bool create(const QString &path);
    bool exists() const;
    // The system's reason for the last failure.
    QString errorString() const;

    bool write(const char *data, qint64 size);
    // Until the bytes written are on the disk.
    bool sync();
    qint64 size() const;
    // Up to `size` bytes from `offset`; fewer only at the end, -1 on a read error.
    qint64 readAt(qint64 offset, char *buffer, qint64 size) const;
    // Whether `path` still leads to this very file.
    bool isNamedBy(const QString &path) const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace platform
