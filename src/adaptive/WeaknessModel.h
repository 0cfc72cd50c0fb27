// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

struct HistoryData;

// How weak each finger of each hand is, from the player's strikes. Every finger keeps a
// smoothed reaction time (of its right strikes) and a smoothed share of wrong strikes.
// Both are weighted means in which each strike of the finger weighs a little less than
// the one after it: the finger's last 20 strikes together weigh as much as all before
// them.
//
// The weakness is what a strike of the finger costs on average: a right strike its
// reaction time, a wrong one WrongCostMs, slower than any right strike counts. So a
// wrong strike, however quick, never makes a finger look stronger, and striking keys at
// random (mostly wrong) makes it look weaker.
class WeaknessModel {
public:
    static constexpr int HalfLifeStrikes = 20;
    static constexpr double WrongCostMs = 2000;
    // While a hand has fewer than five times this many strikes, its fingers with fewer
    // than this are still being placed.
    static constexpr int PlacementStrikes = 3;
    // Transitions with fewer strikes than this say nothing yet.
    static constexpr int TransitionSamples = 3;

    // One strike on a task of the hand that asked for `expected`;
    // `previous` is the finger the task before it asked for (0: none). A strike without
    // a reaction time (made before its task showed) is not counted.
    void observe(Hand hand, int previous, int expected, bool right,
                 std::optional<double> reactionMs);

    int strikes(Hand hand, int finger) const { return at(hand, finger).strikes; }
    std::optional<double> smoothedTimeMs(Hand hand, int finger) const;
    double errorRate(Hand hand, int finger) const;
    // None for a finger without strikes.
    std::optional<double> weakness(Hand hand, int finger) const;
    // The smoothed reaction time of a right strike on `to` right after a task of `from`.
    std::optional<double> transitionMs(Hand hand, int from, int to) const;

    // The model of every strike of the history, in the order they were made. Strikes of
    // notes being memorized are not reactions and do not count.
    static WeaknessModel fromHistory(const HistoryData &data);
    // Adds the strikes of more history, later than what the model has seen.
    void addHistory(const HistoryData &data);

    // The model as bytes, exactly, to be kept and read back; none from bytes of another
    // version or damaged ones.
    QByteArray save() const;
    static std::optional<WeaknessModel> restore(const QByteArray &bytes);

private:
    struct Mean {
        double sum = 0;
        double weight = 0;
        void add(double value);
        std::optional<double> value() const;
    };
    struct Finger {
        Mean time;
        Mean error;
        int strikes = 0;
    };
    struct Transition {
        Mean time;
        int count = 0;
    };
    const Finger &at(Hand hand, int finger) const;
    static bool valid(Hand hand, int finger);

    std::array<std::array<Finger, 5>, 2> m_fingers{};
    std::array<std::array<std::array<Transition, 5>, 5>, 2> m_transitions{};
};
