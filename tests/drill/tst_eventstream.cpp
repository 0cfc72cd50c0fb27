// SPDX-License-Identifier: GPL-3.0-or-later
// The practice events of the four drills: a scripted run of strikes, ticks and clock
// steps gives exactly the expected events and reaction times, strikes made during the
// start sound included.
#include "DrillFakes.h"
#include "ExerciseDbWriter.h"
#include "FakeHandPlayer.h"
#include "MemoryTestDatabase.h"
#include "drill/EventTrace.h"
#include "memory/MemoryDrill.h"
#include "preschool/PreschoolDrill.h"
#include "sequential/SequentialDrill.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString side(Hand h)
{
    return h == Hand::Left ? QStringLiteral("L") : QStringLiteral("R");
}

// One event as a short text: "show L1 3", "hit L 2/3 +0 early t0", "end L 5" ...
QString brief(const PracticeEvent &e)
{
    using T = PracticeEvent::Type;
    switch (e.type) {
    case T::ExerciseStarted:
        return QStringLiteral("start ") + e.kind;
    case T::TaskShown:
        return QStringLiteral("show %1%2 %3%4")
            .arg(side(e.hand))
            .arg(e.task)
            .arg(e.expected)
            .arg(e.memorize ? QStringLiteral(" m") : QString());
    case T::Strike:
        return QStringLiteral("hit %1 %2/%3 +%4 %5 t%6")
            .arg(side(e.hand))
            .arg(e.struck)
            .arg(e.expected)
            .arg(e.points)
            .arg(e.anticipated  ? QStringLiteral("early")
                 : e.reactionMs ? QStringLiteral("%1ms").arg(*e.reactionMs)
                                : QStringLiteral("none"))
            .arg(e.ticks);
    case T::HandEnded:
        return QStringLiteral("end %1 %2").arg(side(e.hand)).arg(e.score);
    case T::ExerciseFinished:
        return QStringLiteral("done %1 %2 %3").arg(e.leftScore).arg(e.rightScore).arg(e.totalScore);
    case T::ExerciseAbandoned:
        return QStringLiteral("abandon ") + e.reason;
    }
    return {};
}

// A drill of one kind on fakes; the start and end sound takes 900 ms of the fake clock.
struct Rig : DrillFakes {
    QTemporaryDir dir;
    FakeRandom random;
    FakeHandPlayer players[2];
    FakeTicker delay[2];
    std::unique_ptr<DrillCore> drill;

    explicit Rig(const QString &kind)
    {
        settings.PlayerName = QStringLiteral("Mira");
        sound.onPlay = [this] { clock.advanceMs(900); };
        const QString db = dir.filePath(QStringLiteral("piano.db"));
        if (kind == u"random") {
            auto d = std::make_unique<RandomDrill>(ports(), random);
            d->Form_Load(QStringLiteral("2"), QStringLiteral("XYL.WAV"));
            drill = std::move(d);
        } else if (kind == u"preschool") {
            auto d = std::make_unique<PreschoolDrill>(
                ports(), random, PreschoolPorts{players[0], players[1], delay[0], delay[1]},
                ProgramFolder(dir.path()));
            d->Form_Load(QStringLiteral("2"));
            drill = std::move(d);
        } else if (kind == u"sequential") {
            using ExerciseDbWriter::cells;
            ExerciseDbWriter::writeTable(db, QStringLiteral("Levavezbe"),
                                         {{QStringLiteral("0"), cells(QStringLiteral("5 4 0"))}});
            ExerciseDbWriter::writeTable(db, QStringLiteral("Desnavezbe"),
                                         {{QStringLiteral("0"), cells(QStringLiteral("1 2 0"))}});
            auto d = std::make_unique<SequentialDrill>(ports());
            d->Form_Load(db, QStringLiteral("1"), QStringLiteral("Hanon1"));
            drill = std::move(d);
        } else {
            MemoryTestDatabase::write(db);
            auto d = std::make_unique<MemoryDrill>(ports(), random);
            d->Form_Load(db, QStringLiteral("1"), QStringLiteral("XYL.WAV"));
            d->setNotesPerTask(3);
            drill = std::move(d);
        }
    }

    // S start, +N the clock N ms on, L3 / R3 a strike now, L3@-N one made N ms ago,
    // l / r a tick of the hand's timer, dl / dr the end of its feedback delay.
    void run(const QString &script)
    {
        for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u"S") {
                drill->mnuStart_Click();
            } else if (step.startsWith(u'+')) {
                clock.advanceMs(step.mid(1).toDouble());
            } else if (step == u"l" || step == u"r") {
                ticker(step == u"l" ? Hand::Left : Hand::Right).fire();
            } else if (step == u"dl" || step == u"dr") {
                delay[step == u"dl" ? 0 : 1].fire();
            } else {
                const Hand h = step.startsWith(u'L') ? Hand::Left : Hand::Right;
                const int at = step.indexOf(u'@');
                FingerStrike strike{h, step.mid(1, at < 0 ? -1 : at - 1).toInt()};
                strike.timeNs =
                    clock.monotonic + (at < 0 ? 0 : qint64(step.mid(at + 1).toDouble() * 1e6));
                strike.device = QStringLiteral("keyboard");
                drill->keyUp(strike);
            }
        }
    }
    QString stream() const
    {
        QStringList all;
        for (const PracticeEvent &e : events.events)
            all << brief(e);
        return all.join(QStringLiteral(", "));
    }
};

double forFinger(int finger)
{
    return FakeRandom::forFinger(finger, 5, 1);
}

} // namespace

