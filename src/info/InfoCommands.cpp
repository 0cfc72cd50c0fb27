// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/InfoCommands.h"

#include "frame/AppContext.h"
#include "frame/ExerciseWindow.h"
#include "frame/Forms.h"
#include "info/HelpWindow.h"
#include "info/PictureWindow.h"
#include "info/frmAbout.h"
#include "input/InputPreferences.h"

#include <QFileInfo>
#include <QLocale>
#include <QShortcut>

namespace InfoCommands {

QString helpContentsFile(const ProgramFolder &folder, const QStringList &languages)
{
    const QString english = QStringLiteral("help/index.html");
    for (const QString &name : languages) {
        // "de-AT" and "de_AT" read the German book; the book is per language only.
        const QString language =
            name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return english;
        const QString page = QStringLiteral("help/%1/index.html").arg(language);
        if (!language.isEmpty() && QFileInfo(folder.filePath(page)).isFile())
            return page;
    }
    return english;
}

void install(ExerciseWindow *window, Forms &forms, ExerciseKind kind)
{
    Forms *registry = &forms;
    window->onCommand(Command::mnuContents,
                      [registry, kind] { mnuContents_Click(*registry, kind); });
    window->onCommand(Command::mnuRaspored,
                      [registry, kind] { mnuRaspored_Click(*registry, kind); });
    window->onCommand(Command::mnuAbout, [registry] { mnuAbout_Click(*registry); });

    // F1 belongs to the window; the "F1" in the item's caption is only a hint.
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setObjectName(QStringLiteral("HelpShortcut"));
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window,
                     [window] { window->trigger(Command::mnuContents); });
}

void registerForms(Forms &forms)
{
    forms.registerForm(QStringLiteral("frmAbout"), [](Forms &f) {
        auto *about = new frmAbout(f.context().registry, f.context().processes);
        about->Form_Load();
        return about;
    });
    forms.registerForm(QStringLiteral("Form2"),
                       [](Forms &) { return new PictureWindow(PictureWindow::form2()); });
    forms.registerForm(QStringLiteral("FormDisposition"),
                       [](Forms &) { return new PictureWindow(PictureWindow::formDisposition()); });
    forms.registerForm(QStringLiteral("HelpWindow"), [](Forms &) { return new HelpWindow; });
}

void mnuContents_Click(Forms &forms, ExerciseKind kind)
{
    // Some windows borrow the home window's help access, which loads that window, unseen,
    // the first time.
    const ExerciseEntry *entry = forms.exercise(kind);
    if (entry && entry->helpThroughHome)
        forms.form(forms.homeWindow());

    // Without the book nothing opens and nothing is said.
    // The book speaks the language the windows speak: the translations are chosen from
    // the same list of the player's languages.
    const ProgramFolder &folder = forms.context().folder;
    const QString contents = folder.filePath(helpContentsFile(folder, QLocale().uiLanguages()));
    if (!QFileInfo(contents).isFile())
        return;
    if (auto *help = forms.get<HelpWindow>(QStringLiteral("HelpWindow")))
        help->showHelp(contents);
}

void mnuRaspored_Click(Forms &forms, ExerciseKind kind)
{
    const ExerciseEntry *entry = forms.exercise(kind);
    const bool fingers = entry && entry->fingersPicture;
    auto *picture = forms.get<PictureWindow>(fingers ? QStringLiteral("FormDisposition")
                                                     : QStringLiteral("Form2"));
    if (!picture)
        return;
    const InputPreferences *input = forms.context().input;
    const bool laptop = input && input->layout == KeyLayout::Laptop;
    picture->setPicture(fingers ? PictureWindow::fingersPicture(laptop)
                                : PictureWindow::keysPicture(laptop));
    picture->present(entry && entry->pictureWaits);
}

void mnuAbout_Click(Forms &forms)
{
    forms.show(QStringLiteral("frmAbout"));
}

} // namespace InfoCommands
