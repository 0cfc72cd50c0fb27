// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"
#include "sequential/ExerciseFigures.h"

#include <QPointer>

#include <memory>

class CountDialog;
class SequentialDrill;
class frmChoosePractice;

// The sequential exercises window. Its dialogs and the name prompt open as ordinary
// windows, so the exercise goes on while one is open.
class FormSeq : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FormSeq(Forms &forms, QWidget *parent = nullptr);
    ~FormSeq() override;

    SequentialDrill *logic() const { return m_logic.get(); }
    bool dialogsModal() const override { return false; }
    void Form_Load();

    // The dialogs while they exist; each is discarded when it closes.
    frmChoosePractice *chooser() const;
    CountDialog *numberOfSequences() const;

    void mnuChooseexe_Click();
    void mnuTask_Click();

private:
    frmChoosePractice *makeChooser();
    CountDialog *makeNumSeq();

    // The exercise database's figures, read as the window loads.
    QList<ExerciseFigure> m_figures;
    QPointer<frmChoosePractice> m_chooser;
    QPointer<CountDialog> m_numSeq;
    std::unique_ptr<SequentialDrill> m_logic;
};
