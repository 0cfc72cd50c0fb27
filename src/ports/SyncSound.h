// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DrillHold;
class QString;

// Plays a WAV file to its end before returning; no key and no tick of a drill is
// handled meanwhile. A file that cannot be played sounds the system beep instead.
class SyncSound {
public:
    virtual ~SyncSound() = default;
    // Loads the file ahead of its first use, so that playing starts at once.
    virtual void prepare(const QString &path) = 0;
    virtual void playSync(const QString &path) = 0;
    // Held while a sound plays; the drills keep their ticks in it meanwhile.
    virtual DrillHold &hold() = 0;
};
