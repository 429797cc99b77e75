#include "cli/options.h"

#include "cli/fleetcommands.h"
#include "core/files/regularfile.h"

#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTextStream>

QString Target::name() const
{
    if (kind == Usb)
        return usbPort > 0 ? QStringLiteral("usb:%1").arg(usbPort) : QStringLiteral("usb");
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(host).arg(port)
                                           : QStringLiteral("%1:%2").arg(host).arg(port);
}

namespace {

bool parsePort(const QString &text, quint16 *port)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    if (!ok || value == 0 || value > 65535)
        return false;
    *port = quint16(value);
    return true;
}

bool parseUsbTarget(const QString &portText, Target *target)
{
    target->kind = Target::Usb;
    if (portText.isEmpty())
        return true;
    bool ok = false;
    target->usbPort = portText.toInt(&ok, 10);
    return ok && target->usbPort > 0 && target->usbPort < 256;
}

// One line of a targets file.
bool parseTargetLine(const QString &line, Target *target)
{
    if (line == QLatin1String("usb"))
        return parseUsbTarget(QString(), target);
    if (line.startsWith(QLatin1String("usb:")))
        return parseUsbTarget(line.mid(4), target);
    return parseNetTarget(line, target);
}

bool readTargets(const QString &path, QList<Target> *targets, QString *error)
{
    QFile file;
    QByteArray bytes;
    QString why;
    if (!regularfile::open(path, &file, &why, kMaxTargetsFileBytes) ||
        !regularfile::readAll(file, kMaxTargetsFileBytes, &bytes, &why)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, why);
        return false;
    }
    QTextStream in(&bytes);
    int number = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++number;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Target target;
        if (!parseTargetLine(line, &target)) {
            *error = QStringLiteral("%1:%2: not an address or usb:PORT: %3")
                         .arg(path)
                         .arg(number)
                         .arg(line);
            return false;
        }
        targets->append(target);
    }
    return true;
}

} // namespace

bool parseNetTarget(const QString &text, Target *target)
{
    target->kind = Target::Network;
    QString host = text;
    QString port;
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        host = text.mid(1, close - 1);
        if (close + 1 < text.size()) {
            if (text.at(close + 1) != QLatin1Char(':'))
                return false;
            port = text.mid(close + 2);
        }
    } else if (text.count(QLatin1Char(':')) == 1) {
        host = text.section(QLatin1Char(':'), 0, 0);
        port = text.section(QLatin1Char(':'), 1);
    }
    // A host name has no blanks; a host with colons is an IPv6 address.
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (host.isEmpty() || host.contains(blank) ||
        (host.contains(QLatin1Char(':')) &&
         QHostAddress(host).protocol() != QAbstractSocket::IPv6Protocol))
        return false;
    target->host = host;
    return port.isNull() || parsePort(port, &target->port);
}

QHash<int, int> duplicateTargets(const QList<Target> &targets)
{
    QHash<int, int> duplicates;
    QHash<QString, int> first;             // each address a target reaches -> its index
    QHash<QString, QStringList> addresses; // a host's addresses, each name resolved once
    for (int i = 0; i < targets.size(); ++i) {
        const Target &t = targets.at(i);
        QStringList reached;
        if (t.kind == Target::Usb) {
            reached << t.name();
        } else {
            auto known = addresses.find(t.host);
            if (known == addresses.end()) {
                QStringList hosts;
                QHostAddress literal;
                const QList<QHostAddress> list = literal.setAddress(t.host)
                                                     ? QList<QHostAddress>{literal}
                                                     : QHostInfo::fromName(t.host).addresses();
                for (const QHostAddress &a : list) {
                    bool mapped = false;
                    const quint32 v4 = a.toIPv4Address(&mapped);
                    hosts << (mapped ? QHostAddress(v4).toString() : a.toString());
                }
                if (hosts.isEmpty()) // unresolved: the name itself
                    hosts << t.host.toLower();
                known = addresses.insert(t.host, hosts);
            }
            for (const QString &host : qAsConst(*known))
                reached << host + QLatin1Char('|') + QString::number(t.port);
        }
        int same = -1;
        for (const QString &r : qAsConst(reached)) {
            same = first.value(r, -1);
            if (same >= 0)
                break;
        }
        if (same >= 0) {
            duplicates.insert(i, same);
            continue;
        }
        for (const QString &r : qAsConst(reached))
            first.insert(r, i);
    }
    return duplicates;
}

