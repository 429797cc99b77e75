#include "gui/shell/startup.h"

#include "gui/shell/demomode.h"
#include "gui/shell/mainwindow.h"
#include "device/diagnostics/debuglog.h"
#include "labelsetupversion.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(icons);
}

void initTranslationResources()
{
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done);
}

bool installTranslations(QApplication &app, const LanguageChoice &choice)
{
    initTranslationResources();

    // Standard dialog buttons in the user's language too, where Qt ships them.
    auto *qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(choice.locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTranslator);
    else
        delete qtTranslator;

    if (choice.translationFile.isEmpty())
        return false;
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/translations/") + choice.translationFile)) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

QString applicationWindowTitle()
{
    return QCoreApplication::translate("MainWindow", "标签机设置工具") + QStringLiteral("V" LABELSETUP_VERSION);
}

int runApplication(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(LABELSETUP_VERSION));
    // The end of the debug output goes into a diagnostics report when one is exported.
    DebugLog debugLog;
    debugLog.install();
    initTranslationResources();
    QIcon appIcon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        appIcon.addFile(QStringLiteral(":/icons/labelsetup-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(appIcon);
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("labelsetup"));
    const QLocale systemLocale = QLocale::system();
    qDebug() << "Qt version:" << qVersion();
    qDebug() << "System locale:" << systemLocale.name();
    qDebug() << "locale.language:" << systemLocale.language();

    // Without even a program name (argc == 0) there is nothing to drop.
    QStringList arguments = app.arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    for (const QString &argument : arguments) {
        qDebug().noquote() << QStringLiteral("语言参数: ") + argument;
        if (!forcedLanguageFromArguments({argument}).isEmpty())
            break;
    }
    const LanguageChoice choice = chooseLanguage(arguments, systemLocale);
    if (!choice.forcedLanguage.isEmpty())
        qDebug() << "Forced language from command line:" << choice.forcedLanguage;

    installTranslations(app, choice);
    QFont font(QString::fromUtf8(kApplicationFontFamily));
    font.setPointSize(choice.fontPointSize);
    app.setFont(font);

    DemoPrinter demo;
    const bool demoMode = DemoPrinter::requested(arguments);
    if (demoMode) {
        QString error;
        if (!demo.start(&error)) {
            qWarning().noquote() << "The simulated printer could not start:" << error;
            return 1;
        }
        qDebug() << "Simulated printer on" << demo.address() << demo.port();
    }

    int result = 0;
    {
        MainWindow window;
        window.setDebugLog(&debugLog);
        QString title = applicationWindowTitle();
        if (demoMode) {
            demo.prepareWindow(window);
            title += QStringLiteral(" - ") +
                     QCoreApplication::translate("MainWindow", "演示模式：模拟打印机 %1:%2")
                         .arg(demo.address())
                         .arg(demo.port());
        }
        window.setTitleBase(title);
        window.show();
        result = app.exec();
    }
    return result;
}
