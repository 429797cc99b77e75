#include "core/hostwifi/wifiscan.h"

#include "platform/facilities.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace {

// Capture 1 of the first match, or a null string.
QString
firstCapture(const QString &pattern, const QString &text,
             QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern, options).match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

QList<QString> allCaptures(const QString &pattern, const QString &text,
                           QRegularExpression::PatternOptions options)
{
    QList<QString> out;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern, options).globalMatch(text);
    while (it.hasNext())
        out.append(it.next().captured(1));
    return out;
}

constexpr auto kDotAll = QRegularExpression::DotMatchesEverythingOption;
const char kNamePattern[] = R"(<key>_name</key>\s*<string>([^<]+)</string>)";
const char kRssiPattern[] = R"(<key>RSSI</key>\s*<integer>([^<]+)</integer>)";

// The text of an XML element, with the entities a property list writes replaced.
QString xmlText(const QString &escaped)
{
    if (!escaped.contains(QLatin1Char('&')))
        return escaped;
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9A-Fa-f]+|#[0-9]+|[a-z]+);"));
    QString out;
    int at = 0;
    QRegularExpressionMatchIterator it = entity.globalMatch(escaped);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        uint code = 0;
        bool ok = false;
        if (name.startsWith(QLatin1String("#x")))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt(&ok, 10);
        else {
            static const QHash<QString, uint> named{{QStringLiteral("amp"), '&'},
                                                    {QStringLiteral("lt"), '<'},
                                                    {QStringLiteral("gt"), '>'},
                                                    {QStringLiteral("quot"), '"'},
                                                    {QStringLiteral("apos"), '\''}};
            code = named.value(name);
            ok = code != 0;
        }
        if (!ok || code == 0 || code > 0x10FFFF)
            continue;
        out += escaped.midRef(at, m.capturedStart() - at);
        out += QString::fromUcs4(&code, 1);
        at = m.capturedEnd();
    }
    out += escaped.midRef(at);
    return out;
}

// A decimal integer; 0 when the text is none.
int integerOrZero(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

int entrySignal(const QString &entry)
{
    const QRegularExpressionMatch noise =
        QRegularExpression(R"(<key>spairport_signal_noise</key>\s*<string>([^<]+)</string>)")
            .match(entry);
    if (noise.hasMatch()) {
        // The text gives the signal and then the noise; the first dBm number is the signal.
        const QRegularExpressionMatch dbm =
            QRegularExpression(R"((-?\d+)\s*dBm)").match(noise.captured(1));
        return dbm.hasMatch() ? integerOrZero(dbm.captured(1)) : -100;
    }
    const QRegularExpressionMatch rssi = QRegularExpression(kRssiPattern).match(entry);
    return rssi.hasMatch() ? integerOrZero(rssi.captured(1)) : -100;
}

// Splits one line of nmcli's terse output at its unescaped colons.
QStringList splitTerseFields(const QString &line)
{
    QStringList fields;
    QString field;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            field.append(line.at(++i));
        } else if (c == QLatin1Char(':')) {
            fields.append(field);
            field.clear();
        } else {
            field.append(c);
        }
    }
    fields.append(field);
    return fields;
}

QMutex commandsMutex;
std::optional<WifiScanCommands> commandsOverride;

QString sourceName(WifiScanSource source)
{
    return source == WifiScanSource::SystemProfiler ? QStringLiteral("system_profiler")
                                                    : QStringLiteral("nmcli");
}

bool reportsPowerOff(WifiScanSource source, const QByteArray &output)
{
    if (source == WifiScanSource::SystemProfiler) {
        const QString text = QString::fromLocal8Bit(output);
        return text.contains(QLatin1String("Off")) || text.contains(QLatin1String("off"));
    }
    return QString::fromUtf8(output).trimmed() == QLatin1String("disabled");
}

void prepare(QProcess &process, WifiScanSource source)
{
    if (source == WifiScanSource::NetworkManager) {
        // Untranslated words ("enabled", "disabled") for the check, and network names in
        // UTF-8: under plain C nmcli replaces every non-ASCII byte with '?'.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("LANGUAGE"));
        process.setProcessEnvironment(env);
    }
}

} // namespace

