// SPDX-License-Identifier: GPL-3.0-or-later
// The adaptive drill: which fingers it gives, how its weakness and pace move, and a drill
// of one hand.
#include "DrillFakes.h"
#include "adaptive/AdaptiveDrill.h"
#include "adaptive/AdaptivePace.h"
#include "adaptive/FingerChooser.h"
#include "adaptive/PlayerWeakness.h"
#include "adaptive/WeaknessModel.h"
#include "history/HistoryStore.h"
#include "random/RandomDrill.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <numeric>

namespace {

struct Profile {
    double ms;
    int wrongInTen;
};

// A history of 60 strikes a finger of one hand, each finger with its own profile.
WeaknessModel modelOf(Hand hand, const std::array<Profile, 5> &fingers)
{
    WeaknessModel model;
    for (int i = 0; i < 60; ++i) {
        for (int f = 1; f <= 5; ++f) {
            const bool wrong = i % 10 < fingers[f - 1].wrongInTen;
            model.observe(hand, f == 1 ? 5 : f - 1, f, !wrong, fingers[f - 1].ms + (i % 7) * 10);
        }
    }
    return model;
}

// A sequential exercise of Mira's, 30 tasks a hand, one wrong strike in five.
QList<PracticeEvent> practice(quint64 number, const QDateTime &when, int seed)
{
    QRandomGenerator random{quint32(seed)};
    PracticeEvent start;
    start.type = PracticeEvent::Type::ExerciseStarted;
    start.exercise = number;
    start.kind = QStringLiteral("sequential");
    start.player = QStringLiteral("Mira");
    start.wallClock = when;
    start.timeNs = 1'000'000'000;
    QList<PracticeEvent> events{start};
    for (int task = 1; task <= 30; ++task) {
        for (Hand h : {Hand::Left, Hand::Right}) {
            PracticeEvent shown;
            shown.type = PracticeEvent::Type::TaskShown;
            shown.exercise = number;
            shown.hand = h;
            shown.task = task;
            shown.expected = int(random.bounded(5)) + 1;
            shown.timeNs = start.timeNs + qint64(task) * 1'000'000'000;
            PracticeEvent strike = shown;
            strike.type = PracticeEvent::Type::Strike;
            strike.struck = random.bounded(5) ? shown.expected : shown.expected % 5 + 1;
            strike.right = strike.struck == shown.expected;
            strike.reactionMs = 300 + random.bounded(200.0);
            strike.points = strike.right ? 5 : 0;
            strike.timeNs = shown.timeNs + 400'000'000;
            events << shown << strike;
        }
    }
    return events;
}

} // namespace

Q_DECLARE_METATYPE(Profile)

class TestAdaptive : public QObject {
    Q_OBJECT
private slots:
    void weakFingersComeMoreButAllKeepComing_data();
    void weakFingersComeMoreButAllKeepComing();
    void placementGivesEveryFingerFirst();
    void wrongStrikesNeverStrengthen_data();
    void wrongStrikesNeverStrengthen();
    void paceFollowsTheHand_data();
    void paceFollowsTheHand();
    void oneHandLeavesTheOtherUntouched_data();
    void oneHandLeavesTheOtherUntouched();
    void chancesAddUpToOne_data();
    void chancesAddUpToOne();
    void endMessageSaysWhatImproved_data();
    void endMessageSaysWhatImproved();
    void keptWeaknessEqualsAWholeReading();
    void practiceInTimeLeavesWeaknessAlone();
};

void TestAdaptive::weakFingersComeMoreButAllKeepComing_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("weak");
    QTest::addColumn<Profile>("weakProfile");
    QTest::newRow("slow left ring") << Hand::Left << 4 << Profile{900, 0};
    QTest::newRow("left thumb often wrong") << Hand::Left << 1 << Profile{500, 4};
    QTest::newRow("right little slow and wrong") << Hand::Right << 5 << Profile{800, 2};
}

