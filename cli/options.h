#pragma once

#include "core/protocol/ports.h"
#include "device/link/printeraddress.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The command line of labelsetup-cli: one command, its arguments, and options that may
// stand before or after the command.
struct Options
{
    QString command;
    QStringList arguments;
    QList<PrinterAddress> targets;
    int jobs = 8;
    int timeoutSeconds = 0; // --timeout: one printer's whole operation; 0: no limit
    bool json = false;
    bool jsonLines = false; // --jsonl
    bool help = false;
    bool version = false;
    bool dryRun = false;
    bool verify = false;
    bool hex = false;
    bool discover = false;
    bool passwordStdin = false;
    bool withSecrets = false;
    bool showSecrets = false; // --show-secrets: passwords and PINs in diff and apply
    bool withIdentity = false;
    bool noWait = false;           // --no-wait: a restart or firmware is sent, not confirmed
    bool allowSameVersion = false; // --allow-same-version
    QString pages;                 // --pages print,distance
    QString exclude;               // --exclude KEY,...
    QString file;                  // --file
    QString ssid;                  // --ssid
    QString out;                   // --out
    quint16 udpPort = ports::kDiscovery;
    QString targetsFile; // --targets, already read into targets
    // Per-printer values of a targets table, by target (cli/targettable.h); empty: none.
    QList<QHash<QString, QString>> targetValues;
    // Many printers at once (cli/fleetcommands.cpp).
    int watchSeconds = 0;                              // --watch
    int intervalSeconds = 10;                          // --interval (exporter)
    QString expectVersion;                             // --expect-version
    QString listen = QStringLiteral("127.0.0.1:9877"); // --listen
    quint16 port = ports::kCommand;                    // --port (scan)
    bool csv = false;                                  // --csv
    QString historyPrinter;                            // --printer (history)
    QString since;                                     // --since (history)
    // Staged runs (cli/stages.h): 0 is off.
    int canary = 0;                // --canary
    int maxFailures = 0;           // --max-failures
    QString resumeFile;            // --resume, already read into resumeSucceeded
    QSet<QString> resumeSucceeded; // the printers that succeeded in that run
    QString profile;                                   // --profile (exporter): drift
    int profileIntervalSeconds = 300;                  // --profile-interval
};

// A targets file larger than this is refused before it is read (about 600,000 lines).
constexpr qint64 kMaxTargetsFileBytes = 16 << 20;

// Parses `arguments` (without the program name) as the command table declares the flags.
// A usage error leaves its text in `error` and returns false: an unknown flag, a value
// missing or bad, or a flag the command does not take (unless help is asked for).
// --targets FILE is read here; `fileError` is set when it cannot be read or holds a bad
// line.
bool parseOptions(const QStringList &arguments, Options *options, QString *error, bool *fileError);

// --net: any printer address but a USB one ("HOST", "HOST:PORT", "[IPV6]:PORT", ...).
bool parseNetTarget(const QString &text, PrinterAddress *target);
// --usb: "" (the first USB printer) or a port number from 1 to 255.
bool parseUsbTarget(const QString &portText, PrinterAddress *target);
// A targets file's text, refused (with the reason) when it cannot be read or is too large.
bool readTargetsText(const QString &path, QString *text, QString *error);
// The addresses of a targets file: one address or "usb:PORT" per line, blank lines and
// lines starting with '#' skipped. False at a bad line, named with `path` and its number.
bool targetsOfText(const QString &path, const QString &text, QList<PrinterAddress> *targets,
                   QString *error);

// The targets that name a printer named before them: the same address and port (an IPv6
// address in any spelling, an IPv4-mapped one as IPv4, a host name as the addresses it
// resolves to) or the same USB port. Maps the index of each such target to the index of
// the first that names its printer. Linear in the number of targets.
QHash<int, int> duplicateTargets(const QList<PrinterAddress> &targets);
