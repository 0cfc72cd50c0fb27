// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"

#include <memory>

class RandomDrill;

// The random drill window.
class FormRand : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FormRand(Forms &forms, QWidget *parent = nullptr);
    ~FormRand() override;

    RandomDrill *logic() const { return m_logic.get(); }
    void Form_Load();

private:
    std::unique_ptr<RandomDrill> m_logic;
};
