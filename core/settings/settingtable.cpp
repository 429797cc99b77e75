#include "core/settings/settingtable.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/settings/distancecodec.h"
#include "core/settings/modeltable.h"
#include "core/settings/netportcodec.h"
#include "core/settings/printcodec.h"
#include "core/settings/wificodec.h"

#include <QCoreApplication>
#include <QDebug>
#include <cmath>

namespace settingtable {

namespace {

using U = Unit;
using C = Codec;
using M = Models;

const int kBaud[] = {4800,   9600,   14400,  19200,  38400,  56000,  57600,  115200, 128000,
                     230400, 256000, 460800, 500000, 512000, 600000, 750000, 921600};
const int kParity[] = {0, 1, 2};
const int kDataBits[] = {8, 7};
const int kStopBits[] = {1, 2};
const int kPairing[] = {0, 1};
const char *const kCommandSetNames[] = {"ZPL", "TSPL", "CPCL", "EPL", "DPL", "AUTO"};
const int kCommandSetCodes[] = {1, 2, 3, 4, 5, 0x20};
const char *const kWifiModeNames[] = {"station", "accessPoint"};
const int kWifiModeCodes[] = {1, 2};

// A network name has at most 32 bytes, a WPA passphrase 63 characters (64 hex digits):
// the WiFi frames have room for more, the module does not.
constexpr int kSsidBytes = 32;
constexpr int kPassphraseBytes = 64;

// A frame never queried, or never sent.
constexpr int kNever = -1;

// Declares one setting by naming what differs from the defaults of Row.
class Setting
{
public:
    Setting(const char *page, const char *key)
    {
        m_row.page = page;
        m_row.key = key;
    }
    operator Row() const { return m_row; }

    // The item of the frame that carries it, and how its bytes sit there.
    Setting &item(uint8_t item, Codec codec)
    {
        m_row.item = item;
        m_row.codec = codec;
        return *this;
    }
    // Where it sits in the answer (byte offset, or text number) and its place among the
    // set frame's settings, for a frame that carries several.
    Setting &at(int offset, int part = 0)
    {
        m_row.offset = offset;
        m_row.part = part;
        return *this;
    }
    // A list whose entries are their own indexes.
    Setting &list(int entries)
    {
        m_row.unit = Unit::List;
        m_row.entries = entries;
        return *this;
    }
    // A list of numbers; the printer stores the index.
    template <size_t N> Setting &list(const int (&values)[N])
    {
        list(int(N));
        m_row.values = values;
        return *this;
    }
    // A list of names, each with the printer's own code.
    template <size_t N> Setting &named(const char *const (&names)[N], const int (&codes)[N])
    {
        list(int(N));
        m_row.names = names;
        m_row.codes = codes;
        return *this;
    }
    // The speed list: as many entries as the model has speeds.
    Setting &speeds()
    {
        list(modeltable::kAllSpeeds);
        m_row.perModelSpeeds = true;
        return *this;
    }
    Setting &millimetres(double min, double max, int decimals = 0)
    {
        return number(Unit::Millimetres, min, max, decimals);
    }
    Setting &dots() { return number(Unit::Dots, -32768, 32767, 0); }
    Setting &seconds(double max) { return number(Unit::Seconds, 0, max, 0); }
    Setting &port() { return number(Unit::Port, 0, 65535, 0); }
    // A dotted address; a text of at most `textLimit` bytes where it is sent as text.
    Setting &address(int textLimit = 0)
    {
        number(Unit::Address, 0, 255, 0);
        m_row.textLimit = textLimit;
        return *this;
    }
    Setting &flag()
    {
        m_row.unit = Unit::Flag;
        return *this;
    }
    // A text of at most `limit` bytes, and at least `leastLength` characters unless empty.
    Setting &text(int limit, int leastLength = 0)
    {
        m_row.unit = Unit::Text;
        m_row.textLimit = limit;
        m_row.min = leastLength;
        return *this;
    }
    // A text that is shown, never sent.
    Setting &readOnly()
    {
        text(0);
        return flags(ReadOnly);
    }
    Setting &only(Models models)
    {
        m_row.models = models;
        return *this;
    }
    Setting &flags(int flags)
    {
        m_row.flags |= flags;
        return *this;
    }
    // What people call it, translated in the "SettingTable" context.
    Setting &name(const char *name)
    {
        m_row.name = name;
        return *this;
    }

private:
    Setting &number(Unit unit, double min, double max, int decimals)
    {
        m_row.unit = unit;
        m_row.min = min;
        m_row.max = max;
        m_row.decimals = decimals;
        return *this;
    }

