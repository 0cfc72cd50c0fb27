// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/Statistics.h"

#include "ports/HandNames.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

using Result = StatisticsResult;

// Fewer samples than this make no figure.
constexpr int MinSamples = 3;
// Strikes of the two hands this close count as together.
constexpr double TogetherMs = 50;
// A day's worth of exercises is one progress point once there are more than this many.
constexpr int MostPointsPerExercise = 30;

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

std::optional<double> median(std::vector<double> &v)
{
    if (int(v.size()) < MinSamples)
        return std::nullopt;
    return quantiles<1>(v, {0.5})[0];
}

// The findings speak the player's language where the program has a translation (the
// Statistics window); --report runs without one and stays English.
QString translated(const char *text)
{
    return QCoreApplication::translate("Statistics", text);
}

QString percent(double share)
{
    return QString::number(qRound(share * 100));
}

// What is kept for each hand, looked up by the hand.
template <typename T> struct PerHand {
    std::array<T, 2> of{};
    T &operator[](Hand h) { return of[handIndex(h)]; }
    const T &operator[](Hand h) const { return of[handIndex(h)]; }
};

Hand otherHand(Hand h)
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

// The coupling's counts, summed over exercises.
struct CouplingSum {
    // The chance level: the same count with one hand's times moved against the other's by
    // a second or two, far more than any one reaction, averaged over many shifts: 700 ms
    // to 3000 ms in steps of 100, either way.
    static constexpr int ShiftStep = 100, FirstShift = 7, LastShift = 30;
    static constexpr int Shifts = 2 * (LastShift - FirstShift + 1);
    double observed = 0, chance = 0, possible = 0;

    void add(QList<double> l, QList<double> r)
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
    std::optional<double> value() const
    {
        if (possible < 20 || possible - chance <= 0)
            return std::nullopt;
        const double excess = (observed - chance) / (possible - chance);
        return std::clamp(100.0 * (1.0 - excess), 0.0, 100.0);
    }
};

// The trend of a hand's progress: a straight line through its points (median against
// time), kept with its middle.
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

int takenFor(const Result::HandFigures &hand, int finger)
{
    constexpr int MinConfusions = 3;
    int best = -1, runnerUp = 0;
    for (int s = 0; s < 5; ++s) {
        if (s == finger)
            continue;
        const int count = hand.confusion[finger][s];
        if (best < 0 || count > hand.confusion[finger][best]) {
            runnerUp = best < 0 ? 0 : hand.confusion[finger][best];
            best = s;
        } else {
            runnerUp = std::max(runnerUp, count);
        }
    }
    const int top = best < 0 ? 0 : hand.confusion[finger][best];
    return top >= MinConfusions && top >= 2 * runnerUp ? best : -1;
}

// Whether a finger is wrong often enough, on enough strikes, to be a finding.
bool oftenWrong(const Result::Finger &finger)
{
    return finger.strikes >= 10 && finger.wrongShare() >= 0.1;
}

QString takenForPhrase(int finger)
{
    return QCoreApplication::translate("Statistics", ", most often taken for the %1")
        .arg(HandNames::finger(finger + 1));
}

