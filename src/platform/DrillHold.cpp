// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DrillHold.h"

namespace {
int holdDepth = 0;
QList<std::function<void()>> &pending()
{
    static QList<std::function<void()>> list;
    return list;
}
} // namespace

bool DrillHold::isHeld()
{
    return holdDepth > 0;
}

void DrillHold::hold()
{
    ++holdDepth;
}

void DrillHold::release()
{
    if (holdDepth > 0)
        --holdDepth;
    while (holdDepth == 0 && !pending().isEmpty()) {
        auto tick = pending().takeFirst();
        tick();
    }
}

void DrillHold::dispatch(std::function<void()> tick)
{
    if (isHeld())
        pending().append(std::move(tick));
    else
        tick();
}
