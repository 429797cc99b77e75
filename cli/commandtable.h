#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct Options;

// The commands of labelsetup-cli and the flags each takes, declared once: the option
// parser, --help, the manual page and the shell completions are all made from here.
namespace commandtable {

enum class Value
{
    None,
    Required, // "--name VALUE" or "--name=VALUE"
    Optional, // "--name" or "--name=VALUE"
};

// What a shell offers for a flag's value.
enum class ValueHint
{
    Typed, // typed by hand
    File,
    PageList, // page names separated by commas
    Listen,   // the usual address
};

// What a shell offers for a command's arguments.
enum class ArgumentHint
{
    None,
    Pages,    // page names
    Function, // one function name
    Download, // firmware|font, then a .hex or .bin file
    Profile,  // one .json file
};

// A value that cannot be stored: a bad value is a usage error, a file that cannot be read
// a bad input file.
enum class Stored
{
    Ok,
    BadValue,
    BadFile,
};
using Store = Stored (*)(const QString &value, Options *options, QString *error);

struct Flag
{
    const char *name;  // "--jobs"
    const char *alias; // another spelling ("-h") or nullptr
    Value value;
    const char *valueName; // "N", nullptr without a value
    ValueHint hint;
    bool global; // taken by every command
    bool repeatable;
    const char *help;   // one line for --help
    const char *manual; // what the manual page adds, or nullptr; `word` is a literal
    Store store;
};

struct FlagUse
{
    const char *name;
    bool required = false;
};

struct CommandDeclaration
{
    const char *name;
    const char *arguments; // after the name, before the flags ("FILE", "[PAGE...]")
    ArgumentHint hint;
    const char *summary;     // one line
    const char *description; // paragraphs for its --help and the manual; `word` is a literal
    QList<FlagUse> flags;    // besides the global ones, in the order shown
};

// Every flag, in the order the manual lists them.
const QList<Flag> &flags();
// By name or alias; nullptr for none.
const Flag *findFlag(const QString &name);

// Every command, in the order --help lists them.
const QList<CommandDeclaration> &commands();
const CommandDeclaration *findCommand(const QString &name);

bool takes(const CommandDeclaration &command, const Flag &flag);
// The commands that take a flag that is not global.
QStringList takenBy(const Flag &flag);

// "--jobs N", "--usb[=PORT]", "--dry-run".
QString flagSyntax(const Flag &flag);
// "apply FILE [--dry-run] ... [--net HOST[:PORT]]...": the name, the arguments and the
// flags the command takes besides the global ones.
QString usage(const CommandDeclaration &command);

// `literal` marks removed, for plain text.
QString plain(const char *text);

} // namespace commandtable
