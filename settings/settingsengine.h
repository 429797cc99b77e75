#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <cstdint>

class PrinterSession;

// Reads and writes a page's settings over the rows of settingtable, in one operation,
// with the page's query order, frame grouping, pauses and closing command. Values are
// JSON in the user's units, by setting key.
namespace settingsengine {

// Runs the page's queries and fills `values` with what was answered; settings the model
// lacks are not asked. A query nobody answered ends the read at once with its code, and
// on some frames a bad reply too, as the table says; otherwise the first failure, or 0.
// Pages that report it give the medium's failure code for a query's (RESULT_TIMED_OUT
// stays as it is).
int read(PrinterSession &session, const QString &page, QJsonObject *values);

// Sends a frame for each group holding a setting of `wanted` (a changed one, on pages
// that send only changes), taking the group's other settings from `wanted`, else
// `known`; a group missing a setting in both stays unsent. Every frame is sent even
// after a failure. The first failure in the page's reporting order, or 0. `sent`
// receives the items sent. `confirmation`, when given, receives the result of the
// session's confirmWrites() asked before the page's connection closes.
int write(PrinterSession &session, const QString &page, const QJsonObject &wanted,
          const QJsonObject &known, QList<uint8_t> *sent = nullptr, int *confirmation = nullptr);

// Sends one frame of the page built from `values` (a setting missing there is sent
// empty), in no operation of its own; the send's result. Provisioning's single frames.
int send(PrinterSession &session, const QString &page, uint8_t item, const QJsonObject &values);

} // namespace settingsengine
