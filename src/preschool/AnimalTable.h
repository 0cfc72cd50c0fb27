// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QString>

// Every finger is an animal, the same on both hands: its picture in the picture list and
// one call per hand (left-hand files end in L, right-hand files in D), all in the
// program folder's "sounds" folder.
namespace AnimalTable {

constexpr int FirstFinger = 1;
constexpr int LastFinger = 5;
// The picture a hand shows when its tasks are used up: the background only.
constexpr int EmptyPicture = 6;
// Pictures are compiled in as :/pictures/animals/<index>.png, all of this size.
constexpr int PictureSize = 132;

// Picture index of a finger (1..5); EmptyPicture for anything else.
int picture(int finger);
// Resource path of a picture index.
QString picturePath(int index);
// The finger's call for a hand, relative to the program folder; empty for no finger.
QString animalSound(Hand hand, int finger);
// The hand's answer to a right and to a wrong key.
QString yesSound(Hand hand);
QString noSound(Hand hand);

} // namespace AnimalTable
