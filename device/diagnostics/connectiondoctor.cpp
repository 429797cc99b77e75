#include "device/diagnostics/connectiondoctor.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/protocol/netdiscovery.h"
#include "device/link/printersession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QUrl>
#include <libusb.h>
#include <memory>

namespace doctor {
namespace {

constexpr int kVendorId = 0x4B7E;
constexpr int kProgramWaitMs = 5000;
Finding finding(const char *check, Verdict verdict, const QString &text,
                const QString &advice = QString())
{
    return Finding{QString::fromLatin1(check), verdict, text, advice};
}

// A check of something this kind of system does not have.
Finding notOnThisSystem(const char *check)
{
    return finding(check, Verdict::NotOnThisSystem,
                   QCoreApplication::translate("ConnectionDoctor", "本系统不适用"));
}

QString findProgram(const Environment &environment, const QString &name)
{
    return environment.programDirs.isEmpty()
               ? QStandardPaths::findExecutable(name)
               : QStandardPaths::findExecutable(name, environment.programDirs);
}

// Runs a program and gives its standard output; false when it did not end with 0.
bool runProgram(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(kProgramWaitMs)) {
        process.kill();
        process.waitForFinished(kProgramWaitMs);
        return false;
    }
    *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The first rule file in the folders that names the vendor; empty when there is none.
QString installedRule(const Environment &environment)
{
    const QString vendor = QStringLiteral("%1").arg(kVendorId, 4, 16, QLatin1Char('0'));
    for (const QString &folder : environment.udevRuleDirs) {
        const QDir dir(folder);
        for (const QString &name :
             dir.entryList({QStringLiteral("*.rules")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly) &&
                QString::fromUtf8(file.readAll()).contains(vendor, Qt::CaseInsensitive))
                return file.fileName();
        }
    }
    return QString();
}

struct UsbPrinter
{
    int bus = 0;
    int address = 0;
    int port = 0;
    QString product;
    int openResult = 0;
    bool driverBound = false;
};

// "usb://Maker/Model%20X?serial=1" -> "usb://Maker/Model X?serial=1"
QString decodedUri(const QString &uri)
{
    return QUrl::fromPercentEncoding(uri.toUtf8());
}

void checkQueues(const Environment &environment, const QList<UsbPrinter> &printers,
                 QList<Finding> *out)
{
    if (!environment.facilities.printSpooler) {
        out->append(notOnThisSystem("usb.queue"));
        return;
    }
    const QString lpstat = findProgram(environment, QStringLiteral("lpstat"));
    if (lpstat.isEmpty()) {
        out->append(finding(
            "usb.queue", Verdict::Skipped,
            QCoreApplication::translate("ConnectionDoctor", "lpstat 未安装：未检查打印队列。")));
        return;
    }
    QString listing;
    runProgram(lpstat, {QStringLiteral("-v")}, &listing); // no queues: non-zero exit
    for (const UsbPrinter &printer : printers) {
        QStringList queues;
        for (const QString &line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            // "device for NAME: URI"
            const int colon = line.indexOf(QLatin1String(": "));
            const QString uri = colon < 0 ? QString() : decodedUri(line.mid(colon + 2).trimmed());
            if (!uri.startsWith(QLatin1String("usb://")))
                continue;
            if (printer.product.isEmpty() || uri.contains(printer.product, Qt::CaseInsensitive))
                queues << line.left(colon).section(QLatin1Char(' '), -1);
        }
        if (queues.isEmpty()) {
            out->append(finding("usb.queue", Verdict::Pass,
                                QCoreApplication::translate(
                                    "ConnectionDoctor", "没有打印队列指向端口 %1 的 USB 打印机。")
                                    .arg(printer.port)));
        } else {
            out->append(finding(
                "usb.queue", Verdict::Warning,
                QCoreApplication::translate("ConnectionDoctor",
                                            "打印队列 %1 指向端口 %2 的 USB 打印机。")
                    .arg(queues.join(QLatin1String(", ")))
                    .arg(printer.port),
                QCoreApplication::translate(
                    "ConnectionDoctor",
                    "队列打印时本工具无法访问打印机：设置期间请暂停该队列（cupsdisable %1）。")
                    .arg(queues.first())));
        }
    }
}

QList<UsbPrinter> listUsbPrinters(libusb_context *context)
{
    QList<UsbPrinter> printers;
    libusb_device **devices = nullptr;
    const ssize_t count = libusb_get_device_list(context, &devices);
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(devices[i], &descriptor) != 0 ||
            descriptor.idVendor != kVendorId)
            continue;
        UsbPrinter printer;
        printer.bus = libusb_get_bus_number(devices[i]);
        printer.address = libusb_get_device_address(devices[i]);
        printer.port = libusb_get_port_number(devices[i]);
        libusb_device_handle *handle = nullptr;
        printer.openResult = libusb_open(devices[i], &handle);
        if (printer.openResult == 0) {
            unsigned char text[256] = {};
            if (descriptor.iProduct != 0 &&
                libusb_get_string_descriptor_ascii(handle, descriptor.iProduct, text,
                                                   sizeof(text) - 1) > 0)
                printer.product = QString::fromLatin1(reinterpret_cast<const char *>(text));
            libusb_config_descriptor *config = nullptr;
            if (libusb_get_active_config_descriptor(devices[i], &config) == 0) {
                for (int n = 0; n < config->bNumInterfaces; ++n)
                    printer.driverBound |= libusb_kernel_driver_active(handle, n) == 1;
                libusb_free_config_descriptor(config);
            }
            libusb_close(handle);
        }
        printers.append(printer);
    }
    if (count >= 0)
        libusb_free_device_list(devices, 1);
    return printers;
}

