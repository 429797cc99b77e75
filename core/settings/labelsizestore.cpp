#include "core/settings/labelsizestore.h"

#include <QSettings>
#include <cmath>

namespace labelsize {
namespace {
const char kWidthKey[] = "lineEdit_text";
const char kHeightKey[] = "lineEdit_2_text";

double storedValue(const char *key, double fallback)
{
    const QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    bool ok = false;
    const double value = settings.value(QLatin1String(key), fallback).toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}
} // namespace

double storedWidth()
{
    return storedValue(kWidthKey, kDefaultWidth);
}

double storedHeight()
{
    return storedValue(kHeightKey, kDefaultHeight);
}

void store(const QString &widthText, const QString &heightText)
{
    QSettings settings(QStringLiteral("Company"), QStringLiteral("App"));
    settings.setValue(QLatin1String(kHeightKey), heightText);
    settings.setValue(QLatin1String(kWidthKey), widthText);
}

} // namespace labelsize