void TestAdaptive::weakFingersComeMoreButAllKeepComing()
{
    QFETCH(Hand, hand);
    QFETCH(int, weak);
    QFETCH(Profile, weakProfile);
    std::array<Profile, 5> profiles;
    profiles.fill(Profile{450, 0});
    profiles[weak - 1] = weakProfile;
    const WeaknessModel model = modelOf(hand, profiles);
    SeededRandom random(11);
    FingerChooser chooser;
    std::array<int, 5> count{};
    QList<int> given;
    for (int i = 0; i < 1000; ++i) {
        const int f = chooser.choose(model, hand, random);
        QVERIFY(f >= 1 && f <= 5);
        ++count[f - 1];
        given << f;
    }
    for (int f = 1; f <= 5; ++f) {
        QVERIFY2(count[f - 1] >= 80,
                 qPrintable(QStringLiteral("finger %1: %2").arg(f).arg(count[f - 1])));
        if (f != weak)
            QVERIFY2(count[weak - 1] >= 2 * count[f - 1],
                     qPrintable(QStringLiteral("weak %1, finger %2: %3")
                                    .arg(count[weak - 1])
                                    .arg(f)
                                    .arg(count[f - 1])));
    }
    // Never the shown finger again, never more than three of six tasks for one finger.
    for (int i = 1; i < given.size(); ++i)
        QVERIFY(given[i] != given[i - 1]);
    for (int i = 0; i + FingerChooser::RecentWindow <= given.size(); ++i) {
        const QList<int> window = given.mid(i, FingerChooser::RecentWindow);
        for (int f = 1; f <= 5; ++f)
            QVERIFY(window.count(f) <= FingerChooser::MostInWindow);
    }
}

void TestAdaptive::placementGivesEveryFingerFirst()
{
    WeaknessModel model;
    SeededRandom random(3);
    FingerChooser chooser;
    std::array<int, 5> count{};
    // Fifteen tasks, each answered right: every finger three times.
    for (int i = 0; i < 15; ++i) {
        const int f = chooser.choose(model, Hand::Right, random);
        ++count[f - 1];
        model.observe(Hand::Right, 0, f, true, 500);
    }
    QCOMPARE(count, (std::array<int, 5>{3, 3, 3, 3, 3}));

    // A hand with a history is judged by it: a quick ring finger struck right only once
    // is not placed first, it gets its floor.
    WeaknessModel played;
    for (int i = 0; i < 10; ++i) {
        for (int f : {1, 2, 3, 5})
            played.observe(Hand::Left, 0, f, false, 300);
    }
    played.observe(Hand::Left, 0, 4, true, 300);
    const QList<double> p = FingerChooser::chances(played, Hand::Left, {});
    QVERIFY2(p[3] < FingerChooser::Floor + 0.01, qPrintable(QString::number(p[3])));
    for (int f : {0, 1, 2, 4})
        QVERIFY(p[f] > 0.2);
}

void TestAdaptive::wrongStrikesNeverStrengthen_data()
{
    QTest::addColumn<int>("rightInTen"); // of the burst
    QTest::addColumn<double>("burstMs");
    QTest::newRow("fast wrong strikes") << 0 << 60.0;
    QTest::newRow("keys struck at random") << 2 << 50.0;
    QTest::newRow("slow wrong strikes") << 0 << 1500.0;
}

void TestAdaptive::wrongStrikesNeverStrengthen()
{
    QFETCH(int, rightInTen);
    QFETCH(double, burstMs);
    WeaknessModel model;
    for (int i = 0; i < 40; ++i)
        model.observe(Hand::Left, 0, 3, true, 520);
    const double before = *model.weakness(Hand::Left, 3);
    for (int i = 0; i < 30; ++i) {
        const bool right = i % 10 < rightInTen;
        const double was = *model.weakness(Hand::Left, 3);
        model.observe(Hand::Left, 0, 3, right, burstMs);
        if (!right)
            QVERIFY2(*model.weakness(Hand::Left, 3) >= was, "a wrong strike lowered the weakness");
    }
    QVERIFY(*model.weakness(Hand::Left, 3) > 1.5 * before);
    QVERIFY(model.errorRate(Hand::Left, 3) > 0.5);
    // Other fingers are not touched.
    QVERIFY(!model.weakness(Hand::Left, 2));
}

