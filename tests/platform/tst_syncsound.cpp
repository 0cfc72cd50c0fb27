// SPDX-License-Identifier: GPL-3.0-or-later
// The start and end sound: played every time it is asked for, holding the drill for
// exactly its length while the event loop goes on, and holding nothing when it cannot play.
#include "FakeHandPlayer.h"
#include "Fakes.h"
#include "drill/DrillHold.h"
#include "platform/QtSyncSound.h"
#include "platform/SystemClock.h"
#include "random/RandomDrill.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestSyncSound : public QObject {
    Q_OBJECT
private slots:
    void holdsForTheSoundsLength_data();
    void holdsForTheSoundsLength();
    void aSoundThatCannotPlayHoldsNothing();
    void aFloodOnAnEndedHandPlaysOneTuneAtATime();
};

void TestSyncSound::holdsForTheSoundsLength_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("short") << 120;
    QTest::newRow("the xylophone") << 900;
}

void TestSyncSound::holdsForTheSoundsLength()
{
    QFETCH(int, length);
    FakeHandPlayer output;
    output.length = length;
    QtSyncSound sound(output);
    sound.prepare(QStringLiteral("XYL.WAV"));
    QCOMPARE(output.prepared, QStringList{QStringLiteral("XYL.WAV")});

    for (int play = 1; play <= 3; ++play) {
        bool heldMidway = false;
        QTimer::singleShot(length / 2, [&] { heldMidway = sound.hold().isHeld(); });
        QElapsedTimer clock;
        clock.start();
        sound.playSync(QStringLiteral("XYL.WAV"));
        // Started at once, and the program goes on while it plays.
        QVERIFY(sound.hold().isHeld());
        QVERIFY(clock.elapsed() < 50);
        QTRY_VERIFY_WITH_TIMEOUT(!sound.hold().isHeld(), length + 2000);
        const qint64 held = clock.elapsed();
        // Played each time, straight away, and held for its length, not for its length
        // and a safety margin besides.
        QCOMPARE(output.played.size(), play);
        QVERIFY(heldMidway);
        QVERIFY(!sound.hold().isHeld());
        QVERIFY2(held >= length - 1 && held < length + 400, qPrintable(QString::number(held)));
    }
}

void TestSyncSound::aSoundThatCannotPlayHoldsNothing()
{
    FakeHandPlayer output;
    output.length = std::nullopt;
    int beeps = 0;
    QtSyncSound sound(output, [&] { ++beeps; });
    sound.playSync(QStringLiteral("missing.wav"));
    QVERIFY(output.played.isEmpty());
    QVERIFY(!sound.hold().isHeld());
    QCOMPARE(beeps, 1);
}

// Keys of a hand that has had all its tasks, 2,000 a second for 1.5 s while the event loop
// runs: the end tune answers the first, then each one that comes after a tune has ended,
// never one nested in another; none of them is a strike, and the log hears nothing.
void TestSyncSound::aFloodOnAnEndedHandPlaysOneTuneAtATime()
{
    FakeHandPlayer output;
    output.length = 300;
    QElapsedTimer clock;
    clock.start();
    QList<qint64> tunes;
    QtSyncSound sound(output);
    SystemClock system;
    PracticeSettings settings;
    FakeTicker left;
    FakeTicker right;
    FakeLogFile file;
    FakeClock wall;
    ResultsLog log(file, wall);
    RecordingObserver events;
    FakeRandom random;
    RandomDrill drill(DrillPorts{settings, left, right, sound, log, &system, &events}, random);
    drill.Form_Load(QStringLiteral("2"), QStringLiteral("XYL.WAV"));
    const auto strike = [&](Hand h) {
        drill.keyUp(FingerStrike{h, 1, system.monotonicNs(), QStringLiteral("test")});
    };
    drill.mnuStart_Click();
    QTRY_VERIFY(!sound.hold().isHeld());
    strike(Hand::Left);
    strike(Hand::Left);
    QVERIFY(sound.hold().isHeld());
    QTRY_VERIFY(!sound.hold().isHeld());
    QVERIFY(drill.hasEnded(Hand::Left));
    const qsizetype before = output.played.size();

    QTimer flood;
    flood.setTimerType(Qt::PreciseTimer);
    QObject::connect(&flood, &QTimer::timeout, [&] {
        if (output.played.size() > before + tunes.size())
            tunes << clock.elapsed();
        strike(Hand::Left);
        strike(Hand::Left);
    });
    flood.start(1);
    QTest::qWait(1500);
    flood.stop();
    QTRY_VERIFY(!sound.hold().isHeld());

    const qsizetype played = output.played.size() - before;
    QVERIFY2(played >= 1 && played <= 1500 / 300 + 1, qPrintable(QString::number(played)));
    for (qsizetype i = 1; i < tunes.size(); ++i)
        QVERIFY2(tunes[i] - tunes[i - 1] >= 290,
                 qPrintable(QString::number(tunes[i] - tunes[i - 1])));
    const auto strikes =
        std::count_if(events.events.begin(), events.events.end(),
                      [](const auto &e) { return e.type == PracticeEvent::Type::Strike; });
    QCOMPARE(strikes, 2);
    QVERIFY(file.records.isEmpty());
    // The other hand was never held up for good: it still plays.
    strike(Hand::Right);
    QCOMPARE(drill.hand(Hand::Right).count, 2);
}

QTEST_MAIN(TestSyncSound)
#include "tst_syncsound.moc"
