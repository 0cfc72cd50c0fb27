// SPDX-License-Identifier: GPL-3.0-or-later
// What the history says, on made-up histories whose answer is known: the slow finger is
// named, the confusion table counts exactly, the coupling of the hands tells
// independent strikes from simultaneous ones, and a stored hand number that is neither
// hand counts for none. The figures a teacher reads are pinned exactly: the quartiles,
// the trend per week, the edge of the coupling's window and its words.
#include "ExerciseEvents.h"
#include "adaptive/WeaknessModel.h"
#include "history/HistoryStore.h"
#include "history/Statistics.h"

#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime Day(QDate(2026, 12, 1), QTime(18, 0), Qt::OffsetFromUTC, 3600);

// Exercises of two hands: every task right unless `wrong` says otherwise, each finger
// answered after its own reaction time with some spread.
struct Maker {
    HistoryData data;
    QRandomGenerator random{42};

    qint64 exercise(const QString &kind = QStringLiteral("random"), int day = 0)
    {
        HistoryData::Session s;
        s.id = data.sessions.size() + 1;
        s.uid = QString::number(s.id);
        s.player = QStringLiteral("Mira");
        s.kind = kind;
        s.started = Day.addDays(day).addSecs(s.id);
        data.sessions << s;
        return s.id;
    }
    void strike(qint64 session, int hand, int task, int expected, int struck, double reaction,
                double at)
    {
        data.tasks << HistoryData::Task{session, Hand(hand),    task,         expected,
                                        false,   at - reaction, std::nullopt, false};
        HistoryData::Strike s;
        s.session = session;
        s.hand = Hand(hand);
        s.task = task;
        s.expected = expected;
        s.struck = struck;
        s.correct = expected == struck;
        s.reactionMs = reaction;
        s.atMs = at;
        data.strikes << s;
    }
    double around(double ms) { return ms + random.bounded(60.0) - 30.0; }
};

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void slowedFingerIsNamedSlowest_data();
    void slowedFingerIsNamedSlowest();
    void confusionCountsExactly();
    void memorizedNotesAreNotPlayed();
    void numbersOfNoHandCountForNone_data();
    void numbersOfNoHandCountForNone();
    void confusionIsNamedWhenClear_data();
    void confusionIsNamedWhenClear();
    void touchOfEachFinger_data();
    void touchOfEachFinger();
    void coupling_data();
    void coupling();
    void twoHandCostComparesBusyWithIdle();
    void oneHandExercisesAreTheBaseline();
    void reactionQuartiles_data();
    void reactionQuartiles();
    void trendPerWeek_data();
    void trendPerWeek();
    void togetherWindowEndsAt50Ms_data();
    void togetherWindowEndsAt50Ms();
    void couplingInWords_data();
    void couplingInWords();
    void timingOfNotesPlayedInTime_data();
    void timingOfNotesPlayedInTime();
    void touchOfNotesPlayedInTime();
};

void TestStatistics::slowedFingerIsNamedSlowest_data()
{
    QTest::addColumn<int>("hand");
    QTest::addColumn<int>("finger");
    QTest::addColumn<QString>("finding");
    QTest::newRow("left ring") << 0 << 4 << "Left ring finger: slowest (";
    QTest::newRow("right thumb") << 1 << 1 << "Right thumb: slowest (";
}

void TestStatistics::slowedFingerIsNamedSlowest()
{
    QFETCH(int, hand);
    QFETCH(int, finger);
    QFETCH(QString, finding);
    Maker m;
    const qint64 e = m.exercise();
    double at = 0;
    for (int task = 1; task <= 300; ++task) {
        const int f = task % 5 + 1;
        const double reaction = m.around(f == finger ? 640 : 420);
        at += reaction + 100;
        m.strike(e, hand, task, f, f, reaction, at);
    }
    const StatisticsResult r = Statistics::compute(m.data);
    QVERIFY(!r.empty);
    QVERIFY2(r.findings.value(0).startsWith(finding), qPrintable(r.findings.join(u'|')));
    QVERIFY(qAbs(*r.hands[hand].fingers[finger - 1].median - 640) < 20);
    QCOMPARE(r.hands[hand].fingers[finger - 1].wrongShare(), 0.0);
}

