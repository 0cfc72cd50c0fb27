// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillCore.h"
#include "rhythm/RhythmGrid.h"
#include "rhythm/RhythmJudge.h"
#include "rhythm/TempoTrainer.h"
#include "sequential/ExerciseFigures.h"

#include <array>
#include <map>
#include <memory>
#include <optional>

class ClickTrack;

// The rhythm exercise: each hand plays its figure of the exercise database in time with a
// metronome, at its own number of notes a beat. Start plays the start sound, then a bar of
// clicks to count in, then the grid: every strike is matched to the nearest note of its
// hand and judged by how far from its time it came (RhythmJudge), by the time its key went
// down. A note's finger shows in the hand's task display as its turn comes, with the next
// ones beside it; notes nobody struck are missed once their time has passed. When the grid
// has run out both hands end together and the results log gets "Rhythm <figure> <tempo>
// bpm" and the points. With the tempo trainer on, a clean exercise raises the tempo of the
// next one by a step and a poor one lowers it.
class RhythmDrill : public DrillCore {
    Q_OBJECT
public:
    // The fingers the window shows of each hand: the one to play now and those after it.
    static constexpr int FingersShown = 5;
    // From the end of the start sound to the first click: time for the output to place it.
    static constexpr int LeadMs = 400;
    // How often the display follows the grid.
    static constexpr int RefreshMs = 10;
    // A note is closed as missed this long after its window has passed, so that a strike
    // still on its way to the drill is not judged against a note already closed.
    static constexpr int CloseBehindMs = 40;

    // The window's title and its own labels.
    static constexpr Label Title{"Label7", QT_TRANSLATE_NOOP("Labels", "Rhythm")};

    struct Options {
        int bpm = 80;
        std::array<int, 2> notesPerBeat{2, 2}; // by handIndex
        RhythmGrid::Length lengthIn = RhythmGrid::Length::Passes;
        int length = 4;
        bool countIn = true;
        int silentEvery = 0; // 0: every bar has its clicks
        bool tempoTrainer = false;
    };

    // `clicks` may be null (no sound output): the drill then goes on in silence. `pace`
    // is the timer the display follows the grid by.
    RhythmDrill(DrillPorts ports, ClickTrack *clicks, Ticker &pace, QObject *parent = nullptr);
    ~RhythmDrill() override;

    // The window's load: the figures of the exercise database.
    void Form_Load(const QString &databasePath);
    const QList<ExerciseFigure> &figures() const { return m_figures; }
    // The figure and the options, from the next Start on.
    void chooseFigure(int index);
    int figureIndex() const { return m_figure; }
    QString figureName() const;
    const Options &options() const { return m_options; }
    void setOptions(const Options &options);

    void mnuStart_Click() override;

    // Between the first click and the end of the grid.
    bool isPlaying() const { return m_playing; }
    // The hand's fingers from the one to play now on, at most FingersShown; empty when the
    // hand has nothing to play.
    QList<int> comingFingers(Hand h) const;
    // The beat of the bar now, from 0, and whether it is the count-in's; -1 when no grid
    // runs.
    int beat() const;
    bool countingIn() const;
    // Where the hand's note to play now falls in its beat: its place from 0, and the hand's
    // notes a beat; nothing when the hand has no note to play.
    struct BeatPlace {
        int place = 0;
        int notesPerBeat = 1;
    };
    std::optional<BeatPlace> beatPlace(Hand h) const;
    // The tempo the running or last exercise is played at.
    int playedBpm() const { return m_playingBpm; }
    // The running or last exercise's notes and strikes; null before the first Start.
    const RhythmJudge *judge() const { return m_judge.get(); }
    // The tempo the next Start plays the chosen figure at: the trainer's, when it is on
    // and has had the figure, else the chosen one.
    int nextBpm() const;
    // The fastest clean exercise of the chosen figure since the window opened.
    std::optional<int> bestCleanBpm() const;

    // One step of the pace timer: the display follows the grid, notes whose time has
    // passed are missed, and the grid's end ends both hands.
    void refresh();

protected:
    ExerciseKind kind() const override { return ExerciseKind::Rhythm; }
    QVariantMap parameters() const override;
    // Whether the exercise was clean: the tempo trainer's rule for a rise.
    QVariantMap outcome() const override;
    bool acceptsStrikes(Hand h) const override { return m_playing && m_grid->inPlay(h); }
    std::optional<Verdict> judgeStrike(const FingerStrike &strike, qint64 atNs) override;
    void afterStrike(Hand, bool) override {}
    void nextTask(Hand) override {}
    bool scoringAllowed(Hand) const override { return true; }
    void writeSummary() override;

private:
    // After the start sound: the grid from now on, and its clicks.
    void begin();
    void stopPlaying();
    // Whether the exercise that has just ended was clean, and what the trainer makes of it.
    void trainTempo();

    ClickTrack *m_clicks;
    Ticker &m_pace;
    QList<ExerciseFigure> m_figures;
    int m_figure = 0;
    Options m_options;
    // The exercise's own, fixed at Start.
    int m_playingFigure = 0;
    int m_playingBpm = 80;
    std::unique_ptr<RhythmGrid> m_grid;
    std::unique_ptr<RhythmJudge> m_judge;
    bool m_playing = false;
    // Each hand's notes given to its task display so far.
    std::array<int, 2> m_shown{};
    // The trainer of each figure, made at its first Start with the trainer on.
    std::map<int, TempoTrainer> m_trainers;
    bool m_clean = false;
    // By figure: the fastest clean exercise.
    std::map<int, int> m_bestClean;
};
