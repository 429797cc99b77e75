#pragma once

#include <functional>

class PrinterSession;

// The pauses printer work keeps between frames, on a worker: waited in short steps so that
// a cancel ends them at once, and whole otherwise.
namespace ops {

// Waits `ms`; false (early) once `stop` says so.
bool pauseUnless(unsigned long ms, const std::function<bool()> &stop);
// Waits `ms`; false (early) once the session's running job is cancelled.
bool pause(const PrinterSession &session, unsigned long ms);
// The same, never past the session's deadline either.
bool pauseWithinDeadline(const PrinterSession &session, unsigned long ms);

} // namespace ops
