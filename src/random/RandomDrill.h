// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillCore.h"

class RandomSource;

// The random drill: each hand gets random fingers from its chosen range, a fixed number
// of tasks, and the summary goes to the results log when both hands have ended.
class RandomDrill : public DrillCore {
    Q_OBJECT
public:
    RandomDrill(DrillPorts ports, RandomSource &random, QObject *parent = nullptr);

    // Form_Load: counts from the number-of-tasks dialog's initial text, full finger
    // ranges, and the start and end sound of this window.
    void Form_Load(const QString &taskCountText, const QString &soundPath);

    void mnuStart_Click() override;
    void zadajlevu() { nextTask(Hand::Left); }
    void zadajdesnu() { nextTask(Hand::Right); }

    qint16 LeftTasksGiven() const { return hand(Hand::Left).count; }
    qint16 RightTasksGiven() const { return hand(Hand::Right).count; }

protected:
    ExerciseKind kind() const override { return ExerciseKind::Random; }
    QVariantMap parameters() const override;
    void nextTask(Hand h) override;
    bool scoringAllowed(Hand h) const override;
    void writeSummary() override;

    qint16 taskCount(Hand h) const;
    // Draws a finger from the hand's range that differs from what the task label shows.
    QString drawFinger(Hand h);
    // Gives the hand a new task: label, ticks to 0, timer on, one more task given.
    void giveTask(Hand h);

private:
    RandomSource &m_random;
};
