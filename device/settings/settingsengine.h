#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

class PrinterSession;

// Reads and writes a page's settings over the rows of settingtable, in one operation,
// with the page's query order, frame grouping, pauses and closing command. Values are
// JSON in the user's units, by setting key.
namespace settingsengine {

// How far a read goes after a failed query.
enum class Scope
{
    Page, // as the page's own read: some pages stop at certain failures (WiFi, Bluetooth)
    Whole // every query, as long as the printer can be reached at all
};

struct ReadResult
{
    // The result the page reports, by its own rules: on most pages the first failed
    // query's code, on some only certain queries' (the distances' last query, the
    // Ethernet address query, the serial number's, ...). Pages that report it give the
    // medium's failure code for a query's (RESULT_TIMED_OUT stays as it is).
    int reported = 0;
    // The first failure of any query, in query order, coded as above; 0 when none.
    int firstFailure = 0;
    // Every setting that the page writes was read: a write from the values would send
    // nothing that is not the printer's own.
    bool complete = true;
    // A cancel of the running job ended the read before every query was asked.
    bool cancelled = false;
};

// How far a read or write came: frames done of the frames it may send.
using Progress = std::function<void(int done, int total)>;

// Runs the page's queries and fills `values` with what was answered; settings the model
// lacks are not asked. A failed query leaves its settings out and the read goes on (up to
// the page's own stops with Scope::Page); once the printer cannot be reached at all
// (printerUnreachable), nothing more is sent. A cancel (the session's stop request)
// ends it at the next frame.
ReadResult read(PrinterSession &session, const QString &page, QJsonObject *values,
                Scope scope = Scope::Page, const Progress &progress = {});

// Sends a frame for each group holding a setting of `wanted` (a changed one, on pages
// that send only changes), taking the group's other settings from `wanted`, else
// `known`; a group missing a setting in both stays unsent. Every frame is sent even
// after a failure. The first failure in the page's reporting order, or 0. `sent`
// receives the items sent. `confirmation`, when given, receives the result of the
// session's confirmWrites() asked before the page's connection closes. A cancel sends
// no further frame and cuts the pauses short; the result is then RESULT_CANCELLED.
int write(PrinterSession &session, const QString &page, const QJsonObject &wanted,
          const QJsonObject &known, QList<uint8_t> *sent = nullptr, int *confirmation = nullptr,
          const Progress &progress = {});

// Sends one frame of the page built from `values` (a setting missing there is sent
// empty), in no operation of its own; the send's result. Provisioning's single frames.
int send(PrinterSession &session, const QString &page, uint8_t item, const QJsonObject &values);

} // namespace settingsengine
