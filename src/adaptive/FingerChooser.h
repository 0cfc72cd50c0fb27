// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QList>

#include <array>

class RandomSource;
class WeaknessModel;

// Chooses a hand's next finger for the adaptive drill. A finger still being placed (too
// few strikes) comes first. Otherwise the draw is weighted by weakness, so weak fingers
// come more often, but every finger keeps a floor share so the others stay in the mix;
// the task already shown never comes again at once, and no finger may take more than
// three of six tasks in a row (no drilling one pair of keys to and fro). Where the
// history knows how quickly the hand goes from the shown finger to each other one, the
// slower steps are preferred.
class FingerChooser {
public:
    // Each candidate's share: Floor, plus its part of the rest in proportion to its weight.
    static constexpr double Floor = 0.1;
    // The weight is the weakness relative to the mean of the candidates, to this power.
    static constexpr double Emphasis = 3;
    // A finger may take at most this many of the last RecentWindow tasks.
    static constexpr int MostInWindow = 3;
    static constexpr int RecentWindow = 6;
    // How much a slow or quick transition can raise or lower a weight.
    static constexpr double TransitionMost = 1.5;

    // The chances of fingers 1..5 (0 where a finger cannot come), given the fingers of
    // the latest tasks, oldest first; the last is the one shown now.
    static QList<double> chances(const WeaknessModel &model, Hand hand, const QList<int> &recent);

    // A new exercise: nothing given yet.
    void reset();
    // Draws the hand's next finger from those chances. The draw leans towards fingers
    // that have come less often than their chances so far promised, so that even a
    // short exercise gives each finger about its share.
    int choose(const WeaknessModel &model, Hand hand, RandomSource &random);
    const QList<int> &recent() const { return m_recent; }

private:
    std::array<double, 5> m_promised{};
    std::array<int, 5> m_given{};
    QList<int> m_recent;
};
