#include "cli/completion.h"

#include "cli/commandtable.h"
#include "core/settings/settingtable.h"
#include "device/operations/functioncommands.h"

namespace completion {

namespace {

using commandtable::ArgumentHint;
using commandtable::Flag;
using commandtable::Value;
using commandtable::ValueHint;

QStringList functionNames()
{
    QStringList names;
    for (const functioncommands::Command &c : functioncommands::all())
        names << c.name;
    return names;
}

QStringList commandNames()
{
    QStringList names;
    for (const commandtable::CommandDeclaration &c : commandtable::commands())
        names << QLatin1String(c.name);
    return names;
}

// The names of the flags with a value given as the next word, or with a hint.
QStringList flagNames(bool (*which)(const Flag &))
{
    QStringList names;
    for (const Flag &f : commandtable::flags()) {
        if (which(f))
            names << QLatin1String(f.name);
    }
    return names;
}

QStringList offeredAfter(const commandtable::CommandDeclaration &command)
{
    QStringList names;
    for (const Flag &f : commandtable::flags()) {
        if (commandtable::takes(command, f))
            names << QLatin1String(f.name);
    }
    return names;
}

// Text in single quotes for a shell.
QString quoted(const QString &text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("'\\''")) +
           QLatin1Char('\'');
}

} // namespace

QString bash()
{
    const QStringList pages = settingtable::pageNames();
    QString out = QStringLiteral(
        "# bash completion for labelsetup-cli                       -*- shell-script -*-\n"
        "# Made by labelsetup-cli-docgen from the command table. Commands, the flags of each\n"
        "# command, page and function names, and files where a command takes one.\n\n"
        "_labelsetup_cli()\n"
        "{\n"
        "    local cur prev words cword split\n"
        "    _init_completion -s -n : || return\n\n");
    out += QStringLiteral("    local commands=%1\n\n")
               .arg(quoted(commandNames().join(QLatin1Char(' '))));
    out += QStringLiteral("    case $prev in\n");
    const QStringList typed = flagNames(
        [](const Flag &f) { return f.value == Value::Required && f.hint == ValueHint::Typed; });
    out += QStringLiteral("        %1)\n            return # typed by hand\n            ;;\n")
               .arg(typed.join(QLatin1String(" | ")));
    out += QStringLiteral("        %1)\n            _filedir\n            return\n            ;;\n")
               .arg(flagNames([](const Flag &f) {
                        return f.hint == ValueHint::File;
                    }).join(QLatin1String(" | ")));
    out +=
        QStringLiteral("        %1)\n"
                       "            local prefix=''\n"
                       "            [[ $cur == *,* ]] && prefix=${cur%,*},\n"
                       "            COMPREPLY=($(compgen -P \"$prefix\" -W %2 -- \"${cur##*,}\"))\n"
                       "            return\n            ;;\n")
            .arg(flagNames([](const Flag &f) {
                     return f.hint == ValueHint::PageList;
                 }).join(QLatin1String(" | ")),
                 quoted(pages.join(QLatin1Char(' '))));
    out += QStringLiteral("        %1)\n"
                          "            COMPREPLY=($(compgen -W '127.0.0.1:9877' -- \"$cur\"))\n"
                          "            return\n            ;;\n")
               .arg(flagNames([](const Flag &f) {
                        return f.hint == ValueHint::Listen;
                    }).join(QLatin1String(" | ")));
    out += QStringLiteral(
        "    esac\n"
        "    $split && return # --usb=PORT and the values above\n\n"
        "    # The command is the first word that is neither an option nor an option's value.\n"
        "    local i word command='' nargs=0 rest=false\n"
        "    for ((i = 1; i < cword; i++)); do\n"
        "        word=${words[i]}\n"
        "        if ! $rest; then\n"
        "            case $word in\n");
    out += QStringLiteral("                %1)\n                    ((i++))\n"
                          "                    continue\n                    ;;\n")
               .arg(flagNames([](const Flag &f) {
                        return f.value == Value::Required;
                    }).join(QLatin1String(" | ")));
    out +=
        QStringLiteral("                --)\n"
                       "                    rest=true\n"
                       "                    continue\n"
                       "                    ;;\n"
                       "                -*) continue ;;\n"
                       "            esac\n"
                       "        fi\n"
                       "        if [[ -z $command ]]; then\n"
                       "            command=$word\n"
                       "        else\n"
                       "            ((nargs++))\n"
                       "        fi\n"
                       "    done\n\n"
                       "    if [[ $cur == -* ]] && ! $rest; then\n"
                       "        # Before the command any flag; after it those the command takes.\n"
                       "        local options\n"
                       "        case $command in\n");
    for (const commandtable::CommandDeclaration &c : commandtable::commands())
        out += QStringLiteral("            %1) options=%2 ;;\n")
                   .arg(QLatin1String(c.name), quoted(offeredAfter(c).join(QLatin1Char(' '))));
    out += QStringLiteral("            *) options=%1 ;;\n").arg(quoted(flagNames([](const Flag &) {
                                                                           return true;
                                                                       }).join(QLatin1Char(' '))));
    out += QStringLiteral("        esac\n"
                          "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
                          "        return\n"
                          "    fi\n"
                          "    if [[ -z $command ]]; then\n"
                          "        COMPREPLY=($(compgen -W \"$commands\" -- \"$cur\"))\n"
                          "        return\n"
                          "    fi\n"
                          "    case $command in\n");
    for (const commandtable::CommandDeclaration &c : commandtable::commands()) {
        switch (c.hint) {
        case ArgumentHint::None:
            continue;
        case ArgumentHint::Pages:
            out +=
                QStringLiteral("        %1)\n            COMPREPLY=($(compgen -W %2 -- \"$cur\"))\n"
                               "            ;;\n")
                    .arg(QLatin1String(c.name), quoted(pages.join(QLatin1Char(' '))));
            break;
        case ArgumentHint::Function:
            out += QStringLiteral("        %1)\n            ((nargs == 0)) && "
                                  "COMPREPLY=($(compgen -W %2 -- \"$cur\"))\n            ;;\n")
                       .arg(QLatin1String(c.name), quoted(functionNames().join(QLatin1Char(' '))));
            break;
        case ArgumentHint::Download:
            out += QStringLiteral(
                       "        %1)\n"
                       "            if ((nargs == 0)); then\n"
                       "                COMPREPLY=($(compgen -W 'firmware font' -- \"$cur\"))\n"
                       "            elif ((nargs == 1)); then\n"
                       "                # Firmware comes as .hex, fonts as .bin.\n"
                       "                local kind\n"
                       "                for ((i = 1; i < cword; i++)); do\n"
                       "                    [[ ${words[i]} == firmware || ${words[i]} == font ]] "
                       "&& kind=${words[i]}\n"
                       "                done\n"
                       "                if [[ $kind == firmware ]]; then\n"
                       "                    _filedir hex\n"
                       "                else\n"
                       "                    _filedir bin\n"
                       "                fi\n"
                       "            fi\n"
                       "            ;;\n")
                       .arg(QLatin1String(c.name));
            break;
        case ArgumentHint::Profile:
            out += QStringLiteral("        %1)\n            ((nargs == 0)) && _filedir json\n"
                                  "            ;;\n")
                       .arg(QLatin1String(c.name));
            break;
        }
    }
    out += QStringLiteral("    esac\n"
                          "} &&\n"
                          "    complete -F _labelsetup_cli labelsetup-cli\n\n"
                          "# ex: filetype=sh\n");
    return out;
}

