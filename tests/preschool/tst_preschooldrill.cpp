// SPDX-License-Identifier: GPL-3.0-or-later
// The preschool game's rules: answers, the feedback delay, animals, ends and the summary.
#include "FakeHandPlayer.h"
#include "Fakes.h"
#include "preschool/AnimalTable.h"
#include "preschool/PreschoolDrill.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct Rig {
    QTemporaryDir dir;
    PracticeSettings settings;
    FakeTicker points[2];
    FakeTicker delay[2];
    FakeHandPlayer players[2];
    FakeSyncSound sound;
    FakeLogFile logFile;
    FakeClock clock;
    ResultsLog log{logFile, clock};
    FakeRandom random;
    std::unique_ptr<PreschoolDrill> drill;

    explicit Rig(int tasks = 20)
    {
        drill = std::make_unique<PreschoolDrill>(
            DrillPorts{settings, points[0], points[1], sound, log}, random,
            PreschoolPorts{players[0], players[1], delay[0], delay[1]}, ProgramFolder(dir.path()));
        settings.PlayerName = QStringLiteral("Ana");
        drill->Form_Load(QString::number(tasks));
    }
    static int i(Hand h) { return h == Hand::Left ? 0 : 1; }
    FakeHandPlayer &player(Hand h) { return players[i(h)]; }
    FakeTicker &pointsTicker(Hand h) { return points[i(h)]; }
    FakeTicker &delayTicker(Hand h) { return delay[i(h)]; }
    int task(Hand h) const { return drill->hand(h).task.toInt(); }
    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    // The next draws give these fingers (full range), in order; the last one repeats.
    void draws(std::initializer_list<int> fingers)
    {
        random.values.clear();
        for (int f : fingers)
            random.values << FakeRandom::forFinger(f, 5, 1);
    }
    // Start with these first tasks for the left and the right hand.
    void start(int left, int right)
    {
        draws({left, right});
        drill->mnuStart_Click();
    }
    // A right key and its delay, the next task drawn as given.
    void answerAndWait(Hand h, int next)
    {
        draws({next});
        drill->keyUp({h, task(h)});
        QVERIFY(delayTicker(h).fire());
    }
};

const Hand Hands[] = {Hand::Left, Hand::Right};

Hand other(Hand h)
{
    return h == Hand::Left ? Hand::Right : Hand::Left;
}

} // namespace

Q_DECLARE_METATYPE(Hand)

class TestPreschoolDrill : public QObject {
    Q_OBJECT
private slots:
    void loadReadiesEverySoundOfEachHand();
    void rightKeyScoresSaysYesAndMovesOnAfterTheDelay_data();
    void rightKeyScoresSaysYesAndMovesOnAfterTheDelay();
    void wrongKeyOnlySaysNo_data();
    void wrongKeyOnlySaysNo();
    void keysDuringTheDelayAreAnsweredButScoreNothing_data();
    void keysDuringTheDelayAreAnsweredButScoreNothing();
    void everyFingerShowsAndSoundsItsAnimal_data();
    void everyFingerShowsAndSoundsItsAnimal();
    void lastTaskIsScoredAndTheHandEnds_data();
    void lastTaskIsScoredAndTheHandEnds();
    void summaryOnceNamingTheLeftCount();
    void startDisarmsAPendingDelay();
    void keyBeforeFirstStartOnlySaysNo_data();
    void keyBeforeFirstStartOnlySaysNo();
    void picturesEmptyUntilFirstTask();
};

void TestPreschoolDrill::loadReadiesEverySoundOfEachHand()
{
    Rig rig(7);
    QCOMPARE(rig.settings.TaskCountLeft, qint16(7));
    QCOMPARE(rig.settings.TaskCountRight, qint16(7));
    QCOMPARE(rig.settings.RightFingerMax, QStringLiteral("5"));
    QCOMPARE(rig.settings.RightFingerMin, QStringLiteral("1"));
    QCOMPARE(rig.settings.SoundPath, rig.path(QStringLiteral("sounds/XYL.WAV")));
    const QStringList left = rig.player(Hand::Left).prepared;
    const QStringList right = rig.player(Hand::Right).prepared;
    QCOMPARE(left.size(), 7);
    QCOMPARE(right.size(), 7);
    for (const QString &f : left)
        QVERIFY2(f.endsWith(QLatin1String("L.mp3")), qPrintable(f));
    for (const QString &f : right)
        QVERIFY2(f.endsWith(QLatin1String("D.mp3")), qPrintable(f));
    QVERIFY(left.contains(rig.path(QStringLiteral("sounds/yesL.mp3"))));
    QVERIFY(right.contains(rig.path(QStringLiteral("sounds/noD.mp3"))));
    QVERIFY(!rig.delayTicker(Hand::Left).isActive());
    QCOMPARE(rig.delayTicker(Hand::Left).interval(), 800);
    QCOMPARE(rig.delayTicker(Hand::Right).interval(), 800);
}