void TestStatistics::confusionCountsExactly()
{
    Maker m;
    const qint64 e = m.exercise();
    // Expected -> struck, how many times.
    const struct {
        int expected, struck, times;
    } strikes[] = {{4, 4, 7}, {4, 5, 3}, {4, 3, 1}, {2, 2, 5}, {1, 2, 2}};
    int task = 0;
    for (const auto &s : strikes) {
        for (int i = 0; i < s.times; ++i) {
            ++task;
            m.strike(e, 1, task, s.expected, s.struck, 400, task * 1000.0);
        }
    }
    const StatisticsResult r = Statistics::compute(m.data);
    std::array<std::array<int, 5>, 5> expected{};
    for (const auto &s : strikes)
        expected[s.expected - 1][s.struck - 1] += s.times;
    QCOMPARE(r.hands[1].confusion, expected);
    QCOMPARE(r.hands[1].fingers[3].strikes, 11);
    QCOMPARE(r.hands[1].fingers[3].wrong, 4);
    // Nothing of the right hand lands in the left hand's table.
    QCOMPARE(r.hands[0].confusion, (std::array<std::array<int, 5>, 5>{}));
}

void TestStatistics::memorizedNotesAreNotPlayed()
{
    Maker m;
    const qint64 e = m.exercise(QStringLiteral("memory"));
    // Six notes to remember, struck wrong while being shown; then played, all right.
    for (int task = 1; task <= 6; ++task) {
        m.strike(e, 0, task, 2, 3, 400, task * 1000.0);
        m.data.tasks.last().memorize = m.data.strikes.last().memorize = true;
    }
    for (int task = 7; task <= 18; ++task)
        m.strike(e, 0, task, 2, 2, 400, task * 1000.0);
    const StatisticsResult r = Statistics::compute(m.data);
    QCOMPARE(r.hands[0].fingers[1].strikes, 12);
    QCOMPARE(r.hands[0].fingers[1].wrong, 0);
    QCOMPARE(r.hands[0].confusion[1][2], 0);
    QCOMPARE(r.strikes, 12);
    QVERIFY(Statistics::report(r, {}).startsWith(QStringLiteral("1 exercise, 12 strikes\n")));
}

void TestStatistics::numbersOfNoHandCountForNone_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("2") << 2;
    QTest::newRow("-1") << -1;
}

void TestStatistics::numbersOfNoHandCountForNone()
{
    // A file made elsewhere may hold any number as a strike's hand.
    QFETCH(int, number);
    Maker m;
    const qint64 e = m.exercise();
    for (int task = 1; task <= 12; ++task)
        m.strike(e, number, task, 2, 2, 400, task * 1000.0);
    const StatisticsResult r = Statistics::compute(m.data);
    QCOMPARE(r.strikes, 0);
    QVERIFY(!r.hands[0].fingers[1].median && !r.hands[1].fingers[1].median);
    const WeaknessModel model = WeaknessModel::fromHistory(m.data);
    QCOMPARE(model.strikes(Hand::Left, 2) + model.strikes(Hand::Right, 2), 0);
}

void TestStatistics::confusionIsNamedWhenClear_data()
{
    QTest::addColumn<double>("ringMs");
    QTest::addColumn<int>("asMiddle"); // of the left ring finger's 25 strikes
    QTest::addColumn<int>("asLittle");
    QTest::addColumn<QString>("finding");
    QTest::addColumn<bool>("named"); // the finding says it was taken for the middle finger
    QTest::newRow("clear") << 420.0 << 10 << 0 << "Left ring finger: 40 % wrong" << true;
    QTest::newRow("slowest and confused")
        << 700.0 << 10 << 0 << "Left ring finger: slowest (" << true;
    QTest::newRow("a clear lead") << 420.0 << 6 << 3 << "Left ring finger: 36 % wrong" << true;
    QTest::newRow("a tie") << 420.0 << 3 << 3 << "Left ring finger: 24 % wrong" << false;
    QTest::newRow("no clear lead") << 420.0 << 4 << 3 << "Left ring finger: 28 % wrong" << false;
    QTest::newRow("too few") << 420.0 << 2 << 1 << "Left ring finger: 12 % wrong" << false;
}