void TestAdaptive::paceFollowsTheHand_data()
{
    QTest::addColumn<int>("startMs");
    QTest::addColumn<int>("quickInTen");
    QTest::addColumn<int>("afterOneBlock");
    QTest::addColumn<int>("afterMany");
    QTest::newRow("quick hand speeds up") << 1000 << 9 << 850 << AdaptivePace::FastestMs;
    QTest::newRow("80 % stays") << 1000 << 8 << 1000 << 1000;
    QTest::newRow("struggling hand slows") << 1000 << 6 << 1176 << AdaptivePace::SlowestMs;
    QTest::newRow("70 % is not below it") << 2000 << 7 << 2000 << 2000;
    QTest::newRow("fastest level stays fastest") << 400 << 10 << 400 << AdaptivePace::FastestMs;
    QTest::newRow("slowest level stays slowest") << 3000 << 0 << 3000 << AdaptivePace::SlowestMs;
}

void TestAdaptive::paceFollowsTheHand()
{
    QFETCH(int, startMs);
    QFETCH(int, quickInTen);
    QFETCH(int, afterOneBlock);
    QFETCH(int, afterMany);
    AdaptivePace pace(startMs);
    for (int block = 0; block < 30; ++block) {
        for (int i = 0; i < AdaptivePace::Block; ++i) {
            // The pace changes only with the last task of a block.
            const int was = pace.intervalMs();
            const bool changed = pace.taskDone(i < quickInTen);
            QCOMPARE(changed, pace.intervalMs() != was);
            if (i < AdaptivePace::Block - 1)
                QVERIFY(!changed);
            QVERIFY(pace.intervalMs() >= AdaptivePace::FastestMs);
            QVERIFY(pace.intervalMs() <= AdaptivePace::SlowestMs);
        }
        if (block == 0)
            QCOMPARE(pace.intervalMs(), afterOneBlock);
    }
    QCOMPARE(pace.intervalMs(), afterMany);
}

void TestAdaptive::oneHandLeavesTheOtherUntouched_data()
{
    QTest::addColumn<bool>("adaptive");
    QTest::addColumn<bool>("leftPlays");
    QTest::newRow("adaptive, left only") << true << true;
    QTest::newRow("adaptive, right only") << true << false;
    QTest::newRow("random, left only") << false << true;
    QTest::newRow("random, right only") << false << false;
}

void TestAdaptive::oneHandLeavesTheOtherUntouched()
{
    QFETCH(bool, adaptive);
    QFETCH(bool, leftPlays);
    DrillFakes fakes;
    fakes.settings.PlayerName = QStringLiteral("Ana");
    SeededRandom random(5);
    std::unique_ptr<DrillCore> drill;
    if (adaptive) {
        auto a = std::make_unique<AdaptiveDrill>(fakes.ports(), random);
        a->Form_Load(QStringLiteral("XYL.WAV"));
        a->setTaskCount(12);
        drill = std::move(a);
    } else {
        auto r = std::make_unique<RandomDrill>(fakes.ports(), random);
        r->Form_Load(QStringLiteral("12"), QStringLiteral("XYL.WAV"));
        drill = std::move(r);
    }
    const Hand plays = leftPlays ? Hand::Left : Hand::Right;
    const Hand rests = leftPlays ? Hand::Right : Hand::Left;
    drill->setHands(leftPlays ? DrillCore::Hands::LeftOnly : DrillCore::Hands::RightOnly);
    QCOMPARE(drill->labels().text(DrillCore::taskLabel(rests)), QString());
    drill->mnuStart_Click();
    QVERIFY(!fakes.ticker(rests).isActive());
    for (int i = 0; i < 12; ++i) {
        // The resting hand's keys do nothing.
        drill->keyUp({rests, 1});
        drill->keyUp({plays, drill->hand(plays).task.toInt()});
        QCOMPARE(drill->labels().text(DrillCore::taskLabel(rests)), QString());
    }
    QCOMPARE(drill->hand(rests).count, qint16(0));
    QCOMPARE(drill->hand(rests).score, qint16(0));
    for (const PracticeEvent &e : fakes.events.events) {
        if (e.type == PracticeEvent::Type::TaskShown || e.type == PracticeEvent::Type::Strike)
            QCOMPARE(e.hand, plays);
    }
    // The playing hand's end finishes the exercise with the usual record.
    QVERIFY(drill->summaryWritten());
    const QString kind = adaptive ? QStringLiteral("Adaptive") : QStringLiteral("Random");
    QVERIFY2(
        QString::fromLatin1(fakes.file.bytes()).contains(kind + QStringLiteral(" 12 tasks\r\n")),
        fakes.file.bytes().constData());
}