void TestPreschoolDrill::rightKeyScoresSaysYesAndMovesOnAfterTheDelay_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("expected");
    QTest::newRow("left at once") << Hand::Left << 0 << 5;
    QTest::newRow("left after 2 ticks") << Hand::Left << 2 << 3;
    QTest::newRow("right after 4 ticks") << Hand::Right << 4 << 1;
    QTest::newRow("right after the timer ran out") << Hand::Right << 9 << 0;
}

void TestPreschoolDrill::rightKeyScoresSaysYesAndMovesOnAfterTheDelay()
{
    QFETCH(Hand, hand);
    QFETCH(int, ticks);
    QFETCH(int, expected);
    Rig rig;
    rig.start(3, 4);
    rig.pointsTicker(hand).fire(ticks);
    const int first = rig.task(hand);
    const int otherPlays = rig.player(other(hand)).played.size();
    const QString yes = rig.path(hand == Hand::Left ? QStringLiteral("sounds/yesL.mp3")
                                                    : QStringLiteral("sounds/yesD.mp3"));

    rig.draws({5});
    rig.drill->keyUp({hand, first});
    QCOMPARE(rig.drill->hand(hand).score, qint16(expected));
    QCOMPARE(rig.drill->TotalScore(), qint16(expected));
    QCOMPARE(rig.drill->labels().text(DrillCore::scoreLabel(hand)), QString::number(expected));
    QCOMPARE(rig.player(hand).last(), yes);
    // The answered task stays on display until the delay is over.
    QVERIFY(rig.delayTicker(hand).isActive());
    QCOMPARE(rig.delayTicker(hand).interval(), PreschoolDrill::FeedbackDelayMs);
    QCOMPARE(rig.task(hand), first);
    QCOMPARE(rig.drill->picture(hand), first);
    QCOMPARE(rig.drill->hand(hand).count, qint16(1));

    QVERIFY(rig.delayTicker(hand).fire());
    QCOMPARE(rig.task(hand), 5);
    QCOMPARE(rig.drill->picture(hand), 5);
    QCOMPARE(rig.drill->hand(hand).count, qint16(2));
    QCOMPARE(rig.drill->hand(hand).ticks, qint16(0));
    QVERIFY(rig.pointsTicker(hand).isActive());
    QCOMPARE(rig.player(hand).last(), rig.path(AnimalTable::animalSound(hand, 5)));
    QVERIFY(!rig.delayTicker(hand).isActive());
    QVERIFY(!rig.delayTicker(hand).fire());
    QCOMPARE(rig.player(other(hand)).played.size(), otherPlays);
}

void TestPreschoolDrill::wrongKeyOnlySaysNo_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("finger");
    QTest::newRow("left thumb on 3") << Hand::Left << 1;
    QTest::newRow("left little on 3") << Hand::Left << 5;
    QTest::newRow("right index on 3") << Hand::Right << 2;
    QTest::newRow("right ring on 3") << Hand::Right << 4;
}

void TestPreschoolDrill::wrongKeyOnlySaysNo()
{
    QFETCH(Hand, hand);
    QFETCH(int, finger);
    Rig rig;
    rig.start(3, 3);
    rig.pointsTicker(hand).fire(2);
    const int plays = rig.player(hand).played.size();
    const int draws = rig.random.draws;

    rig.drill->keyUp({hand, finger});
    QCOMPARE(rig.player(hand).played.size(), plays + 1);
    QCOMPARE(rig.player(hand).last(), rig.path(AnimalTable::noSound(hand)));
    QCOMPARE(rig.task(hand), 3);
    QCOMPARE(rig.drill->picture(hand), 3);
    QCOMPARE(rig.drill->hand(hand).score, qint16(0));
    QCOMPARE(rig.drill->hand(hand).count, qint16(1));
    QCOMPARE(rig.drill->hand(hand).ticks, qint16(2));
    QVERIFY(rig.pointsTicker(hand).isActive());
    QVERIFY(!rig.delayTicker(hand).isActive());
    QCOMPARE(rig.random.draws, draws);
    // The points keep falling.
    QVERIFY(rig.pointsTicker(hand).fire());
    QCOMPARE(rig.drill->labels().text(DrillCore::pointsLabel(hand)), QStringLiteral("2"));
}

void TestPreschoolDrill::keysDuringTheDelayAreAnsweredButScoreNothing_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::newRow("left") << Hand::Left;
    QTest::newRow("right") << Hand::Right;
}

