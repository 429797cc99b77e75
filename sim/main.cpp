// labelprinter-sim: a simulated label printer on TCP (commands) and UDP (discovery),
// for trying the setup tool without hardware.

#include "labelsetupversion.h"
#include "platform/process.h"
#include "sim/itemcatalog.h"
#include "sim/simprinter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::atomic<int> g_signal{0};

constexpr int kMaxCount = 4096;

void onSignal(int sig)
{
    g_signal = sig;
}

void printLine(const QString &line)
{
    const QByteArray b = line.toLocal8Bit() + '\n';
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "labelprinter-sim: %s\n", qPrintable(message));
    std::exit(2);
}

QSet<quint8> parseItems(const QString &text, const char *option)
{
    QSet<quint8> items;
    for (const QString &part : text.split(',', Qt::SkipEmptyParts)) {
        quint8 code = 0;
        if (!itemcatalog::codeFromKey(part.trimmed(), &code))
            fail(QStringLiteral("--%1: bad item code \"%2\"").arg(option, part));
        items.insert(code);
    }
    return items;
}

qint64 parseNumber(const QString &text, const char *option, qint64 min, qint64 max)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qint64 n = t.startsWith("0x", Qt::CaseInsensitive) ? t.mid(2).toLongLong(&ok, 16)
                                                             : t.toLongLong(&ok, 10);
    if (!ok || n < min || n > max)
        fail(QStringLiteral("--%1: expected a number %2..%3").arg(option).arg(min).arg(max));
    return n;
}

QHostAddress parseAddress(const QString &text, const char *option)
{
    QHostAddress a;
    if (text == "localhost")
        return QHostAddress(QHostAddress::LocalHost);
    if (!a.setAddress(text))
        fail(QStringLiteral("--%1: not an IP address: %2").arg(option, text));
    return a;
}

// Reads an integer option into `field` when it is given.
template <typename Field>
void takeNumber(const QCommandLineParser &p, const char *option, qint64 min, qint64 max,
                Field *field)
{
    if (p.isSet(QLatin1String(option)))
        *field = Field(parseNumber(p.value(QLatin1String(option)), option, min, max));
}

void declareOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(
        "A simulated label printer: answers command frames on TCP and discovery requests on "
        "UDP, stores settings, and counts raw data (file downloads, console text).");
    parser->addHelpOption();
    parser->addVersionOption();
    const QList<QCommandLineOption> options{
        {"config", "Printer configuration (JSON, see example-printer.json).", "file"},
        {"print-config", "Print the configuration in effect as JSON and exit."},
        {"tcp-address", "Address of the command port (default 127.0.0.1).", "address"},
        {"tcp-port", "Command port (default 9100; 0 picks a free port).", "port"},
        {"udp-address", "Address of the discovery responder (default 127.0.0.1).", "address"},
        {"udp-port", "Discovery port (default 38400; 0 = no discovery responder).", "port"},
        {"no-udp", "No discovery responder."},
        {"verbose", "Print every frame received and reply sent, in hex, and raw byte counts."},
        {"dump-state", "Print the printer state as JSON on SIGINT/SIGTERM or at exit."},
        {"raw-file", "Append bytes received outside frames to this file.", "path"},
        {"raw-echo", "Send bytes received outside frames back."},
        {"status-word", "Status word to report (e.g. 0x0A).", "word"},
        {"silent-items", "Items whose queries get no reply (e.g. 0x19,0x1A or labelGap).", "items"},
        {"wrong-item-items", "Items answered with item code + 1.", "items"},
        {"ignored-set-items", "Items whose set frames are taken but not stored.", "items"},
        {"stray-bytes", "Hex bytes sent in front of every reply (e.g. \"00 AA\").", "hex"},
        {"length-bit7", "Replies carry their length byte with bit 7 set."},
        {"reply-delay", "Wait this long before every reply.", "ms"},
        {"reply-segments", "Send every reply in this many TCP segments.", "n"},
        {"segment-pause", "Pause between the segments of one reply (default 30).", "ms"},
        {"drop-after", "Abort a connection once it has received this many bytes.", "bytes"},
        {"refuse", "Refuse connections: close (close right after accept) or not-listening.",
         "mode"},
        {"slow-read", "Read at most this many bytes per pause (a slow printer).", "bytes"},
        {"slow-read-pause", "Pause between two slow reads (default 50).", "ms"},
        {"stop-reading-after",
         "A printer whose program stops: after this many frames it reads nothing more, its "
         "connections stay open and new ones are taken but never read.",
         "frames"},
        {"close-after",
         "A printer killed after this many frames: every connection closes and the command "
         "port stops listening.",
         "frames"},
        {"udp-fault",
         "Discovery reply fault: no-reply, ten-bytes, no-mfg, length-zero, length-bit7, "
         "length-too-long.",
         "fault"},
        {"udp-duplicate", "Send every discovery reply twice."},
        {"firmware-restart",
         "After a connection that carried a raw stream (firmware) closes, restart: refuse "
         "connections for --restart-ms, then report VERSION as the firmware version, or with "
         "\"stream\" the version the stream names after FWVER=.",
         "version"},
        {"restart-ms", "How long a firmware restart takes (default 1000).", "ms"},
        {"count",
         "Serve this many printers (default 1) on consecutive TCP ports from --tcp-port (with "
         "0 each on a free one), each with its own serial number counted up from the "
         "configuration's. Only the first answers discovery and writes the raw file.",
         "n"},
    };
    parser->addOptions(options);
}

