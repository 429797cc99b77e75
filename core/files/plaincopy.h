#pragma once

#include <QString>
#include <memory>

// The decrypted copy of a firmware or font file: the file beside the chosen one and the
// descriptor it was written through. What is sent is read through that descriptor and
// never through the name again: in a folder others may write, the name could meanwhile
// lead to another file. Copies share one descriptor, closed with the last of them.
class PlainCopy
{
public:
    PlainCopy() = default;
    // Takes over `fd`, open for reading.
    PlainCopy(const QString &path, int fd);

    bool isNull() const { return !d; }
    QString path() const;
    int handle() const;
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
