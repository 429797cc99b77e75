#include "sim/printerconfig.h"

#include "sim/itemcatalog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

const QList<QPair<RefuseMode, QString>> &refuseNames()
{
    static const QList<QPair<RefuseMode, QString>> n{
        {RefuseMode::None, "none"},
        {RefuseMode::CloseAfterAccept, "close"},
        {RefuseMode::NotListening, "notListening"},
    };
    return n;
}

const QList<QPair<UdpReplyFault, QString>> &udpFaultNames()
{
    static const QList<QPair<UdpReplyFault, QString>> n{
        {UdpReplyFault::None, "none"},
        {UdpReplyFault::NoReply, "noReply"},
        {UdpReplyFault::TenBytes, "tenBytes"},
        {UdpReplyFault::NoMfg, "noMfg"},
        {UdpReplyFault::LengthZero, "lengthZero"},
        {UdpReplyFault::LengthBit7, "lengthBit7"},
        {UdpReplyFault::LengthTooLong, "lengthTooLong"},
    };
    return n;
}

template <typename E>
bool enumFromName(const QList<QPair<E, QString>> &names, const QString &name, E *out)
{
    for (const auto &p : names) {
        if (p.second == name) {
            *out = p.first;
            return true;
        }
    }
    return false;
}

template <typename E> QString enumName(const QList<QPair<E, QString>> &names, E value)
{
    for (const auto &p : names) {
        if (p.first == value)
            return p.second;
    }
    return QString();
}

// A number, or a text holding a decimal or 0x-prefixed hexadecimal number.
bool toInteger(const QJsonValue &v, qint64 *out)
{
    if (v.isDouble()) {
        // Converting a double outside the 64-bit range is undefined: refuse it first.
        const double d = v.toDouble();
        if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0))
            return false;
        *out = qint64(d);
        return true;
    }
    if (v.isString()) {
        const QString s = v.toString().trimmed();
        bool ok = false;
        *out = s.startsWith("0x", Qt::CaseInsensitive) ? s.mid(2).toLongLong(&ok, 16)
                                                       : s.toLongLong(&ok, 10);
        return ok;
    }
    return false;
}

bool itemSet(const QJsonValue &v, QSet<quint8> *out, QString *error, const QString &what)
{
    if (!v.isArray()) {
        *error = what + ": expected an array of item codes";
        return false;
    }
    out->clear();
    for (const QJsonValue e : v.toArray()) {
        qint64 n = 0;
        quint8 code = 0;
        if (toInteger(e, &n) && n >= 0 && n <= 255) {
            code = quint8(n);
        } else if (!e.isString() || !itemcatalog::codeFromKey(e.toString(), &code)) {
            *error = what + ": bad item code";
            return false;
        }
        out->insert(code);
    }
    return true;
}

QJsonArray itemArray(const QSet<quint8> &items)
{
    QList<quint8> sorted = items.values();
    std::sort(sorted.begin(), sorted.end());
    QJsonArray a;
    for (quint8 c : sorted)
        a.append(QString("0x%1").arg(c, 2, 16, QChar('0')));
    return a;
}

bool faultsFromJson(const QJsonObject &o, PrinterFaults *f, QString *error)
{
    auto intMember = [&](const char *name, qint64 min, qint64 max, auto *target) {
        if (!o.contains(name))
            return true;
        qint64 n = 0;
        if (!toInteger(o.value(name), &n) || n < min || n > max) {
            *error = QStringLiteral("faults.%1: out of range").arg(name);
            return false;
        }
        *target = decltype(+*target)(n);
        return true;
    };
    auto boolMember = [&](const char *name, bool *target) {
        if (!o.contains(name))
            return true;
        if (!o.value(name).isBool()) {
            *error = QStringLiteral("faults.%1: expected true or false").arg(name);
            return false;
        }
        *target = o.value(name).toBool();
        return true;
    };
    if (o.contains("silentItems") &&
        !itemSet(o.value("silentItems"), &f->silentItems, error, "faults.silentItems"))
        return false;
    if (o.contains("ignoredSetItems") &&
        !itemSet(o.value("ignoredSetItems"), &f->ignoredSetItems, error, "faults.ignoredSetItems"))
        return false;
    if (o.contains("wrongItemItems") &&
        !itemSet(o.value("wrongItemItems"), &f->wrongItemItems, error, "faults.wrongItemItems"))
        return false;
    if (o.contains("strayBytes") &&
        !itemcatalog::fromHex(o.value("strayBytes").toString(), &f->strayBytes)) {
        *error = "faults.strayBytes: expected hex bytes";
        return false;
    }
    if (!boolMember("lengthBit7", &f->lengthBit7) ||
        !intMember("replyDelayMs", 0, 600000, &f->replyDelayMs) ||
        !intMember("replySegments", 1, 4096, &f->replySegments) ||
        !intMember("segmentPauseMs", 0, 600000, &f->segmentPauseMs) ||
        !intMember("dropAfterBytes", -1, std::numeric_limits<qint64>::max(), &f->dropAfterBytes) ||
        !intMember("slowReadChunk", 0, 1 << 30, &f->slowReadChunk) ||
        !intMember("slowReadPauseMs", 0, 600000, &f->slowReadPauseMs) ||
        !intMember("stopReadingAfterFrames", -1, std::numeric_limits<int>::max(),
                   &f->stopReadingAfterFrames) ||
        !intMember("closeAfterFrames", -1, std::numeric_limits<int>::max(), &f->closeAfterFrames) ||
        !boolMember("udpDuplicate", &f->udpDuplicate))
        return false;
    if (o.contains("refuse") &&
        !enumFromName(refuseNames(), o.value("refuse").toString(), &f->refuse)) {
        *error = "faults.refuse: expected none, close or notListening";
        return false;
    }
    if (o.contains("udpFault") &&
        !enumFromName(udpFaultNames(), o.value("udpFault").toString(), &f->udpFault)) {
        *error = "faults.udpFault: expected none, noReply, tenBytes, noMfg, lengthZero, "
                 "lengthBit7 or lengthTooLong";
        return false;
    }
    return true;
}

