// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <Qt>
#include <QtGlobal>

#include <optional>

// The ten finger keys. Where the platform reports the physical key (X11 and Wayland
// key codes), the keys are found by that code, so any keyboard layout works and Num Lock
// cannot change what the other keys mean. Without a physical code, the Qt key and the
// keypad modifier decide.
namespace KeyMap {

// Physical key codes as X11 reports them (Linux input codes + 8).
enum ScanCode : quint32 {
    ScanZ = 52,
    ScanX = 53,
    ScanC = 54,
    ScanV = 55,
    ScanSpace = 65,
    ScanKeypadMinus = 82,
    ScanKeypadMultiply = 63,
    ScanKeypadDivide = 106,
    ScanNumLock = 77,
    ScanPageDown = 117,
    ScanKeypad3 = 89,
};

// scanCode is 0 when the platform gives no physical code.
std::optional<FingerKey> lookup(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);

// An identity of the physical key, for pairing a release with its press.
quint64 keyIdentity(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);

} // namespace KeyMap
