// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/Statistics.h"

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

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double at = q * double(v.size() - 1);
    const auto low = std::size_t(std::floor(at));
    const auto high = std::min(low + 1, v.size() - 1);
    return v[low] + (v[high] - v[low]) * (at - double(low));
}

std::optional<double> median(const std::vector<double> &v)
{
    if (int(v.size()) < MinSamples)
        return std::nullopt;
    return quantile(v, 0.5);
}

QString handName(int hand)
{
    return hand == 0 ? QStringLiteral("Left") : QStringLiteral("Right");
}

// The findings speak the player's language where the program has a translation (the
// Statistics window); --report runs without one and stays English.
QString translated(const char *text)
{
    return QCoreApplication::translate("Statistics", text);
}

// "Left thumb", "Right little finger": the start of a finding, so it begins with a
// capital also in a language that names the finger before the hand.
QString handFinger(int hand, int finger)
{
    QString text = QCoreApplication::translate("Statistics", "%1 %2")
                       .arg(hand == 0 ? QCoreApplication::translate("Statistics", "Left")
                                      : QCoreApplication::translate("Statistics", "Right"),
                            Statistics::fingerName(finger));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString handPhrase(int hand)
{
    return hand == 0 ? QCoreApplication::translate("Statistics", "Left hand")
                     : QCoreApplication::translate("Statistics", "Right hand");
}

QString percent(double share)
{
    return QString::number(qRound(share * 100));
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
    const HistoryData::Session *session = nullptr;
    // Per hand: task number -> its strikes.
    std::array<TaskList, 2> tasks;
    std::array<QList<double>, 2> strikeTimes;
    std::array<int, 2> strikes{};
    std::array<int, 2> right{};
};

QHash<qint64, SessionView> bySession(const HistoryData &data)
{
    QHash<qint64, SessionView> sessions;
    for (const HistoryData::Session &s : data.sessions)
        sessions[s.id].session = &s;
    for (const HistoryData::Task &t : data.tasks) {
        auto it = sessions.find(t.session);
        if (it == sessions.end() || t.hand < 0 || t.hand > 1)
            continue;
        TaskStrikes &task = it->tasks[t.hand][t.task];
        task.expected = t.expected;
        task.memorize = t.memorize;
        task.shownMs = t.shownMs;
    }
    for (const HistoryData::Strike &s : data.strikes) {
        auto it = sessions.find(s.session);
        if (it == sessions.end() || s.hand < 0 || s.hand > 1)
            continue;
        TaskStrikes &task = it->tasks[s.hand][s.task];
        task.expected = s.expected;
        task.memorize = s.memorize;
        if (!s.memorize) {
            ++it->strikes[s.hand];
            it->right[s.hand] += s.correct ? 1 : 0;
        }
        if (s.atMs) {
            it->strikeTimes[s.hand] << *s.atMs;
            if (!task.firstStrikeMs)
                task.firstStrikeMs = s.atMs;
        }
        if (s.correct && !task.reactionMs && !s.anticipated && s.reactionMs)
            task.reactionMs = s.reactionMs;
    }
    return sessions;
}

void fillFingers(const HistoryData &data, std::array<Result::Hand, 2> &hands,
                 const QHash<qint64, SessionView> &sessions)
{
    std::array<std::array<std::vector<double>, 5>, 2> reactions;
    for (const SessionView &view : sessions) {
        for (int h = 0; h < 2; ++h) {
            for (const TaskStrikes &task : view.tasks[h].byNumber) {
                if (!task.present)
                    continue;
                if (!task.memorize && task.reactionMs && task.expected >= 1 && task.expected <= 5)
                    reactions[h][task.expected - 1].push_back(*task.reactionMs);
            }
        }
    }
    std::array<std::array<std::vector<double>, 5>, 2> velocities;
    for (const HistoryData::Strike &s : data.strikes) {
        // Touch belongs to the finger that struck, whatever the task asked.
        if (s.velocity && s.hand >= 0 && s.hand <= 1 && s.struck >= 1 && s.struck <= 5)
            velocities[s.hand][s.struck - 1].push_back(*s.velocity);
        if (s.memorize || s.hand < 0 || s.hand > 1 || s.expected < 1 || s.expected > 5)
            continue;
        Result::Finger &finger = hands[s.hand].fingers[s.expected - 1];
        ++finger.strikes;
        if (!s.correct)
            ++finger.wrong;
        if (s.struck >= 1 && s.struck <= 5)
            ++hands[s.hand].confusion[s.expected - 1][s.struck - 1];
    }
    for (int h = 0; h < 2; ++h) {
        for (int f = 0; f < 5; ++f) {
            const std::vector<double> &v = reactions[h][f];
            Result::Finger &finger = hands[h].fingers[f];
            if (const std::vector<double> &touch = velocities[h][f];
                int(touch.size()) >= MinSamples) {
                finger.velocityMedian = quantile(touch, 0.5);
                finger.velocityLower = quantile(touch, 0.25);
                finger.velocityUpper = quantile(touch, 0.75);
            }
            if (int(v.size()) < MinSamples)
                continue;
            finger.median = quantile(v, 0.5);
            finger.lowerQuartile = quantile(v, 0.25);
            finger.upperQuartile = quantile(v, 0.75);
            finger.fastest = *std::min_element(v.begin(), v.end());
            finger.slowest = *std::max_element(v.begin(), v.end());
        }
    }
}

void fillTransitions(std::array<Result::Hand, 2> &hands, const QHash<qint64, SessionView> &sessions)
{
    std::array<QMap<QPair<int, int>, std::vector<double>>, 2> samples;
    for (const SessionView &view : sessions) {
        const QString kind = view.session->kind;
        if (kind != u"sequential" && kind != u"memory")
            continue;
        for (int h = 0; h < 2; ++h) {
            const TaskStrikes *before = nullptr;
            for (const TaskStrikes &task : view.tasks[h].byNumber) {
                if (!task.present)
                    continue;
                if (before && !before->memorize && !task.memorize && task.reactionMs &&
                    before->expected >= 1 && task.expected >= 1 && task.expected <= 5)
                    samples[h][{before->expected, task.expected}].push_back(*task.reactionMs);
                before = &task;
            }
        }
    }
    for (int h = 0; h < 2; ++h) {
        for (auto it = samples[h].cbegin(); it != samples[h].cend(); ++it) {
            if (int(it.value().size()) < MinSamples)
                continue;
            hands[h].transitions << Result::Transition{
                it.key().first, it.key().second, int(it.value().size()), quantile(it.value(), 0.5)};
        }
        std::sort(hands[h].transitions.begin(), hands[h].transitions.end(),
                  [](const auto &a, const auto &b) { return a.medianMs > b.medianMs; });
    }
}

std::optional<double> trendPerWeek(const QList<Result::Point> &points)
{
    std::vector<std::pair<double, double>> xy;
    for (const Result::Point &p : points) {
        if (p.medianMs)
            xy.emplace_back(double(p.when.toSecsSinceEpoch()) / 86400.0, *p.medianMs);
    }
    if (int(xy.size()) < MinSamples)
        return std::nullopt;
    // A week's change is not read off a single afternoon.
    const auto [earliest, latest] = std::minmax_element(
        xy.begin(), xy.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    if (latest->first - earliest->first < 3.0)
        return std::nullopt;
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
        return std::nullopt;
    return sxy / sxx * 7.0;
}

void fillProgress(const HistoryData &data, std::array<Result::Hand, 2> &hands,
                  QHash<qint64, SessionView> &sessions)
{
    const bool byDay = data.sessions.size() > MostPointsPerExercise;
    for (int h = 0; h < 2; ++h) {
        hands[h].progressByDay = byDay;
        // Points in the order of the exercises; a day's exercises share one point.
        QList<QPair<QDateTime, QList<qint64>>> groups;
        for (const HistoryData::Session &s : data.sessions) {
            const QDateTime when =
                byDay ? QDateTime(s.started.date(), QTime(12, 0), s.started.timeZone()) : s.started;
            if (groups.isEmpty() || groups.last().first != when)
                groups.append({when, {}});
            groups.last().second << s.id;
        }
        for (const auto &[when, ids] : groups) {
            std::vector<double> reactions;
            int strikes = 0, right = 0;
            for (qint64 id : ids) {
                const SessionView &view = sessions[id];
                for (const TaskStrikes &task : view.tasks[h].byNumber) {
                    if (!task.present)
                        continue;
                    if (!task.memorize && task.reactionMs)
                        reactions.push_back(*task.reactionMs);
                }
                strikes += view.strikes[h];
                right += view.right[h];
            }
            if (strikes == 0)
                continue;
            hands[h].progress << Result::Point{when, median(reactions), double(right) / strikes,
                                               strikes};
        }
        hands[h].trendMsPerWeek = trendPerWeek(hands[h].progress);
    }
}

void fillTwoHandCost(std::array<Result::Hand, 2> &hands, const QHash<qint64, SessionView> &sessions)
{
    std::array<std::vector<double>, 2> busy, idle, solo, together;
    const auto played = [](const TaskList &tasks) {
        return std::any_of(tasks.byNumber.begin(), tasks.byNumber.end(),
                           [](const TaskStrikes &t) { return t.present; });
    };
    for (const SessionView &view : sessions) {
        for (int h = 0; h < 2; ++h) {
            const std::vector<TaskStrikes> &other = view.tasks[1 - h].byNumber;
            const std::vector<TaskStrikes> &mine = view.tasks[h].byNumber;
            // An exercise of this hand alone is the measure of what the other hand costs.
            const bool alone = !played(view.tasks[1 - h]);
            // The other hand's latest task shown so far; both hands' tasks come in the order
            // they were shown, so it only moves on.
            std::size_t next = 0;
            const TaskStrikes *latest = nullptr;
            for (std::size_t number = 0; number < mine.size(); ++number) {
                const TaskStrikes &task = mine[number];
                // The first task follows the start tune, not the other hand.
                if (!task.present || number == 1 || task.memorize || !task.shownMs ||
                    !task.reactionMs)
                    continue;
                (alone ? solo : together)[h].push_back(*task.reactionMs);
                if (alone)
                    continue;
                // The other hand is mid-task when its latest task shown before this one
                // was not struck yet.
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
    // Both sides need enough tasks behind them, or a few odd ones make the figure.
    constexpr std::size_t MinTasks = 10;
    for (int h = 0; h < 2; ++h) {
        if (solo[h].size() >= MinTasks && together[h].size() >= MinTasks) {
            hands[h].twoHandCost = *median(together[h]) / *median(solo[h]) * 100.0;
            hands[h].twoHandCostFromOneHand = true;
            continue;
        }
        if (busy[h].size() < MinTasks || idle[h].size() < MinTasks)
            continue;
        const auto withOther = median(busy[h]);
        const auto alone = median(idle[h]);
        if (withOther && alone && *alone > 0)
            hands[h].twoHandCost = *withOther / *alone * 100.0;
    }
}

// What a finger's wrong strikes struck, when that is clear: at least MinConfusions of
// them on one finger, and at least twice as many as on any other. -1 otherwise, so a
// tie is never named.
int takenFor(const Result::Hand &hand, int finger)
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
        .arg(Statistics::fingerName(finger + 1));
}

void addFindings(Result &result, const Result &before, const HistoryFilter *filter)
{
    for (int h = 0; h < 2; ++h) {
        const Result::Hand &hand = result.hands[h];
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
                    .arg(handFinger(h, slowest + 1))
                    .arg(qRound(*finger.median))
                    .arg(percent(finger.wrongShare()));
            // The slowest finger may be the one most often wrong too: its confusion is
            // said here then.
            if (const int s = takenFor(hand, slowest); oftenWrong(finger) && s >= 0)
                text += takenForPhrase(s);
            const auto &was = before.hands[h].fingers[slowest].median;
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
                                   .arg(handFinger(h, uneven + 1))
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
            QString text =
                QCoreApplication::translate("Statistics", "%1: %2 % wrong")
                    .arg(handFinger(h, wrongest + 1), percent(hand.fingers[wrongest].wrongShare()));
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
    for (int h = 0; h < 2; ++h) {
        const auto &cost = result.hands[h].twoHandCost;
        if (cost && std::abs(*cost - 100) >= 5) {
            const bool alone = result.hands[h].twoHandCostFromOneHand;
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
                << translated(text).arg(handPhrase(h)).arg(qRound(std::abs(*cost - 100)));
        }
        const auto &trend = result.hands[h].trendMsPerWeek;
        if (trend && std::abs(*trend) >= 1) {
            result.findings << (*trend < 0 ? QCoreApplication::translate(
                                                 "Statistics", "%1: %2 ms faster per week")
                                           : QCoreApplication::translate(
                                                 "Statistics", "%1: %2 ms slower per week"))
                                   .arg(handPhrase(h))
                                   .arg(qRound(std::abs(*trend)));
        }
    }
}

Result computeWith(const HistoryData &data, const HistoryData &previous,
                   const HistoryFilter *filter)
{
    Result result;
    QHash<qint64, SessionView> sessions = bySession(data);
    result.exercises = int(data.sessions.size());
    result.empty = data.strikes.isEmpty();
    fillFingers(data, result.hands, sessions);
    // What the finger tables count: strikes played for points, not notes being memorized.
    for (const Result::Hand &hand : result.hands) {
        for (const Result::Finger &finger : hand.fingers)
            result.strikes += finger.strikes;
    }
    fillTransitions(result.hands, sessions);
    fillProgress(data, result.hands, sessions);
    fillTwoHandCost(result.hands, sessions);
    QList<QList<double>> left, right;
    for (const SessionView &view : sessions) {
        left << view.strikeTimes[0];
        right << view.strikeTimes[1];
    }
    result.coupling = Statistics::coupling(left, right);
    if (!result.empty) {
        Result before;
        if (!previous.strikes.isEmpty()) {
            const QHash<qint64, SessionView> earlier = bySession(previous);
            fillFingers(previous, before.hands, earlier);
        }
        addFindings(result, before, filter);
    }
    return result;
}

// Left strikes with a right strike at most TogetherMs away, the right times moved by
// `shift`. Both lists sorted.
int together(const QList<double> &left, const QList<double> &right, double shift)
{
    int count = 0;
    qsizetype j = 0;
    for (double t : left) {
        while (j < right.size() && right[j] + shift < t - TogetherMs)
            ++j;
        if (j < right.size() && std::abs(right[j] + shift - t) <= TogetherMs)
            ++count;
    }
    return count;
}

} // namespace

namespace Statistics {

QString fingerName(int finger)
{
    static const char *names[] = {QT_TRANSLATE_NOOP("Statistics", "thumb"),
                                  QT_TRANSLATE_NOOP("Statistics", "index finger"),
                                  QT_TRANSLATE_NOOP("Statistics", "middle finger"),
                                  QT_TRANSLATE_NOOP("Statistics", "ring finger"),
                                  QT_TRANSLATE_NOOP("Statistics", "little finger")};
    return finger >= 1 && finger <= 5 ? translated(names[finger - 1]) : QString();
}

std::optional<double> coupling(const QList<QList<double>> &left, const QList<QList<double>> &right)
{
    // The chance level: the same count with one hand's times moved against the other's
    // by a second or two, far more than any one reaction, averaged over many shifts.
    static const std::vector<double> shifts = [] {
        std::vector<double> s;
        for (int ms = 700; ms <= 3000; ms += 100) {
            s.push_back(ms);
            s.push_back(-ms);
        }
        return s;
    }();
    double observed = 0, chance = 0, possible = 0;
    for (qsizetype e = 0; e < std::min(left.size(), right.size()); ++e) {
        QList<double> l = left[e], r = right[e];
        if (l.isEmpty() || r.isEmpty())
            continue;
        std::sort(l.begin(), l.end());
        std::sort(r.begin(), r.end());
        observed += together(l, r, 0);
        double sum = 0;
        for (double shift : shifts)
            sum += together(l, r, shift);
        chance += sum / double(shifts.size());
        possible += double(l.size());
    }
    if (possible < 20 || possible - chance <= 0)
        return std::nullopt;
    const double excess = (observed - chance) / (possible - chance);
    return std::clamp(100.0 * (1.0 - excess), 0.0, 100.0);
}

StatisticsResult compute(const HistoryData &data, const HistoryData &previous,
                         const HistoryFilter &filter)
{
    return computeWith(data, previous, &filter);
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
    for (int h = 0; h < 2; ++h) {
        const StatisticsResult::Hand &hand = result.hands[h];
        lines << QString() << QStringLiteral("%1 hand").arg(handName(h));
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
                         .arg(QStringLiteral("%1 %2").arg(f + 1).arg(fingerName(f + 1)), -15)
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