    Row m_row;
};

// Declares one frame of a page by naming what differs from the defaults of Frame.
class Query
{
public:
    Query(const char *page, uint8_t item)
    {
        m_frame.page = page;
        m_frame.item = item;
    }
    operator Frame() const { return m_frame; }

    // Its place in the page's queries and in its set frames (kNever: not at all).
    Query &steps(int read, int write)
    {
        m_frame.readStep = read;
        m_frame.writeStep = write;
        return *this;
    }
    Query &pause(int ms)
    {
        m_frame.pauseMs = ms;
        return *this;
    }
    Query &only(Models models)
    {
        m_frame.models = models;
        return *this;
    }
    Query &when(const char *key, const char *value)
    {
        m_frame.whenKey = key;
        m_frame.whenValue = value;
        return *this;
    }
    Query &endsRead()
    {
        m_frame.endsPageRead = true;
        return *this;
    }
    Query &report(Report report)
    {
        m_frame.report = report;
        return *this;
    }
    Query &strictTexts()
    {
        m_frame.strictTexts = true;
        return *this;
    }

private:
    Frame m_frame;
};

// Declares one page by naming what differs from the defaults of Page.
class PageOf
{
public:
    explicit PageOf(const char *name) { m_page.name = name; }
    operator Page() const { return m_page; }

