#pragma once

#include "device/jobs/job.h"

class PrinterSession;

// A link opened on the window's thread rests there between jobs, where the window's own
// exchanges still use it; a job borrows it for its run on the worker and gives it back
// afterwards, so that its socket always turns with the thread that uses it.
namespace lentlink {

// Hands the session's link to the worker now, and returns `body` wrapped to hand the link
// (or the one it opened) back to this thread once it has run. Called on the window's
// thread, while no job runs.
jobs::Body lend(PrinterSession &session, jobs::Body body);

} // namespace lentlink
