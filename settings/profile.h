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

// The pages a profile may hold, in the order the window shows and applies them.
const QStringList &pages();

struct Profile
{
    QString model;
    int dotsPerMm = 8;
    QJsonObject settings; // page -> setting name -> value
};

// Reads a profile. A malformed file, another format, a newer version, a page that is
// not known or a page that is not an object is refused with a sentence naming it.
bool parse(const QByteArray &text, Profile *out, QString *error);

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
// order of pages(), settings in the order of the profile's keys.
QList<Difference> diff(const QJsonObject &current, const QJsonObject &wanted);

// "12.5", "true", "\"Shop\"" for tables: a value as one short text.
QString valueText(const QJsonValue &value);

} // namespace profile
