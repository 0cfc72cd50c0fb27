// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/KeyMap.h"
#include "drill/LabelModel.h"
#include "settings/Int16.h"

#include <QObject>
#include <QString>

struct PracticeSettings;
class Ticker;
class SyncSound;
class ResultsLog;

// The ports a drill reaches the outside world through.
struct DrillPorts {
    PracticeSettings &settings;
    Ticker &leftTicker;  // Timer1
    Ticker &rightTicker; // Timer2
    SyncSound &sound;
    ResultsLog &log;
};

// The two-hand drill every exercise window runs: one task per hand, the key that answers
// it, scoring by the ticks that have passed, and a per-hand timer that runs a task's worth
// down from 5 to 0. The two hands are independent. What a hand's next task is, and when
// scoring stops, is up to the exercise.
class DrillCore : public QObject {
    Q_OBJECT
public:
    struct HandState {
        QString task;     // Leva / Desna: the finger as decimal text, empty until given
        qint16 score = 0; // LeftScore / RightScore
        qint16 ticks = 0; // LeftTicks / RightTicks
        qint16 count = 0; // tasks given, or sequences / memory tasks done
    };

    explicit DrillCore(DrillPorts ports, QObject *parent = nullptr);
    ~DrillCore() override;

    // Form_KeyUp for a finger key.
    virtual void keyUp(FingerKey key);
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

    const LabelModel &labels() const { return m_labels; }
    Ticker &ticker(Hand h) const
    {
        return h == Hand::Left ? m_ports.leftTicker : m_ports.rightTicker;
    }
    PracticeSettings &settings() const { return m_ports.settings; }

    // Control names of a hand.
    static QString taskLabel(Hand h);   // Label1 / Label2
    static QString scoreLabel(Hand h);  // lbllRezultat / lbldRezultat
    static QString pointsLabel(Hand h); // lbllpoeni / lbldpoeni

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

    // The hand's next task, or the end of the hand (zadajlevu / seqleva ...).
    virtual void nextTask(Hand h) = 0;
    // Whether the current task of the hand may still be scored.
    virtual bool scoringAllowed(Hand h) const = 0;

    // SaberiLRez / SaberiDRez: add what the task is still worth.
    void score(Hand h);
    // ldodavanje / ddodavanje: one tick of the hand's timer.
    void tick(Hand h);
    // Whether the hand's task, read as a number, is this finger.
    bool taskIs(Hand h, int finger) const;

    void resetScores();
    // The hand's task display as the window opened: "L" or "R", no task yet.
    void showIdle(Hand h);
    // Plays the start or end sound; the screen is brought up to date first.
    void playSoundPath();
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
    DrillPorts m_ports;
    HandState m_hands[2];
    qint16 m_total = 0;
    LabelModel m_labels;
};