    PageOf &mediumFailure()
    {
        m_page.mediumFailure = true;
        return *this;
    }
    PageOf &changeOnly()
    {
        m_page.changeOnly = true;
        return *this;
    }
    PageOf &fillMissing()
    {
        m_page.fillMissing = true;
        return *this;
    }
    PageOf &batchEnd(int command, int reportStep)
    {
        m_page.batchEnd = command;
        m_page.batchEndReportStep = reportStep;
        return *this;
    }
    PageOf &finalPause(int ms)
    {
        m_page.finalPauseMs = ms;
        return *this;
    }
    PageOf &only(Models models)
    {
        m_page.models = models;
        return *this;
    }

private:
    Page m_page;
};

// clang-format off
// Each setting names what sets it apart; the rest keeps the defaults of Row.
const QList<Row> kRows{
    Setting("print", "speed").item(0x00, C::Byte).speeds()
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印速度")),
    Setting("print", "density").item(0x13, C::Byte).list(16)
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印浓度")),
    Setting("print", "labelGapMm").item(0x19, C::Mm16).millimetres(0, 65535)
        .name(QT_TRANSLATE_NOOP("SettingTable", "标签间隙(单位mm)")),
    Setting("print", "blackMarkGapMm").item(0x1A, C::Mm16).millimetres(0, 65535)
        .name(QT_TRANSLATE_NOOP("SettingTable", "黑标间隙(单位mm)")),
    Setting("print", "direction").item(0x1C, C::NonZero).list(2)
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印方向")),
    Setting("print", "method").item(0x1C, C::NonZero).at(1, 1).list(2)
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印方式")),
    Setting("print", "printOffsetMm").item(0x1D, C::SignedMm16).millimetres(-32768, 32767)
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印偏移(单位mm)")),
    Setting("print", "verticalOffsetMm").item(0x1E, C::SignedMm16).millimetres(-32768, 32767)
        .name(QT_TRANSLATE_NOOP("SettingTable", "垂直偏移(单位mm)")),
    Setting("print", "printMode").item(0x41, C::Capped).list(3).only(M::PrintMode)
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印模式")),
    Setting("print", "autoPaper").item(0x54, C::Byte).list(2).only(M::NoPrintMode)
        .name(QT_TRANSLATE_NOOP("SettingTable", "自动吸纸")),
    Setting("print", "paperType").item(0x16, C::Capped).list(4)
        .name(QT_TRANSLATE_NOOP("SettingTable", "纸张类型")),
    Setting("print", "codePage").item(0x01, C::Byte).list(62)
        .name(QT_TRANSLATE_NOOP("SettingTable", "默认代码页")),
    Setting("print", "commandSet").item(0x02, C::Code).named(kCommandSetNames, kCommandSetCodes)
        .name(QT_TRANSLATE_NOOP("SettingTable", "指令集")),
    // The label size frame carries the height before the width.
    Setting("print", "widthMm").item(0x18, C::LabelMm16).at(2, 1).millimetres(20, 108, 1)
        .name(QT_TRANSLATE_NOOP("SettingTable", "宽度")),
    Setting("print", "heightMm").item(0x18, C::LabelMm16).millimetres(10, 1778, 1)
        .name(QT_TRANSLATE_NOOP("SettingTable", "高度")),
    Setting("print", "menuLanguage").item(0x3E, C::Byte).list(7)
        .name(QT_TRANSLATE_NOOP("SettingTable", "语言切换")),

    Setting("distance", "outletDots").item(0x33, C::Dots16).dots()
        .name(QT_TRANSLATE_NOOP("SettingTable", "出纸口到打印头距离(单位dot)")),
    Setting("distance", "gapSensorMm").item(0x34, C::SignedMm16).millimetres(-32768, 32767)
        .name(QT_TRANSLATE_NOOP("SettingTable", "缝到打印头距离(单位mm)")),
    Setting("distance", "blackSensorMm").item(0x35, C::SignedMm16).millimetres(-32768, 32767)
        .name(QT_TRANSLATE_NOOP("SettingTable", "黑标到打印头距离(单位mm)")),
    Setting("distance", "tearDots").item(0x36, C::Dots16).dots()
        .name(QT_TRANSLATE_NOOP("SettingTable", "打印头到撕纸位置距离(单位dot)")),

    Setting("stripper", "takeAwaySeconds").item(0x58, C::Millis16)
        .seconds(distancecodec::kMaxStripperSeconds).only(M::PrintMode)
        .name(QT_TRANSLATE_NOOP("SettingTable", "剥离器取纸时间设置（单位：s）")),

    Setting("wifi", "mode").item(0x30, C::WifiMode).named(kWifiModeNames, kWifiModeCodes)
        .flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "wifi模式")),
    Setting("wifi", "stationName").item(0x26, C::TextField).text(kSsidBytes).flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "wifi名称")),
    Setting("wifi", "stationPassword").item(0x26, C::TextField).at(1, 1).text(kPassphraseBytes)
        .flags(Restart | Secret)
        .name(QT_TRANSLATE_NOOP("SettingTable", "wifi密码")),
    Setting("wifi", "apName").item(0x27, C::TextField).text(kSsidBytes).flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "wifi名称")),
    // An access point password has at least 8 characters.
    Setting("wifi", "apPassword").item(0x27, C::TextField).at(1, 1).text(kPassphraseBytes, 8)
        .flags(Restart | Secret)
        .name(QT_TRANSLATE_NOOP("SettingTable", "wifi密码")),
    Setting("wifi", "apAddress").item(0x27, C::TextField).at(2, 2).address(15).flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "AP_IP")),
    Setting("wifi", "port").item(0x29, C::Port16).port().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "TCP端口号")),
    Setting("wifi", "mac").item(0x3C, C::Mac).readOnly()
        .name(QT_TRANSLATE_NOOP("SettingTable", "MAC")),
    // The set frame carries the mask before the gateway, the answer the other way round.
    Setting("wifi", "dhcp").item(0x28, C::DhcpOneOn).flag().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "IP模式")),
    Setting("wifi", "ip").item(0x28, C::Address4).at(1, 1).address().flags(Restart | Identity)
        .name(QT_TRANSLATE_NOOP("SettingTable", "IP")),
    Setting("wifi", "mask").item(0x28, C::Address4).at(9, 2).address().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "子网掩码")),
    Setting("wifi", "gateway").item(0x28, C::Address4).at(5, 3).address().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "网关地址")),
    Setting("wifi", "dns").item(0x28, C::Address4).at(13, 4).address().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "DNS")),

    Setting("ethernet", "dhcp").item(0x0D, C::DhcpZeroOn).flag().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "IP模式")),
    Setting("ethernet", "ip").item(0x0D, C::Address4).at(1, 1).address().flags(Restart | Identity)
        .name(QT_TRANSLATE_NOOP("SettingTable", "IP地址")),
    Setting("ethernet", "mask").item(0x0D, C::Address4).at(5, 2).address().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "子网掩码")),
    Setting("ethernet", "gateway").item(0x0D, C::Address4).at(9, 3).address().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "网关地址")),
    Setting("ethernet", "tcpPort").item(0x0F, C::Port16).port().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "TCP端口号")),
    Setting("ethernet", "udpPort").item(0x0F, C::Port16).at(2, 1).port().flags(Restart)
        .name(QT_TRANSLATE_NOOP("SettingTable", "UDP端口号")),

    Setting("bluetooth", "name").item(0x2B, C::Text).text(frame::kMaxText).flags(Identity)
        .name(QT_TRANSLATE_NOOP("SettingTable", "SPP名称")),
    Setting("bluetooth", "bleName").item(0x2C, C::Text).text(frame::kMaxText).flags(Identity)
        .name(QT_TRANSLATE_NOOP("SettingTable", "BLE")),
    Setting("bluetooth", "pairing").item(0x2F, C::Byte).list(kPairing)
        .name(QT_TRANSLATE_NOOP("SettingTable", "SPP连接模式")),
    Setting("bluetooth", "pin").item(0x2E, C::Text).text(frame::kMaxText).flags(Secret)
        .name(QT_TRANSLATE_NOOP("SettingTable", "SPP_PIN码")),
    // The Bluetooth MAC follows the WiFi MAC in the same answer.
    Setting("bluetooth", "mac").item(0x3C, C::Mac).at(6).readOnly()
        .name(QT_TRANSLATE_NOOP("SettingTable", "MAC")),

    Setting("serial", "baud").item(0x0E, C::Byte).list(kBaud)
        .name(QT_TRANSLATE_NOOP("SettingTable", "波特率")),
    Setting("serial", "parity").item(0x0E, C::Byte).at(1, 1).list(kParity)
        .name(QT_TRANSLATE_NOOP("SettingTable", "校验位")),
    Setting("serial", "dataBits").item(0x0E, C::Byte).at(2, 2).list(kDataBits)
        .name(QT_TRANSLATE_NOOP("SettingTable", "数据位")),
    Setting("serial", "stopBits").item(0x0E, C::Byte).at(3, 3).list(kStopBits)
        .name(QT_TRANSLATE_NOOP("SettingTable", "停止位")),
    Setting("serial", "deviceInfo").item(0x0C, C::IdentityText).at(2).readOnly()
        .name(QT_TRANSLATE_NOOP("SettingTable", "设备信息")),
    Setting("serial", "serialNumber").item(0x10, C::Text).text(frame::kMaxText).flags(Identity)
        .name(QT_TRANSLATE_NOOP("SettingTable", "设备SN号")),
};

