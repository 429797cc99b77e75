#include "cli/commands.h"

#include "cli/fleetcommands.h"
#include "cli/interrupt.h"
#include "cli/journalcommands.h"
#include "cli/runloop.h"
#include "cli/stages.h"
#include "cli/targettable.h"
#include "cli/driftcommand.h"

#include "core/protocol/hexcodec.h"
#include "device/diagnostics/connectiondoctor.h"
#include "device/diagnostics/debuglog.h"
#include "device/diagnostics/diagnosticsreport.h"
#include "core/files/plaincopy.h"
#include "core/files/regularfile.h"
#include "device/fleet/applyrun.h"
#include "device/jobs/fleetrun.h"
#include "device/jobs/printerworker.h"
#include "device/operations/download.h"
#include "device/operations/functioncommands.h"
#include "device/operations/printeroperations.h"
#include "core/settings/profile.h"
#include "core/settings/targetvalues.h"
#include "device/settings/profileapply.h"
#include "core/settings/settingtable.h"
#include "device/link/discovery.h"
#include "device/link/printersession.h"
#include "platform/process.h"
#include "platform/readfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// A profile larger than this is refused before it is read: one holds a few KiB.
constexpr qint64 kMaxProfileBytes = 1 << 20;

// The single printer a command talks to; prints why when there is none.
const PrinterAddress *singleTarget(CommandContext &c)
{
    if (c.options.targets.size() == 1)
        return &c.options.targets.first();
    c.out.error(c.options.targets.isEmpty()
                    ? QStringLiteral("%1 needs a printer: --net HOST[:PORT] or --usb[=PORT]")
                          .arg(c.options.command)
                    : QStringLiteral("%1 talks to one printer only").arg(c.options.command));
    return nullptr;
}

// The exit code of an operation's outcome.
int exitCodeOf(ops::Code code)
{
    switch (code) {
    case ops::Code::Ok:
        return ExitOk;
    case ops::Code::NotConnected:
        return ExitNoPrinter;
    case ops::Code::BadInput:
        return ExitBadFile;
    case ops::Code::Differs:
        return ExitDifference;
    case ops::Code::Interrupted:
        return ExitInterrupted;
    case ops::Code::NoAnswer:
    case ops::Code::Refused:
    case ops::Code::Unsupported:
    case ops::Code::TimedOut:
    case ops::Code::Busy:
        break;
    }
    return ExitRefused;
}

// What went to the printer after its last answer: it may or may not have taken it.
void printUnconfirmed(CommandContext &c, const QStringList &unconfirmed)
{
    if (unconfirmed.isEmpty())
        return;
    c.out.set(QStringLiteral("unconfirmed"), QJsonArray::fromStringList(unconfirmed));
    c.out.line(
        QStringLiteral("sent, not confirmed: %1").arg(unconfirmed.join(QLatin1String(", "))));
}

// How long a printer may take to answer again after a restart or a firmware.
int comeBackMs(const CommandContext &c)
{
    constexpr int kDefaultComeBackSeconds = 60;
    if (c.options.noWait)
        return 0;
    return (c.options.timeoutSeconds > 0 ? c.options.timeoutSeconds : kDefaultComeBackSeconds) *
           1000;
}

// Tells why an operation failed, with its stable reason for scripts; the exit code.
int failed(CommandContext &c, const ops::Outcome &outcome)
{
    c.out.error(outcome.sentence);
    c.out.set(QStringLiteral("reason"), ops::codeName(outcome.code));
    if (!outcome.step.isEmpty())
        c.out.set(QStringLiteral("step"), outcome.step);
    if (!outcome.written.isEmpty())
        c.out.set(QStringLiteral("written"), QJsonArray::fromStringList(outcome.written));
    printUnconfirmed(c, outcome.unconfirmed);
    return exitCodeOf(outcome.code);
}

bool stopRequested(const CommandContext &c)
{
    return c.interrupt && c.interrupt->requested();
}

const std::atomic<bool> *stopFlag(const CommandContext &c)
{
    return c.interrupt ? &c.interrupt->flag() : nullptr;
}

// The record of the one printer of a command a signal stopped: done, failed, notAttempted
// or interrupted (stopped in the middle).
void printerRecord(Output &out, const PrinterAddress &target, const QString &state)
{
    out.set(QStringLiteral("printer"), target.key());
    out.set(QStringLiteral("state"), state);
    out.set(QStringLiteral("interrupted"), true);
    out.error(QStringLiteral("interrupted: %1 %2")
                  .arg(target.key(), state == QLatin1String("notAttempted")
                                         ? QStringLiteral("not attempted, nothing was sent")
                                         : state));
}

enum class Begin
{
    Open,        // only opened: the body's operations connect by themselves
    Identify,    // identified first, then the body
    IdentifyOnly // identified first; the body runs outside the command's operation (a stream
                 // makes its own connection)
};

