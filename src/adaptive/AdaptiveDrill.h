// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adaptive/AdaptivePace.h"
#include "adaptive/FingerChooser.h"
#include "adaptive/WeaknessModel.h"
#include "drill/DrillCore.h"

#include <functional>

class RandomSource;

// The adaptive drill: each hand's fingers come by how weak they are (FingerChooser, from
// the player's history and this exercise's strikes), each hand's pace follows how well
// it does (AdaptivePace), and the exercise lasts a number of tasks or of minutes. At the
// end it says which finger improved most and which is now the weakest; after a quarter
// of an hour of practice without a pause it suggests a break.
class AdaptiveDrill : public DrillCore {
    Q_OBJECT
public:
    static constexpr qint16 DefaultTasks = 40;
    // Practice with pauses shorter than this between exercises is one stretch.
    static constexpr qint64 PauseNs = qint64(5) * 60 * 1'000'000'000;
    static constexpr qint64 BreakAfterNs = qint64(15) * 60 * 1'000'000'000;

    // `history` gives the model of the player's history at every Start; without one the
    // drill starts from nothing (every finger placed first).
    AdaptiveDrill(DrillPorts ports, RandomSource &random,
                  std::function<WeaknessModel(const QString &player)> history = {},
                  QObject *parent = nullptr);

    void Form_Load(const QString &soundPath);
    void mnuStart_Click() override;

    // The length of the next exercise: a number of tasks a hand, or of minutes (then
    // tasks come until the time is up).
    void setTaskCount(qint16 tasks);
    void setMinutes(int minutes);
    qint16 taskCount() const { return m_tasks; }
    int minutes() const { return m_minutes; }
    // The pace each hand starts at (Options > Level).
    void setStartIntervalMs(int ms);

    const WeaknessModel &model() const { return m_model; }
    // What the exercise's end says of the hands in play: the finger that improved most,
    // in the measures that improved (faster right strikes, fewer wrong ones), and the
    // weakest finger now.
    static QString endMessage(const WeaknessModel &before, const WeaknessModel &now, bool left,
                              bool right);
    int intervalMs(Hand h) const { return m_pace[index(h)].intervalMs(); }

protected:
    ExerciseKind kind() const override { return ExerciseKind::Adaptive; }
    QVariantMap parameters() const override;
    void nextTask(Hand h) override;
    bool scoringAllowed(Hand h) const override;
    void strikeMeasured(const PracticeEvent &event) override;
    void writeSummary() override;

private:
    bool timeIsUp() const;
    // Whether a finger of a playing hand still has too few strikes to be judged.
    bool placing() const;
    void showPace(Hand h);
    QString whatChanged() const;

    RandomSource &m_random;
    std::function<WeaknessModel(const QString &)> m_history;
    WeaknessModel m_model;
    WeaknessModel m_before;
    FingerChooser m_chooser[2];
    AdaptivePace m_pace[2];
    // The fingers of each hand's shown task and of the one before it.
    int m_current[2] = {0, 0};
    int m_previous[2] = {0, 0};
    qint16 m_tasks = DefaultTasks;
    int m_minutes = 0;
    int m_startMs = 1000;
    qint64 m_startNs = 0;
    qint64 m_stretchStartNs = -1;
    qint64 m_lastActivityNs = -1;
    bool m_breakSuggested = false;
    // Whether the message line shows that the fingers are still being placed.
    bool m_placementShown = false;
};