void TestAdaptive::chancesAddUpToOne_data()
{
    QTest::addColumn<Profile>("ring"); // the left ring finger; the others 500 ms, never wrong
    QTest::addColumn<QList<int>>("recent");
    QTest::newRow("even, nothing shown") << Profile{500, 0} << QList<int>{};
    QTest::newRow("slow ring, thumb shown") << Profile{1200, 0} << QList<int>{1};
    QTest::newRow("wrong ring, ring shown") << Profile{500, 6} << QList<int>{2, 4};
    QTest::newRow("two fingers out") << Profile{900, 2} << QList<int>{3, 2, 3, 2, 3, 2};
}

void TestAdaptive::chancesAddUpToOne()
{
    QFETCH(Profile, ring);
    QFETCH(QList<int>, recent);
    const WeaknessModel model =
        modelOf(Hand::Left, {Profile{500, 0}, {500, 0}, {500, 0}, ring, {500, 0}});
    const QList<double> p = FingerChooser::chances(model, Hand::Left, recent);
    QCOMPARE(std::accumulate(p.begin(), p.end(), 0.0), 1.0);
    // Every finger that may come has at least the floor.
    for (int f = 1; f <= 5; ++f) {
        if (p[f - 1] > 0)
            QVERIFY(p[f - 1] >= FingerChooser::Floor - 1e-12);
    }
}

void TestAdaptive::endMessageSaysWhatImproved_data()
{
    // The left ring finger's strikes before the exercise and in it: how many, how fast,
    // how many of them wrong (the first ones).
    QTest::addColumn<QList<int>>("before"); // strikes, ms, wrong
    QTest::addColumn<QList<int>>("during");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("lowMs"); // the speed-up said lies in [lowMs, highMs]
    QTest::addColumn<int>("highMs");
    QTest::newRow("never right before")
        << QList<int>{10, 600, 10} << QList<int>{10, 600, 0}
        << "Most improved: the left ring finger, fewer wrong strikes." << 0 << 0;
    QTest::newRow("faster") << QList<int>{20, 800, 0} << QList<int>{20, 500, 0}
                            << "Most improved: the left ring finger, %1 ms faster on right strikes."
                            << 100 << 200;
    QTest::newRow("faster and fewer wrong")
        << QList<int>{20, 800, 10} << QList<int>{20, 500, 0}
        << "Most improved: the left ring finger, %1 ms faster on right strikes and fewer wrong "
           "strikes."
        << 100 << 300;
    QTest::newRow("no better") << QList<int>{20, 500, 0} << QList<int>{20, 500, 0} << "" << 0 << 0;
}

void TestAdaptive::endMessageSaysWhatImproved()
{
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, during);
    QFETCH(QString, said);
    QFETCH(int, lowMs);
    QFETCH(int, highMs);
    WeaknessModel model;
    const auto play = [&model](const QList<int> &strikes) {
        for (int i = 0; i < strikes[0]; ++i)
            model.observe(Hand::Left, 3, 4, i >= strikes[2], strikes[1]);
    };
    play(before);
    const WeaknessModel was = model;
    play(during);
    const QString message = AdaptiveDrill::endMessage(was, model, true, false);
    QVERIFY2(message.endsWith(QStringLiteral("Weakest now: the left ring finger.")),
             qPrintable(message));
    if (said.isEmpty()) {
        QVERIFY2(!message.contains(QStringLiteral("improved")), qPrintable(message));
        return;
    }
    // The one number said is the speed-up of the right strikes, in range.
    const QRegularExpression number(QStringLiteral("(\\d+) ms"));
    const QRegularExpressionMatch m = number.match(message);
    QCOMPARE(m.hasMatch(), highMs > 0);
    if (m.hasMatch()) {
        const int ms = m.captured(1).toInt();
        QVERIFY2(ms >= lowMs && ms <= highMs, qPrintable(message));
        said = said.arg(ms);
    }
    QVERIFY2(message.startsWith(said), qPrintable(message));
}

