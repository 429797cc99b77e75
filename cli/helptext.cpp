#include "cli/helptext.h"

namespace helptext {

namespace {

// "  --jobs N           how many ...", the help in a column.
QString flagLines(const QList<const commandtable::Flag *> &flags)
{
    QStringList syntax;
    int width = 0;
    for (const commandtable::Flag *f : flags) {
        QString s = commandtable::flagSyntax(*f);
        if (f->alias)
            s.prepend(QLatin1String(f->alias) + QLatin1String(", "));
        width = std::max(width, int(s.size()));
        syntax << s;
    }
    QString text;
    for (int i = 0; i < flags.size(); ++i)
        text += QStringLiteral("  %1  %2\n")
                    .arg(syntax.at(i), -width)
                    .arg(QLatin1String(flags.at(i)->help));
    return text;
}

QList<const commandtable::Flag *> globalFlags()
{
    QList<const commandtable::Flag *> out;
    for (const commandtable::Flag &f : commandtable::flags()) {
        if (f.global)
            out << &f;
    }
    return out;
}

} // namespace

QString program()
{
    QString text = QStringLiteral(
        "Usage: labelsetup-cli [--net HOST[:PORT] | --usb[=PORT]] [--json] COMMAND [ARGS]\n\n"
        "Options may stand before or after the command. Every command takes these:\n");
    text += flagLines(globalFlags());
    text +=
        QStringLiteral("and those its help lists: labelsetup-cli COMMAND --help.\n\nCommands:\n");
    for (const commandtable::CommandDeclaration &c : commandtable::commands()) {
        QString name = QLatin1String(c.name);
        if (*c.arguments)
            name += QLatin1Char(' ') + QLatin1String(c.arguments);
        text += QStringLiteral("  %1 %2\n").arg(name, -28).arg(QLatin1String(c.summary));
    }
    text += QStringLiteral(
        "\nExit codes: 0 success, 1 usage, 2 no printer or cannot connect, 3 the printer\n"
        "refused or did not answer, 4 verification found a difference, 5 a bad input file,\n"
        "130 stopped by Ctrl-C (SIGINT), 143 stopped by SIGTERM.\n");
    return text;
}

QString command(const commandtable::CommandDeclaration &command)
{
    QList<const commandtable::Flag *> own;
    for (const commandtable::FlagUse &use : command.flags)
        own << commandtable::findFlag(QLatin1String(use.name));
    QStringList global;
    for (const commandtable::Flag *f : globalFlags())
        global << QLatin1String(f->name);
    return QStringLiteral("Usage: labelsetup-cli %1\n\n%2\n%3")
               .arg(commandtable::usage(command), QLatin1String(command.summary),
                    commandtable::plain(command.description)) +
           (own.isEmpty() ? QString() : QStringLiteral("\nOptions:\n") + flagLines(own)) +
           QStringLiteral("\nAnd those of every command: %1.\n")
               .arg(global.join(QLatin1String(", ")));
}

} // namespace helptext
