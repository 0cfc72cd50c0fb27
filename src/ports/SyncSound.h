// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DrillHold;
class QString;

// Plays a WAV file and holds the drill until it has ended: no strike, tick or command of a
// drill is handled meanwhile, and what came is handled afterwards, in order. It returns at
// once; the hold is the state that waits. A file that cannot be played sounds the system
// beep instead and holds nothing.
class SyncSound {
public:
    virtual ~SyncSound() = default;
    // Loads the file ahead of its first use, so that playing starts at once.
    virtual void prepare(const QString &path) = 0;
    virtual void playSync(const QString &path) = 0;
    // Held while a sound plays; the drills keep their ticks in it meanwhile.
    virtual DrillHold &hold() = 0;
};
