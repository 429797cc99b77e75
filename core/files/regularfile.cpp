#include "core/files/regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regularfile {

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a special file");
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
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return false;
    *why = QStringLiteral("%1, not a regular file; nothing was read").arg(kindOf(st.st_mode));
    return true;
}

bool open(const QString &path, QFile *file, QString *why, qint64 maxBytes)
{
    // Not blocking, so that opening a pipe nobody writes returns at once; no controlling
    // terminal from a terminal device.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *why = QStringLiteral("%1, not a regular file; nothing was read").arg(kindOf(st.st_mode));
        ::close(fd);
        return false;
    }
    if (maxBytes >= 0 && st.st_size > maxBytes) {
        *why = tooLarge(maxBytes);
        ::close(fd);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
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
