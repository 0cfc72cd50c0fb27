// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ExerciseWindow;
class Forms;

// Options > Keyboard..., Piano keyboard (MIDI)... and Check keys...: the same in every
// exercise window. Each opens a fresh dialog over the window, as its other dialogs open.
namespace InputCommands {

void install(ExerciseWindow *window, Forms &forms);

} // namespace InputCommands
