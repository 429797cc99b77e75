#include "core/settings/profile.h"

#include "core/settings/settingtable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <vector>

namespace profile {

namespace {

// QJsonDocument keeps the last of two equal keys without a word; a profile with one
// is refused instead. A plain scan of the text, safe on any input: on malformed JSON it
// may name a key twice where the parser would have named the fault.
bool duplicatedKey(const QByteArray &text, QString *key)
{
    struct Level
    {
        bool object;
        bool expectKey;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '{' || c == '[') {
            levels.push_back(Level{c == '{', c == '{', {}});
        } else if (c == '}' || c == ']') {
            if (!levels.empty())
                levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            levels.back().expectKey = levels.back().object;
        } else if (c == '"') {
            const int start = i;
            for (++i; i < text.size() && text.at(i) != '"'; ++i) {
                if (text.at(i) == '\\')
                    ++i;
            }
            if (levels.empty() || !levels.back().expectKey)
                continue;
            // Decoded, so that "a" and "\u0061" are one key.
            const QString name = QJsonDocument::fromJson("[" + text.mid(start, i - start + 1) + "]")
                                     .array()
                                     .at(0)
                                     .toString();
            levels.back().expectKey = false;
            if (levels.back().keys.contains(name)) {
                *key = name;
                return true;
            }
            levels.back().keys.insert(name);
        }
    }
    return false;
}

} // namespace

bool parse(const QByteArray &text, Profile *out, QString *error)
{
    // Looked for first: Qt's parser loses the memory of an object it drops for a later
    // equal key.
    QString twice;
    if (duplicatedKey(text, &twice)) {
        *error = QStringLiteral("the key \"%1\" is given twice in one object; which one is meant "
                                "is unclear")
                     .arg(twice);
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("not a valid JSON file: %1 at offset %2")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("not a settings profile: the file holds no JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kFormat)) {
        *error = QStringLiteral("not a settings profile: \"format\" is not \"%1\"")
                     .arg(QLatin1String(kFormat));
        return false;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != double(version.toInt()) ||
        version.toInt() < 1) {
        *error = QStringLiteral("\"version\" must be a whole number from 1");
        return false;
    }
    if (version.toInt() > kVersion) {
        *error = QStringLiteral("the profile has version %1; this tool reads version %2 and older")
                     .arg(version.toInt())
                     .arg(kVersion);
        return false;
    }
    // Every length in dots is scaled by it: a guess would be wrong by half for the
    // other resolution.
    const QJsonValue dots = root.value(QLatin1String("dotsPerMm"));
    if (dots.isUndefined()) {
        *error = QStringLiteral("\"dotsPerMm\" is missing: the resolution the profile's dot "
                                "counts are for (8 or 12) must be given");
        return false;
    }
    if (dots.toInt() != 8 && dots.toInt() != 12) {
        *error = QStringLiteral("\"dotsPerMm\" must be 8 or 12");
        return false;
    }
    const QJsonValue settings = root.value(QLatin1String("settings"));
    if (!settings.isObject()) {
        *error = QStringLiteral("\"settings\" must be an object of pages");
        return false;
    }
    const QJsonObject pageObjects = settings.toObject();
    for (auto it = pageObjects.begin(); it != pageObjects.end(); ++it) {
        if (!settingtable::findPage(it.key())) {
            *error = QStringLiteral("unknown page \"%1\" (known: %2)")
                         .arg(it.key(), settingtable::pageNames().join(QLatin1String(", ")));
            return false;
        }
        if (!it.value().isObject()) {
            *error = QStringLiteral("page \"%1\" must be an object of settings").arg(it.key());
            return false;
        }
    }
    out->model = root.value(QLatin1String("model")).toString();
    out->dotsPerMm = dots.toInt();
    out->settings = pageObjects;
    return true;
}

QByteArray serialize(const Profile &profile)
{
    const QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("model"), profile.model},
                           {QStringLiteral("dotsPerMm"), profile.dotsPerMm},
                           {QStringLiteral("settings"), profile.settings}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QList<Difference> diff(const QJsonObject &current, const QJsonObject &wanted)
{
    QList<Difference> out;
    for (const QString &page : settingtable::pageNames()) {
        const QJsonObject want = wanted.value(page).toObject();
        const QJsonObject have = current.value(page).toObject();
        for (auto it = want.begin(); it != want.end(); ++it) {
            const QJsonValue printerValue = have.value(it.key());
            if (printerValue != it.value())
                out.append(Difference{page, it.key(), printerValue, it.value()});
        }
    }
    return out;
}

bool parseSelection(const QString &pages, const QString &exclude, Selection *out, QString *error)
{
    Selection s;
    for (const QString &page : pages.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!settingtable::findPage(page.trimmed())) {
            *error = QStringLiteral("--pages: unknown page %1 (pages: %2)")
                         .arg(page, settingtable::pageNames().join(QLatin1String(", ")));
            return false;
        }
        s.pages << page.trimmed();
    }
    for (const QString &name : exclude.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = name.trimmed();
        bool known = false;
        for (const settingtable::Row &row : settingtable::rows())
            known = known || key == QLatin1String(row.key) || key == settingtable::qualified(row);
        if (!known) {
            *error = QStringLiteral("--exclude: no setting is called %1").arg(key);
            return false;
        }
        s.exclude << key;
    }
    *out = s;
    return true;
}

bool selected(const Selection &selection, const QString &page, const QString &key)
{
    if (!selection.pages.isEmpty() && !selection.pages.contains(page))
        return false;
    return key.isEmpty() || (!selection.exclude.contains(key) &&
                             !selection.exclude.contains(page + QLatin1Char('.') + key));
}

QJsonObject select(const QJsonObject &settings, const Selection &selection)
{
    QJsonObject out;
    for (auto page = settings.begin(); page != settings.end(); ++page) {
        if (!selected(selection, page.key()))
            continue;
        QJsonObject kept;
        const QJsonObject values = page.value().toObject();
        for (auto it = values.begin(); it != values.end(); ++it) {
            if (selected(selection, page.key(), it.key()))
                kept.insert(it.key(), it.value());
        }
        out.insert(page.key(), kept);
    }
    return out;
}

QString valueText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Undefined:
        return QStringLiteral("-");
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 10);
    case QJsonValue::String:
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    default:
        return QString::fromUtf8(
            (value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject()))
                .toJson(QJsonDocument::Compact));
    }
}

} // namespace profile