// Opens the command's one printer and runs `body` on it; a printer that cannot be opened
// or identified gets nothing more.
int withPrinter(CommandContext &c, Begin begin, const std::function<int(PrinterSession &)> &body)
{
    const PrinterAddress *target = singleTarget(c);
    if (!target)
        return ExitUsage;
    // A second signal ends the command at once: its record says the printer was in the
    // middle of it.
    const InterruptRequest::Scope lastWords(c.interrupt, [&c, target] {
        Output out(c.out.form());
        printerRecord(out, *target, QStringLiteral("interrupted"));
        out.finish(c.interrupt->exitCode());
    });
    bool begun = false;
    const auto run = [&] {
        // Nothing new is begun once a signal came: not the connection, nor the command.
        if (stopRequested(c))
            return int(ExitInterrupted);
        PrinterSession session;
        // What the command sends counts once the printer answered after it.
        session.setConfirming(true);
        if (c.options.timeoutSeconds > 0)
            session.setDeadline(QDeadlineTimer(c.options.timeoutSeconds * 1000));
        ops::Outcome outcome = ops::open(session, *target);
        if (!outcome.ok())
            return failed(c, outcome);
        int code = ExitOk;
        {
            const PrinterSession::Operation operation(session);
            if (begin != Begin::Open)
                outcome = ops::identify(session);
            begun = !stopRequested(c);
            if (outcome.ok() && begin != Begin::IdentifyOnly && begun)
                code = body(session);
        }
        if (!outcome.ok())
            code = failed(c, outcome);
        else if (begin == Begin::IdentifyOnly && begun)
            code = body(session);
        session.close();
        return code;
    };
    const int code = run();
    if (stopRequested(c))
        printerRecord(c.out, *target,
                      !begun                    ? QStringLiteral("notAttempted")
                      : code == ExitOk          ? QStringLiteral("done")
                      : code == ExitInterrupted ? QStringLiteral("interrupted")
                                                : QStringLiteral("failed"));
    return code;
}

int runInfo(CommandContext &c)
{
    return withPrinter(c, Begin::Open, [&c](PrinterSession &session) {
        ops::PrinterInfo info;
        const ops::Outcome outcome = ops::readInfo(session, &info);
        if (!outcome.ok())
            return failed(c, outcome);
        c.out.set(QStringLiteral("model"), info.model);
        c.out.set(QStringLiteral("manufacturer"), info.maker);
        c.out.set(QStringLiteral("identity"), QJsonArray::fromStringList(info.identity));
        c.out.line(QStringLiteral("model:           %1").arg(info.model));
        c.out.line(QStringLiteral("manufacturer:    %1").arg(info.maker));
        if (!info.firmware.isEmpty()) {
            c.out.set(QStringLiteral("firmware"), info.firmware);
            c.out.line(QStringLiteral("firmware:        %1").arg(info.firmware));
        }
        if (info.dpi > 0) {
            c.out.set(QStringLiteral("dpi"), info.dpi);
            c.out.set(QStringLiteral("maxPaperWidthDots"), info.maxWidthDots);
            c.out.line(QStringLiteral("resolution:      %1 dpi").arg(info.dpi));
            c.out.line(QStringLiteral("max. width:      %1 dots").arg(info.maxWidthDots));
        }
        for (int i = 0; i < info.identity.size(); ++i)
            c.out.line(QStringLiteral("identity %1:      %2").arg(i + 1).arg(info.identity.at(i)));
        return int(ExitOk);
    });
}