QList<WifiInfo> parseSystemProfilerOutput(const QString &report)
{
    QList<WifiInfo> wifis;
    if (report.trimmed().isEmpty())
        return wifis;

    QString connected;
    const QRegularExpressionMatch current =
        QRegularExpression(
            R"(<key>spairport_current_network_information</key>\s*<dict>(.*?)</dict>)", kDotAll)
            .match(report);
    if (current.hasMatch()) {
        connected = xmlText(firstCapture(kNamePattern, current.captured(1)));
        if (!connected.isEmpty())
            qDebug().noquote() << "当前连接的 WiFi:" << connected;
    }

    QString array;
    QStringList arrayKeys;
    if (!connected.isEmpty())
        arrayKeys << QStringLiteral("spairport_airport_other_local_wireless_networks");
    arrayKeys << QStringLiteral("spairport_airport_local_wireless_networks")
              << QStringLiteral("spairport_wireless_networks");
    for (const QString &key : arrayKeys) {
        array = firstCapture(QStringLiteral(R"(<key>%1</key>\s*<array>(.*?)</array>)").arg(key),
                             report, kDotAll);
        if (!array.isEmpty()) {
            qDebug().noquote() << "使用" << key;
            break;
        }
    }

    if (!array.isEmpty()) {
        bool connectedListed = false;
        for (const QString &entry :
             allCaptures(QStringLiteral("<dict>(.*?)</dict>"), array, kDotAll)) {
            QString ssid = xmlText(firstCapture(kNamePattern, entry));
            if (ssid.isEmpty())
                ssid = xmlText(
                    firstCapture(R"(<key>SSID_STR</key>\s*<string>([^<]+)</string>)", entry));
            if (ssid.isEmpty())
                continue;
            const WifiInfo info{ssid, entrySignal(entry), ssid == connected};
            connectedListed = connectedListed || info.isCurrent;
            wifis.append(info);
            qDebug().noquote() << "找到: 【" << ssid << "】, 信号强度:" << info.rssi
                               << "dBm, 当前连接:" << (info.isCurrent ? "true" : "false");
        }
        if (!connectedListed && !connected.isEmpty()) {
            wifis.append(WifiInfo{connected, 1, true});
            qDebug() << "追加当前连接";
        }
        return wifis;
    }

    qDebug() << "未找到WiFi网络列表，可能XML结构不同";
    for (const QString &entry :
         allCaptures(QStringLiteral("<dict>(.*?)</dict>"), report, kDotAll)) {
        const QString ssid =
            xmlText(firstCapture(R"(<key>SSID</key>\s*<string>([^<]+)</string>)", entry));
        if (ssid.isEmpty())
            continue;
        WifiInfo info{ssid, -100, ssid == connected};
        const QRegularExpressionMatch rssi = QRegularExpression(kRssiPattern).match(entry);
        if (rssi.hasMatch())
            info.rssi = integerOrZero(rssi.captured(1));
        wifis.append(info);
        qDebug().noquote() << "通过SSID键找到: 【" << ssid << "】, 信号强度:" << info.rssi << "dBm";
    }
    return wifis;
}

QList<WifiInfo> parseNmcliWifiList(const QString &output)
{
    QList<WifiInfo> wifis;
    const QStringList lines = output.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QStringList fields = splitTerseFields(line);
        if (fields.size() < 3)
            continue;
        const QString inUse = fields.takeFirst().trimmed();
        const QString signalText = fields.takeFirst().trimmed();
        // Only the SSID can hold a colon, and nmcli escapes it; be lenient anyway. Names
        // are taken exactly: spaces at either end belong to them.
        const QString ssid = fields.join(QLatin1Char(':'));
        if (ssid.isEmpty()) // hidden network
            continue;
        bool ok = false;
        const int signal = signalText.toInt(&ok);
        const int rssi = ok && signal >= 0 && signal <= 100 ? signal / 2 - 100 : -100;
        wifis.append(WifiInfo{ssid, rssi, inUse == QLatin1String("*")});
    }
    return wifis;
}

