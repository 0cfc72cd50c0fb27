// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/TimingFigures.h"

#include "rhythm/RhythmJudge.h"

#include <cmath>
#include <vector>

namespace {

struct Spread {
    double mean = 0;
    double deviation = 0;
};

Spread spreadOf(const std::vector<double> &values)
{
    Spread s;
    for (double v : values)
        s.mean += v;
    s.mean /= double(values.size());
    for (double v : values)
        s.deviation += (v - s.mean) * (v - s.mean);
    s.deviation = std::sqrt(s.deviation / double(values.size()));
    return s;
}

std::optional<double> variationOf(const std::vector<double> &values)
{
    if (values.size() < 2)
        return std::nullopt;
    const Spread s = spreadOf(values);
    if (s.mean <= 0)
        return std::nullopt;
    return s.deviation / s.mean;
}

// A group's counts with the values its figures are made of.
struct Gathering {
    TimingFigures::Group *group = nullptr;
    std::vector<double> deviations, intervals, velocities;

    void finish() const
    {
        TimingFigures::Group &g = *group;
        if (g.notes > 0)
            g.rightShare = double(g.right) / g.notes;
        if (!deviations.empty())
            g.meanDeviationMs = spreadOf(deviations).mean;
        if (deviations.size() >= 2)
            g.spreadMs = spreadOf(deviations).deviation;
        g.intervalVariation = variationOf(intervals);
        g.velocityVariation = variationOf(velocities);
    }
};

} // namespace

TimingFigures::TimingFigures(const RhythmJudge &judge, qint64 fromNs, qint64 untilNs)
{
    Gathering both{&m_both, {}, {}, {}};
    for (Hand hand : BothHands) {
        HandFigures &figures = m_hands[handIndex(hand)];
        Gathering all{&figures.all, {}, {}, {}};
        Gathering clicked{&figures.clicked, {}, {}, {}};
        Gathering silent{&figures.silent, {}, {}, {}};
        std::array<Gathering, 5> fingers;
        for (int f = 0; f < 5; ++f)
            fingers[f].group = &figures.fingers[f];

        const QList<RhythmGrid::Note> &notes = judge.grid().notes(hand);
        const QList<RhythmJudge::NoteResult> &results = judge.results(hand);
        for (qsizetype i = 0; i < notes.size(); ++i) {
            const RhythmGrid::Note &note = notes[i];
            const RhythmJudge::NoteResult &r = results[i];
            if (note.timeNs < fromNs || note.timeNs >= untilNs ||
                r.state == RhythmJudge::State::Open)
                continue;
            const bool matched = r.state == RhythmJudge::State::Matched;
            const bool afterMatched = i > 0 && results[i - 1].state == RhythmJudge::State::Matched;
            for (Gathering *g :
                 {&all, &fingers[note.finger - 1], note.silent ? &silent : &clicked, &both}) {
                ++g->group->notes;
                g->group->missed += matched ? 0 : 1;
                g->group->right += r.right ? 1 : 0;
                if (!matched)
                    continue;
                g->deviations.push_back(r.deviationMs);
                if (r.velocity >= 0)
                    g->velocities.push_back(r.velocity);
                if (afterMatched)
                    g->intervals.push_back(double(r.strikeNs - results[i - 1].strikeNs) /
                                           double(note.timeNs - notes[i - 1].timeNs));
            }
        }
        for (const RhythmJudge::Extra &extra : judge.extras(hand)) {
            if (extra.timeNs < fromNs || extra.timeNs >= untilNs)
                continue;
            ++figures.all.extras;
            ++(extra.silent ? figures.silent : figures.clicked).extras;
            if (extra.finger >= 1 && extra.finger <= 5)
                ++figures.fingers[extra.finger - 1].extras;
            ++m_both.extras;
        }
        for (const Gathering &g : {all, clicked, silent})
            g.finish();
        for (const Gathering &g : fingers)
            g.finish();
    }
    both.finish();
}
