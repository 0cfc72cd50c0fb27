// SPDX-License-Identifier: GPL-3.0-or-later
#include "../support/DrillFakes.h"
#include "../support/ExerciseDbWriter.h"
#include "sequential/SequentialDrill.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using ExerciseDbWriter::cells;
using ExerciseDbWriter::Column;

namespace {

const QString LeftPass = QStringLiteral("L5 L4 L3 L2 L1 L2 L3 L4");
const QString RightPass = QStringLiteral("R1 R2 R3 R4 R5 R4 R3 R2");

// A drill with fakes around it and a database in a temporary folder.
struct Rig : DrillFakes {
    QTemporaryDir dir;
    SequentialDrill drill{ports()};

    Rig() { settings.PlayerName = QStringLiteral("Ana"); }
    QString db() const { return dir.filePath(QStringLiteral("piano.db")); }
    void writeBoth(const QList<Column> &leftTable, const QList<Column> &rightTable)
    {
        QVERIFY(ExerciseDbWriter::writeTable(db(), QStringLiteral("Levavezbe"), leftTable));
        QVERIFY(ExerciseDbWriter::writeTable(db(), QStringLiteral("Desnavezbe"), rightTable));
    }
    void writeHanon1()
    {
        writeBoth({{QStringLiteral("0"), cells(QStringLiteral("5 4 3 2 1 2 3 4 0"))}},
                  {{QStringLiteral("0"), cells(QStringLiteral("1 2 3 4 5 4 3 2 0"))}});
    }
    void load(const QString &count = QStringLiteral("8"))
    {
        drill.Form_Load(db(), count, QStringLiteral("Hanon1"));
    }
    QString text(Label label) const { return drill.labels().text(label); }

    // S start, Z reset, L<f>/R<f> a finger key, l/r a tick, C<n> both counts.
    void run(const QString &script)
    {
        for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
            const QChar op = step.at(0);
            const int arg = step.mid(1).toInt();
            if (op == u'S')
                drill.mnuStart_Click();
            else if (op == u'Z')
                drill.mnuReset_Click();
            else if (op == u'L')
                drill.keyUp({Hand::Left, arg});
            else if (op == u'R')
                drill.keyUp({Hand::Right, arg});
            else if (op == u'l')
                left.fire();
            else if (op == u'r')
                right.fire();
            else if (op == u'C')
                settings.SequenceCountLeft = settings.SequenceCountRight = qint16(arg);
        }
    }
};

// "a|b|" -> "a\r\nb\r\n"
QByteArray lines(const QString &text)
{
    QString copy = text;
    return copy.replace(u'|', QStringLiteral("\r\n")).toLocal8Bit();
}

QString closing(int count, int total)
{
    return QStringLiteral("+ last task points diference|12-07 14:03:59|Ana|Sequential %1 "
                          "sequences|%2  points||")
        .arg(count)
        .arg(total);
}

} // namespace

class TestSequentialDrill : public QObject {
    Q_OBJECT
private slots:
    void stepping_data();
    void stepping();
    void exercises_data();
    void exercises();
    void endedHandScoresNothing();
    void chooserTakesEffectAtStart();
    void failures_data();
    void failures();
    void failureAfterARunningExercise();
    void databasePutBackAfterLoad();
};

void TestSequentialDrill::stepping_data()
{
    QTest::addColumn<int>("hand");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("trace");

    // After Start and after each key, the task shown; '*' marks the key that completes a
    // pass, '_' an empty display. Each key is the finger shown.
    for (int hand : {0, 1}) {
        const char *side = hand == 0 ? "left" : "right";
        QTest::addRow("%s: terminated column wraps at its 0", side)
            << hand << 0 << QStringLiteral("1 2 3 1* 2 3 1*");
        QTest::addRow("%s: column filling every row wraps at the end", side)
            << hand << 1 << QStringLiteral("4 5 4 5 3 2 4* 5 4");
        QTest::addRow("%s: cells below a 0 are never shown", side)
            << hand << 2 << QStringLiteral("2 3 2* 3 2*");
        QTest::addRow("%s: empty cells show nothing and score nothing", side)
            << hand << 3 << QStringLiteral("1 2 _ _ _ _ 1* 2");
        QTest::addRow("%s: column 10 is not column 1", side)
            << hand << 10 << QStringLiteral("5 4 5* 4 5*");
    }
}

