// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A hand's pace in the adaptive drill: the interval in which a task loses one point.
// After every Block tasks it is shortened when at least 85 % of them were right within
// their first interval, and lengthened when fewer than 70 % were; it stays within the
// levels of the random drill (3 s down to 0.4 s).
class AdaptivePace {
public:
    static constexpr int FastestMs = 400;
    static constexpr int SlowestMs = 3000;
    static constexpr int Block = 10;
    static constexpr double Step = 0.85; // shorter: times this; longer: divided by it

    explicit AdaptivePace(int startMs = 1000) { reset(startMs); }

    void reset(int startMs);
    // A task answered: whether it was right before its first interval had passed.
    // True when the interval changed.
    bool taskDone(bool quickAndRight);
    int intervalMs() const { return m_interval; }

private:
    int m_interval = 1000;
    int m_tasks = 0;
    int m_quick = 0;
};
