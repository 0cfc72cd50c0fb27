// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the program while a start sound holds a drill: the windows go only once the
// sound's nested loop has ended, so no object is freed under its own call (the sanitizer
// build of this test would report it).
#include "TestContext.h"
#include "drill/DrillCore.h"
#include "frame/ExerciseWindow.h"

#include <QEventLoop>
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
    QPointer<ExerciseWindow> playing = t.forms.get<ExerciseWindow>(sounding);
    QPointer<ExerciseWindow> closing = t.forms.get<ExerciseWindow>(closed);
    QVERIFY(playing && closing);
    closing->show();

    bool stillThereAfterTheClose = false;
    t.sound.onPlay = [&] {
        // The sound as the real one plays it: a nested loop, during which the player
        // closes the window.
        QEventLoop loop;
        QTimer::singleShot(0, closing, [&] { closing->close(); });
        QTimer::singleShot(60, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        stillThereAfterTheClose = playing && closing;
    };
    playing->trigger(Command::mnuStart);
    // The Start ran to its end on living windows: both hands have their first task.
    QVERIFY(stillThereAfterTheClose);
    QVERIFY(playing && !playing->drill()->Leva().isEmpty());
    QVERIFY(!closing->isVisible());
    QVERIFY(t.forms.isUnloading());

    // Back at the top, the unloading is done.
    QTRY_VERIFY(!playing && !closing);
    QVERIFY(t.forms.loadOrder().isEmpty());
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