bool parseOptions(const QStringList &arguments, Options *options, QString *error, bool *fileError)
{
    *fileError = false;
    QStringList positional;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        // "--name=value" and "--name value" alike, for the options that take a value.
        QString name = arg;
        QString value;
        bool hasValue = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            name = arg.section(QLatin1Char('='), 0, 0);
            value = arg.section(QLatin1Char('='), 1);
            hasValue = true;
        }
        const auto takeValue = [&](QString *into) {
            if (hasValue) {
                *into = value;
                return true;
            }
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(name);
                return false;
            }
            *into = arguments.at(++i);
            return true;
        };
        if (arg == QLatin1String("--")) {
            positional += arguments.mid(i + 1);
            break;
        } else if (name == QLatin1String("--net")) {
            QString text;
            Target target;
            if (!takeValue(&text))
                return false;
            if (!parseNetTarget(text, &target)) {
                *error = QStringLiteral("--net: not HOST or HOST:PORT: %1").arg(text);
                return false;
            }
            options->targets.append(target);
        } else if (name == QLatin1String("--usb")) {
            Target target;
            if (!parseUsbTarget(hasValue ? value : QString(), &target)) {
                *error = QStringLiteral("--usb: not a port number: %1").arg(value);
                return false;
            }
            options->targets.append(target);
        } else if (name == QLatin1String("--targets")) {
            if (!takeValue(&options->targetsFile))
                return false;
            if (!readTargets(options->targetsFile, &options->targets, error)) {
                *fileError = true;
                return false;
            }
        } else if (name == QLatin1String("--jobs")) {
            QString text;
            if (!takeValue(&text))
                return false;
            bool ok = false;
            options->jobs = text.toInt(&ok);
            if (!ok || options->jobs < 1 || options->jobs > 64) {
                *error = QStringLiteral("--jobs: a number from 1 to 64");
                return false;
            }
        } else if (name == QLatin1String("--timeout")) {
            QString text;
            if (!takeValue(&text))
                return false;
            bool ok = false;
            options->timeoutSeconds = text.toInt(&ok);
            if (!ok || options->timeoutSeconds < 1 || options->timeoutSeconds > 86400) {
                *error = QStringLiteral("--timeout: seconds from 1 to 86400");
                return false;
            }
        } else if (name == QLatin1String("--udp-port")) {
            QString text;
            if (!takeValue(&text))
                return false;
            if (!parsePort(text, &options->udpPort)) {
                *error = QStringLiteral("--udp-port: not a port: %1").arg(text);
                return false;
            }
        } else if (name == QLatin1String("--file")) {
            if (!takeValue(&options->file))
                return false;
        } else if (name == QLatin1String("--ssid")) {
            if (!takeValue(&options->ssid))
                return false;
        } else if (name == QLatin1String("--pages")) {
            if (!takeValue(&options->pages))
                return false;
        } else if (name == QLatin1String("--exclude")) {
            if (!takeValue(&options->exclude))
                return false;
        } else if (name == QLatin1String("--out")) {
            if (!takeValue(&options->out))
                return false;
        } else if (fleetcommands::takesValue(name)) {
            QString text;
            if (!takeValue(&text) || !fleetcommands::setOption(name, text, options, error))
                return false;
        } else if (arg == QLatin1String("--csv")) {
            options->csv = true;
        } else if (arg == QLatin1String("--json")) {
            options->json = true;
        } else if (arg == QLatin1String("--jsonl")) {
            options->jsonLines = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options->help = true;
        } else if (arg == QLatin1String("--version")) {
            options->version = true;
        } else if (arg == QLatin1String("--dry-run")) {
            options->dryRun = true;
        } else if (arg == QLatin1String("--verify")) {
            options->verify = true;
        } else if (arg == QLatin1String("--hex")) {
            options->hex = true;
        } else if (arg == QLatin1String("--discover")) {
            options->discover = true;
        } else if (arg == QLatin1String("--password-stdin")) {
            options->passwordStdin = true;
        } else if (arg == QLatin1String("--with-secrets")) {
            options->withSecrets = true;
        } else if (arg == QLatin1String("--show-secrets")) {
            options->showSecrets = true;
        } else if (arg == QLatin1String("--with-identity")) {
            options->withIdentity = true;
        } else if (arg == QLatin1String("--no-wait")) {
            options->noWait = true;
        } else if (arg == QLatin1String("--allow-same-version")) {
            options->allowSameVersion = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (!positional.isEmpty()) {
        options->command = positional.takeFirst();
        options->arguments = positional;
    }
    return true;
}
