#include "cli/options.h"

#include "cli/commandtable.h"
#include "core/files/regularfile.h"
#include "core/protocol/commandcodes.h"
#include "device/link/usblink.h"

#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <algorithm>

bool parseNetTarget(const QString &text, PrinterAddress *target)
{
    PrinterAddress parsed;
    if (!PrinterAddress::parse(text, &parsed) || parsed.isUsb())
        return false;
    *target = parsed;
    return true;
}

bool parseUsbTarget(const QString &portText, PrinterAddress *target)
{
    const QString usb = QLatin1String(UsbLink::kScheme);
    return !portText.contains(QLatin1Char(':')) &&
           PrinterAddress::parse(portText.isEmpty() ? usb : usb + QLatin1Char(':') + portText,
                                 target);
}

bool readTargetsText(const QString &path, QString *text, QString *error)
{
    QFile file;
    QByteArray bytes;
    QString why;
    if (!regularfile::open(path, &file, &why, kMaxTargetsFileBytes) ||
        !regularfile::readAll(file, kMaxTargetsFileBytes, &bytes, &why)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, why);
        return false;
    }
    *text = QString::fromUtf8(bytes);
    return true;
}

bool targetsOfText(const QString &path, const QString &text, QList<PrinterAddress> *targets,
                   QString *error)
{
    int number = 0;
    if (!parseTargets(text, targets, &number)) {
        *error = QStringLiteral("%1:%2: not an address or usb:PORT: %3")
                     .arg(path)
                     .arg(number)
                     .arg(text.split(QLatin1Char('\n')).value(number - 1).trimmed());
        return false;
    }
    return true;
}

QHash<int, int> duplicateTargets(const QList<PrinterAddress> &targets)
{
    QHash<int, int> duplicates;
    QHash<QString, int> first;             // each address a target reaches -> its index
    QHash<QString, QStringList> addresses; // a host's addresses, each name resolved once
    for (int i = 0; i < targets.size(); ++i) {
        const PrinterAddress &t = targets.at(i);
        QStringList reached;
        if (t.medium() != MEDIUM_NETWORK) {
            reached << t.key();
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
