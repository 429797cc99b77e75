#include "platform/listener.h"

#include <sys/socket.h>

namespace platform {

bool setListenerReceiveBuffer(qintptr descriptor, int bytes, int *initialBytes)
{
    const int fd = int(descriptor);
    if (fd < 0)
        return false;
    if (*initialBytes < 0) {
        socklen_t len = sizeof(*initialBytes);
        if (::getsockopt(fd, SOL_SOCKET, SO_RCVBUF, initialBytes, &len) != 0)
            *initialBytes = -1;
    }
    const int size = bytes > 0 ? bytes : *initialBytes;
    return size > 0 && ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size)) == 0;
}

} // namespace platform