// Each frame of a page: its place in the page's reads and writes, and what differs from
// the defaults of Frame.
const QList<Frame> kFrames{
    // Read in the page's query order; written in the printer's order.
    Query("print", 0x00).steps(0, 1),
    Query("print", 0x13).steps(1, 2),
    Query("print", 0x19).steps(2, 3),
    Query("print", 0x1A).steps(3, 4),
    Query("print", 0x1C).steps(4, 5),
    Query("print", 0x1D).steps(5, 10),
    Query("print", 0x1E).steps(6, 9),
    Query("print", 0x41).steps(7, 6).only(M::PrintMode),
    Query("print", 0x16).steps(8, 7),
    Query("print", 0x01).steps(9, 0),
    Query("print", 0x02).steps(10, 8),
    Query("print", 0x54).steps(11, 6).only(M::NoPrintMode),
    Query("print", 0x18).steps(12, 11),
    Query("print", 0x3E).steps(13, 12),

    // The page reports the last query's result alone.
    Query("distance", 0x33).steps(0, 0).report(Report::Silent),
    Query("distance", 0x34).steps(1, 1).report(Report::Silent),
    Query("distance", 0x35).steps(2, 2).report(Report::Silent),
    Query("distance", 0x36).steps(3, 3),

    Query("stripper", 0x58).steps(0, 0),

    // The WiFi module needs time to apply each group before the next frame.
    Query("wifi", 0x30).steps(0, 0).pause(1000).endsRead(),
    Query("wifi", 0x26).steps(1, 1).pause(1000).when("mode", "station").endsRead(),
    // Only an access point answer that cannot be read is reported; the read goes on.
    Query("wifi", 0x27).steps(2, 1).pause(1000).when("mode", "accessPoint")
        .report(Report::BadReplyOnly).strictTexts(),
    Query("wifi", 0x29).steps(3, 2).pause(500).endsRead(),
    Query("wifi", 0x3C).steps(4, kNever).endsRead(),
    // The addresses' query does not change the page's result.
    Query("wifi", 0x28).steps(5, 3).report(Report::Silent),

    // Ports are read first, and only the address query's result is reported.
    Query("ethernet", 0x0F).steps(0, 1).report(Report::Silent),
    Query("ethernet", 0x0D).steps(1, 0),

    Query("bluetooth", 0x2B).steps(0, 0).endsRead(),
    Query("bluetooth", 0x2C).steps(1, 1).endsRead(),
    Query("bluetooth", 0x2F).steps(2, 2).endsRead(),
    Query("bluetooth", 0x2E).steps(3, 3).endsRead(),
    Query("bluetooth", 0x3C).steps(4, kNever).endsRead(),

    // Only the serial number's query is reported.
    Query("serial", 0x0E).steps(0, 0).report(Report::Silent),
    Query("serial", 0x0C).steps(1, kNever).report(Report::Silent),
    Query("serial", 0x10).steps(2, 1),
};