// usb.rule: whether a udev rule gives the printers to the user at the seat. The rule's
// file, empty when there is none.
QString checkRule(const Environment &environment, QList<Finding> *out)
{
    if (!environment.facilities.udev) {
        out->append(notOnThisSystem("usb.rule"));
        return QString();
    }
    QString rule = installedRule(environment);
    if (rule.isEmpty()) {
        out->append(finding(
            "usb.rule", Verdict::Warning,
            QCoreApplication::translate("ConnectionDoctor", "未安装打印机的 USB 访问规则。"),
            QCoreApplication::translate(
                "ConnectionDoctor",
                "没有该规则只有 root 能打开打印机：将 60-labelsetup-printers.rules "
                "复制到 /etc/udev/rules.d，然后重新插拔打印机。")));
    } else {
        out->append(finding(
            "usb.rule", Verdict::Pass,
            QCoreApplication::translate("ConnectionDoctor", "已安装 USB 访问规则：%1").arg(rule)));
    }
    return rule;
}

// The vendor's printers on the USB; with a usb.present finding when USB cannot be used
// or none is there.
QList<UsbPrinter> findPrinters(QList<Finding> *out)
{
    libusb_context *context = nullptr;
    const int initResult = libusb_init(&context);
    if (initResult != 0) {
        out->append(finding("usb.present", Verdict::Failure,
                            QCoreApplication::translate("ConnectionDoctor", "无法使用 USB：%1")
                                .arg(QString::fromUtf8(libusb_strerror(initResult))),
                            QCoreApplication::translate("ConnectionDoctor",
                                                        "检查本机是否允许访问 /dev/bus/usb。")));
        return {};
    }
    const QList<UsbPrinter> printers = listUsbPrinters(context);
    libusb_exit(context);
    if (printers.isEmpty()) {
        out->append(
            finding("usb.present", Verdict::Warning,
                    QCoreApplication::translate("ConnectionDoctor", "没有连接此类 USB 打印机。"),
                    QCoreApplication::translate(
                        "ConnectionDoctor",
                        "用 USB 线连接打印机并开机；无电源的 USB 集线器可能无法识别打印机。")));
    }
    return printers;
}

// udevadm, looked for once; its absence is told once.
struct Udevadm
{
    QString program;
    bool absenceTold = false;
};

