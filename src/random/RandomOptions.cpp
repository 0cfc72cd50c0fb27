// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/RandomOptions.h"

#include "frame/AppContext.h"
#include "frame/CountDialog.h"
#include "frame/ExerciseWindow.h"
#include "frame/Forms.h"
#include "frame/LevelDialog.h"
#include "ports/Ticker.h"
#include "random/FingerRangeDialog.h"

#include <QCoreApplication>

namespace RandomOptions {

void installLevel(ExerciseWindow *window, Forms &forms)
{
    window->onCommand(Command::mnuLevel, [window, &forms] {
        auto *dialog = new LevelDialog(
            QCoreApplication::translate("RandomOptions", "Select level for the test"),
            [&forms](int periodMs) {
                // The level lives in the random drill window's timers, whichever window
                // asked; that window is loaded unseen if need be.
                if (auto *random = forms.get<ExerciseWindow>(forms.nameOf(ExerciseKind::Random))) {
                    random->Timer1().setInterval(periodMs);
                    random->Timer2().setInterval(periodMs);
                }
            },
            window);
        dialog->setObjectName(QStringLiteral("frmLevel"));
        window->openDialog(dialog);
    });
}

void install(ExerciseWindow *window, Forms &forms)
{
    window->onCommand(Command::mnuTask, [window, &forms] {
        window->openDialog(
            new CountDialog(CountDialog::TaskCount, forms.context().settings, window));
    });
    installLevel(window, forms);
    window->onCommand(Command::mnuLComb, [window, &forms] {
        if (auto *dialog = forms.get<QDialog>(QStringLiteral("frmLkomb")))
            window->openDialog(dialog);
    });
    window->onCommand(Command::mnuRComb, [window, &forms] {
        if (auto *dialog = forms.get<QDialog>(QStringLiteral("frmDkomb")))
            window->openDialog(dialog);
    });
}

void registerForms(Forms &forms)
{
    forms.registerForm(QStringLiteral("frmLkomb"), [](Forms &f) {
        return new FingerRangeDialog(Hand::Left, f.context().settings);
    });
    forms.registerForm(QStringLiteral("frmDkomb"), [](Forms &f) {
        return new FingerRangeDialog(Hand::Right, f.context().settings);
    });
}

} // namespace RandomOptions
