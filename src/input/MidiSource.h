// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/MidiDecoder.h"
#include "ports/InputSource.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class NoteMap;

// A MIDI piano as an input source: the notes of every port, through the note map, become
// finger strikes timed when their message arrived, with their velocity. Note-off and
// note-on with velocity 0 end a note and are no strikes; notes outside the map are
// ignored.
class MidiSource : public InputSource {
public:
    // One note as it came, mapped or not, for the windows that show or learn notes.
    using NoteListener = std::function<void(int note, int velocity, bool on)>;

    explicit MidiSource(const NoteMap &map);

    void setSink(Sink sink) override { m_sink = std::move(sink); }
    // A listener sees every note until it is removed; the number removes it.
    int addNoteListener(NoteListener listener);
    void removeNoteListener(int id);
    // While anyone captures the notes (Learn, the key check), they make no strikes.
    void capture(bool on) { m_capturing += on ? 1 : -1; }
    bool capturing() const { return m_capturing > 0; }

    // Bytes from a port, and the time they arrived on the monotonic clock.
    void message(const QString &port, const QByteArray &bytes, qint64 arrivedNs);
    // The port went away: a message it left half sent is forgotten.
    void portGone(const QString &port);

    // A note-on that comes from a second port within this time of the same note from
    // another port is the same key routed to the program twice (a keyboard that is both
    // connected to the program's own port and found on its own), not a second strike.
    static constexpr qint64 SameKeyNs = 3 * 1000000;

private:
    const NoteMap &m_map;
    QHash<QString, MidiDecoder> m_decoders;
    Sink m_sink;
    QList<QPair<int, NoteListener>> m_listeners;
    int m_nextListener = 1;
    int m_capturing = 0;
    struct LastOn {
        QString port;
        int note = -1;
        qint64 atNs = 0;
    } m_lastOn;
};
