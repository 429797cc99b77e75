#include "cli/manpage.h"

#include "cli/commandtable.h"

#include <QRegularExpression>

namespace manpage {

namespace {

// Plain text in roff: flags and `literals` bold, nothing read as a request or an escape.
QString roff(const QString &text)
{
    static const QRegularExpression literal(QStringLiteral("`([^`]*)`"));
    static const QRegularExpression flag(QStringLiteral("(?<![\\w-])(--[a-z][a-z0-9-]*)"));
    QStringList lines;
    for (QString line : text.trimmed().split(QLatin1Char('\n'))) {
        line.replace(QLatin1Char('\\'), QLatin1String("\\e"));
        line.replace(literal, QStringLiteral("\\fB\\1\\fR"));
        line.replace(flag, QStringLiteral("\\fB\\1\\fR"));
        line.replace(QLatin1Char('-'), QLatin1String("\\-"));
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            line.prepend(QLatin1String("\\&"));
        lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// "firmware|font FILE", "HOST[:PORT]": words in capitals are placeholders (italic), other
// words are typed as they are (bold).
QString syntax(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9_]*"));
    QString out;
    int at = 0;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(at, m.capturedStart() - at);
        const QString w = m.captured();
        out +=
            (w == w.toUpper() ? QStringLiteral("\\fI%1\\fR") : QStringLiteral("\\fB%1\\fR")).arg(w);
        at = m.capturedEnd();
    }
    out += text.mid(at);
    return out.replace(QLatin1Char('-'), QLatin1String("\\-"));
}

QString bold(QString name)
{
    return QStringLiteral("\\fB%1\\fR").arg(name.replace(QLatin1Char('-'), QLatin1String("\\-")));
}

QString roffFlag(const commandtable::Flag &f)
{
    QString out = bold(QLatin1String(f.name));
    switch (f.value) {
    case commandtable::Value::None:
        break;
    case commandtable::Value::Required:
        out += QLatin1Char(' ') + syntax(QLatin1String(f.valueName));
        break;
    case commandtable::Value::Optional:
        out += QStringLiteral("[=%1]").arg(syntax(QLatin1String(f.valueName)));
        break;
    }
    if (f.alias)
        out.prepend(bold(QLatin1String(f.alias)) + QLatin1String(", "));
    return out;
}

// "a, b and c".
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QLatin1String(", ")) +
           QLatin1String(" and ") + items.last();
}

} // namespace

QString optionsSection()
{
    QString out;
    for (const commandtable::Flag &f : commandtable::flags()) {
        out += QLatin1String(".TP\n") + roffFlag(f) + QLatin1Char('\n');
        if (!f.global) {
            QStringList commands;
            for (const QString &c : commandtable::takenBy(f))
                commands << bold(c);
            out += listed(commands) + QLatin1String(":\n");
        }
        QString help = QString::fromLatin1(f.help);
        help[0] = help.at(0).toUpper();
        out += roff(help + QLatin1Char('.'));
        if (f.manual)
            out += roff(QString::fromUtf8(f.manual));
    }
    return out;
}

QString commandsSection()
{
    QString out;
    for (const commandtable::CommandDeclaration &c : commandtable::commands()) {
        QString tag = bold(QLatin1String(c.name));
        if (*c.arguments)
            tag += QLatin1Char(' ') + syntax(QLatin1String(c.arguments));
        for (const commandtable::FlagUse &use : c.flags) {
            const commandtable::Flag *f = commandtable::findFlag(QLatin1String(use.name));
            tag += QLatin1Char(' ') +
                   (use.required ? roffFlag(*f) : QStringLiteral("[%1]").arg(roffFlag(*f)));
            if (f->repeatable)
                tag += QLatin1String("...");
        }
        out += QLatin1String(".TP\n") + tag + QLatin1Char('\n');
        out += roff(QString::fromUtf8(c.description));
    }
    return out;
}

bool fill(const QString &templateText, QString *page, QString *error)
{
    const QString options = QStringLiteral(".\\\" generated: options\n");
    const QString commands = QStringLiteral(".\\\" generated: commands\n");
    for (const QString &marker : {options, commands}) {
        if (templateText.count(marker) != 1) {
            *error = QStringLiteral("the template needs the line %1 once").arg(marker.trimmed());
            return false;
        }
    }
    *page = templateText;
    page->replace(options, optionsSection());
    page->replace(commands, commandsSection());
    return true;
}

} // namespace manpage
