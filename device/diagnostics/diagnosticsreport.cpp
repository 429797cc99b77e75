#include "device/diagnostics/diagnosticsreport.h"

#include "core/protocol/commandcodes.h"
#include "core/protocol/frame.h"
#include "core/protocol/identity.h"
#include "core/protocol/statusword.h"
#include "device/link/printersession.h"

#include <QDateTime>
#include <algorithm>
#include <QRegularExpression>
#include <QSysInfo>
#include <libusb.h>
#include <openssl/crypto.h>

namespace diagnosticsreport {

QJsonObject environment()
{
    const libusb_version *usb = libusb_get_version();
    return QJsonObject{
        {QStringLiteral("os"), QSysInfo::prettyProductName()},
        {QStringLiteral("kernel"),
         QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()},
        {QStringLiteral("architecture"), QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("qt"), QString::fromLatin1(qVersion())},
        {QStringLiteral("libusb"), QStringLiteral("%1.%2.%3.%4")
                                       .arg(usb->major)
                                       .arg(usb->minor)
                                       .arg(usb->micro)
                                       .arg(usb->nano)},
        {QStringLiteral("openssl"), QString::fromLatin1(OpenSSL_version(OPENSSL_VERSION))},
    };
}

void readPrinter(PrinterSession &session, Inputs *inputs)
{
    inputs->printerOpen = true;
    unsigned char answer[frame::kQueryOutSize] = {};
    int length = 0;
    QList<QByteArray> strings;
    if (session.queryInfo(INFO_DEVICE_IDENTITY, answer, &length) == RESULT_OK &&
        identity::split(answer, length, &strings)) {
        inputs->identity.clear();
        for (const QByteArray &s : strings)
            inputs->identity << QString::fromLatin1(s);
    }
    inputs->statusResult = session.readStatusWord(&inputs->statusWord);
}

bool isSecretKey(const QString &key)
{
    static const QRegularExpression secret(QStringLiteral("password|passwd|pin$|^pin|psk|secret"),
                                           QRegularExpression::CaseInsensitiveOption);
    return secret.match(key).hasMatch();
}

QJsonObject maskSettings(const QJsonObject &settings, QStringList *secrets)
{
    QJsonObject out;
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (it.value().isObject()) {
            out.insert(it.key(), maskSettings(it.value().toObject(), secrets));
        } else if (isSecretKey(it.key())) {
            const QString value = it.value().toVariant().toString();
            if (!value.isEmpty() && secrets)
                secrets->append(value);
            out.insert(it.key(), QString::fromLatin1(kMask));
        } else {
            out.insert(it.key(), it.value());
        }
    }
    return out;
}

QString maskLine(const QString &line, const QStringList &secrets)
{
    static const QRegularExpression keyed(
        QStringLiteral("((?:password|passwd|pin|psk)\\w*\\s*[:=]\\s*)(\"[^\"]*\"|\\S+)"),
        QRegularExpression::CaseInsensitiveOption);
    QString out = line;
    out.replace(keyed, QStringLiteral("\\1") + QLatin1String(kMask));
    for (const QString &secret : secrets)
        out.replace(secret, QLatin1String(kMask));
    return out;
}

QJsonObject build(const Inputs &inputs)
{
    QStringList secrets;
    QJsonObject report{
        {QStringLiteral("format"), QStringLiteral("labelsetup-diagnostics")},
        {QStringLiteral("version"), 1},
        {QStringLiteral("created"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {QStringLiteral("tool"), inputs.toolVersion},
        {QStringLiteral("environment"), environment()},
        {QStringLiteral("printersListed"), QJsonArray::fromStringList(inputs.printersListed)},
    };
    if (inputs.printerOpen) {
        QJsonObject printer{
            {QStringLiteral("identity"), QJsonArray::fromStringList(inputs.identity)}};
        QJsonObject status{{QStringLiteral("result"), inputs.statusResult}};
        if (inputs.statusResult == RESULT_OK) {
            status.insert(QStringLiteral("word"),
                          QStringLiteral("0x%1").arg(inputs.statusWord, 8, 16, QLatin1Char('0')));
            status.insert(
                QStringLiteral("conditions"),
                QJsonArray::fromStringList(checkPrinterStatus(inputs.statusWord)
                                               .split(QLatin1Char('\n'), Qt::SkipEmptyParts)));
        }
        printer.insert(QStringLiteral("status"), status);
        printer.insert(QStringLiteral("settings"), maskSettings(inputs.settings, &secrets));
        report.insert(QStringLiteral("printer"), printer);
    }
    // Longer secrets first, so that a secret containing a shorter one is masked whole.
    std::sort(secrets.begin(), secrets.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QJsonArray log;
    for (const QString &line : inputs.log)
        log.append(maskLine(line, secrets));
    report.insert(QStringLiteral("log"), log);
    return report;
}

} // namespace diagnosticsreport
