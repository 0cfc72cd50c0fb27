// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowCatalog.h"

#include "adaptive/FormAdaptive.h"

#include "drill/FormRand.h"
#include "drill/RandomOptions.h"
#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "frame/ScreenFit.h"
#include "history/HistoryStore.h"
#include "history/Statistics.h"
#include "history/StatisticsWindow.h"
#include "info/InfoCommands.h"
#include "input/InputCommands.h"
#include "memory/FormMemory.h"
#include "preschool/frmPreschool.h"
#include "sequential/FormSeq.h"
#include "settings/frmLog.h"

namespace {

// User > Statistics: the window comes up to date with the history and to the front.
void showStatistics(Forms &forms)
{
    auto *window = forms.get<StatisticsWindow>(QStringLiteral("Statistics"));
    if (!window)
        return;
    const HistoryStore *history = forms.context().history;
    window->setPlayers(history ? history->players() : QStringList(),
                       forms.context().settings.PlayerName);
    window->refresh();
    ScreenFit::fit(window);
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget *statisticsWindow(Forms &forms)
{
    const HistoryStore *history = forms.context().history;
    // Read on a worker thread with a connection of its own, so that a school's history of
    // a million strikes never stops the window answering.
    auto *window = new StatisticsWindow(
        [path = history ? history->path() : QString()](const HistoryFilter &filter) {
            if (path.isEmpty())
                return StatisticsResult{};
            const HistoryStore store(path, HistoryStore::Mode::Read);
            return store.statistics(filter, QDateTime::currentDateTime());
        });
    window->setComputeInBackground(true);
    return window;
}

// Creates a window, binds the commands it shares with others, and runs its load step.
template <typename Window> QWidget *load(Forms &forms, void (*bind)(ExerciseWindow *, Forms &))
{
    auto *window = new Window(forms);
    bind(window, forms);
    InfoCommands::install(window, forms, window->kind());
    InputCommands::install(window, forms);
    window->onCommand(Command::mnuStatistics, [&forms] { showStatistics(forms); });
    window->Form_Load();
    return window;
}

void noOptions(ExerciseWindow *, Forms &) {}

} // namespace

void WindowCatalog::registerAll(Forms &forms)
{
    forms.registerForm(QStringLiteral("frmLog"), [](Forms &f) { return new frmLog(f); });
    // The random and preschool windows share the random drill's options; the sequential
    // window borrows its level; the memory window has options of its own.
    forms.registerForm(QStringLiteral("FormRand"),
                       [](Forms &f) { return load<FormRand>(f, RandomOptions::install); });
    forms.registerForm(QStringLiteral("FormMemory"),
                       [](Forms &f) { return load<FormMemory>(f, noOptions); });
    forms.registerForm(QStringLiteral("FormSeq"),
                       [](Forms &f) { return load<FormSeq>(f, RandomOptions::installLevel); });
    forms.registerForm(QStringLiteral("frmPreschool"),
                       [](Forms &f) { return load<frmPreschool>(f, RandomOptions::install); });
    forms.registerForm(QStringLiteral("FormAdaptive"),
                       [](Forms &f) { return load<FormAdaptive>(f, noOptions); });
    forms.registerForm(QStringLiteral("Statistics"), statisticsWindow);
    RandomOptions::registerForms(forms);
    InfoCommands::registerForms(forms);
}