const QList<Page> kPages{
    // The print settings end with the batch-end command, which the printer needs to
    // apply them; it goes out last but is reported before the menu language.
    PageOf("print").batchEnd(POWER_SETTINGS_BATCH_END, 12),
    PageOf("distance"),
    // The stripper comes with the models that have the print-mode setting.
    PageOf("stripper").only(M::PrintMode),
    PageOf("wifi").mediumFailure().changeOnly().fillMissing().finalPause(100),
    PageOf("ethernet"),
    PageOf("bluetooth").mediumFailure(),
    PageOf("serial"),
};
// clang-format on

QString numberText(double v)
{
    return QString::number(v, 'g', 10);
}

} // namespace

void range(const Row &row, int dotsPerMm, double *min, double *max, Bounds bounds)
{
    *min = row.min;
    *max = row.unit == Unit::Text ? row.textLimit : row.max;
    if (dotsPerMm < 1)
        return;
    // What the 16-bit dot field holds, in millimetres.
    double lowest = 0;
    double highest = 0;
    switch (row.codec) {
    case Codec::Mm16:
        highest = std::floor(65535.0 / dotsPerMm);
        break;
    case Codec::SignedMm16:
        lowest = std::ceil(-32768.0 / dotsPerMm);
        highest = std::floor(32767.0 / dotsPerMm);
        break;
    case Codec::LabelMm16:
        highest = std::floor(65535.0 * 10 / dotsPerMm) / 10;
        break;
    default:
        return;
    }
    if (bounds == Bounds::Stored) {
        *min = lowest;
        *max = highest;
    } else {
        *min = std::max(*min, lowest);
        *max = std::min(*max, highest);
    }
}

namespace {

bool fail(const Row &row, const QString &what, QString *why)
{
    if (why)
        *why = QStringLiteral("\"%1\" (%2) %3").arg(QLatin1String(row.key), label(row), what);
    return false;
}

QStringList entryTexts(const Row &row, int entries)
{
    QStringList out;
    for (int i = 0; i < entries; ++i) {
        if (row.names)
            out << QLatin1Char('"') + QLatin1String(row.names[i]) + QLatin1Char('"');
        else
            out << QString::number(row.values ? row.values[i] : i);
    }
    return out;
}

} // namespace

const QList<Row> &rows()
{
    return kRows;
}

const QList<Frame> &frames()
{
    return kFrames;
}

const QList<Page> &pages()
{
    return kPages;
}

QStringList pageNames()
{
    QStringList out;
    for (const Page &p : kPages)
        out << QLatin1String(p.name);
    return out;
}

const Row *find(const QString &page, const QString &key)
{
    for (const Row &r : kRows) {
        if (page == QLatin1String(r.page) && key == QLatin1String(r.key))
            return &r;
    }
    return nullptr;
}

const Page *findPage(const QString &page)
{
    for (const Page &p : kPages) {
        if (page == QLatin1String(p.name))
            return &p;
    }
    return nullptr;
}

QList<const Row *> rowsOf(const QString &page)
{
    QList<const Row *> out;
    for (const Row &r : kRows) {
        if (page == QLatin1String(r.page))
            out << &r;
    }
    return out;
}

