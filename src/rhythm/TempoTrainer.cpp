// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/TempoTrainer.h"

#include "rhythm/RhythmGrid.h"

#include <algorithm>

TempoTrainer::TempoTrainer(int startBpm, int stepBpm, double spreadBoundMs)
    : m_bpm(std::clamp(startBpm, RhythmGrid::SlowestBpm, RhythmGrid::FastestBpm)),
      m_step(std::max(stepBpm, 1)), m_spreadBound(spreadBoundMs),
      m_slowest(std::max(m_bpm - MostDropBpm, RhythmGrid::SlowestBpm))
{}

TempoTrainer::Change TempoTrainer::passDone(double rightShare, std::optional<double> spreadMs)
{
    const int was = m_bpm;
    if (isClean(rightShare, spreadMs, m_spreadBound)) {
        m_best = std::max(m_best.value_or(m_bpm), m_bpm);
        m_bpm = std::min(m_bpm + m_step, RhythmGrid::FastestBpm);
    } else if (rightShare < FallShare) {
        m_bpm = std::max(m_bpm - m_step, m_slowest);
    }
    return m_bpm > was ? Change::Rose : m_bpm < was ? Change::Fell : Change::Stayed;
}