namespace {

// Text for an _arguments description or message: brackets and colons escaped.
QString zshText(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('['), QLatin1String("\\["))
        .replace(QLatin1Char(']'), QLatin1String("\\]"))
        .replace(QLatin1Char(':'), QLatin1String("\\:"));
}

// One flag for _arguments: "--jobs=[how many ...]:N: ".
QString zshFlag(const Flag &f)
{
    QString action;
    switch (f.hint) {
    case ValueHint::Typed:
        action = QStringLiteral(" ");
        break;
    case ValueHint::File:
        action = QStringLiteral("_files");
        break;
    case ValueHint::PageList:
        action = QStringLiteral("_sequence compadd - ") +
                 settingtable::pageNames().join(QLatin1Char(' '));
        break;
    case ValueHint::Listen:
        action = QStringLiteral("(127.0.0.1\\:9877)");
        break;
    }
    QString argument = QString::fromLatin1(f.name);
    switch (f.value) {
    case Value::None:
        break;
    case Value::Required:
        argument += QLatin1Char('=');
        break;
    case Value::Optional:
        argument += QLatin1String("=-");
        break;
    }
    argument += QLatin1Char('[') + zshText(QLatin1String(f.help)) + QLatin1Char(']');
    if (f.value != Value::None)
        argument += (f.value == Value::Optional ? QLatin1String("::") : QLatin1String(":")) +
                    zshText(QLatin1String(f.valueName)) + QLatin1Char(':') + action;
    if (f.repeatable)
        argument.prepend(QLatin1Char('*'));
    QStringList lines{quoted(argument)};
    if (f.alias) // the same flag under its other name
        lines.prepend(quoted(QString::fromLatin1(f.alias) + QLatin1Char('[') +
                             zshText(QLatin1String(f.help)) + QLatin1Char(']')));
    return lines.join(QLatin1String(" \\\n        "));
}

