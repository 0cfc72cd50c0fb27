// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/RhythmJudge.h"

#include "settings/Int16.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qint64 MsNs = 1'000'000;

qint16 pointsFor(bool rightFinger, qint64 offNs, qint64 inTimeNs)
{
    const qint64 off = std::abs(offNs);
    if (!rightFinger)
        return 0;
    if (off > inTimeNs)
        return 1;
    if (3 * off <= inTimeNs)
        return RhythmJudge::PointsPerNote;
    return 3 * off <= 2 * inTimeNs ? 4 : 3;
}

} // namespace

RhythmJudge::RhythmJudge(const RhythmGrid &grid) : m_grid(grid)
{
    for (Hand hand : BothHands) {
        const auto h = handIndex(hand);
        m_results[h].resize(m_grid.notes(hand).size());
        const qint64 interval = m_grid.noteIntervalNs(hand);
        m_window[h] = std::min(interval / 2, MatchCapMs * MsNs);
        m_inTime[h] = std::min(interval / 3, InTimeMs * MsNs);
    }
}

bool RhythmJudge::open(Hand hand, qsizetype note) const
{
    return note >= 0 && note < results(hand).size() && results(hand)[note].state == State::Open;
}

RhythmJudge::Verdict RhythmJudge::strike(const FingerStrike &strike)
{
    const auto h = handIndex(strike.hand);
    const qint64 t = strike.timeNs;
    m_strikes[h] << t;
    const QList<RhythmGrid::Note> &notes = m_grid.notes(strike.hand);
    const auto after = std::lower_bound(
        notes.begin(), notes.end(), t,
        [](const RhythmGrid::Note &note, qint64 time) { return note.timeNs < time; });
    // Windows are at most half an interval wide, so only the notes either side can hold t.
    const qsizetype at = after - notes.begin();
    qsizetype best = -1;
    qint64 nearest = 0;
    for (qsizetype i : {at - 1, at}) {
        if (!open(strike.hand, i))
            continue;
        const qint64 distance = std::abs(t - notes[i].timeNs);
        if (distance <= m_window[h] && (best < 0 || distance < nearest)) {
            best = i;
            nearest = distance;
        }
    }

    Verdict verdict;
    if (best < 0) {
        m_extras[h] << Extra{strike.finger, t, strike.velocity, m_grid.silentBar(m_grid.barAt(t))};
        return verdict;
    }
    const RhythmGrid::Note &note = notes[best];
    const qint64 off = t - note.timeNs;
    NoteResult &result = m_results[h][best];
    result.state = State::Matched;
    result.struck = strike.finger;
    result.strikeNs = t;
    result.deviationMs = double(off) / MsNs;
    result.velocity = strike.velocity;
    result.right = strike.finger == note.finger && std::abs(off) <= m_inTime[h];
    result.points = pointsFor(strike.finger == note.finger, off, m_inTime[h]);
    m_points[h] = Int16::add(m_points[h], result.points);

    verdict.note = int(best);
    verdict.right = result.right;
    verdict.deviationMs = result.deviationMs;
    verdict.points = result.points;
    return verdict;
}

QList<RhythmJudge::NoteRef> RhythmJudge::closeUntil(qint64 timeNs)
{
    QList<NoteRef> missed;
    for (Hand hand : BothHands) {
        const auto h = handIndex(hand);
        const QList<RhythmGrid::Note> &notes = m_grid.notes(hand);
        qsizetype &closed = m_closed[h];
        for (; closed < notes.size() && notes[closed].timeNs + m_window[h] < timeNs; ++closed) {
            if (m_results[h][closed].state == State::Open) {
                m_results[h][closed].state = State::Missed;
                missed << NoteRef{hand, int(closed)};
            }
        }
    }
    return missed;
}

QList<int> RhythmJudge::ahead(Hand hand, qint64 nowNs, int count) const
{
    QList<int> coming;
    const auto h = handIndex(hand);
    const QList<RhythmGrid::Note> &notes = m_grid.notes(hand);
    for (qsizetype i = m_closed[h]; i < notes.size() && coming.size() < count; ++i) {
        if (open(hand, i) && notes[i].timeNs + m_window[h] >= nowNs)
            coming << int(i);
    }
    return coming;
}

bool RhythmJudge::finished() const
{
    for (Hand hand : BothHands) {
        const QList<NoteResult> &all = results(hand);
        if (std::any_of(all.begin() + m_closed[handIndex(hand)], all.end(),
                        [](const NoteResult &r) { return r.state == State::Open; }))
            return false;
    }
    return true;
}
