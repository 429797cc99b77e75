#pragma once

#include "core/protocol/ports.h"

#include <QList>
#include <QMetaType>
#include <QString>

// A printer to talk to: which kind of link reaches it (its scheme, as registered in
// device/link/linkregistry) and where. The window, the command line, the fleet and the
// exporter all read addresses with parse().
struct PrinterAddress
{
    QString scheme = QStringLiteral("tcp");
    QString host;                   // a network printer's host name or address
    quint16 port = ports::kCommand; // its command port
    int usbPort = 0;                // a USB printer's port number; 0: the first one listed

    static PrinterAddress forNetwork(const QString &host, quint16 port = ports::kCommand);
    static PrinterAddress forUsb(int port = 0);
    bool isUsb() const;
    // The medium of its kind of link (MEDIUM_USB, MEDIUM_NETWORK, ...); 0 when unknown.
    int medium() const;

    // The text parse() reads back, also the key of the fleet list: "host:port",
    // "[v6]:port", "usb:PORT", "usb", or "scheme:..." for another kind of link.
    QString key() const;
    // A printer address: "host", "host:port", "[v6]", "[v6]:port" or a bare IPv6 address
    // (the network, port 9100 unless given); "scheme:..." or "scheme://..." for any
    // registered kind of link ("usb", "usb:PORT", "tcp://host:port"). False for
    // anything else, `out` then unchanged.
    static bool parse(const QString &text, PrinterAddress *out);
    bool operator==(const PrinterAddress &o) const { return key() == o.key(); }
    bool operator!=(const PrinterAddress &o) const { return !(*this == o); }
};

// The host and port of "host", "host:port", "[v6]", "[v6]:port" or a bare IPv6 address.
// `port` is left alone when none is given; `portGiven` tells whether one was. A port is
// `lowestPort` (1 for a printer; 0 where the system picks one) to 65535 in decimal
// digits; a host has no blanks, brackets or slashes, and one with colons is an IPv6
// address. False for anything else.
bool parseHostPort(const QString &text, QString *host, quint16 *port, bool *portGiven = nullptr,
                   int lowestPort = 1);

// A port number, `lowestPort` to 65535 in decimal digits.
bool parsePort(const QString &text, quint16 *port, int lowestPort = 1);

// The addresses of a targets file's text (one address a line; blank lines and '#'
// comments skipped). False at the first bad line, its number (from 1) in `badLine`.
bool parseTargets(const QString &text, QList<PrinterAddress> *out, int *badLine);

Q_DECLARE_METATYPE(PrinterAddress)
