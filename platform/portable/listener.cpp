#include "platform/listener.h"

namespace platform {

// Qt sets the buffer of a connected socket only: the window of an accepted one is fixed
// by then.
bool setListenerReceiveBuffer(qintptr, int, int *)
{
    return false;
}

} // namespace platform
