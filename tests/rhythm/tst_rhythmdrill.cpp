// SPDX-License-Identifier: GPL-3.0-or-later
// The rhythm drill over its grid: strikes played at known offsets from their notes come
// back in the event stream with those deviations and their points, a held key is judged
// by its press, a note nobody struck is missed, and the results log gets the figure and
// the tempo.
#include "../support/DrillFakes.h"
#include "../support/ExerciseDbWriter.h"
#include "../support/FakeClickTrack.h"
#include "rhythm/RhythmDrill.h"

#include <QTemporaryDir>
#include <QTest>

using ExerciseDbWriter::cells;

namespace {

constexpr qint64 Ms = 1'000'000;
constexpr int Missed = 9999; // a note nobody strikes

struct Rig : DrillFakes {
    QTemporaryDir dir;
    FakeTicker pace;
    FakeClickTrack clicks;
    RhythmDrill drill{ports(), &clicks, pace};

    Rig()
    {
        settings.PlayerName = QStringLiteral("Ana");
        const QString db = dir.filePath(QStringLiteral("piano.db"));
        ExerciseDbWriter::writeTable(db, QStringLiteral("Levavezbe"),
                                     {{QStringLiteral("0"), cells(QStringLiteral("5 4 3 2 0"))}});
        ExerciseDbWriter::writeTable(db, QStringLiteral("Desnavezbe"),
                                     {{QStringLiteral("0"), cells(QStringLiteral("1 2 3 4 0"))}});
        drill.Form_Load(db);
        RhythmDrill::Options options;
        options.bpm = 120; // a note every 500 ms
        options.notesPerBeat = {1, 1};
        options.length = 1;
        options.countIn = false;
        drill.setOptions(options);
    }
};

} // namespace

class TestRhythmDrill : public QObject {
    Q_OBJECT
private slots:
    void strikesKeepTheirDeviations_data();
    void strikesKeepTheirDeviations();
    void clicksGoOutAheadExceptInSilentBars();
    void twoAgainstThreeShowsEachGridAndTellsIfClean_data();
    void twoAgainstThreeShowsEachGridAndTellsIfClean();
};

void TestRhythmDrill::strikesKeepTheirDeviations_data()
{
    // The left hand's four notes, each struck this many ms from its time (or missed), its
    // keys held this long; the right hand plays on the grid. The deviations the events
    // carry, and the total.
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<QList<double>>("deviations");
    QTest::addColumn<int>("total");
    QTest::newRow("on the grid") << QList<int>{0, 0, 0, 0} << 0 << QList<double>{0, 0, 0, 0} << 40;
    QTest::newRow("one finger 30 ms late")
        << QList<int>{0, 30, 0, 30} << 0 << QList<double>{0, 30, 0, 30} << 38;
    QTest::newRow("early, and one out of time")
        << QList<int>{-10, -50, 0, 100} << 0 << QList<double>{-10, -50, 0, 100} << 34;
    QTest::newRow("held keys count from their press")
        << QList<int>{0, 0, 0, 0} << 300 << QList<double>{0, 0, 0, 0} << 40;
    QTest::newRow("a note missed")
        << QList<int>{0, Missed, 0, 0} << 0 << QList<double>{0, 0, 0} << 35;
}

void TestRhythmDrill::strikesKeepTheirDeviations()
{
    QFETCH(QList<int>, offsets);
    QFETCH(int, heldMs);
    QFETCH(QList<double>, deviations);
    QFETCH(int, total);
    Rig rig;
    rig.drill.mnuStart_Click();
    QVERIFY(rig.drill.isPlaying());
    const qint64 first = rig.clock.monotonic + RhythmDrill::LeadMs * Ms;
    const QList<int> left{5, 4, 3, 2}, right{1, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        const qint64 due = first + i * 500 * Ms;
        rig.clock.monotonic = due - 100 * Ms;
        rig.pace.fire();
        QCOMPARE(rig.drill.labels().text(Label::Label1), QString::number(left[i]));
        rig.clock.monotonic = due;
        rig.drill.keyUp({Hand::Right, right[i], due, QStringLiteral("keyboard"), 0, -1, due});
        if (offsets[i] == Missed)
            continue;
        const qint64 pressed = due + offsets[i] * Ms;
        rig.clock.monotonic = std::max(rig.clock.monotonic, pressed + heldMs * Ms);
        rig.drill.keyUp({Hand::Left, left[i], pressed + heldMs * Ms, QStringLiteral("keyboard"), 0,
                         -1, pressed});
    }
    rig.clock.monotonic = first + 3000 * Ms;
    rig.pace.fire();
    QVERIFY(!rig.drill.isPlaying());

    QList<double> seen;
    for (const PracticeEvent &e : rig.events.events) {
        if (e.type == PracticeEvent::Type::Strike && e.hand == Hand::Left) {
            QVERIFY(e.deviationMs && !e.reactionMs);
            seen << std::round(*e.deviationMs);
        }
    }
    QCOMPARE(seen, deviations);
    QCOMPARE(int(rig.drill.TotalScore()), total);
    QVERIFY(rig.drill.summaryWritten());
    // The whole record, as the other windows write theirs.
    QCOMPARE(rig.file.bytes(), "12-07 14:03:59\r\nAna\r\nRhythm Hanon1 120 bpm\r\n" +
                                   QByteArray::number(total) + "  points\r\n\r\n");
}

