#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class PrinterSession;

// The diagnostics report: one JSON object with the tool's and the machine's versions,
// the printers listed, the open printer's identity, status word and settings, and the
// end of the debug log, for whoever supports the technician. Passwords and PINs are
// masked everywhere in it, log lines included.
namespace diagnosticsreport {

constexpr const char *kMask = "********";

// What the report is made from; the caller gathers the printer's part.
struct Inputs
{
    QString toolVersion;
    QStringList printersListed; // as the device list shows them
    bool printerOpen = false;
    QStringList identity;  // the five identity texts; empty when not read
    int statusResult = -1; // 0 when the status word was read
    quint32 statusWord = 0;
    QJsonObject settings; // page -> setting -> value, as in a settings profile
    QStringList log;      // oldest first
};

// Operating system, Qt, libusb and OpenSSL versions.
QJsonObject environment();

// Reads the identity and the status word of the session's printer into `inputs`.
void readPrinter(PrinterSession &session, Inputs *inputs);

// The report, with every secret masked.
QJsonObject build(const Inputs &inputs);

// A settings key that holds a password or PIN.
bool isSecretKey(const QString &key);
// `settings` with every secret value replaced by kMask; the values replaced are added
// to `secrets`.
QJsonObject maskSettings(const QJsonObject &settings, QStringList *secrets);
// `line` with every secret value, and whatever follows "password", "pin" or "psk" and
// a colon or equals sign, replaced by kMask.
QString maskLine(const QString &line, const QStringList &secrets);

} // namespace diagnosticsreport
