// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QString>
#include <Qt>
#include <QtGlobal>

#include <optional>

// Which keys the fingers play on the computer keyboard.
enum class KeyLayout {
    // Left hand Z X C V Space, right hand on the numeric keypad.
    Keypad,
    // For keyboards without a keypad: the right hand mirrored on the bottom row,
    // M , . / and the right Alt key.
    Laptop,
};

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
    ScanM = 58,
    ScanComma = 59,
    ScanPeriod = 60,
    ScanSlash = 61,
    ScanRightAlt = 108,
};

// scanCode is 0 when the platform gives no physical code.
std::optional<FingerKey> lookup(KeyLayout layout, int key, Qt::KeyboardModifiers modifiers,
                                quint32 scanCode);
inline std::optional<FingerKey> lookup(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    return lookup(KeyLayout::Keypad, key, modifiers, scanCode);
}

// An identity of the physical key, for pairing a release with its press.
quint64 keyIdentity(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);

// The name printed on the key a finger plays ("Z", "Space", "Num Lock", "M", "Alt Gr").
QString keyName(KeyLayout layout, FingerKey finger);

// "keypad" and "laptop", as the settings and the command line name the layouts.
QString layoutId(KeyLayout layout);
std::optional<KeyLayout> layoutFromId(const QString &id);
// "Numeric keypad", "No numeric keypad".
QString layoutCaption(KeyLayout layout);

} // namespace KeyMap
