#pragma once

#include "sim/printerfaults.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything that makes up one simulated printer: its identity, its fixed answers,
// its stored settings, the fault switches and where raw data goes. Loaded from and
// written to JSON (see sim/example-printer.json for the layout).
struct PrinterConfig
{
    // Item 0x0C: five NUL-terminated strings. String 1 is the model name, string 2
    // an IEEE-1284 style device ID ("MFG:<maker>;CMD:...;MDL:<model>;").
    QStringList identity;
    QString firmwareVersion;     // class 0x00 code 4
    quint16 dpi = 300;           // class 0x00 code 0x0B, bytes 0-1
    quint16 maxWidthDots = 1248; // class 0x00 code 0x0B, bytes 2-3
    quint32 statusWord = 0;      // class 0x00 code 3

    // Stored settings: item code -> value bytes exactly as a query answers them.
    // Items without an entry are answered with an empty value (L = 0).
    QMap<quint8, QByteArray> settings;

    PrinterFaults faults;

    QString rawFile;       // when set, bytes outside frames are appended here
    bool rawEcho = false;  // echo bytes outside frames back to the sender
    int dropDelayMs = 100; // restart/initialisation: drop the connection after this
    // After a connection that carried raw bytes (a firmware stream) closes, the printer
    // restarts: it refuses connections for restartMs and then reports a new firmware
    // version. Empty: off. "stream": the version the stream names after "FWVER=";
    // anything else: that version.
    QString firmwareRestart;
    int restartMs = 1000;

    // The built-in printer: a K53TA with every setting item given a plausible value.
    static PrinterConfig defaults();

    // Starts from defaults() and applies the JSON object's members. Returns false with
    // a message on malformed JSON or a value that does not fit its item.
    static bool fromJson(const QByteArray &json, PrinterConfig *out, QString *error = nullptr);
    static bool fromJsonObject(const QJsonObject &object, PrinterConfig *out,
                               QString *error = nullptr);
    static bool loadFile(const QString &path, PrinterConfig *out, QString *error = nullptr);

    // The same layout as fromJson() reads; settings are written in their readable form.
    QJsonObject toJson() const;

    // The answer bytes of item 0x0C built from `identity` (at most 255 bytes).
    QByteArray identityData() const;

    // The index-th of a row of printers alike, told apart by their serial numbers: the
    // serial's trailing digits counted up by `index` (their width kept where it fits), or
    // the index appended to a serial without them. Index 0 is this printer unchanged.
    PrinterConfig numbered(int index) const;
};
