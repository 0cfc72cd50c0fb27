// SPDX-License-Identifier: GPL-3.0-or-later
// The start and end sound: played every time it is asked for, holding the drill for
// exactly its length, and holding nothing when it cannot play.
#include "FakeHandPlayer.h"
#include "drill/DrillHold.h"
#include "platform/QtSyncSound.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestSyncSound : public QObject {
    Q_OBJECT
private slots:
    void holdsForTheSoundsLength_data();
    void holdsForTheSoundsLength();
    void aSoundThatCannotPlayHoldsNothing();
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
    QtSyncSound sound(output);
    QElapsedTimer clock;
    clock.start();
    sound.playSync(QStringLiteral("missing.wav"));
    QVERIFY(output.played.isEmpty());
    QVERIFY(clock.elapsed() < 200);
}

QTEST_MAIN(TestSyncSound)
#include "tst_syncsound.moc"
