#pragma once

#include <QString>

// The message shown for an exchange result code: "处理成功" for success, one sentence
// for each failure the user can act on, and an empty text for codes that show nothing
// (a refused or malformed exchange, which its caller reports).
QString resultMessage(int code);
