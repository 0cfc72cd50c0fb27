// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <functional>

// While a start or end sound plays, the drill is held: the ticks of its timers that fall
// meanwhile are kept and handled in order once the sound has ended. The synchronous sound
// owns the hold; the drills reach it through the frame.
class DrillHold {
public:
    bool isHeld() const { return m_depth > 0; }
    void hold() { ++m_depth; }
    // Releases the hold and runs what was kept, in order of arrival.
    void release();
    // Runs the step now, or keeps it while the drill is held. The owner tells whose it is.
    void dispatch(const void *owner, std::function<void()> step);
    // Drops what was kept for an owner that goes away.
    void forget(const void *owner);

private:
    struct Kept {
        const void *owner;
        std::function<void()> step;
    };
    int m_depth = 0;
    QList<Kept> m_kept;
};
