#include "device/fleet/inventory.h"

#include <QRegularExpression>
#include <QStringList>

namespace fleet::inventory {

QJsonObject record(const Entry &entry)
{
    const Reading &r = entry.reading;
    QJsonObject o{
        {QStringLiteral("printer"), entry.address.key()},
        {QStringLiteral("reached"), r.reached},
        {QStringLiteral("state"), severityName(severity(r))},
    };
    if (!r.model.isEmpty())
        o.insert(QStringLiteral("model"), r.model);
    if (!r.maker.isEmpty())
        o.insert(QStringLiteral("manufacturer"), r.maker);
    if (!r.firmware.isEmpty())
        o.insert(QStringLiteral("firmware"), r.firmware);
    if (!r.serial.isEmpty())
        o.insert(QStringLiteral("serial"), r.serial);
    if (r.dpi > 0)
        o.insert(QStringLiteral("dpi"), r.dpi);
    if (r.reached) {
        o.insert(QStringLiteral("word"),
                 QStringLiteral("0x%1").arg(r.statusWord, 8, 16, QLatin1Char('0')));
        o.insert(QStringLiteral("conditions"),
                 QJsonArray::fromStringList(conditions(r.statusWord)));
    }
    if (r.at.isValid())
        o.insert(QStringLiteral("at"), r.at.toUTC().toString(Qt::ISODate));
    return o;
}

QJsonArray json(const QList<Entry> &entries)
{
    QJsonArray out;
    for (const Entry &e : entries)
        out.append(record(e));
    return out;
}

namespace {

QString field(const QString &text)
{
    if (!text.contains(QRegularExpression(QStringLiteral("[\",\\r\\n]"))))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray csv(const QList<Entry> &entries)
{
    QString out =
        QStringLiteral("printer,state,model,manufacturer,firmware,serial,dpi,conditions,at\r\n");
    for (const Entry &e : entries) {
        const Reading &r = e.reading;
        const QStringList fields{
            e.address.key(),
            severityName(severity(r)),
            r.model,
            r.maker,
            r.firmware,
            r.serial,
            r.dpi > 0 ? QString::number(r.dpi) : QString(),
            r.reached ? conditions(r.statusWord).join(QLatin1Char(' ')) : QString(),
            r.at.isValid() ? r.at.toUTC().toString(Qt::ISODate) : QString(),
        };
        QStringList quoted;
        for (const QString &f : fields)
            quoted << field(f);
        out += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace fleet::inventory