void TestStatistics::confusionIsNamedWhenClear()
{
    QFETCH(double, ringMs);
    QFETCH(int, asMiddle);
    QFETCH(int, asLittle);
    QFETCH(QString, finding);
    QFETCH(bool, named);
    Maker m;
    const qint64 e = m.exercise();
    int ring = 0;
    for (int task = 1; task <= 125; ++task) {
        const int f = task % 5 + 1;
        int struck = f;
        if (f == 4) {
            ++ring;
            struck = ring <= asMiddle ? 3 : ring <= asMiddle + asLittle ? 5 : 4;
        }
        // The thumb is the slowest finger unless the ring finger is slower.
        const double reaction = m.around(f == 4 ? ringMs : f == 1 ? 600 : 420);
        m.strike(e, 0, task, f, struck, reaction, task * 1500.0);
    }
    const StatisticsResult r = Statistics::compute(m.data);
    const QString all = r.findings.join(u'|');
    const auto found = std::find_if(r.findings.begin(), r.findings.end(),
                                    [&](const QString &f) { return f.startsWith(finding); });
    QVERIFY2(found != r.findings.end(), qPrintable(all));
    QCOMPARE(found->contains(QStringLiteral(", most often taken for the middle finger")), named);
    QVERIFY2(named || !all.contains(QStringLiteral("taken for")), qPrintable(all));
}

void TestStatistics::touchOfEachFinger_data()
{
    QTest::addColumn<QList<int>>("velocities"); // of the right ring finger's strikes
    QTest::addColumn<bool>("figure");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("spread");
    QTest::addColumn<bool>("named"); // the finding names it as least even
    QTest::newRow("even") << QList<int>{80, 82, 79, 81, 80} << true << 80.0 << 1.0 << false;
    QTest::newRow("uneven") << QList<int>{40, 100, 60, 90, 70} << true << 70.0 << 30.0 << true;
    QTest::newRow("too few") << QList<int>{40, 100} << false << 0.0 << 0.0 << false;
    QTest::newRow("keyboard only") << QList<int>{} << false << 0.0 << 0.0 << false;
}

void TestStatistics::touchOfEachFinger()
{
    QFETCH(QList<int>, velocities);
    QFETCH(bool, figure);
    Maker m;
    const qint64 e = m.exercise();
    int task = 0;
    for (int v : velocities) {
        ++task;
        // Asked for the middle finger, struck with the ring finger: touch is the striker's.
        m.strike(e, 1, task, 3, 4, 400, task * 1000.0);
        m.data.strikes.last().velocity = v;
    }
    for (int i = 0; i < 6; ++i, ++task)
        m.strike(e, 0, task, 2, 2, 400, task * 1000.0); // keyboard strikes: no velocity
    const StatisticsResult r = Statistics::compute(m.data);
    const StatisticsResult::Finger &ring = r.hands[1].fingers[3];
    QCOMPARE(bool(ring.velocityMedian), figure);
    QVERIFY(!r.hands[1].fingers[2].velocityMedian);
    QVERIFY(!r.hands[0].fingers[1].velocityMedian);
    QFETCH(bool, named);
    QCOMPARE(r.findings.join(u'|').contains(QStringLiteral("Right ring finger: least even")),
             named);
    const QString report = Statistics::report(r, {});
    QCOMPARE(report.contains(QStringLiteral("touch, MIDI velocity")), figure);
    if (!figure)
        return;
    QFETCH(double, median);
    QFETCH(double, spread);
    QCOMPARE(*ring.velocityMedian, median);
    QCOMPARE(*ring.velocitySpread(), spread);
}

