// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <functional>

// While a start or end sound plays, the drill is held: ticks that fall meanwhile are
// kept and handled in order once the sound has ended.
class DrillHold {
public:
    static bool isHeld();
    static void hold();
    // Releases the hold and runs what was kept, in order of arrival.
    static void release();
    // Runs the tick now, or keeps it while the drill is held.
    static void dispatch(std::function<void()> tick);
};
