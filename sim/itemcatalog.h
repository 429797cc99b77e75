#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>

// The setting items the simulated printer knows: their names in JSON, the layout of
// their answer bytes and their start values.
namespace itemcatalog {

enum class FieldType
{
    Byte,    // one byte, 0..255
    Word,    // 16 bits, low byte first; JSON -32768..65535
    Address, // four bytes, dotted decimal in JSON
    Mac,     // six bytes, "00:1A:2B:3C:4D:5E" in JSON
    Text,    // NUL-terminated text, UTF-8 (other bytes make the item hex in JSON)
};

struct Field
{
    const char *name; // nullptr for the single field of a plain item
    FieldType type;
};

struct Item
{
    quint8 code;
    const char *name;
    QList<Field> fields; // answer layout, in order
    bool readOnly;       // set frames are recorded but not stored
};

const QList<Item> &items();
const Item *find(quint8 code);
const Item *findByName(const QString &name);

// JSON key of an item: its name, or "0xNN" for unknown items.
QString keyFor(quint8 code);
// Item code from a JSON key: a known name, "0xNN" or a decimal number.
bool codeFromKey(const QString &key, quint8 *code);

// Readable JSON of answer bytes; {"hex": "..."} when they do not fit the item's layout.
QJsonValue toJson(quint8 code, const QByteArray &answer);
// Answer bytes from JSON (the readable form or {"hex": "..."}).
bool fromJson(quint8 code, const QJsonValue &value, QByteArray *answer, QString *error);

// The value a set frame stores, in answer layout. Only item 0x28 differs: its set
// payload carries the mask before the gateway, its answer the gateway before the mask.
QByteArray answerFromSetPayload(quint8 code, const QByteArray &payload);

// Start values of every item (item 0x0C, the identity, is kept apart).
QMap<quint8, QByteArray> defaultSettings();

// "1B FF FE" style hexadecimal, and back (blanks ignored; false on odd or bad digits).
QString toHex(const QByteArray &bytes);
bool fromHex(const QString &text, QByteArray *bytes);

} // namespace itemcatalog
