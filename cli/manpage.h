#pragma once

#include <QString>

// The sections of labelsetup-cli(1) that list the flags and the commands, in roff, made
// from the command table; the rest of the page is written by hand in its template.
namespace manpage {

QString optionsSection();
QString commandsSection();

// The template with its lines `.\" generated: options` and `.\" generated: commands`
// replaced; false with the reason when one of them is missing.
bool fill(const QString &templateText, QString *page, QString *error);

} // namespace manpage
