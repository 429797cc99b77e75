// The command table of labelsetup-cli: a flag a command does not take is refused before
// any printer is asked; --help, the manual page and the shell completions made from the
// table name each command's flags and no other.
#include "cli/commandtable.h"
#include "sim/simprinter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QByteArray readAll(const char *path)
{
    QFile file(QString::fromUtf8(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList sorted(QStringList list)
{
    list.removeDuplicates();
    list.sort();
    return list;
}

QStringList flagsIn(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(1).replace(QLatin1String("\\-"), QLatin1String("-"));
    return sorted(found);
}

// The flags a command takes, the global ones with them or not.
QStringList declared(const commandtable::CommandDeclaration &command, bool withGlobal)
{
    QStringList names;
    for (const commandtable::Flag &f : commandtable::flags()) {
        if ((withGlobal || !f.global) && commandtable::takes(command, f))
            names << QLatin1String(f.name);
    }
    return sorted(names);
}

} // namespace

class TestCliTable : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimPrinter> printer;
    QTemporaryDir dir;

    struct Run
    {
        int code = -1;
        QByteArray out, err;
    };
    Run run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LABELSETUP_CLI), arguments);
        process.closeWriteChannel();
        Run r;
        if (process.waitForFinished(30000))
            r = Run{process.exitCode(), process.readAllStandardOutput(),
                    process.readAllStandardError()};
        return r;
    }