void addFindings(Result &result, const Result &before, const HistoryFilter *filter)
{
    for (Hand h : BothHands) {
        const Result::HandFigures &hand = result.hand(h);
        int slowest = -1;
        for (int f = 0; f < 5; ++f) {
            if (hand.fingers[f].median &&
                (slowest < 0 || *hand.fingers[f].median > *hand.fingers[slowest].median))
                slowest = f;
        }
        if (slowest >= 0) {
            const Result::Finger &finger = hand.fingers[slowest];
            QString text =
                QCoreApplication::translate("Statistics", "%1: slowest (%2 ms), %3 % wrong")
                    .arg(HandNames::handFinger(h, slowest + 1))
                    .arg(qRound(*finger.median))
                    .arg(percent(finger.wrongShare()));
            // The slowest finger may be the one most often wrong too: its confusion is
            // said here then.
            if (const int s = takenFor(hand, slowest); oftenWrong(finger) && s >= 0)
                text += takenForPhrase(s);
            const auto &was = before.hand(h).fingers[slowest].median;
            if (was && *was > 0 && filter &&
                (filter->period == HistoryFilter::Period::Week ||
                 filter->period == HistoryFilter::Period::Month)) {
                const double change = (*was - *finger.median) / *was * 100.0;
                const bool week = filter->period == HistoryFilter::Period::Week;
                const char *comparison =
                    change >= 0 ? (week ? QT_TRANSLATE_NOOP("Statistics",
                                                            "; %1 % faster than the week before")
                                        : QT_TRANSLATE_NOOP("Statistics",
                                                            "; %1 % faster than the month before"))
                                : (week ? QT_TRANSLATE_NOOP("Statistics",
                                                            "; %1 % slower than the week before")
                                        : QT_TRANSLATE_NOOP("Statistics",
                                                            "; %1 % slower than the month before"));
                text += translated(comparison).arg(qRound(std::abs(change)));
            }
            result.findings << text;
        }
        // The finger whose touch varies most, when the hand played a MIDI keyboard and
        // the fingers differ noticeably (a middle half of 10 or more velocity steps).
        int uneven = -1;
        for (int f = 0; f < 5; ++f) {
            const auto spread = hand.fingers[f].velocitySpread();
            if (spread && *spread >= 10 &&
                (uneven < 0 || *spread > *hand.fingers[uneven].velocitySpread()))
                uneven = f;
        }
        if (uneven >= 0) {
            const Result::Finger &finger = hand.fingers[uneven];
            result.findings << QCoreApplication::translate(
                                   "Statistics", "%1: least even touch (velocity %2 to %3 in the "
                                                 "middle half of its strikes)")
                                   .arg(HandNames::handFinger(h, uneven + 1))
                                   .arg(qRound(*finger.velocityLower))
                                   .arg(qRound(*finger.velocityUpper));
        }
        // The finger most often wrong, and what it was taken for.
        int wrongest = -1;
        for (int f = 0; f < 5; ++f) {
            if (oftenWrong(hand.fingers[f]) &&
                (wrongest < 0 ||
                 hand.fingers[f].wrongShare() > hand.fingers[wrongest].wrongShare()))
                wrongest = f;
        }
        if (wrongest >= 0 && wrongest != slowest) {
            QString text = QCoreApplication::translate("Statistics", "%1: %2 % wrong")
                               .arg(HandNames::handFinger(h, wrongest + 1),
                                    percent(hand.fingers[wrongest].wrongShare()));
            if (const int s = takenFor(hand, wrongest); s >= 0)
                text += takenForPhrase(s);
            result.findings << text;
        }
    }
    if (result.coupling) {
        const int c = qRound(*result.coupling);
        result.findings
            << (c >= 80 ? QCoreApplication::translate(
                              "Statistics", "The hands work independently (coupling %1 of 100)")
                : c >= 50
                    ? QCoreApplication::translate(
                          "Statistics", "The hands sometimes strike together (coupling %1 of 100)")
                    : QCoreApplication::translate(
                          "Statistics", "The hands often strike together (coupling %1 of 100)"))
                   .arg(c);
    }
    for (Hand h : BothHands) {
        const auto &cost = result.hand(h).twoHandCost;
        if (cost && std::abs(*cost - 100) >= 5) {
            const bool alone = result.hand(h).twoHandCostFromOneHand;
            const char *text =
                *cost > 100
                    ? (alone ? QT_TRANSLATE_NOOP("Statistics",
                                                 "%1: %2 % slower with both hands than alone")
                             : QT_TRANSLATE_NOOP("Statistics",
                                                 "%1: %2 % slower while the other hand is busy"))
                    : (alone ? QT_TRANSLATE_NOOP("Statistics",
                                                 "%1: %2 % faster with both hands than alone")
                             : QT_TRANSLATE_NOOP("Statistics",
                                                 "%1: %2 % faster while the other hand is busy"));
            result.findings
                << translated(text).arg(HandNames::hand(h)).arg(qRound(std::abs(*cost - 100)));
        }
        const auto &trend = result.hand(h).trendMsPerWeek;
        if (trend && std::abs(*trend) >= 1) {
            result.findings << (*trend < 0 ? QCoreApplication::translate(
                                                 "Statistics", "%1: %2 ms faster per week")
                                           : QCoreApplication::translate(
                                                 "Statistics", "%1: %2 ms slower per week"))
                                   .arg(HandNames::hand(h))
                                   .arg(qRound(std::abs(*trend)));
        }
    }
}

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
    for (const HistoryData::Strike &s : exercise.strikes) {
        // Touch belongs to the finger that struck, whatever the task asked.
        if (s.velocity && isHand(s.hand) && s.struck >= 1 && s.struck <= 5)
            velocities[s.hand][s.struck - 1].push_back(*s.velocity);
        if (s.memorize || !isHand(s.hand) || s.expected < 1 || s.expected > 5)
            continue;
        Result::Finger &finger = hands[s.hand].fingers[s.expected - 1];
        ++finger.strikes;
        if (!s.correct)
            ++finger.wrong;
        if (s.struck >= 1 && s.struck <= 5)
            ++hands[s.hand].confusion[s.expected - 1][s.struck - 1];
    }
}

