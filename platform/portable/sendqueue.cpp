#include "platform/sendqueue.h"

namespace platform::tcpsendqueue {

// Qt tells neither the unacknowledged bytes nor a reset before it reads: a socket that
// still has its descriptor counts as delivered, and the printer's answer confirms.
State probe(qintptr descriptor, qint64 *queued)
{
    if (queued)
        *queued = 0;
    return descriptor < 0 ? State::Broken : State::Acknowledged;
}

bool bothOpen(qintptr descriptor)
{
    return probe(descriptor) != State::Broken;
}

} // namespace platform::tcpsendqueue
