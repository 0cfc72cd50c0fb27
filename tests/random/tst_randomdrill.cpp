// SPDX-License-Identifier: GPL-3.0-or-later
// The two-hand drill with random tasks: scoring, ticks, task draws, ends and the summary.
#include "DrillFakes.h"
#include "random/RandomDrill.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

struct Rig : DrillFakes {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<RandomDrill> drill;

    explicit Rig(quint32 seed = 7, int tasks = 20)
    {
        random = std::make_unique<SeededRandom>(seed);
        drill = std::make_unique<RandomDrill>(ports(), *random);
        settings.PlayerName = QStringLiteral("Anonymous");
        drill->Form_Load(QString::number(tasks), QStringLiteral("/program/XYL.WAV"));
    }
    int task(Hand h) const { return drill->hand(h).task.toInt(); }
    QString label(Label name) const { return drill->labels().text(name); }
    // Answers the hand's current task with the right finger.
    void answer(Hand h) { drill->keyUp({h, task(h)}); }
    void wrong(Hand h) { drill->keyUp({h, task(h) == 1 ? 2 : 1}); }
};

} // namespace

class TestRandomDrill : public QObject {
    Q_OBJECT
private slots:
    void loadSetsCountsRangesAndSound();
    void scoreByTicks_data();
    void scoreByTicks();
    void pointsCountDownAndTimerStops();
    void wrongFingerCostsTheTaskOnly();
    void drawsStayInRangeAndNeverRepeat_data();
    void drawsStayInRangeAndNeverRepeat();
    void repeatedDrawCountsOneTask();
    void drawJustBelowOneIsTheHighestFinger_data();
    void drawJustBelowOneIsTheHighestFinger();
    void lastTaskIsNeverScored();
    void summaryOnceWhenBothHandsEnd();
    void startBeginsAnew();
    void zeroTasksEndAtOnce();
    void negativeCountNeverEnds();
    void keyBeforeStartGivesFirstTask();
    void resetShowsZeroUntilNextScore();
    void overflowSkipsOnlyTheFailingStep();
    void unexpectedFailureIsReportedAndSkipped();
    void everyTaskGetsAFullFirstPeriod();
    void ticksDuringASoundComeAfterIt();
    void keptTickOfARestartedTimerIsDropped();
    void keysOfAnEndedHand_data();
    void keysOfAnEndedHand();
};

void TestRandomDrill::loadSetsCountsRangesAndSound()
{
    Rig rig;
    QCOMPARE(rig.settings.TaskCountLeft, qint16(20));
    QCOMPARE(rig.settings.TaskCountRight, qint16(20));
    QCOMPARE(rig.settings.LeftFingerMax, QStringLiteral("5"));
    QCOMPARE(rig.settings.LeftFingerMin, QStringLiteral("1"));
    QCOMPARE(rig.settings.RightFingerMax, QStringLiteral("5"));
    QCOMPARE(rig.settings.RightFingerMin, QStringLiteral("1"));
    QCOMPARE(rig.settings.SoundPath, QStringLiteral("/program/XYL.WAV"));
    QCOMPARE(rig.label(Label::Label1), QStringLiteral("L"));
    QCOMPARE(rig.label(Label::Label2), QStringLiteral("R"));
    QCOMPARE(rig.left.interval(), 1000);
    QVERIFY(!rig.left.isActive());
}

void TestRandomDrill::scoreByTicks_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("points");
    QTest::newRow("before the first tick") << 0 << 5;
    QTest::newRow("after one tick") << 1 << 4;
    QTest::newRow("after three ticks") << 3 << 2;
    QTest::newRow("after five ticks") << 5 << 0;
    QTest::newRow("long after") << 9 << 0;
}

void TestRandomDrill::scoreByTicks()
{
    QFETCH(int, ticks);
    QFETCH(int, points);
    for (Hand h : {Hand::Left, Hand::Right}) {
        Rig rig;
        rig.drill->mnuStart_Click();
        rig.ticker(h).fire(ticks);
        rig.answer(h);
        const Hand other = h == Hand::Left ? Hand::Right : Hand::Left;
        QCOMPARE(int(rig.drill->hand(h).score), points);
        QCOMPARE(int(rig.drill->hand(other).score), 0);
        QCOMPARE(int(rig.drill->TotalScore()), points);
        QCOMPARE(rig.drill->labels().text(DrillCore::scoreLabel(h)), QString::number(points));
        QCOMPARE(rig.label(Label::lblRezultat), QString::number(points));
    }
}

