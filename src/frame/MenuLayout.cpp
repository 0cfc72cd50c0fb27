// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/MenuLayout.h"

namespace {

MenuItemSpec item(const char *name, const char *caption, QKeySequence shortcut = {})
{
    return MenuItemSpec{
        QString::fromLatin1(name), QString::fromLatin1(caption), shortcut, false, true, {}};
}

MenuItemSpec checkedItem(const char *name, const char *caption)
{
    MenuItemSpec spec = item(name, caption);
    spec.checked = true;
    return spec;
}

MenuItemSpec disabledItem(const char *name, const char *caption)
{
    MenuItemSpec spec = item(name, caption);
    spec.enabled = false;
    return spec;
}

MenuItemSpec separator(const char *name)
{
    return item(name, "");
}

using Window = MenuLayout::Window;

MenuSpec testMenu(Window window)
{
    MenuSpec menu{QStringLiteral("mnuTest"), QStringLiteral("&Test"), {}};
    menu.items << item("mnuStart", "&Start", QKeySequence(Qt::Key_Delete))
               << item("mnuReset", "&Reset", QKeySequence(Qt::Key_F12));
    switch (window) {
    case Window::Random:
        menu.items << separator("crta2") << checkedItem("mnuRand", "Ra&ndom")
                   << item("mnuSeq", "Se&quential exercises") << item("mnuMem", "&Memory exercises")
                   << item("mnuPreschool", "&Preschool");
        break;
    case Window::Sequential:
        menu.items << separator("crta3") << item("mnuExit", "Ra&ndom exercises")
                   << checkedItem("mnuSeq", "Se&quential exercises")
                   << item("mnuMem", "&Memory exercises") << item("mnuPreschool", "&Preschool");
        break;
    case Window::Memory:
        menu.items << separator("crta3") << item("mnuExit", "Ra&ndom exercises")
                   << item("mnuSeq", "Se&quential exercises")
                   << checkedItem("mnuMem", "&Memory exercise")
                   << item("mnuPreschool", "&Preschool");
        break;
    case Window::Preschool:
        menu.items << separator("crta2") << item("mnuRand", "Ra&ndom")
                   << item("mnuSeq", "Se&quential exercises") << item("mnuMem", "&Memory exercises")
                   << checkedItem("mnuPreschool", "&Preschool");
        break;
    }
    return menu;
}

MenuSpec userMenu()
{
    return MenuSpec{QStringLiteral("mnuUse"),
                    QStringLiteral("&User"),
                    {item("mnuUser", "&New"), item("mnuViewLog", "&View results")}};
}

MenuSpec optionsMenu(Window window)
{
    MenuSpec menu{QStringLiteral("mnuOptions"), QStringLiteral("&Options"), {}};
    switch (window) {
    case Window::Random:
    case Window::Preschool:
        menu.items << disabledItem("mnu3", "&Choose exercise")
                   << item("mnuTask", "&Number of tasks")
                   << disabledItem("mnu2", "N&umber of sequences") << item("mnuLevel", "&Level")
                   << separator("crta1") << item("mnuLComb", "&Left hand combinations")
                   << item("mnuRComb", "&Right Hand combinations");
        break;
    case Window::Sequential:
        menu.items << item("mnuChooseexe", "&Choose exercise")
                   << disabledItem("mnu1", "N&umber of tasks")
                   << item("mnuTask", "&Number of sequences") << item("mnuLevel", "&Level")
                   << separator("crta1") << disabledItem("mnuLComb", "&Left hand combinations")
                   << disabledItem("mnuRComb", "&Right Hand combinations");
        break;
    case Window::Memory: {
        MenuItemSpec notes = item("mnuNPT", "Notes per task");
        notes.submenu << item("mnu3", "3") << item("mnu4", "4") << checkedItem("mnu5", "5");
        menu.items << disabledItem("mnuExe", "&Choose exercise")
                   << disabledItem("mnu1", "N&umber of tasks")
                   << item("mnuTask", "&Number of memory tasks") << notes
                   << item("mnuLevel", "&Level") << separator("crta1")
                   << disabledItem("mnuLComb", "&Left hand combinations")
                   << disabledItem("mnuRComb", "&Right Hand combinations");
        break;
    }
    }
    return menu;
}

MenuSpec helpMenu(Window window)
{
    const bool wide = window == Window::Random || window == Window::Preschool;
    // The F1 in the caption is text only; the windows bind F1 themselves.
    const char *contents = wide ? "&Contents            F1" : "&Contents        F1";
    return MenuSpec{QStringLiteral("mnuHelp"),
                    QStringLiteral("&Help"),
                    {item("mnuContents", contents), item("mnuRaspored", "&Key dispositon"),
                     item("mnuAbout", "About")}};
}

} // namespace

namespace MenuLayout {

QList<MenuSpec> forWindow(Window window)
{
    return {testMenu(window), userMenu(), optionsMenu(window), helpMenu(window)};
}

} // namespace MenuLayout
