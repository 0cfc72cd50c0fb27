// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/DrillHold.h"

void DrillHold::release()
{
    if (m_depth > 0)
        --m_depth;
    drain();
}

void DrillHold::dispatch(const void *owner, std::function<void()> step)
{
    m_kept.append(Kept{owner, std::move(step)});
    drain();
}

void DrillHold::dispatchFirst(const void *owner, std::function<void()> step)
{
    m_kept.prepend(Kept{owner, std::move(step)});
    drain();
}

void DrillHold::drain()
{
    // A step that is already running (and dispatches more, or waits in a dialog) leaves
    // the rest to the loop below it, so the order of arrival holds.
    if (m_draining)
        return;
    m_draining = true;
    struct Done {
        bool &flag;
        ~Done() { flag = false; }
    } done{m_draining};
    while (!isHeld() && !m_kept.isEmpty()) {
        const Kept kept = m_kept.takeFirst();
        kept.step();
    }
}

void DrillHold::forget(const void *owner)
{
    m_kept.removeIf([owner](const Kept &kept) { return kept.owner == owner; });
}
