#include "device/operations/printeraddress.h"

#include <QHostAddress>
#include <QRegularExpression>

QString PrinterAddress::key() const
{
    if (usb)
        return usbPort > 0 ? QStringLiteral("usb:%1").arg(usbPort) : QStringLiteral("usb");
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(host).arg(port)
                                           : QStringLiteral("%1:%2").arg(host).arg(port);
}

bool PrinterAddress::parse(const QString &text, PrinterAddress *out)
{
    const QString t = text.trimmed();
    PrinterAddress a;
    if (t == QLatin1String("usb") || t.startsWith(QLatin1String("usb:"))) {
        a.usb = true;
        if (t.size() > 4) {
            bool ok = false;
            a.usbPort = t.mid(4).toInt(&ok);
            if (!ok || a.usbPort < 1 || a.usbPort > 255)
                return false;
        }
        *out = a;
        return true;
    }
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.]+)\\]|([^\\s:\\[\\]]+))(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return false;
    a.host = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
    if (!m.captured(1).isEmpty() &&
        QHostAddress(a.host).protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    if (!m.captured(3).isEmpty()) {
        const int port = m.captured(3).toInt();
        if (port < 1 || port > 65535)
            return false;
        a.port = quint16(port);
    }
    *out = a;
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
