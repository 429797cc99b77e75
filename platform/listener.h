#pragma once

#include <QtGlobal>

namespace platform {

// Sets the kernel receive buffer of the listening socket `descriptor`, which the sockets
// it accepts inherit; `bytes` 0 puts back the size it had at the first call, kept in
// `*initialBytes` (-1 before). False where the system does not let it be set.
bool setListenerReceiveBuffer(qintptr descriptor, int bytes, int *initialBytes);

} // namespace platform
