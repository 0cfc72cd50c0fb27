// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/FingerChooser.h"

#include "adaptive/WeaknessModel.h"
#include "ports/RandomSource.h"

#include <algorithm>
#include <array>
#include <cmath>

QList<double> FingerChooser::chances(const WeaknessModel &model, Hand hand,
                                     const QList<int> &recent)
{
    const int shown = recent.isEmpty() ? 0 : recent.last();
    std::array<bool, 5> candidate{};
    for (int f = 1; f <= 5; ++f) {
        // The finger's count in the window the next task would close.
        const int from = std::max(0, int(recent.size()) - (RecentWindow - 1));
        const int inWindow = int(std::count(recent.begin() + from, recent.end(), f));
        candidate[f - 1] = f != shown && inWindow < MostInWindow;
    }

    QList<double> result(5, 0.0);
    // Placement, for a hand that has hardly played yet: the candidates with the fewest
    // strikes, while any has too few. A hand with some history is judged by it, even if
    // a finger came only once or twice.
    int played = 0;
    for (int f = 1; f <= 5; ++f)
        played += model.strikes(hand, f);
    int fewest = WeaknessModel::PlacementStrikes;
    for (int f = 1; f <= 5 && played < 5 * WeaknessModel::PlacementStrikes; ++f) {
        if (candidate[f - 1])
            fewest = std::min(fewest, model.strikes(hand, f));
    }
    if (fewest < WeaknessModel::PlacementStrikes) {
        int n = 0;
        for (int f = 1; f <= 5; ++f)
            n += candidate[f - 1] && model.strikes(hand, f) == fewest;
        for (int f = 1; f <= 5; ++f) {
            if (candidate[f - 1] && model.strikes(hand, f) == fewest)
                result[f - 1] = 1.0 / n;
        }
        return result;
    }

    std::array<double, 5> weakness{};
    double mean = 0;
    int n = 0;
    for (int f = 1; f <= 5; ++f) {
        weakness[f - 1] = model.weakness(hand, f).value_or(WeaknessModel::WrongCostMs);
        if (candidate[f - 1]) {
            mean += weakness[f - 1];
            ++n;
        }
    }
    if (n == 0)
        return result;
    mean /= n;

    // Transitions from the shown finger, against their mean.
    std::array<std::optional<double>, 5> step{};
    double stepMean = 0;
    int steps = 0;
    for (int f = 1; f <= 5; ++f) {
        if (candidate[f - 1] && (step[f - 1] = model.transitionMs(hand, shown, f))) {
            stepMean += *step[f - 1];
            ++steps;
        }
    }
    if (steps > 0)
        stepMean /= steps;

    std::array<double, 5> weight{};
    double total = 0;
    for (int f = 1; f <= 5; ++f) {
        if (!candidate[f - 1])
            continue;
        double w = mean > 0 ? std::pow(weakness[f - 1] / mean, Emphasis) : 1.0;
        if (steps > 1 && step[f - 1] && stepMean > 0)
            w *= std::clamp(*step[f - 1] / stepMean, 1 / TransitionMost, TransitionMost);
        weight[f - 1] = w;
        total += w;
    }
    const double rest = 1.0 - Floor * n;
    for (int f = 1; f <= 5; ++f) {
        if (candidate[f - 1])
            result[f - 1] = Floor + rest * (total > 0 ? weight[f - 1] / total : 1.0 / n);
    }
    return result;
}

void FingerChooser::reset()
{
    m_promised = {};
    m_given = {};
    m_recent.clear();
}

int FingerChooser::choose(const WeaknessModel &model, Hand hand, RandomSource &random)
{
    const QList<double> p = chances(model, hand, m_recent);
    std::array<double, 5> lean{};
    double total = 0;
    for (int f = 0; f < 5; ++f) {
        if (p[f] <= 0)
            continue;
        // One task behind its promise doubles a finger's chance; one ahead all but
        // stops it for now.
        lean[f] = p[f] * std::max(0.05, 1.0 + m_promised[f] - m_given[f]);
        total += lean[f];
    }
    double r = random.next() * total;
    int chosen = 0;
    for (int f = 0; f < 5; ++f) {
        if (lean[f] <= 0)
            continue;
        chosen = f + 1;
        if (r < lean[f])
            break;
        r -= lean[f];
    }
    if (chosen == 0)
        return 0;
    for (int f = 0; f < 5; ++f)
        m_promised[f] += p[f];
    ++m_given[chosen - 1];
    m_recent << chosen;
    if (m_recent.size() > RecentWindow)
        m_recent.removeFirst();
    return chosen;
}