void TestRandomDrill::pointsCountDownAndTimerStops()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    QStringList shown;
    while (rig.left.fire())
        shown << rig.label(Label::lbllpoeni);
    QCOMPARE(shown, QStringList({"4", "3", "2", "1", "0"}));
    QVERIFY(!rig.left.isActive());
    QCOMPARE(int(rig.drill->LeftTicks()), 5);
    // A time-out does not move on: the task stays until a key of that hand.
    QCOMPARE(rig.drill->hand(Hand::Left).count, qint16(1));
    // The display keeps its text until the first tick of the next task.
    rig.answer(Hand::Left);
    QCOMPARE(rig.label(Label::lbllpoeni), QStringLiteral("0"));
    QVERIFY(rig.left.isActive());
    rig.left.fire();
    QCOMPARE(rig.label(Label::lbllpoeni), QStringLiteral("4"));
}

void TestRandomDrill::wrongFingerCostsTheTaskOnly()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    rig.left.fire(2);
    const QString leftTask = rig.drill->Leva();
    const qint16 leftTicks = rig.drill->LeftTicks();
    const QString rightTask = rig.drill->Desna();
    rig.wrong(Hand::Right);
    QCOMPARE(int(rig.drill->RightScore()), 0);
    QVERIFY(rig.drill->Desna() != rightTask);
    QCOMPARE(rig.drill->hand(Hand::Right).count, qint16(2));
    QCOMPARE(rig.drill->Leva(), leftTask);
    QCOMPARE(rig.drill->LeftTicks(), leftTicks);
    QCOMPARE(rig.drill->hand(Hand::Left).count, qint16(1));
}

void TestRandomDrill::drawsStayInRangeAndNeverRepeat_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("lowest");
    const char *ranges[][2] = {{"5", "1"}, {"4", "1"}, {"4", "2"}, {"3", "1"}, {"3", "2"},
                               {"3", "3"}, {"2", "1"}, {"2", "2"}, {"2", "3"}, {"2", "4"}};
    for (auto &r : ranges)
        QTest::addRow("%s fingers from %s", r[0], r[1]) << r[0] << r[1];
}

void TestRandomDrill::drawsStayInRangeAndNeverRepeat()
{
    QFETCH(QString, count);
    QFETCH(QString, lowest);
    Rig rig(12345, 400);
    rig.settings.RightFingerMax = count;
    rig.settings.RightFingerMin = lowest;
    const int low = lowest.toInt();
    const int high = low + count.toInt() - 1;
    QSet<int> seen;
    rig.drill->mnuStart_Click();
    int previous = rig.task(Hand::Right);
    for (int i = 0; i < 399; ++i) {
        rig.wrong(Hand::Right);
        const int finger = rig.task(Hand::Right);
        QVERIFY2(finger >= low && finger <= high, qPrintable(QString::number(finger)));
        QVERIFY(finger != previous);
        seen.insert(finger);
        previous = finger;
    }
    QCOMPARE(seen.size(), count.toInt());
    if (count == u"2") {
        // Two fingers strictly alternate.
        QCOMPARE(rig.drill->hand(Hand::Right).count, qint16(400));
    }
}

void TestRandomDrill::repeatedDrawCountsOneTask()
{
    PracticeSettings settings;
    FakeTicker left, right;
    FakeSyncSound sound;
    FakeLogFile file;
    FakeClock clock;
    ResultsLog log(file, clock);
    FakeRandom random;
    RandomDrill drill(DrillPorts{settings, left, right, sound, log}, random);
    drill.Form_Load(QStringLiteral("20"), {});
    // First task 3; then the draws repeat 3 twice before a 5 comes.
    random.values = {FakeRandom::forFinger(3, 5, 1), FakeRandom::forFinger(3, 5, 1),
                     FakeRandom::forFinger(3, 5, 1), FakeRandom::forFinger(5, 5, 1)};
    drill.zadajlevu();
    QCOMPARE(drill.Leva(), QStringLiteral("3"));
    drill.zadajlevu();
    QCOMPARE(drill.Leva(), QStringLiteral("5"));
    QCOMPARE(drill.LeftTasksGiven(), qint16(2));
    QCOMPARE(random.draws, 4);
}

