#include "cli/commands.h"

#include "cli/fleetcommands.h"

#include "console/hexcodec.h"
#include "diagnostics/connectiondoctor.h"
#include "diagnostics/debuglog.h"
#include "diagnostics/diagnosticsreport.h"
#include "download/filedecrypt.h"
#include "download/filestream.h"
#include "protocol/functioncommands.h"
#include "protocol/commandcodes.h"
#include "protocol/frame.h"
#include "protocol/identity.h"
#include "protocol/printersession.h"
#include "protocol/statusword.h"
#include "settings/profile.h"
#include "settings/profileapply.h"
#include "settings/wifisettingsio.h"
#include "transport/discovery.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QThread>
#include <QTextStream>
#include <vector>

namespace {

// As the provisioning window pauses: the module switches mode before it takes
// credentials, and the credentials frame leaves before the connection closes.
constexpr unsigned long kModePauseMs = 1000;
constexpr unsigned long kCredentialsPauseMs = 200;

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
    const int result =
        target.kind == Target::Network
            ? session.openNetwork(target.host, target.port)
            : profileapply::openPrinter(session, {true, QString(), 0, target.usbPort});
    if (result == RESULT_OK)
        return ExitOk;
    c.out.error(QStringLiteral("cannot connect to %1").arg(target.name()));
    return ExitNoPrinter;
}

// Runs `body` with a session open to the command's one printer; `body` makes its own
// operations (a stream and the function frames connect by themselves).
int withOpenPrinter(CommandContext &c, const std::function<int(PrinterSession &)> &body)
{
    const Target *target = singleTarget(c);
    if (!target)
        return ExitUsage;
    PrinterSession session;
    const int opened = openTarget(c, session, *target);
    if (opened != ExitOk)
        return opened;
    const int code = body(session);
    session.close();
    return code;
}

// Runs `body` inside one operation on the command's one printer.
int withPrinter(CommandContext &c, const std::function<int(PrinterSession &)> &body)
{
    return withOpenPrinter(c, [&body](PrinterSession &session) {
        const PrinterSession::Operation operation(session);
        return body(session);
    });
}

QString answerText(const unsigned char *data)
{
    return QString::fromLocal8Bit(
        reinterpret_cast<const char *>(data),
        int(qstrnlen(reinterpret_cast<const char *>(data), frame::kQueryOutSize)));
}

// A connection that could not be made is not a printer that did not answer.
int cannotConnect(CommandContext &c)
{
    const Target *target = singleTarget(c);
    c.out.error(QStringLiteral("cannot connect to %1").arg(target ? target->name() : QString()));
    return ExitNoPrinter;
}

int refused(CommandContext &c, const QString &what, int result)
{
    if (result == RESULT_NOT_CONNECTED)
        return cannotConnect(c);
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

// Reads a profile file: exit code ExitOk or ExitBadFile (told why).
int readProfile(CommandContext &c, profile::Profile *out)
{
    if (c.options.arguments.size() != 1) {
        c.out.error(QStringLiteral("%1 needs one FILE").arg(c.options.command));
        return ExitUsage;
    }
    const QString path = c.options.arguments.first();
    QFile file(path);
    QString error;
    if (!file.open(QIODevice::ReadOnly)) {
        c.out.error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return ExitBadFile;
    }
    if (!profile::parse(file.readAll(), out, &error) || !profileapply::check(*out, &error)) {
        c.out.error(QStringLiteral("%1: %2").arg(path, error));
        return ExitBadFile;
    }
    return ExitOk;
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
        if (!profile::pages().contains(page)) {
            c.out.error(QStringLiteral("unknown page %1 (pages: %2)")
                            .arg(page, profile::pages().join(QLatin1String(", "))));
            return ExitUsage;
        }
    }
    return withPrinter(c, [&c, &pages](PrinterSession &session) {
        const int identified = profileapply::identify(session);
        if (identified != RESULT_OK)
            return refused(c, QStringLiteral("identity"), identified);
        QJsonObject all;
        for (const profileapply::PageAccess &page : profileapply::pageAccess()) {
            if ((!pages.isEmpty() && !pages.contains(page.name)) ||
                page.lacking(session).contains(QStringLiteral("*")))
                continue;
            QJsonObject settings;
            const int result = page.read(session, &settings);
            if (result != RESULT_OK)
                return refused(c, page.name, result);
            for (const QString &name : page.lacking(session))
                settings.remove(name);
            if (!c.options.withSecrets) {
                for (const QString &name : page.secrets) {
                    if (settings.contains(name))
                        settings.insert(name, QStringLiteral("********"));
                }
            }
            all.insert(page.name, settings);
            c.out.line(QStringLiteral("[%1]").arg(page.name));
            for (auto it = settings.begin(); it != settings.end(); ++it)
                c.out.line(QStringLiteral("  %1 = %2")
                               .arg(it.key(), -22)
                               .arg(profile::valueText(it.value())));
        }
        c.out.set(QStringLiteral("settings"), all);
        return int(ExitOk);
    });
}