void TestPreschoolDrill::keysDuringTheDelayAreAnsweredButScoreNothing()
{
    QFETCH(Hand, hand);
    Rig rig;
    rig.start(2, 2);
    rig.drill->keyUp({hand, 2});
    const QStringList plays = rig.player(hand).played;
    const int starts = rig.delayTicker(hand).starts;

    // Every key is answered; the answered task does not score again, and the next task
    // still comes when the first delay ends.
    rig.drill->keyUp({hand, 2});
    rig.drill->keyUp({hand, 4});
    QCOMPARE(rig.drill->hand(hand).score, qint16(5));
    QCOMPARE(rig.drill->TotalScore(), qint16(5));
    const QStringList answers = {rig.path(AnimalTable::yesSound(hand)),
                                 rig.path(AnimalTable::noSound(hand))};
    QCOMPARE(rig.player(hand).played, plays + answers);
    QCOMPARE(rig.delayTicker(hand).starts, starts);
    // The other hand still answers while this one waits.
    rig.drill->keyUp({other(hand), 2});
    QCOMPARE(rig.drill->TotalScore(), qint16(10));
}

void TestPreschoolDrill::everyFingerShowsAndSoundsItsAnimal_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("finger");
    QTest::addColumn<QString>("call");
    const char *calls[] = {"slon", "pas", "konj", "ovca", "detlic"};
    for (int f = 1; f <= 5; ++f) {
        QTest::addRow("left %d", f)
            << Hand::Left << f << QStringLiteral("sounds/%1L.mp3").arg(QLatin1String(calls[f - 1]));
        QTest::addRow("right %d", f)
            << Hand::Right << f
            << QStringLiteral("sounds/%1D.mp3").arg(QLatin1String(calls[f - 1]));
    }
}

void TestPreschoolDrill::everyFingerShowsAndSoundsItsAnimal()
{
    QFETCH(Hand, hand);
    QFETCH(int, finger);
    QFETCH(QString, call);
    Rig rig;
    const int first = finger == 1 ? 2 : 1;
    rig.start(first, first);
    // The first task sounds its animal at once, on this hand's player only.
    QCOMPARE(rig.player(hand).played, QStringList{rig.path(AnimalTable::animalSound(hand, first))});
    rig.answerAndWait(hand, finger);
    QCOMPARE(rig.task(hand), finger);
    QCOMPARE(rig.drill->picture(hand), finger);
    QCOMPARE(hand == Hand::Left ? rig.drill->Image1() : rig.drill->Image2(), finger);
    QCOMPARE(rig.player(hand).last(), rig.path(call));
    QCOMPARE(rig.player(other(hand)).played.size(), 1);
}

void TestPreschoolDrill::lastTaskIsScoredAndTheHandEnds_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::newRow("left") << Hand::Left;
    QTest::newRow("right") << Hand::Right;
}

void TestPreschoolDrill::lastTaskIsScoredAndTheHandEnds()
{
    QFETCH(Hand, hand);
    Rig rig(2);
    rig.start(1, 1);
    rig.answerAndWait(hand, 4);
    QCOMPARE(rig.drill->hand(hand).count, qint16(2));
    rig.pointsTicker(hand).fire(1);
    rig.drill->keyUp({hand, 4});
    QCOMPARE(rig.drill->hand(hand).score, qint16(9));
    QVERIFY(rig.sound.played.isEmpty() || rig.sound.played.size() == 1);
    const int endSounds = rig.sound.played.size();

    QVERIFY(rig.delayTicker(hand).fire());
    QVERIFY(rig.drill->hasEnded(hand));
    QCOMPARE(rig.drill->picture(hand), AnimalTable::EmptyPicture);
    QCOMPARE(rig.drill->labels().text(DrillCore::taskLabel(hand)), QString());
    QCOMPARE(rig.sound.played.size(), endSounds + 1);
    QCOMPARE(rig.sound.played.last(), rig.settings.SoundPath);
    QVERIFY(!rig.drill->hasEnded(other(hand)));
    QCOMPARE(rig.drill->picture(other(hand)), 1);

    // An ended hand's keys are still answered, its last finger with "yes", but nothing
    // scores and the end does not come again.
    const QStringList plays = rig.player(hand).played;
    QStringList answers;
    for (int f = 1; f <= 5; ++f) {
        rig.drill->keyUp({hand, f});
        answers << rig.path(f == 4 ? AnimalTable::yesSound(hand) : AnimalTable::noSound(hand));
    }
    QCOMPARE(rig.player(hand).played, plays + answers);
    QCOMPARE(rig.sound.played.size(), endSounds + 1);
    QCOMPARE(rig.drill->hand(hand).score, qint16(9));
    QVERIFY(!rig.delayTicker(hand).isActive());
    QVERIFY(rig.logFile.records.isEmpty());
}

