// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/ExerciseKind.h"
#include "drill/LabelModel.h"
#include "drill/PracticeEvent.h"
#include "ports/FingerStrike.h"
#include "settings/Int16.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

class Clock;
class DrillHold;
class PracticeObserver;
class ResultsLog;
class SyncSound;
class Ticker;
struct PracticeSettings;

// The ports a drill reaches the outside world through.
struct DrillPorts {
    PracticeSettings &settings;
    Ticker &leftTicker;  // Timer1
    Ticker &rightTicker; // Timer2
    SyncSound &sound;    // also holds the drill while it plays
    ResultsLog &log;
    // Reaction times are measured on this clock; without one, on the system's.
    const Clock *clock = nullptr;
    // Hears what happens; without one, nobody does.
    PracticeObserver *observer = nullptr;
};

// The two-hand drill every exercise window runs: one task per hand, the strike that
// answers it, scoring by the ticks that have passed, and a per-hand timer that runs a
// task's worth down from 5 to 0. The two hands are independent. A variant states only
// what differs: where a hand's tasks come from (nextTask), what a strike does
// (scoreStrike, afterStrike), how an ended hand looks (showEnd) and what a finished
// exercise writes to the log (writeSummary). Everything else, the end of a hand, the
// summary written once and the practice events, is done here, the same for all.
class DrillCore : public QObject {
    Q_OBJECT
public:
    struct HandState {
        QString task;     // Leva / Desna: the finger as decimal text, empty until given
        qint16 score = 0; // LeftScore / RightScore
        qint16 ticks = 0; // LeftTicks / RightTicks
        qint16 count = 0; // tasks given, or sequences / memory tasks done
    };

    // Which hands play: both, or one while the other's display stays empty and its keys
    // do nothing.
    enum class Hands { Both, LeftOnly, RightOnly };

    explicit DrillCore(DrillPorts ports, QObject *parent = nullptr);
    // An exercise still running when the drill goes (the program is closed) is abandoned.
    ~DrillCore() override;

    // Form_KeyUp for a finger strike, from whichever input source; kept while a sound
    // holds the drill.
    void keyUp(const FingerStrike &strike);
    // Test > Start.
    virtual void mnuStart_Click() = 0;
    // Test > Reset: the three score displays show "0"; nothing else changes.
    void mnuReset_Click();

    void Timer1_Timer() { tick(Hand::Left); }
    void Timer2_Timer() { tick(Hand::Right); }

    const HandState &hand(Hand h) const { return m_hands[index(h)]; }
    QString Leva() const { return m_hands[0].task; }
    QString Desna() const { return m_hands[1].task; }
    qint16 LeftScore() const { return m_hands[0].score; }
    qint16 RightScore() const { return m_hands[1].score; }
    qint16 TotalScore() const { return m_total; }
    qint16 LeftTicks() const { return m_hands[0].ticks; }
    qint16 RightTicks() const { return m_hands[1].ticks; }
    // From the next Start on; at once when no exercise runs.
    void setHands(Hands hands);
    Hands hands() const { return m_handsChosen; }
    bool inPlay(Hand h) const;

    // Whether the hand has had all its tasks in this exercise.
    bool hasEnded(Hand h) const { return m_ended[index(h)]; }
    // Whether the exercise ended with both hands and its summary went to the log.
    bool summaryWritten() const { return m_finished; }

    const LabelModel &labels() const { return m_labels; }
    Ticker &ticker(Hand h) const
    {
        return h == Hand::Left ? m_ports.leftTicker : m_ports.rightTicker;
    }
    PracticeSettings &settings() const { return m_ports.settings; }

    // Labels of a hand.
    static Label taskLabel(Hand h) { return h == Hand::Left ? Label::Label1 : Label::Label2; }
    static Label scoreLabel(Hand h)
    {
        return h == Hand::Left ? Label::lbllRezultat : Label::lbldRezultat;
    }
    static Label pointsLabel(Hand h)
    {
        return h == Hand::Left ? Label::lbllpoeni : Label::lbldpoeni;
    }

signals:
    // The state or a label changed; the window renders.
    void changed();
    // Start could not begin (the exercise's data cannot be read). Emitted once per Start,
    // with a message for the player.
    void startFailed(const QString &message);

protected:
    static int index(Hand h) { return h == Hand::Left ? 0 : 1; }
    HandState &handState(Hand h) { return m_hands[index(h)]; }
    LabelModel &labelModel() { return m_labels; }
    SyncSound &sound() const { return m_ports.sound; }
    ResultsLog &log() const { return m_ports.log; }