int runSave(CommandContext &c)
{
    if (c.options.arguments.size() != 1) {
        c.out.error(QStringLiteral("save needs one FILE"));
        return ExitUsage;
    }
    return withPrinter(c, [&c](PrinterSession &session) {
        profile::Profile saved;
        const int identified = profileapply::identify(session, &saved.model);
        if (identified != RESULT_OK)
            return refused(c, QStringLiteral("identity"), identified);
        QString failedPage;
        const int result = profileapply::save(session, c.options.withSecrets, &saved, &failedPage);
        if (result != RESULT_OK)
            return refused(c, failedPage, result);
        if (!writeFile(c, c.options.arguments.first(), profile::serialize(saved)))
            return int(ExitBadFile);
        c.out.set(QStringLiteral("profile"), c.options.arguments.first());
        c.out.line(QStringLiteral("profile of %1 saved to %2")
                       .arg(saved.model, c.options.arguments.first()));
        return int(ExitOk);
    });
}

QJsonArray differencesJson(const QList<profile::Difference> &differences)
{
    QJsonArray out;
    for (const profile::Difference &d : differences)
        out.append(QJsonObject{
            {QStringLiteral("setting"), d.page + QLatin1Char('.') + d.setting},
            {QStringLiteral("printer"), d.printer.isUndefined() ? QJsonValue() : d.printer},
            {QStringLiteral("profile"), d.profile}});
    return out;
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
    for (const profile::Difference &d : differences)
        c.out.line(QStringLiteral("%1 %2 %3")
                       .arg(d.page + QLatin1Char('.') + d.setting, -28)
                       .arg(profile::valueText(d.printer), -20)
                       .arg(profile::valueText(d.profile)));
}

int runDiff(CommandContext &c)
{
    profile::Profile wanted;
    const int read = readProfile(c, &wanted);
    if (read != ExitOk)
        return read;
    return withPrinter(c, [&c, &wanted](PrinterSession &session) {
        const int identified = profileapply::identify(session);
        if (identified != RESULT_OK)
            return refused(c, QStringLiteral("identity"), identified);
        const profileapply::Outcome outcome = profileapply::apply(session, wanted, true, false);
        if (outcome.result != RESULT_OK)
            return refused(c, outcome.failedPage, outcome.result);
        printDifferences(c, outcome.differences);
        for (const QString &s : outcome.skipped)
            c.out.line(QStringLiteral("skipped (this model lacks it): %1").arg(s));
        c.out.set(QStringLiteral("differences"), differencesJson(outcome.differences));
        c.out.set(QStringLiteral("skipped"), QJsonArray::fromStringList(outcome.skipped));
        return int(ExitOk);
    });
}

// The exit code and the table text of one printer's apply.
struct ApplyJob
{
    Target target;
    int code = ExitOk;
    QString message;
    profileapply::Outcome outcome;
};

