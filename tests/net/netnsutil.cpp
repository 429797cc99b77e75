#include "net/netnsutil.h"

#include <QFile>
#include <QHostAddress>
#include <QNetworkInterface>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace netnsutil {
namespace {

QString pathOf(const QString &name)
{
    return QStringLiteral("/run/netns/") + name;
}

bool sameFile(const char *a, const QString &b)
{
    struct stat sa = {}, sb = {};
    if (stat(a, &sa) != 0 || stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

QString unavailable()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(unshare(CLONE_NEWNET) == 0 ? 0 : errno);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return QStringLiteral("fork: ") + QString::fromLocal8Bit(strerror(errno));
    if (!WIFEXITED(status))
        return QStringLiteral("unshare probe did not exit");
    const int code = WEXITSTATUS(status);
    return code == 0 ? QString()
                     : QStringLiteral("unshare: ") + QString::fromLocal8Bit(strerror(code));
}

bool exists(const QString &name)
{
    return QFile::exists(pathOf(name));
}

bool enter(const QString &name, QString *error)
{
    const int fd = open(QFile::encodeName(pathOf(name)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = pathOf(name) + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    const bool ok = setns(fd, CLONE_NEWNET) == 0;
    if (!ok && error)
        *error = QStringLiteral("setns: ") + QString::fromLocal8Bit(strerror(errno));
    close(fd);
    return ok;
}

bool isCurrent(const QString &name)
{
    return sameFile("/proc/thread-self/ns/net", pathOf(name));
}

bool discoveryConfined(QString *why)
{
    if (!isCurrent(QString::fromLatin1(kHost))) {
        if (why)
            *why = QStringLiteral("not inside ") + QString::fromLatin1(kHost);
        return false;
    }
    const QHostAddress subnet(QStringLiteral("10.250.0.0"));
    int inside = 0;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        if (iface.type() != QNetworkInterface::Ethernet ||
            (iface.flags() & QNetworkInterface::IsLoopBack))
            continue;
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QHostAddress broadcast = entry.broadcast();
            if (broadcast.isNull())
                continue;
            if (!broadcast.isInSubnet(subnet, 16)) {
                if (why)
                    *why = QStringLiteral("broadcast address outside the test subnets: ") +
                           broadcast.toString() + QStringLiteral(" on ") + iface.name();
                return false;
            }
            ++inside;
        }
    }
    if (inside == 0 && why)
        *why = QStringLiteral("no test interface with a broadcast address");
    return inside > 0;
}

} // namespace netnsutil
