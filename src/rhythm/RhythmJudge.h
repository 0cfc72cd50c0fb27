// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"
#include "rhythm/RhythmGrid.h"

#include <QList>
#include <QtGlobal>

#include <array>

// Judges each hand's strikes against its notes on the grid.
//
// A strike goes to the nearest open note of its hand (open: neither struck nor closed as
// missed) when it lies within that note's match window: half the hand's note interval, at
// most MatchCapMs, either way, the edge included; of two notes equally near, the earlier.
// Anything else is an extra strike, also a second strike near a note already struck.
//
// A note is right when the finger struck is the note's and the strike came within the
// in-time window: InTimeMs either way, narrowed to a third of the note interval where notes
// come closer than 180 ms (at 120 bpm, four notes a beat: 41.7 ms).
//
// Points, a note at a time: a right note scores 5 within a third of the in-time window
// (20 ms), 4 within two thirds (40 ms), 3 within all of it; the right finger outside it
// scores 1; a wrong finger or a missed note 0. A pass played perfectly scores
// PointsPerNote for every note; a hand's sum fits 16 bits (RhythmGrid::MostNotesPerHand).
//
// Strikes must carry their time: the drill gives a strike without one (timeNs -1) the
// moment it handles it.
class RhythmJudge {
public:
    static constexpr int InTimeMs = 60;
    static constexpr int MatchCapMs = 250;
    static constexpr qint16 PointsPerNote = 5;

    enum class State { Open, Matched, Missed };

    struct NoteResult {
        State state = State::Open;
        int struck = 0; // the finger, when matched
        qint64 strikeNs = 0;
        double deviationMs = 0; // negative early, positive late
        bool right = false;
        int velocity = -1; // -1: the device has none
        qint16 points = 0;
    };

    struct Extra {
        int finger = 0;
        qint64 timeNs = 0;
        int velocity = -1;
        bool silent = false; // in a silent bar
    };

    // What a strike did: the note it answered (-1 for an extra strike).
    struct Verdict {
        int note = -1;
        bool right = false;
        double deviationMs = 0;
        qint16 points = 0;
    };

    struct NoteRef {
        Hand hand = Hand::Left;
        int index = 0;
        bool operator==(const NoteRef &) const = default;
    };

    explicit RhythmJudge(const RhythmGrid &grid);

    Verdict strike(const FingerStrike &strike);
    // Every open note whose match window has ended before timeNs is missed; returns them.
    // Call it with a moment a little behind the clock, so that a strike still waiting in
    // the queue is not judged against a note already closed.
    QList<NoteRef> closeUntil(qint64 timeNs);

    // The open notes of a hand whose window has not passed at nowNs, at most `count`: the
    // first is the note to play now, the rest come after it.
    QList<int> ahead(Hand hand, qint64 nowNs, int count) const;

    const RhythmGrid &grid() const { return m_grid; }
    const QList<NoteResult> &results(Hand hand) const { return m_results[handIndex(hand)]; }
    const QList<Extra> &extras(Hand hand) const { return m_extras[handIndex(hand)]; }
    // Every strike of a hand, matched or extra, in the order they came.
    const QList<qint64> &strikeTimes(Hand hand) const { return m_strikes[handIndex(hand)]; }
    qint16 points(Hand hand) const { return m_points[handIndex(hand)]; }
    // No note left open.
    bool finished() const;

    qint64 matchWindowNs(Hand hand) const { return m_window[handIndex(hand)]; }
    qint64 inTimeNs(Hand hand) const { return m_inTime[handIndex(hand)]; }

private:
    bool open(Hand hand, qsizetype note) const;

    RhythmGrid m_grid;
    std::array<QList<NoteResult>, 2> m_results;
    std::array<QList<Extra>, 2> m_extras;
    std::array<QList<qint64>, 2> m_strikes;
    std::array<qint16, 2> m_points{};
    std::array<qint64, 2> m_window{};
    std::array<qint64, 2> m_inTime{};
    // Notes before this one have had their window close.
    std::array<qsizetype, 2> m_closed{};
};
