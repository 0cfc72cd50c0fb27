// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <optional>

// The menus and menu items of the exercise windows by their Qt object names, in one
// table. The frame triggers and binds commands by this enum, so a misspelt name does not
// compile. Captions depend on the window and live in its menu layout (MenuLayout).
enum class Command : unsigned char {
    mnuTest,
    mnuStart,
    mnuReset,
    crta2,
    crta3,
    mnuRand,
    mnuExit,
    mnuSeq,
    mnuMem,
    mnuPreschool,
    mnuAdaptive,
    mnuUse,
    mnuUser,
    mnuViewLog,
    mnuStatistics,
    mnuOptions,
    mnuChooseexe,
    mnuExe,
    mnu1,
    mnu2,
    mnuTask,
    mnuNPT,
    mnu3,
    mnu4,
    mnu5,
    mnuLevel,
    crta1,
    mnuLComb,
    mnuRComb,
    mnuMinutes,
    crtaHands,
    mnuHands,
    mnuHandsBoth,
    mnuHandsLeft,
    mnuHandsRight,
    crtaInput,
    mnuKeyboard,
    mnuMidi,
    mnuCheckKeys,
    mnuHelp,
    mnuContents,
    mnuRaspored,
    mnuAbout,
    // The window itself and the sound, in the Options menu.
    crtaComfort,
    mnuFullScreen,
    mnuVolume,
    Count
};

namespace Commands {

inline constexpr const char *Names[] = {
    "mnuTest",     "mnuStart",    "mnuReset",      "crta2",        "crta3",         "mnuRand",
    "mnuExit",     "mnuSeq",      "mnuMem",        "mnuPreschool", "mnuAdaptive",   "mnuUse",
    "mnuUser",     "mnuViewLog",  "mnuStatistics", "mnuOptions",   "mnuChooseexe",  "mnuExe",
    "mnu1",        "mnu2",        "mnuTask",       "mnuNPT",       "mnu3",          "mnu4",
    "mnu5",        "mnuLevel",    "crta1",         "mnuLComb",     "mnuRComb",      "mnuMinutes",
    "crtaHands",   "mnuHands",    "mnuHandsBoth",  "mnuHandsLeft", "mnuHandsRight", "crtaInput",
    "mnuKeyboard", "mnuMidi",     "mnuCheckKeys",  "mnuHelp",      "mnuContents",   "mnuRaspored",
    "mnuAbout",    "crtaComfort", "mnuFullScreen", "mnuVolume",
};
static_assert(std::size(Names) == std::size_t(Command::Count), "one name per command");

constexpr std::size_t index(Command command)
{
    return std::size_t(command);
}
inline QString objectName(Command command)
{
    return QString::fromLatin1(Names[index(command)]);
}
// The command of an object name, for names that come as data (tests' tables).
inline std::optional<Command> byObjectName(const QString &name)
{
    for (std::size_t i = 0; i < std::size(Names); ++i) {
        if (name == QLatin1String(Names[i]))
            return Command(i);
    }
    return std::nullopt;
}

} // namespace Commands