void TestSequentialDrill::stepping()
{
    QFETCH(int, hand);
    QFETCH(int, exercise);
    QFETCH(QString, trace);

    // Six rows: the longest column fills them all; shorter ones end in NULL cells.
    const QList<Column> table = {
        {QStringLiteral("0"), cells(QStringLiteral("1 2 3 0"))},
        {QStringLiteral("1"), cells(QStringLiteral("4 5 4 5 3 2"))},
        {QStringLiteral("2"), cells(QStringLiteral("2 3 0 5 5 5"))},
        {QStringLiteral("3"), cells(QStringLiteral("1 2"))},
        {QStringLiteral("10"), cells(QStringLiteral("5 4 0"))},
    };
    const QList<Column> other = {
        {QStringLiteral("0"), cells(QStringLiteral("1 0"))},
        {QStringLiteral("1"), cells(QStringLiteral("1 0"))},
        {QStringLiteral("2"), cells(QStringLiteral("1 0"))},
        {QStringLiteral("3"), cells(QStringLiteral("1 0"))},
        {QStringLiteral("10"), cells(QStringLiteral("1 0"))},
    };
    Rig rig;
    const Hand h = hand == 0 ? Hand::Left : Hand::Right;
    if (h == Hand::Left)
        rig.writeBoth(table, other);
    else
        rig.writeBoth(other, table);
    rig.load(QStringLiteral("100"));
    rig.settings.ExerciseIndex = qint16(exercise);
    rig.drill.mnuStart_Click();
    QVERIFY(rig.drill.isRunning());

    const QStringList expected = trace.split(u' ');
    int passes = 0;
    int points = 0;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QString want = expected.at(i);
        if (want.endsWith(u'*')) {
            ++passes;
            want.chop(1);
        }
        if (want == QLatin1String("_"))
            want.clear();
        QCOMPARE(rig.text(SequentialDrill::taskLabel(h)), want);
        QCOMPARE(rig.drill.hand(h).task, want);
        QCOMPARE(rig.drill.hand(h).count, qint16(passes));
        QCOMPARE(rig.drill.hand(h).score, qint16(points));
        if (i + 1 == expected.size())
            break;
        // The finger shown; on an empty display any finger scores nothing.
        rig.drill.keyUp({h, want.isEmpty() ? 1 : want.toInt()});
        if (!want.isEmpty())
            points += 5;
        QCOMPARE(rig.drill.hand(h).ticks, qint16(0));
        QVERIFY(rig.drill.ticker(h).isActive());
    }
    // The other hand never moved.
    const Hand o = h == Hand::Left ? Hand::Right : Hand::Left;
    QCOMPARE(rig.text(SequentialDrill::taskLabel(o)), QStringLiteral("1"));
    QCOMPARE(rig.file.records.size(), passes);
}

