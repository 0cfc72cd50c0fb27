// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/MenuLayout.h"

namespace {

using C = Command;

MenuItemSpec item(Command name, const char *caption, QKeySequence shortcut = {})
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

using Window = MenuLayout::Window;

MenuSpec testMenu(Window window)
{
    MenuSpec menu{C::mnuTest, QStringLiteral("&Test"), {}};
    menu.items << item(C::mnuStart, "&Start", QKeySequence(Qt::Key_Delete))
               << item(C::mnuReset, "&Reset", QKeySequence(Qt::Key_F12));
    switch (window) {
    case Window::Random:
        menu.items << separator(C::crta2) << checkedItem(C::mnuRand, "Ra&ndom")
                   << item(C::mnuSeq, "Se&quential exercises")
                   << item(C::mnuMem, "&Memory exercises") << item(C::mnuPreschool, "&Preschool")
                   << item(C::mnuAdaptive, "&Adaptive");
        break;
    case Window::Sequential:
        menu.items << separator(C::crta3) << item(C::mnuExit, "Ra&ndom exercises")
                   << checkedItem(C::mnuSeq, "Se&quential exercises")
                   << item(C::mnuMem, "&Memory exercises") << item(C::mnuPreschool, "&Preschool")
                   << item(C::mnuAdaptive, "&Adaptive");
        break;
    case Window::Memory:
        menu.items << separator(C::crta3) << item(C::mnuExit, "Ra&ndom exercises")
                   << item(C::mnuSeq, "Se&quential exercises")
                   << checkedItem(C::mnuMem, "&Memory exercise")
                   << item(C::mnuPreschool, "&Preschool") << item(C::mnuAdaptive, "&Adaptive");
        break;
    case Window::Preschool:
        menu.items << separator(C::crta2) << item(C::mnuRand, "Ra&ndom")
                   << item(C::mnuSeq, "Se&quential exercises")
                   << item(C::mnuMem, "&Memory exercises")
                   << checkedItem(C::mnuPreschool, "&Preschool")
                   << item(C::mnuAdaptive, "&Adaptive");
        break;
    case Window::Adaptive:
        menu.items << separator(C::crta2) << item(C::mnuRand, "Ra&ndom")
                   << item(C::mnuSeq, "Se&quential exercises")
                   << item(C::mnuMem, "&Memory exercises") << item(C::mnuPreschool, "&Preschool")
                   << checkedItem(C::mnuAdaptive, "&Adaptive");
        break;
    }
    return menu;
}

MenuSpec userMenu()
{
    return MenuSpec{C::mnuUse,
                    QStringLiteral("&User"),
                    {item(C::mnuUser, "&New"), item(C::mnuViewLog, "&View results"),
                     item(C::mnuStatistics, "&Statistics")}};
}

// Both hands, or one while the other rests.
MenuItemSpec handsItem()
{
    MenuItemSpec hands = item(C::mnuHands, "&Hands");
    hands.submenu << checkedItem(C::mnuHandsBoth, "&Both") << item(C::mnuHandsLeft, "&Left only")
                  << item(C::mnuHandsRight, "&Right only");
    return hands;
}

MenuSpec optionsMenu(Window window)
{
    MenuSpec menu{C::mnuOptions, QStringLiteral("&Options"), {}};
    switch (window) {
    case Window::Random:
    case Window::Preschool:
        menu.items << disabledItem(C::mnu3, "&Choose exercise")
                   << item(C::mnuTask, "&Number of tasks")
                   << disabledItem(C::mnu2, "N&umber of sequences") << item(C::mnuLevel, "&Level")
                   << separator(C::crta1) << item(C::mnuLComb, "&Left hand combinations")
                   << item(C::mnuRComb, "&Right Hand combinations");
        if (window == Window::Random)
            menu.items << separator(C::crtaHands) << handsItem();
        break;
    case Window::Adaptive:
        menu.items << item(C::mnuTask, "&Number of tasks")
                   << item(C::mnuMinutes, "Number of &minutes") << item(C::mnuLevel, "&Level")
                   << separator(C::crta1) << handsItem();
        break;
    case Window::Sequential:
        menu.items << item(C::mnuChooseexe, "&Choose exercise")
                   << disabledItem(C::mnu1, "N&umber of tasks")
                   << item(C::mnuTask, "&Number of sequences") << item(C::mnuLevel, "&Level")
                   << separator(C::crta1) << disabledItem(C::mnuLComb, "&Left hand combinations")
                   << disabledItem(C::mnuRComb, "&Right Hand combinations");
        break;
    case Window::Memory: {
        MenuItemSpec notes = item(C::mnuNPT, "Notes per task");
        notes.submenu << item(C::mnu3, "3") << item(C::mnu4, "4") << checkedItem(C::mnu5, "5");
        menu.items << disabledItem(C::mnuExe, "&Choose exercise")
                   << disabledItem(C::mnu1, "N&umber of tasks")
                   << item(C::mnuTask, "&Number of memory tasks") << notes
                   << item(C::mnuLevel, "&Level") << separator(C::crta1)
                   << disabledItem(C::mnuLComb, "&Left hand combinations")
                   << disabledItem(C::mnuRComb, "&Right Hand combinations");
        break;
    }
    }
    // The player's devices, the same in every window.
    menu.items << separator(C::crtaInput) << item(C::mnuKeyboard, "&Keyboard...")
               << item(C::mnuMidi, "&Piano keyboard (MIDI)...")
               << item(C::mnuCheckKeys, "Ch&eck keys...");
    // The window and the sound, the same in every window.
    menu.items << separator(C::crtaComfort)
               << item(C::mnuFullScreen, "&Full screen", QKeySequence(Qt::Key_F11))
               << item(C::mnuVolume, "Sound &volume...");
    return menu;
}

MenuSpec helpMenu(Window window)
{
    const bool wide =
        window == Window::Random || window == Window::Preschool || window == Window::Adaptive;
    // The F1 in the caption is text only; the windows bind F1 themselves.
    const char *contents = wide ? "&Contents            F1" : "&Contents        F1";
    return MenuSpec{C::mnuHelp,
                    QStringLiteral("&Help"),
                    {item(C::mnuContents, contents), item(C::mnuRaspored, "&Key dispositon"),
                     item(C::mnuAbout, "About")}};
}

} // namespace

namespace MenuLayout {

QList<MenuSpec> forWindow(Window window)
{
    return {testMenu(window), userMenu(), optionsMenu(window), helpMenu(window)};
}

} // namespace MenuLayout
