// labelsetup-cli: the setup tool's printer functions for scripts and many printers at a
// time, over the same printer session as the window.
#include "cli/commands.h"
#include "cli/helptext.h"
#include "cli/interrupt.h"
#include "device/diagnostics/debuglog.h"
#include "labelsetupversion.h"
#include "core/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

// At global scope: the macro declares the resource's initialiser.
static void initTranslationResource()
{
    Q_INIT_RESOURCE(translations);
}

namespace {

Output::Form outputForm(bool json, bool jsonLines)
{
    return jsonLines ? Output::Form::JsonLines : json ? Output::Form::Json : Output::Form::Text;
}

void installTranslation(QCoreApplication &app)
{
    const LanguageChoice choice = chooseLanguage(QStringList(), QLocale::system());
    if (choice.translationFile.isEmpty())
        return;
    initTranslationResource();
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/translations/") + choice.translationFile))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(LABELSETUP_VERSION));
    // The debug output is kept for the report; LABELSETUP_DEBUG=1 shows it on stderr.
    DebugLog log;
    log.install(qEnvironmentVariableIntValue("LABELSETUP_DEBUG") == 1);
    installTranslation(app);

    Options options;
    QString error;
    bool fileError = false;
    if (!parseOptions(app.arguments().mid(1), &options, &error, &fileError)) {
        // Asked for JSON, a script gets JSON also when the command line itself is wrong.
        const QStringList given = app.arguments().mid(1);
        Output out(outputForm(given.contains(QLatin1String("--json")),
                              given.contains(QLatin1String("--jsonl"))));
        out.error(error);
        const int code = fileError ? ExitBadFile : ExitUsage;
        out.finish(code);
        return code;
    }
    if (options.version) {
        std::printf("labelsetup-cli %s\n", LABELSETUP_VERSION);
        return ExitOk;
    }
    if (options.command.isEmpty()) {
        std::fputs(helptext::program().toUtf8().constData(), stdout);
        return options.help ? ExitOk : ExitUsage;
    }
    Output out(outputForm(options.json, options.jsonLines));
    const Command *command = findCommand(options.command);
    if (!command) {
        out.error(QStringLiteral("unknown command %1 (see --help)").arg(options.command));
        out.finish(ExitUsage);
        return ExitUsage;
    }
    if (options.help) {
        std::fputs(helptext::command(*command->declaration).toUtf8().constData(), stdout);
        return ExitOk;
    }
    InterruptRequest interrupt;
    CommandContext context{options, out, &log, &interrupt};
    int code = command->run(context);
    interrupt.ignoreFurther();
    // Whatever the command made of it, a run a signal stopped ends as shells expect.
    if (interrupt.requested() && !context.runsUntilInterrupted) {
        code = interrupt.exitCode();
        out.set(QStringLiteral("interrupted"), true);
    }
    out.finish(code);
    return code;
}