QList<const Row *> rowsOf(const QString &page, uint8_t item)
{
    QList<const Row *> out;
    for (const Row &r : kRows) {
        if (r.item == item && page == QLatin1String(r.page))
            out << &r;
    }
    std::sort(out.begin(), out.end(), [](const Row *a, const Row *b) { return a->part < b->part; });
    return out;
}

bool has(const Row &row, Flag flag)
{
    return (row.flags & flag) != 0;
}

bool printerUnreachable(int code)
{
    return code == RESULT_NOT_CONNECTED || code == RESULT_USB_OPEN || code == RESULT_TIMED_OUT ||
           code == RESULT_BUSY || code == RESULT_NO_MEDIUM;
}

bool modelHas(Models models, bool printMode)
{
    return models == Models::All || (models == Models::PrintMode) == printMode;
}

QString label(const Row &row)
{
    return QCoreApplication::translate("SettingTable", row.name);
}

QString label(const QString &qualifiedName)
{
    const Row *row = find(qualifiedName.section(QLatin1Char('.'), 0, 0),
                          qualifiedName.section(QLatin1Char('.'), 1));
    return row ? label(*row) : qualifiedName;
}

QString qualified(const Row &row)
{
    return QLatin1String(row.page) + QLatin1Char('.') + QLatin1String(row.key);
}

bool isUnlisted(const QJsonValue &value)
{
    return value.isObject() && value.toObject().value(QLatin1String("code")).isDouble();
}

int listCode(const Row &row, const QJsonValue &value)
{
    if (isUnlisted(value))
        return value.toObject().value(QLatin1String("code")).toInt();
    for (int i = 0; i < row.entries; ++i) {
        if (row.names) {
            if (value.isString() && value.toString() == QLatin1String(row.names[i]))
                return row.codes[i];
        } else if (value.isDouble() && value.toDouble() == double(row.values ? row.values[i] : i)) {
            return i;
        }
    }
    return -1;
}

QJsonValue listValue(const Row &row, int code)
{
    for (int i = 0; i < row.entries; ++i) {
        if (row.names && row.codes[i] == code)
            return QLatin1String(row.names[i]);
    }
    if (!row.names && code >= 0 && code < row.entries)
        return row.values ? row.values[code] : code;
    return QJsonObject{{QStringLiteral("code"), code}};
}

namespace {

// A frame a setting of the page picks (WiFi mode), judged on `values`; a mode nobody
// knows counts as the list's first entry.
bool picked(const Frame &f, const QJsonObject &values)
{
    if (!f.whenKey)
        return true;
    QJsonValue v = values.value(QLatin1String(f.whenKey));
    if (v.isUndefined())
        v = emptyValue(*find(QLatin1String(f.page), QLatin1String(f.whenKey)));
    return v == QJsonValue(QLatin1String(f.whenValue));
}

} // namespace

QList<const Frame *> framesToWrite(const QString &page, const QJsonObject &wanted,
                                   const QJsonObject &known, bool printMode)
{
    const Page *p = findPage(page);
    QJsonObject merged = known;
    for (auto it = wanted.begin(); it != wanted.end(); ++it)
        merged.insert(it.key(), it.value());
    QList<const Frame *> out;
    for (const Frame &f : kFrames) {
        if (f.writeStep < 0 || page != QLatin1String(f.page) || !modelHas(f.models, printMode) ||
            !picked(f, merged))
            continue;
        bool asked = false;
        for (const Row *row : rowsOf(page, f.item)) {
            const QJsonValue w = wanted.value(QLatin1String(row->key));
            asked = asked || (!w.isUndefined() &&
                              (!p->changeOnly || w != known.value(QLatin1String(row->key))));
        }
        if (asked)
            out << &f;
    }
    std::sort(out.begin(), out.end(),
              [](const Frame *a, const Frame *b) { return a->writeStep < b->writeStep; });
    return out;
}

int entries(const Row &row, const ModelFacts &model)
{
    if (!row.perModelSpeeds || !model.printMode)
        return row.entries;
    return std::min(row.entries, modeltable::speeds(*model.printMode));
}

bool check(const Row &row, const QJsonValue &value, int dotsPerMm, QString *why, Bounds bounds)
{
    return check(row, value, ModelFacts{dotsPerMm, std::nullopt}, why, bounds);
}