void TestStatistics::coupling_data()
{
    QTest::addColumn<double>("jitterMs"); // < 0: the two hands' times are independent
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("offsetMs"); // of the right hand's strikes from the left's
    QTest::newRow("independent") << -1.0 << 85.0 << 100.0 << 0.0;
    QTest::newRow("together within 10 ms") << 10.0 << 0.0 << 8.0 << 0.0;
    QTest::newRow("right 20-30 ms before the left") << 10.0 << 0.0 << 8.0 << -30.0;
    QTest::newRow("a steady 70-80 ms apart") << 10.0 << 85.0 << 100.0 << 70.0;
    QTest::newRow("right a steady 70-80 ms before") << 10.0 << 85.0 << 100.0 << -80.0;
    QTest::newRow("40 ms apart") << 0.0 << 0.0 << 8.0 << 40.0;
}

// The coupling by its plain definition: left strikes with a right strike at most 50 ms
// away, against the same count with the right hand's times moved by 700 to 3000 ms.
double plainCoupling(const QList<QList<double>> &left, const QList<QList<double>> &right)
{
    const auto together = [](const QList<double> &l, const QList<double> &r, double shift) {
        return std::count_if(l.begin(), l.end(), [&](double t) {
            return std::any_of(r.begin(), r.end(),
                               [&](double u) { return std::abs(u + shift - t) <= 50; });
        });
    };
    double observed = 0, chance = 0, possible = 0;
    for (qsizetype e = 0; e < left.size(); ++e) {
        observed += double(together(left[e], right[e], 0));
        double sum = 0;
        for (int ms = 700; ms <= 3000; ms += 100)
            sum += double(together(left[e], right[e], ms) + together(left[e], right[e], -ms));
        chance += sum / 48;
        possible += double(left[e].size());
    }
    return std::clamp(100.0 * (1.0 - (observed - chance) / (possible - chance)), 0.0, 100.0);
}

void TestStatistics::coupling()
{
    QFETCH(double, jitterMs);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, offsetMs);
    QRandomGenerator random(7);
    QList<QList<double>> left, right;
    for (int e = 0; e < 5; ++e) {
        QList<double> l, r;
        double t = 0, u = 0;
        for (int i = 0; i < 120; ++i) {
            t += 300 + random.bounded(600.0);
            l << t;
            u += 300 + random.bounded(600.0);
            r << (jitterMs < 0 ? u : t + offsetMs + random.bounded(jitterMs));
        }
        left << l;
        right << r;
    }
    const std::optional<double> c = Statistics::coupling(left, right);
    QVERIFY(c);
    QVERIFY2(*c >= low && *c <= high, qPrintable(QString::number(*c)));
    QVERIFY2(std::abs(*c - plainCoupling(left, right)) < 1e-9,
             qPrintable(QStringLiteral("%1 against %2").arg(*c).arg(plainCoupling(left, right))));
}

void TestStatistics::twoHandCostComparesBusyWithIdle()
{
    // The left hand is 20 % slower on tasks that come while the right hand waits on a
    // task of its own.
    Maker m;
    const qint64 e = m.exercise();
    double at = 0;
    for (int task = 1; task <= 40; ++task) {
        const bool busy = task % 2 == 0;
        at += 2000;
        if (busy)
            m.strike(e, 1, task, 1, 1, 900, at + 900); // shown at `at`, struck after the left
        const double reaction = busy ? 600 : 500;
        m.strike(e, 0, task, 2, 2, reaction, at + reaction);
    }
    const StatisticsResult r = Statistics::compute(m.data);
    QVERIFY(r.hands[0].twoHandCost);
    QCOMPARE(qRound(*r.hands[0].twoHandCost), 120);
}

void TestStatistics::oneHandExercisesAreTheBaseline()
{
    // The left hand alone answers in 400 ms; with the right hand playing, in 500 ms.
    Maker m;
    const qint64 alone = m.exercise();
    const qint64 both = m.exercise();
    for (int task = 1; task <= 30; ++task) {
        m.strike(alone, 0, task, 3, 3, 400, task * 1000.0 + 400);
        m.strike(both, 0, task, 3, 3, 500, task * 1000.0 + 500);
        m.strike(both, 1, task, 2, 2, 450, task * 1000.0 + 450);
    }
    const StatisticsResult r = Statistics::compute(m.data);
    QVERIFY(r.hands[0].twoHandCostFromOneHand);
    QCOMPARE(qRound(*r.hands[0].twoHandCost), 125);
    QVERIFY(
        r.findings.contains(QStringLiteral("Left hand: 25 % slower with both hands than alone")));
    // The right hand never played alone: its figure is the busy-against-idle one, if any.
    QVERIFY(!r.hands[1].twoHandCostFromOneHand);
}

