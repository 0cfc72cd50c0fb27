// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the program while a start sound holds a drill: the windows go at once, and
// nothing kept for them in the hold runs afterwards (the sanitizer build of this test would
// report a window freed under its own call, or a step run on a freed one).
#include "TestContext.h"
#include "drill/DrillCore.h"
#include "frame/ExerciseWindow.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestUnload : public QObject {
    Q_OBJECT
private slots:
    void closeDuringTheStartSound_data();
    void closeDuringTheStartSound();
    void closeWhileHeldWithStrikesWaiting();
};

void TestUnload::closeDuringTheStartSound_data()
{
    QTest::addColumn<QString>("sounding");
    QTest::addColumn<QString>("closed");
    QTest::newRow("the window that plays it") << "FormRand"
                                              << "FormRand";
    QTest::newRow("another window, the one playing hidden") << "frmPreschool"
                                                            << "FormSeq";
}

void TestUnload::closeDuringTheStartSound()
{
    QFETCH(QString, sounding);
    QFETCH(QString, closed);
    TestContext t;
    t.sound.keepPlaying = true;
    QPointer<ExerciseWindow> playing = t.forms.get<ExerciseWindow>(sounding);
    QPointer<ExerciseWindow> closing = t.forms.get<ExerciseWindow>(closed);
    QVERIFY(playing && closing);
    closing->show();
    playing->trigger(Command::mnuStart);
    // The first tasks wait for the sound's end.
    QVERIFY(t.sound.hold().isHeld());
    QVERIFY(playing->drill()->Leva().isEmpty());

    closing->close();
    QVERIFY(t.forms.isUnloading());
    QTRY_VERIFY(!playing && !closing);
    QVERIFY(t.forms.loadOrder().isEmpty());
    // The sound's end finds nothing of the windows.
    t.sound.end();
    QVERIFY(!t.sound.hold().isHeld());
    QCOMPARE(t.sound.hold().kept(), 0);
    // The exercise that was running is reported abandoned as the program closes.
    QCOMPARE(t.events.events.last().type, PracticeEvent::Type::ExerciseAbandoned);
    QCOMPARE(t.events.events.last().reason, QStringLiteral("closed"));
}

// The sound as a state: the window closes while its start sound holds the drill and MIDI
// strikes wait in the hold; it just closes, and the sound's end finds nothing of it.
void TestUnload::closeWhileHeldWithStrikesWaiting()
{
    TestContext t;
    t.sound.keepPlaying = true;
    QPointer<ExerciseWindow> window = t.forms.get<ExerciseWindow>(QStringLiteral("FormRand"));
    QVERIFY(window);
    window->show();
    window->trigger(Command::mnuStart);
    QVERIFY(t.sound.hold().isHeld());
    for (int i = 0; i < 1000; ++i)
        window->strike(
            FingerStrike{i % 2 ? Hand::Left : Hand::Right, 1 + i % 5, -1, QStringLiteral("piano")});
    window->trigger(Command::mnuStart);
    QVERIFY(t.sound.hold().kept() > 1000);
    window->close();
    QTRY_VERIFY(!window);
    QCOMPARE(t.sound.hold().kept(), 0);
    t.sound.end();
    QVERIFY(!t.sound.hold().isHeld());
    QCOMPARE(t.events.events.last().type, PracticeEvent::Type::ExerciseAbandoned);
}

QTEST_MAIN(TestUnload)
#include "tst_unload.moc"
