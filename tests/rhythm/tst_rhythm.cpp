// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in time: the grid's times and silent bars, judging strikes, the timing figures,
// the tempo steps, the pull of one hand toward the other's grid and the calibration's
// offset from taps against clicks.
#include "rhythm/ClickCalibration.h"
#include "rhythm/PolyrhythmPull.h"
#include "rhythm/RhythmGrid.h"
#include "rhythm/RhythmJudge.h"
#include "rhythm/TempoTrainer.h"
#include "rhythm/TimingFigures.h"

#include <QPointF>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 FirstNs = 10'000'000'000;
constexpr qint64 MsNs = 1'000'000;
using Silence = RhythmGrid::Silence;

struct Hit {
    int finger;
    double atMs; // from the first beat
};

// The rows of the larger tables.
struct Times {
    int bpm, perBeat, other, bars, index; // other: the right hand's notes a beat
    qint64 afterFirstNs;
};
struct Matching {
    int bpm, perBeat;
    QList<Hit> hits;
    double closeMs;
    QString states; // a note each: its points when struck (3 to 5: right), M missed, o open
    int extras;
    QList<int> ahead; // the open notes to come at closeMs
};
struct Silent {
    Silence silence;
    int every;
    quint32 seed;
    double share;
};
struct Late {
    int finger;
    double lateMs, jitterMs;
    bool velocities;
};
struct Swing {
    int bpm, left, right; // notes a beat
    double swing;         // every second note late by this share of an interval
};
struct Taps {
    QList<int> clicksMs; // when each click left for the speaker
    QList<int> tapsMs;
    double inUseMs;
    int used, ignored;
    double keptMs;
    bool measured;
};
struct Pull {
    int own, other, following; // following: of every 4 strikes that can be pulled
    double jitterMs, low, high;
};

RhythmGrid::Settings plan(int bpm, int leftPerBeat, QList<int> left, int rightPerBeat,
                          QList<int> right, int bars = 1)
{
    RhythmGrid::Settings s;
    s.bpm = bpm;
    s.hands = {RhythmGrid::HandPart{leftPerBeat, left}, RhythmGrid::HandPart{rightPerBeat, right}};
    s.length = bars;
    s.firstBeatNs = FirstNs;
    return s;
}

FingerStrike strikeOf(Hand hand, int finger, qint64 timeNs, int velocity = -1)
{
    return FingerStrike{hand, finger, timeNs, QString(), 0, velocity};
}

qint64 at(double ms)
{
    return FirstNs + std::llround(ms * MsNs);
}

} // namespace

Q_DECLARE_METATYPE(Silent)
Q_DECLARE_METATYPE(Late)
Q_DECLARE_METATYPE(Swing)
Q_DECLARE_METATYPE(Times)
Q_DECLARE_METATYPE(Matching)
Q_DECLARE_METATYPE(Pull)
Q_DECLARE_METATYPE(Taps)