bool wifiGoesBefore(const WifiInfo &a, const WifiInfo &b)
{
    if (a.isCurrent != b.isCurrent)
        return a.isCurrent;
    return a.rssi > b.rssi;
}

void sortWifiList(QList<WifiInfo> &list)
{
    // Stable, so that equal entries keep their given order.
    std::stable_sort(list.begin(), list.end(), wifiGoesBefore);
}

QList<WifiInfo> mergeWifiList(const QList<WifiInfo> &list)
{
    QMap<QString, WifiInfo> bySsid;
    for (const WifiInfo &info : list) {
        auto it = bySsid.find(info.ssid);
        if (it == bySsid.end())
            bySsid.insert(info.ssid, info);
        else if (wifiGoesBefore(info, it.value()))
            it.value() = info;
    }
    QList<WifiInfo> merged = bySsid.values();
    sortWifiList(merged);
    return merged;
}

WifiScanCommands platformWifiScanCommands()
{
    WifiScanCommands commands;
#ifdef Q_OS_MACOS
    commands.source = WifiScanSource::SystemProfiler;
    commands.powerProgram = QStringLiteral("networksetup");
    commands.powerArguments =
        QStringList{QStringLiteral("-getairportpower"), QStringLiteral("en0")};
    commands.listProgram = QStringLiteral("system_profiler");
    commands.listArguments =
        QStringList{QStringLiteral("SPAirPortDataType"), QStringLiteral("-xml")};
#else
    commands.source = WifiScanSource::NetworkManager;
    // Without NetworkManager there is no list to ask for: the programs stay empty.
    if (!platform::facilities().networkManager)
        return commands;
    commands.powerProgram = QStringLiteral("nmcli");
    commands.powerArguments = QStringList{QStringLiteral("radio"), QStringLiteral("wifi")};
    commands.listProgram = QStringLiteral("nmcli");
    commands.listArguments = QStringList{
        QStringLiteral("-t"),     QStringLiteral("-f"),   QStringLiteral("IN-USE,SIGNAL,SSID"),
        QStringLiteral("device"), QStringLiteral("wifi"), QStringLiteral("list")};
#endif
    return commands;
}

WifiScanCommands wifiScanCommands()
{
    QMutexLocker lock(&commandsMutex);
    return commandsOverride ? *commandsOverride : platformWifiScanCommands();
}

void setWifiScanCommands(const WifiScanCommands &commands)
{
    QMutexLocker lock(&commandsMutex);
    commandsOverride = commands;
}

void resetWifiScanCommands()
{
    QMutexLocker lock(&commandsMutex);
    commandsOverride.reset();
}

QList<WifiInfo> runWifiScan(const WifiScanCommands &commands, const std::function<void()> &powerOff)
{
    qDebug() << "\n---------------开始扫描WiFi...";
    QElapsedTimer elapsed;
    elapsed.start();
    if (commands.listProgram.isEmpty()) {
        qDebug() << "This system has no program that lists WiFi networks";
        return {};
    }

    // A program that does not start ends its wait at once: the power check is then
    // skipped, and a list program counts as timed out.
    QProcess power;
    prepare(power, commands.source);
    power.start(commands.powerProgram, commands.powerArguments, QIODevice::ReadWrite);
    if (power.waitForFinished(commands.powerTimeoutMs)) {
        if (reportsPowerOff(commands.source, power.readAllStandardOutput())) {
            qDebug() << "WiFi未开启，无法扫描";
            if (powerOff)
                powerOff();
            return {};
        }
    } else if (power.state() != QProcess::NotRunning) {
        power.kill();
        power.waitForFinished(100);
    }

    const QString name = sourceName(commands.source);
    QProcess list;
    prepare(list, commands.source);
    list.start(commands.listProgram, commands.listArguments, QIODevice::ReadWrite);
    if (!list.waitForFinished(commands.listTimeoutMs)) {
        qDebug().noquote() << name << "命令执行超时";
        list.kill();
        list.waitForFinished(100);
        return {};
    }

    // Both reports are UTF-8 whatever the locale; not trimmed, so that a name at the
    // very end keeps its spaces.
    const QString output = QString::fromUtf8(list.readAllStandardOutput());
    if (output.trimmed().isEmpty()) {
        qDebug().noquote() << name << "返回空结果，可能WiFi未开启或未安装无线网卡";
        return {};
    }

    const QList<WifiInfo> wifis = commands.source == WifiScanSource::SystemProfiler
                                      ? parseSystemProfilerOutput(output)
                                      : parseNmcliWifiList(output);
    if (wifis.isEmpty())
        qDebug() << "未扫描到任何WiFi网络";
    else
        qDebug() << "WiFi扫描完成，耗时:" << elapsed.elapsed() << "ms，找到" << wifis.size()
                 << "个网络";
    return wifis;
}

