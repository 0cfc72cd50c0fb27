// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyboardSource.h"

#include "ports/Clock.h"

KeyboardSource::KeyboardSource(const Clock &clock) : m_clock(clock) {}

bool KeyboardSource::isFingerKey(KeyLayout layout, int key, Qt::KeyboardModifiers modifiers,
                                 quint32 scanCode)
{
    return KeyMap::lookup(layout, key, modifiers, scanCode).has_value();
}

void KeyboardSource::keyEvent(KeyLayout layout, bool press, int key,
                              Qt::KeyboardModifiers modifiers, quint32 scanCode, bool autoRepeat,
                              quint64 eventTimeMs)
{
    const auto finger = KeyMap::lookup(layout, key, modifiers, scanCode);
    if (!finger)
        return;
    const quint64 identity = KeyMap::keyIdentity(key, modifiers, scanCode);
    if (press) {
        // A held key's repeated presses are not when it went down.
        if (!autoRepeat)
            m_pressedAt.insert(identity, strikeTimeNs(eventTimeMs));
        m_keys.pressed(identity, autoRepeat);
        return;
    }
    if (!m_keys.released(identity, autoRepeat))
        return;
    const qint64 pressed = m_pressedAt.value(identity, -1);
    m_pressedAt.remove(identity);
    if (!m_sink)
        return;
    m_sink(FingerStrike{finger->hand, finger->finger, strikeTimeNs(eventTimeMs),
                        QString::fromLatin1(Device), scanCode ? scanCode : quint32(key), -1,
                        pressed});
}

qint64 KeyboardSource::strikeTimeNs(quint64 eventTimeMs) const
{
    const qint64 now = m_clock.monotonicNs();
    const qint64 stamped = qint64(eventTimeMs) * 1000000;
    // A stamp of the same clock lies a little in the past: the event waited in the queue,
    // at most for a start sound and a busy moment. Anything else is another clock.
    constexpr qint64 Past = qint64(60) * 1000000000;
    constexpr qint64 Ahead = qint64(50) * 1000000;
    if (eventTimeMs != 0 && stamped <= now + Ahead && stamped >= now - Past)
        return stamped;
    return now;
}
