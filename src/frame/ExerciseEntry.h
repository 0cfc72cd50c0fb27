// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/ExerciseKind.h"
#include "frame/Commands.h"
#include "frame/MenuLayout.h"

#include <QString>

#include <functional>

class Forms;
class QWidget;

// An exercise window as the rest of the program knows it: one row of the window catalogue.
// The registry builds the window from it, the frame offers it in every Test menu and binds
// the command that switches to it, and the help and the Statistics window read it.
struct ExerciseEntry {
    ExerciseKind kind;
    // The Qt object name the registry knows the window by ("FormRand").
    QString name;
    // The Test-menu item that shows the window, its caption there, and its caption in its
    // own window, where it carries the check mark (nullptr: the same).
    Command command;
    const char *caption;
    const char *ownCaption = nullptr;
    // Its caption in the Statistics window's choice of exercises (context
    // "StatisticsWindow").
    const char *filterCaption = nullptr;
    // Builds the window, binds the commands it shares with others and runs its load step.
    std::function<QWidget *(Forms &)> factory;
    OwnMenus menus;

    // Help > Contents loads the home window unseen first (the windows that borrow its help
    // access).
    bool helpThroughHome = false;
    // Help > Key disposition shows where the fingers lie (else the keys), and the window
    // waits for the picture to close (else goes on under it).
    bool fingersPicture = false;
    bool pictureWaits = false;
    // The window the name prompt opens.
    bool first = false;
};