RefuseMode refuseMode(const QString &mode)
{
    if (mode == "close")
        return RefuseMode::CloseAfterAccept;
    if (mode == "not-listening")
        return RefuseMode::NotListening;
    if (mode != "none")
        fail("--refuse: expected close, not-listening or none");
    return RefuseMode::None;
}

UdpReplyFault udpFault(const QString &name)
{
    const QMap<QString, UdpReplyFault> names{
        {"none", UdpReplyFault::None},
        {"no-reply", UdpReplyFault::NoReply},
        {"ten-bytes", UdpReplyFault::TenBytes},
        {"no-mfg", UdpReplyFault::NoMfg},
        {"length-zero", UdpReplyFault::LengthZero},
        {"length-bit7", UdpReplyFault::LengthBit7},
        {"length-too-long", UdpReplyFault::LengthTooLong},
    };
    if (!names.contains(name))
        fail("--udp-fault: unknown fault " + name);
    return names.value(name);
}

// The faults the options ask for, over those of the configuration file.
void takeFaults(const QCommandLineParser &p, PrinterFaults *f)
{
    if (p.isSet("silent-items"))
        f->silentItems = parseItems(p.value("silent-items"), "silent-items");
    if (p.isSet("wrong-item-items"))
        f->wrongItemItems = parseItems(p.value("wrong-item-items"), "wrong-item-items");
    if (p.isSet("ignored-set-items"))
        f->ignoredSetItems = parseItems(p.value("ignored-set-items"), "ignored-set-items");
    if (p.isSet("stray-bytes") && !itemcatalog::fromHex(p.value("stray-bytes"), &f->strayBytes))
        fail("--stray-bytes: expected hex bytes");
    if (p.isSet("length-bit7"))
        f->lengthBit7 = true;
    takeNumber(p, "reply-delay", 0, 600000, &f->replyDelayMs);
    takeNumber(p, "reply-segments", 1, 4096, &f->replySegments);
    takeNumber(p, "segment-pause", 0, 600000, &f->segmentPauseMs);
    takeNumber(p, "drop-after", 0, 1LL << 50, &f->dropAfterBytes);
    if (p.isSet("refuse"))
        f->refuse = refuseMode(p.value("refuse"));
    if (p.isSet("slow-read")) {
        takeNumber(p, "slow-read", 0, 1 << 30, &f->slowReadChunk);
        if (f->slowReadPauseMs == 0)
            f->slowReadPauseMs = 50;
    }
    takeNumber(p, "slow-read-pause", 0, 600000, &f->slowReadPauseMs);
    takeNumber(p, "stop-reading-after", 0, 1 << 30, &f->stopReadingAfterFrames);
    takeNumber(p, "close-after", 0, 1 << 30, &f->closeAfterFrames);
    if (p.isSet("udp-fault"))
        f->udpFault = udpFault(p.value("udp-fault"));
    if (p.isSet("udp-duplicate"))
        f->udpDuplicate = true;
}

PrinterConfig configFrom(const QCommandLineParser &p)
{
    PrinterConfig config = PrinterConfig::defaults();
    QString error;
    if (p.isSet("config") && !PrinterConfig::loadFile(p.value("config"), &config, &error))
        fail(error);
    if (p.isSet("raw-file"))
        config.rawFile = p.value("raw-file");
    if (p.isSet("raw-echo"))
        config.rawEcho = true;
    takeNumber(p, "status-word", 0, 0xFFFFFFFFLL, &config.statusWord);
    takeFaults(p, &config.faults);
    if (p.isSet("firmware-restart"))
        config.firmwareRestart = p.value("firmware-restart");
    takeNumber(p, "restart-ms", 0, 600000, &config.restartMs);
    return config;
}

