// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/Commands.h"

#include <QKeySequence>
#include <QList>
#include <QString>

// The menu bars of the exercise windows, as data: every item with its control
// name, caption (the "&" marks the access letter), shortcut, check mark and state.
struct MenuItemSpec {
    Command name;
    QString caption; // empty for a separator
    QKeySequence shortcut;
    bool checked = false;
    bool enabled = true;
    QList<MenuItemSpec> submenu;

    bool isSeparator() const { return caption.isEmpty() && submenu.isEmpty(); }
};

struct MenuSpec {
    Command name;
    QString caption;
    QList<MenuItemSpec> items;
};

namespace MenuLayout {

enum class Window { Random, Sequential, Memory, Preschool, Adaptive };

QList<MenuSpec> forWindow(Window window);

} // namespace MenuLayout