int runStatus(CommandContext &c)
{
    return withPrinter(c, Begin::Open, [&c](PrinterSession &session) {
        ops::StatusReading status;
        const ops::Outcome outcome = ops::readStatus(session, &status);
        if (!outcome.ok())
            return failed(c, outcome);
        QJsonArray conditions; // a stable code for scripts, the text in the user's language
        for (int i = 0; i < status.codes.size() && i < status.texts.size(); ++i)
            conditions.append(QJsonObject{{QStringLiteral("code"), status.codes.at(i)},
                                          {QStringLiteral("text"), status.texts.at(i)}});
        c.out.set(QStringLiteral("word"),
                  QStringLiteral("0x%1").arg(status.word, 8, 16, QLatin1Char('0')));
        c.out.set(QStringLiteral("idle"), status.texts.isEmpty());
        c.out.set(QStringLiteral("conditions"), conditions);
        c.out.line(QStringLiteral("status word: 0x%1").arg(status.word, 8, 16, QLatin1Char('0')));
        if (status.texts.isEmpty())
            c.out.line(QCoreApplication::translate("MainWindow", "空闲中"));
        for (const QString &condition : qAsConst(status.texts))
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
    return withPrinter(c, Begin::Open, [&c, &bytes](PrinterSession &session) {
        QByteArray received;
        const ops::Outcome outcome = ops::sendRaw(session, bytes, &received);
        if (!outcome.ok())
            return failed(c, outcome);
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
    for (const PrinterAddress &target : c.options.targets) {
        if (target.medium() != MEDIUM_NETWORK)
            continue;
        doctor::NetTarget net;
        net.host = target.host;
        net.tcpPort = target.port;
        net.udpPort = c.options.udpPort;
        findings += doctor::checkNetwork(net);
    }
    for (const doctor::Finding &f : findings) {
        c.out.line(QStringLiteral("[%1] %2: %3")
                       .arg(doctor::verdictName(f.verdict), -7)
                       .arg(doctor::checkLabel(f.check), f.text));
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
    for (const PrinterAddress &target : c.options.targets)
        inputs.printersListed << target.key();
    // The printer's part when there is one printer and it answers; the report is written
    // in any case, with what could be gathered.
    PrinterSession session;
    int code = ExitOk;
    bool printerRead = false;
    if (c.options.timeoutSeconds > 0)
        session.setDeadline(QDeadlineTimer(c.options.timeoutSeconds * 1000));
    if (c.options.targets.size() == 1) {
        const ops::Outcome opened = ops::open(session, c.options.targets.first());
        printerRead = opened.ok();
        if (!opened.ok())
            code = failed(c, opened);
        else // the settings in the printer's own units; without an answer the report tells
            ops::identify(session);
    }
    const ops::Outcome written =
        ops::writeReport(printerRead ? &session : nullptr, inputs, c.log, c.options.out);
    session.close();
    if (!written.ok())
        return failed(c, written);
    c.out.set(QStringLiteral("report"), c.options.out);
    c.out.line(QStringLiteral("report written to %1").arg(c.options.out));
    return code;
}

// The pages and settings a command works on, from --pages and --exclude; false after
// telling why.
bool readSelection(CommandContext &c, profile::Selection *out)
{
    QString error;
    if (profile::parseSelection(c.options.pages, c.options.exclude, out, &error))
        return true;
    c.out.error(error);
    return false;
}

// Reads a profile file and keeps the selected settings: exit code ExitOk, ExitUsage or
// ExitBadFile (told why).
int readProfile(CommandContext &c, profile::Profile *out)
{
    if (c.options.arguments.size() != 1) {
        c.out.error(QStringLiteral("%1 needs one FILE").arg(c.options.command));
        return ExitUsage;
    }
    profile::Selection selection;
    if (!readSelection(c, &selection))
        return ExitUsage;
    const int read = readProfileFile(c, c.options.arguments.first(), out);
    if (read == ExitOk)
        out->settings = profile::select(out->settings, selection);
    return read;
}

} // namespace

int readProfileFile(CommandContext &c, const QString &path, profile::Profile *out)
{
    QFile file;
    QString error;
    QByteArray bytes;
    // "-" is the profile on standard input, so that it can come from a pipe; a named one is
    // a regular file.
    bool opened = false;
    if (path != QLatin1String("-")) {
        opened = regularfile::open(path, &file, &error, kMaxProfileBytes);
    } else if (!(opened = file.open(stdin, QIODevice::ReadOnly))) {
        error = file.errorString();
    }
    if (!opened || !regularfile::readAll(file, kMaxProfileBytes, &bytes, &error)) {
        c.out.error(QStringLiteral("cannot read %1: %2").arg(path, error));
        return ExitBadFile;
    }
    // Settings that refer to per-printer values are checked once filled in.
    if (!profile::parse(bytes, out, &error) ||
        !profileapply::check(targetvalues::withoutReferences(*out), &error)) {
        c.out.error(QStringLiteral("%1: %2").arg(path, error));
        return ExitBadFile;
    }
    return ExitOk;
}

namespace {

// A file with passwords or PINs in it: written as a temporary file, which is created
// readable by its owner only whatever the umask, then given the name. Never a moment
// readable by others, as a file made first and restricted after would be.
bool writePrivateFile(CommandContext &c, const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    QTemporaryFile file(info.absolutePath() + QLatin1String("/.") + info.fileName() +
                        QLatin1String(".XXXXXX"));
    if (file.open() && file.write(bytes) == bytes.size() && file.flush() &&
        platform::syncToDisk(file) &&
        std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) == 0) {
        file.setAutoRemove(false);
        return true;
    }
    c.out.error(QStringLiteral("cannot write %1: %2")
                    .arg(path, file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QString::fromLocal8Bit(std::strerror(errno))));
    return false;
}

bool writeFile(CommandContext &c, const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    c.out.error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return false;
}

int runRead(CommandContext &c)
{
    QStringList pages = c.options.arguments;
    for (const QString &page : pages) {
        if (!settingtable::findPage(page)) {
            c.out.error(QStringLiteral("unknown page %1 (pages: %2)")
                            .arg(page, settingtable::pageNames().join(QLatin1String(", "))));
            return ExitUsage;
        }
    }
    return withPrinter(c, Begin::Identify, [&c, &pages](PrinterSession &session) {
        QJsonObject all;
        // What was answered is shown even when a query was not.
        const ops::Outcome outcome = ops::readSettings(session, pages, c.options.withSecrets, &all);
        for (const QString &page : settingtable::pageNames()) { // in the window's order
            if (!all.contains(page))
                continue;
            c.out.line(QStringLiteral("[%1]").arg(page));
            const QJsonObject settings = all.value(page).toObject();
            for (auto it = settings.begin(); it != settings.end(); ++it)
                c.out.line(QStringLiteral("  %1 = %2")
                               .arg(it.key(), -22)
                               .arg(profile::valueText(it.value())));
        }
        c.out.set(QStringLiteral("settings"), all);
        return outcome.ok() ? int(ExitOk) : failed(c, outcome);
    });
}

int runSave(CommandContext &c)
{
    if (c.options.arguments.size() != 1) {
        c.out.error(QStringLiteral("save needs one FILE"));
        return ExitUsage;
    }
    profileapply::SaveOptions options;
    options.withSecrets = c.options.withSecrets;
    options.withIdentity = c.options.withIdentity;
    if (!readSelection(c, &options.selection))
        return ExitUsage;
    return withPrinter(c, Begin::Open, [&c, &options](PrinterSession &session) {
        profile::Profile saved;
        ops::Outcome outcome = ops::identify(session, &saved.model);
        if (outcome.ok())
            outcome = ops::save(session, options, &saved);
        if (!outcome.ok())
            return failed(c, outcome);
        const QByteArray bytes = profile::serialize(saved);
        if (!(c.options.withSecrets ? writePrivateFile(c, c.options.arguments.first(), bytes)
                                    : writeFile(c, c.options.arguments.first(), bytes)))
            return int(ExitBadFile);
        // Such a value goes only to printers that have it already.
        for (const QString &why : profileapply::outsideTypedRange(saved))
            c.out.warning(QStringLiteral("%1 (as this printer has it); apply refuses it for a "
                                         "printer with another value unless left out with "
                                         "--exclude")
                              .arg(why));
        c.out.set(QStringLiteral("profile"), c.options.arguments.first());
        c.out.line(QStringLiteral("profile of %1 saved to %2")
                       .arg(saved.model, c.options.arguments.first()));
        return int(ExitOk);
    });
}

// A password or a PIN: its values are shown only with --show-secrets.
bool isSecret(const profile::Difference &d)
{
    const settingtable::Row *row = settingtable::find(d.page, d.setting);
    return row && settingtable::has(*row, settingtable::Secret);
}

const QString &hiddenValue()
{
    static const QString text = QStringLiteral("********");
    return text;
}

// A difference without its values when they are secret: that it differs is all it says.
QJsonArray differencesJson(const QList<profile::Difference> &differences, bool showSecrets)
{
    QJsonArray out;
    for (const profile::Difference &d : differences) {
        QJsonObject o{{QStringLiteral("setting"), d.page + QLatin1Char('.') + d.setting}};
        if (isSecret(d) && !showSecrets) {
            o.insert(QStringLiteral("secret"), true);
            o.insert(QStringLiteral("change"), QStringLiteral("changed"));
        } else {
            o.insert(QStringLiteral("printer"), d.printer.isUndefined() ? QJsonValue() : d.printer);
            o.insert(QStringLiteral("profile"), d.profile);
        }
        out.append(o);
    }
    return out;
}

// The printer's and the profile's value as a table shows them.
QPair<QString, QString> differenceTexts(const profile::Difference &d, bool showSecrets)
{
    if (isSecret(d) && !showSecrets)
        return {hiddenValue(), QStringLiteral("%1 (changed)").arg(hiddenValue())};
    return {profile::valueText(d.printer), profile::valueText(d.profile)};
}

void printDifferences(CommandContext &c, const QList<profile::Difference> &differences)
{
    if (differences.isEmpty())
        c.out.line(QStringLiteral("no setting differs"));
    else
        c.out.line(QStringLiteral("%1 %2 %3")
                       .arg(QStringLiteral("setting"), -28)
                       .arg(QStringLiteral("printer"), -20)
                       .arg(QStringLiteral("profile")));
    for (const profile::Difference &d : differences) {
        const QPair<QString, QString> values = differenceTexts(d, c.options.showSecrets);
        c.out.line(QStringLiteral("%1 %2 %3")
                       .arg(settingtable::label(d.page + QLatin1Char('.') + d.setting), -28)
                       .arg(values.first, -20)
                       .arg(values.second));
    }
}

int runDiff(CommandContext &c)
{
    profile::Profile wanted;
    const int read = readProfile(c, &wanted);
    if (read != ExitOk)
        return read;
    return withPrinter(c, Begin::Identify, [&c, &wanted](PrinterSession &session) {
        profileapply::Outcome details;
        const ops::Outcome outcome = ops::diff(session, wanted, &details);
        if (!outcome.ok())
            return failed(c, outcome);
        printDifferences(c, details.differences);
        for (const QString &s : qAsConst(details.skipped))
            c.out.line(
                QStringLiteral("skipped (this model lacks it): %1").arg(settingtable::label(s)));
        c.out.set(QStringLiteral("differences"),
                  differencesJson(details.differences, c.options.showSecrets));
        c.out.set(QStringLiteral("skipped"), QJsonArray::fromStringList(details.skipped));
        return int(ExitOk);
    });
}

// A targets file, or many printers: which of them drifted from the profile.
int runDiffAny(CommandContext &c)
{
    if (!fleetcommands::manyPrinters(c.options))
        return runDiff(c);
    profile::Profile wanted;
    const int read = readProfile(c, &wanted);
    return read != ExitOk ? read : driftcommand::run(c, wanted);
}

// One printer's part of an apply: its target, how far it came and what came of it.
struct ApplyJob
{
    PrinterAddress target;
    QString state = QStringLiteral("notStarted"); // running, finished, interrupted, duplicate
    bool printed = false;
    // Until its turn comes, nothing was sent to it.
    ops::Outcome outcome{ops::Code::Interrupted, QStringLiteral("not started"), {}, 0, {}, {}, {}};
    profileapply::Outcome details;
    QJsonObject stage; // its stage and, when not attempted, why (cli/stages.h)
    QString stageColumn;
    int code() const { return exitCodeOf(outcome.code); }
};

QJsonObject jobJson(const ApplyJob &job, bool showSecrets)
{
    QJsonObject o{
        {QStringLiteral("printer"), job.target.key()},
        {QStringLiteral("state"), job.state},
        {QStringLiteral("exitCode"), job.code()},
        {QStringLiteral("reason"), ops::codeName(job.outcome.code)},
        {QStringLiteral("message"), job.outcome.sentence},
        {QStringLiteral("differences"), differencesJson(job.details.differences, showSecrets)},
        {QStringLiteral("written"), QJsonArray::fromStringList(job.details.written)},
        {QStringLiteral("unconfirmed"), QJsonArray::fromStringList(job.details.unconfirmed)},
        {QStringLiteral("skipped"), QJsonArray::fromStringList(job.details.skipped)},
        {QStringLiteral("notVerified"), differencesJson(job.details.notVerified, showSecrets)},
        {QStringLiteral("notAttempted"), QJsonArray::fromStringList(job.details.notAttempted)},
        {QStringLiteral("restartNeeded"), job.details.restartNeeded}};
    for (auto it = job.stage.begin(); it != job.stage.end(); ++it)
        o.insert(it.key(), it.value());
    return o;
}

// One printer's record, as soon as it is known: a line for people, a JSON line.
void printJob(CommandContext &c, const ApplyJob &job)
{
    c.out.line(QStringLiteral("%1 %2%3 %4")
                   .arg(job.target.key(), -24)
                   .arg(job.stageColumn)
                   .arg(job.state == QLatin1String("finished") && job.outcome.ok()
                            ? QStringLiteral("ok")
                        : job.state == QLatin1String("finished") ? QStringLiteral("FAILED")
                                                                 : job.state,
                        -11)
                   .arg(job.outcome.sentence));
    for (const QString &s : job.details.skipped)
        c.out.line(QStringLiteral("%1 skipped (this model lacks it): %2")
                       .arg(QString(), -24)
                       .arg(settingtable::label(s)));
    if (!job.details.unconfirmed.isEmpty())
        c.out.line(QStringLiteral("%1 sent, not confirmed: %2")
                       .arg(QString(), -24)
                       .arg(job.details.unconfirmed.join(QLatin1String(", "))));
    c.out.record(jobJson(job, c.options.showSecrets));
}

// Shows how far a long run is, on a terminal only: a pipe or a log gets no carriage returns.
// The jobs of an apply, one per target; a printer named before is a duplicate, done once.
// `addresses` gets the printers to apply to, `jobOfAddress` the job of each.
std::vector<ApplyJob> applyJobs(const QList<PrinterAddress> &targets,
                                QList<PrinterAddress> *addresses, QList<int> *jobOfAddress)
{
    std::vector<ApplyJob> jobs(size_t(targets.size()));
    // The same printer named twice (or as "localhost" and "127.0.0.1") must not be
    // written by two sessions at once.
    const QHash<int, int> duplicates = duplicateTargets(targets);
    for (int i = 0; i < targets.size(); ++i) {
        ApplyJob &job = jobs[size_t(i)];
        job.target = targets.at(i);
        if (const auto same = duplicates.find(i); same != duplicates.end()) {
            job.state = QStringLiteral("duplicate");
            job.outcome = ops::Outcome();
            job.outcome.sentence =
                QStringLiteral("the same printer as %1: applied once").arg(targets.at(*same).key());
            continue;
        }
        *jobOfAddress << i;
        addresses->append(job.target);
    }
    return jobs;
}

// A second signal: the running printers are left in the middle of a page, what they
// stored unknown; every record not yet printed is printed now, with the summary.
void printStoppedAtOnce(CommandContext &c, std::vector<ApplyJob> &jobs,
                        const std::function<void(ApplyJob &)> &print)
{
    QJsonArray table;
    for (ApplyJob &job : jobs) {
        if (job.state == QLatin1String("running")) {
            job.state = QStringLiteral("interrupted");
            job.outcome = ops::Outcome();
            job.outcome.code = ops::Code::Interrupted;
            job.outcome.sentence = QStringLiteral(
                "stopped at once in the middle of a page: what it stored is not known");
        }
        print(job);
        table.append(jobJson(job, c.options.showSecrets));
    }
    Output out(c.out.form());
    if (out.form() == Output::Form::Json)
        out.set(QStringLiteral("printers"), table);
    out.set(QStringLiteral("dryRun"), c.options.dryRun);
    out.set(QStringLiteral("interrupted"), true);
    out.error(QStringLiteral("interrupted at once: the printers running were stopped in "
                             "the middle, those not yet begun were left alone"));
    out.finish(c.interrupt->exitCode());
}

// The differences of a single printer in a table, the summary, and the exit code: the
// worst outcome of any printer.
int finishApply(CommandContext &c, const std::vector<ApplyJob> &jobs)
{
    if (jobs.size() == 1) {
        printDifferences(c, jobs.front().details.differences);
        for (const profile::Difference &d : jobs.front().details.notVerified) {
            const QPair<QString, QString> values = differenceTexts(d, c.options.showSecrets);
            c.out.line(QStringLiteral("read back different: %1 = %2 (profile %3)")
                           .arg(settingtable::label(d.page + QLatin1Char('.') + d.setting),
                                values.first, values.second));
        }
    }
    int code = ExitOk;
    QJsonArray table;
    for (const ApplyJob &job : jobs) {
        // The worst outcome decides: no printer, then refused by the printer, then refused
        // before sending, then a difference. A printer a stage left alone does not count.
        static const QList<int> worstFirst{ExitNoPrinter, ExitRefused, ExitBadFile, ExitDifference,
                                           ExitOk};
        if (job.state != QLatin1String("notStarted") &&
            worstFirst.indexOf(job.code()) < worstFirst.indexOf(code))
            code = job.code();
        if (c.out.form() == Output::Form::Json) // the other forms printed each record already
            table.append(jobJson(job, c.options.showSecrets));
    }
    if (c.out.form() == Output::Form::Json)
        c.out.set(QStringLiteral("printers"), table);
    c.out.set(QStringLiteral("dryRun"), c.options.dryRun);
    if (stopRequested(c)) {
        c.out.set(QStringLiteral("interrupted"), true);
        c.out.error(QStringLiteral("interrupted: printers not yet begun were left alone"));
        return ExitInterrupted;
    }
    return code;
}

// Applies the profile to the jobs' printers in parallel, each record printed as soon as
// its printer is done and those a stop came before last; then the summary. The exit code.
int runApplyJobs(CommandContext &c, const profile::Profile &wanted, std::vector<ApplyJob> &jobs,
                 const QList<PrinterAddress> &addresses, const QList<int> &jobOfAddress,
                 const QList<profile::Profile> &perPrinter)
{
    ProgressLine progress(c);
    // The records are printed on the main thread as printers finish, and by a second
    // signal from a thread of its own.
    std::mutex records;
    const auto print = [&c, &progress](ApplyJob &job) {
        progress.clear();
        if (!job.printed)
            printJob(c, job);
        job.printed = true;
    };
    clijournal::Recorder journal(c);
    const InterruptRequest::Scope lastWords(c.interrupt, [&] {
        const std::lock_guard<std::mutex> lock(records);
        printStoppedAtOnce(c, jobs, print);
    });
    jobs::WorkerPool pool(c.options.jobs);
    const std::unique_ptr<jobs::FleetRun> run(
        ops::applyToMany(pool, addresses, wanted, c.options.dryRun, c.options.verify,
                         c.options.jobs, c.options.timeoutSeconds * 1000, nullptr, perPrinter));
    stages::apply(c.options, run.get());
    for (int index = 0; index < addresses.size(); ++index) {
        ApplyJob &job = jobs[size_t(jobOfAddress.at(index))];
        stages::describe(*run, index, &job.stage);
        job.stageColumn = stages::stageColumn(*run, index);
    }
    QObject::connect(run.get(), &jobs::FleetRun::printerStarted, [&](int index) {
        const std::lock_guard<std::mutex> lock(records);
        jobs[size_t(jobOfAddress.at(index))].state = QStringLiteral("running");
    });
    QObject::connect(run.get(), &jobs::FleetRun::printerFinished, [&](int index) {
        // Those the stop came before are told last: nothing was sent to them.
        if (run->state(index) == jobs::FleetRun::State::NotAttempted) {
            const std::lock_guard<std::mutex> lock(records);
            ApplyJob &job = jobs[size_t(jobOfAddress.at(index))];
            stages::describe(*run, index, &job.stage);
            if (run->stopReason(index) != jobs::FleetRun::StopReason::Cancelled)
                job.outcome.code = ops::Code::Ok; // left alone by a stage: not interrupted
            job.outcome.sentence = QStringLiteral("not attempted: %1")
                                       .arg(jobs::FleetRun::reasonText(run->stopReason(index)));
            return;
        }
        const std::lock_guard<std::mutex> lock(records);
        const ops::PrinterRun one = ops::runOf(*run, index);
        ApplyJob &job = jobs[size_t(jobOfAddress.at(index))];
        job.state = one.state == ops::PrinterRun::State::Interrupted ||
                            run->state(index) == jobs::FleetRun::State::Interrupted
                        ? QStringLiteral("interrupted")
                        : QStringLiteral("finished");
        job.outcome = one.outcome;
        job.details = one.details;
        journal.applied(addresses.at(index).key(), one);
        print(job);
    });
    QObject::connect(run.get(), &jobs::FleetRun::progressed,
                     [&](int done, int total) { progress.show(done, total); });
    run->start();
    runToEnd(
        c, run.get(), SIGNAL(finished()), [&run] { return run->isFinished(); },
        [&run] { run->cancel(); });
    progress.clear();
    {
        const std::lock_guard<std::mutex> lock(records);
        for (ApplyJob &job : jobs) {
            if (job.state == QLatin1String("notStarted"))
                print(job);
        }
    }
    return finishApply(c, jobs);
}

int runApply(CommandContext &c)
{
    profile::Profile wanted;
    const int read = readProfile(c, &wanted);
    if (read != ExitOk)
        return read;
    if (c.options.targets.isEmpty()) {
        c.out.error(QStringLiteral("apply needs printers: --net, --usb or --targets FILE"));
        return ExitUsage;
    }
    if (!c.options.resumeFile.isEmpty())
        return stages::runResumed(c, runApply);
    QList<PrinterAddress> addresses;
    QList<int> jobOfAddress;
    std::vector<ApplyJob> jobs = applyJobs(c.options.targets, &addresses, &jobOfAddress);
    QList<profile::Profile> perPrinter; // filled in from a targets table, or refused here
    if (const int filled = profilesPerPrinter(c, wanted, jobOfAddress, &perPrinter);
        filled != ExitOk)
        return filled;
    for (ApplyJob &job : jobs) {
        if (job.state == QLatin1String("duplicate")) {
            printJob(c, job);
            job.printed = true;
        }
    }
    return runApplyJobs(c, wanted, jobs, addresses, jobOfAddress, perPrinter);
}

int runList(CommandContext &c)
{
    PrinterDiscovery discovery;
    discovery.listUsb();
    QList<FoundPrinter> found = discovery.found();
    if (c.options.discover) { // each search starts a new list
        discovery.searchNetwork(c.options.udpPort);
        found += discovery.found();
    }
    QJsonArray printers;
    for (const FoundPrinter &f : found) {
        const QString entry = f.listText();
        c.out.line(entry);
        QJsonObject printer{{QStringLiteral("entry"), entry},
                            {QStringLiteral("maker"), f.maker.trimmed()},
                            {QStringLiteral("model"), f.model.trimmed()}};
        if (f.address.isUsb()) {
            printer.insert(QStringLiteral("medium"), QStringLiteral("usb"));
            printer.insert(QStringLiteral("usbPort"), f.address.usbPort);
        } else {
            printer.insert(QStringLiteral("medium"), QStringLiteral("network"));
            printer.insert(QStringLiteral("address"), f.address.host);
            printer.insert(QStringLiteral("port"), f.address.port); // the command port
        }
        printers.append(printer);
    }
    c.out.set(QStringLiteral("printers"), printers);
    return ExitOk;
}

QString functionNames()
{
    QStringList names;
    for (const functioncommands::Command &command : functioncommands::all())
        names << command.name;
    return names.join(QLatin1String(", "));
}

int runFunction(CommandContext &c)
{
    if (c.options.arguments.size() != 1 ||
        functioncommands::frame(c.options.arguments.first()).isEmpty()) {
        c.out.error(
            c.options.arguments.size() == 1
                ? QStringLiteral("unknown function %1 (functions: %2)")
                      .arg(c.options.arguments.first(), functionNames())
                : QStringLiteral("function needs one NAME (functions: %1)").arg(functionNames()));
        return ExitUsage;
    }
    const QString name = c.options.arguments.first();
    return withPrinter(c, Begin::Identify, [&c, &name](PrinterSession &session) {
        const ops::Outcome outcome = ops::runFunction(session, name, comeBackMs(c));
        clijournal::Recorder(c).function(singleTarget(c)->key(), name, outcome);
        if (!outcome.ok())
            return failed(c, outcome);
        const bool confirmed = outcome.unconfirmed.isEmpty();
        c.out.set(QStringLiteral("function"), name);
        c.out.set(QStringLiteral("confirmed"), confirmed);
        c.out.set(QStringLiteral("written"), QJsonArray::fromStringList(outcome.written));
        if (!confirmed)
            c.out.set(QStringLiteral("unconfirmed"),
                      QJsonArray::fromStringList(outcome.unconfirmed));
        c.out.line(
            confirmed
                ? ops::restarts(name)
                      ? QStringLiteral("%1 sent; the printer answered again after it").arg(name)
                      : QStringLiteral("%1 sent and confirmed by the printer").arg(name)
                : QStringLiteral("%1 sent, not confirmed").arg(name));
        return int(ExitOk);
    });
}

int runDownload(CommandContext &c)
{
    const QStringList &args = c.options.arguments;
    if (args.size() != 2 ||
        (args.first() != QLatin1String("firmware") && args.first() != QLatin1String("font"))) {
        c.out.error(QStringLiteral("download needs firmware|font FILE"));
        return ExitUsage;
    }
    const ops::FileKind kind =
        args.first() == QLatin1String("firmware") ? ops::FileKind::Firmware : ops::FileKind::Font;
    const QString chosen = args.at(1);
    // A pipe or a device is refused before the printer is asked anything.
    if (QString why; regularfile::isSpecial(chosen, &why)) {
        c.out.error(QStringLiteral("cannot read %1: %2").arg(chosen, why));
        return ExitBadFile;
    }
    return withPrinter(c, Begin::IdentifyOnly, [&](PrinterSession &session) {
        PlainCopy plain;
        ops::Outcome outcome = ops::prepareDownload(session, kind, chosen, &plain);
        // Ended at once by a second signal, the plain copy goes all the same.
        const InterruptRequest::Scope removeCopy(c.interrupt, [&plain] { plain.remove(); });
        const qint64 size = plain.size(); // before the plain copy goes
        if (outcome.ok() && stopRequested(c)) {
            plain.remove();
            return int(ExitInterrupted);
        }
        if (outcome.ok()) {
            outcome = ops::downloadNow(session, plain, true, {}, stopFlag(c), kind, comeBackMs(c));
            clijournal::Recorder(c).downloaded(singleTarget(c)->key(), chosen, outcome);
        }
        if (!outcome.ok())
            return failed(c, outcome);
        const bool confirmed = outcome.unconfirmed.isEmpty();
        c.out.set(QStringLiteral("sent"), size);
        c.out.set(QStringLiteral("confirmed"), confirmed);
        c.out.line(QStringLiteral("%1 %2 sent, %3 bytes%4")
                       .arg(kind == ops::FileKind::Firmware ? QStringLiteral("firmware")
                                                            : QStringLiteral("font"),
                            QFileInfo(chosen).fileName())
                       .arg(size)
                       .arg(!confirmed ? QStringLiteral(", not confirmed")
                            : kind == ops::FileKind::Firmware
                                ? QStringLiteral("; the printer answered again after its restart")
                                : QStringLiteral("; the printer answered after it")));
        return int(ExitOk);
    });
}

int runProvision(CommandContext &c)
{
    if (c.options.ssid.isEmpty() || !c.options.passwordStdin) {
        c.out.error(QStringLiteral("provision needs --ssid NAME and --password-stdin"));
        return ExitUsage;
    }
    QTextStream in(stdin);
    const QString password = in.readLine();
    // Checked as the WiFi page checks them before the printer is opened; an empty password
    // is an open network.
    if (const ops::Outcome checked = ops::checkCredentials(c.options.ssid, password);
        !checked.ok()) {
        c.out.error(QStringLiteral("provision: %1").arg(checked.sentence));
        return ExitUsage;
    }
    return withPrinter(c, Begin::Identify, [&c, &password](PrinterSession &session) {
        const ops::Outcome outcome =
            ops::provision(session, c.options.ssid, password, ops::ModeKnowledge::AskFirst);
        if (!outcome.ok())
            return failed(c, outcome);
        c.out.set(QStringLiteral("ssid"), c.options.ssid);
        c.out.set(QStringLiteral("restartNeeded"), true);
        c.out.set(QStringLiteral("written"), QJsonArray::fromStringList(outcome.written));
        c.out.line(outcome.sentence);
        return int(ExitOk);
    });
}

// Many printers, or watched: the fleet's status.
int runStatusAny(CommandContext &c)
{
    return fleetcommands::manyPrinters(c.options) || c.options.watchSeconds > 0
               ? fleetcommands::runStatusMany(c)
               : runStatus(c);
}

// Many printers, or a version to expect: a rollout.
int runDownloadAny(CommandContext &c)
{
    const Options &o = c.options;
    return fleetcommands::manyPrinters(o) || !o.expectVersion.isEmpty() || o.canary > 0 ||
                   o.maxFailures > 0 || !o.resumeFile.isEmpty()
               ? fleetcommands::runRollout(c)
               : runDownload(c);
}

} // namespace

const QList<Command> &commands()
{
    static const QHash<QString, int (*)(CommandContext &)> runs{
        {QStringLiteral("info"), runInfo},
        {QStringLiteral("status"), runStatusAny},
        {QStringLiteral("send"), runSend},
        {QStringLiteral("read"), runRead},
        {QStringLiteral("save"), runSave},
        {QStringLiteral("diff"), runDiffAny},
        {QStringLiteral("apply"), runApply},
        {QStringLiteral("doctor"), runDoctor},
        {QStringLiteral("report"), runReport},
        {QStringLiteral("list"), runList},
        {QStringLiteral("function"), runFunction},
        {QStringLiteral("download"), runDownloadAny},
        {QStringLiteral("provision"), runProvision},
        {QStringLiteral("scan"), fleetcommands::runScan},
        {QStringLiteral("inventory"), fleetcommands::runInventory},
        {QStringLiteral("exporter"), fleetcommands::runExporter},
        {QStringLiteral("history"), clijournal::runHistory},
    };
    static const QList<Command> list = [] {
        QList<Command> out;
        for (const commandtable::CommandDeclaration &declaration : commandtable::commands()) {
            const auto run = runs.find(QLatin1String(declaration.name));
            Q_ASSERT(run != runs.end());
            out.append(
                {declaration.name, commandtable::usage(declaration).toUtf8(), &declaration, *run});
        }
        return out;
    }();
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
