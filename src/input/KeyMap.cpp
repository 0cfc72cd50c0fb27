// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyMap.h"

namespace KeyMap {

std::optional<FingerKey> lookup(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    if (scanCode != 0) {
        switch (scanCode) {
        case ScanZ:
            return FingerKey{Hand::Left, 5};
        case ScanX:
            return FingerKey{Hand::Left, 4};
        case ScanC:
            return FingerKey{Hand::Left, 3};
        case ScanV:
            return FingerKey{Hand::Left, 2};
        case ScanSpace:
            return FingerKey{Hand::Left, 1};
        case ScanKeypadMinus:
            return FingerKey{Hand::Right, 5};
        case ScanKeypadMultiply:
            return FingerKey{Hand::Right, 4};
        case ScanKeypadDivide:
            return FingerKey{Hand::Right, 3};
        case ScanNumLock:
            return FingerKey{Hand::Right, 2};
        // Keypad 3 is Page Down while Num Lock is off; it stays the right thumb either way.
        case ScanPageDown:
        case ScanKeypad3:
            return FingerKey{Hand::Right, 1};
        default:
            return std::nullopt;
        }
    }

    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    switch (key) {
    case Qt::Key_Z:
        return FingerKey{Hand::Left, 5};
    case Qt::Key_X:
        return FingerKey{Hand::Left, 4};
    case Qt::Key_C:
        return FingerKey{Hand::Left, 3};
    case Qt::Key_V:
        return FingerKey{Hand::Left, 2};
    case Qt::Key_Space:
        return FingerKey{Hand::Left, 1};
    case Qt::Key_NumLock:
        return FingerKey{Hand::Right, 2};
    case Qt::Key_PageDown:
        return FingerKey{Hand::Right, 1};
    default:
        break;
    }
    if (keypad) {
        switch (key) {
        case Qt::Key_Minus:
            return FingerKey{Hand::Right, 5};
        case Qt::Key_Asterisk:
            return FingerKey{Hand::Right, 4};
        case Qt::Key_Slash:
            return FingerKey{Hand::Right, 3};
        case Qt::Key_3:
            return FingerKey{Hand::Right, 1};
        default:
            break;
        }
    }
    return std::nullopt;
}

quint64 keyIdentity(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    if (scanCode != 0)
        return (quint64(1) << 40) | scanCode;
    const quint64 keypad = modifiers.testFlag(Qt::KeypadModifier) ? 1 : 0;
    return (keypad << 32) | quint32(key);
}

} // namespace KeyMap
