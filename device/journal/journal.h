#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>

// The journal of changes: one JSON line for every write to a printer, from the window,
// the command-line tool or the fleet, in $XDG_STATE_HOME/labelsetup/journal.jsonl, so
// that "who changed this printer, and when" has an answer. Passwords and PINs are never
// written to it, only that they changed. The face is the program the person used:
// "window" (the main window), "fleet" (the fleet window) or "cli" (the command-line tool,
// for one printer or many). Bytes sent from the window's console are recorded as a count,
// never their content: they may carry anything, passwords included.
namespace journal {

struct Change
{
    QString key; // "page.setting"
    QJsonValue from;
    QJsonValue to;
};

struct File
{
    QString name;
    QByteArray sha256; // hex
};

struct Entry
{
    QDateTime time; // now (UTC) when not set
    QString face;   // "window", "cli" or "fleet"
    QString model;
    QString serial;
    QString address; // PrinterAddress::key()
    QList<Change> changes;
    QStringList functions;
    QList<File> files;
    qint64 consoleBytes = -1; // raw bytes sent from the console; -1: none
    QString outcome;  // ops::codeName()
    QString sentence; // the outcome's sentence
};

// The line's object: time, user, host, face, printer {model, serial, address}, changes
// {key: {from, to}} (a secret's as "changed"), functions, files [{name, sha256}],
// outcome {code, sentence}; and console {bytes} for raw bytes sent from the console.
QJsonObject toJson(const Entry &entry);

// $XDG_STATE_HOME (~/.local/state when unset or not absolute)/labelsetup/journal.jsonl.
QString defaultPath();

// Appends entries, from any thread. A line is one write to a file opened for appending,
// so lines of several writers, threads or processes never mix. Appending never fails
// the caller: a journal that cannot be written is said once, through the warning.
class Writer
{
public:
    explicit Writer(const QString &path = defaultPath());
    // Told once, the first time a line cannot be written: the reason.
    void setWarning(std::function<void(const QString &)> warning);
    // False when the line could not be written (the warning was given, or given before).
    bool append(const Entry &entry);
    QString path() const { return m_path; }

private:
    QString m_path;
    std::mutex m_mutex;
    std::function<void(const QString &)> m_warning;
    bool m_warned = false;
};

struct Filter
{
    QString printer; // an address (any spelling of the same key) or a serial number
    QDateTime since; // invalid: all
    // Only the file's last bytes (from the first whole line in them); 0: the whole file.
    // The window reads a bounded tail so that a large journal never stalls it.
    qint64 lastBytes = 0;
};

// "2026-12-01" (midnight UTC) or an ISO 8601 time; invalid for anything else.
QDateTime parseSince(const QString &text);

// The journal's entries that pass the filter, oldest first. A journal not yet written
// has none; a line that cannot be read is skipped and counted in `skipped`. False with
// the reason when the file exists but cannot be read.
bool read(const QString &path, const Filter &filter, QList<QJsonObject> *out, QString *error,
          int *skipped = nullptr);

} // namespace journal
