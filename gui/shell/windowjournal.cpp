#include "gui/shell/windowjournal.h"

#include "gui/shell/connectionpanel.h"
#include "gui/widgets/prompts.h"
#include "gui/widgets/tabledialog.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTableWidget>
#include <algorithm>

namespace {

const qint64 kHistoryTail = 2 * 1024 * 1024;

QString valueText(const QJsonValue &value)
{
    if (value.isNull() || value.isUndefined())
        return QStringLiteral("?");
    if (value.isDouble())
        return QString::number(value.toDouble());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isString())
        return value.toString();
    return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

} // namespace

WindowJournal::WindowJournal(const ConnectionPanel &panel,
                             std::function<void(const QString &)> status, QObject *parent)
    : QObject(parent), m_panel(panel), m_status(std::move(status))
{
    // The warning may come from any thread: it is shown on the window's.
    QPointer<WindowJournal> self(this);
    const QString path = m_writer.path();
    m_writer.setWarning([self, path](const QString &) {
        QMetaObject::invokeMethod(
            self,
            [self, path] {
                if (self)
                    self->m_status(tr("变更记录 %1 无法写入，更改未被记录").arg(path));
            },
            Qt::QueuedConnection);
    });
}

void WindowJournal::record(journal::Entry entry, const ops::Outcome &outcome)
{
    entry.face = QStringLiteral("window");
    entry.model = m_panel.openedPrinter().model;
    entry.serial = m_serial;
    entry.address = m_panel.openedKey();
    entry.outcome = ops::codeName(outcome.code);
    entry.sentence = outcome.sentence;
    m_writer.append(entry);
}

void WindowJournal::settingsRead(const QString &page, const QJsonObject &values)
{
    if (page == QLatin1String("serial") && values.contains(QLatin1String("serialNumber")))
        m_serial = values.value(QLatin1String("serialNumber")).toString();
}

QList<QStringList> WindowJournal::historyRows(const QString &path, const QString &printer,
                                              qint64 lastBytes)
{
    journal::Filter filter;
    filter.printer = printer;
    filter.lastBytes = lastBytes;
    QList<QJsonObject> entries;
    QString error;
    QList<QStringList> rows;
    if (printer.isEmpty() || !journal::read(path, filter, &entries, &error))
        return rows;
    std::reverse(entries.begin(), entries.end());
    for (const QJsonObject &e : qAsConst(entries)) {
        QStringList what;
        const QJsonObject changes = e.value(QLatin1String("changes")).toObject();
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            const QJsonObject c = it.value().toObject();
            what << tr("%1：%2 → %3")
                        .arg(it.key(), valueText(c.value(QLatin1String("from"))),
                             valueText(c.value(QLatin1String("to"))));
        }
        for (const auto &f : e.value(QLatin1String("functions")).toArray())
            what << tr("功能 %1").arg(f.toString());
        for (const auto &f : e.value(QLatin1String("files")).toArray())
            what << tr("文件 %1（SHA-256 %2）")
                        .arg(f.toObject().value(QLatin1String("name")).toString(),
                             f.toObject().value(QLatin1String("sha256")).toString());
        if (e.contains(QLatin1String("console")))
            what << tr("控制台发送 %1 字节")
                        .arg(e.value(QLatin1String("console"))
                                 .toObject()
                                 .value(QLatin1String("bytes"))
                                 .toVariant()
                                 .toLongLong());
        const QJsonObject outcome = e.value(QLatin1String("outcome")).toObject();
        const QString sentence = outcome.value(QLatin1String("sentence")).toString();
        rows.append(
            {QDateTime::fromString(e.value(QLatin1String("time")).toString(), Qt::ISODateWithMs)
                 .toLocalTime()
                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
             e.value(QLatin1String("user")).toString() + QLatin1Char('@') +
                 e.value(QLatin1String("host")).toString(),
             e.value(QLatin1String("face")).toString(), what.join(QLatin1Char('\n')),
             sentence.isEmpty() ? outcome.value(QLatin1String("code")).toString()
                                : QStringLiteral("%1: %2").arg(
                                      outcome.value(QLatin1String("code")).toString(), sentence)});
    }
    return rows;
}

void WindowJournal::showHistory(QWidget *parent) const
{
    const QList<QStringList> rows = historyRows(m_writer.path(), m_panel.openedKey(), kHistoryTail);
    TableDialog dialog(parent, tr("变更记录"),
                       rows.isEmpty() ? tr("变更记录中没有这台打印机的条目。")
                                      : tr("%1 的变更，最新的在前：").arg(m_panel.openedKey()),
                       {tr("时间"), tr("操作者"), tr("方式"), tr("更改"), tr("结果")}, rows);
    dialog.setObjectName(QStringLiteral("HistoryDialog"));
    dialog.table()->setObjectName(QStringLiteral("historyTable"));
    prompts::exec(&dialog);
}
