// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/RhythmDrill.h"

#include "ports/ClickTrack.h"
#include "ports/Ticker.h"
#include "rhythm/TimingFigures.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <algorithm>

namespace {

constexpr qint64 Ms = 1'000'000;

} // namespace

RhythmDrill::RhythmDrill(DrillPorts ports, ClickTrack *clicks, Ticker &pace, QObject *parent)
    : DrillCore(ports, parent), m_clicks(clicks), m_pace(pace)
{
    for (Label label : {Title, Label::lblImeVezbe})
        labelModel().define(label);
    // A note scores by how near its time it came: there are no points counting down.
    for (Hand h : BothHands)
        labelModel().setVisible(pointsLabel(h), false);
    m_pace.setInterval(RefreshMs);
    m_pace.setCallback([this] { dispatchHeld([this] { refresh(); }); });
}

RhythmDrill::~RhythmDrill()
{
    m_pace.setCallback({});
    if (m_clicks)
        m_clicks->stop();
}

void RhythmDrill::Form_Load(const QString &databasePath)
{
    m_figures = ExerciseFigures::read(databasePath);
    chooseFigure(settings().ExerciseIndex);
}

void RhythmDrill::chooseFigure(int index)
{
    m_figure = std::clamp(index, 0, ExerciseFigures::Count - 1);
    labelModel().setText(Label::lblImeVezbe, figureName());
    emit changed();
}

QString RhythmDrill::figureName() const
{
    return m_figures.value(m_figure).name;
}

void RhythmDrill::setOptions(const Options &options)
{
    // A tempo the player chose is where the trainer starts again.
    if (options.bpm != m_options.bpm)
        m_trainers.clear();
    m_options = options;
    m_options.bpm = std::clamp(options.bpm, RhythmGrid::SlowestBpm, RhythmGrid::FastestBpm);
    for (int &n : m_options.notesPerBeat)
        n = std::clamp(n, 1, RhythmGrid::MostNotesPerBeat);
    m_options.length = std::max(1, options.length);
}

void RhythmDrill::mnuStart_Click()
{
    stopPlaying();
    m_playingFigure = m_figure;
    const ExerciseFigure figure = m_figures.value(m_playingFigure);
    if (figure.left.isEmpty() || figure.right.isEmpty()) {
        emit startFailed(tr("The exercise database cannot be read, so there is no figure to "
                            "play."));
        return;
    }
    m_grid.reset();
    m_playingBpm = nextBpm();
    // The output opens now: it has the start sound's length to settle before the first
    // click.
    if (m_clicks && !m_clicks->isRunning())
        m_clicks->start();
    beginExercise();
    for (Hand h : BothHands) {
        handState(h).task.clear();
        labelModel().setText(taskLabel(h), QString());
    }
    labelModel().setText(Label::lblImeVezbe, figure.name);
    emit changed();
    playSoundPath([this] { begin(); });
}

void RhythmDrill::begin()
{
    const ExerciseFigure figure = m_figures.value(m_playingFigure);
    RhythmGrid::Settings plan;
    plan.bpm = m_playingBpm;
    for (Hand h : BothHands) {
        RhythmGrid::HandPart &part = plan.hands[handIndex(h)];
        part.notesPerBeat = m_options.notesPerBeat[handIndex(h)];
        if (inPlay(h))
            part.figure = h == Hand::Left ? figure.left : figure.right;
    }
    plan.lengthIn = m_options.lengthIn;
    plan.length = m_options.length;
    plan.countIn = m_options.countIn;
    if (m_options.silentEvery >= 2) {
        plan.silence = RhythmGrid::Silence::EveryNth;
        plan.silentEvery = m_options.silentEvery;
    }
    const qint64 beat = 60'000 * Ms / std::max(1, plan.bpm);
    plan.firstBeatNs = nowNs() + LeadMs * Ms + (plan.countIn ? beat * plan.beatsPerBar : 0);
    m_grid = std::make_unique<RhythmGrid>(plan);
    m_judge = std::make_unique<RhythmJudge>(*m_grid);
    m_shown = {};
    if (m_clicks && m_clicks->isRunning()) {
        m_clicks->clear();
        for (const RhythmGrid::Click &click : m_grid->clicks()) {
            if (!click.silent)
                m_clicks->schedule(click.timeNs, click.accent);
        }
    }
    m_playing = true;
    m_pace.start();
    refresh();
}

void RhythmDrill::stopPlaying()
{
    m_playing = false;
    m_pace.stop();
    if (m_clicks)
        m_clicks->clear();
}

void RhythmDrill::refresh()
{
    if (!m_playing)
        return;
    const qint64 now = nowNs();
    // Each note's finger goes to its hand's display as its window opens.
    for (Hand h : BothHands) {
        const QList<RhythmGrid::Note> &notes = m_grid->notes(h);
        int &shown = m_shown[handIndex(h)];
        while (shown < notes.size() && notes[shown].timeNs - m_judge->matchWindowNs(h) <= now) {
            setTask(h, QString::number(notes[shown].finger), false,
                    GridNote{notes[shown].timeNs, notes[shown].silent});
            ++shown;
        }
    }
    m_judge->closeUntil(now - CloseBehindMs * Ms);
    // The display shows the finger to play now: the first note still open, the first one
    // already while the count-in runs.
    for (Hand h : BothHands) {
        const QList<int> coming = comingFingers(h);
        if (!coming.isEmpty())
            labelModel().setText(taskLabel(h), QString::number(coming.first()));
    }
    if (m_judge->finished()) {
        stopPlaying();
        if (m_clicks)
            m_clicks->stop();
        trainTempo();
        endBothHands();
    }
    emit changed();
}