QJsonObject faultsToJson(const PrinterFaults &f)
{
    return QJsonObject{
        {"silentItems", itemArray(f.silentItems)},
        {"wrongItemItems", itemArray(f.wrongItemItems)},
        {"ignoredSetItems", itemArray(f.ignoredSetItems)},
        {"strayBytes", itemcatalog::toHex(f.strayBytes)},
        {"lengthBit7", f.lengthBit7},
        {"replyDelayMs", f.replyDelayMs},
        {"replySegments", f.replySegments},
        {"segmentPauseMs", f.segmentPauseMs},
        // Beyond 2^53 a double loses digits; the decimal text reads back exactly.
        {"dropAfterBytes", f.dropAfterBytes <= (qint64(1) << 53)
                               ? QJsonValue(double(f.dropAfterBytes))
                               : QJsonValue(QString::number(f.dropAfterBytes))},
        {"refuse", enumName(refuseNames(), f.refuse)},
        {"slowReadChunk", f.slowReadChunk},
        {"slowReadPauseMs", f.slowReadPauseMs},
        {"stopReadingAfterFrames", f.stopReadingAfterFrames},
        {"closeAfterFrames", f.closeAfterFrames},
        {"udpFault", enumName(udpFaultNames(), f.udpFault)},
        {"udpDuplicate", f.udpDuplicate},
    };
}

} // namespace

PrinterConfig PrinterConfig::defaults()
{
    PrinterConfig c;
    c.identity = QStringList{
        "Label",
        "K53TA",
        "MFG:Label;CMD:TSPL,ZPL,CPCL,EPL,DPL;MDL:K53TA;CLS:PRINTER;DES:Label K53TA;",
        "V1.2.7",
        "K53TA2401000123",
    };
    c.firmwareVersion = "V1.2.7";
    c.dpi = 300;
    c.maxWidthDots = 1248;
    c.statusWord = 0;
    c.settings = itemcatalog::defaultSettings();
    return c;
}

bool PrinterConfig::fromJson(const QByteArray &json, PrinterConfig *out, QString *error)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (doc.isNull() || !doc.isObject()) {
        if (error)
            *error =
                pe.error != QJsonParseError::NoError
                    ? QStringLiteral("JSON: %1 at offset %2").arg(pe.errorString()).arg(pe.offset)
                    : QStringLiteral("JSON: expected an object");
        return false;
    }
    return fromJsonObject(doc.object(), out, error);
}

