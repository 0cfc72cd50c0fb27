// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/InputPreferences.h"

class MidiSource;

// Learn: the player plays the note of each finger in turn (NoteMap::learnOrder) and the
// note map is built from what was played. While it runs the source captures the notes, so
// they make no strikes. A note that another finger already has is refused and the same
// finger is asked again. Once all ten fingers have a note, the learnt map becomes the
// kept one and learning ends; stopping earlier leaves the kept map as it was.
class MidiLearn {
public:
    // What a note-on did to the sequence.
    enum class Outcome {
        Ignored,  // nothing is being learnt
        Taken,    // the asked finger has the note; the next finger is asked
        Refused,  // another finger has the note already; the same finger is asked again
        Complete, // the last finger has the note: the learnt map is kept, learning ends
    };
    struct Played {
        Outcome outcome = Outcome::Ignored;
        // The finger that took the note, or for a refused note the finger that has it.
        FingerKey finger{Hand::Left, 0};
    };

    // source may be null: there is then nothing to learn from and start() refuses.
    MidiLearn(MidiSource *source, const NoteMap &kept);
    ~MidiLearn();
    MidiLearn(const MidiLearn &) = delete;
    MidiLearn &operator=(const MidiLearn &) = delete;

    // The map the player keeps (OK saves it).
    const NoteMap &kept() const { return m_kept; }
    // What a table of the notes shows: the notes learnt so far while learning, else the
    // kept map.
    const NoteMap &shown() const { return learning() ? m_learnt : m_kept; }

    bool learning() const { return m_step >= 0; }
    // The place in learnOrder of the finger asked for now; -1 when not learning.
    int step() const { return m_step; }
    FingerKey asked() const { return NoteMap::learnOrder(m_step); }
    // The last Learn took all ten notes, and none has started since.
    bool complete() const { return m_complete; }

    // Starts over with no notes learnt; false (and nothing changes) without a source or
    // while learning already.
    bool start();
    // Ends learning and keeps the kept map; false when nothing was being learnt.
    bool stop();
    // Ends learning and keeps the five-finger C position.
    void restoreDefault();
    // A note-on from the source (note-offs take no part).
    Played play(int note);

private:
    void release();

    MidiSource *m_source;
    NoteMap m_kept;
    NoteMap m_learnt;
    int m_step = -1;
    bool m_complete = false;
};
