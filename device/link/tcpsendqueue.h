#pragma once

#include <QtGlobal>

// What the kernel knows of bytes written to a connected TCP socket: how many the peer
// has not acknowledged yet, and whether the connection still stands. Qt counts a write
// done once the kernel has the bytes; only this tells that the printer's side has them.
namespace tcpsendqueue {

enum class State
{
    Acknowledged, // the peer has acknowledged every byte written so far
    Pending,      // bytes are still on their way, or not yet acknowledged
    Broken,       // the connection was reset or is gone: what is queued never arrives
};

// Looks at the socket `descriptor` without reading from it or changing it; `queued`
// receives the unacknowledged byte count (0 unless Pending). Where the platform cannot
// tell, a live socket counts as Acknowledged.
State probe(qintptr descriptor, qint64 *queued = nullptr);

// Whether the connection stands with both sides open: false once it was reset or the
// peer closed its side. Where the platform cannot tell, what probe() says.
bool bothOpen(qintptr descriptor);

} // namespace tcpsendqueue