void judge(const profileapply::PrinterOutcome &result, bool dryRun, ApplyJob *job)
{
    job->outcome = result.outcome;
    if (result.connectResult != RESULT_OK || result.outcome.result == RESULT_NOT_CONNECTED) {
        job->code = ExitNoPrinter;
        job->message = QStringLiteral("cannot connect");
    } else if (result.outcome.result != RESULT_OK) {
        job->code = ExitRefused;
        job->message = QStringLiteral("%1 failed (result %2)")
                           .arg(result.outcome.failedPage)
                           .arg(result.outcome.result);
    } else if (!result.outcome.notVerified.isEmpty()) {
        job->code = ExitDifference;
        job->message = QStringLiteral("%1 setting(s) read back different")
                           .arg(result.outcome.notVerified.size());
    } else {
        job->message = dryRun
                           ? QStringLiteral("%1 to change").arg(result.outcome.differences.size())
                           : QStringLiteral("%1 written").arg(result.outcome.written.size());
        if (result.outcome.restartNeeded)
            job->message += QStringLiteral("; restart the printer for the network change");
    }
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
    QList<profileapply::PrinterAddress> addresses;
    for (const Target &t : c.options.targets)
        addresses.append(
            profileapply::PrinterAddress{t.kind == Target::Usb, t.host, t.port, t.usbPort});
    const QList<profileapply::PrinterOutcome> results = profileapply::applyToMany(
        addresses, wanted, c.options.dryRun, c.options.verify, c.options.jobs);
    std::vector<ApplyJob> jobs(size_t(results.size()));
    for (int i = 0; i < results.size(); ++i) {
        jobs[size_t(i)].target = c.options.targets.at(i);
        judge(results.at(i), c.options.dryRun, &jobs[size_t(i)]);
    }

    int code = ExitOk;
    QJsonArray table;
    const bool one = jobs.size() == 1;
    if (one) {
        printDifferences(c, jobs.front().outcome.differences);
        for (const profile::Difference &d : jobs.front().outcome.notVerified)
            c.out.line(QStringLiteral("read back different: %1.%2 = %3 (profile %4)")
                           .arg(d.page, d.setting, profile::valueText(d.printer),
                                profile::valueText(d.profile)));
    }
    for (const ApplyJob &job : jobs) {
        // The worst outcome decides: no printer, then refused, then a difference.
        if (job.code == ExitNoPrinter || (job.code == ExitRefused && code != ExitNoPrinter) ||
            (job.code == ExitDifference && code == ExitOk))
            code = job.code;
        c.out.line(
            QStringLiteral("%1 %2 %3")
                .arg(job.target.name(), -24)
                .arg(job.code == ExitOk ? QStringLiteral("ok") : QStringLiteral("FAILED"), -7)
                .arg(job.message));
        for (const QString &s : job.outcome.skipped)
            c.out.line(
                QStringLiteral("%1 skipped (this model lacks it): %2").arg(QString(), -24).arg(s));
        table.append(QJsonObject{
            {QStringLiteral("printer"), job.target.name()},
            {QStringLiteral("exitCode"), job.code},
            {QStringLiteral("message"), job.message},
            {QStringLiteral("differences"), differencesJson(job.outcome.differences)},
            {QStringLiteral("written"), QJsonArray::fromStringList(job.outcome.written)},
            {QStringLiteral("skipped"), QJsonArray::fromStringList(job.outcome.skipped)},
            {QStringLiteral("notVerified"), differencesJson(job.outcome.notVerified)},
            {QStringLiteral("restartNeeded"), job.outcome.restartNeeded}});
    }
    c.out.set(QStringLiteral("printers"), table);
    c.out.set(QStringLiteral("dryRun"), c.options.dryRun);
    return code;
}

