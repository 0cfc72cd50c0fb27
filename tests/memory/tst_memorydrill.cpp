// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrillFakes.h"
#include "ExerciseDbWriter.h"
#include "MemoryTestDatabase.h"
#include "memory/MemoryDrill.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(Hand)

namespace {

using Phase = MemoryDrill::Phase;

// A memory drill on fakes and a test database in a folder of its own.
struct Rig : DrillFakes {
    QTemporaryDir dir;
    FakeRandom random;
    MemoryDrill drill{ports(), random};

    explicit Rig(bool withDatabase = true)
    {
        settings.PlayerName = QStringLiteral("Mira");
        if (withDatabase)
            MemoryTestDatabase::write(dbPath());
        drill.Form_Load(dbPath(), QStringLiteral("8"), dir.filePath(QStringLiteral("xyl.wav")));
    }
    QString dbPath() const { return dir.filePath(QStringLiteral("piano.db")); }
    void setCount(qint16 n)
    {
        settings.SequenceCountLeft = n;
        settings.SequenceCountRight = n;
    }
    void key(Hand h, int finger) { drill.keyUp(FingerStrike{h, finger}); }
    QString label(Label name) const { return drill.labels().text(name); }
    QString note(Hand h) const { return label(DrillCore::taskLabel(h)); }
    QString status(Hand h) const { return label(MemoryDrill::statusLabel(h)); }
    bool noteShown(Hand h) const { return drill.labels().isVisible(DrillCore::taskLabel(h)); }
    int column(Hand h) const { return drill.link(h).column().toInt(); }
    // The finger that is not this one, for a wrong key.
    static int other(int finger) { return finger % 5 + 1; }
    // Steps through the whole shown task with keys that do not match.
    void showTask(Hand h)
    {
        for (int i = 0; i < drill.notesPerTask(); ++i)
            key(h, other(note(h).toInt()));
    }
    // Plays the hidden task back perfectly, each note before its first tick.
    void recallTask(Hand h)
    {
        const int c = column(h);
        for (int i = 0; i < drill.notesPerTask(); ++i)
            key(h, MemoryTestDatabase::note(drill.notesPerTask(), c, i));
    }
};

QString hands(Hand h)
{
    return h == Hand::Left ? QStringLiteral("left") : QStringLiteral("right");
}

} // namespace

class TestMemoryDrill : public QObject {
    Q_OBJECT
private slots:
    void loadPreparesButChoosesNothing();
    void keysBeforeStartDoNothing();
    void wholeTask_data();
    void wholeTask();
    void recallPoints_data();
    void recallPoints();
    void wrongKeyInRecallMovesOn();
    void countOfOneWritesLinesAndOneSummary_data();
    void countOfOneWritesLinesAndOneSummary();
    void oneHandFinishesWhileOtherMemorises();
    void firstRunUsesColumnZeroThenRandomPicks_data();
    void firstRunUsesColumnZeroThenRandomPicks();
    void switchingTablesMidRun_data();
    void switchingTablesMidRun();
    void resetShowsZeroButKeepsTotals();
    void loweringCountBelowTasksDoneKeepsHandGoing();
    void unreadableDatabaseLeavesHandsIdle_data();
    void unreadableDatabaseLeavesHandsIdle();
    void onlyColumnsTheTableHasAreDrawn_data();
    void onlyColumnsTheTableHasAreDrawn();
    void startRetriesTheDatabaseAndSaysWhatIsWrong();
};

void TestMemoryDrill::loadPreparesButChoosesNothing()
{
    Rig rig;
    QVERIFY(rig.drill.databaseError().isEmpty());
    QCOMPARE(rig.settings.SequenceCountLeft, qint16(8));
    QCOMPARE(rig.settings.SequenceCountRight, qint16(8));
    QCOMPARE(rig.settings.SoundPath, rig.dir.filePath(QStringLiteral("xyl.wav")));
    QCOMPARE(rig.drill.TaskColumnCount(), qint16(58));
    QCOMPARE(rig.drill.link(Hand::Left).recordSource(), QStringLiteral("mem5"));
    QCOMPARE(rig.note(Hand::Left), QStringLiteral("L"));
    QCOMPARE(rig.note(Hand::Right), QStringLiteral("R"));
    QVERIFY(rig.status(Hand::Left).isEmpty());
    QVERIFY(!rig.left.isActive());
}

