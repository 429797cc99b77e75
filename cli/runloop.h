#pragma once

#include "cli/commands.h"

#include <QObject>
#include <functional>

// Fleet work on the command line: the jobs run on the pool's workers while the main thread
// turns its event loop, where records are printed as printers finish.

// Turns the event loop until `over` holds, re-checked whenever `sender` says `signal`; the
// first SIGINT or SIGTERM calls `cancel` once (begin no further printer, stop those in
// flight at a frame boundary), and the loop goes on until the work has said what became
// of every printer.
void runToEnd(CommandContext &c, const QObject *sender, const char *signal,
              const std::function<bool()> &over, const std::function<void()> &cancel);

// "\r3/50 台打印机" on stderr while a person watches: both streams a terminal and neither
// --json nor --jsonl. Taken away before a record is printed and at the end.
class ProgressLine
{
public:
    explicit ProgressLine(const CommandContext &c);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    bool shown() const { return m_shown; }
    void show(int done, int total);
    void clear();

private:
    bool m_shown;
    int m_width = 0; // of the line on the terminal now
};
