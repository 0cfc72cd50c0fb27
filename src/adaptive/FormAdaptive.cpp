// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/FormAdaptive.h"

#include "adaptive/AdaptiveDrill.h"
#include "adaptive/PlayerWeakness.h"
#include "adaptive/WeaknessBars.h"
#include "frame/AppContext.h"
#include "frame/CountDialog.h"
#include "frame/LevelDialog.h"
#include "frame/Palette.h"
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QLabel>
#include <QThreadPool>

namespace {

std::function<WeaknessModel(const QString &)> historyOf(const AppContext &context)
{
    HistoryStore *history = context.history;
    if (!history)
        return {};
    return [history](const QString &player) {
        return playerWeakness(*history, player, QDateTime::currentDateTime());
    };
}

} // namespace

FormAdaptive::FormAdaptive(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, ExerciseKind::Adaptive, QStringLiteral(":/pictures/background.svg"),
                     parent),
      m_logic(std::make_unique<AdaptiveDrill>(drillPorts(), context().random, historyOf(context())))
{
    addDrillLabels();
    const QColor ink = Palette::Ink;
    addLabel(Label::Label7Adaptive, 12, true, QRect(280, 420, 200, 28), Qt::AlignCenter,
             Palette::Caption);
    addLabel(Label::lblLeftPace, 10, false, QRect(110, 410, 160, 20), Qt::AlignCenter, ink);
    addLabel(Label::lblRightPace, 10, false, QRect(490, 410, 160, 20), Qt::AlignCenter, ink);
    QLabel *message = addLabel(Label::lblAdaptiveMessage, 10, true, QRect(40, 262, 680, 38),
                               Qt::AlignCenter, Palette::Message);
    message->setWordWrap(true);
    m_leftBars = new WeaknessBars(true, canvas());
    m_leftBars->setObjectName(QStringLiteral("barsLeft"));
    place(m_leftBars, QRect(12, 318, 92, 96));
    m_rightBars = new WeaknessBars(false, canvas());
    m_rightBars->setObjectName(QStringLiteral("barsRight"));
    place(m_rightBars, QRect(656, 318, 92, 96));
    attachDrill(m_logic.get());
    connect(m_logic.get(), &DrillCore::changed, this, &FormAdaptive::showWeakness);
    showWeakness();

    offerHandsChoice();
    onCommand(Command::mnuTask, [this] {
        auto *dialog = new CountDialog(
            {tr("Choose number of tasks"), tr("Choose number of tasks for each hand from list :"),
             CountDialog::steps(10, 100, 10), QString::number(m_logic->taskCount())},
            [this](qint16 count) { m_logic->setTaskCount(count); }, this);
        dialog->setObjectName(QStringLiteral("frmNumAdaptive"));
        openDialog(dialog);
    });
    onCommand(Command::mnuMinutes, [this] {
        auto *dialog = new CountDialog(
            {tr("Choose number of minutes"), tr("Choose how many minutes the exercise lasts :"),
             CountDialog::steps(5, 30, 5),
             QString::number(m_logic->minutes() > 0 ? m_logic->minutes() : 10)},
            [this](qint16 minutes) { m_logic->setMinutes(minutes); }, this);
        dialog->setObjectName(QStringLiteral("frmMinutes"));
        openDialog(dialog);
    });
    onCommand(Command::mnuLevel, [this] {
        auto *dialog = new LevelDialog(
            tr("Select the level to begin at"),
            [this](int periodMs) { m_logic->setStartIntervalMs(periodMs); }, this);
        dialog->setObjectName(QStringLiteral("frmLevel"));
        openDialog(dialog);
    });
}

FormAdaptive::~FormAdaptive() = default;

void FormAdaptive::Form_Load()
{
    m_logic->Form_Load(context().folder.filePath(QStringLiteral("XYL.WAV")));
}

void FormAdaptive::showWeakness()
{
    const WeaknessModel &model = m_logic->model();
    for (Hand h : {Hand::Left, Hand::Right}) {
        std::array<std::optional<double>, 5> values{};
        for (int f = 1; f <= 5; ++f)
            values[f - 1] = model.weakness(h, f);
        bars(h)->setValues(values, WeaknessModel::WrongCostMs);
        bars(h)->setVisible(m_logic->inPlay(h));
    }
}

void FormAdaptive::showEvent(QShowEvent *event)
{
    ExerciseWindow::showEvent(event);
    primeWeakness();
}

// While the player looks at the window, the weaknesses are read in the background and kept
// in the history, so that Start reads only what came after them (about a millisecond)
// instead of a long history whole. A Start pressed before this is done reads for itself,
// to the same result.
void FormAdaptive::primeWeakness()
{
    const HistoryStore *history = context().history;
    if (!history || !history->isWritable())
        return;
    // A pool of our own, which the application waits for before it ends: Qt's global one
    // also draws the windows.
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool(QCoreApplication::instance());
        p->setMaxThreadCount(1);
        return p;
    }();
    pool->start([path = history->path(), player = context().settings.PlayerName] {
        HistoryStore store(path, false);
        if (store.isWritable())
            playerWeakness(store, player, QDateTime::currentDateTime());
    });
}
