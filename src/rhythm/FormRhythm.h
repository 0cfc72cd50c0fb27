// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"

#include <QPointer>

#include <memory>

class RhythmDrill;
class Ticker;
class frmChoosePractice;

// The rhythm window: each hand plays a figure of the exercise database in time with the
// metronome. The hand's task display shows the finger to play now, the next ones stand
// smaller beside it, a row of dots follows the beats of the bar and, left of each hand's
// finger, its notes of the beat. At the end each hand's timing is said in a few lines: how early or
// late it played on average, how steady, how many notes were right, and where there is
// something to say, how it did without the click, how even its touch was and how far the
// other hand's grid pulled it. Its dialogs open modally, as in the random drill.
class FormRhythm : public ExerciseWindow {
    Q_OBJECT
public:
    // Test > Rhythm, and the window's own items of the Options menu.
    static constexpr Command mnuRhythm{"mnuRhythm"};
    static constexpr Command mnuRhythmOptions{"mnuRhythmOptions"};
    static constexpr Command mnuCalibrate{"mnuCalibrate"};
    // The window's own labels.
    static constexpr Label lblLeftNext{"lblLeftNext", ""};
    static constexpr Label lblRightNext{"lblRightNext", ""};
    static constexpr Label lblBeat{"lblBeat", ""};
    static constexpr Label lblLeftTiming{"lblLeftTiming", ""};
    static constexpr Label lblRightTiming{"lblRightTiming", ""};
    // Each hand's notes of the beat, the one to play now filled: two grids side by side
    // when the hands play different numbers of notes a beat.
    static constexpr Label lblLeftGrid{"lblLeftGrid", ""};
    static constexpr Label lblRightGrid{"lblRightGrid", ""};

    explicit FormRhythm(Forms &forms, QWidget *parent = nullptr);
    ~FormRhythm() override;

    // Its part of the Options menu, for its row of the catalogue.
    static QList<MenuItemSpec> menuOptions();

    RhythmDrill *logic() const { return m_logic.get(); }
    void Form_Load();

    void mnuChooseexe_Click();
    void mnuRhythmOptions_Click();
    void mnuCalibrate_Click();

private:
    // The next fingers, the beat and, after an exercise, each hand's timing.
    void renderRhythm();
    QString timingLine(Hand h) const;
    // The fastest tempo the player has played the chosen figure clean: kept in the history,
    // or played since the window opened.
    std::optional<int> bestCleanBpm() const;

    std::unique_ptr<Ticker> m_pace;
    std::unique_ptr<RhythmDrill> m_logic;
};