void TestMemoryDrill::keysBeforeStartDoNothing()
{
    Rig rig;
    for (int i = 0; i < 12; ++i) {
        rig.key(Hand::Left, 5);
        rig.key(Hand::Right, 1);
    }
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Idle);
    QCOMPARE(rig.drill.phase(Hand::Right), Phase::Idle);
    QCOMPARE(rig.note(Hand::Left), QStringLiteral("L"));
    QCOMPARE(rig.drill.link(Hand::Left).row(), 0);
    QVERIFY(rig.file.records.isEmpty());
    QVERIFY(rig.sound.played.isEmpty());
}

void TestMemoryDrill::wholeTask_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("notes");
    for (Hand h : {Hand::Left, Hand::Right}) {
        for (int n : {3, 4, 5})
            QTest::addRow("%s, %d notes", qPrintable(hands(h)), n) << h << n;
    }
}

void TestMemoryDrill::wholeTask()
{
    QFETCH(Hand, hand);
    QFETCH(int, notes);
    const Hand other = hand == Hand::Left ? Hand::Right : Hand::Left;
    Rig rig;
    rig.drill.setNotesPerTask(notes);
    rig.drill.mnuStart_Click();
    QCOMPARE(rig.sound.played, QStringList{rig.settings.SoundPath});

    // Show phase: every key of the hand steps to the next note and scores nothing, even
    // the one that matches.
    for (int step = 0; step < notes; ++step) {
        QCOMPARE(rig.status(hand), MemoryDrill::Memorize);
        QVERIFY(rig.noteShown(hand));
        QCOMPARE(rig.note(hand), QString::number(MemoryTestDatabase::note(notes, 0, step)));
        rig.key(hand, rig.note(hand).toInt());
        QCOMPARE(rig.drill.hand(hand).score, qint16(0));
    }
    // The key on the last note hid the task; its first note is due and the timer runs.
    QVERIFY(!rig.noteShown(hand));
    QCOMPARE(rig.status(hand), MemoryDrill::Repeat);
    QCOMPARE(rig.drill.phase(hand), Phase::Recall);
    QCOMPARE(rig.drill.hand(hand).task, QString::number(MemoryTestDatabase::note(notes, 0, 0)));
    QVERIFY(rig.ticker(hand).isActive());
    // The other hand has not moved.
    QCOMPARE(rig.drill.phase(other), Phase::Show);
    QCOMPARE(rig.drill.link(other).row(), 0);
    QVERIFY(!rig.ticker(other).isActive());

    rig.random.values = {0.5};
    rig.recallTask(hand);
    QCOMPARE(rig.drill.hand(hand).score, qint16(5 * notes));
    QCOMPARE(rig.drill.hand(hand).count, qint16(1));
    QCOMPARE(rig.label(DrillCore::scoreLabel(hand)), QString::number(5 * notes));
    QCOMPARE(rig.label(Label::lblRezultat), QString::number(5 * notes));
    // A new task from the table's middle column, shown from its first note.
    const int picked = MemoryTestDatabase::columnsOf(notes) / 2;
    QCOMPARE(rig.drill.phase(hand), Phase::Show);
    QCOMPARE(rig.status(hand), MemoryDrill::Memorize);
    QVERIFY(rig.noteShown(hand));
    QVERIFY(!rig.ticker(hand).isActive());
    QCOMPARE(rig.column(hand), picked);
    QCOMPARE(hand == Hand::Left ? rig.settings.MemoryPickLeft : rig.settings.MemoryPickRight,
             qint16(picked));
    QCOMPARE(rig.note(hand), QString::number(MemoryTestDatabase::note(notes, picked, 0)));
    QCOMPARE(rig.file.bytes(), QStringLiteral("%1 hand memory test1 %2 points\r\n")
                                   .arg(hands(hand))
                                   .arg(5 * notes)
                                   .toLatin1());
}

void TestMemoryDrill::recallPoints_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("points");
    for (Hand h : {Hand::Left, Hand::Right}) {
        const QByteArray name = hands(h).toLatin1();
        QTest::addRow("%s, no tick", name.data()) << h << 0 << 5;
        QTest::addRow("%s, 2 ticks", name.data()) << h << 2 << 3;
        QTest::addRow("%s, 5 ticks", name.data()) << h << 5 << 0;
        QTest::addRow("%s, 9 ticks", name.data()) << h << 9 << 0;
    }
}

