// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/HistoryData.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

// Which part of the history a view shows.
struct HistoryFilter {
    enum class Period { LastExercise, Week, Month, All };
    QString player; // empty: every player
    Period period = Period::All;
    QString kind; // "random", "sequential", "memory", "preschool", "adaptive"; empty: all
};

// What the history says, for the Statistics window and the plain-text report. Reaction
// times are in milliseconds; a figure without enough strikes behind it is empty.
struct StatisticsResult {
    // One finger of one hand: its reaction times (right strikes with a reaction time, on
    // tasks played for points) and how often a strike on its tasks was wrong.
    struct Finger {
        int strikes = 0; // strikes on tasks asking for this finger
        int wrong = 0;
        std::optional<double> median, lowerQuartile, upperQuartile, fastest, slowest;
        // The touch of the strikes this finger made on a MIDI keyboard: the median
        // velocity and its middle half. The narrower the middle half, the more even.
        std::optional<double> velocityMedian, velocityLower, velocityUpper;
        std::optional<double> velocitySpread() const
        {
            return velocityMedian ? std::optional<double>(*velocityUpper - *velocityLower)
                                  : std::nullopt;
        }
        double wrongShare() const { return strikes ? double(wrong) / strikes : 0.0; }
    };
    // From one finger to the next within a sequence: the time of the second strike.
    struct Transition {
        int from = 0;
        int to = 0;
        int count = 0;
        double medianMs = 0;
    };
    // One exercise (or one day, when there are many) of a hand's progress.
    struct Point {
        QDateTime when;
        std::optional<double> medianMs;
        double accuracy = 0; // share of right strikes, 0..1
        int strikes = 0;
    };
    // What one hand's strikes say.
    struct HandFigures {
        std::array<Finger, 5> fingers; // index 0 = thumb (finger 1)
        // confusion[expected - 1][struck - 1]: strikes on tasks asking for `expected`
        // that struck `struck`.
        std::array<std::array<int, 5>, 5> confusion{};
        QList<Transition> transitions;
        QList<Point> progress;
        bool progressByDay = false;
        // Change of the median reaction time per week, from a straight line through the
        // progress points; negative is faster.
        std::optional<double> trendMsPerWeek;
        // The trend line's middle, through which it runs with that slope: the mean time
        // (ms since the epoch) and mean median of the progress points.
        double trendMiddleAtMs = 0;
        double trendMiddleMs = 0;
        // The trend line's reaction time at a moment; empty without a trend.
        std::optional<double> trendMsAt(qint64 epochMs) const
        {
            if (!trendMsPerWeek)
                return std::nullopt;
            return trendMiddleMs +
                   (double(epochMs) - trendMiddleAtMs) * *trendMsPerWeek / (7.0 * 86400000.0);
        }
        // Median reaction on tasks shown while the other hand was mid-task, against
        // tasks shown while it was idle, in percent (100: no cost).
        // Where the history holds exercises of this hand alone, they are the measure
        // instead: its median reaction in two-hand exercises against them.
        std::optional<double> twoHandCost;
        bool twoHandCostFromOneHand = false;
        // The median of every reaction of the hand, all fingers together.
        std::optional<double> medianMs;
    };

