#include "cli/commands.h"

#include "console/hexcodec.h"
#include "diagnostics/connectiondoctor.h"
#include "diagnostics/debuglog.h"
#include "diagnostics/diagnosticsreport.h"
#include "protocol/commandcodes.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/printersession.h"
#include "protocol/statusword.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

// The single printer a command talks to; prints why when there is none.
const Target *singleTarget(CommandContext &c)
{
    if (c.options.targets.size() == 1)
        return &c.options.targets.first();
    c.out.error(c.options.targets.isEmpty()
                    ? QStringLiteral("%1 needs a printer: --net HOST[:PORT] or --usb[=PORT]")
                          .arg(c.options.command)
                    : QStringLiteral("%1 talks to one printer only").arg(c.options.command));
    return nullptr;
}

// Opens the session to `target`; the exit code (ExitOk when open).
int openTarget(CommandContext &c, PrinterSession &session, const Target &target)
{
    const int result = target.kind == Target::Network
                           ? session.openNetwork(target.host, target.port)
                           : session.openUsb(target.usbPort);
    if (result == RESULT_OK)
        return ExitOk;
    c.out.error(QStringLiteral("cannot connect to %1").arg(target.name()));
    return ExitNoPrinter;
}

// Runs `body` with a session open to the command's one printer.
int withPrinter(CommandContext &c, const std::function<int(PrinterSession &)> &body)
{
    const Target *target = singleTarget(c);
    if (!target)
        return ExitUsage;
    PrinterSession session;
    const int opened = openTarget(c, session, *target);
    if (opened != ExitOk)
        return opened;
    int code;
    {
        const PrinterSession::Operation operation(session);
        code = body(session);
    }
    session.close();
    return code;
}

QString answerText(const unsigned char *data)
{
    return QString::fromLocal8Bit(
        reinterpret_cast<const char *>(data),
        int(qstrnlen(reinterpret_cast<const char *>(data), frame::kQueryOutSize)));
}

int refused(CommandContext &c, const QString &what, int result)
{
    c.out.error(QStringLiteral("the printer did not answer the %1 query (result %2)")
                    .arg(what)
                    .arg(result));
    return ExitRefused;
}

int runInfo(CommandContext &c)
{
    return withPrinter(c, [&c](PrinterSession &session) {
        unsigned char out[frame::kQueryOutSize];
        int length = 0;
        const int result = session.queryInfo(INFO_DEVICE_IDENTITY, out, &length);
        QList<QByteArray> strings;
        if (result != RESULT_OK || !identity::split(out, length, &strings))
            return refused(c, QStringLiteral("identity"), result);
        QByteArray maker;
        identity::manufacturer(strings.at(2), &maker);
        QJsonArray identityTexts;
        for (const QByteArray &s : strings)
            identityTexts.append(QString::fromLocal8Bit(s));
        c.out.set(QStringLiteral("model"), QString::fromLocal8Bit(strings.at(1)));
        c.out.set(QStringLiteral("manufacturer"), QString::fromLocal8Bit(maker));
        c.out.set(QStringLiteral("identity"), identityTexts);
        c.out.line(
            QStringLiteral("model:           %1").arg(QString::fromLocal8Bit(strings.at(1))));
        c.out.line(QStringLiteral("manufacturer:    %1").arg(QString::fromLocal8Bit(maker)));
        if (session.queryStatus(POWER_FIRMWARE_VERSION, out) == RESULT_OK) {
            c.out.set(QStringLiteral("firmware"), answerText(out));
            c.out.line(QStringLiteral("firmware:        %1").arg(answerText(out)));
        }
        if (session.queryStatus(POWER_RESOLUTION, out) == RESULT_OK) {
            const int dpi = frame::u16(out);
            const int widthDots = frame::u16(out + 2);
            c.out.set(QStringLiteral("dpi"), dpi);
            c.out.set(QStringLiteral("maxPaperWidthDots"), widthDots);
            c.out.line(QStringLiteral("resolution:      %1 dpi").arg(dpi));
            c.out.line(QStringLiteral("max. width:      %1 dots").arg(widthDots));
        }
        for (int i = 0; i < strings.size(); ++i)
            c.out.line(QStringLiteral("identity %1:      %2")
                           .arg(i + 1)
                           .arg(QString::fromLocal8Bit(strings.at(i))));
        return int(ExitOk);
    });
}

int runStatus(CommandContext &c)
{
    return withPrinter(c, [&c](PrinterSession &session) {
        quint32 word = 0;
        const int result = session.readStatusWord(&word);
        if (result != RESULT_OK)
            return refused(c, QStringLiteral("status"), result);
        const QStringList conditions =
            checkPrinterStatus(word).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        c.out.set(QStringLiteral("word"),
                  QStringLiteral("0x%1").arg(word, 8, 16, QLatin1Char('0')));
        c.out.set(QStringLiteral("idle"), conditions.isEmpty());
        c.out.set(QStringLiteral("conditions"), QJsonArray::fromStringList(conditions));
        c.out.line(QStringLiteral("status word: 0x%1").arg(word, 8, 16, QLatin1Char('0')));
        if (conditions.isEmpty())
            c.out.line(QCoreApplication::translate("MainWindow", "空闲中"));
        for (const QString &condition : conditions)
            c.out.line(condition);
        return int(ExitOk);
    });
}

