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
// Pictures are compiled in as :/pictures/animals/<index>.png. On screen they take
// PictureSize at the window's default size; the files hold PicturePixelRatio times as many
// pixels each way, so they stay sharp in a window scaled up to that factor.
constexpr int PictureSize = 132;
constexpr int PicturePixelRatio = 2;

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
