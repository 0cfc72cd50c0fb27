// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyTracker.h"

void KeyTracker::pressed(quint64 identity, bool autoRepeat)
{
    if (!autoRepeat)
        m_down.insert(identity);
}

bool KeyTracker::released(quint64 identity, bool autoRepeat)
{
    if (autoRepeat)
        return false;
    return m_down.remove(identity);
}
