#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

// A settings profile: a printer's stored settings in a file, by readable names and in
// the units the user sees, so that it applies alike to printers of either resolution.
//
//   {"format": "labelsetup-profile", "version": 1, "model": "K53TA", "dotsPerMm": 12,
//    "settings": {"print": {"speed": 3, ...}, "wifi": {...}, ...}}
namespace profile {

constexpr int kVersion = 1;
constexpr const char *kFormat = "labelsetup-profile";

struct Profile
{
    QString model;
    int dotsPerMm = 8;
    QJsonObject settings; // page -> setting name -> value
};

// Reads a profile. A malformed file, a key given twice in one object, another format, a
// newer version, a missing or bad resolution, a page that is not known or a page that is
// not an object is refused with a sentence naming it. The values are checked by
// profileapply::check().
bool parse(const QByteArray &text, Profile *out, QString *error);

// Which pages and settings a command works on: all of the given pages (every page when
// none is given) except the excluded settings ("page.key", or a key of any page).
struct Selection
{
    QStringList pages;
    QStringList exclude;
};

// Reads "--pages print,distance" and "--exclude KEY,..." texts; false with the reason
// for a page or setting that does not exist.
bool parseSelection(const QString &pages, const QString &exclude, Selection *out, QString *error);
bool selected(const Selection &selection, const QString &page, const QString &key = QString());
// The settings of `settings` (page -> key -> value) the selection keeps.
QJsonObject select(const QJsonObject &settings, const Selection &selection);

QByteArray serialize(const Profile &profile);

// One setting that apply would change.
struct Difference
{
    QString page;
    QString setting;
    QJsonValue printer; // undefined when the printer did not report it
    QJsonValue profile;
};

// The settings of `wanted` whose value differs from `current`, page by page in the
// table's order, settings in the order of the profile's keys.
QList<Difference> diff(const QJsonObject &current, const QJsonObject &wanted);

// "12.5", "true", "\"Shop\"" for tables: a value as one short text.
QString valueText(const QJsonValue &value);

} // namespace profile
