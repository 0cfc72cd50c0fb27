// SPDX-License-Identifier: GPL-3.0-or-later
// The timing of notes played in time: each finger's rushing or dragging and its spread,
// with the click and without, how even the intervals were, and the best clean tempo of
// each figure.
#include "history/Statistics.h"

#include "history/StatisticsParts.h"

#include <numeric>

namespace StatisticsParts {

namespace {

double mean(const std::vector<double> &v)
{
    return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
}

std::optional<double> deviation(const std::vector<double> &v)
{
    if (v.size() < 2)
        return std::nullopt;
    const double m = mean(v);
    double sum = 0;
    for (double x : v)
        sum += (x - m) * (x - m);
    return std::sqrt(sum / double(v.size() - 1));
}

Result::Timing timingOf(const TimingSum::Notes &notes)
{
    Result::Timing t;
    t.notes = int(notes.clicked.size() + notes.silent.size());
    t.right = notes.right;
    if (int(notes.clicked.size()) >= MinSamples) {
        t.meanMs = mean(notes.clicked);
        t.spreadMs = deviation(notes.clicked);
    }
    if (int(notes.velocities.size()) >= MinSamples && mean(notes.velocities) > 0)
        t.touchVariation = *deviation(notes.velocities) / mean(notes.velocities) * 100;
    t.silentNotes = int(notes.silent.size());
    if (int(notes.silent.size()) >= MinSamples)
        t.silentMeanMs = mean(notes.silent);
    std::optional<double> least;
    int tempi = 0;
    for (const auto &[bpm, at] : notes.byBpm) {
        const std::optional<double> spread =
            int(at.size()) >= MinSamples ? deviation(at) : std::nullopt;
        if (!spread)
            continue;
        ++tempi;
        if (!least || *spread < *least) {
            least = spread;
            t.steadiestBpm = bpm;
        }
    }
    if (tempi < 2)
        t.steadiestBpm.reset();
    return t;
}

} // namespace

void TimingSum::add(const HistoryData &exercise, const QDateTime &when)
{
    if (exercise.sessions.isEmpty())
        return;
    const HistoryData::Session &session = exercise.sessions.first();
    if (pointWhen && *pointWhen != when)
        closePoint();
    pointWhen = when;
    const int bpm = session.rhythm ? session.rhythm->bpm : 0;
    if (session.rhythm) {
        Result::Tempo &tempo = tempi[session.rhythm->figure];
        tempo.figure = session.rhythm->figure;
        ++tempo.exercises;
        if (session.rhythm->clean.value_or(false))
            tempo.bestCleanBpm = std::max(tempo.bestCleanBpm.value_or(0), bpm);
    }
    // The previous note struck of each hand: its number, time and time on the grid.
    struct Last {
        int task = -1;
        double atMs = 0, gridMs = 0;
    };
    PerHand<Last> last;
    for (const HistoryData::Strike &s : exercise.strikes) {
        if (!s.deviationMs || !isHand(s.hand))
            continue;
        const auto note = [&](Notes &notes) {
            (s.silent ? notes.silent : notes.clicked).push_back(*s.deviationMs);
            notes.right += s.correct;
            if (s.velocity)
                notes.velocities.push_back(*s.velocity);
            if (bpm > 0 && !s.silent)
                notes.byBpm[bpm].push_back(*s.deviationMs);
        };
        if (s.expected >= 1 && s.expected <= 5)
            note(fingers[s.hand][s.expected - 1]);
        note(hands[s.hand]);
        note(both);
        // Only neighbours on the grid make an interval: a note missed between two breaks it.
        Last &before = last[s.hand];
        if (s.atMs && s.gridMs) {
            if (before.task == s.task - 1 && *s.gridMs > before.gridMs) {
                const double ratio = (*s.atMs - before.atMs) / (*s.gridMs - before.gridMs);
                ratios[s.hand].push_back(ratio);
                pointRatios[s.hand].push_back(ratio);
            }
            before = {s.task, *s.atMs, *s.gridMs};
        }
    }
}

void TimingSum::closePoint()
{
    for (Hand h : BothHands) {
        if (const auto spread =
                int(pointRatios[h].size()) >= MinSamples ? deviation(pointRatios[h]) : std::nullopt;
            spread && pointWhen)
            points[h] << Result::EvennessPoint{*pointWhen, *spread * 100};
        pointRatios[h].clear();
    }
    pointWhen.reset();
}

void TimingSum::finish(Result &result)
{
    closePoint();
    for (Hand h : BothHands) {
        Result::HandTiming &hand = result.timing[handIndex(h)];
        for (int f = 0; f < 5; ++f)
            hand.fingers[f] = timingOf(fingers[h][f]);
        hand.all = timingOf(hands[h]);
        if (int(ratios[h].size()) >= MinSamples)
            hand.evenness = *deviation(ratios[h]) * 100;
        hand.evennessOverTime = points[h];
    }
    result.timedAll = timingOf(both);
    result.timedNotes = result.timedAll.notes;
    for (const auto &[figure, tempo] : tempi)
        result.tempi << tempo;
}

} // namespace StatisticsParts
