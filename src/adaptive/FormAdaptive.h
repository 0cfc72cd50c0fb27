// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"

#include <memory>

class AdaptiveDrill;
class WeaknessBars;

// The adaptive drill window: the random drill's look, each finger's weakness as bars
// beside the hands, each hand's pace under its task, and a line of what the drill has
// to say.
class FormAdaptive : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FormAdaptive(Forms &forms, QWidget *parent = nullptr);
    ~FormAdaptive() override;

    AdaptiveDrill *logic() const { return m_logic.get(); }
    WeaknessBars *bars(Hand h) const { return h == Hand::Left ? m_leftBars : m_rightBars; }
    void Form_Load();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showWeakness();
    void primeWeakness();

    WeaknessBars *m_leftBars = nullptr;
    WeaknessBars *m_rightBars = nullptr;
    std::unique_ptr<AdaptiveDrill> m_logic;
};
