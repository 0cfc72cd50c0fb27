// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"

#include <memory>

class MemoryDrill;

// The memory test window.
class FormMemory : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FormMemory(Forms &forms, QWidget *parent = nullptr);
    ~FormMemory() override;

    MemoryDrill *logic() const { return m_logic.get(); }
    void Form_Load();

    // The text of the warning shown when the exercise database cannot be used.
    QString databaseWarning() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void installOptions();
    // Warns once, after the window is on screen, when the database cannot be used.
    void warnIfUnreadable();

    bool m_warned = false;
    std::unique_ptr<MemoryDrill> m_logic;
};
