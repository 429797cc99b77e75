#pragma once

#include "core/files/plaincopy.h"
#include "device/operations/filestream.h"
#include "device/operations/outcome.h"

#include <QString>
#include <atomic>
#include <functional>

class PrinterSession;

// A firmware or font download: the chosen encrypted file is checked and decrypted beside
// itself, then the plain copy streams to the printer and is removed at the end. It runs on
// the calling thread, a printer's worker: the window and the command line run it as a job,
// the fleet in its printer's job.
namespace ops {

enum class FileKind
{
    Firmware,
    Font,
};

// Checks the chosen file (a regular file, not empty; a font only for a model that takes
// one) and decrypts it beside itself into `plain`. Nothing is sent.
Outcome prepareDownload(const PrinterSession &session, FileKind kind, const QString &chosen,
                        PlainCopy *plain);

struct DownloadOptions
{
    FileKind kind = FileKind::Font;
    // Deletes the copy at the end (several printers may share one).
    bool removeAfter = true;
    // After each piece sent.
    std::function<void(const filestream::Progress &)> progress;
    // Besides a cancel of the session's job: true ends the stream between two pieces.
    std::function<bool()> stop;
    // A confirming session counts a firmware sent only once the printer comes back from
    // its restart within this time (0: the firmware is not waited for and stays
    // unconfirmed).
    int comeBackMs = 0;
};

// Connects for the stream and sends `plain` through its descriptor. A stop ends the
// stream between two pieces: Code::Interrupted, saying how much went. A confirming session
// counts the file sent only once the printer answers after it: a font on the stream's own
// connection, a firmware through its restart.
Outcome download(PrinterSession &session, const PlainCopy &plain, const DownloadOptions &options);

// download() for the command line and the fleet: progress in percent, a stop flag.
Outcome downloadNow(PrinterSession &session, const PlainCopy &plain, bool removeAfter,
                    const std::function<void(int)> &progress = {},
                    const std::atomic<bool> *stop = nullptr, FileKind kind = FileKind::Font,
                    int comeBackMs = 0);

} // namespace ops
