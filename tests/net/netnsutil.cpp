#include "net/netnsutil.h"

#include <QFile>
#include <QNetworkInterface>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

namespace netnsutil {

static QString pathOf(const QString &name)
{
    return QStringLiteral("/run/netns/") + name;
}

bool enter(const QString &name, QString *error)
{
    const int fd = open(QFile::encodeName(pathOf(name)).constData(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
    if (!ok && error)
        *error = pathOf(name) + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
    if (fd >= 0)
        close(fd);
    return ok;
}

bool discoveryConfined(QString *why)
{
    struct stat self = {}, host = {};
    if (stat("/proc/thread-self/ns/net", &self) != 0 ||
        stat(QFile::encodeName(pathOf(QString::fromLatin1(kHost))).constData(), &host) != 0 ||
        self.st_dev != host.st_dev || self.st_ino != host.st_ino) {
        *why = QStringLiteral("not inside ") + QString::fromLatin1(kHost);
        return false;
    }
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
            if (!broadcast.isInSubnet(QHostAddress(QStringLiteral("10.250.0.0")), 16)) {
                *why = QStringLiteral("broadcast address outside the test subnets: ") +
                       broadcast.toString() + QStringLiteral(" on ") + iface.name();
                return false;
            }
            ++inside;
        }
    }
    *why = QStringLiteral("no test interface with a broadcast address");
    return inside > 0;
}

} // namespace netnsutil
