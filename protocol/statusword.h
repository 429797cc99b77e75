#pragma once

#include <QString>

// One translated line per set condition bit (0 to 14), each followed by a line feed,
// in bit order. Empty when the printer is idle.
QString checkPrinterStatus(unsigned int status);
