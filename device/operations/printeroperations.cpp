#include "device/operations/printeroperations.h"

#include "device/diagnostics/debuglog.h"
#include "device/diagnostics/diagnosticsreport.h"
#include "device/operations/functioncommands.h"
#include "device/link/pause.h"
#include "device/operations/sentences.h"
#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/protocol/statusword.h"
#include "device/settings/settingsengine.h"
#include "core/settings/settingtable.h"
#include "device/link/printersession.h"
#include "device/link/usblink.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QSaveFile>
#include <QThread>

namespace ops {

namespace {

// The module switches mode before it takes credentials; the credentials frame must leave
// before the connection closes.
constexpr unsigned long kModePauseMs = 1000;
constexpr unsigned long kCredentialsPauseMs = 200;
// After a network printer was closed, before anything else is done with it.
constexpr unsigned long kClosePauseMs = 10;
constexpr int kStationMode = 0; // as the WiFi page's mode list counts

// The printer's name in sentences: the address open() gave the session.
QString who(const PrinterSession &session)
{
    return session.objectName().isEmpty() ? Operations::tr("打印机") : session.objectName();
}

} // namespace

Outcome open(PrinterSession &session, const PrinterAddress &address)
{
    session.setObjectName(address.key());
    PrinterAddress target = address;
    // "usb": the printer listed first.
    if (target.isUsb() && target.usbPort == 0)
        target.usbPort = UsbLink::listPrinters().value(0).address.usbPort;
    const int result =
        target.isUsb() && target.usbPort == 0 ? int(RESULT_USB_OPEN) : session.open(target);
    if (result == RESULT_OK)
        return Outcome();
    // Whatever else opening failed of, there is no connection to the printer.
    return queryFailed(result == RESULT_TIMED_OUT ? result : int(RESULT_NOT_CONNECTED),
                       QStringLiteral("connect"), who(session));
}

Outcome identify(PrinterSession &session, QString *model)
{
    const PrinterSession::Operation operation(session);
    const QString step = QStringLiteral("identity");
    unsigned char out[frame::kQueryOutSize];
    int length = 0;
    QList<QByteArray> strings;
    const int result = session.queryInfo(INFO_DEVICE_IDENTITY, out, &length);
    if (result != RESULT_OK)
        return queryFailed(result, step, who(session));
    if (!identity::split(out, length, &strings) || strings.at(1).isEmpty())
        return queryFailed(RESULT_BAD_REPLY, step, who(session));
    const QString name = QString::fromLocal8Bit(strings.at(1));
    session.adoptModel(QStringLiteral("[%1]").arg(name));
    if (model)
        *model = name;
    return Outcome();
}

Outcome close(PrinterSession &session)
{
    const bool network = session.medium() == MEDIUM_NETWORK;
    session.close();
    if (network)
        QThread::msleep(kClosePauseMs);
    return Outcome();
}

Outcome openAndIdentify(PrinterSession &session, const PrinterAddress &address, QString *model)
{
    const Outcome opened = open(session, address);
    return opened.ok() ? identify(session, model) : opened;
}

Outcome readInfo(PrinterSession &session, PrinterInfo *out)
{
    const PrinterSession::Operation operation(session);
    unsigned char answer[frame::kQueryOutSize];
    int length = 0;
    QList<QByteArray> strings;
    const int result = session.queryInfo(INFO_DEVICE_IDENTITY, answer, &length);
    if (result != RESULT_OK || !identity::split(answer, length, &strings))
        return queryFailed(result == RESULT_OK ? int(RESULT_BAD_REPLY) : result,
                           QStringLiteral("identity"), who(session));
    QByteArray maker;
    identity::manufacturer(strings.at(2), &maker);
    for (const QByteArray &s : qAsConst(strings))
        out->identity << QString::fromLocal8Bit(s);
    out->model = out->identity.at(1);
    out->maker = QString::fromLocal8Bit(maker);
    out->serial = out->identity.at(4);
    if (session.queryStatus(POWER_FIRMWARE_VERSION, answer) == RESULT_OK)
        out->firmware = frame::answerText(answer);
    if (session.queryStatus(POWER_RESOLUTION, answer) == RESULT_OK) {
        out->dpi = frame::u16(answer);
        out->maxWidthDots = frame::u16(answer + 2);
    }
    return Outcome();
}

Outcome readStatus(PrinterSession &session, StatusReading *out)
{
    const PrinterSession::Operation operation(session);
    const int result = session.readStatusWord(&out->word);
    if (result != RESULT_OK)
        return queryFailed(result, QStringLiteral("status"), who(session));
    out->texts = checkPrinterStatus(out->word).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    out->codes = statusConditionCodes(out->word);
    return Outcome();
}

Outcome readSettings(PrinterSession &session, const QStringList &pages, bool withSecrets,
                     QJsonObject *out)
{
    // Every page is read as far as the printer answers; the first failure is the outcome.
    Outcome first;
    for (const QString &page : settingtable::pageNames()) {
        if ((!pages.isEmpty() && !pages.contains(page)) || profileapply::lacks(session, page))
            continue;
        QJsonObject settings;
        const int result = profileapply::readPage(session, page, &settings);
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            if (!withSecrets &&
                settingtable::has(*settingtable::find(page, it.key()), settingtable::Secret))
                it.value() = QLatin1String(diagnosticsreport::kMask);
        }
        if (!settings.isEmpty())
            out->insert(page, settings);
        if (result != RESULT_OK && first.ok())
            first = queryFailed(result, page, who(session));
        if (settingtable::printerUnreachable(result))
            break;
    }
    return first;
}

