#pragma once

#include "settings/listsetting.h"
#include "settings/settingtable.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <type_traits>

// Plain optional values to and from the engine's JSON values, by setting key.
namespace settingvalues {

template <typename T> void put(QJsonObject *o, const char *key, const std::optional<T> &v)
{
    if (!v)
        return;
    if constexpr (std::is_same_v<T, quint16>)
        o->insert(QLatin1String(key), int(*v));
    else
        o->insert(QLatin1String(key), *v);
}

template <typename T> void take(const QJsonObject &o, const char *key, std::optional<T> *v)
{
    const QJsonValue j = o.value(QLatin1String(key));
    if (j.isUndefined())
        return;
    if constexpr (std::is_same_v<T, QString>)
        *v = j.toString();
    else if constexpr (std::is_same_v<T, bool>)
        *v = j.toBool();
    else if constexpr (std::is_same_v<T, double>)
        *v = j.toDouble();
    else
        *v = T(j.toInt());
}

// A list setting held as the printer's code.
inline void putCode(QJsonObject *o, const char *page, const char *key, const std::optional<int> &code)
{
    if (code)
        o->insert(QLatin1String(key),
                  settingtable::listValue(*settingtable::find(QLatin1String(page), QLatin1String(key)),
                                          *code));
}

inline void takeCode(const QJsonObject &o, const char *page, const char *key, std::optional<int> *code)
{
    const QJsonValue j = o.value(QLatin1String(key));
    if (!j.isUndefined())
        *code = settingtable::listCode(
            *settingtable::find(QLatin1String(page), QLatin1String(key)), j);
}

inline void putList(QJsonObject *o, const char *key, const std::optional<ListSetting> &v)
{
    if (v)
        o->insert(QLatin1String(key),
                  v->unlisted ? QJsonValue(QJsonObject{{QStringLiteral("code"), v->value}})
                              : QJsonValue(v->value));
}

inline void takeList(const QJsonObject &o, const char *key, std::optional<ListSetting> *v)
{
    const QJsonValue j = o.value(QLatin1String(key));
    if (j.isUndefined())
        return;
    if (settingtable::isUnlisted(j))
        *v = ListSetting{j.toObject().value(QLatin1String("code")).toInt(), true};
    else
        *v = ListSetting{j.toInt(), false};
}

} // namespace settingvalues