    // Notes played in time (the rhythm exercise): how far from their time on the grid the
    // strikes came, in ms, negative early. A figure needs MinSamples notes behind it.
    struct Timing {
        int notes = 0; // notes struck, in every bar
        int right = 0;
        // With the click: rushing (negative) or dragging, and the standard deviation.
        std::optional<double> meanMs;
        std::optional<double> spreadMs;
        // In bars whose click was silent, shown apart.
        int silentNotes = 0;
        std::optional<double> silentMeanMs;
        // The tempo at which the spread with the click was least, when two or more were
        // played.
        std::optional<int> steadiestBpm;
        // On a MIDI keyboard: how much the velocities vary (coefficient of variation, in
        // percent; 0 perfectly even).
        std::optional<double> touchVariation;
        std::optional<double> rightShare() const
        {
            return notes ? std::optional<double>(double(right) / notes) : std::nullopt;
        }
    };
    // How even the intervals between a hand's consecutive notes were: their coefficient of
    // variation against the grid's, in percent (0 perfectly even), for one exercise or day.
    struct EvennessPoint {
        QDateTime when;
        double percent = 0;
    };
    struct HandTiming {
        std::array<Timing, 5> fingers; // index 0 = thumb
        Timing all;
        std::optional<double> evenness;
        QList<EvennessPoint> evennessOverTime;
    };
    // A figure played in time: the fastest tempo of a clean exercise, and how often it was
    // played.
    struct Tempo {
        QString figure;
        std::optional<int> bestCleanBpm;
        int exercises = 0;
    };

    bool empty = true;
    int exercises = 0;
    int strikes = 0; // as the finger tables count them, notes being memorized left out
    std::array<HandFigures, 2> hands; // by handIndex: left, right
    const HandFigures &hand(Hand h) const { return hands[handIndex(h)]; }
    HandFigures &hand(Hand h) { return hands[handIndex(h)]; }
    // 100: the hands strike together no more often than chance; 0: always together.
    std::optional<double> coupling;
    // Of the exercises played in time; empty timing when there were none.
    std::array<HandTiming, 2> timing;
    const HandTiming &timingOf(Hand h) const { return timing[handIndex(h)]; }
    QList<Tempo> tempi; // by figure name
    int timedNotes = 0;
    // Of all notes played in time, both hands: with the click and in silent bars.
    Timing timedAll;
    // The findings in plain words, most important first.
    QStringList findings;
};

// The figures built one exercise at a time, so that a history of any length is read once
// and never held whole.
class StatisticsBuilder {
public:
    // `exercises`: how many will be added (a long history's progress goes by day).
    explicit StatisticsBuilder(qsizetype exercises);
    ~StatisticsBuilder();
    StatisticsBuilder(const StatisticsBuilder &) = delete;
    StatisticsBuilder &operator=(const StatisticsBuilder &) = delete;

    // One exercise: its session, its tasks and its strikes.
    void add(const HistoryData &exercise);
    // The figures and findings; `previous` holds the period just before, for the
    // findings' comparisons (may be null).
    StatisticsResult finish(StatisticsBuilder *previous, const HistoryFilter &filter);

private:
    struct State;
    std::unique_ptr<State> d;
};

// One player's line of a class: how much they practised lately, and the figures of the
// chosen period exactly as their own Statistics show them.
struct ClassRow {
    QString player;
    int exercisesWeek = 0, exercisesMonth = 0; // in the last 7 and 30 days
    double minutesWeek = 0, minutesMonth = 0;
    StatisticsResult figures;
    // Each hand's median reaction against the period before, in percent (below 0: faster);
    // empty without a period before or without a median in either.
    std::array<std::optional<double>, 2> changePercent;
};

namespace Statistics {

// Everything the view shows, from the strikes of the chosen part of the history.
// `previous` is the part just before it (the week before the last week, ...), for the
// findings' comparisons; it may be empty. The filter says what the period was.
StatisticsResult compute(const HistoryData &data, const HistoryData &previous = {},
                         const HistoryFilter &filter = {});

// The exercises of `data` one at a time, each with its own tasks and strikes, in the
// order of data.sessions.
void forEachExercise(const HistoryData &data, const std::function<void(const HistoryData &)> &each);

// The coupling figure of two hands' strike times (ms, one exercise each list), or empty
// when there are too few strikes.
std::optional<double> coupling(const QList<QList<double>> &left, const QList<QList<double>> &right);

// The findings and figures as plain text, for moravel --report.
QString report(const StatisticsResult &result, const HistoryFilter &filter);

} // namespace Statistics
