// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/PolyrhythmPull.h"

#include "rhythm/RhythmGrid.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The index of the time in `sorted` (not empty) nearest to t, the earlier of two as near.
qsizetype nearestOf(const QList<qint64> &sorted, qint64 t)
{
    const qsizetype after = std::lower_bound(sorted.begin(), sorted.end(), t) - sorted.begin();
    if (after == sorted.size())
        return after - 1;
    if (after == 0)
        return 0;
    return t - sorted[after - 1] <= sorted[after] - t ? after - 1 : after;
}

qint64 distanceToNearest(const QList<qint64> &sorted, qint64 t)
{
    return std::abs(t - sorted[nearestOf(sorted, t)]);
}

QList<qint64> timesOf(const QList<RhythmGrid::Note> &notes)
{
    QList<qint64> times;
    times.reserve(notes.size());
    for (const RhythmGrid::Note &note : notes)
        times << note.timeNs;
    return times;
}

} // namespace

PolyrhythmPull::PolyrhythmPull(const RhythmGrid &grid, Hand pulled)
    : m_own(timesOf(grid.notes(pulled))), m_beatNs(grid.beatNs())
{
    // Both grids are exact, so a shared time is the same nanosecond in both.
    const QList<qint64> theirs =
        timesOf(grid.notes(pulled == Hand::Left ? Hand::Right : Hand::Left));
    for (qint64 t : std::as_const(m_own))
        m_ownShared << std::binary_search(theirs.begin(), theirs.end(), t);
    for (qint64 t : theirs) {
        if (!std::binary_search(m_own.begin(), m_own.end(), t))
            m_other << t;
    }
}

void PolyrhythmPull::add(qint64 strikeNs)
{
    if (m_own.isEmpty() || m_other.isEmpty())
        return;
    const qsizetype own = nearestOf(m_own, strikeNs);
    if (m_ownShared[own])
        return;
    const qint64 fromOwn = std::abs(strikeNs - m_own[own]);
    ++m_counted;
    m_pulled += distanceToNearest(m_other, strikeNs) < fromOwn ? 1 : 0;
    int met = 0;
    for (int k = 0; k < Shifts; ++k) {
        const qint64 shift = m_beatNs * (2 * k + 1 - Shifts) / (2 * Shifts);
        met += distanceToNearest(m_other, strikeNs + shift) < fromOwn ? 1 : 0;
    }
    m_chance += double(met) / Shifts;
}

void PolyrhythmPull::add(const QList<qint64> &strikesNs)
{
    for (qint64 t : strikesNs)
        add(t);
}

std::optional<double> PolyrhythmPull::value() const
{
    if (m_counted < MinStrikes || m_counted - m_chance <= 0)
        return std::nullopt;
    return std::clamp(100.0 * (m_pulled - m_chance) / (m_counted - m_chance), 0.0, 100.0);
}
