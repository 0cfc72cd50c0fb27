// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Tempo steps between passes. A clean pass (at least RiseShare of its notes right and a
// spread under the bound) raises the tempo by a step, up to RhythmGrid::FastestBpm; a poor
// pass (under FallShare right) lowers it by a step, never under RhythmGrid::SlowestBpm nor
// more than MostDropBpm under the tempo the player chose; any other pass keeps it. A pass
// without a spread (fewer than two notes struck) is not clean.
class TempoTrainer {
public:
    static constexpr int DefaultStepBpm = 4;
    static constexpr double DefaultSpreadMs = 25;
    static constexpr double RiseShare = 0.9;
    static constexpr double FallShare = 0.7;
    static constexpr int MostDropBpm = 20;

    enum class Change { Stayed, Rose, Fell };

    explicit TempoTrainer(int startBpm, int stepBpm = DefaultStepBpm,
                          double spreadBoundMs = DefaultSpreadMs);

    // Whether a pass with this share of right notes and this spread is clean.
    static bool isClean(double rightShare, std::optional<double> spreadMs,
                        double spreadBoundMs = DefaultSpreadMs)
    {
        return rightShare >= RiseShare && spreadMs && *spreadMs < spreadBoundMs;
    }
    // A pass played at bpm(): its share of right notes (0..1) and its spread (ms).
    Change passDone(double rightShare, std::optional<double> spreadMs);

    int bpm() const { return m_bpm; }
    int slowestBpm() const { return m_slowest; }
    // The fastest tempo of a clean pass so far.
    std::optional<int> bestCleanBpm() const { return m_best; }

private:
    int m_bpm;
    int m_step;
    double m_spreadBound;
    int m_slowest;
    std::optional<int> m_best;
};
