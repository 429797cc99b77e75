#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class PrinterSession;

// The printer's one-shot maintenance commands and its information read-out, free of
// widgets so that the function page and a command-line tool send the same frames.
namespace functioncommands {

struct Command
{
    QString name; // e.g. "selfTest", "restart", "fullCut"
    QByteArray frame;
};

// Every command in the order the function page shows them.
const QList<Command> &all();

// The frame of the named command; empty for an unknown name.
QByteArray frame(const QString &name);

// Sends the named command inside one operation; no reply is read. RESULT_NO_MEDIUM
// without sending for an unknown name.
int run(PrinterSession &session, const QString &name);

// After a restart (or an initialisation) went out: closes the connection and, on the
// network, gives the printer time to drop its side; a restart takes longer. Blocks: for
// the printer's worker, not the window's thread.
void closeAfterRestart(PrinterSession &session, bool restarted);

struct PrinterInformation
{
    std::optional<QString> firmware;
    std::optional<int> dotsPerInch;
    std::optional<int> maxWidthMm;
    std::optional<QString> model;
};

// Three independent queries inside one operation: firmware version, resolution and
// width, identity (the model is its second text). The result is the identity query's.
int readInformation(PrinterSession &session, PrinterInformation *out);

} // namespace functioncommands
