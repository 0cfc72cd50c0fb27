// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>
#include <string_view>

// A menu or menu item of the exercise windows, known by its Qt object name. The frame
// triggers and binds commands by these values, so a misspelt name does not compile. The
// items every window shares are named here; a window's own items are declared in its own
// folder the same way (`inline constexpr Command mnuTempo{"mnuTempo"};`), so no list here
// grows with each new window. Captions depend on the window and live in its menu layout
// (MenuLayout).
struct Command {
    const char *name;

    QString objectName() const { return QString::fromLatin1(name); }
    friend constexpr bool operator==(Command a, Command b)
    {
        return std::string_view(a.name) == std::string_view(b.name);
    }

    static const Command mnuTest, mnuStart, mnuReset, crta2, crta3, mnuRand, mnuExit, mnuSeq,
        mnuMem, mnuPreschool, mnuAdaptive, mnuUse, mnuUser, mnuViewLog, mnuStatistics, mnuOptions,
        mnuChooseexe, mnuExe, mnu1, mnu2, mnuTask, mnuNPT, mnu3, mnu4, mnu5, mnuLevel, crta1,
        mnuLComb, mnuRComb, mnuMinutes, crtaHands, mnuHands, mnuHandsBoth, mnuHandsLeft,
        mnuHandsRight, crtaInput, mnuKeyboard, mnuMidi, mnuCheckKeys, mnuHelp, mnuContents,
        mnuRaspored, mnuAbout, crtaComfort, mnuFullScreen, mnuVolume;
};

inline constexpr Command Command::mnuTest{"mnuTest"};
inline constexpr Command Command::mnuStart{"mnuStart"};
inline constexpr Command Command::mnuReset{"mnuReset"};
inline constexpr Command Command::crta2{"crta2"};
inline constexpr Command Command::crta3{"crta3"};
inline constexpr Command Command::mnuRand{"mnuRand"};
inline constexpr Command Command::mnuExit{"mnuExit"};
inline constexpr Command Command::mnuSeq{"mnuSeq"};
inline constexpr Command Command::mnuMem{"mnuMem"};
inline constexpr Command Command::mnuPreschool{"mnuPreschool"};
inline constexpr Command Command::mnuAdaptive{"mnuAdaptive"};
inline constexpr Command Command::mnuUse{"mnuUse"};
inline constexpr Command Command::mnuUser{"mnuUser"};
inline constexpr Command Command::mnuViewLog{"mnuViewLog"};
inline constexpr Command Command::mnuStatistics{"mnuStatistics"};
inline constexpr Command Command::mnuOptions{"mnuOptions"};
inline constexpr Command Command::mnuChooseexe{"mnuChooseexe"};
inline constexpr Command Command::mnuExe{"mnuExe"};
inline constexpr Command Command::mnu1{"mnu1"};
inline constexpr Command Command::mnu2{"mnu2"};
inline constexpr Command Command::mnuTask{"mnuTask"};
inline constexpr Command Command::mnuNPT{"mnuNPT"};
inline constexpr Command Command::mnu3{"mnu3"};
inline constexpr Command Command::mnu4{"mnu4"};
inline constexpr Command Command::mnu5{"mnu5"};
inline constexpr Command Command::mnuLevel{"mnuLevel"};
inline constexpr Command Command::crta1{"crta1"};
inline constexpr Command Command::mnuLComb{"mnuLComb"};
inline constexpr Command Command::mnuRComb{"mnuRComb"};
inline constexpr Command Command::mnuMinutes{"mnuMinutes"};
inline constexpr Command Command::crtaHands{"crtaHands"};
inline constexpr Command Command::mnuHands{"mnuHands"};
inline constexpr Command Command::mnuHandsBoth{"mnuHandsBoth"};
inline constexpr Command Command::mnuHandsLeft{"mnuHandsLeft"};
inline constexpr Command Command::mnuHandsRight{"mnuHandsRight"};
inline constexpr Command Command::crtaInput{"crtaInput"};
inline constexpr Command Command::mnuKeyboard{"mnuKeyboard"};
inline constexpr Command Command::mnuMidi{"mnuMidi"};
inline constexpr Command Command::mnuCheckKeys{"mnuCheckKeys"};
inline constexpr Command Command::mnuHelp{"mnuHelp"};
inline constexpr Command Command::mnuContents{"mnuContents"};
inline constexpr Command Command::mnuRaspored{"mnuRaspored"};
inline constexpr Command Command::mnuAbout{"mnuAbout"};
inline constexpr Command Command::crtaComfort{"crtaComfort"};
inline constexpr Command Command::mnuFullScreen{"mnuFullScreen"};
inline constexpr Command Command::mnuVolume{"mnuVolume"};

inline size_t qHash(Command command, size_t seed = 0)
{
    return qHash(QLatin1StringView(command.name), seed);
}

namespace Commands {

// The shared commands, in menu order.
inline constexpr Command Shared[] = {
    Command::mnuTest,       Command::mnuStart,     Command::mnuReset,      Command::crta2,
    Command::crta3,         Command::mnuRand,      Command::mnuExit,       Command::mnuSeq,
    Command::mnuMem,        Command::mnuPreschool, Command::mnuAdaptive,   Command::mnuUse,
    Command::mnuUser,       Command::mnuViewLog,   Command::mnuStatistics, Command::mnuOptions,
    Command::mnuChooseexe,  Command::mnuExe,       Command::mnu1,          Command::mnu2,
    Command::mnuTask,       Command::mnuNPT,       Command::mnu3,          Command::mnu4,
    Command::mnu5,          Command::mnuLevel,     Command::crta1,         Command::mnuLComb,
    Command::mnuRComb,      Command::mnuMinutes,   Command::crtaHands,     Command::mnuHands,
    Command::mnuHandsBoth,  Command::mnuHandsLeft, Command::mnuHandsRight, Command::crtaInput,
    Command::mnuKeyboard,   Command::mnuMidi,      Command::mnuCheckKeys,  Command::mnuHelp,
    Command::mnuContents,   Command::mnuRaspored,  Command::mnuAbout,      Command::crtaComfort,
    Command::mnuFullScreen, Command::mnuVolume,
};

inline QString objectName(Command command)
{
    return command.objectName();
}
// The shared command of an object name, for names that come as data (tests' tables).
inline std::optional<Command> byObjectName(const QString &name)
{
    for (Command command : Shared) {
        if (name == QLatin1String(command.name))
            return command;
    }
    return std::nullopt;
}

} // namespace Commands
