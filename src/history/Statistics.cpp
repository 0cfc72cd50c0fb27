// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of one exercise and the figures made of them: the quantiles, the tasks
// with the strikes that answered them, the coupling of the hands and a hand's trend.
#include "history/Statistics.h"

#include "history/StatisticsParts.h"

#include <QHash>

using namespace StatisticsParts;

namespace {

// Strikes of the two hands this close count as together.
constexpr double TogetherMs = 50;

} // namespace

namespace StatisticsParts {

std::optional<double> median(std::vector<double> &v)
{
    if (int(v.size()) < MinSamples)
        return std::nullopt;
    return quantiles<1>(v, {0.5})[0];
}

SessionView viewOf(const HistoryData &exercise)
{
    SessionView view;
    for (const HistoryData::Task &t : exercise.tasks) {
        if (!isHand(t.hand))
            continue;
        TaskStrikes &task = view.tasks[t.hand][t.task];
        task.expected = t.expected;
        task.memorize = t.memorize;
        task.shownMs = t.shownMs;
    }
    for (const HistoryData::Strike &s : exercise.strikes) {
        if (!isHand(s.hand))
            continue;
        TaskStrikes &task = view.tasks[s.hand][s.task];
        task.expected = s.expected;
        task.memorize = s.memorize;
        if (!s.memorize) {
            ++view.strikes[s.hand];
            view.right[s.hand] += s.correct ? 1 : 0;
        }
        if (s.atMs) {
            view.strikeTimes[s.hand] << *s.atMs;
            if (!task.firstStrikeMs)
                task.firstStrikeMs = s.atMs;
        }
        if (s.correct && !task.reactionMs && !s.anticipated && s.reactionMs)
            task.reactionMs = s.reactionMs;
    }
    return view;
}

void CouplingSum::add(QList<double> l, QList<double> r)
{
    if (l.isEmpty() || r.isEmpty())
        return;
    std::sort(l.begin(), l.end());
    std::sort(r.begin(), r.end());
    // For each left strike: is there a right strike at most TogetherMs away, as they
    // came and with the right hand's times moved by each shift? Only right strikes
    // within the largest shift can count, and each of them meets at most two shifts.
    const double reach = LastShift * ShiftStep + TogetherMs;
    qsizetype first = 0;
    double shifted = 0;
    for (double t : std::as_const(l)) {
        while (first < r.size() && r[first] < t - reach)
            ++first;
        bool near = false;
        std::array<bool, Shifts> met{};
        for (qsizetype j = first; j < r.size() && r[j] <= t + reach; ++j) {
            const double d = r[j] - t;
            near = near || std::abs(d) <= TogetherMs;
            // Shifts s with |r + s - t| <= TogetherMs: s within TogetherMs of -d.
            const int low = int(std::floor((-d - TogetherMs) / ShiftStep));
            const int high = int(std::ceil((-d + TogetherMs) / ShiftStep));
            for (int k = low; k <= high; ++k) {
                const int size = std::abs(k);
                if (size < FirstShift || size > LastShift)
                    continue;
                const double shift = double(k) * ShiftStep;
                if (std::abs(r[j] + shift - t) <= TogetherMs)
                    met[std::size_t((k > 0 ? 0 : Shifts / 2) + size - FirstShift)] = true;
            }
        }
        observed += near ? 1 : 0;
        shifted += double(std::count(met.begin(), met.end(), true));
    }
    chance += shifted / Shifts;
    possible += double(l.size());
}

std::optional<double> CouplingSum::value() const
{
    if (possible < 20 || possible - chance <= 0)
        return std::nullopt;
    const double excess = (observed - chance) / (possible - chance);
    return std::clamp(100.0 * (1.0 - excess), 0.0, 100.0);
}

void fitTrend(Result::HandFigures &hand)
{
    const QList<Result::Point> &points = hand.progress;
    std::vector<std::pair<double, double>> xy;
    for (const Result::Point &p : points) {
        if (p.medianMs)
            xy.emplace_back(double(p.when.toSecsSinceEpoch()) / 86400.0, *p.medianMs);
    }
    if (int(xy.size()) < MinSamples)
        return;
    // A week's change is not read off a single afternoon.
    const auto [earliest, latest] = std::minmax_element(
        xy.begin(), xy.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    if (latest->first - earliest->first < 3.0)
        return;
    double mx = 0, my = 0;
    for (const auto &[x, y] : xy) {
        mx += x;
        my += y;
    }
    mx /= double(xy.size());
    my /= double(xy.size());
    double sxy = 0, sxx = 0;
    for (const auto &[x, y] : xy) {
        sxy += (x - mx) * (y - my);
        sxx += (x - mx) * (x - mx);
    }
    if (sxx <= 0)
        return;
    hand.trendMsPerWeek = sxy / sxx * 7.0;
    hand.trendMiddleAtMs = mx * 86400000.0;
    hand.trendMiddleMs = my;
}

} // namespace StatisticsParts

namespace Statistics {

std::optional<double> coupling(const QList<QList<double>> &left, const QList<QList<double>> &right)
{
    CouplingSum sum;
    for (qsizetype e = 0; e < std::min(left.size(), right.size()); ++e)
        sum.add(left[e], right[e]);
    return sum.value();
}

void forEachExercise(const HistoryData &data, const std::function<void(const HistoryData &)> &each)
{
    // Tasks and strikes by exercise, keeping their order within it.
    QHash<qint64, qsizetype> index;
    QList<HistoryData> exercises(data.sessions.size());
    for (qsizetype i = 0; i < data.sessions.size(); ++i) {
        index.insert(data.sessions[i].id, i);
        exercises[i].sessions << data.sessions[i];
    }
    for (const HistoryData::Task &t : data.tasks) {
        if (const auto it = index.constFind(t.session); it != index.constEnd())
            exercises[*it].tasks << t;
    }
    for (const HistoryData::Strike &s : data.strikes) {
        if (const auto it = index.constFind(s.session); it != index.constEnd())
            exercises[*it].strikes << s;
    }
    for (const HistoryData &exercise : std::as_const(exercises))
        each(exercise);
}

StatisticsResult compute(const HistoryData &data, const HistoryData &previous,
                         const HistoryFilter &filter)
{
    StatisticsBuilder now(data.sessions.size()), before(previous.sessions.size());
    forEachExercise(data, [&now](const HistoryData &exercise) { now.add(exercise); });
    forEachExercise(previous, [&before](const HistoryData &exercise) { before.add(exercise); });
    return now.finish(&before, filter);
}

} // namespace Statistics
