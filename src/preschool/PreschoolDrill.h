// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random/RandomDrill.h"
#include "settings/ProgramFolder.h"

#include <QHash>

class HandPlayer;

// The players and feedback timers of the preschool game, one of each per hand.
struct PreschoolPorts {
    HandPlayer &MediaPlayer1; // left hand
    HandPlayer &MediaPlayer2; // right hand
    Ticker &TimerLevaSvirka;  // left hand's feedback delay
    Ticker &TimerDesnaSvirka; // right hand's feedback delay
};

// The random drill for young children. Every task is also an animal, shown and heard;
// every key of a hand is answered at once with that hand's "yes" or "no"; a wrong key
// leaves the hand where it is, and a right one moves it on only after the feedback delay.
// A task scores once, the last one too; keys during the delay and after the end are
// answered but score nothing.
class PreschoolDrill : public RandomDrill {
    Q_OBJECT
public:
    static constexpr int FeedbackDelayMs = 800;
    // Picture index of a hand's area before its first task: nothing is shown.
    static constexpr int NoPicture = 0;

    PreschoolDrill(DrillPorts ports, RandomSource &random, PreschoolPorts players,
                   ProgramFolder folder, QObject *parent = nullptr);
    ~PreschoolDrill() override;

    // Form_Load: counts from the number-of-tasks dialog's initial text, full finger
    // ranges, this window's start and end sound, and every sound of the game readied.
    void Form_Load(const QString &taskCountText);

    void mnuStart_Click() override;

    void TimerLevaSvirka_Timer() { feedbackTick(Hand::Left); }
    void TimerDesnaSvirka_Timer() { feedbackTick(Hand::Right); }
    void LevaSvirka() { playAnimal(Hand::Left); }
    void DesnaSvirka() { playAnimal(Hand::Right); }

    // The picture index each hand's area shows (Image1, Image2).
    int Image1() const { return m_picture[0]; }
    int Image2() const { return m_picture[1]; }
    int picture(Hand h) const { return m_picture[index(h)]; }
    bool feedbackPending(Hand h) const;

protected:
    ExerciseKind kind() const override { return ExerciseKind::Preschool; }
    // Every key is answered at once; a right one scores and starts the feedback delay.
    void scoreStrike(Hand h, bool right) override;
    void afterStrike(Hand h, bool right) override;
    void nextTask(Hand h) override;
    void showEnd(Hand h) override;
    // Once a hand has its answer, the delay and the end of the hand keep further keys
    // away, so a task that is answered is always worth scoring, the last one included.
    bool scoringAllowed(Hand) const override { return true; }

private:
    HandPlayer &player(Hand h) const;
    Ticker &feedbackTicker(Hand h) const;
    // Full path of a file of the program folder; looked up once, at load.
    QString soundFile(const QString &relative);
    void playAnimal(Hand h);
    void feedbackTick(Hand h);

    PreschoolPorts m_players;
    ProgramFolder m_folder;
    QHash<QString, QString> m_files;
    int m_picture[2] = {NoPicture, NoPicture};
};
