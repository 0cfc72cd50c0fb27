// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/WindowCatalog.h"

#include "drill/FormRand.h"
#include "drill/RandomOptions.h"
#include "frame/Forms.h"
#include "info/InfoCommands.h"
#include "memory/FormMemory.h"
#include "preschool/frmPreschool.h"
#include "sequential/FormSeq.h"
#include "settings/frmLog.h"

void WindowCatalog::registerAll(Forms &forms)
{
    forms.registerForm(QStringLiteral("frmLog"), [](Forms &f) { return new frmLog(f); });
    forms.registerForm(QStringLiteral("FormRand"), [](Forms &f) {
        auto *window = new FormRand(f);
        window->Form_Load();
        return window;
    });
    forms.registerForm(QStringLiteral("FormMemory"), [](Forms &f) {
        auto *window = new FormMemory(f);
        window->Form_Load();
        return window;
    });
    forms.registerForm(QStringLiteral("FormSeq"), [](Forms &f) {
        auto *window = new FormSeq(f);
        window->Form_Load();
        return window;
    });
    forms.registerForm(QStringLiteral("frmPreschool"), [](Forms &f) {
        auto *window = new frmPreschool(f);
        window->Form_Load();
        return window;
    });
    RandomOptions::registerForms(forms);
    InfoCommands::registerForms(forms);
}