int runList(CommandContext &c)
{
    PrinterDiscovery discovery;
    discovery.listUsb();
    QStringList entries = discovery.entries();
    if (c.options.discover) { // each search starts a new list
        discovery.searchNetwork(c.options.udpPort);
        entries += discovery.entries();
    }
    for (const QString &entry : entries)
        c.out.line(entry);
    c.out.set(QStringLiteral("printers"), QJsonArray::fromStringList(entries));
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
    return withOpenPrinter(c, [&c, &name](PrinterSession &session) {
        const int result = functioncommands::run(session, name);
        if (result == RESULT_NOT_CONNECTED)
            return cannotConnect(c);
        if (result != RESULT_OK) {
            c.out.error(
                QStringLiteral("the printer did not take %1 (result %2)").arg(name).arg(result));
            return int(ExitRefused);
        }
        c.out.set(QStringLiteral("function"), name);
        c.out.line(QStringLiteral("%1 sent").arg(name));
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
    const bool firmware = args.first() == QLatin1String("firmware");
    const QString chosen = args.at(1);
    return withOpenPrinter(c, [&](PrinterSession &session) {
        if (!firmware) {
            int identified = RESULT_OK;
            {
                const PrinterSession::Operation operation(session);
                identified = profileapply::identify(session);
            }
            if (identified != RESULT_OK)
                return refused(c, QStringLiteral("identity"), identified);
            if (!session.settingsAllowed()) {
                c.out.error(QStringLiteral("this printer model takes no font download"));
                return int(ExitRefused);
            }
        }
        QString decrypted;
        QString why;
        const filedecrypt::Result decryptResult =
            filedecrypt::decryptFile(chosen,
                                     firmware ? filedecrypt::firmwareOutputPath(chosen)
                                              : filedecrypt::fontOutputPath(chosen),
                                     &decrypted, &why);
        if (decryptResult != filedecrypt::Result::Ok) {
            c.out.error(QStringLiteral("cannot decrypt %1: %2").arg(chosen, why));
            return int(ExitBadFile);
        }
        const qint64 size = QFileInfo(decrypted).size();
        QString error;
        if (session.connectForStream(&error) != 0) {
            QFile::remove(decrypted);
            c.out.error(QStringLiteral("cannot connect for the download: %1").arg(error));
            return int(ExitNoPrinter);
        }
        // The stream writes each piece from this thread's event loop.
        FileStream stream(session);
        QEventLoop loop;
        QString failure;
        bool done = false;
        QObject::connect(&stream, &FileStream::failed, &loop,
                         [&failure](const QString &text) { failure = text; });
        QObject::connect(&stream, &FileStream::ended, &loop, [&loop, &done] {
            done = true;
            loop.quit();
        });
        stream.start(decrypted, FileStream::Kind::Download, true);
        if (!done)
            loop.exec();
        stream.waitUntilIdle();
        if (!failure.isEmpty()) {
            c.out.error(QStringLiteral("the download failed: %1").arg(failure));
            return int(ExitRefused);
        }
        c.out.set(QStringLiteral("sent"), size);
        c.out.line(QStringLiteral("%1 %2 sent, %3 bytes")
                       .arg(firmware ? QStringLiteral("firmware") : QStringLiteral("font"),
                            QFileInfo(chosen).fileName())
                       .arg(size));
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
    return withOpenPrinter(c, [&c, &password](PrinterSession &session) {
        WifiSettings known;
        const bool station =
            readWifiSettings(session, &known) == RESULT_OK && known.mode == WifiMode::Station;
        int result = RESULT_OK;
        {
            const PrinterSession::Operation operation(session);
            if (!station) {
                result = writeWifiMode(session, WifiMode::Station);
                QThread::msleep(kModePauseMs);
            }
            if (result == RESULT_OK) {
                result = writeWifiStation(session, c.options.ssid, password);
                QThread::msleep(kCredentialsPauseMs);
            }
        }
        if (result == RESULT_NOT_CONNECTED)
            return cannotConnect(c);
        if (result != RESULT_OK) {
            c.out.error(QStringLiteral("the printer did not take the WiFi settings (result %1)")
                            .arg(result));
            return int(ExitRefused);
        }
        c.out.set(QStringLiteral("ssid"), c.options.ssid);
        c.out.set(QStringLiteral("restartNeeded"), true);
        c.out.line(QStringLiteral("station %1 set; restart the printer for the WiFi change")
                       .arg(c.options.ssid));
        return int(ExitOk);
    });
}

} // namespace

const QList<Command> &commands()
{
    static const QList<Command> list = fleetcommands::extend({
        {"info", "info", "the printer's model, maker, firmware and resolution",
         "Reads the identity, the firmware version and the resolution of the printer.\n", runInfo},
        {"status", "status", "the printer's status word, decoded",
         "Reads the status word and lists every condition it reports (idle when none).\n",
         runStatus},
        {"send", "send [--hex] TEXT | send --file FILE", "raw bytes to the printer",
         "Sends TEXT (line feeds become CR LF), or hex byte pairs with --hex, or a file's\n"
         "bytes, and shows what the printer sent back.\n",
         runSend},
        {"read", "read [PAGE...]", "the printer's settings, page by page",
         "Reads the settings of the given pages (print, distance, stripper, wifi, ethernet,\n"
         "bluetooth, serial; all when none is given). Passwords and PINs show as ******** unless\n"
         "--with-secrets is given.\n",
         runRead},
        {"save", "save FILE [--with-secrets]", "the printer's settings to a profile",
         "Saves every setting the printer has to a profile file (JSON, millimetres and the\n"
         "values the window shows). Passwords and PINs are left out unless --with-secrets.\n",
         runSave},
        {"diff", "diff FILE", "what apply would change",
         "Lists each setting of the profile whose value differs on the printer: setting,\n"
         "printer value, profile value. Sends no set frame.\n",
         runDiff},
        {"apply", "apply FILE [--dry-run] [--verify] [--jobs N]",
         "a profile to one or many printers",
         "Writes the settings of the profile that differ, page by page, skipping those the\n"
         "model lacks. --dry-run only lists them; --verify reads every written setting back\n"
         "(exit code 4 when one differs). Many printers: repeat --net/--usb or give\n"
         "--targets FILE (one address or usb:PORT per line); network printers are done in\n"
         "parallel (--jobs N, 8 unless given), and a table of results ends the run.\n",
         runApply},
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
        {"list", "list [--discover] [--udp-port N]", "the printers attached or answering",
         "Lists the USB printers attached and, with --discover, the network printers that\n"
         "answer the UDP search (--udp-port, 38400 unless given), one per line as the\n"
         "window's device list shows them.\n",
         runList},
        {"function", "function NAME", "a maintenance command",
         "Sends one maintenance command: selfTest, restart, initialise, gapLearn,\n"
         "blackMarkLearn, dacLearn, outletLearn, paperOutLearn, fullCut, cutterOff,\n"
         "stripMode, tearMode, keysOn, keysOff, buzzerOn, buzzerOff.\n",
         runFunction},
        {"download", "download firmware|font FILE", "an encrypted firmware or font file",
         "Decrypts FILE beside it and streams it to the printer as the window does; the\n"
         "plain copy is removed afterwards. Exit code 3 when the stream fails or the model\n"
         "takes no font, 5 when FILE cannot be read or decrypted.\n",
         runDownload},
        {"provision", "provision --ssid NAME --password-stdin", "WiFi station credentials",
         "Switches the WiFi module to station mode (unless it is already) and sends the\n"
         "network name and the password read as one line from standard input. The printer\n"
         "takes them after a restart.\n",
         runProvision},
    });
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
