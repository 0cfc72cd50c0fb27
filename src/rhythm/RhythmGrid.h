// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QList>
#include <QtGlobal>

#include <array>

// The plan of a rhythm exercise: the metronome's clicks and, for each hand, its notes on
// the grid, all on the monotonic clock in nanoseconds.
//
// Every time is computed from its own index as an exact fraction of a minute, rounded once
// to the nanosecond, so a long exercise does not drift and the two hands' grids meet at
// exactly the same nanosecond wherever they coincide (a beat, a bar line).
//
// Bars are numbered from 0 for the first played bar; the count-in bar is -1. The first
// played bar always has its clicks, so the player has the tempo before a silent bar; the
// count-in is never silent. Silent bars keep their clicks in clicks(), marked silent, for
// the window to leave unsounded.
class RhythmGrid {
public:
    static constexpr int SlowestBpm = 40;
    static constexpr int FastestBpm = 208;
    static constexpr int MostNotesPerBeat = 4;
    static constexpr int MostBeatsPerBar = 12;
    // A hand plays at most this many notes (the bars are cut to fit), so that its points
    // (at most RhythmJudge::PointsPerNote a note) stay within 16 bits.
    static constexpr int MostNotesPerHand = 6000;

    enum class Length { Bars, Passes };
    enum class Silence { None, EveryNth, Random };

    struct HandPart {
        int notesPerBeat = 1; // 1..4
        // Fingers 1..5 played in turn, over and over; empty: the hand rests. Anything else
        // in the list is passed over.
        QList<int> figure;
    };

    struct Settings {
        int bpm = 80;
        int beatsPerBar = 4;
        std::array<HandPart, 2> hands; // by handIndex
        // How long: `length` bars, or as many whole bars as the hand that needs longer
        // takes for `length` passes of its figure. Either way both hands play on to the
        // last bar's end, their figures repeating.
        Length lengthIn = Length::Bars;
        int length = 4;
        bool countIn = true;
        // EveryNth: bars silentEvery, 2 * silentEvery, ... (counting from 1; at least 2).
        // Random: each bar after the first is silent with the chance silentShare, drawn
        // from the seed, so the same seed gives the same bars.
        Silence silence = Silence::None;
        int silentEvery = 4;
        double silentShare = 0.25;
        quint32 seed = 1;
        // The first played beat (after the count-in).
        qint64 firstBeatNs = 0;
    };

    struct Click {
        qint64 timeNs = 0;
        int bar = 0;
        int beat = 0; // within the bar, from 0
        bool accent = false;
        bool countIn = false;
        bool silent = false;
    };

    struct Note {
        int index = 0;
        int finger = 0;
        qint64 timeNs = 0;
        int bar = 0;
        bool silent = false;
        int pass = 0; // from 0: the figure's first time through
    };

    // Settings out of range are brought into it.
    explicit RhythmGrid(const Settings &settings);

    const Settings &settings() const { return m_settings; }
    int bpm() const { return m_settings.bpm; }
    int bars() const { return m_bars; }
    bool inPlay(Hand hand) const { return !notes(hand).isEmpty(); }

    const QList<Click> &clicks() const { return m_clicks; }
    const QList<Note> &notes(Hand hand) const { return m_notes[handIndex(hand)]; }

    // The exact time of a beat (negative: the count-in) and of a hand's note by index.
    qint64 beatTimeNs(qint64 beat) const;
    qint64 noteTimeNs(Hand hand, qint64 index) const;
    // Periods to the nearest nanosecond, for windows and shifts, never for adding up.
    qint64 beatNs() const;
    qint64 noteIntervalNs(Hand hand) const;

    // The first click (the count-in's when there is one) and the end of the last bar.
    qint64 startNs() const;
    qint64 endNs() const;

    // The bar a moment falls in (-1 before the first played bar, bars() after the last).
    int barAt(qint64 timeNs) const;
    bool silentBar(int bar) const;

private:
    Settings m_settings;
    int m_bars = 0;
    QList<bool> m_silent;
    QList<Click> m_clicks;
    std::array<QList<Note>, 2> m_notes;
};