void StatisticsBuilder::State::addTransitions(const QString &kind, const SessionView &view)
{
    if (kind != u"sequential" && kind != u"memory")
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
    const QDateTime when =
        byDay ? QDateTime(session.started.date(), QTime(12, 0), session.started.timeZone())
              : session.started;
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
    d->coupling.add(view.strikeTimes[Hand::Left], view.strikeTimes[Hand::Right]);
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

QString report(const StatisticsResult &result, const HistoryFilter &filter)
{
    Q_UNUSED(filter);
    QStringList lines;
    if (result.empty) {
        lines << QStringLiteral("No practice recorded yet.");
        return lines.join(u'\n') + u'\n';
    }
    lines << QStringLiteral("%1 %2, %3 strikes")
                 .arg(result.exercises)
                 .arg(result.exercises == 1 ? QStringLiteral("exercise")
                                            : QStringLiteral("exercises"))
                 .arg(result.strikes);
    lines << QString();
    for (const QString &finding : result.findings)
        lines << QStringLiteral("* ") + finding;
    for (Hand h : BothHands) {
        const StatisticsResult::HandFigures &hand = result.hand(h);
        lines << QString() << HandNames::englishHand(h);
        lines << QStringLiteral("  finger          median   middle half     wrong  strikes");
        for (int f = 0; f < 5; ++f) {
            const StatisticsResult::Finger &finger = hand.fingers[f];
            const QString median = finger.median
                                       ? QStringLiteral("%1 ms").arg(qRound(*finger.median))
                                       : QStringLiteral("-");
            const QString spread = finger.median ? QStringLiteral("%1-%2 ms")
                                                       .arg(qRound(*finger.lowerQuartile))
                                                       .arg(qRound(*finger.upperQuartile))
                                                 : QStringLiteral("-");
            lines << QStringLiteral("  %1 %2 %3 %4 %5")
                         .arg(QStringLiteral("%1 %2").arg(f + 1).arg(HandNames::finger(f + 1)), -15)
                         .arg(median, 8)
                         .arg(spread, 13)
                         .arg(percent(finger.wrongShare()) + QStringLiteral(" %"), 9)
                         .arg(finger.strikes, 8);
        }
        QStringList touch;
        for (int f = 0; f < 5; ++f) {
            const StatisticsResult::Finger &finger = hand.fingers[f];
            if (finger.velocityMedian)
                touch << QStringLiteral("%1 %2 (%3-%4)")
                             .arg(f + 1)
                             .arg(qRound(*finger.velocityMedian))
                             .arg(qRound(*finger.velocityLower))
                             .arg(qRound(*finger.velocityUpper));
        }
        if (!touch.isEmpty())
            lines << QStringLiteral("  touch, MIDI velocity median (middle half): ") +
                         touch.join(QStringLiteral(", "));
        if (hand.twoHandCost)
            lines << QStringLiteral("  two-hand cost: %1 %%2")
                         .arg(qRound(*hand.twoHandCost))
                         .arg(hand.twoHandCostFromOneHand
                                  ? QStringLiteral(" (against one-hand exercises)")
                                  : QString());
        if (hand.trendMsPerWeek)
            lines << QStringLiteral("  trend: %1 ms per week").arg(qRound(*hand.trendMsPerWeek));
    }
    if (result.coupling)
        lines << QString()
              << QStringLiteral("Coupling of the hands: %1 of 100").arg(qRound(*result.coupling));
    return lines.join(u'\n') + u'\n';
}

} // namespace Statistics
