#include "device/fleet/fleetlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace fleet::fleetlist {

namespace {

// A line as it may be shown: what a hand or a cut left in it, never raw control bytes.
QString shown(const QString &line)
{
    QString out;
    for (const QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace

QString defaultPath()
{
    const QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    return QFileInfo(settings.fileName()).absolutePath() + QStringLiteral("/fleet-printers.txt");
}

Contents load(const QString &path)
{
    Contents c;
    QFile file(path);
    if (!file.exists())
        return c;
    c.exists = true;
    if (!file.open(QIODevice::ReadOnly)) {
        c.error = file.errorString();
        return c;
    }
    const QByteArray bytes = file.readAll();
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        Address a;
        // The last line lacks its line end only when the file was cut off.
        const bool cut = i == lines.size() - 1;
        if (cut || !Address::parse(trimmed, &a)) {
            if (c.badLine == 0) {
                c.badLine = i + 1;
                c.badText = shown(line);
                c.cut = cut;
            }
            continue; // the rest is still read: the file stays as it is
        }
        if (!c.addresses.contains(a))
            c.addresses.append(a);
    }
    return c;
}

bool save(const QString &path, const QList<Address> &addresses, QString *error)
{
    QByteArray bytes = "# The fleet window's printers, one address a line.\n";
    for (const Address &a : addresses)
        bytes += a.key().toUtf8() + '\n';
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace fleet::fleetlist