class TestRhythm : public QObject {
    Q_OBJECT
private slots:
    // Each time from its index, so that the hands meet on the beat to the nanosecond.
    void noteTimesAreExact_data()
    {
        QTest::addColumn<Times>("t");
        QTest::newRow("120 bpm, 4 a beat") << Times{120, 4, 1, 2, 17, 2'125'000'000};
        QTest::newRow("100 bpm, 3 against 2") << Times{100, 3, 2, 1, 4, 800'000'000};
        // 3 * 60 s / 624 = 288 461 538.46 ns.
        QTest::newRow("208 bpm, 3 against 4") << Times{208, 3, 4, 1, 3, 288'461'538};
        // 1040 beats; the last note at 3119 * 60 s / 624 = 299 903 846 153.85 ns.
        QTest::newRow("5 minutes at 208 bpm") << Times{208, 3, 2, 260, 3119, 299'903'846'154};
    }

    void noteTimesAreExact()
    {
        QFETCH(Times, t);
        const RhythmGrid grid(plan(t.bpm, t.perBeat, {1, 2, 3}, t.other, {4, 5}, t.bars));
        const QList<RhythmGrid::Note> &left = grid.notes(Hand::Left);
        QCOMPARE(left.size(), t.bars * 4 * t.perBeat);
        QCOMPARE(left[t.index].timeNs - FirstNs, t.afterFirstNs);
        const int beat = t.index / t.perBeat;
        QCOMPARE(left[beat * t.perBeat].timeNs, grid.clicks()[4 + beat].timeNs);
        QCOMPARE(grid.notes(Hand::Right)[beat * t.other].timeNs, grid.clicks()[4 + beat].timeNs);
    }

    void countInAndPasses_data()
    {
        QTest::addColumn<bool>("countIn");
        QTest::addColumn<int>("rightLength"); // the left plays 8 fingers, 4 a beat
        QTest::addColumn<int>("passes");
        QTest::addColumn<QList<qint64>>("accentsS");
        QTest::newRow("3 passes, 24 notes: 2 bars") << true << 0 << 3 << QList<qint64>{-2, 0, 2};
        QTest::newRow("2 passes: 1 bar, no count-in") << false << 0 << 2 << QList<qint64>{0};
        QTest::newRow("5 fingers 1 a beat: 4 bars") << false << 5 << 3 << QList<qint64>{0, 2, 4, 6};
        QTest::newRow("1 finger 1 a beat: 2 bars") << false << 1 << 3 << QList<qint64>{0, 2};
    }

    void countInAndPasses()
    {
        QFETCH(bool, countIn);
        QFETCH(int, rightLength);
        QFETCH(int, passes);
        QFETCH(QList<qint64>, accentsS);
        RhythmGrid::Settings s =
            plan(120, 4, {1, 2, 3, 4, 5, 4, 3, 2}, 1, QList<int>(rightLength, 3));
        s.countIn = countIn;
        s.lengthIn = RhythmGrid::Length::Passes;
        s.length = passes;
        const RhythmGrid grid(s);
        QList<qint64> accents;
        for (const RhythmGrid::Click &c : grid.clicks()) {
            if (c.accent)
                accents << (c.timeNs - FirstNs) / 1000 / MsNs;
            QCOMPARE(c.countIn, c.timeNs < FirstNs);
        }
        QCOMPARE(accents, accentsS);
        QCOMPARE(grid.clicks().size(), accentsS.size() * 4);
        QCOMPARE(grid.notes(Hand::Left).size(), grid.bars() * 16);
        QCOMPARE(grid.notes(Hand::Left)[8].pass, 1);
    }

    // The grid's silent bars, and the figures of their notes kept apart from the others.
    void silentBars_data()
    {
        QTest::addColumn<Silent>("s");
        QTest::newRow("none") << Silent{Silence::None, 0, 1, 0};
        QTest::newRow("one in two") << Silent{Silence::EveryNth, 2, 1, 0.5};
        QTest::newRow("one in five") << Silent{Silence::EveryNth, 5, 1, 0.2};
        QTest::newRow("random 30 %, seed 7") << Silent{Silence::Random, 0, 7, 0.3};
        QTest::newRow("random 90 %, seed 12345") << Silent{Silence::Random, 0, 12345, 0.9};
    }

    void silentBars()
    {
        QFETCH(Silent, s);
        RhythmGrid::Settings settings = plan(208, 3, {1, 2, 3}, 2, {5, 4, 3, 2}, 100);
        settings.silence = s.silence;
        settings.silentEvery = s.every;
        settings.silentShare = s.share;
        settings.seed = s.seed;
        const RhythmGrid grid(settings), sameSeed(settings);
        settings.seed = s.seed + 1;
        const RhythmGrid otherSeed(settings);
        int silentBars = 0, differ = 0;
        for (int bar = 0; bar < grid.bars(); ++bar) {
            if (s.silence == Silence::EveryNth)
                QCOMPARE(grid.silentBar(bar), (bar + 1) % s.every == 0);
            silentBars += grid.silentBar(bar) ? 1 : 0;
            differ += otherSeed.silentBar(bar) != grid.silentBar(bar) ? 1 : 0;
            QCOMPARE(sameSeed.silentBar(bar), grid.silentBar(bar));
        }
        QVERIFY(!grid.silentBar(0) && !grid.silentBar(-1));
        QVERIFY2(std::abs(silentBars - s.share * 100) <= 15,
                 qPrintable(QString::number(silentBars)));
        QCOMPARE(differ > 0, s.silence == Silence::Random);
        for (const RhythmGrid::Click &c : grid.clicks())
            QCOMPARE(c.silent, grid.silentBar(c.bar));

        // Without the click the hands drag by 35 ms; one extra strike in each silent bar.
        RhythmJudge judge(grid);
        for (Hand hand : BothHands) {
            for (const RhythmGrid::Note &n : grid.notes(hand)) {
                QCOMPARE(n.silent, grid.silentBar(grid.barAt(n.timeNs)));
                judge.strike(strikeOf(hand, n.finger, n.timeNs + (n.silent ? 35 * MsNs : 0)));
            }
        }
        for (const RhythmGrid::Note &n : grid.notes(Hand::Left)) {
            if (n.silent && n.index % 12 == 0)
                judge.strike(strikeOf(Hand::Left, 1, n.timeNs + 5 * MsNs));
        }
        const TimingFigures figures(judge);
        const TimingFigures::HandFigures &left = figures.hand(Hand::Left);
        QCOMPARE(left.silent.notes, silentBars * 12);
        QCOMPARE(left.clicked.notes, (100 - silentBars) * 12);
        QCOMPARE(left.silent.extras, silentBars);
        QCOMPARE(left.clicked.extras, 0);
        for (Hand hand : BothHands) {
            QCOMPARE(figures.hand(hand).silent.meanDeviationMs.value_or(35), 35.0);
            QCOMPARE(*figures.hand(hand).clicked.meanDeviationMs, 0.0);
        }
    }

    void strikesMatchTheirNotes_data()
    {
        QTest::addColumn<Matching>("m");
        // 120 bpm, 2 a beat: 250 ms apart, windows of 125 ms, in time within 60 ms: 5 points
        // within 20 ms, 4 within 40, 3 within 60, 1 later; fingers 1 2 3 4 1 2 3 4.
        const QList<Hit> onTime{{1, 0}, {2, 250}, {3, 500}, {4, 750}};
        QTest::newRow("on time") << Matching{120, 2, onTime, 800, "5555oooo", 0, {4, 5, 6}};
        QTest::newRow("early and late") << Matching{
            120, 2, {{1, -20}, {2, 271}, {3, 440}, {4, 811}}, 0, "5431oooo", 0, {4, 5, 6}};
        QTest::newRow("wrong finger") << Matching{120, 2, {{2, 0}}, 0, "0ooooooo", 0, {1, 2, 3}};
        QTest::newRow("missed") << Matching{120,        2, {{1, 0}, {3, 500}}, 1000,
                                            "5M5Moooo", 0, {4, 5, 6}};
        QTest::newRow("two strikes for one note")
            << Matching{120, 2, {{1, 0}, {1, 30}}, 400, "5Moooooo", 1, {2, 3, 4}};
        QTest::newRow("early: the next open note")
            << Matching{120, 2, {{1, 0}, {2, 140}}, 0, "51oooooo", 0, {2, 3, 4}};
        QTest::newRow("halfway: the earlier")
            << Matching{120, 2, {{1, 125}, {2, 250}}, 0, "15oooooo", 0, {2, 3, 4}};
        QTest::newRow("all closed") << Matching{120, 2, {{1, 0}}, 2000, "5MMMMMMM", 0, {}};
        // 40 bpm, 1 a beat: 1.5 s apart, the window capped at 250 ms.
        QTest::newRow("capped window's edge")
            << Matching{40, 1, {{1, 250}}, 0, "1ooo", 0, {1, 2, 3}};
        QTest::newRow("just past it")
            << Matching{40, 1, {{1, 250.000001}}, 0, "oooo", 1, {0, 1, 2}};
        QTest::newRow("just before it")
            << Matching{40, 1, {{1, -250.000001}}, 0, "oooo", 1, {0, 1, 2}};
        // 208 bpm, 4 a beat: 72.1 ms apart, in time within 24.0 ms.
        QTest::newRow("fast") << Matching{
            208, 4, {{1, -20}, {2, 72 + 30}}, 0, "31oooooooooooooo", 0, {2, 3, 4}};
    }

    void strikesMatchTheirNotes()
    {
        QFETCH(Matching, m);
        RhythmJudge judge(RhythmGrid(plan(m.bpm, 1, {}, m.perBeat, {1, 2, 3, 4})));
        int points = 0;
        for (const Hit &hit : m.hits)
            points += judge.strike(strikeOf(Hand::Right, hit.finger, at(hit.atMs))).points;
        judge.closeUntil(at(m.closeMs));
        QCOMPARE(judge.ahead(Hand::Right, at(m.closeMs), 3), m.ahead);
        // A strike at a missed note is extra, never a late match.
        const qsizetype missed = m.states.indexOf('M');
        if (missed >= 0)
            judge.strike(strikeOf(Hand::Right, 1, judge.grid().notes(Hand::Right)[missed].timeNs));
        QString seen;
        for (const RhythmJudge::NoteResult &r : judge.results(Hand::Right)) {
            seen += r.state == RhythmJudge::State::Open     ? QChar('o')
                    : r.state == RhythmJudge::State::Missed ? QChar('M')
                                                            : QChar('0' + r.points);
            QCOMPARE(r.right, r.points >= 3);
        }
        QCOMPARE(seen, m.states);
        QCOMPARE(judge.points(Hand::Right), points);
        QCOMPARE(judge.extras(Hand::Right).size(), m.extras + (missed >= 0 ? 1 : 0));
        QCOMPARE(judge.finished(), !m.states.contains('o'));
    }

    void figuresShowTheLateFinger_data()
    {
        QTest::addColumn<Late>("late");
        QTest::newRow("middle finger 30 ms late") << Late{3, 30, 0, false};
        QTest::newRow("thumb 40 ms early, 5 either way") << Late{1, -40, 5, true};
    }

    void figuresShowTheLateFinger()
    {
        QFETCH(Late, late);
        const auto [lateFinger, lateMs, jitterMs, velocities] = late;
        // Four passes of 1 2 3 4 5 4 3 2; each finger's strikes alternate either side.
        RhythmJudge judge(RhythmGrid(plan(60, 1, {}, 2, {1, 2, 3, 4, 5, 4, 3, 2}, 4)));
        std::array<int, 5> seen{};
        for (const RhythmGrid::Note &n : judge.grid().notes(Hand::Right)) {
            const bool odd = seen[n.finger - 1]++ % 2;
            const double off = (n.finger == lateFinger ? lateMs : 0) + (odd ? -jitterMs : jitterMs);
            const int velocity = !velocities ? -1 : n.finger == 2 ? (odd ? 60 : 100) : 80;
            judge.strike(strikeOf(Hand::Right, n.finger, n.timeNs + qint64(off * MsNs), velocity));
        }
        judge.strike(strikeOf(Hand::Right, 5, judge.grid().notes(Hand::Right)[4].timeNs + 1));
        const TimingFigures::HandFigures figures = TimingFigures(judge).hand(Hand::Right);
        for (int f = 1; f <= 5; ++f) {
            const TimingFigures::Group &g = figures.fingers[f - 1];
            QCOMPARE(g.notes, f == 1 || f == 5 ? 4 : 8);
            QCOMPARE(g.rightShare.value(), 1.0);
            QCOMPARE(g.extras, f == 5 ? 1 : 0);
            QVERIFY(std::abs(*g.meanDeviationMs - (f == lateFinger ? lateMs : 0.0)) < 1e-9);
            QVERIFY(std::abs(*g.spreadMs - jitterMs) < 1e-9);
            QCOMPARE(g.velocityVariation.has_value(), velocities);
            if (velocities) // finger 2: 60 and 100, 20 either side of 80
                QCOMPARE(*g.velocityVariation + 1, f == 2 ? 1.25 : 1.0);
        }
    }

    void evennessIgnoresTempoAndGrid_data()
    {
        QTest::addColumn<Swing>("s");
        QTest::newRow("60 bpm, 2 a beat, even") << Swing{60, 2, 2, 0};
        QTest::newRow("60 bpm, 2 against 3, 10 %") << Swing{60, 2, 3, 0.1};
        QTest::newRow("150 bpm, 3 against 1, 10 %") << Swing{150, 3, 1, 0.1};
        QTest::newRow("208 bpm, 4 against 3, 20 %") << Swing{208, 4, 3, 0.2};
    }

    void evennessIgnoresTempoAndGrid()
    {
        QFETCH(Swing, s);
        const auto [bpm, left, right, swing] = s;
        RhythmJudge judge(RhythmGrid(plan(bpm, left, {1, 2, 3}, right, {4, 5}, 8)));
        for (Hand hand : BothHands) {
            const qint64 late = std::llround(swing * judge.grid().noteIntervalNs(hand));
            for (const RhythmGrid::Note &n : judge.grid().notes(hand))
                judge.strike(strikeOf(hand, n.finger, n.timeNs + (n.index % 2 ? late : 0)));
        }
        // Intervals of 1 + swing and 1 - swing grid intervals (one more of the first),
        // each hand alone and both together.
        const TimingFigures figures(judge);
        for (const TimingFigures::Group &g :
             {figures.hand(Hand::Left).all, figures.hand(Hand::Right).all, figures.bothHands()})
            QVERIFY2(std::abs(*g.intervalVariation - swing) < 0.01 * swing + 1e-6,
                     qPrintable(QString::number(*g.intervalVariation)));
    }

    void tempoSteps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<QPointF>>("passes"); // share right, spread (below 0: none)
        QTest::addColumn<int>("bpm");
        QTest::addColumn<int>("best"); // 0: none
        const QPointF clean(0.95, 10), poor(0.6, 10);
        QTest::newRow("clean passes rise") << 100 << QList<QPointF>(3, clean) << 112 << 108;
        QTest::newRow("90 % and 24.9 ms rise") << 100 << QList<QPointF>{{0.9, 24.9}} << 104 << 100;
        QTest::newRow("25 ms stays") << 100 << QList<QPointF>{{0.95, 25}} << 100 << 0;
        QTest::newRow("no spread stays") << 100 << QList<QPointF>{{1.0, -1}} << 100 << 0;
        QTest::newRow("70 % stays") << 100 << QList<QPointF>{{0.7, 10}} << 100 << 0;
        QTest::newRow("69 % falls") << 100 << QList<QPointF>{{0.69, 10}} << 96 << 0;
        QTest::newRow("never above 208") << 204 << QList<QPointF>(3, clean) << 208 << 208;
        QTest::newRow("never 20 under the start") << 100 << QList<QPointF>(10, poor) << 80 << 0;
        QTest::newRow("never under 40") << 48 << QList<QPointF>(5, poor) << 40 << 0;
        QTest::newRow("the best clean tempo stays")
            << 100 << QList<QPointF>{clean, clean, poor, clean} << 108 << 104;
    }

    void tempoSteps()
    {
        QFETCH(int, start);
        QFETCH(QList<QPointF>, passes);
        QFETCH(int, bpm);
        QFETCH(int, best);
        TempoTrainer trainer(start);
        for (const QPointF &pass : passes)
            trainer.passDone(pass.x(), pass.y() < 0 ? std::nullopt : std::optional(pass.y()));
        QCOMPARE(trainer.bpm(), bpm);
        QCOMPARE(trainer.bestCleanBpm().value_or(0), best);
    }

    void pullBeyondChance_data()
    {
        QTest::addColumn<Pull>("p"); // low below 0: no figure
        QTest::newRow("3 against 2, independent") << Pull{3, 2, 0, 15, 0, 5};
        // Some strikes land nearer the other grid, fewer than a blind hand's would.
        QTest::newRow("3 against 4, independent, wild") << Pull{3, 4, 0, 80, 0, 5};
        QTest::newRow("2 against 3, following") << Pull{2, 3, 4, 15, 95, 100};
        QTest::newRow("3 against 4, following") << Pull{3, 4, 4, 15, 95, 100};
        QTest::newRow("4 against 3, half following") << Pull{4, 3, 2, 15, 30, 45};
        QTest::newRow("2 within 4: nothing apart") << Pull{2, 4, 4, 15, -1, -1};
    }

    void pullBeyondChance()
    {
        QFETCH(Pull, p);
        const RhythmGrid grid(plan(60, p.own, {1, 2}, p.other, {3, 4}, 16));
        QSet<qint64> ownTimes, otherTimes;
        for (const RhythmGrid::Note &n : grid.notes(Hand::Left))
            ownTimes << n.timeNs;
        QList<qint64> theirsAlone;
        for (const RhythmGrid::Note &n : grid.notes(Hand::Right)) {
            otherTimes << n.timeNs;
            if (!ownTimes.contains(n.timeNs))
                theirsAlone << n.timeNs;
        }
        QRandomGenerator random(5);
        PolyrhythmPull pull(grid, Hand::Left);
        int apart = 0;
        for (const RhythmGrid::Note &n : grid.notes(Hand::Left)) {
            qint64 target = n.timeNs;
            const auto nearer = [&](qint64 a, qint64 b) {
                return std::abs(a - n.timeNs) < std::abs(b - n.timeNs);
            };
            if (!otherTimes.contains(n.timeNs) && apart++ % 4 < p.following)
                target = *std::min_element(theirsAlone.begin(), theirsAlone.end(), nearer);
            // Two uniform draws: a jitter that is mostly small.
            const double jitter =
                (random.generateDouble() + random.generateDouble() - 1) * p.jitterMs;
            pull.add(target + std::llround(jitter * MsNs));
        }
        const std::optional<double> value = pull.value();
        QCOMPARE(value.has_value(), p.low >= 0);
        if (value)
            QVERIFY2(*value >= p.low && *value <= p.high,
                     qPrintable(QStringLiteral("%1: %2 of %3, chance %4")
                                    .arg(*value)
                                    .arg(pull.pulledCount())
                                    .arg(pull.counted())
                                    .arg(pull.chance())));
    }

    // The median of each usable tap against its nearest click; strays and too few taps.
    void calibrationOffset_data()
    {
        QTest::addColumn<Taps>("t");
        const QList<int> eight{0, 1000, 2000, 3000, 4000, 5000, 6000, 7000};
        QTest::newRow("late taps: the median of eight")
            << Taps{eight, {110, 1130, 2120, 3125, 4115, 5120, 6118, 7122}, 0, 8, 0, 120, true};
        QTest::newRow("early taps: the median of six")
            << Taps{eight, {-50, 960, 1970, 2955, 3965, 4960}, 0, 6, 0, -40, true};
        QTest::newRow("strays before and after, a wild tap within half a beat")
            << Taps{eight, {-800, 100, 1100, 2100, 3100, 4100, 5450, 7700}, 0, 6, 2, 100, true};
        QTest::newRow("a tap half a beat late still counts")
            << Taps{eight, {500, 1500, 2500, 3500, 4500}, 0, 5, 0, 500, true};
        QTest::newRow("a dropped click: its tap is a beat from the others")
            << Taps{{0, 1000, 2000, 4000, 5000, 6000, 7000},
                    {50, 1050, 2050, 3050, 4050, 5050, 6050, 7050},
                    0,
                    7,
                    1,
                    50,
                    true};
        QTest::newRow("four taps: the offset in use stays")
            << Taps{eight, {-900, 200, 1200, 2200, 3200, 7900, 8400}, 85, 4, 3, 85, false};
        QTest::newRow("no taps at all") << Taps{eight, {}, -20, 0, 0, -20, false};
        QTest::newRow("an offset in use is replaced, not added to")
            << Taps{eight, {60, 1060, 2060, 3060, 4060}, 200, 5, 0, 60, true};
        QTest::newRow("no click placed: every tap a stray")
            << Taps{{}, {0, 1000, 2000, 3000, 4000}, 30, 0, 5, 30, false};
    }

    void calibrationOffset()
    {
        QFETCH(Taps, t);
        // On the monotonic clock, far from its start.
        const auto ns = [](const QList<int> &ms) {
            QList<qint64> times;
            for (int m : ms)
                times << FirstNs + m * MsNs;
            return times;
        };
        const ClickCalibration::Result result =
            ClickCalibration::measure(ns(t.clicksMs), ns(t.tapsMs), t.inUseMs, 1000 * MsNs);
        QCOMPARE(result.usedTaps, t.used);
        QCOMPARE(result.ignoredTaps, t.ignored);
        QCOMPARE(result.measuredMs.has_value(), t.measured);
        QCOMPARE(result.keptMs, t.keptMs);
    }
};

QTEST_GUILESS_MAIN(TestRhythm)
#include "tst_rhythm.moc"
