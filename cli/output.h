#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What a command prints: plain lines for people, one JSON object with --json, or with
// --jsonl one JSON object per line as each record is known and a summary line last.
class Output
{
public:
    enum class Form
    {
        Text,
        Json,
        JsonLines,
    };
    explicit Output(Form form) : m_form(form) {}
    Form form() const { return m_form; }
    bool json() const { return m_form != Form::Text; }

    // A line for people; ignored with --json and --jsonl.
    void line(const QString &text);
    // A field of the JSON object (the summary line with --jsonl); ignored for text.
    void set(const QString &key, const QJsonValue &value);
    // One record as soon as it is known: a line of its own with --jsonl, else nothing.
    void record(const QJsonObject &object);
    // An error for people on stderr; with --json and --jsonl also the object's "error".
    void error(const QString &text);
    // A warning on stderr; with --json and --jsonl also in the object's "warnings".
    void warning(const QString &text);

    // Prints the JSON object, or the summary line, to stdout.
    void finish(int exitCode);

private:
    Form m_form;
    QJsonObject m_object;
};

// `text` fit for a terminal: control characters (from a targets file, a profile, a
// printer's answer) shown as \xNN, line breaks kept, so that none acts on the terminal.
QString printable(const QString &text);

// Exit codes of labelsetup-cli.
enum ExitCode
{
    ExitOk = 0,
    ExitUsage = 1,
    ExitNoPrinter = 2,     // no printer, or it cannot be connected to
    ExitRefused = 3,       // the printer refused or did not answer
    ExitDifference = 4,    // verification found a difference
    ExitBadFile = 5,       // a bad input file (or an output file that cannot be written)
    ExitUnchanged = 6,     // a firmware rollout read back the version the printer had before
    ExitInterrupted = 130, // stopped by SIGINT, as shells report it
    ExitTerminated = 143,  // stopped by SIGTERM
};

// A stable, untranslated name for an exit code ("refused", "bad-file", ...), carried
// beside the number in JSON output.
QString exitCodeName(int exitCode);