void TestMemoryDrill::recallPoints()
{
    QFETCH(Hand, hand);
    QFETCH(int, ticks);
    QFETCH(int, points);
    Rig rig;
    rig.drill.mnuStart_Click();
    // Ticks during the show phase count for nothing: there is no timer then.
    QCOMPARE(rig.ticker(hand).fire(3), 0);
    rig.showTask(hand);
    rig.ticker(hand).fire(ticks);
    QCOMPARE(rig.label(DrillCore::pointsLabel(hand)), QString::number(5 - qMin(ticks, 5)));
    rig.key(hand, MemoryTestDatabase::note(5, 0, 0));
    QCOMPARE(rig.drill.hand(hand).score, qint16(points));
    QCOMPARE(rig.drill.TotalScore(), qint16(points));
    // The next note is due, counting from its full worth again.
    QCOMPARE(rig.drill.hand(hand).ticks, qint16(0));
    QVERIFY(rig.ticker(hand).isActive());
    QCOMPARE(rig.drill.hand(hand).task, QString::number(MemoryTestDatabase::note(5, 0, 1)));
}

void TestMemoryDrill::wrongKeyInRecallMovesOn()
{
    Rig rig;
    rig.drill.mnuStart_Click();
    rig.showTask(Hand::Right);
    rig.right.fire(1);
    const int starts = rig.right.starts;
    rig.key(Hand::Right, Rig::other(MemoryTestDatabase::note(5, 0, 0)));
    QCOMPARE(rig.drill.RightScore(), qint16(0));
    QCOMPARE(rig.drill.Desna(), QString::number(MemoryTestDatabase::note(5, 0, 1)));
    QCOMPARE(rig.drill.RightTicks(), qint16(0));
    QCOMPARE(rig.right.starts, starts + 1);
    // The lost note is not asked again: the due note is the second one.
    rig.key(Hand::Right, MemoryTestDatabase::note(5, 0, 1));
    QCOMPARE(rig.drill.RightScore(), qint16(5));
    QCOMPARE(rig.drill.LeftScore(), qint16(0));
}

void TestMemoryDrill::countOfOneWritesLinesAndOneSummary_data()
{
    QTest::addColumn<Hand>("first");
    QTest::newRow("left finishes first") << Hand::Left;
    QTest::newRow("right finishes first") << Hand::Right;
}

void TestMemoryDrill::countOfOneWritesLinesAndOneSummary()
{
    QFETCH(Hand, first);
    const Hand second = first == Hand::Left ? Hand::Right : Hand::Left;
    Rig rig;
    rig.setCount(1);
    rig.drill.mnuStart_Click();
    rig.showTask(first);
    rig.recallTask(first);
    QCOMPARE(rig.drill.phase(first), Phase::Finished);
    QCOMPARE(rig.status(first), MemoryDrill::EndOfExercise);
    QVERIFY(rig.note(first).isEmpty());
    QCOMPARE(rig.file.records.size(), 1);
    QCOMPARE(rig.sound.played.size(), 2);

    rig.showTask(second);
    // Two ticks cost the second hand 2 points on its first note.
    rig.ticker(second).fire(2);
    rig.recallTask(second);

    const QString firstLine =
        QStringLiteral("%1 hand memory test1 25 points\r\n").arg(hands(first));
    const QString secondLine =
        QStringLiteral("%1 hand memory test1 23 points\r\n").arg(hands(second));
    const QString summary = QStringLiteral(
        "12-07 14:03:59\r\nMira\r\nMemory test 1 memory tasks\r\n48  points\r\n\r\n");
    QCOMPARE(QString::fromLatin1(rig.file.bytes()), firstLine + secondLine + summary);
    QCOMPARE(rig.sound.played.size(), 3);
    QVERIFY(rig.drill.summaryWritten());

    // Finished hands ignore their keys until the next Start.
    for (int i = 0; i < 12; ++i) {
        for (int f = 1; f <= 5; ++f) {
            rig.key(Hand::Left, f);
            rig.key(Hand::Right, f);
        }
    }
    QCOMPARE(rig.file.records.size(), 3);
    QCOMPARE(rig.drill.TotalScore(), qint16(48));
    QVERIFY(rig.note(Hand::Left).isEmpty());

    // The next Start begins a run of its own, with its own summary.
    rig.drill.mnuStart_Click();
    QCOMPARE(rig.drill.TotalScore(), qint16(0));
    for (Hand h : {Hand::Left, Hand::Right}) {
        rig.showTask(h);
        rig.recallTask(h);
    }
    QCOMPARE(rig.file.records.size(), 6);
    QVERIFY(rig.file.records.last().endsWith("Memory test 1 memory tasks\r\n50  points\r\n\r\n"));
}

