// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/AdaptivePace.h"

#include <algorithm>
#include <cmath>

void AdaptivePace::reset(int startMs)
{
    m_interval = std::clamp(startMs, FastestMs, SlowestMs);
    m_tasks = 0;
    m_quick = 0;
}

bool AdaptivePace::taskDone(bool quickAndRight)
{
    ++m_tasks;
    m_quick += quickAndRight ? 1 : 0;
    if (m_tasks < Block)
        return false;
    const double share = double(m_quick) / m_tasks;
    m_tasks = 0;
    m_quick = 0;
    const int was = m_interval;
    if (share >= 0.85)
        m_interval = int(std::lround(m_interval * Step));
    else if (share < 0.70)
        m_interval = int(std::lround(m_interval / Step));
    m_interval = std::clamp(m_interval, FastestMs, SlowestMs);
    return m_interval != was;
}
