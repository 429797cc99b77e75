#include "cli/journalcommands.h"

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"

#include "device/journal/entries.h"

#include <QJsonArray>

namespace clijournal {

namespace {

const QString kFace = QStringLiteral("cli");

} // namespace

Recorder::Recorder(CommandContext &c) : m_c(c)
{
    m_writer.setWarning([&c](const QString &warning) { c.out.warning(warning); });
}

void Recorder::applied(const QString &address, const ops::PrinterRun &run)
{
    journal::Entry e;
    if (!m_c.options.dryRun && journal::applied(kFace, address, run, &e))
        m_writer.append(e);
}

void Recorder::function(const QString &address, const QString &name, const ops::Outcome &outcome)
{
    journal::Entry e = journal::entryFor(kFace, address, outcome);
    e.functions << name;
    m_writer.append(e);
}

void Recorder::downloaded(const QString &address, const QString &file, const ops::Outcome &outcome)
{
    journal::Entry e = journal::entryFor(kFace, address, outcome);
    e.files.append(journal::fileOf(file));
    m_writer.append(e);
}

void Recorder::rolledOut(const fleet::rollout::Result &result, const journal::File &file)
{
    journal::Entry e;
    if (journal::rolledOut(kFace, result, file, &e))
        m_writer.append(e);
}

int runHistory(CommandContext &c)
{
    if (!c.options.arguments.isEmpty()) {
        c.out.error(QStringLiteral("history takes no arguments"));
        return ExitUsage;
    }
    journal::Filter filter;
    filter.printer = c.options.historyPrinter;
    if (!c.options.since.isEmpty()) {
        filter.since = journal::parseSince(c.options.since);
        if (!filter.since.isValid()) {
            c.out.error(QStringLiteral("--since: not a date (2026-12-01) or an ISO 8601 time: %1")
                            .arg(c.options.since));
            return ExitUsage;
        }
    }
    const QString path = journal::defaultPath();
    QList<QJsonObject> entries;
    QString error;
    int skipped = 0;
    if (!journal::read(path, filter, &entries, &error, &skipped)) {
        c.out.error(error);
        return ExitBadFile;
    }
    if (skipped > 0)
        c.out.warning(QStringLiteral("%1: %2 lines that are not journal entries skipped")
                          .arg(path)
                          .arg(skipped));
    QJsonArray all;
    for (const QJsonObject &e : entries) {
        all.append(e);
        c.out.record(e);
        const QJsonObject printer = e.value(QStringLiteral("printer")).toObject();
        QStringList what = e.value(QStringLiteral("changes")).toObject().keys();
        for (const auto &f : e.value(QStringLiteral("functions")).toArray())
            what << QStringLiteral("function %1").arg(f.toString());
        for (const auto &f : e.value(QStringLiteral("files")).toArray())
            what << QStringLiteral("file %1").arg(
                f.toObject().value(QStringLiteral("name")).toString());
        const QJsonObject outcome = e.value(QStringLiteral("outcome")).toObject();
        c.out.line(printable(QStringLiteral("%1  %2  %3  %4@%5  %6  %7")
                                 .arg(e.value(QStringLiteral("time")).toString(),
                                      printer.value(QStringLiteral("address")).toString(),
                                      e.value(QStringLiteral("face")).toString(),
                                      e.value(QStringLiteral("user")).toString(),
                                      e.value(QStringLiteral("host")).toString(),
                                      outcome.value(QStringLiteral("code")).toString(),
                                      what.join(QLatin1String(", ")))));
    }
    if (c.out.form() == Output::Form::Json)
        c.out.set(QStringLiteral("entries"), all);
    c.out.set(QStringLiteral("count"), all.size());
    return ExitOk;
}

} // namespace clijournal