void TestRhythmDrill::clicksGoOutAheadExceptInSilentBars()
{
    Rig rig;
    RhythmDrill::Options options = rig.drill.options();
    options.countIn = true;
    options.lengthIn = RhythmGrid::Length::Bars;
    options.length = 4;
    options.silentEvery = 2; // the second and fourth bars without the click
    rig.drill.setOptions(options);
    rig.drill.mnuStart_Click();
    // Opened before the start sound, every click handed over at once when it has ended.
    QCOMPARE(rig.clicks.starts, 1);
    const qint64 first = rig.clock.monotonic + RhythmDrill::LeadMs * Ms + 4 * 500 * Ms;
    QList<qint64> expected;
    for (int beat = -4; beat < 16; ++beat) {
        if (beat / 4 % 2 == 0 || beat < 0)
            expected << first + beat * 500 * Ms;
    }
    QCOMPARE(rig.clicks.scheduledTimes(), expected);
    // The end of the grid closes the output.
    rig.clock.monotonic = first + 9000 * Ms;
    rig.pace.fire();
    QVERIFY(!rig.clicks.isRunning());
}

void TestRhythmDrill::twoAgainstThreeShowsEachGridAndTellsIfClean_data()
{
    QTest::addColumn<bool>("played");
    QTest::newRow("every note on its time") << true;
    QTest::newRow("nothing played") << false;
}

void TestRhythmDrill::twoAgainstThreeShowsEachGridAndTellsIfClean()
{
    QFETCH(bool, played);
    Rig rig;
    RhythmDrill::Options options = rig.drill.options();
    options.notesPerBeat = {2, 3};
    rig.drill.setOptions(options);
    rig.drill.mnuStart_Click();
    const qint64 first = rig.clock.monotonic + RhythmDrill::LeadMs * Ms;
    // Each hand's place in the beat follows its own grid: 250 ms a note left, 166.7 right.
    const QList<std::pair<qint64, std::pair<int, int>>> places = {
        {0, {0, 0}}, {200, {1, 1}}, {300, {1, 2}}, {400, {0, 2}}};
    for (const auto &[atMs, place] : places) {
        rig.clock.monotonic = first + atMs * Ms;
        rig.pace.fire();
        QCOMPARE(rig.drill.beatPlace(Hand::Left)->place, place.first);
        QCOMPARE(rig.drill.beatPlace(Hand::Left)->notesPerBeat, 2);
        QCOMPARE(rig.drill.beatPlace(Hand::Right)->place, place.second);
        QCOMPARE(rig.drill.beatPlace(Hand::Right)->notesPerBeat, 3);
    }
    // Played from a new Start, each note struck at its time as the clock comes to it.
    rig.drill.mnuStart_Click();
    QList<std::pair<qint64, FingerStrike>> strikes;
    for (Hand h : BothHands) {
        for (const RhythmGrid::Note &note : rig.drill.judge()->grid().notes(h))
            strikes.append(
                {note.timeNs,
                 {h, note.finger, note.timeNs, QStringLiteral("keyboard"), 0, -1, note.timeNs}});
    }
    std::sort(strikes.begin(), strikes.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[at, strike] : strikes) {
        if (!played)
            break;
        rig.clock.monotonic = at;
        rig.pace.fire();
        rig.drill.keyUp(strike);
    }
    rig.clock.monotonic += 10000 * Ms;
    rig.pace.fire();
    QVERIFY(!rig.drill.isPlaying() && !rig.drill.beatPlace(Hand::Left));
    const PracticeEvent &end = rig.events.events.last();
    QCOMPARE(end.type, PracticeEvent::Type::ExerciseFinished);
    QCOMPARE(end.parameters.value(QStringLiteral("clean")).toBool(), played);
    QCOMPARE(rig.drill.bestCleanBpm(), played ? std::optional<int>(120) : std::nullopt);
}

QTEST_GUILESS_MAIN(TestRhythmDrill)
#include "tst_rhythmdrill.moc"
