#include "device/journal/journal.h"

#include "core/settings/settingtable.h"
#include "device/link/printeraddress.h"
#include "platform/process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>

namespace journal {

namespace {

bool secret(const QString &qualified)
{
    const int dot = qualified.indexOf(QLatin1Char('.'));
    const settingtable::Row *row =
        dot < 0 ? nullptr : settingtable::find(qualified.left(dot), qualified.mid(dot + 1));
    return row && settingtable::has(*row, settingtable::Secret);
}

// The same printer however its address was spelt.
QString addressKey(const QString &text)
{
    PrinterAddress address;
    return PrinterAddress::parse(text, &address) ? address.key() : text;
}

} // namespace

QJsonObject toJson(const Entry &entry)
{
    const QDateTime time = entry.time.isValid() ? entry.time : QDateTime::currentDateTimeUtc();
    QJsonObject changes;
    for (const Change &c : entry.changes) {
        const QString changed = QStringLiteral("changed");
        changes.insert(c.key, secret(c.key) ? QJsonObject{{QStringLiteral("from"), changed},
                                                          {QStringLiteral("to"), changed}}
                                            : QJsonObject{{QStringLiteral("from"), c.from},
                                                          {QStringLiteral("to"), c.to}});
    }
    QJsonArray files;
    for (const File &f : entry.files)
        files.append(QJsonObject{{QStringLiteral("name"), f.name},
                                 {QStringLiteral("sha256"), QString::fromLatin1(f.sha256)}});
    QJsonObject line{
        {QStringLiteral("time"), time.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("user"), platform::userName()},
        {QStringLiteral("host"), QSysInfo::machineHostName()},
        {QStringLiteral("face"), entry.face},
        {QStringLiteral("printer"), QJsonObject{{QStringLiteral("model"), entry.model},
                                                {QStringLiteral("serial"), entry.serial},
                                                {QStringLiteral("address"), entry.address}}},
        {QStringLiteral("changes"), changes},
        {QStringLiteral("functions"), QJsonArray::fromStringList(entry.functions)},
        {QStringLiteral("files"), files},
        {QStringLiteral("outcome"), QJsonObject{{QStringLiteral("code"), entry.outcome},
                                                {QStringLiteral("sentence"), entry.sentence}}},
    };
    if (entry.consoleBytes >= 0)
        line.insert(QStringLiteral("console"),
                    QJsonObject{{QStringLiteral("bytes"), double(entry.consoleBytes)}});
    return line;
}

QString defaultPath()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/labelsetup/journal.jsonl");
}

Writer::Writer(const QString &path) : m_path(path) {}

void Writer::setWarning(std::function<void(const QString &)> warning)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_warning = std::move(warning);
}

bool Writer::append(const Entry &entry)
{
    const QByteArray line = QJsonDocument(toJson(entry)).toJson(QJsonDocument::Compact) + '\n';
    const std::lock_guard<std::mutex> lock(m_mutex);
    QString why;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        why = QStringLiteral("cannot make the folder %1").arg(QFileInfo(m_path).absolutePath());
    } else {
        QFile file(m_path);
        // Unbuffered: the line goes out in one write to a file opened for appending.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            why = file.errorString();
        } else {
            if (file.size() == 0) // what was changed on which printer is the owner's business
                file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            if (file.write(line) == line.size())
                return true;
            why = file.errorString();
        }
    }
    if (!m_warned && m_warning)
        m_warning(QStringLiteral("the journal %1 cannot be written (%2): changes are not "
                                 "recorded")
                      .arg(m_path, why));
    m_warned = true;
    return false;
}

QDateTime parseSince(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10)
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (time.isValid() && time.timeSpec() == Qt::LocalTime && !text.contains(QLatin1Char('+')))
        time.setTimeSpec(Qt::UTC); // a time without a zone is UTC, as the journal's are
    return time;
}

bool read(const QString &path, const Filter &filter, QList<QJsonObject> *out, QString *error,
          int *skipped)
{
    out->clear();
    if (skipped)
        *skipped = 0;
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (filter.lastBytes > 0 && file.size() > filter.lastBytes) {
        file.seek(file.size() - filter.lastBytes - 1);
        file.readLine(); // the rest of a line cut by the start, unless it starts a line
    }
    const QString printer = filter.printer.isEmpty() ? QString() : addressKey(filter.printer);
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        const QDateTime time = QDateTime::fromString(entry.value(QStringLiteral("time")).toString(),
                                                     Qt::ISODateWithMs);
        if (entry.isEmpty() || !time.isValid()) {
            if (skipped)
                ++*skipped;
            continue;
        }
        if (filter.since.isValid() && time < filter.since)
            continue;
        const QJsonObject p = entry.value(QStringLiteral("printer")).toObject();
        if (!printer.isEmpty() &&
            addressKey(p.value(QStringLiteral("address")).toString()) != printer &&
            p.value(QStringLiteral("serial")).toString() != filter.printer)
            continue;
        out->append(entry);
    }
    return true;
}

} // namespace journal