void TestSequentialDrill::exercises_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("displays"); // Label1|Label2|Label9|Label11
    QTest::addColumn<int>("sounds");

    const QString end = QStringLiteral("End of exercise");
    const QString ended = QStringLiteral("||%1|%1").arg(end);
    const QString L = LeftPass;
    const QString R = RightPass;

    QTest::newRow("perfect run, one sequence per hand")
        << QStringLiteral("C1 S %1 %2 L5 R1").arg(L, R)
        << QStringLiteral("left hand sequence1 40 points|right hand sequence1 40 points|") +
               closing(1, 90)
        << ended << 3;
    QTest::newRow("right hand ends first")
        << QStringLiteral("C1 S %1 R1 %2 L5").arg(R, L)
        << QStringLiteral("right hand sequence1 40 points|left hand sequence1 40 points|") +
               closing(1, 90)
        << ended << 3;
    QTest::newRow("keys of ended hands sound but write nothing more")
        << QStringLiteral("C1 S %1 L5 %2 R1 L5 R1 L3").arg(L, R)
        << QStringLiteral("left hand sequence1 40 points|right hand sequence1 40 points|") +
               closing(1, 90)
        << ended << 6;
    QTest::newRow("two sequences count the running score")
        << QStringLiteral("C2 S %1 %1 L5 %2 %2 R1").arg(L, R)
        << QStringLiteral("left hand sequence1 40 points|left hand sequence2 80 points|"
                          "right hand sequence1 40 points|right hand sequence2 80 points|") +
               closing(2, 170)
        << ended << 3;
    QTest::newRow("ticks lower the points")
        << QStringLiteral("C1 S l l %1 L5 r r r r r r %2 R1").arg(L, R)
        << QStringLiteral("left hand sequence1 38 points|right hand sequence1 35 points|") +
               closing(1, 83)
        << ended << 3;
    QTest::newRow("wrong keys advance without points")
        << QStringLiteral("C1 S L1 L1 L1 L1 L2 L1 L1 L1 L1 %1 R1").arg(R)
        << QStringLiteral("left hand sequence1 0 points|right hand sequence1 40 points|") +
               closing(1, 45)
        << ended << 3;
    QTest::newRow("count 0 ends each hand at its first key, which still scores")
        << QStringLiteral("C0 S L5 R1") << closing(0, 10) << ended << 3;
    QTest::newRow("negative count is never reached")
        << QStringLiteral("C-1 S %1 %1 L5").arg(L)
        << QStringLiteral("left hand sequence1 40 points|left hand sequence2 80 points|")
        << QStringLiteral("4|1||") << 1;
    QTest::newRow("count lowered below the passes done is never reached")
        << QStringLiteral("C3 S %1 %1 C1 %1 L5").arg(L)
        << QStringLiteral("left hand sequence1 40 points|left hand sequence2 80 points|"
                          "left hand sequence3 120 points|")
        << QStringLiteral("4|1||") << 1;
    QTest::newRow("count raised back to the passes done ends at the next key")
        << QStringLiteral("C3 S %1 %1 C1 %1 C3 L5").arg(L)
        << QStringLiteral("left hand sequence1 40 points|left hand sequence2 80 points|"
                          "left hand sequence3 120 points|")
        << QStringLiteral("|1|%1|").arg(end) << 2;
    QTest::newRow("Start of an ended exercise shows step 1 again")
        << QStringLiteral("C0 S L5 R1 S") << closing(0, 10) << QStringLiteral("5|1||") << 4;
    QTest::newRow("a new exercise writes its own closing lines")
        << QStringLiteral("C0 S L5 R1 S L4 R1") << closing(0, 10) + closing(0, 5) << ended << 6;
    QTest::newRow("a pass reports the score display, left from the last run")
        << QStringLiteral("C1 S %1 L5 %2 R1 S L1 L1 L1 L1 L2 L1 L1 L1").arg(L, R)
        << QStringLiteral("left hand sequence1 40 points|right hand sequence1 40 points|") +
               closing(1, 90) + QStringLiteral("left hand sequence1 45 points|")
        << QStringLiteral("5|1||") << 4;
    QTest::newRow("a pass after Reset reports 0 until the hand scores")
        << QStringLiteral("C1 S L5 L4 Z L5 L5 L5 L5 L5 L5")
        << QStringLiteral("left hand sequence1 0 points|") << QStringLiteral("5|1||") << 1;
    QTest::newRow("keys before the first Start do nothing")
        << QStringLiteral("L5 R1 L4 R2 l r") << QString() << QStringLiteral("L|R||") << 0;
}

