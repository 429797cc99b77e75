#include "cli/commands.h"

#include "cli/fleetcommands.h"
#include "cli/interrupt.h"

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
#include "settings/settingtable.h"
#include "settings/settingsengine.h"
#include "transport/discovery.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>
#include <QTextStream>
#include <algorithm>
#include <unistd.h>
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

// Before anything is sent, the printer proves it answers: a host that takes connections
// and never answers gets nothing, and the command ends within the query's wait.
int identifyFirst(CommandContext &c, PrinterSession &session)
{
    int identified = RESULT_OK;
    {
        const PrinterSession::Operation operation(session);
        identified = profileapply::identify(session);
    }
    return identified == RESULT_OK ? int(ExitOk)
                                   : refused(c, QStringLiteral("identity"), identified);
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
        const QStringList codes = statusConditionCodes(word);
        QJsonArray conditionsJson; // a stable code for scripts, the text in the user's language
        for (int i = 0; i < codes.size() && i < conditions.size(); ++i)
            conditionsJson.append(QJsonObject{{QStringLiteral("code"), codes.at(i)},
                                              {QStringLiteral("text"), conditions.at(i)}});
        c.out.set(QStringLiteral("word"),
                  QStringLiteral("0x%1").arg(word, 8, 16, QLatin1Char('0')));
        c.out.set(QStringLiteral("idle"), conditions.isEmpty());
        c.out.set(QStringLiteral("conditions"), conditionsJson);
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
    for (const Target &target : c.options.targets)
        inputs.printersListed << target.name();
    int code = ExitOk;
    if (c.options.targets.size() == 1) {
        PrinterSession session;
        code = openTarget(c, session, c.options.targets.first());
        if (code == ExitOk) {
            const PrinterSession::Operation operation(session);
            diagnosticsreport::readPrinter(session, &inputs);
            // Every readable setting, as the window's report has them; the report masks
            // the secrets itself.
            profile::Profile settings;
            if (profileapply::identify(session) == RESULT_OK &&
                profileapply::save(session, true, &settings, nullptr) == RESULT_OK)
                inputs.settings = settings.settings;
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
    const QString path = c.options.arguments.first();
    QFile file(path);
    QString error;
    // "-" is the profile on standard input, so that it can come from a pipe.
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : file.open(QIODevice::ReadOnly);
    if (!opened) {
        c.out.error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return ExitBadFile;
    }
    if (!profile::parse(file.readAll(), out, &error) || !profileapply::check(*out, &error)) {
        c.out.error(QStringLiteral("%1: %2").arg(path, error));
        return ExitBadFile;
    }
    out->settings = profile::select(out->settings, selection);
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
        if (!settingtable::findPage(page)) {
            c.out.error(QStringLiteral("unknown page %1 (pages: %2)")
                            .arg(page, settingtable::pageNames().join(QLatin1String(", "))));
            return ExitUsage;
        }
    }
    return withPrinter(c, [&c, &pages](PrinterSession &session) {
        const int identified = profileapply::identify(session);
        if (identified != RESULT_OK)
            return refused(c, QStringLiteral("identity"), identified);
        QJsonObject all;
        for (const QString &page : settingtable::pageNames()) {
            if ((!pages.isEmpty() && !pages.contains(page)) || profileapply::lacks(session, page))
                continue;
            QJsonObject settings;
            const int result = profileapply::readPage(session, page, &settings);
            if (result != RESULT_OK)
                return refused(c, page, result);
            for (auto it = settings.begin(); it != settings.end(); ++it) {
                if (!c.options.withSecrets &&
                    settingtable::has(*settingtable::find(page, it.key()), settingtable::Secret))
                    it.value() = QStringLiteral("********");
            }
            all.insert(page, settings);
            c.out.line(QStringLiteral("[%1]").arg(page));
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
    profileapply::SaveOptions options;
    options.withSecrets = c.options.withSecrets;
    options.withIdentity = c.options.withIdentity;
    if (!readSelection(c, &options.selection))
        return ExitUsage;
    return withPrinter(c, [&c, &options](PrinterSession &session) {
        profile::Profile saved;
        const int identified = profileapply::identify(session, &saved.model);
        if (identified != RESULT_OK)
            return refused(c, QStringLiteral("identity"), identified);
        QString failedPage;
        const int result = profileapply::save(session, options, &saved, &failedPage);
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
                       .arg(settingtable::label(d.page + QLatin1Char('.') + d.setting), -28)
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
            c.out.line(
                QStringLiteral("skipped (this model lacks it): %1").arg(settingtable::label(s)));
        c.out.set(QStringLiteral("differences"), differencesJson(outcome.differences));
        c.out.set(QStringLiteral("skipped"), QJsonArray::fromStringList(outcome.skipped));
        return int(ExitOk);
    });
}

// The exit code and the table text of one printer's apply.
struct ApplyJob
{
    Target target;
    QString state = QStringLiteral("notStarted"); // finished, interrupted, duplicate
    int code = ExitOk;
    QString message = QStringLiteral("not started");
    profileapply::Outcome outcome;
};

void judge(const profileapply::PrinterOutcome &result, bool dryRun, ApplyJob *job)
{
    job->outcome = result.outcome;
    job->code = ExitOk;
    job->state = result.state == profileapply::PrinterOutcome::State::Interrupted
                     ? QStringLiteral("interrupted")
                     : QStringLiteral("finished");
    if (result.connectResult != RESULT_OK || result.outcome.result == RESULT_NOT_CONNECTED) {
        job->code = ExitNoPrinter;
        job->message = QStringLiteral("cannot connect");
    } else if (!result.outcome.refused.isEmpty()) {
        // A value this printer's resolution cannot hold: nothing was sent to it.
        job->code = ExitBadFile;
        job->message = QStringLiteral("refused, nothing sent: %1").arg(result.outcome.refused);
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
    if (!result.outcome.notAttempted.isEmpty())
        job->message += QStringLiteral("; interrupted, not begun: %1")
                            .arg(result.outcome.notAttempted.join(QLatin1String(", ")));
}

QJsonObject jobJson(const ApplyJob &job)
{
    return QJsonObject{
        {QStringLiteral("printer"), job.target.name()},
        {QStringLiteral("state"), job.state},
        {QStringLiteral("exitCode"), job.code},
        {QStringLiteral("message"), job.message},
        {QStringLiteral("differences"), differencesJson(job.outcome.differences)},
        {QStringLiteral("written"), QJsonArray::fromStringList(job.outcome.written)},
        {QStringLiteral("skipped"), QJsonArray::fromStringList(job.outcome.skipped)},
        {QStringLiteral("notVerified"), differencesJson(job.outcome.notVerified)},
        {QStringLiteral("notAttempted"), QJsonArray::fromStringList(job.outcome.notAttempted)},
        {QStringLiteral("restartNeeded"), job.outcome.restartNeeded}};
}

// One printer's record, as soon as it is known: a line for people, a JSON line.
void printJob(CommandContext &c, const ApplyJob &job)
{
    c.out.line(QStringLiteral("%1 %2 %3")
                   .arg(job.target.name(), -24)
                   .arg(job.state == QLatin1String("finished") && job.code == ExitOk
                            ? QStringLiteral("ok")
                        : job.state == QLatin1String("finished") ? QStringLiteral("FAILED")
                                                                 : job.state,
                        -11)
                   .arg(job.message));
    for (const QString &s : job.outcome.skipped)
        c.out.line(QStringLiteral("%1 skipped (this model lacks it): %2")
                       .arg(QString(), -24)
                       .arg(settingtable::label(s)));
    c.out.record(jobJson(job));
}

// The addresses a target reaches: the same printer named twice (or as "localhost" and
// "127.0.0.1") must not be written by two sessions at once.
QSet<QString> reachedAs(const Target &t)
{
    if (t.kind == Target::Usb)
        return {QStringLiteral("usb:%1").arg(t.usbPort)};
    QSet<QString> out;
    QHostAddress literal;
    const QList<QHostAddress> addresses = literal.setAddress(t.host)
                                              ? QList<QHostAddress>{literal}
                                              : QHostInfo::fromName(t.host).addresses();
    for (const QHostAddress &a : addresses) {
        bool mapped = false;
        const quint32 v4 = a.toIPv4Address(&mapped);
        out << QStringLiteral("%1:%2").arg(mapped ? QHostAddress(v4).toString() : a.toString())
                   .arg(t.port);
    }
    if (out.isEmpty()) // unresolved: the name itself
        out << t.name();
    return out;
}

// Shows how far a long run is, on a terminal only: a pipe or a log gets no carriage returns.
class Progress
{
public:
    explicit Progress(int total) : m_total(total), m_shown(total > 1 && isatty(STDERR_FILENO)) {}
    ~Progress()
    {
        if (m_shown && m_done > 0)
            std::fputc('\n', stderr);
    }
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;
    void step()
    {
        ++m_done;
        if (m_shown)
            std::fprintf(stderr, "\r%d of %d printers done", m_done, m_total);
    }

private:
    int m_total;
    int m_done = 0;
    bool m_shown;
};

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
    std::vector<ApplyJob> jobs(size_t(c.options.targets.size()));
    QList<profileapply::PrinterAddress> addresses;
    QList<int> jobOfAddress;
    QList<QSet<QString>> seen;
    for (int i = 0; i < c.options.targets.size(); ++i) {
        const Target &t = c.options.targets.at(i);
        ApplyJob &job = jobs[size_t(i)];
        job.target = t;
        const QSet<QString> reached = reachedAs(t);
        const auto same = std::find_if(seen.begin(), seen.end(), [&reached](const QSet<QString> &s) {
            return s.intersects(reached);
        });
        if (same != seen.end()) {
            const Target &first = jobs[size_t(jobOfAddress.at(int(same - seen.begin())))].target;
            job.state = QStringLiteral("duplicate");
            job.message = QStringLiteral("the same printer as %1: applied once").arg(first.name());
            continue;
        }
        seen << reached;
        jobOfAddress << i;
        addresses.append(
            profileapply::PrinterAddress{t.kind == Target::Usb, t.host, t.port, t.usbPort});
    }
    for (const ApplyJob &job : jobs) {
        if (job.state == QLatin1String("duplicate"))
            printJob(c, job);
    }

    const InterruptRequest interrupt;
    Progress progress(int(addresses.size()));
    profileapply::RunControl control;
    control.stop = &interrupt.flag();
    control.finished = [&](int index, const profileapply::PrinterOutcome &outcome) {
        ApplyJob &job = jobs[size_t(jobOfAddress.at(index))];
        judge(outcome, c.options.dryRun, &job);
        printJob(c, job);
        progress.step();
    };
    profileapply::applyToMany(addresses, wanted, c.options.dryRun, c.options.verify,
                              c.options.jobs, control);
    // Those the stop came before are told too: nothing was sent to them.
    for (const ApplyJob &job : jobs) {
        if (job.state == QLatin1String("notStarted"))
            printJob(c, job);
    }

    int code = ExitOk;
    QJsonArray table;
    if (jobs.size() == 1) {
        printDifferences(c, jobs.front().outcome.differences);
        for (const profile::Difference &d : jobs.front().outcome.notVerified)
            c.out.line(QStringLiteral("read back different: %1 = %2 (profile %3)")
                           .arg(settingtable::label(d.page + QLatin1Char('.') + d.setting),
                                profile::valueText(d.printer), profile::valueText(d.profile)));
    }
    for (const ApplyJob &job : jobs) {
        // The worst outcome decides: no printer, then refused by the printer, then refused
        // before sending, then a difference.
        static const QList<int> worstFirst{ExitNoPrinter, ExitRefused, ExitBadFile, ExitDifference,
                                           ExitOk};
        if (worstFirst.indexOf(job.code) < worstFirst.indexOf(code))
            code = job.code;
        table.append(jobJson(job));
    }
    if (c.out.form() == Output::Form::Json)
        c.out.set(QStringLiteral("printers"), table);
    c.out.set(QStringLiteral("dryRun"), c.options.dryRun);
    if (interrupt.requested()) {
        c.out.set(QStringLiteral("interrupted"), true);
        c.out.error(QStringLiteral("interrupted: printers not yet begun were left alone"));
        return ExitInterrupted;
    }
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
    // "Maker [Model] {address}" or "... {USBnnn}": the fields apart, for scripts.
    static const QRegularExpression shape(QStringLiteral("^(.*) \\[(.*)\\] \\{(.*)\\}$"));
    static const QRegularExpression usbPort(QStringLiteral("^USB(\\d+)$"));
    QJsonArray printers;
    for (const QString &entry : entries) {
        c.out.line(entry);
        const QRegularExpressionMatch m = shape.match(entry);
        QJsonObject printer{{QStringLiteral("entry"), entry}};
        if (m.hasMatch()) {
            printer.insert(QStringLiteral("maker"), m.captured(1).trimmed());
            printer.insert(QStringLiteral("model"), m.captured(2).trimmed());
            const QRegularExpressionMatch usb = usbPort.match(m.captured(3));
            if (usb.hasMatch()) {
                printer.insert(QStringLiteral("medium"), QStringLiteral("usb"));
                printer.insert(QStringLiteral("usbPort"), usb.captured(1).toInt());
            } else {
                printer.insert(QStringLiteral("medium"), QStringLiteral("network"));
                printer.insert(QStringLiteral("address"), m.captured(3));
                printer.insert(QStringLiteral("port"), 9100); // the command port
            }
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
    return withOpenPrinter(c, [&c, &name](PrinterSession &session) {
        if (const int identified = identifyFirst(c, session); identified != ExitOk)
            return identified;
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
    // An empty file would "succeed" without the printer getting anything.
    if (QFileInfo(chosen).isFile() && QFileInfo(chosen).size() == 0) {
        c.out.error(QStringLiteral("%1 is empty: nothing to download").arg(chosen));
        return ExitBadFile;
    }
    return withOpenPrinter(c, [&](PrinterSession &session) {
        if (const int identified = identifyFirst(c, session); identified != ExitOk)
            return identified;
        if (!firmware) {
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
    // Checked as the WiFi page checks them; an empty password is an open network.
    QString why;
    if (!settingtable::check(
            *settingtable::find(QStringLiteral("wifi"), QStringLiteral("stationName")),
            c.options.ssid, 0, &why) ||
        !settingtable::check(
            *settingtable::find(QStringLiteral("wifi"), QStringLiteral("stationPassword")),
            password, 0, &why)) {
        c.out.error(QStringLiteral("provision: %1").arg(why));
        return ExitUsage;
    }
    return withOpenPrinter(c, [&c, &password](PrinterSession &session) {
        if (const int identified = identifyFirst(c, session); identified != ExitOk)
            return identified;
        const QString wifi = QStringLiteral("wifi");
        QJsonObject known;
        const bool station = settingsengine::read(session, wifi, &known) == RESULT_OK &&
                             known.value(QLatin1String("mode")) == QLatin1String("station");
        int result = RESULT_OK;
        {
            const PrinterSession::Operation operation(session);
            if (!station) {
                result =
                    settingsengine::send(session, wifi, INFO_WIFI_MODE,
                                         {{QStringLiteral("mode"), QStringLiteral("station")}});
                QThread::msleep(kModePauseMs);
            }
            if (result == RESULT_OK) {
                result = settingsengine::send(session, wifi, INFO_WIFI_STATION,
                                              {{QStringLiteral("stationName"), c.options.ssid},
                                               {QStringLiteral("stationPassword"), password}});
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
        {"save", "save FILE [--with-secrets] [--with-identity] [--pages P,...] [--exclude K,...]",
         "the printer's settings to a profile",
         "Saves every setting the printer has to a profile file (JSON, millimetres and the\n"
         "values the window shows). Passwords and PINs are left out unless --with-secrets;\n"
         "what identifies this one printer (static Ethernet and WiFi addresses, Bluetooth\n"
         "names, serial number) unless --with-identity. --pages keeps only the pages named,\n"
         "--exclude leaves out settings (KEY or PAGE.KEY).\n",
         runSave},
        {"diff", "diff FILE [--pages P,...] [--exclude K,...]", "what apply would change",
         "Lists each setting of the profile whose value differs on the printer: setting,\n"
         "printer value, profile value. Sends no set frame.\n",
         runDiff},
        {"apply", "apply FILE [--dry-run] [--verify] [--jobs N] [--pages P,...] [--exclude K,...]",
         "a profile to one or many printers",
         "Writes the settings of the profile that differ, page by page, skipping those the\n"
         "model lacks. --dry-run only lists them; --verify reads every written setting back\n"
         "(exit code 4 when one differs). Many printers: repeat --net/--usb or give\n"
         "--targets FILE (one address or usb:PORT per line); network printers are done in\n"
         "parallel (--jobs N, 8 unless given). Each printer's result is printed as it\n"
         "finishes (--jsonl: one JSON line each, then a summary line). A printer named twice\n"
         "is applied once. Ctrl-C or SIGTERM begins no further printer, lets each running one\n"
         "finish the page it is on, prints every printer's record and exits with 130.\n",
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