void TestMemoryDrill::oneHandFinishesWhileOtherMemorises()
{
    Rig rig;
    rig.setCount(1);
    rig.drill.mnuStart_Click();
    rig.key(Hand::Right, 1);
    rig.key(Hand::Right, 1);
    rig.showTask(Hand::Left);
    rig.recallTask(Hand::Left);
    QCOMPARE(rig.status(Hand::Left), MemoryDrill::EndOfExercise);
    QCOMPARE(rig.status(Hand::Right), MemoryDrill::Memorize);
    QCOMPARE(rig.drill.link(Hand::Right).row(), 2);
    QCOMPARE(rig.drill.RightScore(), qint16(0));
    QVERIFY(!rig.drill.summaryWritten());
    QCOMPARE(rig.file.records.size(), 1);

    // The rest of the right hand's show, then its recall, one note wrong.
    for (int i = 2; i < 5; ++i)
        rig.key(Hand::Right, 1);
    QCOMPARE(rig.drill.phase(Hand::Right), Phase::Recall);
    for (int i = 0; i < 5; ++i) {
        const int due = MemoryTestDatabase::note(5, 0, i);
        rig.key(Hand::Right, i == 3 ? Rig::other(due) : due);
    }
    QCOMPARE(rig.file.records.size(), 3);
    QCOMPARE(rig.file.records[1], QByteArray("right hand memory test1 20 points\r\n"));
    QVERIFY(
        rig.file.records[2].endsWith("Mira\r\nMemory test 1 memory tasks\r\n45  points\r\n\r\n"));
}

void TestMemoryDrill::firstRunUsesColumnZeroThenRandomPicks_data()
{
    QTest::addColumn<int>("notes");
    QTest::newRow("3 notes") << 3;
    QTest::newRow("4 notes") << 4;
    QTest::newRow("5 notes") << 5;
}

void TestMemoryDrill::firstRunUsesColumnZeroThenRandomPicks()
{
    QFETCH(int, notes);
    const int columns = MemoryTestDatabase::columnsOf(notes);
    Rig rig;
    rig.drill.setNotesPerTask(notes);
    QCOMPARE(rig.drill.TaskColumnCount(), qint16(columns));
    rig.drill.mnuStart_Click();
    QCOMPARE(rig.column(Hand::Left), 0);
    QCOMPARE(rig.column(Hand::Right), 0);
    QCOMPARE(rig.random.draws, 0);

    // Draws at the bottom, the middle and just below the top of [0, 1); the last one
    // rounds to 1 in single precision and must still give the last column.
    rig.random.values = {0.0, 0.5, 0.99999999, 0.25};
    const QList<int> expected = {0, columns / 2, columns - 1};
    for (int pick : expected) {
        rig.showTask(Hand::Left);
        rig.recallTask(Hand::Left);
        QCOMPARE(rig.column(Hand::Left), pick);
        QCOMPARE(rig.settings.MemoryPickLeft, qint16(pick));
        QCOMPARE(rig.note(Hand::Left), QString::number(MemoryTestDatabase::note(notes, pick, 0)));
    }
    QCOMPARE(rig.column(Hand::Right), 0);

    // A second Start does not pick: each hand repeats the task it last held.
    rig.drill.mnuStart_Click();
    QCOMPARE(rig.column(Hand::Left), columns - 1);
    QCOMPARE(rig.column(Hand::Right), 0);
    QCOMPARE(rig.drill.link(Hand::Left).row(), 0);
    QCOMPARE(rig.drill.Leva(), QString::number(MemoryTestDatabase::note(notes, columns - 1, 0)));
}

void TestMemoryDrill::switchingTablesMidRun_data()
{
    QTest::addColumn<int>("fromNotes");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("toNotes");
    QTest::addColumn<int>("rightColumn");
    // The right hand's column in the new table; -1 when it had to be picked again.
    QTest::addColumn<int>("expectedRight");
    QTest::newRow("kept: 40 of 4 notes to 5 notes") << 4 << 0.5 << 5 << 40 << 40;
    QTest::newRow("re-picked: 70 of 4 notes to 5 notes") << 4 << 0.875 << 5 << 70 << -1;
    QTest::newRow("re-picked: 70 of 4 notes to 3 notes") << 4 << 0.875 << 3 << 70 << -1;
    QTest::newRow("re-picked: 58 of 3 notes to 5 notes") << 3 << 0.984 << 5 << 58 << -1;
    QTest::newRow("kept: 57 of 5 notes to 3 notes") << 5 << 0.984 << 3 << 57 << 57;
    QTest::newRow("kept: same table chosen again") << 5 << 0.5 << 5 << 29 << 29;
}

