#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language and font chosen at start-up.
struct LanguageChoice
{
    QString forcedLanguage;  // "zh_TW", "pt_BR", "de", "fr", "nl", "en" or empty
    QLocale locale;          // the working locale
    QString translationFile; // e.g. "language_de.qm"; empty for Simplified Chinese
    int fontPointSize = 13;  // 13 for Chinese, the reduced size for the others
};

constexpr int kBaseFontPointSize = 13;
extern const char kApplicationFontFamily[];

// The reduced point size of the translated languages: 90 % rounded, at least 11.
int reducedFontPointSize(int basePointSize);

// The forced language of the first argument that starts with a known prefix
// (case-sensitive); `arguments` excludes the program name. Empty when none does.
QString forcedLanguageFromArguments(const QStringList &arguments);

// The translation file for a working locale.
QString translationFileForLocale(const QLocale &locale);

LanguageChoice chooseLanguage(const QStringList &arguments, const QLocale &systemLocale);