Outcome save(PrinterSession &session, const profileapply::SaveOptions &options,
             profile::Profile *out)
{
    QString failedPage;
    const int result = profileapply::save(session, options, out, &failedPage);
    return result == RESULT_OK ? Outcome() : queryFailed(result, failedPage, who(session));
}

Outcome diff(PrinterSession &session, const profile::Profile &wanted,
             profileapply::Outcome *details)
{
    *details = profileapply::apply(session, wanted, true, false);
    Outcome out = judgeApply(*details, true, who(session));
    if (details->result != RESULT_OK)
        out = queryFailed(details->result, details->failedPage, who(session));
    return out;
}

Outcome judgeApply(const profileapply::Outcome &details, bool dryRun, const QString &printer)
{
    Outcome out;
    out.written = details.written;
    out.notAttempted = details.notAttempted;
    out.unconfirmed = details.unconfirmed;
    if (!details.refused.isEmpty()) {
        // A value this printer's resolution cannot hold: nothing was sent to it.
        out.code = Code::BadInput;
        out.sentence = Operations::tr("配置被拒绝，未发送任何设置：%1").arg(details.refused);
    } else if (details.result != RESULT_OK) {
        const Outcome failed = details.confirmFailed
                                   ? notConfirmed(details.result, details.failedPage, printer)
                               : details.result == RESULT_NOT_CONNECTED
                                   ? queryFailed(details.result, details.failedPage, printer)
                                   : sendFailed(details.result, details.failedPage, printer);
        out.code = failed.code;
        out.sentence = failed.sentence;
        out.step = failed.step;
        out.result = failed.result;
    } else if (!details.notVerified.isEmpty()) {
        out.code = Code::Differs;
        out.sentence = Operations::tr("%n 项设置读回的值不同", nullptr, details.notVerified.size());
    } else if (!details.notAttempted.isEmpty()) {
        out.code = Code::Interrupted;
        out.sentence = Operations::tr("已中断，未开始：%1")
                           .arg(details.notAttempted.join(QLatin1String(", ")));
    } else {
        out.sentence = dryRun ? Operations::tr("%n 项待更改", nullptr, details.differences.size())
                              : Operations::tr("已写入 %n 项", nullptr, details.written.size());
        if (details.restartNeeded)
            out.sentence += Operations::tr("；重启打印机后网络设置生效");
    }
    return out;
}

bool restarts(const QString &function)
{
    return function == QLatin1String("restart") || function == QLatin1String("initialise");
}

Outcome runFunction(PrinterSession &session, const QString &name, int comeBackMs)
{
    Outcome out;
    if (!session.confirming()) {
        const int result = functioncommands::run(session, name);
        if (result != RESULT_OK)
            return sendFailed(result, name, who(session));
        out.written << name;
        return out;
    }
    const QByteArray bytes = functioncommands::frame(name);
    if (bytes.isEmpty())
        return sendFailed(RESULT_NO_MEDIUM, name, who(session));
    const PrinterSession::Operation operation(session);
    // Not waited for, the restart is sent as it always was: acknowledged by the printer's
    // side before the connection closes.
    const bool unheard = restarts(name) && comeBackMs <= 0;
    if (unheard)
        session.setConfirming(false);
    const int result = session.sendFrame(bytes);
    if (unheard)
        session.setConfirming(true);
    if (result != RESULT_OK) {
        out = sendFailed(result, name, who(session));
        if (result != RESULT_BUSY && result != RESULT_TIMED_OUT)
            out.unconfirmed << name;
        return out;
    }
    if (!restarts(name)) {
        // The status word asked after it tells that the printer read the command.
        const int confirmed = session.confirmWrites();
        if (confirmed != RESULT_OK) {
            out = notConfirmed(confirmed, name, who(session));
            out.unconfirmed << name;
            return out;
        }
        out.written << name;
        return out;
    }
    // A printer that restarts answers nothing more on this connection: back means it
    // answers again on a new one.
    out.unconfirmed << name;
    if (comeBackMs <= 0) {
        out.sentence = Operations::tr("已发送，未确认");
        return out;
    }
    const int back = session.awaitComeBack(QDeadlineTimer(comeBackMs));
    if (back != RESULT_OK) {
        const QStringList unconfirmed = out.unconfirmed;
        out = notConfirmed(back, name, who(session));
        out.unconfirmed = unconfirmed;
        if (back == RESULT_TIMED_OUT)
            out.sentence = Operations::tr("打印机在限定时间内没有重新应答（%1）").arg(name);
        return out;
    }
    out.unconfirmed.clear();
    out.written << name;
    return out;
}