void TestAdaptive::keptWeaknessEqualsAWholeReading()
{
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    const QDateTime now = QDateTime::currentDateTime();
    quint64 number = 0;
    const auto play = [&](const QDateTime &when) {
        ++number;
        QVERIFY(store.record(practice(number, when, int(number))));
    };
    const auto whole = [&store](const QDateTime &at) {
        HistoryFilter filter;
        filter.player = QStringLiteral("Mira");
        return WeaknessModel::fromHistory(store.load(filter, at)).save();
    };
    const auto kept = [&store] {
        return store.summary(QStringLiteral("weakness"), QStringLiteral("Mira"));
    };
    for (int day = 5; day >= 1; --day)
        play(now.addDays(-day));
    play(now.addSecs(-600)); // within the hour: its last strikes may not be written yet
    QCOMPARE(playerWeakness(store, QStringLiteral("Mira"), now).save(), whole(now));
    QVERIFY(kept());
    QCOMPARE(kept()->throughMs, now.addDays(-1).toMSecsSinceEpoch());

    // Later, with more practice: read on from the kept model, the same as a whole reading.
    play(now.addSecs(1200));
    const QDateTime later = now.addSecs(3 * 3600);
    QCOMPARE(playerWeakness(store, QStringLiteral("Mira"), later).save(), whole(later));
    QCOMPARE(kept()->throughMs, now.addSecs(1200).toMSecsSinceEpoch());

    // An import brings older practice: what was kept no longer holds.
    HistoryStore other(dir.filePath(QStringLiteral("other.sqlite")));
    QVERIFY(other.record(practice(1, now.addDays(-20), 99)));
    QBuffer csv;
    csv.open(QIODevice::ReadWrite);
    QVERIFY(other.exportCsv(csv, {}, nullptr));
    csv.seek(0);
    QVERIFY(store.importCsv(csv).ok);
    QVERIFY(!kept());
    QCOMPARE(playerWeakness(store, QStringLiteral("Mira"), later).save(), whole(later));
}

// Strikes played in time have no reaction time, and one with the right finger may still be
// judged wrong for its timing: neither the weaknesses nor a finger's wrong strikes move.
void TestAdaptive::practiceInTimeLeavesWeaknessAlone()
{
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(store.record(practice(1, now.addDays(-1), 1)));
    const HistoryData before = store.load({}, now);
    QList<PracticeEvent> rhythm = practice(2, now.addSecs(-60), 2);
    rhythm.first().kind = QStringLiteral("rhythm");
    for (PracticeEvent &e : rhythm) {
        if (e.type != PracticeEvent::Type::Strike)
            continue;
        e.reactionMs.reset();
        e.struck = e.expected;
        e.right = false; // the right finger, out of time
        e.deviationMs = 120;
    }
    QVERIFY(store.record(rhythm));
    const HistoryData after = store.load({}, now);
    QCOMPARE(after.sessions.size(), 2);
    QCOMPARE(WeaknessModel::fromHistory(after).save(), WeaknessModel::fromHistory(before).save());
    const StatisticsResult was = Statistics::compute(before), is = Statistics::compute(after);
    for (Hand h : BothHands) {
        for (int f = 0; f < 5; ++f)
            QCOMPARE(is.hand(h).fingers[f].wrong, was.hand(h).fingers[f].wrong);
    }
}

QTEST_GUILESS_MAIN(TestAdaptive)
#include "tst_adaptive.moc"
