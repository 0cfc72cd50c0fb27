// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QString;

// One hand's sound player: it plays one sound at a time in the background. A new sound
// cuts the one still playing on the same player; two players never cut each other. A file
// that cannot be played stays silent.
class HandPlayer {
public:
    virtual ~HandPlayer() = default;
    // Readies a file ahead of its first use (the window's load), so that play() starts
    // without delay.
    virtual void prepare(const QString &path) = 0;
    // Plays the file from its beginning and returns at once.
    virtual void play(const QString &path) = 0;
    virtual void stop() = 0;
    // How long the file sounds on this player, readied first if need be; nothing when it
    // would stay silent (a missing or undecodable file, no audio output).
    virtual std::optional<int> lengthMs(const QString &path) = 0;
    // How loud the sounds play from now on: 0 (silent) to 1 (as recorded). A sound that
    // plays when this changes follows within the output's short buffer.
    virtual void setVolume(double gain) = 0;
};
