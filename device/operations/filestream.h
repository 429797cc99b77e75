#pragma once

#include "core/files/plaincopy.h"
#include "device/link/streampiece.h"
#include "device/operations/outcome.h"

#include <QByteArray>
#include <QString>
#include <functional>

class PrinterSession;

// One file on its way to the printer, in pieces, on the calling thread (a printer's
// worker): the firmware and font download and the console's file send. While it runs the
// session is marked streaming, so that every other exchange is refused. A stop asked for
// ends it between two pieces; nothing is ever sent twice or continued on another
// connection.
namespace filestream {

// Piece size: 10240 bytes over USB, 850 bytes on any other medium.
int pieceSize(int medium);

// The file: a decrypted copy read through its descriptor (deleted at the end when
// `removeAfter`), else the file at `path`, read by its name and never deleted.
struct Source
{
    QString path;
    PlainCopy copy;
    bool removeAfter = false;
};

struct Progress
{
    int pieces = 0;     // pieces the printer's side has taken
    int pieceCount = 0; // pieces in the whole file
    qint64 bytes = 0;
    qint64 size = 0;
};

// Writes one piece; the result code of the write (RESULT_OK when it all left), and in
// `piece->bytesOut` how much of it may have reached the printer.
using Writer = std::function<int(const QByteArray &bytes, StreamPiece *piece)>;

struct Hooks
{
    Writer write;
    // Polled before each piece and while a stalled piece waits; true stops the stream.
    std::function<bool()> stopRequested;
    // After each piece that went out whole.
    std::function<void(const Progress &)> progress;
};

// Sends `source` in pieces for `medium`: a piece none of which left is tried again, up to
// three times; a network piece waits until 2 ms after the previous one left. Ok when every
// piece left; Refused ("向打印机发送数据失败。", or the file could not be opened) and
// Interrupted (a stop between pieces, saying how much went) otherwise. A decrypted copy
// marked so is deleted in every case.
ops::Outcome sendPieces(const Source &source, int medium, const Hooks &hooks);

// The whole stream on `session`: the pieces through its link (the session marked
// streaming meanwhile), then the wait until the printer's side has acknowledged all of
// them and its settling pause. Stops when the session's job is cancelled or `stop` is
// set. A stream cut short by the session's deadline is TimedOut. The connection is left
// as it is: the caller made it and ends it.
ops::Outcome send(PrinterSession &session, const Source &source,
                  const std::function<void(const Progress &)> &progress = {},
                  const std::function<bool()> &stop = {});

// "已发送 3/10 块": how far a stream got, for a progress line or a cancel.
QString sentSoFar(const Progress &progress);

} // namespace filestream
