// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/ExerciseKind.h"

#include <QStringList>

class ExerciseWindow;
class Forms;
class ProgramFolder;

// The Help menu of every exercise window: Contents (also on F1), Key dispositon and
// About, and the windows they open.
namespace InfoCommands {

// The help book's contents page, relative to the program folder, in the first of the
// player's languages (as QLocale::uiLanguages names them, best first) that the book is
// translated into; English, the book's own, when none of them is, or when English comes
// first.
QString helpContentsFile(const ProgramFolder &folder, const QStringList &languages);

// Binds mnuContents, mnuRaspored, mnuAbout and the F1 key of the window.
void install(ExerciseWindow *window, Forms &forms, ExerciseKind kind);
// Registers frmAbout, Form2, FormDisposition and the help window.
void registerForms(Forms &forms);

// The commands themselves, as the window of this kind runs them.
void mnuContents_Click(Forms &forms, ExerciseKind kind);
void mnuRaspored_Click(Forms &forms, ExerciseKind kind);
void mnuAbout_Click(Forms &forms);

} // namespace InfoCommands