void TestRandomDrill::drawJustBelowOneIsTheHighestFinger_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("full range") << "5"
                                << "1" << 5;
    QTest::newRow("2 to 4") << "3"
                            << "2" << 4;
    QTest::newRow("4 and 5") << "2"
                             << "4" << 5;
}

void TestRandomDrill::drawJustBelowOneIsTheHighestFinger()
{
    QFETCH(QString, count);
    QFETCH(QString, lowest);
    QFETCH(int, highest);
    DrillFakes fakes;
    FakeRandom random;
    RandomDrill drill(fakes.ports(), random);
    drill.Form_Load(QStringLiteral("20"), {});
    fakes.settings.LeftFingerMax = count;
    fakes.settings.LeftFingerMin = lowest;
    // The largest double below 1 rounds up to 1.0 in single precision.
    random.values = {std::nextafter(1.0, 0.0)};
    drill.zadajlevu();
    QCOMPARE(drill.Leva(), QString::number(highest));
}

void TestRandomDrill::lastTaskIsNeverScored()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    for (int i = 0; i < 20; ++i) {
        QVERIFY(!rig.drill->Leva().isEmpty());
        rig.answer(Hand::Left);
    }
    QCOMPARE(int(rig.drill->LeftScore()), 95);
    QCOMPARE(rig.label(Label::Label1), QString());
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("95"));
}

void TestRandomDrill::summaryOnceWhenBothHandsEnd()
{
    Rig rig(3, 10);
    rig.settings.PlayerName = QStringLiteral("Ana  Maria");
    rig.drill->mnuStart_Click();
    QCOMPARE(rig.sound.played.size(), 1);
    for (int i = 0; i < 10; ++i)
        rig.answer(Hand::Left);
    QCOMPARE(rig.label(Label::Label1), QString());
    QCOMPARE(rig.sound.played.size(), 2); // the left hand's end sound
    QVERIFY(rig.file.records.isEmpty());  // the right hand is still at work
    rig.right.fire(2);
    for (int i = 0; i < 10; ++i)
        rig.answer(Hand::Right);
    QCOMPARE(rig.file.records.size(), 1);
    QCOMPARE(rig.file.records.first(),
             QByteArray("12-07 14:03:59\r\nAna  Maria\r\nRandom 10 tasks\r\n88  points\r\n\r\n"));
    // Keys of ended hands still sound, but the summary is not written again.
    rig.drill->keyUp({Hand::Left, 1});
    rig.drill->keyUp({Hand::Right, 3});
    QCOMPARE(rig.sound.played.size(), 5);
    QCOMPARE(rig.file.records.size(), 1);
    QVERIFY(rig.drill->summaryWritten());
    // The next exercise writes its own summary.
    rig.drill->mnuStart_Click();
    for (int i = 0; i < 11; ++i) {
        rig.answer(Hand::Left);
        rig.answer(Hand::Right);
    }
    QCOMPARE(rig.file.records.size(), 2);
}

void TestRandomDrill::startBeginsAnew()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    for (int i = 0; i < 3; ++i)
        rig.answer(Hand::Left);
    QCOMPARE(int(rig.drill->LeftScore()), 15);
    QStringList labelsAtSound;
    rig.sound.onPlay = [&] { labelsAtSound << rig.label(Label::Label1); };
    rig.drill->mnuStart_Click();
    // The start sound plays before the first tasks are given.
    QCOMPARE(labelsAtSound.size(), 1);
    QVERIFY(!labelsAtSound.first().isEmpty());
    QCOMPARE(int(rig.drill->LeftScore()), 0);
    QCOMPARE(int(rig.drill->TotalScore()), 0);
    QCOMPARE(rig.drill->LeftTasksGiven(), qint16(1));
    QCOMPARE(rig.drill->RightTasksGiven(), qint16(1));
    // Start leaves the score displays alone; the next score shows the new total.
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("15"));
    rig.answer(Hand::Left);
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("5"));
}

