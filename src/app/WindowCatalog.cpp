// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowCatalog.h"

#include "drill/FormRand.h"
#include "drill/RandomOptions.h"
#include "frame/Forms.h"
#include "info/InfoCommands.h"
#include "memory/FormMemory.h"
#include "preschool/frmPreschool.h"
#include "sequential/FormSeq.h"
#include "settings/frmLog.h"

namespace {

// Creates a window, binds the commands it shares with others, and runs its load step.
template <typename Window> QWidget *load(Forms &forms, void (*bind)(ExerciseWindow *, Forms &))
{
    auto *window = new Window(forms);
    bind(window, forms);
    InfoCommands::install(window, forms, window->kind());
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
    RandomOptions::registerForms(forms);
    InfoCommands::registerForms(forms);
}