class TestEventStream : public QObject {
    Q_OBJECT
private slots:
    void stream_data();
    void stream();
    void startReportsKindParametersAndPlayer();
    void traceWritesOneObjectALine();
};

void TestEventStream::stream_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    // Two tasks a hand; the left key released during the start sound is judged against
    // the first task but is early; the last task of a hand is not scored.
    QTest::newRow("random")
        << "random" << QList<double>{forFinger(3), forFinger(4), forFinger(5), forFinger(1)}
        << "S L2@-300 +250 L5 R4 r r R1"
        << "start random, show L1 3, show R1 4, hit L 2/3 +0 early t0, show L2 5, "
           "hit L 5/5 +0 250ms t0, end L 0, hit R 4/4 +5 1150ms t0, show R2 1, "
           "hit R 1/1 +0 0ms t2, end R 5, done 0 5 5";
    // Keys before Start belong to no exercise; Start again abandons the running one.
    QTest::newRow("random restarted")
        << "random" << QList<double>{forFinger(3), forFinger(4), forFinger(2),
                                     forFinger(5), forFinger(1), forFinger(3)}
        << "L3 S +100 R4 S"
        << "start random, show L1 4, show R1 2, hit R 4/2 +0 100ms t0, show R2 5, "
           "abandon restarted, start random, show L1 1, show R1 3";
    // Wrong keys leave the task; a right one scores once, also when struck again in the
    // feedback delay; the next task comes with the delay's end.
    QTest::newRow("preschool")
        << "preschool" << QList<double>{forFinger(2), forFinger(3), forFinger(4)}
        << "S L1@-100 +500 L1 +100 L2 L2 dl +200 l L4 dl"
        << "start preschool, show L1 2, show R1 3, hit L 1/2 +0 early t0, "
           "hit L 1/2 +0 500ms t0, hit L 2/2 +5 600ms t0, hit L 2/2 +0 600ms t0, show L2 4, "
           "hit L 4/4 +4 200ms t1, end L 9";
    // A pass of the sequence and the hand's last step, which scores.
    QTest::newRow("sequential")
        << "sequential" << QList<double>{} << "S +300 L5 l L3 L5 R1 R2 +50 R1"
        << "start sequential, show L1 5, show R1 1, hit L 5/5 +5 300ms t0, show L2 4, "
           "hit L 3/4 +0 0ms t1, show L3 5, hit L 5/5 +5 0ms t0, end L 10, "
           "hit R 1/1 +5 1200ms t0, show R2 2, hit R 2/2 +5 0ms t0, show R3 1, "
           "hit R 1/1 +5 50ms t0, end R 15, done 10 15 25";
    // Three notes shown to be memorized, then played back hidden.
    QTest::newRow("memory")
        << "memory" << QList<double>{0.0} << "S L1 L2 +50 L3 +300 L1 L2 L4"
        << "start memory, show L1 1 m, show R1 1 m, hit L 1/1 +0 0ms t0, show L2 2 m, "
           "hit L 2/2 +0 0ms t0, show L3 3 m, hit L 3/3 +0 50ms t0, show L4 1, "
           "hit L 1/1 +5 300ms t0, show L5 2, hit L 2/2 +5 0ms t0, show L6 3, "
           "hit L 4/3 +0 0ms t0, end L 10";
}

void TestEventStream::stream()
{
    QFETCH(QString, kind);
    QFETCH(QList<double>, draws);
    QFETCH(QString, script);
    QFETCH(QString, expected);
    Rig rig(kind);
    rig.random.values = draws;
    rig.run(script);
    QCOMPARE(rig.stream(), expected);
}

void TestEventStream::startReportsKindParametersAndPlayer()
{
    Rig rig(QStringLiteral("random"));
    rig.settings.LeftFingerMax = QStringLiteral("2");
    rig.settings.LeftFingerMin = QStringLiteral("4");
    rig.left.setInterval(700);
    rig.run(QStringLiteral("S"));
    const PracticeEvent &start = rig.events.events.first();
    QCOMPARE(start.player, QStringLiteral("Mira"));
    QCOMPARE(start.wallClock, rig.clock.time);
    QCOMPARE(start.parameters.value(QStringLiteral("fingers_left")).toString(),
             QStringLiteral("4-5"));
    QCOMPARE(start.parameters.value(QStringLiteral("tasks_right")).toInt(), 2);
    QCOMPARE(start.parameters.value(QStringLiteral("interval_left_ms")).toInt(), 700);
}

void TestEventStream::traceWritesOneObjectALine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.jsonl"));
    {
        EventTrace trace(path);
        Rig rig(QStringLiteral("random"));
        rig.random.values = {forFinger(3), forFinger(4)};
        rig.run(QStringLiteral("S L3@-10"));
        for (const PracticeEvent &e : rig.events.events)
            trace.practiceEvent(e);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 6); // five events and the end of the last line
    QStringList types;
    for (int i = 0; i < 5; ++i)
        types
            << QJsonDocument::fromJson(lines[i]).object().value(QStringLiteral("type")).toString();
    QCOMPARE(types,
             QStringList({"exercise_started", "task_shown", "task_shown", "strike", "task_shown"}));
    const QJsonObject strike = QJsonDocument::fromJson(lines[3]).object();
    QCOMPARE(strike.value(QStringLiteral("hand")).toString(), QStringLiteral("left"));
    QCOMPARE(strike.value(QStringLiteral("struck")).toInt(), 3);
    QVERIFY(strike.value(QStringLiteral("anticipated")).toBool());
    QVERIFY(strike.value(QStringLiteral("reaction_ms")).isNull());
}

QTEST_GUILESS_MAIN(TestEventStream)
#include "tst_eventstream.moc"