void TestSequentialDrill::exercises()
{
    QFETCH(QString, script);
    QFETCH(QString, log);
    QFETCH(QString, displays);
    QFETCH(int, sounds);

    Rig rig;
    rig.writeHanon1();
    rig.load();
    rig.settings.SoundPath = QStringLiteral("/x/XYL.WAV");
    rig.run(script);

    QCOMPARE(rig.file.bytes(), lines(log));
    const QStringList shown = {rig.text(Label::Label1), rig.text(Label::Label2),
                               rig.text(Label::Label9), rig.text(Label::Label11)};
    QCOMPARE(shown.join(u'|'), displays);
    QCOMPARE(rig.sound.played.size(), sounds);
    for (const QString &path : std::as_const(rig.sound.played))
        QCOMPARE(path, QStringLiteral("/x/XYL.WAV"));
}

void TestSequentialDrill::endedHandScoresNothing()
{
    Rig rig;
    rig.writeHanon1();
    rig.load();
    rig.run(QStringLiteral("C1 S %1 L5").arg(LeftPass));
    QCOMPARE(rig.drill.Leva(), QStringLiteral("5"));
    // The hand's task is still step 1, but its emptied display stops the scoring.
    rig.run(QStringLiteral("L5 L5"));
    QCOMPARE(rig.drill.LeftScore(), qint16(45));
    QCOMPARE(rig.text(Label::lbllRezultat), QStringLiteral("45"));
    QCOMPARE(rig.drill.TotalScore(), qint16(45));
    QCOMPARE(rig.drill.LeftSequencesDone(), qint16(1));
}

void TestSequentialDrill::chooserTakesEffectAtStart()
{
    Rig rig;
    rig.writeBoth({{QStringLiteral("0"), cells(QStringLiteral("5 4 0"))},
                   {QStringLiteral("1"), cells(QStringLiteral("3 2 0"))}},
                  {{QStringLiteral("0"), cells(QStringLiteral("1 2 0"))},
                   {QStringLiteral("1"), cells(QStringLiteral("4 5 0"))}});
    rig.load();
    QCOMPARE(rig.settings.SequenceCountLeft, qint16(8));
    QCOMPARE(rig.settings.SequenceCountRight, qint16(8));
    QCOMPARE(rig.text(Label::lblImeVezbe), QStringLiteral("Hanon1"));
    rig.run(QStringLiteral("S L5"));

    rig.settings.ExerciseIndex = 1;
    rig.drill.setExerciseName(QStringLiteral("Hanon2"));
    QCOMPARE(rig.text(Label::lblImeVezbe), QStringLiteral("Hanon2"));
    // The running exercise goes on with its column until the next Start.
    QCOMPARE(rig.text(Label::Label1), QStringLiteral("4"));
    rig.run(QStringLiteral("L4"));
    QCOMPARE(rig.text(Label::Label1), QStringLiteral("5"));
    rig.run(QStringLiteral("S"));
    QCOMPARE(rig.text(Label::Label1), QStringLiteral("3"));
    QCOMPARE(rig.text(Label::Label2), QStringLiteral("4"));
}

void TestSequentialDrill::failures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("missing");

    QTest::newRow("no database file")
        << QStringLiteral("none") << 0 << QStringLiteral("is missing");
    QTest::newRow("not a database") << QStringLiteral("garbage") << 0
                                    << QStringLiteral("piano.db is not an exercise database.");
    QTest::newRow("no left table")
        << QStringLiteral("right only") << 0 << QStringLiteral("has no table Levavezbe");
    QTest::newRow("no right table")
        << QStringLiteral("left only") << 0 << QStringLiteral("has no table Desnavezbe");
    QTest::newRow("no column for the exercise")
        << QStringLiteral("both") << 3
        << QStringLiteral("Levavezbe of the exercise database %1 has no column \"3\"");
    QTest::newRow("negative exercise")
        << QStringLiteral("both") << -1 << QStringLiteral("has no column \"-1\"");
    QTest::newRow("left table without rows")
        << QStringLiteral("left empty") << 0
        << QStringLiteral("Levavezbe of the exercise database %1 has no rows");
}

