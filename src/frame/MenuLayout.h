// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/Commands.h"

#include <QKeySequence>
#include <QList>
#include <QString>

struct ExerciseEntry;

// The menu bars of the exercise windows, as data: every item with its control
// name, caption (the "&" marks the access letter), shortcut, check mark and state.
// Captions are plain English, marked for the translators in the context "MenuLayout"
// where they stand; the frame translates them as it builds the menus.
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

// What an exercise window's menus hold that others' do not.
struct OwnMenus {
    // The separator under Start and Reset (each window names its own).
    Command separator = Command::crta2;
    // Set where the window lists the home window (the first exercise) under Exit, with
    // this caption, instead of as that window's own item.
    const char *homeAsExit = nullptr;
    // The window's part of the Options menu, above the devices and the comfort items.
    QList<MenuItemSpec> options;
    // The "F1" hint of Help > Contents stands further right.
    bool wideContents = true;
};

namespace MenuLayout {

MenuItemSpec item(Command name, const char *caption, QKeySequence shortcut = {});
MenuItemSpec checkedItem(Command name, const char *caption);
MenuItemSpec disabledItem(Command name, const char *caption);
MenuItemSpec separator(Command name);
// Options > Hands: both hands, or one while the other rests.
MenuItemSpec handsItem();

// The menus of the window `self`, whose Test menu offers every exercise window.
QList<MenuSpec> forWindow(const ExerciseEntry &self, const QList<ExerciseEntry> &exercises);

} // namespace MenuLayout
