#pragma once

#include <QString>
#include <QStringList>

// What an operation on a printer came to, the same for the window, the command line and
// the fleet: a stable code for scripts and exit codes, a sentence in the user's
// language, and what reached the printer.
namespace ops {

enum class Code
{
    Ok,
    NotConnected, // no connection to the printer could be made
    NoAnswer,     // it took the connection, but a query went unanswered
    Refused,      // it did not take what was sent, or answered wrongly
    BadInput,     // refused here before anything was sent: a bad file or value
    Unsupported,  // the model lacks it
    Differs,      // written, but read back with another value
    TimedOut,     // the operation's time limit passed
    Interrupted,  // stopped on request before it was done
    Busy,         // another exchange or a file stream has the printer
};

// "ok", "not-connected", "no-answer", "refused", "bad-input", "unsupported", "differs",
// "timed-out", "interrupted", "busy": never translated, for JSON and scripts.
QString codeName(Code code);

struct Outcome
{
    Code code = Code::Ok;
    QString sentence;         // for people, in their language; may be empty on success
    QString step;             // where it ended: "identity", a page, "download", a function
    int result = 0;           // the exchange's result code behind it (RESULT_*), or 0
    QStringList written;      // what the printer acknowledged: "page.setting", a function, a file
    QStringList notAttempted; // what was left alone because the operation ended first
    QStringList unconfirmed;  // sent, but no answer of the printer after it confirmed it

    bool ok() const { return code == Code::Ok; }
};

// A query at `step` to `printer` that failed with `result`.
Outcome queryFailed(int result, const QString &step, const QString &printer);
// Something sent at `step` to `printer` that failed with `result`.
Outcome sendFailed(int result, const QString &step, const QString &printer);
// Sent at `step` to `printer`, but the printer did not answer after it (`result`).
Outcome notConfirmed(int result, const QString &step, const QString &printer);
// Refused here, nothing sent.
Outcome badInput(const QString &sentence);

} // namespace ops
