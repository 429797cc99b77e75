#include "cli/stages.h"

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "device/jobs/fleetrun.h"

#include <QJsonDocument>
#include <cstdio>

namespace stages {

bool readRecords(const QString &path, QSet<QString> *succeeded, QString *error)
{
    QString text;
    if (!readTargetsText(path, &text, error))
        return false;
    int records = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed().toUtf8();
        if (line.isEmpty())
            continue;
        QJsonParseError parsed;
        const QJsonDocument document = QJsonDocument::fromJson(line, &parsed);
        const QJsonObject o = document.object();
        if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
            *error = QStringLiteral("%1:%2: not a JSON record").arg(path).arg(i + 1);
            return false;
        }
        if (o.value(QStringLiteral("summary")).toBool())
            continue;
        if (!o.value(QStringLiteral("printer")).isString() ||
            !o.value(QStringLiteral("state")).isString() ||
            !o.value(QStringLiteral("exitCode")).isDouble()) {
            *error = QStringLiteral("%1:%2: a record needs printer, state and exitCode")
                         .arg(path)
                         .arg(i + 1);
            return false;
        }
        ++records;
        if (o.value(QStringLiteral("state")).toString() == QLatin1String("finished") &&
            o.value(QStringLiteral("exitCode")).toInt() == 0)
            succeeded->insert(o.value(QStringLiteral("printer")).toString());
    }
    if (records == 0) {
        *error = QStringLiteral("%1: no printer records (the --jsonl output of a run)").arg(path);
        return false;
    }
    return true;
}

Options withoutSucceeded(const Options &options)
{
    Options rest = options;
    rest.resumeFile.clear();
    rest.targets.clear();
    rest.targetValues.clear();
    for (int i = 0; i < options.targets.size(); ++i) {
        const QString key = options.targets.at(i).key();
        if (options.resumeSucceeded.contains(key)) {
            std::fprintf(stderr, "labelsetup-cli: %s succeeded in the earlier run: skipped\n",
                         qPrintable(key));
            continue;
        }
        rest.targets << options.targets.at(i);
        if (i < options.targetValues.size())
            rest.targetValues << options.targetValues.at(i);
    }
    return rest;
}

int runResumed(const CommandContext &context, int (*command)(CommandContext &))
{
    const Options rest = withoutSucceeded(context.options);
    if (rest.targets.isEmpty()) {
        context.out.line(
            QStringLiteral("every printer succeeded in the earlier run: nothing to do"));
        return ExitOk;
    }
    CommandContext resumed{rest, context.out, context.log, context.interrupt};
    return command(resumed);
}

void apply(const Options &options, jobs::FleetRun *run)
{
    run->setStages(options.canary, options.maxFailures);
}

void describe(const jobs::FleetRun &run, int index, QJsonObject *record)
{
    const QString stage = jobs::FleetRun::stageName(run.stage(index));
    if (!stage.isEmpty())
        record->insert(QStringLiteral("stage"), stage);
    if (run.state(index) == jobs::FleetRun::State::NotAttempted)
        record->insert(QStringLiteral("stopReason"),
                       jobs::FleetRun::reasonText(run.stopReason(index)));
}

QString stageColumn(const jobs::FleetRun &run, int index)
{
    const QString stage = jobs::FleetRun::stageName(run.stage(index));
    return stage.isEmpty() ? QString() : QStringLiteral("%1 ").arg(stage, -6);
}

} // namespace stages
