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

QTEST_MAIN(TestUnload)
#include "tst_unload.moc"
