// SPDX-License-Identifier: GPL-3.0-or-later
// The figures gathered one exercise at a time: each finger's reactions, mistakes and
// touch, the transitions, the progress points and the two-hand cost.
#include "drill/ExerciseKind.h"
#include "history/Statistics.h"

#include "history/StatisticsParts.h"

#include <QMap>
#include <QTimeZone>

using namespace StatisticsParts;

namespace {

// A day's worth of exercises is one progress point once there are more than this many.
constexpr int MostPointsPerExercise = 30;

} // namespace

struct StatisticsBuilder::State {
    bool byDay = false;
    int exercises = 0;
    bool empty = true;
    PerHand<Result::HandFigures> hands;
    // Per hand and finger (index 0 = thumb).
    PerHand<std::array<std::vector<double>, 5>> reactions, velocities;
    PerHand<QMap<QPair<int, int>, std::vector<double>>> transitions;
    // The progress point being gathered: one exercise, or one day's.
    struct Point {
        QDateTime when;
        PerHand<std::vector<double>> reactions;
        PerHand<int> strikes, right;
    };
    std::optional<Point> point;
    // Reactions with the other hand busy or idle, and in exercises of two hands or one.
    PerHand<std::vector<double>> busy, idle, solo, together;
    CouplingSum coupling;
    TimingSum timing;

    // The progress point an exercise belongs to: itself, or its day.
    QDateTime pointOf(const HistoryData::Session &session) const
    {
        return byDay ? QDateTime(session.started.date(), QTime(12, 0), session.started.timeZone())
                     : session.started;
    }
    void addFingers(const HistoryData &exercise, const SessionView &view);
    void addTransitions(const QString &kind, const SessionView &view);
    void addProgress(const HistoryData::Session &session, const SessionView &view);
    void closePoint();
    void addTwoHandCost(const SessionView &view);
    Result finish();
};

void StatisticsBuilder::State::addFingers(const HistoryData &exercise, const SessionView &view)
{
    for (Hand h : BothHands) {
        for (const TaskStrikes &task : view.tasks[h].byNumber) {
            if (task.present && !task.memorize && task.reactionMs && task.expected >= 1 &&
                task.expected <= 5)
                reactions[h][task.expected - 1].push_back(*task.reactionMs);
        }
    }
    // Played in time, a right finger may be judged wrong for its timing: only a wrong
    // finger counts as one here.
    const bool inTime =
        !exercise.sessions.isEmpty() && ExerciseKinds::playedInTime(exercise.sessions.first().kind);
    for (const HistoryData::Strike &s : exercise.strikes) {
        // Touch belongs to the finger that struck, whatever the task asked.
        if (s.velocity && isHand(s.hand) && s.struck >= 1 && s.struck <= 5)
            velocities[s.hand][s.struck - 1].push_back(*s.velocity);
        if (s.memorize || !isHand(s.hand) || s.expected < 1 || s.expected > 5)
            continue;
        Result::Finger &finger = hands[s.hand].fingers[s.expected - 1];
        ++finger.strikes;
        if (inTime ? s.struck != s.expected : !s.correct)
            ++finger.wrong;
        if (s.struck >= 1 && s.struck <= 5)
            ++hands[s.hand].confusion[s.expected - 1][s.struck - 1];
    }
}

void StatisticsBuilder::State::addTransitions(const QString &kind, const SessionView &view)
{
    const std::optional<ExerciseKind> known = ExerciseKinds::fromId(kind);
    if (!known || !ExerciseKinds::followsSequences(*known))
        return;
    for (Hand h : BothHands) {
        const TaskStrikes *before = nullptr;
        for (const TaskStrikes &task : view.tasks[h].byNumber) {
            if (!task.present)
                continue;
            if (before && !before->memorize && !task.memorize && task.reactionMs &&
                before->expected >= 1 && task.expected >= 1 && task.expected <= 5)
                transitions[h][{before->expected, task.expected}].push_back(*task.reactionMs);
            before = &task;
        }
    }
}

void StatisticsBuilder::State::addProgress(const HistoryData::Session &session,
                                           const SessionView &view)
{
    // Points in the order of the exercises; a day's exercises share one point.
    const QDateTime when = pointOf(session);
    if (point && point->when != when)
        closePoint();
    if (!point)
        point = Point{when, {}, {}, {}};
    for (Hand h : BothHands) {
        for (const TaskStrikes &task : view.tasks[h].byNumber) {
            if (task.present && !task.memorize && task.reactionMs)
                point->reactions[h].push_back(*task.reactionMs);
        }
        point->strikes[h] += view.strikes[h];
        point->right[h] += view.right[h];
    }
}

void StatisticsBuilder::State::closePoint()
{
    if (!point)
        return;
    for (Hand h : BothHands) {
        if (point->strikes[h] == 0)
            continue;
        hands[h].progress << Result::Point{point->when, median(point->reactions[h]),
                                           double(point->right[h]) / point->strikes[h],
                                           point->strikes[h]};
    }
    point.reset();
}