bool check(const Row &row, const QJsonValue &value, const ModelFacts &model, QString *why,
           Bounds bounds)
{
    const int dotsPerMm = model.dotsPerMm;
    if (has(row, ReadOnly))
        return fail(row, QStringLiteral("is read only"), why);
    switch (row.unit) {
    case Unit::List: {
        const int offered = entries(row, model);
        const int code = listCode(row, value);
        bool listed = false;
        for (int i = 0; i < offered; ++i)
            listed = listed || code == (row.codes ? row.codes[i] : i);
        if (!listed || isUnlisted(value))
            return fail(
                row,
                QStringLiteral("must be one of %1%2")
                    .arg(entryTexts(row, offered).join(QLatin1String(", ")),
                         offered < row.entries ? QStringLiteral(" on this model") : QString()),
                why);
        return true;
    }
    case Unit::Flag:
        return value.isBool() || fail(row, QStringLiteral("must be true or false"), why);
    case Unit::Text: {
        if (!value.isString())
            return fail(row, QStringLiteral("must be a text"), why);
        const QString s = value.toString();
        const int bytes = s.toLocal8Bit().size();
        if (bytes > row.textLimit)
            return fail(row,
                        QStringLiteral("is %1 bytes long; the printer holds at most %2")
                            .arg(bytes)
                            .arg(row.textLimit),
                        why);
        if (!s.isEmpty() && s.size() < row.min)
            return fail(row, QStringLiteral("must have at least %1 characters").arg(row.min), why);
        return true;
    }
    case Unit::Address: {
        const QString s = value.toString();
        bool ok = value.isString();
        if (ok && !s.isEmpty() && s != QLatin1String("...")) {
            const QStringList parts = s.split(QLatin1Char('.'));
            ok = parts.size() == 4;
            for (const QString &part : parts) {
                bool number = false;
                const int v = part.toInt(&number, 10);
                ok = ok && number && !part.isEmpty() && part.at(0).isDigit() && v <= 255;
            }
        }
        return ok || fail(row, QStringLiteral("must be an address of four parts 0 to 255"), why);
    }
    case Unit::Millimetres:
    case Unit::Dots:
    case Unit::Seconds:
    case Unit::Port: {
        if (!value.isDouble())
            return fail(row, QStringLiteral("must be a number"), why);
        const double v = value.toDouble();
        const double scale = std::pow(10.0, row.decimals);
        if (std::abs(v * scale - std::round(v * scale)) > 1e-6 * std::max(1.0, std::abs(v * scale)))
            return fail(row,
                        row.decimals == 0
                            ? QStringLiteral("must be a whole number")
                            : QStringLiteral("has more than %1 decimal(s)").arg(row.decimals),
                        why);
        double min = 0;
        double max = 0;
        range(row, dotsPerMm, &min, &max, bounds);
        if (v < min || v > max)
            return fail(
                row,
                QStringLiteral("must lie between %1 and %2").arg(numberText(min), numberText(max)),
                why);
        return true;
    }
    }
    return false;
}

bool checkPage(const QString &page, const QJsonObject &settings, int dotsPerMm, QString *why,
               Bounds bounds)
{
    return checkPage(page, settings, ModelFacts{dotsPerMm, std::nullopt}, why, bounds);
}

bool checkPage(const QString &page, const QJsonObject &settings, const ModelFacts &model,
               QString *why, Bounds bounds)
{
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        const Row *row = find(page, it.key());
        if (!row || has(*row, ReadOnly)) {
            QStringList keys;
            for (const Row *r : rowsOf(page)) {
                if (!has(*r, ReadOnly))
                    keys << QLatin1String(r->key);
            }
            if (why)
                *why = QStringLiteral("\"%1\" is not a setting of this page (settings: %2)")
                           .arg(it.key(), keys.join(QLatin1String(", ")));
            return false;
        }
        if (!check(*row, it.value(), model, why, bounds))
            return false;
    }
    return true;
}

QJsonValue emptyValue(const Row &row)
{
    switch (row.unit) {
    case Unit::Text:
    case Unit::Address:
        return QString();
    case Unit::Flag:
        return false;
    case Unit::List:
        return listValue(row, row.codes ? row.codes[0] : 0);
    default:
        return 0;
    }
}