QString zshArguments(const commandtable::CommandDeclaration &c)
{
    switch (c.hint) {
    case ArgumentHint::None:
        return *c.arguments ? QStringLiteral("'*:argument: '") : QString();
    case ArgumentHint::Pages:
        return QStringLiteral("'*:page:(%1)'")
            .arg(settingtable::pageNames().join(QLatin1Char(' ')));
    case ArgumentHint::Function:
        return QStringLiteral("'2:function:(%1)'").arg(functionNames().join(QLatin1Char(' ')));
    case ArgumentHint::Download:
        return QStringLiteral("'2:kind:(firmware font)' '3:file:_labelsetup_cli_download_file'");
    case ArgumentHint::Profile:
        return QStringLiteral("'2:profile:_files -g \"*.json\"'");
    }
    return QString();
}

} // namespace

QString zsh()
{
    QString out = QStringLiteral(
        "#compdef labelsetup-cli\n"
        "# zsh completion for labelsetup-cli, made by labelsetup-cli-docgen from the command\n"
        "# table: after a command only the flags it takes are offered.\n\n"
        "_labelsetup_cli_download_file() {\n"
        "    # Firmware comes as .hex, fonts as .bin.\n"
        "    if [[ ${words[(I)firmware]} -gt 0 ]]; then\n"
        "        _files -g '*.hex'\n"
        "    else\n"
        "        _files -g '*.bin'\n"
        "    fi\n"
        "}\n\n");
    // One function per command, then the one without a command.
    for (const commandtable::CommandDeclaration &c : commandtable::commands()) {
        out += QStringLiteral("_labelsetup_cli_%1() {\n    _arguments -s -S \\\n")
                   .arg(QLatin1String(c.name));
        for (const Flag &f : commandtable::flags()) {
            if (commandtable::takes(c, f))
                out += QStringLiteral("        %1 \\\n").arg(zshFlag(f));
        }
        out += QStringLiteral("        '1:command:(%1)'").arg(QLatin1String(c.name));
        const QString arguments = zshArguments(c);
        if (!arguments.isEmpty())
            out += QStringLiteral(" \\\n        ") + arguments;
        out += QStringLiteral("\n}\n\n");
    }
    out += QStringLiteral("_labelsetup_cli_any() {\n    _arguments -s -S \\\n");
    for (const Flag &f : commandtable::flags())
        out += QStringLiteral("        %1 \\\n").arg(zshFlag(f));
    out += QStringLiteral("        '1:command:_labelsetup_cli_commands'\n}\n\n");
    out += QStringLiteral("_labelsetup_cli_commands() {\n    local -a commands=(\n");
    for (const commandtable::CommandDeclaration &c : commandtable::commands())
        out += QStringLiteral("        %1\n")
                   .arg(quoted(QLatin1String(c.name) + QLatin1Char(':') +
                               QString::fromLatin1(c.summary).replace(QLatin1Char(':'),
                                                                      QLatin1String("\\:"))));
    out +=
        QStringLiteral("    )\n    _describe -t commands 'labelsetup-cli command' commands\n}\n\n");
    out += QStringLiteral(
        "_labelsetup_cli() {\n"
        "    # The command is the first word that is neither an option nor an option's value.\n"
        "    local i command\n"
        "    for ((i = 2; i < CURRENT; i++)); do\n"
        "        case $words[i] in\n");
    out += QStringLiteral("            %1) ((i++)) ;;\n").arg(flagNames([](const Flag &f) {
                                                                  return f.value == Value::Required;
                                                              }).join(QLatin1Char('|')));
    out += QStringLiteral(
        "            --) command=$words[i+1]; break ;;\n"
        "            -*) ;;\n"
        "            *) command=$words[i]; break ;;\n"
        "        esac\n"
        "    done\n"
        "    if (( ${+functions[_labelsetup_cli_$command]} )) && [[ -n $command ]]; then\n"
        "        _labelsetup_cli_$command \"$@\"\n"
        "    else\n"
        "        _labelsetup_cli_any \"$@\"\n"
        "    fi\n"
        "}\n\n"
        "_labelsetup_cli \"$@\"\n");
    return out;
}

} // namespace completion