// usb.rule-applied for a printer the user may not open although the rule is installed:
// whether udev has given this device the rule's tag yet.
void checkRuleApplied(const UsbPrinter &printer, Udevadm *udevadm, QList<Finding> *out)
{
    if (udevadm->program.isEmpty()) {
        if (!udevadm->absenceTold) {
            udevadm->absenceTold = true;
            out->append(finding(
                "usb.rule-applied", Verdict::Skipped,
                QCoreApplication::translate("ConnectionDoctor",
                                            "udevadm 未安装：未检查规则是否作用于打印机。")));
        }
        return;
    }
    QString properties;
    const QString node = QStringLiteral("/dev/bus/usb/%1/%2")
                             .arg(printer.bus, 3, 10, QLatin1Char('0'))
                             .arg(printer.address, 3, 10, QLatin1Char('0'));
    const bool ran = runProgram(udevadm->program,
                                {QStringLiteral("info"), QStringLiteral("--query=property"),
                                 QStringLiteral("--name=") + node},
                                &properties);
    if (ran && !properties.contains(QLatin1String("uaccess")))
        out->append(finding(
            "usb.rule-applied", Verdict::Warning,
            QCoreApplication::translate("ConnectionDoctor",
                                        "访问规则尚未作用于端口 %1 的 USB 打印机。")
                .arg(printer.port),
            QCoreApplication::translate("ConnectionDoctor",
                                        "重新插拔打印机，或运行 \"udevadm trigger\"。")));
}

// usb.access for a printer this user may not open, and why the rule did not help.
void checkDenied(const Environment &environment, const QString &rule, const UsbPrinter &printer,
                 Udevadm *udevadm, QList<Finding> *out)
{
    QString advice;
    if (!environment.facilities.udev)
        advice = QCoreApplication::translate("ConnectionDoctor", "重新插拔打印机后再试。");
    else if (rule.isEmpty())
        advice = QCoreApplication::translate("ConnectionDoctor",
                                             "安装访问规则：将 60-labelsetup-printers.rules 复制到 "
                                             "/etc/udev/rules.d，然后重新插拔打印机。");
    else
        advice = QCoreApplication::translate("ConnectionDoctor",
                                             "访问规则已安装但尚未生效：重新插拔打印机，或运行 "
                                             "\"udevadm trigger\"。");
    out->append(finding("usb.access", Verdict::Failure,
                        QCoreApplication::translate("ConnectionDoctor",
                                                    "当前用户无权打开端口 %1 的 USB 打印机。")
                            .arg(printer.port),
                        advice));
    if (!rule.isEmpty())
        checkRuleApplied(printer, udevadm, out);
}

// usb.driver: whether a kernel driver holds the interface of a printer that opened.
void checkDriver(const Environment &environment, const UsbPrinter &printer, QList<Finding> *out)
{
    if (!environment.facilities.kernelPrinterDriver) {
        out->append(notOnThisSystem("usb.driver"));
    } else if (printer.driverBound) {
        out->append(finding(
            "usb.driver", Verdict::Warning,
            QCoreApplication::translate(
                "ConnectionDoctor", "内核驱动（通常是 usblp）占用着端口 %1 的 USB 打印机的接口。")
                .arg(printer.port),
            QCoreApplication::translate(
                "ConnectionDoctor",
                "本工具通信时会暂时断开该驱动；若其他程序同时通过它打印，请先停止该程序，"
                "或用 \"modprobe -r usblp\" 卸载驱动。")));
    } else {
        out->append(finding("usb.driver", Verdict::Pass,
                            QCoreApplication::translate(
                                "ConnectionDoctor", "没有内核驱动占用端口 %1 的 USB 打印机。")
                                .arg(printer.port)));
    }
}

// usb.present, usb.access and what follows from them for one printer.
void checkPrinter(const Environment &environment, const QString &rule, const UsbPrinter &printer,
                  Udevadm *udevadm, QList<Finding> *out)
{
    out->append(finding("usb.present", Verdict::Pass,
                        QCoreApplication::translate(
                            "ConnectionDoctor", "端口 %1 有一台 USB 打印机（总线 %2，设备 %3）。")
                            .arg(printer.port)
                            .arg(printer.bus)
                            .arg(printer.address)));
    if (printer.openResult == LIBUSB_ERROR_ACCESS) {
        checkDenied(environment, rule, printer, udevadm, out);
    } else if (printer.openResult != 0) {
        out->append(finding(
            "usb.access", Verdict::Failure,
            QCoreApplication::translate("ConnectionDoctor", "无法打开端口 %1 的 USB 打印机：%2")
                .arg(printer.port)
                .arg(QString::fromUtf8(libusb_strerror(printer.openResult))),
            QCoreApplication::translate("ConnectionDoctor", "重新插拔打印机后再试。")));
    } else {
        out->append(finding("usb.access", Verdict::Pass,
                            QCoreApplication::translate(
                                "ConnectionDoctor", "当前用户可以打开端口 %1 的 USB 打印机（%2）。")
                                .arg(printer.port)
                                .arg(printer.product)));
        checkDriver(environment, printer, out);
    }
}

} // namespace

