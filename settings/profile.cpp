#include "settings/profile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace profile {

const QStringList &pages()
{
    static const QStringList list{QStringLiteral("print"),    QStringLiteral("distance"),
                                  QStringLiteral("stripper"), QStringLiteral("wifi"),
                                  QStringLiteral("ethernet"), QStringLiteral("bluetooth"),
                                  QStringLiteral("serial")};
    return list;
}

bool parse(const QByteArray &text, Profile *out, QString *error)
{
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
    const QJsonValue dots = root.value(QLatin1String("dotsPerMm"));
    if (!dots.isUndefined() && dots.toInt() != 8 && dots.toInt() != 12) {
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
        if (!pages().contains(it.key())) {
            *error = QStringLiteral("unknown page \"%1\" (known: %2)")
                         .arg(it.key(), pages().join(QLatin1String(", ")));
            return false;
        }
        if (!it.value().isObject()) {
            *error = QStringLiteral("page \"%1\" must be an object of settings").arg(it.key());
            return false;
        }
    }
    out->model = root.value(QLatin1String("model")).toString();
    out->dotsPerMm = dots.isUndefined() ? 8 : dots.toInt();
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
    for (const QString &page : pages()) {
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