bool encode(const Row &row, const QJsonValue &value, int dotsPerMm, QByteArray *out)
{
    const auto byte = [out](int v) {
        *out += char(uint8_t(v));
        return true;
    };
    switch (row.codec) {
    case Codec::Byte:
    case Codec::NonZero:
    case Codec::Capped:
    case Codec::Code:
    case Codec::WifiMode: {
        const int code = listCode(row, value);
        return code >= 0 && byte(code);
    }
    case Codec::DhcpZeroOn:
        return byte(value.toBool() ? 0 : 1);
    case Codec::DhcpOneOn:
        return byte(value.toBool() ? 1 : 0);
    case Codec::Mm16:
    case Codec::SignedMm16: {
        const int mm = value.toInt();
        qDebug("mm: %d", mm);
        qDebug("dot: %d", int(qint64(mm) * dotsPerMm));
        *out += printcodec::millimetresToDots(mm, dotsPerMm);
        return true;
    }
    case Codec::Dots16:
        *out += frame::le16(uint16_t(value.toInt() & 0xFFFF));
        return true;
    case Codec::LabelMm16:
        if (dotsPerMm < 1) {
            qWarning() << "mmToDot 非法:" << dotsPerMm;
            return false;
        }
        *out += frame::le16(printcodec::labelDots(value.toDouble(), dotsPerMm));
        return true;
    case Codec::Port16:
        *out += frame::le16(uint16_t(value.toInt()));
        return true;
    case Codec::Millis16:
        *out += distancecodec::stripperTimePayload(value.toInt());
        return true;
    case Codec::Address4:
        *out += netportcodec::addressBytes(value.toString());
        return true;
    case Codec::Text:
        *out += frame::textData(value.toString());
        return true;
    case Codec::TextField: {
        const QString s = row.unit == Unit::Address ? wificodec::apAddressToSend(value.toString())
                                                    : value.toString();
        // Each text of the frame gets an equal share of its data, NULs included, so that
        // an unchecked text never pushes another out.
        const int texts = int(rowsOf(QLatin1String(row.page), row.item).size());
        *out += frame::cutLocal8Bit(s, (frame::kMaxData - texts) / texts);
        *out += '\0';
        return true;
    }
    case Codec::Mac:
    case Codec::IdentityText:
        return false;
    }
    return false;
}

QJsonValue decode(const Row &row, const uint8_t *answer, int length, int dotsPerMm)
{
    const uint8_t *at = answer + row.offset;
    switch (row.codec) {
    case Codec::Byte:
    case Codec::Code:
        return listValue(row, at[0]);
    case Codec::NonZero:
        return listValue(row, at[0] != 0 ? 1 : 0);
    case Codec::Capped:
        return listValue(row, std::min<int>(at[0], row.entries - 1));
    case Codec::WifiMode:
        return listValue(row, at[0] == 1 ? 1 : 2);
    case Codec::DhcpZeroOn:
        return at[0] == 0;
    case Codec::DhcpOneOn:
        return at[0] != 0;
    case Codec::Mm16:
        return printcodec::unsignedDotsToMillimetres(at, dotsPerMm);
    case Codec::SignedMm16:
        return printcodec::signedDotsToMillimetres(at, dotsPerMm);
    case Codec::Dots16:
        return frame::s16(at);
    case Codec::LabelMm16:
        return printcodec::labelSizeMm(frame::s16(at), dotsPerMm);
    case Codec::Port16:
        return frame::u16(at);
    case Codec::Millis16:
        return distancecodec::stripperSecondsFromReply(at);
    case Codec::Address4:
        return netportcodec::dottedAddress(at);
    case Codec::Text:
        return frame::answerText(answer);
    case Codec::TextField: {
        QList<QByteArray> texts;
        wificodec::splitTexts(answer, length, row.offset, &texts);
        return QString::fromUtf8(texts.value(row.offset));
    }
    case Codec::Mac:
        return wificodec::macText(at);
    case Codec::IdentityText: {
        QList<QByteArray> strings;
        if (!identity::split(answer, length, &strings))
            return QJsonValue(QJsonValue::Undefined);
        return QString::fromLocal8Bit(strings.at(row.offset));
    }
    }
    return QJsonValue(QJsonValue::Undefined);
}

} // namespace settingtable
