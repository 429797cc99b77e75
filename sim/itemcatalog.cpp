#include "sim/itemcatalog.h"

#include <QRegExp>
#include <QJsonObject>
#include <QStringList>

namespace itemcatalog {

namespace {

using FT = FieldType;

QList<Item> buildItems()
{
    const Field byte{nullptr, FT::Byte};
    const Field word{nullptr, FT::Word};
    const Field text{nullptr, FT::Text};
    return {
        {0x00, "printSpeed", {byte}, false},
        {0x01, "codePage", {byte}, false},
        {0x02, "commandSet", {byte}, false},
        {0x0D,
         "ethernet",
         {{"mode", FT::Byte}, {"ip", FT::Address}, {"mask", FT::Address}, {"gateway", FT::Address}},
         false},
        {0x0E,
         "serialPort",
         {{"baud", FT::Byte}, {"parity", FT::Byte}, {"dataBits", FT::Byte}, {"stopBits", FT::Byte}},
         false},
        {0x0F, "netPorts", {{"tcp", FT::Word}, {"udp", FT::Word}}, false},
        {0x10, "serialNumber", {text}, false},
        {0x13, "density", {byte}, false},
        {0x16, "paperType", {byte}, false},
        {0x18, "labelSize", {{"heightDots", FT::Word}, {"widthDots", FT::Word}}, false},
        {0x19, "labelGap", {word}, false},
        {0x1A, "blackMarkGap", {word}, false},
        {0x1C, "printDirection", {{"direction", FT::Byte}, {"method", FT::Byte}}, false},
        {0x1D, "printOffset", {word}, false},
        {0x1E, "verticalOffset", {word}, false},
        {0x22, "keys", {byte}, false},
        {0x23, "buzzer", {byte}, false},
        {0x25, "cutterMode", {byte}, false},
        {0x26, "wifiStation", {{"name", FT::Text}, {"password", FT::Text}}, false},
        {0x27,
         "wifiAccessPoint",
         {{"name", FT::Text}, {"password", FT::Text}, {"address", FT::Text}},
         false},
        {0x28,
         "wifiIp",
         {{"mode", FT::Byte},
          {"ip", FT::Address},
          {"gateway", FT::Address},
          {"mask", FT::Address},
          {"dns", FT::Address}},
         false},
        {0x29, "wifiTcpPort", {word}, false},
        {0x2B, "sppName", {text}, false},
        {0x2C, "bleName", {text}, false},
        {0x2E, "pin", {text}, false},
        {0x2F, "pairingMode", {byte}, false},
        {0x30, "wifiMode", {byte}, false},
        {0x33, "outletDistance", {word}, false},
        {0x34, "gapSensorDistance", {word}, false},
        {0x35, "blackMarkSensorDistance", {word}, false},
        {0x36, "tearDistance", {word}, false},
        {0x3C, "macAddresses", {{"wifi", FT::Mac}, {"bluetooth", FT::Mac}}, true},
        {0x3E, "menuLanguage", {byte}, false},
        {0x41, "printMode", {byte}, false},
        {0x54, "autoPaper", {byte}, false},
        {0x58, "stripperTimeMs", {word}, false},
    };
}

QByteArray le16(int v)
{
    QByteArray b;
    b += char(v & 0xFF);
    b += char((v >> 8) & 0xFF);
    return b;
}

// Decodes one field at `pos`; false when the bytes do not fit.
bool decodeField(const Field &f, const QByteArray &b, int *pos, QJsonValue *out)
{
    const int left = b.size() - *pos;
    switch (f.type) {
    case FT::Byte:
        if (left < 1)
            return false;
        *out = int(quint8(b.at(*pos)));
        *pos += 1;
        return true;
    case FT::Word:
        if (left < 2)
            return false;
        *out = int(quint8(b.at(*pos))) | (int(quint8(b.at(*pos + 1))) << 8);
        *pos += 2;
        return true;
    case FT::Address: {
        if (left < 4)
            return false;
        QStringList parts;
        for (int i = 0; i < 4; ++i)
            parts << QString::number(quint8(b.at(*pos + i)));
        *out = parts.join('.');
        *pos += 4;
        return true;
    }
    case FT::Mac: {
        if (left < 6)
            return false;
        QStringList parts;
        for (int i = 0; i < 6; ++i)
            parts << QString("%1").arg(quint8(b.at(*pos + i)), 2, 16, QChar('0')).toUpper();
        *out = parts.join(':');
        *pos += 6;
        return true;
    }
    case FT::Text: {
        const int nul = b.indexOf('\0', *pos);
        if (nul < 0)
            return false;
        // Texts that are not UTF-8 (a name typed under another local encoding) would
        // come back altered; the caller keeps such answers as hex bytes instead.
        const QByteArray raw = b.mid(*pos, nul - *pos);
        const QString text = QString::fromUtf8(raw);
        if (text.toUtf8() != raw)
            return false;
        *out = text;
        *pos = nul + 1;
        return true;
    }
    }
    return false;
}

bool encodeField(const Field &f, const QJsonValue &v, QByteArray *out, QString *error)
{
    const QString name = f.name ? QString::fromLatin1(f.name) : QStringLiteral("value");
    switch (f.type) {
    case FT::Byte: {
        if (!v.isDouble() || v.toDouble() < 0 || v.toDouble() > 255) {
            *error = name + QStringLiteral(": expected a number 0..255");
            return false;
        }
        *out += char(v.toInt());
        return true;
    }
    case FT::Word: {
        if (!v.isDouble() || v.toDouble() < -32768 || v.toDouble() > 65535) {
            *error = name + QStringLiteral(": expected a number -32768..65535");
            return false;
        }
        *out += le16(v.toInt());
        return true;
    }
    case FT::Address: {
        const QStringList parts = v.toString().split('.');
        bool ok = parts.size() == 4;
        QByteArray b;
        for (const QString &p : parts) {
            bool partOk = false;
            const int n = p.toInt(&partOk);
            ok = ok && partOk && n >= 0 && n <= 255;
            b += char(n);
        }
        if (!v.isString() || !ok) {
            *error = name + QStringLiteral(": expected a dotted address such as 192.168.1.10");
            return false;
        }
        *out += b;
        return true;
    }
    case FT::Mac: {
        QString hex = v.toString();
        hex.remove(':').remove('-');
        QByteArray b;
        if (!v.isString() || hex.size() != 12 || !fromHex(hex, &b)) {
            *error = name + QStringLiteral(": expected a MAC address such as 00:1A:2B:3C:4D:5E");
            return false;
        }
        *out += b;
        return true;
    }
    case FT::Text: {
        if (!v.isString()) {
            *error = name + QStringLiteral(": expected a text");
            return false;
        }
        const QByteArray t = v.toString().toUtf8();
        if (t.contains('\0')) {
            *error = name + QStringLiteral(": a text cannot hold NUL");
            return false;
        }
        *out += t;
        *out += '\0';
        return true;
    }
    }
    return false;
}

} // namespace

const QList<Item> &items()
{
    static const QList<Item> all = buildItems();
    return all;
}

const Item *find(quint8 code)
{
    for (const Item &i : items()) {
        if (i.code == code)
            return &i;
    }
    return nullptr;
}

const Item *findByName(const QString &name)
{
    for (const Item &i : items()) {
        if (name == QLatin1String(i.name))
            return &i;
    }
    return nullptr;
}

QString keyFor(quint8 code)
{
    if (const Item *i = find(code))
        return QString::fromLatin1(i->name);
    return QString("0x%1").arg(code, 2, 16, QChar('0')).toUpper().replace("0X", "0x");
}

bool codeFromKey(const QString &key, quint8 *code)
{
    if (const Item *i = findByName(key)) {
        *code = i->code;
        return true;
    }
    bool ok = false;
    const int n =
        key.startsWith("0x", Qt::CaseInsensitive) ? key.mid(2).toInt(&ok, 16) : key.toInt(&ok, 10);
    if (!ok || n < 0 || n > 255)
        return false;
    *code = quint8(n);
    return true;
}

QJsonValue toJson(quint8 code, const QByteArray &answer)
{
    const QJsonObject hexForm{{"hex", toHex(answer)}};
    const Item *item = find(code);
    if (!item)
        return hexForm;
    int pos = 0;
    if (item->fields.size() == 1 && !item->fields.first().name) {
        QJsonValue v;
        if (!decodeField(item->fields.first(), answer, &pos, &v) || pos != answer.size())
            return hexForm;
        return v;
    }
    QJsonObject o;
    for (const Field &f : item->fields) {
        QJsonValue v;
        if (!decodeField(f, answer, &pos, &v))
            return hexForm;
        o.insert(QLatin1String(f.name), v);
    }
    if (pos != answer.size())
        return hexForm;
    return o;
}

bool fromJson(quint8 code, const QJsonValue &value, QByteArray *answer, QString *error)
{
    QString err;
    QByteArray out;
    const QString key = keyFor(code);
    if (value.isObject() && value.toObject().contains("hex")) {
        if (!fromHex(value.toObject().value("hex").toString(), &out) || out.size() > 255) {
            if (error)
                *error = key + QStringLiteral(": bad hex bytes");
            return false;
        }
        *answer = out;
        return true;
    }
    const Item *item = find(code);
    if (!item) {
        if (error)
            *error = key + QStringLiteral(": unknown item, give {\"hex\": \"..\"}");
        return false;
    }
    if (item->fields.size() == 1 && !item->fields.first().name) {
        if (!encodeField(item->fields.first(), value, &out, &err)) {
            if (error)
                *error = key + ": " + err;
            return false;
        }
    } else {
        if (!value.isObject()) {
            if (error)
                *error = key + QStringLiteral(": expected an object");
            return false;
        }
        const QJsonObject o = value.toObject();
        for (const Field &f : item->fields) {
            const QString name = QLatin1String(f.name);
            if (!o.contains(name)) {
                if (error)
                    *error = key + QStringLiteral(": missing ") + name;
                return false;
            }
            if (!encodeField(f, o.value(name), &out, &err)) {
                if (error)
                    *error = key + "." + err;
                return false;
            }
        }
    }
    if (out.size() > 255) {
        if (error)
            *error = key + QStringLiteral(": longer than 255 bytes");
        return false;
    }
    *answer = out;
    return true;
}

QByteArray answerFromSetPayload(quint8 code, const QByteArray &payload)
{
    if (code == 0x28 && payload.size() == 17) {
        // set: mode, IP, mask, gateway, DNS; answer: mode, IP, gateway, mask, DNS
        QByteArray a = payload;
        a.replace(5, 4, payload.mid(9, 4));
        a.replace(9, 4, payload.mid(5, 4));
        return a;
    }
    return payload;
}

QMap<quint8, QByteArray> defaultSettings()
{
    // A 12 dots/mm printer: 102 x 152 mm labels, 3 mm gaps, a 3 s stripper wait.
    const QMap<quint8, QJsonValue> start{
        {0x00, 3},
        {0x01, 0},
        {0x02, 2},
        {0x0D, QJsonObject{{"mode", 0},
                           {"ip", "192.168.1.100"},
                           {"mask", "255.255.255.0"},
                           {"gateway", "192.168.1.1"}}},
        {0x0E, QJsonObject{{"baud", 7}, {"parity", 0}, {"dataBits", 0}, {"stopBits", 0}}},
        {0x0F, QJsonObject{{"tcp", 9100}, {"udp", 38400}}},
        {0x10, "K53TA2401000123"},
        {0x13, 8},
        {0x16, 0},
        {0x18, QJsonObject{{"heightDots", 1824}, {"widthDots", 1224}}},
        {0x19, 36},
        {0x1A, 36},
        {0x1C, QJsonObject{{"direction", 0}, {"method", 0}}},
        {0x1D, 0},
        {0x1E, 0},
        {0x22, 0},
        {0x23, 0},
        {0x25, 0},
        {0x26, QJsonObject{{"name", "LabelOffice"}, {"password", "label1234"}}},
        {0x27,
         QJsonObject{{"name", "K53TA-AP"}, {"password", "12345678"}, {"address", "192.168.4.1"}}},
        {0x28, QJsonObject{{"mode", 1},
                           {"ip", "192.168.1.120"},
                           {"gateway", "192.168.1.1"},
                           {"mask", "255.255.255.0"},
                           {"dns", "192.168.1.1"}}},
        {0x29, 9100},
        {0x2B, "K53TA-SPP"},
        {0x2C, "K53TA-BLE"},
        {0x2E, "0000"},
        {0x2F, 0},
        {0x30, 1},
        {0x33, 120},
        {0x34, 240},
        {0x35, 240},
        {0x36, 96},
        {0x3C, QJsonObject{{"wifi", "00:1A:2B:3C:4D:5E"}, {"bluetooth", "A1:B2:C3:0D:0E:0F"}}},
        {0x3E, 1},
        {0x41, 0},
        {0x54, 0},
        {0x58, 3000},
    };
    QMap<quint8, QByteArray> out;
    for (auto it = start.cbegin(); it != start.cend(); ++it) {
        QByteArray b;
        fromJson(it.key(), it.value(), &b, nullptr);
        out.insert(it.key(), b);
    }
    return out;
}

QString toHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

bool fromHex(const QString &text, QByteArray *bytes)
{
    QString t = text;
    t.remove(QRegExp("\\s"));
    if (t.size() % 2 != 0)
        return false;
    for (const QChar c : t) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    }
    *bytes = QByteArray::fromHex(t.toLatin1());
    return true;
}

} // namespace itemcatalog
