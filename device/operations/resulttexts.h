#pragma once

#include <QString>

// What an exchange's result code (RESULT_*) says, from one table.

// The window's message box: "处理成功" for success, one sentence for each failure the
// user can act on, and an empty text for codes that show nothing (a refused or malformed
// exchange, which its caller reports).
QString resultMessage(int code);

// What the code means, in a few words of the user's language, for the sentences of the
// command line and the fleet; never empty.
QString resultMeaning(int code);