void StatisticsBuilder::State::addTwoHandCost(const SessionView &view)
{
    const auto played = [](const TaskList &tasks) {
        return std::any_of(tasks.byNumber.begin(), tasks.byNumber.end(),
                           [](const TaskStrikes &t) { return t.present; });
    };
    for (Hand h : BothHands) {
        const std::vector<TaskStrikes> &other = view.tasks[otherHand(h)].byNumber;
        const std::vector<TaskStrikes> &mine = view.tasks[h].byNumber;
        // An exercise of this hand alone is the measure of what the other hand costs.
        const bool alone = !played(view.tasks[otherHand(h)]);
        // The other hand's latest task shown so far; both hands' tasks come in the order
        // they were shown, so it only moves on.
        std::size_t next = 0;
        const TaskStrikes *latest = nullptr;
        for (std::size_t number = 0; number < mine.size(); ++number) {
            const TaskStrikes &task = mine[number];
            // The first task follows the start tune, not the other hand.
            if (!task.present || number == 1 || task.memorize || !task.shownMs || !task.reactionMs)
                continue;
            (alone ? solo : together)[h].push_back(*task.reactionMs);
            if (alone)
                continue;
            // The other hand is mid-task when its latest task shown before this one was
            // not struck yet.
            for (; next < other.size(); ++next) {
                const TaskStrikes &o = other[next];
                if (!o.present || !o.shownMs)
                    continue;
                if (*o.shownMs > *task.shownMs)
                    break;
                latest = &o;
            }
            const bool otherBusy =
                latest && !latest->memorize &&
                (!latest->firstStrikeMs || *latest->firstStrikeMs > *task.shownMs);
            (otherBusy ? busy : idle)[h].push_back(*task.reactionMs);
        }
    }
}

Result StatisticsBuilder::State::finish()
{
    closePoint();
    Result result;
    result.exercises = exercises;
    result.empty = empty;
    result.hands = hands.of;
    for (Hand h : BothHands) {
        Result::HandFigures &hand = result.hand(h);
        for (int f = 0; f < 5; ++f) {
            Result::Finger &finger = hand.fingers[f];
            // What the finger tables count: strikes played for points, not notes being
            // memorized.
            result.strikes += finger.strikes;
            if (std::vector<double> &touch = velocities[h][f]; int(touch.size()) >= MinSamples) {
                const auto [lower, middle, upper] = quantiles<3>(touch, {0.25, 0.5, 0.75});
                finger.velocityLower = lower;
                finger.velocityMedian = middle;
                finger.velocityUpper = upper;
            }
            std::vector<double> &v = reactions[h][f];
            if (int(v.size()) < MinSamples)
                continue;
            const auto [fastest, slowest] = std::minmax_element(v.begin(), v.end());
            finger.fastest = *fastest;
            finger.slowest = *slowest;
            const auto [lower, middle, upper] = quantiles<3>(v, {0.25, 0.5, 0.75});
            finger.lowerQuartile = lower;
            finger.median = middle;
            finger.upperQuartile = upper;
        }
        for (auto it = transitions[h].begin(); it != transitions[h].end(); ++it) {
            if (int(it.value().size()) < MinSamples)
                continue;
            hand.transitions << Result::Transition{it.key().first, it.key().second,
                                                   int(it.value().size()), *median(it.value())};
        }
        std::vector<double> all;
        for (const std::vector<double> &finger : reactions[h])
            all.insert(all.end(), finger.begin(), finger.end());
        if (int(all.size()) >= MinSamples)
            hand.medianMs = median(all);
        std::sort(hand.transitions.begin(), hand.transitions.end(),
                  [](const auto &a, const auto &b) { return a.medianMs > b.medianMs; });
        hand.progressByDay = byDay;
        fitTrend(hand);
        // Both sides need enough tasks behind them, or a few odd ones make the figure.
        constexpr std::size_t MinTasks = 10;
        if (solo[h].size() >= MinTasks && together[h].size() >= MinTasks) {
            hand.twoHandCost = *median(together[h]) / *median(solo[h]) * 100.0;
            hand.twoHandCostFromOneHand = true;
        } else if (busy[h].size() >= MinTasks && idle[h].size() >= MinTasks) {
            const auto withOther = median(busy[h]);
            const auto alone = median(idle[h]);
            if (withOther && alone && *alone > 0)
                hand.twoHandCost = *withOther / *alone * 100.0;
        }
    }
    result.coupling = coupling.value();
    timing.finish(result);
    return result;
}

StatisticsBuilder::StatisticsBuilder(qsizetype exercises) : d(std::make_unique<State>())
{
    d->byDay = exercises > MostPointsPerExercise;
}

StatisticsBuilder::~StatisticsBuilder() = default;

void StatisticsBuilder::add(const HistoryData &exercise)
{
    if (exercise.sessions.isEmpty())
        return;
    const HistoryData::Session &session = exercise.sessions.first();
    const SessionView view = viewOf(exercise);
    ++d->exercises;
    d->empty = d->empty && exercise.strikes.isEmpty();
    d->addFingers(exercise, view);
    d->addTransitions(session.kind, view);
    d->addProgress(session, view);
    d->addTwoHandCost(view);
    // Hands that play to one beat strike together by design: that is no coupling.
    if (!ExerciseKinds::playedInTime(session.kind))
        d->coupling.add(view.strikeTimes[Hand::Left], view.strikeTimes[Hand::Right]);
    d->timing.add(exercise, d->pointOf(session));
}

StatisticsResult StatisticsBuilder::finish(StatisticsBuilder *previous, const HistoryFilter &filter)
{
    Result result = d->finish();
    if (!result.empty) {
        const Result before = previous ? previous->d->finish() : Result{};
        addFindings(result, before, &filter);
    }
    return result;
}
