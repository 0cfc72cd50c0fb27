// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/ExerciseKind.h"
#include "frame/MenuLayout.h"

#include <QList>
#include <QPair>
#include <QString>

class Forms;
struct ExerciseEntry;

// Every window of the program, and how each is built. The exercise windows stand in one
// table, a row each: a new exercise window is its own folder and one row here.
namespace WindowCatalog {

// The exercise windows, the home window (where Exit leads) first.
const QList<ExerciseEntry> &exercises();
// The Statistics window's choice of exercises: each kind's id and its caption.
QList<QPair<QString, QString>> statisticsChoices();
// The menus of the window of a kind.
QList<MenuSpec> menus(ExerciseKind kind);

void registerAll(Forms &forms);

} // namespace WindowCatalog