bool PrinterConfig::fromJsonObject(const QJsonObject &o, PrinterConfig *out, QString *error)
{
    PrinterConfig c = defaults();
    QString err;
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return false;
    };

    if (o.contains("identity")) {
        const QJsonArray a = o.value("identity").toArray();
        if (a.size() != 5)
            return fail("identity: expected five texts");
        c.identity.clear();
        for (const QJsonValue &v : a) {
            if (!v.isString() || v.toString().contains(QChar(0)))
                return fail("identity: expected five texts without NUL");
            c.identity << v.toString();
        }
        int total = 0;
        for (const QString &t : c.identity)
            total += t.toUtf8().size() + 1;
        if (total > 255)
            return fail("identity: the five texts with their NULs exceed 255 bytes");
    }
    if (o.contains("firmwareVersion")) {
        if (!o.value("firmwareVersion").isString() ||
            o.value("firmwareVersion").toString().toUtf8().size() > 254)
            return fail("firmwareVersion: expected a text of at most 254 bytes");
        c.firmwareVersion = o.value("firmwareVersion").toString();
    }
    qint64 n = 0;
    if (o.contains("dpi")) {
        if (!toInteger(o.value("dpi"), &n) || n < 0 || n > 65535)
            return fail("dpi: expected 0..65535");
        c.dpi = quint16(n);
    }
    if (o.contains("maxWidthDots")) {
        if (!toInteger(o.value("maxWidthDots"), &n) || n < 0 || n > 65535)
            return fail("maxWidthDots: expected 0..65535");
        c.maxWidthDots = quint16(n);
    }
    if (o.contains("statusWord")) {
        if (!toInteger(o.value("statusWord"), &n) || n < 0 || n > 0xFFFFFFFFLL)
            return fail("statusWord: expected a 32-bit number");
        c.statusWord = quint32(n);
    }
    if (o.contains("dropDelayMs")) {
        if (!toInteger(o.value("dropDelayMs"), &n) || n < 0 || n > 600000)
            return fail("dropDelayMs: expected 0..600000");
        c.dropDelayMs = int(n);
    }
    if (o.contains("firmwareRestart")) {
        if (!o.value("firmwareRestart").isString() ||
            o.value("firmwareRestart").toString().toUtf8().size() > 254)
            return fail("firmwareRestart: expected \"stream\" or a version");
        c.firmwareRestart = o.value("firmwareRestart").toString();
    }
    if (o.contains("restartMs")) {
        if (!toInteger(o.value("restartMs"), &n) || n < 0 || n > 600000)
            return fail("restartMs: expected 0..600000");
        c.restartMs = int(n);
    }
    if (o.contains("rawFile"))
        c.rawFile = o.value("rawFile").toString();
    if (o.contains("rawEcho"))
        c.rawEcho = o.value("rawEcho").toBool();
    if (o.contains("settings")) {
        if (!o.value("settings").isObject())
            return fail("settings: expected an object");
        const QJsonObject s = o.value("settings").toObject();
        for (auto it = s.begin(); it != s.end(); ++it) {
            quint8 code = 0;
            if (!itemcatalog::codeFromKey(it.key(), &code))
                return fail("settings: unknown item " + it.key());
            if (code == 0x0C && !(it.value().isObject() && it.value().toObject().contains("hex")))
                return fail(
                    "settings: item 0x0C takes {\"hex\": ...}; its texts go in \"identity\"");
            QByteArray bytes;
            if (!itemcatalog::fromJson(code, it.value(), &bytes, &err))
                return fail("settings." + err);
            c.settings.insert(code, bytes);
        }
    }
    if (o.contains("faults")) {
        if (!o.value("faults").isObject())
            return fail("faults: expected an object");
        if (!faultsFromJson(o.value("faults").toObject(), &c.faults, &err))
            return fail(err);
    }
    *out = c;
    return true;
}

bool PrinterConfig::loadFile(const QString &path, PrinterConfig *out, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + ": " + f.errorString();
        return false;
    }
    QString err;
    if (!fromJson(f.readAll(), out, &err)) {
        if (error)
            *error = path + ": " + err;
        return false;
    }
    return true;
}

QJsonObject PrinterConfig::toJson() const
{
    QJsonObject settingsJson;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        settingsJson.insert(itemcatalog::keyFor(it.key()),
                            itemcatalog::toJson(it.key(), it.value()));
    return QJsonObject{
        {"identity", QJsonArray::fromStringList(identity)},
        {"firmwareVersion", firmwareVersion},
        {"dpi", dpi},
        {"maxWidthDots", maxWidthDots},
        {"statusWord", QString("0x%1").arg(statusWord, 8, 16, QChar('0'))},
        {"dropDelayMs", dropDelayMs},
        {"firmwareRestart", firmwareRestart},
        {"restartMs", restartMs},
        {"rawFile", rawFile},
        {"rawEcho", rawEcho},
        {"settings", settingsJson},
        {"faults", faultsToJson(faults)},
    };
}

QByteArray PrinterConfig::identityData() const
{
    QByteArray d;
    for (int i = 0; i < 5; ++i) {
        d += identity.value(i).toUtf8();
        d += '\0';
    }
    return d.left(255);
}

PrinterConfig PrinterConfig::numbered(int index) const
{
    PrinterConfig c = *this;
    if (index == 0)
        return c;
    constexpr quint8 kSerialNumber = 0x10;
    // A text is stored with its terminating NUL.
    const QByteArray stored = settings.value(kSerialNumber);
    const int end = stored.contains('\0') ? stored.indexOf('\0') : stored.size();
    const QByteArray serial = stored.left(end);
    int digits = 0;
    while (digits < serial.size() && digits < 18 &&
           std::isdigit(static_cast<unsigned char>(serial.at(serial.size() - 1 - digits))))
        ++digits;
    const QByteArray stem = serial.left(serial.size() - digits);
    const qint64 number = serial.right(digits).toLongLong() + index;
    c.settings[kSerialNumber] =
        stem + QByteArray::number(number).rightJustified(digits, '0') + stored.mid(end);
    return c;
}
