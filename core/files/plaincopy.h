#pragma once

#include <QString>
#include <memory>

namespace platform {
class OwnFile;
}

// The decrypted copy of a firmware or font file: the file beside the chosen one and the
// handle it was written through. What is sent is read through that handle and
// never through the name again: in a folder others may write, the name could meanwhile
// lead to another file. Copies share one handle, closed with the last of them.
class PlainCopy
{
public:
    PlainCopy() = default;
    PlainCopy(const QString &path, std::unique_ptr<platform::OwnFile> file);

    bool isNull() const { return !d; }
    QString path() const;
    qint64 size() const;
    // Up to `size` bytes from `offset`; fewer only at the end, -1 on a read error. Needs
    // no seek, so that several streams may read one copy at once.
    qint64 readAt(qint64 offset, char *buffer, qint64 size) const;
    // Deletes the file, unless its name now leads to another file; again is harmless.
    void remove() const;

private:
    struct Data;
    std::shared_ptr<Data> d;
};