private slots:
    void initTestCase()
    {
        printer = std::make_unique<SimPrinter>(PrinterConfig::defaults());
        printer->setTcpPort(0);
        printer->setUdpEnabled(false);
        QVERIFY(printer->start());
        QFile targets(dir.filePath(QStringLiteral("targets")));
        QVERIFY(targets.open(QIODevice::WriteOnly));
        targets.write("127.0.0.1:1\n");
    }

    // Arguments ('|' between them, %P the printer): refused with exit code 1 and the
    // sentence, the printer never asked.
    void refused_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("sentence");
        const auto row = [](const char *arguments, const char *sentence) {
            QTest::newRow(arguments) << arguments << sentence;
        };
        row("info|--dry-run|%P", "info does not take --dry-run");
        row("info|%P|--jobs|3", "info does not take --jobs");
        row("info|--jobs|0|%P", "info does not take --jobs"); // before its value is checked
        row("--verify|status|%P", "status does not take --verify");
        row("send|--pages|print|AB|%P", "send does not take --pages");
        row("read|--pages|print|%P", "read does not take --pages");
        row("save|%D/p.json|--show-secrets|%P", "save does not take --show-secrets");
        row("diff|%D/p.json|--with-secrets|%P", "diff does not take --with-secrets");
        row("apply|%D/p.json|--no-wait|%P", "apply does not take --no-wait");
        row("function|selfTest|--hex|%P", "function does not take --hex");
        row("download|font|%D/f.bin|--dry-run|%P", "download does not take --dry-run");
        row("provision|--ssid|x|--password-stdin|--verify|%P", "provision does not take --verify");
        row("report|--out|%D/r.json|--csv|%P", "report does not take --csv");
        row("list|%P", "list does not take --net");
        row("list|--usb=3", "list does not take --usb");
        row("doctor|--usb", "doctor does not take --usb");
        row("scan|127.0.0.1/32|--timeout|5", "scan does not take --timeout");
        row("inventory|--targets|%D/targets|--watch|5", "inventory does not take --watch");
        row("exporter|--targets|%D/targets|--port|1", "exporter does not take --port");
        row("--json|info|--discover|%P", "info does not take --discover");
    }
    void refused()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, sentence);
        printer->clearRecords();
        const Run r =
            run(arguments.replace("%P", "--net|127.0.0.1:" + QString::number(printer->tcpPort()))
                    .replace("%D", dir.path())
                    .split('|'));
        QCOMPARE(r.code, 1);
        if (arguments.startsWith("--json")) {
            QVERIFY2(r.out.contains(sentence.toUtf8()) && r.out.contains(R"("code": "usage")"),
                     r.out.constData());
        } else {
            QCOMPARE(r.err, "labelsetup-cli: " + sentence.toUtf8() + '\n');
            QVERIFY2(r.out.isEmpty(), r.out.constData());
        }
        QCOMPARE(printer->rawByteCount(), 0);
    }

    // --help lists every command; each command's --help its flags, and no other, also when
    // a flag it does not take stands beside it.
    void help()
    {
        const Run asked = run({"info", "--dry-run", "--help"});
        QVERIFY2(asked.code == 0 && asked.out.startsWith("Usage: labelsetup-cli info"),
                 asked.err.constData());
        const Run all = run({"--help"});
        QCOMPARE(all.code, 0);
        const QByteArray commands = all.out.mid(all.out.indexOf("\nCommands:\n"));
        for (const commandtable::CommandDeclaration &c : commandtable::commands()) {
            QVERIFY2(commands.contains("\n  " + QByteArray(c.name) + ' '), c.name);
            const Run own = run({c.name, "-h"});
            QCOMPARE(own.code, 0);
            const int options = own.out.indexOf("\nOptions:\n");
            const QString listed =
                options < 0 ? QString()
                            : QString::fromUtf8(own.out.mid(
                                  options, own.out.indexOf("\n\n", options + 1) - options));
            QCOMPARE(flagsIn(listed, QRegularExpression("^  (?:-h, )?(--[a-z][a-z0-9-]*)",
                                                        QRegularExpression::MultilineOption)),
                     declared(c, false));
        }
    }

    // The completions and the manual page, as the build made them: for each command the
    // flags it takes and no other.
    void generated_data()
    {
        QTest::addColumn<QString>("command");
        for (const commandtable::CommandDeclaration &c : commandtable::commands())
            QTest::newRow(c.name) << QString::fromLatin1(c.name);
    }
    void generated()
    {
        QFETCH(QString, command);
        const commandtable::CommandDeclaration &declaration = *commandtable::findCommand(command);

        // zsh: the command's own function.
        const QString zsh = QString::fromUtf8(readAll(LABELSETUP_CLI_ZSH));
        const int begin = zsh.indexOf("\n_labelsetup_cli_" + command + "() {\n");
        QVERIFY(begin >= 0);
        const QString function = zsh.mid(begin, zsh.indexOf("\n}\n", begin) - begin);
        QCOMPARE(flagsIn(function, QRegularExpression("'\\*?(--[a-z][a-z0-9-]*)")),
                 declared(declaration, true));

        // The manual page: the command's entry names its flags; what it says of flags names
        // no flag it does not take.
        const QString page = QString::fromUtf8(readAll(LABELSETUP_CLI_MAN));
        const QString commands = page.mid(page.indexOf(".SH COMMANDS\n"));
        const int entry = commands.indexOf(".TP\n\\fB" + command + "\\fR");
        QVERIFY(entry >= 0);
        const int tagEnd = commands.indexOf('\n', entry + 4);
        const QRegularExpression bold("\\\\fB((?:\\\\-)+[a-z][a-z0-9\\\\-]*)\\\\fR");
        QCOMPARE(flagsIn(commands.mid(entry, tagEnd - entry), bold), declared(declaration, false));
        const QString body = commands.mid(tagEnd, commands.indexOf("\n.TP\n", tagEnd) - tagEnd);
        for (const QString &flag : flagsIn(body, bold))
            QVERIFY2(declared(declaration, true).contains(flag), qPrintable(flag));

        // bash, as bash-completion runs it: after the command the flags it takes.
        if (!QFile::exists("/usr/share/bash-completion/bash_completion"))
            QSKIP("bash-completion is not installed");
        QProcess bash;
        bash.start("bash", {"-c",
                            "source /usr/share/bash-completion/bash_completion; "
                            "source \"$1\"; compopt() { :; }; "
                            "COMP_WORDS=(labelsetup-cli \"$2\" --); COMP_CWORD=2; "
                            "COMP_LINE=\"labelsetup-cli $2 --\"; COMP_POINT=${#COMP_LINE}; "
                            "_labelsetup_cli labelsetup-cli -- \"$2\"; "
                            "printf '%s\\n' \"${COMPREPLY[@]}\"",
                            "bash", LABELSETUP_CLI_BASH, command});
        QVERIFY(bash.waitForFinished(10000));
        QCOMPARE(
            sorted(QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)),
            declared(declaration, true));
    }

    // The manual page's options say which commands take each flag.
    void manualOptions()
    {
        const QString page = QString::fromUtf8(readAll(LABELSETUP_CLI_MAN));
        const QString options = page.mid(page.indexOf(".SH OPTIONS\n"));
        for (const commandtable::Flag &f : commandtable::flags()) {
            const QString escaped = QString::fromLatin1(f.name).replace("-", "\\-");
            const int entry =
                options.indexOf(QRegularExpression("\\.TP\n(?:\\\\fB\\\\-h\\\\fR, )?\\\\fB" +
                                                   QRegularExpression::escape(escaped) + "\\\\fR"));
            QVERIFY2(entry >= 0, f.name);
            const QString line = options.mid(entry).section('\n', 2, 2);
            QStringList commands;
            for (auto it = QRegularExpression("\\\\fB([a-z]+)\\\\fR").globalMatch(line);
                 it.hasNext();)
                commands << it.next().captured(1);
            QCOMPARE(line.endsWith(':') ? commands : QStringList(), commandtable::takenBy(f));
        }
    }

    // zsh reads the completion it is given.
    void zshSyntax()
    {
        if (QStandardPaths::findExecutable("zsh").isEmpty())
            QSKIP("zsh is not installed");
        QProcess zsh;
        zsh.start("zsh", {"-n", LABELSETUP_CLI_ZSH});
        QVERIFY(zsh.waitForFinished(10000));
        QVERIFY2(zsh.exitCode() == 0, zsh.readAllStandardError().constData());
    }
};

QTEST_GUILESS_MAIN(TestCliTable)
#include "tst_cli_table.moc"