QList<Finding> checkUsb(const Environment &environment)
{
    QList<Finding> out;
    const QString rule = checkRule(environment, &out);
    const QList<UsbPrinter> printers = findPrinters(&out);
    if (printers.isEmpty())
        return out;
    Udevadm udevadm;
    if (environment.facilities.udev)
        udevadm.program = findProgram(environment, QStringLiteral("udevadm"));
    for (const UsbPrinter &printer : printers)
        checkPrinter(environment, rule, printer, &udevadm, &out);
    checkQueues(environment, printers, &out);
    return out;
}

namespace {

// The IPv4 or IPv6 address of the host; null when it cannot be resolved.
QHostAddress resolve(const QString &host)
{
    const QHostAddress literal(host);
    if (!literal.isNull())
        return literal;
    const QHostInfo info = QHostInfo::fromName(host);
    return info.addresses().isEmpty() ? QHostAddress() : info.addresses().first();
}

void checkSubnet(const QHostAddress &address, const Environment &environment, QList<Finding> *out)
{
    QString where;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!(interface.flags() & QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.prefixLength() >= 0 && address.isInSubnet(entry.ip(), entry.prefixLength())) {
                where = QStringLiteral("%1/%2 (%3)")
                            .arg(entry.ip().toString())
                            .arg(entry.prefixLength())
                            .arg(interface.humanReadableName());
                break;
            }
        }
        if (!where.isEmpty())
            break;
    }
    if (where.isEmpty()) {
        out->append(finding(
            "net.subnet", Verdict::Warning,
            QCoreApplication::translate("ConnectionDoctor", "%1 不在本机任何网络接口的子网内。")
                .arg(address.toString()),
            QCoreApplication::translate(
                "ConnectionDoctor",
                "打印机须与本机在同一网络，或可经路由器到达：请在打印机自检页上核对其 IP "
                "地址和子网掩码，或通过 USB 在网口/WiFi 设置页修改。")));
    } else {
        out->append(
            finding("net.subnet", Verdict::Pass,
                    QCoreApplication::translate("ConnectionDoctor", "%1 位于本机接口 %2 的子网内。")
                        .arg(address.toString(), where)));
    }

    if (!environment.facilities.routeQuery) {
        out->append(notOnThisSystem("net.route"));
        return;
    }
    const QString ip = findProgram(environment, QStringLiteral("ip"));
    if (ip.isEmpty()) {
        out->append(
            finding("net.route", Verdict::Skipped,
                    QCoreApplication::translate("ConnectionDoctor", "ip 未安装：未检查路由。")));
        return;
    }
    QString route;
    if (runProgram(ip, {QStringLiteral("route"), QStringLiteral("get"), address.toString()},
                   &route)) {
        out->append(finding("net.route", Verdict::Pass,
                            QCoreApplication::translate("ConnectionDoctor", "路由：%1")
                                .arg(route.section(QLatin1Char('\n'), 0, 0).simplified())));
    } else {
        out->append(finding(
            "net.route", Verdict::Failure,
            QCoreApplication::translate("ConnectionDoctor", "没有通往 %1 的路由。")
                .arg(address.toString()),
            QCoreApplication::translate("ConnectionDoctor",
                                        "请为本机设置默认网关，或将本机接入打印机所在的网络。")));
    }
}

