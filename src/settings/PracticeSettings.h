// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The practice settings shared by every window for one run. Nothing here is saved.
// A finger range is held as two one-digit texts: the number of fingers in the range
// (the "Max" field, despite its name) and the lowest finger.
struct PracticeSettings {
    QString SoundPath;
    QString PlayerName;
    qint16 TaskCountLeft = 0;
    qint16 TaskCountRight = 0;
    qint16 SequenceCountLeft = 0;
    qint16 SequenceCountRight = 0;
    QString LeftFingerMax;
    QString LeftFingerMin;
    QString RightFingerMax;
    QString RightFingerMin;
    qint16 ExerciseIndex = 0;
    qint16 MemoryPickLeft = 0;
    qint16 MemoryPickRight = 0;
};
