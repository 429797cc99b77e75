#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// A printer to talk to: a network address or a USB port.
struct PrinterAddress
{
    bool usb = false;
    QString host;
    quint16 port = 9100;
    int usbPort = 0; // 0: the first USB printer listed

    // "host:port", "[v6]:port", "usb:PORT" or "usb"; also the key of the fleet list.
    QString key() const;
    // The same forms back (a host alone gets port 9100); false for anything else.
    static bool parse(const QString &text, PrinterAddress *out);
    bool operator==(const PrinterAddress &o) const { return key() == o.key(); }
};

// The addresses of a targets file's text (one address or usb:PORT a line; blank lines and
// '#' comments skipped). False at the first bad line, its number (from 1) in `badLine`.
bool parseTargets(const QString &text, QList<PrinterAddress> *out, int *badLine);

Q_DECLARE_METATYPE(PrinterAddress)
