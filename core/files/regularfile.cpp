#include "core/files/regularfile.h"

#include "platform/readfile.h"

#include <QFile>

namespace regularfile {

namespace {

QString kindText(platform::FileKind kind)
{
    switch (kind) {
    case platform::FileKind::Pipe:
        return QStringLiteral("a pipe");
    case platform::FileKind::Device:
        return QStringLiteral("a device");
    case platform::FileKind::Folder:
        return QStringLiteral("a folder");
    case platform::FileKind::Socket:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("a special file");
    }
}

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("larger than %1, the most such a file may be; nothing was read")
        .arg(sizeText(maxBytes));
}

} // namespace

QString sizeText(qint64 bytes)
{
    if (bytes >= (1 << 20) && bytes % (1 << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes >= (1 << 10) && bytes % (1 << 10) == 0)
        return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

bool isSpecial(const QString &path, QString *why)
{
    const platform::FileKind kind = platform::kindOf(path);
    if (kind == platform::FileKind::Missing || kind == platform::FileKind::Regular)
        return false;
    *why = QStringLiteral("%1, not a regular file; nothing was read").arg(kindText(kind));
    return true;
}

bool open(const QString &path, QFile *file, QString *why, qint64 maxBytes)
{
    platform::FileKind kind = platform::FileKind::Missing;
    qint64 size = 0;
    if (!platform::openRegular(path, file, &kind, &size, why)) {
        if (kind != platform::FileKind::Missing)
            *why = QStringLiteral("%1, not a regular file; nothing was read").arg(kindText(kind));
        return false;
    }
    if (maxBytes >= 0 && size > maxBytes) {
        *why = tooLarge(maxBytes);
        file->close();
        return false;
    }
    return true;
}

bool readAll(QFile &file, qint64 maxBytes, QByteArray *bytes, QString *why)
{
    // One byte past the bound tells a file that is too large; a file that grew since
    // it was opened is caught here too.
    *bytes = file.read(maxBytes + 1);
    if (bytes->size() > maxBytes) {
        bytes->clear();
        *why = tooLarge(maxBytes);
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace regularfile
