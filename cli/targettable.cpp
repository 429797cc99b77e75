#include "cli/targettable.h"

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/settings/targetvalues.h"
#include "device/settings/profileapply.h"

bool readTargetsFile(const QString &path, Options *options, QString *error)
{
    QString text;
    if (!readTargetsText(path, &text, error))
        return false;
    if (!targetvalues::isTable(text))
        return targetsOfText(path, text, &options->targets, error);
    QString why;
    targetvalues::Table table;
    if (!targetvalues::parse(text, &table, &why)) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    // Values of the targets named before the file (--net, --usb): none.
    while (options->targetValues.size() < options->targets.size())
        options->targetValues.append(QHash<QString, QString>());
    for (const targetvalues::Row &row : table.rows) {
        PrinterAddress target;
        if (!PrinterAddress::parse(row.address, &target)) {
            *error = QStringLiteral("%1:%2: not an address or usb:PORT: %3")
                         .arg(path)
                         .arg(row.line)
                         .arg(row.address);
            return false;
        }
        options->targets.append(target);
        options->targetValues.append(row.values);
    }
    return true;
}

int profilesPerPrinter(CommandContext &c, const profile::Profile &wanted,
                       const QList<int> &targetOfPrinter, QList<profile::Profile> *out)
{
    out->clear();
    QHash<QString, QStringList> references;
    QString error;
    if (!targetvalues::references(wanted, &references, &error)) {
        c.out.error(error);
        return ExitBadFile;
    }
    if (references.isEmpty())
        return ExitOk;
    // Every printer's profile is made and checked before the first is begun.
    for (int target : targetOfPrinter) {
        const QString printer = c.options.targets.at(target).key();
        profile::Profile filled;
        if (!targetvalues::fill(wanted, c.options.targetValues.value(target), printer, &filled,
                                &error) ||
            !profileapply::check(filled, &error)) {
            if (!error.startsWith(QLatin1String("printer ")))
                error = QStringLiteral("printer %1: %2").arg(printer, error);
            c.out.error(error + QStringLiteral(": nothing was sent to any printer"));
            return ExitBadFile;
        }
        out->append(filled);
    }
    return ExitOk;
}
