#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What a command prints: plain lines for people, or one JSON object with --json.
class Output
{
public:
    explicit Output(bool json) : m_json(json) {}
    bool json() const { return m_json; }

    // A line for people; ignored with --json.
    void line(const QString &text);
    // A field of the JSON object; ignored without --json.
    void set(const QString &key, const QJsonValue &value);
    // An error for people on stderr; with --json also the object's "error".
    void error(const QString &text);

    // Prints the JSON object (with --json) to stdout.
    void finish(int exitCode);

private:
    bool m_json;
    QJsonObject m_object;
};

// Exit codes of labelsetup-cli.
enum ExitCode
{
    ExitOk = 0,
    ExitUsage = 1,
    ExitNoPrinter = 2,  // no printer, or it cannot be connected to
    ExitRefused = 3,    // the printer refused or did not answer
    ExitDifference = 4, // verification found a difference
    ExitBadFile = 5,    // a bad input file (or an output file that cannot be written)
};
