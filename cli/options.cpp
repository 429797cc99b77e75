#include "cli/options.h"

#include "cli/commandtable.h"
#include "core/files/regularfile.h"

#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>

QString Target::name() const
{
    if (kind == Usb)
        return usbPort > 0 ? QStringLiteral("usb:%1").arg(usbPort) : QStringLiteral("usb");
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(host).arg(port)
                                           : QStringLiteral("%1:%2").arg(host).arg(port);
}

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

namespace {

// One line of a targets file.
bool parseTargetLine(const QString &line, Target *target)
{
    if (line == QLatin1String("usb"))
        return parseUsbTarget(QString(), target);
    if (line.startsWith(QLatin1String("usb:")))
        return parseUsbTarget(line.mid(4), target);
    return parseNetTarget(line, target);
}

} // namespace

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

namespace {

// One flag as given, with its value.
struct GivenFlag
{
    const commandtable::Flag *flag;
    QString value;
};

// Splits the arguments into the flags given and the words (the command and its
// arguments). "--name=value" and "--name value" alike, for the flags that take a value;
// everything after "--" is a word.
bool splitArguments(const QStringList &arguments, QList<GivenFlag> *given, QStringList *words,
                    QString *error)
{
    using commandtable::Value;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--")) {
            *words += arguments.mid(i + 1);
            return true;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg.size() == 1) {
            words->append(arg);
            continue;
        }
        const bool joined = arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='));
        const QString name = joined ? arg.section(QLatin1Char('='), 0, 0) : arg;
        const commandtable::Flag *flag = commandtable::findFlag(name);
        if (!flag || (joined && flag->value == Value::None)) {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        GivenFlag g{flag, joined ? arg.section(QLatin1Char('='), 1) : QString()};
        if (flag->value == Value::Required && !joined) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(name);
                return false;
            }
            g.value = arguments.at(++i);
        }
        given->append(g);
    }
    return true;
}

// The first flag given that the command does not take.
bool checkTaken(const commandtable::CommandDeclaration &command, const QList<GivenFlag> &given,
                QString *error)
{
    for (const GivenFlag &g : given) {
        if (!commandtable::takes(command, *g.flag)) {
            *error = QStringLiteral("%1 does not take %2")
                         .arg(QLatin1String(command.name), QLatin1String(g.flag->name));
            return false;
        }
    }
    return true;
}

bool storeFlags(const QList<GivenFlag> &given, Options *options, QString *error, bool *fileError)
{
    for (const GivenFlag &g : given) {
        switch (g.flag->store(g.value, options, error)) {
        case commandtable::Stored::Ok:
            continue;
        case commandtable::Stored::BadFile:
            *fileError = true;
            return false;
        case commandtable::Stored::BadValue:
            if (error->isEmpty())
                *error =
                    QStringLiteral("%1: bad value %2").arg(QLatin1String(g.flag->name), g.value);
            return false;
        }
    }
    return true;
}

} // namespace

bool parseOptions(const QStringList &arguments, Options *options, QString *error, bool *fileError)
{
    *fileError = false;
    QList<GivenFlag> given;
    QStringList words;
    if (!splitArguments(arguments, &given, &words, error))
        return false;
    if (!words.isEmpty()) {
        options->command = words.takeFirst();
        options->arguments = words;
    }
    // Asked for help, a command explains itself whatever else was given.
    const commandtable::Flag *helpFlag = commandtable::findFlag(QStringLiteral("--help"));
    const bool help = std::any_of(given.begin(), given.end(),
                                  [helpFlag](const GivenFlag &g) { return g.flag == helpFlag; });
    const commandtable::CommandDeclaration *command = commandtable::findCommand(options->command);
    if (command && !help && !checkTaken(*command, given, error))
        return false;
    return storeFlags(given, options, error, fileError);
}
