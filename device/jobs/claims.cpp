#include "device/jobs/claims.h"

namespace jobs {

bool Claims::tryTake(const QString &key)
{
    if (m_taken.contains(key))
        return false;
    m_taken.insert(key);
    return true;
}

void Claims::give(const QString &key)
{
    if (m_taken.remove(key))
        emit given(key);
}

} // namespace jobs
