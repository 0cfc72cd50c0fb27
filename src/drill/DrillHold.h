// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <functional>

// While a start or end sound plays, the drill is held: the strikes, ticks and commands that
// come meanwhile are kept and handled in order once the sound has ended. Holding is a state,
// never a loop run inside a handler, so nothing that arrives during a sound can start another
// hold inside the first. The synchronous sound owns the hold; the drills reach it through the
// frame.
class DrillHold {
public:
    bool isHeld() const { return m_depth > 0; }
    void hold() { ++m_depth; }
    // Releases the hold and, once nothing holds it, runs what was kept, in order of arrival.
    void release();
    // Runs the step now, or keeps it while the drill is held or earlier steps still wait
    // their turn. The owner tells whose it is.
    void dispatch(const void *owner, std::function<void()> step);
    // Keeps the step ahead of everything kept so far: what the end of a sound must do comes
    // before the strikes that arrived while it played.
    void dispatchFirst(const void *owner, std::function<void()> step);
    // Drops what was kept for an owner that goes away.
    void forget(const void *owner);
    // How many steps wait.
    qsizetype kept() const { return m_kept.size(); }

private:
    struct Kept {
        const void *owner;
        std::function<void()> step;
    };
    void drain();

    int m_depth = 0;
    bool m_draining = false;
    QList<Kept> m_kept;
};
