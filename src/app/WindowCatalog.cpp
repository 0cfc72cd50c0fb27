// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowCatalog.h"

#include <QCoreApplication>

#include "adaptive/FormAdaptive.h"

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
#include "random/FormRand.h"
#include "random/RandomOptions.h"
#include "rhythm/FormRhythm.h"
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
    window->setExercises(WindowCatalog::statisticsChoices());
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

using C = Command;
using MenuLayout::checkedItem;
using MenuLayout::disabledItem;
using MenuLayout::item;
using MenuLayout::separator;

// The random drill's options, which the preschool window shares without the hands.
QList<MenuItemSpec> randomDrillOptions(bool hands)
{
    QList<MenuItemSpec> items{
        disabledItem(C::mnu3, QT_TRANSLATE_NOOP("MenuLayout", "&Choose exercise")),
        item(C::mnuTask, QT_TRANSLATE_NOOP("MenuLayout", "&Number of tasks")),
        disabledItem(C::mnu2, QT_TRANSLATE_NOOP("MenuLayout", "N&umber of sequences")),
        item(C::mnuLevel, QT_TRANSLATE_NOOP("MenuLayout", "&Level")),
        separator(C::crta1),
        item(C::mnuLComb, QT_TRANSLATE_NOOP("MenuLayout", "&Left hand combinations")),
        item(C::mnuRComb, QT_TRANSLATE_NOOP("MenuLayout", "&Right Hand combinations"))};
    if (hands)
        items << separator(C::crtaHands) << MenuLayout::handsItem();
    return items;
}

// The items of the random drill's options that the sequential and memory windows show
// greyed out.
QList<MenuItemSpec> combinationsOff()
{
    return {item(C::mnuLevel, QT_TRANSLATE_NOOP("MenuLayout", "&Level")), separator(C::crta1),
            disabledItem(C::mnuLComb, QT_TRANSLATE_NOOP("MenuLayout", "&Left hand combinations")),
            disabledItem(C::mnuRComb, QT_TRANSLATE_NOOP("MenuLayout", "&Right Hand combinations"))};
}

QList<MenuItemSpec> sequentialOptions()
{
    return QList<MenuItemSpec>{
               item(C::mnuChooseexe, QT_TRANSLATE_NOOP("MenuLayout", "&Choose exercise")),
               disabledItem(C::mnu1, QT_TRANSLATE_NOOP("MenuLayout", "N&umber of tasks")),
               item(C::mnuTask, QT_TRANSLATE_NOOP("MenuLayout", "&Number of sequences"))} +
           combinationsOff();
}

QList<MenuItemSpec> memoryOptions()
{
    MenuItemSpec notes = item(C::mnuNPT, QT_TRANSLATE_NOOP("MenuLayout", "Notes per task"));
    notes.submenu << item(C::mnu3, "3") << item(C::mnu4, "4") << checkedItem(C::mnu5, "5");
    return QList<MenuItemSpec>{
               disabledItem(C::mnuExe, QT_TRANSLATE_NOOP("MenuLayout", "&Choose exercise")),
               disabledItem(C::mnu1, QT_TRANSLATE_NOOP("MenuLayout", "N&umber of tasks")),
               item(C::mnuTask, QT_TRANSLATE_NOOP("MenuLayout", "&Number of memory tasks")),
               notes} +
           combinationsOff();
}

QList<MenuItemSpec> adaptiveOptions()
{
    return {item(C::mnuTask, QT_TRANSLATE_NOOP("MenuLayout", "&Number of tasks")),
            item(C::mnuMinutes, QT_TRANSLATE_NOOP("MenuLayout", "Number of &minutes")),
            item(C::mnuLevel, QT_TRANSLATE_NOOP("MenuLayout", "&Level")), separator(C::crta1),
            MenuLayout::handsItem()};
}

// The sequential and memory windows list the random window under Exit.
const char *const RandomAsExit = QT_TRANSLATE_NOOP("MenuLayout", "Ra&ndom exercises");

