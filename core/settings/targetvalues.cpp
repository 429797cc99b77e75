#include "core/settings/targetvalues.h"

#include <QRegularExpression>

namespace targetvalues {

namespace {

const QString kAddress = QStringLiteral("address");

// "${name}"; anything else after "${" is a mistake worth naming.
const QRegularExpression &reference()
{
    static const QRegularExpression re(QStringLiteral("\\$\\{([A-Za-z_][A-Za-z0-9_]*)\\}"));
    return re;
}

// One line's fields; false for a quote left open.
bool splitFields(const QString &line, QStringList *fields)
{
    fields->clear();
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (quoted) {
            if (ch != QLatin1Char('"'))
                field += ch;
            else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field += line.at(++i);
            else
                quoted = false;
        } else if (ch == QLatin1Char('"') && field.trimmed().isEmpty()) {
            quoted = wasQuoted = true;
            field.clear();
        } else if (ch == QLatin1Char(',')) {
            *fields << (wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else {
            field += ch;
        }
    }
    *fields << (wasQuoted ? field : field.trimmed());
    return !quoted;
}

bool inUse(const QString &line)
{
    const QString t = line.trimmed();
    return !t.isEmpty() && !t.startsWith(QLatin1Char('#'));
}

} // namespace

bool isTable(const QString &text)
{
    for (const QStringRef &line : text.splitRef(QLatin1Char('\n'))) {
        if (inUse(line.toString()))
            return line.trimmed().startsWith(kAddress + QLatin1Char(','));
    }
    return false;
}

bool parse(const QString &text, Table *out, QString *error)
{
    *out = Table();
    static const QRegularExpression columnName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList header;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line =
            lines.at(i).endsWith(QLatin1Char('\r')) ? lines.at(i).chopped(1) : lines.at(i);
        if (!inUse(line))
            continue;
        const int number = i + 1;
        QStringList fields;
        if (!splitFields(line, &fields)) {
            *error = QStringLiteral("line %1: a quote is not closed").arg(number);
            return false;
        }
        if (header.isEmpty()) {
            if (fields.first() != kAddress) {
                *error =
                    QStringLiteral("line %1: the header must start with \"address\"").arg(number);
                return false;
            }
            for (int f = 1; f < fields.size(); ++f) {
                if (!columnName.match(fields.at(f)).hasMatch() || fields.at(f) == kAddress ||
                    fields.indexOf(fields.at(f)) != f) {
                    *error = QStringLiteral("line %1: bad or repeated column name \"%2\"")
                                 .arg(number)
                                 .arg(fields.at(f));
                    return false;
                }
            }
            header = fields;
            out->columns = fields.mid(1);
            continue;
        }
        if (fields.size() != header.size()) {
            *error = QStringLiteral("line %1: %2 fields, the header has %3")
                         .arg(number)
                         .arg(fields.size())
                         .arg(header.size());
            return false;
        }
        if (fields.first().isEmpty()) {
            *error = QStringLiteral("line %1: no address").arg(number);
            return false;
        }
        Row row;
        row.line = number;
        row.address = fields.first();
        for (int f = 1; f < fields.size(); ++f)
            row.values.insert(header.at(f), fields.at(f));
        out->rows << row;
    }
    if (header.isEmpty()) {
        *error = QStringLiteral("no header line \"address,...\"");
        return false;
    }
    return true;
}

bool references(const profile::Profile &wanted, QHash<QString, QStringList> *out, QString *error)
{
    out->clear();
    for (auto page = wanted.settings.begin(); page != wanted.settings.end(); ++page) {
        const QJsonObject settings = page.value().toObject();
        for (auto s = settings.begin(); s != settings.end(); ++s) {
            if (!s.value().isString() || !s.value().toString().contains(QLatin1String("${")))
                continue;
            const QString text = s.value().toString();
            const QString key = page.key() + QLatin1Char('.') + s.key();
            QStringList columns;
            QString rest = text;
            for (auto it = reference().globalMatch(text); it.hasNext();) {
                const QString name = it.next().captured(1);
                if (!columns.contains(name))
                    columns << name;
            }
            rest.remove(reference());
            if (rest.contains(QLatin1String("${"))) {
                *error = QStringLiteral("%1: \"%2\" refers to a value other than as ${name}")
                             .arg(key, text);
                return false;
            }
            out->insert(key, columns);
        }
    }
    return true;
}

profile::Profile withoutReferences(const profile::Profile &wanted)
{
    profile::Profile out = wanted;
    for (auto page = out.settings.begin(); page != out.settings.end(); ++page) {
        QJsonObject settings = page.value().toObject();
        for (auto s = settings.begin(); s != settings.end();) {
            if (s.value().isString() && s.value().toString().contains(QLatin1String("${")))
                s = settings.erase(s);
            else
                ++s;
        }
        page.value() = settings;
    }
    return out;
}

bool fill(const profile::Profile &wanted, const QHash<QString, QString> &values,
          const QString &printer, profile::Profile *out, QString *error)
{
    QHash<QString, QStringList> refs;
    if (!references(wanted, &refs, error))
        return false;
    *out = wanted;
    // In the profile's order, so that the first missing value named is always the same.
    for (auto page = out->settings.begin(); page != out->settings.end(); ++page) {
        QJsonObject settings = page.value().toObject();
        for (auto s = settings.begin(); s != settings.end(); ++s) {
            const QString key = page.key() + QLatin1Char('.') + s.key();
            if (!refs.contains(key))
                continue;
            QString text = s.value().toString();
            for (const QString &column : refs.value(key)) {
                const QString value = values.value(column);
                if (value.isEmpty()) {
                    *error = QStringLiteral("printer %1: %2 refers to ${%3}, which its row lacks")
                                 .arg(printer, key, column);
                    return false;
                }
                text.replace(QStringLiteral("${%1}").arg(column), value);
            }
            s.value() = text;
        }
        page.value() = settings;
    }
    return true;
}

} // namespace targetvalues
