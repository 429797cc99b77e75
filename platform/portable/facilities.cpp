#include "platform/facilities.h"

namespace platform {

Facilities facilities()
{
    return Facilities();
}

} // namespace platform