void TestMemoryDrill::switchingTablesMidRun()
{
    QFETCH(int, fromNotes);
    QFETCH(double, draw);
    QFETCH(int, toNotes);
    QFETCH(int, rightColumn);
    QFETCH(int, expectedRight);
    Rig rig;
    rig.drill.setNotesPerTask(fromNotes);
    rig.drill.mnuStart_Click();
    // The right hand finishes a task and draws its column; the left hand is in recall.
    rig.random.values = {draw};
    rig.showTask(Hand::Right);
    rig.recallTask(Hand::Right);
    QCOMPARE(rig.column(Hand::Right), rightColumn);
    rig.key(Hand::Right, 1);
    rig.showTask(Hand::Left);
    rig.key(Hand::Left, MemoryTestDatabase::note(fromNotes, 0, 0));
    const QString leftExpected = rig.drill.Leva();
    const QString rightExpected = rig.drill.Desna();
    const qint16 score = rig.drill.LeftScore();

    rig.random.values = {0.1};
    rig.drill.setNotesPerTask(toNotes);
    const int columns = MemoryTestDatabase::columnsOf(toNotes);
    const int right = expectedRight < 0 ? int(0.1 * columns) : expectedRight;
    QCOMPARE(rig.drill.TaskColumnCount(), qint16(columns));
    QCOMPARE(rig.drill.link(Hand::Left).recordSource(), QStringLiteral("mem%1").arg(toNotes));
    QCOMPARE(rig.column(Hand::Left), 0);
    QCOMPARE(rig.column(Hand::Right), right);
    QVERIFY(rig.drill.link(Hand::Right).hasColumn(QString::number(right)));
    QCOMPARE(rig.settings.MemoryPickRight, qint16(right));
    for (Hand h : {Hand::Left, Hand::Right})
        QCOMPARE(rig.drill.link(h).row(), 0);
    QCOMPARE(rig.note(Hand::Left), QString::number(MemoryTestDatabase::note(toNotes, 0, 0)));
    QCOMPARE(rig.note(Hand::Right), QString::number(MemoryTestDatabase::note(toNotes, right, 0)));
    // Phases, scores and the notes the hands expect stay as they were.
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Recall);
    QCOMPARE(rig.drill.phase(Hand::Right), Phase::Show);
    QVERIFY(!rig.noteShown(Hand::Left));
    QCOMPARE(rig.drill.Leva(), leftExpected);
    QCOMPARE(rig.drill.Desna(), rightExpected);
    QCOMPARE(rig.drill.LeftScore(), score);
    // The left hand's next key is still judged against the note expected before.
    rig.key(Hand::Left, leftExpected.toInt());
    QCOMPARE(rig.drill.LeftScore(), qint16(score + 5));
}

void TestMemoryDrill::resetShowsZeroButKeepsTotals()
{
    Rig rig;
    rig.drill.mnuStart_Click();
    rig.showTask(Hand::Left);
    rig.key(Hand::Left, MemoryTestDatabase::note(5, 0, 0));
    rig.key(Hand::Left, MemoryTestDatabase::note(5, 0, 1));
    rig.drill.mnuReset_Click();
    for (Label name : {Label::lblRezultat, Label::lbllRezultat, Label::lbldRezultat})
        QCOMPARE(rig.label(name), QStringLiteral("0"));
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Recall);
    rig.left.fire(1);
    rig.key(Hand::Left, MemoryTestDatabase::note(5, 0, 2));
    QCOMPARE(rig.label(Label::lbllRezultat), QStringLiteral("14"));
    QCOMPARE(rig.label(Label::lblRezultat), QStringLiteral("14"));
}

void TestMemoryDrill::loweringCountBelowTasksDoneKeepsHandGoing()
{
    Rig rig;
    rig.setCount(3);
    rig.drill.mnuStart_Click();
    for (int task = 0; task < 2; ++task) {
        rig.showTask(Hand::Left);
        rig.recallTask(Hand::Left);
    }
    rig.setCount(1);
    for (int task = 0; task < 3; ++task) {
        rig.showTask(Hand::Left);
        rig.recallTask(Hand::Left);
    }
    QCOMPARE(rig.drill.LeftTasksDone(), qint16(5));
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Show);
    QCOMPARE(rig.file.records.size(), 5);
    QCOMPARE(rig.file.records.last(), QByteArray("left hand memory test5 125 points\r\n"));
    QCOMPARE(rig.sound.played.size(), 1);
}

