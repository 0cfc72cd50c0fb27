// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>

enum class Hand { Left = 0, Right = 1 };

// Both hands, left first, for walking over them.
inline constexpr Hand BothHands[] = {Hand::Left, Hand::Right};

// A hand's place in what is kept per hand (0 left, 1 right).
constexpr std::size_t handIndex(Hand hand)
{
    return hand == Hand::Left ? 0 : 1;
}

// Whether a hand read back from a stored number is one of the two; a file made elsewhere
// may hold other numbers, which the readers pass over.
constexpr bool isHand(Hand hand)
{
    return hand == Hand::Left || hand == Hand::Right;
}

// A hand and one of its fingers: 1 = thumb .. 5 = little finger.
struct FingerKey {
    Hand hand;
    int finger;

    bool operator==(const FingerKey &) const = default;
};

// One finger strike, as an input source reports it.
struct FingerStrike {
    Hand hand;
    int finger; // 1 = thumb .. 5 = little finger
    // When the finger struck, on the monotonic clock (Clock::monotonicNs); -1 when the
    // source cannot tell, and the strike counts from the moment it is handled.
    qint64 timeNs = -1;
    // Where it came from ("keyboard", a MIDI port's name), the key or note that made it,
    // and its velocity where the device has one (-1 otherwise).
    QString device = QString();
    quint32 code = 0;
    int velocity = -1;
    // When the finger went down: a key's press, whose release is the strike (a held key
    // is struck when it comes up); a note's note-on, the strike itself. On the monotonic
    // clock; -1 when the source did not see it. Only playing in time is judged by it.
    qint64 pressNs = -1;
};