QList<int> RhythmDrill::comingFingers(Hand h) const
{
    QList<int> fingers;
    if (!m_playing || !m_grid->inPlay(h))
        return fingers;
    const QList<RhythmGrid::Note> &notes = m_grid->notes(h);
    for (int note : m_judge->ahead(h, nowNs(), FingersShown))
        fingers << notes[note].finger;
    return fingers;
}

int RhythmDrill::beat() const
{
    if (!m_playing)
        return -1;
    const qint64 now = nowNs();
    const QList<RhythmGrid::Click> &clicks = m_grid->clicks();
    // The last click that has come.
    const auto next =
        std::upper_bound(clicks.begin(), clicks.end(), now,
                         [](qint64 t, const RhythmGrid::Click &click) { return t < click.timeNs; });
    return next == clicks.begin() ? -1 : std::prev(next)->beat;
}

std::optional<RhythmDrill::BeatPlace> RhythmDrill::beatPlace(Hand h) const
{
    if (!m_playing || !m_grid->inPlay(h))
        return std::nullopt;
    const QList<int> now = m_judge->ahead(h, nowNs(), 1);
    if (now.isEmpty())
        return std::nullopt;
    const int perBeat = std::max(1, m_grid->settings().hands[handIndex(h)].notesPerBeat);
    return BeatPlace{now.first() % perBeat, perBeat};
}

bool RhythmDrill::countingIn() const
{
    return m_playing && m_grid->barAt(nowNs()) < 0;
}

int RhythmDrill::nextBpm() const
{
    if (m_options.tempoTrainer) {
        const auto trainer = m_trainers.find(m_figure);
        if (trainer != m_trainers.end())
            return trainer->second.bpm();
    }
    return m_options.bpm;
}

std::optional<int> RhythmDrill::bestCleanBpm() const
{
    const auto best = m_bestClean.find(m_figure);
    return best == m_bestClean.end() ? std::nullopt : std::optional<int>(best->second);
}

std::optional<DrillCore::Verdict> RhythmDrill::judgeStrike(const FingerStrike &strike, qint64 atNs)
{
    // In time is when the finger went down: a key held a moment is not late by it.
    FingerStrike timed = strike;
    timed.timeNs = strike.pressNs >= 0 ? strike.pressNs : atNs;
    const RhythmJudge::Verdict judged = m_judge->strike(timed);
    Verdict verdict;
    verdict.atNs = timed.timeNs;
    if (judged.note < 0)
        return verdict;
    verdict.task = judged.note + 1;
    verdict.expected = m_grid->notes(strike.hand)[judged.note].finger;
    verdict.right = judged.right;
    verdict.points = judged.points;
    verdict.deviationMs = judged.deviationMs;
    verdict.dueNs = m_grid->notes(strike.hand)[judged.note].timeNs;
    verdict.silent = m_grid->notes(strike.hand)[judged.note].silent;
    return verdict;
}

void RhythmDrill::trainTempo()
{
    const TimingFigures figures(*m_judge);
    const TimingFigures::Group &both = figures.bothHands();
    m_clean = TempoTrainer::isClean(both.rightShare.value_or(0), both.spreadMs);
    if (m_clean) {
        int &best = m_bestClean[m_playingFigure];
        best = std::max(best, m_playingBpm);
    }
    if (!m_options.tempoTrainer)
        return;
    auto trainer = m_trainers.find(m_playingFigure);
    if (trainer == m_trainers.end())
        trainer = m_trainers.emplace(m_playingFigure, TempoTrainer(m_grid->bpm())).first;
    trainer->second.passDone(both.rightShare.value_or(0), both.spreadMs);
}

QVariantMap RhythmDrill::parameters() const
{
    return {{QStringLiteral("figure"), m_figures.value(m_playingFigure).name},
            {QStringLiteral("bpm"), m_playingBpm},
            {QStringLiteral("notes_per_beat_left"), m_options.notesPerBeat[0]},
            {QStringLiteral("notes_per_beat_right"), m_options.notesPerBeat[1]},
            {QStringLiteral("length"), m_options.length},
            {QStringLiteral("length_in"), m_options.lengthIn == RhythmGrid::Length::Bars
                                              ? QStringLiteral("bars")
                                              : QStringLiteral("passes")},
            {QStringLiteral("count_in"), m_options.countIn},
            {QStringLiteral("silent_every"), m_options.silentEvery},
            {QStringLiteral("tempo_trainer"), m_options.tempoTrainer}};
}

QVariantMap RhythmDrill::outcome() const
{
    return {{QStringLiteral("clean"), m_clean}};
}

void RhythmDrill::writeSummary()
{
    log().WriteLogEntry(ResultsLog::summary(
        settings().PlayerName, QStringLiteral("Rhythm ") + m_figures.value(m_playingFigure).name,
        qint16(playedBpm()), QStringLiteral("bpm"), TotalScore()));
}
