#pragma once

#include "device/journal/journal.h"
#include "device/operations/outcome.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class ConnectionPanel;
class QWidget;

// The window's side of the journal of changes: every write to the open printer appends a
// line with face "window" and the printer as the window knows it (the model from the
// list it was opened from, the serial number once the serial page read it, the address
// it was opened at). A journal that cannot be written is said once on the status line;
// the write it records goes on as if nothing happened.
class WindowJournal : public QObject
{
    Q_OBJECT

public:
    // `status` shows a text on the window's status line.
    WindowJournal(const ConnectionPanel &panel, std::function<void(const QString &)> status,
                  QObject *parent = nullptr);

    void record(journal::Entry entry, const ops::Outcome &outcome);
    void settingsRead(const QString &page, const QJsonObject &values);
    // Another printer was opened: its serial number is not known yet.
    void forgetSerial() { m_serial.clear(); }

    // "变更记录": the open printer's entries, newest first, in a table. Only the journal's
    // last 2 MiB are read, so that a journal of years stalls the window for no more than
    // a moment; older entries are for labelsetup-cli history.
    void showHistory(QWidget *parent) const;
    // The table's rows (time, who, face, what changed, outcome) for `printer`, newest
    // first, from the journal's last `lastBytes`.
    static QList<QStringList> historyRows(const QString &path, const QString &printer,
                                          qint64 lastBytes);

private:
    const ConnectionPanel &m_panel;
    std::function<void(const QString &)> m_status;
    journal::Writer m_writer;
    QString m_serial;
};
