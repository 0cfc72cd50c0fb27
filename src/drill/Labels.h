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
    const char *firstText; // marked for the translators in the context "Labels"
};

inline constexpr Entry Table[] = {
    {"Label1", "L"},
    {"Label2", "R"},
    {"lblRezultat", "0"},
    {"lbllRezultat", "0"},
    {"lbldRezultat", "0"},
    {"lbllpoeni", "5"},
    {"lbldpoeni", "5"},
    {"Label3", QT_TRANSLATE_NOOP("Labels", "left hand :")},
    {"Label4", QT_TRANSLATE_NOOP("Labels", "right hand :")},
    {"Label5_0", QT_TRANSLATE_NOOP("Labels", "Left hand - score :")},
    {"Label5_1", QT_TRANSLATE_NOOP("Labels", "Right hand - score :")},
    {"Label6", "+"},
    {"Label8", QT_TRANSLATE_NOOP("Labels", "Total score :")},
    {"Label10", "+"},
    {"Label7", QT_TRANSLATE_NOOP("Labels", "Random test")},
    {"Label7", QT_TRANSLATE_NOOP("Labels", "Sequential    exercise :")},
    {"Label7", QT_TRANSLATE_NOOP("Labels", "Memory test")},
    {"Label7", QT_TRANSLATE_NOOP("Labels", "Adaptive drill")},
    {"Label9", ""},
    {"Label11", ""},
    {"lblImeVezbe", ""},
    {"lblLeftPace", ""},
    {"lblRightPace", ""},
    {"lblAdaptiveMessage", ""},
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
    return QString::fromLatin1(Table[index(label)].firstText);
}

} // namespace Labels
