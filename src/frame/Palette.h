// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QColor>
#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>

// The program's own colours, in one place. The hands' accents (borders, bars, pictures)
// are bright; text drawn in a hand's colour uses its darker ink, so that every text reads at
// 4.5:1 against what it stands on (3:1 for the large task digits).
namespace Palette {

// Text and the exercise windows' ground.
inline const QColor Ink{0x1c, 0x24, 0x3a};
inline const QColor Page{0xf4, 0xf1, 0xea};
// A colour as a style sheet writes it, with the given opacity (0-255).
inline QString css(const QColor &colour, int alpha = 255)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(alpha);
}
// What a task is still worth.
inline const QColor Points{0x1f, 0x7a, 0x3a};
// The caption that names the exercise ("Random test"), and the memory test's status.
inline const QColor Caption{0x9a, 0x4b, 0x00};
inline const QColor Status{0xb0, 0x24, 0x30};
// Messages of the adaptive drill.
inline const QColor Message{0x2a, 0x4a, 0x8a};

// The hands: accents for shapes, ink for text.
inline const QColor LeftAccent{0xf2, 0x8c, 0x28};
inline const QColor RightAccent{0x3a, 0x8f, 0xd8};
inline const QColor LeftInk{0x9a, 0x4b, 0x00};
inline const QColor RightInk{0x1f, 0x5d, 0x9a};
inline QColor accent(Hand h)
{
    return h == Hand::Left ? LeftAccent : RightAccent;
}
inline QColor ink(Hand h)
{
    return h == Hand::Left ? LeftInk : RightInk;
}

// The five fingers, thumb first, as the weakness bars and the pictures' finger numbers
// tell them apart.
inline const QColor Fingers[5] = {{0xd9, 0x48, 0x4a},
                                  {0xe0, 0x8a, 0x1e},
                                  {0x3f, 0x9e, 0x4a},
                                  {0x2f, 0x70, 0xb0},
                                  {0x8a, 0x52, 0xb8}};
inline QColor finger(int number)
{
    return number >= 1 && number <= 5 ? Fingers[number - 1] : Ink;
}

// Right and wrong strikes in the tables of mistakes.
inline const QColor RightStrike{0x3f, 0xa3, 0x4d};
inline const QColor WrongStrike{0xd0, 0x3a, 0x2f};

// What text stands on: the page, white cards, and the pictures' sky and meadow.
inline const QColor Card{0xff, 0xff, 0xff};
inline const QColor Sky{0xdf, 0xf1, 0xfd};
inline const QColor Meadow{0xd8, 0xef, 0xc6};

// Every pairing of a text colour with what it is drawn on, and whether the text is large
// (the task digits and scores, at 24 pt and more).
struct TextOn {
    const char *what;
    QColor text;
    QColor ground;
    bool large;
};
inline QList<TextOn> textPairs()
{
    QList<TextOn> pairs;
    for (const QColor &ground : {Page, Card, Sky, Meadow}) {
        pairs << TextOn{"ink", Ink, ground, false} << TextOn{"caption", Caption, ground, false}
              << TextOn{"status", Status, ground, false}
              << TextOn{"message", Message, ground, false}
              << TextOn{"left hand's text", LeftInk, ground, false}
              << TextOn{"right hand's text", RightInk, ground, false}
              << TextOn{"points", Points, ground, true};
    }
    return pairs;
}

// The contrast ratio of two colours as WCAG defines it, from 1 to 21.
inline double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace Palette
