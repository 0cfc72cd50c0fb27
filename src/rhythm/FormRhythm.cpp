// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/FormRhythm.h"

#include "frame/AppContext.h"
#include "frame/Palette.h"
#include "history/HistoryStore.h"
#include "ports/HandNames.h"
#include "ports/Ticker.h"
#include "rhythm/CalibrationDialog.h"
#include "rhythm/PolyrhythmPull.h"
#include "rhythm/RhythmDrill.h"
#include "rhythm/RhythmOptionsDialog.h"
#include "rhythm/TimingFigures.h"
#include "sequential/frmChoosePractice.h"
#include "settings/ComfortSettings.h"

#include <QLabel>

#include <cmath>

FormRhythm::FormRhythm(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, ExerciseKind::Rhythm, QStringLiteral(":/pictures/background.svg"),
                     parent),
      m_pace(context().makeTicker()),
      m_logic(std::make_unique<RhythmDrill>(drillPorts(), context().clicks, *m_pace))
{
    addDrillLabels();
    const QColor accent = Palette::Caption;
    addLabel(RhythmDrill::Title, 12, true, QRect(180, 416, 400, 26), Qt::AlignCenter, accent);
    addLabel(Label::lblImeVezbe, 12, true, QRect(80, 442, 600, 28), Qt::AlignCenter, Palette::Ink);
    // The fingers to come stand smaller to the right of the one to play now.
    addLabel(lblLeftNext, 18, true, QRect(266, 346, 120, 48), Qt::AlignLeft | Qt::AlignVCenter,
             Palette::Ink);
    addLabel(lblRightNext, 18, true, QRect(646, 346, 110, 48), Qt::AlignLeft | Qt::AlignVCenter,
             Palette::Ink);
    addLabel(lblBeat, 22, true, QRect(80, 64, 600, 36), Qt::AlignCenter, accent);
    for (const auto &[timing, x] : {std::pair{lblLeftTiming, 20}, std::pair{lblRightTiming, 400}}) {
        QLabel *line =
            addLabel(timing, 11, true, QRect(x, 232, 340, 76), Qt::AlignCenter, Palette::Ink);
        line->setWordWrap(true);
    }
    // Each hand's notes of the beat stand to the left of the finger to play now.
    addLabel(lblLeftGrid, 16, true, QRect(20, 346, 130, 48), Qt::AlignRight | Qt::AlignVCenter,
             accent);
    addLabel(lblRightGrid, 16, true, QRect(400, 346, 130, 48), Qt::AlignRight | Qt::AlignVCenter,
             accent);
    // The points still to win count down in the other windows (the drill hides them);
    // here a note scores by how near its time it came.
    for (Label plus : {Label::Label6, Label::Label10})
        label(plus)->hide();

    attachDrill(m_logic.get());
    connect(m_logic.get(), &DrillCore::changed, this, &FormRhythm::renderRhythm);
    onCommand(Command::mnuChooseexe, [this] { mnuChooseexe_Click(); });
    onCommand(mnuRhythmOptions, [this] { mnuRhythmOptions_Click(); });
    onCommand(mnuCalibrate, [this] { mnuCalibrate_Click(); });
    offerHandsChoice();
}

FormRhythm::~FormRhythm() = default;

QList<MenuItemSpec> FormRhythm::menuOptions()
{
    return {MenuLayout::item(Command::mnuChooseexe,
                             QT_TRANSLATE_NOOP("MenuLayout", "&Choose exercise")),
            MenuLayout::item(mnuRhythmOptions, QT_TRANSLATE_NOOP("MenuLayout", "&Rhythm...")),
            MenuLayout::item(mnuCalibrate,
                             QT_TRANSLATE_NOOP("MenuLayout", "Calibrate the &metronome...")),
            MenuLayout::separator(Command::crtaHands), MenuLayout::handsItem()};
}

void FormRhythm::Form_Load()
{
    m_logic->Form_Load(context().folder.filePath(QStringLiteral("piano.db")));
    renderRhythm();
}

void FormRhythm::mnuChooseexe_Click()
{
    QStringList entries;
    for (const ExerciseFigure &figure : m_logic->figures())
        entries << figure.entry();
    auto *chooser = new frmChoosePractice(
        entries,
        [this](int index, const QString &) {
            context().settings.ExerciseIndex = qint16(index);
            m_logic->chooseFigure(index);
        },
        this);
    chooser->select(m_logic->figureIndex());
    openDialog(chooser);
}

void FormRhythm::mnuRhythmOptions_Click()
{
    openDialog(new RhythmOptionsDialog(
        m_logic->options(),
        [this](const RhythmDrill::Options &options) {
            m_logic->setOptions(options);
            renderRhythm();
        },
        this));
}

