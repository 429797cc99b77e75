#include "device/link/printeraddress.h"

#include "core/protocol/commandcodes.h"
#include "device/link/linkregistry.h"

#include <QHostAddress>
#include <QRegularExpression>

PrinterAddress PrinterAddress::forNetwork(const QString &host, quint16 port)
{
    PrinterAddress a;
    a.scheme = QLatin1String(links::bareKind().scheme);
    a.host = host;
    a.port = port;
    return a;
}

PrinterAddress PrinterAddress::forUsb(int port)
{
    PrinterAddress a;
    a.scheme = QStringLiteral("usb");
    a.usbPort = port;
    return a;
}

bool PrinterAddress::isUsb() const
{
    return medium() == MEDIUM_USB;
}

int PrinterAddress::medium() const
{
    const links::Kind *kind = links::find(scheme);
    return kind ? kind->medium : 0;
}

QString PrinterAddress::key() const
{
    const links::Kind *kind = links::find(scheme);
    if (!kind)
        return scheme + QLatin1Char(':');
    QString text = kind->text(*this);
    if (kind->bare)
        return text;
    return text.isEmpty() ? QLatin1String(kind->scheme)
                          : QLatin1String(kind->scheme) + QLatin1Char(':') + text;
}

bool PrinterAddress::parse(const QString &text, PrinterAddress *out)
{
    const QString t = text.trimmed();
    // "scheme://rest", "scheme:rest" or the scheme alone, for a registered scheme; a
    // host name is never taken for one unless it is spelled as a scheme.
    static const QRegularExpression schemed(
        QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*)(?:$|://|:(?!//))(.*)$"));
    const QRegularExpressionMatch m = schemed.match(t);
    const links::Kind *kind = m.hasMatch() ? links::find(m.captured(1)) : nullptr;
    const QString rest = kind ? m.captured(2) : t;
    // "usb:" or "tcp://": a separator with nothing after it.
    if (kind && rest.isEmpty() && t.size() > m.capturedLength(1))
        return false;
    if (!kind)
        kind = &links::bareKind();
    PrinterAddress a;
    a.scheme = QLatin1String(kind->scheme);
    if (!kind->parse(rest, &a))
        return false;
    *out = a;
    return true;
}

bool parsePort(const QString &text, quint16 *port, int lowestPort)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const int value = text.toInt();
    if (value < lowestPort || value > 65535)
        return false;
    *port = quint16(value);
    return true;
}

bool parseHostPort(const QString &text, QString *host, quint16 *port, bool *portGiven,
                   int lowestPort)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([^\\[\\]\\s/]+)\\]|([^\\[\\]\\s/:]+))(?::([^:]*))?$"));
    QString name;
    QString portText;
    const QRegularExpressionMatch m = form.match(text);
    if (m.hasMatch()) {
        name = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        portText = m.captured(3);
        // Inside brackets only an IPv6 address.
        if (!m.captured(1).isEmpty() &&
            QHostAddress(name).protocol() != QAbstractSocket::IPv6Protocol)
            return false;
        if (m.capturedLength(3) == 0 && m.capturedStart(3) >= 0)
            return false; // "host:" with nothing after it
    } else if (text.count(QLatin1Char(':')) >= 2 &&
               QHostAddress(text).protocol() == QAbstractSocket::IPv6Protocol) {
        name = text; // a bare IPv6 address: no port can follow it
    } else {
        return false;
    }
    quint16 number = 0;
    const bool given = !portText.isEmpty();
    if (given && !parsePort(portText, &number, lowestPort))
        return false;
    *host = name;
    if (given)
        *port = number;
    if (portGiven)
        *portGiven = given;
    return true;
}

bool parseTargets(const QString &text, QList<PrinterAddress> *out, int *badLine)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        PrinterAddress address;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!PrinterAddress::parse(line, &address)) {
            *badLine = i + 1;
            return false;
        }
        out->append(address);
    }
    return true;
}
