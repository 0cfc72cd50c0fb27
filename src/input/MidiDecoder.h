// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// Reads the notes out of a stream of MIDI bytes from one port. Running status (data bytes
// that reuse the last channel status) is followed; real-time bytes (clock, active sensing)
// may fall anywhere, even inside a message, and are skipped; system exclusive and the
// other system messages are skipped whole; controllers, program changes, pitch bend and
// data bytes without a status are ignored.
class MidiDecoder {
public:
    struct Note {
        int channel; // 0..15
        int note;    // 0..127
        int velocity;
        // A note-on with a velocity above 0; note-off, or note-on with velocity 0, ends it.
        bool on;
        bool operator==(const Note &) const = default;
    };

    QList<Note> feed(const QByteArray &bytes);
    // Forgets a message in progress (the port went away).
    void reset();

private:
    void byte(quint8 value, QList<Note> &notes);

    quint8 m_status = 0; // the running channel status, 0 for none
    quint8 m_data[2] = {0, 0};
    int m_have = 0;
    int m_skip = 0; // data bytes of a system message still to skip
    bool m_sysex = false;
};
