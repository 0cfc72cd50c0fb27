// SPDX-License-Identifier: GPL-3.0-or-later
// What the figures say in words: the findings, and the plain-text report.
#include "history/Statistics.h"

#include "history/StatisticsParts.h"
#include "ports/HandNames.h"

#include <QCoreApplication>

using namespace StatisticsParts;

namespace {

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

// Notes played in time: how many a figure needs behind it to be a finding (a pass of a
// figure gives each finger one to three), and how far off the grid on average a finger must
// be to be called early or late.
constexpr int MinTimedNotes = 8;
constexpr double OffTimeMs = 10;

// "28 ms late on average" and the like.
QString offTime(double meanMs)
{
    return (meanMs < 0 ? QCoreApplication::translate("Statistics", "%1 ms early on average")
                       : QCoreApplication::translate("Statistics", "%1 ms late on average"))
        .arg(qRound(std::abs(meanMs)));
}

// The timing of each hand's finger furthest off the grid, and what the silent bars did.
QStringList timingFindings(const Result &result)
{
    QStringList findings;
    for (Hand h : BothHands) {
        const Result::HandTiming &hand = result.timingOf(h);
        int furthest = -1;
        for (int f = 0; f < 5; ++f) {
            const Result::Timing &t = hand.fingers[f];
            if (t.notes - t.silentNotes >= MinTimedNotes && t.meanMs &&
                std::abs(*t.meanMs) >= OffTimeMs &&
                (furthest < 0 || std::abs(*t.meanMs) > std::abs(*hand.fingers[furthest].meanMs)))
                furthest = f;
        }
        if (furthest < 0)
            continue;
        const Result::Timing &t = hand.fingers[furthest];
        QString text =
            HandNames::handFinger(h, furthest + 1) + QStringLiteral(": ") + offTime(*t.meanMs);
        if (t.steadiestBpm)
            text += QCoreApplication::translate("Statistics", "; steadiest at %1 bpm")
                        .arg(*t.steadiestBpm);
        findings << text;
    }
    const Result::Timing &all = result.timedAll;
    if (all.silentMeanMs && all.silentNotes >= MinTimedNotes && all.meanMs) {
        const double drift = *all.silentMeanMs - *all.meanMs;
        if (std::abs(drift) >= OffTimeMs)
            findings << (drift < 0 ? QCoreApplication::translate(
                                         "Statistics", "Without the click you drift %1 ms early")
                                   : QCoreApplication::translate(
                                         "Statistics", "Without the click you drift %1 ms late"))
                            .arg(qRound(std::abs(drift)));
    }
    return findings;
}

} // namespace

namespace StatisticsParts {

void addFindings(Result &result, const Result &before, const HistoryFilter *filter)
{
    // Of rhythm exercises alone, the timing comes first; among others, after the rest.
    const QStringList timing = timingFindings(result);
    if (filter && filter->kind == QLatin1String("rhythm"))
        result.findings << timing;
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
    if (!filter || filter->kind != QLatin1String("rhythm"))
        result.findings << timing;
}

} // namespace StatisticsParts

namespace Statistics {

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
        const StatisticsResult::HandTiming &timing = result.timingOf(h);
        if (timing.all.notes == 0)
            continue;
        const auto ms = [](const std::optional<double> &value, bool sign) {
            return value ? QStringLiteral("%1%2 ms")
                               .arg(sign && *value >= 0.5 ? QStringLiteral("+") : QString())
                               .arg(qRound(*value))
                         : QStringLiteral("-");
        };
        const bool touched =
            std::any_of(timing.fingers.begin(), timing.fingers.end(),
                        [](const auto &t) { return t.touchVariation.has_value(); });
        lines << QStringLiteral("  in time         off grid    spread     right    notes") +
                     (touched ? QStringLiteral("  touch varies") : QString());
        for (int f = 0; f <= 5; ++f) {
            const StatisticsResult::Timing &t = f < 5 ? timing.fingers[f] : timing.all;
            if (t.notes == 0)
                continue;
            lines << QStringLiteral("  %1 %2 %3 %4 %5")
                             .arg(f < 5 ? QStringLiteral("%1 %2").arg(f + 1).arg(
                                              HandNames::finger(f + 1))
                                        : QStringLiteral("all"),
                                  -15)
                             .arg(ms(t.meanMs, true), 8)
                             .arg(ms(t.spreadMs, false), 9)
                             .arg(percent(t.rightShare().value_or(0)) + QStringLiteral(" %"), 9)
                             .arg(t.notes, 8) +
                         (t.touchVariation
                              ? QStringLiteral("%1 %").arg(qRound(*t.touchVariation), 13)
                              : QString());
        }
        if (timing.evenness)
            lines << QStringLiteral("  evenness of the intervals: %1 % off the grid's")
                         .arg(qRound(*timing.evenness));
        if (timing.all.silentMeanMs)
            lines << QStringLiteral("  in silent bars: %1 (%2 notes)")
                         .arg(ms(timing.all.silentMeanMs, true))
                         .arg(timing.all.silentNotes);
    }
    if (!result.tempi.isEmpty()) {
        lines << QString() << QStringLiteral("Figures played in time");
        for (const StatisticsResult::Tempo &tempo : result.tempi)
            lines << QStringLiteral("  %1: %2 %3, best clean tempo %4")
                         .arg(tempo.figure)
                         .arg(tempo.exercises)
                         .arg(tempo.exercises == 1 ? QStringLiteral("exercise")
                                                   : QStringLiteral("exercises"))
                         .arg(tempo.bestCleanBpm ? QStringLiteral("%1 bpm").arg(*tempo.bestCleanBpm)
                                                 : QStringLiteral("-"));
    }
    if (result.coupling)
        lines << QString()
              << QStringLiteral("Coupling of the hands: %1 of 100").arg(qRound(*result.coupling));
    return lines.join(u'\n') + u'\n';
}

} // namespace Statistics
