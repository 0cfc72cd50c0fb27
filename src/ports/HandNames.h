// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QString>

// The words for the hands and their fingers, in the player's language, from the one
// translation context "HandNames". Every window, dialog and finding that names a hand or
// a finger takes the word from here, so that a language calls them the same everywhere.
// Where a language needs another form of a word (German inflects "left" for a finger, a
// heading stands alone), it is another function here, not another copy elsewhere.
namespace HandNames {

// "Left hand", "Right hand".
QString hand(Hand h);
// The hand named on its own, as a heading or in a table: "Left", "Right".
QString side(Hand h);
// The hand named inside a sentence: "left", "right" ("two-hand cost, left hand").
QString sideInSentence(Hand h);
// The hand a finger belongs to, before the finger's name: "Left" at the start of an entry,
// "left" inside a sentence.
QString ofFinger(Hand h, bool inSentence = false);
// The hand's letter in a short chart label: "L", "R".
QString letter(Hand h);

// 1 "thumb" .. 5 "little finger"; empty for another number.
QString finger(int number);
// The short form for a table's heading: 1 "thumb", 2 "index" .. 5 "little".
QString fingerShort(int number);
// "Left thumb", "Right little finger": a finding's start, so it begins with a capital also
// in a language that names the finger before the hand.
QString handFinger(Hand h, int finger);

// "Left hand", "Right hand" in English whatever the language: the plain-text report is
// never translated.
QString englishHand(Hand h);

} // namespace HandNames
