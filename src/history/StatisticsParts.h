// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/Statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

// What the statistics' files share: the measures of one exercise (Statistics.cpp), the
// builder that gathers them exercise by exercise (StatisticsBuilder.cpp), and the findings
// it asks for at the end (StatisticsFindings.cpp). Not for use outside them.
namespace StatisticsParts {

using Result = StatisticsResult;

// Fewer samples than this make no figure.
constexpr int MinSamples = 3;

// The quantiles `qs` (ascending, 0..1) of `v`, interpolated between neighbours as on a
// sorted list; `v` is reordered. Selection instead of a sort: a finger may have a hundred
// thousand reactions.
template <std::size_t N>
std::array<double, N> quantiles(std::vector<double> &v, const std::array<double, N> &qs)
{
    std::array<double, N> out{};
    auto from = v.begin();
    for (std::size_t i = 0; i < N; ++i) {
        const double at = qs[i] * double(v.size() - 1);
        const auto low = v.begin() + std::ptrdiff_t(std::floor(at));
        if (low >= from)
            std::nth_element(from, low, v.end());
        from = low;
        const double next = low + 1 < v.end() ? *std::min_element(low + 1, v.end()) : *low;
        out[i] = *low + (next - *low) * (at - std::floor(at));
    }
    return out;
}

std::optional<double> median(std::vector<double> &v);

// What is kept for each hand, looked up by the hand.
template <typename T> struct PerHand {
    std::array<T, 2> of{};
    T &operator[](Hand h) { return of[handIndex(h)]; }
    const T &operator[](Hand h) const { return of[handIndex(h)]; }
};

inline Hand otherHand(Hand h)
{
    return h == Hand::Left ? Hand::Right : Hand::Left;
}

// The strikes of one task of one hand, in the order they came.
struct TaskStrikes {
    bool present = false;
    int expected = 0;
    bool memorize = false;
    std::optional<double> shownMs;
    std::optional<double> firstStrikeMs;
    // The reaction to the task: its first right strike, when not made before the task.
    std::optional<double> reactionMs;
};

// A hand's tasks by number; an exercise numbers them from 1 without gaps.
struct TaskList {
    std::vector<TaskStrikes> byNumber;
    TaskStrikes &operator[](int number)
    {
        const auto at = std::size_t(std::max(number, 0));
        if (at >= byNumber.size())
            byNumber.resize(at + 1);
        byNumber[at].present = true;
        return byNumber[at];
    }
};

struct SessionView {
    // Per hand: task number -> its strikes.
    PerHand<TaskList> tasks;
    PerHand<QList<double>> strikeTimes;
    PerHand<int> strikes;
    PerHand<int> right;
};

// One exercise's tasks with the strikes that answered them.
SessionView viewOf(const HistoryData &exercise);

// The coupling's counts, summed over exercises.
struct CouplingSum {
    // The chance level: the same count with one hand's times moved against the other's by
    // a second or two, far more than any one reaction, averaged over many shifts: 700 ms
    // to 3000 ms in steps of 100, either way.
    static constexpr int ShiftStep = 100, FirstShift = 7, LastShift = 30;
    static constexpr int Shifts = 2 * (LastShift - FirstShift + 1);
    double observed = 0, chance = 0, possible = 0;

    // One exercise's strike times of the left and the right hand (ms).
    void add(QList<double> l, QList<double> r);
    std::optional<double> value() const;
};

// The timing of the exercises played in time, summed over exercises.
struct TimingSum {
    // Deviations of notes in bars with the click and in silent bars.
    struct Notes {
        std::vector<double> clicked, silent, velocities;
        int right = 0;
        std::map<int, std::vector<double>> byBpm;
    };
    PerHand<std::array<Notes, 5>> fingers;
    PerHand<Notes> hands;
    Notes both;
    // The intervals between consecutive notes against the grid's, of the whole and of the
    // progress point being gathered.
    PerHand<std::vector<double>> ratios, pointRatios;
    PerHand<QList<Result::EvennessPoint>> points;
    std::optional<QDateTime> pointWhen;
    std::map<QString, Result::Tempo> tempi;

    // One exercise; `when` is its progress point (the exercise, or its day).
    void add(const HistoryData &exercise, const QDateTime &when);
    void closePoint();
    void finish(Result &result);
};

// The trend of a hand's progress: a straight line through its points (median against
// time), kept with its middle.
void fitTrend(Result::HandFigures &hand);

// The findings in plain words, added to `result`; `before` holds the period just before
// (empty when there is none), for the comparisons.
void addFindings(Result &result, const Result &before, const HistoryFilter *filter);

} // namespace StatisticsParts