void TestRandomDrill::zeroTasksEndAtOnce()
{
    Rig rig(1, 0);
    rig.drill->mnuStart_Click();
    QCOMPARE(rig.label(Label::Label1), QString());
    QCOMPARE(rig.label(Label::Label2), QString());
    QCOMPARE(rig.file.records.size(), 1);
    QVERIFY(rig.file.records.first().endsWith("Random 0 tasks\r\n0  points\r\n\r\n"));
}

void TestRandomDrill::negativeCountNeverEnds()
{
    Rig rig(1, -3);
    rig.drill->mnuStart_Click();
    for (int i = 0; i < 200; ++i)
        rig.answer(Hand::Left);
    QVERIFY(!rig.label(Label::Label1).isEmpty());
    QCOMPARE(int(rig.drill->LeftScore()), 1000);
    QVERIFY(rig.file.records.isEmpty());
}

void TestRandomDrill::keyBeforeStartGivesFirstTask()
{
    Rig rig;
    rig.drill->keyUp({Hand::Left, 1});
    QCOMPARE(int(rig.drill->LeftScore()), 0);
    QCOMPARE(rig.drill->LeftTasksGiven(), qint16(1));
    QVERIFY(rig.left.isActive());
    QCOMPARE(rig.label(Label::Label2), QStringLiteral("R"));
}

void TestRandomDrill::resetShowsZeroUntilNextScore()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    rig.answer(Hand::Left);
    rig.answer(Hand::Right);
    rig.drill->mnuReset_Click();
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("0"));
    QCOMPARE(rig.label(Label::lbldRezultat), QStringLiteral("0"));
    QCOMPARE(rig.label(Label::lblRezultat), QStringLiteral("0"));
    QCOMPARE(int(rig.drill->TotalScore()), 10);
    rig.answer(Hand::Left);
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("10"));
    QCOMPARE(rig.label(Label::lblRezultat), QStringLiteral("15"));
    QCOMPARE(rig.label(Label::lbldRezultat), QStringLiteral("0"));
}

void TestRandomDrill::overflowSkipsOnlyTheFailingStep()
{
    Rig rig(5, 32767);
    rig.drill->mnuStart_Click();
    // 6553 perfect answers make 32765 points; the next would pass 32767.
    for (int i = 0; i < 6553; ++i)
        rig.answer(Hand::Left);
    QCOMPARE(int(rig.drill->LeftScore()), 32765);
    const qint16 given = rig.drill->LeftTasksGiven();
    rig.answer(Hand::Left);
    QCOMPARE(int(rig.drill->LeftScore()), 32765);
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("32765"));
    // The next task was still given.
    QCOMPARE(rig.drill->LeftTasksGiven(), qint16(given + 1));
    // The total overflows as soon as the right hand adds to it.
    rig.answer(Hand::Right);
    QCOMPARE(int(rig.drill->RightScore()), 5);
    QCOMPARE(int(rig.drill->TotalScore()), 32765);
}

void TestRandomDrill::unexpectedFailureIsReportedAndSkipped()
{
    // A drill whose scoring check fails in a way no rule expects.
    struct Faulty : RandomDrill {
        using RandomDrill::RandomDrill;
        bool scoringAllowed(Hand) const override { throw std::runtime_error("broken check"); }
    };
    DrillFakes fakes;
    SeededRandom random(3);
    Faulty drill(fakes.ports(), random);
    drill.Form_Load(QStringLiteral("20"), {});
    drill.mnuStart_Click();
    QTest::ignoreMessage(QtWarningMsg,
                         "moravel: a drill step failed and was skipped: broken check");
    drill.keyUp({Hand::Left, drill.Leva().toInt()});
    QCOMPARE(drill.LeftScore(), qint16(0));
    // The handler went on with its next step.
    QCOMPARE(drill.LeftTasksGiven(), qint16(2));
}

