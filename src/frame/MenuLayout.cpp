// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/MenuLayout.h"

#include "frame/ExerciseEntry.h"

namespace MenuLayout {

using C = Command;

MenuItemSpec item(Command name, const char *caption, QKeySequence shortcut)
{
    return MenuItemSpec{name, QString::fromLatin1(caption), shortcut, false, true, {}};
}

MenuItemSpec checkedItem(Command name, const char *caption)
{
    MenuItemSpec spec = item(name, caption);
    spec.checked = true;
    return spec;
}

MenuItemSpec disabledItem(Command name, const char *caption)
{
    MenuItemSpec spec = item(name, caption);
    spec.enabled = false;
    return spec;
}

MenuItemSpec separator(Command name)
{
    return item(name, "");
}

MenuItemSpec handsItem()
{
    MenuItemSpec hands = item(C::mnuHands, QT_TRANSLATE_NOOP("MenuLayout", "&Hands"));
    hands.submenu << checkedItem(C::mnuHandsBoth, QT_TRANSLATE_NOOP("MenuLayout", "&Both"))
                  << item(C::mnuHandsLeft, QT_TRANSLATE_NOOP("MenuLayout", "&Left only"))
                  << item(C::mnuHandsRight, QT_TRANSLATE_NOOP("MenuLayout", "&Right only"));
    return hands;
}

namespace {

// Start and Reset, then a way to every exercise window, the window's own one checked.
MenuSpec testMenu(const ExerciseEntry &self, const QList<ExerciseEntry> &exercises)
{
    MenuSpec menu{C::mnuTest, QStringLiteral(QT_TRANSLATE_NOOP("MenuLayout", "&Test")), {}};
    menu.items << item(C::mnuStart, QT_TRANSLATE_NOOP("MenuLayout", "&Start"),
                       QKeySequence(Qt::Key_Delete))
               << item(C::mnuReset, QT_TRANSLATE_NOOP("MenuLayout", "&Reset"),
                       QKeySequence(Qt::Key_F12))
               << separator(self.menus.separator);
    for (const ExerciseEntry &other : exercises) {
        const bool home = &other == &exercises.front();
        if (other.kind == self.kind)
            menu.items << checkedItem(other.command,
                                      self.ownCaption ? self.ownCaption : self.caption);
        else if (home && self.menus.homeAsExit)
            menu.items << item(C::mnuExit, self.menus.homeAsExit);
        else
            menu.items << item(other.command, other.caption);
    }
    return menu;
}

MenuSpec userMenu()
{
    return MenuSpec{C::mnuUse,
                    QStringLiteral(QT_TRANSLATE_NOOP("MenuLayout", "&User")),
                    {item(C::mnuUser, QT_TRANSLATE_NOOP("MenuLayout", "&New")),
                     item(C::mnuViewLog, QT_TRANSLATE_NOOP("MenuLayout", "&View results")),
                     item(C::mnuStatistics, QT_TRANSLATE_NOOP("MenuLayout", "&Statistics"))}};
}

MenuSpec optionsMenu(const ExerciseEntry &self)
{
    MenuSpec menu{C::mnuOptions, QStringLiteral(QT_TRANSLATE_NOOP("MenuLayout", "&Options")),
                  self.menus.options};
    // The player's devices, the same in every window.
    menu.items << separator(C::crtaInput)
               << item(C::mnuKeyboard, QT_TRANSLATE_NOOP("MenuLayout", "&Keyboard..."))
               << item(C::mnuMidi, QT_TRANSLATE_NOOP("MenuLayout", "&Piano keyboard (MIDI)..."))
               << item(C::mnuCheckKeys, QT_TRANSLATE_NOOP("MenuLayout", "Ch&eck keys..."));
    // The window and the sound, the same in every window.
    menu.items << separator(C::crtaComfort)
               << item(C::mnuFullScreen, QT_TRANSLATE_NOOP("MenuLayout", "&Full screen"),
                       QKeySequence(Qt::Key_F11))
               << item(C::mnuVolume, QT_TRANSLATE_NOOP("MenuLayout", "Sound &volume..."));
    return menu;
}

MenuSpec helpMenu(const ExerciseEntry &self)
{
    // The F1 in the caption is text only; the windows bind F1 themselves.
    const char *contents = self.menus.wideContents
                               ? QT_TRANSLATE_NOOP("MenuLayout", "&Contents            F1")
                               : QT_TRANSLATE_NOOP("MenuLayout", "&Contents        F1");
    return MenuSpec{C::mnuHelp,
                    QStringLiteral(QT_TRANSLATE_NOOP("MenuLayout", "&Help")),
                    {item(C::mnuContents, contents),
                     item(C::mnuRaspored, QT_TRANSLATE_NOOP("MenuLayout", "&Key dispositon")),
                     item(C::mnuAbout, QT_TRANSLATE_NOOP("MenuLayout", "About"))}};
}

} // namespace

QList<MenuSpec> forWindow(const ExerciseEntry &self, const QList<ExerciseEntry> &exercises)
{
    return {testMenu(self, exercises), userMenu(), optionsMenu(self), helpMenu(self)};
}

} // namespace MenuLayout
