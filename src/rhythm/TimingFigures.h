// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QtGlobal>

#include <array>
#include <limits>
#include <optional>

class RhythmJudge;

// What a played exercise (or a stretch of it) says about each hand's timing: per hand, per
// finger of the figure, and apart for the notes in silent and in clicked bars. Numbers
// only; the window and the statistics put them into words.
//
// Only decided notes count (struck or missed); extra strikes go to the finger struck and to
// the bar they fell in. A figure needs enough values to mean something and is empty
// otherwise: a mean one deviation, a spread or a variation two.
class TimingFigures {
public:
    struct Group {
        int notes = 0; // struck or missed
        int right = 0;
        int missed = 0;
        int extras = 0;
        std::optional<double> rightShare; // 0..1 of the notes
        // Of the struck notes: the mean deviation (below 0: rushing, above: dragging) and
        // its spread (the root mean square distance from that mean), in ms.
        std::optional<double> meanDeviationMs;
        std::optional<double> spreadMs;
        // Evenness: the coefficient of variation (0 = perfectly even) of the intervals
        // between the strikes of two neighbouring notes, each divided by the notes' grid
        // interval, so that tempo and notes per beat do not matter. An interval belongs to
        // the note that ends it.
        std::optional<double> intervalVariation;
        // The coefficient of variation of the velocities, where the device gives them.
        std::optional<double> velocityVariation;
    };

    struct HandFigures {
        Group all;
        std::array<Group, 5> fingers; // finger 1 at 0
        Group clicked;
        Group silent;
    };

    // The notes whose grid time lies in [fromNs, untilNs), and the extras struck then.
    explicit TimingFigures(const RhythmJudge &judge,
                           qint64 fromNs = std::numeric_limits<qint64>::min(),
                           qint64 untilNs = std::numeric_limits<qint64>::max());

    const HandFigures &hand(Hand hand) const { return m_hands[handIndex(hand)]; }
    // Both hands together, as the tempo trainer judges a pass.
    const Group &bothHands() const { return m_both; }

private:
    std::array<HandFigures, 2> m_hands;
    Group m_both;
};
