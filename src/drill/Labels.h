// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>

#include <string_view>

// A label of the exercise windows: its Qt object name and the text the window opens with
// (marked for the translators in the context "Labels"). Windows and drills name labels by
// these values, so a misspelt name does not compile. Label7 titles several windows with
// several texts, so it has one value per window under the one object name. The labels
// the drill core and the windows share are named here; a window's own labels are
// declared in its own folder the same way.
struct Label {
    const char *objectName;
    const char *firstText;

    friend constexpr bool operator==(Label a, Label b)
    {
        return std::string_view(a.objectName) == std::string_view(b.objectName) &&
               std::string_view(a.firstText) == std::string_view(b.firstText);
    }

    // The drill core: task digits, scores, points still to win.
    static const Label Label1;
    static const Label Label2;
    static const Label lblRezultat;
    static const Label lbllRezultat;
    static const Label lbldRezultat;
    static const Label lbllpoeni;
    static const Label lbldpoeni;
    // Captions of the frame.
    static const Label Label3;
    static const Label Label4;
    static const Label Label5_0;
    static const Label Label5_1;
    static const Label Label6;
    static const Label Label8;
    static const Label Label10;
    // Window titles.
    static const Label Label7Random;
    static const Label Label7Sequential;
    static const Label Label7Memory;
    static const Label Label7Adaptive;
    // End messages (sequential) and memorize / repeat status (memory), per hand.
    static const Label Label9;
    static const Label Label11;
    // The chosen exercise's name (sequential).
    static const Label lblImeVezbe;
    // The adaptive drill: each hand's pace, and what the drill has to say (the placement
    // round, a break, what changed).
    static const Label lblLeftPace;
    static const Label lblRightPace;
    static const Label lblAdaptiveMessage;
};

inline constexpr Label Label::Label1{"Label1", "L"};
inline constexpr Label Label::Label2{"Label2", "R"};
inline constexpr Label Label::lblRezultat{"lblRezultat", "0"};
inline constexpr Label Label::lbllRezultat{"lbllRezultat", "0"};
inline constexpr Label Label::lbldRezultat{"lbldRezultat", "0"};
inline constexpr Label Label::lbllpoeni{"lbllpoeni", "5"};
inline constexpr Label Label::lbldpoeni{"lbldpoeni", "5"};
inline constexpr Label Label::Label3{"Label3", QT_TRANSLATE_NOOP("Labels", "left hand :")};
inline constexpr Label Label::Label4{"Label4", QT_TRANSLATE_NOOP("Labels", "right hand :")};
inline constexpr Label Label::Label5_0{"Label5_0",
                                       QT_TRANSLATE_NOOP("Labels", "Left hand - score :")};
inline constexpr Label Label::Label5_1{"Label5_1",
                                       QT_TRANSLATE_NOOP("Labels", "Right hand - score :")};
inline constexpr Label Label::Label6{"Label6", "+"};
inline constexpr Label Label::Label8{"Label8", QT_TRANSLATE_NOOP("Labels", "Total score :")};
inline constexpr Label Label::Label10{"Label10", "+"};
inline constexpr Label Label::Label7Random{"Label7", QT_TRANSLATE_NOOP("Labels", "Random test")};
inline constexpr Label Label::Label7Sequential{
    "Label7", QT_TRANSLATE_NOOP("Labels", "Sequential    exercise :")};
inline constexpr Label Label::Label7Memory{"Label7", QT_TRANSLATE_NOOP("Labels", "Memory test")};
inline constexpr Label Label::Label7Adaptive{"Label7",
                                             QT_TRANSLATE_NOOP("Labels", "Adaptive drill")};
inline constexpr Label Label::Label9{"Label9", ""};
inline constexpr Label Label::Label11{"Label11", ""};
inline constexpr Label Label::lblImeVezbe{"lblImeVezbe", ""};
inline constexpr Label Label::lblLeftPace{"lblLeftPace", ""};
inline constexpr Label Label::lblRightPace{"lblRightPace", ""};
inline constexpr Label Label::lblAdaptiveMessage{"lblAdaptiveMessage", ""};

inline size_t qHash(Label label, size_t seed = 0)
{
    return qHashMulti(seed, QLatin1StringView(label.objectName),
                      QLatin1StringView(label.firstText));
}

namespace Labels {

// The shared labels, in the order of the table above.
inline constexpr Label Shared[] = {
    Label::Label1,       Label::Label2,         Label::lblRezultat,  Label::lbllRezultat,
    Label::lbldRezultat, Label::lbllpoeni,      Label::lbldpoeni,    Label::Label3,
    Label::Label4,       Label::Label5_0,       Label::Label5_1,     Label::Label6,
    Label::Label8,       Label::Label10,        Label::Label7Random, Label::Label7Sequential,
    Label::Label7Memory, Label::Label7Adaptive, Label::Label9,       Label::Label11,
    Label::lblImeVezbe,  Label::lblLeftPace,    Label::lblRightPace, Label::lblAdaptiveMessage,
};

inline QString objectName(Label label)
{
    return QString::fromLatin1(label.objectName);
}
inline QString firstText(Label label)
{
    return QString::fromLatin1(label.firstText);
}

} // namespace Labels
