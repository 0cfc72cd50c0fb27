// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/KeyMap.h"
#include "input/KeyTracker.h"
#include "ports/InputSource.h"

#include <QHash>

class Clock;

// The computer keyboard as an input source: the window hands it its key events; the key
// map gives hand and finger, the key tracker picks out the releases that are strokes,
// and each stroke goes to the sink with the time the window system stamped on it.
class KeyboardSource : public InputSource {
public:
    static constexpr const char *Device = "keyboard";

    explicit KeyboardSource(const Clock &clock);

    void setSink(Sink sink) override { m_sink = std::move(sink); }

    // Whether the key is a finger key, so the window keeps it from its controls.
    static bool isFingerKey(KeyLayout layout, int key, Qt::KeyboardModifiers modifiers,
                            quint32 scanCode);
    // A press or release of a finger key of the layout. eventTimeMs is the event's own time
    // stamp in milliseconds; 0 where it has none.
    void keyEvent(KeyLayout layout, bool press, int key, Qt::KeyboardModifiers modifiers,
                  quint32 scanCode, bool autoRepeat, quint64 eventTimeMs);
    // Forgets the keys held down (the window lost the keyboard).
    void clear()
    {
        m_keys.clear();
        m_pressedAt.clear();
    }

    // The strike's time on the monotonic clock: the event's own stamp where it is on that
    // clock (X11 and Wayland stamp events with it, in milliseconds), else now.
    qint64 strikeTimeNs(quint64 eventTimeMs) const;

private:
    const Clock &m_clock;
    KeyTracker m_keys;
    // When each key held down went down.
    QHash<quint64, qint64> m_pressedAt;
    Sink m_sink;
};