    // What the exercise is, for the event stream: its kind and its parameters.
    virtual ExerciseKind kind() const = 0;
    virtual QVariantMap parameters() const = 0;
    // What came of a finished exercise beyond its scores, for the event stream; none by
    // default.
    virtual QVariantMap outcome() const { return {}; }
    // Whether the hand takes strikes now (a drill without a task source waits for Start).
    virtual bool acceptsStrikes(Hand) const { return true; }
    // A strike of the running exercise as it was measured, after it was scored.
    virtual void strikeMeasured(const PracticeEvent &) {}
    // What a drill played in time makes of a strike: the note it answered (task > 0), or
    // none (an extra strike, which counts for no task).
    struct Verdict {
        int task = 0; // the note's number in its hand, from 1
        int expected = 0;
        bool right = false;
        qint16 points = 0;
        double deviationMs = 0; // from the note's time on the grid, negative early
        qint64 atNs = 0;        // the strike's own time, as the drill judged it
        qint64 dueNs = 0;       // the note's time on the grid
        bool silent = false;    // the note's bar had no click
    };
    // A drill that judges strikes by a rule of its own answers here, and the strike is
    // reported and scored by that verdict instead of by the task shown now; nothing (the
    // default) leaves the strike to the task shown.
    virtual std::optional<Verdict> judgeStrike(const FingerStrike &, qint64) { return {}; }
    // Adds a verdict's points to the hand's score and the total.
    void addPoints(Hand h, qint16 points);
    // The scoring part of a strike: a right finger scores.
    virtual void scoreStrike(Hand h, bool right);
    // What follows the strike: the hand's next task, right or wrong.
    virtual void afterStrike(Hand h, bool right);
    // The hand's next task, or the end of the hand (zadajlevu / seqleva ...).
    virtual void nextTask(Hand h) = 0;
    // Whether the current task of the hand may still be scored.
    virtual bool scoringAllowed(Hand h) const = 0;
    // How an ended hand looks; the task display empties.
    virtual void showEnd(Hand h);
    // The lines a finished exercise writes to the results log.
    virtual void writeSummary() = 0;

    // A new exercise begins: one still running is abandoned, the scores and counts start
    // from 0 and both hands from the beginning.
    void beginExercise();
    // A note of a drill played in time: when it is due, and whether its bar has no click.
    struct GridNote {
        qint64 dueNs = 0;
        bool silent = false;
    };
    // The hand's new task: its label shows it and the event stream hears of it. A task to
    // memorize is shown but not played for points.
    void setTask(Hand h, const QString &task, bool memorize = false,
                 std::optional<GridNote> onGrid = std::nullopt);
    // The end of a hand: its end look and the end sound; once both hands have ended, the
    // summary, written once per exercise.
    void endHand(Hand h);
    // The end of both hands at once, with one end sound (a drill whose hands end together).
    void endBothHands();
    // The hand's timer from the start of its period, or stopped. Ticks kept while a sound
    // held the drill are dropped when the timer was restarted or stopped since.
    void startTimer(Hand h);
    void stopTimer(Hand h);
    // Runs something at the timer's pace that the hold keeps like a tick (the preschool
    // feedback delay).
    void dispatchHeld(std::function<void()> step);

    // SaberiLRez / SaberiDRez: add what the task is still worth.
    void score(Hand h);
    // ldodavanje / ddodavanje: one tick of the hand's timer.
    void tick(Hand h);
    // Whether the hand's task, read as a number, is this finger.
    bool taskIs(Hand h, int finger) const;
    // The hand's task display as the window opened: "L" or "R", no task yet.
    void showIdle(Hand h);
    // Plays the start or end sound and holds the drill while it plays; `then` runs when it
    // has ended, before anything that arrived meanwhile.
    void playSoundPath(std::function<void()> then = {});
    qint64 nowNs() const;

    // Runs a step of a handler; a failing step is skipped. A 16-bit sum leaving its range
    // is the failure the rules expect; any other one is a fault of the program, so it is
    // reported as well.
    template <typename Step> static void guarded(Step step)
    {
        try {
            step();
        } catch (const Int16Overflow &) {
        } catch (const std::exception &error) {
            reportFailedStep(error.what());
        } catch (...) {
            reportFailedStep("unknown exception");
        }
    }
    static void reportFailedStep(const char *what);

private:
    struct Shown {
        int number = 0;
        int expected = 0;
        bool memorize = false;
        qint64 atNs = 0;
    };
    bool running() const { return m_started && !m_finished; }
    // The task display of a hand that does not play stays empty.
    void showHandsInPlay();
    void report(PracticeEvent event) const;
    void handleStrike(const FingerStrike &strike, bool arrivedHeld);
    void reportVerdict(const FingerStrike &strike, const Verdict &verdict);
    // After the end tune: the hand has ended, and with both the exercise.
    void handEnded(Hand h);
    void abandon(const QString &reason);
    void onTimer(Hand h);

    DrillPorts m_ports;
    DrillHold &m_hold;
    HandState m_hands[2];
    qint16 m_total = 0;
    bool m_ended[2] = {false, false};
    bool m_started = false;
    bool m_finished = false;
    quint64 m_exercise = 0;
    Shown m_shown[2];
    // When each hand's last end tune stopped, on the monotonic clock.
    qint64 m_tuneEndedNs[2] = {0, 0};
    quint64 m_timerRuns[2] = {0, 0};
    LabelModel m_labels;
    Hands m_handsChosen = Hands::Both;
    Hands m_handsPlaying = Hands::Both;
};
