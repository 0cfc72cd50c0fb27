// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ExerciseWindow;
class Forms;

// The random drill's options, shared by the random and preschool windows: number of
// tasks (frmNumRand), level (frmLevel, which always sets the random drill window's
// timers), and the finger ranges of each hand (frmLkomb, frmDkomb).
namespace RandomOptions {

// Binds Options > Number of tasks, Level, Left and Right hand combinations.
void install(ExerciseWindow *window, Forms &forms);
// Binds only Options > Level (the sequential window).
void installLevel(ExerciseWindow *window, Forms &forms);
// Registers frmLkomb and frmDkomb, which live for the rest of the run once opened.
void registerForms(Forms &forms);

} // namespace RandomOptions
