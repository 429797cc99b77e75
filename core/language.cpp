#include "core/language.h"

#include <QtMath>

const char kApplicationFontFamily[] = "方正兰亭圆";

int reducedFontPointSize(int basePointSize)
{
    return qMax(11, qRound(basePointSize * 0.9));
}

QString forcedLanguageFromArguments(const QStringList &arguments)
{
    struct Prefix
    {
        const char *prefix;
        const char *language;
    };
    static const Prefix prefixes[] = {
        {"zh_TW", "zh_TW"}, {"zh_HK", "zh_TW"}, {"zh_MO", "zh_TW"}, {"pt", "pt_BR"},
        {"de", "de"},       {"fr", "fr"},       {"nl", "nl"},       {"en", "en"},
    };
    for (const QString &argument : arguments) {
        for (const Prefix &p : prefixes) {
            if (argument.startsWith(QLatin1String(p.prefix), Qt::CaseSensitive))
                return QLatin1String(p.language);
        }
    }
    return QString();
}

QString translationFileForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        if (locale.script() == QLocale::TraditionalChineseScript ||
            locale.country() == QLocale::HongKong || locale.country() == QLocale::Taiwan)
            return QStringLiteral("language_zh_TW.qm");
        return QString();
    case QLocale::Portuguese:
        return QStringLiteral("language_pt_BR.qm");
    case QLocale::German:
        return QStringLiteral("language_de.qm");
    case QLocale::French:
        return QStringLiteral("language_fr.qm");
    case QLocale::Dutch:
        return QStringLiteral("language_nl.qm");
    default:
        return QStringLiteral("language_en.qm");
    }
}

LanguageChoice chooseLanguage(const QStringList &arguments, const QLocale &systemLocale)
{
    LanguageChoice choice;
    choice.forcedLanguage = forcedLanguageFromArguments(arguments);
    choice.locale = choice.forcedLanguage.isEmpty() ? systemLocale : QLocale(choice.forcedLanguage);
    choice.translationFile = translationFileForLocale(choice.locale);
    choice.fontPointSize = choice.locale.language() == QLocale::Chinese
                               ? kBaseFontPointSize
                               : reducedFontPointSize(kBaseFontPointSize);
    return choice;
}