WifiScan::WifiScan(QObject *parent) : QObject(parent), m_limit(new QTimer(this))
{
    m_limit->setSingleShot(true);
    connect(m_limit, &QTimer::timeout, this, [this] {
        if (!m_listing) {
            // A power check that does not end is skipped.
            startList();
            return;
        }
        qDebug().noquote() << sourceName(m_commands.source) << "命令执行超时";
        end({});
    });
}

WifiScan::~WifiScan()
{
    cancel();
}

void WifiScan::cancel()
{
    m_limit->stop();
    if (QProcess *process = m_process.data()) {
        m_process.clear();
        process->disconnect(this);
        // Killed, and reaped by Qt once it has ended.
        process->kill();
        process->deleteLater();
    }
}

void WifiScan::start(const WifiScanCommands &commands)
{
    cancel();
    qDebug() << "\n---------------开始扫描WiFi...";
    m_commands = commands;
    if (commands.listProgram.isEmpty()) {
        qDebug() << "This system has no program that lists WiFi networks";
        // Told from the event loop, as a scan that ran.
        QTimer::singleShot(0, this, [this] { emit finished({}); });
        return;
    }
    m_listing = false;
    launch(commands.powerProgram, commands.powerArguments, commands.powerTimeoutMs);
}

void WifiScan::startList()
{
    cancel();
    m_listing = true;
    launch(m_commands.listProgram, m_commands.listArguments, m_commands.listTimeoutMs);
}

void WifiScan::launch(const QString &program, const QStringList &arguments, int timeoutMs)
{
    auto *process = new QProcess(this);
    m_process = process;
    prepare(*process, m_commands.source);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &WifiScan::processEnded);
    // A program that does not start ends its wait at once: the power check is then
    // skipped, and a list program counts as failed.
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processEnded();
    });
    m_limit->start(timeoutMs);
    process->start(program, arguments, QIODevice::ReadWrite);
}

void WifiScan::processEnded()
{
    QProcess *process = m_process.data();
    if (!process)
        return;
    const bool started = process->error() != QProcess::FailedToStart;
    const QByteArray output = started ? process->readAllStandardOutput() : QByteArray();
    if (!m_listing) {
        if (started && reportsPowerOff(m_commands.source, output)) {
            qDebug() << "WiFi未开启，无法扫描";
            end({});
            return;
        }
        startList();
        return;
    }
    const QString name = sourceName(m_commands.source);
    if (!started) {
        qDebug().noquote() << name << "命令执行超时";
        end({});
        return;
    }
    // Both reports are UTF-8 whatever the locale; not trimmed, so that a name at the
    // very end keeps its spaces.
    const QString text = QString::fromUtf8(output);
    if (text.trimmed().isEmpty()) {
        qDebug().noquote() << name << "返回空结果，可能WiFi未开启或未安装无线网卡";
        end({});
        return;
    }
    const QList<WifiInfo> wifis = m_commands.source == WifiScanSource::SystemProfiler
                                      ? parseSystemProfilerOutput(text)
                                      : parseNmcliWifiList(text);
    if (wifis.isEmpty())
        qDebug() << "未扫描到任何WiFi网络";
    else
        qDebug() << "WiFi扫描完成，找到" << wifis.size() << "个网络";
    end(wifis);
}

void WifiScan::end(const QList<WifiInfo> &wifis)
{
    cancel();
    emit finished(wifis);
}
