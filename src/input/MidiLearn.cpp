// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/MidiLearn.h"

#include "input/MidiSource.h"

MidiLearn::MidiLearn(MidiSource *source, const NoteMap &kept) : m_source(source), m_kept(kept) {}

MidiLearn::~MidiLearn()
{
    stop();
}

bool MidiLearn::start()
{
    if (!m_source || learning())
        return false;
    m_learnt = NoteMap();
    m_step = 0;
    m_complete = false;
    m_source->capture(true);
    return true;
}

bool MidiLearn::stop()
{
    if (!learning())
        return false;
    release();
    return true;
}

void MidiLearn::restoreDefault()
{
    stop();
    m_kept = NoteMap::fivefingerC();
}

MidiLearn::Played MidiLearn::play(int note)
{
    if (!learning())
        return {};
    if (const auto holder = m_learnt.finger(note))
        return {Outcome::Refused, *holder};
    const FingerKey finger = asked();
    m_learnt.setNote(finger, note);
    if (++m_step < NoteMap::Fingers)
        return {Outcome::Taken, finger};
    m_kept = m_learnt;
    m_complete = true;
    release();
    return {Outcome::Complete, finger};
}

// Learning ends: the notes strike again.
void MidiLearn::release()
{
    m_step = -1;
    m_source->capture(false);
}