void TestStatistics::reactionQuartiles_data()
{
    QTest::addColumn<QList<double>>("reactions"); // of the right middle finger, as struck
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("upper");
    const QList<double> hundreds = {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    QTest::newRow("100 to 1000") << hundreds << 325.0 << 550.0 << 775.0;
    QTest::newRow("100 to 1000, shuffled")
        << QList<double>{700, 100, 1000, 400, 300, 900, 200, 600, 800, 500} << 325.0 << 550.0
        << 775.0;
    QTest::newRow("100 to 900") << hundreds.first(9) << 300.0 << 500.0 << 700.0;
}

void TestStatistics::reactionQuartiles()
{
    QFETCH(QList<double>, reactions);
    QFETCH(double, lower);
    QFETCH(double, median);
    QFETCH(double, upper);
    Maker m;
    const qint64 e = m.exercise();
    for (int task = 1; task <= reactions.size(); ++task)
        m.strike(e, 1, task, 3, 3, reactions[task - 1], task * 2000.0);
    const StatisticsResult r = Statistics::compute(m.data);
    const StatisticsResult::Finger &middle = r.hands[1].fingers[2];
    QCOMPARE(*middle.lowerQuartile, lower);
    QCOMPARE(*middle.median, median);
    QCOMPARE(*middle.upperQuartile, upper);
    const QString row = QStringLiteral("%1 ms %2-%3 ms").arg(median).arg(lower).arg(upper);
    QVERIFY2(Statistics::report(r, {}).simplified().contains(row), qPrintable(row));
}

void TestStatistics::trendPerWeek_data()
{
    QTest::addColumn<double>("msPerWeek");
    QTest::addColumn<QString>("finding"); // empty: none
    QTest::newRow("slower") << 12.0 << "Right hand: 12 ms slower per week";
    QTest::newRow("faster") << -20.0 << "Right hand: 20 ms faster per week";
    QTest::newRow("just over a ms") << 1.2 << "Right hand: 1 ms slower per week";
    QTest::newRow("under a ms") << -0.8 << "";
}

void TestStatistics::trendPerWeek()
{
    QFETCH(double, msPerWeek);
    QFETCH(QString, finding);
    // An exercise a week, each answered in the same time, that time changing steadily.
    Maker m;
    for (int week = 0; week < 4; ++week) {
        const qint64 e = m.exercise(QStringLiteral("random"), 7 * week);
        for (int task = 1; task <= 5; ++task)
            m.strike(e, 1, task, 2, 2, 500 + week * msPerWeek, task * 1000.0);
    }
    const StatisticsResult r = Statistics::compute(m.data);
    QVERIFY(r.hands[1].trendMsPerWeek);
    QVERIFY2(qAbs(*r.hands[1].trendMsPerWeek - msPerWeek) < 1e-3,
             qPrintable(QString::number(*r.hands[1].trendMsPerWeek)));
    QCOMPARE(r.findings.filter(QStringLiteral(" per week")),
             finding.isEmpty() ? QStringList() : QStringList{finding});
}

void TestStatistics::togetherWindowEndsAt50Ms_data()
{
    // The right strike's time from the left one's, in every other pair and in the rest.
    QTest::addColumn<double>("evenMs");
    QTest::addColumn<double>("oddMs");
    QTest::addColumn<double>("expected");
    QTest::newRow("50 ms after") << 50.0 << 50.0 << 0.0;
    QTest::newRow("50 ms before") << -50.0 << -50.0 << 0.0;
    QTest::newRow("51 ms after") << 51.0 << 51.0 << 100.0;
    QTest::newRow("51 ms before") << -51.0 << -51.0 << 100.0;
    // Half together, the rest 750 ms late: moved 700 or 800 ms back (2 of the 48 shifts)
    // they come exactly 50 ms near. At 751 ms only the 800 ms shift does, to 49 ms.
    QTest::newRow("chance at 50 ms") << 0.0 << 750.0 << 100.0 * 24 / 47;
    QTest::newRow("chance at 49 and 51 ms") << 0.0 << 751.0 << 100.0 * 48 / 95;
}

void TestStatistics::togetherWindowEndsAt50Ms()
{
    QFETCH(double, evenMs);
    QFETCH(double, oddMs);
    QFETCH(double, expected);
    // Pairs 10 s apart: no shift reaches from one pair into the next.
    QList<double> left, right;
    for (int i = 1; i <= 40; ++i) {
        left << i * 10000.0;
        right << i * 10000.0 + (i % 2 ? oddMs : evenMs);
    }
    const std::optional<double> c = Statistics::coupling({left}, {right});
    QVERIFY(c);
    QCOMPARE(*c, expected);
}

void TestStatistics::couplingInWords_data()
{
    QTest::addColumn<int>("together"); // of the 250 left strikes, struck with a right one
    QTest::addColumn<QString>("finding");
    QTest::newRow("80") << 50 << "The hands work independently (coupling 80 of 100)";
    QTest::newRow("79.6") << 51 << "The hands work independently (coupling 80 of 100)";
    QTest::newRow("78.8") << 53 << "The hands sometimes strike together (coupling 79 of 100)";
    QTest::newRow("50") << 125 << "The hands sometimes strike together (coupling 50 of 100)";
    QTest::newRow("49.6") << 126 << "The hands sometimes strike together (coupling 50 of 100)";
    QTest::newRow("48.8") << 128 << "The hands often strike together (coupling 49 of 100)";
}

void TestStatistics::couplingInWords()
{
    QFETCH(int, together);
    QFETCH(QString, finding);
    // The left hand strikes every 10 s, the right hand with it or 5 s later, out of reach
    // of every shift: chance adds nothing, and the coupling is 100 less 0.4 a strike.
    Maker m;
    const qint64 e = m.exercise();
    for (int task = 1; task <= 250; ++task) {
        const double at = task * 10000.0;
        m.strike(e, 0, task, 2, 2, 400, at);
        m.strike(e, 1, task, 3, 3, 400, at + (task <= together ? 0 : 5000));
    }
    const StatisticsResult r = Statistics::compute(m.data);
    QCOMPARE(r.findings.filter(QStringLiteral("(coupling ")), QStringList{finding});
}

void TestStatistics::timingOfNotesPlayedInTime_data()
{
    // The findings with their figure as #, and the figures, which may be off by the
    // jitter's share.
    QTest::addColumn<double>("lateMs");
    QTest::addColumn<double>("silentDriftMs");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<QList<int>>("figures");
    QTest::newRow("fourth finger late")
        << 30.0 << 0.0
        << QStringList{QStringLiteral(
                           "Left ring finger: # ms late on average; steadiest at 88 bpm"),
                       QStringLiteral(
                           "Right ring finger: # ms late on average; steadiest at 88 bpm")}
        << QList<int>{30, 30};
    QTest::newRow("fourth finger early")
        << -25.0 << 0.0
        << QStringList{QStringLiteral(
                           "Left ring finger: # ms early on average; steadiest at 88 bpm"),
                       QStringLiteral(
                           "Right ring finger: # ms early on average; steadiest at 88 bpm")}
        << QList<int>{25, 25};
    QTest::newRow("in time") << 0.0 << 0.0 << QStringList{} << QList<int>{};
    QTest::newRow("dragging without the click")
        << 0.0 << 35.0 << QStringList{QStringLiteral("Without the click you drift # ms late")}
        << QList<int>{35};
    QTest::newRow("rushing without the click")
        << 0.0 << -20.0 << QStringList{QStringLiteral("Without the click you drift # ms early")}
        << QList<int>{20};
}

void TestStatistics::timingOfNotesPlayedInTime()
{
    QFETCH(double, lateMs);
    QFETCH(double, silentDriftMs);
    QFETCH(QStringList, findings);
    QFETCH(QList<int>, figures);
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    // The faster exercises are played less evenly: their spread is the greater.
    for (const auto &[number, bpm, jitter] : {std::tuple{1, 88, 0.0}, std::tuple{2, 120, 8.0},
                                              std::tuple{3, 88, 0.0}, std::tuple{4, 120, 8.0}}) {
        QList<PracticeEvent> events =
            rhythmExercise(quint64(number), QStringLiteral("Hanon3"), bpm, bpm == 88, lateMs);
        // Each finger's jitter goes either way in turn; silent bars only where they drift.
        QMap<int, int> turns;
        for (PracticeEvent &e : events) {
            e.silent = e.silent && silentDriftMs != 0;
            if (e.type != PracticeEvent::Type::Strike)
                continue;
            const int turn = turns[e.expected + 10 * int(e.hand)]++;
            const double moved = (e.silent ? silentDriftMs : 0) + (turn % 2 ? jitter : -jitter);
            *e.deviationMs += moved;
            e.timeNs += qint64(moved * 1e6);
        }
        QVERIFY(store.record(events));
    }
    const StatisticsResult result = store.statistics({}, Started.addDays(1));
    QStringList timing;
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral("(\\d+) ms"));
    for (QString finding : result.findings) {
        if (!finding.contains(QLatin1String(" on average")) &&
            !finding.contains(QLatin1String("drift")))
            continue;
        numbers << number.match(finding).captured(1).toInt();
        timing << finding.replace(number, QStringLiteral("# ms"));
    }
    QCOMPARE(timing, findings);
    for (qsizetype i = 0; i < numbers.size(); ++i)
        QVERIFY2(qAbs(numbers[i] - figures[i]) <= 2, qPrintable(QString::number(numbers[i])));
    for (Hand h : BothHands) {
        const StatisticsResult::HandTiming &hand = result.timingOf(h);
        // Notes played in time have no reaction time: no reaction median comes of them.
        for (const StatisticsResult::Finger &finger : result.hand(h).fingers)
            QVERIFY(!finger.median && finger.strikes > 0);
        if (silentDriftMs == 0)
            QVERIFY(qAbs(*hand.fingers[3].meanMs - lateMs) < 3);
        QVERIFY(hand.evenness && *hand.evenness < 20);
        QCOMPARE(hand.evennessOverTime.size(), 4);
    }
    QCOMPARE(result.tempi.size(), 1);
    QCOMPARE(result.tempi[0].bestCleanBpm, 88);
    QCOMPARE(result.tempi[0].exercises, 4);
    const QString report = Statistics::report(result, {});
    QVERIFY2(report.contains(QStringLiteral("  Hanon3: 4 exercises, best clean tempo 88 bpm")),
             qPrintable(report));
}

void TestStatistics::touchOfNotesPlayedInTime()
{
    // The right hand plays a MIDI keyboard: the ring finger's notes alternate between 60
    // and 80, the others are all struck at 70; the left hand's keyboard has no touch.
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    QList<PracticeEvent> events = rhythmExercise(1, QStringLiteral("Hanon3"), 88, true, 0);
    int turn = 0;
    for (PracticeEvent &e : events) {
        if (e.type == PracticeEvent::Type::Strike && e.hand == Hand::Right) {
            e.device = QStringLiteral("midi");
            e.velocity = e.expected == 4 ? (turn++ % 2 ? 80 : 60) : 70;
        }
    }
    QVERIFY(store.record(events));
    const StatisticsResult result = store.statistics({}, Started.addDays(1));
    const auto &right = result.timingOf(Hand::Right).fingers;
    // Five notes: 60 80 60 80 60, mean 68, standard deviation 10.95.
    QCOMPARE(qRound(*right[3].touchVariation * 10), 161);
    QCOMPARE(*right[0].touchVariation, 0.0);
    QVERIFY(!result.timingOf(Hand::Left).fingers[3].touchVariation);
    QVERIFY(Statistics::report(result, {}).contains(QLatin1String("  touch varies")));
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
