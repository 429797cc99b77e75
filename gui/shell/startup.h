#pragma once

#include "core/language.h"

#include <QString>

class QApplication;
class QTranslator;

// Makes the embedded translations available (needed once per process because
// they live in a static library).
void initTranslationResources();

// Loads and installs the translation of `choice` and Qt's own texts for standard
// buttons; returns whether the application's translation was installed. The
// translators are parented to `app`.
bool installTranslations(QApplication &app, const LanguageChoice &choice);

// "标签机设置工具" in the current language followed by the version text.
QString applicationWindowTitle();

// The whole start-up: language, font, main window and event loop.
int runApplication(int argc, char **argv);
