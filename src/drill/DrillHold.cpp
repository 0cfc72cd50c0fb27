// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/DrillHold.h"

void DrillHold::release()
{
    if (m_depth > 0)
        --m_depth;
    while (m_depth == 0 && !m_kept.isEmpty()) {
        const Kept kept = m_kept.takeFirst();
        kept.step();
    }
}

void DrillHold::dispatch(const void *owner, std::function<void()> step)
{
    if (isHeld())
        m_kept.append(Kept{owner, std::move(step)});
    else
        step();
}

void DrillHold::forget(const void *owner)
{
    m_kept.removeIf([owner](const Kept &kept) { return kept.owner == owner; });
}
