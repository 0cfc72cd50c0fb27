// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyMap.h"

#include <QCoreApplication>

namespace KeyMap {

namespace {

std::optional<FingerKey> leftHand(int key, quint32 scanCode)
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
        default:
            return std::nullopt;
        }
    }
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
    default:
        return std::nullopt;
    }
}

std::optional<FingerKey> keypadRightHand(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    if (scanCode != 0) {
        switch (scanCode) {
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
    switch (key) {
    case Qt::Key_NumLock:
        return FingerKey{Hand::Right, 2};
    case Qt::Key_PageDown:
        return FingerKey{Hand::Right, 1};
    default:
        break;
    }
    if (modifiers.testFlag(Qt::KeypadModifier)) {
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

std::optional<FingerKey> laptopRightHand(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    if (scanCode != 0) {
        switch (scanCode) {
        case ScanM:
            return FingerKey{Hand::Right, 2};
        case ScanComma:
            return FingerKey{Hand::Right, 3};
        case ScanPeriod:
            return FingerKey{Hand::Right, 4};
        case ScanSlash:
            return FingerKey{Hand::Right, 5};
        case ScanRightAlt:
            return FingerKey{Hand::Right, 1};
        default:
            return std::nullopt;
        }
    }
    // Without physical codes the keypad's slash is not the bottom row's, and only Alt Gr
    // tells the right Alt from the left.
    if (modifiers.testFlag(Qt::KeypadModifier))
        return std::nullopt;
    switch (key) {
    case Qt::Key_M:
        return FingerKey{Hand::Right, 2};
    case Qt::Key_Comma:
        return FingerKey{Hand::Right, 3};
    case Qt::Key_Period:
        return FingerKey{Hand::Right, 4};
    case Qt::Key_Slash:
        return FingerKey{Hand::Right, 5};
    case Qt::Key_AltGr:
        return FingerKey{Hand::Right, 1};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<FingerKey> lookup(KeyLayout layout, int key, Qt::KeyboardModifiers modifiers,
                                quint32 scanCode)
{
    if (auto left = leftHand(key, scanCode))
        return left;
    return layout == KeyLayout::Laptop ? laptopRightHand(key, modifiers, scanCode)
                                       : keypadRightHand(key, modifiers, scanCode);
}

quint64 keyIdentity(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    if (scanCode != 0)
        return (quint64(1) << 40) | scanCode;
    const quint64 keypad = modifiers.testFlag(Qt::KeypadModifier) ? 1 : 0;
    return (keypad << 32) | quint32(key);
}

QString keyName(KeyLayout layout, FingerKey finger)
{
    // The keys with names are named as the player's keyboard prints them; letters and
    // signs stay as they are.
    static const char *const left[] = {QT_TRANSLATE_NOOP("KeyMap", "Space"), "V", "C", "X", "Z"};
    static const char *const keypad[] = {QT_TRANSLATE_NOOP("KeyMap", "Page Down"),
                                         QT_TRANSLATE_NOOP("KeyMap", "Num Lock"), "/", "*", "-"};
    static const char *const laptop[] = {QT_TRANSLATE_NOOP("KeyMap", "Alt Gr"), "M", ",", ".", "/"};
    if (finger.finger < 1 || finger.finger > 5)
        return QString();
    const int at = finger.finger - 1;
    const char *name = finger.hand == Hand::Left     ? left[at]
                       : layout == KeyLayout::Laptop ? laptop[at]
                                                     : keypad[at];
    // A letter or sign has no translation and comes back as it is.
    return QCoreApplication::translate("KeyMap", name);
}

QString layoutId(KeyLayout layout)
{
    return layout == KeyLayout::Laptop ? QStringLiteral("laptop") : QStringLiteral("keypad");
}

std::optional<KeyLayout> layoutFromId(const QString &id)
{
    const QString name = id.trimmed().toLower();
    if (name == QLatin1String("keypad"))
        return KeyLayout::Keypad;
    if (name == QLatin1String("laptop"))
        return KeyLayout::Laptop;
    return std::nullopt;
}

QString layoutCaption(KeyLayout layout)
{
    return layout == KeyLayout::Laptop ? QCoreApplication::translate("KeyMap", "No numeric keypad")
                                       : QCoreApplication::translate("KeyMap", "Numeric keypad");
}

} // namespace KeyMap
