#include "core/settings/settingtable.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/settings/distancecodec.h"
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

constexpr int kNoFlags = 0; // not secret, not identifying, no restart

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

constexpr double kNoMax = 0;
// A column that does not apply to the row (a part of a frame that carries one setting,
// a range of a list, decimals of a text, ...).
constexpr int kNa = 0;
constexpr int kNoPause = 0;
constexpr bool kEndsRead = true;
constexpr bool kGoesOn = false;
constexpr Report kReported = Report::Failure;
constexpr Report kSilent = Report::Silent;

// A list the models outside the print-mode group offer only the first entries of.
struct ShorterList
{
    const char *page;
    const char *key;
    int entries;
};
const ShorterList kShorterWithoutPrintMode[] = {{"print", "speed", 4}};

// clang-format off
// page, key, item, codec, offset, part, unit, min, max, decimals, text limit,
// values, names, codes, entries, models, flags, widget, label context, label
const QList<Row> kRows{
    {"print", "speed", 0x00, C::Byte, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 8, M::All, kNoFlags, "comboBox_PrintSpeed", "PrintPage", "打印速度："},
    {"print", "density", 0x13, C::Byte, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 16, M::All, kNoFlags, "comboBox_PrintDensty", "PrintPage", "打印浓度："},
    {"print", "labelGapMm", 0x19, C::Mm16, 0, kNa, U::Millimetres, 0, 65535, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_LabelGap", "PrintPage", "标签间隙(单位mm)："},
    {"print", "blackMarkGapMm", 0x1A, C::Mm16, 0, kNa, U::Millimetres, 0, 65535, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_BlackLabelGap", "PrintPage", "黑标间隙(单位mm)："},
    {"print", "direction", 0x1C, C::NonZero, 0, 0, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 2, M::All, kNoFlags, "comboBox_PrintDirection", "PrintPage", "打印方向："},
    {"print", "method", 0x1C, C::NonZero, 1, 1, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 2, M::All, kNoFlags, "comboBox_PrintMethod", "PrintPage", "打印方式："},
    {"print", "printOffsetMm", 0x1D, C::SignedMm16, 0, kNa, U::Millimetres, -32768, 32767, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_PrintShift", "PrintPage", "打印偏移(单位mm)："},
    {"print", "verticalOffsetMm", 0x1E, C::SignedMm16, 0, kNa, U::Millimetres, -32768, 32767, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_VerticalShift", "PrintPage", "垂直偏移(单位mm)："},
    {"print", "printMode", 0x41, C::Capped, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 3, M::PrintMode, kNoFlags, "comboBox_PrintMode", "PrintPage", "打印模式："},
    {"print", "autoPaper", 0x54, C::Byte, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 2, M::NoPrintMode, kNoFlags, "comboBox_AutoPaper", "PrintPage", "自动吸纸："},
    {"print", "paperType", 0x16, C::Capped, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 4, M::All, kNoFlags, "comboBox_PaperType", "PrintPage", "纸张类型："},
    {"print", "codePage", 0x01, C::Byte, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 62, M::All, kNoFlags, "comboBox_DefaultCodePage", "PrintPage", "默认代码页："},
    {"print", "commandSet", 0x02, C::Code, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, kCommandSetNames, kCommandSetCodes, 6, M::All, kNoFlags, "comboBox_OrderSet", "PrintPage", "指令集："},
    // The label size frame carries the height before the width.
    {"print", "widthMm", 0x18, C::LabelMm16, 2, 1, U::Millimetres, 20, 108, 1, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit", "PrintPage", "宽度："},
    {"print", "heightMm", 0x18, C::LabelMm16, 0, 0, U::Millimetres, 10, 1778, 1, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_2", "PrintPage", "高度："},
    {"print", "menuLanguage", 0x3E, C::Byte, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, 7, M::All, kNoFlags, "comboBox", "PrintPage", "语言切换："},

    {"distance", "outletDots", 0x33, C::Dots16, 0, kNa, U::Dots, -32768, 32767, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_DistanceO2PH", "DistancePage", "出纸口到打印头距离(单位dot)："},
    {"distance", "gapSensorMm", 0x34, C::SignedMm16, 0, kNa, U::Millimetres, -32768, 32767, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_DistanceS2PH", "DistancePage", "缝到打印头距离(单位mm)："},
    {"distance", "blackSensorMm", 0x35, C::SignedMm16, 0, kNa, U::Millimetres, -32768, 32767, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_DistanceB2PH", "DistancePage", "黑标到打印头距离(单位mm)："},
    {"distance", "tearDots", 0x36, C::Dots16, 0, kNa, U::Dots, -32768, 32767, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, kNoFlags, "lineEdit_DistancePH2T", "DistancePage", "打印头到撕纸位置距离(单位dot)："},

    {"stripper", "takeAwaySeconds", 0x58, C::Millis16, 0, kNa, U::Seconds, 0, distancecodec::kMaxStripperSeconds, 0, kNa, nullptr, nullptr, nullptr, kNa, M::PrintMode, kNoFlags, "lineEdit_PaperTime", "StripperPage", "剥离器取纸时间设置（单位：s）："},

    {"wifi", "mode", 0x30, C::WifiMode, 0, kNa, U::List, kNa, kNa, kNa, kNa, nullptr, kWifiModeNames, kWifiModeCodes, 2, M::All, Restart, "comboBox_WifiMode", "WifiPage", "wifi模式："},
    {"wifi", "stationName", 0x26, C::TextField, 0, 0, U::Text, kNa, kNoMax, kNa, kSsidBytes, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WStaName", "WifiPage", "wifi名称："},
    {"wifi", "stationPassword", 0x26, C::TextField, 1, 1, U::Text, kNa, kNoMax, kNa, kPassphraseBytes, nullptr, nullptr, nullptr, kNa, M::All, Restart | Secret, "lineEdit_WStaPassword", "WifiPage", "wifi密码："},
    {"wifi", "apName", 0x27, C::TextField, 0, 0, U::Text, kNa, kNoMax, kNa, kSsidBytes, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WApName", "WifiPage", "wifi名称："},
    // An access point password has at least 8 characters.
    {"wifi", "apPassword", 0x27, C::TextField, 1, 1, U::Text, 8, kNoMax, kNa, kPassphraseBytes, nullptr, nullptr, nullptr, kNa, M::All, Restart | Secret, "lineEdit_WApPassword", "WifiPage", "wifi密码："},
    {"wifi", "apAddress", 0x27, C::TextField, 2, 2, U::Address, 0, 255, kNa, 15, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WApIP", "WifiPage", " AP_IP:"},
    {"wifi", "port", 0x29, C::Port16, 0, kNa, U::Port, 0, 65535, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WApPort", "WifiPage", "TCP端口号："},
    {"wifi", "mac", 0x3C, C::Mac, 0, kNa, U::Text, kNa, kNoMax, kNa, 0, nullptr, nullptr, nullptr, kNa, M::All, ReadOnly, "lineEdit_WApMAC", "WifiPage", "MAC："},
    // The set frame carries the mask before the gateway, the answer the other way round.
    {"wifi", "dhcp", 0x28, C::DhcpOneOn, 0, 0, U::Flag, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "comboBox_WifiSetIPMode", "WifiPage", "IP模式："},
    {"wifi", "ip", 0x28, C::Address4, 1, 1, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart | Identity, "lineEdit_WifiSetIP", "WifiPage", "IP:"},
    {"wifi", "mask", 0x28, C::Address4, 9, 2, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WifiSetSubnetMask", "WifiPage", "子网掩码："},
    {"wifi", "gateway", 0x28, C::Address4, 5, 3, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WifiSetGateway", "WifiPage", "网关地址："},
    {"wifi", "dns", 0x28, C::Address4, 13, 4, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_WifiSetDNS", "WifiPage", "DNS:"},

    {"ethernet", "dhcp", 0x0D, C::DhcpZeroOn, 0, 0, U::Flag, kNa, kNa, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "comboBox_NetportIPMode", "EthernetPage", "IP模式："},
    {"ethernet", "ip", 0x0D, C::Address4, 1, 1, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart | Identity, "lineEdit_NetportIP", "EthernetPage", "IP地址："},
    {"ethernet", "mask", 0x0D, C::Address4, 5, 2, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_NetportSubnetMask", "EthernetPage", "子网掩码："},
    {"ethernet", "gateway", 0x0D, C::Address4, 9, 3, U::Address, 0, 255, kNa, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_NetportGateway", "EthernetPage", "网关地址："},
    {"ethernet", "tcpPort", 0x0F, C::Port16, 0, 0, U::Port, 0, 65535, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_NetportTCPPort", "EthernetPage", "TCP端口号："},
    {"ethernet", "udpPort", 0x0F, C::Port16, 2, 1, U::Port, 0, 65535, 0, kNa, nullptr, nullptr, nullptr, kNa, M::All, Restart, "lineEdit_NetportUDPPort", "EthernetPage", "UDP端口号："},

    {"bluetooth", "name", 0x2B, C::Text, kNa, kNa, U::Text, kNa, kNoMax, kNa, frame::kMaxText, nullptr, nullptr, nullptr, kNa, M::All, Identity, "lineEdit_SppName", "BluetoothPage", "SPP名称:"},
    {"bluetooth", "bleName", 0x2C, C::Text, kNa, kNa, U::Text, kNa, kNoMax, kNa, frame::kMaxText, nullptr, nullptr, nullptr, kNa, M::All, Identity, "lineEdit_SppBLE", "BluetoothPage", "BLE:"},
    {"bluetooth", "pairing", 0x2F, C::Byte, 0, kNa, U::List, kNa, kNa, kNa, kNa, kPairing, nullptr, nullptr, 2, M::All, kNoFlags, "comboBox_SppMode", "BluetoothPage", "SPP连接模式："},
    {"bluetooth", "pin", 0x2E, C::Text, kNa, kNa, U::Text, kNa, kNoMax, kNa, frame::kMaxText, nullptr, nullptr, nullptr, kNa, M::All, Secret, "lineEdit_SppPin", "BluetoothPage", "SPP_PIN码："},
    // The Bluetooth MAC follows the WiFi MAC in the same answer.
    {"bluetooth", "mac", 0x3C, C::Mac, 6, kNa, U::Text, kNa, kNoMax, kNa, 0, nullptr, nullptr, nullptr, kNa, M::All, ReadOnly, "lineEdit_SppMAC", "BluetoothPage", "MAC:"},

    {"serial", "baud", 0x0E, C::Byte, 0, 0, U::List, kNa, kNa, kNa, kNa, kBaud, nullptr, nullptr, 17, M::All, kNoFlags, "comboBox_ComBaud", "SerialPage", "波特率："},
    {"serial", "parity", 0x0E, C::Byte, 1, 1, U::List, kNa, kNa, kNa, kNa, kParity, nullptr, nullptr, 3, M::All, kNoFlags, "comboBox_ComParityBit", "SerialPage", "校验位："},
    {"serial", "dataBits", 0x0E, C::Byte, 2, 2, U::List, kNa, kNa, kNa, kNa, kDataBits, nullptr, nullptr, 2, M::All, kNoFlags, "comboBox_ComDataBit", "SerialPage", "数据位："},
    {"serial", "stopBits", 0x0E, C::Byte, 3, 3, U::List, kNa, kNa, kNa, kNa, kStopBits, nullptr, nullptr, 2, M::All, kNoFlags, "comboBox_ComStopBit", "SerialPage", "停止位："},
    {"serial", "deviceInfo", 0x0C, C::IdentityText, 2, kNa, U::Text, kNa, kNoMax, kNa, 0, nullptr, nullptr, nullptr, kNa, M::All, ReadOnly, "lineEdit_ComDeviceInfo", "SerialPage", "设备信息："},
    {"serial", "serialNumber", 0x10, C::Text, kNa, kNa, U::Text, kNa, kNoMax, kNa, frame::kMaxText, nullptr, nullptr, nullptr, kNa, M::All, Identity, "lineEdit_ComSN", "SerialPage", "设备SN号:"},
};

// page, item, read step, write step, pause, models, when key, when value,
// whether a failure ends the page's read, how it counts in the page's result, strict texts
const QList<Frame> kFrames{
    // Read in the page's query order; written in the printer's order.
    {"print", 0x00, 0, 1, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x13, 1, 2, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x19, 2, 3, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x1A, 3, 4, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x1C, 4, 5, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x1D, 5, 10, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x1E, 6, 9, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x41, 7, 6, kNoPause, M::PrintMode, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x16, 8, 7, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x01, 9, 0, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x02, 10, 8, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x54, 11, 6, kNoPause, M::NoPrintMode, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x18, 12, 11, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
    {"print", 0x3E, 13, 12, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},

    // The page reports the last query's result alone.
    {"distance", 0x33, 0, 0, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},
    {"distance", 0x34, 1, 1, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},
    {"distance", 0x35, 2, 2, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},
    {"distance", 0x36, 3, 3, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},

    {"stripper", 0x58, 0, 0, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},

    // The WiFi module needs time to apply each group before the next frame.
    {"wifi", 0x30, 0, 0, 1000, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    {"wifi", 0x26, 1, 1, 1000, M::All, "mode", "station", kEndsRead, kReported, false},
    // Only an access point answer that cannot be read is reported; the read goes on.
    {"wifi", 0x27, 2, 1, 1000, M::All, "mode", "accessPoint", kGoesOn, Report::BadReplyOnly, true},
    {"wifi", 0x29, 3, 2, 500, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    {"wifi", 0x3C, 4, -1, kNoPause, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    // The addresses' query does not change the page's result.
    {"wifi", 0x28, 5, 3, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},

    // Ports are read first, and only the address query's result is reported.
    {"ethernet", 0x0F, 0, 1, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},
    {"ethernet", 0x0D, 1, 0, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},

    {"bluetooth", 0x2B, 0, 0, kNoPause, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    {"bluetooth", 0x2C, 1, 1, kNoPause, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    {"bluetooth", 0x2F, 2, 2, kNoPause, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    {"bluetooth", 0x2E, 3, 3, kNoPause, M::All, nullptr, nullptr, kEndsRead, kReported, false},
    {"bluetooth", 0x3C, 4, -1, kNoPause, M::All, nullptr, nullptr, kEndsRead, kReported, false},

    // Only the serial number's query is reported.
    {"serial", 0x0E, 0, 0, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},
    {"serial", 0x0C, 1, -1, kNoPause, M::All, nullptr, nullptr, kGoesOn, kSilent, false},
    {"serial", 0x10, 2, 1, kNoPause, M::All, nullptr, nullptr, kGoesOn, kReported, false},
};

// name, medium failure, change only, fill missing, batch end, its report step,
// final pause, models
const QList<Page> kPages{
    // The print settings end with the batch-end command, which the printer needs to
    // apply them; it goes out last but is reported before the menu language.
    {"print", false, false, false, POWER_SETTINGS_BATCH_END, 12, kNoPause, M::All},
    {"distance", false, false, false, -1, kNa, kNoPause, M::All},
    // The stripper comes with the models that have the print-mode setting.
    {"stripper", false, false, false, -1, kNa, kNoPause, M::PrintMode},
    {"wifi", true, true, true, -1, kNa, 100, M::All},
    {"ethernet", false, false, false, -1, kNa, kNoPause, M::All},
    {"bluetooth", true, false, false, -1, kNa, kNoPause, M::All},
    {"serial", false, false, false, -1, kNa, kNoPause, M::All},
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
    QString s = QCoreApplication::translate(row.labelContext, row.label).trimmed();
    while (s.endsWith(QChar(0xFF1A)) || s.endsWith(QLatin1Char(':')))
        s.chop(1);
    return s.trimmed();
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
    if (model.printMode.value_or(true))
        return row.entries;
    for (const ShorterList &list : kShorterWithoutPrintMode) {
        if (qstrcmp(row.page, list.page) == 0 && qstrcmp(row.key, list.key) == 0)
            return list.entries;
    }
    return row.entries;
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