Outcome sendRaw(PrinterSession &session, const QByteArray &bytes, QByteArray *received)
{
    const PrinterSession::Operation operation(session);
    const int result = session.writeRaw(bytes);
    if (result != RESULT_OK)
        return sendFailed(result, Operations::tr("数据"), who(session));
    *received = session.readPending();
    return Outcome();
}

Outcome checkCredentials(const QString &ssid, const QString &password, QString *refusedKey)
{
    const std::pair<const char *, QString> texts[] = {{"stationName", ssid},
                                                      {"stationPassword", password}};
    for (const auto &[key, text] : texts) {
        QString why;
        const settingtable::Row &row =
            *settingtable::find(QStringLiteral("wifi"), QLatin1String(key));
        if (!settingtable::check(row, text, 0, &why)) {
            if (refusedKey)
                *refusedKey = QLatin1String(key);
            return badInput(why);
        }
    }
    return Outcome();
}

Outcome provision(PrinterSession &session, const QString &ssid, const QString &password,
                  ModeKnowledge knowledge)
{
    // A name or password no network can have never reaches the printer.
    Outcome checked = checkCredentials(ssid, password);
    if (!checked.ok())
        return checked;
    const QString wifi = QStringLiteral("wifi");
    if (knowledge == ModeKnowledge::AskFirst && session.wifiMode() < 0) {
        QJsonObject known;
        // Only the mode's own answer matters here.
        settingsengine::read(session, wifi, &known);
        if (known.value(QLatin1String("mode")) == QLatin1String("station"))
            session.setWifiMode(kStationMode);
    }
    Outcome out;
    const PrinterSession::Operation operation(session);
    if (session.wifiMode() != kStationMode) {
        const int result = settingsengine::send(
            session, wifi, INFO_WIFI_MODE, {{QStringLiteral("mode"), QStringLiteral("station")}});
        // A cancel ends the pause, and the session then refuses the credentials frame.
        pause(session, kModePauseMs);
        if (result != RESULT_OK)
            return sendFailed(result, QStringLiteral("wifi.mode"), who(session));
        out.written << QStringLiteral("wifi.mode");
    }
    const int result = settingsengine::send(
        session, wifi, INFO_WIFI_STATION,
        {{QStringLiteral("stationName"), ssid}, {QStringLiteral("stationPassword"), password}});
    pause(session, kCredentialsPauseMs);
    const QStringList credentials{QStringLiteral("wifi.stationName"),
                                  QStringLiteral("wifi.stationPassword")};
    if (result != RESULT_OK) {
        Outcome failed = sendFailed(result, QStringLiteral("wifi.station"), who(session));
        // What went before is no more certain than the frame that failed.
        (session.confirming() ? failed.unconfirmed : failed.written) = out.written;
        if (session.confirming())
            failed.unconfirmed += credentials;
        return failed;
    }
    // The hand-off is the printer's once it answers after it.
    const int confirmed = session.confirmWrites();
    if (confirmed != RESULT_OK) {
        Outcome failed = notConfirmed(confirmed, QStringLiteral("wifi.station"), who(session));
        failed.unconfirmed = out.written + credentials;
        return failed;
    }
    session.setWifiMode(kStationMode);
    out.written << credentials;
    out.sentence = Operations::tr("打印机已收到 WiFi 网络 %1 的凭证；重启打印机后生效").arg(ssid);
    return out;
}

Outcome writeReport(PrinterSession *session, diagnosticsreport::Inputs inputs, const DebugLog *log,
                    const QString &path)
{
    if (session) {
        const PrinterSession::Operation operation(*session);
        diagnosticsreport::readPrinter(*session, &inputs);
        // Every readable setting of a printer that told who it is; the report masks the
        // secrets itself.
        profile::Profile settings;
        if (!inputs.identity.isEmpty() &&
            profileapply::save(*session, true, &settings, nullptr) == RESULT_OK)
            inputs.settings = settings.settings;
    }
    if (log)
        inputs.log = log->lines();
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(diagnosticsreport::build(inputs)).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return badInput(Operations::tr("无法写入文件：%1").arg(file.errorString()));
    Outcome out;
    out.sentence = Operations::tr("诊断报告已保存到 %1").arg(path);
    return out;
}

} // namespace ops