int runSend(CommandContext &c)
{
    QByteArray bytes;
    if (!c.options.file.isEmpty()) {
        QFile file(c.options.file);
        if (!file.open(QIODevice::ReadOnly)) {
            c.out.error(
                QStringLiteral("cannot read %1: %2").arg(c.options.file, file.errorString()));
            return ExitBadFile;
        }
        bytes = file.readAll();
    } else if (c.options.arguments.size() == 1) {
        const QString text = c.options.arguments.first();
        if (c.options.hex) {
            if (!hexcodec::parseHexSend(text, &bytes)) {
                c.out.error(QStringLiteral("not hex byte pairs: %1").arg(text));
                return ExitUsage;
            }
        } else {
            bytes = hexcodec::textModeBytes(text);
        }
    } else {
        c.out.error(QStringLiteral("send needs one TEXT or --file FILE"));
        return ExitUsage;
    }
    return withPrinter(c, [&c, &bytes](PrinterSession &session) {
        const int result = session.writeRaw(bytes);
        if (result != RESULT_OK) {
            c.out.error(
                QStringLiteral("the printer did not take the bytes (result %1)").arg(result));
            return int(ExitRefused);
        }
        const QByteArray received = session.readPending();
        c.out.set(QStringLiteral("sent"), bytes.size());
        c.out.set(QStringLiteral("received"), hexcodec::spacedHex(received));
        c.out.line(QStringLiteral("sent %1 bytes").arg(bytes.size()));
        if (!received.isEmpty())
            c.out.line(QStringLiteral("received: %1").arg(hexcodec::spacedHex(received)));
        return int(ExitOk);
    });
}

QJsonArray findingsJson(const QList<doctor::Finding> &findings)
{
    QJsonArray out;
    for (const doctor::Finding &f : findings)
        out.append(QJsonObject{{QStringLiteral("check"), f.check},
                               {QStringLiteral("verdict"), doctor::verdictName(f.verdict)},
                               {QStringLiteral("text"), f.text},
                               {QStringLiteral("advice"), f.advice}});
    return out;
}

int runDoctor(CommandContext &c)
{
    QList<doctor::Finding> findings = doctor::checkUsb();
    for (const Target &target : c.options.targets) {
        if (target.kind != Target::Network)
            continue;
        doctor::NetTarget net;
        net.host = target.host;
        net.tcpPort = target.port;
        net.udpPort = c.options.udpPort;
        findings += doctor::checkNetwork(net);
    }
    for (const doctor::Finding &f : findings) {
        c.out.line(QStringLiteral("[%1] %2").arg(doctor::verdictName(f.verdict), -7).arg(f.text));
        if (!f.advice.isEmpty())
            c.out.line(QStringLiteral("          -> %1").arg(f.advice));
    }
    const doctor::Verdict verdict = doctor::overall(findings);
    c.out.set(QStringLiteral("findings"), findingsJson(findings));
    c.out.set(QStringLiteral("overall"), doctor::verdictName(verdict));
    return verdict == doctor::Verdict::Failure ? int(ExitNoPrinter) : int(ExitOk);
}

int runReport(CommandContext &c)
{
    if (c.options.out.isEmpty()) {
        c.out.error(QStringLiteral("report needs --out FILE"));
        return ExitUsage;
    }
    diagnosticsreport::Inputs inputs;
    inputs.toolVersion = QCoreApplication::applicationVersion();
    for (const Target &target : c.options.targets)
        inputs.printersListed << target.name();
    int code = ExitOk;
    if (c.options.targets.size() == 1) {
        PrinterSession session;
        code = openTarget(c, session, c.options.targets.first());
        if (code == ExitOk) {
            const PrinterSession::Operation operation(session);
            diagnosticsreport::readPrinter(session, &inputs);
        }
    }
    if (c.log)
        inputs.log = c.log->lines();
    QSaveFile file(c.options.out);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(diagnosticsreport::build(inputs)).toJson()) < 0 ||
        !file.commit()) {
        c.out.error(QStringLiteral("cannot write %1: %2").arg(c.options.out, file.errorString()));
        return ExitBadFile;
    }
    c.out.set(QStringLiteral("report"), c.options.out);
    c.out.line(QStringLiteral("report written to %1").arg(c.options.out));
    return code;
}

} // namespace

const QList<Command> &commands()
{
    static const QList<Command> list{
        {"info", "info", "the printer's model, maker, firmware and resolution",
         "Reads the identity, the firmware version and the resolution of the printer.\n", runInfo},
        {"status", "status", "the printer's status word, decoded",
         "Reads the status word and lists every condition it reports (idle when none).\n",
         runStatus},
        {"send", "send [--hex] TEXT | send --file FILE", "raw bytes to the printer",
         "Sends TEXT (line feeds become CR LF), or hex byte pairs with --hex, or a file's\n"
         "bytes, and shows what the printer sent back.\n",
         runSend},
        {"doctor", "doctor [--net HOST[:PORT]] [--udp-port N]",
         "why the printer cannot be seen or reached",
         "Checks the USB printers (access, udev rule, kernel driver, print queues) and, for\n"
         "each --net address, its subnet and route, the TCP port, the printer's answer and\n"
         "the discovery port (--udp-port, 38400 unless given). Exit code 2 when a check fails.\n",
         runDoctor},
        {"report", "report --out FILE [--net HOST[:PORT] | --usb[=PORT]]",
         "a diagnostics report as JSON",
         "Writes versions, the printers named, the printer's identity, status word and\n"
         "settings, and the end of the debug log to FILE, with passwords and PINs masked.\n",
         runReport},
    };
    return list;
}

const Command *findCommand(const QString &name)
{
    for (const Command &c : commands()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}