// True when the port accepted a connection within the time-out.
bool checkPort(const QHostAddress &address, const NetTarget &target, QList<Finding> *out)
{
    QTcpSocket socket;
    socket.connectToHost(address, target.tcpPort);
    if (socket.waitForConnected(target.timeoutMs)) {
        socket.disconnectFromHost();
        out->append(
            finding("net.port", Verdict::Pass,
                    QCoreApplication::translate("ConnectionDoctor", "%1 的端口 %2 接受连接。")
                        .arg(address.toString())
                        .arg(target.tcpPort)));
        return true;
    }
    if (socket.error() == QAbstractSocket::ConnectionRefusedError) {
        out->append(
            finding("net.port", Verdict::Failure,
                    QCoreApplication::translate("ConnectionDoctor", "%1 拒绝了端口 %2 上的连接。")
                        .arg(address.toString())
                        .arg(target.tcpPort),
                    QCoreApplication::translate(
                        "ConnectionDoctor",
                        "请核对端口：打印机的命令端口显示在其网口设置页上（未改动时为 9100）。")));
    } else if (socket.error() == QAbstractSocket::NetworkError ||
               socket.error() == QAbstractSocket::HostNotFoundError) {
        // Told at once (no route, network down): no printer was even asked.
        out->append(finding(
            "net.port", Verdict::Failure,
            QCoreApplication::translate("ConnectionDoctor", "%1 无法到达：%2。")
                .arg(address.toString(), socket.errorString()),
            QCoreApplication::translate(
                "ConnectionDoctor", "本机没有通往该网络的路径：请检查本机的网络连接、地址和网关。")));
    } else {
        out->append(finding(
            "net.port", Verdict::Failure,
            QCoreApplication::translate("ConnectionDoctor", "%1 在 %3 毫秒内未在端口 %2 上应答。")
                .arg(address.toString())
                .arg(target.tcpPort)
                .arg(target.timeoutMs),
            QCoreApplication::translate(
                "ConnectionDoctor", "请确认打印机已开机并在此网络中，且没有防火墙丢弃该连接。")));
    }
    return false;
}

void checkAnswer(const QHostAddress &address, const NetTarget &target, QList<Finding> *out)
{
    PrinterSession session;
    unsigned char answer[frame::kQueryOutSize] = {};
    int length = 0;
    int result = session.openNetwork(address.toString(), target.tcpPort);
    if (result == 0)
        result = session.queryInfo(INFO_DEVICE_IDENTITY, answer, &length);
    session.close();
    QList<QByteArray> strings;
    if (result == 0 && identity::split(answer, length, &strings)) {
        out->append(
            finding("net.answer", Verdict::Pass,
                    QCoreApplication::translate("ConnectionDoctor", "打印机应答了信息查询：%1")
                        .arg(QString::fromLatin1(strings.value(1)))));
        return;
    }
    out->append(finding(
        "net.answer", Verdict::Failure,
        QCoreApplication::translate("ConnectionDoctor", "端口接受了连接，但打印机未应答信息查询。"),
        QCoreApplication::translate(
            "ConnectionDoctor",
            "可能有其他程序正在使用打印机，或该端口属于别的设备：重启打印机后再试。")));
}

void checkDiscovery(const QHostAddress &address, const NetTarget &target, QList<Finding> *out)
{
    QUdpSocket socket;
    const bool bound = socket.bind(address.protocol() == QAbstractSocket::IPv6Protocol
                                       ? QHostAddress(QHostAddress::AnyIPv6)
                                       : QHostAddress(QHostAddress::AnyIPv4),
                                   0);
    const QByteArray request =
        netdiscovery::buildRequest(uint8_t(QRandomGenerator::global()->bounded(100)));
    bool answered = false;
    if (bound && socket.writeDatagram(request, address, target.udpPort) == request.size()) {
        const QDeadlineTimer deadline(target.timeoutMs);
        while (!answered && socket.waitForReadyRead(int(deadline.remainingTime()))) {
            while (socket.hasPendingDatagrams()) {
                QByteArray datagram(int(socket.pendingDatagramSize()), '\0');
                socket.readDatagram(datagram.data(), datagram.size());
                QByteArray data;
                answered |= netdiscovery::replyData(datagram, &data);
            }
        }
    }
    if (answered) {
        out->append(finding("net.discovery", Verdict::Pass,
                            QCoreApplication::translate("ConnectionDoctor",
                                                        "打印机应答了 UDP 端口 %1 上的搜索请求。")
                                .arg(target.udpPort)));
    } else {
        out->append(finding(
            "net.discovery", Verdict::Warning,
            QCoreApplication::translate("ConnectionDoctor", "UDP 端口 %1 上的搜索请求没有应答。")
                .arg(target.udpPort),
            QCoreApplication::translate(
                "ConnectionDoctor",
                "本机防火墙可能丢弃了打印机的应答（请放行 UDP 端口 %1），或打印机的搜索端口不同："
                "列表搜索找不到它，但按地址打开仍可使用。")
                .arg(target.udpPort)));
    }
}

} // namespace

