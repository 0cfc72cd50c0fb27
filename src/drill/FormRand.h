// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"

class RandomDrill;

// The random drill window.
class FormRand : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FormRand(Forms &forms, QWidget *parent = nullptr);

    RandomDrill *logic() const { return m_logic; }
    void Form_Load();

    // The labels of the drill core, laid out the same in every window built on it.
    static void addDrillLabels(ExerciseWindow *window);

private:
    RandomDrill *m_logic = nullptr;
};
