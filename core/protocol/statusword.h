#pragma once

#include <QString>
#include <QStringList>

// One translated line per set condition bit (0 to 14), each followed by a line feed,
// in bit order. Empty when the printer is idle.
QString checkPrinterStatus(unsigned int status);

// A stable, untranslated code per set condition bit (for scripts and monitoring), in
// the same order as the lines of checkPrinterStatus(): "printing", "paper_out", ...
QStringList statusConditionCodes(unsigned int status);
