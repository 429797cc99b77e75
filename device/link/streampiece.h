#pragma once

#include <QtGlobal>
#include <functional>

// One piece of a longer write-only stream (a firmware, font or console file). A stream
// reaches the printer whole or is reported as broken: once bytes of it have gone out,
// the transport never opens a new connection for it, and it tells the caller how many
// bytes of a failed piece may have reached the printer, so that a piece that partly
// went out is never sent again.
struct StreamPiece
{
    // Nothing of the stream has gone out yet: the connection may still be made.
    bool firstPiece = true;
    // Polled while a transfer waits for the printer; true cancels the transfer.
    std::function<bool()> stopRequested;
    // Out: bytes of this piece that may have reached the printer.
    qint64 bytesOut = 0;
};