void TestMemoryDrill::unreadableDatabaseLeavesHandsIdle_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing file") << QStringLiteral("missing");
    QTest::newRow("not a database") << QStringLiteral("garbage");
    QTest::newRow("table missing") << QStringLiteral("no mem5");
}

void TestMemoryDrill::unreadableDatabaseLeavesHandsIdle()
{
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("piano.db"));
    if (problem == QLatin1String("garbage")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    } else if (problem == QLatin1String("no mem5")) {
        QVERIFY(MemoryTestDatabase::write(path, {QStringLiteral("mem5")}));
    }
    Rig rig(false);
    rig.drill.Form_Load(path, QStringLiteral("8"), QString());
    QVERIFY(!rig.drill.databaseError().isEmpty());
    rig.drill.mnuStart_Click();
    for (int i = 0; i < 12; ++i)
        rig.key(Hand::Left, 1);
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Idle);
    QCOMPARE(rig.note(Hand::Left), QStringLiteral("L"));
    QVERIFY(rig.status(Hand::Left).isEmpty());
    QVERIFY(rig.file.records.isEmpty());
    QVERIFY(rig.sound.played.isEmpty());

    // A table the database has works; one it lacks brings the hands back to idle.
    if (problem == QLatin1String("no mem5")) {
        rig.drill.setNotesPerTask(4);
        QVERIFY(rig.drill.databaseError().isEmpty());
        rig.drill.mnuStart_Click();
        QCOMPARE(rig.drill.phase(Hand::Left), Phase::Show);
        rig.drill.setNotesPerTask(5);
        QVERIFY(!rig.drill.databaseError().isEmpty());
        QCOMPARE(rig.drill.phase(Hand::Right), Phase::Idle);
        QCOMPARE(rig.note(Hand::Right), QStringLiteral("R"));
    }
}

void TestMemoryDrill::onlyColumnsTheTableHasAreDrawn_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("column");
    QTest::newRow("first") << 0.0 << 3;
    QTest::newRow("second") << 0.5 << 7;
    QTest::newRow("just below one") << std::nextafter(1.0, 0.0) << 7;
}

void TestMemoryDrill::onlyColumnsTheTableHasAreDrawn()
{
    QFETCH(double, draw);
    QFETCH(int, column);
    // A damaged five-note table with only two of its task columns.
    Rig rig(false);
    QVERIFY(ExerciseDbWriter::writeTable(
        rig.dbPath(), QStringLiteral("mem5"),
        {{QStringLiteral("3"), ExerciseDbWriter::cells(QStringLiteral("1 2 3 4 5 0"))},
         {QStringLiteral("7"), ExerciseDbWriter::cells(QStringLiteral("5 4 3 2 1 0"))}}));
    rig.drill.Form_Load(rig.dbPath(), QStringLiteral("8"), QString());
    QVERIFY(rig.drill.databaseError().isEmpty());
    rig.random.values = {draw};
    rig.drill.mnuStart_Click();
    for (Hand h : {Hand::Left, Hand::Right}) {
        QCOMPARE(rig.drill.phase(h), Phase::Show);
        QCOMPARE(rig.column(h), column);
        QCOMPARE(rig.note(h), column == 3 ? QStringLiteral("1") : QStringLiteral("5"));
    }
}

void TestMemoryDrill::startRetriesTheDatabaseAndSaysWhatIsWrong()
{
    Rig rig(false);
    QSignalSpy failed(&rig.drill, &DrillCore::startFailed);
    rig.drill.mnuStart_Click();
    rig.drill.mnuStart_Click();
    // Once per Start, in words, with the file's path.
    QCOMPARE(failed.size(), 2);
    const QString message = failed.at(0).at(0).toString();
    QVERIFY2(message.contains(rig.dbPath() + QStringLiteral(" is missing")), qPrintable(message));
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Idle);

    QVERIFY(MemoryTestDatabase::write(rig.dbPath()));
    rig.drill.mnuStart_Click();
    QCOMPARE(failed.size(), 2);
    QVERIFY(rig.drill.databaseError().isEmpty());
    QCOMPARE(rig.drill.phase(Hand::Left), Phase::Show);
    QCOMPARE(rig.status(Hand::Right), MemoryDrill::Memorize);
    QCOMPARE(rig.sound.played.size(), 1);
}

QTEST_GUILESS_MAIN(TestMemoryDrill)
#include "tst_memorydrill.moc"
