// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>

// Every label of the exercise windows, with its Qt object name and the text the window
// opens with, in one table. Windows and drills name labels by this enum, so a misspelt
// name does not compile. Label7 titles three windows with three texts, so it has one
// entry per window under the one object name.
enum class Label : unsigned char {
    // The drill core: task digits, scores, points still to win.
    Label1,
    Label2,
    lblRezultat,
    lbllRezultat,
    lbldRezultat,
    lbllpoeni,
    lbldpoeni,
    // Captions of the frame.
    Label3,
    Label4,
    Label5_0,
    Label5_1,
    Label6,
    Label8,
    Label10,
    // Window titles.
    Label7Random,
    Label7Sequential,
    Label7Memory,
    Label7Adaptive,
    // End messages (sequential) and memorize / repeat status (memory), per hand.
    Label9,
    Label11,
    // The chosen exercise's name (sequential).
    lblImeVezbe,
    // The adaptive drill: each hand's pace, and what the drill has to say (the placement
    // round, a break, what changed).
    lblLeftPace,
    lblRightPace,
    lblAdaptiveMessage,
    Count
};

namespace Labels {

struct Entry {
    const char *objectName;
    const char16_t *firstText;
};

inline constexpr Entry Table[] = {
    {"Label1", u"L"},
    {"Label2", u"R"},
    {"lblRezultat", u"0"},
    {"lbllRezultat", u"0"},
    {"lbldRezultat", u"0"},
    {"lbllpoeni", u"5"},
    {"lbldpoeni", u"5"},
    {"Label3", u"left hand :"},
    {"Label4", u"right hand :"},
    {"Label5_0", u"Left hand - score :"},
    {"Label5_1", u"Right hand - score :"},
    {"Label6", u"+"},
    {"Label8", u"Total score :"},
    {"Label10", u"+"},
    {"Label7", u"Random test"},
    {"Label7", u"Sequential    exercise :"},
    {"Label7", u"Memory test"},
    {"Label7", u"Adaptive drill"},
    {"Label9", u""},
    {"Label11", u""},
    {"lblImeVezbe", u""},
    {"lblLeftPace", u""},
    {"lblRightPace", u""},
    {"lblAdaptiveMessage", u""},
};
static_assert(std::size(Table) == std::size_t(Label::Count), "one entry per label");

constexpr std::size_t index(Label label)
{
    return std::size_t(label);
}
inline QString objectName(Label label)
{
    return QString::fromLatin1(Table[index(label)].objectName);
}
inline QString firstText(Label label)
{
    return QString::fromUtf16(Table[index(label)].firstText);
}

} // namespace Labels