void TestSequentialDrill::failures()
{
    QFETCH(QString, setup);
    QFETCH(int, exercise);
    QFETCH(QString, missing);

    Rig rig;
    const QList<Column> one = {{QStringLiteral("0"), cells(QStringLiteral("5 4 0"))}};
    if (setup == QLatin1String("garbage")) {
        QFile f(rig.db());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    } else if (setup == QLatin1String("right only")) {
        QVERIFY(ExerciseDbWriter::writeTable(rig.db(), QStringLiteral("Desnavezbe"), one));
    } else if (setup == QLatin1String("left only")) {
        QVERIFY(ExerciseDbWriter::writeTable(rig.db(), QStringLiteral("Levavezbe"), one));
    } else if (setup == QLatin1String("both")) {
        rig.writeBoth(one, one);
    } else if (setup == QLatin1String("left empty")) {
        rig.writeBoth({{QStringLiteral("0"), {}}}, one);
    }
    rig.load();
    rig.settings.ExerciseIndex = qint16(exercise);
    QSignalSpy failed(&rig.drill, &SequentialDrill::startFailed);

    rig.run(QStringLiteral("S L5 R5 L4 l r"));

    QCOMPARE(failed.size(), 1);
    const QString message = failed.at(0).at(0).toString();
    QCOMPARE(rig.drill.startFailure(), message);
    QVERIFY2(message.contains(rig.db()), qPrintable(message));
    if (missing.contains(QLatin1String("%1")))
        missing = missing.arg(rig.db());
    QVERIFY2(message.contains(missing), qPrintable(message));
    QVERIFY(!rig.drill.isRunning());
    // The idle task displays stay as the window opened.
    QCOMPARE(rig.text(Label::Label1), QStringLiteral("L"));
    QCOMPARE(rig.text(Label::Label2), QStringLiteral("R"));
    QCOMPARE(rig.drill.LeftSequencesDone(), qint16(0));
    QCOMPARE(rig.drill.TotalScore(), qint16(0));
    QVERIFY(!rig.left.isActive());
    QVERIFY(!rig.right.isActive());
    QVERIFY(rig.sound.played.isEmpty());
    QVERIFY(rig.file.records.isEmpty());
}

void TestSequentialDrill::failureAfterARunningExercise()
{
    Rig rig;
    rig.writeHanon1();
    rig.load();
    rig.run(QStringLiteral("S L5 R1"));
    QCOMPARE(rig.drill.TotalScore(), qint16(10));

    // The chosen exercise has no column: both hands stop instead of going on with the
    // old one.
    rig.settings.ExerciseIndex = 7;
    QSignalSpy failed(&rig.drill, &SequentialDrill::startFailed);
    rig.run(QStringLiteral("S L4 R2"));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(rig.text(Label::Label1), QStringLiteral("L"));
    QCOMPARE(rig.text(Label::lbllRezultat), QStringLiteral("5"));
    QCOMPARE(rig.drill.TotalScore(), qint16(10));

    rig.settings.ExerciseIndex = 0;
    rig.run(QStringLiteral("S L5"));
    QVERIFY(rig.drill.startFailure().isEmpty());
    QCOMPARE(rig.drill.TotalScore(), qint16(5));
    QCOMPARE(failed.size(), 1);
}

void TestSequentialDrill::databasePutBackAfterLoad()
{
    Rig rig;
    rig.load();
    rig.run(QStringLiteral("S"));
    QVERIFY(!rig.drill.isRunning());
    rig.writeHanon1();
    rig.run(QStringLiteral("S L5"));
    QVERIFY(rig.drill.isRunning());
    QCOMPARE(rig.text(Label::Label1), QStringLiteral("4"));
    QCOMPARE(rig.drill.LeftScore(), qint16(5));
}

QTEST_GUILESS_MAIN(TestSequentialDrill)
#include "tst_sequentialdrill.moc"