// Where the printer listens, as the options say.
void takeAddresses(const QCommandLineParser &p, SimPrinter *printer)
{
    if (p.isSet("tcp-address"))
        printer->setTcpAddress(parseAddress(p.value("tcp-address"), "tcp-address"));
    if (p.isSet("tcp-port"))
        printer->setTcpPort(quint16(parseNumber(p.value("tcp-port"), "tcp-port", 0, 65535)));
    if (p.isSet("udp-address"))
        printer->setUdpAddress(parseAddress(p.value("udp-address"), "udp-address"));
    if (p.isSet("udp-port")) {
        const quint16 port = quint16(parseNumber(p.value("udp-port"), "udp-port", 0, 65535));
        printer->setUdpPort(port);
        printer->setUdpEnabled(port != 0);
    }
    if (p.isSet("no-udp"))
        printer->setUdpEnabled(false);
}

QString startedLine(const PrinterConfig &config, const SimPrinter &printer)
{
    return QStringLiteral("labelprinter-sim: %1 on TCP %2:%3, discovery %4")
        .arg(config.identity.value(1))
        .arg(printer.tcpAddress().toString())
        .arg(printer.tcpPort())
        .arg(printer.udpPort() ? QStringLiteral("UDP %1:%2")
                                     .arg(printer.udpAddress().toString())
                                     .arg(printer.udpPort())
                               : QStringLiteral("off"));
}

void printState(SimPrinter &printer)
{
    QJsonObject state = printer.model().stateJson();
    state.insert("received",
                 QJsonObject{{"frames", printer.model().frameCount()},
                             {"rawBytes", double(printer.rawByteCount())},
                             {"rawSha256", QString::fromLatin1(printer.rawSha256().toHex())}});
    printLine(QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Indented)));
}

// `count` printers as the options say, the n-th on the n-th port from --tcp-port (each on
// a free one when it is 0), started, each announced by its line.
std::vector<std::unique_ptr<SimPrinter>> startPrinters(const QCommandLineParser &p,
                                                       const PrinterConfig &config, int count)
{
    // Every printer holds a thread, a listening socket and its connections.
    platform::raiseOpenFileLimit(count * 4 + 64);
    std::vector<std::unique_ptr<SimPrinter>> printers;
    for (int i = 0; i < count; ++i) {
        PrinterConfig own = config.numbered(i);
        if (i > 0)
            own.rawFile.clear();
        auto printer = std::make_unique<SimPrinter>(own);
        if (i == 0 && (p.isSet("raw-file") || !own.rawFile.isEmpty()) &&
            !printer->model().setRawFile(own.rawFile))
            fail("cannot open raw file " + own.rawFile);
        takeAddresses(p, printer.get());
        if (i > 0) {
            printer->setUdpEnabled(false);
            // Before start() the port asked for: 0 stays a free one.
            if (printer->tcpPort() != 0) {
                const int port = printer->tcpPort() + i;
                if (port > 65535)
                    fail("--count: the ports run past 65535");
                printer->setTcpPort(quint16(port));
            }
        }
        printer->setLogHandler(printLine);
        printer->setVerbose(p.isSet("verbose"));
        QString error;
        if (!printer->start(&error))
            fail(error);
        printLine(startedLine(own, *printer));
        printers.push_back(std::move(printer));
    }
    return printers;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("labelprinter-sim");
    QCoreApplication::setApplicationVersion(QStringLiteral(LABELSETUP_VERSION));

    QCommandLineParser p;
    declareOptions(&p);
    p.process(app);

    const PrinterConfig config = configFrom(p);
    if (p.isSet("print-config")) {
        printLine(
            QString::fromUtf8(QJsonDocument(config.toJson()).toJson(QJsonDocument::Indented)));
        return 0;
    }

    int count = 1;
    takeNumber(p, "count", 1, kMaxCount, &count);
    const std::vector<std::unique_ptr<SimPrinter>> printers = startPrinters(p, config, count);

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QTimer signalPoll;
    QObject::connect(&signalPoll, &QTimer::timeout, &app, [] {
        if (g_signal != 0)
            QCoreApplication::quit();
    });
    signalPoll.start(100);

    const int rc = app.exec();
    for (const std::unique_ptr<SimPrinter> &printer : printers) {
        printer->stop();
        if (p.isSet("dump-state"))
            printState(*printer);
    }
    return rc;
}