QList<ExerciseEntry> exerciseTable()
{
    // The random and preschool windows share the random drill's options; the sequential
    // window borrows its level; the memory and adaptive windows have options of their own.
    ExerciseEntry random{ExerciseKind::Random,
                         QStringLiteral("FormRand"),
                         C::mnuRand,
                         QT_TRANSLATE_NOOP("MenuLayout", "Ra&ndom"),
                         nullptr,
                         QT_TRANSLATE_NOOP("StatisticsWindow", "Random"),
                         [](Forms &f) { return load<FormRand>(f, RandomOptions::install); },
                         {C::crta2, nullptr, randomDrillOptions(true), true}};
    random.pictureWaits = true;

    ExerciseEntry sequential{ExerciseKind::Sequential,
                             QStringLiteral("FormSeq"),
                             C::mnuSeq,
                             QT_TRANSLATE_NOOP("MenuLayout", "Se&quential exercises"),
                             nullptr,
                             QT_TRANSLATE_NOOP("StatisticsWindow", "Sequential"),
                             [](Forms &f) { return load<FormSeq>(f, RandomOptions::installLevel); },
                             {C::crta3, RandomAsExit, sequentialOptions(), false}};
    sequential.helpThroughHome = true;

    ExerciseEntry memory{ExerciseKind::Memory,
                         QStringLiteral("FormMemory"),
                         C::mnuMem,
                         QT_TRANSLATE_NOOP("MenuLayout", "&Memory exercises"),
                         QT_TRANSLATE_NOOP("MenuLayout", "&Memory exercise"),
                         QT_TRANSLATE_NOOP("StatisticsWindow", "Memory"),
                         [](Forms &f) { return load<FormMemory>(f, noOptions); },
                         {C::crta3, RandomAsExit, memoryOptions(), false}};
    memory.helpThroughHome = true;

    ExerciseEntry preschool{ExerciseKind::Preschool,
                            QStringLiteral("frmPreschool"),
                            C::mnuPreschool,
                            QT_TRANSLATE_NOOP("MenuLayout", "&Preschool"),
                            nullptr,
                            QT_TRANSLATE_NOOP("StatisticsWindow", "Preschool"),
                            [](Forms &f) { return load<frmPreschool>(f, RandomOptions::install); },
                            {C::crta2, nullptr, randomDrillOptions(false), true}};
    preschool.fingersPicture = true;
    preschool.pictureWaits = true;
    preschool.first = true;

    ExerciseEntry adaptive{ExerciseKind::Adaptive,
                           QStringLiteral("FormAdaptive"),
                           C::mnuAdaptive,
                           QT_TRANSLATE_NOOP("MenuLayout", "&Adaptive"),
                           nullptr,
                           QT_TRANSLATE_NOOP("StatisticsWindow", "Adaptive"),
                           [](Forms &f) { return load<FormAdaptive>(f, noOptions); },
                           {C::crta2, nullptr, adaptiveOptions(), true}};

    ExerciseEntry rhythm{ExerciseKind::Rhythm,
                         QStringLiteral("FormRhythm"),
                         FormRhythm::mnuRhythm,
                         QT_TRANSLATE_NOOP("MenuLayout", "R&hythm"),
                         nullptr,
                         QT_TRANSLATE_NOOP("StatisticsWindow", "Rhythm"),
                         [](Forms &f) { return load<FormRhythm>(f, noOptions); },
                         {C::crta2, nullptr, FormRhythm::menuOptions(), true}};
    rhythm.helpThroughHome = true;

    return {random, sequential, memory, preschool, adaptive, rhythm};
}

} // namespace

const QList<ExerciseEntry> &WindowCatalog::exercises()
{
    static const QList<ExerciseEntry> table = exerciseTable();
    return table;
}

QList<QPair<QString, QString>> WindowCatalog::statisticsChoices()
{
    QList<QPair<QString, QString>> choices;
    for (const ExerciseEntry &entry : exercises())
        choices.append({ExerciseKinds::id(entry.kind),
                        QCoreApplication::translate("StatisticsWindow", entry.filterCaption)});
    return choices;
}

QList<MenuSpec> WindowCatalog::menus(ExerciseKind kind)
{
    for (const ExerciseEntry &entry : exercises()) {
        if (entry.kind == kind)
            return MenuLayout::forWindow(entry, exercises());
    }
    return {};
}

void WindowCatalog::registerAll(Forms &forms)
{
    forms.registerForm(frmLog::name(), [](Forms &f) { return new frmLog(f); });
    for (const ExerciseEntry &entry : exercises())
        forms.registerExercise(entry);
    forms.registerForm(QStringLiteral("Statistics"), statisticsWindow);
    RandomOptions::registerForms(forms);
    InfoCommands::registerForms(forms);
}