void TestRandomDrill::everyTaskGetsAFullFirstPeriod()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    const int starts = rig.left.starts;
    rig.left.fire(2);
    rig.answer(Hand::Left);
    // The running timer was started again for the new task.
    QCOMPARE(rig.left.starts, starts + 1);
    QCOMPARE(int(rig.drill->LeftTicks()), 0);
}

void TestRandomDrill::ticksDuringASoundComeAfterIt()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    rig.answer(Hand::Left);
    // The left hand's timer ticks three times while an end sound plays.
    rig.sound.onPlay = [&] {
        QCOMPARE(rig.left.fire(3), 3);
        QCOMPARE(rig.drill->LeftTicks(), qint16(0));
    };
    rig.sound.playSync(QStringLiteral("XYL.WAV"));
    // The kept ticks are all handled once the sound has ended.
    QCOMPARE(rig.drill->LeftTicks(), qint16(3));
    QCOMPARE(rig.label(Label::lbllpoeni), QStringLiteral("2"));
}

void TestRandomDrill::keptTickOfARestartedTimerIsDropped()
{
    Rig rig;
    rig.drill->mnuStart_Click();
    rig.sound.onPlay = [&] {
        rig.left.fire(2);
        rig.right.fire(1);
        // The left hand got a new task meanwhile: its kept ticks belong to the old one.
        rig.drill->zadajlevu();
    };
    rig.sound.playSync(QStringLiteral("XYL.WAV"));
    QCOMPARE(rig.drill->LeftTicks(), qint16(0));
    QCOMPARE(rig.drill->RightTicks(), qint16(1));
}

void TestRandomDrill::keysOfAnEndedHand_data()
{
    QTest::addColumn<int>("during"); // keys struck while its end tune plays
    QTest::addColumn<int>("stale");  // keys stamped during the tune, handled after it
    QTest::addColumn<int>("after");  // keys struck once the tune has ended
    QTest::addColumn<int>("tunes");  // end tunes played in all
    QTest::newRow("mashed during the tune") << 10 << 0 << 0 << 1;
    QTest::newRow("late from a busy MIDI queue") << 0 << 5 << 0 << 1;
    QTest::newRow("one after the tune") << 0 << 0 << 1 << 2;
    QTest::newRow("mashed, then one after") << 10 << 5 << 1 << 2;
}

// Every key of an ended hand answers with the end tune, but what came during a tune never
// starts another, and none of them is a strike of the exercise.
void TestRandomDrill::keysOfAnEndedHand()
{
    QFETCH(int, during);
    QFETCH(int, stale);
    QFETCH(int, after);
    QFETCH(int, tunes);
    Rig rig(7, 1);
    rig.drill->mnuStart_Click();
    const qint64 tuneStart = rig.clock.monotonic;
    rig.sound.onPlay = [&] {
        for (int i = 0; i < during; ++i)
            rig.drill->keyUp({Hand::Left, 1 + i % 5, rig.clock.monotonic});
        rig.clock.advanceMs(900);
    };
    rig.answer(Hand::Left);
    QVERIFY(rig.drill->hasEnded(Hand::Left));
    const qsizetype startTune = 1;
    rig.sound.onPlay = [&] { rig.clock.advanceMs(900); };
    for (int i = 0; i < stale; ++i)
        rig.drill->keyUp({Hand::Left, 2, tuneStart + 100000000});
    for (int i = 0; i < after; ++i)
        rig.drill->keyUp({Hand::Left, 3, rig.clock.monotonic + 1});
    QCOMPARE(rig.sound.played.size() - startTune, qsizetype(tunes));
    const auto strikes =
        std::count_if(rig.events.events.begin(), rig.events.events.end(),
                      [](const PracticeEvent &e) { return e.type == PracticeEvent::Type::Strike; });
    QCOMPARE(strikes, 1);
    // The other hand plays on.
    rig.answer(Hand::Right);
    QVERIFY(rig.file.records.size() > 0);
}

QTEST_GUILESS_MAIN(TestRandomDrill)
#include "tst_randomdrill.moc"
