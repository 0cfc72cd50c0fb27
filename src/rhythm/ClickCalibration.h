// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>

// How much later than the output says the player hears the metronome. He taps a finger key
// along with clicks whose times at the output are known; each tap against its nearest click
// says how far behind the output his ear (and hand) is, and the median of those differences
// is the latency offset, so that a few early or late taps do not move it. A tap farther than
// half a beat from every click is a stray and counts for nothing; fewer than LeastTaps usable
// taps tell too little, and the offset in use stays.
class ClickCalibration {
public:
    // Four clicks to find the beat, then eight to tap with, one a second: half a beat leaves
    // room for the half second that wireless headphones may add.
    static constexpr int CountInClicks = 4;
    static constexpr int TapClicks = 8;
    static constexpr int LeastTaps = 5;
    static constexpr int Bpm = 60;
    static constexpr qint64 BeatNs = 60'000'000'000 / Bpm;

    struct Result {
        // The offset found, in milliseconds; nothing when too few taps were usable.
        std::optional<double> measuredMs;
        int usedTaps = 0;
        int ignoredTaps = 0;
        // What holds from now on: the offset found or, without one, the one in use.
        double keptMs = 0;
    };

    // The times the clicks are planned for, the count-in's first, a beat apart from firstNs.
    static QList<qint64> plan(qint64 firstNs);
    // Whether the click of that place in plan() is one to tap with.
    static bool isTapClick(int index) { return index >= CountInClicks; }

    // clicksNs: when each click to tap with left for the speaker (one the output dropped is
    // left out); tapsNs: when each tap's key went down; both on the monotonic clock.
    static Result measure(const QList<qint64> &clicksNs, const QList<qint64> &tapsNs,
                          double inUseMs, qint64 beatNs = BeatNs);
};