void FormRhythm::mnuCalibrate_Click()
{
    // The exercise's clicks and the calibration's would share one output.
    if (m_logic->isPlaying()) {
        warn(tr("The metronome is calibrated between exercises: let this one end first."));
        return;
    }
    ComfortSettings *comfort = context().comfort;
    const std::function<void()> save = context().saveComfort;
    openDialog(new CalibrationDialog(
        context().clicks, context().clock, context().makeTicker(), keyLayout(),
        comfort ? comfort->clickOffsetMs() : 0,
        [comfort, save](int ms) {
            if (!comfort)
                return;
            comfort->setClickOffsetMs(ms);
            if (save)
                save();
        },
        this));
}

void FormRhythm::renderRhythm()
{
    const RhythmDrill &drill = *m_logic;
    for (Hand h : BothHands) {
        QStringList next;
        const QList<int> coming = drill.comingFingers(h);
        for (qsizetype i = 1; i < coming.size(); ++i)
            next << QString::number(coming[i]);
        label(h == Hand::Left ? lblLeftNext : lblRightNext)->setText(next.join(u' '));
        label(h == Hand::Left ? lblLeftTiming : lblRightTiming)
            ->setText(drill.isPlaying() ? QString() : timingLine(h));
        QString grid;
        if (const std::optional<RhythmDrill::BeatPlace> at = drill.beatPlace(h)) {
            for (int n = 0; n < at->notesPerBeat; ++n)
                grid += (n == at->place ? QChar(0x25CF) : QChar(0x25CB)) + QStringLiteral(" ");
        }
        label(h == Hand::Left ? lblLeftGrid : lblRightGrid)->setText(grid.trimmed());
    }
    // A dot for each beat of the bar, the one now filled; the count-in's are rings. Between
    // exercises: the tempo of the next, and the fastest the player has played it clean.
    const int beat = drill.beat();
    QString dots;
    if (!drill.isPlaying()) {
        dots = tr("%1 bpm").arg(drill.nextBpm());
        if (const std::optional<int> best = bestCleanBpm())
            dots += QStringLiteral(" \u00b7 ") + tr("best clean: %1").arg(*best);
    } else if (beat >= 0) {
        for (int b = 0; b < 4; ++b)
            dots += (b == beat ? QChar(0x25CF) : QChar(0x25CB)) + QStringLiteral(" ");
        if (drill.countingIn())
            dots = tr("count in: %1").arg(dots.trimmed());
    }
    label(lblBeat)->setText(dots.trimmed());
}

std::optional<int> FormRhythm::bestCleanBpm() const
{
    std::optional<int> best = m_logic->bestCleanBpm();
    if (HistoryStore *history = context().history) {
        const std::optional<int> kept =
            history->bestCleanBpm(context().settings.PlayerName, m_logic->figureName());
        if (kept && (!best || *kept > *best))
            best = kept;
    }
    return best;
}

QString FormRhythm::timingLine(Hand h) const
{
    const RhythmJudge *judge = m_logic->judge();
    if (!judge || !judge->grid().inPlay(h) || !m_logic->summaryWritten())
        return {};
    const TimingFigures figures(*judge);
    const TimingFigures::Group &all = figures.hand(h).all;
    if (!all.rightShare)
        return {};
    QString line;
    if (all.meanDeviationMs) {
        const int mean = int(std::lround(*all.meanDeviationMs));
        line = mean < 0   ? tr("%1 ms early on average").arg(-mean)
               : mean > 0 ? tr("%1 ms late on average").arg(mean)
                          : tr("on the beat on average");
        if (all.spreadMs)
            line += QStringLiteral(", ") + tr("spread %1 ms").arg(std::lround(*all.spreadMs));
    }
    const QString right = tr("%1 % of the notes right").arg(std::lround(*all.rightShare * 100));
    // What else there is to say: the silent bars, the touch, the other hand's pull.
    QStringList more;
    const TimingFigures::Group &silent = figures.hand(h).silent;
    if (silent.meanDeviationMs) {
        const int mean = int(std::lround(*silent.meanDeviationMs));
        more << (mean < 0   ? tr("without the click %1 ms early").arg(-mean)
                 : mean > 0 ? tr("without the click %1 ms late").arg(mean)
                            : tr("without the click on the beat"));
    }
    if (all.velocityVariation)
        more << tr("touch varies %1 %").arg(std::lround(*all.velocityVariation * 100));
    const RhythmGrid &grid = judge->grid();
    const Hand other = h == Hand::Left ? Hand::Right : Hand::Left;
    if (grid.inPlay(other) && grid.noteIntervalNs(h) != grid.noteIntervalNs(other)) {
        PolyrhythmPull pull(grid, h);
        pull.add(judge->strikeTimes(h));
        if (const std::optional<double> value = pull.value())
            more << tr("pulled to the other hand %1 of 100").arg(std::lround(*value));
    }
    QString text =
        HandNames::hand(h) + QStringLiteral(": ") + (line.isEmpty() ? right : line + u'\n' + right);
    if (!more.isEmpty())
        text += u'\n' + more.join(QStringLiteral(", "));
    return text;
}