QList<Finding> checkNetwork(const NetTarget &target, const Environment &environment)
{
    QList<Finding> out;
    const QHostAddress address = resolve(target.host.trimmed());
    if (address.isNull()) {
        out.append(finding(
            "net.address", Verdict::Failure,
            QCoreApplication::translate("ConnectionDoctor", "无法解析地址 %1。").arg(target.host),
            QCoreApplication::translate("ConnectionDoctor",
                                        "请输入打印机自检页上显示的 IP 地址。")));
        return out;
    }
    checkSubnet(address, environment, &out);
    if (checkPort(address, target, &out))
        checkAnswer(address, target, &out);
    else
        out.append(
            finding("net.answer", Verdict::Skipped,
                    QCoreApplication::translate("ConnectionDoctor", "未查询：端口不接受连接。")));
    if (target.udpPort != 0)
        checkDiscovery(address, target, &out);
    else
        out.append(finding("net.discovery", Verdict::Skipped,
                           QCoreApplication::translate("ConnectionDoctor",
                                                       "未检查搜索端口：按地址连接不用它。")));
    return out;
}

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return QStringLiteral("pass");
    case Verdict::Warning:
        return QStringLiteral("warning");
    case Verdict::Failure:
        return QStringLiteral("failure");
    case Verdict::Skipped:
        return QStringLiteral("skipped");
    case Verdict::NotOnThisSystem:
        return QStringLiteral("not on this system");
    }
    return QString();
}

QString checkLabel(const QString &check)
{
    static const std::pair<const char *, const char *> labels[] = {
        {"usb.present", QT_TRANSLATE_NOOP("ConnectionDoctor", "USB 打印机")},
        {"usb.access", QT_TRANSLATE_NOOP("ConnectionDoctor", "USB 访问权限")},
        {"usb.rule", QT_TRANSLATE_NOOP("ConnectionDoctor", "udev 规则")},
        {"usb.rule-applied", QT_TRANSLATE_NOOP("ConnectionDoctor", "udev 规则已生效")},
        {"usb.driver", QT_TRANSLATE_NOOP("ConnectionDoctor", "内核驱动")},
        {"usb.queue", QT_TRANSLATE_NOOP("ConnectionDoctor", "打印队列")},
        {"net.address", QT_TRANSLATE_NOOP("ConnectionDoctor", "打印机地址")},
        {"net.subnet", QT_TRANSLATE_NOOP("ConnectionDoctor", "子网")},
        {"net.route", QT_TRANSLATE_NOOP("ConnectionDoctor", "路由")},
        {"net.port", QT_TRANSLATE_NOOP("ConnectionDoctor", "TCP 端口")},
        {"net.answer", QT_TRANSLATE_NOOP("ConnectionDoctor", "打印机应答")},
        {"net.discovery", QT_TRANSLATE_NOOP("ConnectionDoctor", "发现端口")},
    };
    for (const auto &[id, label] : labels) {
        if (check == QLatin1String(id))
            return QCoreApplication::translate("ConnectionDoctor", label);
    }
    return check;
}

Verdict overall(const QList<Finding> &findings)
{
    Verdict worst = Verdict::Pass;
    for (const Finding &f : findings) {
        if (f.verdict == Verdict::Failure)
            return Verdict::Failure;
        if (f.verdict == Verdict::Warning)
            worst = Verdict::Warning;
    }
    return worst;
}

} // namespace doctor