void TestPreschoolDrill::summaryOnceNamingTheLeftCount()
{
    Rig rig;
    rig.settings.TaskCountLeft = 2;
    rig.settings.TaskCountRight = 3;
    rig.start(1, 1);
    rig.answerAndWait(Hand::Left, 2);
    rig.answerAndWait(Hand::Right, 2);
    rig.answerAndWait(Hand::Left, 3); // left ends
    QVERIFY(rig.drill->hasEnded(Hand::Left));
    rig.answerAndWait(Hand::Right, 3);
    QVERIFY(rig.logFile.records.isEmpty());
    rig.drill->keyUp({Hand::Right, 1}); // wrong: nothing but "no"
    rig.pointsTicker(Hand::Right).fire(3);
    rig.answerAndWait(Hand::Right, 4); // right ends
    QVERIFY(rig.drill->hasEnded(Hand::Right));

    QCOMPARE(rig.logFile.records.size(), 1);
    const QByteArray expected = "Ana\r\nRandom 2 tasks\r\n22  points\r\n";
    QVERIFY2(rig.logFile.records.first().contains(expected),
             rig.logFile.records.first().constData());
    // Nothing a player does after the end writes again.
    for (Hand h : Hands)
        for (int f = 1; f <= 5; ++f)
            rig.drill->keyUp({h, f});
    QCOMPARE(rig.logFile.records.size(), 1);
}

void TestPreschoolDrill::startDisarmsAPendingDelay()
{
    Rig rig(2);
    rig.start(1, 1);
    rig.drill->keyUp({Hand::Left, 1});
    QVERIFY(rig.delayTicker(Hand::Left).isActive());

    rig.start(4, 5);
    QVERIFY(!rig.delayTicker(Hand::Left).isActive());
    QVERIFY(!rig.delayTicker(Hand::Left).fire());
    QCOMPARE(rig.drill->LeftScore(), qint16(0));
    QCOMPARE(rig.drill->hand(Hand::Left).count, qint16(1));
    QCOMPARE(rig.task(Hand::Left), 4);
    QCOMPARE(rig.drill->picture(Hand::Left), 4);

    // The new exercise gives exactly its count of tasks: one more, then the end.
    rig.answerAndWait(Hand::Left, 2);
    QCOMPARE(rig.drill->hand(Hand::Left).count, qint16(2));
    QVERIFY(!rig.drill->hasEnded(Hand::Left));
    rig.answerAndWait(Hand::Left, 3);
    QVERIFY(rig.drill->hasEnded(Hand::Left));
    QCOMPARE(rig.drill->LeftScore(), qint16(10));

    // Start again after an end: the hand plays anew.
    rig.start(2, 2);
    QVERIFY(!rig.drill->hasEnded(Hand::Left));
    QCOMPARE(rig.drill->picture(Hand::Left), 2);
    rig.drill->keyUp({Hand::Left, 2});
    QCOMPARE(rig.drill->LeftScore(), qint16(5));
}

void TestPreschoolDrill::keyBeforeFirstStartOnlySaysNo_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("finger");
    QTest::newRow("left thumb") << Hand::Left << 1;
    QTest::newRow("left little") << Hand::Left << 5;
    QTest::newRow("right middle") << Hand::Right << 3;
}

void TestPreschoolDrill::keyBeforeFirstStartOnlySaysNo()
{
    QFETCH(Hand, hand);
    QFETCH(int, finger);
    Rig rig;
    rig.drill->keyUp({hand, finger});
    QCOMPARE(rig.player(hand).played, QStringList{rig.path(AnimalTable::noSound(hand))});
    QVERIFY(rig.player(other(hand)).played.isEmpty());
    QCOMPARE(rig.drill->hand(hand).count, qint16(0));
    QCOMPARE(rig.drill->hand(hand).task, QString());
    QCOMPARE(rig.drill->TotalScore(), qint16(0));
    QCOMPARE(rig.drill->picture(hand), PreschoolDrill::NoPicture);
    QVERIFY(!rig.delayTicker(hand).isActive());
    QVERIFY(!rig.pointsTicker(hand).isActive());
    QCOMPARE(rig.random.draws, 0);
}

void TestPreschoolDrill::picturesEmptyUntilFirstTask()
{
    Rig rig;
    QCOMPARE(rig.drill->Image1(), PreschoolDrill::NoPicture);
    QCOMPARE(rig.drill->Image2(), PreschoolDrill::NoPicture);
    rig.start(5, 1);
    QCOMPARE(rig.drill->Image1(), 5);
    QCOMPARE(rig.drill->Image2(), 1);
}

QTEST_GUILESS_MAIN(TestPreschoolDrill)
#include "tst_preschooldrill.moc"
